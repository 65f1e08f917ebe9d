#include "frame/basZIRVO_Format.h"

#include "frame/basVB6NumCvt.h"
#include "frame/cVB6_NumCvt.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

namespace basZIRVO_Format {

namespace {

// The user's decimal separator, as long as the number reader takes it back;
// a cell text is read again when the table is stored.
char dezimaltrenner() {
    const std::string& t = cVB6_NumCvt::Instanz().Dezimaltrenner();
    return t == "," ? ',' : '.';
}

std::string formatieren(double wert, std::int16_t Stellen, std::int16_t NKSt, char trenner) {
    const int nk = std::max<int>(NKSt, 0);
    const int stellen = std::max<int>(Stellen, 0);
    const long breite = nk != 0 ? stellen + 1 : stellen;

    const std::string s = basVB6NumCvt::FestkommaText(wert, nk);
    // The text has no other characters than digits, "-" and ".": one
    // character each.
    const long länge = static_cast<long>(s.size());
    if (!s.empty() && länge <= breite) {
        // Two blanks for every missing character: the display font's blank
        // is about half as wide as a digit.
        const std::size_t blanks = static_cast<std::size_t>(2 * (breite - länge));
        std::string aus(blanks + s.size(), ' ');
        for (std::size_t i = 0; i < s.size(); ++i) aus[blanks + i] = s[i] == '.' ? trenner : s[i];
        return aus;
    }
    if (nk != 0)
        return std::string(static_cast<std::size_t>(std::max(stellen - nk, 0)), '#') + "." +
               std::string(static_cast<std::size_t>(nk), '#');
    return std::string(static_cast<std::size_t>(stellen), '#');
}

// The display texts made lately: loading and computing the tables shows the
// same values again and again. A text depends on the value, the two widths
// and the decimal separator alone, so one found again under all of them
// (the value bit for bit) is the text itself. Each input has one place,
// found by its hash; a new input there replaces the old one. Each thread
// keeps its own.
class Gemacht {
public:
    const std::string& Text(double wert, std::int16_t Stellen, std::int16_t NKSt) {
        std::uint64_t bits;
        std::memcpy(&bits, &wert, sizeof bits);
        const char trenner = dezimaltrenner();
        std::uint64_t h = (bits ^ (bits >> 29)) * 0x9E3779B97F4A7C15ull;
        h ^= static_cast<std::uint64_t>(static_cast<std::uint16_t>(Stellen)) << 8 ^
             static_cast<std::uint64_t>(static_cast<std::uint16_t>(NKSt)) << 24;
        Eintrag& e = plätze_[(h ^ (h >> 32)) % plätze_.size()];
        if (!(e.belegt && e.bits == bits && e.Stellen == Stellen && e.NKSt == NKSt && e.trenner == trenner)) {
            e.text = formatieren(wert, Stellen, NKSt, trenner);
            e.bits = bits;
            e.Stellen = Stellen;
            e.NKSt = NKSt;
            e.trenner = trenner;
            e.belegt = true;
        }
        return e.text;
    }

private:
    struct Eintrag {
        std::uint64_t bits = 0;
        std::int16_t Stellen = 0, NKSt = 0;
        char trenner = 0;
        bool belegt = false;
        std::string text;
    };
    std::array<Eintrag, 512> plätze_;
};

} // namespace

std::string TextTrimmen(std::string_view text) {
    const std::size_t a = text.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    return std::string(text.substr(a, text.find_last_not_of(' ') - a + 1));
}

std::string TextRechtsTrimmen(std::string_view text) {
    std::size_t ende = text.find_last_not_of(' ');
    return std::string(text.substr(0, ende == std::string_view::npos ? 0 : ende + 1));
}

std::string ZahlFormatieren(double wert, std::int16_t Stellen, std::int16_t NKSt) {
    // Made on a thread's first use.
    thread_local auto gemacht = std::make_unique<Gemacht>();
    return gemacht->Text(wert, Stellen, NKSt);
}

std::string ZahlTextFormatieren(std::string_view text, std::int16_t Stellen, std::int16_t NKSt) {
    double v = basVB6NumCvt::ZahlLesen(text);
    if (v == 0) return {};
    return ZahlFormatieren(v, Stellen, NKSt);
}

} // namespace basZIRVO_Format

#include "frame/basZIRVO_Format.h"

#include "frame/basVB6NumCvt.h"
#include "frame/cVB6_NumCvt.h"

#include <algorithm>

namespace basZIRVO_Format {

namespace {

std::size_t zeichenzahl(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The user's decimal separator, as long as the number reader takes it back;
// a cell text is read again when the table is stored.
std::string dezimaltrenner() {
    const std::string& t = cVB6_NumCvt::Instanz().Dezimaltrenner();
    return (t == "," || t == ".") ? t : std::string(".");
}

} // namespace

std::string TextRechtsTrimmen(std::string_view text) {
    std::size_t ende = text.find_last_not_of(' ');
    return std::string(text.substr(0, ende == std::string_view::npos ? 0 : ende + 1));
}

std::string ZahlFormatieren(double wert, std::int16_t Stellen, std::int16_t NKSt) {
    const int nk = std::max<int>(NKSt, 0);
    const int stellen = std::max<int>(Stellen, 0);
    const long breite = nk != 0 ? stellen + 1 : stellen;

    std::string s = basVB6NumCvt::FestkommaText(wert, nk);
    if (!s.empty()) {
        std::size_t punkt = s.find('.');
        if (punkt != std::string::npos) s.replace(punkt, 1, dezimaltrenner());
        const long länge = static_cast<long>(zeichenzahl(s));
        // Two blanks for every missing character: the display font's blank
        // is about half as wide as a digit.
        if (länge <= breite) return std::string(static_cast<std::size_t>(2 * (breite - länge)), ' ') + s;
    }
    if (nk != 0)
        return std::string(static_cast<std::size_t>(std::max(stellen - nk, 0)), '#') + "." +
               std::string(static_cast<std::size_t>(nk), '#');
    return std::string(static_cast<std::size_t>(stellen), '#');
}

std::string ZahlTextFormatieren(std::string_view text, std::int16_t Stellen, std::int16_t NKSt) {
    double v = basVB6NumCvt::ZahlLesen(text);
    if (v == 0) return {};
    return ZahlFormatieren(v, Stellen, NKSt);
}

} // namespace basZIRVO_Format

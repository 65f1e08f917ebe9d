#include "frame/basZIRVO_Format.h"

#include "frame/basVB6NumCvt.h"
#include "frame/cVB6_NumCvt.h"

#include <algorithm>

namespace basZIRVO_Format {

namespace {

// The user's decimal separator, as long as the number reader takes it back;
// a cell text is read again when the table is stored.
char dezimaltrenner() {
    const std::string& t = cVB6_NumCvt::Instanz().Dezimaltrenner();
    return t == "," ? ',' : '.';
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

    const std::string s = basVB6NumCvt::FestkommaText(wert, nk);
    // The text has no other characters than digits, "-" and ".": one
    // character each.
    const long länge = static_cast<long>(s.size());
    if (!s.empty() && länge <= breite) {
        // Two blanks for every missing character: the display font's blank
        // is about half as wide as a digit.
        std::string aus(static_cast<std::size_t>(2 * (breite - länge)), ' ');
        const std::size_t punkt = s.find('.');
        aus += s;
        if (punkt != std::string::npos) aus[aus.size() - s.size() + punkt] = dezimaltrenner();
        return aus;
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

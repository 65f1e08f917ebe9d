// What the writing and the reading of the project file share: the cells
// of the row records, the use values of a zone, the form of address and
// description lines, and the document the project works on meanwhile.
#pragma once

#include "project/Sdbase.h"

#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

namespace ProjektDateiteile {

// Cells of the row records, as pairs of item letter and kind ("T" text,
// "N" number), in the order of the row's cells.
inline constexpr std::string_view ZellenEBF = "bTfNhNaN";
inline constexpr std::string_view ZellenA = "cTbTfNnNuNhToT";
inline constexpr std::string_view ZellenU = "cTbTfNnNuNhToTxNyNtT";
inline constexpr std::string_view ZellenF = "cTbTfNnNuNhToTwNgNrNxTyT";
inline constexpr std::string_view ZellenLüftung = "bTlNzNwN";    // first unit only
inline constexpr std::string_view ZellenGewinn = "bTlNzNfN";
inline constexpr std::string_view ZellenBauteil = "bTkTuNgNiNaN";
inline constexpr std::string_view ZellenSchicht = "bTdNrNlNwNuT";
inline constexpr std::string_view ZellenFenster = "bTkTuNzNgNrNvTwNxTyN";
inline constexpr std::string_view ZellenWärmebrücke = "bTkTuNzNdT";
inline constexpr std::string_view ZellenEBBauteil = "cTbTnNuNtNgNeN";   // the 8th cell is a result
inline constexpr std::string_view ZellenEBWärmebrücke = "cTbTpNgN";     // the 5th cell is a result

inline std::size_t Zellenzahl(std::string_view zellen) { return zellen.size() / 2; }

// Use values of a zone with their item letter; the remark (key + "_B") is
// written under the letter in upper case followed by "b".
struct Nutzungswert {
    char Buchstabe;
    std::string_view Schlüssel;
};
inline constexpr Nutzungswert Nutzungswerte[] = {
    {'g', "Ti"}, {'h', "PFl"}, {'i', "PWP"}, {'j', "PPr"}, {'k', "El"},   {'l', "fe"},
    {'m', "AVE"}, {'n', "WW"}, {'q', "C"},   {'z', "RZ"},  {'v', "VTHB"}, {'w', "VTHF"},
};

// The nearest whole number, halves to the even one (record and item numbers).
inline double GanzeZahl(double x) {
    if (!std::isfinite(x)) return 0;
    double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5 && std::fmod(r, 2.0) != 0) r -= (x > 0 ? 1 : -1);
    return r;
}

inline bool NurLeerzeichen(std::string_view t) { return t.find_first_not_of(' ') == std::string_view::npos; }

// Lines of an address block and of the building-project description keep
// their places: every line up to the last non-empty one is written, a line
// that is empty or holds only blanks with one blank more (an empty line as a
// single blank), and the reader takes one blank off a line of blanks. Such a
// file opens as before in other installations (a blank line shows blank);
// empty lines at the end write nothing, as they always did.
inline std::string ZeileSchreibform(std::string_view zeile) {
    std::string t(zeile);
    if (NurLeerzeichen(t)) t += ' ';
    return t;
}
inline std::string ZeileLeseform(std::string_view wert) {
    std::string t(wert);
    if (!t.empty() && NurLeerzeichen(t)) t.pop_back();
    return t;
}

// Resets the document pointer of the project on every way out.
class DokumentHalter {
public:
    DokumentHalter(Sdbase*& ziel, Sdbase& dok) : ziel_(ziel) { ziel_ = &dok; }
    ~DokumentHalter() { ziel_ = nullptr; }
    DokumentHalter(const DokumentHalter&) = delete;
    DokumentHalter& operator=(const DokumentHalter&) = delete;

private:
    Sdbase*& ziel_;
};

} // namespace ProjektDateiteile

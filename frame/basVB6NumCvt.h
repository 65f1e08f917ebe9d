// Numbers as text: the user's input form (decimal comma or point, Swiss
// apostrophes) and the program's file form ("." and no grouping).
// Never depends on the process locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace basVB6NumCvt {

extern bool KommaEingabe;
void KommaEingabeSetzen(bool wert);

// The scan rule: the leading number of a text, 0 when there is none.
double Scannen(std::string_view text);

double ZahlLesen(std::string_view text);             // input form
std::int16_t ZahlLesenInt(std::string_view text);    // file form, 0 on any failure
std::int32_t ZahlLesenLong(std::string_view text);   // file form, 0 on any failure
double ZahlLesenDbl(std::string_view text);          // file form, 0 on any failure
std::string ZahlText(double wert);                   // file form

} // namespace basVB6NumCvt

using basVB6NumCvt::ZahlLesen;
using basVB6NumCvt::ZahlLesenDbl;
using basVB6NumCvt::ZahlLesenInt;
using basVB6NumCvt::ZahlLesenLong;
using basVB6NumCvt::ZahlText;

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
// Blanks, tabs and line feeds are skipped wherever they stand; an optional
// sign, digits with at most one ".", an optional exponent (E or D, either
// case); or "&H"/"&O" with hexadecimal or octal digits (read as a
// non-negative whole number up to &HFFFFFFFF). A value beyond the range of a
// double (1E999, or a hex number with too many digits) reads as 0, so no
// infinity or NaN ever leaves a reader.
double Scannen(std::string_view text);

// Input form. With comma input on: "" is 0; a text holding "," loses every
// "." and every "'" and its "," becomes the decimal point (1.000,25 and
// 1'000,25 are 1000.25); a text without "," loses every "'" (1'000.25 is
// 1000.25). Then the scan rule. With comma input off: the scan rule alone.
double ZahlLesen(std::string_view text);
// File form: the scan rule on the unchanged text; the integer readers round
// halves to the even neighbour (2.5 -> 2). 0 on any failure (out of range).
std::int16_t ZahlLesenInt(std::string_view text);
std::int32_t ZahlLesenLong(std::string_view text);
double ZahlLesenDbl(std::string_view text);

// The nearest whole number, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4), whatever the rounding mode of the process.
double GanzzahlGerade(double x);

// File form: the shortest decimal text of at most 15 significant digits that
// reads back to the value (15-digit rounding when 15 digits do not suffice),
// "." as decimal point, no grouping, a "0" before the point below 1, exponent
// form ("1E+15", "1.5E-07") below 1E-4 and from 1E15 on. A value that is not
// finite is written "0".
std::string ZahlText(double wert);

// A Single (a setting the settings file keeps in single precision) as the
// value its shortest decimal text names: 2.8f is 2.8, not 2.79999995231628,
// so a value typed with one decimal keeps that decimal wherever it is shown,
// written or computed with. A value that is not finite is 0.
double EinfachWert(float wert);
// The basic form ZahlText starts from: the same digits, but no "0" before the
// point below 1 (".5", "-.25").
std::string ZahlGrundform(double wert);

// The value in fixed-point form with exactly `nachkommastellen` decimals, "."
// as decimal point, no grouping, rounded half away from zero on the decimal
// value as ZahlText writes it (so 1.005 -> "1.01" and 2.25 -> "2.3" with 2 and
// 1 decimals); "-" only when the rounded value is not zero. Empty when the
// value is not finite or the decimals are negative.
std::string FestkommaText(double wert, int nachkommastellen);

// One value of the user's regional settings, given as the full path
// "HKEY_CURRENT_USER\Control Panel\International\" followed by the value's
// name ("sCountry", "LocaleName", "sDecimal", "sThousand",
// "sMonDecimalSep", "sMonThousandSep"). Taken from the system locale named
// by the environment (LC_ALL, then LC_NUMERIC or LC_MONETARY, then LANG).
// The portable locale ("C", "C.UTF-8", "POSIX") has "." as separators, no
// grouping and its own name as locale name. Empty when nothing is set, for a
// locale that cannot be loaded, or any other path.
std::string RegistryLesen(std::string_view pfad);

} // namespace basVB6NumCvt

using basVB6NumCvt::ZahlLesen;
using basVB6NumCvt::ZahlLesenDbl;
using basVB6NumCvt::ZahlLesenInt;
using basVB6NumCvt::ZahlLesenLong;
using basVB6NumCvt::ZahlText;

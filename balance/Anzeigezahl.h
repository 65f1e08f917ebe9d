// Numbers as the balance windows show them in their labels and boxes: with
// the user's decimal separator, and never a value that is not finite.
#pragma once

#include <string>

namespace Anzeigezahl {

// A value that overflowed or came from a division by zero counts as 0, so
// no such value is ever stored or shown.
double Endlich(double x);

// The text with its first "." replaced by the user's decimal separator
// ("," or "."; any other separator keeps the ".").
std::string MitTrenner(std::string text);

// The value with a fixed number of decimals ("0", "0.0", "0.00") and the
// user's decimal separator; a value that is not finite shows as 0.
std::string Festkomma(double wert, int dezimalen);

// The value as plain text, as many decimals as it has, with the user's
// decimal separator.
std::string Zahltext(double wert);

} // namespace Anzeigezahl

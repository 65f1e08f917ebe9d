// Arrays of numbers stored as text: a list joins its elements with ";",
// a table joins its rows with ":".
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

using Monatsarray = std::array<double, 13>;                     // January..December, year
using Monatstabelle = std::array<std::array<double, 6>, 13>;    // 13 rows by 6 values

namespace basZIRVO_Array {

// The element text of one number (a blank before values >= 0, no digit before the point below 1).
std::string ElementText(double wert);

std::string ArrayZuText1(const Monatsarray& a);
// Fills all 13 elements when the text has exactly 13 pieces; else leaves a untouched.
void TextZuArray1(std::string_view text, Monatsarray& a);
std::string ArrayZuText2(const Monatstabelle& a);
void TextZuArray2(std::string_view text, Monatstabelle& a);
std::string ArrayZuTextX(const std::vector<double>& a);
// Fills all elements when the count of pieces equals a.size(); else leaves a untouched.
void TextZuArrayX(std::string_view text, std::vector<double>& a);

} // namespace basZIRVO_Array

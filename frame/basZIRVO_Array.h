// Arrays of numbers stored as text: a list joins its elements with ";",
// a table joins its rows with ":". Elements are written in the element text
// below and read with the file-form reader (ZahlLesenDbl): an empty or
// unreadable item reads as 0. The readers never write outside the array.
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
// Fills all 13 elements when the text has exactly 13 items; else leaves a untouched.
void TextZuArray1(std::string_view text, Monatsarray& a);
std::string ArrayZuText2(const Monatstabelle& a);
// Only a text of exactly 13 rows is read; rows are read from the top while
// they hold exactly 6 values: the first row of another length and all rows
// below it keep their old values.
void TextZuArray2(std::string_view text, Monatstabelle& a);
std::string ArrayZuTextX(const std::vector<double>& a);
// Fills all elements when the count of items equals a.size(); else leaves a untouched.
void TextZuArrayX(std::string_view text, std::vector<double>& a);

} // namespace basZIRVO_Array

// Display texts of number cells and trimming.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace basZIRVO_Format {

// The text without trailing blanks (other white space stays).
std::string TextRechtsTrimmen(std::string_view text);
// The text without blanks at either end (other white space stays).
std::string TextTrimmen(std::string_view text);

// The display text of a number cell: the value rounded to NKSt decimals
// (halves away from zero) with the user's decimal separator ("." when the
// user's separator is neither "," nor ".", so the cell reads back), no
// grouping. The width is Stellen, plus one for the separator when NKSt > 0;
// a text that fits is preceded by two blanks for every character it lacks.
// A value too wide (or not finite) gives "#" marks: Stellen - NKSt "#", "."
// and NKSt "#", or Stellen "#" without decimals.
std::string ZahlFormatieren(double wert, std::int16_t Stellen, std::int16_t NKSt);
// The text read in input form (ZahlLesen); 0 gives an empty text, any other
// value ZahlFormatieren.
std::string ZahlTextFormatieren(std::string_view text, std::int16_t Stellen, std::int16_t NKSt);

} // namespace basZIRVO_Format

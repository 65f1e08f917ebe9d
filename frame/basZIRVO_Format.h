// Display texts of number cells and trimming.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace basZIRVO_Format {

std::string TextRechtsTrimmen(std::string_view text);
std::string ZahlFormatieren(double wert, std::int16_t Stellen, std::int16_t NKSt);
std::string ZahlTextFormatieren(std::string_view text, std::int16_t Stellen, std::int16_t NKSt);

} // namespace basZIRVO_Format

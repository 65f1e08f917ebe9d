// Names of the radiation distributions the project dialog offers.
#pragma once

#include <cstdint>
#include <string>

namespace basZIRVOMeteo {

// 0: the distribution of SIA 381/2; 1, 2, 3: the distribution of the station
// Zürich-Kloten, Davos-Platz or Locarno-Monti; any other number "?".
std::string StrahlungsverteilungText(std::int16_t i);

} // namespace basZIRVOMeteo

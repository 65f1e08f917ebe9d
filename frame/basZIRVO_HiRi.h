// Compass names of building elements and the turned north of a project.
//
// The user enters and the project stores the eight main names. A project
// whose north is turned by 22.5 degrees to the east ("NNE") or to the west
// ("NNW") shows and computes with the turned names: N of a project with
// north "NNE" faces NNE.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace basZIRVO_HiRi {

// The current project's north rotation: "" (none), "NNE" or "NNW"; set when
// a project is opened and when the project dialog is confirmed.
extern std::string NordAktuell;

// The eight main names and what they stand for under each rotation (index 0 to 7).
inline constexpr std::array<std::string_view, 8> Hauptrichtungen = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
inline constexpr std::array<std::string_view, 8> RichtungenNNE = {"NNE", "ENE", "ESE", "SSE", "SSW", "WSW", "WNW", "NNW"};
inline constexpr std::array<std::string_view, 8> RichtungenNNW = {"NNW", "NNE", "ENE", "ESE", "SSE", "SSW", "WSW", "WNW"};

// The turned name of a main name under the current rotation (exact
// comparison); every other name, and every name without a rotation or with
// a rotation other than "NNE" or "NNW", comes back unchanged.
std::string HimmelsrichtungDrehen(std::string_view name);

// The main name a turned name stands for. Without a rotation, or for a name
// that is not exactly three characters long, the name comes back unchanged;
// otherwise it is upper-cased and looked up in the "NNE" table (rotation
// "NNE") or the "NNW" table (any other rotation); without a hit the
// upper-cased name comes back.
std::string HimmelsrichtungZurückdrehen(std::string_view name);

// Index 0 to 7 of a main name (exact comparison); 0 for any other name.
std::int16_t HiRiIndex(std::string_view name);

// True when the project's north is turned (NordAktuell not empty).
bool NordGedreht();

} // namespace basZIRVO_HiRi

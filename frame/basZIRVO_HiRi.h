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

// The sixteen names clockwise from north: the main names and those between.
inline constexpr std::array<std::string_view, 16> Kompassnamen = {
    "N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE", "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};

// The orientation an element's name stands for, as the zone computation
// takes it: blanks trimmed, a main name turned by the current rotation, any
// other name (one between the main names among them) as it is.
std::string Rechenrichtung(std::string_view name);

// The place of an orientation (as Rechenrichtung gives it) in a list of
// orientations clockwise from the turned north: 0 to 15 for the sixteen
// names, 16 for any other.
int Kompassfolge(std::string_view richtung);

// The column 0 to 7 of a table whose eight columns are headed by the turned
// main names, for an orientation (as Rechenrichtung gives it): the column
// headed by it; without a rotation, for a name between two main names, the
// column of the main name before it clockwise (the one rotation "NNE" turns
// onto it); -1 for any other name.
int Richtungsspalte(std::string_view richtung);

// True when the project's north is turned (NordAktuell not empty).
bool NordGedreht();

} // namespace basZIRVO_HiRi

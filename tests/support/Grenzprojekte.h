// Projects at the limits of the printouts, built into the global project of
// a Zonenprojekt: one at the program's maxima and one whose list of single
// components is long. Every entry of that list (an item, or rows without
// item merged by designation and values) has a designation whose first word
// is its own key, so that a test finds each entry in the printed list.
#pragma once

#include <string>
#include <vector>

namespace Testhilfe {

class Zonenprojekt;

// 8 zones, each with every table at its most rows (30 EBF rows, 50 rows in
// each envelope table, 6 consumers, one ventilation unit in two zones);
// 40 components of 15 layers, 20 windows, 10 linear and 10 point bridges,
// all used by number; many rows without item (long designations among them,
// some merged over all zones); windows with long shading lists; long
// remarks on the consumers and the ventilation.
// Returns the keys of the list's entries.
std::vector<std::string> MaximalprojektAnlegen(Zonenprojekt& z);

// One zone with n entries in the list of single components (components,
// windows and doors, linear and point bridges; with and without items).
// Returns their keys.
std::vector<std::string> EinzelbauteilprojektAnlegen(Zonenprojekt& z, int n);

} // namespace Testhilfe

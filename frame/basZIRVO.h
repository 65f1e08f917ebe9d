// Small routines many windows share: the nested busy pointer, file and
// folder tests, the printer checks with their messages, a text sort, the
// Ctrl key and the system version test.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace basZIRVO {

// The nested busy pointer. -1: one more long operation; 0: one less;
// 1: only answers the count; any other n: the count becomes n - 2.
// Except for 1, a count below 1 becomes 0 with the normal pointer, and the
// busy pointer shows otherwise. Returns the count.
std::int16_t SanduhrZähler(std::int16_t n);

// True when a normal file (no folder) exists under the name; "*" and "?" in
// the last part of the path match as patterns. Any error gives False.
bool DateiVorhanden(std::string_view Pfad);

// True when the path is not empty and names a folder and no file. Any error gives False.
bool OrdnerVorhanden(std::string_view Pfad);

// True when at least one printer is installed; otherwise says so in an error box.
bool DruckerVorhanden();

// The printer named in the settings: Initialisierung.DruckerName of the
// program's settings object (a test may put another source here; an empty
// one means no printer is named).
extern std::function<std::string()> EingestellterDrucker;

// True when printers are installed and the printer named in the settings is
// among them.
bool DruckerOK();

// The check that DruckEingerichtet asks after DruckerVorhanden; DruckerOK
// while nothing else is installed (the report code may put its own here).
extern std::function<bool()> DruckerPrüfen;

// True when printing is set up: DruckerVorhanden, then DruckerPrüfen; when
// the check fails an error box asks to set up printing first. Any error
// gives False.
bool DruckEingerichtet();

// Sorts the elements Von..Bis in place by character codes (letter case
// counts, "A" < "a" < "b", umlauts after "z"). Indexes outside the list are
// brought to its bounds.
void StringArraySortieren(std::vector<std::string>& Liste, std::int32_t Von, std::int32_t Bis);
void StringArraySortierenAlle(std::vector<std::string>& Liste);

// True while the Ctrl key is held down at this moment.
bool CtrlTasteGedrückt();

// True on a system with the newer desktop (always so here).
bool IstVistaOderNeuer();

} // namespace basZIRVO

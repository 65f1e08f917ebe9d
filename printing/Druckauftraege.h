// The printouts that windows of other parts start from their menus: the
// material list of the material window, the sheet of the item shown in the
// component editor and the monthly energy table of the current zone. Each
// sets up a printout on the configured printer, prints its section and ends
// the document; a printer that is gone or a document that cannot be
// finished has been reported when one of them returns False.
#pragma once

#include "components/Bauteile.h"

class Baustoff;

namespace Druckaufträge {

// Installs the three printouts as the print entries of the windows, and
// the report object's check whether printing is set up.
void Einrichten();

// False when nothing or not all was printed (said in a message).
bool Baustoffliste(Baustoff& datenbank);
bool Element(Elementart art, int nummer);
bool Energien();

} // namespace Druckaufträge

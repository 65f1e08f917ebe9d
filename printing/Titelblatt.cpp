// The cover page, as far as the single-component proof needs it: the
// page without its head line, the frame of the cover and the proof's result
// block in its place from row 29. The parties, the kind of construction, the
// signature fields and the system proof's results belong to the full cover.
#include "printing/ZIRVO3801Drucken.h"

void ZIRVO3801Drucken::Titelblatt(bool einzelbauteil, bool& failed) {
    Drucken& d = drucken_;
    const bool titel = d.PageTitle(false);
    d.Box(58, false);
    d.PageTitle(titel);
    // The result block leaves itself out for an unknown kind of
    // construction; the cover goes on without it.
    bool ohneErgebnis = false;
    if (einzelbauteil) EBNachweisErgebnis(29, ohneErgebnis);
    failed = false;
}

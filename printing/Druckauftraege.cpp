#include "printing/Druckauftraege.h"

#include "components/frmBaustoff.h"
#include "components/frmBauteil.h"
#include "dialogs/frmEnergien.h"
#include "frame/basZIRVO.h"
#include "printing/ZIRVO3801Drucken.h"

namespace Druckaufträge {

bool Baustoffliste(Baustoff& datenbank) {
    ZIRVO3801Drucken bericht;
    if (!bericht.Initialisieren(false, false)) return false;
    bool failed = false;
    bericht.Baustoffliste(datenbank, failed);
    return bericht.Beenden() && !failed;
}

bool Element(Elementart art, int nummer) {
    ZIRVO3801Drucken bericht;
    if (!bericht.Initialisieren(false, false)) return false;
    bool failed = false;
    switch (art) {
    case Elementart::Bauteil: bericht.Bauteil(nummer, failed); break;
    case Elementart::Fenster: bericht.Fenster(nummer, failed); break;
    case Elementart::Wärmebrücke: bericht.Wärmebrücke(nummer, failed); break;
    }
    return bericht.Beenden() && !failed;
}

bool Energien() {
    ZIRVO3801Drucken bericht;
    if (!bericht.Initialisieren(false, true)) return false;
    bool failed = false;
    bericht.Energien(failed);
    return bericht.Beenden() && !failed;
}

void Einrichten() {
    // Whether printing is set up is asked of a report object.
    basZIRVO::DruckerPrüfen = [] {
        ZIRVO3801Drucken bericht;
        return bericht.DruckerOK();
    };
    // The material window shows its own message on a failed list; one that
    // could not even be finished has said so already.
    frmBaustoff::Drucken = [](Baustoff& datenbank, bool& fehler) {
        fehler = false;
        return Baustoffliste(datenbank);
    };
    frmBauteil::Drucken = [](Elementart art, int nummer) { Element(art, nummer); };
    frmEnergien::Drucken = [] { Energien(); };
}

} // namespace Druckaufträge

#include "printing/Druckauftraege.h"

#include "components/frmBaustoff.h"
#include "components/frmBauteil.h"
#include "dialogs/frmEnergien.h"
#include "frame/Plattform.h"
#include "frame/basZIRVO.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "printing/ZIRVO3801Drucken.h"

namespace Druckaufträge {

namespace {

// One printout: set up, the section, end. A section that breaks off leaves
// its document unfinished (a PDF is then not written) and says so.
template <class Abschnitt> bool Drucken(bool quer, Abschnitt&& abschnitt) {
    // Settings under which a text would leave its room have said so; else
    // the pages of the dry run are those of the printout.
    ZIRVO3801Drucken bericht;
    if (!bericht.VorDemDruck(false, quer, abschnitt)) return false;
    try {
        if (!bericht.Initialisieren(false, quer)) return false;
        bool failed = false;
        bericht.Ausdrucken(abschnitt, failed);
        if (failed) return false;
    } catch (...) {
        Plattform::meldungen().Zeigen(DS("Fehler beim Ausdruck."), basZIRVO3801::ProgrammTitel,
                                      Plattform::Symbol::Fehler, Plattform::Knöpfe::OK);
        return false;
    }
    return bericht.Beenden();
}

} // namespace

bool Baustoffliste(Baustoff& datenbank) {
    return Drucken(false, [&](ZIRVO3801Drucken& b, bool& failed) { b.Baustoffliste(datenbank, failed); });
}

bool Element(Elementart art, int nummer) {
    return Drucken(false, [&](ZIRVO3801Drucken& b, bool& failed) {
        switch (art) {
        case Elementart::Bauteil: b.Bauteil(nummer, failed); break;
        case Elementart::Fenster: b.Fenster(nummer, failed); break;
        case Elementart::Wärmebrücke: b.Wärmebrücke(nummer, failed); break;
        }
    });
}

bool Energien() {
    return Drucken(true, [](ZIRVO3801Drucken& b, bool& failed) { b.Energien(failed); });
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

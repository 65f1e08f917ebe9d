// The command gate of the main window: before a command of the Projekt,
// Zone or Nachweis menu opens its dialog or table, the data it needs must
// exist. The tests run from the project as a whole down to the current zone
// and stop at the first one that decides for the command's letter.
#include "mainwindow/frmZIRVO3801.h"

#include "balance/Eingabebereich.h"
#include "balance/Klimastation_MB2028.h"
#include "frame/Plattform.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "project/ProjektGlobal.h"

namespace {

// The missing input, in an error box that bears the program's title; an
// input of the current zone names the zone (of several) above it.
bool Fehlt(std::string_view text, bool zone = false) {
    const std::string ort = zone ? frmZIRVO3801::Zonenangabe() : std::string();
    Plattform::meldungen().Zeigen(ort.empty() ? DS(text) : ort + "\n\n" + DS(text), basZIRVO3801::ProgrammTitel,
                                  Plattform::Symbol::Fehler, Plattform::Knöpfe::OK);
    return false;
}

} // namespace

bool frmZIRVO3801::BefehlMöglich(std::string_view Buchstabe) {
    const Projekt& p = Global::Projekt;
    if (!p.Exist()) return false;
    if (Buchstabe == "P") return true;

    if (p.PGetStr("Id").empty()) return Fehlt("Bitte Projektangaben eingeben.");
    if (Buchstabe == "B" || Buchstabe == "Y") return true;

    if (p.PGetStr("KlSt").empty() || !Global::Klimastation_MB2028.Vorhanden())
        return Fehlt("Bitte Klimastation in den Projektangaben definieren.");
    if (Buchstabe == "N") return true;

    // The category, then the capacity; only a capacity of exactly 0 fails,
    // a negative capacity or area passes.
    if (const auto fehlt = Eingabebereich::FehlendeNutzungsangabe(p); !fehlt.empty()) return Fehlt(fehlt, true);
    if (Buchstabe == "E") return true;

    if (p.ZGetNum("EBF") == 0) return Fehlt("Bitte Energiebezugsfläche eingeben.", true);
    return true;
}

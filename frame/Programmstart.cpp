#include "frame/Programmstart.h"

#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/frmOptionen.h"
#include "frame/frmZIRVO3801Start.h"

#include <filesystem>

namespace Programmstart {

std::string Befehlszeile(int argc, const char* const* argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (!argv[i]) continue;
        if (i > 1) text += ' ';
        text += argv[i];
    }
    return text;
}

std::string BefehlszeilenProjekt(const std::string& befehlszeile) {
    std::string pfad = befehlszeile;
    if (pfad.size() >= 2 && pfad.front() == '"' && pfad.back() == '"') pfad = pfad.substr(1, pfad.size() - 2);
    // Relative to the folder the program was started in: made absolute at
    // once, so the recent-projects entry opens the file from anywhere.
    std::error_code ec;
    if (!pfad.empty()) {
        std::filesystem::path absolut = std::filesystem::absolute(pfad, ec);
        if (!ec) pfad = absolut.lexically_normal().string();
    }
    return pfad;
}

} // namespace Programmstart

namespace basZIRVO3801 {

std::string Programmname = "ZIRVO3801";
std::string Hilfedatei;

namespace {
// The settings are written at the end only when they were read at the
// start (a copy that was refused, or broke off earlier, must not overwrite
// the file of the running one with empty settings), and only once.
bool einstellungenGelesen = false;
bool beendet = false;
} // namespace

bool Main(const std::string& Befehlszeile, Programmstart::Startumgebung& umgebung) {
    einstellungenGelesen = false;
    beendet = false;

    // Program values; number input with the decimal comma; the command line.
    GlobaleSetzen();
    basVB6NumCvt::KommaEingabeSetzen(true);
    const std::string befehlszeile = Befehlszeile;

    // Message texts on.
    if (basZIRVODialogSprache::SpracheSetzen()) return false;

    // Only one copy runs; a second one ends here, before anything is read or written.
    if (umgebung.WeitereKopieLäuft()) {
        Plattform::meldungen().Zeigen(DS("Das Programm kann nicht mehrfach gestartet werden."), ProgrammTitel,
                                      Plattform::Symbol::Fehler, Plattform::Knöpfe::OK);
        return false;
    }

    // The settings object, with its recent-projects list of 4 entries; the
    // options dialog is the one that the database folder look-up opens.
    Global::Initialisierung = ::Initialisierung();
    Global::Initialisierung.ProgrammSetzen(Herstellerbezeichnung, "ZIRVO", "9.0", "Initialisierung");
    frmOptionen::Einrichten();

    Programmname = umgebung.Programmname();
    Hilfedatei = Plattform::umgebung().Programmordner() + "/hilfe";

    // The start window, painted before the long work begins.
    Global::frmZIRVO3801Start.Laden();
    umgebung.StartfensterZeigen(Global::frmZIRVO3801Start);
    umgebung.EreignisseVerarbeiten();

    // The project, the standard's tables and the days per month are
    // program-wide objects that exist from here to the end of the run.
    ProgrammTitelPräfix = ProgrammTitel;

    Global::Initialisierung.RegistrierungEinlesen();
    einstellungenGelesen = true;

    Programmstart::Hauptfenster& haupt = umgebung.frmZIRVO3801();
    haupt.Form_Load();
    haupt.TabelleInitialisieren();

    Programmstart::NachweisEBFenster& eb = umgebung.frmNachweisEB();
    eb.Laden();
    eb.TabelleInitialisieren();

    haupt.Zeigen();
    umgebung.StartfensterSchliessen(Global::frmZIRVO3801Start);
    Global::frmZIRVO3801Start.Entladen();
    umgebung.EreignisseVerarbeiten();

    // The newer-version notice comes when the answer is there; the start
    // does not wait for it.
    umgebung.NeuereVersionPrüfen([&haupt](const std::string& text) {
        if (!text.empty()) haupt.NeuereVersionAnzeigen(text);
    });

    const std::string projekt = Programmstart::BefehlszeilenProjekt(befehlszeile);
    if (!projekt.empty()) haupt.ProjektEinlesenBeimProgrammstart(projekt);
    return true;
}

void ProgrammBeenden() {
    if (!einstellungenGelesen || beendet) return;
    beendet = true;
    std::string fehler;
    if (!Global::Initialisierung.RegistrierungSpeichern(&fehler)) {
        std::string text = DS("Die Einstellungen konnten nicht gespeichert werden.") + "\n" +
                           basZIRVOIni::IniDateiname();
        if (!fehler.empty()) text += "\n" + fehler;
        Plattform::meldungen().Zeigen(text, ProgrammTitel, Plattform::Symbol::Fehler, Plattform::Knöpfe::OK);
    }
    basZIRVODialogSprache::DialogSpracheBeenden();
}

} // namespace basZIRVO3801

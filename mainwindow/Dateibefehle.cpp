// The File menu of the main window: new, open, close, save, save as, print,
// the recent projects and the end of the program, with the save question
// that every command asks before it replaces the open project.
//
// Reading and writing never lose the open project: a file that cannot be
// read leaves the project as it was (and does not enter the recent list), a
// save that fails keeps the old file and the file name and counts as Cancel
// wherever the project would be replaced afterwards. A project file that
// this user may not write is never replaced: saving asks for another name.
// A project file that someone else has saved since it was opened or last
// saved here is overwritten only when the user says so; the file's lock is
// held from that check until the new file is in place, so two copies that
// save at the same moment never both pass it.
#include "mainwindow/frmZIRVO3801.h"

#include "balance/Klimastation_MB2028.h"
#include "balance/basZIRVONorm.h"
#include "components/frmBauteil.h"
#include "dialogs/frmProjekt.h"
#include "frame/Dateien.h"
#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/Sperrdatei.h"
#include "frame/basZIRVO.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVO_HiRi.h"
#include "project/ProjektGlobal.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <utility>

namespace {

constexpr const char* CRLF = "\r\n";

std::string Projektfilter() { return "ZIRVO9-" + DS("Projektdatei") + " (*.zirvo9)|*.zirvo9"; }
std::string AlleDateienFilter() { return DS("Alle Dateien") + " (*.*)|*.*"; }

// The folder the file dialogs start in: the project folder of the settings,
// or the dialog's own choice.
std::string Startordner() {
    const std::string& ordner = Global::Initialisierung.OrdnerProjekte;
    return ordner == "." ? std::string() : ordner;
}

// A project read from an ".sdf" file (letter case ignored) is saved only under a new name.
bool NurUnterNeuemNamen(const std::string& datei) {
    if (datei.size() < 4) return false;
    std::string ende = datei.substr(datei.size() - 4);
    for (char& c : ende)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ende == ".sdf";
}

// A file this user may not write is never replaced: the user is told so,
// to choose another name. True when it is such a file.
bool SchreibgeschütztGemeldet(const std::string& datei) {
    if (!Dateien::Schreibgeschützt(datei)) return false;
    Plattform::meldungen().Zeigen(DS("Datei") + ":  " + datei + CRLF + CRLF +
                                      DS("Die Datei ist schreibgeschützt. Bitte wählen Sie einen anderen Namen."),
                                  basZIRVO3801::ProgrammTitel, Plattform::Symbol::Warnung, Plattform::Knöpfe::OK);
    return true;
}

// How long a save waits for another copy that is saving the same file.
constexpr std::chrono::milliseconds Sperrwartezeit{3000};

// Takes the lock of a project file (the lock file beside it) for a save.
// True when the save may go on: with the lock held, or where the lock
// file's file system takes no locks (no copy can hold one there). False
// after a message when another copy still holds it after a moment's wait,
// or when something under the lock file's name stands in the way (a link,
// FIFO or folder; a file this user cannot open; a folder that takes no
// lock file): a save without the lock could write over a colleague's.
bool ProjektSperren(const std::string& datei, std::optional<Sperrdatei>& sperre) {
    sperre.emplace(Sperrdatei::Daneben(datei), true, datei, Sperrwartezeit);
    if (sperre->Gehalten() || sperre->OhneSperren()) return true;
    std::string text = DS("Datei") + ":  " + datei + CRLF + CRLF;
    Plattform::Symbol symbol = Plattform::Symbol::Warnung;
    if (sperre->Besetzt()) {
        text += DS("Die Projektdatei wird gerade von einem anderen Programm gespeichert.") + CRLF +
                DS("Das Projekt wurde nicht gespeichert. Bitte versuchen Sie es nochmals.");
    } else {
        text += sperre->Hindernis() + CRLF + CRLF +
                (sperre->NichtAnlegbar()
                     ? DS("Das Projekt wurde nicht gespeichert.")
                     : DS("Ohne ihre Sperre könnte das Speichern die Änderungen eines anderen Programms "
                          "überschreiben. Das Projekt wurde nicht gespeichert. Bitte lassen Sie die Sperrdatei "
                          "entfernen, oder speichern Sie das Projekt unter einem anderen Namen."));
        symbol = Plattform::Symbol::Fehler;
    }
    sperre.reset();
    Plattform::meldungen().Zeigen(text, basZIRVO3801::ProgrammTitel, symbol, Plattform::Knöpfe::OK);
    return false;
}

// Where a save of the project under its own name goes.
enum class Speicherziel { Datei, NeuerName, Keins };

// When someone else has saved the project's file since it was opened or
// last saved here (a colleague on a shared folder), the user chooses: keep
// that file and save under another name, overwrite it, or save nothing.
// For Datei the file's lock is held in sperre from the check on (also
// while the question is open, so the file stays as it names it), for the
// save that follows.
Speicherziel FremdeÄnderungFragen(std::optional<Sperrdatei>& sperre) {
    const Projekt& p = Global::Projekt;
    if (!ProjektSperren(p.Dateiname(), sperre)) return Speicherziel::Keins;
    if (!p.DateiFremdGeändert()) return Speicherziel::Datei;
    const Plattform::Antwort antwort = Plattform::meldungen().Zeigen(
        DS("Datei") + ":  " + p.Dateiname() + CRLF + CRLF +
            DS("Die Projektdatei wurde seit dem Öffnen oder dem letzten Speichern verändert, vielleicht von einer "
               "anderen Person.") +
            CRLF + CRLF +
            DS("Soll das Projekt unter einem anderen Namen gespeichert werden? Mit \"Ja\" bleibt die veränderte "
               "Datei erhalten, mit \"Nein\" wird sie überschrieben, mit \"Abbrechen\" wird nichts gespeichert."),
        basZIRVO3801::ProgrammTitel, Plattform::Symbol::Frage, Plattform::Knöpfe::JaNeinAbbrechen,
        Plattform::Antwort::Ja);
    if (antwort == Plattform::Antwort::Nein) return Speicherziel::Datei;
    sperre.reset();
    return antwort == Plattform::Antwort::Ja ? Speicherziel::NeuerName : Speicherziel::Keins;
}

void Fehlerbox(const std::string& text) {
    Plattform::meldungen().Zeigen(text, basZIRVO3801::ProgrammTitel, Plattform::Symbol::Fehler,
                                  Plattform::Knöpfe::OK);
}

// The busy pointer while a file is read or written.
class Sanduhr {
public:
    Sanduhr() { basZIRVO::SanduhrZähler(-1); }
    ~Sanduhr() { basZIRVO::SanduhrZähler(0); }
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;
};

} // namespace

void frmZIRVO3801::mnuDatei_Click() { MenüsAktivieren(); }

bool frmZIRVO3801::ProjektSpeichernFragen() {
    Projekt& p = Global::Projekt;
    if (!p.Exist()) return false;
    if (EingabeÜbernehmen()) return true;

    const Plattform::Antwort antwort =
        Plattform::meldungen().Zeigen(DS("Soll das aktuelle Projekt gespeichert werden?"), basZIRVO3801::ProgrammTitel,
                                      Plattform::Symbol::Frage, Plattform::Knöpfe::JaNeinAbbrechen);
    if (antwort == Plattform::Antwort::Nein) return false;
    if (antwort != Plattform::Antwort::Ja) return true;

    // A project without a file, one read from an ".sdf" file or from a
    // write-protected one needs a new name; so does one whose file someone
    // else has changed, when the user keeps that file.
    Speicherziel ziel = Speicherziel::NeuerName;
    std::optional<Sperrdatei> sperre;
    if (!p.Dateiname().empty() && !NurUnterNeuemNamen(p.Dateiname()) && !SchreibgeschütztGemeldet(p.Dateiname()))
        ziel = FremdeÄnderungFragen(sperre);
    if (ziel == Speicherziel::Keins) return true;
    if (ziel == Speicherziel::NeuerName) {
        const std::string pfad = SpeichernUnterDialog();
        if (pfad.empty()) return true;
        return ProjektDateiSpeichern(pfad);
    }
    return ProjektDateiSpeichern("");
}

void frmZIRVO3801::mnuDateiNeu_Click() {
    if (ProjektSpeichernFragen()) return;
    // The new project: empty, one zone, no file name.
    Global::Projekt.ProjektNeu();
    ProjektAnzeigen();
    ZonenListeAktualisieren();
    frmProjekt::Aufruf();
    MenüsAktivieren();
}

std::string frmZIRVO3801::ÖffnenDialog() {
    auto pfad = Plattform::dateidialoge().Öffnen(std::string(), Projektfilter() + "|" + AlleDateienFilter(),
                                                 Startordner());
    return pfad ? *pfad : std::string();
}

std::string frmZIRVO3801::SpeichernUnterDialog() {
    std::optional<std::string> pfad;
    do {
        pfad = Plattform::dateidialoge().Speichern(std::string(), Projektfilter(), Startordner(), std::string());
        if (!pfad || pfad->empty()) return {};
        // A name typed without extension becomes a project file; another
        // extension is the user's choice and stays.
        if (std::filesystem::path(*pfad).extension().empty()) *pfad += ".zirvo9";
        // A write-protected file: the dialog asks again.
    } while (SchreibgeschütztGemeldet(*pfad));
    if (basZIRVO::DateiVorhanden(*pfad)) {
        const Plattform::Antwort antwort =
            Plattform::meldungen().Zeigen(DS("Vorhandene Datei überschreiben?"), basZIRVO3801::ProgrammTitel,
                                          Plattform::Symbol::Frage, Plattform::Knöpfe::JaNein);
        if (antwort != Plattform::Antwort::Ja) return {};
    }
    return *pfad;
}

void frmZIRVO3801::mnuDateiÖffnen_Click() {
    if (ProjektSpeichernFragen()) return;
    const std::string pfad = ÖffnenDialog();
    if (!pfad.empty()) ProjektÖffnen(pfad);
    // Open always ends with the project data, also when no file was chosen.
    MenüsAktivieren();
    mnuProjektAngaben_Click();
}

bool frmZIRVO3801::ProjektÖffnen(const std::string& Pfad) {
    std::int32_t fehler;
    std::string grund, hinweis;
    {
        Sanduhr sanduhr;
        fehler = Global::Projekt.ProjektEinlesen(Pfad, &grund, &hinweis);
    }
    // What lay beside the file under the name of a copy and was left alone.
    if (!hinweis.empty())
        Plattform::meldungen().Zeigen(DS("Datei") + ":  " + Pfad + CRLF + CRLF + hinweis,
                                      basZIRVO3801::ProgrammTitel, Plattform::Symbol::Warnung, Plattform::Knöpfe::OK);
    if (fehler != 0) {
        std::string text = DS("Datei") + ":  " + Pfad + CRLF + CRLF;
        // The reader's numbers do not tell a missing file from a broken one.
        if (!basZIRVO::DateiVorhanden(Pfad)) {
            text += DS("Dateiname oder Pfad ungültig.");
        } else if (!grund.empty()) {
            // Not to be read at all (being written by another program, not
            // readable for this user): the reason, not a number.
            text += DS("Die Datei kann nicht gelesen werden.") + " (" + grund + ")";
        } else {
            text += DS("Die Datei kann nicht als Projekt gelesen werden.");
            text += std::string(CRLF) + CRLF + DS("Fehlernummer") + ":  " + std::to_string(fehler);
        }
        Fehlerbox(text);
        return true;
    }
    ProjektAnzeigen();
    ZonenListeAktualisieren();
    LetzteProjekteAnzeigen(Global::Projekt.Dateiname());
    if (const std::int16_t übergangen = Global::Projekt.ÜbergangeneZonen(); übergangen > 0)
        Plattform::meldungen().Zeigen(
            DS("Datei") + ":  " + Pfad + CRLF + CRLF +
                DSFormat("Die Datei enthält mehr als 8 Zonen; ein Projekt nimmt höchstens 8 auf. Die übrigen "
                         "Zonen (@) wurden nicht eingelesen und fehlen in der Datei, sobald das Projekt "
                         "gespeichert wird.",
                         std::to_string(übergangen)),
            basZIRVO3801::ProgrammTitel, Plattform::Symbol::Warnung, Plattform::Knöpfe::OK);
    return false;
}

bool frmZIRVO3801::ProjektAnzeigen() {
    Projekt& p = Global::Projekt;
    const std::string name = p.Projektname();
    Caption = name.empty() ? basZIRVO3801::ProgrammTitel : name + " - " + basZIRVO3801::ProgrammTitel;
    Global::Klimastation_MB2028.KlimastationEinlesen(p.PGetStr("KlSt"));
    basZIRVO_HiRi::NordAktuell = p.PGetStr("Nord");
    ProjektZoneEinlesen();
    if (NachweisEBEinlesen) NachweisEBEinlesen();
    // An open component editor shows the items of this project from now on.
    Global::frmBauteil.ProjektGewechselt();
    return false;
}

void frmZIRVO3801::mnuDateiSchliessen_Click() {
    if (!mnuDateiSchliessen.Enabled()) return;
    if (ProjektSpeichernFragen()) return;
    AnzeigeZurücksetzen();
    // Without a project the component editor has nothing to show.
    Global::frmBauteil.Form_Unload();
}

void frmZIRVO3801::AnzeigeZurücksetzen() {
    Global::Projekt = Projekt();
    ProjektAnzeigen();
    ZonenListeAktualisieren();
    for (auto& tabelle : Tabellen)
        if (tabelle && tabelle->getVisible()) tabelle->setVisible(false);
    picTitel[0].setVisible(false);
    picTitel[1].setVisible(false);
    AktivePane = 0;
    Aufteilung = 0;
    PaneTabelle[0] = 0;
    PaneTabelle[1] = 0;
    MenüsAktivieren();
    InfoAnzeigen("");
    HilfeKontextSetzen(0);
}

void frmZIRVO3801::mnuDateiSpeichern_Click() {
    if (!mnuDateiSpeichern.Enabled()) return;
    const std::string name = Global::Projekt.Dateiname();
    if (name.empty() || NurUnterNeuemNamen(name) || SchreibgeschütztGemeldet(name)) {
        mnuDateiSpeichernUnter_Click();
        return;
    }
    if (EingabeÜbernehmen()) return;
    std::optional<Sperrdatei> sperre;
    switch (FremdeÄnderungFragen(sperre)) {
    case Speicherziel::Datei: ProjektDateiSpeichern(""); break;
    case Speicherziel::NeuerName: mnuDateiSpeichernUnter_Click(); break;
    case Speicherziel::Keins: break;
    }
}

void frmZIRVO3801::mnuDateiSpeichernUnter_Click() {
    if (!mnuDateiSpeichernUnter.Enabled()) return;
    if (EingabeÜbernehmen()) return;
    const std::string pfad = SpeichernUnterDialog();
    if (pfad.empty()) return;
    // A failed save leaves the project open as it is.
    if (ProjektDateiSpeichern(pfad)) return;

    // The project is shown again as read back from the new file. Should that
    // fail, the project as it was in memory comes back.
    Projekt bisher = std::move(Global::Projekt);
    AnzeigeZurücksetzen();
    if (ProjektÖffnen(pfad)) {
        Global::Projekt = std::move(bisher);
        ProjektAnzeigen();
        ZonenListeAktualisieren();
    }
    MenüsAktivieren();
}

bool frmZIRVO3801::ProjektDateiSpeichern(const std::string& Pfad) {
    // A save under a new name holds that file's lock for its write; a save
    // under the project's own name holds it already, since the check.
    std::optional<Sperrdatei> sperre;
    if (!Pfad.empty() && !ProjektSperren(Pfad, sperre)) return true;
    // What is typed in an open component editor belongs to the project saved.
    Global::frmBauteil.ElementSpeichern();
    // Every save takes what the open single-component proof shows.
    if (NachweisEBSpeichern) NachweisEBSpeichern();
    std::int32_t ergebnis;
    {
        Sanduhr sanduhr;
        ergebnis = Global::Projekt.ProjektSpeichern(Pfad);
    }
    if (ergebnis != 0) return true;
    // A lock file made before its new project file takes that file's rights.
    if (sperre && sperre->Gehalten()) sperre->RechteAngleichen(Pfad);
    LetzteProjekteAnzeigen(Global::Projekt.Dateiname());
    return false;
}

void frmZIRVO3801::LetzteProjekteAnzeigen(const std::string& Pfad) {
    Initialisierung& ini = Global::Initialisierung;
    if (!Pfad.empty()) ini.LetzteProjekteDatei(Pfad);
    const std::int16_t n = ini.LetzteProjekteAnzahl();
    const std::int16_t m = ini.LetzteProjekteMax();
    mnuDateiTrLP.setVisible(n > 0);
    for (int i = 0; i < mnuDateiLetzte.Anzahl(); ++i) {
        Menüeintrag& eintrag = mnuDateiLetzte[i];
        if (i < m && i < n) {
            eintrag.setCaption("&" + std::to_string(i + 1) + "  " + ini.LetzteProjekte(static_cast<std::int16_t>(i)));
            eintrag.setVisible(true);
        } else {
            eintrag.setVisible(false);
        }
    }
}

void frmZIRVO3801::mnuDateiLetzte_Click(int Index) {
    Initialisierung& ini = Global::Initialisierung;
    if (Index < 0 || Index >= ini.LetzteProjekteAnzahl()) return;
    if (ProjektSpeichernFragen()) return;
    ProjektÖffnenDatei(ini.LetzteProjekte(static_cast<std::int16_t>(Index)));
}

void frmZIRVO3801::ProjektÖffnenDatei(const std::string& Pfad) {
    if (!basZIRVO::DateiVorhanden(Pfad)) {
        Fehlerbox(DS("Datei") + ":  " + Pfad + CRLF + CRLF + DS("Dateiname oder Pfad ungültig."));
        return;
    }
    if (ProjektÖffnen(Pfad)) return;
    MenüsAktivieren();
    mnuProjektAngaben_Click();
}

void frmZIRVO3801::ProjektEinlesenBeimProgrammstart(const std::string& Datei) { ProjektÖffnenDatei(Datei); }

void frmZIRVO3801::mnuDateiDrucken_Click() {
    if (!mnuDateiDrucken.Enabled() || !DruckenAnzeigen) return;
    if (EingabeÜbernehmen()) return;
    if (!basZIRVO::DruckEingerichtet()) {
        mnuDateiDruckEinrichten_Click();
        return;
    }
    if (Global::Projekt.PGetInt("ArtB") == 0 &&
        !basZIRVO3801::StandardnutzungPrüfen(
            Global::Projekt,
            DS("Der Systemnachweis (Aufgabenstellung 'Nachweis' bei Anforderungen im Projekt) ist nicht möglich")))
        return;
    DruckenAnzeigen();
}

void frmZIRVO3801::mnuDateiDruckEinrichten_Click() {
    if (!DruckIniAnzeigen) return;
    if (basZIRVO::DruckerVorhanden()) DruckIniAnzeigen();
}

void frmZIRVO3801::mnuDateiBeenden_Click() {
    if (Schliessen) Schliessen();
}

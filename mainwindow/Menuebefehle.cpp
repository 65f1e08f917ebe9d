// The commands of the main window outside the File menu: Bearbeiten,
// Projekt, Zone, Nachweis, Tabellen, Extras and "?", and the two tool bars.
//
// A command runs only while its menu entry is enabled, stores what was typed
// into the shown tables, asks the command gate with its letter, computes
// where its window needs fresh results and then opens its window. A step that
// fails has shown its message and ends the command.
#include "mainwindow/frmZIRVO3801.h"

#include "balance/frmGewinn.h"
#include "balance/frmLueftung.h"
#include "balance/frmQh.h"
#include "dialogs/frmNutzung.h"
#include "dialogs/frmProjekt.h"
#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/Statusmeldung.h"
#include "frame/basZIRVO.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/cVB6_NumCvt.h"
#include "frame/frmOptionen.h"
#include "project/ProjektGlobal.h"

namespace {

constexpr const char* CRLF = "\r\n";

void Infobox(const std::string& text) {
    Plattform::meldungen().Zeigen(text, basZIRVO3801::ProgrammTitel, Plattform::Symbol::Information,
                                  Plattform::Knöpfe::OK);
}

std::string Versionszeile() {
    return DS("Version") + "  " + basZIRVO3801::ProgrammVersion + basZIRVO3801::ProgrammVersionBuchstabe;
}

} // namespace

void frmZIRVO3801::MenüsAktivieren() {
    const bool e = Global::Projekt.Exist();
    mnuDateiSchliessen.setEnabled(e);
    mnuDateiSpeichern.setEnabled(e);
    mnuDateiSpeichernUnter.setEnabled(e);
    mnuBearb.setEnabled(e);
    mnuProjekt.setEnabled(e);
    mnuZone.setEnabled(e);
    mnuNachweis.setEnabled(e);
    mnuExtrasOK.setEnabled(e);

    // Entries whose window is not there stay disabled, with or without a project.
    mnuDateiDrucken.setEnabled(e && DruckenAnzeigen);
    mnuDateiDruckEinrichten.setEnabled(static_cast<bool>(DruckIniAnzeigen));
    mnuExtrasVerluste.setEnabled(e && BauteilVerlusteAnzeigen && BauteilverlusteTabelle);
    mnuExtrasFlächen.setEnabled(e && FlächenAnzeigen);
    mnuExtrasEnergien.setEnabled(e && EnergienAnzeigen);
    mnuExtrasWärmeleistungsbedarf.setEnabled(e && WärmeleistungsbedarfAnzeigen);
    mnuProjektBauteile.setEnabled(static_cast<bool>(BauteileAnzeigen));
    mnuZoneL.setEnabled(static_cast<bool>(LüftungAnzeigen));
    mnuZoneG.setEnabled(static_cast<bool>(GewinnAnzeigen));
    mnuZoneQh.setEnabled(static_cast<bool>(QhAnzeigen));
    mnuNachweis3801System.setEnabled(static_cast<bool>(Nachweis3801Anzeigen));
    mnuNachweis3801EB.setEnabled(static_cast<bool>(NachweisEBAnzeigen));
    mnuTabellenBaustoffe.setEnabled(static_cast<bool>(BaustoffeAnzeigen));
    mnuTabellenRechner.setEnabled(static_cast<bool>(TabellenRechnerAnzeigen));
    // The tool bars follow the menus at once.
    SymbolleistenAbgleichen();
}

// --- Bearbeiten ---

void frmZIRVO3801::mnuBearbZeileEinfügen_Click() { ZeileEinfügenLöschen(false); }

void frmZIRVO3801::mnuBearbZeileLöschen_Click() { ZeileEinfügenLöschen(true); }

// --- Projekt ---

void frmZIRVO3801::mnuProjektAngaben_Click() {
    if (!mnuProjektAngaben.Enabled()) return;
    if (EingabeÜbernehmen()) return;
    if (!BefehlMöglich("P")) return;
    frmProjekt::Aufruf();
    // The station or the north may have changed the zone's balance.
    GenutzteSolareGewinneAnzeigen();
}

void frmZIRVO3801::mnuProjektNutzung_Click() {
    if (!mnuProjektNutzung.Enabled()) return;
    if (EingabeÜbernehmen()) return;
    if (!BefehlMöglich("N")) return;
    frmNutzung::Aufruf();
    // Zones may have been added, deleted or reordered.
    ZonenListeAktualisieren();
    // The tables are loaded afresh and their totals computed for the use as
    // it is now (a table that cannot be computed shows none), and the zone
    // for the window table's utilised gains.
    ProjektZoneEinlesen();
    PanesAnzeigen();
}

void frmZIRVO3801::mnuProjektBauteile_Click() {
    if (!mnuProjektBauteile.Enabled() || !BauteileAnzeigen) return;
    if (EingabeÜbernehmen()) return;
    if (!BefehlMöglich("B")) return;
    BauteileAnzeigen();
}

// --- Zone: only the active pane's table is stored first ---

void frmZIRVO3801::mnuZoneEBF_Click() {
    if (!mnuZoneEBF.Enabled()) return;
    if (PaneSpeichern()) return;
    if (!BefehlMöglich("E")) return;
    TabelleAnzeigen(TabelleEBF);
}

void frmZIRVO3801::mnuZoneA_Click() {
    if (!mnuZoneA.Enabled()) return;
    if (PaneSpeichern()) return;
    if (!BefehlMöglich("A")) return;
    TabelleAnzeigen(TabelleA);
}

void frmZIRVO3801::mnuZoneU_Click() {
    if (!mnuZoneU.Enabled()) return;
    if (PaneSpeichern()) return;
    if (!BefehlMöglich("U")) return;
    TabelleAnzeigen(TabelleU);
}

void frmZIRVO3801::mnuZoneF_Click() {
    if (!mnuZoneF.Enabled()) return;
    if (PaneSpeichern()) return;
    if (!BefehlMöglich("F")) return;
    TabelleAnzeigen(TabelleF);
}

void frmZIRVO3801::mnuZoneL_Click() {
    if (!mnuZoneL.Enabled() || !LüftungAnzeigen) return;
    if (PaneSpeichern()) return;
    if (!BefehlMöglich("L")) return;
    Global::frmLüftung.Einlesen();
    LüftungAnzeigen();
    // Closing the dialog stored the zone's ventilation: the gains utilised
    // in the window table follow.
    GenutzteSolareGewinneAnzeigen();
}

void frmZIRVO3801::mnuZoneG_Click() {
    if (!mnuZoneG.Enabled() || !GewinnAnzeigen) return;
    if (PaneSpeichern()) return;
    if (!BefehlMöglich("G")) return;
    Global::frmGewinn.Einlesen();
    GewinnAnzeigen();
    GenutzteSolareGewinneAnzeigen();
}

void frmZIRVO3801::mnuZoneQh_Click() {
    if (!mnuZoneQh.Enabled() || !QhAnzeigen) return;
    if (PaneSpeichern()) return;
    if (!BefehlMöglich("Q")) return;
    if (ZoneBerechnenPrüfen()) return;
    Global::frmQh.Einlesen();
    QhAnzeigen();
}

// --- Nachweis ---

void frmZIRVO3801::mnuNachweis3801System_Click() {
    if (!mnuNachweis3801System.Enabled() || !Nachweis3801Anzeigen) return;
    if (EingabeÜbernehmen()) return;
    if (!BefehlMöglich("X")) return;
    if (AlleZonenPrüfen(false)) return;
    Nachweis3801Anzeigen();
}

void frmZIRVO3801::mnuNachweis3801EB_Click() {
    if (!mnuNachweis3801EB.Enabled() || !NachweisEBAnzeigen) return;
    if (EingabeÜbernehmen()) return;
    if (!BefehlMöglich("Y")) return;
    NachweisEBAnzeigen();
}

// --- Tabellen ---

void frmZIRVO3801::mnuTabellenBaustoffe_Click() {
    if (!BaustoffeAnzeigen) return;
    // A failure to open the materials window is silent.
    try {
        BaustoffeAnzeigen();
    } catch (...) {
    }
}

// The standard uses and the calculation values are topics of the help panel.
void frmZIRVO3801::mnuTabellenStandardnutzung_Click() {
    InfoAnzeigen("Gk");
}

void frmZIRVO3801::mnuTabellenRechenwerte_Click() {
    InfoAnzeigen("Rw");
}

void frmZIRVO3801::mnuTabellenRechner_Click() {
    if (TabellenRechnerAnzeigen) TabellenRechnerAnzeigen();
}

// --- Extras ---

void frmZIRVO3801::mnuExtrasOK_Click() {
    if (!mnuExtrasOK.Enabled()) return;
    if (EingabeÜbernehmen()) return;
    basZIRVO::SanduhrZähler(-1);
    const bool fehler = AlleZonenPrüfen(false);
    basZIRVO::SanduhrZähler(0);
    if (!fehler) Statusmeldung::Melden(DS("Projekt getestet: keine Fehler"));
}

void frmZIRVO3801::mnuExtrasVerluste_Click() {
    if (!mnuExtrasVerluste.Enabled() || !BauteilVerlusteAnzeigen) return;
    if (EingabeÜbernehmen()) return;
    basZIRVO::SanduhrZähler(-1);
    const bool fehler = AlleZonenPrüfen(true);
    basZIRVO::SanduhrZähler(0);
    if (fehler) return;
    BauteilVerlusteAnzeigen();
}

void frmZIRVO3801::mnuExtrasFlächen_Click() {
    if (!mnuExtrasFlächen.Enabled() || !FlächenAnzeigen) return;
    if (EingabeÜbernehmen()) return;
    if (ZoneBerechnenPrüfen()) return;
    FlächenAnzeigen();
}

void frmZIRVO3801::mnuExtrasEnergien_Click() {
    if (!mnuExtrasEnergien.Enabled() || !EnergienAnzeigen) return;
    if (EingabeÜbernehmen()) return;
    if (ZoneBerechnenPrüfen()) return;
    EnergienAnzeigen();
}

void frmZIRVO3801::mnuExtrasWärmeleistungsbedarf_Click() {
    if (!mnuExtrasWärmeleistungsbedarf.Enabled() || !WärmeleistungsbedarfAnzeigen) return;
    if (EingabeÜbernehmen()) return;
    if (ZoneBerechnenPrüfen()) return;
    WärmeleistungsbedarfAnzeigen();
}

void frmZIRVO3801::mnuExtrasOptionen_Click() {
    if (!frmOptionen::Aufruf(0)) return;
    // The bars and the help panel follow the options; the window is laid out
    // anew only when one of them changed.
    const Initialisierung& ini = Global::Initialisierung;
    bool neu = false;
    if (tbrToolbar1.Visible() != !ini.KeineSymbolleiste) {
        tbrToolbar1.setVisible(!ini.KeineSymbolleiste);
        tbrToolbar2.setVisible(!ini.KeineSymbolleiste);
        neu = true;
    }
    if (sbrStatusbar.Visible() != !ini.KeineStatusleiste) {
        sbrStatusbar.setVisible(!ini.KeineStatusleiste);
        neu = true;
    }
    if (picTrHilfe.Visible() != !ini.KeinHilfeAssistent) {
        picTrHilfe.setVisible(!ini.KeinHilfeAssistent);
        picHilfe.setVisible(picTrHilfe.Visible());
        neu = true;
    }
    if (neu) Form_Resize();
}

// --- "?" ---

void frmZIRVO3801::mnuHilfeF1_Click() { HilfeTasteSenden(1000); }

void frmZIRVO3801::mnuHilfeWasIstNeu_Click() { HilfeTasteSenden(9910); }

void frmZIRVO3801::HilfeTasteSenden(std::int32_t Kontext) {
    Plattform::hilfe().Zeigen(Kontext);
}

void frmZIRVO3801::mnuHilfeInfoZahlenformat_Click() {
    const cVB6_NumCvt& zahlen = cVB6_NumCvt::Instanz();
    std::string text = basZIRVO3801::ProgrammTitel + CRLF;
    text += Versionszeile() + CRLF;
    text += CRLF;
    text += DS("Zahlenformat") + CRLF;
    text += " - " + DS("Region") + std::string(10, ' ') + "\t" + zahlen.Country() + CRLF;
    text += " - " + DS("Sprachcode") + "\t" + zahlen.LocaleName() + CRLF;
    text += " - " + DS("Format Zahlen") + "\t" + zahlen.NumStr_(123456789, 3) + CRLF;
    text += " - " + DS("Format Währung") + "\t" + zahlen.CurStr_(123456789) + CRLF;
    Infobox(text);
}

void frmZIRVO3801::mnuHilfeInfo_Click() {
    Infobox(basZIRVO3801::ProgrammTitel + CRLF + Versionszeile() + CRLF + CRLF + DS("Hersteller") + ":  " +
            DS(basZIRVO3801::Herstellerbezeichnung));
}

// --- tool bars ---

void frmZIRVO3801::tbrToolbar1_ButtonClick(std::string_view Key) {
    if (Key == "New") mnuDateiNeu_Click();
    else if (Key == "Open") mnuDateiÖffnen_Click();
    else if (Key == "Save") mnuDateiSpeichern_Click();
    else if (Key == "Print") mnuDateiDrucken_Click();
    else if (Key == "OK") mnuExtrasOK_Click();
    else if (Key == "B") mnuTabellenBaustoffe_Click();
    else if (Key == "T") InfoAnzeigen("Tabellen");
}

void frmZIRVO3801::tbrToolbar1_ButtonMenuClick(std::string_view Key) {
    if (Key == "S") mnuTabellenStandardnutzung_Click();
    else if (Key == "R") mnuTabellenRechenwerte_Click();
}

void frmZIRVO3801::tbrToolbar2_ButtonClick(std::string_view Key) {
    if (Key == "P") mnuProjektAngaben_Click();
    else if (Key == "N") mnuProjektNutzung_Click();
    else if (Key == "B") mnuProjektBauteile_Click();
    else if (Key == "E") mnuZoneEBF_Click();
    else if (Key == "A") mnuZoneA_Click();
    else if (Key == "U") mnuZoneU_Click();
    else if (Key == "F") mnuZoneF_Click();
    else if (Key == "L") mnuZoneL_Click();
    else if (Key == "G") mnuZoneG_Click();
    else if (Key == "Q") mnuZoneQh_Click();
}

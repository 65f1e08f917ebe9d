// The main window's frame: menus and tool bars, start and end, the
// placement on the desktop and the status bar.
#include "mainwindow/frmZIRVO3801.h"

#include "frame/Initialisierung.h"
#include "frame/Programmstart.h"
#include "frame/Statusmeldung.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOBildschirmschrift.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/frmZIRVO3801Start.h"
#include "mainwindow/Fensterteile.h"
#include "project/ProjektGlobal.h"

#include <algorithm>
#include <cmath>
#include <limits>

using Fensterteile::GeradeRunden;

// --- tool bars ---

frmZIRVO3801::Symbolknopf::Symbolknopf(std::string key, std::int16_t style)
    : CommandButton("tbrButton" + key), Key(std::move(key)), style_(style) {}

Menüeintrag& frmZIRVO3801::Symbolknopf::ButtonMenuHinzufügen(std::string key, std::string text) {
    auto e = std::make_unique<Menüeintrag>(Name + "Menu", static_cast<int>(menüs_.size()) + 1);
    e->setTag(std::move(key));
    e->setCaption(std::move(text));
    menüs_.push_back(std::move(e));
    melden();
    return *menüs_.back();
}

void frmZIRVO3801::Symbolknopf::ButtonMenusLeeren() {
    if (menüs_.empty()) return;
    menüs_.clear();
    melden();
}

frmZIRVO3801::Symbolknopf* frmZIRVO3801::Symbolleiste::Knopf(std::string_view key) const {
    for (const auto& b : Buttons)
        if (b->Style() != Symbolknopf::tbrSeparator && b->Key == key) return b.get();
    return nullptr;
}

std::vector<frmZIRVO3801::Menü> frmZIRVO3801::Menüleiste() {
    std::vector<Menü> m;
    std::vector<Menüeintrag*> datei{&mnuDateiNeu,     &mnuDateiÖffnen,         &mnuDateiSchliessen,
                                    &mnuDateiTr1,     &mnuDateiSpeichern,      &mnuDateiSpeichernUnter,
                                    &mnuDateiTr2,     &mnuDateiDrucken,        &mnuDateiDruckEinrichten,
                                    &mnuDateiTrLP};
    for (int i = 0; i < mnuDateiLetzte.Anzahl(); ++i) datei.push_back(&mnuDateiLetzte[i]);
    datei.push_back(&mnuDateiTr3);
    datei.push_back(&mnuDateiBeenden);
    m.push_back({&mnuDatei, std::move(datei)});
    m.push_back({&mnuBearb, {&mnuBearbZeileEinfügen, &mnuBearbZeileLöschen}});
    m.push_back({&mnuProjekt, {&mnuProjektAngaben, &mnuProjektNutzung, &mnuProjektBauteile}});
    m.push_back({&mnuZone,
                 {&mnuZoneEBF, &mnuZoneTr1, &mnuZoneA, &mnuZoneU, &mnuZoneF, &mnuZoneTr2, &mnuZoneL, &mnuZoneG,
                  &mnuZoneTr3, &mnuZoneQh}});
    m.push_back({&mnuNachweis, {&mnuNachweis3801System, &mnuNachweis3801EB}});
    m.push_back({&mnuTabellen,
                 {&mnuTabellenBaustoffe, &mnuTabellenTr1, &mnuTabellenStandardnutzung, &mnuTabellenRechenwerte,
                  &mnuTabellenTr2, &mnuTabellenRechner}});
    m.push_back({&mnuExtras,
                 {&mnuExtrasOK, &mnuExtrasTr1, &mnuExtrasFlächen, &mnuExtrasVerluste, &mnuExtrasEnergien,
                  &mnuExtrasTr2, &mnuExtrasWärmeleistungsbedarf, &mnuExtrasTr3, &mnuExtrasOptionen}});
    m.push_back({&mnuHilfe,
                 {&mnuHilfeF1, &mnuHilfeWasIstNeu, &mnuHilfeTr1, &mnuHilfeInfoZahlenformat, &mnuHilfeTr2,
                  &mnuHilfeInfo}});
    return m;
}

namespace {

void Beschriften(Menüeintrag& e, std::string_view text) { e.setCaption(DS(text)); }

} // namespace

// The captions of menus and tool bars, as the window is designed; the texts
// pass through DS, so they are set when the window loads.
static void MenüsBeschriften(frmZIRVO3801& f) {
    const std::pair<Menüeintrag*, std::string_view> texte[] = {
        {&f.mnuDatei, "&Datei"},
        {&f.mnuDateiNeu, "&Neu"},
        {&f.mnuDateiÖffnen, "Ö&ffnen"},
        {&f.mnuDateiSchliessen, "Schliessen"},
        {&f.mnuDateiSpeichern, "&Speichern"},
        {&f.mnuDateiSpeichernUnter, "Speichern &unter..."},
        {&f.mnuDateiDrucken, "&Drucken..."},
        {&f.mnuDateiDruckEinrichten, "Druck einrichten..."},
        {&f.mnuDateiBeenden, "&Beenden"},
        {&f.mnuBearb, "&Bearbeiten"},
        {&f.mnuBearbZeileEinfügen, "Zeile einfügen"},
        {&f.mnuBearbZeileLöschen, "Zeile löschen"},
        {&f.mnuProjekt, "&Projekt"},
        {&f.mnuProjektAngaben, "&Projekt"},
        {&f.mnuProjektNutzung, "&Nutzung"},
        {&f.mnuProjektBauteile, "&Bauteile"},
        {&f.mnuZone, "&Zone"},
        {&f.mnuZoneEBF, "Energiebezugsfläche"},
        {&f.mnuZoneA, "Gebäudehülle gegen Aussenluft"},
        {&f.mnuZoneU, "Gebäudehülle gegen unbeheizte Räume/Erdreich"},
        {&f.mnuZoneF, "Gebäudehülle Fenster und Türen"},
        {&f.mnuZoneL, "Lüftung"},
        {&f.mnuZoneG, "Wärmeeinträge"},
        {&f.mnuZoneQh, "Heizwärmebedarf"},
        {&f.mnuNachweis, "&Nachweis"},
        {&f.mnuNachweis3801System, "Systemnachweis SIA 380/1"},
        {&f.mnuNachweis3801EB, "Einzelbauteilnachweis SIA 380/1"},
        {&f.mnuTabellen, "&Tabellen"},
        {&f.mnuTabellenBaustoffe, "Baustoffe"},
        {&f.mnuTabellenStandardnutzung, "Standardnutzungen"},
        {&f.mnuTabellenRechenwerte, "Rechenwerte"},
        {&f.mnuTabellenRechner, "Tabellen-Rechner"},
        {&f.mnuExtras, "E&xtras"},
        {&f.mnuExtrasOK, "Vollständigkeit testen"},
        {&f.mnuExtrasFlächen, "Flächen Gebäudehülle"},
        {&f.mnuExtrasVerluste, "Verluste Bauteile"},
        {&f.mnuExtrasEnergien, "Energien in den Monaten"},
        {&f.mnuExtrasWärmeleistungsbedarf, "Wärmeleistungsbedarf für Heizung"},
        {&f.mnuExtrasOptionen, "&Optionen..."},
        {&f.mnuHilfe, "&?"},
        {&f.mnuHilfeF1, "&Hilfe"},
        {&f.mnuHilfeWasIstNeu, "Was ist neu in Version 9"},
        {&f.mnuHilfeInfoZahlenformat, "Info Zahlenformat"},
        {&f.mnuHilfeInfo, "Info"},
    };
    for (const auto& [e, text] : texte) Beschriften(*e, text);
    for (Menüeintrag* t : {&f.mnuDateiTr1, &f.mnuDateiTr2, &f.mnuDateiTrLP, &f.mnuDateiTr3, &f.mnuZoneTr1,
                           &f.mnuZoneTr2, &f.mnuZoneTr3, &f.mnuTabellenTr1, &f.mnuTabellenTr2, &f.mnuExtrasTr1,
                           &f.mnuExtrasTr2, &f.mnuExtrasTr3, &f.mnuHilfeTr1, &f.mnuHilfeTr2})
        t->setCaption("-");
    // The recent-project entries and their separator stay hidden until
    // there are recent projects.
    f.mnuDateiTrLP.setVisible(false);
    for (int i = 0; i < f.mnuDateiLetzte.Anzahl(); ++i) {
        f.mnuDateiLetzte[i].setCaption(std::string());
        f.mnuDateiLetzte[i].setVisible(false);
    }
}

static void SymbolleistenAnlegen(frmZIRVO3801& f) {
    using K = frmZIRVO3801::Symbolknopf;
    auto knopf = [](frmZIRVO3801::Symbolleiste& leiste, std::string key, std::string_view text,
                    std::string_view tipp = {}, std::int16_t style = K::tbrDefault) {
        auto b = std::make_unique<K>(std::move(key), style);
        b->setCaption(DS(text));
        if (!tipp.empty()) b->setToolTipText(DS(tipp));
        leiste.Buttons.push_back(std::move(b));
        return leiste.Buttons.back().get();
    };
    auto trenner = [](frmZIRVO3801::Symbolleiste& leiste) {
        leiste.Buttons.push_back(std::make_unique<K>(std::string(), K::tbrSeparator));
    };

    auto& t1 = f.tbrToolbar1;
    t1.Buttons.clear();
    knopf(t1, "New", "Neu");
    knopf(t1, "Open", "Öffnen");
    knopf(t1, "Save", "Speichern");
    trenner(t1);
    knopf(t1, "Print", "Drucken");
    knopf(t1, "OK", "Testen");
    trenner(t1);
    knopf(t1, "B", "Baustoffe", "Baustoffe");
    K* tab = knopf(t1, "T", "Tabellen", "Tabellen Rechenwerte usw.", K::tbrDropdown);
    tab->ButtonMenuHinzufügen("S", DS("Gebäudekategorien und Standardnutzungen"));
    tab->ButtonMenuHinzufügen("R", DS("Rechenwerte"));

    auto& t2 = f.tbrToolbar2;
    t2.Buttons.clear();
    knopf(t2, "P", "Projekt", "Projektangaben");
    knopf(t2, "N", "Nutzung", "Nutzungszonen");
    trenner(t2);
    knopf(t2, "B", "Bauteile", "Bauteile, Fenster und Wärmebrücken");
    trenner(t2);
    knopf(t2, "E", "EBF", "Energiebezugsfläche");
    knopf(t2, "A", "Aussen", "Gebäudehülle gegen Aussenluft");
    knopf(t2, "U", "Unbeheizt", "Gebäudehülle gegen unbeheizte Räume oder Erdreich");
    knopf(t2, "F", "Fenster", "Gebäudehülle: Fenster und Türen");
    trenner(t2);
    knopf(t2, "L", "Lüftung", "Lüftungswärmeverluste");
    knopf(t2, "G", "Einträge", "Wärmeeinträge");
    trenner(t2);
    knopf(t2, "Q", "QH", "Heizwärmebedarf");
}

// A tool-bar button is enabled as its command's menu entry can be chosen:
// the entry and the menu that holds it both enabled. Without a project the
// buttons of the Projekt and Zone commands are thus disabled, as their menus.
void frmZIRVO3801::SymbolleistenAbgleichen() {
    struct Befehl {
        std::string_view key;
        const Menüeintrag* eintrag;
        const Menüeintrag* menü;
    };
    const Befehl eins[] = {{"New", &mnuDateiNeu, &mnuDatei},
                           {"Open", &mnuDateiÖffnen, &mnuDatei},
                           {"Save", &mnuDateiSpeichern, &mnuDatei},
                           {"Print", &mnuDateiDrucken, &mnuDatei},
                           {"OK", &mnuExtrasOK, &mnuExtras},
                           {"B", &mnuTabellenBaustoffe, &mnuTabellen},
                           {"T", &mnuTabellenStandardnutzung, &mnuTabellen}};
    const Befehl zwei[] = {{"P", &mnuProjektAngaben, &mnuProjekt}, {"N", &mnuProjektNutzung, &mnuProjekt},
                           {"B", &mnuProjektBauteile, &mnuProjekt}, {"E", &mnuZoneEBF, &mnuZone},
                           {"A", &mnuZoneA, &mnuZone},             {"U", &mnuZoneU, &mnuZone},
                           {"F", &mnuZoneF, &mnuZone},             {"L", &mnuZoneL, &mnuZone},
                           {"G", &mnuZoneG, &mnuZone},             {"Q", &mnuZoneQh, &mnuZone}};
    auto wählbar = [](const Befehl& b) { return b.eintrag->Enabled() && b.menü->Enabled(); };
    for (const Befehl& b : eins)
        if (Symbolknopf* k = tbrToolbar1.Knopf(b.key)) k->setEnabled(wählbar(b));
    for (const Befehl& b : zwei)
        if (Symbolknopf* k = tbrToolbar2.Knopf(b.key)) k->setEnabled(wählbar(b));
    if (Symbolknopf* t = tbrToolbar1.Knopf("T")) {
        for (const auto& e : t->ButtonMenus())
            e->setEnabled(mnuTabellen.Enabled() &&
                          (e->Tag() == "S" ? mnuTabellenStandardnutzung : mnuTabellenRechenwerte).Enabled());
    }
}

// --- start and end ---

void frmZIRVO3801::Form_Load() {
    basZIRVOBildschirmschrift::BildschirmschriftSetzen(*this);
    Caption = basZIRVO3801::ProgrammTitel;
    MenüsBeschriften(*this);
    SymbolleistenAnlegen(*this);
    TabellenAnlegen();
    picTrHilfe.Move(picTrHilfe.Left(), picTrHilfe.Top(), 90, picTrHilfe.Height());
    rtbInfo.setLocked(true);
    lblNeuereVersionVorhanden.setVisible(false);
    lblNeuereVersionVorhanden.setCaption(DS("Neuere Version"));
    picTrennZeiger.setVisible(false);
    for (int i = 0; i < 2; ++i) picTitel[i].setVisible(false);
    AktivePane = 0;
    Aufteilung = 0;

    MenüsAktivieren();
    FeldformateSetzen();
    PaneTabelle = {0, 0};
    LetzteProjekteAnzeigen("");

    const Initialisierung& ini = Global::Initialisierung;
    tbrToolbar1.setVisible(!ini.KeineSymbolleiste);
    tbrToolbar2.setVisible(!ini.KeineSymbolleiste);
    sbrStatusbar.setVisible(!ini.KeineStatusleiste);
    picTrHilfe.setVisible(!ini.KeinHilfeAssistent);
    picHilfe.setVisible(!ini.KeinHilfeAssistent);

    // The program's notes go to the status bar.
    Statusmeldung::Anzeigen = [this](const std::string& text) { sbrStatusbarText.setCaption(text); };
    StatusleisteAbgleichen();

    // The help panel shows the topic named after the program.
    InfoPaketLesen();
    InfoAnzeigen("");
    HilfeKontextSetzen(0);
    Fensterposition(true);
}

bool frmZIRVO3801::Form_QueryUnload() { return ProjektSpeichernFragen(); }

void frmZIRVO3801::Form_Unload() {
    Fensterposition(false);
    basZIRVO3801::ProgrammBeenden();
}

void frmZIRVO3801::Fensterposition(bool wiederherstellen) {
    Initialisierung& ini = Global::Initialisierung;
    if (wiederherstellen) {
        if (ini.WinWidth == 0) {
            Left = 0;
            Top = 0;
            Width = ScreenWidth;
            Height = GeradeRunden(ScreenHeight * 0.9);
            WindowState = 0;
        } else {
            // The margins are compared as single-precision numbers.
            if (ini.WinLeft > static_cast<float>(ScreenWidth - 240) || ini.WinLeft < -60) ini.WinLeft = 0;
            if (ini.WinTop > static_cast<float>(ScreenHeight - 360) || ini.WinTop < -60) ini.WinTop = 0;
            Left = ini.WinLeft;
            Top = ini.WinTop;
            Width = ini.WinWidth;
            Height = ini.WinHeight;
            WindowState = ini.WinMax ? 2 : 0;
        }
        if (FensterAnwenden) FensterAnwenden();
    }
    if (WindowState == 0) {
        ini.WinLeft = Left;
        ini.WinTop = Top;
        ini.WinWidth = Width;
        ini.WinHeight = Height;
    }
    ini.WinMax = WindowState == 2;
}

void frmZIRVO3801::StatusleisteAbgleichen() {
    const Projekt& p = Global::Projekt;
    std::string text;
    if (p.Exist()) {
        text = p.Dateiname().empty() ? DS("Neues Projekt (nicht gespeichert)") : p.Dateiname();
        std::string zone = p.ZGetStr("Bez");
        if (p.ZonenAnzahl() > 1) zone += " [" + p.ZGetStr("Code") + "]";
        if (!zone.empty()) text += "   " + DS("Zone") + ": " + zone;
    }
    sbrStatusbarProjekt.setCaption(text);
}

void frmZIRVO3801::NeuereVersionAnzeigen(const std::string& text) {
    lblNeuereVersionVorhanden.setCaption(text);
    lblNeuereVersionLage[0] = 40;
    lblNeuereVersionLage[1] = tbrToolbar1.Height() + tbrToolbar2.Height() + 40;
    lblNeuereVersionLage[2] = 400;
    lblNeuereVersionLage[3] = 400;
    lblNeuereVersionVorhanden.setVisible(true);
}

// The main window's frame: menus and tool bars, the aligned regions, the
// placement on the desktop, the panes with their title strips and splitter,
// the grids of the four tables, showing a table and switching the zone.
#include "mainwindow/frmZIRVO3801.h"

#include "frame/Initialisierung.h"
#include "frame/Programmstart.h"
#include "frame/Statusmeldung.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOBildschirmschrift.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/frmZIRVO3801Start.h"
#include "project/ProjektGlobal.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// To the nearest whole number, halves to the even one.
std::int32_t GeradeRunden(double x) {
    double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5 && std::fmod(r, 2.0) != 0) r -= std::copysign(1.0, x);
    return static_cast<std::int32_t>(r);
}

// The smallest height a drag leaves to a pane.
constexpr double Mindesthöhe = 60;

} // namespace

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

// --- layout ---

// The aligned regions: the tool bars at the top, the status bar at the
// bottom, the help panel and its dividing strip at the right edge between them.
static void Ausrichten(frmZIRVO3801& f) {
    std::int32_t oben = 0;
    if (f.tbrToolbar1.Visible()) {
        f.tbrToolbar1.Move(0, 0, f.ScaleWidth, f.tbrToolbar1.Height());
        oben = f.tbrToolbar1.Height();
    }
    if (f.tbrToolbar2.Visible()) {
        f.tbrToolbar2.Move(0, oben, f.ScaleWidth, f.tbrToolbar2.Height());
        oben += f.tbrToolbar2.Height();
    }
    std::int32_t unten = f.ScaleHeight;
    if (f.sbrStatusbar.Visible()) {
        unten -= f.sbrStatusbar.Height();
        f.sbrStatusbar.Move(0, unten, f.ScaleWidth, f.sbrStatusbar.Height());
    }
    const std::int32_t höhe = std::max<std::int32_t>(0, unten - oben);
    std::int32_t rechts = f.ScaleWidth;
    if (f.picHilfe.Visible()) {
        rechts -= f.picHilfe.Width();
        f.picHilfe.Move(rechts, oben, f.picHilfe.Width(), höhe);
    }
    if (f.picTrHilfe.Visible()) f.picTrHilfe.Move(rechts - f.picTrHilfe.Width(), oben, f.picTrHilfe.Width(), höhe);
}

std::int32_t frmZIRVO3801::HilfeBreite() const {
    // The user's width, else a fifth of the window; the panes keep at least
    // MinPanebreite, the panel at least MinHilfebreite (where there is room).
    const std::int32_t gewählt = Global::Initialisierung.HilfeBreite;
    std::int32_t breite = gewählt > 0 ? gewählt : ScaleWidth / 5;
    breite = std::min(breite, ScaleWidth - picTrHilfe.Width() - MinPanebreite);
    return std::max(breite, std::min<std::int32_t>(MinHilfebreite, ScaleWidth / 2));
}

void frmZIRVO3801::Form_Resize() {
    if (picHilfe.Visible()) picHilfe.Move(picHilfe.Left(), picHilfe.Top(), std::max(40, HilfeBreite()), picHilfe.Height());
    Ausrichten(*this);
    PanesAnzeigen();
}

void frmZIRVO3801::picTrHilfe_MouseDown() { HilfeZiehen = true; }

void frmZIRVO3801::picTrHilfe_MouseMove(double x) {
    if (!HilfeZiehen) return;
    // The strip follows the pointer: the panel is what lies right of it.
    const auto breite = static_cast<std::int32_t>(ScaleWidth - x - picTrHilfe.Width() / 2.0);
    Global::Initialisierung.HilfeBreite = std::max<std::int32_t>(1, breite);
    Global::Initialisierung.HilfeBreite = HilfeBreite();
    Form_Resize();
}

void frmZIRVO3801::picTrHilfe_MouseUp(double x) {
    picTrHilfe_MouseMove(x);
    HilfeZiehen = false;
}

void frmZIRVO3801::PaneRechteckeBerechnen() {
    const std::int32_t links = 0;
    std::int32_t oben = 0;
    if (tbrToolbar1.Visible()) oben = tbrToolbar1.Height() + tbrToolbar2.Height();
    std::int32_t breite = ScaleWidth;
    if (picHilfe.Visible()) breite = ScaleWidth - picTrHilfe.Width() - picHilfe.Width();
    std::int32_t höhe = ScaleHeight - oben;
    if (sbrStatusbar.Visible()) höhe -= sbrStatusbar.Height();
    // Panes narrower than the tables scroll sideways: their bar takes the
    // bottom of the pane area.
    const std::int32_t tabellen = GezeigteBreite();
    const bool rollen = breite > 0 && tabellen > breite;
    if (rollen) höhe = std::max<std::int32_t>(0, höhe - hsbPanes.Height());
    PaneVersatz = std::clamp<std::int32_t>(PaneVersatz, 0, rollen ? tabellen - breite : 0);
    PaneFläche = {links, oben, breite, höhe};
    if (rollen) hsbPanes.Move(links, oben + höhe, breite, hsbPanes.Height());
    hsbPanes.setVisible(rollen);

    if (Aufteilung != 0) {
        PaneHöhe[0] = GeradeRunden((1 - Aufteilung) * höhe);
        PaneOben[0] = oben + höhe - PaneHöhe[0];
        PaneHöhe[1] = höhe - PaneHöhe[0];
        PaneOben[1] = oben;
        PaneLinks = {links, links};
        PaneBreite = {breite, breite};
    } else {
        PaneLinks[0] = links;
        PaneOben[0] = oben;
        PaneBreite[0] = breite;
        PaneHöhe[0] = höhe;
        PaneLinks[1] = PaneOben[1] = PaneBreite[1] = PaneHöhe[1] = 0;
    }
}

void frmZIRVO3801::TitelAlleZeichnen() {
    TitelZeichnen(0);
    TitelZeichnen(1);
}

void frmZIRVO3801::TitelZeichnen(std::int16_t i) {
    if (i < 0 || i > 1) return;
    Titelstreifen& s = picTitel[i];
    const bool aktiv = i == AktivePane;
    s.setAktiv(aktiv);
    if (s.Height() > PaneFläche[3] || PaneTabelle[static_cast<std::size_t>(i)] == 0) {
        s.setVisible(false);
        return;
    }
    s.setVisible(true);
    std::string text = s.Tag();
    if (Global::Projekt.ZonenAnzahl() >= 2) text = Global::Projekt.ZGetStr("Bez") + "  :  " + text;
    s.setText(std::move(text));
    if (!aktiv) return;
    HilfeKontextSetzen(0);
    static constexpr const char* themen[] = {"", "EBF", "A", "U", "F"};
    for (const auto& t : Tabellen) {
        if (t && t->Titel == s.Tag()) {
            if (t->KeyNr >= 1 && t->KeyNr <= 4) InfoAnzeigen(themen[t->KeyNr]);
            HilfeKontextSetzen(t->KeyNr);
            break;
        }
    }
}

void frmZIRVO3801::HilfeKontextSetzen(std::int16_t t) {
    switch (t) {
    case 0: HelpContextID = 1000; break;
    case 1: HelpContextID = 3010; break;
    case 2: HelpContextID = 3020; break;
    case 3: HelpContextID = 3030; break;
    case 4: HelpContextID = 3050; break;
    default: break;
    }
}

void frmZIRVO3801::Form_Click() {
    const std::int16_t soll = Aufteilung != 0 ? 1 : 0;
    if (AktivePane != soll) {
        AktivePane = soll;
        PanesAnzeigen();
    }
    if (picTitel[0].Visible() && FokusSetzen) FokusSetzen(picTitel[0]);
}

// --- the zone selector ---

void frmZIRVO3801::ZonenListeAktualisieren() {
    Symbolknopf* n = tbrToolbar2.Knopf("N");
    if (!n) return;
    Projekt& p = Global::Projekt;
    n->ButtonMenusLeeren();
    if (p.ZonenAnzahl() > 1) {
        n->setStyle(Symbolknopf::tbrDropdown);
        const std::int16_t bisher = p.GetNZone();
        for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) {
            p.SetNZone(i);
            n->ButtonMenuHinzufügen(std::string(), p.ZGetStr("Bez") + " [" + p.ZGetStr("Code") + "]");
        }
        p.SetNZone(bisher);
    } else {
        n->setStyle(Symbolknopf::tbrDefault);
    }
}

void frmZIRVO3801::tbrToolbar2_ButtonDropDown() {
    Symbolknopf* n = tbrToolbar2.Knopf("N");
    if (!n) return;
    const Projekt& p = Global::Projekt;
    const auto& einträge = n->ButtonMenus();
    for (std::int16_t i = 0; i < p.ZonenAnzahl() && i < static_cast<std::int16_t>(einträge.size()); ++i)
        einträge[static_cast<std::size_t>(i)]->setEnabled(i != p.GetNZone());
}

void frmZIRVO3801::tbrToolbar2_ButtonMenuClick(std::int16_t Index) { ZoneWechseln(static_cast<std::int16_t>(Index - 1)); }

// --- the grids ---

namespace {

struct Spaltenplan {
    Steuerelementfeld<TextBox> frmZIRVO3801::*feld;
    std::int16_t tabSpalte;
};

} // namespace

PictureBox* frmZIRVO3801::TabellenBox(std::int16_t t) {
    switch (t) {
    case TabelleEBF: return &picEBF;
    case TabelleA: return &picDa;
    case TabelleU: return &picDu;
    case TabelleF: return &picF;
    default: return nullptr;
    }
}

// The captions of the four grids: column heads in the words of the printed
// envelope tables, the element types of the totals blocks.
static void BeschriftungenSetzen(frmZIRVO3801& f) {
    auto setzen = [](Steuerelementfeld<Label>& feld, std::initializer_list<std::string_view> texte) {
        int i = 0;
        for (std::string_view t : texte)
            if (i < feld.Anzahl()) feld[i++].setCaption(DS(t));
    };
    setzen(f.lblEBF, {"Bezeichnung", "Fläche\n[m²]", "Geschosshöhe\n[m]", "EBF\n[m²]"});
    f.lblEBFTot.setCaption(DS("Total"));
    const std::initializer_list<std::string_view> kopf = {"Fläche", "U", "Qt [kWh/m²]"};
    const std::string_view typen[] = {"D   Dach", "W   Wand", "B   Boden", "l   Wärmebrücke linear",
                                      "p   Wärmebrücke punktuell"};
    const std::string_view spalten[] = {"\nC",  "Bauteil / Wärmebrücke\nText", "Fläche\n[m²]", "\n#",
                                        "U\n[W/m²K]", "\nH", "Orientie-\nrung"};
    for (Steuerelementfeld<Label>* feld : {&f.lblDa, &f.lblDu}) {
        setzen(*feld, kopf);
        int i = 3;
        for (std::string_view t : typen) (*feld)[i++].setCaption(DS(t));
        for (std::string_view t : spalten) (*feld)[i++].setCaption(DS(t));
    }
    f.lblDu[15].setCaption(DS("bu\n[-]"));
    f.lblDu[16].setCaption(DS("bG\n[-]"));
    f.lblDu[17].setCaption(DS("θin / Zone\n[°C] / [-]"));
    setzen(f.lblF, {"Fläche", "U", "Qt [kWh/m²]", "F   Fenster", "T   Türen", "l   Wärmebrücke linear",
                    "p   Wärmebrücke punktuell", "Genutzte solare Wärmeeinträge", "Ausnutzungsgrad [-]"});
    int i = 9;
    for (std::string_view t : spalten) f.lblF[i++].setCaption(DS(t));
    for (std::string_view t : {"Neigung\n[°]", "g\n[-]", "ff\n[-]", "fS1\n[-]", "fS2,3\n[-]"})
        f.lblF[i++].setCaption(DS(t));
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

void frmZIRVO3801::TabelleInitialisieren() {
    using F = frmZIRVO3801;
    struct Plan {
        std::int16_t nummer;
        std::string_view titel;
        std::int16_t zeilen;
        vb6CCVScrollBar F::*balken;
        std::vector<Spaltenplan> spalten;
        std::vector<std::pair<Label*, bool>> labels;
    };
    std::vector<std::pair<Label*, bool>> ebf, da, du, fe;
    for (int i = 0; i < lblEBF.Anzahl(); ++i) ebf.emplace_back(&lblEBF[i], false);
    for (Label* l : {&lblEBFTot, &lblEBFTotAh0, &lblEBFTotAh}) ebf.emplace_back(l, true);
    for (Label* l : {&lblDaFl, &lblDaU, &lblDaQt, &lblWaFl, &lblWaU, &lblWaQt, &lblBaFl, &lblBaU, &lblBaQt,
                     &lbllaFl, &lbllaU, &lbllaQt, &lblpaFl, &lblpaU, &lblpaQt})
        da.emplace_back(l, false);
    for (int i = 0; i < lblDa.Anzahl(); ++i) da.emplace_back(&lblDa[i], false);
    for (Label* l : {&lblDuFl, &lblDuU, &lblDuQt, &lblWuFl, &lblWuU, &lblWuQt, &lblBuFl, &lblBuU, &lblBuQt,
                     &lblluFl, &lblluU, &lblluQt, &lblpuFl, &lblpuU, &lblpuQt})
        du.emplace_back(l, false);
    for (int i = 0; i < lblDu.Anzahl(); ++i) du.emplace_back(&lblDu[i], false);
    for (Label* l : {&lblFFl, &lblFU, &lblFQt, &lblTFl, &lblTU, &lblTQt, &lbllfFl, &lbllfU, &lbllfQt, &lblpfFl,
                     &lblpfU, &lblpfQt})
        fe.emplace_back(l, false);
    for (int i = 0; i < lblF.Anzahl(); ++i) fe.emplace_back(&lblF[i], false);
    for (Label* l : {&lblFQs, &lblFQsf}) fe.emplace_back(l, false);

    const Plan pläne[4] = {
        {TabelleEBF, "Energiebezugsfläche", ZeilenEBF, &F::sbrEBFVScroll,
         {{&F::txtEBFBez, 0}, {&F::txtEBFFl, 1}, {&F::txtEBFhG, 2}, {&F::txtEBFAh, -1}}, ebf},
        {TabelleA, "Gebäudehülle gegen Aussenluft", ZeilenHülle, &F::sbrDaVScroll,
         {{&F::txtDaC, 0}, {&F::txtDaBez, 1}, {&F::txtDaFl, 2}, {&F::txtDaBt, 3}, {&F::txtDaU, 4}, {&F::txtDaH, 5},
          {&F::txtDaO, 6}},
         da},
        {TabelleU, "Gebäudehülle gegen unbeheizte Räume, Erdreich und beheizte Räume", ZeilenHülle,
         &F::sbrDuVScroll,
         {{&F::txtDuC, 0}, {&F::txtDuBez, 1}, {&F::txtDuFl, 2}, {&F::txtDuBt, 3}, {&F::txtDuU, 4}, {&F::txtDuH, 5},
          {&F::txtDuO, 6}, {&F::txtDuBu, 7}, {&F::txtDuBG, 8}, {&F::txtDuTin, 9}},
         du},
        {TabelleF, "Gebäudehülle Fenster, Türen und Tore gegen Aussenluft", ZeilenHülle, &F::sbrFVScroll,
         {{&F::txtFC, 0}, {&F::txtFBez, 1}, {&F::txtFFl, 2}, {&F::txtFBt, 3}, {&F::txtFU, 4}, {&F::txtFH, 5},
          {&F::txtFO, 6}, {&F::txtFOn, 7}, {&F::txtFg, 8}, {&F::txtFFF, 9}, {&F::txtFFS1, 10},
          {&F::txtFFS23, 11}},
         fe},
    };

    for (const Plan& plan : pläne) {
        basZIRVO3801::ZahlLabelAktualisieren();
        auto tabelle = std::make_unique<EingabeTabelle>();
        tabelle->KeyNr = plan.nummer;
        tabelle->Titel = DS(plan.titel);
        tabelle->setTab(*TabellenBox(plan.nummer));
        tabelle->setTabelleZeilen((this->*(plan.spalten.front().feld))[0], plan.zeilen);
        for (const auto& [label, total] : plan.labels) tabelle->setLabel(*label, total);
        for (std::int16_t r = 0; r < plan.zeilen; ++r)
            for (const Spaltenplan& s : plan.spalten) tabelle->setTabText((this->*(s.feld))[r], r, s.tabSpalte);
        tabelle->setVScrollbar(this->*(plan.balken));
        tabelle->SetTabIndex();
        tabelle->setVisible(false);
        Tabellen[static_cast<std::size_t>(plan.nummer)] = std::move(tabelle);
    }
    // The computed area of the EBF table is not typed.
    for (int r = 0; r < txtEBFAh.Anzahl(); ++r) txtEBFAh[r].setLocked(true);
    BeschriftungenSetzen(*this);
}

std::int16_t frmZIRVO3801::TabelleIndex(std::int16_t t) const {
    for (std::int16_t k = 1; k <= 4; ++k)
        if (Tabellen[static_cast<std::size_t>(k)] && Tabellen[static_cast<std::size_t>(k)]->KeyNr == t) return k;
    return 0;
}

bool frmZIRVO3801::PaneBerechnen() { return TabelleBerechnen(PaneTabelle[static_cast<std::size_t>(AktivePane)]); }

bool frmZIRVO3801::PaneSpeichern() {
    const std::int16_t t = PaneTabelle[static_cast<std::size_t>(AktivePane)];
    if (t < 1) return false;
    return TabelleSpeichern(t);
}

// --- showing a table, switching the zone ---

bool frmZIRVO3801::TabelleAnzeigen(std::int16_t t) {
    std::int16_t& aktiv = PaneTabelle[static_cast<std::size_t>(AktivePane)];
    if (t == 0) {
        TabelleSpeichern(aktiv);
        HilfeKontextSetzen(0);
        return false;
    }
    const std::int16_t k = TabelleIndex(t);
    if (k == 0) return false;
    EingabeTabelle& tabelle = *Tabellen[static_cast<std::size_t>(k)];
    for (std::int16_t p = 0; p < 2; ++p) {
        if (PaneTabelle[static_cast<std::size_t>(p)] == t) {
            AktivePane = p;
            TitelAlleZeichnen();
            tabelle.TabSetFocus();
            return false;
        }
    }
    if (aktiv > 0) TabelleSpeichern(aktiv);
    aktiv = t;
    TabelleEinlesen(t);
    PanesAnzeigen();
    tabelle.TabSetFocus();
    return false;
}

bool frmZIRVO3801::ZoneWechseln(std::int16_t i) {
    Projekt& p = Global::Projekt;
    if (i == p.GetNZone()) return false;
    TabelleSpeichern(PaneTabelle[0]);
    TabelleSpeichern(PaneTabelle[1]);
    p.SetNZone(i);
    ProjektZoneEinlesen();
    PanesAnzeigen();
    return false;
}

// --- panes and splitter ---

void frmZIRVO3801::PanesAnzeigen() {
    if (Aufteilung == 0) {
        // The upper pane is closed: what was typed in its table is kept, and
        // the lower pane takes the attention.
        if (PaneTabelle[1] != 0) {
            TabelleSpeichern(PaneTabelle[1]);
            PaneTabelle[1] = 0;
        }
        AktivePane = 0;
    }
    for (std::int16_t k = 1; k <= 4; ++k) {
        EingabeTabelle* t = Tabellen[static_cast<std::size_t>(k)].get();
        if (!t) continue;
        if (t->KeyNr != PaneTabelle[0] && t->KeyNr != PaneTabelle[1] && t->getVisible()) t->setVisible(false);
    }
    PaneRechteckeBerechnen();
    const int panes = Aufteilung != 0 ? 2 : 1;
    for (int p = 0; p < panes; ++p) {
        const std::int16_t k = TabelleIndex(PaneTabelle[static_cast<std::size_t>(p)]);
        if (PaneTabelle[static_cast<std::size_t>(p)] <= 0 || k == 0) continue;
        EingabeTabelle& tabelle = *Tabellen[static_cast<std::size_t>(k)];
        Titelstreifen& s = picTitel[p];
        const auto i = static_cast<std::size_t>(p);
        s.setTag(tabelle.Titel);
        s.Move(PaneLinks[i], PaneOben[i], PaneBreite[i], s.Height());
        s.setVisible(true);
        // Scrolled sideways, its rows' scroll bar stays at the pane's right
        // edge, in front of the help panel.
        tabelle.setSichtbarBis(hsbPanes.Visible() ? PaneVersatz + PaneBreite[i] : 0);
        tabelle.Move(PaneLinks[i] - PaneVersatz, PaneOben[i] + s.Height(), std::max(PaneBreite[i], GezeigteBreite()),
                     PaneHöhe[i] - s.Height());
        tabelle.setVisible(true);
    }
    TitelAlleZeichnen();
}

std::int32_t frmZIRVO3801::GezeigteBreite() const {
    std::int32_t breite = 0;
    for (std::size_t p = 0; p < 2; ++p) {
        const std::int16_t t = PaneTabelle[p];
        if (t < 1 || t > 4 || (p == 1 && Aufteilung == 0)) continue;
        const std::int32_t b = Tabellenbreiten[static_cast<std::size_t>(t)];
        breite = std::max(breite, b > 0 ? b : Tabellenbreite);
    }
    return breite;
}

void frmZIRVO3801::hsbPanes_Change(std::int32_t Wert) {
    if (Wert == PaneVersatz) return;
    PaneVersatz = Wert;
    PanesAnzeigen();
}

void frmZIRVO3801::PaneAktivieren(const PictureBox& box) {
    for (std::int16_t p = 0; p < 2; ++p) {
        const std::int16_t k = TabelleIndex(PaneTabelle[static_cast<std::size_t>(p)]);
        if (PaneTabelle[static_cast<std::size_t>(p)] <= 0 || k == 0) continue;
        EingabeTabelle& tabelle = *Tabellen[static_cast<std::size_t>(k)];
        if (tabelle.getTab() != &box) continue;
        if (p == AktivePane) return;
        AktivePane = p;
        TitelAlleZeichnen();
        tabelle.TabSetFocus();
        return;
    }
}

void frmZIRVO3801::picEBF_Click() { PaneAktivieren(picEBF); }
void frmZIRVO3801::picDa_Click() { PaneAktivieren(picDa); }
void frmZIRVO3801::picDu_Click() { PaneAktivieren(picDu); }
void frmZIRVO3801::picF_Click() { PaneAktivieren(picF); }

void frmZIRVO3801::picTitel_MouseDown(std::int16_t Index, double y) {
    if (Index < 0 || Index > 1) return;
    const std::int16_t k = TabelleIndex(PaneTabelle[static_cast<std::size_t>(Index)]);
    if (PaneTabelle[static_cast<std::size_t>(Index)] > 0 && k > 0) {
        if (PictureBox* box = Tabellen[static_cast<std::size_t>(k)]->getTab()) PaneAktivieren(*box);
    }
    if (Index == 0) {
        picTrennZeiger.setVisible(true);
        ZiehStart = GeradeRunden(y);
        Ziehen = true;
    }
}

void frmZIRVO3801::picTitel_MouseMove(std::int16_t Index, double y) {
    if (Index != 0) return;
    const Titelstreifen& s = picTitel[0];
    const std::int32_t lage = s.Top() + GeradeRunden(y);
    if (lage >= PaneFläche[1] && lage <= PaneFläche[1] + PaneFläche[3] - Mindesthöhe)
        picTrennZeiger.Move(s.Left() + 3, lage - 2, s.Width() - 6, picTrennZeiger.Height());
}

void frmZIRVO3801::picTitel_MouseUp(std::int16_t Index, double y) {
    if (Index != 0) return;
    picTrennZeiger.setVisible(false);
    // Only the release of a press that began a drag moves the border: the
    // release after a double click (the strip has moved under the pointer
    // by then) leaves the share the double click set.
    if (!Ziehen) return;
    Ziehen = false;
    const double H = PaneFläche[3];
    // No pane area, nothing to share.
    if (H <= 0) return;
    double a = (picTitel[0].Top() + y - ZiehStart - PaneFläche[1]) / H;
    if (a < Mindesthöhe / H) a = 0;
    else if (a > (H - Mindesthöhe) / H) a = (H - Mindesthöhe) / H;
    Aufteilung = a;
    PanesAnzeigen();
    const std::int16_t k = TabelleIndex(PaneTabelle[static_cast<std::size_t>(AktivePane)]);
    if (PaneTabelle[static_cast<std::size_t>(AktivePane)] > 0 && k > 0) Tabellen[static_cast<std::size_t>(k)]->TabSetFocus();
}

void frmZIRVO3801::picTitel_DblClick(std::int16_t Index) {
    if (Index != 0) return;
    // The second press of a double click begins no drag.
    Ziehen = false;
    picTrennZeiger.setVisible(false);
    Aufteilung = Aufteilung == 0 ? 0.5 : 0;
    PanesAnzeigen();
}

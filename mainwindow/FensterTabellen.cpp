// The main window's tables: the grids of the four tables, showing a table
// in the active pane, switching the zone and the tool bar's zone selector.
#include "mainwindow/frmZIRVO3801.h"

#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/frmZIRVO3801Start.h"
#include "project/ProjektGlobal.h"

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

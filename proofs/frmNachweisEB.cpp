#include "proofs/frmNachweisEB.h"

#include "balance/Anzeigezahl.h"
#include "balance/Einzelbauteil.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_Format.h"
#include "frame/frmZIRVO3801Start.h"
#include "mainwindow/frmZIRVO3801.h"
#include "project/ProjektGlobal.h"

#include <utility>

std::function<void(frmNachweisEB&)> frmNachweisEB::Anzeigen;

namespace {

// The format of every column: number ("z") or text ("t"), digits,
// decimals, "b" when leaving a cell runs the rules, navigation column.
constexpr std::pair<const char*, const char*> Formate[] = {
    {"txtBtC", "t--b0"},     {"txtBtBez", "t---1"},   {"txtBtNr", "z20b2"},   {"txtBtU", "z42b3"},
    {"txtBtG", "z32b4"},     {"txtBtTi", "z20b5"},    {"txtBtGrTab", "z42b6"}, {"txtBtGrEff", "z42b7"},
    {"txtBtGrErf", "t---8"}, {"txtWbC", "t--b0"},     {"txtWbBez", "t---1"},  {"txtWbNr", "z20b2"},
    {"txtWbPsi", "z42b3"},   {"txtWbGr", "z42b3"},    {"txtWbErf", "t---7"},
};

// Help topics of the pages "A", "B", "W", "G".
constexpr std::int32_t HilfeAllgemein = 6110, HilfeBauteile = 6120, HilfeWb = 6130, HilfeGrenzwerte = 6140;

} // namespace

frmNachweisEB::frmNachweisEB() = default;

// --- loading and the grids ---

void frmNachweisEB::Laden() {
    if (!geladen_) Form_Load();
    if (!Tabellen[1]) TabelleInitialisieren();
}

void frmNachweisEB::Form_Load() {
    basZIRVO3801::FormularIconSetzen(*this);
    BeschriftungenSetzen();
    picAllgemein.setBackColor(0x8000000Fu); // the system's button face
    FeldformateSetzen();
    geladen_ = true;
    sortierung_ = false;
    optGrNeubau.setValue(true);
    optGrNeubau_Click();
    if (tabNachweis.SelectedIndex() < 0) {
        tabNachweis.setSelectedIndex(0);
        tabNachweis_Click();
    }
    cmdDrucken.setEnabled(static_cast<bool>(DruckenAnzeigen));
}

void frmNachweisEB::BeschriftungenSetzen() {
    Caption = DS("Nachweis Einzelbauteile SIA 380/1");
    tabNachweis.setTabs({{"A", DS("Allgemein")},
                         {"B", DS("Bauteile und Fenster")},
                         {"W", DS("Wärmebrücken")},
                         {"G", DS("Grenz- und Zielwerte")}});
    Frame2.setCaption(DS("Angaben zum Einzelbauteilnachweis"));
    Label11.setCaption(DS("Energiebezugsfläche EBF"));
    Label1.setCaption(DS("[m²]"));
    chkWBN.setCaption(DS("Erhöhte Anforderung der flächigen Bauteile anstelle Nachweis der Wärmebrücken"));
    Frame1.setCaption(DS("Einzelbauteil-Anforderung"));
    optAnf[0].setCaption(DS("Grenzwerte"));
    optAnf[1].setCaption(DS("Zielwerte"));
    if (!optAnf[0].Value() && !optAnf[1].Value()) optAnf[0].setValue(true);
    Label3.setCaption(DS("Klimastation"));
    Label6.setCaption(DS("Jahresmitteltemperatur"));
    Label8.setCaption(DS("°C"));

    const char* bt[] = {"Bauteil /Fenster", "Code", "Bezeichnung", "Nr.", "U", "[W/m²K]", "g", "[-]",
                        "Ti", "[°C]", "Grenzwert  U", "(Tab.)", "(effektiv)", "Erfüllt", "(ja/nein)"};
    for (int i = 0; i < lblBt.Anzahl(); ++i) lblBt[i].setCaption(DS(bt[i]));
    lblCodeHinweis.setCaption(DS("Code mit u (B1u): Werte für Umbauten; mit * (B1*): Grenzwert ohne "
                                 "Wärmebrückennachweis. Die Liste der Codes setzt sie ohne u und * ein."));
    const char* wb[] = {"Wärmebrücke", "Code", "Bezeichnung", "Nr.", "psi [W/mK]", "chi [W/K]",
                        "Grenzwert", "Erfüllt", "(ja/nein)"};
    for (int i = 0; i < lblWb.Anzahl(); ++i) lblWb[i].setCaption(DS(wb[i]));

    optGrNeubau.setCaption(DS("Neubau"));
    optGrUmbau.setCaption(DS("Umbau"));
    optGrOhneWb.setCaption(DS("Ohne Wärmebrückennachweis"));
    cmdGrZiSortierung.setCaption(DS("Sortierung"));
    cmdDrucken.setCaption(DS("Einzelbauteilnachweis drucken"));
    cmdSchliessen.setCaption(DS("Schliessen"));
    cmdCode.setCaption("...");
    cmdCode.setVisible(false);
    lstCode.setVisible(false);
}

void frmNachweisEB::FeldformateSetzen() {
    feldformate_.Leeren();
    for (const auto& [name, code] : Formate) feldformate_.SpalteRegistrieren(name, code);
}

Feldformat frmNachweisEB::FeldformatLesen(std::string_view Name) const { return feldformate_.FeldFormatLesen(Name); }

void frmNachweisEB::TabelleInitialisieren() {
    if (!geladen_) Form_Load();
    struct Plan {
        std::int16_t nummer;
        PictureBox* box;
        std::int16_t zeilen;
        std::vector<Steuerelementfeld<TextBox>*> spalten; // input columns, then results
        int eingaben;
        Steuerelementfeld<Label>* labels;
        vb6CCVScrollBar* balken;
    };
    const Plan pläne[] = {
        {1, &picBauteile, ZeilenBt,
         {&txtBtC, &txtBtBez, &txtBtNr, &txtBtU, &txtBtG, &txtBtTi, &txtBtGrTab, &txtBtGrEff, &txtBtGrErf}, 6, &lblBt,
         &sbrBtVScroll},
        {2, &picWb, ZeilenWb, {&txtWbC, &txtWbBez, &txtWbNr, &txtWbPsi, &txtWbGr, &txtWbErf}, 4, &lblWb,
         &sbrWbVScroll},
    };
    for (const Plan& plan : pläne) {
        basZIRVO3801::ZahlLabelAktualisieren();
        auto tabelle = std::make_unique<EingabeTabelle>();
        tabelle->KeyNr = plan.nummer;
        tabelle->setTab(*plan.box);
        tabelle->setTabelleZeilen((*plan.spalten.front())[0], plan.zeilen);
        for (int i = 0; i < plan.labels->Anzahl(); ++i) tabelle->setLabel((*plan.labels)[i], false);
        for (std::int16_t r = 0; r < plan.zeilen; ++r)
            for (int s = 0; s < static_cast<int>(plan.spalten.size()); ++s) {
                TextBox& zelle = (*plan.spalten[static_cast<std::size_t>(s)])[r];
                const bool ergebnis = s >= plan.eingaben;
                tabelle->setTabText(zelle, r, ergebnis ? -1 : static_cast<std::int16_t>(s));
                zelle.setLocked(ergebnis);
            }
        tabelle->setVScrollbar(*plan.balken);
        tabelle->SetTabIndex();
        Tabellen[static_cast<std::size_t>(plan.nummer)] = std::move(tabelle);
    }
}

std::int16_t frmNachweisEB::Zeilenzahl(std::int16_t Tabelle) const {
    for (const auto& t : Tabellen)
        if (t && t->KeyNr == Tabelle) return t->EingabeZeilen;
    return 0;
}

EingabeTabelle* frmNachweisEB::Tabelle(std::int16_t k) const {
    return k >= 1 && k <= 2 ? Tabellen[static_cast<std::size_t>(k)].get() : nullptr;
}

std::int16_t frmNachweisEB::TabelleVon(const TextBox& Zelle) const {
    for (std::int16_t k = 1; k <= 2; ++k)
        if (Tabelle(k) && Tabelle(k)->IsMember(Zelle)) return k;
    return 0;
}

void frmNachweisEB::ZelleSetzen(TextBox& Zelle, double Wert) {
    Zelle.setText(frmZIRVO3801::Zellanzeige(FeldformatLesen(Zelle.Name), Wert));
}

void frmNachweisEB::ZelleSetzen(TextBox& Zelle, std::string_view Wert) {
    Zelle.setText(frmZIRVO3801::Zellanzeige(FeldformatLesen(Zelle.Name), Wert));
}

// --- window events ---

void frmNachweisEB::Form_Activate() {
    Laden();
    Visible = true;
    lblKlimastation.setCaption(Global::Projekt.PGetStr("KlSt"));
    lblJMT.setCaption(Anzeigezahl::Festkomma(Global::Projekt.PGetNum("JMT"), 1));
    cmdDrucken.setEnabled(static_cast<bool>(DruckenAnzeigen));
}

bool frmNachweisEB::Form_QueryUnload(std::int16_t UnloadMode) {
    if (UnloadMode != 0) return false;
    cmdSchliessen_Click();
    return true;
}

void frmNachweisEB::txtEBF_Validate() { txtEBF.setText(Anzeigezahl::Festkomma(ZahlLesen(txtEBF.Text()), 1)); }

void frmNachweisEB::optAnf_Click(int Index) {
    // The option chosen is the one set; the other one is cleared.
    if (optAnf.Enthält(Index)) {
        optAnf[Index].setValue(true);
        optAnf[1 - Index].setValue(false);
    }
    TeilPrüfen(1);
    TeilPrüfen(2);
}

void frmNachweisEB::chkWBN_Click() {
    TeilPrüfen(1);
    TeilPrüfen(2);
}

void frmNachweisEB::tabNachweis_Click() {
    const std::string key = tabNachweis.SelectedKey();
    for (PictureBox* p : {&picAllgemein, &picBauteile, &picWb, &picGrenzwerte}) p->setVisible(false);
    if (key == "A") {
        picAllgemein.setVisible(true);
        AktuelleTabelle = 0;
        HelpContextID = HilfeAllgemein;
    } else if (key == "B") {
        picBauteile.setVisible(true);
        AktuelleTabelle = 1;
        HelpContextID = HilfeBauteile;
    } else if (key == "W") {
        picWb.setVisible(true);
        AktuelleTabelle = 2;
        HelpContextID = HilfeWb;
    } else if (key == "G") {
        picGrenzwerte.setVisible(true);
        HelpContextID = HilfeGrenzwerte;
    }
    for (auto& t : Tabellen)
        if (t) t->setVisible(t->getTab() && t->getTab()->Visible());
}

void frmNachweisEB::cmdDrucken_Click() {
    if (!DruckenAnzeigen) return;
    if (NachweisPrüfen()) return;
    bool fehlgeschlagen = false;
    Speichern(fehlgeschlagen);
    if (!fehlgeschlagen) DruckenAnzeigen();
}

void frmNachweisEB::cmdSchliessen_Click() {
    bool fehlgeschlagen = false;
    Speichern(fehlgeschlagen);
    if (!fehlgeschlagen) Visible = false;
}

// --- passes and the error display ---

bool frmNachweisEB::TeilPrüfen(std::int16_t Art) {
    if (Art == 1) return BauteileNachweisen();
    if (Art == 2) return WärmebrückenNachweisen();
    return false;
}

bool frmNachweisEB::TabellePrüfen() {
    if (!TeilPrüfen(AktuelleTabelle)) return false;
    FehlerAnzeigen();
    return true;
}

bool frmNachweisEB::NachweisPrüfen() {
    const char* seite = nullptr;
    if (TeilPrüfen(1)) seite = "B";
    else if (TeilPrüfen(2)) seite = "W";
    if (!seite) return false;
    tabNachweis.SelectKey(seite);
    tabNachweis_Click();
    FehlerAnzeigen();
    return true;
}

void frmNachweisEB::FehlerAnzeigen() {
    Steuerelement* element = Eingabefehler.Steuerelement;
    FehlerAngezeigt = true;
    if (element) {
        // Tinted while the message is open, then as before.
        const Farbe farbe = element->BackColor();
        element->setBackColor(FarbeFehler);
        basZIRVOFehler::FehlerMelden();
        element->setBackColor(farbe);
        if (auto* zelle = dynamic_cast<TextBox*>(element)) ZelleFokussieren(*zelle);
    } else {
        basZIRVOFehler::FehlerMelden();
    }
}

void frmNachweisEB::ZelleFokussieren(TextBox& Zelle) {
    if (EingabeTabelle* t = Tabelle(TabelleVon(Zelle))) {
        // The grid scrolls the cell into view and gives it the focus.
        t->TabSetTextBox(Zelle);
        t->TabSetFocus();
    } else if (FokusSetzen) {
        FokusSetzen(Zelle);
    }
}

// --- the cells ---

void frmNachweisEB::Zelle_GotFocus(TextBox& Zelle) {
    ActiveControl = &Zelle;
    if (FehlerAngezeigt) return;
    EingabeTabelle* t = Tabelle(AktuelleTabelle);
    if (!t || !t->IsMember(Zelle)) return;
    t->TabSetTextBox(Zelle);

    // Code and number cells get the picker beside them.
    const std::string& name = Zelle.Name;
    if (name == "txtBtC") modus_ = ModusBauteilCode;
    else if (name == "txtBtNr")
        modus_ = Global::Einzelbauteil.BauteilCodeIstFenster(
                     basZIRVO_Format::TextRechtsTrimmen(txtBtC[Zelle.Index].Text()))
                     ? ModusFenster
                     : ModusBauteil;
    else if (name == "txtWbC") modus_ = ModusWbCode;
    else if (name == "txtWbNr") modus_ = ModusWärmebrücke;
    else return;
    ziel_ = &Zelle;
    cmdCode.setVisible(true);
}

void frmNachweisEB::Zelle_KeyDown(TextBox& Zelle, std::int16_t& KeyCode, std::int16_t Shift) {
    FehlerAngezeigt = false;
    EingabeTabelle* t = Tabelle(AktuelleTabelle);
    if (!t) return;
    const std::int16_t zeile = static_cast<std::int16_t>(Zelle.Index < 0 ? 0 : Zelle.Index);
    t->KeyDown(KeyCode, Shift, zeile, FeldformatLesen(Zelle.Name).Spalte);
}

void frmNachweisEB::Zelle_KeyPress(TextBox&, std::int16_t& KeyAscii) {
    if (KeyAscii == 13) KeyAscii = 0; // no beep
}

void frmNachweisEB::Zelle_LostFocus(TextBox& Zelle) {
    if (&Zelle == ziel_ && ActiveControl != &lstCode) cmdCode.setVisible(false);
    if (FehlerAngezeigt) return;
    const Feldformat f = FeldformatLesen(Zelle.Name);
    Zelle.setText(frmZIRVO3801::Zellanzeige(f, Zelle.Text()));
    if (f.Berechnen && !Zelle.Locked()) TabellePrüfen();
}

namespace Global {
::frmNachweisEB frmNachweisEB;
} // namespace Global

#include "dialogs/frmProjekt.h"

#include "balance/Anzeigezahl.h"
#include "balance/Klimastation_MB2028.h"
#include "balance/basZIRVOMeteo.h"
#include "balance/basZIRVONorm.h"
#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVO_Format.h"
#include "frame/basZIRVO_HiRi.h"
#include "frame/cVB6_NumCvt.h"
#include "project/ProjektGlobal.h"

#include <vector>

namespace {

// The system's button face (a system colour: the widget keeps its own).
constexpr Farbe FarbeKnopf = 0x8000000Fu;

constexpr char Trennzeichen = '\x7F';

// The kind of construction: code stored for each option, and option shown for each code.
constexpr std::int16_t ArtCode[4] = {0, 2, 1, 3};
int ArtOption(std::int16_t code) {
    switch (code) {
    case 1: return 2;
    case 2: return 1;
    case 3: return 3;
    default: return 0;
    }
}

void Wählen(Steuerelementfeld<OptionButton>& feld, int index) {
    for (int i = feld.LBound(); i <= feld.UBound(); ++i)
        if (i != index) feld[i].setValue(false);
    if (feld.Enthält(index)) feld[index].setValue(true);
}

int Gewählt(const Steuerelementfeld<OptionButton>& feld) {
    for (int i = feld.LBound(); i <= feld.UBound(); ++i)
        if (feld[i].Value()) return i;
    return -1;
}

// The entry the drop-down list shows, "" without a selection.
std::string ListenText(const ComboBox& liste) {
    return liste.ListIndex() >= 0 ? liste.ListEntry(liste.ListIndex()) : std::string();
}

void BlockAnzeigen(const Projekt& projekt, std::string_view schlüssel, Steuerelementfeld<TextBox>& boxen) {
    KollektionZeiger block = projekt.PGetColl(schlüssel);
    if (!block) return;
    for (int i = 1; i <= block->Anzahl() && i <= boxen.Anzahl(); ++i) boxen[i - 1].setText(block->Text(i));
}

KollektionZeiger BlockLesen(const Steuerelementfeld<TextBox>& boxen) {
    auto block = Kollektion::Neu();
    for (int i = 0; i < boxen.Anzahl(); ++i) block->Hinzufügen(boxen[i].Text());
    return block;
}

// Sets a flag for as long as the object lives.
class Schalter {
public:
    explicit Schalter(bool& flag) : flag_(flag), alt_(flag) { flag_ = true; }
    ~Schalter() { flag_ = alt_; }
    Schalter(const Schalter&) = delete;
    Schalter& operator=(const Schalter&) = delete;

private:
    bool& flag_;
    bool alt_;
};

} // namespace

std::function<void(frmProjekt&)> frmProjekt::Anzeigen;

frmProjekt::frmProjekt(Projekt& projekt) : projekt_(projekt) {}
frmProjekt::frmProjekt() : frmProjekt(Global::Projekt) {}

bool frmProjekt::Aufruf() {
    frmProjekt dialog;
    dialog.Form_Load();
    dialog.Form_Resize();
    if (Anzeigen) Anzeigen(dialog);
    // A window that closed without OK, or none at all, discards.
    if (dialog.Geladen()) dialog.cmdAbbrechen_Click();
    return dialog.Bestätigt();
}

// The controls as the window is designed: captions, empty fields, nothing chosen.
void frmProjekt::Zurücksetzen() {
    Caption = DS("Projektangaben");
    tabProjekt.Clear();
    for (const char* t : {"Projekt", "Adressen", "Anforderungen", "Klimadaten", "Himmelsrichtung"})
        tabProjekt.AddItem(DS(t));
    tabProjekt.setListIndex(0);
    SeiteNachVorne(picProjekt, 1010);

    for (TextBox* t : {&txtID, &txtBez, &txtAktenNr, &txtStand, &txtGebSt, &txtMueM, &txtKanton, &txtKlH, &txtKlT})
        t->setText({});
    for (auto* feld : {&txtBV, &txtBH, &txtPV, &txtNV, &txtAT, &txtGS})
        for (int i = 0; i < feld->Anzahl(); ++i) (*feld)[i].setText({});
    txtKlH.setLocked(true);
    txtKlT.setLocked(true);
    for (int i = 0; i < txtAT.Anzahl(); ++i) txtAT[i].setLocked(true);
    for (int i = 0; i < txtGS.Anzahl(); ++i) txtGS[i].setLocked(true);
    lblATJahr.setCaption({});

    const char* art[] = {"Neubau", "Anbau (Neubau)", "Umbau", "Umnutzung (Umbau)"};
    for (int i = 0; i < 4; ++i) optArt[i].setCaption(DS(art[i]));
    const char* aufgabe[] = {"&Nachweis", "&Optimierung", "&Messwertvergleich"};
    for (int i = 0; i < 3; ++i) optArtB[i].setCaption(DS(aufgabe[i]));
    optNwGrZi[0].setCaption(DS("Grenzwert"));
    optNwGrZi[1].setCaption(DS("Zielwert"));
    optAnf[0].setCaption(DS("Anforderung gemäss Norm SIA 380/1 (Ausgabe 2016)"));
    optAnf[1].setCaption(DS("Kantonale Wärmedämmvorschrift"));
    optNord.setCaption(DS("Himmelsrichtung wie eingegeben (Standard)"));
    optNordNNE.setCaption(DS("Himmelsrichtung 'N' entspricht 'NNE'"));
    optNordNNW.setCaption(DS("Himmelsrichtung 'N' entspricht 'NNW'"));
    cmdOK.setCaption(DS("OK"));
    cmdAbbrechen.setCaption(DS("Abbrechen"));
    for (auto* feld : {&optArt, &optArtB, &optNwGrZi, &optAnf})
        for (int i = 0; i < feld->Anzahl(); ++i) {
            (*feld)[i].setValue(false);
            (*feld)[i].setEnabled(true);
        }
    for (OptionButton* o : {&optNord, &optNordNNE, &optNordNNW}) o->setValue(false);
    for (ComboBox* c : {&cboKanton, &cboKlimastation, &cboBeZw}) {
        c->Clear();
        c->setText({});
        c->setEnabled(true);
    }

    akzeptiert_ = false;
    bestätigt_ = false;
    stationBehalten_ = false;
    behalteneStation_.clear();
    behalteneJMT_ = 0;
}

void frmProjekt::Form_Load() {
    Zurücksetzen();
    basZIRVO3801::FormularIconSetzen(*this);
    fraNachweis.setBackColor(FarbeKnopf);

    cboBeZw.Clear();
    for (std::int16_t i = 0; i <= 3; ++i) cboBeZw.AddItem(basZIRVOMeteo::StrahlungsverteilungText(i));

    // The cantonal requirement has no list of cantons, so it stays unavailable.
    cboKanton.Clear();
    Wählen(optAnf, 0);
    optAnf_Click(0);
    optAnf[1].setEnabled(false);
    cboKanton.setListIndex(-1);

    KlimastationenFüllen();
    ProjektdatenAnzeigen();
    geladen_ = true;
}

void frmProjekt::Form_Resize() { SeiteNachVorne(picProjekt, HelpContextID); }

void frmProjekt::Form_Unload() {
    if (!geladen_) return;
    bestätigt_ = akzeptiert_;
    ProjektdatenSpeichern();
    geladen_ = false;
    Visible = false;
    if (Schliessen) Schliessen();
}

void frmProjekt::cmdOK_Click() {
    akzeptiert_ = true;
    Form_Unload();
}

void frmProjekt::cmdAbbrechen_Click() {
    akzeptiert_ = false;
    Form_Unload();
}

void frmProjekt::SeiteNachVorne(Label& seite, std::int32_t hilfe) {
    for (Label* s : {&picProjekt, &picAdressen, &picAnforderung, &picKlima, &picHimm}) s->setVisible(s == &seite);
    HelpContextID = hilfe;
}

void frmProjekt::tabProjekt_Click() {
    int i = tabProjekt.ListIndex();
    if (i < 0 || i >= static_cast<int>(TabSchlüssel.size())) return;
    std::string_view schlüssel = TabSchlüssel[static_cast<std::size_t>(i)];
    if (schlüssel == "P") SeiteNachVorne(picProjekt, 1010);
    else if (schlüssel == "A") SeiteNachVorne(picAdressen, 1020);
    else if (schlüssel == "V") SeiteNachVorne(picAnforderung, 1030);
    else if (schlüssel == "K") SeiteNachVorne(picKlima, 1040);
    else if (schlüssel == "H") SeiteNachVorne(picHimm, 1050);
}

void frmProjekt::KlimastationenFüllen() {
    std::vector<std::string> namen;
    Klimastation_MB2028 stationen;
    stationen.AlleStationsnamen(namen);
    basZIRVO::StringArraySortierenAlle(namen);
    cboKlimastation.Clear();
    for (auto& n : namen) cboKlimastation.AddItem(n);
}

void frmProjekt::ProjektdatenAnzeigen() {
    Schalter schalter(anzeigen_);
    const Projekt& p = projekt_;

    txtID.setText(p.PGetStr("Id"));
    txtBez.setText(p.PGetStr("Bez"));
    txtAktenNr.setText(p.PGetStr("AktNr"));
    txtStand.setText(p.PGetStr("Stand"));
    BlockAnzeigen(p, "Bv", txtBV);

    int art = ArtOption(p.PGetInt("BvArt"));
    Wählen(optArt, art);
    optArt_Click(art);

    BlockAnzeigen(p, "Bh", txtBH);
    BlockAnzeigen(p, "Pv", txtPV);
    BlockAnzeigen(p, "Nv", txtNV);

    // The task shown is the project's: the last task other than "Nachweis"
    // is the project's own, so showing it runs no check.
    std::int16_t artB = p.PGetInt("ArtB");
    int aufgabe = (artB == 1 || artB == 2) ? artB : 0;
    letzteAufgabe_ = aufgabe;
    Wählen(optArtB, aufgabe);
    optArtB_Click(aufgabe);
    if (optArtB[0].Value()) Wählen(optNwGrZi, p.PGetInt("NwAnf") == 1 ? 1 : 0);

    std::string nwKt = p.PGetStr("NwKt");
    if (!nwKt.empty()) {
        Wählen(optAnf, 1);
        optAnf_Click(1);
        cboKanton.setListIndex(-1);
        for (int i = 0; i < cboKanton.ListCount(); ++i) {
            if (cboKanton.ListEntry(i).substr(0, 5) == nwKt) {
                cboKanton.setListIndex(i);
                break;
            }
        }
    } else {
        Wählen(optAnf, 0);
        optAnf_Click(0);
    }

    txtGebSt.setText(p.PGetStr("GS"));
    txtMueM.setText(Anzeigezahl::Zahltext(p.PGetNum("MueM")));
    txtKanton.setText(p.PGetStr("Kanton"));

    std::string station = p.PGetStr("KlSt");
    if (!station.empty()) {
        int gefunden = -1;
        for (int i = 0; i < cboKlimastation.ListCount(); ++i) {
            if (cboKlimastation.ListEntry(i) == station) {
                gefunden = i;
                break;
            }
        }
        if (gefunden >= 0) {
            cboKlimastation.setListIndex(gefunden);
            cboKlimastation_Click();
        } else {
            // Kept as the project holds it, so OK does not lose it.
            stationBehalten_ = true;
            behalteneStation_ = station;
            behalteneJMT_ = p.PGetNum("JMT");
            Plattform::meldungen().Zeigen(DSFormat("Die Klimastation [@] konnte nicht gefunden werden.", station),
                                          basZIRVO3801::ProgrammTitel, Plattform::Symbol::Information,
                                          Plattform::Knöpfe::OK);
        }
    }

    std::string nord = p.PGetStr("Nord");
    optNordNNE.setValue(nord == "NNE");
    optNordNNW.setValue(nord == "NNW");
    optNord.setValue(nord != "NNE" && nord != "NNW");
}

void frmProjekt::cboKlimastation_Click() {
    if (cboKlimastation.ListIndex() < 0) return;
    stationBehalten_ = false;

    Klimastation_MB2028 station;
    station.KlimastationEinlesen(ListenText(cboKlimastation));
    if (!station.Vorhanden()) {
        txtKlH.setText({});
        txtKlT.setText({});
        for (int i = 0; i < txtAT.Anzahl(); ++i) txtAT[i].setText({});
        for (int i = 0; i < txtGS.Anzahl(); ++i) txtGS[i].setText({});
        lblATJahr.setCaption({});
        return;
    }
    txtKlH.setText(std::to_string(station.Meereshöhe()));
    txtKlT.setText(Anzeigezahl::Zahltext(station.TaMin()));

    std::array<double, 12> T{};
    station.MonatsTemperaturen(T);
    for (int i = 0; i < 12; ++i) txtAT[i].setText(Anzeigezahl::Festkomma(T[static_cast<std::size_t>(i)], 1));
    double jahr = 0;
    station.JahresTemperatur(jahr);
    lblATJahr.setCaption(Anzeigezahl::Festkomma(jahr, 1));

    const Klimastation_MB2028::Werte13 zeilen[5] = {station.Globalstrahlung_H(), station.Globalstrahlung_E(),
                                                    station.Globalstrahlung_S(), station.Globalstrahlung_W(),
                                                    station.Globalstrahlung_N()};
    for (int z = 0; z < 5; ++z)
        for (int m = 0; m < 12; ++m)
            txtGS[z * 12 + m].setText(Anzeigezahl::Zahltext(zeilen[z][static_cast<std::size_t>(m)]));
}

void frmProjekt::AnforderungenFreigeben() {
    const bool neubau = optArt[0].Value() || optArt[1].Value();
    if (optArtB[0].Value()) {
        if (neubau) {
            optNwGrZi[0].setEnabled(true);
            optNwGrZi[1].setEnabled(true);
            if (!optNwGrZi[0].Value() && !optNwGrZi[1].Value()) Wählen(optNwGrZi, 0);
        } else {
            // A conversion has no target value.
            optNwGrZi[0].setEnabled(false);
            optNwGrZi[1].setEnabled(false);
            Wählen(optNwGrZi, 0);
        }
        cboBeZw.setEnabled(false);
        cboBeZw.setListIndex(0);
    } else {
        optNwGrZi[0].setEnabled(false);
        optNwGrZi[1].setEnabled(false);
        Wählen(optNwGrZi, -1);
        cboBeZw.setEnabled(true);
    }
    if (optAnf[0].Value()) {
        cboKanton.setEnabled(false);
        cboKanton.setListIndex(-1);
    } else {
        cboKanton.setEnabled(true);
    }
}

void frmProjekt::optArt_Click(int) { AnforderungenFreigeben(); }

void frmProjekt::optAnf_Click(int) { AnforderungenFreigeben(); }

void frmProjekt::optArtB_Click(int Index) {
    if (Index == 1 || Index == 2) {
        letzteAufgabe_ = Index;
        AnforderungenFreigeben();
        return;
    }
    if (Index != 0) return;
    // Only the user's switch back to "Nachweis" is checked, never the showing of the project.
    if (letzteAufgabe_ != 0 && !anzeigen_) {
        if (!basZIRVO3801::StandardnutzungPrüfen(projekt_, DS("Es ist nicht möglich, einen Nachweis zu erstellen"))) {
            int zurück = letzteAufgabe_;
            Wählen(optArtB, zurück);
            optArtB_Click(zurück);
            return;
        }
    }
    AnforderungenFreigeben();
}

void frmProjekt::ProjektdatenSpeichern() {
    if (!akzeptiert_) return;
    Projekt& p = projekt_;

    AnforderungenFreigeben();
    p.PSetStr(txtID.Text(), "Id");
    p.PSetStr(txtBez.Text(), "Bez");
    p.PSetStr(txtAktenNr.Text(), "AktNr");
    p.PSetStr(txtStand.Text(), "Stand");
    p.PSetColl(BlockLesen(txtBV), "Bv");
    int art = Gewählt(optArt);
    p.PSetInt(art >= 0 ? ArtCode[art] : 0, "BvArt");
    p.PSetColl(BlockLesen(txtBH), "Bh");
    p.PSetColl(BlockLesen(txtPV), "Pv");
    p.PSetColl(BlockLesen(txtNV), "Nv");
    int aufgabe = Gewählt(optArtB);
    p.PSetInt(static_cast<std::int16_t>(aufgabe >= 0 ? aufgabe : 0), "ArtB");
    int anforderung = Gewählt(optNwGrZi);
    p.PSetInt(static_cast<std::int16_t>(anforderung >= 0 ? anforderung : 0), "NwAnf");

    std::string station = ListenText(cboKlimastation);
    double jmt = ZahlLesen(lblATJahr.Caption());
    if (stationBehalten_) {
        station = behalteneStation_;
        jmt = behalteneJMT_;
    }

    std::string nwKt;
    if (!optAnf[0].Value()) nwKt = ListenText(cboKanton).substr(0, 5);
    p.PSetStr(nwKt, "NwKt");

    p.PSetStr(txtGebSt.Text(), "GS");
    p.PSetNum(ZahlLesen(txtMueM.Text()), "MueM");
    p.PSetStr(txtKanton.Text(), "Kanton");
    p.PSetStr(station, "KlSt");
    p.PSetNum(jmt, "JMT");

    Global::Klimastation_MB2028.KlimastationEinlesen(station);

    std::string nord = optNordNNE.Value() ? "NNE" : (optNordNNW.Value() ? "NNW" : "");
    p.PSetStr(nord, "Nord");
    basZIRVO_HiRi::NordAktuell = nord;

    akzeptiert_ = false;
}

std::string frmProjekt::AdresseLesen(const Steuerelementfeld<TextBox>& Boxen) {
    if (Boxen.Anzahl() != 8) return {};
    std::string text;
    for (int i = Boxen.LBound(); i <= Boxen.UBound(); ++i) {
        if (i > Boxen.LBound()) text += Trennzeichen;
        text += basZIRVO_Format::TextRechtsTrimmen(Boxen[i].Text());
    }
    return text;
}

void frmProjekt::AdresseSchreiben(Steuerelementfeld<TextBox>& Boxen, const std::string& Text) {
    if (Boxen.Anzahl() != 8) return;
    std::vector<std::string> teile;
    std::size_t anfang = 0;
    while (true) {
        std::size_t ende = Text.find(Trennzeichen, anfang);
        teile.push_back(Text.substr(anfang, ende == std::string::npos ? std::string::npos : ende - anfang));
        if (ende == std::string::npos) break;
        anfang = ende + 1;
    }
    teile.resize(8);
    for (int i = 0; i < 8; ++i) Boxen[Boxen.LBound() + i].setText(teile[static_cast<std::size_t>(i)]);
}

void frmProjekt::AdresseTaste(Steuerelementfeld<TextBox>& Boxen, std::string& Ablage, std::int16_t& KeyAscii) {
    if (KeyAscii == 19) { // Ctrl+S
        Ablage = AdresseLesen(Boxen);
        KeyAscii = 0;
    } else if (KeyAscii == 12) { // Ctrl+L
        AdresseSchreiben(Boxen, Ablage);
        KeyAscii = 0;
    }
}

void frmProjekt::txtPV_KeyPress(int, std::int16_t& KeyAscii) {
    AdresseTaste(txtPV, Global::Initialisierung.Projektverfasser, KeyAscii);
}

void frmProjekt::txtNV_KeyPress(int, std::int16_t& KeyAscii) {
    AdresseTaste(txtNV, Global::Initialisierung.Nachweisverfasser, KeyAscii);
}

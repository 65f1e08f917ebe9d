#include "balance/frmGewinn.h"

#include "balance/Anzeigezahl.h"
#include "balance/Eingabebereich.h"
#include "balance/Klimastation_MB2028.h"
#include "balance/Monatsbilanz.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_Format.h"
#include "project/Kollektion.h"
#include "project/ProjektGlobal.h"

#include <string>
#include <vector>

namespace {

// The system colour of button faces.
constexpr Farbe FarbeSchaltfläche = 0x8000000Fu;

using Anzeigezahl::Endlich;
using Anzeigezahl::Festkomma;

// Every month's value finite.
void Endlich(Monatsarray& a) {
    for (double& x : a) x = Endlich(x);
}

} // namespace

namespace Global {
::frmGewinn frmGewinn;
} // namespace Global

std::function<void(frmGewinn&)> frmGewinn::Anzeigen;

frmGewinn::frmGewinn() {
    Visible = false;
    // Enter runs through the four input columns; the gain column takes no focus.
    RasterFestlegen(Verbraucherzeilen, 3, {&txtBez, &txtW, &txtha, &txtfe});
    // Rows 1 to 5 appear when the form is loaded.
    for (int i = 1; i < Verbraucherzeilen; ++i)
        for (auto* feld : {&txtBez, &txtW, &txtha, &txtfe, &txtWg}) (*feld)[i].setVisible(false);
}

// ---------------------------------------------------------------------------
// loading and unloading the form

void frmGewinn::Laden() {
    if (geladen_) return;
    geladen_ = true;
    Form_Load();
}

void frmGewinn::Entladen() {
    FelderLeeren();
    ZoneVergessen();
    EBF_ = EBF0_ = PFl_ = PWP_ = PPr_ = El_ = fe_ = QgS12_ = 0;
    Visible = false;
    Fokus = nullptr;
    geladen_ = false;
}

void frmGewinn::Form_Load() {
    basZIRVO3801::FormularIconSetzen(*this);
    Caption = DS("Wärmeeinträge");
    Frame4.setCaption(DS("Sonnenstrahlung"));
    Frame3.setCaption(DS("Personen"));
    fraE.setCaption(DS("Elektrizität"));
    cmdSchliessen.setCaption(DS("Schliessen"));
    picEz.setBackColor(FarbeSchaltfläche);
    SpaltenFestlegen();
    ZeilenErzeugen();
}

void frmGewinn::Form_Activate() {}

void frmGewinn::SpaltenFestlegen() {
    Feldformate.Leeren();
    Feldformate.SpalteRegistrieren(txtBez[0], "t---0");
    Feldformate.SpalteRegistrieren(txtW[0], "z50b1");
    Feldformate.SpalteRegistrieren(txtha[0], "z40b2");
    Feldformate.SpalteRegistrieren(txtfe[0], "z42b3");
    Feldformate.SpalteRegistrieren(txtWg[0], "z51");
}

void frmGewinn::ZeilenErzeugen() {
    // Where the rows stand is the view's business; here they become visible.
    for (int i = 1; i < Verbraucherzeilen; ++i)
        for (auto* feld : {&txtBez, &txtW, &txtha, &txtfe, &txtWg}) (*feld)[i].setVisible(true);
}

void frmGewinn::FelderLeeren() {
    for (Label* l : {&lblQgS, &lblPWP, &lblPFl, &lblPPr, &lblQgP, &lblEl, &lblfe, &lblQgE, &lblQug, &lblEtaG})
        l->setCaption("");
    for (int i = 0; i < Verbraucherzeilen; ++i)
        for (auto* feld : {&txtBez, &txtW, &txtha, &txtfe, &txtWg}) (*feld)[i].setText("");
    txtEBem.setText("");
}

// ---------------------------------------------------------------------------
// public members

bool frmGewinn::Einlesen() { return GewinnEinlesen(); }

bool frmGewinn::Speichern() { return GewinnSpeichern(); }

bool frmGewinn::Berechnen() { return GewinnBerechnen(); }

// ---------------------------------------------------------------------------
// loading, computing and storing the zone

bool frmGewinn::GewinnEinlesen() {
    Projekt& p = Global::Projekt;
    Laden();
    // Whatever happens below, the fields no longer hold the zone they held.
    ZoneLadenBeginnen(basZIRVOFehler::TabelleGewinn);
    if (EBF_ == 0 || EBF0_ == 0) return ZoneNichtLadbar("Fehlende EBF");
    PFl_ = p.ZGetNum("PFl");
    PWP_ = p.ZGetNum("PWP");
    PPr_ = p.ZGetNum("PPr");
    El_ = p.ZGetNum("El");
    fe_ = p.ZGetNum("fe");
    if (!Global::Klimastation_MB2028.Vorhanden()) return ZoneNichtLadbar("Fehlende Klimastation");

    Monatsarray QgS{};
    p.ZGetArr1(QgS, "QgS");
    QgS12_ = QgS[12];
    lblQgS.setCaption(Festkomma(QgS12_, 1));
    lblPFl.setCaption(Festkomma(PFl_, 0));
    lblPWP.setCaption(Festkomma(PWP_, 0));
    lblPPr.setCaption(Festkomma(PPr_, 0));
    lblEl.setCaption(Festkomma(El_, 0));
    lblfe.setCaption(Festkomma(fe_, 2));

    for (int i = 0; i < Verbraucherzeilen; ++i)
        for (auto* feld : {&txtBez, &txtW, &txtha, &txtfe}) (*feld)[i].setText("");
    txtEBem.setText("");

    if (KollektionZeiger verbraucher = p.ZGetColl("GE_")) {
        for (int i = 0; i < Verbraucherzeilen && i < verbraucher->Anzahl(); ++i) {
            KollektionZeiger zeile = verbraucher->Koll(i + 1);
            if (!zeile) continue;
            FeldSetzen(txtBez[i], zeile->Text(1));
            FeldSetzen(txtW[i], zeile->Zahl(2));
            FeldSetzen(txtha[i], zeile->Zahl(3));
            FeldSetzen(txtfe[i], zeile->Zahl(4));
        }
    }
    FeldSetzen(txtEBem, p.ZGetStr("GEBem"));

    ZoneMerken();
    GewinnBerechnen();
    return false;
}

bool frmGewinn::GewinnBerechnen() {
    if (!ZoneGeladen()) return false;
    if (EingabenAusserhalb()) {
        // Nothing is computed from an impossible value: no result of
        // before stays on view, and the zone keeps what it held.
        for (Label* l : {&lblQgP, &lblQgE, &lblQug, &lblEtaG}) l->setCaption("");
        for (int i = 0; i < Verbraucherzeilen; ++i) txtWg[i].setText("");
        return ErgebnisHinweisen(true, Visible);
    }
    ErgebnisHinweisen(false, Visible);
    PersonenwärmeBerechnen();
    ElektrizitätBerechnen();
    GewinnNutzbarBerechnen();
    return false;
}

bool frmGewinn::EingabenAusserhalb() {
    using Eingabebereich::Ausserhalb;
    using Eingabebereich::Nutzungsprüfung;
    const std::int16_t tabelle = basZIRVOFehler::TabelleGewinn;
    // The use of the zone, mended in its dialog; the persons' output and
    // presence count only where there are persons. The heat-storage
    // capacity decides how much of the gains is utilised.
    const std::string nutzung = DS("Nutzung") + ": ";
    // Without a category (and so without its limits) or without any
    // capacity the zone commands refuse the zone; its computation says the
    // same.
    if (const auto fehlt = Eingabebereich::FehlendeNutzungsangabe(Global::Projekt); !fehlt.empty()) {
        Eingabefehler.Beginnen(Global::Projekt.GetNZone(), tabelle);
        Eingabefehler.Setzen(DS(fehlt), nullptr);
        return true;
    }
    if (Ausserhalb(tabelle, {Nutzungsprüfung("PFl", PFl_, &lblPFl)}, nutzung) ||
        (PFl_ != 0 && Ausserhalb(tabelle,
                                 {Nutzungsprüfung("PWP", PWP_, &lblPWP), Nutzungsprüfung("PPr", PPr_, &lblPPr)},
                                 nutzung)) ||
        Ausserhalb(tabelle,
                   {Nutzungsprüfung("El", El_, &lblEl), Nutzungsprüfung("fe", fe_, &lblfe),
                    Nutzungsprüfung("C", Global::Projekt.ZGetNum("C"), nullptr)},
                   nutzung))
        return true;
    for (int i = 0; i < Verbraucherzeilen; ++i)
        if (Ausserhalb(tabelle,
                       {{ZahlLesen(txtW[i].Text()), 0, Eingabebereich::Unbegrenzt,
                         "Die Leistung (@ W) darf nicht negativ sein.", &txtW[i]},
                        {ZahlLesen(txtha[i].Text()), 0, Eingabebereich::Jahresstunden,
                         "Die Betriebszeit (@ h/a) muss zwischen 0 und 8760 h/a sein.", &txtha[i]},
                        {ZahlLesen(txtfe[i].Text()), 0, 1, "Der Reduktionsfaktor fEl (@) muss zwischen 0 und 1 sein.",
                         &txtfe[i]}},
                       [i] { return DS("Wärmeeinträge") + ", " + basZIRVOFehler::Zeilenangabe(i); }))
            return true;
    return false;
}

void frmGewinn::PersonenwärmeBerechnen() {
    if (EBF_ == 0) return;
    // Without a floor area per person there are no persons: no gains, not
    // the gains of an earlier computation.
    Monatsarray QgP{};
    if (PFl_ != 0) {
        // EBF0 / PFl persons, each giving PWP watts for PPr hours a day [kWh/m² per day].
        const double g = PPr_ * PWP_ * EBF0_ * 0.001 / PFl_ / EBF_;
        for (int m = 0; m < 12; ++m) {
            QgP[m] = Endlich(g * Monatstage[m]);
            QgP[12] += QgP[m];
        }
        QgP[12] = Endlich(QgP[12]);
    }
    lblQgP.setCaption(Festkomma(QgP[12], 1));
    Global::Projekt.ZSetArr1(QgP, "QgP");
}

void frmGewinn::ElektrizitätBerechnen() {
    if (EBF_ == 0) return;
    Monatsarray QgE{};
    const double g = fe_ * El_ * EBF0_ / EBF_ / 365;
    for (int m = 0; m < 12; ++m) {
        QgE[m] = g * Monatstage[m];
        QgE[12] += QgE[m];
    }
    // Each extra consumer adds its own annual use W × ha.
    std::vector<double> QeZ(Verbraucherzeilen, 0.0);
    for (int i = 0; i < Verbraucherzeilen; ++i) {
        const double W = ZahlLesen(txtW[i].Text());
        const double ha = ZahlLesen(txtha[i].Text());
        const double f = ZahlLesen(txtfe[i].Text());
        const double gi = ha * W * f * 0.001 / EBF_ / 365;
        for (int m = 0; m < 12; ++m) {
            const double x = gi * Monatstage[m];
            QeZ[i] += x;
            QgE[m] += x;
            QgE[12] += x;
        }
        QeZ[i] = Endlich(QeZ[i]);
        txtWg[i].setText(QeZ[i] == 0 ? std::string() : Festkomma(QeZ[i], 1));
    }
    Endlich(QgE);
    lblQgE.setCaption(Festkomma(QgE[12], 1));
    Projekt& p = Global::Projekt;
    p.ZSetArr1(QgE, "QgE");
    p.ZSetArrX(QeZ, "QeZ");
}

void frmGewinn::GewinnNutzbarBerechnen() {
    Projekt& p = Global::Projekt;
    Monatsarray QgS{}, QgP{}, QgE{};
    p.ZGetArr1(QgS, "QgS");
    p.ZGetArr1(QgP, "QgP");
    p.ZGetArr1(QgE, "QgE");
    // On failure the factor is all 0 and no gain is utilised.
    Monatsarray EtaG{};
    basZIRVO3801::ZoneAusnutzungsgradBerechnen(EtaG);
    Endlich(EtaG);
    Monatsarray Qug{};
    for (int m = 0; m <= 12; ++m) Qug[m] = (QgP[m] + QgS[m] + QgE[m]) * EtaG[m];
    Endlich(Qug);
    lblQug.setCaption(Festkomma(Qug[12], 1));
    lblEtaG.setCaption(Festkomma(EtaG[12], 2));
    p.ZSetArr1(Qug, "Qug");
}

bool frmGewinn::GewinnSpeichern() {
    // Fields that do not hold this zone (a failed load, another zone loaded
    // since, or the dialog closed) are never stored into it.
    if (!ZoneGeladen()) return true;
    Projekt& p = Global::Projekt;

    auto leer = [&](int i) {
        return basZIRVO_Format::TextRechtsTrimmen(txtBez[i].Text()).empty() && ZahlLesen(txtW[i].Text()) == 0 &&
               ZahlLesen(txtha[i].Text()) == 0 && ZahlLesen(txtfe[i].Text()) == 0;
    };
    int letzte = -1;
    for (int i = Verbraucherzeilen - 1; i >= 0; --i)
        if (!leer(i)) {
            letzte = i;
            break;
        }
    if (letzte < 0) {
        p.ZSetColl(nullptr, "GE_");
    } else {
        auto verbraucher = Kollektion::Neu();
        for (int i = 0; i <= letzte; ++i) {
            auto zeile = Kollektion::Neu();
            zeile->Hinzufügen(basZIRVO_Format::TextRechtsTrimmen(txtBez[i].Text()));
            zeile->Hinzufügen(ZahlLesen(txtW[i].Text()));
            zeile->Hinzufügen(ZahlLesen(txtha[i].Text()));
            zeile->Hinzufügen(ZahlLesen(txtfe[i].Text()));
            verbraucher->Hinzufügen(KollektionZeiger(std::move(zeile)));
        }
        p.ZSetColl(std::move(verbraucher), "GE_");
    }
    p.ZSetStr(basZIRVO_Format::TextRechtsTrimmen(txtEBem.Text()), "GEBem");
    return false;
}

// ---------------------------------------------------------------------------
// closing

void frmGewinn::cmdSchliessen_Click() {
    std::int16_t cancel = 0;
    Form_QueryUnload(cancel, 1);
    Entladen();
}

void frmGewinn::Form_QueryUnload(std::int16_t& Cancel, std::int16_t /*UnloadMode*/) {
    Cancel = 0;
    GewinnSpeichern();
}

// ---------------------------------------------------------------------------
// events of the consumer grid

void frmGewinn::txtBez_GotFocus(int) {}
void frmGewinn::txtW_GotFocus(int) {}
void frmGewinn::txtha_GotFocus(int) {}
void frmGewinn::txtfe_GotFocus(int) {}

void frmGewinn::txtBez_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift) {
    ZelleTaste(txtBez, Index, KeyCode, Shift);
}
void frmGewinn::txtW_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift) {
    ZelleTaste(txtW, Index, KeyCode, Shift);
}
void frmGewinn::txtha_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift) {
    ZelleTaste(txtha, Index, KeyCode, Shift);
}
void frmGewinn::txtfe_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift) {
    ZelleTaste(txtfe, Index, KeyCode, Shift);
}

void frmGewinn::txtBez_KeyPress(int, std::int16_t& KeyAscii) { EingabeTasteSchlucken(KeyAscii); }
void frmGewinn::txtW_KeyPress(int, std::int16_t& KeyAscii) { EingabeTasteSchlucken(KeyAscii); }
void frmGewinn::txtha_KeyPress(int, std::int16_t& KeyAscii) { EingabeTasteSchlucken(KeyAscii); }
void frmGewinn::txtfe_KeyPress(int, std::int16_t& KeyAscii) { EingabeTasteSchlucken(KeyAscii); }

void frmGewinn::txtBez_LostFocus(int Index) { ZelleVerlassen(txtBez, Index); }
void frmGewinn::txtW_LostFocus(int Index) { ZelleVerlassen(txtW, Index); }
void frmGewinn::txtha_LostFocus(int Index) { ZelleVerlassen(txtha, Index); }
void frmGewinn::txtfe_LostFocus(int Index) { ZelleVerlassen(txtfe, Index); }

#include "balance/frmGewinn.h"

#include "balance/Klimastation_MB2028.h"
#include "balance/Monatsbilanz.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_Format.h"
#include "frame/cVB6_NumCvt.h"
#include "project/Kollektion.h"
#include "project/ProjektGlobal.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr std::int16_t TasteTab = 9;
constexpr std::int16_t TasteEnter = 13;
constexpr std::int16_t TasteLinks = 37;
constexpr std::int16_t TasteHoch = 38;
constexpr std::int16_t TasteRechts = 39;
constexpr std::int16_t TasteRunter = 40;

// The system colour of button faces.
constexpr Farbe FarbeSchaltfläche = 0x8000000Fu;

// A value that overflowed or came from a division by zero counts as 0, so
// no such value is ever stored or shown.
double Endlich(double x) { return std::isfinite(x) ? x : 0.0; }

void Endlich(Monatsarray& a) {
    for (double& x : a) x = Endlich(x);
}

// The value with a fixed number of decimals and the user's decimal
// separator, as a label shows it ("0", "0.0", "0.00").
std::string Format(double wert, int dezimalen) {
    std::string text = basVB6NumCvt::FestkommaText(Endlich(wert), dezimalen);
    const std::string& trenner = cVB6_NumCvt::Instanz().Dezimaltrenner();
    if (trenner == ",")
        if (auto p = text.find('.'); p != std::string::npos) text[p] = ',';
    return text;
}

void EingabeTasteSchlucken(std::int16_t& KeyAscii) {
    if (KeyAscii == TasteEnter) KeyAscii = 0;
}

// The row and the column a handled key of the grid moves the focus to.
struct Ziel {
    int zeile;
    int spalte;
};

} // namespace

namespace Global {
::frmGewinn frmGewinn;
} // namespace Global

std::function<void(frmGewinn&)> frmGewinn::Anzeigen;

frmGewinn::frmGewinn() {
    Visible = false;
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
    zoneGültig_ = false;
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

bool frmGewinn::ZoneGeladen() const {
    const Projekt& p = Global::Projekt;
    return zoneGültig_ && zone_ == p.GetNZone() && zone_ >= 0 && zone_ < p.ZonenAnzahl() &&
           strukturstand_ == p.Strukturstand();
}

// ---------------------------------------------------------------------------
// public members

bool frmGewinn::Einlesen() { return GewinnEinlesen(); }

bool frmGewinn::Speichern() { return GewinnSpeichern(); }

bool frmGewinn::Berechnen() {
    GewinnBerechnen();
    return false;
}

// ---------------------------------------------------------------------------
// loading, computing and storing the zone

bool frmGewinn::GewinnEinlesen() {
    Projekt& p = Global::Projekt;
    Laden();
    Eingabefehler.Beginnen(p.GetNZone(), basZIRVOFehler::TabelleGewinn);

    // Whatever happens below, the fields no longer hold the zone they held.
    zoneGültig_ = false;
    auto fehlschlag = [&](std::string_view text) {
        Eingabefehler.Setzen(DS(text), nullptr);
        FelderLeeren();
        EBF_ = EBF0_ = 0;
        return true;
    };

    EBF_ = p.ZGetNum("EBF");
    EBF0_ = p.ZGetNum("EBF0");
    if (EBF_ == 0 || EBF0_ == 0) return fehlschlag("Fehlende EBF");
    PFl_ = p.ZGetNum("PFl");
    PWP_ = p.ZGetNum("PWP");
    PPr_ = p.ZGetNum("PPr");
    El_ = p.ZGetNum("El");
    fe_ = p.ZGetNum("fe");
    if (!Global::Klimastation_MB2028.Vorhanden()) return fehlschlag("Fehlende Klimastation");

    Monatsarray QgS{};
    p.ZGetArr1(QgS, "QgS");
    QgS12_ = QgS[12];
    lblQgS.setCaption(Format(QgS12_, 1));
    lblPFl.setCaption(Format(PFl_, 0));
    lblPWP.setCaption(Format(PWP_, 0));
    lblPPr.setCaption(Format(PPr_, 0));
    lblEl.setCaption(Format(El_, 0));
    lblfe.setCaption(Format(fe_, 2));

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

    zone_ = p.GetNZone();
    strukturstand_ = p.Strukturstand();
    zoneGültig_ = true;
    GewinnBerechnen();
    return false;
}

void frmGewinn::GewinnBerechnen() {
    if (!ZoneGeladen()) return;
    PersonenwärmeBerechnen();
    ElektrizitätBerechnen();
    GewinnNutzbarBerechnen();
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
    lblQgP.setCaption(Format(QgP[12], 1));
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
        txtWg[i].setText(QeZ[i] == 0 ? std::string() : Format(QeZ[i], 1));
    }
    Endlich(QgE);
    lblQgE.setCaption(Format(QgE[12], 1));
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
    lblQug.setCaption(Format(Qug[12], 1));
    lblEtaG.setCaption(Format(EtaG[12], 2));
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
    if (txtBez.Enthält(Index)) FeldTaste(txtBez[Index], KeyCode, Shift);
}
void frmGewinn::txtW_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift) {
    if (txtW.Enthält(Index)) FeldTaste(txtW[Index], KeyCode, Shift);
}
void frmGewinn::txtha_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift) {
    if (txtha.Enthält(Index)) FeldTaste(txtha[Index], KeyCode, Shift);
}
void frmGewinn::txtfe_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift) {
    if (txtfe.Enthält(Index)) FeldTaste(txtfe[Index], KeyCode, Shift);
}

void frmGewinn::txtBez_KeyPress(int, std::int16_t& KeyAscii) { EingabeTasteSchlucken(KeyAscii); }
void frmGewinn::txtW_KeyPress(int, std::int16_t& KeyAscii) { EingabeTasteSchlucken(KeyAscii); }
void frmGewinn::txtha_KeyPress(int, std::int16_t& KeyAscii) { EingabeTasteSchlucken(KeyAscii); }
void frmGewinn::txtfe_KeyPress(int, std::int16_t& KeyAscii) { EingabeTasteSchlucken(KeyAscii); }

void frmGewinn::txtBez_LostFocus(int Index) {
    if (txtBez.Enthält(Index)) FeldVerlassen(txtBez[Index]);
}
void frmGewinn::txtW_LostFocus(int Index) {
    if (txtW.Enthält(Index)) FeldVerlassen(txtW[Index]);
}
void frmGewinn::txtha_LostFocus(int Index) {
    if (txtha.Enthält(Index)) FeldVerlassen(txtha[Index]);
}
void frmGewinn::txtfe_LostFocus(int Index) {
    if (txtfe.Enthält(Index)) FeldVerlassen(txtfe[Index]);
}

// ---------------------------------------------------------------------------
// cells of the consumer grid

void frmGewinn::FeldSetzen(TextBox& feld, double wert) {
    feld.setText(Feldformate.FeldFormatLesen(feld.Name).Zellentext(wert));
}

void frmGewinn::FeldSetzen(TextBox& feld, std::string_view wert) {
    feld.setText(Feldformate.FeldFormatLesen(feld.Name).Zellentext(wert));
}

void frmGewinn::FeldVerlassen(TextBox& feld) {
    const Feldformat f = Feldformate.FeldFormatLesen(feld.Name);
    feld.setText(f.Zellentext(feld.Text()));
    if (f.Berechnen) GewinnBerechnen();
}

bool frmGewinn::FeldTaste(TextBox& feld, std::int16_t& KeyCode, std::int16_t Shift) {
    return FeldNavigieren(KeyCode, Shift, feld.Index, Feldformate.FeldFormatLesen(feld.Name).Spalte);
}

bool frmGewinn::FeldNavigieren(std::int16_t& KeyCode, std::int16_t Shift, int zeile, int spalte) {
    const bool shift = Shift == 1;
    Ziel z{zeile, spalte};
    switch (KeyCode) {
    case TasteEnter:
        if (!shift) z = spalte < 3 ? Ziel{zeile, spalte + 1} : Ziel{zeile + 1, 0};
        else z = spalte < 1 ? Ziel{zeile - 1, 3} : Ziel{zeile, spalte - 1};
        break;
    case TasteTab: z = shift ? Ziel{zeile - 1, spalte} : Ziel{zeile + 1, spalte}; break;
    case TasteRunter:
        if (!shift) return false;
        z = Ziel{zeile + 1, spalte};
        break;
    case TasteHoch:
        if (!shift) return false;
        z = Ziel{zeile - 1, spalte};
        break;
    case TasteRechts:
        if (!shift) return false;
        z = Ziel{zeile, spalte + 1};
        break;
    case TasteLinks:
        if (!shift) return false;
        z = Ziel{zeile, spalte - 1};
        break;
    default: return false;
    }
    KeyCode = 0;
    if (z.zeile >= 0 && z.zeile < Verbraucherzeilen) {
        switch (z.spalte) {
        case 0: Fokussieren(txtBez[z.zeile]); break;
        case 1: Fokussieren(txtW[z.zeile]); break;
        case 2: Fokussieren(txtha[z.zeile]); break;
        case 3: Fokussieren(txtfe[z.zeile]); break;
        default: break;
        }
    }
    return true;
}

void frmGewinn::Fokussieren(Steuerelement& element) {
    Fokus = &element;
    if (FokusSetzen) FokusSetzen(element);
}

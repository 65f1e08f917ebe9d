#include "balance/frmLueftung.h"

#include "balance/Anzeigezahl.h"
#include "balance/Eingabebereich.h"
#include "balance/Klimastation_MB2028.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_Format.h"
#include "project/Kollektion.h"
#include "project/ProjektGlobal.h"

#include <cmath>
#include <string>

using Anzeigezahl::Endlich;
using Anzeigezahl::Festkomma;

namespace {
// The heat-recovery efficiency of the heat load: from 0 to just below 1.
const double EtaVBereich = std::nextafter(1.0, 0.0);
} // namespace

namespace Global {
::frmLüftung frmLüftung;
} // namespace Global

std::function<void(frmLüftung&)> frmLüftung::Anzeigen;

frmLüftung::frmLüftung() {
    Visible = false;
    // Enter runs on into the result column, which takes no focus.
    RasterFestlegen(Gerätezeilen, 4, {&txtBez, &txtLSt, &txtha, &txtWRG});
}

// ---------------------------------------------------------------------------
// loading and unloading the form

void frmLüftung::Laden() {
    if (geladen_) return;
    geladen_ = true;
    Form_Load();
}

void frmLüftung::Entladen() {
    FelderLeeren();
    ZoneVergessen();
    EBF_ = EBF0_ = Ti_ = AVE_ = h_ = 0;
    Te_.fill(0);
    Visible = false;
    Fokus = nullptr;
    geladen_ = false;
}

void frmLüftung::Form_Load() {
    basZIRVO3801::FormularIconSetzen(*this);
    Caption = DS("Lüftung");
    fraNL.setCaption(DS("Natürliche Lüftung"));
    fraML.setCaption(DS("Mechanische Lüftung"));
    optML[0].setCaption(DS("Keine"));
    optML[1].setCaption(DS("Gesamte EBF"));
    optML[2].setCaption(DS("Anteil an der EBF"));
    fraHL.setCaption(DS("Heizlast-Berechnung  (für Nachweis mit mechanischer Lüftung)"));
    cmdSchliessen.setCaption(DS("Schliessen"));
    SpaltenFestlegen();
}

void frmLüftung::Form_Activate() {}

void frmLüftung::SpaltenFestlegen() {
    Feldformate.Leeren();
    Feldformate.SpalteRegistrieren(txtBez[0], "t---0");
    Feldformate.SpalteRegistrieren(txtLSt[0], "z60b1");
    Feldformate.SpalteRegistrieren(txtha[0], "z40b2");
    Feldformate.SpalteRegistrieren(txtWRG[0], "z30b3");
    Feldformate.SpalteRegistrieren(txtQ[0], "z51");
}

void frmLüftung::FelderLeeren() {
    for (Label* l : {&lblEBF0, &lblAVEnL, &lblEBF0nL, &lblLwv, &lblQv, &lblQth}) l->setCaption("");
    for (TextBox* t : {&txtAnteilML, &txtAVEMLwB, &txtAVEMLaB, &txtMLBem, &txtEtaV, &txtEtaVBem, &txtfV, &txtfVBem})
        t->setText("");
    for (int i = 0; i < Gerätezeilen; ++i)
        for (auto* feld : {&txtBez, &txtLSt, &txtha, &txtWRG, &txtQ}) (*feld)[i].setText("");
    for (int i = 0; i < 3; ++i) optML[i].setValue(false);
    txtAnteilML.setEnabled(false);
    fraML2.setEnabled(false);
}

// ---------------------------------------------------------------------------
// public members

bool frmLüftung::Einlesen() { return LüftungEinlesen(); }

bool frmLüftung::Speichern() { return LüftungSpeichern(); }

bool frmLüftung::Berechnen() { return LüftungBerechnen() || OhneAussenluft(); }

void frmLüftung::ErgebnisseLeeren() {
    for (Label* l : {&lblEBF0nL, &lblLwv, &lblQv}) l->setCaption("");
    GeräteWärmebedarfLöschen();
}

int frmLüftung::Modus() const {
    for (int i = 0; i < 3; ++i)
        if (optML[i].Value()) return i;
    return -1;
}

double frmLüftung::Anteil(int modus) const {
    if (modus != 2) return modus == 0 ? 0.0 : 1.0;
    const double s = basZIRVO3801::Runden(ZahlLesen(txtAnteilML.Text()), 1) / 100;
    return s > 0 && s <= 1 ? s : 1.0;
}

double frmLüftung::Aussenluft(int i, double s) const {
    const double AVw = ZahlLesen(txtAVEMLwB.Text());
    const double AVa = ZahlLesen(txtAVEMLaB.Text());
    const double LSt = ZahlLesen(txtLSt[i].Text());
    const double t = ZahlLesen(txtha[i].Text()) / 8760; // operating share of the year
    const double r = ZahlLesen(txtWRG[i].Text()) / 100;
    // The unit's air after heat recovery and the envelope's air during the
    // operating time, the envelope's air outside it.
    return (AVw * EBF0_ * s + (1 - r) * LSt) * t + (1 - t) * AVa * EBF0_ * s;
}

bool frmLüftung::OhneAussenluft() {
    if (!ZoneGeladen()) return false;
    const int modus = Modus();
    if (modus <= 0) return false;
    const double s = Anteil(modus);
    double luft = 0;
    for (int i = 0; i < Gerätezeilen; ++i) luft += Aussenluft(i, s);
    if (luft > 0) return false;

    // The input that takes the air away: nothing given at all, a unit or
    // an envelope rate without operating time, a recovery of all the
    // unit's air, or an operating time of the whole year without air in it.
    const double AVw = ZahlLesen(txtAVEMLwB.Text());
    const double AVa = ZahlLesen(txtAVEMLaB.Text());
    const char* text =
        "Für den mechanisch belüfteten Teil ist weder ein Luftstrom des Lüftungsgeräts noch ein "
        "Aussenluft-Volumenstrom angegeben.";
    Steuerelement* feld = &txtLSt[0];
    for (int i = 0; i < Gerätezeilen; ++i) {
        const double LSt = ZahlLesen(txtLSt[i].Text());
        if (LSt == 0 && AVw == 0 && AVa == 0) continue;
        if (ZahlLesen(txtha[i].Text()) == 0) {
            text = "Die Betriebszeit des Lüftungsgeräts fehlt: ohne Betriebszeit und ohne Aussenluft-Volumenstrom "
                   "ausserhalb der Betriebszeit hat der mechanisch belüftete Teil keine Aussenluft.";
            feld = &txtha[i];
        } else if (LSt != 0) {
            text = "Mit einer Wärmerückgewinnung WRG von 100 % und ohne Aussenluft-Volumenstrom während der "
                   "Betriebszeit hat der mechanisch belüftete Teil keine Aussenluft.";
            feld = &txtWRG[i];
        } else {
            text = "Mit einer Betriebszeit von 8760 h/a und ohne Luftstrom des Lüftungsgeräts oder "
                   "Aussenluft-Volumenstrom während der Betriebszeit hat der mechanisch belüftete Teil keine "
                   "Aussenluft.";
            feld = &txtAVEMLwB;
        }
        break;
    }
    ErgebnisseLeeren();
    Eingabefehler.Beginnen(Global::Projekt.GetNZone(), basZIRVOFehler::TabelleLüftung);
    Eingabefehler.Setzen(DS("Lüftung") + ": " + DS(text), feld);
    return true;
}

double frmLüftung::Heizlastwert(const TextBox& feld, const char* schlüssel) const {
    return Visible ? ZahlLesen(feld.Text()) : Global::Projekt.PGetNum(schlüssel);
}

// ---------------------------------------------------------------------------
// loading, computing and storing the zone

bool frmLüftung::LüftungEinlesen() {
    Projekt& p = Global::Projekt;
    Laden();
    // Whatever happens below, the fields no longer hold the zone they held.
    ZoneLadenBeginnen(basZIRVOFehler::TabelleLüftung);
    if (EBF_ == 0 || EBF0_ == 0) return ZoneNichtLadbar("Fehlende EBF");
    Ti_ = p.Zone__RaumtemperaturKorr();
    AVE_ = p.ZGetNum("AVE");
    const Klimastation_MB2028& station = Global::Klimastation_MB2028;
    if (!station.Vorhanden()) return ZoneNichtLadbar("Fehlende Klimastation");
    Te_.fill(0);
    station.MonatsTemperaturen(Te_);
    h_ = station.Meereshöhe();

    lblEBF0.setCaption(Festkomma(EBF0_, 1));
    lblAVEnL.setCaption(Festkomma(AVE_, 2));

    // The project's heat-load values.
    const double etaV = p.PGetNum("HL_EtaV");
    txtEtaV.setText(etaV == 0 ? std::string() : Festkomma(etaV, 2));
    txtEtaVBem.setText(p.PGetStr("HL_EtaV_Bem"));
    const double fV = p.PGetNum("HL_fV");
    txtfV.setText(fV == 0 ? std::string() : Festkomma(fV, 1));
    txtfVBem.setText(p.PGetStr("HL_fV_Bem"));
    HeizlastLuftstromAnzeigen();
    GeräteWärmebedarfLöschen();

    const double ml = p.ZGetNum("ML");
    const int modus = ml == 2 ? 2 : ml == 1 ? 1 : 0;
    if (modus == 2)
        FeldSetzen(txtAnteilML, p.ZGetNum("MLAnteil"));
    else
        txtAnteilML.setText("");
    for (int i = 0; i < 3; ++i) optML[i].setValue(i == modus);
    optML_Click(modus);

    for (int i = 0; i < Gerätezeilen; ++i)
        for (auto* feld : {&txtBez, &txtLSt, &txtha, &txtWRG}) (*feld)[i].setText("");
    if (KollektionZeiger geräte = p.ZGetColl("Lm_")) {
        for (int i = 0; i < Gerätezeilen && i < geräte->Anzahl(); ++i) {
            KollektionZeiger zeile = geräte->Koll(i + 1);
            if (!zeile) continue;
            FeldSetzen(txtBez[i], zeile->Text(1));
            FeldSetzen(txtLSt[i], zeile->Zahl(2));
            FeldSetzen(txtha[i], zeile->Zahl(3));
            FeldSetzen(txtWRG[i], zeile->Zahl(4));
        }
    }

    const double avw = p.ZGetNum("LmAVw");
    txtAVEMLwB.setText(ml == 0 && avw == 0 ? std::string() : Festkomma(avw, 2));
    const double ava = p.ZGetNum("LmAVa");
    txtAVEMLaB.setText(ml == 0 && ava == 0 ? std::string() : Festkomma(ava, 2));
    txtMLBem.setText(p.ZGetStr("LmBem"));

    ZoneMerken();
    LüftungBerechnen();
    return false;
}

bool frmLüftung::LüftungBerechnen() {
    if (!ZoneGeladen()) return false;
    if (EBF_ == 0 || EBF0_ == 0) return false;
    const int modus = Modus();
    if (modus < 0) return false;
    Projekt& p = Global::Projekt;
    if (EingabenAusserhalb(modus)) {
        // Nothing is computed from an impossible value: no result of
        // before stays on view, and the zone keeps what it held.
        ErgebnisseLeeren();
        return ErgebnisHinweisen(true, Visible);
    }
    ErgebnisHinweisen(false, Visible);

    // Mechanically ventilated share of EBF0.
    const double s = Anteil(modus);
    if (modus == 2) txtAnteilML.setText(Festkomma(s * 100, 1));
    lblEBF0nL.setCaption(Festkomma((1 - s) * EBF0_, 1));

    // Heat capacity of air [Wh/(m³·K)], lower at altitude.
    const double rhoC = (1220 - 0.14 * h_) / 3600;

    Monatsarray Qv{};
    const double Hv = AVE_ * EBF0_ * rhoC * 0.024 / EBF_ * (1 - s);
    for (int m = 0; m < 12; ++m) Qv[m] = Endlich((Ti_ - Te_[m]) * Monatstage[m] * Hv);
    p.ZSetArr1(Qv, "Qv");
    p.SetMtOK();

    Monatsarray Qvm{};
    if (modus != 0) {
        for (int i = 0; i < Gerätezeilen; ++i) {
            const double Hm = Aussenluft(i, s) * rhoC * 0.024 / EBF_;
            double summe = 0;
            for (int m = 0; m < 12; ++m) {
                const double q = Endlich((Ti_ - Te_[m]) * Monatstage[m] * Hm);
                Qvm[m] = Endlich(Qvm[m] + q);
                summe = Endlich(summe + q);
            }
            FeldSetzen(txtQ[i], summe);
        }
    }
    p.ZSetArr1(Qvm, "Qvm");
    p.SetMtOK();
    p.SetJahressumme1(Qv);
    p.SetJahressumme1(Qvm);

    lblLwv.setCaption(Festkomma(Qv[12], 1));
    lblQv.setCaption(Festkomma(Endlich(Qv[12] + Qvm[12]), 1));
    return false;
}

bool frmLüftung::EingabenAusserhalb(int modus) {
    using Eingabebereich::Ausserhalb;
    using Eingabebereich::Unbegrenzt;
    const std::int16_t tabelle = basZIRVOFehler::TabelleLüftung;
    // The natural ventilation's air rate is a value of the zone's use.
    if (Ausserhalb(tabelle, {Eingabebereich::Nutzungsprüfung("AVE", AVE_, &lblAVEnL)}, DS("Nutzung") + ": "))
        return true;
    const std::string vorspann = DS("Lüftung") + ": ";
    // The units and the envelope's air of the mechanically ventilated part
    // count only with a mechanical ventilation.
    if (modus != 0) {
        for (int i = 0; i < Gerätezeilen; ++i)
            if (Ausserhalb(tabelle,
                           {{ZahlLesen(txtLSt[i].Text()), 0, Unbegrenzt,
                             "Der Luftstrom des Lüftungsgeräts (@ m³/h) darf nicht negativ sein.", &txtLSt[i]},
                            {ZahlLesen(txtha[i].Text()), 0, Eingabebereich::Jahresstunden,
                             "Die Betriebszeit des Lüftungsgeräts (@ h/a) muss zwischen 0 und 8760 h/a sein.",
                             &txtha[i]},
                            {ZahlLesen(txtWRG[i].Text()), 0, 100,
                             "Die Wärmerückgewinnung WRG (@ %) muss zwischen 0 und 100 % sein.", &txtWRG[i]}},
                           vorspann))
                return true;
        // A unit's air counts only for its operating time: without one it
        // would count for nothing, whatever else ventilates the part.
        for (int i = 0; i < Gerätezeilen; ++i) {
            const double LSt = ZahlLesen(txtLSt[i].Text());
            if (LSt == 0 || ZahlLesen(txtha[i].Text()) != 0) continue;
            Eingabefehler.Beginnen(Global::Projekt.GetNZone(), tabelle);
            Eingabefehler.Setzen(vorspann + DSFormat("Die Betriebszeit des Lüftungsgeräts fehlt: ohne Betriebszeit "
                                                     "zählt sein Luftstrom (@ m³/h) nicht.",
                                                     Anzeigezahl::Zahltext(LSt)),
                                 &txtha[i]);
            return true;
        }
        if (Ausserhalb(tabelle,
                       {{ZahlLesen(txtAVEMLwB.Text()), 0, Unbegrenzt,
                         "Der Aussenluft-Volumenstrom während der Betriebszeit (@ m³/h·m²) darf nicht negativ sein.",
                         &txtAVEMLwB},
                        {ZahlLesen(txtAVEMLaB.Text()), 0, Unbegrenzt,
                         "Der Aussenluft-Volumenstrom ausserhalb der Betriebszeit (@ m³/h·m²) darf nicht negativ "
                         "sein.",
                         &txtAVEMLaB}},
                       vorspann))
            return true;
    }
    // The heat load divides by the effectiveness whenever it is given, and
    // then counts the recovery's efficiency, which takes away at most what
    // lies above the base rate: from 1 on it is no efficiency at all.
    const double fV = Heizlastwert(txtfV, "HL_fV");
    return Ausserhalb(tabelle,
                      {{fV, 0, Unbegrenzt, "Die Lüftungseffektivität der mechanischen Lüftung (@) darf nicht negativ sein.",
                        &txtfV}},
                      vorspann) ||
           (fV != 0 && Ausserhalb(tabelle,
                                  {{Heizlastwert(txtEtaV, "HL_EtaV"), 0, EtaVBereich,
                                    "Der Anlagennutzungsgrad der Wärmerückgewinnung (@) muss mindestens 0 und kleiner "
                                    "als 1 sein.",
                                    &txtEtaV}},
                                  vorspann));
}

bool frmLüftung::LüftungSpeichern() {
    // Fields that do not hold this zone (a failed load, another zone loaded
    // since, or the dialog closed) are never stored into it.
    if (!ZoneGeladen()) return true;
    Projekt& p = Global::Projekt;

    p.ZSetNum(optML[2].Value() ? 2 : optML[1].Value() ? 1 : 0, "ML");
    p.ZSetNum(ZahlLesen(txtAnteilML.Text()), "MLAnteil");

    auto leer = [&](int i) {
        return basZIRVO_Format::TextRechtsTrimmen(txtBez[i].Text()).empty() && ZahlLesen(txtLSt[i].Text()) == 0 &&
               ZahlLesen(txtha[i].Text()) == 0 && ZahlLesen(txtWRG[i].Text()) == 0 && ZahlLesen(txtQ[i].Text()) == 0;
    };
    int letzte = -1;
    for (int i = Gerätezeilen - 1; i >= 0; --i)
        if (!leer(i)) {
            letzte = i;
            break;
        }
    auto geräte = Kollektion::Neu();
    for (int i = 0; i <= letzte; ++i) {
        auto zeile = Kollektion::Neu();
        zeile->Hinzufügen(basZIRVO_Format::TextRechtsTrimmen(txtBez[i].Text()));
        zeile->Hinzufügen(ZahlLesen(txtLSt[i].Text()));
        zeile->Hinzufügen(ZahlLesen(txtha[i].Text()));
        zeile->Hinzufügen(ZahlLesen(txtWRG[i].Text()));
        zeile->Hinzufügen(ZahlLesen(txtQ[i].Text()));
        geräte->Hinzufügen(KollektionZeiger(std::move(zeile)));
    }
    p.ZSetColl(std::move(geräte), "Lm_");

    p.ZSetNum(ZahlLesen(txtAVEMLwB.Text()), "LmAVw");
    p.ZSetNum(ZahlLesen(txtAVEMLaB.Text()), "LmAVa");
    p.ZSetStr(basZIRVO_Format::TextRechtsTrimmen(txtMLBem.Text()), "LmBem");
    return false;
}

void frmLüftung::HeizlastLuftstromAnzeigen() {
    const double AVEnL = ZahlLesen(lblAVEnL.Caption());
    const double EtaV = ZahlLesen(txtEtaV.Text());
    const double fV = ZahlLesen(txtfV.Text());
    // An efficiency the heat load does not take shows no rate either.
    const bool etaGültig = EtaV >= 0 && EtaV <= EtaVBereich;
    const double q = fV != 0 && etaGültig ? Endlich((AVEnL - 0.15) * (1 - EtaV) / fV + 0.15) : 0.0;
    lblQth.setCaption(q == 0 ? std::string() : Festkomma(q, 2));
}

void frmLüftung::GeräteWärmebedarfLöschen() {
    for (int i = 0; i < Gerätezeilen; ++i) txtQ[i].setText("");
}

// ---------------------------------------------------------------------------
// closing

void frmLüftung::cmdSchliessen_Click() {
    std::int16_t cancel = 0;
    Form_QueryUnload(cancel, 1);
    Entladen();
}

void frmLüftung::Form_QueryUnload(std::int16_t& Cancel, std::int16_t /*UnloadMode*/) {
    Cancel = 0;
    // Without a zone in the fields there is nothing of this zone to keep,
    // and the emptied heat-load fields must not overwrite the project's.
    if (!ZoneGeladen()) return;
    LüftungBerechnen();
    LüftungSpeichern();
    Projekt& p = Global::Projekt;
    p.PSetNum(ZahlLesen(txtEtaV.Text()), "HL_EtaV");
    p.PSetStr(basZIRVO_Format::TextRechtsTrimmen(txtEtaVBem.Text()), "HL_EtaV_Bem");
    p.PSetNum(ZahlLesen(txtfV.Text()), "HL_fV");
    p.PSetStr(basZIRVO_Format::TextRechtsTrimmen(txtfVBem.Text()), "HL_fV_Bem");
}

// ---------------------------------------------------------------------------
// events of the fields

void frmLüftung::optML_Click(int Index) {
    switch (Index) {
    case 0:
        txtAnteilML.setText("");
        txtAnteilML.setEnabled(false);
        fraML2.setEnabled(false);
        GeräteWärmebedarfLöschen();
        break;
    case 1:
        fraML2.setEnabled(true);
        txtAnteilML.setText("");
        txtAnteilML.setEnabled(false);
        break;
    case 2:
        fraML2.setEnabled(true);
        txtAnteilML.setEnabled(true);
        if (Visible) Fokussieren(txtAnteilML);
        break;
    default: return;
    }
    LüftungBerechnen();
}

void frmLüftung::txtAnteilML_LostFocus() { LüftungBerechnen(); }
void frmLüftung::txtAVEMLwB_LostFocus() { LüftungBerechnen(); }
void frmLüftung::txtAVEMLaB_LostFocus() { LüftungBerechnen(); }
void frmLüftung::txtEtaV_Change() { HeizlastLuftstromAnzeigen(); }
void frmLüftung::txtfV_Change() { HeizlastLuftstromAnzeigen(); }

void frmLüftung::txtBez_GotFocus(int) {}
void frmLüftung::txtLSt_GotFocus(int) {}
void frmLüftung::txtha_GotFocus(int) {}
void frmLüftung::txtWRG_GotFocus(int) {}
void frmLüftung::txtQ_GotFocus(int) {}

void frmLüftung::txtBez_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift) {
    ZelleTaste(txtBez, Index, KeyCode, Shift);
}
void frmLüftung::txtLSt_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift) {
    ZelleTaste(txtLSt, Index, KeyCode, Shift);
}
void frmLüftung::txtha_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift) {
    ZelleTaste(txtha, Index, KeyCode, Shift);
}
void frmLüftung::txtWRG_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift) {
    ZelleTaste(txtWRG, Index, KeyCode, Shift);
}
void frmLüftung::txtQ_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift) {
    ZelleTaste(txtQ, Index, KeyCode, Shift);
}

void frmLüftung::txtBez_KeyPress(int, std::int16_t& KeyAscii) { EingabeTasteSchlucken(KeyAscii); }
void frmLüftung::txtLSt_KeyPress(int, std::int16_t& KeyAscii) { EingabeTasteSchlucken(KeyAscii); }
void frmLüftung::txtha_KeyPress(int, std::int16_t& KeyAscii) { EingabeTasteSchlucken(KeyAscii); }
void frmLüftung::txtWRG_KeyPress(int, std::int16_t& KeyAscii) { EingabeTasteSchlucken(KeyAscii); }
void frmLüftung::txtQ_KeyPress(int, std::int16_t& KeyAscii) { EingabeTasteSchlucken(KeyAscii); }

void frmLüftung::txtBez_LostFocus(int Index) { ZelleVerlassen(txtBez, Index); }
void frmLüftung::txtLSt_LostFocus(int Index) { ZelleVerlassen(txtLSt, Index); }
void frmLüftung::txtha_LostFocus(int Index) { ZelleVerlassen(txtha, Index); }
void frmLüftung::txtWRG_LostFocus(int Index) { ZelleVerlassen(txtWRG, Index); }
void frmLüftung::txtQ_LostFocus(int Index) { ZelleVerlassen(txtQ, Index); }

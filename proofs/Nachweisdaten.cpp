// The single-component proof's data in the project: the energy reference
// area "EB-EBF", the requirement "EB-Anf" (1 target values), "EB-WBN" (1 no
// thermal-bridge proof) and the row lists "EBBt" (8 values per row: code,
// designation, item number, U, g, Ti, table value, effective value) and
// "EBWb" (5: code, designation, item number, psi, limit). Rows keep their
// places: a list holds the grid from the first row to the last one in use,
// empty rows between included. The verdicts are not stored; the rules
// compute them again after loading.
#include "proofs/frmNachweisEB.h"

#include "balance/Anzeigezahl.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVO_Format.h"
#include "project/ProjektGlobal.h"

#include <cmath>
#include <functional>

namespace {

std::string Text(const TextBox& zelle) { return basZIRVO_Format::TextRechtsTrimmen(zelle.Text()); }
double Zahl(const TextBox& zelle) { return ZahlLesen(zelle.Text()); }

// Whole number nearest to x, halves to the even one.
double Ganz(double x) { return std::isfinite(x) ? std::nearbyint(x) : 0; }

} // namespace

void frmNachweisEB::Einlesen() {
    Laden();
    const Projekt& P = Global::Projekt;
    const double a = P.PGetNum("EB-EBF");
    const double r = Ganz(P.PGetNum("EB-Anf"));
    const double w = Ganz(P.PGetNum("EB-WBN"));
    txtEBF.setText(Anzeigezahl::Festkomma(a, 1));
    optAnf[0].setValue(r == 0);
    optAnf[1].setValue(r != 0);
    chkWBN.setValue(w != 0 ? 1 : 0);
    BauteileEinlesen();
    WärmebrückenEinlesen();
}

void frmNachweisEB::Speichern(bool& Fehlgeschlagen) {
    Laden();
    Projekt& P = Global::Projekt;
    P.PSetNum(ZahlLesen(txtEBF.Text()), "EB-EBF");
    P.PSetNum(optAnf[0].Value() ? 0 : 1, "EB-Anf");
    P.PSetNum(chkWBN.Value() != 0 ? 1 : 0, "EB-WBN");
    BauteileSpeichern();
    WärmebrückenSpeichern();
    Fehlgeschlagen = false;
}

void frmNachweisEB::VorDemSpeichern() {
    if (!Visible || !geladen_) return;
    bool fehlgeschlagen = false;
    Speichern(fehlgeschlagen);
}

void frmNachweisEB::BauteileEinlesen() {
    const int n = Zeilenzahl(1);
    // Every cell is emptied, the results too: a row the rules do not reach
    // (they stop at a faulty row) shows nothing of the former project.
    for (int r = 0; r < n; ++r)
        for (auto* feld : {&txtBtC, &txtBtBez, &txtBtNr, &txtBtU, &txtBtG, &txtBtTi, &txtBtGrTab, &txtBtGrEff,
                           &txtBtGrErf})
            (*feld)[r].setText("");
    if (KollektionZeiger L = Global::Projekt.PGetColl("EBBt")) {
        for (int r = 0; r < n && r < L->Anzahl(); ++r) {
            KollektionZeiger zeile = L->Koll(r + 1);
            if (!zeile) continue;
            ZelleSetzen(txtBtC[r], zeile->Text(1));
            ZelleSetzen(txtBtBez[r], zeile->Text(2));
            ZelleSetzen(txtBtNr[r], zeile->Zahl(3));
            ZelleSetzen(txtBtU[r], zeile->Zahl(4));
            ZelleSetzen(txtBtG[r], zeile->Zahl(5));
            ZelleSetzen(txtBtTi[r], zeile->Zahl(6));
            // A row stored before the g column existed holds Ti in its 5th value.
            if (zeile->Zahl(5) > 1) {
                ZelleSetzen(txtBtG[r], 0.0);
                ZelleSetzen(txtBtTi[r], zeile->Zahl(5));
            }
        }
    }
    BauteileNachweisen();
}

void frmNachweisEB::WärmebrückenEinlesen() {
    const int n = Zeilenzahl(2);
    for (int r = 0; r < n; ++r)
        for (auto* feld : {&txtWbC, &txtWbBez, &txtWbNr, &txtWbPsi, &txtWbGr, &txtWbErf}) (*feld)[r].setText("");
    if (KollektionZeiger L = Global::Projekt.PGetColl("EBWb")) {
        for (int r = 0; r < n && r < L->Anzahl(); ++r) {
            KollektionZeiger zeile = L->Koll(r + 1);
            if (!zeile) continue;
            ZelleSetzen(txtWbC[r], zeile->Text(1));
            ZelleSetzen(txtWbBez[r], zeile->Text(2));
            ZelleSetzen(txtWbNr[r], zeile->Zahl(3));
            ZelleSetzen(txtWbPsi[r], zeile->Zahl(4));
            // A row stored before the number column existed holds psi in its 3rd value.
            const double dritte = zeile->Zahl(3);
            if (dritte > 0 && dritte < 1) {
                ZelleSetzen(txtWbNr[r], 0.0);
                ZelleSetzen(txtWbPsi[r], dritte);
            }
        }
    }
    WärmebrückenNachweisen();
}

bool frmNachweisEB::BauteilZeileLeer(int r) const {
    return Text(txtBtC[r]).empty() && Text(txtBtBez[r]).empty() && Zahl(txtBtNr[r]) == 0 && Zahl(txtBtU[r]) == 0 &&
           Zahl(txtBtG[r]) == 0 && Zahl(txtBtTi[r]) == 0;
}

bool frmNachweisEB::WärmebrückeZeileLeer(int r) const {
    return Text(txtWbC[r]).empty() && Text(txtWbBez[r]).empty() && Zahl(txtWbNr[r]) == 0 && Zahl(txtWbPsi[r]) == 0;
}

// Rows a project holds beyond the grid (a file of another version) are
// kept behind the grid's rows, which then all stay in their places.
namespace {

int LetzteZeile(int zeilen, const KollektionZeiger& bisher, const std::function<bool(int)>& leer) {
    if (bisher && bisher->Anzahl() > zeilen) return zeilen - 1;
    int letzte = zeilen - 1;
    while (letzte >= 0 && leer(letzte)) --letzte;
    return letzte;
}

void ÜbrigeAnhängen(Kollektion& L, int zeilen, const KollektionZeiger& bisher) {
    if (!bisher) return;
    for (std::int32_t r = zeilen + 1; r <= bisher->Anzahl(); ++r)
        if (const Kollektion::Wert* w = bisher->Eintrag(r)) L.WertHinzufügen(*w);
}

} // namespace

void frmNachweisEB::BauteileSpeichern() {
    const KollektionZeiger bisher = Global::Projekt.PGetColl("EBBt");
    const int letzte = LetzteZeile(Zeilenzahl(1), bisher, [this](int r) { return BauteilZeileLeer(r); });
    auto L = Kollektion::Neu();
    L->Reservieren(letzte + 1);
    for (int r = 0; r <= letzte; ++r) {
        auto zeile = Kollektion::Neu();
        zeile->Reservieren(8);
        zeile->Hinzufügen(Text(txtBtC[r]));
        zeile->Hinzufügen(Text(txtBtBez[r]));
        for (auto* feld : {&txtBtNr, &txtBtU, &txtBtG, &txtBtTi, &txtBtGrTab, &txtBtGrEff})
            zeile->Hinzufügen(Zahl((*feld)[r]));
        L->Hinzufügen(KollektionZeiger(zeile));
    }
    ÜbrigeAnhängen(*L, Zeilenzahl(1), bisher);
    Global::Projekt.PSetColl(L, "EBBt");
}

void frmNachweisEB::WärmebrückenSpeichern() {
    const KollektionZeiger bisher = Global::Projekt.PGetColl("EBWb");
    const int letzte = LetzteZeile(Zeilenzahl(2), bisher, [this](int r) { return WärmebrückeZeileLeer(r); });
    auto L = Kollektion::Neu();
    L->Reservieren(letzte + 1);
    for (int r = 0; r <= letzte; ++r) {
        auto zeile = Kollektion::Neu();
        zeile->Reservieren(5);
        zeile->Hinzufügen(Text(txtWbC[r]));
        zeile->Hinzufügen(Text(txtWbBez[r]));
        for (auto* feld : {&txtWbNr, &txtWbPsi, &txtWbGr}) zeile->Hinzufügen(Zahl((*feld)[r]));
        L->Hinzufügen(KollektionZeiger(zeile));
    }
    ÜbrigeAnhängen(*L, Zeilenzahl(2), bisher);
    Global::Projekt.PSetColl(L, "EBWb");
}

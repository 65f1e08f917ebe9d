// The data sheets of the project's items: one framed box per component
// (with its layers), window and thermal bridge, after a legend of the
// surveillance codes. Each sheet is one box, so it is never split over two
// pages.
#include "printing/ZIRVO3801Drucken.h"

#include "balance/basZIRVONorm.h"
#include "components/Bauteile.h"
#include "frame/basZIRVODialogSprache.h"
#include "printing/Berichtshilfen.h"
#include "project/ProjektGlobal.h"

#include <algorithm>

namespace {

// Uses of item n by envelope rows of the element types given.
int Verwendet(std::initializer_list<const char*> typen, int n) {
    int summe = 0;
    for (const char* t : typen) summe += basZIRVO3801::BauteiltypTabelleWert(2, t, static_cast<std::int16_t>(n));
    return summe;
}

// A number of a sheet: bold, right-aligned in 5 cells, blank for 0.
void Zahl(Drucken& d, int row, int col, double wert, int stellen) {
    d.Text(row, col, ZIRVO3801Drucken::DruckZahl(wert, stellen, false), true, true, 5);
}

// Heading, name with its value, comment: the rows every sheet begins with.
// The name stops before the value beside it, whose label stands in column
// bis + 1.
void Blattkopf(Drucken& d, const std::string& art, int nr, const std::string& bez, const std::string& kom, int bis) {
    d.Text(1, 1, DS(art) + "  " + std::to_string(nr), true);
    d.LineH(2, true);
    d.Text(3, 1, DS("Bezeichnung"));
    d.TextBis(3, 15, bez, true, bis);
    d.Text(4, 1, DS("Kommentar"));
    d.Text(4, 15, kom, true);
}

} // namespace

void ZIRVO3801Drucken::Bauteile(bool auchUngenutzte, bool& failed) {
    Abschnitt(DS("Einzelbauteile"), failed, [&](bool&) {
        EinzelbauteileLegende();
        const Projekt& p = Global::Projekt;
        for (int n : Elemente::Nummern(p, Elementart::Bauteil))
            if (auchUngenutzte || Verwendet({"D", "W", "B"}, n) > 0) BauteilBlatt(n);
        for (int n : Elemente::Nummern(p, Elementart::Fenster))
            if (auchUngenutzte || Verwendet({"F", "T"}, n) > 0) FensterBlatt(n);
        for (int n : Elemente::Nummern(p, Elementart::Wärmebrücke))
            if (auchUngenutzte || Verwendet({"l", "p"}, n) > 0) WärmebrückeBlatt(n);
    });
}

void ZIRVO3801Drucken::Bauteil(int nr, bool& failed) {
    failed = false;
    Kopfzeile("", 0);
    BauteilBlatt(nr);
}

void ZIRVO3801Drucken::Fenster(int nr, bool& failed) {
    failed = false;
    Kopfzeile("", 0);
    FensterBlatt(nr);
}

void ZIRVO3801Drucken::Wärmebrücke(int nr, bool& failed) {
    failed = false;
    Kopfzeile("", 0);
    WärmebrückeBlatt(nr);
}

void ZIRVO3801Drucken::EinzelbauteileLegende() {
    Drucken& d = drucken_;
    d.Box(3, false);
    d.Text(1, 1, DS("Einzelbauteile"), true);
    d.LineH(2, true);
    d.Text(3, 1,
           DS("Überwachung") + ":   0=" + DS("nicht überwacht") + ",   1=" + DS("überwacht") + ",   2=" +
               DS("spezifiziertes Produkt"));
}

void ZIRVO3801Drucken::BauteilBlatt(int nr) {
    const auto b = ::Bauteil::Lesen(Global::Projekt, nr);
    if (!b) return;
    Drucken& d = drucken_;
    const int L = static_cast<int>(std::min<std::size_t>(b->Schichten.size(), ::Bauteil::MaxSchichten));
    d.Box(L == 0 ? 4 : L + 10, true);
    Blattkopf(d, "Bauteil", nr, b->Bez, b->Kom, 55);
    d.Text(3, 56, "U");
    Zahl(d, 3, 59, b->U, 2);
    d.Text(3, 65, "[W/m²K]");
    if (L == 0) return;
    d.LineH(5, false);
    d.Text(6, 1, DS("Wärmeübergangswiderstände innen und aussen"));
    d.Text(6, 42, "R÷(si)");
    Zahl(d, 6, 44, b->Rsi, 2);
    d.Text(6, 50, "[m²K/W]");
    d.Text(6, 60, "R÷(se)");
    Zahl(d, 6, 62, b->Rse, 2);
    d.Text(6, 68, "[m²K/W]");
    d.LineX(7, 0, 7, 76, false, false);
    d.Text(8, 1, DS("Baustoff"));
    d.Text(8, 33, DS("Dicke"));
    d.Text(8, 40, DS("Rohdichte"));
    d.Text(8, 48, DS("Lambda"));
    d.Text(8, 57, DS("R"));
    d.Text(8, 65, DS("Überwachung"));
    d.Text(9, 1, DS("(von innen nach aussen)"));
    d.Text(9, 33, "[cm]", false, true, 5);
    d.Text(9, 41, "[kg/m³]", false, true, 5);
    d.Text(9, 49, "[W/mK]", false, true, 5);
    d.Text(9, 58, "[m²K/W]", false, true, 5);
    d.Text(9, 65, "(0/1/2)");
    d.LineX(10, 0, 10, 76, false, false);
    for (int c : {31, 39, 47, 55, 63}) d.LineX(7, c, L + 11, c, false, false);
    for (int k = 0; k < L; ++k) {
        const Schicht& s = b->Schichten[static_cast<std::size_t>(k)];
        const int row = 11 + k;
        d.TextBis(row, 1, s.Bez, true, 31);
        Zahl(d, row, 33, s.Dicke, 2);
        Zahl(d, row, 41, s.Rohdichte, 0);
        Zahl(d, row, 49, s.Lambda, 3);
        Zahl(d, row, 57, s.R, 3);
        d.Text(row, 65, s.Ueberwachung, true);
    }
}

void ZIRVO3801Drucken::FensterBlatt(int nr) {
    const auto f = ::Fenster::Lesen(Global::Projekt, nr);
    if (!f) return;
    Drucken& d = drucken_;
    d.Box(9, true);
    Blattkopf(d, "Fenster", nr, f->Bez, f->Kom, 55);
    d.Text(3, 56, "U");
    Zahl(d, 3, 59, f->U, 2);
    d.Text(3, 65, "[W/m²K]");
    d.LineH(5, false);
    d.Text(6, 1, DS("Gesamtenergiedurchlassgrad") + " g");
    Zahl(d, 6, 35, f->g, 2);
    d.Text(6, 41, "[-]");
    d.Text(7, 1, DS("Abminderungsfaktor für Fensterrahmen") + " f÷(f)");
    Zahl(d, 7, 35, f->FF, 2);
    d.Text(7, 41, "[-]");
    d.Text(8, 1, DS("Rahmenmaterial"));
    d.TextBis(8, 15, f->Rahmenmaterial, true, 53);
    d.Text(8, 54, "Uf");
    Zahl(d, 8, 57, f->Uf, 2);
    d.Text(8, 63, "[W/m²K]");
    d.Text(9, 1, DS("Verglasung"));
    d.TextBis(9, 15, f->Verglasung, true, 53);
    d.Text(9, 54, "Ug");
    Zahl(d, 9, 57, f->Ug, 2);
    d.Text(9, 63, "[W/m²K]");
}

void ZIRVO3801Drucken::WärmebrückeBlatt(int nr) {
    const auto w = ::Wärmebrücke::Lesen(Global::Projekt, nr);
    if (!w) return;
    Drucken& d = drucken_;
    d.Box(6, true);
    Blattkopf(d, "Wärmebrücke", nr, w->Bez, w->Kom, 52);
    d.Text(3, 53, std::string("Psi") + " | " + "Chi");
    Zahl(d, 3, 59, w->Psi, 2);
    d.Text(3, 65, std::string("[W/mK]") + " | " + "[W/K]");
    d.LineH(5, false);
    d.Text(6, 1, DS("Beschreibung"));
    d.Text(6, 15, w->Beschreibung, true);
}

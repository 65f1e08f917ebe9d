// The printed list of the material database: one line per material in the
// order of the designations, an empty line between initials, page after
// page with a head line and the page number.
#include "printing/ZIRVO3801Drucken.h"

#include "balance/Anzeigezahl.h"
#include "components/Baustoff.h"
#include "frame/basZIRVODialogSprache.h"

#include <array>

namespace {

// Designation, short designation, category, density, thickness, lambda,
// R, surveillance, right end.
constexpr std::array<int, 9> Spalten = {1, 31, 37, 42, 49, 56, 65, 72, 79};

// The first character of a text (UTF-8), "" for "".
std::string Anfangsbuchstabe(const std::string& s) {
    if (s.empty()) return {};
    std::size_t n = 1;
    while (n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) ++n;
    return s.substr(0, n);
}

// A number aligned on its decimal separator: the digits before it end at
// the right edge of the field, the separator and the decimals follow.
void ZahlAusrichten(Drucken& d, int row, int spalte, int breite, double wert) {
    if (wert == 0) return;
    const std::string text = Anzeigezahl::Zahltext(wert);
    const std::string trenner = Anzeigezahl::Zahltext(0.1).substr(1, 1);
    const std::size_t p = text.find(trenner);
    if (p == std::string::npos) {
        d.Text(row, spalte, text, false, true, breite);
        return;
    }
    d.Text(row, spalte, text.substr(0, p), false, true, breite);
    d.Text(-1, 0, text.substr(p));
}

} // namespace

void ZIRVO3801Drucken::BaustoffZeile(const Baustoff& b, int row) {
    Drucken& d = drucken_;
    // Each text stays left of its column's line (drawn two cells before the
    // next column).
    d.TextBis(row, Spalten[0], b.Bez(), false, Spalten[1] - 2);
    d.TextBis(row, Spalten[1], b.KBez(), false, Spalten[2] - 2);
    d.TextBis(row, Spalten[2], b.Kat(), false, Spalten[3] - 2);
    ZahlAusrichten(d, row, Spalten[3], Spalten[4] - Spalten[3] - 3, b.Rho());
    ZahlAusrichten(d, row, Spalten[4], Spalten[5] - Spalten[4] - 2, b.Dicke());
    ZahlAusrichten(d, row, Spalten[5], Spalten[6] - Spalten[5] - 6, b.Lambda());
    ZahlAusrichten(d, row, Spalten[6], Spalten[7] - Spalten[6] - 6, b.R());
    if (const std::string u = b.Ueberwachung(); !u.empty()) d.Text(row, Spalten[7], u);
}

void ZIRVO3801Drucken::Baustoffliste(bool& failed) { Baustoffliste(Global::Baustoff, failed); }

void ZIRVO3801Drucken::Baustoffliste(Baustoff& b, bool& failed) {
    failed = false;
    Drucken& d = drucken_;
    int seite = 0;
    // A page: the head line with its number, the list's box of `zeilen`
    // rows with the column heads and lines.
    const auto neueSeite = [&](int zeilen) {
        ++seite;
        Kopfzeile(DS("Liste der Baustoffe"), seite);
        d.Box(zeilen, false);
        d.Text(1, 1, DS("Bezeichnung"));
        d.Text(1, 31, DS("Kurz-"));
        d.Text(1, 37, DS("Kat."));
        d.Text(1, 42, DS("Rohd."));
        d.Text(1, 49, DS("Dicke"));
        d.Text(1, 56, DS("Lambda"));
        d.Text(1, 65, DS("R"));
        d.Text(1, 71, DS("Überw."));
        d.Text(2, 31, DS("bez."));
        d.Text(2, 41, "[kg/m³]");
        d.Text(2, 49, "[cm]");
        d.Text(2, 56, "[W/mK]");
        d.Text(2, 64, "[m²K/W]");
        d.Text(2, 71, "(0/1/2)");
        for (std::size_t i = 1; i <= 7; ++i) {
            const int c = Spalten[i] - 2;
            d.LineX(0, c, zeilen + 1, c, false, false);
        }
        d.LineH(3, false);
    };
    // An empty database prints its one page, so that the printout says so.
    if (!b.FindFirst()) {
        neueSeite(4);
        d.Text(4, 1, DS("keine"));
        return;
    }
    int row = 0, letzteZeile = -1, ersteZeile = 0;
    std::string vorher;
    do {
        const std::string buchstabe = Anfangsbuchstabe(b.Bez());
        if (!buchstabe.empty() && buchstabe != vorher && row > ersteZeile) ++row;
        vorher = buchstabe;
        if (row > letzteZeile) {
            letzteZeile = d.Lines() - 5;
            neueSeite(letzteZeile);
            row = 4;
            ersteZeile = 4;
        }
        BaustoffZeile(b, row);
        ++row;
    } while (b.FindNext());
}

// The sections of a zone protocol after its use data: the three envelope
// tables as the user entered them with the computed sums per element type,
// the ventilation, the heat gains and the heating demand of the year and of
// each month.
#include "printing/Berichtshilfen.h"

#include "balance/Anzeigezahl.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOSymbole.h"
#include "frame/basZIRVO_HiRi.h"
#include "printing/FortlaufendeBox.h"
#include "project/ProjektGlobal.h"

#include <algorithm>
#include <vector>

namespace {

std::string Zahl(double x, int stellen) { return ZIRVO3801Drucken::DruckZahl(x, stellen, true); }
std::string ZahlOderLeer(double x, int stellen) { return ZIRVO3801Drucken::DruckZahl(x, stellen, false); }

// The orientation head split at its first blank into two lines.
std::pair<std::string, std::string> Zweizeilig(const std::string& text) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string::npos) return {text, {}};
    std::string oben = text.substr(0, blank), unten = text.substr(blank + 1);
    oben.erase(oben.find_last_not_of(' ') + 1);
    unten.erase(0, unten.find_first_not_of(' '));
    return {oben, unten};
}

// A shading input of a window in its column: wrapped at its blanks and
// after its commas into the room from the cell after `spalte` up to x = bis
// (cm). A value of it (a part between blanks and commas) is never broken:
// where one is wider than that room, the column begins further left, as far
// as the cell after `frühestens`.
struct Spaltentext {
    int spalte;
    std::vector<std::string> zeilen;
};
Spaltentext InSpalte(Drucken& d, const std::string& text, int spalte, int frühestens, double bis) {
    double breitester = 0;
    for (std::size_t a = 0; a < text.size();) {
        std::size_t e = text.find_first_of(" ,", a);
        e = e == std::string::npos ? text.size() : e + (text[e] == ',');
        if (e > a) breitester = std::max(breitester, d.Markupbreite(text.substr(a, e - a), true));
        a = e + (e < text.size() && text[e] == ' ');
    }
    const auto raum = [&](int c) { return bis / d.Zellenbreite() - (c + 1); };
    while (spalte > frühestens && raum(spalte) * d.Zellenbreite() < breitester) --spalte;
    return {spalte, d.Umbrechen(text, raum(spalte), true, FortlaufendeBox::ZeilenJeEintrag)};
}

} // namespace

void ZIRVO3801Drucken::HülleAussenluft() { Hülle(1); }
void ZIRVO3801Drucken::HülleUnbeheizt() { Hülle(2); }
void ZIRVO3801Drucken::HülleFenster() { Hülle(3); }

// art 1 against outside air ("A_"), 2 against unheated rooms, earth and
// neighbours ("U_"), 3 windows and doors ("F_").
void ZIRVO3801Drucken::Hülle(int art) {
    static const char* const titel[] = {
        "", "Gebäudehülle gegen Aussenluft",
        "Gebäudehülle gegen unbeheizte Räume, Erdreich und beheizte Nebenräume/Nebenzonen",
        "Gebäudehülle Fenster und Türen gegen Aussenluft"};
    static const char* const tabelle[] = {"", "A_", "U_", "F_"};
    static const char* const ergebnis[] = {"", "A", "U", "F"};
    const Projekt& p = Global::Projekt;
    const std::string title = DS(titel[art]);
    const KollektionZeiger t = p.ZGetColl(tabelle[art]);
    const int n = t ? t->Anzahl() : 0;
    if (n == 0) {
        KeineEinträge(title);
        return;
    }
    const bool fenster = art == 3;
    // The windows table has one sum row less: its rows move up by one.
    const int v = fenster ? -1 : 0;
    Drucken& d = drucken_;
    // A row takes as many lines as its designation needs (column 4 up to
    // the area), or a window's shading inputs, each in its column (fS1 up to
    // a cell before the column of fS2,3, fS2,3 up to the frame; a list of
    // fS2,3 whose values do not fit there begins further left, below the
    // value of fS1), or a window's orientation with its tilt, which goes on
    // in a second line where it would come too near the column line of the
    // g-value.
    struct Zeilentexte {
        std::vector<std::string> bez, richtung;
        Spaltentext fS1{70, {}}, fS23{73, {}};
        int fS23Zeile = 0; // the line of the row in which fS2,3 begins
        int Zeilen() const {
            return std::max<int>({1, static_cast<int>(bez.size()), static_cast<int>(richtung.size()),
                                  static_cast<int>(fS1.zeilen.size()),
                                  fS23Zeile + static_cast<int>(fS23.zeilen.size())});
        }
    };
    std::vector<Zeilentexte> texte(static_cast<std::size_t>(n));
    int zeilen = 0;
    for (int i = 0; i < n; ++i) {
        Zeilentexte& x = texte[static_cast<std::size_t>(i)];
        if (const KollektionZeiger z = t->Koll(i + 1)) {
            x.bez = d.Umbrechen(z->Text(2), 31, true, FortlaufendeBox::ZeilenJeEintrag);
            const std::string richtung = basZIRVO_HiRi::HimmelsrichtungDrehen(z->Text(7));
            if (fenster && z->Zahl(8) != 0) {
                const std::string neigung = Anzeigezahl::Zahltext(z->Zahl(8)) + "°";
                if (d.Markupbreite(richtung + "," + neigung, true) <=
                    Drucken::Spaltenbreite(53, 59) * d.Zellenbreite())
                    x.richtung = {richtung + "," + neigung};
                else
                    x.richtung = {richtung + ",", neigung};
            } else {
                x.richtung = {richtung};
            }
            if (fenster) {
                x.fS1 = InSpalte(d, z->Text(11), 70, 69, 73 * d.Zellenbreite());
                x.fS23 = InSpalte(d, z->Text(12), 73, 70, d.Textgrenze());
                if (x.fS23.spalte < 73) x.fS23Zeile = static_cast<int>(x.fS1.zeilen.size());
            }
        }
        zeilen += x.Zeilen();
    }
    // Title, the sums, the column heads and one row.
    FortlaufendeBox box(d, zeilen + 11 + v, true, title, 2 + 6 + v + 3 + 1);

    Monatstabelle Qt{};
    p.ZGetArr2(Qt, std::string("Qt") + ergebnis[art]);
    // Sums per element type: "DWBlp", for the windows "FTlp".
    const std::size_t typen = fenster ? 4 : 5;
    std::vector<double> fläche(typen, 0.0), U(typen, 0.0);
    p.ZGetArrX(fläche, std::string("ATot") + ergebnis[art]);
    p.ZGetArrX(U, std::string("AUTot") + ergebnis[art]);
    ElementtypenSetzen(art);
    const int summen = box.Zeilen(6 + v);
    for (int k = 0; k < static_cast<int>(typen); ++k) {
        const auto& e = elementtypen_[static_cast<std::size_t>(k)];
        const std::size_t i = static_cast<std::size_t>(k);
        const int r = summen + k;
        d.Text(r, 1, e[0]);
        d.Text(r, 4, e[1]);
        d.Text(r, 26, ZahlOderLeer(fläche[i], 1), false, true, 7);
        d.Text(-1, 0, " " + e[2]);
        d.Text(r, 37, ZahlOderLeer(U[i], 2), false, true, 5);
        d.Text(-1, 0, " " + e[3]);
        d.Text(r, 49, ZahlOderLeer(Qt[12][i], 1), true, true, 7);
        d.Text(-1, 0, " " + e[4]);
    }
    d.LineH(summen + 5 + v, false);
    std::vector<int> linien = {42, 50, 52, 59};
    if (fenster) linien.push_back(64);
    box.Abschnitt(
        3,
        [&](int kopf) {
            d.Text(kopf, 1, DS("Bauteil") + " /" + DS("Wärmebrücke"));
            d.Text(kopf + 1, 1, "C");
            d.Text(kopf + 1, 4, DS("Text"));
            d.Text(kopf, 36, DS("Fläche"));
            d.Text(kopf + 1, 38, einheiten_[E_m2]);
            // The item number has no unit: its head stands over the numbers
            // in the row of "U" and "H"; the U-value's unit, wider than its
            // column, ends with the U-values.
            d.Text(kopf, 43, "#", false, true, 2);
            d.Text(kopf + 1, 46, einheiten_[E_W_m2K], false, true, 4);
            d.Text(kopf, 46, "U");
            d.Text(kopf, 51, "H");
            const auto [orientierung1, orientierung2] = Zweizeilig(DS("Orientie- rung"));
            d.Text(kopf, 53, orientierung1);
            d.Text(kopf + 1, 53, orientierung2);
            if (art == 2) {
                d.Text(kopf, 61, "b÷(u)");
                d.Text(kopf, 65, "b÷(G)");
                d.Text(kopf, 69, basZIRVOSymbole::SymbolTheta + "÷(in)/" + DS("Zone"));
                d.Text(kopf + 1, 62, einheiten_[E_Ohne]);
                d.Text(kopf + 1, 66, einheiten_[E_Ohne]);
                d.Text(kopf + 1, 70, einheiten_[E_GradC] + " / " + einheiten_[E_Ohne]);
            }
            if (fenster) {
                d.Text(kopf, 61, "g");
                d.Text(kopf, 65, "f÷(f)");
                d.Text(kopf, 69, "f÷(S1)");
                d.Text(kopf, 73, "f÷(S2,3)");
                for (int c : {62, 66, 70, 74}) d.Text(kopf + 1, c, einheiten_[E_Ohne]);
            }
            d.LineX(kopf + 2, 0, kopf + 2, 76, false, false);
        },
        [&d, &linien](int kopf, int unten) {
            for (int c : linien) d.LineX(kopf - 1, c, unten, c, false, false);
        });

    for (int i = 0; i < n; ++i) {
        const Zeilentexte& x = texte[static_cast<std::size_t>(i)];
        const int r = box.Zeilen(x.Zeilen());
        const KollektionZeiger z = t->Koll(i + 1);
        if (!z) continue;
        d.Text(r, 1, z->Text(1), true);
        d.Textzeilen(r, 4, x.bez, true);
        d.Text(r, 35, ZahlOderLeer(z->Zahl(3), 1), true, true, 7);
        d.Text(r, 43, ZahlOderLeer(z->Zahl(4), 0), true, true, 2);
        d.Text(r, 46, ZahlOderLeer(z->Zahl(5), 2), true, true, 4);
        d.Text(r, 51, z->Text(6), true);
        const int spalte = fenster && z->Zahl(8) != 0 ? 53 : 54;
        for (std::size_t k = 0; k < x.richtung.size(); ++k)
            d.TextBis(r + static_cast<int>(k), spalte, x.richtung[k], true, 59);
        if (art == 2) {
            d.Text(r, 60, ZahlOderLeer(z->Zahl(8), 2), true, true, 4);
            d.Text(r, 65, ZahlOderLeer(z->Zahl(9), 2), true, true, 4);
            d.Text(r, 70, z->Text(10), true);
        }
        if (fenster) {
            // Each value under its head: the frame factor ends a cell before
            // the column of fS1, whose head begins there.
            d.Text(r, 60, ZahlOderLeer(z->Zahl(9), 2), true, true, 4);
            d.Text(r, 65, ZahlOderLeer(z->Zahl(10), 2), true, true, 3);
            d.Textzeilen(r, x.fS1.spalte, x.fS1.zeilen, true);
            d.Textzeilen(r + x.fS23Zeile, x.fS23.spalte, x.fS23.zeilen, true);
        }
    }
    box.Ende();
}

// ---- ventilation -----------------------------------------------------------------

void ZIRVO3801Drucken::Lüftung() {
    const double ML = Global::Projekt.ZGetNum("ML");
    if (ML == 0) LüftungNatürlich();
    else if (ML == 1) LüftungMechanisch();
    else LüftungKombiniert();
}

namespace {

// The rows the three ventilation boxes share.
struct Lüftungszeilen {
    Drucken& d;
    const ZIRVO3801Drucken& r;

    void EBF(int row, double ebf) const {
        d.Text(row, 1, DS("Energiebezugsfläche EBF"));
        d.Text(row, 24, Zahl(ebf, 1), true, true, 7);
        d.Text(row, 32, r.Einheitstext(ZIRVO3801Drucken::E_m2));
    }
    void Verlust(int row, const std::string& label, bool symbol, double q, bool fett) const {
        d.Text(row, 40, label);
        if (symbol) d.Text(row, 60, "Q÷(V)");
        d.Text(row, 62, Zahl(q, 1), fett, true, 7);
        d.Text(row, 70, r.Einheitstext(ZIRVO3801Drucken::E_kWh_m2));
    }
    void Luftrate(int row) const {
        d.Text(row, 1, DS("Aussenluft-Volumenstrom"));
        d.Text(row, 27, Zahl(Global::Projekt.ZGetNum("AVE"), 2), true, true, 4);
        d.Text(row, 32, r.Einheitstext(ZIRVO3801Drucken::E_m3_hm2));
    }
};

// A remark from column 15 to the frame, in as many lines as it needs (one
// at least).
std::vector<std::string> Bemerkungszeilen(Drucken& d, const std::string& text) {
    std::vector<std::string> zeilen = d.Umbrechen(text, 62, true, FortlaufendeBox::ZeilenJeEintrag);
    if (zeilen.empty()) zeilen.emplace_back();
    return zeilen;
}

Monatsarray Jahr(const char* schlüssel) {
    Monatsarray a{};
    Global::Projekt.ZGetArr1(a, schlüssel);
    return a;
}

} // namespace

void ZIRVO3801Drucken::LüftungNatürlich() {
    const Lüftungszeilen z{drucken_, *this};
    drucken_.Box(4, true);
    drucken_.Text(1, 1, DS("Lüftung, natürlich"), true);
    drucken_.LineH(2, true);
    z.EBF(3, Global::Projekt.ZGetNum("EBF"));
    z.Verlust(3, DS("Lüftungswärmeverlust"), true, Jahr("Qv")[12], true);
    z.Luftrate(4);
}

void ZIRVO3801Drucken::LüftungMechanisch() {
    const Lüftungszeilen z{drucken_, *this};
    const auto bemerkung = Bemerkungszeilen(drucken_, Global::Projekt.ZGetStr("LmBem"));
    drucken_.Box(9 + static_cast<int>(bemerkung.size()), true);
    drucken_.Text(1, 1, DS("Lüftung, mechanisch"), true);
    drucken_.LineH(2, true);
    z.Verlust(3, DS("Lüftungswärmeverlust"), true, Jahr("Qvm")[12], true);
    LüftungsgerätDaten(3, Global::Projekt.ZGetNum("EBF"));
}

void ZIRVO3801Drucken::LüftungKombiniert() {
    const Projekt& p = Global::Projekt;
    const Lüftungszeilen z{drucken_, *this};
    const double E = p.ZGetNum("EBF");
    const double Em = E * p.ZGetNum("MLAnteil") / 100;
    const double Qv = Jahr("Qv")[12], Qvm = Jahr("Qvm")[12];
    Drucken& d = drucken_;
    d.Box(16 + static_cast<int>(Bemerkungszeilen(d, p.ZGetStr("LmBem")).size()), true);
    d.Text(1, 1, DS("Lüftung, natürlich und mechanisch"), true);
    d.LineH(2, true);
    z.EBF(3, E);
    z.Verlust(3, DS("Lüftungswärmeverlust"), true, Qv + Qvm, true);
    d.LineH(4, false);
    d.Text(5, 1, DS("Natürliche Lüftung"), true);
    z.EBF(6, E - Em);
    z.Verlust(6, DS("Lüftungswärmeverlust") + " " + DS("nat."), false, Qv, false);
    z.Luftrate(7);
    d.LineH(8, false);
    d.Text(9, 1, DS("Mechanische Lüftung"), true);
    z.Verlust(10, DS("Lüftungswärmeverlust") + " " + DS("mech."), false, Qvm, false);
    LüftungsgerätDaten(10, Em);
}

void ZIRVO3801Drucken::LüftungsgerätDaten(int r, double ebf) {
    const Projekt& p = Global::Projekt;
    std::string bez;
    double luftstrom = 0, betriebszeit = 0, wrg = 0;
    if (const KollektionZeiger t = p.ZGetColl("Lm_"); t && t->Anzahl() == 1)
        if (const KollektionZeiger z = t->Koll(1)) {
            bez = z->Text(1);
            luftstrom = z->Zahl(2);
            betriebszeit = z->Zahl(3);
            wrg = z->Zahl(4);
        }
    const Lüftungszeilen z{drucken_, *this};
    Drucken& d = drucken_;
    z.EBF(r, ebf);
    d.Text(r + 2, 1, DS("Bezeichnung"));
    d.Text(r + 2, 15, bez, true);
    const struct {
        int zeile;
        const char* label;
        double wert;
        Einheit einheit;
    } gerät[] = {{3, "Luftstrom", luftstrom, E_m3_h},
                 {4, "Betriebszeit", betriebszeit, E_h_a},
                 {5, "Wärmerückgewinnung (WRG)", wrg, E_Prozent}};
    for (const auto& g : gerät) {
        d.Text(r + g.zeile, 1, DS(g.label));
        d.Text(r + g.zeile, 24, Zahl(g.wert, 0), true, true, 7);
        d.Text(r + g.zeile, 32, einheiten_[g.einheit]);
    }
    d.Text(r + 3, 40, DS("Aussenluft-Volumenstrom"));
    d.Text(r + 4, 40, " - " + DS("während der Betriebszeit"));
    d.Text(r + 4, 62, Zahl(p.ZGetNum("LmAVw"), 2), true, true, 7);
    d.Text(r + 4, 70, einheiten_[E_m3_hm2]);
    d.Text(r + 5, 40, " - " + DS("ausserhalb der Betriebszeit"));
    d.Text(r + 5, 62, Zahl(p.ZGetNum("LmAVa"), 2), true, true, 7);
    d.Text(r + 5, 70, einheiten_[E_m3_hm2]);
    d.Text(r + 7, 1, DS("Bemerkung"));
    const auto bemerkung = Bemerkungszeilen(d, p.ZGetStr("LmBem"));
    d.Textzeilen(r + 7, 15, bemerkung, true);
}

// ---- heat gains ------------------------------------------------------------------

void ZIRVO3801Drucken::Wärmeeinträge() {
    const Projekt& p = Global::Projekt;
    std::vector<double> QeZ(6, 0.0);
    p.ZGetArrX(QeZ, "QeZ");
    const KollektionZeiger verbraucher = p.ZGetColl("GE_");
    const int n = verbraucher ? verbraucher->Anzahl() : 0;
    const std::string bemerkung = p.ZGetStr("GEBem");
    const auto bemerkungszeilen = Bemerkungszeilen(drucken_, bemerkung);
    Drucken& d = drucken_;
    d.Box((n == 0 ? 15 : n + 19) + (bemerkung.empty() ? 0 : 1 + static_cast<int>(bemerkungszeilen.size())), true);
    d.Text(1, 1, DS("Wärmeeinträge"), true);
    d.LineH(2, true);
    const auto gewinn = [&](int r, const char* label, const char* symbol, double wert, bool fett) {
        d.Text(r, 40, DS(label));
        d.Text(r, 60, symbol);
        d.Text(r, 62, Zahl(wert, 1), fett, true, 7);
        d.Text(r, 70, einheiten_[E_kWh_m2]);
    };
    const auto wert = [&](int r, const char* label, int spalte, double x, int stellen, int breite, Einheit e) {
        d.Text(r, 1, DS(label));
        d.Text(r, spalte, Zahl(x, stellen), false, true, breite);
        d.Text(r, 32, einheiten_[e]);
    };
    d.Text(3, 1, DS("Ausnutzungsgrad"));
    d.Text(3, 26, Zahl(Jahr("EtaG")[12], 2), true, true, 5);
    d.Text(3, 32, einheiten_[E_Ohne]);
    gewinn(3, "Genutzte Wärmeeinträge", "Q÷(ug)", Jahr("Qug")[12], true);
    d.LineH(4, false);
    d.Text(5, 1, DS("Sonnenstrahlung"), true);
    d.Text(6, 1, DS("Ausmass der Fenster bei der Gebäudehülle"));
    gewinn(6, "Solare Wärmeeinträge", "Q÷(s)", Jahr("QgS")[12], false);
    d.LineH(7, false);
    d.Text(8, 1, DS("Personen"), true);
    wert(9, "Personenfläche", 28, p.ZGetNum("PFl"), 0, 3, E_m2_P);
    gewinn(9, "Wärmeeinträge Personen", "Q÷(i,P)", Jahr("QgP")[12], false);
    wert(10, "Wärmeabgabe pro Person", 28, p.ZGetNum("PWP"), 0, 3, E_W_P);
    wert(11, "Präsenzzeit pro Tag", 28, p.ZGetNum("PPr"), 0, 3, E_h_d);
    d.LineH(12, false);
    d.Text(13, 1, DS("Elektrizität"), true);
    wert(14, "Elektrizitätsverbrauch pro Jahr", 27, p.ZGetNum("El"), 0, 4, E_kWh_m2);
    gewinn(14, "Wärmeeinträge Elektrizität", "Q÷(i,el)", Jahr("QgE")[12], false);
    wert(15, "Reduktionsfaktor Elektrizität", 27, p.ZGetNum("fe"), 2, 4, E_Ohne);

    int bemerkungsZeile = 17;
    if (n > 0) {
        d.LineX(16, 0, 16, 76, false, false);
        d.Text(17, 1, DS("Zusätzlicher Elektrizitätsverbrauch"));
        d.Text(17, 36, DS("Leistung"));
        d.Text(17, 44, DS("Betriebszeit"));
        d.Text(17, 54, DS("Reduktionsf."));
        d.Text(17, 64, DS("Wärmeeintrag"));
        d.Text(18, 1, DS("Bezeichnung"));
        d.Text(18, 37, einheiten_[E_W], false, true, 5);
        d.Text(18, 46, einheiten_[E_h_a], false, true, 5);
        d.Text(18, 55, einheiten_[E_Ohne], false, true, 5);
        d.Text(18, 65, einheiten_[E_kWh_m2], false, true, 7);
        d.LineX(19, 0, 19, 75, false, false);
        for (int c : {43, 53, 63}) d.LineX(16, c, n + 20, c, false, false);
        for (int i = 0; i < n; ++i) {
            const KollektionZeiger z = verbraucher->Koll(i + 1);
            if (!z) continue;
            const int r = i + 20;
            // The designation up to the power column.
            d.TextBis(r, 1, z->Text(1), true, 35);
            d.Text(r, 37, ZahlOderLeer(z->Zahl(2), 0), true, true, 5);
            d.Text(r, 46, ZahlOderLeer(z->Zahl(3), 0), true, true, 5);
            d.Text(r, 55, ZahlOderLeer(z->Zahl(4), 2), true, true, 5);
            if (static_cast<std::size_t>(i) < QeZ.size())
                d.Text(r, 65, ZahlOderLeer(QeZ[static_cast<std::size_t>(i)], 1), false, true, 7);
        }
        if (!bemerkung.empty()) d.LineX(n + 20, 0, n + 20, 76, false, false);
        bemerkungsZeile = n + 21;
    }
    if (bemerkung.empty()) return;
    d.Text(bemerkungsZeile, 1, DS("Bemerkung"));
    d.Textzeilen(bemerkungsZeile, 15, bemerkungszeilen, true);
}

// ---- heating demand --------------------------------------------------------------

void ZIRVO3801Drucken::Heizwärmebedarf() {
    const Projekt& p = Global::Projekt;
    Monatstabelle qtA{}, qtU{}, qtF{};
    p.ZGetArr2(qtA, "QtA");
    p.ZGetArr2(qtU, "QtU");
    p.ZGetArr2(qtF, "QtF");
    const Monatsarray qh = Jahr("Qh");
    const double QT = qtA[12][5] + qtU[12][5] + qtF[12][5];
    const double QV = Jahr("Qv")[12] + Jahr("Qvm")[12];
    const double Qi = Jahr("QgP")[12] + Jahr("QgE")[12];
    const double Qs = Jahr("QgS")[12];
    const double eta = Jahr("EtaG")[12];
    const double QH = (QV + QT) - (Qs + Qi) * eta;

    Drucken& d = drucken_;
    d.Box(11, true);
    d.Text(1, 1, DS("Heizwärmebedarf"), true);
    d.LineH(2, true);
    const struct {
        const char* label;
        std::string symbol;
        double wert;
        int stellen;
        Einheit einheit;
    } jahr[] = {{"Wärmebedarf Transmission", "Q÷(T)", QT, 1, E_kWh_m2},
                {"Wärmebedarf Lüftung", "Q÷(V)", QV, 1, E_kWh_m2},
                {"Interne Wärmeeinträge", "Q÷(i)", Qi, 1, E_kWh_m2},
                {"Solare Wärmeeinträge", "Q÷(s)", Qs, 1, E_kWh_m2},
                {"Ausnutzungsgrad", basZIRVOSymbole::SymbolEta + "÷(g)", eta, 2, E_Ohne}};
    int r = 3;
    for (const auto& z : jahr) {
        d.Text(r, 1, DS(z.label));
        d.Text(r, 22, z.symbol);
        d.Text(r, 24, Zahl(z.wert, z.stellen), true, true, 7);
        d.Text(r++, 32, einheiten_[z.einheit]);
    }
    d.Text(3, 40, DS("Heizwärmebedarf"));
    d.Text(3, 60, "Q÷(H)");
    d.Text(3, 62, Zahl(basZIRVO3801::Runden(QH, 1), 1), true, true, 7);
    d.Text(3, 70, einheiten_[E_kWh_m2]);
    d.LineH(8, false);
    d.Text(9, 1, "Q÷(H)");
    d.Text(9, 1, DS("im Monat"), false, true, 14);
    d.LineX(10, 0, 10, 76, false, false);
    d.Text(11, 1, einheiten_[E_kWh_m2], false, true, 14);
    for (int m = 0; m < 12; ++m) {
        const int x = 5 * m + 17;
        d.LineX(8, x - 1, 12, x - 1, false, false);
        d.Text(9, x, std::to_string(m + 1));
        d.Text(11, x, Zahl(qh[static_cast<std::size_t>(m)], 1), true, true, 4);
    }
}

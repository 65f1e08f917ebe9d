// The printed monthly energy table of the current zone: one landscape page
// with a row per energy quantity, the year and the twelve months, in
// kWh/m², as the zone balance stored them. Months without heating demand
// (total loss not above 0) are bracketed: the year does not count them.
#include "printing/ZIRVO3801Drucken.h"

#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "project/ProjektGlobal.h"

namespace {

constexpr int SpalteJahr = 34;
constexpr int SpalteJanuar = 42;
constexpr int Monatsbreite = 7;

Monatsarray Spalte(const Monatstabelle& t, int a, int b = -1) {
    Monatsarray r{};
    for (std::size_t m = 0; m < 13; ++m) r[m] = t[m][static_cast<std::size_t>(a)] + (b >= 0 ? t[m][static_cast<std::size_t>(b)] : 0);
    return r;
}

Monatsarray Summe(const Monatsarray& a, const Monatsarray& b) {
    Monatsarray r{};
    for (std::size_t m = 0; m < 13; ++m) r[m] = a[m] + b[m];
    return r;
}

} // namespace

void ZIRVO3801Drucken::EnergieZeile(int& row, const std::string& label, const Monatsarray& values, bool dreiStellen,
                                    bool bold) {
    Drucken& d = drucken_;
    const int stellen = dreiStellen ? 3 : 2;
    d.Text(row, 1, label, bold);
    d.Text(row, SpalteJahr, DruckZahl(values[12], stellen, true), bold, true, Monatsbreite);
    for (int m = 0; m < 12; ++m) {
        const double v = values[static_cast<std::size_t>(m)];
        if (v == 0 && !bold) continue;
        std::string text = DruckZahl(v, stellen, true);
        if (!heizmonate_[static_cast<std::size_t>(m)]) text = "(" + text + ")";
        d.Text(row, SpalteJanuar + Monatsbreite * m, text, bold, true, Monatsbreite);
    }
    ++row;
}

void ZIRVO3801Drucken::Energien(bool& failed) {
    failed = false;
    const Projekt& p = Global::Projekt;
    Monatstabelle qtA{}, qtU{}, qtF{};
    p.ZGetArr2(qtA, "QtA");
    p.ZGetArr2(qtU, "QtU");
    p.ZGetArr2(qtF, "QtF");
    Monatsarray qv{}, qvm{}, qt{}, qug{}, qgS{}, qgP{}, qgE{}, etaG{}, qh{};
    p.ZGetArr1(qv, "Qv");
    p.ZGetArr1(qvm, "Qvm");
    p.ZGetArr1(qt, "Qt");
    p.ZGetArr1(qug, "Qug");
    p.ZGetArr1(qgS, "QgS");
    p.ZGetArr1(qgP, "QgP");
    p.ZGetArr1(qgE, "QgE");
    p.ZGetArr1(etaG, "EtaG");
    p.ZGetArr1(qh, "Qh");
    const Monatsarray lüftung = Summe(qv, qvm);
    const Monatsarray transmission = Summe(Summe(Spalte(qtA, 5), Spalte(qtU, 5)), Spalte(qtF, 5));
    for (std::size_t m = 0; m < 12; ++m) heizmonate_[m] = qt[m] > 0;

    KopfzeileZone("", 0);
    Drucken& d = drucken_;
    d.Box(EnergieZeilen, true);
    d.Text(1, 1, DS("Energie"), true);
    d.Text(1, 9, "(" + DSFormat("Werte in @", "[kWh/m²]") + ")");
    d.Text(1, SpalteJahr, DS("Jahr"), false, true, Monatsbreite);
    const auto monate = basZIRVO3801::MonatsnamenInitialisieren();
    for (int m = 0; m < 12; ++m)
        d.Text(1, SpalteJanuar + Monatsbreite * m, monate[static_cast<std::size_t>(m)], false, true, Monatsbreite);
    d.LineH(2, false);
    d.LineX(0, SpalteJanuar, 35, SpalteJanuar, true, false);
    for (int m = 1; m < 12; ++m) {
        const int c = SpalteJanuar + Monatsbreite * m;
        d.LineX(0, c, 35, c, false, false);
    }

    const auto unter = [](const char* name) { return "- " + DS(name); };
    int row = 3;
    const auto trennen = [&] { d.LineH(row++, false); };
    EnergieZeile(row, DS("Gegen Aussenluft"), Spalte(qtA, 5), false, true);
    EnergieZeile(row, unter("Dach"), Spalte(qtA, 0), false, false);
    EnergieZeile(row, unter("Wand"), Spalte(qtA, 1), false, false);
    EnergieZeile(row, unter("Boden"), Spalte(qtA, 2), false, false);
    EnergieZeile(row, unter("Wärmebrücke"), Spalte(qtA, 3, 4), false, false);
    trennen();
    EnergieZeile(row, DS("Gegen Unbeheizt/Erdreich"), Spalte(qtU, 5), false, true);
    EnergieZeile(row, unter("Dach"), Spalte(qtU, 0), false, false);
    EnergieZeile(row, unter("Wand"), Spalte(qtU, 1), false, false);
    EnergieZeile(row, unter("Boden"), Spalte(qtU, 2), false, false);
    EnergieZeile(row, unter("Wärmebrücke"), Spalte(qtU, 3, 4), false, false);
    trennen();
    EnergieZeile(row, DS("Fenster/Türen"), Spalte(qtF, 5), false, true);
    EnergieZeile(row, unter("Fenster"), Spalte(qtF, 0), false, false);
    EnergieZeile(row, unter("Türe"), Spalte(qtF, 1), false, false);
    EnergieZeile(row, unter("Wärmebrücke"), Spalte(qtF, 2, 3), false, false);
    trennen();
    EnergieZeile(row, DS("Transmissionswärmeverlust"), transmission, false, false);
    trennen();
    EnergieZeile(row, DS("Lüftung"), lüftung, false, true);
    EnergieZeile(row, unter("Lüftung natürlich"), qv, false, false);
    EnergieZeile(row, unter("Lüftung mechanisch"), qvm, false, false);
    trennen();
    EnergieZeile(row, DS("Gesamtwärmeverlust"), qt, false, false);
    trennen();
    EnergieZeile(row, DS("Wärmeeinträge"), qug, false, true);
    EnergieZeile(row, unter("Ausnutzungsgrad"), etaG, true, false);
    EnergieZeile(row, unter("Sonne"), qgS, false, false);
    EnergieZeile(row, unter("Personen"), qgP, false, false);
    EnergieZeile(row, unter("Elektrizität"), qgE, false, false);
    trennen();
    EnergieZeile(row, DS("Heizwärmebedarf"), qh, false, true);

    d.Text(EnergieZeilen + 2, 1,
           DSFormat("Der Jahreswert ergibt sich aus der Summe der Monate mit einem positiven Gesamtwärmeverlust (@).",
                    "(Q÷(T)+Q÷(V)) > 0") +
               " " + DS("Unberücksichtigte Werte erscheinen in Klammern."));
}

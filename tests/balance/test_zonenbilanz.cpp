// The zone balance driver: its steps in order, the stop at the first
// failing step, the envelope records it resets and reduces, and the
// look-ups in other zones, which always leave the current zone as it was.
#include "balance/Gebaeudehuelle.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_Array.h"
#include "mainwindow/frmZIRVO3801.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Testhilfe::Zonenprojekt;

constexpr double Marke = 99;

// Marks the results of every step, to see which steps wrote theirs.
void ErgebnisseMarkieren(Projekt& p) {
    Monatstabelle t{};
    t[0][5] = Marke;
    for (const char* k : {"QtA", "QtU", "QtF"}) p.ZSetArr2(t, k);
    Monatsarray m{};
    m[0] = Marke;
    for (const char* k : {"Qv", "QgP", "Qh"}) p.ZSetArr1(m, k);
}

bool Markiert(const Projekt& p, const char* key) {
    if (key[0] == 'Q' && key[1] == 't') {
        Monatstabelle t{};
        p.ZGetArr2(t, key);
        return t[0][5] == Marke;
    }
    Monatsarray m{};
    p.ZGetArr1(m, key);
    return m[0] == Marke;
}

KollektionZeiger Zeile(std::initializer_list<Kollektion::Wert> werte) {
    auto z = Kollektion::Neu();
    for (const auto& w : werte) z->WertHinzufügen(w);
    return z;
}

// A stored U row: C, Bez, Fl, Bt, U, H, O, Bu, BG, Tin.
KollektionZeiger UZeile(const std::string& C, double Fl, double Bt, double U, const std::string& O,
                        const std::string& Tin, const std::string& H) {
    return Zeile({C, std::string(), Fl, Bt, U, H, O, 0.0, 0.0, Tin});
}

void ZeilenSetzen(Projekt& p, std::int16_t zone, const char* key, std::vector<KollektionZeiger> zeilen) {
    std::int16_t bisher = p.GetNZone();
    p.SetNZone(zone);
    auto t = Kollektion::Neu();
    for (auto& z : zeilen) t->Hinzufügen(z);
    p.ZSetColl(std::move(t), key);
    p.SetNZone(bisher);
}

void ZonenwertSetzen(Projekt& p, std::int16_t zone, const char* key, double wert) {
    std::int16_t bisher = p.GetNZone();
    p.SetNZone(zone);
    p.ZSetNum(wert, key);
    p.SetNZone(bisher);
}

} // namespace

TEST(Zonenbilanz, SchritteInReihenfolgeHaltBeimErstenFehler) {
    Zonenprojekt z;
    auto& f = z.F;
    auto& p = z.P;

    // No EBF: the EBF step stores 0, the outside-air step stops without a cell.
    ErgebnisseMarkieren(p);
    EXPECT_TRUE(f.ProjektZoneBerechnen());
    EXPECT_EQ(Eingabefehler.Text, "Fehlende EBF");
    EXPECT_EQ(Eingabefehler.Tabelle, TabelleA);
    EXPECT_EQ(Eingabefehler.Steuerelement, nullptr);
    EXPECT_EQ(p.ZGetNum("EBF0"), 0);
    EXPECT_EQ(p.ZGetNum("EBF"), 0);
    EXPECT_TRUE(Markiert(p, "QtA"));

    // A broken formula in the EBF table: the zone keeps its area.
    z.EBFSetzen(100);
    z.Zeile(TabelleEBF, 1, {"{1/0}"});
    EXPECT_TRUE(f.ProjektZoneBerechnen());
    EXPECT_EQ(Eingabefehler.Tabelle, TabelleEBF);
    EXPECT_EQ(Eingabefehler.Steuerelement, &f.txtEBFBez[1]);
    EXPECT_EQ(p.ZGetNum("EBF"), 100);
    EXPECT_TRUE(Markiert(p, "QtA"));
    f.txtEBFBez[1].setText("");

    // A faulty row of table A.
    z.Zeile(TabelleA, 3, {"Q", "", "10"});
    EXPECT_TRUE(f.ProjektZoneBerechnen());
    EXPECT_EQ(Eingabefehler.Tabelle, TabelleA);
    EXPECT_EQ(Eingabefehler.Steuerelement, &f.txtDaC[3]);
    EXPECT_TRUE(Markiert(p, "QtA"));
    EXPECT_TRUE(Markiert(p, "QtU"));
    z.Zeile(TabelleA, 3, {"W", "", "10", "", "0.3", "", "S"});

    // A faulty row of table U: A is stored, U and later not.
    z.Zeile(TabelleU, 0, {"X", "", "10"});
    EXPECT_TRUE(f.ProjektZoneBerechnen());
    EXPECT_EQ(Eingabefehler.Tabelle, TabelleU);
    EXPECT_EQ(Eingabefehler.Steuerelement, &f.txtDuC[0]);
    EXPECT_FALSE(Markiert(p, "QtA"));
    EXPECT_TRUE(Markiert(p, "QtU"));
    EXPECT_TRUE(Markiert(p, "QtF"));
    z.Zeile(TabelleU, 0, {"B", "", "10", "", "0.3", "", "", "0.7"});

    // A faulty row of table F: ventilation and later are not reached.
    z.Zeile(TabelleF, 2, {"", "", "2"});
    EXPECT_TRUE(f.ProjektZoneBerechnen());
    EXPECT_EQ(Eingabefehler.Tabelle, TabelleF);
    EXPECT_EQ(Eingabefehler.Steuerelement, &f.txtFC[2]);
    EXPECT_FALSE(Markiert(p, "QtU"));
    EXPECT_TRUE(Markiert(p, "QtF"));
    EXPECT_TRUE(Markiert(p, "Qv"));
    EXPECT_TRUE(Markiert(p, "Qh"));
    z.Zeile(TabelleF, 2, {"", "", ""});

    // Every step runs.
    EXPECT_FALSE(f.ProjektZoneBerechnen());
    for (const char* k : {"QtF", "Qv", "QgP", "Qh"}) EXPECT_FALSE(Markiert(p, k)) << k;
    Monatsarray qh{};
    p.ZGetArr1(qh, "Qh");
    EXPECT_GT(qh[12], 0);
    EXPECT_EQ(p.GetNZone(), 0);
}

TEST(Zonenbilanz, HüllenzeilenZurückgesetztUndAufHeizmonateReduziert) {
    Zonenprojekt z;
    auto& f = z.F;
    auto& p = z.P;
    // At 18 °C, July and August (18.4 °C) lose heat to nothing: no heating.
    p.ZSetNum(18, "Ti");
    z.EBFSetzen(100);
    z.Zeile(TabelleA, 0, {"W", "", "50", "", "0.25", "", "S"});
    z.Zeile(TabelleA, 1, {"D", "", "40", "", "0.2"});
    z.Zeile(TabelleF, 0, {"F", "", "10", "", "1.0", "", "S", "", "0.5", "0.75", "-", "-"});

    // The row steps alone give the raw records.
    ASSERT_FALSE(f.BerechnenQtA());
    ASSERT_FALSE(f.BerechnenQtF());
    Monatsarray verlust{}, gewinn{}, roh{};
    ASSERT_TRUE(Gebäudehülle::Instanz().FürTest__QMt(0, 3, 0, verlust, roh));
    ASSERT_TRUE(Gebäudehülle::Instanz().FürTest__QMt(0, 1, 0, verlust, gewinn));
    // Wall: 0.25 · 50 · 0.024 = 0.3 kWh/(K·d); July (18 - 18.4) · 31 · 0.3 = -3.72.
    EXPECT_NEAR(verlust[6], -3.72, 1e-9);

    ASSERT_FALSE(f.ProjektZoneBerechnen());
    Monatsarray Qt{}, EtaG{};
    p.ZGetArr1(Qt, "Qt");
    p.ZGetArr1(EtaG, "EtaG");
    ASSERT_LE(Qt[6], 0);
    ASSERT_GT(Qt[0], 0);
    ASSERT_TRUE(Gebäudehülle::Instanz().FürTest__QMt(0, 1, 0, verlust, gewinn));
    // January: (18 - 0.4) · 31 · 0.3 = 163.68; July dropped.
    EXPECT_NEAR(verlust[0], 163.68, 1e-9);
    EXPECT_EQ(verlust[6], 0);
    EXPECT_EQ(verlust[7], 0);
    // The window's gains are the utilised ones of the heating months.
    ASSERT_TRUE(Gebäudehülle::Instanz().FürTest__QMt(0, 3, 0, verlust, gewinn));
    for (std::size_t m = 0; m < 12; ++m) {
        const double erwartet = Qt[m] <= 0 ? 0.0 : roh[m] * EtaG[m];
        EXPECT_NEAR(gewinn[m], erwartet, 1e-9) << m;
    }
    EXPECT_GT(gewinn[0], 0);

    // A row taken out of the table leaves an empty record after the next run.
    z.Zeile(TabelleA, 1, {"", "", "", "", ""});
    ASSERT_FALSE(f.ProjektZoneBerechnen());
    ASSERT_TRUE(Gebäudehülle::Instanz().FürTest__QMt(0, 1, 1, verlust, gewinn));
    for (double v : verlust) EXPECT_EQ(v, 0);
    EXPECT_NEAR(Gebäudehülle::Instanz().Faktor_H(0), 0.25 * 50 + 1.0 * 10, 1e-12);
}

TEST(Zonenbilanz, NachbarzoneTemperatur) {
    Zonenprojekt z;
    auto& f = z.F;
    auto& p = z.P;
    double T = -99;
    // One zone: never found.
    EXPECT_TRUE(f.NachbarzoneTemperatur("", T, true));
    EXPECT_EQ(T, -99);
    // ... so a partition naming a zone fails the balance on its cell.
    z.EBFSetzen(100);
    z.Zeile(TabelleU, 1, {"W", "", "12", "", "0.3", "", "N", "", "", "Z2"});
    EXPECT_TRUE(f.ProjektZoneBerechnen());
    EXPECT_EQ(Eingabefehler.Text, "Es gibt keine Nachbarzone mit dem Code 'Z2'.");
    EXPECT_EQ(Eingabefehler.Tabelle, TabelleU);
    EXPECT_EQ(Eingabefehler.Steuerelement, &f.txtDuTin[1]);

    p.ZSetStr("A", "Code");
    const std::int16_t b1 = z.ZoneHinzufügen("B");
    const std::int16_t b2 = z.ZoneHinzufügen("B");
    ZonenwertSetzen(p, b1, "Ti", 22);
    ZonenwertSetzen(p, b1, "RZ", 1);
    ZonenwertSetzen(p, b2, "Ti", 18);

    EXPECT_FALSE(f.NachbarzoneTemperatur("B", T, true));
    EXPECT_EQ(T, 23); // the first zone with the code, corrected 22 + 1
    EXPECT_FALSE(f.NachbarzoneTemperatur("B", T, false));
    EXPECT_EQ(T, 22);
    T = -99;
    EXPECT_TRUE(f.NachbarzoneTemperatur("b", T, true)); // codes compare exactly
    EXPECT_TRUE(f.NachbarzoneTemperatur("A", T, true)); // the zone is not its own neighbour
    EXPECT_EQ(T, -99);
    EXPECT_EQ(p.GetNZone(), 0);

    // From the first "B", the other "B" is the neighbour.
    p.SetNZone(b1);
    EXPECT_FALSE(f.NachbarzoneTemperatur("B", T, true));
    EXPECT_EQ(T, 18);
    EXPECT_FALSE(f.NachbarzoneTemperatur("A", T, true));
    EXPECT_EQ(T, 20);
    EXPECT_EQ(p.GetNZone(), b1);
}

TEST(Zonenbilanz, NachbarzeileVorlauftemperatur) {
    Zonenprojekt z;
    auto& f = z.F;
    auto& p = z.P;
    double VT = 99;
    // One zone: the look-up answers at once.
    EXPECT_TRUE(f.NachbarzeileVorlauftemperatur("B", "W", 20, 3, 0, "N", "", VT));
    EXPECT_EQ(VT, 0);

    p.ZSetStr("A", "Code");
    const std::int16_t b = z.ZoneHinzufügen("B");
    auto suchen = [&](std::vector<KollektionZeiger> zeilen, double vthb) {
        ZeilenSetzen(p, b, "U_", std::move(zeilen));
        ZonenwertSetzen(p, b, "VTHB", vthb);
        VT = 99;
        return f.NachbarzeileVorlauftemperatur("B", "W", 20, 3, 0, "N", "A", VT);
    };

    // The mirror row (wall to the south, same area and item, naming A) with
    // component heating gives the neighbour's flow temperature.
    EXPECT_FALSE(suchen({UZeile("W", 20, 3, 0.5, "S", "A", "*")}, 35));
    EXPECT_EQ(VT, 35);
    // Another row before it that does not mirror is passed over.
    EXPECT_FALSE(suchen({UZeile("W", 20, 3, 0, "E", "A", "*"), UZeile("W", 20, 3, 0, "S", "A", "*")}, 35));
    EXPECT_EQ(VT, 35);
    // Without heating in the mirror row: 0.
    EXPECT_FALSE(suchen({UZeile("W", 20, 3, 0, "S", "A", "")}, 35));
    EXPECT_EQ(VT, 0);
    // Flow temperature 0 in the neighbour: no search, 0 even with "*".
    EXPECT_FALSE(suchen({UZeile("W", 20, 3, 0, "S", "A", "*")}, 0));
    EXPECT_EQ(VT, 0);
    // Rows that do not mirror: wrong side, other area, other item, other zone.
    EXPECT_FALSE(suchen({UZeile("W", 20, 3, 0, "N", "A", "*"), UZeile("W", 20.5, 3, 0, "S", "A", "*"),
                         UZeile("W", 20, 4, 0, "S", "A", "*"), UZeile("W", 20, 3, 0, "S", "C", "*")},
                        35));
    EXPECT_EQ(VT, 0);
    // An item number no grid cell holds ends the search as a failure.
    EXPECT_TRUE(suchen({UZeile("W", 20, 70000, 0, "S", "A", "*")}, 35));
    EXPECT_EQ(VT, 0);
    EXPECT_EQ(p.GetNZone(), 0);

    // Two zones with the code: the first without a mirror row is passed, the
    // second one's row counts; a first one without flow temperature ends it.
    const std::int16_t b2 = z.ZoneHinzufügen("B");
    ZeilenSetzen(p, b2, "U_", {UZeile("W", 20, 3, 0, "S", "A", "*")});
    ZonenwertSetzen(p, b2, "VTHB", 40);
    EXPECT_FALSE(suchen({UZeile("B", 20, 3, 0, "", "A", "*")}, 35));
    EXPECT_EQ(VT, 40);
    EXPECT_FALSE(suchen({}, 35));
    EXPECT_EQ(VT, 40);
    EXPECT_FALSE(suchen({UZeile("B", 20, 3, 0, "", "A", "*")}, 0));
    EXPECT_EQ(VT, 0);
    EXPECT_EQ(p.GetNZone(), 0);
}

TEST(Zonenbilanz, EBFAllerZonenUndTrennbauteile) {
    Zonenprojekt z;
    auto& f = z.F;
    auto& p = z.P;
    z.EBFSetzen(100);
    p.ZSetStr("A", "Code");
    const std::int16_t b = z.ZoneHinzufügen("B");
    const std::int16_t c = z.ZoneHinzufügen("C");
    ZeilenSetzen(p, b, "Ah_", {Zeile({std::string("OG"), 50.5, 2.5, 0.0})});
    ZeilenSetzen(p, c, "Ah_", {Zeile({std::string("DG"), 20.0, 0.0, 0.0}), Zeile({std::string(), 5.04, 0.0, 0.0})});

    p.SetNZone(b);
    f.ProjektZoneEinlesen();
    f.txtEBFFl[0].setText("999");
    // 100 + 50.5 + 25.0 (20 + 5.04 shown with one decimal: 25.0).
    EXPECT_DOUBLE_EQ(f.EBFAlleZonen(), 175.5);
    EXPECT_EQ(p.GetNZone(), b);
    // The current zone is shown again as stored.
    EXPECT_EQ(f.txtEBFFl[0].Text(), "        50.5");

    // The partition test gives the verdict only and keeps the zone.
    ZeilenSetzen(p, 0, "U_", {UZeile("D", 30, 0, 0.3, "", "B", "")});
    ZeilenSetzen(p, b, "U_", {UZeile("B", 30, 0, 0.3, "", "A", "")});
    EXPECT_FALSE(f.ProjektZoneTrennbauteileTesten());
    EXPECT_EQ(p.GetNZone(), b);
    ZeilenSetzen(p, c, "U_", {UZeile("W", 12, 0, 0.3, "N", "A", "")});
    EXPECT_TRUE(f.ProjektZoneTrennbauteileTesten());
    EXPECT_EQ(p.GetNZone(), b);

    // Computing a zone whose partition looks into the neighbour zone keeps
    // the current zone too.
    f.ProjektZoneEinlesen();
    EXPECT_FALSE(f.ProjektZoneBerechnen());
    EXPECT_EQ(p.GetNZone(), b);
}

// Energy reference area and the transmission losses against outside air,
// computed from the main window's tables of a one-zone project at the
// station Zürich-MeteoSchweiz (category I: Ti = 20 °C).
#include "balance/Gebaeudehuelle.h"
#include "balance/Klimastation_MB2028.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_Array.h"
#include "tests/support/Tabellenpruefung.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Testhilfe::erwarteFehler;
using Testhilfe::Zonenprojekt;

constexpr std::int16_t A = TabelleA;

// Sum over the year of (Ti - Te(m)) · days(m) for Ti = 20 at the station:
// 19.6·31 + 18.4·28 + 14.5·31 + 11.6·30 + 6.6·31 + 3.8·30 + 1.6·31 + 1.6·31
// + 6.0·30 + 10.1·31 + 15.8·30 + 18.2·31
// = 607.6 + 515.2 + 449.5 + 348 + 204.6 + 114 + 49.6 + 49.6 + 180 + 313.1
// + 474 + 564.2 = 3869.4 Kd.
constexpr double Gradtage20 = 3869.4;

Monatstabelle QtA(const Projekt& p) {
    Monatstabelle q{};
    p.ZGetArr2(q, "QtA");
    return q;
}

std::vector<double> Feld(const Projekt& p, const char* key, std::size_t n) {
    std::vector<double> v(n, -1);
    p.ZGetArrX(v, key);
    return v;
}

} // namespace

TEST(TransmissionA, EnergiebezugsflächeAusDenZeilen) {
    Zonenprojekt z;
    auto& f = z.F;
    // 123.46 + a formula 12,5*2 = 25 (written into the area cell with one
    // decimal) + a row with only a storey height, which does not count.
    z.Zeile(1, 0, {"Wohnung", "123.46", "2.6"});
    z.Zeile(1, 1, {"Keller {12,5*2} 'Ausmass"});
    z.Zeile(1, 2, {"", "", "3"});
    EXPECT_FALSE(f.BerechnenEBF());
    EXPECT_EQ(f.txtEBFFl[1].Text(), "        25.0");
    EXPECT_EQ(f.txtEBFAh[0].Text(), "      123.5");
    EXPECT_EQ(f.txtEBFAh[1].Text(), "        25.0");
    EXPECT_EQ(f.txtEBFAh[2].Text(), "");
    // The label sums the areas as typed: 123.46 + 25 = 148.46 -> 148.5; the
    // computed column sums the shown 123.5 + 25.0 = 148.5.
    EXPECT_EQ(f.lblEBFTotAh0.Caption(), "      148.5");
    EXPECT_EQ(f.lblEBFTotAh.Caption(), "      148.5");
    EXPECT_DOUBLE_EQ(z.P.ZGetNum("EBF0"), 148.5);
    EXPECT_DOUBLE_EQ(z.P.ZGetNum("EBF"), 148.5);

    // A broken formula stops the step on its description cell; the zone
    // keeps its areas, the total labels are emptied (they show no figure of
    // rows that were not added up).
    z.Zeile(1, 3, {"{12*}"});
    EXPECT_TRUE(f.BerechnenEBF());
    EXPECT_EQ(Eingabefehler.Tabelle, TabelleEBF);
    ASSERT_EQ(Eingabefehler.Steuerelement, &f.txtEBFBez[3]);
    EXPECT_NE(Eingabefehler.Text.find("12*"), std::string::npos);
    EXPECT_DOUBLE_EQ(z.P.ZGetNum("EBF"), 148.5);
    EXPECT_EQ(f.lblEBFTotAh.Caption(), "");

    // An empty table gives 0, shown as a number in the labels.
    z.TabellenLeeren();
    EXPECT_FALSE(f.BerechnenEBF());
    EXPECT_EQ(f.lblEBFTotAh0.Caption(), "          0.0");
    EXPECT_EQ(z.P.ZGetNum("EBF0"), 0);
    EXPECT_EQ(z.P.ZGetNum("EBF"), 0);
}

TEST(TransmissionA, WandGegenAussenluftVonHandGerechnet) {
    Zonenprojekt z;
    auto& f = z.F;
    z.EBFSetzen(100);
    z.Zeile(A, 0, {"W", "Fassade Süd", "50", "", "0.25", "", "S"});
    EXPECT_FALSE(f.BerechnenQtA());

    // h = 0.25 · 50 · 0.024 / 100 = 0.003 kWh/(m²·K·d).
    // January: (20 - 0.4) · 31 · 0.003 = 1.8228; July: 1.6 · 31 · 0.003 = 0.1488.
    Monatstabelle q = QtA(z.P);
    EXPECT_NEAR(q[0][1], 1.8228, 1e-12);
    EXPECT_NEAR(q[0][5], 1.8228, 1e-12);
    EXPECT_NEAR(q[6][1], 0.1488, 1e-12);
    EXPECT_EQ(q[0][0], 0);
    // The stored year row stays 0; the monthly balance fills it.
    EXPECT_EQ(q[12][5], 0);
    EXPECT_EQ(Feld(z.P, "ATotA", 5), (std::vector<double>{0, 50, 0, 0, 0}));
    EXPECT_EQ(Feld(z.P, "AUTotA", 5), (std::vector<double>{0, 0.25, 0, 0, 0}));
    EXPECT_EQ(z.P.ZGetNum("AeA"), 50);

    // Every month has a loss, so the year is 3869.4 Kd · 0.003 = 11.6082 -> 11.6.
    EXPECT_EQ(f.lblWaFl.Caption(), "      50.0");
    EXPECT_EQ(f.lblWaU.Caption(), "  0.25");
    EXPECT_EQ(f.lblWaQt.Caption(), "    11.6");
    EXPECT_NEAR(Gradtage20 * 0.003, 11.6082, 1e-9);
    // Columns without rows show 0 in all three labels.
    EXPECT_EQ(f.lblDaFl.Caption(), "        0.0");
    EXPECT_EQ(f.lblDaU.Caption(), "  0.00");
    EXPECT_EQ(f.lblpaQt.Caption(), "      0.0");

    // The envelope record holds the row's absolute loss: 1.8228 · 100 in January.
    Monatsarray verlust{}, gewinn{};
    ASSERT_TRUE(Gebäudehülle::Instanz().FürTest__QMt(0, 1, 0, verlust, gewinn));
    EXPECT_NEAR(verlust[0], 182.28, 1e-9);
    EXPECT_NEAR(verlust[11], 18.2 * 31 * 0.3, 1e-9);
}

TEST(TransmissionA, BauteileWärmebrückenUndHeizung) {
    Zonenprojekt z;
    auto& f = z.F;
    z.EBFSetzen(200);
    z.BauteilAnlegen(3, 0.237, "Flachdach");
    z.BauteilAnlegen(4, 0.3, "Boden");
    z.WärmebrückeAnlegen(2, 0.15, "Balkon");
    z.P.ZSetNum(1, "RZ");    // corrected room temperature 21 °C
    z.P.ZSetNum(35, "VTHB"); // flow temperature of component heating

    z.Zeile(A, 0, {"D", "", "100", "3"});                 // description from the component
    z.Zeile(A, 1, {"D", "Vordach {4*5}", "", "3"});       // own description stays, area from the formula
    z.Zeile(A, 2, {"l", "", "10", "2"});                   // linear bridge 10 m
    z.Zeile(A, 3, {"p", "Anker", "4", "", "0.5"});          // 4 point bridges, Chi typed
    z.Zeile(A, 4, {"B", "Bodenheizung", "80", "4", "", "x"}); // heated floor
    z.Zeile(A, 5, {"X", "ohne Fläche"});                   // no area: skipped without a check
    EXPECT_FALSE(f.BerechnenQtA());

    EXPECT_EQ(f.txtDaU[0].Text(), "  0.24");
    EXPECT_EQ(f.txtDaBez[0].Text(), "Flachdach");
    EXPECT_EQ(f.txtDaBez[1].Text(), "Vordach {4*5}");
    EXPECT_EQ(f.txtDaFl[1].Text(), "      20.0");
    EXPECT_EQ(f.txtDaBez[2].Text(), "Balkon");
    EXPECT_EQ(f.txtDaU[2].Text(), "  0.15");
    EXPECT_EQ(f.txtDaH[4].Text(), "*");

    // Roof: 120 m² at the shown U 0.24 (not 0.237); mean U 0.24.
    // January without heating: (21 - 0.4) · 31 · 0.024 / 200 = 0.076632 per W/K.
    // Roof 120 · 0.24 = 28.8 W/K -> 2.2070016; bridge l 1.5 W/K -> 0.114948;
    // p 2 W/K -> 0.153264.
    // Floor 80 · 0.3 = 24 W/K with dT = (35 - 20)/4 = 3.75 (uncorrected Ti):
    // (21 - 0.4 + 3.75) · 31 · 0.024 / 200 · 24 = 24.35 · 0.00372 · 24 = 2.173968.
    Monatstabelle q = QtA(z.P);
    EXPECT_NEAR(q[0][0], 2.2070016, 1e-12);
    EXPECT_NEAR(q[0][2], 2.173968, 1e-12);
    EXPECT_NEAR(q[0][3], 0.114948, 1e-12);
    EXPECT_NEAR(q[0][4], 0.153264, 1e-12);
    EXPECT_NEAR(q[0][5], 2.2070016 + 2.173968 + 0.114948 + 0.153264, 1e-12);
    EXPECT_EQ(Feld(z.P, "ATotA", 5), (std::vector<double>{120, 0, 80, 10, 4}));
    std::vector<double> u = Feld(z.P, "AUTotA", 5);
    EXPECT_NEAR(u[0], 0.24, 1e-12);
    EXPECT_EQ(u[1], 0);
    EXPECT_NEAR(u[2], 0.3, 1e-12);
    EXPECT_NEAR(u[3], 0.15, 1e-12);
    EXPECT_NEAR(u[4], 0.5, 1e-12);
    // Thermal bridges do not count as envelope area.
    EXPECT_EQ(z.P.ZGetNum("AeA"), 200);
    EXPECT_EQ(f.lbllaFl.Caption(), "      10.0");
    EXPECT_EQ(f.lblpaFl.Caption(), "        4.0");
}

TEST(TransmissionA, SommermonatMitNegativemVerlust) {
    Zonenprojekt z;
    auto& f = z.F;
    z.P.ZSetNum(18, "Ti");
    z.EBFSetzen(100);
    z.Zeile(A, 0, {"W", "", "100", "", "1", "", "N"});
    EXPECT_FALSE(f.BerechnenQtA());
    // h = 1 · 100 · 0.024 / 100 = 0.024; July (18 - 18.4) · 31 · 0.024 = -0.2976.
    Monatstabelle q = QtA(z.P);
    EXPECT_NEAR(q[6][1], -0.2976, 1e-12);
    EXPECT_NEAR(q[7][5], -0.2976, 1e-12);
    // The year label sums only the months with a loss: July and August drop out.
    // Kd at 18 °C: 3869.4 - 2·365 (all months 2 K less) = 3139.4, plus the
    // two negative months back out: 3139.4 + 2 · 0.4 · 31 = 3164.2 -> · 0.024 = 75.9408.
    EXPECT_EQ(f.lblWaQt.Caption(), "    75.9");
}

TEST(TransmissionA, JedeMeldungAufIhrerZelle) {
    Zonenprojekt z;
    auto& f = z.F;

    // No energy reference area, then no station: no cell.
    EXPECT_TRUE(f.BerechnenQtA());
    erwarteFehler("Fehlende EBF", TabelleA, nullptr);
    z.EBFSetzen(100);
    Global::Klimastation_MB2028.KlimastationEinlesen("");
    EXPECT_TRUE(f.BerechnenQtA());
    erwarteFehler("Fehlende Klimastation", TabelleA, nullptr);
    Global::Klimastation_MB2028.KlimastationEinlesen(Zonenprojekt::Station);

    // A valid row first, whose totals must not be stored when a later row fails.
    z.BauteilAnlegen(1, 0.2, "Wand");
    z.WärmebrückeAnlegen(1, 0.1, "Ecke");
    EXPECT_FALSE(f.BerechnenQtA()); // empty table: all zero
    f.lblWaFl.setCaption("alt");
    z.P.ZSetNum(-1, "AeA");

    struct Fall {
        std::vector<std::string> zeile;
        const char* text;
        Steuerelementfeld<TextBox>* spalte;
    };
    const Fall fälle[] = {
        {{"X", "", "10"}, "Keinen gültigen Code.", &f.txtDaC},
        {{"", "", "10"}, "Keinen gültigen Code.", &f.txtDaC},
        {{"w", "", "10"}, "Keinen gültigen Code.", &f.txtDaC},
        {{"DW", "", "10"}, "Keinen gültigen Code.", &f.txtDaC},
        {{"W", "", "10", "7"}, "Bauteil nicht gefunden", &f.txtDaBt},
        {{"p", "", "3", "9"}, "Wärmebrücke nicht gefunden", &f.txtDaBt},
        {{"l", "", "3", "", "0.1", "*"}, "Bauteilheizung nur bei Dach-, Wand- oder Bodenfläche.", &f.txtDaH},
        {{"B", "", "3", "", "0.3", "*"}, "Unkorrekte Vorlauftemperatur für Bauteilheizung.", &f.txtDaH},
        {{"W", "", "3", "1", "", "", "  "}, "Die Orientierung muss bei Wandflächen angegeben werden.", &f.txtDaO},
    };
    for (const Fall& fall : fälle) {
        z.TabellenLeeren();
        f.lblWaFl.setCaption("alt");
        z.Zeile(A, 0, {"W", "gut", "5", "1", "", "", "S"});
        z.Zeile(A, 2, fall.zeile);
        z.P.ZSetNum(20, "VTHB"); // not above Ti = 20
        EXPECT_TRUE(f.BerechnenQtA()) << fall.text;
        erwarteFehler(fall.text, TabelleA, &(*fall.spalte)[2]);
        // Nothing stored, total labels emptied; the looked-up U of row 0 stays.
        EXPECT_EQ(z.P.ZGetNum("AeA"), -1) << fall.text;
        EXPECT_EQ(f.lblWaFl.Caption(), "") << fall.text;
        EXPECT_EQ(f.txtDaU[0].Text(), "  0.20") << fall.text;
    }

    // A formula error in a description is the evaluator's message on that cell.
    z.TabellenLeeren();
    z.Zeile(A, 1, {"W", "{(3*4", "", "", "", "", "S"});
    EXPECT_TRUE(f.BerechnenQtA());
    EXPECT_EQ(Eingabefehler.Tabelle, TabelleA);
    EXPECT_EQ(Eingabefehler.Steuerelement, &f.txtDaBez[1]);
    EXPECT_FALSE(Eingabefehler.Text.empty());

    // An H mark is fine on a heated wall once the flow temperature exceeds
    // the corrected room temperature.
    z.TabellenLeeren();
    z.P.ZSetNum(21, "VTHB");
    z.Zeile(A, 0, {"W", "", "3", "1", "", "ja", "S"});
    EXPECT_FALSE(f.BerechnenQtA());
    EXPECT_EQ(f.txtDaH[0].Text(), "*");
    EXPECT_EQ(z.P.ZGetNum("AeA"), 3);
}

TEST(TransmissionA, ÜberlaufAufDerFlächenzelle) {
    Zonenprojekt z;
    auto& f = z.F;
    z.EBFSetzen(100);
    f.lblWaFl.setCaption("alt");
    z.P.ZSetNum(-1, "AeA");

    // 1E200 m² of wall with U 1E200: a conductance of 1E400 W/K lies beyond
    // the range of numbers. The step stops on the row's area cell and
    // stores nothing; the sound row 0 before it changes nothing either.
    z.Zeile(A, 0, {"W", "gut", "5", "", "0.3", "", "S"});
    z.Zeile(A, 2, {"W", "", "1E200", "", "1E200", "", "S"});
    EXPECT_TRUE(f.BerechnenQtA());
    erwarteFehler("Zahl zu gross (Überlauf)", TabelleA, &f.txtDaFl[2]);
    EXPECT_EQ(z.P.ZGetNum("AeA"), -1);
    EXPECT_EQ(z.P.ZGetStr("QtA"), "");
    EXPECT_EQ(f.lblWaFl.Caption(), "");

    // "1e308" typed as U of 10 m²: 1E309 W/K, refused the same way.
    z.Zeile(A, 2, {"W", "", "10", "", "1e308", "", "S"});
    EXPECT_TRUE(f.BerechnenQtA());
    erwarteFehler("Zahl zu gross (Überlauf)", TabelleA, &f.txtDaFl[2]);
    EXPECT_EQ(z.P.ZGetNum("AeA"), -1);

    // Large but finite numbers are computed: 1E150 m² of U 1E150 give
    // h = 1E300 · 0.024 / 100 = 2.4E296 and January (20 - 0.4) · 31 · h =
    // 607.6 · 2.4E296 = 1.45824E299 kWh/m² (row 0 adds nothing visible),
    // and the sums stay finite.
    z.Zeile(A, 2, {"W", "", "1E150", "", "1E150", "", "S"});
    EXPECT_FALSE(f.BerechnenQtA());
    EXPECT_DOUBLE_EQ(z.P.ZGetNum("AeA"), 1e150);
    EXPECT_NEAR(QtA(z.P)[0][1] / 1.45824e299, 1.0, 1e-12);

    // Two storeys of 1E308 m² each: their sum lies beyond the range of
    // numbers. Refused on the second row's area cell; the zone keeps its area
    // of 100 m², the total labels are emptied.
    f.lblEBFTotAh.setCaption("alt");
    z.Zeile(1, 0, {"oben", "1E308"});
    z.Zeile(1, 1, {"unten", "1E308"});
    EXPECT_TRUE(f.BerechnenEBF());
    erwarteFehler("Zahl zu gross (Überlauf)", TabelleEBF, &f.txtEBFFl[1]);
    EXPECT_DOUBLE_EQ(z.P.ZGetNum("EBF"), 100);
    EXPECT_DOUBLE_EQ(z.P.ZGetNum("EBF0"), 100);
    EXPECT_EQ(f.lblEBFTotAh.Caption(), "");
}

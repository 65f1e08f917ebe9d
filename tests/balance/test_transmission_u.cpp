// Transmission losses against unheated rooms, earth and neighbour zones,
// computed from table U of the main window. The zone lies at the station
// Zürich-MeteoSchweiz (category I: Ti = 20 °C) and has an EBF of 100 m².
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

using Testhilfe::getrimmt;
using Testhilfe::Zahl;
using Testhilfe::Zonenprojekt;

constexpr std::int16_t U = TabelleU;

// Sum over the year of (20 - Te(m)) · days(m) at the station:
// 607.6 + 515.2 + 449.5 + 348 + 204.6 + 114 + 49.6 + 49.6 + 180 + 313.1
// + 474 + 564.2 = 3869.4 Kd; January alone 19.6 · 31 = 607.6 Kd.
// A conductance of 1 W/K loses 0.024 kWh per Kd, per 100 m² of EBF:
constexpr double JahrJeWK = 3869.4 * 0.024 / 100;   // 0.928656 kWh/m²
constexpr double JanuarJeWK = 607.6 * 0.024 / 100;  // 0.145824 kWh/m²

Monatstabelle QtU(const Projekt& p) {
    Monatstabelle q{};
    p.ZGetArr2(q, "QtU");
    return q;
}

std::vector<double> Feld(const Projekt& p, const char* key) {
    std::vector<double> v(5, -1);
    p.ZGetArrX(v, key);
    return v;
}

// The failure left in the input-error record: message and cell of this table.
void erwarteFehler(const std::string& text, const TextBox* zelle) { Testhilfe::erwarteFehler(text, TabelleU, zelle); }

// A row of table U as a neighbour zone stores it: C, Bez, Fl, Bt, U, H, O, bu, bG, Tin.
KollektionZeiger UZeile(const std::string& C, double Fl, double Uwert, const std::string& H, const std::string& O,
                        const std::string& Tin, double Bt = 0) {
    auto z = Kollektion::Neu();
    z->Hinzufügen(C);
    z->Hinzufügen("");
    z->Hinzufügen(Fl);
    z->Hinzufügen(Bt);
    z->Hinzufügen(Uwert);
    z->Hinzufügen(H);
    z->Hinzufügen(O);
    z->Hinzufügen(0.0);
    z->Hinzufügen(0.0);
    z->Hinzufügen(Tin);
    return z;
}

void UTabelleSetzen(Projekt& p, std::int16_t zone, std::vector<KollektionZeiger> zeilen) {
    const std::int16_t bisher = p.GetNZone();
    p.SetNZone(zone);
    auto t = Kollektion::Neu();
    for (auto& z : zeilen) t->Hinzufügen(std::move(z));
    p.ZSetColl(std::move(t), "U_");
    p.SetNZone(bisher);
}

} // namespace

TEST(TransmissionU, ReduktionenSummenUndLabels) {
    Zonenprojekt z;
    auto& f = z.F;
    z.EBFSetzen(100);
    //        C    Bez  Fl    Bt  U       H   O    bu     bG     Tin
    z.Zeile(U, 0, {"D", "", "50", "", "0.20", "", "", "0.8"});          // 50·0.2·0.8 = 8 W/K
    z.Zeile(U, 1, {"W", "", "20", "", "0.30", "", "N", "", "0.5"});     // 20·0.3·0.5 = 3 W/K
    z.Zeile(U, 2, {"B", "", "30", "", "0.25", "", "", "", "", "18.4"}); // against 18 °C
    z.Zeile(U, 3, {"l", "", "10", "", "0.10", "", "", "1"});            // 10·0.1·1 = 1 W/K
    z.Zeile(U, 4, {"X", "ohne Fläche"});                                // skipped: no area
    z.Zeile(U, 5, {"p", "", "2", "", "0.50", "", "", "", "", "-2.4"});  // against -2 °C
    z.Zeile(U, 6, {"B", "", "8", "", "0.50", "", "", "", "0"});         // b = 0: no loss

    ASSERT_FALSE(f.BerechnenQtU()) << Eingabefehler.Text;

    // Room temperatures count in whole degrees and the cell shows them so.
    EXPECT_EQ(f.txtDuTin[2].Text(), "18");
    EXPECT_EQ(f.txtDuTin[5].Text(), "-2");

    // January, per m² EBF:
    //   D 8 W/K · 0.145824 = 1.166592
    //   W 3 W/K · 0.145824 = 0.437472
    //   B (20 - 18) · 31 · 0.25·30 · 0.024 / 100 = 0.1116
    //   l 1 W/K · 0.145824 = 0.145824
    //   p (20 + 2) · 31 · 0.5·2 · 0.024 / 100 = 0.16368
    //   total 2.025168
    Monatstabelle q = QtU(z.P);
    EXPECT_NEAR(q[0][0], 8 * JanuarJeWK, 1e-12);
    EXPECT_NEAR(q[0][1], 3 * JanuarJeWK, 1e-12);
    EXPECT_NEAR(q[0][2], 0.1116, 1e-12);
    EXPECT_NEAR(q[0][3], JanuarJeWK, 1e-12);
    EXPECT_NEAR(q[0][4], 0.16368, 1e-12);
    EXPECT_NEAR(q[0][5], 2.025168, 1e-12);
    // July: B (20 - 18) · 31 · 0.0018 = 0.1116 as in every 31-day month.
    EXPECT_NEAR(q[6][2], 0.1116, 1e-12);
    // The zone keeps the months; the year row is left to the monthly balance.
    EXPECT_EQ(q[12][5], 0);

    // Areas, mean U (B: (30·0.25 + 8·0.5) / 38 = 0.3026) and the areas of
    // the rows with a b-factor on roof, wall and floor: 50 + 20 + 8 = 78.
    EXPECT_EQ(Feld(z.P, "ATotU"), (std::vector<double>{50, 20, 38, 10, 2}));
    std::vector<double> u = Feld(z.P, "AUTotU");
    EXPECT_NEAR(u[0], 0.2, 1e-12);
    EXPECT_NEAR(u[1], 0.3, 1e-12);
    EXPECT_NEAR(u[2], 11.5 / 38, 1e-12);
    EXPECT_NEAR(u[3], 0.1, 1e-12);
    EXPECT_NEAR(u[4], 0.5, 1e-12);
    EXPECT_DOUBLE_EQ(z.P.ZGetNum("AeU"), 78);

    // Every month loses heat, so the year sums all twelve:
    //   D 8 · 0.928656 = 7.429248 -> 7.4;  W 3 · 0.928656 = 2.785968 -> 2.8
    //   B 2 · 365 · 0.0018 = 1.314 -> 1.3; l 0.928656 -> 0.9
    //   p 22 · 365 · 0.00024 = 1.9272 -> 1.9
    EXPECT_EQ(Zahl(f.lblDuFl), 50);
    EXPECT_EQ(Zahl(f.lblWuFl), 20);
    EXPECT_EQ(Zahl(f.lblBuFl), 38);
    EXPECT_EQ(Zahl(f.lblluFl), 10);
    EXPECT_EQ(Zahl(f.lblpuFl), 2);
    EXPECT_EQ(Zahl(f.lblDuU), 0.2);
    EXPECT_EQ(Zahl(f.lblWuU), 0.3);
    EXPECT_EQ(Zahl(f.lblBuU), 0.3);
    EXPECT_EQ(Zahl(f.lblluU), 0.1);
    EXPECT_EQ(Zahl(f.lblpuU), 0.5);
    EXPECT_EQ(Zahl(f.lblDuQt), 7.4);
    EXPECT_EQ(Zahl(f.lblWuQt), 2.8);
    EXPECT_EQ(Zahl(f.lblBuQt), 1.3);
    EXPECT_EQ(Zahl(f.lblluQt), 0.9);
    EXPECT_EQ(Zahl(f.lblpuQt), 1.9);

    // The envelope records: absolute monthly losses per row; only rows with
    // a b-factor count in the transmission coefficient (8 + 3 + 1 + 0 W/K).
    Gebäudehülle& gh = Gebäudehülle::Instanz();
    Monatsarray verlust{}, gewinn{};
    ASSERT_TRUE(gh.FürTest__QMt(0, 2, 2, verlust, gewinn));
    EXPECT_NEAR(verlust[0], 11.16, 1e-10);
    ASSERT_TRUE(gh.FürTest__QMt(0, 2, 6, verlust, gewinn));
    EXPECT_EQ(verlust[0], 0);
    EXPECT_FALSE(gh.FürTest__QMt(0, 2, 4, verlust, gewinn));
    EXPECT_NEAR(gh.Faktor_H(0), 12, 1e-12);

    // Tin 18 stays as typed; 18,0 is shown as 18.
    z.Zeile(U, 2, {"B", "", "30", "", "0.25", "", "", "", "", "18"});
    z.Zeile(U, 5, {"p", "", "2", "", "0.50", "", "", "", "", "-2,0"});
    ASSERT_FALSE(f.BerechnenQtU());
    EXPECT_EQ(f.txtDuTin[2].Text(), "18");
    EXPECT_EQ(f.txtDuTin[5].Text(), "-2");
    EXPECT_NEAR(QtU(z.P)[0][4], 0.16368, 1e-12);
}

TEST(TransmissionU, FormelNachschlagenUndBauteilheizung) {
    Zonenprojekt z;
    auto& f = z.F;
    z.EBFSetzen(100);
    z.BauteilAnlegen(4, 0.237, "Kellerdecke");
    // Corrected room temperature 20 + 2 = 22 °C; component heating at 30 °C.
    z.P.ZSetNum(2, "RZ");
    z.P.ZSetNum(30, "VTHB");

    // Row 0: the area from the formula 4·2,5 = 10, U and description from
    // component 4 (U 0.237 shown and computed as 0.24), heated ("x" -> "*").
    z.Zeile(U, 0, {"B", "{4*2,5}", "", "4", "", "x", "", "", "0.6"});
    // Row 1: a typed description stays.
    z.Zeile(U, 1, {"D", "Estrich", "5", "4", "", "", "", "1"});
    ASSERT_FALSE(f.BerechnenQtU()) << Eingabefehler.Text;
    EXPECT_EQ(getrimmt(f.txtDuFl[0].Text()), "10.0");
    EXPECT_EQ(getrimmt(f.txtDuU[0].Text()), "0.24");
    EXPECT_EQ(f.txtDuBez[0].Text(), "{4*2,5}");
    EXPECT_EQ(f.txtDuBez[1].Text(), "Estrich");
    EXPECT_EQ(f.txtDuH[0].Text(), "*");

    // The heating adds (VTHB - Ti) / 4 = (30 - 20) / 4 = 2.5 K with the
    // uncorrected Ti. January, row 0:
    //   (22 - 0.4 + 2.5) · 31 · 0.24·10 · 0.024 / 100 · 0.6
    //   = 24.1 · 31 · 0.000576 · 0.6 = 0.25820... (747.1 · 0.0003456)
    // Row 1: (22 - 0.4) · 31 · 0.24·5 · 0.024 / 100 = 669.6 · 0.000288 = 0.1928448
    Monatstabelle q = QtU(z.P);
    EXPECT_NEAR(q[0][2], 747.1 * 0.0003456, 1e-12);
    EXPECT_NEAR(q[0][0], 0.1928448, 1e-12);

    // An empty description receives the component's name.
    z.Zeile(U, 0, {"B", "", "10", "4", "", "x", "", "", "0.6"});
    ASSERT_FALSE(f.BerechnenQtU());
    EXPECT_EQ(f.txtDuBez[0].Text(), "Kellerdecke");
}

TEST(TransmissionU, MeldungenAufIhrerZelle) {
    Zonenprojekt z;
    auto& f = z.F;
    z.BauteilAnlegen(1, 0.3);
    z.WärmebrückeAnlegen(2, 0.1);

    // Without EBF, then without station: no cell.
    z.Zeile(U, 0, {"D", "", "10", "", "0.3", "", "", "1"});
    EXPECT_TRUE(f.BerechnenQtU());
    erwarteFehler("Fehlende EBF", nullptr);
    EXPECT_EQ(Eingabefehler.Zone, 0);
    z.EBFSetzen(100);
    Global::Klimastation_MB2028.KlimastationEinlesen("");
    EXPECT_TRUE(f.BerechnenQtU());
    erwarteFehler("Fehlende Klimastation", nullptr);
    Global::Klimastation_MB2028.KlimastationEinlesen(Zonenprojekt::Station);

    // The labels and the zone keep what they held when a row fails.
    f.lblDuQt.setCaption("alt");
    const std::string regel = "Es muss entweder ein b-Faktor (bu, bG) oder eine Raumtemperatur (resp. Zonencode) "
                              "des Nachbarraums angegeben werden.";
    struct Fall {
        std::vector<std::string> zeile;
        std::string text;
        Steuerelementfeld<TextBox> frmZIRVO3801::*zelle;
    };
    const std::vector<Fall> fälle = {
        {{"X", "", "10", "", "0.3", "", "", "1"}, "Keinen gültigen Code.", &frmZIRVO3801::txtDuC},
        {{"", "", "10", "", "0.3", "", "", "1"}, "Keinen gültigen Code.", &frmZIRVO3801::txtDuC},
        {{"WB", "", "10", "", "0.3", "", "S", "1"}, "Keinen gültigen Code.", &frmZIRVO3801::txtDuC},
        {{"d", "", "10", "", "0.3", "", "", "1"}, "Keinen gültigen Code.", &frmZIRVO3801::txtDuC},
        {{"D", "", "10", "7", "", "", "", "1"}, "Bauteil nicht gefunden", &frmZIRVO3801::txtDuBt},
        {{"l", "", "10", "1", "", "", "", "1"}, "Wärmebrücke nicht gefunden", &frmZIRVO3801::txtDuBt},
        {{"p", "", "1", "2", "", "*", "", "1"}, "Bauteilheizung nur bei Dach-, Wand- oder Bodenfläche.",
         &frmZIRVO3801::txtDuH},
        {{"D", "", "10", "", "0.3", "*", "", "1"}, "Unkorrekte Vorlauftemperatur für Bauteilheizung.",
         &frmZIRVO3801::txtDuH},
        {{"W", "", "10", "", "0.3", "", "", "1"}, "Die Orientierung muss bei Wandflächen angegeben werden.",
         &frmZIRVO3801::txtDuO},
        {{"D", "", "10", "", "0.3", "", "", "", "", ""}, regel, &frmZIRVO3801::txtDuBu},
        {{"D", "", "10", "", "0.3", "", "", "0.8", "0.5", ""}, regel, &frmZIRVO3801::txtDuBG},
        {{"D", "", "10", "", "0.3", "", "", "0.8", "0.5", "12"}, regel, &frmZIRVO3801::txtDuBG},
        {{"D", "", "10", "", "0.3", "", "", "0.8", "", "12"}, regel, &frmZIRVO3801::txtDuTin},
        {{"D", "", "10", "", "0.3", "", "", "", "0.5", "12"}, regel, &frmZIRVO3801::txtDuTin},
        // A one-zone project has no neighbour zone at all.
        {{"D", "", "10", "", "0.3", "", "", "", "", "B"}, "Es gibt keine Nachbarzone mit dem Code 'B'.",
         &frmZIRVO3801::txtDuTin},
        // Losses beyond the range of numbers are refused, never stored.
        {{"D", "", "1E200", "", "1E200", "", "", "1"}, "Zahl zu gross (Überlauf)", &frmZIRVO3801::txtDuFl},
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.text + " / " + fall.zeile[0]);
        z.TabellenLeeren();
        f.lblDuQt.setCaption("alt");
        // Row 0 is sound; the faulty row is row 3, empty rows between are skipped.
        z.Zeile(U, 0, {"D", "", "10", "", "0.3", "", "", "1"});
        z.Zeile(U, 3, fall.zeile);
        EXPECT_TRUE(f.BerechnenQtU());
        erwarteFehler(fall.text, &(f.*fall.zelle)[3]);
        EXPECT_EQ(z.P.ZGetStr("QtU"), "");
        EXPECT_EQ(z.P.ZGetStr("AeU"), "");
        EXPECT_EQ(f.lblDuQt.Caption(), "");
    }

    // A row without area is skipped whatever else it holds.
    z.TabellenLeeren();
    z.Zeile(U, 0, {"X", "", "", "", "0.3", "*", "", "1", "2", "B"});
    EXPECT_FALSE(f.BerechnenQtU());
    EXPECT_EQ(Zahl(f.lblDuQt), 0);

    // A broken formula stops on its description cell.
    z.Zeile(U, 2, {"D", "{3*}", "", "", "0.3", "", "", "1"});
    EXPECT_TRUE(f.BerechnenQtU());
    EXPECT_EQ(Eingabefehler.Tabelle, TabelleU);
    EXPECT_EQ(Eingabefehler.Steuerelement, &f.txtDuBez[2]);

    // The flow temperature is tested against the corrected room temperature:
    // 21 °C lies above Ti = 20 but not above 20 + 2.
    z.TabellenLeeren();
    z.P.ZSetNum(21, "VTHB");
    z.P.ZSetNum(2, "RZ");
    z.Zeile(U, 1, {"D", "", "10", "", "0.3", "x", "", "1"});
    EXPECT_TRUE(f.BerechnenQtU());
    erwarteFehler("Unkorrekte Vorlauftemperatur für Bauteilheizung.", &f.txtDuH[1]);
    EXPECT_EQ(f.txtDuH[1].Text(), "x");
}

TEST(TransmissionU, Nachbarzonen) {
    Zonenprojekt z;
    auto& f = z.F;
    Projekt& p = z.P;
    z.EBFSetzen(100);
    p.ZSetStr("A", "Code");
    p.ZSetNum(25, "Ti");
    // Zone B: Ti 18 + correction 2 = 20 °C, component heating at 35 °C.
    const std::int16_t b = z.ZoneHinzufügen("B");
    p.SetNZone(b);
    p.ZSetNum(18, "Ti");
    p.ZSetNum(2, "RZ");
    p.ZSetNum(35, "VTHB");
    p.SetNZone(0);

    // A wall facing south towards zone B; B sees it facing north, heated.
    z.Zeile(U, 0, {"W", "", "12", "", "0.30", "", "S", "", "", "B"});
    UTabelleSetzen(p, b, {UZeile("D", 12, 0.3, "*", "", "A"), UZeile("W", 12, 0.3, "*", "N", "A")});

    // Tn = 20 + (35 - 18) / 4 = 24.25 °C; h = 0.3·12·0.024 / 100 = 0.000864.
    // January: (25 - 24.25) · 31 · 0.000864 = 0.020088; year 0.75 · 365 · 0.000864 = 0.23652.
    ASSERT_FALSE(f.BerechnenQtU()) << Eingabefehler.Text;
    EXPECT_EQ(p.GetNZone(), 0);
    Monatstabelle q = QtU(p);
    EXPECT_NEAR(q[0][1], 0.020088, 1e-12);
    EXPECT_NEAR(q[1][1], 0.75 * 28 * 0.000864, 1e-12);
    EXPECT_EQ(Zahl(f.lblWuQt), 0.2);
    // Partitions count neither in the envelope area nor in the coefficient.
    EXPECT_EQ(p.ZGetNum("AeU"), 0);
    EXPECT_EQ(Gebäudehülle::Instanz().Faktor_H(0), 0);
    EXPECT_EQ(f.txtDuTin[0].Text(), "B");

    // Without the heating mark on the mirror row, with another area (no
    // mirror row), with a flow temperature not above the neighbour's room
    // temperature, or with none at all: Tn = 20, January (25 - 20) · 31 · 0.000864 = 0.13392.
    auto ohneZuschlag = [&](const char* fall) {
        SCOPED_TRACE(fall);
        ASSERT_FALSE(f.BerechnenQtU()) << Eingabefehler.Text;
        EXPECT_NEAR(QtU(p)[0][1], 0.13392, 1e-12);
    };
    UTabelleSetzen(p, b, {UZeile("W", 12, 0.3, "", "N", "A")});
    ohneZuschlag("ohne Heizung");
    UTabelleSetzen(p, b, {UZeile("W", 12.5, 0.3, "*", "N", "A")});
    ohneZuschlag("andere Fläche");
    UTabelleSetzen(p, b, {UZeile("W", 12, 0.3, "*", "E", "A")});
    ohneZuschlag("nicht gegenüber");
    UTabelleSetzen(p, b, {UZeile("W", 12, 0.3, "*", "N", "A")});
    p.SetNZone(b);
    p.ZSetNum(19, "VTHB");
    p.SetNZone(0);
    ohneZuschlag("Vorlauf unter Raumtemperatur");
    p.SetNZone(b);
    p.ZSetNum(0, "VTHB");
    p.SetNZone(0);
    ohneZuschlag("keine Bauteilheizung");

    // A code that no other zone has, the zone's own code included.
    for (const char* code : {"C", "A", "b"}) {
        z.Zeile(U, 0, {"W", "", "12", "", "0.30", "", "S", "", "", code});
        EXPECT_TRUE(f.BerechnenQtU());
        erwarteFehler(std::string("Es gibt keine Nachbarzone mit dem Code '") + code + "'.", &f.txtDuTin[0]);
        EXPECT_EQ(p.GetNZone(), 0);
    }
}

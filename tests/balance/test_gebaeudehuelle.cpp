#include "balance/Gebaeudehuelle.h"

#include "project/ProjektGlobal.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <unistd.h>

namespace {

using Monate = std::array<double, 12>;

Monate konstant(double wert) {
    Monate m{};
    m.fill(wert);
    return m;
}

// A fresh open project with the given number of zones.
void neuesProjekt(int zonen) {
    Global::Projekt = Projekt();
    Global::Projekt.ProjektNeu();
    for (int i = 1; i < zonen; ++i) Global::Projekt.ZoneNeu();
    Global::Projekt.SetNZone(0);
}

} // namespace

TEST(Gebaeudehuelle, ZeileEintragenUndFinden) {
    Testhilfe::Testumgebung umgebung;
    neuesProjekt(2);
    Gebäudehülle gh;

    gh.GH_A(0, 3, "W", 10, 1, 0.3, false, "S", konstant(5));
    gh.GH_A(0, 3, "D", 20, 2, 0.2, true, "", konstant(7));
    // the same key twice: one record with the second call's values
    EXPECT_EQ(gh.Anzahl(), 1);
    Monatsarray v{}, g{};
    ASSERT_TRUE(gh.FürTest__QMt(0, 1, 3, v, g));
    EXPECT_EQ(v[0], 7);
    EXPECT_EQ(v[11], 7);
    EXPECT_EQ(v[12], 0);
    EXPECT_EQ(g[0], 0); // a row to outside air has no gains
    EXPECT_DOUBLE_EQ(gh.Faktor_H(0), 4.0); // 20 m² * 0.2

    // other kinds and zones are other keys; looking up never appends
    gh.GH_U(0, 3, "B", 5, 0, 0.4, false, "", 0.5, 0, "", konstant(1));
    gh.GH_F(1, 3, "F", 2, 0, 1.0, false, "S", 0, 0.5, 0.7, 1, 1, 1, 1, konstant(3), konstant(4));
    EXPECT_EQ(gh.Anzahl(), 3);
    EXPECT_FALSE(gh.FürTest__QMt(1, 1, 3, v, g));
    EXPECT_EQ(gh.Anzahl(), 3);
    ASSERT_TRUE(gh.FürTest__QMt(1, 3, 3, v, g));
    EXPECT_EQ(v[5], 3);
    EXPECT_EQ(g[5], 4);

    // the arrays are copies: changing the caller's array changes nothing
    Monate verlust = konstant(9);
    gh.GH_A(0, 4, "W", 1, 0, 1, false, "N", verlust);
    verlust[0] = 100;
    ASSERT_TRUE(gh.FürTest__QMt(0, 1, 4, v, g));
    EXPECT_EQ(v[0], 9);
}

TEST(Gebaeudehuelle, TransmissionskoeffizientUndZuruecksetzen) {
    Testhilfe::Testumgebung umgebung;
    neuesProjekt(2);
    Gebäudehülle gh;

    // zone 0:
    //   outside air 10 m² * 0.3           = 3
    //   window 2 m² * 1.2                 = 2.4
    //   unheated, bu 0.5: 8 m² * 0.25 * 0.5 = 1
    //   earth, bG 0.4: 20 m² * 0.5 * 0.4  = 4
    //   bu 0.8 and bG 0.4: bu counts: 5 * 1 * 0.8 = 4
    //   room temperature "12", zone code "B", bu = bG = 0: nothing
    //   total 14.4
    gh.GH_A(0, 0, "W", 10, 0, 0.3, false, "S", konstant(0));
    gh.GH_F(0, 0, "F", 2, 0, 1.2, false, "S", 0, 0.5, 0.7, 1, 1, 1, 1, konstant(0), konstant(0));
    gh.GH_U(0, 0, "W", 8, 0, 0.25, false, "N", 0.5, 0, "", konstant(0));
    gh.GH_U(0, 1, "B", 20, 0, 0.5, false, "", 0, 0.4, "", konstant(0));
    gh.GH_U(0, 2, "B", 5, 0, 1, false, "", 0.8, 0.4, "", konstant(0));
    gh.GH_U(0, 3, "W", 30, 0, 1, false, "E", 0, 0, "12", konstant(0));
    gh.GH_U(0, 4, "W", 30, 0, 1, false, "E", 0, 0, "B", konstant(0));
    gh.GH_U(0, 5, "B", 30, 0, 1, false, "", 0, 0, "", konstant(0));
    // zone 1: 4 m² * 0.5 = 2
    gh.GH_A(1, 0, "D", 4, 0, 0.5, false, "", konstant(1));

    EXPECT_NEAR(gh.Faktor_H(0), 14.4, 1e-12);
    EXPECT_NEAR(gh.Faktor_H(1), 2.0, 1e-12);

    // resetting zone 0 empties its records but keeps them; zone 1 stays
    const auto anzahl = gh.Anzahl();
    gh.Zurücksetzen(0);
    EXPECT_EQ(gh.Anzahl(), anzahl);
    EXPECT_EQ(gh.Faktor_H(0), 0);
    EXPECT_NEAR(gh.Faktor_H(1), 2.0, 1e-12);
    Monatsarray v{}, g{};
    ASSERT_TRUE(gh.FürTest__QMt(0, 1, 0, v, g));
    EXPECT_EQ(v[0], 0);
    ASSERT_TRUE(gh.FürTest__QMt(1, 1, 0, v, g));
    EXPECT_EQ(v[0], 1);
    // a reset record no longer counts in any sum
    EXPECT_EQ(gh.Systemnachweis_WB(), 0);
}

TEST(Gebaeudehuelle, Heizperiode) {
    Testhilfe::Testumgebung umgebung;
    neuesProjekt(2);
    Gebäudehülle gh;

    Monate verlust{}, gewinn{};
    for (std::size_t m = 0; m < 12; ++m) {
        verlust[m] = 100 + m;
        gewinn[m] = 10;
    }
    gh.GH_A(0, 0, "W", 1, 0, 1, false, "S", verlust);
    gh.GH_F(0, 0, "F", 1, 0, 1, false, "S", 0, 0.5, 0.7, 1, 1, 1, 1, verlust, gewinn);
    gh.GH_F(1, 0, "F", 1, 0, 1, false, "S", 0, 0.5, 0.7, 1, 1, 1, 1, verlust, gewinn);

    // heating in January to April and October to December (Qt > 0); May is
    // exactly 0, June to September negative
    Monatsarray Qt = {5, 5, 5, 5, 0, -1, -1, -1, -1, 5, 5, 5, 99};
    Monatsarray EtaG = {0.9, 0.8, 0.7, 0.6, 0.5, 0.5, 0.5, 0.5, 0.5, 0.6, 0.8, 0.9, 0.1};
    gh.Gesamtwärmeverlust(0, Qt, EtaG);

    Monatsarray v{}, g{};
    ASSERT_TRUE(gh.FürTest__QMt(0, 1, 0, v, g));
    EXPECT_EQ(v[0], 100);
    EXPECT_EQ(v[4], 0);
    EXPECT_EQ(v[8], 0);
    EXPECT_EQ(v[11], 111);
    ASSERT_TRUE(gh.FürTest__QMt(0, 3, 0, v, g));
    EXPECT_DOUBLE_EQ(g[0], 9.0); // 10 * 0.9
    EXPECT_DOUBLE_EQ(g[3], 6.0); // 10 * 0.6
    EXPECT_EQ(g[5], 0);
    EXPECT_DOUBLE_EQ(g[10], 8.0);
    EXPECT_EQ(v[6], 0);
    // the other zone is untouched
    ASSERT_TRUE(gh.FürTest__QMt(1, 3, 0, v, g));
    EXPECT_EQ(g[5], 10);
    EXPECT_EQ(v[6], 106);

    // Net loss of the window over the year: losses of the heating months
    // 100+101+102+103+109+110+111 = 736, less utilised gains
    // 9+8+7+6+6+8+9 = 53: 683.
    // The other zone's window uses no item number: not counted.
    gh.GH_F(0, 0, "F", 1, 7, 1, false, "S", 0, 0.5, 0.7, 1, 1, 1, 1, verlust, gewinn);
    gh.Gesamtwärmeverlust(0, Qt, EtaG);
    EXPECT_NEAR(gh.Systemnachweis_Q("FT", 7), 683, 1e-9);
}

TEST(Gebaeudehuelle, SystemnachweisSummen) {
    Testhilfe::Testumgebung umgebung;
    neuesProjekt(2);
    Gebäudehülle gh;
    const Monate null{};

    // Windows: 10 m² south (fS1 0.9, fS23 0.8) and 10 m² west in zone 0,
    // 6 m² west (fS1 0.5, fS23 1) in zone 1 would make west the larger one.
    gh.GH_F(0, 0, "F", 10, 0, 1, false, "S", 0, 0.5, 0.7, 0.9, 0.8, 1, 0.8, null, null);
    gh.GH_F(0, 1, "F", 10, 0, 1, false, "W", 0, 0.5, 0.7, 1, 1, 1, 1, null, null);
    // equal areas to the south and the west: south (tested first) wins;
    // its mean shading is 0.9 * 0.8 = 0.72
    EXPECT_NEAR(gh.Systemnachweis_FS(), 0.72, 1e-12);
    // a door or another orientation text does not count
    gh.GH_F(0, 2, "T", 50, 0, 1, false, "W", 0, 0.5, 0.7, 1, 1, 1, 1, null, null);
    gh.GH_F(0, 3, "F", 50, 0, 1, false, "SSW", 0, 0.5, 0.7, 1, 1, 1, 1, null, null);
    EXPECT_NEAR(gh.Systemnachweis_FS(), 0.72, 1e-12);
    // 6 m² more to the west (zone 1): west 16 m², mean (10*1*1 + 6*0.5*1)/16 = 13/16
    gh.GH_F(1, 0, "F", 6, 0, 1, false, "W", 0, 0.5, 0.7, 0.5, 1, 1, 1, null, null);
    EXPECT_NEAR(gh.Systemnachweis_FS(), 13.0 / 16.0, 1e-12);

    // Mean shading of one zone and orientation, windows and doors with a
    // glazing fraction only. Zone 0, "W": the window (10 m², 1, 1) and the
    // door (50 m², 1, 1): 1 * 1.
    double fS1 = -1;
    EXPECT_NEAR(gh.Systemnachweis_FS123(0, "W", fS1), 1.0, 1e-12);
    EXPECT_NEAR(fS1, 1.0, 1e-12);
    // Zone 0, any orientation: SA = 10+10+50+50 = 120, S1 = 9+10+50+50 = 119,
    // S23 = 8+10+50+50 = 118: (118/120) * (119/120)
    EXPECT_NEAR(gh.Systemnachweis_FS123(0, "*", fS1), (118.0 / 120) * (119.0 / 120), 1e-12);
    EXPECT_NEAR(fS1, 119.0 / 120, 1e-12);
    // a window without glazing fraction is left out; none left: both 0
    gh.GH_F(1, 1, "F", 5, 0, 1, false, "N", 0, 0.5, 0, 0.5, 0.5, 1, 1, null, null);
    EXPECT_EQ(gh.Systemnachweis_FS123(1, "N", fS1), 0);
    EXPECT_EQ(fS1, 0);
    fS1 = -1;
    EXPECT_EQ(gh.Systemnachweis_FS123(0, "", fS1), 0);
    EXPECT_EQ(fS1, 0);

    // thermal bridges and component heating over all zones
    EXPECT_EQ(gh.Systemnachweis_WB(), 0);
    EXPECT_FALSE(gh.Systemnachweis_Bodenheizung());
    gh.GH_A(0, 0, "l", 12.5, 0, 0.1, false, "", null);
    gh.GH_U(1, 0, "l", 7.5, 0, 0.1, false, "", 0.5, 0, "", null);
    gh.GH_F(1, 2, "l", 3, 0, 0.1, false, "", 0, 0, 0, 0, 0, 0, 0, null, null);
    gh.GH_A(1, 1, "p", 100, 0, 0.1, false, "", null);
    EXPECT_NEAR(gh.Systemnachweis_WB(), 23.0, 1e-12);
    // a radiator in front of a window is no component heating
    gh.GH_F(1, 3, "F", 1, 0, 1, true, "S", 0, 0.5, 0.7, 1, 1, 1, 1, null, null);
    EXPECT_FALSE(gh.Systemnachweis_Bodenheizung());
    gh.GH_U(1, 1, "B", 40, 0, 0.3, true, "", 0, 0.4, "", null);
    EXPECT_TRUE(gh.Systemnachweis_Bodenheizung());
}

TEST(Gebaeudehuelle, VerlustProBauteil) {
    Testhilfe::Testumgebung umgebung;
    neuesProjekt(2);
    Gebäudehülle gh;

    // item 3 as a wall in zone 0 (12 * 10) and as a roof in zone 1 (12 * 5),
    // item 3 as a window in zone 0 (loss 12 * 2, gains 12 * 1), item 4 as a wall
    gh.GH_A(0, 0, "W", 30, 3, 0.3, false, "S", konstant(10));
    gh.GH_U(1, 0, "D", 20, 3, 0.2, false, "", 0.9, 0, "", konstant(5));
    gh.GH_F(0, 0, "F", 4, 3, 1.0, false, "S", 0, 0.5, 0.7, 1, 1, 1, 1, konstant(2), konstant(1));
    gh.GH_A(0, 1, "W", 9, 4, 0.3, false, "S", konstant(1000));

    // "DWB" with item 3: 120 + 60, the window is left out
    EXPECT_NEAR(gh.Systemnachweis_Q("DWB", 3), 180, 1e-9);
    // "FT" with item 3: 24 - 12
    EXPECT_NEAR(gh.Systemnachweis_Q("FT", 3), 12, 1e-9);
    EXPECT_EQ(gh.Systemnachweis_Q("", 3), 0);
    EXPECT_EQ(gh.Systemnachweis_Q("DWB", 0), 0);
    EXPECT_EQ(gh.Systemnachweis_Q("dwb", 3), 0); // letters compare case-sensitively

    double fläche = -1, Q = -1, G = -1;
    // the year (Monat 0) agrees with Systemnachweis_Q; the area is 30 + 20
    ASSERT_TRUE(gh.Systemnachweis_Q_Monat("DWB", 3, 0, fläche, Q, G));
    EXPECT_NEAR(Q, 180, 1e-9);
    EXPECT_EQ(G, 0);
    EXPECT_NEAR(fläche, 50, 1e-12);
    // one month: 10 + 5 of the walls and roofs; the window 2 - 1 with gains 1
    ASSERT_TRUE(gh.Systemnachweis_Q_Monat("DWB", 3, 12, fläche, Q, G));
    EXPECT_NEAR(Q, 15, 1e-12);
    ASSERT_TRUE(gh.Systemnachweis_Q_Monat("FTDWB", 3, 1, fläche, Q, G));
    EXPECT_NEAR(Q, 16, 1e-12); // 10 + 5 + 2 - 1
    EXPECT_NEAR(G, 1, 1e-12);
    EXPECT_NEAR(fläche, 54, 1e-12);
    // nothing found: False, area 0
    EXPECT_FALSE(gh.Systemnachweis_Q_Monat("lp", 3, 0, fläche, Q, G));
    EXPECT_EQ(fläche, 0);
    EXPECT_EQ(Q, 0);
    // empty letters or item 0: False, Q and G 0, the area left alone
    fläche = 7;
    Q = G = 5;
    EXPECT_FALSE(gh.Systemnachweis_Q_Monat("", 3, 0, fläche, Q, G));
    EXPECT_EQ(fläche, 7);
    EXPECT_EQ(Q, 0);
    EXPECT_EQ(G, 0);
    Q = G = 5;
    EXPECT_FALSE(gh.Systemnachweis_Q_Monat("DWB", 0, 0, fläche, Q, G));
    EXPECT_EQ(Q, 0);
    EXPECT_EQ(G, 0);
    // a month outside 0..12 finds nothing
    Q = G = 5;
    EXPECT_FALSE(gh.Systemnachweis_Q_Monat("DWB", 3, 13, fläche, Q, G));
    EXPECT_EQ(Q, 0);
    EXPECT_FALSE(gh.Systemnachweis_Q_Monat("DWB", 3, -1, fläche, Q, G));
}

// Records belong to the project as it stands: opening, creating, emptying or
// closing a project and deleting or reordering zones drop them all, and
// sums never take a zone the project does not have.
TEST(Gebaeudehuelle, LeerenBeiNeuerProjektstruktur) {
    Testhilfe::Testumgebung umgebung;
    Gebäudehülle gh;
    const Monate null{};
    auto füllen = [&](int zonen) {
        for (std::int16_t z = 0; z < zonen; ++z) {
            gh.GH_A(z, 0, "l", 10, 5, 0.1, false, "", konstant(1));
            gh.GH_A(z, 1, "W", 10, 0, 1, true, "S", null);
        }
    };

    // File > New empties the open project
    neuesProjekt(3);
    füllen(3);
    EXPECT_NEAR(gh.Systemnachweis_WB(), 30, 1e-12);
    Global::Projekt.ProjektNeu();
    EXPECT_EQ(gh.Anzahl(), 0);
    EXPECT_EQ(gh.Systemnachweis_WB(), 0);
    EXPECT_FALSE(gh.Systemnachweis_Bodenheizung());

    // File > Close puts a new project in place
    neuesProjekt(3);
    füllen(3);
    Global::Projekt = Projekt();
    EXPECT_EQ(gh.Anzahl(), 0);
    EXPECT_EQ(gh.Systemnachweis_Q("l", 5), 0);

    // deleting a zone
    neuesProjekt(3);
    füllen(3);
    Global::Projekt.SetNZone(1);
    ASSERT_EQ(Global::Projekt.ZoneLöschen(), 0);
    EXPECT_EQ(gh.Anzahl(), 0);
    EXPECT_EQ(gh.Faktor_H(0), 0);

    // reordering zones
    neuesProjekt(3);
    füllen(3);
    ASSERT_EQ(Global::Projekt.ZoneSortieren(0, 2), 0);
    EXPECT_EQ(gh.Systemnachweis_WB(), 0);
    Monatsarray v{}, g{};
    EXPECT_FALSE(gh.FürTest__QMt(0, 1, 0, v, g));

    // a new zone changes nothing that is there
    neuesProjekt(2);
    füllen(2);
    ASSERT_EQ(Global::Projekt.ZoneNeu(), 0);
    EXPECT_EQ(gh.Anzahl(), 4);
    EXPECT_NEAR(gh.Systemnachweis_WB(), 20, 1e-12);
    // nor does a refused delete or move
    Global::Projekt = Projekt();
    Global::Projekt.ProjektNeu();
    füllen(1);
    EXPECT_EQ(Global::Projekt.ZoneLöschen(), -1);
    EXPECT_EQ(Global::Projekt.ZoneSortieren(0, 0), -1);
    EXPECT_EQ(gh.Anzahl(), 2);

    // opening a project file
    const auto ordner = std::filesystem::temp_directory_path() / ("zirvo_gh_" + std::to_string(::getpid()));
    std::filesystem::create_directories(ordner);
    const std::string datei = (ordner / "Haus.zirvo9").string();
    neuesProjekt(2);
    ASSERT_EQ(Global::Projekt.ProjektSpeichern(datei), 0);
    füllen(2);
    EXPECT_EQ(gh.Anzahl(), 4);
    ASSERT_EQ(Global::Projekt.ProjektEinlesen(datei), 0);
    EXPECT_EQ(gh.Anzahl(), 0);
    std::filesystem::remove_all(ordner);

    // Records of a zone index the project does not have never enter a sum.
    neuesProjekt(2);
    füllen(2);
    gh.GH_A(5, 0, "l", 1000, 5, 0.1, true, "", konstant(1000));
    gh.GH_F(5, 0, "F", 1000, 5, 1, false, "N", 0, 0.5, 0.7, 0.1, 0.1, 1, 1, konstant(1), konstant(0));
    EXPECT_NEAR(gh.Systemnachweis_WB(), 20, 1e-12);
    EXPECT_NEAR(gh.Systemnachweis_Q("l", 5), 24, 1e-9); // 2 zones * 12 months * 1
    EXPECT_EQ(gh.Faktor_H(5), 0);
    double fS1 = 0;
    EXPECT_EQ(gh.Systemnachweis_FS123(5, "*", fS1), 0);
    EXPECT_EQ(gh.Systemnachweis_FS(), 0); // zone 5's window is not the building's
}

// The system proof beyond the golden project: the limit rule for every kind
// of construction and requirement, the verdict on the shown values, and the
// building row with zones that share or do not share their category and
// room temperature and with zones without energy reference area.
#include "proofs/frmNachweis3801.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Nachweis3801, GrenzwertNachBauvorhabenUndAnforderung) {
    struct Fall {
        int BvArt, NwAnf;
        double Grenze;
    } fälle[] = {{0, 0, 40}, {2, 0, 40}, {0, 1, 24}, {2, 1, 24}, {1, 0, 60}, {3, 0, 60}, {1, 1, 60}, {3, 1, 60}};
    for (const Fall& f : fälle)
        EXPECT_DOUBLE_EQ(frmNachweis3801::Grenzwert(40, f.BvArt, f.NwAnf), f.Grenze) << f.BvArt << " " << f.NwAnf;
}

// The rows after the window has computed every zone.
std::vector<ListView::Zeile> Zeilen() {
    Global::frmNachweis3801.Form_Load();
    return Global::frmNachweis3801.lvwZonen.ListItems();
}

TEST(Nachweis3801, GebaeudezeileMitGemeinsamenWertenUndOhneFläche) {
    Testhilfe::Zonenprojekt z;
    Projekt& P = z.P;
    P.ZSetStr("Wohnen", "Bez");
    P.ZSetNum(20.5, "Ti");
    z.EBFSetzen(100);
    const std::int16_t b = z.ZoneHinzufügen("B");
    P.SetNZone(b);
    P.ZSetStr("Keller", "Bez");
    P.ZSetNum(20.5, "Ti");
    P.SetNZone(0);

    // The second zone has no area: the building's means are the first
    // zone's; both zones share category and room temperature.
    auto zeilen = Zeilen();
    ASSERT_EQ(zeilen.size(), 4u);
    EXPECT_EQ(zeilen[0].Text(2), "20.5");
    EXPECT_EQ(zeilen[1].Text(3), "0.0");
    EXPECT_EQ(zeilen[1].Text(5), "0.00");
    EXPECT_EQ(zeilen[2].Texte, std::vector<std::string>{""});
    const ListView::Zeile& g = zeilen[3];
    EXPECT_TRUE(g.Bold);
    EXPECT_EQ(g.Text(0), "Gebäude");
    EXPECT_EQ(g.Text(1), zeilen[0].Text(1));
    EXPECT_FALSE(g.Text(1).empty());
    EXPECT_EQ(g.Text(2), "20"); // 20.5 to the even whole number
    EXPECT_EQ(g.Text(3), "100.0");
    for (std::size_t i : {6u, 7u, 8u}) EXPECT_EQ(g.Text(i), zeilen[0].Text(i)) << i;
    EXPECT_EQ(P.GetNZone(), 0);

    // Different room temperatures and categories leave those cells empty.
    P.SetNZone(b);
    P.ZSetNum(22, "Ti");
    P.ZSetInt(3, "Gk");
    P.SetNZone(0);
    zeilen = Zeilen();
    EXPECT_EQ(zeilen[3].Text(1), "");
    EXPECT_EQ(zeilen[3].Text(2), "");

    // Without any area the building has no mean and no verdict.
    P.ZSetColl(nullptr, "Ah_");
    zeilen = Zeilen();
    EXPECT_EQ(zeilen[3].Text(3), "0.0");
    EXPECT_EQ(zeilen[3].Text(6), "");
    EXPECT_EQ(zeilen[3].Text(8), "");
    // Every number shown is a plain number (no "nan", "inf" or "#").
    for (const auto& zeile : zeilen)
        for (std::size_t i = 2; i <= 7; ++i)
            EXPECT_EQ(zeile.Text(i).find_first_not_of("-0123456789."), std::string::npos) << zeile.Text(i);
}

} // namespace

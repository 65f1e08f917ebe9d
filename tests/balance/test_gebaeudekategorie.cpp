#include "balance/Gebaeudekategorie.h"

#include <gtest/gtest.h>

namespace {

struct Kategorie {
    const char* Code;
    const char* Bezeichnung;
    double Ti, PFl, PWP, PPr, El, fe, AVE, WW, Hg0, DeltaHg;
};

// The standard's table of the twelve categories, as printed.
const Kategorie Erwartet[12] = {
    {"I", "Wohnen MFH", 20, 40, 70, 12, 28, 0.7, 0.7, 21, 13, 15},
    {"II", "Wohnen EFH", 20, 60, 70, 12, 22, 0.7, 0.7, 14, 16, 15},
    {"III", "Verwaltung", 20, 20, 80, 6, 22, 0.9, 0.7, 7, 13, 15},
    {"IV", "Schulen", 20, 10, 70, 4, 11, 0.9, 0.7, 7, 14, 15},
    {"V", "Verkauf", 20, 10, 90, 4, 33, 0.8, 0.7, 7, 7, 14},
    {"VI", "Restaurants", 20, 5, 100, 3, 33, 0.7, 1.2, 56, 16, 15},
    {"VII", "Versammlungslokale", 20, 5, 80, 3, 17, 0.8, 1.0, 14, 18, 15},
    {"VIII", "Spitäler", 22, 30, 80, 16, 28, 0.7, 1.0, 28, 18, 17},
    {"IX", "Industrie", 18, 20, 100, 6, 17, 0.9, 0.7, 7, 10, 14},
    {"X", "Lager", 18, 100, 100, 6, 6, 0.9, 0.3, 1, 14, 14},
    {"XI", "Sportbauten", 18, 20, 100, 6, 6, 0.9, 0.7, 83, 16, 14},
    {"XII", "Hallenbäder", 28, 20, 60, 4, 56, 0.7, 0.7, 83, 15, 18},
};

} // namespace

TEST(Gebaeudekategorie, AlleWerteDerZwoelfKategorien) {
    Gebäudekategorie gk;
    for (std::int16_t k = 1; k <= 12; ++k) {
        const Kategorie& e = Erwartet[k - 1];
        SCOPED_TRACE(k);
        EXPECT_EQ(gk.Code(k), e.Code);
        EXPECT_EQ(gk.Bezeichnung(k), e.Bezeichnung);
        // Exact equality: the decimal values must come out as the nearest double.
        EXPECT_EQ(gk.Innentemperatur(k), e.Ti);
        EXPECT_EQ(gk.Personenfläche(k), e.PFl);
        EXPECT_EQ(gk.Wärmeabgabe(k), e.PWP);
        EXPECT_EQ(gk.Präsenzzeit(k), e.PPr);
        EXPECT_EQ(gk.Elektroverbrauch(k), e.El);
        EXPECT_EQ(gk.ElektroReduktion(k), e.fe);
        EXPECT_EQ(gk.AussenluftVolumenstrom(k), e.AVE);
        EXPECT_EQ(gk.Warmwasser(k), e.WW);
        EXPECT_EQ(gk.Hg0(k), e.Hg0);
        EXPECT_EQ(gk.DeltaHg(k), e.DeltaHg);
    }
}

TEST(Gebaeudekategorie, NummerAusserhalbGibtLeerUndNull) {
    Gebäudekategorie gk;
    for (std::int16_t k : {0, -1, 13, 100, -32768, 32767}) {
        SCOPED_TRACE(k);
        EXPECT_EQ(gk.Code(k), "");
        EXPECT_EQ(gk.Bezeichnung(k), "");
        EXPECT_EQ(gk.Innentemperatur(k), 0);
        EXPECT_EQ(gk.Personenfläche(k), 0);
        EXPECT_EQ(gk.Wärmeabgabe(k), 0);
        EXPECT_EQ(gk.Präsenzzeit(k), 0);
        EXPECT_EQ(gk.Elektroverbrauch(k), 0);
        EXPECT_EQ(gk.ElektroReduktion(k), 0);
        EXPECT_EQ(gk.AussenluftVolumenstrom(k), 0);
        EXPECT_EQ(gk.Warmwasser(k), 0);
        EXPECT_EQ(gk.Hg0(k), 0);
        EXPECT_EQ(gk.DeltaHg(k), 0);
    }
}

#include "balance/basZIRVONorm.h"

#include "frame/basZIRVO3801.h"
#include "project/Projekt.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

namespace {

// Fills the current zone with the standard use of the category: the
// values of the standard's table, typed in here.
void standardnutzung(Projekt& p, std::int16_t gk) {
    struct Werte {
        double Ti, PFl, PWP, PPr, El, fe, AVE, WW;
    };
    const Werte w = gk == 1 ? Werte{20, 40, 70, 12, 28, 0.7, 0.7, 21} : Werte{18, 100, 100, 6, 6, 0.9, 0.3, 1};
    p.ZSetInt(gk, "Gk");
    p.ZSetNum(w.Ti, "Ti");
    p.ZSetNum(w.PFl, "PFl");
    p.ZSetNum(w.PWP, "PWP");
    p.ZSetNum(w.PPr, "PPr");
    p.ZSetNum(w.El, "El");
    p.ZSetNum(w.fe, "fe");
    p.ZSetNum(w.AVE, "AVE");
    p.ZSetNum(w.WW, "WW");
    p.ZSetNum(0, "ML");
}

KollektionZeiger verbraucherTabelle(int zeilen) {
    auto t = Kollektion::Neu();
    for (int i = 0; i < zeilen; ++i) {
        auto z = Kollektion::Neu();
        z->Hinzufügen("Pumpe");
        z->Hinzufügen(100.0);
        t->Hinzufügen(KollektionZeiger(z));
    }
    return t;
}

} // namespace

TEST(Standardnutzung, EineZone) {
    Testhilfe::Testumgebung umgebung;
    Projekt p;
    p.ProjektNeu();
    standardnutzung(p, 1);
    std::int16_t grund = -1;
    EXPECT_TRUE(basZIRVO3801::StandardwerteZonePrüfen(p, grund));
    EXPECT_EQ(grund, 2);

    // Every one of the eight values counts, compared exactly.
    for (const char* schlüssel : {"Ti", "PFl", "PWP", "PPr", "El", "fe", "AVE", "WW"}) {
        SCOPED_TRACE(schlüssel);
        standardnutzung(p, 1);
        p.ZSetNum(p.ZGetNum(schlüssel) + 1e-9, schlüssel);
        p.ZSetNum(1, "ML"); // the deviation is reported, not the ventilation
        grund = -1;
        EXPECT_FALSE(basZIRVO3801::StandardwerteZonePrüfen(p, grund));
        EXPECT_EQ(grund, 0);
    }
    // The category's values, not another category's.
    standardnutzung(p, 10);
    p.ZSetInt(1, "Gk");
    EXPECT_FALSE(basZIRVO3801::StandardwerteZonePrüfen(p, grund));
    EXPECT_EQ(grund, 0);
    standardnutzung(p, 10);
    EXPECT_TRUE(basZIRVO3801::StandardwerteZonePrüfen(p, grund));

    // Mechanical ventilation wins over extra consumers.
    standardnutzung(p, 1);
    p.ZSetNum(1, "ML");
    p.ZSetColl(verbraucherTabelle(1), "GE_");
    EXPECT_FALSE(basZIRVO3801::StandardwerteZonePrüfen(p, grund));
    EXPECT_EQ(grund, 1);
    p.ZSetNum(0, "ML");
    EXPECT_FALSE(basZIRVO3801::StandardwerteZonePrüfen(p, grund));
    EXPECT_EQ(grund, 2);
    p.ZSetColl(verbraucherTabelle(0), "GE_");
    EXPECT_TRUE(basZIRVO3801::StandardwerteZonePrüfen(p, grund));
    EXPECT_EQ(grund, 2);
}

TEST(Standardnutzung, AlleZonenUndMeldung) {
    Testhilfe::Testumgebung umgebung;
    Projekt leer;
    std::int16_t grund = -1;
    EXPECT_FALSE(basZIRVO3801::StandardwerteAlleZonenPrüfen(leer, grund));
    EXPECT_EQ(grund, 0);

    Projekt p;
    p.ProjektNeu();
    standardnutzung(p, 1);
    p.ZoneNeu();
    standardnutzung(p, 10);
    p.ZSetNum(1, "ML");
    p.ZSetStr("Werkstatt", "Bez");
    p.ZSetStr("Z2", "Code");
    p.ZoneNeu();
    standardnutzung(p, 1);
    p.ZSetNum(21, "Ti");
    p.ZSetStr("Z3", "Code");
    p.SetNZone(2);

    // Stops at zone 1 with its reason; zone 2 is not looked at.
    EXPECT_FALSE(basZIRVO3801::StandardwerteAlleZonenPrüfen(p, grund));
    EXPECT_EQ(grund, 1);
    EXPECT_EQ(p.GetNZone(), 2);

    EXPECT_FALSE(basZIRVO3801::StandardnutzungPrüfen(p, "Nachweis nicht möglich"));
    ASSERT_EQ(umgebung.meldungen.Gezeigt.size(), 1u);
    const auto& m = umgebung.meldungen.Nr(0);
    EXPECT_EQ(m.Text, "Nachweis nicht möglich:\r\n\r\nZone: Werkstatt [Z2]\r\nGrund:  Mechanische Lüftung vorhanden");
    EXPECT_EQ(m.Titel, basZIRVO3801::ProgrammTitel);
    EXPECT_EQ(m.Symbol, Plattform::Symbol::Fehler);
    EXPECT_EQ(m.Knöpfe, Plattform::Knöpfe::OK);
    EXPECT_EQ(p.GetNZone(), 2);

    p.SetNZone(1);
    p.ZSetNum(0, "ML");
    EXPECT_FALSE(basZIRVO3801::StandardnutzungPrüfen(p, "X"));
    EXPECT_EQ(umgebung.meldungen.Zuletzt().Text, "X:\r\n\r\nZone: [Z3]\r\nGrund:  Standardwerte geändert");
    p.SetNZone(2);
    p.ZSetColl(verbraucherTabelle(2), "GE_");
    p.ZSetNum(20, "Ti");
    EXPECT_FALSE(basZIRVO3801::StandardnutzungPrüfen(p, "X"));
    EXPECT_EQ(umgebung.meldungen.Zuletzt().Text, "X:\r\n\r\nZone: [Z3]\r\nGrund:  Zusätzlicher Elektrizitätsverbrauch vorhanden");
    p.ZSetColl(nullptr, "GE_");
    EXPECT_TRUE(basZIRVO3801::StandardwerteAlleZonenPrüfen(p, grund));
    EXPECT_EQ(grund, 2);
    std::size_t vorher = umgebung.meldungen.Gezeigt.size();
    EXPECT_TRUE(basZIRVO3801::StandardnutzungPrüfen(p, "X"));
    EXPECT_EQ(umgebung.meldungen.Gezeigt.size(), vorher);
}

TEST(Standardnutzung, VerwendungszaehlerJeElementtyp) {
    using basZIRVO3801::BauteiltypTabelleWert;
    EXPECT_EQ(BauteiltypTabelleWert(0, "", 0), 0);
    for (const char* t : {"D", "W", "B", "F", "T", "l", "p"}) {
        SCOPED_TRACE(t);
        EXPECT_EQ(BauteiltypTabelleWert(1, t, 7), 0);
        EXPECT_EQ(BauteiltypTabelleWert(1, t, 7), 0);
        EXPECT_EQ(BauteiltypTabelleWert(1, t, 99), 0);
        EXPECT_EQ(BauteiltypTabelleWert(1, t, 1), 0);
        // Numbers outside 1..99 are not counted and read as 0.
        for (std::int16_t n : {0, 100, -1, 32767, -32768}) {
            EXPECT_EQ(BauteiltypTabelleWert(1, t, n), 0);
            EXPECT_EQ(BauteiltypTabelleWert(2, t, n), 0);
        }
        EXPECT_EQ(BauteiltypTabelleWert(2, t, 7), 2);
        EXPECT_EQ(BauteiltypTabelleWert(2, t, 99), 1);
        EXPECT_EQ(BauteiltypTabelleWert(2, t, 1), 1);
        EXPECT_EQ(BauteiltypTabelleWert(2, t, 8), 0);
    }
    // Letters are told apart by case; unknown letters and modes change nothing.
    EXPECT_EQ(BauteiltypTabelleWert(1, "L", 7), 0);
    EXPECT_EQ(BauteiltypTabelleWert(2, "L", 7), 0);
    EXPECT_EQ(BauteiltypTabelleWert(2, "d", 7), 0);
    EXPECT_EQ(BauteiltypTabelleWert(2, "DW", 7), 0);
    EXPECT_EQ(BauteiltypTabelleWert(2, "", 7), 0);
    EXPECT_EQ(BauteiltypTabelleWert(3, "D", 7), 0);
    EXPECT_EQ(BauteiltypTabelleWert(-1, "D", 7), 0);
    EXPECT_EQ(BauteiltypTabelleWert(2, "D", 7), 2);
    EXPECT_EQ(BauteiltypTabelleWert(2, "p", 7), 2);
    EXPECT_EQ(BauteiltypTabelleWert(0, "x", 5), 0);
    for (const char* t : {"D", "W", "B", "F", "T", "l", "p"}) EXPECT_EQ(BauteiltypTabelleWert(2, t, 7), 0);
}

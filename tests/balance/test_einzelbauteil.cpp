#include "balance/Einzelbauteil.h"

#include "frame/basVB6NumCvt.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

namespace {

struct UZeile {
    const char* Code;
    const char* Text;
    double NeuG, NeuZ, UmG, UmZ, OhneWB;
};

// The standard's U table in its printed order.
const UZeile UTabelle[22] = {
    {"A1", "Dach gegen Aussenluft", 0.17, 0.10, 0.25, 0.10, 0.17},
    {"B1", "Wand gegen Aussenluft", 0.17, 0.10, 0.25, 0.10, 0.17},
    {"C1", "Boden gegen Aussenluft", 0.17, 0.10, 0.25, 0.10, 0.17},
    {"D1", "Fenster, Fenstertüre gegen Aussenluft", 1.0, 0.80, 1.0, 0.80, 1.0},
    {"E1", "Türe gegen Aussenluft", 1.2, 0.80, 1.2, 0.80, 1.2},
    {"F1", "Tor (gemäss SIA 343) gegen Aussenluft", 1.7, 0.80, 1.7, 0.80, 1.7},
    {"B5", "Storenkasten gegen Aussenluft", 0.50, 0.50, 0.50, 0.50, 0.50},
    {"A2", "Dach gegen unbeheizte Räume oder Erdreich", 0.25, 0.10, 0.28, 0.10, 0.25},
    {"B2", "Wand gegen unbeheizte Räume oder Erdreich", 0.25, 0.10, 0.28, 0.10, 0.25},
    {"C2", "Boden gegen unbeheizte Räume oder Erdreich", 0.25, 0.10, 0.28, 0.10, 0.25},
    {"D2", "Fenster, Fenstertüre gegen unbeheizte Räume", 1.3, 0.80, 1.3, 0.80, 1.3},
    {"E2", "Türe gegen unbeheizte Räume", 1.5, 0.80, 1.5, 0.80, 1.5},
    {"F2", "Tor (gemäss SIA 343) gegen unbeheizte Räume", 2.0, 0.80, 2.0, 0.80, 2.0},
    {"B6", "Storenkasten gegen unbeheizte Räume oder Erdreich", 0.50, 0.50, 0.50, 0.50, 0.50},
    {"A3", "Dach gegen Aussenluft (mit Flächenheizung)", 0.17, 0.10, 0.25, 0.10, 0.17},
    {"B3", "Wand gegen Aussenluft (mit Flächenheizung)", 0.17, 0.10, 0.25, 0.10, 0.17},
    {"C3", "Boden gegen Aussenluft (mit Flächenheizung)", 0.17, 0.10, 0.25, 0.10, 0.17},
    {"D3", "Fenster, Fenstertüre gegen Aussenluft (mit Flächenheizung)", 1.0, 0.80, 1.0, 0.80, 1.0},
    {"A4", "Dach gegen unbeheizte Räume oder Erdreich (mit Flächenheizung)", 0.25, 0.10, 0.28, 0.10, 0.25},
    {"B4", "Wand gegen unbeheizte Räume oder Erdreich (mit Flächenheizung)", 0.25, 0.10, 0.28, 0.10, 0.25},
    {"C4", "Boden gegen unbeheizte Räume oder Erdreich (mit Flächenheizung)", 0.25, 0.10, 0.28, 0.10, 0.25},
    {"D4", "Fenster, Fenstertüre gegen unbeheizte Räume (mit Flächenheizung)", 1.3, 0.80, 1.3, 0.80, 1.3},
};

struct WBZeile {
    const char* Code;
    double Grenz, Ziel;
    const char* Text;
};

const WBZeile WBTabelle[5] = {
    {"L1", 0.3, 0.3, "Auskragung (Balkon, Vordach usw.)"},
    {"L2", 0.2, 0.2, "Unterbrechung der Wärmedämmschicht (Wand, Decke)"},
    {"L3", 0.2, 0.2, "Unterbrechung der Wärmedämmschicht (Gebäudekanten)"},
    {"L5", 0.15, 0.15, "Fensteranschlag"},
    {"P1", 0.3, 0.3, "Punktuelle Durchdringung der Wärmedämmung"},
};

} // namespace

TEST(Einzelbauteil, UTabelleVollstaendig) {
    Testhilfe::Testumgebung umgebung;
    Einzelbauteil eb;
    for (int i = 0; i < 22; ++i) {
        const UZeile& z = UTabelle[i];
        SCOPED_TRACE(z.Code);
        std::string code = z.Code;
        EXPECT_EQ(eb.Index(code), i);
        EXPECT_EQ(eb.Index(code + "u"), i);
        EXPECT_EQ(eb.Index(code + "*"), i);
        EXPECT_EQ(eb.Index(code + "u*"), i);
        EXPECT_EQ(eb.Code(i, 0), code);
        EXPECT_EQ(eb.Code(i, 1), code + "u");
        EXPECT_EQ(eb.Code(i, 2), code + "*");
        EXPECT_EQ(eb.Code(i, 7), code);
        EXPECT_EQ(eb.Text(i), z.Text);
        // Exact equality: each value is the double of its decimal text.
        EXPECT_EQ(eb.Grenzwert(i, 0), z.NeuG);
        EXPECT_EQ(eb.Grenzwert(i, 1), z.UmG);
        EXPECT_EQ(eb.Grenzwert(i, 2), z.OhneWB);
        EXPECT_EQ(eb.Grenzwert(i, 3), 0);
        EXPECT_EQ(eb.Grenzwert(i, -1), 0);
        EXPECT_EQ(eb.Zielwert(i, 0), z.NeuZ);
        EXPECT_EQ(eb.Zielwert(i, 1), z.UmZ);
        EXPECT_EQ(eb.Zielwert(i, 2), 0);
        EXPECT_EQ(eb.Zielwert(i, 5), 0);
    }
}

TEST(Einzelbauteil, WaermebrueckenVollstaendig) {
    Testhilfe::Testumgebung umgebung;
    Einzelbauteil eb;
    for (int i = 0; i < 5; ++i) {
        const WBZeile& z = WBTabelle[i];
        SCOPED_TRACE(z.Code);
        EXPECT_EQ(eb.Index(z.Code), 100 + i);
        for (int typ : {0, 1, 2, 9}) {
            EXPECT_EQ(eb.Code(100 + i, typ), z.Code);
            EXPECT_EQ(eb.Grenzwert(100 + i, typ), z.Grenz);
            EXPECT_EQ(eb.Zielwert(100 + i, typ), z.Ziel);
        }
        EXPECT_EQ(eb.Text(100 + i), z.Text);
    }
    EXPECT_EQ(eb.Index("L4"), -1);
}

TEST(Einzelbauteil, CodesUndGrenzwerttypen) {
    Testhilfe::Testumgebung umgebung;
    Einzelbauteil eb;
    EXPECT_EQ(eb.Index("B2u"), 8);
    EXPECT_EQ(eb.GrTyp("B2u"), 1);
    EXPECT_EQ(eb.Grenzwert(8, 1), 0.28);
    EXPECT_EQ(eb.Zielwert(8, 1), 0.10);
    EXPECT_EQ(eb.Index("A1*"), 0);
    EXPECT_EQ(eb.GrTyp("A1*"), 2);
    EXPECT_EQ(eb.GrTyp("A1u*"), 2);
    EXPECT_EQ(eb.GrTyp("A1"), 0);
    EXPECT_EQ(eb.GrTyp(""), 0);
    EXPECT_EQ(eb.Grenzwert(0, 2), 0.17);
    EXPECT_EQ(eb.Zielwert(0, 2), 0);
    EXPECT_EQ(eb.Index("L5"), 103);
    EXPECT_EQ(eb.Code(103, 1), "L5");
    EXPECT_EQ(eb.Grenzwert(103, 2), 0.15);
    // Unknown and empty codes; case counts.
    for (const char* c : {"", "a1", "L4", "u", "*", "A1*u", "A", "B7", "A1 ", "Ä1"}) {
        SCOPED_TRACE(c);
        EXPECT_EQ(eb.Index(c), -1);
    }
    EXPECT_EQ(eb.BauteilTyp("X1"), "");
    EXPECT_EQ(eb.BauteilTyp(""), "");
    EXPECT_EQ(eb.BauteilGegen("X9"), "?");
    EXPECT_EQ(eb.BauteilGegen("A"), "?");
    EXPECT_EQ(eb.BauteilGegen(""), "?");
    EXPECT_EQ(eb.BauteilTyp("L1"), "Längenbezogene Wärmebrücke");
    EXPECT_EQ(eb.BauteilTyp("P1"), "Punktbezogene Wärmebrücke");
    EXPECT_EQ(eb.BauteilTyp("B5u"), "Storenkasten");
    EXPECT_EQ(eb.BauteilGegen("E4"), "gegen unbeheizte Räume (mit Flächenheizung)");
    EXPECT_EQ(eb.Text(6), "Storenkasten gegen Aussenluft");
    EXPECT_EQ(eb.Text(17), "Fenster, Fenstertüre gegen Aussenluft (mit Flächenheizung)");
    EXPECT_TRUE(eb.BauteilCodeIstFenster("d1"));
    EXPECT_TRUE(eb.BauteilCodeIstFenster("E2"));
    EXPECT_TRUE(eb.BauteilCodeIstFenster("f2u"));
    EXPECT_FALSE(eb.BauteilCodeIstFenster("B5"));
    EXPECT_FALSE(eb.BauteilCodeIstFenster(""));
}

TEST(Einzelbauteil, IndexAusserhalbDerTabellen) {
    Testhilfe::Testumgebung umgebung;
    Einzelbauteil eb;
    for (int i : {-1, 22, 50, 99, 105, 1000, -100}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(eb.Grenzwert(i, 0), 0);
        EXPECT_EQ(eb.Zielwert(i, 0), 0);
        EXPECT_EQ(eb.Code(i, 0), "");
        EXPECT_EQ(eb.Text(i), "");
    }
}

TEST(Einzelbauteil, EingegebenerWertErfuelltGleichenGrenzwert) {
    Testhilfe::Testumgebung umgebung;
    Einzelbauteil eb;
    // A window of 1.30 against unheated rooms meets its limit of 1.3; a
    // wall of 0.17 meets 0.17; 0.171 does not.
    EXPECT_LE(ZahlLesen("1.30"), eb.Grenzwert(eb.Index("D2"), 0));
    EXPECT_LE(ZahlLesen("1,3"), eb.Grenzwert(eb.Index("D4u"), 1));
    EXPECT_LE(ZahlLesen("0.17"), eb.Grenzwert(eb.Index("B1"), 0));
    EXPECT_LE(ZahlLesen("0.15"), eb.Grenzwert(eb.Index("L5"), 0));
    EXPECT_GT(ZahlLesen("0.171"), eb.Grenzwert(eb.Index("B1"), 0));
    EXPECT_LE(ZahlLesen("0.28"), eb.Grenzwert(eb.Index("C2u"), eb.GrTyp("C2u")));
}

TEST(Einzelbauteil, ProgrammweiteTabelleZeigtDieTexte) {
    // The program's table exists before the texts are switched on; its
    // descriptions still come out in full once they are.
    Testhilfe::Testumgebung umgebung;
    EXPECT_EQ(Global::Einzelbauteil.Text(103), "Fensteranschlag");
    EXPECT_EQ(Global::Einzelbauteil.Text(0), "Dach gegen Aussenluft");
    EXPECT_EQ(Global::Einzelbauteil.Grenzwert(10, 0), 1.3);
}

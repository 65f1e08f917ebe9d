#include "components/Bauteile.h"
#include "frame/Dateien.h"
#include "project/Projekt.h"
#include "tests/components/Komponentenhilfe.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

namespace {

Schicht S(std::string bez, double d, double rho, double la, double r = 0, std::string ue = "") {
    return {std::move(bez), d, rho, la, r, std::move(ue)};
}

struct FesteUhr : Testhilfe::SkriptUmgebung {
    FesteUhr() { Uhr = 1709208000; }
};

// Every kind with every member, texts with characters the file must escape,
// stored in a project, written to a file and read back: the same items, and
// a second save writes the same bytes.
TEST(Bauteile, UeberDieProjektdateiUnveraendert) {
    Testhilfe::Testumgebung test;
    FesteUhr uhr;
    Plattform::DiensteSetzen dienste{Plattform::Dienste{&test.meldungen, &test.dateidialoge, nullptr, nullptr, &uhr}};
    Testhilfe::Testordner ordner("bauteile");

    Bauteil wand{"Aussenwand | \"verputzt\"", "Kommentar mit ä~ö", 0.19, 0.46, 0.13, 0.04,
                 {S("Kalkputz", 1.5, 1800, 1.0), S("", 0, 0, 0), S("Mineralwolle 035", 16, 30, 0.035, 0, "1"),
                  S("Luftschicht", 0, 0, 0, 0.18, "2")},
                 "W1"};
    Bauteil dach{"Dach", "", 0.2, 0, 0.1, 0.04, {}, ""};
    Fenster fenster{"Holz-Metall", "3-fach", 1.0, 0.95, 0.5, 0.7, "Holz", 1.3, "IV 3-fach", 0.6, "F"};
    Wärmebrücke brücke{"Balkon", "", 0.1, "Auskragende Platte\r\nmit Zeilenumbruch", "WB1"};

    Projekt p;
    p.ProjektNeu();
    wand.Speichern(p, 1);
    dach.Speichern(p, 12);
    fenster.Speichern(p, 99);
    brücke.Speichern(p, 7);
    const std::string datei = ordner.Datei("Elemente.zirvo9");
    ASSERT_EQ(p.ProjektSpeichern(datei), 0);

    Projekt q;
    ASSERT_EQ(q.ProjektEinlesen(datei), 0);
    EXPECT_EQ(Bauteil::Lesen(q, 1), wand);
    EXPECT_EQ(Bauteil::Lesen(q, 12), dach);
    EXPECT_EQ(Fenster::Lesen(q, 99), fenster);
    EXPECT_EQ(Wärmebrücke::Lesen(q, 7), brücke);
    EXPECT_EQ(Elemente::Nummern(q, Elementart::Bauteil), (std::vector<int>{1, 12}));
    EXPECT_FALSE(Bauteil::Lesen(q, 2));
    EXPECT_FALSE(Fenster::Lesen(q, 1));

    const std::string erste = Dateien::Lesen(datei).value_or("");
    ASSERT_EQ(q.ProjektSpeichern(datei), 0);
    EXPECT_EQ(Dateien::Lesen(datei).value_or("<fehlt>"), erste);
}

// When a component counts as empty (and is removed), how its layers are
// kept, and what a damaged item reads as.
TEST(Bauteile, LeereUndBeschaedigteElemente) {
    struct Fall {
        const char* name;
        Bauteil b;
        bool bleibt;
        int zeilen; // rows under "Z", -1: no "Z"
    };
    std::vector<Schicht> nurZeile6(7);
    nurZeile6[6].Bez = "Backstein";
    const Fall fälle[] = {
        {"nur CodeGr", {"", "", 0, 0, 0, 0, {}, "A1"}, false, -1},
        {"nur U2", {"", "", 0, 0.5, 0, 0, {}, ""}, false, -1},
        {"Blanks und leere Zeilen", {"  ", " ", 0, 0, 0, 0, {Schicht{}, S("   ", 0, 0, 0)}, ""}, false, -1},
        {"nur Rsi", {"", "", 0, 0, 0.13, 0, {}, ""}, true, -1},
        {"Schicht in Zeile 7", {"", "", 0, 0, 0, 0, nurZeile6, ""}, true, 7},
        {"nur Ueberwachung", {"", "", 0, 0, 0, 0, {S("", 0, 0, 0, 0, "0")}, ""}, true, 1},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        Projekt p;
        p.ProjektNeu();
        Bauteil{"alt", "", 1, 0, 0, 0, {}, ""}.Speichern(p, 5);
        f.b.Speichern(p, 5);
        KollektionZeiger k = p.PGetColl("B-5");
        ASSERT_EQ(k != nullptr, f.bleibt);
        if (!k) continue;
        KollektionZeiger z = k->Koll("Z");
        EXPECT_EQ(z ? z->Anzahl() : -1, f.zeilen);
        EXPECT_EQ(Bauteil::AusKollektion(*k), f.b);
    }

    // Member 4 of a thermal bridge is always written as 0.
    auto alt = Kollektion::Neu();
    for (const char* t : {"Ecke", "", "0.05", "7", "Text"}) alt->Hinzufügen(t);
    EXPECT_EQ(Wärmebrücke::AusKollektion(*alt).AlsKollektion()->Zahl(4), 0);
    EXPECT_EQ(Wärmebrücke::AusKollektion(*alt).Psi, 0.05);

    // Too few members, texts for numbers, a layer that is no collection.
    auto kaputt = Kollektion::Neu();
    kaputt->Hinzufügen("Rest");
    kaputt->Hinzufügen(3.0);
    kaputt->Hinzufügen("1.5x");
    auto schichten = Kollektion::Neu();
    schichten->Hinzufügen("keine Zeile");
    kaputt->Hinzufügen(KollektionZeiger(schichten), "Z");
    const Bauteil b = Bauteil::AusKollektion(*kaputt);
    EXPECT_EQ(b.Bez, "Rest");
    EXPECT_EQ(b.Kom, "3");
    EXPECT_EQ(b.U, 1.5);
    EXPECT_EQ(b.Rse, 0);
    ASSERT_EQ(b.Schichten.size(), 1u);
    EXPECT_EQ(b.Schichten[0], Schicht{});
    const Fenster f = Fenster::AusKollektion(*kaputt);
    EXPECT_EQ(f.Ug, 0);
    EXPECT_EQ(f.CodeGr, "");

    // Numbers outside 1..99 are never stored or read.
    Projekt p;
    p.ProjektNeu();
    Fenster x;
    x.Bez = "x";
    x.Speichern(p, 0);
    x.Speichern(p, 100);
    EXPECT_EQ(p.PGetColl("F-0"), nullptr);
    EXPECT_EQ(p.PGetColl("F-100"), nullptr);
}

} // namespace

// Storing a value under its key replaces the stored one in its place.
#include "project/Kollektion.h"
#include "project/Projekt.h"

#include <gtest/gtest.h>

TEST(Kollektion, SetzenErsetztAnSeinerStelle) {
    Kollektion k;
    k.Hinzufügen(1.0, "a");
    k.Hinzufügen(2.0, "b");
    k.Hinzufügen("drei", "c");

    // Replaced in place, under the key as now given; other kinds of value too.
    k.Setzen(20.0, "B");
    EXPECT_EQ(k.Anzahl(), 3);
    EXPECT_EQ(k.Zahl(2), 20);
    EXPECT_EQ(k.Schlüssel(2), "B");
    EXPECT_EQ(k.Zahl("b"), 20);
    k.Setzen(std::string("vier"), "A");
    EXPECT_EQ(k.Text(1), "vier");
    EXPECT_EQ(k.Schlüssel(1), "A");
    auto teil = Kollektion::Neu();
    teil->Hinzufügen(5.0);
    k.Setzen(KollektionZeiger(teil), "c");
    EXPECT_EQ(k.Koll(3), teil);
    EXPECT_EQ(k.Text("c"), "");
    // Umlauts fold as keys do.
    k.Hinzufügen(1.0, "Länge");
    k.Setzen(2.0, "LÄNGE");
    EXPECT_EQ(k.Anzahl(), 4);
    EXPECT_EQ(k.Zahl("länge"), 2);

    // A new key is appended.
    k.Setzen(7.0, "d");
    EXPECT_EQ(k.Anzahl(), 5);
    EXPECT_EQ(k.Schlüssel(5), "d");

    // A null collection removes the entry; the entries behind it move up.
    k.Setzen(KollektionZeiger(), "a");
    EXPECT_EQ(k.Anzahl(), 4);
    EXPECT_FALSE(k.Enthält("a"));
    EXPECT_EQ(k.Schlüssel(1), "B");
    k.Setzen(KollektionZeiger(), "nie"); // nothing to remove: nothing happens
    EXPECT_EQ(k.Anzahl(), 4);

    // An empty key appends an entry without key, every time; a null
    // collection without key is not stored.
    k.Setzen(8.0, "");
    k.Setzen(8.0, "");
    EXPECT_EQ(k.Anzahl(), 6);
    EXPECT_EQ(k.Schlüssel(6), "");
    k.Setzen(KollektionZeiger(), "");
    EXPECT_EQ(k.Anzahl(), 6);
}

TEST(ProjektModell, WerteErsetzenUndEntfernen) {
    Projekt p;
    p.ProjektNeu();
    p.ZSetNum(1, "EBF");
    p.ZSetStr("Zone 1", "Bez");
    p.ZSetNum(2, "ebf");
    EXPECT_EQ(p.ZGetNum("EBF"), 2);
    EXPECT_EQ(p.ZGetStr("Bez"), "Zone 1");
    p.ZSetStr("12.5", "EBF");
    EXPECT_EQ(p.ZGetNum("EBF"), 12.5);
    auto zeilen = Kollektion::Neu();
    p.ZSetColl(zeilen, "A_");
    EXPECT_EQ(p.ZGetColl("A_"), zeilen);
    p.ZSetColl(nullptr, "A_");
    EXPECT_EQ(p.ZGetColl("A_"), nullptr);
    p.PSetNum(3, "x");
    p.PSetNum(4, "X");
    EXPECT_EQ(p.PGetNum("x"), 4);
}

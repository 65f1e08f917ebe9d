// Storing a table keeps the stored rows that the cells would store again
// unchanged, and stores every row that differs anew.
#include "mainwindow/frmZIRVO3801.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <cmath>

using Testhilfe::Zonenprojekt;

TEST(TabelleSpeichern, GleicheZeilenBleibenGeänderteWerdenNeu) {
    Zonenprojekt z;
    auto& f = z.F;
    z.Zeile(TabelleA, 0, {"W", "Wand Süd", "12.5", "", "0.3", "", "S"});
    z.Zeile(TabelleA, 1, {"D", "Dach", "40", "", "0.2"});
    f.TabelleSpeichern(TabelleA);
    KollektionZeiger t1 = z.P.ZGetColl("A_");
    ASSERT_NE(t1, nullptr);
    ASSERT_EQ(t1->Anzahl(), 2);
    KollektionZeiger wand = t1->Koll(1), dach = t1->Koll(2);

    // Loaded and stored again: the same rows.
    f.TabelleEinlesen(TabelleA);
    f.TabelleSpeichern(TabelleA);
    KollektionZeiger t2 = z.P.ZGetColl("A_");
    EXPECT_EQ(t2->Koll(1), wand);
    EXPECT_EQ(t2->Koll(2), dach);

    // Trailing blanks are not stored: still the same row. A changed U, a
    // changed description: new rows with the new values.
    f.txtDaBez[0].setText("Wand Süd   ");
    f.txtDaU[1].setText("0,25");
    f.TabelleSpeichern(TabelleA);
    KollektionZeiger t3 = z.P.ZGetColl("A_");
    EXPECT_EQ(t3->Koll(1), wand);
    ASSERT_NE(t3->Koll(2), dach);
    EXPECT_EQ(t3->Koll(2)->Zahl(5), 0.25);
    f.txtDaBez[0].setText("Wand Nord");
    f.TabelleSpeichern(TabelleA);
    KollektionZeiger t4 = z.P.ZGetColl("A_");
    ASSERT_NE(t4->Koll(1), wand);
    EXPECT_EQ(t4->Koll(1)->Text(2), "Wand Nord");
    EXPECT_EQ(t4->Koll(1)->Zahl(3), 12.5);

    // Stored rows of another shape are stored anew in the table's shape: an
    // extra item, a key, -0 where the cell reads 0, a text where a number belongs.
    auto zeile = [](std::initializer_list<Kollektion::Wert> werte) {
        auto k = Kollektion::Neu();
        for (const auto& w : werte) k->WertHinzufügen(w);
        return k;
    };
    auto tabelle = Kollektion::Neu();
    tabelle->Hinzufügen(KollektionZeiger(zeile({"W", "a", 10.0, 0.0, 0.3, "", "S", "mehr"})));
    auto mitSchlüssel = zeile({"W", "b", 10.0, 0.0, 0.3, "", "S"});
    mitSchlüssel->Hinzufügen("x", "Schlüssel");
    tabelle->Hinzufügen(KollektionZeiger(mitSchlüssel));
    tabelle->Hinzufügen(KollektionZeiger(zeile({"W", "c", 10.0, -0.0, 0.3, "", "S"})));
    tabelle->Hinzufügen(KollektionZeiger(zeile({"W", "d", "10", 0.0, 0.3, "", "S"})));
    z.P.ZSetColl(tabelle, "A_");
    f.TabelleEinlesen(TabelleA);
    f.TabelleSpeichern(TabelleA);
    KollektionZeiger t5 = z.P.ZGetColl("A_");
    ASSERT_EQ(t5->Anzahl(), 4);
    for (std::int32_t r = 1; r <= 4; ++r) {
        SCOPED_TRACE(r);
        ASSERT_NE(t5->Koll(r), tabelle->Koll(r));
        EXPECT_EQ(t5->Koll(r)->Anzahl(), 7);
        EXPECT_EQ(t5->Koll(r)->Schlüssel(8), "");
        EXPECT_EQ(t5->Koll(r)->Zahl(3), 10);
        EXPECT_NE(std::get_if<double>(t5->Koll(r)->Eintrag(3)), nullptr);
    }
    EXPECT_FALSE(std::signbit(t5->Koll(3)->Zahl(4)));
}

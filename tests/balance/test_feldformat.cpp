#include "balance/Feldformat.h"
#include "frame/Steuerelemente.h"
#include "frame/basVB6NumCvt.h"
#include "frame/cVB6_NumCvt.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// Decimal point and comma input fixed for one test.
class Dezimalpunkt {
public:
    Dezimalpunkt() : alt_(cVB6_NumCvt::Instanz()), komma_(basVB6NumCvt::KommaEingabe) {
        cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "xx-XX", ".", "'", ".", "'"));
        basVB6NumCvt::KommaEingabeSetzen(true);
    }
    ~Dezimalpunkt() {
        cVB6_NumCvt::InstanzSetzen(alt_);
        basVB6NumCvt::KommaEingabeSetzen(komma_);
    }

private:
    cVB6_NumCvt alt_;
    bool komma_;
};

void erwarte(const Feldformat& f, bool zahl, int stellen, int nkst, bool berechnen, int spalte) {
    EXPECT_EQ(f.Zahl, zahl);
    EXPECT_EQ(f.Stellen, stellen);
    EXPECT_EQ(f.NKSt, nkst);
    EXPECT_EQ(f.Berechnen, berechnen);
    EXPECT_EQ(f.Spalte, spalte);
}

} // namespace

TEST(Feldformat, CodesNachPosition) {
    erwarte(Feldformat::Dekodieren("z71b1"), true, 7, 1, true, 1);
    erwarte(Feldformat::Dekodieren("t--b0"), false, 0, 0, true, 0);
    erwarte(Feldformat::Dekodieren("t--b10"), false, 0, 0, true, 10);
    erwarte(Feldformat::Dekodieren("t---0"), false, 0, 0, false, 0);
    erwarte(Feldformat::Dekodieren("t---5"), false, 0, 0, false, 5);
    erwarte(Feldformat::Dekodieren("z51"), true, 5, 1, false, 0);
    erwarte(Feldformat::Dekodieren("z42"), true, 4, 2, false, 0);
    erwarte(Feldformat::Dekodieren("z50-2"), true, 5, 0, false, 2);
    erwarte(Feldformat::Dekodieren("z32b9"), true, 3, 2, true, 9);
    // The letters are compared exactly.
    erwarte(Feldformat::Dekodieren("Z42b3"), false, 4, 2, true, 3);
    erwarte(Feldformat::Dekodieren("z42B3"), true, 4, 2, false, 3);
    // Short, empty and garbled codes read as 0 where a digit is missing.
    erwarte(Feldformat::Dekodieren(""), false, 0, 0, false, 0);
    erwarte(Feldformat::Dekodieren("z"), true, 0, 0, false, 0);
    erwarte(Feldformat::Dekodieren("zxyb\xFF\xFE"), true, 0, 0, true, 0);
    erwarte(Feldformat::Dekodieren("z42b123"), true, 4, 2, true, 12);
}

TEST(Feldformat, ZellenUndSummenlabels) {
    Dezimalpunkt punkt;
    Feldformat z42b3 = Feldformat::Dekodieren("z42b3");
    EXPECT_EQ(z42b3.Zellentext(1234.56), "##.##");
    EXPECT_EQ(z42b3.Zellentext(0.0), "");
    EXPECT_EQ(z42b3.Zellentext(3.14159), "  3.14");
    EXPECT_EQ(Feldformat::Dekodieren("z40b2").Zellentext(8.5), "      9");
    // Leaving a cell rewrites its own text.
    Feldformat z60b1 = Feldformat::Dekodieren("z60b1");
    EXPECT_EQ(z60b1.Zellentext("1'500"), "    1500");
    EXPECT_EQ(z60b1.Zellentext("abc"), "");
    EXPECT_EQ(z60b1.Zellentext("0"), "");
    EXPECT_EQ(z60b1.Zellentext("1'234'567"), "######");
    Feldformat text = Feldformat::Dekodieren("t---0");
    EXPECT_EQ(text.Zellentext("Fenster Süd  "), "Fenster Süd");
    EXPECT_EQ(text.Zellentext(2.5), "2.5");
    // A total label shows 0 as a number.
    Feldformat z71 = Feldformat::Dekodieren("z71");
    EXPECT_EQ(z71.Labeltext("0"), std::string(10, ' ') + "0.0");
    EXPECT_EQ(z71.Labeltext("1234,56"), "    1234.6");
    EXPECT_EQ(text.Labeltext("Total  "), "Total");
}

TEST(Spaltenliste, CodesNachSteuerelementname) {
    Spaltenliste liste;
    EXPECT_EQ(liste.Anzahl(), 0);
    TextBox txtBez("txtBez", 0), txtha("txtha", 3);
    liste.SpalteRegistrieren(txtBez, "t---0");
    liste.SpalteRegistrieren("txtLSt", "z60b1");
    liste.SpalteRegistrieren(txtha, "z40b2");
    liste.SpalteRegistrieren("txtWRG", "z30b3");
    liste.SpalteRegistrieren("txtQ", "z51");
    liste.SpalteRegistrieren("txtLSt", "z99b9"); // a later entry of the same name is never found
    EXPECT_EQ(liste.Anzahl(), 6);

    erwarte(liste.FeldFormatLesen("txtBez"), false, 0, 0, false, 0);
    erwarte(liste.FeldFormatLesen("txtLSt"), true, 6, 0, true, 1);
    erwarte(liste.FeldFormatLesen("txtha"), true, 4, 0, true, 2);
    erwarte(liste.FeldFormatLesen("txtWRG"), true, 3, 0, true, 3);
    erwarte(liste.FeldFormatLesen("txtQ"), true, 5, 1, false, 0);
    // Not registered, or another case: a text field without recompute in column 0.
    erwarte(liste.FeldFormatLesen("txtAnteilML"), false, 0, 0, false, 0);
    erwarte(liste.FeldFormatLesen("txtlst"), false, 0, 0, false, 0);
    erwarte(liste.FeldFormatLesen(""), false, 0, 0, false, 0);

    liste.Leeren();
    EXPECT_EQ(liste.Anzahl(), 0);
    erwarte(liste.FeldFormatLesen("txtLSt"), false, 0, 0, false, 0);
}

#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVO_Array.h"
#include "frame/basZIRVO_Format.h"
#include "frame/cVB6_NumCvt.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace basZIRVO_Array;
using namespace basZIRVO_Format;

namespace {

// The user's separators fixed for one test, the shared settings restored afterwards.
class Trennzeichen {
public:
    explicit Trennzeichen(const std::string& dezimal)
        : alt_(cVB6_NumCvt::Instanz()), komma_(basVB6NumCvt::KommaEingabe) {
        cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "xx-XX", dezimal, "'", ".", "'"));
        basVB6NumCvt::KommaEingabeSetzen(true);
    }
    ~Trennzeichen() {
        cVB6_NumCvt::InstanzSetzen(alt_);
        basVB6NumCvt::KommaEingabeSetzen(komma_);
    }

private:
    cVB6_NumCvt alt_;
    bool komma_;
};

std::string wiederholt(const std::string& stück, int anzahl, char trenner) {
    std::string s;
    for (int i = 0; i < anzahl; ++i) {
        if (i > 0) s += trenner;
        s += stück;
    }
    return s;
}

Monatsarray gefüllt(double wert) {
    Monatsarray a;
    a.fill(wert);
    return a;
}

} // namespace

TEST(Zahlenliste, ElementtextOhneNullVorDemPunkt) {
    EXPECT_EQ(ElementText(0), " 0");
    EXPECT_EQ(ElementText(1.5), " 1.5");
    EXPECT_EQ(ElementText(-2), "-2");
    EXPECT_EQ(ElementText(0.5), " .5");
    EXPECT_EQ(ElementText(-0.5), "-.5");
    EXPECT_EQ(ElementText(1e15), " 1E+15");
    EXPECT_EQ(ElementText(-1.5e-7), "-1.5E-07");
    EXPECT_EQ(ArrayZuTextX({1.5, 0, -2}), " 1.5; 0;-2");
    EXPECT_EQ(ArrayZuTextX({}), "");
}

TEST(Zahlenliste, DreizehnWerteOderNichts) {
    Monatsarray nullen{};
    const std::string text = ArrayZuText1(nullen);
    EXPECT_EQ(text, wiederholt(" 0", 13, ';'));
    Monatsarray a = gefüllt(7);
    TextZuArray1(text, a);
    EXPECT_EQ(a, nullen);

    // 12 or 14 items, or an empty text, change nothing.
    for (const std::string& falsch : {wiederholt("1", 12, ';'), wiederholt("1", 14, ';'), std::string()}) {
        a = gefüllt(7);
        TextZuArray1(falsch, a);
        EXPECT_EQ(a, gefüllt(7));
    }
    // Empty and unreadable items read as 0, out-of-range ones too.
    a = gefüllt(7);
    TextZuArray1("1;;2.5;x;1E999;-.25; 3 ;;;;;;12", a);
    EXPECT_EQ(a, (Monatsarray{1, 0, 2.5, 0, 0, -0.25, 3, 0, 0, 0, 0, 0, 12}));
    // A comma is no decimal point in stored lists.
    TextZuArray1(wiederholt("1,5", 13, ';'), a);
    EXPECT_EQ(a, gefüllt(1));
}

TEST(Zahlenliste, WerteÜberlebenDieHinUndRückreise) {
    Monatsarray werte = {0.1, -0.5, 1.0 / 3.0, 1e-7, 123456.789, -1e300, 5e-324, 45.05, 0, 1e15, 7, -0.0001, 2.675};
    Monatsarray gelesen = gefüllt(99);
    TextZuArray1(ArrayZuText1(werte), gelesen);
    for (std::size_t i = 0; i < werte.size(); ++i)
        EXPECT_EQ(gelesen[i], ZahlLesenDbl(ZahlText(werte[i]))) << i;
    EXPECT_EQ(gelesen[0], 0.1);
    EXPECT_EQ(gelesen[7], 45.05);

    std::vector<double> frei = {4.5, -3, 0.25, 8, 1e-20};
    std::vector<double> ziel(5, 9);
    TextZuArrayX(ArrayZuTextX(frei), ziel);
    EXPECT_EQ(ziel, frei);
    // A list of another length leaves the array as it was.
    std::vector<double> sechs(6, 9);
    TextZuArrayX(ArrayZuTextX(frei), sechs);
    EXPECT_EQ(sechs, std::vector<double>(6, 9));
    std::vector<double> leer;
    TextZuArrayX("", leer);
    EXPECT_TRUE(leer.empty());
}

TEST(Zahlentabelle, DreizehnZeilenZuSechsWerten) {
    Monatstabelle t{};
    for (std::size_t i = 0; i < 13; ++i)
        for (std::size_t j = 0; j < 6; ++j) t[i][j] = static_cast<double>(i * 10 + j) + 0.5;
    const std::string text = ArrayZuText2(t);
    EXPECT_EQ(text.substr(0, text.find(':')), " .5; 1.5; 2.5; 3.5; 4.5; 5.5");
    EXPECT_EQ(std::count(text.begin(), text.end(), ':'), 12);

    Monatstabelle gelesen{};
    TextZuArray2(text, gelesen);
    EXPECT_EQ(gelesen, t);

    // The fourth row has 5 values: rows 0 to 2 are read, rows 3 to 12 stay.
    std::string zeilen[13];
    for (int i = 0; i < 13; ++i) zeilen[i] = wiederholt("1", 6, ';');
    zeilen[3] = wiederholt("1", 5, ';');
    std::string kaputt;
    for (int i = 0; i < 13; ++i) kaputt += (i ? ":" : "") + zeilen[i];
    Monatstabelle u = t;
    TextZuArray2(kaputt, u);
    for (std::size_t i = 0; i < 13; ++i)
        for (std::size_t j = 0; j < 6; ++j) EXPECT_EQ(u[i][j], i < 3 ? 1 : t[i][j]) << i << "," << j;

    // 12 or 14 rows change nothing.
    for (int anzahl : {12, 14}) {
        u = t;
        TextZuArray2(wiederholt(wiederholt("1", 6, ';'), anzahl, ':'), u);
        EXPECT_EQ(u, t);
    }
}

TEST(ZahlFormatieren, BreiteDoppelteLeerzeichenUndRauten) {
    Trennzeichen punkt(".");
    EXPECT_EQ(ZahlFormatieren(3.14159, 6, 2), "      3.14");
    EXPECT_EQ(ZahlFormatieren(-3.14159, 6, 2), "    -3.14");
    EXPECT_EQ(ZahlFormatieren(123456.7, 5, 1), "####.#");
    EXPECT_EQ(ZahlFormatieren(123456, 5, 0), "#####");
    // "z42": up to 99.99
    EXPECT_EQ(ZahlFormatieren(3.14159, 4, 2), "  3.14");
    EXPECT_EQ(ZahlFormatieren(99.994, 4, 2), "99.99");
    EXPECT_EQ(ZahlFormatieren(99.995, 4, 2), "##.##");
    EXPECT_EQ(ZahlFormatieren(100, 4, 2), "##.##");
    // "z20"
    EXPECT_EQ(ZahlFormatieren(7, 2, 0), "  7");
    EXPECT_EQ(ZahlFormatieren(123, 2, 0), "##");
    // Halves away from zero on the decimal value.
    EXPECT_EQ(ZahlFormatieren(8.5, 4, 0), "      9");
    EXPECT_EQ(ZahlFormatieren(2.675, 4, 2), "  2.68");
    EXPECT_EQ(ZahlFormatieren(-0.001, 4, 2), "  0.00");
    EXPECT_EQ(ZahlFormatieren(0, 7, 1), std::string(10, ' ') + "0.0");
    // Values that cannot be shown, and codes that make no sense, give the marks.
    EXPECT_EQ(ZahlFormatieren(std::nan(""), 4, 2), "##.##");
    EXPECT_EQ(ZahlFormatieren(1e300, 9, 0), "#########");
    EXPECT_EQ(ZahlFormatieren(5, -3, 0), "");
    EXPECT_EQ(ZahlFormatieren(5, 1, -2), "5");
    EXPECT_EQ(ZahlFormatieren(1.5, 1, 3), ".###");
}

TEST(ZahlFormatieren, DezimaltrennerDesBenutzers) {
    {
        Trennzeichen komma(",");
        EXPECT_EQ(ZahlFormatieren(3.14159, 6, 2), "      3,14");
        EXPECT_EQ(ZahlTextFormatieren("3,14159", 4, 2), "  3,14");
    }
    {
        // A separator the number reader does not know would turn the cell
        // into a different number when it is read again: "." is used.
        Trennzeichen arabisch("\u066B");
        EXPECT_EQ(ZahlFormatieren(3.14159, 6, 2), "      3.14");
    }
    // Cell texts read back as the rounded value, whichever separator.
    for (const char* trenner : {",", "."}) {
        Trennzeichen t(trenner);
        for (double x : {3.14159, -1234.5678, 0.005, 99.994, 45.05}) {
            EXPECT_EQ(ZahlLesen(ZahlFormatieren(x, 9, 2)), basZIRVO3801::Runden(x, 2)) << trenner << " " << x;
            EXPECT_EQ(ZahlLesen(ZahlFormatieren(x, 9, 0)), basZIRVO3801::Runden(x, 0)) << trenner << " " << x;
        }
    }
}

TEST(ZahlFormatieren, TextNullIstLeer) {
    Trennzeichen punkt(".");
    for (const char* null : {"0,0", "0", "", "abc", "0,00", "-0", "1E999"}) EXPECT_EQ(ZahlTextFormatieren(null, 6, 0), "") << null;
    EXPECT_EQ(ZahlTextFormatieren("1'250", 6, 0), "    1250");
    EXPECT_EQ(ZahlTextFormatieren("1.250,5", 6, 1), "  1250.5");
    EXPECT_EQ(ZahlTextFormatieren("0,001", 4, 2), "  0.00");
}

TEST(ZahlFormatieren, TextRechtsTrimmen) {
    EXPECT_EQ(TextRechtsTrimmen("Wand  "), "Wand");
    EXPECT_EQ(TextRechtsTrimmen("  a b  "), "  a b");
    EXPECT_EQ(TextRechtsTrimmen("   "), "");
    EXPECT_EQ(TextRechtsTrimmen(""), "");
    EXPECT_EQ(TextRechtsTrimmen("a\t"), "a\t");
}

// Number texts and number arrays: the short ways the readers and writers
// take for common values give exactly what the general way gives, and the
// arrays kept from earlier writes and reads follow every change.
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO_Array.h"
#include "frame/basZIRVO_Format.h"
#include "frame/cVB6_NumCvt.h"
#include "project/Projekt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using basVB6NumCvt::FestkommaText;

namespace {

// Comma input on for one test; the setting as it was afterwards.
struct Kommaeingabe {
    bool bisher = basVB6NumCvt::KommaEingabe;
    Kommaeingabe() { basVB6NumCvt::KommaEingabeSetzen(true); }
    ~Kommaeingabe() { basVB6NumCvt::KommaEingabeSetzen(bisher); }
};

} // namespace

TEST(ZahlText, KurzeWegeRundenWieDerDezimalwert) {
    // 0.1 + 0.2 is 0.30000000000000004 (17 digits): 15 digits give 0.3.
    EXPECT_EQ(ZahlText(0.1 + 0.2), "0.3");
    EXPECT_EQ(ZahlText(1.0 / 3), "0.333333333333333");
    // The shortest form 0.1234567890123455 ends in 5 at the 16th digit, but the
    // double is 0.12345678901234549695...: 15 digits round down, not up.
    EXPECT_EQ(ZahlText(0.1234567890123455), "0.123456789012345");
    // 2.000000000000005 is the double 2.00000000000000488...: 15 digits give 2.
    EXPECT_EQ(ZahlText(2.000000000000005), "2");
    EXPECT_EQ(ZahlText(-12.5), "-12.5");
    EXPECT_EQ(ZahlText(1500), "1500");
    EXPECT_EQ(ZahlText(0.05), "0.05");

    // Fixed point rounds the decimal value half away from zero: 2.675 is the
    // double 2.67499999999999982..., whose 15 digits are 2.675 -> 2.68.
    EXPECT_EQ(FestkommaText(2.675, 2), "2.68");
    EXPECT_EQ(FestkommaText(-2.675, 2), "-2.68");
    EXPECT_EQ(FestkommaText(0.125, 2), "0.13");
    EXPECT_EQ(FestkommaText(12.5, 0), "13");
    EXPECT_EQ(FestkommaText(0.17, 2), "0.17");
    EXPECT_EQ(FestkommaText(0.004, 2), "0.00");
    EXPECT_EQ(FestkommaText(-0.004, 2), "0.00"); // no sign for a zero
    EXPECT_EQ(FestkommaText(-0.005, 2), "-0.01");
    EXPECT_EQ(FestkommaText(0.05, 3), "0.050");
    // Carries through every digit: 99999999.96 -> 100000000.0.
    EXPECT_EQ(FestkommaText(99999999.96, 1), "100000000.0");
    EXPECT_EQ(FestkommaText(999999999.96, 1), "1000000000.0");
    EXPECT_EQ(FestkommaText(1234.5678, 9), "1234.567800000");
}

TEST(ZahlLesen, KurzeWegeLesenWieDieScanregel) {
    Kommaeingabe komma;
    EXPECT_EQ(ZahlLesen("      12,5"), 12.5);
    EXPECT_EQ(ZahlLesen("  0,050  "), 0.05);
    EXPECT_EQ(ZahlLesen("0.25"), 0.25);      // no comma: the point is the decimal point
    EXPECT_EQ(ZahlLesen("1.000,5"), 1000.5); // a comma: points are dropped
    EXPECT_EQ(ZahlLesen("1'000.5"), 1000.5);
    EXPECT_EQ(ZahlLesen("1,2,3"), 1.2);      // the second comma ends the number
    EXPECT_EQ(ZahlLesen("12 3"), 123);       // blanks inside are skipped
    EXPECT_EQ(ZahlLesen("+7"), 7);
    EXPECT_EQ(ZahlLesen("3e2"), 300);
    EXPECT_EQ(ZahlLesen("00000000000000000001"), 1);
    EXPECT_EQ(ZahlLesen("12345678901234567890"), 12345678901234567890.0);
    // -0 reads as 0 without a sign, as the general reader gives it.
    EXPECT_EQ(ZahlLesen("-0,0"), 0);
    EXPECT_FALSE(std::signbit(ZahlLesen("-0,0")));
    EXPECT_EQ(ZahlLesen("-0,25"), -0.25);
    // 0,1 is the double nearest to 0.1 (one correct rounding of 1 / 10).
    EXPECT_EQ(ZahlLesen("0,1"), 0.1);
    EXPECT_EQ(ZahlLesen("123456789,123456789"), 123456789.123456789);
    EXPECT_EQ(ZahlLesenInt("  2,5"), 2); // the file form stops at the comma
    EXPECT_EQ(ZahlLesenDbl(" 1.5 "), 1.5);
}

TEST(Zahlenliste, GemerkteTexteFolgenJederÄnderung) {
    Monatsarray a{};
    for (std::size_t m = 0; m < 13; ++m) a[m] = static_cast<double>(m + 1);
    const std::string t1 = basZIRVO_Array::ArrayZuText1(a);
    EXPECT_EQ(t1, " 1; 2; 3; 4; 5; 6; 7; 8; 9; 10; 11; 12; 13");
    a[5] = 6.5;
    EXPECT_EQ(basZIRVO_Array::ArrayZuText1(a), " 1; 2; 3; 4; 5; 6.5; 7; 8; 9; 10; 11; 12; 13");
    a[5] = 6;
    EXPECT_EQ(basZIRVO_Array::ArrayZuText1(a), t1);
    // -0 and 0 differ bit for bit and both write " 0".
    Monatsarray null{}, minusNull{};
    minusNull[0] = -0.0;
    EXPECT_EQ(basZIRVO_Array::ArrayZuText1(null), basZIRVO_Array::ArrayZuText1(minusNull));

    // A text read gives the numbers it says, not those it was written from:
    // 1/3 is written with 15 digits.
    Monatsarray drittel{};
    drittel.fill(1.0 / 3);
    const std::string t3 = basZIRVO_Array::ArrayZuText1(drittel);
    Monatsarray gelesen{};
    basZIRVO_Array::TextZuArray1(t3, gelesen);
    EXPECT_EQ(gelesen[0], 0.333333333333333);
    EXPECT_NE(gelesen[0], 1.0 / 3);

    // Changed texts give changed numbers; a text of 12 items leaves the
    // array as it was, also right after the full text was read.
    basZIRVO_Array::TextZuArray1(t1, gelesen);
    EXPECT_EQ(gelesen[5], 6);
    basZIRVO_Array::TextZuArray1(" 1; 2; 3; 4; 5; 6.25; 7; 8; 9; 10; 11; 12; 13", gelesen);
    EXPECT_EQ(gelesen[5], 6.25);
    basZIRVO_Array::TextZuArray1(" 1; 2; 3; 4; 5; 6; 7; 8; 9; 10; 11; 12", gelesen);
    EXPECT_EQ(gelesen[5], 6.25);
}

TEST(Zahlentabelle, TeilweiseGeleseneTabellenHängenVomAltenInhaltAb) {
    // 13 rows, row 2 with 5 values only: rows 0 and 1 are read, rows 2 to 12
    // keep what the array held. Read twice into different arrays, the kept
    // rows are each array's own.
    std::string text;
    for (int r = 0; r < 13; ++r) {
        if (r > 0) text += ':';
        text += r == 2 ? " 1; 2; 3; 4; 5" : " 1; 2; 3; 4; 5; " + std::to_string(r);
    }
    Monatstabelle sieben{}, neun{};
    for (auto& zeile : sieben) zeile.fill(7);
    for (auto& zeile : neun) zeile.fill(9);
    basZIRVO_Array::TextZuArray2(text, sieben);
    basZIRVO_Array::TextZuArray2(text, neun);
    EXPECT_EQ(sieben[1][5], 1);
    EXPECT_EQ(neun[1][5], 1);
    EXPECT_EQ(sieben[2][0], 7);
    EXPECT_EQ(neun[2][0], 9);
    EXPECT_EQ(sieben[12][5], 7);
    EXPECT_EQ(neun[12][5], 9);

    // Through the project: a stored table changed in one value reads back changed.
    Projekt p;
    p.ProjektNeu();
    Monatstabelle q{};
    q[3][1] = 0.5;
    p.ZSetArr2(q, "QtA");
    Monatstabelle r{};
    p.ZGetArr2(r, "QtA");
    EXPECT_EQ(r[3][1], 0.5);
    q[3][1] = 0.75;
    p.ZSetArr2(q, "QtA");
    p.ZGetArr2(r, "QtA");
    EXPECT_EQ(r[3][1], 0.75);
    // A number stored under the key is no table: the array stays.
    p.ZSetNum(5, "QtA");
    p.ZGetArr2(r, "QtA");
    EXPECT_EQ(r[3][1], 0.75);
}

TEST(ZahlFormatieren, GemerkteTexteFolgenTrennerUndBreite) {
    const cVB6_NumCvt bisher = cVB6_NumCvt::Instanz();
    using basZIRVO_Format::ZahlFormatieren;
    // Width 6 + 1 for the separator, "12,5" has 4 characters: 2 · 3 blanks.
    cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("", "", ",", "'", ".", "'"));
    EXPECT_EQ(ZahlFormatieren(12.5, 6, 1), "      12,5");
    cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("", "", ".", "'", ".", "'"));
    EXPECT_EQ(ZahlFormatieren(12.5, 6, 1), "      12.5");
    EXPECT_EQ(ZahlFormatieren(12.5, 4, 1), "  12.5");
    EXPECT_EQ(ZahlFormatieren(12.5, 6, 2), "    12.50");
    EXPECT_EQ(ZahlFormatieren(-12.5, 6, 1), "    -12.5");
    // 12.45 and 12.55 round on their decimal value, half away from zero.
    EXPECT_EQ(ZahlFormatieren(12.45, 6, 1), "      12.5");
    EXPECT_EQ(ZahlFormatieren(12.55, 6, 1), "      12.6");
    EXPECT_EQ(ZahlFormatieren(1234567.8, 6, 1), "#####.#");
    // -0 and 0 are different inputs with the same text.
    EXPECT_EQ(ZahlFormatieren(-0.0, 3, 1), "  0.0");
    EXPECT_EQ(ZahlFormatieren(0.0, 3, 1), "  0.0");
    cVB6_NumCvt::InstanzSetzen(bisher);
}

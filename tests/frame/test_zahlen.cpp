#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/cVB6_NumCvt.h"
#include "tests/support/Haengegrenze.h"
#include "tests/support/Testplattform.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <locale>
#include <optional>
#include <string>

using basVB6NumCvt::Scannen;

namespace {

// Comma input switched for one test and restored afterwards.
class Kommaeingabe {
public:
    explicit Kommaeingabe(bool an) : alt_(basVB6NumCvt::KommaEingabe) { basVB6NumCvt::KommaEingabeSetzen(an); }
    ~Kommaeingabe() { basVB6NumCvt::KommaEingabeSetzen(alt_); }

private:
    bool alt_;
};

// Environment variables of the locale, set for one test and restored afterwards.
class Umgebung {
public:
    Umgebung() {
        for (auto& [name, wert] : alt_) {
            const char* v = std::getenv(name);
            if (v) wert = v;
            unsetenv(name);
        }
    }
    ~Umgebung() {
        for (auto& [name, wert] : alt_) {
            if (wert) setenv(name, wert->c_str(), 1);
            else unsetenv(name);
        }
    }
    void setzen(const char* name, const char* wert) { setenv(name, wert, 1); }

private:
    std::pair<const char*, std::optional<std::string>> alt_[4] = {
        {"LC_ALL", {}}, {"LC_NUMERIC", {}}, {"LC_MONETARY", {}}, {"LANG", {}}};
};

const std::string Pfad = "HKEY_CURRENT_USER\\Control Panel\\International\\";

} // namespace

TEST(ZahlLesen, KommaPunktUndApostroph) {
    Kommaeingabe an(true);
    EXPECT_EQ(ZahlLesen(""), 0);
    EXPECT_EQ(ZahlLesen("   "), 0);
    EXPECT_EQ(ZahlLesen("3,5"), 3.5);
    EXPECT_EQ(ZahlLesen("0,75"), 0.75);
    EXPECT_EQ(ZahlLesen("-,5"), -0.5);
    EXPECT_EQ(ZahlLesen("1.000,25"), 1000.25);
    EXPECT_EQ(ZahlLesen("1.234,5"), 1234.5);
    EXPECT_EQ(ZahlLesen("1'000.25"), 1000.25);
    // Apostrophes separate thousands also in a text with a decimal comma.
    EXPECT_EQ(ZahlLesen("1'000,25"), 1000.25);
    EXPECT_EQ(ZahlLesen("-1'234'567,5"), -1234567.5);
    EXPECT_EQ(ZahlLesen("1.5.2"), 1.5);
    EXPECT_EQ(ZahlLesen("12abc"), 12);
    EXPECT_EQ(ZahlLesen("m2"), 0);
    EXPECT_EQ(ZahlLesen(" 2,5 E2"), 250);
}

TEST(ZahlLesen, OhneKommaeingabeNurDieScanregel) {
    Kommaeingabe aus(false);
    EXPECT_EQ(ZahlLesen("3,5"), 3);
    EXPECT_EQ(ZahlLesen("1'000"), 1);
    EXPECT_EQ(ZahlLesen("2.5"), 2.5);
}

TEST(ZahlLesen, Scanregel) {
    // Blanks, tabs and line feeds are skipped everywhere, also between digits.
    EXPECT_EQ(Scannen("1 234"), 1234);
    EXPECT_EQ(Scannen(" \t-\n 12.5"), -12.5);
    EXPECT_EQ(Scannen("+7"), 7);
    EXPECT_EQ(Scannen("\r7"), 0); // a carriage return is not skipped
    // Exponent with E or D in either case; an exponent without digits is none.
    EXPECT_EQ(Scannen("1E3"), 1000);
    EXPECT_EQ(Scannen("1d3"), 1000);
    EXPECT_EQ(Scannen("2.5e-2"), 0.025);
    EXPECT_EQ(Scannen("1E"), 1);
    EXPECT_EQ(Scannen("1E+x"), 1);
    EXPECT_EQ(Scannen("E5"), 0);
    // The point may stand first or last.
    EXPECT_EQ(Scannen(".5"), 0.5);
    EXPECT_EQ(Scannen("5."), 5);
    EXPECT_EQ(Scannen("."), 0);
    EXPECT_EQ(Scannen("-"), 0);
    EXPECT_EQ(Scannen("--5"), 0);
    EXPECT_EQ(Scannen("1,5"), 1);
    EXPECT_EQ(Scannen("0.1"), 0.1);
    EXPECT_EQ(Scannen("000123.4500"), 123.45);
    // Hexadecimal and octal.
    EXPECT_EQ(Scannen("&H1F"), 31);
    EXPECT_EQ(Scannen("&hff"), 255);
    EXPECT_EQ(Scannen("&O17"), 15);
    EXPECT_EQ(Scannen("&o18"), 1);
    EXPECT_EQ(Scannen("&H"), 0);
    EXPECT_EQ(Scannen("&X1"), 0);
    EXPECT_EQ(Scannen("&HFFFFFFFF"), 4294967295.0);
}

TEST(ZahlLesen, UnlesbareUndMasslosenTexteGebenNull) {
    Kommaeingabe an(true);
    for (const char* text : {"1E999", "-1E999", "1e400", "&H100000000", "&H123456789ABCDEF0123"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ZahlLesen(text), 0);
        EXPECT_EQ(ZahlLesenDbl(text), 0);
        EXPECT_EQ(ZahlLesenInt(text), 0);
        EXPECT_EQ(ZahlLesenLong(text), 0);
    }
    // Below the smallest double the value is simply 0.
    EXPECT_EQ(ZahlLesenDbl("1E-999"), 0);
    EXPECT_EQ(ZahlLesenDbl("1.7976931348623157E308"), DBL_MAX);
    EXPECT_EQ(ZahlLesenDbl("1.8E308"), 0);
    EXPECT_EQ(ZahlLesenDbl("1E99999999999999999999999"), 0);
    EXPECT_EQ(ZahlLesenDbl("0E99999999999999999999999"), 0);
    // Bytes that are no UTF-8 stop the scan like any other character.
    EXPECT_EQ(ZahlLesen("\xFF\xFE" "12"), 0);
    EXPECT_EQ(ZahlLesen("12\xC3"), 12);
    EXPECT_EQ(ZahlLesen(std::string("4\0" "5", 3)), 4);

    auto anfang = Testhilfe::Rechenzeit();
    const std::string ziffern(1 << 20, '7');
    EXPECT_EQ(ZahlLesen(ziffern), 0);
    EXPECT_EQ(ZahlLesen(std::string(1 << 20, '0') + "5"), 5);
    EXPECT_EQ(ZahlLesen("0," + std::string(1 << 20, '0') + "1"), 0);
    EXPECT_EQ(ZahlLesen(std::string(1 << 20, ' ')), 0);
    EXPECT_EQ(ZahlLesen(std::string(1 << 20, ',')), 0);
    EXPECT_EQ(ZahlLesen(std::string(1 << 20, '\'')), 0);
    // A million ones scaled back: the long mantissa is read correctly.
    EXPECT_DOUBLE_EQ(ZahlLesenDbl(std::string(1000000, '1') + "E-999999"), 10.0 / 9.0);
    EXPECT_EQ(ZahlLesenDbl("&H" + std::string(1 << 20, 'F')), 0);
    // Quadratic time on a megabyte would take hours; the figures are
    // ZahlLesenLang of zirvo_bench.
    EXPECT_LT(Testhilfe::Rechenzeit() - anfang, Testhilfe::Hängegrenze);
}

TEST(ZahlLesen, GanzzahlenRundenHalbeZurGeradenZahl) {
    EXPECT_EQ(ZahlLesenInt("40000"), 0);
    EXPECT_EQ(ZahlLesenInt("2.5"), 2);
    EXPECT_EQ(ZahlLesenInt("-2.5"), -2);
    EXPECT_EQ(ZahlLesenInt("3.5"), 4);
    EXPECT_EQ(ZahlLesenInt("2.51"), 3);
    EXPECT_EQ(ZahlLesenInt("32767"), 32767);
    EXPECT_EQ(ZahlLesenInt("32767.5"), 0); // 32768 does not fit
    EXPECT_EQ(ZahlLesenInt("-32768.5"), -32768);
    EXPECT_EQ(ZahlLesenInt("7 - Aussenwand"), 7);
    EXPECT_EQ(ZahlLesenInt("-"), 0);
    EXPECT_EQ(ZahlLesenInt(""), 0);
    EXPECT_EQ(ZahlLesenLong("2147483647"), 2147483647);
    EXPECT_EQ(ZahlLesenLong("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ZahlLesenLong("2147483648"), 0);
    EXPECT_EQ(ZahlLesenLong("1,5"), 1);
    EXPECT_EQ(ZahlLesenLong("-0.5"), 0);
    // The file form knows no comma.
    EXPECT_EQ(ZahlLesenDbl("1,5"), 1);
}

TEST(ZahlText, Dateiform) {
    EXPECT_EQ(ZahlText(0.25), "0.25");
    EXPECT_EQ(ZahlText(-0.25), "-0.25");
    EXPECT_EQ(ZahlText(12), "12");
    EXPECT_EQ(ZahlText(0), "0");
    EXPECT_EQ(ZahlText(-0.0), "0");
    EXPECT_EQ(ZahlText(1.5), "1.5");
    EXPECT_EQ(ZahlText(-1234.5), "-1234.5");
    EXPECT_EQ(ZahlText(0.1 + 0.2), "0.3");
    EXPECT_EQ(ZahlText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(ZahlText(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(ZahlText(123456789012345.0), "123456789012345");
    EXPECT_EQ(ZahlText(999999999999999.9), "1E+15");
    EXPECT_EQ(ZahlText(1e15), "1E+15");
    EXPECT_EQ(ZahlText(1234567890123456.0), "1.23456789012346E+15");
    EXPECT_EQ(ZahlText(0.0001), "0.0001");
    EXPECT_EQ(ZahlText(-0.000123), "-0.000123");
    EXPECT_EQ(ZahlText(0.00001), "1E-05");
    EXPECT_EQ(ZahlText(1.5e-7), "1.5E-07");
    EXPECT_EQ(ZahlText(-2.5e300), "-2.5E+300");
    EXPECT_EQ(ZahlText(std::numeric_limits<double>::infinity()), "0");
    EXPECT_EQ(ZahlText(std::nan("")), "0");
    EXPECT_EQ(basVB6NumCvt::ZahlGrundform(0.5), ".5");
    EXPECT_EQ(basVB6NumCvt::ZahlGrundform(-0.5), "-.5");
    // More than 15 digits are rounded to 15.
    EXPECT_EQ(ZahlText(DBL_MIN), "2.2250738585072E-308");
    EXPECT_EQ(ZahlText(0.1 + 0.7), "0.8");
    // Values of up to 15 digits read back exactly, at the ends of the range
    // too; the largest double, whose 15-digit form lies beyond the range,
    // is written with all its digits.
    EXPECT_EQ(ZahlText(DBL_MAX), "1.7976931348623157E+308");
    for (double x : {DBL_MAX, -DBL_MAX, 5e-324, 1e308, 1e-300, 4.35, 0.1, 1e22}) {
        SCOPED_TRACE(ZahlText(x));
        EXPECT_EQ(ZahlLesenDbl(ZahlText(x)), x);
    }
}

TEST(ZahlText, FestkommaRundetHalbeVonNullWeg) {
    using basVB6NumCvt::FestkommaText;
    EXPECT_EQ(FestkommaText(3.14159, 2), "3.14");
    EXPECT_EQ(FestkommaText(2.675, 2), "2.68");
    EXPECT_EQ(FestkommaText(-2.5, 0), "-3");
    EXPECT_EQ(FestkommaText(0.5, 0), "1");
    EXPECT_EQ(FestkommaText(0.49, 0), "0");
    EXPECT_EQ(FestkommaText(-0.001, 2), "0.00");
    EXPECT_EQ(FestkommaText(0, 3), "0.000");
    EXPECT_EQ(FestkommaText(9.996, 2), "10.00");
    EXPECT_EQ(FestkommaText(0.0005, 3), "0.001");
    EXPECT_EQ(FestkommaText(1234567.5, 0), "1234568");
    EXPECT_EQ(FestkommaText(1e20, 1), "100000000000000000000.0");
    EXPECT_EQ(FestkommaText(1.5e-7, 9), "0.000000150");
    EXPECT_EQ(FestkommaText(std::nan(""), 2), "");
    EXPECT_EQ(FestkommaText(1, -1), "");
}

TEST(Runden, HalbeVonNullWegAufDemDezimalwert) {
    using basZIRVO3801::Runden;
    EXPECT_EQ(Runden(45.05, 1), 45.1);
    EXPECT_EQ(Runden(-45.05, 1), -45.1);
    EXPECT_EQ(Runden(1.005, 2), 1.01);
    EXPECT_EQ(Runden(2.25, 1), 2.3);
    EXPECT_EQ(Runden(-2.25, 1), -2.3);
    EXPECT_EQ(Runden(7.6, 0), 8);
    EXPECT_EQ(Runden(2.5, 0), 3);
    EXPECT_EQ(Runden(-2.5, 0), -3);
    EXPECT_EQ(Runden(99.95, 1), 100);
    EXPECT_EQ(Runden(0.05, 1), 0.1);
    EXPECT_EQ(Runden(0.0449, 1), 0);
    EXPECT_EQ(Runden(123.456, 10), 123.456);
    EXPECT_EQ(Runden(1e20, 2), 1e20);
    EXPECT_EQ(Runden(DBL_MAX, 1), DBL_MAX);
    // Noise of a computation below the 15th digit does not decide a half.
    EXPECT_EQ(Runden(0.1 + 0.2, 2), 0.3);
    EXPECT_EQ(Runden(std::nextafter(1.005, 0.0), 2), 1.01);
    EXPECT_EQ(Runden(1.0049999, 2), 1.0);
    // A negative value that rounds to zero gives zero, not "minus zero".
    EXPECT_FALSE(std::signbit(Runden(-0.04, 1)));
    // Failures give 0.
    EXPECT_EQ(Runden(std::numeric_limits<double>::infinity(), 1), 0);
    EXPECT_EQ(Runden(std::nan(""), 1), 0);
    EXPECT_EQ(Runden(12.34, -1), 0);
}

TEST(cVB6_NumCvt, SchweizerEinstellungen) {
    cVB6_NumCvt n("Schweiz", "de-CH", ".", "'", ".", "'");
    EXPECT_EQ(n.Country(), "Schweiz");
    EXPECT_EQ(n.LocaleName(), "de-CH");
    EXPECT_EQ(n.NumStr_(123456789, 3), "123'456'789.000");
    EXPECT_EQ(n.NumStr_(12, -1), "12");
    EXPECT_EQ(n.NumStr_(12.5, -1), "12.5");
    EXPECT_EQ(n.NumStr_(0.12345678951, -1), "0.12345679");
    EXPECT_EQ(n.NumStr_(1234.5, 0), "1'235");
    EXPECT_EQ(n.NumStr_(-1234567.125, 2), "-1'234'567.13");
    EXPECT_EQ(n.NumStr_(999.9996, 3), "1'000.000");
    EXPECT_EQ(n.NumStr_(std::nan(""), 2), "?");
    EXPECT_EQ(n.NumStr_(1, 100000), "?");
    EXPECT_EQ(n.CurStr_(123456789), "123'456'789.00");
    EXPECT_EQ(n.Val_("1'234.5"), 1234.5);
    EXPECT_EQ(n.Val_("-12.5 m"), -12.5);
    EXPECT_EQ(n.Val_("1E999"), 0);
}

TEST(cVB6_NumCvt, VorgabenWennNichtsGesetztIst) {
    cVB6_NumCvt n("", "", "", "", "", "");
    EXPECT_EQ(n.Country(), "(Schweiz)");
    EXPECT_EQ(n.LocaleName(), "(de-CH)");
    EXPECT_EQ(n.Dezimaltrenner(), ",");
    EXPECT_EQ(n.NumStr_(1234.5, 2), "1\u00A0234,50");
    // Money: its own decimal separator, grouped like plain numbers.
    EXPECT_EQ(n.CurStr_(1234.5), "1\u00A0234.50");
    EXPECT_EQ(n.Val_("1\u00A0234,5"), 1234.5);
    EXPECT_EQ(n.Val_("1'234.5"), 1234.5);
    EXPECT_EQ(n.Val_("abc"), 0);
    // Without a locale name the country is the default even when one was read.
    cVB6_NumCvt ohneName("Deutschland", "", ",", ".", ",", ".");
    EXPECT_EQ(ohneName.Country(), "(Schweiz)");
    EXPECT_EQ(ohneName.NumStr_(1234.5, 1), "1.234,5");
    // Comma for numbers, point for money.
    cVB6_NumCvt gemischt("X", "de-XX", ",", "'", ".", ",");
    EXPECT_EQ(gemischt.NumStr_(1234.5, 1), "1'234,5");
    EXPECT_EQ(gemischt.CurStr_(1234.5), "1'234.50");
}

TEST(cVB6_NumCvt, OhneSystemlocaleDieVorgaben) {
    Umgebung umgebung;
    // Nothing set, or a locale the system lacks: all empty, defaults.
    for (const char* name : {"", "xx_XX.kaputt"}) {
        SCOPED_TRACE(name);
        umgebung.setzen("LC_ALL", name);
        EXPECT_EQ(basVB6NumCvt::RegistryLesen(Pfad + "sDecimal"), "");
        EXPECT_EQ(basVB6NumCvt::RegistryLesen(Pfad + "LocaleName"), "");
        cVB6_NumCvt n;
        EXPECT_EQ(n.LocaleName(), "(de-CH)");
        EXPECT_EQ(n.Dezimaltrenner(), ",");
        EXPECT_EQ(n.NumStr_(1234.5, 1), "1\u00A0234,5");
    }
    // The portable locale is a choice: "." without grouping, for money too.
    for (const char* name : {"C", "POSIX", "C.UTF-8"}) {
        SCOPED_TRACE(name);
        umgebung.setzen("LC_ALL", name);
        cVB6_NumCvt n;
        EXPECT_EQ(n.LocaleName(), name);
        EXPECT_EQ(n.Dezimaltrenner(), ".");
        EXPECT_EQ(n.NumStr_(1234.5, 1), "1234.5");
        EXPECT_EQ(n.CurStr_(1234.5), "1234.50");
        EXPECT_EQ(n.Val_("1234.5"), 1234.5);
    }
    EXPECT_EQ(basVB6NumCvt::RegistryLesen("HKEY_LOCAL_MACHINE\\Control Panel\\International\\sDecimal"), "");
    EXPECT_EQ(basVB6NumCvt::RegistryLesen(Pfad + "sUnbekannt"), "");
    EXPECT_EQ(basVB6NumCvt::RegistryLesen(Pfad), "");
}

TEST(cVB6_NumCvt, InstallierteSystemlocale) {
    Umgebung umgebung;
    bool vorhanden = true;
    try {
        std::locale probe("de_CH.UTF-8");
    } catch (...) {
        vorhanden = false;
    }
    if (!vorhanden) GTEST_SKIP() << "locale de_CH.UTF-8 is not installed";
    // LC_NUMERIC comes before LANG; money has a category of its own, here
    // the portable one of LANG, with its ".".
    umgebung.setzen("LANG", "C");
    umgebung.setzen("LC_NUMERIC", "de_CH.UTF-8");
    EXPECT_EQ(basVB6NumCvt::RegistryLesen(Pfad + "LocaleName"), "de-CH");
    EXPECT_EQ(basVB6NumCvt::RegistryLesen(Pfad + "sCountry"), "CH");
    EXPECT_EQ(basVB6NumCvt::RegistryLesen(Pfad + "sDecimal"), ".");
    EXPECT_EQ(basVB6NumCvt::RegistryLesen(Pfad + "sMonDecimalSep"), ".");
    cVB6_NumCvt n;
    EXPECT_EQ(n.LocaleName(), "de-CH");
    EXPECT_EQ(n.Dezimaltrenner(), ".");
}

TEST(Monatsnamen, AusDemMeldungstext) {
    Testhilfe::Testumgebung umgebung;
    auto namen = basZIRVO3801::MonatsnamenInitialisieren();
    EXPECT_EQ(namen[0], "Jan");
    EXPECT_EQ(namen[4], "Mai");
    EXPECT_EQ(namen[11], "Dez");
    bool alt = basZIRVODialogSprache::Sprachflag;
    basZIRVODialogSprache::Sprachflag = false;
    namen = basZIRVO3801::MonatsnamenInitialisieren();
    basZIRVODialogSprache::Sprachflag = alt;
    for (const auto& name : namen) EXPECT_EQ(name, "");
}

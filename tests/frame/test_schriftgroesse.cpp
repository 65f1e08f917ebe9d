// A font size typed into the font dialog: whole or with a decimal point or
// comma, in the caller's range; anything else is refused with a message,
// never read as another size ("10.5" is not 105).
#include "frame/Plattform.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

namespace {

TEST(Schriftgroesse, GetippteGroesse) {
    Testhilfe::Testumgebung umgebung;
    struct Fall {
        const char* text;
        double von, bis;
        double grösse; // 0: refused
        const char* fehler;
    } fälle[] = {
        {"9.5", 6, 15, 9.5, ""},
        {"9,5", 6, 15, 9.5, ""},
        {" 10 ", 6, 15, 10, ""},
        {"6", 6, 15, 6, ""},
        {"15", 6, 15, 15, ""},
        {"10,25", 6, 15, 10.25, ""},
        {"105", 6, 15, 0, "Schriftgrösse: 105 pt liegt ausserhalb des Bereichs von 6 bis 15 pt."},
        {"5,5", 6, 15, 0, "Schriftgrösse: 5.5 pt liegt ausserhalb des Bereichs von 6 bis 15 pt."},
        {"10.5.1", 6, 15, 0, "Schriftgrösse: «10.5.1» ist keine Zahl (zum Beispiel 9, 9.5 oder 9,5)."},
        {"", 6, 15, 0, "Schriftgrösse: «» ist keine Zahl (zum Beispiel 9, 9.5 oder 9,5)."},
        {"10.", 6, 15, 0, "Schriftgrösse: «10.» ist keine Zahl (zum Beispiel 9, 9.5 oder 9,5)."},
        {"1e1", 6, 15, 0, "Schriftgrösse: «1e1» ist keine Zahl (zum Beispiel 9, 9.5 oder 9,5)."},
        // without a range of the caller's: what a font can have
        {"105", 0, 0, 105, ""},
        {"0", 0, 0, 0, "Schriftgrösse: 0 pt liegt ausserhalb des Bereichs von 1 bis 999 pt."},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.text);
        Plattform::Schrift bereich;
        bereich.GrösseVon = c.von;
        bereich.GrösseBis = c.bis;
        std::string fehler = "alt";
        const auto g = Plattform::SchriftgrösseLesen(c.text, bereich, fehler);
        EXPECT_EQ(g.value_or(0), c.grösse);
        EXPECT_EQ(fehler, c.fehler);
    }
}

} // namespace

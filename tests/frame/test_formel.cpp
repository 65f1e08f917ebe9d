#include "frame/Steuerelemente.h"
#include "frame/basZIRVOCompute.h"
#include "frame/basZIRVOFehler.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace basZIRVOCompute;

namespace {

struct Ergebnis {
    std::int16_t Fehler;
    double Wert;
};

Ergebnis Rechnen(std::string_view formel) {
    double wert = -12345;
    std::int16_t e = FormelBerechnen(formel, wert);
    return {e, wert};
}

double Wert(std::string_view formel) {
    Ergebnis r = Rechnen(formel);
    EXPECT_EQ(r.Fehler, 0) << formel;
    return r.Wert;
}

std::int16_t Fehler(std::string_view formel) { return Rechnen(formel).Fehler; }

} // namespace

TEST(Formel, PunktVorStrichUndVonLinksNachRechts) {
    Testhilfe::Testumgebung umgebung;
    EXPECT_EQ(Wert("1+2*3"), 7);
    EXPECT_EQ(Wert("2*3+4"), 10);
    EXPECT_EQ(Wert("1-2-3"), -4);
    EXPECT_EQ(Wert("8/2/2"), 2);
    EXPECT_EQ(Wert("1+2*3*4"), 25);
    EXPECT_EQ(Wert("2-3*4-5"), -15);
    EXPECT_EQ(Wert("12/4*3"), 9);
    EXPECT_EQ(Wert("7"), 7);
    EXPECT_EQ(Wert("  2 *  3 - 1 "), 5);
    EXPECT_EQ(Wert("1-2*3+4/2-1"), -4);
    // The same operations in the same order as written: exactly 0.1+0.2.
    EXPECT_EQ(Wert("0.1+0.2"), 0.1 + 0.2);
    EXPECT_EQ(Wert("1/3*3"), 1.0 / 3 * 3);
}

TEST(Formel, ZahlenInDerEingabeform) {
    Testhilfe::Testumgebung umgebung;
    EXPECT_EQ(Wert("1,5*2"), 3);
    EXPECT_EQ(Wert("1.000,5+1"), 1001.5);
    EXPECT_EQ(Wert("12,5*3"), 37.5);
    EXPECT_EQ(Wert("2.5*2"), 5);
    // A lone separator reads as 0.
    EXPECT_EQ(Wert("1+."), 1);
    EXPECT_EQ(Wert(",+2"), 2);
    // A sign directly in front of a number belongs to it.
    EXPECT_EQ(Wert("-5"), -5);
    EXPECT_EQ(Wert("2*-3"), -6);
    EXPECT_EQ(Wert("2--3"), 5);
    EXPECT_EQ(Wert("+4/-2"), -2);
    EXPECT_EQ(Wert("-,5*4"), -2);
}

TEST(Formel, Klammern) {
    Testhilfe::Testumgebung umgebung;
    EXPECT_EQ(Wert("((1+2)*3)"), 9);
    EXPECT_EQ(Wert("(1+2)*(3+4)"), 21);
    EXPECT_EQ(Wert("2*(3+4)-(1)"), 13);
    EXPECT_EQ(Wert("(2)/(4)"), 0.5);
    EXPECT_EQ(Wert("-5*(2+2)"), -20);
    // Eight pairs evaluate, a ninth "(" is one too many.
    EXPECT_EQ(Wert("((((((((1+1))))))))"), 2);
    EXPECT_EQ(Wert("(1)+(2)+(3)+(4)+(5)+(6)+(7)+(8)"), 36);
    EXPECT_EQ(Fehler("(((((((((1+1)))))))))"), FormelZuVieleKlammern);
    EXPECT_EQ(Fehler("(1)+(2)+(3)+(4)+(5)+(6)+(7)+(8)+(9)"), FormelZuVieleKlammern);
}

TEST(Formel, SyntaxfehlerUndUngültigeZeichen) {
    Testhilfe::Testumgebung umgebung;
    for (const char* f : {"", "   ", "1+", "1+*2", "1 2", "-(1+2)", "- 5", "()", "2(3)", "(3)2", "(1)(2)", "*2",
                          "1++", "+", "-", "1--", "+-1", "1 +"})
        EXPECT_EQ(Fehler(f), FormelSyntaxfehler) << '"' << f << '"';
    for (const char* f : {"2a", "1e5", "1E999", "3x4", "2^3", "1;2", "{1}", "1\t+2", "A+1", "1\r\n"})
        EXPECT_EQ(Fehler(f), FormelUngültigeZeichen) << '"' << f << '"';
    EXPECT_EQ(Fehler(std::string("1+\xC3\xA4")), FormelUngültigeZeichen);
    EXPECT_EQ(Fehler(std::string("1\xFF")), FormelUngültigeZeichen);
    EXPECT_EQ(Fehler(std::string("1\0" "2", 3)), FormelUngültigeZeichen);
}

TEST(Formel, KlammerzählungUndFalscheReihenfolge) {
    Testhilfe::Testumgebung umgebung;
    EXPECT_EQ(Fehler("(1+2"), FormelLinkeKlammerZuviel);
    EXPECT_EQ(Fehler("1+2)"), FormelRechteKlammerZuviel);
    EXPECT_EQ(Fehler("(((1)"), FormelLinkeKlammerZuviel);
    EXPECT_EQ(Fehler(")"), FormelRechteKlammerZuviel);
    // Balanced counts in the wrong order end in a syntax error, never in a failure.
    EXPECT_EQ(Fehler("1)(2"), FormelSyntaxfehler);
    EXPECT_EQ(Fehler(")1("), FormelSyntaxfehler);
    EXPECT_EQ(Fehler("(1)+2)+(3"), FormelSyntaxfehler);
    EXPECT_EQ(Fehler("(1)+1/0)+(2"), FormelSyntaxfehler);
    EXPECT_EQ(Fehler(")("), FormelSyntaxfehler);
}

TEST(Formel, DivisionDurchNull) {
    Testhilfe::Testumgebung umgebung;
    EXPECT_EQ(Fehler("1/0"), FormelDivisionDurchNull);
    EXPECT_EQ(Fehler("1/(2-2)"), FormelDivisionDurchNull);
    EXPECT_EQ(Fehler("0/0"), FormelDivisionDurchNull);
    EXPECT_EQ(Fehler("5/,"), FormelDivisionDurchNull);
    EXPECT_EQ(Fehler("1+2/0*3"), FormelDivisionDurchNull);
    EXPECT_EQ(Wert("0/5"), 0);
    EXPECT_EQ(Wert("0*1/1"), 0);
}

TEST(Formel, ÜberlaufIstEinFehler) {
    Testhilfe::Testumgebung umgebung;
    const std::string gross(400, '9');
    EXPECT_EQ(Fehler(gross), FormelÜberlauf);
    EXPECT_EQ(Fehler("1+" + gross), FormelÜberlauf);
    EXPECT_EQ(Fehler("(" + gross + ")*0"), FormelÜberlauf);
    // 1E200 squared, and 1E300 divided by 1E-300.
    const std::string e200 = "1" + std::string(200, '0');
    EXPECT_EQ(Fehler(e200 + "*" + e200), FormelÜberlauf);
    EXPECT_EQ(Fehler("1" + std::string(300, '0') + "/0." + std::string(299, '0') + "1"), FormelÜberlauf);
    // Leading zeros and thousands points do not make a number big.
    EXPECT_EQ(Wert(std::string(500, '0') + "7"), 7);
    EXPECT_EQ(Wert("1" + std::string(308, '0')), 1e308);
    EXPECT_EQ(Wert("1.000.000,5"), 1000000.5);
    // Far below the smallest Double is simply 0.
    EXPECT_EQ(Wert("0," + std::string(400, '0') + "1"), 0);
}

TEST(Formel, ReihenfolgeDerPrüfungen) {
    Testhilfe::Testumgebung umgebung;
    // The character check comes first, then the bracket count, then the evaluation.
    EXPECT_EQ(Fehler("(2a"), FormelUngültigeZeichen);
    EXPECT_EQ(Fehler("(1/0"), FormelLinkeKlammerZuviel);
    EXPECT_EQ(Fehler("1/0)"), FormelRechteKlammerZuviel);
    // The first error of the evaluation ends it: inner brackets go first.
    EXPECT_EQ(Fehler("1+*2+(1/0)"), FormelDivisionDurchNull);
    EXPECT_EQ(Fehler("1/0+(1+)"), FormelSyntaxfehler);
}

TEST(Formel, Bemerkung) {
    Testhilfe::Testumgebung umgebung;
    EXPECT_EQ(Wert("2*3'Fläche Küche"), 6);
    EXPECT_EQ(Wert("2*3   ' mit Blanks davor"), 6);
    EXPECT_EQ(Wert("1'000"), 1);
    // What follows the apostrophe is not checked.
    EXPECT_EQ(Wert("4'(((a\xFF"), 4);
    EXPECT_EQ(Fehler("'nur Bemerkung"), FormelSyntaxfehler);
}

TEST(Formel, AusdruckMitSpeicherplätzen) {
    Testhilfe::Testumgebung umgebung;
    Formelspeicher speicher{};
    speicher[0] = 3;
    speicher[1] = 4;
    speicher[8] = 10;
    double wert = 0;
    EXPECT_EQ(FormelAusdruckBerechnen("A*B+I", wert, speicher), 0);
    EXPECT_EQ(wert, 22);
    EXPECT_EQ(FormelAusdruckBerechnen("-A", wert, speicher), FormelSyntaxfehler);
    EXPECT_EQ(FormelAusdruckBerechnen("2A", wert, speicher), FormelSyntaxfehler);
    EXPECT_EQ(FormelAusdruckBerechnen("Z", wert, speicher), FormelSyntaxfehler);
    EXPECT_EQ(FormelAusdruckBerechnen("1(", wert, speicher), FormelSyntaxfehler);
    EXPECT_EQ(FormelKlammernAuflösen("(1+2)*(A)", wert), 0);
    EXPECT_EQ(wert, 9);
}

TEST(Formel, Fehlertexte) {
    Testhilfe::Testumgebung umgebung;
    EXPECT_EQ(FormelFehlerText(0), "");
    EXPECT_EQ(FormelFehlerText(1), "Syntaxfehler");
    EXPECT_EQ(FormelFehlerText(2), "Ungültige Zeichen");
    EXPECT_EQ(FormelFehlerText(3), "Linke Klammer zuviel");
    EXPECT_EQ(FormelFehlerText(4), "Rechte Klammer zuviel");
    EXPECT_EQ(FormelFehlerText(5), "Division durch Null");
    EXPECT_EQ(FormelFehlerText(6), "Zu viele Klammern (höchstens acht Klammerpaare)");
    EXPECT_EQ(FormelFehlerText(7), "Zahl zu gross (Überlauf)");
    EXPECT_EQ(FormelFehlerText(8), "");
    EXPECT_EQ(FormelFehlerText(-1), "");
}

TEST(Formel, ZelleOhneUndMitFormel) {
    Testhilfe::Testumgebung umgebung;
    TextBox zelle("txtDaBez", 3);
    double wert = 42;
    zelle.setText("3*4");
    EXPECT_EQ(FormelAuswerten(zelle, wert), 0);
    EXPECT_EQ(wert, 42);

    zelle.setText("Wand Süd {12,5*3} Ende");
    EXPECT_EQ(FormelAuswerten(zelle, wert), -1);
    EXPECT_EQ(wert, 37.5);
    EXPECT_EQ(zelle.Text(), "Wand Süd {12,5*3} Ende");

    // Without a closing brace the rest of the text is the formula.
    zelle.setText("{2+2");
    EXPECT_EQ(FormelAuswerten(zelle, wert), -1);
    EXPECT_EQ(wert, 4);
    zelle.setText("Fenster {2*3'zwei Stück} x {9}");
    EXPECT_EQ(FormelAuswerten(zelle, wert), -1);
    EXPECT_EQ(wert, 6);
}

TEST(Formel, ZelleMitFehlerFülltDenEingabefehler) {
    Testhilfe::Testumgebung umgebung;
    TextBox andere("txtEBFBez", 0);
    Eingabefehler.Beginnen(2, basZIRVOFehler::TabelleA);
    Eingabefehler.Setzen("alt", &andere);
    TextBox zelle("txtDaBez", 7);
    zelle.setText("Dach {1/(2-2) 'Test} Rest");
    double wert = 0;
    EXPECT_EQ(FormelAuswerten(zelle, wert), 1);
    EXPECT_EQ(Eingabefehler.Art, basZIRVOFehler::ArtFehler);
    EXPECT_EQ(Eingabefehler.Steuerelement, &zelle);
    EXPECT_EQ(Eingabefehler.Text, "Formel:  1/(2-2) 'Test\r\nFehler:  Division durch Null");
    EXPECT_EQ(Eingabefehler.Zone, 2);
    EXPECT_EQ(Eingabefehler.Tabelle, basZIRVOFehler::TabelleA);
    EXPECT_EQ(zelle.Text(), "Dach {1/(2-2) 'Test} Rest");
    // Nothing is shown here; the caller reports the record.
    EXPECT_TRUE(umgebung.meldungen.Gezeigt.empty());

    zelle.setText("{}");
    EXPECT_EQ(FormelAuswerten(zelle, wert), 1);
    EXPECT_EQ(Eingabefehler.Text, "Formel:  \r\nFehler:  Syntaxfehler");
    zelle.setText("{" + std::string(400, '9'));
    EXPECT_EQ(FormelAuswerten(zelle, wert), 1);
    // A very long formula is cut in the message.
    EXPECT_EQ(Eingabefehler.Text, "Formel:  " + std::string(250, '9') + "\u2026\r\nFehler:  Zahl zu gross (Überlauf)");
    Eingabefehler = {};
}

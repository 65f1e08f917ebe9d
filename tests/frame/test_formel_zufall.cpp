// Random and mutated formulas: whatever the text, the evaluator answers with
// one of its error numbers, and with a finite value when it reports none.
// Formulas built from a grammar are checked against a value computed along
// with them.
#include "frame/Steuerelemente.h"
#include "frame/basZIRVOCompute.h"
#include "frame/basZIRVOFehler.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>

using namespace basZIRVOCompute;

namespace {

// Checks one text and returns its error number.
std::int16_t Prüfen(const std::string& formel) {
    double wert = 0;
    std::int16_t e = FormelBerechnen(formel, wert);
    EXPECT_GE(e, 0) << formel;
    EXPECT_LE(e, FormelfehlerHöchste) << formel;
    if (e == 0) {
        EXPECT_TRUE(std::isfinite(wert)) << formel;
    }
    double nochmal = 0;
    EXPECT_EQ(FormelBerechnen(formel, nochmal), e) << formel;
    if (e == 0) {
        EXPECT_EQ(nochmal, wert) << formel;
    }
    return e;
}

// Builds a well-formed formula and, alongside, its value as ordinary
// arithmetic computes it: "*" and "/" before "+" and "-", left to right.
class Grammatik {
public:
    explicit Grammatik(std::mt19937& zufall) : z_(zufall) {}

    std::string Text;
    bool DurchNull = false;

    double Ausdruck(int tiefe) {
        double wert = Term(tiefe);
        int n = Zahl(0, 3);
        for (int i = 0; i < n; ++i) {
            bool plus = Zahl(0, 1) == 0;
            Operator(plus ? '+' : '-');
            double rechts = Term(tiefe);
            wert = plus ? wert + rechts : wert - rechts;
        }
        return wert;
    }

private:
    std::mt19937& z_;
    int paare_ = 8;

    int Zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(z_); }
    void Blanks() {
        if (Zahl(0, 4) == 0) Text += std::string(static_cast<std::size_t>(Zahl(1, 2)), ' ');
    }
    void Operator(char op) {
        Blanks();
        Text += op;
        Blanks();
    }

    double Term(int tiefe) {
        double wert = Faktor(tiefe);
        int n = Zahl(0, 2);
        for (int i = 0; i < n; ++i) {
            bool mal = Zahl(0, 1) == 0;
            Operator(mal ? '*' : '/');
            double rechts = Faktor(tiefe);
            if (!mal && rechts == 0) DurchNull = true;
            wert = mal ? wert * rechts : (rechts == 0 ? 0 : wert / rechts);
        }
        return wert;
    }

    double Faktor(int tiefe) {
        if (tiefe < 3 && paare_ > 0 && Zahl(0, 3) == 0) {
            --paare_;
            Text += '(';
            Blanks();
            double wert = Ausdruck(tiefe + 1);
            Blanks();
            Text += ')';
            return wert;
        }
        return Literal();
    }

    // A number with an optional sign, in the input form with a decimal comma
    // or point; its value is read from the same digits with a decimal point.
    double Literal() {
        std::string zahl;
        if (Zahl(0, 5) == 0) zahl += '-';
        zahl += std::to_string(Zahl(0, Zahl(0, 1) ? 9 : 999));
        std::string punktform = zahl;
        if (Zahl(0, 2) == 0) {
            std::string nachkomma = std::to_string(Zahl(0, 99));
            bool komma = Zahl(0, 1) == 0;
            zahl += (komma ? ',' : '.') + nachkomma;
            punktform += '.' + nachkomma;
        }
        Text += zahl;
        double wert = 0;
        const char* anfang = punktform.data() + (punktform[0] == '-' ? 1 : 0);
        std::from_chars(anfang, punktform.data() + punktform.size(), wert);
        return punktform[0] == '-' ? -wert : wert;
    }
};

const std::string Formelzeichen = "0123456789.,+-*/() ";

char ZufallsZeichen(std::mt19937& z) {
    int art = std::uniform_int_distribution<int>(0, 19)(z);
    if (art < 16) return Formelzeichen[std::uniform_int_distribution<std::size_t>(0, Formelzeichen.size() - 1)(z)];
    static const std::string andere = "'{}eEaAZ\t\n;";
    if (art < 19) return andere[std::uniform_int_distribution<std::size_t>(0, andere.size() - 1)(z)];
    return static_cast<char>(std::uniform_int_distribution<int>(0, 255)(z));
}

} // namespace

TEST(FormelZufall, GebauteFormelnRechnenWieGewöhnlicheArithmetik) {
    Testhilfe::Testumgebung umgebung;
    std::mt19937 zufall(380001);
    int durchNull = 0;
    for (int n = 0; n < 5000; ++n) {
        Grammatik g(zufall);
        double erwartet = g.Ausdruck(0);
        double wert = 0;
        std::int16_t e = FormelBerechnen(g.Text, wert);
        if (!std::isfinite(erwartet)) {
            EXPECT_EQ(e, FormelÜberlauf) << g.Text;
        } else if (g.DurchNull) {
            ++durchNull;
            EXPECT_EQ(e, FormelDivisionDurchNull) << g.Text;
        } else {
            ASSERT_EQ(e, 0) << g.Text;
            EXPECT_EQ(wert, erwartet) << g.Text;
        }
    }
    // The generator reaches both outcomes.
    EXPECT_GT(durchNull, 50);
    EXPECT_LT(durchNull, 2500);
}

TEST(FormelZufall, ZufälligeUndVeränderteTexte) {
    Testhilfe::Testumgebung umgebung;
    std::mt19937 zufall(1231);
    int anzahl[FormelfehlerHöchste + 1] = {};
    // Random texts.
    for (int n = 0; n < 20000; ++n) {
        std::string t;
        int länge = std::uniform_int_distribution<int>(0, 40)(zufall);
        for (int i = 0; i < länge; ++i) t += ZufallsZeichen(zufall);
        std::int16_t e = Prüfen(t);
        if (e >= 0 && e <= FormelfehlerHöchste) ++anzahl[e];
    }
    // Well-formed formulas with a few characters changed, dropped, added or doubled.
    for (int n = 0; n < 20000; ++n) {
        Grammatik g(zufall);
        g.Ausdruck(0);
        std::string t = g.Text;
        int änderungen = std::uniform_int_distribution<int>(1, 3)(zufall);
        for (int k = 0; k < änderungen; ++k) {
            std::size_t pos = std::uniform_int_distribution<std::size_t>(0, t.size())(zufall);
            switch (std::uniform_int_distribution<int>(0, 3)(zufall)) {
            case 0: if (pos < t.size()) t[pos] = ZufallsZeichen(zufall); break;
            case 1: if (pos < t.size()) t.erase(pos, 1); break;
            case 2: t.insert(pos, 1, ZufallsZeichen(zufall)); break;
            default: t.insert(pos, t.substr(pos / 2, 1 + pos % 7)); break;
            }
        }
        std::int16_t e = Prüfen(t);
        if (e >= 0 && e <= FormelfehlerHöchste) ++anzahl[e];
    }
    // Every outcome but the overflow, which random texts do not reach, occurs.
    for (int e = 0; e < FormelÜberlauf; ++e) EXPECT_GT(anzahl[e], 0) << "Fehler " << e;
}

TEST(FormelZufall, ExtremeTexteEndenMitEinemFehlerOderWert) {
    Testhilfe::Testumgebung umgebung;
    const std::size_t n = 100000;
    EXPECT_EQ(Prüfen(std::string(n, '(')), FormelLinkeKlammerZuviel);
    EXPECT_EQ(Prüfen(std::string(n, ')')), FormelRechteKlammerZuviel);
    EXPECT_EQ(Prüfen(std::string(n, '(') + "1" + std::string(n, ')')), FormelZuVieleKlammern);
    EXPECT_EQ(Prüfen(std::string(n, '(') + std::string(n, ')')), FormelSyntaxfehler);
    std::string wechsel;
    for (std::size_t i = 0; i < n; ++i) wechsel += ")(";
    EXPECT_EQ(Prüfen(wechsel), FormelSyntaxfehler);
    EXPECT_EQ(Prüfen(std::string(n, '9')), FormelÜberlauf);
    EXPECT_EQ(Prüfen(std::string(n, '0') + "5"), 0);
    EXPECT_EQ(Prüfen(std::string(n, ' ')), FormelSyntaxfehler);
    EXPECT_EQ(Prüfen(std::string(n, '-')), FormelSyntaxfehler);
    EXPECT_EQ(Prüfen(std::string(n, '\xFF')), FormelUngültigeZeichen);

    // Half a million terms: evaluated in one pass.
    std::string summe = "1";
    for (std::size_t i = 0; i < 500000; ++i) summe += "+1";
    double wert = 0;
    EXPECT_EQ(FormelBerechnen(summe, wert), 0);
    EXPECT_EQ(wert, 500001);
    std::string produkt = "1";
    for (std::size_t i = 0; i < 2000; ++i) produkt += "*10";
    EXPECT_EQ(Prüfen(produkt), FormelÜberlauf);

    // The same through a cell, with a closing brace far away.
    TextBox zelle("txtDaBez", 0);
    zelle.setText("{" + summe + "}" + std::string(n, 'x'));
    EXPECT_EQ(FormelAuswerten(zelle, wert), -1);
    EXPECT_EQ(wert, 500001);
    zelle.setText("{" + std::string(n, '('));
    EXPECT_EQ(FormelAuswerten(zelle, wert), 1);
    EXPECT_LT(Eingabefehler.Text.size(), 1000u);
    Eingabefehler = {};
}

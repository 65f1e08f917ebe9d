#include "balance/Verschattungsfaktor.h"

#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

namespace {

// The standard's tables and the averaged rows of the diagonal orientations.
const double AchseFS1[8] = {0, 10, 20, 30, 40, 50, 60, 70};
struct ZeileFS1 {
    const char* O;
    double W[8];
};
const ZeileFS1 FS1[] = {
    {"S", {1, .96, .82, .59, .45, .36, .27, .19}},
    {"E", {1, .94, .81, .68, .6, .5, .4, .3}},
    {"W", {1, .94, .81, .68, .6, .5, .4, .3}},
    {"N", {1, 1, .97, .94, .9, .86, .82, .78}},
    {"SE", {1, 0.95, 0.815, 0.635, 0.525, 0.43, 0.335, 0.245}},
    {"SW", {1, 0.95, 0.815, 0.635, 0.525, 0.43, 0.335, 0.245}},
    {"NE", {1, 0.97, 0.89, 0.81, 0.75, 0.68, 0.61, 0.54}},
    {"NW", {1, 0.97, 0.89, 0.81, 0.75, 0.68, 0.61, 0.54}},
};

const double Achse23[6] = {0, 15, 30, 45, 60, 75};
struct Zeile23 {
    const char* O;
    double W[6];
};
const Zeile23 FS2[] = {
    {"S", {1, .95, .91, .75, .52, .26}},
    {"E", {1, .95, .89, .77, .59, .34}},
    {"W", {1, .95, .89, .77, .59, .34}},
    {"N", {1, .96, .91, .8, .66, .48}},
    {"SE", {1, 0.95, 0.9, 0.76, 0.555, 0.3}},
    {"SW", {1, 0.95, 0.9, 0.76, 0.555, 0.3}},
    {"NE", {1, 0.955, 0.9, 0.785, 0.625, 0.41}},
    {"NW", {1, 0.955, 0.9, 0.785, 0.625, 0.41}},
};
const Zeile23 FS3[] = {
    {"S", {1, .97, .94, .84, .72, .57}},
    {"E", {1, .96, .92, .84, .75, .65}},
    {"W", {1, .96, .92, .84, .75, .65}},
    {"N", {1, 1, 1, 1, 1, 1}},
    {"SE", {1, 0.965, 0.93, 0.84, 0.735, 0.61}},
    {"SW", {1, 0.965, 0.93, 0.84, 0.735, 0.61}},
};

constexpr double Eps = 1e-12;

} // namespace

TEST(Verschattungsfaktor, HorizontAnDenTabellenpunkten) {
    Verschattungsfaktor v;
    for (const auto& z : FS1) {
        for (int i = 0; i < 8; ++i) {
            SCOPED_TRACE(std::string(z.O) + " " + std::to_string(AchseFS1[i]));
            EXPECT_NEAR(v.fS1(z.O, AchseFS1[i]), z.W[i], Eps);
        }
    }
    // Horizontal: the product of the four main rows.
    for (int i = 0; i < 8; ++i)
        EXPECT_NEAR(v.fS1("H", AchseFS1[i]), FS1[1].W[i] * FS1[0].W[i] * FS1[2].W[i] * FS1[3].W[i], Eps);
    EXPECT_NEAR(v.fS1("H", 30), 0.59 * 0.68 * 0.68 * 0.94, Eps);
    EXPECT_NEAR(v.fS1("H", 30), 0.2564, 0.0001);
}

TEST(Verschattungsfaktor, HorizontZwischenwerteUndRaender) {
    Verschattungsfaktor v;
    EXPECT_NEAR(v.fS1("S", 25), 0.705, Eps);
    EXPECT_NEAR(v.fS1("N", 65), 0.80, Eps);
    EXPECT_NEAR(v.fS1("S", 80), 0.19, Eps);
    EXPECT_NEAR(v.fS1("S", 1e9), 0.19, Eps);
    EXPECT_NEAR(v.fS1("S", -5), 1, Eps);
    EXPECT_NEAR(v.fS1("SSE", 30), 0.6125, Eps);
    // Intermediate orientations: the mean of their two neighbours.
    const std::pair<const char*, std::pair<const char*, const char*>> nachbarn[] = {
        {"SSE", {"SE", "S"}}, {"ESE", {"E", "SE"}}, {"SSW", {"S", "SW"}}, {"WSW", {"SW", "W"}},
        {"NNE", {"N", "NE"}}, {"ENE", {"NE", "E"}}, {"NNW", {"NW", "N"}}, {"WNW", {"W", "NW"}},
    };
    for (auto [o, ab] : nachbarn) {
        SCOPED_TRACE(o);
        for (double a : {0.0, 12.5, 40.0, 70.0}) {
            EXPECT_NEAR(v.fS1(o, a), (v.fS1(ab.first, a) + v.fS1(ab.second, a)) / 2, Eps);
            EXPECT_NEAR(v.fS23(o, a, a / 2, a), (v.fS23(ab.first, a, a / 2, a) + v.fS23(ab.second, a, a / 2, a)) / 2,
                        Eps);
        }
        // The list texts of the calculator carry a bracket after the code.
        EXPECT_NEAR(v.fS1(std::string(o) + " (X)", 20), v.fS1(o, 20), Eps);
    }
    // Unknown orientations give 0.
    for (const char* o : {"", "s", "X", "SX", "XYZ", "sse", "HH"}) {
        SCOPED_TRACE(o);
        EXPECT_EQ(v.fS1(o, 20), 0);
        EXPECT_EQ(v.fS23(o, 20, 10, 10), 0);
    }
    EXPECT_EQ(v.fS23("H", 50, 50, 50), 1);
}

TEST(Verschattungsfaktor, UeberhangUndSeitenblendenAnDenTabellenpunkten) {
    Verschattungsfaktor v;
    for (const auto& z : FS2) {
        for (int i = 0; i < 6; ++i) {
            SCOPED_TRACE(std::string(z.O) + " beta " + std::to_string(Achse23[i]));
            EXPECT_NEAR(v.fS23(z.O, Achse23[i], 0, 0), z.W[i], Eps);
        }
    }
    for (const auto& z : FS3) {
        std::string o = z.O;
        for (int i = 0; i < 6; ++i) {
            SCOPED_TRACE(o + " gamma " + std::to_string(Achse23[i]));
            double g = Achse23[i];
            if (o == "S" || o == "SE" || o == "SW") {
                EXPECT_NEAR(v.fS23(o, 0, g, 0), z.W[i], Eps);
                EXPECT_NEAR(v.fS23(o, 0, 0, g), z.W[i], Eps);
                EXPECT_NEAR(v.fS23(o, 0, g, g), z.W[i] * z.W[i], Eps);
            } else if (o == "E") {
                EXPECT_NEAR(v.fS23(o, 0, 0, g), z.W[i], Eps);
                EXPECT_NEAR(v.fS23(o, 0, g, 0), 1, Eps);
            } else if (o == "W") {
                EXPECT_NEAR(v.fS23(o, 0, g, 0), z.W[i], Eps);
                EXPECT_NEAR(v.fS23(o, 0, 0, g), 1, Eps);
            } else {
                EXPECT_NEAR(v.fS23(o, 0, g, g), 1, Eps);
            }
        }
    }
    // North-east and north-west take no fins.
    EXPECT_NEAR(v.fS23("NE", 0, 75, 75), 1, Eps);
    EXPECT_NEAR(v.fS23("NW", 30, 75, 75), 0.9, Eps);

    EXPECT_NEAR(v.fS23("S", 30, 15, 45), 0.91 * 0.97 * 0.84, Eps);
    EXPECT_NEAR(v.fS23("S", 30, 15, 45), 0.7415, 0.0001);
    EXPECT_NEAR(v.fS23("E", 30, 15, 45), 0.89 * 0.84, Eps);
    EXPECT_NEAR(v.fS23("W", 30, 15, 45), 0.89 * 0.96, Eps);
    EXPECT_NEAR(v.fS23("N", 30, 15, 45), 0.91, Eps);
    EXPECT_NEAR(v.fS23("S", 90, -10, 100), 0.26 * 1 * 0.57, Eps);
    EXPECT_NEAR(v.fS23("S", 22.5, 0, 0), 0.93, Eps);
}

TEST(Verschattungsfaktor, HorizontwinkelAlsText) {
    Testhilfe::Testumgebung umgebung;
    Verschattungsfaktor v;
    EXPECT_EQ(v.fS1_Parse("-", "S"), 1);
    EXPECT_EQ(v.fS1_Parse("  -  ", "N"), 1);
    EXPECT_EQ(v.fS1_Parse("", "S"), 0);
    EXPECT_EQ(v.fS1_Parse("   ", "S"), 0);
    EXPECT_EQ(v.fS1_Parse("90", "S"), 0);
    EXPECT_EQ(v.fS1_Parse("-1", "S"), 0);
    EXPECT_NEAR(v.fS1_Parse("89", "S"), 0.19, Eps);
    EXPECT_NEAR(v.fS1_Parse("75", "E"), 0.3, Eps);
    EXPECT_NEAR(v.fS1_Parse(" 20 ", "S"), 0.82, Eps);
    EXPECT_NEAR(v.fS1_Parse("0", "S"), 1, Eps);
    // 30,5 reads as 30.5 and is rounded to 31 degrees.
    EXPECT_NEAR(v.fS1_Parse("30,5", "S"), 0.59 + 0.1 * (0.45 - 0.59), Eps);
    EXPECT_NEAR(v.fS1_Parse("30.4", "S"), 0.59, Eps);
    EXPECT_NEAR(v.fS1_Parse("30", "H"), 0.59 * 0.68 * 0.68 * 0.94, Eps);
    EXPECT_NEAR(v.fS1_Parse("30", "SSE"), 0.6125, Eps);
    EXPECT_EQ(v.fS1_Parse("30", "X"), 0);
    // Text that is no angle is an invalid entry, not an angle of 0.
    for (const char* t : {"abc", "20°", "2 0", "20 30", "1'0", ",", ".", "+", "--", "20,5,3"}) {
        SCOPED_TRACE(t);
        EXPECT_EQ(v.fS1_Parse(t, "S"), 0);
    }
}

TEST(Verschattungsfaktor, WinkellisteAlsText) {
    Testhilfe::Testumgebung umgebung;
    Verschattungsfaktor v;
    double f2 = -1, f3 = -1;
    EXPECT_EQ(v.fS23_Parse("", "S", f2, f3), 0);
    EXPECT_EQ(f2, 0);
    EXPECT_EQ(f3, 0);
    EXPECT_EQ(v.fS23_Parse(" - ", "S", f2, f3), 1);
    EXPECT_EQ(f2, 1);
    EXPECT_EQ(f3, 1);

    EXPECT_NEAR(v.fS23_Parse("30", "S", f2, f3), 0.91, Eps);
    EXPECT_NEAR(f2, 0.91, Eps);
    EXPECT_NEAR(f3, 1, Eps);
    EXPECT_NEAR(v.fS23_Parse("30,15,45", "S", f2, f3), 0.91 * 0.97 * 0.84, Eps);
    EXPECT_NEAR(f2, 0.91, Eps);
    EXPECT_NEAR(f3, 0.97 * 0.84, Eps);
    EXPECT_NEAR(v.fS23_Parse(" 30 , 15 , 45 ", "E", f2, f3), 0.89 * 0.84, Eps);
    EXPECT_NEAR(f3, 0.84, Eps);
    EXPECT_NEAR(v.fS23_Parse("30,,45", "S", f2, f3), 0.91 * 0.84, Eps);
    EXPECT_NEAR(v.fS23_Parse("22.5,7.5", "S", f2, f3), 0.93 * 0.985, Eps);
    EXPECT_NEAR(v.fS23_Parse("100", "S", f2, f3), 0.26, Eps);
    EXPECT_NEAR(v.fS23_Parse("30,15,45", "H", f2, f3), 1, Eps);

    // Invalid lists: four angles, a text that is no angle, an unknown
    // orientation; the two factors stay 0.
    for (const char* t : {"30,15,45,0", "abc", "30,x,45", "30°", "30;15", ",,,"}) {
        SCOPED_TRACE(t);
        f2 = f3 = -1;
        EXPECT_EQ(v.fS23_Parse(t, "S", f2, f3), 0);
        EXPECT_EQ(f2, 0);
        EXPECT_EQ(f3, 0);
    }
    f2 = f3 = -1;
    EXPECT_EQ(v.fS23_Parse("30", "X", f2, f3), 0);
    EXPECT_EQ(f2, 0);
    EXPECT_EQ(f3, 0);
}

TEST(Verschattungsfaktor, Interpolation) {
    using namespace Tabelleninterpolation;
    EXPECT_EQ(Zahlen(" 1  .5 2 "), (std::vector<double>{1, 0.5, 2}));
    EXPECT_EQ(Interpolieren("", "", 1), 0);
    EXPECT_EQ(Interpolieren("0 10", "1 2 3", 5), 0);
    EXPECT_EQ(Interpolieren("0", "1", 0), 0);
    EXPECT_EQ(Interpolieren("0 10", "1 2", 11), 0);
    EXPECT_DOUBLE_EQ(Interpolieren("0 10", "1 2", 5), 1.5);
    EXPECT_DOUBLE_EQ(Interpolieren("0 10 20", "1 2 4", 20), 4);
}

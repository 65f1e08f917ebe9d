#include "balance/Reduktionsfaktor.h"

#include "balance/Verschattungsfaktor.h"

#include <string_view>
#include <vector>

namespace {

constexpr std::string_view AchseT = "0 .5 1 2 3 5 10";
constexpr std::string_view AchseU = ".2 .4 .6 1";
constexpr std::string_view AchseB = "2 5 10";

// Wall: one row over the depth axis per U value.
constexpr std::string_view Wand[4] = {
    "1 .92 .88 .82 .77 .69 .55",
    "1 .88 .83 .73 .66 .56 .41",
    "1 .85 .78 .66 .58 .47 .33",
    "1 .80 .70 .56 .48 .37 .25",
};

// Floor: one block per ratio B, in it one row over the depth axis per U value.
constexpr std::string_view Boden[3][4] = {
    {".82 .80 .79 .76 .73 .68 .58", ".69 .67 .65 .61 .57 .51 .41", ".60 .57 .55 .51 .47 .41 .32",
     ".49 .46 .43 .39 .35 .30 .22"},
    {".67 .66 .65 .63 .61 .57 .50", ".52 .51 .49 .47 .45 .41 .33", ".43 .41 .40 .37 .35 .32 .25",
     ".31 .30 .29 .27 .25 .22 .17"},
    {".53 .53 .52 .50 .49 .47 .42", ".37 .36 .36 .34 .33 .31 .27", ".29 .28 .27 .26 .25 .23 .20",
     ".20 .20 .19 .18 .17 .16 .13"},
};

// Interpolates T in each of the four rows, then U over the four results.
double block(const std::string_view (&zeilen)[4], double T, double U) {
    using namespace Tabelleninterpolation;
    std::vector<double> werte;
    for (auto z : zeilen) werte.push_back(Interpolieren(AchseT, z, T));
    return Interpolieren(Zahlen(AchseU), werte, U);
}

bool gültig(double T, double U) { return T >= 0 && T <= 10 && U >= 0.2 && U <= 1; }

} // namespace

double Reduktionsfaktor::bGW(double T, double U) const {
    if (!gültig(T, U)) return 0.0;
    return block(Wand, T, U);
}

double Reduktionsfaktor::bGF(double T, double U, double AFG, double PFG) const {
    if (!gültig(T, U) || !(AFG > 0) || !(PFG > 0)) return 0.0;
    double B = AFG / PFG;
    if (!(B >= 2 && B <= 10)) return 0.0;
    std::vector<double> werte;
    for (const auto& b : Boden) werte.push_back(block(b, T, U));
    return Tabelleninterpolation::Interpolieren(Tabelleninterpolation::Zahlen(AchseB), werte, B);
}

Reduktionsfaktor& Reduktionsfaktor::Instanz() {
    static Reduktionsfaktor instanz;
    return instanz;
}

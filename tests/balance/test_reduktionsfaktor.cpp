#include "balance/Reduktionsfaktor.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

const double T[7] = {0, 0.5, 1, 2, 3, 5, 10};
const double U[4] = {0.2, 0.4, 0.6, 1};
const double B[3] = {2, 5, 10};

// The standard's tables as printed.
const double Wand[4][7] = {
    {1, .92, .88, .82, .77, .69, .55},
    {1, .88, .83, .73, .66, .56, .41},
    {1, .85, .78, .66, .58, .47, .33},
    {1, .80, .70, .56, .48, .37, .25},
};
const double Boden[3][4][7] = {
    {{.82, .80, .79, .76, .73, .68, .58},
     {.69, .67, .65, .61, .57, .51, .41},
     {.60, .57, .55, .51, .47, .41, .32},
     {.49, .46, .43, .39, .35, .30, .22}},
    {{.67, .66, .65, .63, .61, .57, .50},
     {.52, .51, .49, .47, .45, .41, .33},
     {.43, .41, .40, .37, .35, .32, .25},
     {.31, .30, .29, .27, .25, .22, .17}},
    {{.53, .53, .52, .50, .49, .47, .42},
     {.37, .36, .36, .34, .33, .31, .27},
     {.29, .28, .27, .26, .25, .23, .20},
     {.20, .20, .19, .18, .17, .16, .13}},
};

constexpr double Eps = 1e-12;

} // namespace

TEST(Reduktionsfaktor, WandAnDenTabellenpunkten) {
    Reduktionsfaktor r;
    for (int u = 0; u < 4; ++u)
        for (int t = 0; t < 7; ++t) EXPECT_NEAR(r.bGW(T[t], U[u]), Wand[u][t], Eps) << T[t] << " " << U[u];
}

TEST(Reduktionsfaktor, BodenAnDenTabellenpunkten) {
    Reduktionsfaktor r;
    for (int b = 0; b < 3; ++b)
        for (int u = 0; u < 4; ++u)
            for (int t = 0; t < 7; ++t) {
                // Area and perimeter with the ratio B.
                EXPECT_NEAR(r.bGF(T[t], U[u], B[b] * 40, 40), Boden[b][u][t], Eps)
                    << T[t] << " " << U[u] << " " << B[b];
            }
}

TEST(Reduktionsfaktor, ZwischenwerteUndGrenzen) {
    Reduktionsfaktor r;
    EXPECT_NEAR(r.bGW(1, 0.4), 0.83, Eps);
    EXPECT_NEAR(r.bGW(1.5, 0.3), 0.815, Eps);
    EXPECT_NEAR(r.bGW(0, 0.73), 1, Eps);
    EXPECT_NEAR(r.bGW(10, 1), 0.25, Eps);
    EXPECT_NEAR(r.bGW(4, 0.8), ((0.58 + 0.47) / 2 + (0.48 + 0.37) / 2) / 2, Eps);
    EXPECT_NEAR(r.bGF(0, 0.2, 100, 20), 0.67, Eps);
    EXPECT_NEAR(r.bGF(2, 0.5, 70, 10), 0.372, Eps);
    EXPECT_NEAR(r.bGF(10, 1, 200, 20), 0.13, Eps);
    EXPECT_NEAR(r.bGF(0, 0.2, 40, 20), 0.82, Eps);

    for (auto [t, u] : {std::pair{10.5, 0.5}, {-1.0, 0.5}, {1.0, 0.1}, {1.0, 1.2}, {-0.001, 0.2}, {1.0, 0.1999},
                        {NAN, 0.5}, {1.0, NAN}, {INFINITY, 0.5}}) {
        SCOPED_TRACE(std::to_string(t) + " " + std::to_string(u));
        EXPECT_EQ(r.bGW(t, u), 0);
        EXPECT_EQ(r.bGF(t, u, 100, 20), 0);
    }
    EXPECT_EQ(r.bGF(1, 0.5, 30, 20), 0);   // B 1.5
    EXPECT_EQ(r.bGF(1, 0.5, 210, 20), 0);  // B 10.5
    EXPECT_EQ(r.bGF(1, 0.5, 0, 20), 0);
    EXPECT_EQ(r.bGF(1, 0.5, 100, 0), 0);
    EXPECT_EQ(r.bGF(1, 0.5, -100, -20), 0);
    EXPECT_EQ(r.bGF(1, 0.5, NAN, 20), 0);
    EXPECT_EQ(r.bGF(1, 0.5, INFINITY, INFINITY), 0);
}

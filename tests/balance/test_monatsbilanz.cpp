#include "balance/Monatsbilanz.h"

#include "balance/Gebaeudehuelle.h"
#include "balance/Klimastation_MB2028.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

constexpr double eps = 1e-9;

// One zone with Ti 20 °C, EBF 100 m², no air rate and one envelope row of
// 100 W/K, so that H = 100 W/K; C = 0.015 kWh/(m²·K) gives
// tau = 0.015 * 100 * 1000 / 100 = 15 h and a = 1 + 15/15 = 2.
struct Bilanzzone {
    Bilanzzone() {
        Global::Projekt = Projekt();
        Global::Projekt.ProjektNeu();
        Global::Klimastation_MB2028.KlimastationEinlesen("");
        Global::Projekt.ZSetNum(20, "Ti");
        Global::Projekt.ZSetNum(100, "EBF");
        Global::Projekt.ZSetNum(0.015, "C");
        Gebäudehülle::Instanz().Zurücksetzen(0);
        Gebäudehülle::Instanz().GH_A(0, 0, "W", 100, 0, 1.0, false, "S", std::array<double, 12>{});
    }
    ~Bilanzzone() { Global::Klimastation_MB2028.KlimastationEinlesen(""); }

    // Loss L and gains G of month m (QtA total column and solar gains).
    void Monat(std::size_t m, double L, double G) {
        QtA[m][0] = L;
        QtA[m][5] = L;
        QgS[m] = G;
    }
    void Speichern() {
        Global::Projekt.ZSetArr2(QtA, "QtA");
        Global::Projekt.ZSetArr1(QgS, "QgS");
    }

    Testhilfe::Testumgebung umgebung;
    Monatstabelle QtA{};
    Monatsarray QgS{};
};

Monatsarray Lesen1(const char* schlüssel) {
    Monatsarray a{};
    Global::Projekt.ZGetArr1(a, schlüssel);
    return a;
}

Monatstabelle Lesen2(const char* schlüssel) {
    Monatstabelle a{};
    Global::Projekt.ZGetArr2(a, schlüssel);
    return a;
}

} // namespace

TEST(Monatsbilanz, AusnutzungsgradSonderfaelle) {
    Bilanzzone z;
    // with a = 2: eta = (1 - gamma^2) / (1 - gamma^3)
    z.Monat(0, 10, 5);     // gamma 0.5: 0.75 / 0.875 = 6/7
    z.Monat(1, 10, 10);    // gamma exactly 1: a/(a+1) = 2/3
    z.Monat(2, 10, 20);    // gamma 2: (1-4)/(1-8) = 3/7
    z.Monat(3, 10, 0);     // no gains: gamma 0, eta 1
    z.Monat(4, 10, -5);    // negative ratio: taken as 3800
    z.Monat(5, 10, 40000); // gamma 4000: limited to 3800
    z.Monat(6, 0, 5);      // no losses: 0
    z.Monat(7, -3, 5);     // negative losses: 0
    z.Speichern();

    Monatsarray EtaG;
    EtaG.fill(7); // cleared first
    EXPECT_FALSE(basZIRVO3801::ZoneAusnutzungsgradBerechnen(EtaG));
    const double g3800 = (1 - 3800.0 * 3800) / (1 - 3800.0 * 3800 * 3800);
    EXPECT_NEAR(EtaG[0], 6.0 / 7, eps);
    EXPECT_NEAR(EtaG[1], 2.0 / 3, eps);
    EXPECT_NEAR(EtaG[2], 3.0 / 7, eps);
    EXPECT_NEAR(EtaG[3], 1.0, eps);
    EXPECT_NEAR(EtaG[4], g3800, 1e-15);
    EXPECT_NEAR(EtaG[5], g3800, 1e-15);
    EXPECT_EQ(EtaG[6], 0);
    EXPECT_EQ(EtaG[7], 0);
    EXPECT_EQ(EtaG[8], 0);
    // Year over the months with losses: G = 5+10+20+0-5+40000 = 40030,
    // sum G*eta = 30/7 + 20/3 + 60/7 + 0 - 5*g + 40000*g
    const double S = 30.0 / 7 + 20.0 / 3 + 60.0 / 7 + 39995 * g3800;
    EXPECT_NEAR(EtaG[12], S / 40030, eps);
    // stored as well
    const auto gespeichert = Lesen1("EtaG");
    EXPECT_NEAR(gespeichert[0], 6.0 / 7, eps);
    EXPECT_NEAR(gespeichert[12], S / 40030, eps);
}

TEST(Monatsbilanz, ParameterAGrenzen) {
    {
        // H = 0 (no envelope, no air): tau = 100000 h, a = 1 + 100000/15
        // limited to 85; gamma 1 gives 85/86.
        Bilanzzone z;
        Gebäudehülle::Instanz().Zurücksetzen(0);
        z.Monat(0, 10, 10);
        z.Speichern();
        Monatsarray EtaG{};
        EXPECT_FALSE(basZIRVO3801::ZoneAusnutzungsgradBerechnen(EtaG));
        EXPECT_NEAR(EtaG[0], 85.0 / 86, eps);
    }
    {
        // A negative H (a U of -1) gives tau = -15 h, a = 0 below a0: limited
        // to 85, not raised to 1.
        Bilanzzone z;
        Gebäudehülle::Instanz().GH_A(0, 0, "W", 100, 0, -1.0, false, "S", std::array<double, 12>{});
        z.Monat(0, 10, 10);
        z.Speichern();
        Monatsarray EtaG{};
        basZIRVO3801::ZoneAusnutzungsgradBerechnen(EtaG);
        EXPECT_NEAR(EtaG[0], 85.0 / 86, eps);
    }
    {
        // The air rate counts in H: EBF 100 * AVE 0.6 * 1220/3600 (altitude
        // 0 without a station) = 20.333 W/K, plus 100: tau = 1500/120.333 h,
        // a = 1 + tau/15; gamma 1.
        Bilanzzone z;
        Global::Projekt.ZSetNum(0.6, "AVE");
        z.Monat(0, 10, 10);
        z.Speichern();
        Monatsarray EtaG{};
        basZIRVO3801::ZoneAusnutzungsgradBerechnen(EtaG);
        const double H = 100 * 0.6 * 1220.0 / 3600 + 100;
        const double a = 1 + 1500 / H / 15;
        EXPECT_NEAR(EtaG[0], a / (a + 1), eps);
    }
    {
        // A time constant that overflows (C = 1E306) gives no factor at all,
        // never an infinite or undefined one.
        Bilanzzone z;
        Global::Projekt.ZSetNum(1e306, "C");
        z.Monat(0, 10, 5);
        z.Monat(1, 10, 10);
        z.Speichern();
        Monatsarray EtaG{};
        basZIRVO3801::ZoneAusnutzungsgradBerechnen(EtaG);
        for (double e : EtaG) EXPECT_EQ(e, 0);
        EXPECT_FALSE(basZIRVO3801::ZoneMonatsbilanzBerechnen());
        const auto Qh = Lesen1("Qh");
        EXPECT_EQ(Qh[0], 10);
        EXPECT_EQ(Qh[12], 20);
        for (double e : Lesen1("EtaG")) EXPECT_TRUE(std::isfinite(e));
        EXPECT_EQ(Lesen1("Qug")[12], 0);
    }
}

TEST(Monatsbilanz, OhneSpeicherfaehigkeitOderRaumtemperatur) {
    for (const char* fall : {"C", "Ti"}) {
        SCOPED_TRACE(fall);
        Bilanzzone z;
        Global::Projekt.ZSetNum(0, fall);
        z.Monat(0, 10, 5);
        z.Monat(1, 8, 2);
        z.Speichern();
        Monatsarray EtaG;
        EtaG.fill(3);
        EXPECT_TRUE(basZIRVO3801::ZoneAusnutzungsgradBerechnen(EtaG));
        for (double e : EtaG) EXPECT_EQ(e, 0);
        EXPECT_EQ(Global::Projekt.ZGetStr("EtaG"), ""); // nothing stored
        // the balance then utilises no gain: Qh = Qt in the heating months
        EXPECT_FALSE(basZIRVO3801::ZoneMonatsbilanzBerechnen());
        const auto Qh = Lesen1("Qh");
        EXPECT_EQ(Qh[0], 10);
        EXPECT_EQ(Qh[1], 8);
        EXPECT_EQ(Qh[12], 18);
        EXPECT_EQ(Lesen1("Qug")[12], 0);
        EXPECT_EQ(Lesen1("EtaG")[12], 0);
    }
    {
        // the corrected room temperature counts: Ti 0 with RZ 2 computes
        Bilanzzone z;
        Global::Projekt.ZSetNum(0, "Ti");
        Global::Projekt.ZSetNum(2, "RZ");
        z.Monat(0, 10, 10);
        z.Speichern();
        Monatsarray EtaG{};
        EXPECT_FALSE(basZIRVO3801::ZoneAusnutzungsgradBerechnen(EtaG));
        EXPECT_NEAR(EtaG[0], 2.0 / 3, eps);
    }
}

TEST(Monatsbilanz, MonateUndJahr) {
    Bilanzzone z;
    // January: roof 6 + ventilation 4 = 10, gains 2+2+1 = 5 (gamma 0.5)
    // February: wall 10, gains 4+4+2 = 10 (gamma 1)
    // March: floor (unheated) 7 + window 3 = 10, no gains
    // April..December: roof -2 (no heating), solar gains 3
    Monatstabelle QtA{}, QtU{}, QtF{};
    Monatsarray Qv{}, Qvm{}, QgS{}, QgP{}, QgE{};
    QtA[0][0] = 6;
    QtA[0][5] = 6;
    Qv[0] = 4;
    QgS[0] = 2;
    QgP[0] = 2;
    QgE[0] = 1;
    QtA[1][1] = 10;
    QtA[1][5] = 10;
    QgS[1] = 4;
    QgP[1] = 4;
    QgE[1] = 2;
    QtU[2][2] = 7;
    QtU[2][5] = 7;
    QtF[2][0] = 3;
    QtF[2][5] = 3;
    for (std::size_t m = 3; m < 12; ++m) {
        QtA[m][0] = -2;
        QtA[m][5] = -2;
        QgS[m] = 3;
    }
    // stale year values are replaced
    QtA[12][0] = 999;
    QgS[12] = 999;
    Qvm[12] = 999;
    Global::Projekt.ZSetArr2(QtA, "QtA");
    Global::Projekt.ZSetArr2(QtU, "QtU");
    Global::Projekt.ZSetArr2(QtF, "QtF");
    Global::Projekt.ZSetArr1(Qv, "Qv");
    Global::Projekt.ZSetArr1(Qvm, "Qvm");
    Global::Projekt.ZSetArr1(QgS, "QgS");
    Global::Projekt.ZSetArr1(QgP, "QgP");
    Global::Projekt.ZSetArr1(QgE, "QgE");

    // The factor alone: year = (5*6/7 + 10*2/3) / (5 + 10 + 0) = (230/21)/15
    Monatsarray EtaG{};
    basZIRVO3801::ZoneAusnutzungsgradBerechnen(EtaG);
    EXPECT_NEAR(EtaG[12], 230.0 / 315, eps);

    EXPECT_FALSE(basZIRVO3801::ZoneMonatsbilanzBerechnen());
    const auto Qt = Lesen1("Qt");
    const auto Qug = Lesen1("Qug");
    const auto Qh = Lesen1("Qh");
    const auto eta = Lesen1("EtaG");
    // January: Qug = 5 * 6/7 = 30/7, Qh = 10 - 30/7 = 40/7
    EXPECT_NEAR(Qug[0], 30.0 / 7, eps);
    EXPECT_NEAR(Qh[0], 40.0 / 7, eps);
    // February: Qug = 10 * 2/3, Qh = 10/3
    EXPECT_NEAR(Qug[1], 20.0 / 3, eps);
    EXPECT_NEAR(Qh[1], 10.0 / 3, eps);
    // March: no gains, Qh = Qt = 10
    EXPECT_NEAR(Qh[2], 10, eps);
    EXPECT_EQ(Qug[2], 0);
    // a month without heating: Qt stays -2, EtaG, Qug and Qh are 0
    EXPECT_NEAR(Qt[5], -2, eps);
    EXPECT_EQ(eta[5], 0);
    EXPECT_EQ(Qug[5], 0);
    EXPECT_EQ(Qh[5], 0);

    // Year: losses, Qug and Qh over January..March only
    EXPECT_NEAR(Qt[12], 30, eps);
    EXPECT_NEAR(Qug[12], 230.0 / 21, eps);      // 30/7 + 20/3
    EXPECT_NEAR(Qh[12], 400.0 / 21, eps);       // 30 - 230/21
    const auto jA = Lesen2("QtA"), jU = Lesen2("QtU"), jF = Lesen2("QtF");
    EXPECT_NEAR(jA[12][0], 6, eps);             // not 6 - 9*2, not 999
    EXPECT_NEAR(jA[12][1], 10, eps);
    EXPECT_NEAR(jA[12][5], 16, eps);
    EXPECT_NEAR(jU[12][2], 7, eps);
    EXPECT_NEAR(jU[12][5], 7, eps);
    EXPECT_NEAR(jF[12][0], 3, eps);
    EXPECT_NEAR(jF[12][5], 3, eps);
    EXPECT_NEAR(Lesen1("Qv")[12], 4, eps);
    EXPECT_EQ(Lesen1("Qvm")[12], 0);
    // gains over all twelve months: QgS 2 + 4 + 9*3 = 33, QgP 6, QgE 3
    EXPECT_NEAR(Lesen1("QgS")[12], 33, eps);
    EXPECT_NEAR(Lesen1("QgP")[12], 6, eps);
    EXPECT_NEAR(Lesen1("QgE")[12], 3, eps);
    // the year's factor: Qug over the gains of all months, 230/21 / 42,
    // lower than the heating-month weighting 230/315
    EXPECT_NEAR(eta[12], 230.0 / 21 / 42, eps);
    EXPECT_NEAR(eta[0], 6.0 / 7, eps);
}

TEST(Monatsbilanz, KeineGewinne) {
    Bilanzzone z;
    z.Monat(0, 10, 0);
    z.Monat(1, 5, 0);
    z.Speichern();
    EXPECT_FALSE(basZIRVO3801::ZoneMonatsbilanzBerechnen());
    const auto eta = Lesen1("EtaG");
    EXPECT_EQ(eta[0], 1);    // losses without gains: factor 1
    EXPECT_EQ(eta[12], 0);   // no gains in the year: 0
    EXPECT_EQ(Lesen1("Qh")[12], 15);
}

TEST(Monatsbilanz, LeitwertUndHeizlast) {
    Testhilfe::Testumgebung umgebung;
    Global::Projekt = Projekt();
    Global::Projekt.ProjektNeu();
    auto& p = Global::Projekt;
    Global::Klimastation_MB2028.KlimastationEinlesen("Zürich -Kloten"); // 425 m, TaMin -8
    ASSERT_TRUE(Global::Klimastation_MB2028.Vorhanden());
    p.ZSetNum(100, "EBF");
    p.ZSetNum(0.7, "AVE");
    p.ZSetNum(20, "Ti");
    p.ZSetInt(1, "Gk");
    Gebäudehülle::Instanz().GH_A(0, 0, "W", 200, 0, 0.5, false, "S", std::array<double, 12>{}); // 100 W/K

    // f = (1220 - 0.14*425)/3600 = 1160.5/3600
    const double f = 1160.5 / 3600;
    EXPECT_NEAR(basZIRVO3801::ZoneLeitwertH(false), 100 * 0.7 * f + 100, eps);
    // without mechanical ventilation the heat load uses AVE as it is
    EXPECT_NEAR(basZIRVO3801::ZoneLeitwertH(true), 100 * 0.7 * f + 100, eps);

    // air rate of the heat load
    p.PSetNum(0.8, "HL_EtaV");
    p.PSetNum(1, "HL_fV");
    EXPECT_NEAR(basZIRVO3801::HeizlastLuftvolumenstrom(0.7), 0.26, eps); // 0.55*0.2/1 + 0.15
    EXPECT_NEAR(basZIRVO3801::HeizlastLuftvolumenstrom(0.15), 0.15, eps);
    p.PSetNum(0.5, "HL_fV");
    EXPECT_NEAR(basZIRVO3801::HeizlastLuftvolumenstrom(0.7), 0.37, eps); // 0.55*0.2/0.5 + 0.15
    EXPECT_NEAR(basZIRVO3801::HeizlastLuftvolumenstrom(0.15), 0.15, eps);
    p.PSetNum(1, "HL_EtaV");
    EXPECT_EQ(basZIRVO3801::HeizlastLuftvolumenstrom(0.7), 0.7);
    p.PSetNum(-0.1, "HL_EtaV");
    EXPECT_EQ(basZIRVO3801::HeizlastLuftvolumenstrom(0.7), 0.7);
    p.PSetNum(0.8, "HL_EtaV");
    p.PSetNum(0, "HL_fV");
    EXPECT_EQ(basZIRVO3801::HeizlastLuftvolumenstrom(0.7), 0.7);
    p.PSetNum(1, "HL_fV");

    // H of the heat load with 0.26: 100*0.26*f + 100 = 108.3814
    const double H = 100 * 0.26 * f + 100;
    EXPECT_NEAR(basZIRVO3801::ZoneLeitwertH(true), H, eps);
    // PhNw = (20 - (-8)) * H / 100 - 3.1 = 27.2468
    EXPECT_NEAR(basZIRVO3801::ZoneHeizleistungKennwert(), 28 * H / 100 - 3.1, eps);
    // Ti is read as a whole number, halves to even: 20.5 counts as 20, 21.5 as 22
    p.ZSetNum(20.5, "Ti");
    EXPECT_NEAR(basZIRVO3801::ZoneHeizleistungKennwert(), 28 * H / 100 - 3.1, eps);
    p.ZSetNum(21.5, "Ti");
    EXPECT_NEAR(basZIRVO3801::ZoneHeizleistungKennwert(), 30 * H / 100 - 3.1, eps);
    p.ZSetNum(20, "Ti");

    std::int16_t Gk = 0;
    double Hk = 0, q = 0, TaMin = 0, qEL = 0;
    basZIRVO3801::HeizlastKennwerteLesen(Gk, Hk, q, TaMin, qEL);
    EXPECT_EQ(Gk, 1);
    EXPECT_NEAR(Hk, H, eps);
    EXPECT_NEAR(q, 0.26, eps);
    EXPECT_EQ(TaMin, -8);
    EXPECT_EQ(qEL, 3.1);

    // limit: TaMin exactly -8 leaves the table value
    EXPECT_EQ(basZIRVO3801::ZoneHeizleistungGrenzwert(), 20);
    // categories without limit, and categories outside the table
    for (std::int16_t gk : {5, 6, 12, 0, 13}) {
        p.ZSetInt(gk, "Gk");
        EXPECT_EQ(basZIRVO3801::ZoneHeizleistungGrenzwert(), 0) << gk;
    }
    // outside the table no internal gains are deducted: 28 * H / 100
    p.ZSetInt(13, "Gk");
    EXPECT_NEAR(basZIRVO3801::ZoneHeizleistungKennwert(), 28 * H / 100, eps);

    // Below -8 °C the limit is scaled by (Ti - TaMin) / (Ti + 8):
    // Davos, -13 °C: 25 * 33/28 for category II; Adelboden, -10 °C: 20 * 30/28
    Global::Klimastation_MB2028.KlimastationEinlesen("Davos");
    ASSERT_EQ(Global::Klimastation_MB2028.TaMin(), -13);
    p.ZSetInt(2, "Gk");
    EXPECT_NEAR(basZIRVO3801::ZoneHeizleistungGrenzwert(), 25.0 * 33 / 28, eps);
    Global::Klimastation_MB2028.KlimastationEinlesen("Adelboden");
    ASSERT_EQ(Global::Klimastation_MB2028.TaMin(), -10);
    p.ZSetInt(4, "Gk");
    EXPECT_NEAR(basZIRVO3801::ZoneHeizleistungGrenzwert(), 20.0 * 30 / 28, eps);
    // a room temperature of -8 would divide by zero: 0
    p.ZSetNum(-8, "Ti");
    EXPECT_EQ(basZIRVO3801::ZoneHeizleistungGrenzwert(), 0);
    p.ZSetNum(20, "Ti");
    p.ZSetInt(5, "Gk");
    EXPECT_EQ(basZIRVO3801::ZoneHeizleistungGrenzwert(), 0);

    // an energy reference area of 0 gives a heat load of 0
    p.ZSetNum(0, "EBF");
    EXPECT_EQ(basZIRVO3801::ZoneHeizleistungKennwert(), 0);

    // the two tables
    const double gewinne[] = {3.1, 2.4, 3.3, 2.3, 4.5, 5.2, 3.5, 4, 3, 0.8, 1.8, 4.9};
    const double grenzen[] = {20, 25, 25, 20, 0, 0, 0, 0, 0, 0, 0, 0};
    for (std::int16_t gk = 1; gk <= 12; ++gk) {
        EXPECT_EQ(basZIRVO3801::HeizlastInterneGewinne(gk), gewinne[gk - 1]);
        EXPECT_EQ(basZIRVO3801::HeizlastGrenzwertTabelle(gk), grenzen[gk - 1]);
    }
    EXPECT_EQ(basZIRVO3801::HeizlastInterneGewinne(0), 0);
    EXPECT_EQ(basZIRVO3801::HeizlastGrenzwertTabelle(-1), 0);

    // at altitude 0 the air factor is 1220/3600
    Global::Klimastation_MB2028.KlimastationEinlesen("");
    p.ZSetNum(100, "EBF");
    EXPECT_NEAR(basZIRVO3801::ZoneLeitwertH(false), 100 * 0.7 * 1220.0 / 3600 + 100, eps);
}

#include "balance/frmQh.h"

#include "balance/Gebaeudehuelle.h"
#include "balance/Klimastation_MB2028.h"
#include "frame/cVB6_NumCvt.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// The stored balance of one zone of category I (Wohnen MFH): EBF 150 m²,
// envelope 200 + 80 + 40 = 320 m², JMT 9.4, so the limit is
// (13 + 15 * 320/150) * (1 + 0 * 0.06) = 13 + 32 = 45.0 kWh/m².
// The envelope holds 150 m² with U 0.5 (75 W/K) and the air rate is 0, so
// the heat load is (20 - (-8)) * 75 / 150 - 3.1 = 10.9 W/m² against 20.
struct Qhzone : Testhilfe::Zonenprojekt {
    Qhzone() {
        P.ZSetStr("Wohnhaus", "Bez");
        P.ZSetNum(150, "EBF");
        P.ZSetNum(0, "AVE");
        P.ZSetNum(200, "AeA");
        P.ZSetNum(80, "AeU");
        P.ZSetNum(40, "AeF");
        P.PSetNum(9.4, "JMT");
        P.PSetInt(0, "BvArt");
        P.PSetInt(0, "NwAnf");
        P.PSetInt(0, "ArtB");
        Gebäudehülle::Instanz().GH_A(0, 0, "W", 150, 0, 0.5, false, "S", std::array<double, 12>{});
        Jahr(45.04);
    }
    // Year values: transmission 30 + 10 + 20, ventilation 15 + 5, total 80,
    // internal gains 8 + 12, solar 25, EtaG 0.876, utilised 34.96, and Qh.
    void Jahr(double Qh) {
        Monatstabelle QtA{}, QtU{}, QtF{};
        QtA[12][5] = 30;
        QtU[12][5] = 10;
        QtF[12][5] = 20;
        P.ZSetArr2(QtA, "QtA");
        P.ZSetArr2(QtU, "QtU");
        P.ZSetArr2(QtF, "QtF");
        auto jahr = [&](const char* k, double w) {
            Monatsarray a{};
            a[12] = w;
            P.ZSetArr1(a, k);
        };
        jahr("Qv", 15);
        jahr("Qvm", 5);
        jahr("Qt", 80);
        jahr("QgP", 8);
        jahr("QgE", 12);
        jahr("QgS", 25);
        jahr("EtaG", 0.876);
        jahr("Qug", 34.96);
        jahr("Qh", Qh);
    }
    frmQh f;
};

} // namespace

TEST(FrmQh, ErgebnisUndGrenzwert) {
    Qhzone z;
    auto& f = z.f;
    EXPECT_FALSE(f.Berechnen());

    EXPECT_EQ(f.lblZone.Caption(), "Wohnhaus");
    EXPECT_EQ(f.lblQt.Caption(), "60.0");
    EXPECT_EQ(f.lblQv.Caption(), "20.0");
    EXPECT_EQ(f.lblQtot.Caption(), "80.0");
    EXPECT_EQ(f.lblQi.Caption(), "20.0");
    EXPECT_EQ(f.lblQs.Caption(), "25.0");
    EXPECT_EQ(f.lblEtaG.Caption(), "0.88");
    EXPECT_EQ(f.lblQug.Caption(), "35.0");
    EXPECT_EQ(f.lblQh.Caption(), "45.0");
    EXPECT_EQ(f.lblVorschrift.Caption(), "SIA 380/1:2016");
    EXPECT_EQ(f.lblAnf.Caption(), "Neubau, Grenzwert");
    EXPECT_EQ(f.lblGebKat.Caption(), "Wohnen MFH    [I]");
    EXPECT_EQ(f.lblJMT.Caption(), "9.4");
    EXPECT_EQ(f.lblAh.Caption(), "150.0");
    EXPECT_EQ(f.lblAe.Caption(), "320.0");
    EXPECT_EQ(f.lblAeAh.Caption(), "2.13");
    // Qh 45.04 and the limit 45.0 both round to 45.0: met
    EXPECT_EQ(f.lblQhNw.Caption(), "45.0");
    EXPECT_EQ(f.lblHgNw.Caption(), "45.0");
    EXPECT_EQ(f.lblGrenzZiel.Caption(), "Grenzwert");
    EXPECT_EQ(f.lblNachweis.Caption(), "Grenzwert erfüllt");
    EXPECT_TRUE(f.fraNachweis.Visible());

    // the proof values, unrounded
    EXPECT_DOUBLE_EQ(z.P.ZGetNum("QhNw"), 45.04);
    EXPECT_DOUBLE_EQ(z.P.ZGetNum("Ae"), 320);
    EXPECT_NEAR(z.P.ZGetNum("AEBF"), 320.0 / 150, 1e-12);
    EXPECT_NEAR(z.P.ZGetNum("HgNw"), 45.0, 1e-12);
    EXPECT_NEAR(z.P.ZGetNum("PhNw"), 10.9, 1e-12);
    EXPECT_EQ(z.P.ZGetNum("PhNwGw"), 20);

    // heat load: no mechanical ventilation, 10.9 against 20
    EXPECT_EQ(f.lblLüftVorh.Caption(), "nein");
    EXPECT_EQ(f.lblHL_fV.Caption(), "-");
    EXPECT_EQ(f.lblHL_EtaV.Caption(), "-");
    EXPECT_EQ(f.lblPhNw.Caption(), "10.9");
    EXPECT_EQ(f.lblPhGw.Caption(), "20.0");
    EXPECT_EQ(f.lblNachweisPh.Caption(), "Grenzwert erfüllt");

    // Qh 45.05 rounds to 45.1: not met
    z.Jahr(45.05);
    f.Berechnen();
    EXPECT_EQ(f.lblQhNw.Caption(), "45.1");
    EXPECT_EQ(f.lblNachweis.Caption(), "Grenzwert nicht erfüllt");

    // JMT 8.4: 45 * (1 + 1.0 * 0.06) = 47.7
    z.P.PSetNum(8.4, "JMT");
    f.Berechnen();
    EXPECT_EQ(f.lblJMT.Caption(), "8.4");
    EXPECT_NEAR(z.P.ZGetNum("HgNw"), 47.7, 1e-9);
    EXPECT_EQ(f.lblHgNw.Caption(), "47.7");
    EXPECT_EQ(f.lblNachweis.Caption(), "Grenzwert erfüllt");

    // a regulation of the canton is shown as it is stored
    z.P.PSetStr("Kanton Zürich", "NwKt");
    f.Berechnen();
    EXPECT_EQ(f.lblVorschrift.Caption(), "Kanton Zürich");

    // the user's decimal comma on screen
    cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "de-CH", ",", "'", ".", "'"));
    f.Berechnen();
    EXPECT_EQ(f.lblAeAh.Caption(), "2,13");
    EXPECT_EQ(f.lblJMT.Caption(), "8,4");
}

TEST(FrmQh, NeubauUmbauZielwert) {
    Qhzone z;
    auto& f = z.f;
    struct Fall {
        std::int16_t BvArt, NwAnf;
        const char* Anf;
        const char* Hg;
        const char* Nachweis;
        const char* GrenzZiel;
        bool Heizlastnachweis;
    };
    // stored limit 45.0 (Qh 45.04): new building with target 45 * 0.6 = 27.0;
    // conversions (1, 3) 45 * 1.5 = 67.5, also with a target value
    const Fall fälle[] = {
        {0, 0, "Neubau, Grenzwert", "45.0", "Grenzwert erfüllt", "Grenzwert", true},
        {0, 1, "Neubau, Zielwert", "27.0", "Zielwert nicht erfüllt", "Zielwert", true},
        {2, 1, "Neubau, Zielwert", "27.0", "Zielwert nicht erfüllt", "Zielwert", true},
        {1, 0, "Umbau, Grenzwert", "67.5", "Grenzwert erfüllt", "Grenzwert", false},
        {1, 1, "Umbau, Zielwert", "67.5", "Zielwert erfüllt", "Zielwert", false},
        {3, 0, "Umbau, Grenzwert", "67.5", "Grenzwert erfüllt", "Grenzwert", false},
        {3, 1, "Umbau, Zielwert", "67.5", "Zielwert erfüllt", "Zielwert", false},
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.Anf);
        z.P.PSetInt(fall.BvArt, "BvArt");
        z.P.PSetInt(fall.NwAnf, "NwAnf");
        f.Berechnen();
        EXPECT_EQ(f.lblAnf.Caption(), fall.Anf);
        EXPECT_EQ(f.lblHgNw.Caption(), fall.Hg);
        EXPECT_EQ(f.lblNachweis.Caption(), fall.Nachweis);
        EXPECT_EQ(f.lblGrenzZiel.Caption(), fall.GrenzZiel);
        // the stored limit is the one before the factors
        EXPECT_NEAR(z.P.ZGetNum("HgNw"), 45.0, 1e-12);
        // a conversion gets no heat-load verdict
        EXPECT_EQ(f.lblPhNw.Caption(), "10.9");
        EXPECT_EQ(f.lblPhGw.Caption(), fall.Heizlastnachweis ? "20.0" : "");
        EXPECT_EQ(f.lblNachweisPh.Caption(), fall.Heizlastnachweis ? "Grenzwert erfüllt" : "");
    }
}

TEST(FrmQh, Heizlast) {
    Qhzone z;
    auto& f = z.f;
    // U 1.0: H = 150 W/K, (20 + 8) * 150 / 150 - 3.1 = 24.9 > 20
    Gebäudehülle::Instanz().GH_A(0, 0, "W", 150, 0, 1.0, false, "S", std::array<double, 12>{});
    f.Berechnen();
    EXPECT_EQ(f.lblPhNw.Caption(), "24.9");
    EXPECT_EQ(f.lblPhGw.Caption(), "20.0");
    EXPECT_EQ(f.lblNachweisPh.Caption(), "Grenzwert nicht erfüllt");

    // Davos, -13 °C: limit 20 * 33/28 = 23.57, load 33 * 150/150 - 3.1 = 29.9
    Global::Klimastation_MB2028.KlimastationEinlesen("Davos");
    f.Berechnen();
    EXPECT_NEAR(z.P.ZGetNum("PhNwGw"), 20.0 * 33 / 28, 1e-12);
    EXPECT_EQ(f.lblPhGw.Caption(), "23.6");
    EXPECT_EQ(f.lblPhNw.Caption(), "29.9");
    EXPECT_EQ(f.lblNachweisPh.Caption(), "Grenzwert nicht erfüllt");
    Global::Klimastation_MB2028.KlimastationEinlesen(Testhilfe::Zonenprojekt::Station);

    // category V (Verkauf): load 28 - 4.5 = 23.5 shown, no limit, no verdict;
    // its limit (7 + 14 * 320/150) = 36.87
    z.P.ZSetInt(5, "Gk");
    f.Berechnen();
    EXPECT_EQ(f.lblGebKat.Caption(), "Verkauf    [V]");
    EXPECT_EQ(f.lblHgNw.Caption(), "36.9");
    EXPECT_EQ(f.lblPhNw.Caption(), "23.5");
    EXPECT_EQ(f.lblPhGw.Caption(), "");
    EXPECT_EQ(f.lblNachweisPh.Caption(), "");
    EXPECT_EQ(z.P.ZGetNum("PhNwGw"), 0);

    // mechanical ventilation for the heat load
    z.P.PSetNum(0.9, "HL_fV");
    z.P.PSetNum(0.75, "HL_EtaV");
    f.Berechnen();
    EXPECT_EQ(f.lblLüftVorh.Caption(), "ja");
    EXPECT_EQ(f.lblHL_fV.Caption(), "0.9");
    EXPECT_EQ(f.lblHL_EtaV.Caption(), "0.75");
}

TEST(FrmQh, OhneEnergiebezugsflaeche) {
    Qhzone z;
    auto& f = z.f;
    f.Berechnen();
    ASSERT_EQ(f.lblNachweis.Caption(), "Grenzwert erfüllt");

    // Without EBF: "?" as envelope number, no limit, verdict or heat load,
    // neither on view (nothing of the computation before stays) nor stored.
    z.P.ZSetNum(0, "EBF");
    f.Berechnen();
    EXPECT_EQ(f.lblAeAh.Caption(), "?");
    EXPECT_EQ(f.lblAh.Caption(), "0.0");
    EXPECT_EQ(f.lblAe.Caption(), "320.0");
    EXPECT_EQ(f.lblQh.Caption(), "45.0");
    for (const Label* l : {&f.lblQhNw, &f.lblHgNw, &f.lblGrenzZiel, &f.lblNachweis, &f.lblLüftVorh, &f.lblHL_fV,
                           &f.lblHL_EtaV, &f.lblPhNw, &f.lblPhGw, &f.lblNachweisPh})
        EXPECT_EQ(l->Caption(), "") << l->Name;
    EXPECT_EQ(z.P.ZGetNum("AEBF"), 0);
    EXPECT_EQ(z.P.ZGetNum("Ae"), 320);
    EXPECT_EQ(z.P.ZGetNum("HgNw"), 0);
    EXPECT_EQ(z.P.ZGetNum("PhNw"), 0);
    EXPECT_EQ(z.P.ZGetNum("PhNwGw"), 0);
    EXPECT_DOUBLE_EQ(z.P.ZGetNum("QhNw"), 45.04);
}

TEST(FrmQh, AufgabeOhneNachweisUndFenster) {
    Qhzone z;
    auto& f = z.f;
    z.P.PSetInt(1, "ArtB"); // "Optimierung"
    f.Berechnen();
    EXPECT_FALSE(f.fraNachweis.Visible());
    EXPECT_EQ(f.Height, frmQh::HöheOhneNachweis);
    // the values are computed and stored all the same
    EXPECT_NEAR(z.P.ZGetNum("HgNw"), 45.0, 1e-12);
    z.P.PSetInt(0, "ArtB");
    f.Berechnen();
    EXPECT_TRUE(f.fraNachweis.Visible());
    EXPECT_EQ(f.Height, 0);

    // load, Esc
    EXPECT_TRUE(f.Geladen());
    EXPECT_EQ(f.Caption, "Heizwärmebedarf");
    std::int16_t taste = 13;
    f.Form_KeyPress(taste);
    EXPECT_TRUE(f.Geladen());
    taste = 27;
    f.Form_KeyPress(taste);
    EXPECT_FALSE(f.Geladen());
    EXPECT_FALSE(f.Berechnet());
}

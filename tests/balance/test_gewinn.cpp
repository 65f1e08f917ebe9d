#include "balance/Klimastation_MB2028.h"
#include "balance/frmGewinn.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVOFehler.h"
#include "frame/cVB6_NumCvt.h"
#include "mainwindow/frmZIRVO3801.h"
#include "project/Kollektion.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Stationszone.h"
#include "tests/support/Temppfad.h"
#include "tests/support/Testplattform.h"
#include "tests/support/Zonenprojekt.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Testhilfe::Gespeichert;
using Testhilfe::Zahl;

// One project with one zone and a station; the number settings use "." as
// decimal point. The zone: EBF = EBF0 = 100 m², 40 m² per person, 70 W per
// person, 12 h presence a day, 80 kWh/m² electricity with factor 0.7,
// Ti 20 °C and heat storage capacity 0.1 kWh/(m²K) (of category I: a zone
// without one does not compute); no outside air and no envelope, so the
// heat-transfer coefficient is 0.
class Gewinnzone : public Testhilfe::Stationszone {
public:
    Gewinnzone() { ZoneFüllen(); }

    static void ZoneFüllen() {
        Projekt& p = Global::Projekt;
        p.ZSetInt(1, "Gk");
        p.ZSetNum(100, "EBF");
        p.ZSetNum(100, "EBF0");
        p.ZSetNum(40, "PFl");
        p.ZSetNum(70, "PWP");
        p.ZSetNum(12, "PPr");
        p.ZSetNum(80, "El");
        p.ZSetNum(0.7, "fe");
        p.ZSetNum(20, "Ti");
        p.ZSetNum(0.1, "C");
    }

    // Extra consumers under "GE_" of the current zone.
    struct Verbraucher {
        std::string Bez;
        double W, ha, fe;
    };
    static void Verbraucherzeilen(const std::vector<Verbraucher>& zeilen) {
        auto tabelle = Kollektion::Neu();
        for (const auto& v : zeilen) {
            auto zeile = Kollektion::Neu();
            zeile->Hinzufügen(v.Bez);
            zeile->Hinzufügen(v.W);
            zeile->Hinzufügen(v.ha);
            zeile->Hinzufügen(v.fe);
            tabelle->Hinzufügen(KollektionZeiger(zeile));
        }
        Global::Projekt.ZSetColl(tabelle, "GE_");
    }
};

} // namespace

TEST(Gewinn, PersonenUndElektrizitaetVonHand) {
    Gewinnzone z;
    Projekt& p = Global::Projekt;
    frmGewinn f;
    ASSERT_FALSE(f.Einlesen());
    EXPECT_FALSE(f.Berechnen());
    EXPECT_EQ(f.lblPFl.Caption(), "40");
    EXPECT_EQ(f.lblPWP.Caption(), "70");
    EXPECT_EQ(f.lblPPr.Caption(), "12");
    EXPECT_EQ(f.lblEl.Caption(), "80");
    EXPECT_EQ(f.lblfe.Caption(), "0.70");
    EXPECT_EQ(f.lblQgS.Caption(), "0.0");

    // Persons: 12 h * 70 W * 100 m² * 0.001 / 40 m²/P / 100 m² = 0.021 kWh/m² a day;
    //   January 0.021 * 31 = 0.651, the year 0.021 * 365 = 7.665
    const Monatsarray QgP = Gespeichert("QgP");
    EXPECT_NEAR(QgP[0], 0.651, 1e-12);
    EXPECT_NEAR(QgP[1], 0.588, 1e-12);
    EXPECT_NEAR(QgP[12], 7.665, 1e-12);
    EXPECT_EQ(f.lblQgP.Caption(), "7.7");
    // Electricity: 0.7 * 80 * 100 / 100 / 365 = 56/365 a day; January 56 * 31 / 365 = 4.756164, year 56
    Monatsarray QgE = Gespeichert("QgE");
    EXPECT_NEAR(QgE[0], 4.756164, 1e-6);
    EXPECT_NEAR(QgE[12], 56, 1e-12);
    EXPECT_EQ(f.lblQgE.Caption(), "56.0");
    std::vector<double> QeZ(6, -1.0);
    p.ZGetArrX(QeZ, "QeZ");
    EXPECT_EQ(QeZ, std::vector<double>(6, 0.0));

    // One consumer of 1000 W for 500 h/a with factor 1:
    //   500 * 1000 * 1 * 0.001 / 100 = 5 kWh/m² a year, 5 * 31 / 365 = 0.424658 in January
    f.txtW[0].setText("1000");
    f.txtha[0].setText("500");
    f.txtfe[0].setText("1");
    f.txtfe_LostFocus(0);
    EXPECT_EQ(f.txtfe[0].Text(), "  1.00");
    EXPECT_EQ(f.txtWg[0].Text(), "5.0");
    QgE = Gespeichert("QgE");
    EXPECT_NEAR(QgE[0], 4.756164 + 0.424658, 1e-6);
    EXPECT_NEAR(QgE[12], 61, 1e-12);
    EXPECT_EQ(f.lblQgE.Caption(), "61.0");
    p.ZGetArrX(QeZ, "QeZ");
    EXPECT_NEAR(QeZ[0], 5, 1e-12);
    EXPECT_EQ(QeZ[1], 0);
    // A second consumer in row 3: 200 W * 2000 h * 0.5 * 0.001 / 100 = 2 kWh/m²
    f.txtW[3].setText("200");
    f.txtha[3].setText("2000");
    f.txtfe[3].setText("0,5");
    f.txtW_LostFocus(3);
    EXPECT_EQ(f.txtWg[3].Text(), "2.0");
    EXPECT_EQ(f.txtWg[1].Text(), "");
    EXPECT_EQ(f.lblQgE.Caption(), "63.0");
}

TEST(Gewinn, GenutzteWaermeeintraege) {
    Gewinnzone z;
    Projekt& p = Global::Projekt;
    // Solar gains 1 kWh/m² a month (12 in the year) and a large loss in every
    // month but July. With H = 0 the parameter a is 85; gains of a few
    // kWh/m² against 1000 give gamma^85 = 0 and a factor of exactly 1.
    Monatsarray QgS{}, Qv{};
    for (int m = 0; m < 12; ++m) {
        QgS[m] = 1;
        Qv[m] = m == 6 ? 0 : 1000;
    }
    QgS[12] = 12;
    p.ZSetArr1(QgS, "QgS");
    p.ZSetArr1(Qv, "Qv");
    Gewinnzone::Verbraucherzeilen({{"Server", 1000, 500, 1}});

    frmGewinn f;
    ASSERT_FALSE(f.Einlesen());
    EXPECT_EQ(f.lblQgS.Caption(), "12.0");
    const Monatsarray Qug = Gespeichert("Qug");
    // January: 1 + 0.651 + 61 * 31 / 365 = 1 + 0.651 + 5.180822 = 6.831822
    EXPECT_NEAR(Qug[0], 6.831822, 1e-6);
    // July has no loss: factor 0, nothing utilised.
    EXPECT_EQ(Qug[6], 0);
    // The year is (QgS + QgP + QgE of the year) * EtaG of the year
    //   = (12 + 7.665 + 61) * 1 = 80.665, not the sum of the months (80.665 - 6.831822)
    EXPECT_NEAR(Qug[12], 80.665, 1e-9);
    double summe = 0;
    for (int m = 0; m < 12; ++m) summe += Qug[m];
    EXPECT_NEAR(summe, 80.665 - 6.831822, 1e-6);
    EXPECT_EQ(f.lblQug.Caption(), "80.7");
    EXPECT_EQ(f.lblEtaG.Caption(), "1.00");

    // Without a heat storage capacity nothing is utilised: an input error,
    // as the zone commands have it, with no figure on view.
    p.ZSetNum(0, "C");
    ASSERT_FALSE(f.Einlesen());
    EXPECT_TRUE(f.Berechnen());
    EXPECT_EQ(Eingabefehler.Text, "Bitte Wärmespeicherfähigkeit in den Nutzungsangaben definieren.");
    EXPECT_EQ(f.lblQug.Caption(), "");
    EXPECT_EQ(f.lblEtaG.Caption(), "");
}

TEST(Gewinn, PersonenflaecheNullGibtKeinePersonengewinne) {
    Gewinnzone z;
    Projekt& p = Global::Projekt;
    frmGewinn f;
    ASSERT_FALSE(f.Einlesen());
    ASSERT_NEAR(Gespeichert("QgP")[12], 7.665, 1e-12);
    p.ZSetNum(0, "PFl");
    ASSERT_FALSE(f.Einlesen());
    EXPECT_EQ(Gespeichert("QgP"), Monatsarray{});
    EXPECT_NE(p.ZGetStr("QgP"), "");
    EXPECT_EQ(f.lblQgP.Caption(), "0.0");
    EXPECT_EQ(f.lblPFl.Caption(), "0");
    // Electricity is still there.
    EXPECT_NEAR(Gespeichert("QgE")[12], 56, 1e-12);

    // A vanishing floor area per person overflows: no value becomes infinite.
    p.ZSetNum(1e-320, "PFl");
    p.ZSetNum(1e308, "El");
    ASSERT_FALSE(f.Einlesen());
    for (const char* schlüssel : {"QgP", "QgE", "Qug"}) {
        const std::string text = p.ZGetStr(schlüssel);
        EXPECT_EQ(text.find("inf"), std::string::npos) << text;
        EXPECT_EQ(text.find("nan"), std::string::npos) << text;
        for (double x : Gespeichert(schlüssel)) EXPECT_TRUE(std::isfinite(x)) << schlüssel;
    }
    for (const Label* l : {&f.lblQgP, &f.lblQgE, &f.lblQug, &f.lblEtaG}) {
        EXPECT_NE(l->Caption(), "") << l->Name;
        EXPECT_EQ(l->Caption().find_first_of("in#?"), std::string::npos) << l->Name << " " << l->Caption();
    }
}

TEST(Gewinn, VerbraucherSpeichernUndLaden) {
    Gewinnzone z;
    Projekt& p = Global::Projekt;
    p.ZSetStr("alte Bemerkung", "GEBem");
    frmGewinn f;
    ASSERT_FALSE(f.Einlesen());
    EXPECT_EQ(f.txtEBem.Text(), "alte Bemerkung");

    // Rows 0 and 2 used, row 1 empty: three rows are stored, the middle one empty.
    f.txtBez[0].setText("Kühlung  ");
    f.txtW[0].setText("800");
    f.txtha[0].setText("1200");
    f.txtfe[0].setText("0.9");
    f.txtBez[2].setText("Nur Name");
    f.txtEBem.setText("neu  ");
    ASSERT_FALSE(f.Speichern());
    KollektionZeiger ge = p.ZGetColl("GE_");
    ASSERT_TRUE(ge);
    ASSERT_EQ(ge->Anzahl(), 3);
    auto zeile = [&](int i) { return p.CollGetColl(ge, i); };
    ASSERT_EQ(zeile(1)->Anzahl(), 4);
    EXPECT_EQ(zeile(1)->Text(1), "Kühlung");
    EXPECT_EQ(zeile(1)->Zahl(2), 800);
    EXPECT_EQ(zeile(1)->Zahl(3), 1200);
    EXPECT_EQ(zeile(1)->Zahl(4), 0.9);
    EXPECT_EQ(zeile(2)->Text(1), "");
    EXPECT_EQ(zeile(2)->Zahl(2), 0);
    // A row with only a designation is stored with three zeros and shows no gain.
    EXPECT_EQ(zeile(3)->Text(1), "Nur Name");
    EXPECT_EQ(zeile(3)->Zahl(2), 0);
    EXPECT_EQ(zeile(3)->Zahl(3), 0);
    EXPECT_EQ(zeile(3)->Zahl(4), 0);
    EXPECT_EQ(p.ZGetStr("GEBem"), "neu");
    f.txtBez_LostFocus(2);
    EXPECT_EQ(f.txtWg[2].Text(), "");

    // Through the project file and back.
    const fs::path datei = Testhilfe::Temppfad("zirvo_test_gewinn", ".zirvo9");
    ASSERT_EQ(p.ProjektSpeichern(datei.string()), 0);
    Global::Projekt = Projekt();
    ASSERT_EQ(Global::Projekt.ProjektEinlesen(datei.string()), 0);
    fs::remove(datei);
    Projekt& q = Global::Projekt;
    // Read from a file the zone has no EBF yet: loading fails, and storing
    // after that keeps the consumers as read.
    EXPECT_TRUE(f.Einlesen());
    EXPECT_TRUE(f.Speichern());
    ASSERT_TRUE(q.ZGetColl("GE_"));
    EXPECT_EQ(q.ZGetColl("GE_")->Anzahl(), 3);
    q.ZSetNum(100, "EBF");
    q.ZSetNum(100, "EBF0");
    ASSERT_FALSE(f.Einlesen());
    EXPECT_EQ(f.txtBez[0].Text(), "Kühlung");
    EXPECT_EQ(Zahl(f.txtW[0]), 800);
    EXPECT_EQ(Zahl(f.txtha[0]), 1200);
    EXPECT_EQ(f.txtfe[0].Text(), "  0.90");
    EXPECT_EQ(f.txtBez[1].Text(), "");
    EXPECT_EQ(f.txtW[1].Text(), "");
    EXPECT_EQ(f.txtBez[2].Text(), "Nur Name");
    EXPECT_EQ(f.txtEBem.Text(), "neu");
    // 800 * 1200 * 0.9 * 0.001 / 100 = 8.64 -> "8.6"
    EXPECT_EQ(f.txtWg[0].Text(), "8.6");

    // Emptying every row and closing removes the consumers from the zone.
    for (int i = 0; i < frmGewinn::Verbraucherzeilen; ++i)
        for (auto* feld : {&f.txtBez, &f.txtW, &f.txtha, &f.txtfe}) (*feld)[i].setText("");
    f.cmdSchliessen_Click();
    EXPECT_FALSE(f.Geladen());
    EXPECT_FALSE(q.ZGetColl("GE_"));
    EXPECT_EQ(q.ZGetStr("GE_"), "");
    // The closed dialog holds no zone: storing afterwards changes nothing.
    Gewinnzone::Verbraucherzeilen({{"wieder da", 1, 1, 1}});
    EXPECT_TRUE(f.Speichern());
    EXPECT_EQ(q.CollGetColl(q.ZGetColl("GE_"), 1)->Text(1), "wieder da");
}

TEST(Gewinn, ZoneOhneEBFOderKlimastationUebernimmtNichtsVonEinerAnderen) {
    Gewinnzone z;
    Projekt& p = Global::Projekt;
    Gewinnzone::Verbraucherzeilen({{"Zone A", 500, 1000, 1}});
    p.ZSetStr("A", "GEBem");
    frmGewinn f;
    ASSERT_FALSE(f.Einlesen());
    ASSERT_EQ(f.txtBez[0].Text(), "Zone A");

    ASSERT_EQ(p.ZoneNeu(), 0);
    p.ZSetNum(20, "Ti");
    basZIRVOFehler::Eingabefehler = {};
    EXPECT_TRUE(f.Einlesen());
    EXPECT_EQ(Eingabefehler.Art, 1);
    EXPECT_EQ(Eingabefehler.Zone, 1);
    EXPECT_EQ(Eingabefehler.Tabelle, basZIRVOFehler::TabelleGewinn);
    EXPECT_EQ(Eingabefehler.Text, "Fehlende EBF");
    EXPECT_EQ(Eingabefehler.Steuerelement, nullptr);
    EXPECT_EQ(f.txtBez[0].Text(), "");
    EXPECT_EQ(f.txtW[0].Text(), "");
    EXPECT_EQ(f.txtWg[0].Text(), "");
    EXPECT_EQ(f.txtEBem.Text(), "");
    EXPECT_EQ(f.lblQgP.Caption(), "");
    EXPECT_FALSE(f.Berechnen());
    EXPECT_TRUE(f.Speichern());
    std::int16_t cancel = 1;
    f.Form_QueryUnload(cancel, 0);
    EXPECT_EQ(cancel, 0);
    EXPECT_FALSE(p.ZGetColl("GE_"));
    EXPECT_EQ(p.ZGetStr("GEBem"), "");
    EXPECT_EQ(p.ZGetStr("QgP"), "");
    EXPECT_EQ(p.ZGetStr("QgE"), "");
    EXPECT_EQ(p.ZGetStr("Qug"), "");

    // Without a climate station.
    Gewinnzone::ZoneFüllen();
    Global::Klimastation_MB2028.KlimastationEinlesen("");
    p.SetNZone(0);
    EXPECT_TRUE(f.Einlesen());
    EXPECT_EQ(Eingabefehler.Zone, 0);
    EXPECT_EQ(Eingabefehler.Tabelle, basZIRVOFehler::TabelleGewinn);
    EXPECT_EQ(Eingabefehler.Text, "Fehlende Klimastation");
    EXPECT_EQ(Eingabefehler.Steuerelement, nullptr);
    EXPECT_EQ(f.txtBez[0].Text(), "");
    EXPECT_TRUE(f.Speichern());
    EXPECT_EQ(p.CollGetColl(p.ZGetColl("GE_"), 1)->Text(1), "Zone A");
    EXPECT_EQ(p.ZGetStr("GEBem"), "A");

    // Fields are stored only into the zone they were loaded from.
    Global::Klimastation_MB2028.KlimastationEinlesen("Basel -Binningen");
    ASSERT_FALSE(f.Einlesen());
    p.SetNZone(1);
    EXPECT_TRUE(f.Speichern());
    EXPECT_FALSE(p.ZGetColl("GE_"));
    // After a zone is deleted, the fields belong to no zone any more.
    p.SetNZone(0);
    ASSERT_FALSE(f.Einlesen());
    p.SetNZone(1);
    ASSERT_EQ(p.ZoneLöschen(), 0);
    EXPECT_TRUE(f.Speichern());
}

TEST(Gewinn, ZellenTastenUndDialog) {
    Gewinnzone z;
    frmGewinn f;
    EXPECT_FALSE(f.txtBez[3].Visible());
    ASSERT_FALSE(f.Einlesen());
    EXPECT_EQ(f.Caption, "Wärmeeinträge");
    EXPECT_EQ(f.picEz.BackColor(), 0x8000000Fu);
    for (int i = 0; i < frmGewinn::Verbraucherzeilen; ++i) {
        EXPECT_TRUE(f.txtBez[i].Visible());
        EXPECT_TRUE(f.txtWg[i].Visible());
    }
    std::vector<const Steuerelement*> fokus;
    f.FokusSetzen = [&](Steuerelement& e) { fokus.push_back(&e); };

    // Cell formats: power 5 places, hours 4, factor 4 with 2 decimals.
    f.txtW[1].setText("1234567");
    f.txtW_LostFocus(1);
    EXPECT_EQ(f.txtW[1].Text(), "#####");
    f.txtfe[1].setText("0,755");
    f.txtfe_LostFocus(1);
    EXPECT_EQ(f.txtfe[1].Text(), "  0.76");
    f.txtfe[1].setText("1234.56");
    f.txtfe_LostFocus(1);
    EXPECT_EQ(f.txtfe[1].Text(), "##.##");
    f.txtha[1].setText("8.5");
    f.txtha_LostFocus(1);
    EXPECT_EQ(f.txtha[1].Text(), std::string(6, ' ') + "9");
    EXPECT_EQ(f.txtWg[1].Text(), ""); // power and factor read as 0

    // Enter in the last input column goes to the next row's designation ...
    std::int16_t taste = 13;
    f.txtfe_KeyDown(0, taste, 0);
    EXPECT_EQ(taste, 0);
    ASSERT_EQ(fokus.size(), 1u);
    EXPECT_EQ(fokus.back(), &f.txtBez[1]);
    // ... and stays in the last row.
    taste = 13;
    f.txtfe_KeyDown(5, taste, 0);
    EXPECT_EQ(taste, 0);
    EXPECT_EQ(fokus.size(), 1u);
    // Shift+Enter in a designation goes to the previous row's factor.
    taste = 13;
    f.txtBez_KeyDown(1, taste, 1);
    EXPECT_EQ(fokus.back(), &f.txtfe[0]);
    // Tab and Shift+arrows move between rows; plain arrows are left alone.
    taste = 9;
    f.txtha_KeyDown(4, taste, 0);
    EXPECT_EQ(fokus.back(), &f.txtha[5]);
    taste = 38;
    f.txtW_KeyDown(2, taste, 1);
    EXPECT_EQ(fokus.back(), &f.txtW[1]);
    taste = 40;
    f.txtW_KeyDown(2, taste, 0);
    EXPECT_EQ(taste, 40);
    EXPECT_EQ(fokus.size(), 4u);

    std::int16_t zeichen = 13;
    f.txtfe_KeyPress(0, zeichen);
    EXPECT_EQ(zeichen, 0);
    zeichen = '5';
    f.txtW_KeyPress(0, zeichen);
    EXPECT_EQ(zeichen, '5');

    // Closing stores the consumers; the program's form object works the same way.
    f.txtBez[0].setText("Lift");
    f.txtW[0].setText("3000");
    f.txtha[0].setText("100");
    f.txtfe[0].setText("1");
    f.cmdSchliessen_Click();
    Projekt& p = Global::Projekt;
    EXPECT_EQ(p.CollGetColl(p.ZGetColl("GE_"), 1)->Text(1), "Lift");
    ASSERT_FALSE(Global::frmGewinn.Einlesen());
    EXPECT_EQ(Global::frmGewinn.txtBez[0].Text(), "Lift");
    // 3000 * 100 * 1 * 0.001 / 100 = 3 kWh/m²
    EXPECT_EQ(Global::frmGewinn.txtWg[0].Text(), "3.0");
    Global::frmGewinn.cmdSchliessen_Click();
    EXPECT_FALSE(Global::frmGewinn.Geladen());
}

TEST(Gewinn, HauptfensterLaedtSpeichertUndBerechnetDieZone) {
    Testhilfe::Zonenprojekt z;
    Projekt& p = z.P;
    Gewinnzone::Verbraucherzeilen({{"Server", 1500, 1000, 1}});
    p.ZSetStr("Serverraum", "GEBem");

    // Not computed yet, the zone has no energy reference area: the main
    // window's load fails for the gains, and its store keeps the consumers.
    z.F.ProjektZoneEinlesen();
    EXPECT_FALSE(Global::frmGewinn.ZoneGeladen());
    z.F.ProjektZoneSpeichern();
    ASSERT_TRUE(p.ZGetColl("GE_"));
    EXPECT_EQ(p.CollGetColl(p.ZGetColl("GE_"), 1)->Text(1), "Server");
    EXPECT_EQ(p.ZGetStr("GEBem"), "Serverraum");

    z.EBFSetzen(150);
    z.F.ProjektZoneEinlesen();
    ASSERT_TRUE(Global::frmGewinn.ZoneGeladen());
    EXPECT_EQ(Global::frmGewinn.txtBez[0].Text(), "Server");

    // The whole zone (category 1: 40 m²/P, 70 W/P, 12 h/d):
    //   persons 12 * 70 * 150 * 0.001 / 40 / 150 = 0.021 kWh/m² a day, January 0.651;
    //   the consumer 1500 W * 1000 h * 1 * 0.001 / 150 m² = 10 kWh/m² a year
    EXPECT_FALSE(z.F.ProjektZoneBerechnen()) << Eingabefehler.Text;
    Monatsarray QgP{};
    p.ZGetArr1(QgP, "QgP");
    EXPECT_NEAR(QgP[0], 0.651, 1e-12);
    std::vector<double> QeZ(6, 0.0);
    p.ZGetArrX(QeZ, "QeZ");
    EXPECT_NEAR(QeZ[0], 10, 1e-12);
    EXPECT_EQ(Global::frmGewinn.txtWg[0].Text(), "10.0");
    Global::frmGewinn.cmdSchliessen_Click();
}

#include "balance/Klimastation_MB2028.h"
#include "balance/frmLueftung.h"
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

namespace fs = std::filesystem;

namespace {

using Testhilfe::Gespeichert;
using Testhilfe::Zahl;

// Hand values for the zone below (station Basel-Binningen, 316 m):
//   heat capacity of air rhoC = (1220 - 0.14 * 316) / 3600 = 1175.76 / 3600 = 0.3266 Wh/(m³K)
//   monthly mean temperatures 1.7 2.9 6.8 9.6 14.2 17.2 19.5 19.4 14.9 10.9 5.4 3.0 °C;
//   with Ti = 20 every month loses heat, so every month is a heating month;
//   degree days (Ti - Te) * days:
//     Jan 18.3*31 = 567.3, Feb 17.1*28 = 478.8, Mar 13.2*31 = 409.2, Apr 10.4*30 = 312.0,
//     May 5.8*31 = 179.8, Jun 2.8*30 = 84.0, Jul 0.5*31 = 15.5, Aug 0.6*31 = 18.6,
//     Sep 5.1*30 = 153.0, Oct 9.1*31 = 282.1, Nov 14.6*30 = 438.0, Dec 17.0*31 = 527.0;
//     year 3465.3 Kd.
constexpr double GradtageJanuar = 567.3;
constexpr double GradtageJahr = 3465.3;

// One project with one zone (EBF = EBF0 = 100 m², Ti 20 °C, AVE 0.7) and
// the station current; the number settings use "." as decimal point.
class Lüftungszone : public Testhilfe::Stationszone {
public:
    Lüftungszone() { ZoneFüllen(); }

    static void ZoneFüllen() {
        Projekt& p = Global::Projekt;
        p.ZSetStr("Z1", "Code");
        p.ZSetNum(100, "EBF");
        p.ZSetNum(100, "EBF0");
        p.ZSetNum(20, "Ti");
        p.ZSetNum(0.7, "AVE");
    }

    // A unit row under "Lm_" of the current zone.
    static void Gerät(const std::string& bez, double LSt, double ha, double WRG) {
        auto zeile = Kollektion::Neu();
        zeile->Hinzufügen(bez);
        zeile->Hinzufügen(LSt);
        zeile->Hinzufügen(ha);
        zeile->Hinzufügen(WRG);
        zeile->Hinzufügen(0.0);
        auto geräte = Kollektion::Neu();
        geräte->Hinzufügen(KollektionZeiger(zeile));
        Global::Projekt.ZSetColl(geräte, "Lm_");
    }
};

} // namespace

TEST(Lueftung, NatuerlicheUndMechanischeLueftungVonHand) {
    Lüftungszone z;
    Projekt& p = Global::Projekt;
    // Mode 2 with 40 % mechanically ventilated, one unit of 300 m³/h running
    // half the year (4380 h) with 80 % heat recovery; envelope air 0.1 and 0.2 m³/hm².
    p.ZSetNum(2, "ML");
    p.ZSetNum(40, "MLAnteil");
    Lüftungszone::Gerät("Wohnungslüftung   ", 300, 4380, 80);
    p.ZSetNum(0.1, "LmAVw");
    p.ZSetNum(0.2, "LmAVa");
    p.ZSetStr("Bemerkung", "LmBem");
    p.PSetNum(0.8, "HL_EtaV");
    p.PSetNum(1.0, "HL_fV");

    frmLüftung f;
    ASSERT_FALSE(f.Einlesen());
    EXPECT_FALSE(f.Berechnen());
    EXPECT_TRUE(f.optML[2].Value());
    EXPECT_EQ(f.txtAnteilML.Text(), "40.0");
    EXPECT_EQ(f.txtBez[0].Text(), "Wohnungslüftung");
    EXPECT_EQ(Zahl(f.txtLSt[0]), 300);
    EXPECT_EQ(Zahl(f.txtha[0]), 4380);
    EXPECT_EQ(Zahl(f.txtWRG[0]), 80);
    EXPECT_EQ(f.txtAVEMLwB.Text(), "0.10");
    EXPECT_EQ(f.txtAVEMLaB.Text(), "0.20");
    EXPECT_EQ(f.txtMLBem.Text(), "Bemerkung");
    EXPECT_EQ(f.lblEBF0.Caption(), "100.0");
    EXPECT_EQ(f.lblAVEnL.Caption(), "0.70");
    // (1 - 0.4) * 100 = 60 m² naturally ventilated
    EXPECT_EQ(f.lblEBF0nL.Caption(), "60.0");

    // Natural: Hv = 0.7 * 100 * 0.3266 * 0.024 / 100 * (1 - 0.4) = 0.003292128 kWh/(m²K d)
    //   Qv(Jan) = 567.3 * 0.003292128 = 1.867624, year 3465.3 * 0.003292128 = 11.408211
    const Monatsarray Qv = Gespeichert("Qv");
    EXPECT_NEAR(Qv[0], 1.867624, 1e-6);
    EXPECT_NEAR(Qv[6], 15.5 * 0.003292128, 1e-9);
    EXPECT_EQ(Qv[12], 0); // the year is summed for the labels only
    EXPECT_EQ(f.lblLwv.Caption(), "11.4");

    // Mechanical: V = (0.1 * 100 * 0.4 + (1 - 0.8) * 300) * 0.5 + 0.5 * 0.2 * 100 * 0.4
    //               = 64 * 0.5 + 4 = 36 m³/h
    //   Hm = 36 * 0.3266 * 0.024 / 100 = 0.002821824
    //   Qvm(Jan) = 567.3 * 0.002821824 = 1.600821, year 3465.3 * 0.002821824 = 9.778467
    const Monatsarray Qvm = Gespeichert("Qvm");
    EXPECT_NEAR(Qvm[0], 1.600821, 1e-6);
    EXPECT_EQ(Qvm[12], 0);
    EXPECT_EQ(f.txtQ[0].Text(), std::string(6, ' ') + "9.8");
    // 11.408211 + 9.778467 = 21.186678
    EXPECT_EQ(f.lblQv.Caption(), "21.2");

    // Heat-load air rate: (0.70 - 0.15) * (1 - 0.8) / 1.0 + 0.15 = 0.26
    EXPECT_EQ(f.txtEtaV.Text(), "0.80");
    EXPECT_EQ(f.txtfV.Text(), "1.0");
    EXPECT_EQ(f.lblQth.Caption(), "0.26");
    // Without an effectiveness there is no heat-load air rate.
    f.txtfV.setText("");
    f.txtfV_Change();
    EXPECT_EQ(f.lblQth.Caption(), "");
    f.txtfV.setText("0");
    f.txtfV_Change();
    EXPECT_EQ(f.lblQth.Caption(), "");
    // 0.55 * (1 - 0.5) / 0.5 + 0.15 = 0.70
    f.txtEtaV.setText("0,5");
    f.txtfV.setText("0.5");
    f.txtfV_Change();
    EXPECT_EQ(f.lblQth.Caption(), "0.70");
    // An efficiency that the heat load does not take gives no rate (80
    // would give -43.30).
    f.txtfV.setText("1.0");
    for (const char* eta : {"80", "1", "-0.01"}) {
        f.txtEtaV.setText(eta);
        f.txtEtaV_Change();
        EXPECT_EQ(f.lblQth.Caption(), "") << eta;
    }
}

TEST(Lueftung, BetriebsartenUndAnteil) {
    Lüftungszone z;
    Projekt& p = Global::Projekt;
    Lüftungszone::Gerät("Gerät", 300, 4380, 80);
    p.ZSetNum(0.1, "LmAVw");
    p.ZSetNum(0.2, "LmAVa");
    frmLüftung f;

    // Mode 0: no mechanical ventilation whatever the unit row holds.
    //   Hv = 0.7 * 0.3266 * 0.024 = 0.00548688; Qv(Jan) = 567.3 * 0.00548688 = 3.112707
    ASSERT_FALSE(f.Einlesen());
    EXPECT_TRUE(f.optML[0].Value());
    EXPECT_FALSE(f.fraML2.Enabled());
    EXPECT_FALSE(f.txtAnteilML.Enabled());
    EXPECT_NEAR(Gespeichert("Qv")[0], 3.112707, 1e-6);
    EXPECT_EQ(Gespeichert("Qvm"), Monatsarray{});
    EXPECT_EQ(p.ZGetStr("Qvm").empty(), false); // thirteen zeros are stored
    EXPECT_EQ(f.txtQ[0].Text(), "");
    EXPECT_EQ(f.lblEBF0nL.Caption(), "100.0");
    // 3465.3 * 0.00548688 = 19.013685
    EXPECT_EQ(f.lblLwv.Caption(), "19.0");
    EXPECT_EQ(f.lblQv.Caption(), "19.0");

    // Mode 1: the whole EBF is ventilated mechanically, no natural loss.
    f.optML[0].setValue(false);
    f.optML[1].setValue(true);
    f.optML_Click(1);
    EXPECT_TRUE(f.fraML2.Enabled());
    EXPECT_FALSE(f.txtAnteilML.Enabled());
    EXPECT_EQ(Gespeichert("Qv"), Monatsarray{});
    EXPECT_EQ(f.lblEBF0nL.Caption(), "0.0");
    // V = (0.1 * 100 + 0.2 * 300) * 0.5 + 0.5 * 0.2 * 100 = 35 + 10 = 45 m³/h
    //   Hm = 45 * 0.3266 * 0.024 / 100 = 0.00352728; Qvm(Jan) = 567.3 * 0.00352728 = 2.001026
    EXPECT_NEAR(Gespeichert("Qvm")[0], 2.001026, 1e-6);

    // Mode 2 with 12.34 %: the share counts as 12.3 %.
    //   Hv = 0.00548688 * 0.877 = 0.004811994; Qv(Jan) = 567.3 * 0.004811994 = 2.729844
    f.optML[1].setValue(false);
    f.optML[2].setValue(true);
    f.txtAnteilML.setText("12,34");
    f.optML_Click(2);
    EXPECT_TRUE(f.txtAnteilML.Enabled());
    EXPECT_EQ(f.txtAnteilML.Text(), "12.3");
    EXPECT_NEAR(Gespeichert("Qv")[0], 2.729844, 1e-6);
    // 0.877 * 100 = 87.7 m²
    EXPECT_EQ(f.lblEBF0nL.Caption(), "87.7");

    // An empty, zero, negative or too large share counts as 100 %.
    for (const char* anteil : {"", "0", "-5", "150", "abc"}) {
        f.txtAnteilML.setText(anteil);
        f.txtAnteilML_LostFocus();
        EXPECT_EQ(f.txtAnteilML.Text(), "100.0") << anteil;
        EXPECT_EQ(Gespeichert("Qv"), Monatsarray{}) << anteil;
    }
    // 100 % itself stands.
    f.txtAnteilML.setText("100");
    f.txtAnteilML_LostFocus();
    EXPECT_EQ(f.txtAnteilML.Text(), "100.0");

    // Back to mode 0: the share is emptied and the unit result cleared.
    f.optML[2].setValue(false);
    f.optML[0].setValue(true);
    f.optML_Click(0);
    EXPECT_EQ(f.txtAnteilML.Text(), "");
    EXPECT_EQ(f.txtQ[0].Text(), "");
    EXPECT_EQ(Gespeichert("Qvm"), Monatsarray{});
}

TEST(Lueftung, BetriebszeitUndWaermerueckgewinnung) {
    Lüftungszone z;
    Projekt& p = Global::Projekt;
    p.ZSetNum(1, "ML");
    p.ZSetNum(0.1, "LmAVw");
    p.ZSetNum(0.5, "LmAVa");
    frmLüftung f;

    // Running all year: only the operating-time envelope rate.
    //   V = 0.1 * 100 + (1 - 0.8) * 300 = 70 m³/h; Hm = 70 * 0.3266 * 0.024 / 100 = 0.00548688
    //   Qvm(Jan) = 567.3 * 0.00548688 = 3.112707
    Lüftungszone::Gerät("", 300, 8760, 80);
    ASSERT_FALSE(f.Einlesen());
    EXPECT_NEAR(Gespeichert("Qvm")[0], 3.112707, 1e-6);

    // Full heat recovery removes the unit's own air: V = 10 m³/h
    //   Hm = 10 * 0.3266 * 0.024 / 100 = 0.00078384; Qvm(Jan) = 567.3 * 0.00078384 = 0.444672
    f.txtWRG[0].setText("100");
    f.txtWRG_LostFocus(0);
    EXPECT_NEAR(Gespeichert("Qvm")[0], 0.444672, 1e-6);

    // A unit with air but never running is an input error: no result.
    f.txtha[0].setText("0");
    f.txtha_LostFocus(0);
    EXPECT_TRUE(f.Berechnen());
    EXPECT_EQ(f.txtQ[0].Text(), "");
    // Without its air: only the rate outside the operating time.
    //   V = 0.5 * 100 = 50 m³/h; Hm = 50 * 0.3266 * 0.024 / 100 = 0.0039192
    //   Qvm(Jan) = 567.3 * 0.0039192 = 2.223362; year 3465.3 * 0.0039192 = 13.581 -> "13.6"
    f.txtLSt[0].setText("");
    f.txtLSt_LostFocus(0);
    EXPECT_NEAR(Gespeichert("Qvm")[0], 2.223362, 1e-6);
    EXPECT_EQ(Zahl(f.txtQ[0]), 13.6);

    // An empty unit row is computed as well, and stored with its result.
    for (auto* feld : {&f.txtBez, &f.txtLSt, &f.txtha, &f.txtWRG}) (*feld)[0].setText("");
    f.txtLSt_LostFocus(0);
    EXPECT_NEAR(Gespeichert("Qvm")[0], 2.223362, 1e-6);
    EXPECT_EQ(Zahl(f.txtQ[0]), 13.6);
    ASSERT_FALSE(f.Speichern());
    KollektionZeiger geräte = p.ZGetColl("Lm_");
    ASSERT_TRUE(geräte);
    ASSERT_EQ(geräte->Anzahl(), 1);
    KollektionZeiger zeile = geräte->Koll(1);
    ASSERT_TRUE(zeile);
    ASSERT_EQ(zeile->Anzahl(), 5);
    EXPECT_EQ(zeile->Text(1), "");
    EXPECT_EQ(zeile->Zahl(2), 0);
    EXPECT_EQ(zeile->Zahl(3), 0);
    EXPECT_EQ(zeile->Zahl(4), 0);
    EXPECT_EQ(zeile->Zahl(5), 13.6);
}

TEST(Lueftung, SpeichernUndLadenUeberDieProjektdatei) {
    Lüftungszone z;
    Projekt& p = Global::Projekt;
    p.ZSetNum(2, "ML");
    p.ZSetNum(25, "MLAnteil");
    Lüftungszone::Gerät("KWL", 240, 6000, 85);
    p.ZSetNum(0.15, "LmAVw");
    p.ZSetNum(0.25, "LmAVa");
    p.ZSetStr("nach Plan", "LmBem");

    frmLüftung f;
    ASSERT_FALSE(f.Einlesen());
    f.txtMLBem.setText("nach Plan 2   ");
    ASSERT_FALSE(f.Speichern());
    EXPECT_EQ(p.ZGetNum("ML"), 2);
    EXPECT_EQ(p.ZGetNum("MLAnteil"), 25);
    EXPECT_EQ(p.ZGetNum("LmAVw"), 0.15);
    EXPECT_EQ(p.ZGetNum("LmAVa"), 0.25);
    EXPECT_EQ(p.ZGetStr("LmBem"), "nach Plan 2");
    KollektionZeiger geräte = p.ZGetColl("Lm_");
    ASSERT_TRUE(geräte && geräte->Anzahl() == 1);
    KollektionZeiger zeile = geräte->Koll(1);
    ASSERT_TRUE(zeile && zeile->Anzahl() == 5);
    EXPECT_EQ(zeile->Text(1), "KWL");
    EXPECT_EQ(zeile->Zahl(2), 240);
    EXPECT_EQ(zeile->Zahl(3), 6000);
    EXPECT_EQ(zeile->Zahl(4), 85);
    EXPECT_EQ(zeile->Zahl(5), Zahl(f.txtQ[0]));
    EXPECT_GT(zeile->Zahl(5), 0);
    // The heat-load values are stored only when the dialog closes.
    f.txtEtaV.setText("0.75");
    f.txtfV.setText("0.9");
    f.txtfVBem.setText("geschätzt  ");
    ASSERT_FALSE(f.Speichern());
    EXPECT_EQ(p.PGetNum("HL_EtaV"), 0);

    // Through the project file and back.
    const fs::path datei = Testhilfe::Temppfad("zirvo_test_lueftung", ".zirvo9");
    f.cmdSchliessen_Click();
    EXPECT_FALSE(f.Geladen());
    EXPECT_EQ(p.PGetNum("HL_EtaV"), 0.75);
    EXPECT_EQ(p.PGetNum("HL_fV"), 0.9);
    EXPECT_EQ(p.PGetStr("HL_fV_Bem"), "geschätzt");
    ASSERT_EQ(p.ProjektSpeichern(datei.string()), 0);
    Global::Projekt = Projekt();
    ASSERT_EQ(Global::Projekt.ProjektEinlesen(datei.string()), 0);
    fs::remove(datei);
    Projekt& q = Global::Projekt;

    // Computed values are not in the file: the zone has no EBF yet, so it
    // cannot be loaded, and a store after that failed load must leave the
    // zone's ventilation as read.
    EXPECT_TRUE(f.Einlesen());
    EXPECT_TRUE(f.Speichern());
    ASSERT_TRUE(q.ZGetColl("Lm_"));
    EXPECT_EQ(q.CollGetColl(q.ZGetColl("Lm_"), 1)->Text(1), "KWL");
    EXPECT_EQ(q.ZGetNum("ML"), 2);
    EXPECT_EQ(q.ZGetStr("LmBem"), "nach Plan 2");

    q.ZSetNum(100, "EBF");
    q.ZSetNum(100, "EBF0");
    ASSERT_FALSE(f.Einlesen());
    EXPECT_TRUE(f.optML[2].Value());
    EXPECT_EQ(f.txtAnteilML.Text(), "25.0");
    EXPECT_EQ(f.txtBez[0].Text(), "KWL");
    EXPECT_EQ(Zahl(f.txtLSt[0]), 240);
    EXPECT_EQ(Zahl(f.txtha[0]), 6000);
    EXPECT_EQ(Zahl(f.txtWRG[0]), 85);
    EXPECT_EQ(f.txtAVEMLwB.Text(), "0.15");
    EXPECT_EQ(f.txtAVEMLaB.Text(), "0.25");
    EXPECT_EQ(f.txtMLBem.Text(), "nach Plan 2");
    EXPECT_EQ(f.txtEtaV.Text(), "0.75");
    EXPECT_EQ(f.txtfV.Text(), "0.9");
    EXPECT_EQ(f.txtfVBem.Text(), "geschätzt");

    // A second zone without units shows an empty unit row right after the
    // first; stored with mode 0 and an empty row, "Lm_" is an empty collection.
    ASSERT_EQ(q.ZoneNeu(), 0);
    Lüftungszone::ZoneFüllen();
    ASSERT_FALSE(f.Einlesen());
    EXPECT_TRUE(f.optML[0].Value());
    for (auto* feld : {&f.txtBez, &f.txtLSt, &f.txtha, &f.txtWRG, &f.txtQ}) EXPECT_EQ((*feld)[0].Text(), "");
    EXPECT_EQ(f.txtAVEMLwB.Text(), "");
    EXPECT_EQ(f.txtMLBem.Text(), "");
    ASSERT_FALSE(f.Speichern());
    ASSERT_TRUE(q.ZGetColl("Lm_"));
    EXPECT_EQ(q.ZGetColl("Lm_")->Anzahl(), 0);
    EXPECT_EQ(q.ZGetNum("ML"), 0);
    EXPECT_EQ(q.ZGetNum("MLAnteil"), 0);
}

TEST(Lueftung, ZoneOhneEBFOderKlimastationUebernimmtNichtsVonEinerAnderen) {
    Lüftungszone z;
    Projekt& p = Global::Projekt;
    p.ZSetNum(1, "ML");
    Lüftungszone::Gerät("Gerät A", 500, 8760, 70);
    p.ZSetNum(0.3, "LmAVw");
    frmLüftung f;
    ASSERT_FALSE(f.Einlesen());
    ASSERT_EQ(f.txtBez[0].Text(), "Gerät A");

    // Zone 1 has no energy reference area yet.
    ASSERT_EQ(p.ZoneNeu(), 0);
    p.ZSetNum(20, "Ti");
    p.ZSetStr("Z2", "Code");
    basZIRVOFehler::Eingabefehler = {};
    EXPECT_TRUE(f.Einlesen());
    EXPECT_EQ(Eingabefehler.Art, 1);
    EXPECT_EQ(Eingabefehler.Zone, 1);
    EXPECT_EQ(Eingabefehler.Tabelle, basZIRVOFehler::TabelleLüftung);
    EXPECT_EQ(Eingabefehler.Text, "Fehlende EBF");
    EXPECT_EQ(Eingabefehler.Steuerelement, nullptr);
    // Zone 0's inputs are gone from the fields ...
    EXPECT_EQ(f.txtBez[0].Text(), "");
    EXPECT_EQ(f.txtLSt[0].Text(), "");
    EXPECT_EQ(f.txtAVEMLwB.Text(), "");
    EXPECT_FALSE(f.optML[1].Value());
    // ... nothing is computed and nothing is stored into zone 1.
    EXPECT_FALSE(f.Berechnen());
    EXPECT_TRUE(f.Speichern());
    std::int16_t cancel = 1;
    f.Form_QueryUnload(cancel, 0);
    EXPECT_EQ(cancel, 0);
    EXPECT_FALSE(p.ZGetColl("Lm_"));
    EXPECT_EQ(p.ZGetStr("ML"), "");
    EXPECT_EQ(p.ZGetStr("Qv"), "");
    EXPECT_EQ(p.ZGetStr("Qvm"), "");
    EXPECT_EQ(p.PGetStr("HL_EtaV"), "");
    // An EBF0 of 0 alone fails the same way.
    p.ZSetNum(100, "EBF");
    EXPECT_TRUE(f.Einlesen());
    EXPECT_EQ(Eingabefehler.Text, "Fehlende EBF");

    // Without a climate station.
    p.ZSetNum(100, "EBF0");
    Global::Klimastation_MB2028.KlimastationEinlesen("");
    p.SetNZone(0);
    EXPECT_TRUE(f.Einlesen());
    EXPECT_EQ(Eingabefehler.Zone, 0);
    EXPECT_EQ(Eingabefehler.Tabelle, basZIRVOFehler::TabelleLüftung);
    EXPECT_EQ(Eingabefehler.Text, "Fehlende Klimastation");
    EXPECT_EQ(Eingabefehler.Steuerelement, nullptr);
    EXPECT_EQ(f.txtBez[0].Text(), "");
    EXPECT_TRUE(f.Speichern());
    EXPECT_EQ(p.CollGetColl(p.ZGetColl("Lm_"), 1)->Text(1), "Gerät A");
    EXPECT_EQ(p.ZGetNum("LmAVw"), 0.3);

    // Fields are stored only into the zone they were loaded from.
    Global::Klimastation_MB2028.KlimastationEinlesen("Basel -Binningen");
    ASSERT_FALSE(f.Einlesen());
    p.SetNZone(1);
    EXPECT_TRUE(f.Speichern());
    EXPECT_FALSE(p.ZGetColl("Lm_"));
    p.SetNZone(0);
    EXPECT_FALSE(f.Speichern());
    // Once the zones are reordered, the fields belong to no zone any more.
    ASSERT_EQ(p.ZoneSortieren(0, 1), 0);
    EXPECT_TRUE(f.Speichern());
    p.SetNZone(0);
    EXPECT_FALSE(p.ZGetColl("Lm_"));
}

TEST(Lueftung, NurEndlicheWerteWerdenGespeichertUndGezeigt) {
    Lüftungszone z;
    Projekt& p = Global::Projekt;
    // A vanishing EBF divides into overflow.
    p.ZSetNum(1e-300, "EBF");
    p.ZSetNum(1e10, "AVE");
    p.ZSetNum(1, "ML");
    p.ZSetNum(1e300, "LmAVa");
    frmLüftung f;
    ASSERT_FALSE(f.Einlesen());
    f.optML[1].setValue(false);
    f.optML[2].setValue(true);
    f.txtAnteilML.setText("50");
    f.optML_Click(2);
    for (const char* schlüssel : {"Qv", "Qvm"}) {
        const std::string text = p.ZGetStr(schlüssel);
        EXPECT_EQ(text.find("inf"), std::string::npos) << text;
        EXPECT_EQ(text.find("nan"), std::string::npos) << text;
        for (double x : Gespeichert(schlüssel)) EXPECT_TRUE(std::isfinite(x));
    }
    for (const Label* l : {&f.lblLwv, &f.lblQv, &f.lblEBF0nL}) {
        EXPECT_NE(l->Caption(), "");
        EXPECT_TRUE(std::isfinite(ZahlLesen(l->Caption()))) << l->Name;
        EXPECT_EQ(l->Caption().find_first_of("#?in"), std::string::npos) << l->Caption();
    }
    EXPECT_EQ(f.txtQ[0].Text().find("in"), std::string::npos);
}

TEST(Lueftung, ZellenUndTasten) {
    Lüftungszone z;
    Global::Projekt.ZSetNum(1, "ML");
    frmLüftung f;
    ASSERT_FALSE(f.Einlesen());
    std::vector<const Steuerelement*> fokus;
    f.FokusSetzen = [&](Steuerelement& e) { fokus.push_back(&e); };

    // Leaving a number cell formats it and recomputes.
    f.txtLSt[0].setText("300,4");
    f.txtha[0].setText("8760");
    f.txtLSt_LostFocus(0);
    EXPECT_EQ(f.txtLSt[0].Text(), std::string(6, ' ') + "300");
    // V = 300 m³/h; Hm = 300 * 0.3266 * 0.024 / 100 = 0.0235152; year 0.0235152 * 3465.3 = 81.487
    EXPECT_EQ(Zahl(f.txtQ[0]), 81.5);
    // Leaving a designation trims it and recomputes nothing.
    f.txtLSt[0].setText("600");
    f.txtBez[0].setText("Gerät   ");
    f.txtBez_LostFocus(0);
    EXPECT_EQ(f.txtBez[0].Text(), "Gerät");
    EXPECT_EQ(Zahl(f.txtQ[0]), 81.5);
    // Hours: 4 places, no decimals, half away from zero.
    f.txtha[0].setText("8.5");
    f.txtha_LostFocus(0);
    EXPECT_EQ(f.txtha[0].Text(), std::string(6, ' ') + "9");
    // A number too wide for its cell shows marks and counts as 0.
    f.txtWRG[0].setText("1234");
    f.txtWRG_LostFocus(0);
    EXPECT_EQ(f.txtWRG[0].Text(), "###");

    // Enter walks through the four input cells and stops at both ends.
    std::int16_t taste = 13;
    f.txtBez_KeyDown(0, taste, 0);
    EXPECT_EQ(taste, 0);
    ASSERT_EQ(fokus.size(), 1u);
    EXPECT_EQ(fokus.back(), &f.txtLSt[0]);
    taste = 13;
    f.txtha_KeyDown(0, taste, 0);
    EXPECT_EQ(fokus.back(), &f.txtWRG[0]);
    taste = 13;
    f.txtWRG_KeyDown(0, taste, 0);
    EXPECT_EQ(taste, 0);
    EXPECT_EQ(fokus.size(), 2u); // column 4 has no input cell
    taste = 13;
    f.txtBez_KeyDown(0, taste, 1);
    EXPECT_EQ(taste, 0);
    EXPECT_EQ(fokus.size(), 2u); // no row above
    taste = 13;
    f.txtha_KeyDown(0, taste, 1);
    EXPECT_EQ(fokus.back(), &f.txtLSt[0]);
    // Enter in the result cell (column 0 by its code) moves to the air flow.
    taste = 13;
    f.txtQ_KeyDown(0, taste, 0);
    EXPECT_EQ(fokus.back(), &f.txtLSt[0]);
    EXPECT_EQ(fokus.size(), 4u);
    // Arrows move only with Shift alone.
    for (std::int16_t k : {37, 38, 39, 40}) {
        taste = k;
        f.txtLSt_KeyDown(0, taste, 0);
        EXPECT_EQ(taste, k);
        taste = k;
        f.txtLSt_KeyDown(0, taste, 3);
        EXPECT_EQ(taste, k);
    }
    taste = 39;
    f.txtLSt_KeyDown(0, taste, 1);
    EXPECT_EQ(taste, 0);
    EXPECT_EQ(fokus.back(), &f.txtha[0]);
    // Tab is handled but finds no other row.
    taste = 9;
    f.txtLSt_KeyDown(0, taste, 0);
    EXPECT_EQ(taste, 0);
    EXPECT_EQ(fokus.size(), 5u);

    // Enter is swallowed as a character; other characters pass.
    std::int16_t zeichen = 13;
    f.txtWRG_KeyPress(0, zeichen);
    EXPECT_EQ(zeichen, 0);
    zeichen = 'a';
    f.txtBez_KeyPress(0, zeichen);
    EXPECT_EQ(zeichen, 'a');
}

TEST(Lueftung, DialogSchliessenSpeichertUndEntlaedt) {
    Lüftungszone z;
    Projekt& p = Global::Projekt;
    p.PSetNum(0.6, "HL_EtaV");
    p.PSetStr("WRG", "HL_EtaV_Bem");
    frmLüftung f;
    ASSERT_FALSE(f.Einlesen());
    EXPECT_TRUE(f.Geladen());
    EXPECT_EQ(f.Caption, "Lüftung");
    EXPECT_EQ(f.txtEtaVBem.Text(), "WRG");
    f.optML[0].setValue(false);
    f.optML[1].setValue(true);
    f.optML_Click(1);
    f.txtLSt[0].setText("200");
    f.txtha[0].setText("8760");
    f.cmdSchliessen_Click();
    EXPECT_FALSE(f.Geladen());
    EXPECT_FALSE(f.Visible);
    EXPECT_EQ(p.ZGetNum("ML"), 1);
    EXPECT_EQ(p.CollGetColl(p.ZGetColl("Lm_"), 1)->Zahl(2), 200);
    EXPECT_EQ(p.PGetNum("HL_EtaV"), 0.6);
    EXPECT_EQ(p.PGetStr("HL_EtaV_Bem"), "WRG");
    // The closed dialog holds no zone: a store by the main window afterwards
    // keeps what the dialog stored.
    EXPECT_TRUE(f.Speichern());
    EXPECT_EQ(p.ZGetNum("ML"), 1);
    EXPECT_EQ(p.CollGetColl(p.ZGetColl("Lm_"), 1)->Zahl(2), 200);

    // The program's own form object.
    ASSERT_FALSE(Global::frmLüftung.Einlesen());
    EXPECT_TRUE(Global::frmLüftung.optML[1].Value());
    Global::frmLüftung.cmdSchliessen_Click();
    EXPECT_FALSE(Global::frmLüftung.Geladen());
}

TEST(Lueftung, HauptfensterLaedtSpeichertUndBerechnetDieZone) {
    Testhilfe::Zonenprojekt z;
    Projekt& p = z.P;
    p.ZSetNum(1, "ML");
    Lüftungszone::Gerät("Abluft", 300, 8760, 0);
    p.ZSetNum(0.2, "LmAVa");

    // Not computed yet, the zone has no energy reference area: the main
    // window's load fails for the ventilation, and its store keeps the
    // zone's own ventilation.
    z.F.ProjektZoneEinlesen();
    EXPECT_FALSE(Global::frmLüftung.ZoneGeladen());
    z.F.ProjektZoneSpeichern();
    EXPECT_EQ(p.ZGetNum("ML"), 1);
    EXPECT_EQ(p.ZGetNum("LmAVa"), 0.2);
    ASSERT_TRUE(p.ZGetColl("Lm_"));
    EXPECT_EQ(p.CollGetColl(p.ZGetColl("Lm_"), 1)->Text(1), "Abluft");

    z.EBFSetzen(150);
    z.F.ProjektZoneEinlesen();
    ASSERT_TRUE(Global::frmLüftung.ZoneGeladen());
    EXPECT_EQ(Global::frmLüftung.txtBez[0].Text(), "Abluft");
    Global::frmLüftung.txtAVEMLaB.setText("0");
    z.F.ProjektZoneSpeichern();
    EXPECT_EQ(p.ZGetNum("LmAVa"), 0);

    // The whole zone: station Zürich (556 m), Ti 20, January 20 - 0.4 = 19.6 K * 31 d = 607.6 Kd;
    //   rhoC = (1220 - 0.14 * 556) / 3600 = 1142.16 / 3600 = 0.31726667
    //   V = 300 m³/h all year without heat recovery; Hm = 300 * 0.31726667 * 0.024 / 150 = 0.0152288
    //   Qvm(Jan) = 607.6 * 0.0152288 = 9.253019; the whole EBF is ventilated mechanically, so Qv = 0
    EXPECT_FALSE(z.F.ProjektZoneBerechnen()) << Eingabefehler.Text;
    Monatsarray Qvm{}, Qv{};
    p.ZGetArr1(Qvm, "Qvm");
    p.ZGetArr1(Qv, "Qv");
    EXPECT_NEAR(Qvm[0], 9.253019, 1e-6);
    EXPECT_EQ(Qv[0], 0);
    Global::frmLüftung.cmdSchliessen_Click();
}

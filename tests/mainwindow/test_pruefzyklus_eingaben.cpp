// The check of inputs outside what is possible: U- and g-values, b-factors,
// the ventilation and gains values, each stopped at the cell to mend.
#include "balance/frmGewinn.h"
#include "balance/frmLueftung.h"
#include "frame/basZIRVOFehler.h"
#include "tests/mainwindow/Pruefzyklustest.h"

#include <gtest/gtest.h>

#include <map>

using namespace Pruefzyklustest;

// A roof, wall, floor, window or door never has a negative U-value, nor a
// window a g-value or frame factor outside 0 to 1, whether typed into the
// row or taken from the project item: Extras > Vollständigkeit testen names
// the row and stops at the cell to mend (for an item, its number). Negative
// areas deduct, and a thermal bridge's Psi or Chi may be negative (a
// correction of areas measured outside): those pass.
TEST(Prüfzyklus, UndGWerteAusserhalbDesMöglichen) {
    Befehlsfenster w;
    auto& f = w.F;
    w.Projektangaben();
    w.z.BauteilAnlegen(2, -0.17, "Wand, Vorzeichen vertippt");
    w.z.FensterAnlegen(3, 1.0, 0.5, 0.75, "Fenster");
    w.z.FensterAnlegen(4, -1.1, 0.5, 0.75, "Fenster, U negativ");
    w.z.FensterAnlegen(5, 1.1, 1.3, 0.75, "Fenster, g zu gross");
    w.z.FensterAnlegen(6, 1.1, 0.5, 1.5, "Fenster, Rahmen zu gross");
    w.z.WärmebrückeAnlegen(7, -0.05, "Aussenecke");
    f.MenüsAktivieren();

    using Zellen = Steuerelementfeld<TextBox> frmZIRVO3801::*;
    struct Fall {
        std::int16_t tabelle;
        std::vector<std::string> zeile; // row 3 of the table
        std::string meldung;            // "" = passes
        Zellen zelle;
    };
    auto negativ = [](const std::string& wert) {
        return "Zeile 3: Der U-Wert (" + wert + ") darf nicht negativ sein.";
    };
    const Fall fälle[] = {
        {TabelleA, {"W", "Wand", "20", "", "-5", "", "S"}, negativ("-5"), &frmZIRVO3801::txtDaU},
        {TabelleA, {"D", "Dach", "20", "", "-0.17"}, negativ("-0.17"), &frmZIRVO3801::txtDaU},
        {TabelleA, {"W", "", "20", "2", "", "", "S"},
         "Zeile 3: Der U-Wert (-0.17) von Bauteil 2 darf nicht negativ sein.", &frmZIRVO3801::txtDaBt},
        {TabelleA, {"W", "Abzug Tür", "-2", "", "0.25", "", "S"}, "", nullptr},
        {TabelleA, {"l", "Aussenecke", "10", "", "-0.05"}, "", nullptr},
        {TabelleA, {"p", "Stütze", "2", "", "-0.1"}, "", nullptr},
        {TabelleA, {"l", "", "10", "7"}, "", nullptr},
        {TabelleU, {"B", "Boden", "50", "", "-0.3", "", "", "", "0.5"}, negativ("-0.3"), &frmZIRVO3801::txtDuU},
        {TabelleU, {"B", "", "50", "2", "", "", "", "", "0.5"},
         "Zeile 3: Der U-Wert (-0.17) von Bauteil 2 darf nicht negativ sein.", &frmZIRVO3801::txtDuBt},
        {TabelleU, {"W", "gegen Keller", "12", "", "0.4", "", "N", "", "", "-5"}, "", nullptr},
        {TabelleU, {"l", "Sockel", "10", "", "-0.1", "", "", "", "0.5"}, "", nullptr},
        {TabelleF, {"F", "", "2", "", "-1.1", "", "S", "", "0.5", "0.7", "-", "-"}, negativ("-1.1"),
         &frmZIRVO3801::txtFU},
        {TabelleF, {"F", "", "2", "4", "", "", "S", "", "", "", "-", "-"},
         "Zeile 3: Der U-Wert (-1.1) von Fenster 4 darf nicht negativ sein.", &frmZIRVO3801::txtFBt},
        {TabelleF, {"F", "", "2", "5", "", "", "S", "", "0.5", "", "-", "-"},
         "Zeile 3: Der g-Wert von Fenster 5 muss zwischen 0 und 1 sein.", &frmZIRVO3801::txtFBt},
        {TabelleF, {"T", "", "2", "6", "", "", "S", "", "", "0.7", "-", "-"},
         "Zeile 3: Der Abminderungsfaktor für Fensterrahmen von Fenster 6 muss zwischen 0 und 1 sein.",
         &frmZIRVO3801::txtFBt},
        {TabelleF, {"F", "", "2", "", "1.0", "", "S", "", "1.5", "0.7", "-", "-"},
         "Zeile 3: Der g-Wert (1.5) muss zwischen 0 und 1 sein.", &frmZIRVO3801::txtFg},
        {TabelleF, {"F", "", "2", "", "1.0", "", "S", "", "1", "1", "-", "-"}, "", nullptr},
        {TabelleF, {"T", "", "2", "3", "", "", "S", "", "", "", "-", "-"}, "", nullptr},
        {TabelleF, {"l", "Leibung", "5", "", "-0.02"}, "", nullptr},
    };
    for (const Fall& fall : fälle) {
        std::string zeile;
        for (const std::string& zelle : fall.zeile) zeile += zelle + "|";
        SCOPED_TRACE(zeile);
        w.z.TabellenLeeren();
        w.z.Zeile(TabelleEBF, 0, {"Geschoss", "100"});
        w.z.Zeile(TabelleA, 0, {"W", "Wand", "40", "", "0.2", "", "S"});
        w.z.Zeile(fall.tabelle, 2, fall.zeile);
        f.ProjektZoneSpeichern();
        f.sbrStatusbarText.setCaption("");
        f.mnuExtrasOK_Click();
        if (fall.meldung.empty()) {
            EXPECT_TRUE(w.Meldungen().empty());
            EXPECT_EQ(f.sbrStatusbarText.Caption(), "Projekt getestet: keine Fehler");
        } else {
            EXPECT_EQ(OhneOrt(w.Meldungen()), std::vector<std::string>{fall.meldung});
            EXPECT_EQ(Eingabefehler.Steuerelement, &(f.*fall.zelle)[2]);
            EXPECT_EQ(f.PaneTabelle[static_cast<std::size_t>(f.AktivePane)], fall.tabelle);
        }
    }
}

namespace {

// The heat load's recovery efficiency with an effectiveness.
void EtaV(Projekt& p, double EtaV, double fV = 0.9) {
    p.PSetNum(EtaV, "HL_EtaV");
    p.PSetNum(fV, "HL_fV");
}

// An extra consumer in row 2 of the gains dialog, as stored.
void Verbraucher(Projekt& p, double W, double ha, double fe) {
    auto zeilen = Kollektion::Neu();
    zeilen->Hinzufügen(Testhilfe::Zeile({std::string(), 0.0, 0.0, 0.0}));
    zeilen->Hinzufügen(Testhilfe::Zeile({std::string("Kühlschrank"), W, ha, fe}));
    p.ZSetColl(zeilen, "GE_");
}

} // namespace

// Inputs outside their physical range turn the result without a word (the
// measured zone: 200 m², wall 120 m² at 0.2, roof 100 m² at 0.15, a
// window of 30 m²): each is an input error. Extras > Vollständigkeit testen
// and the heating-demand window stop at it, name the row, the field or the
// dialog, and point at what to mend; the table's totals stay empty. Values
// at the bounds pass.
TEST(Prüfzyklus, UnmöglicheEingabenSindEingabefehler) {
    using basZIRVOFehler::TabelleGewinn;
    using basZIRVOFehler::TabelleLüftung;
    Befehlsfenster w;
    auto& f = w.F;
    auto& L = Global::frmLüftung;
    auto& G = Global::frmGewinn;
    w.Projektangaben(200);
    w.z.BauteilAnlegen(8, 0, "ohne Schichten");
    w.z.FensterAnlegen(9, 0, 0.5, 0.75, "ohne U-Wert");
    bool qhGezeigt = false;
    f.QhAnzeigen = [&] { qhGezeigt = true; };
    f.MenüsAktivieren();

    struct Fall {
        std::int16_t tabelle;             // of row 3 and of the error
        std::vector<std::string> zeile;   // row 3 of the table (none: empty)
        void (*werte)(Projekt&);          // values of the zone, or none
        std::string meldung;              // "" = passes
        Steuerelement* zelle;
    };
    const std::string fehlt = "Zeile 3: Der U-Wert fehlt.";
    const std::string ohneZeit =
        "Lüftung: Die Betriebszeit des Lüftungsgeräts fehlt: ohne Betriebszeit und ohne Aussenluft-Volumenstrom "
        "ausserhalb der Betriebszeit hat der mechanisch belüftete Teil keine Aussenluft.";
    const std::string geräteluftOhneZeit =
        "Lüftung: Die Betriebszeit des Lüftungsgeräts fehlt: ohne Betriebszeit zählt sein Luftstrom (500 m³/h) nicht.";
    auto etaV = [](const char* w) {
        return std::string("Lüftung: Der Anlagennutzungsgrad der Wärmerückgewinnung (") + w +
               ") muss mindestens 0 und kleiner als 1 sein.";
    };
    auto bu = [](const char* b, const char* w) {
        return std::string("Zeile 3: Der b-Faktor ") + b + " (" + w + ") muss zwischen 0 und 1 sein.";
    };
    const Fall fälle[] = {
        // The five measured cases.
        {TabelleU, {"B", "Boden", "100", "", "", "", "", "", "0.5"}, nullptr, fehlt, &f.txtDuU[2]},
        {TabelleF, {"F", "", "30", "", "", "", "S", "", "0.5", "0.75", "-", "-"}, nullptr, fehlt, &f.txtFU[2]},
        {TabelleU, {"B", "Boden", "100", "", "0.3", "", "", "", "-0.5"}, nullptr, bu("bG", "-0.5"), &f.txtDuBG[2]},
        {TabelleU, {"B", "Boden", "100", "", "0.3", "", "", "-1"}, nullptr, bu("bu", "-1"), &f.txtDuBu[2]},
        {TabelleU, {"B", "Boden", "100", "", "0.3", "", "", "3"}, nullptr, bu("bu", "3"), &f.txtDuBu[2]},
        // U of 0: typed, or the item's; a deduction needs its U too.
        {TabelleA, {"D", "Dach", "20", "", "0"}, nullptr, fehlt, &f.txtDaU[2]},
        {TabelleA, {"W", "Abzug", "-2", "", "", "", "S"}, nullptr, fehlt, &f.txtDaU[2]},
        {TabelleA, {"W", "", "20", "8", "", "", "S"}, nullptr, "Zeile 3: Das Bauteil Nr. 8 hat keinen U-Wert.",
         &f.txtDaBt[2]},
        {TabelleU, {"W", "", "12", "8", "", "", "N", "", "", "5"}, nullptr,
         "Zeile 3: Das Bauteil Nr. 8 hat keinen U-Wert.", &f.txtDuBt[2]},
        {TabelleF, {"T", "", "2", "9", "", "", "S", "", "", "", "-", "-"}, nullptr,
         "Zeile 3: Das Fenster Nr. 9 hat keinen U-Wert.", &f.txtFBt[2]},
        {TabelleA, {"W", "Wand", "", "", "", "", "S"}, nullptr, "", nullptr},
        {TabelleA, {"l", "Ecke", "10", "", "0"}, nullptr, "", nullptr},
        {TabelleF, {"l", "Leibung", "10"}, nullptr, "", nullptr},
        // b-factors at and beyond their bounds.
        {TabelleU, {"B", "Boden", "100", "", "0.3", "", "", "0"}, nullptr,
         "Es muss entweder ein b-Faktor (bu, bG) oder eine Raumtemperatur (resp. Zonencode) des Nachbarraums "
         "angegeben werden.",
         &f.txtDuBu[2]},
        {TabelleU, {"B", "Boden", "100", "", "0.3", "", "", "0.01"}, nullptr, "", nullptr},
        {TabelleU, {"B", "Boden", "100", "", "0.3", "", "", "1"}, nullptr, "", nullptr},
        {TabelleU, {"B", "Boden", "100", "", "0.3", "", "", "", "1"}, nullptr, "", nullptr},
        {TabelleU, {"B", "Boden", "100", "", "0.3", "", "", "", "1.01"}, nullptr, bu("bG", "1.01"), &f.txtDuBG[2]},
        {TabelleU, {"l", "Sockel", "10", "", "0.1", "", "", "-0.1"}, nullptr, bu("bu", "-0.1"), &f.txtDuBu[2]},
        // The area as a whole.
        {TabelleEBF, {"Abzug", "-250"}, nullptr, "Die Energiebezugsfläche (-50.0 m²) darf nicht negativ sein.",
         &f.txtEBFFl[2]},
        {TabelleEBF, {"Abzug", "-150"}, nullptr, "", nullptr},
        // Ventilation: the unit and the envelope's air count only with a
        // mechanical ventilation; the effectiveness always.
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 0, 8760, 100); }, "", nullptr},
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 0, 0, 0, 0, 0); },
         "Lüftung: Für den mechanisch belüfteten Teil ist weder ein Luftstrom des Lüftungsgeräts noch ein "
         "Aussenluft-Volumenstrom angegeben.",
         &L.txtLSt[0]},
        // The outside air that the unit and the envelope give the part, as
        // computed: none is an error at the input that takes it away.
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 500, 0, 0, 0, 0); }, geräteluftOhneZeit, &L.txtha[0]},
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 0, 0, 0, 0.2, 0); }, ohneZeit, &L.txtha[0]},
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 0, 0, 0, 0, 0.01); }, "", nullptr},
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 500, 1, 0, 0, 0); }, "", nullptr},
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 500, 8760, 0, 0, 0); }, "", nullptr},
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 500, 4000, 100, 0, 0); },
         "Lüftung: Mit einer Wärmerückgewinnung WRG von 100 % und ohne Aussenluft-Volumenstrom während der "
         "Betriebszeit hat der mechanisch belüftete Teil keine Aussenluft.",
         &L.txtWRG[0]},
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 500, 4000, 100, 0.01, 0); }, "", nullptr},
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 500, 8760, 99, 0, 0); }, "", nullptr},
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 0, 8760, 0, 0, 0.2); },
         "Lüftung: Mit einer Betriebszeit von 8760 h/a und ohne Luftstrom des Lüftungsgeräts oder "
         "Aussenluft-Volumenstrom während der Betriebszeit hat der mechanisch belüftete Teil keine Aussenluft.",
         &L.txtAVEMLwB},
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 0, 0, 0, 0, 0, 0); }, "", nullptr},
        {TabelleLüftung, {}, [](Projekt& p) {
             Gerät(p, 0, 0, 0, 0.2, 0, 2);
             p.ZSetNum(50, "MLAnteil");
         }, ohneZeit, &L.txtha[0]},
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 500, 8761, 80); },
         "Lüftung: Die Betriebszeit des Lüftungsgeräts (8761 h/a) muss zwischen 0 und 8760 h/a sein.", &L.txtha[0]},
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 500, -1, 80); },
         "Lüftung: Die Betriebszeit des Lüftungsgeräts (-1 h/a) muss zwischen 0 und 8760 h/a sein.", &L.txtha[0]},
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 500, 4000, 101); },
         "Lüftung: Die Wärmerückgewinnung WRG (101 %) muss zwischen 0 und 100 % sein.", &L.txtWRG[0]},
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 500, 4000, -1); },
         "Lüftung: Die Wärmerückgewinnung WRG (-1 %) muss zwischen 0 und 100 % sein.", &L.txtWRG[0]},
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, -500, 4000, 80); },
         "Lüftung: Der Luftstrom des Lüftungsgeräts (-500 m³/h) darf nicht negativ sein.", &L.txtLSt[0]},
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 500, 4000, 80, -0.2); },
         "Lüftung: Der Aussenluft-Volumenstrom während der Betriebszeit (-0.2 m³/h·m²) darf nicht negativ sein.",
         &L.txtAVEMLwB},
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 500, 4000, 80, 0.2, -0.1); },
         "Lüftung: Der Aussenluft-Volumenstrom ausserhalb der Betriebszeit (-0.1 m³/h·m²) darf nicht negativ sein.",
         &L.txtAVEMLaB},
        {TabelleLüftung, {}, [](Projekt& p) { Gerät(p, 500, 9999, 150, -1, -1, 0); }, "", nullptr},
        {TabelleLüftung, {}, [](Projekt& p) { p.PSetNum(-1, "HL_fV"); },
         "Lüftung: Die Lüftungseffektivität der mechanischen Lüftung (-1) darf nicht negativ sein.", &L.txtfV},
        // The heat load's recovery efficiency counts where an effectiveness is given.
        {TabelleLüftung, {}, [](Projekt& p) { EtaV(p, -0.01); }, etaV("-0.01"), &L.txtEtaV},
        {TabelleLüftung, {}, [](Projekt& p) { EtaV(p, 0); }, "", nullptr},
        {TabelleLüftung, {}, [](Projekt& p) { EtaV(p, 0.99); }, "", nullptr},
        {TabelleLüftung, {}, [](Projekt& p) { EtaV(p, 0.999); }, "", nullptr},
        {TabelleLüftung, {}, [](Projekt& p) { EtaV(p, 1); }, etaV("1"), &L.txtEtaV},
        {TabelleLüftung, {}, [](Projekt& p) { EtaV(p, 1.01); }, etaV("1.01"), &L.txtEtaV},
        {TabelleLüftung, {}, [](Projekt& p) { EtaV(p, 80); }, etaV("80"), &L.txtEtaV},
        {TabelleLüftung, {}, [](Projekt& p) { EtaV(p, 80, 0); }, "", nullptr},
        {TabelleLüftung, {}, [](Projekt& p) { p.ZSetNum(-0.1, "AVE"); },
         "Nutzung: Der Aussenluft-Volumenstrom pro EBF (-0.1 m³/hm²) darf nicht negativ sein.", &L.lblAVEnL},
        // Gains: the use of the zone and the extra consumers.
        {TabelleGewinn, {}, [](Projekt& p) { p.ZSetNum(-40, "PFl"); },
         "Nutzung: Die Personenfläche (-40 m²/P) darf nicht negativ sein.", &G.lblPFl},
        {TabelleGewinn, {}, [](Projekt& p) { p.ZSetNum(-70, "PWP"); },
         "Nutzung: Die Wärmeabgabe pro Person (-70 W/P) darf nicht negativ sein.", &G.lblPWP},
        {TabelleGewinn, {}, [](Projekt& p) { p.ZSetNum(24, "PPr"); }, "", nullptr},
        {TabelleGewinn, {}, [](Projekt& p) { p.ZSetNum(25, "PPr"); },
         "Nutzung: Die Präsenzzeit pro Tag (25 h/d) muss zwischen 0 und 24 h/d sein.", &G.lblPPr},
        {TabelleGewinn, {}, [](Projekt& p) {
             p.ZSetNum(0, "PFl");
             p.ZSetNum(-1, "PPr");
         }, "", nullptr},
        {TabelleGewinn, {}, [](Projekt& p) { p.ZSetNum(-80, "El"); },
         "Nutzung: Der Elektrizitätsverbrauch pro Jahr (-80 kWh/m²) darf nicht negativ sein.", &G.lblEl},
        {TabelleGewinn, {}, [](Projekt& p) { p.ZSetNum(1, "fe"); }, "", nullptr},
        {TabelleGewinn, {}, [](Projekt& p) { p.ZSetNum(1.1, "fe"); },
         "Nutzung: Der Reduktionsfaktor Elektroverbrauch (1.1) muss zwischen 0 und 1 sein.", &G.lblfe},
        {TabelleGewinn, {}, [](Projekt& p) { p.ZSetNum(-0.1, "C"); },
         "Nutzung: Die Wärmespeicherfähigkeit (-0.1 kWh/m²K) darf nicht negativ sein.", nullptr},
        {TabelleGewinn, {}, [](Projekt& p) { p.ZSetNum(0, "C"); },
         "Bitte Wärmespeicherfähigkeit in den Nutzungsangaben definieren.", nullptr},
        {TabelleGewinn, {}, [](Projekt& p) { p.ZSetNum(0.01, "C"); }, "", nullptr},
        {TabelleGewinn, {}, [](Projekt& p) { Verbraucher(p, 100, 8760, 1); }, "", nullptr},
        {TabelleGewinn, {}, [](Projekt& p) { Verbraucher(p, -100, 1000, 1); },
         "Wärmeeinträge, Zeile 2: Die Leistung (-100 W) darf nicht negativ sein.", &G.txtW[1]},
        {TabelleGewinn, {}, [](Projekt& p) { Verbraucher(p, 100, 8761, 1); },
         "Wärmeeinträge, Zeile 2: Die Betriebszeit (8761 h/a) muss zwischen 0 und 8760 h/a sein.", &G.txtha[1]},
        {TabelleGewinn, {}, [](Projekt& p) { Verbraucher(p, 100, 1000, 1.5); },
         "Wärmeeinträge, Zeile 2: Der Reduktionsfaktor fEl (1.5) muss zwischen 0 und 1 sein.", &G.txtfe[1]},
    };
    const std::map<std::int16_t, Label*> summen = {{TabelleEBF, &f.lblEBFTotAh}, {TabelleA, &f.lblDaFl},
                                                   {TabelleU, &f.lblDuFl},       {TabelleF, &f.lblFFl},
                                                   {TabelleLüftung, &L.lblQv},   {TabelleGewinn, &G.lblQug}};
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.meldung.empty() ? std::to_string(&fall - fälle) : fall.meldung);
        w.z.TabellenLeeren();
        w.z.Zeile(TabelleEBF, 0, {"Geschoss", "200"});
        w.z.Zeile(TabelleA, 0, {"W", "Wand", "120", "", "0.2", "", "S"});
        w.z.Zeile(TabelleA, 1, {"D", "Dach", "100", "", "0.15"});
        w.z.Zeile(TabelleF, 0, {"F", "Fenster", "30", "", "1.0", "", "S", "", "0.5", "0.75", "-", "-"});
        if (!fall.zeile.empty()) w.z.Zeile(fall.tabelle, 2, fall.zeile);
        f.ProjektZoneSpeichern();
        w.z.StandardnutzungSetzen(1);
        w.P.ZSetColl(nullptr, "Lm_");
        w.P.ZSetColl(nullptr, "GE_");
        w.P.PSetNum(0, "HL_fV");
        w.P.PSetNum(0, "HL_EtaV");
        if (fall.werte) fall.werte(w.P);
        f.sbrStatusbarText.setCaption("");
        f.mnuExtrasOK_Click();
        if (fall.meldung.empty()) {
            EXPECT_EQ(w.Meldungen(), std::vector<std::string>{});
            EXPECT_EQ(f.sbrStatusbarText.Caption(), "Projekt getestet: keine Fehler");
            continue;
        }
        EXPECT_EQ(OhneOrt(w.Meldungen()), std::vector<std::string>{fall.meldung});
        EXPECT_EQ(Eingabefehler.Tabelle, fall.tabelle);
        EXPECT_EQ(Eingabefehler.Steuerelement, fall.zelle);
        EXPECT_EQ(summen.at(fall.tabelle)->Caption(), "");
        EXPECT_NE(f.sbrStatusbarText.Caption(), "Projekt getestet: keine Fehler");
        qhGezeigt = false;
        f.mnuZoneQh_Click();
        EXPECT_EQ(OhneOrt(w.Meldungen()), std::vector<std::string>{fall.meldung});
        EXPECT_FALSE(qhGezeigt);
    }

    // In the dialog, an impossible value empties the results and the status
    // bar says why, until the value is mended.
    Gerät(w.P, 500, 4000, 80);
    std::vector<std::string> gesehen;
    f.LüftungAnzeigen = [&] {
        L.Visible = true;
        for (const char* wrg : {"150", "80"}) {
            L.txtWRG[0].setText(wrg);
            L.txtWRG_LostFocus(0);
            gesehen.push_back(L.lblQv.Caption() + "|" + f.sbrStatusbarText.Caption());
        }
        // The heat-load values as typed, not as the project held them.
        L.txtfV.setText("1");
        L.txtEtaV.setText("80");
        L.txtAVEMLwB_LostFocus();
        gesehen.push_back(L.lblQv.Caption() + "|" + f.sbrStatusbarText.Caption());
        L.cmdSchliessen_Click();
    };
    f.MenüsAktivieren();
    f.mnuZoneL_Click();
    ASSERT_EQ(gesehen.size(), 3u);
    EXPECT_EQ(gesehen[0], "|Lüftung: Die Wärmerückgewinnung WRG (150 %) muss zwischen 0 und 100 % sein.");
    EXPECT_NE(gesehen[1].front(), '|');
    EXPECT_EQ(gesehen[1].back(), '|');
    EXPECT_EQ(gesehen[2], "|" + etaV("80"));
    // Closing kept what was typed.
    EXPECT_EQ(w.P.PGetNum("HL_EtaV"), 80);
}

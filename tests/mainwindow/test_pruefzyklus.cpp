// The main window's compute-and-check cycle, the partition check between
// zones, the display of an input error and the place its message names,
// driven as a user drives the window.
#include "frame/basZIRVOFehler.h"
#include "tests/mainwindow/Pruefzyklustest.h"

#include <gtest/gtest.h>

#include <array>

using namespace Pruefzyklustest;
using Testhilfe::FarbMeldungen;

namespace {

const std::string KeinGegenstück = "Keine entsprechende Eingabezeile in der Nachbarzone gefunden.";
const std::string OhneOrientierung = "Die Orientierung muss bei Wandflächen angegeben werden.";

// Three zones Z1, Z2, Z3 of 100 m² each, every one with a wall to outside.
void DreiZonen(Befehlsfenster& w) {
    w.P.PSetStr("P-1", "Id");
    w.P.ZSetStr("Z1", "Code");
    w.z.ZoneHinzufügen("Z2");
    w.z.ZoneHinzufügen("Z3");
    for (std::int16_t i = 0; i < 3; ++i)
        ZoneEingeben(w, i, {{TabelleEBF, 0, {"Geschoss", "100"}}, {TabelleA, 0, {"W", "Wand", "40", "", "0.2", "", "S"}}});
}

} // namespace

TEST(Prüfzyklus, AlleZonenHaltenBeimErstenFehler) {
    Befehlsfenster w;
    auto& f = w.F;
    FarbMeldungen meldungen;
    Plattform::Dienste d = Plattform::Aktuell();
    d.meldungen = &meldungen;
    Plattform::DiensteSetzen gesetzt(d);
    DreiZonen(w);
    // The second zone has a wall without orientation in its third row.
    ZoneEingeben(w, 1, {{TabelleA, 2, {"W", "Wand Nord", "20", "", "0.3"}}});
    int verlusttabelle = 0;
    f.BauteilverlusteTabelle = [&] { ++verlusttabelle; };
    f.mnuZoneEBF_Click();
    meldungen.Beobachtet = &f.txtDaO[2];

    EXPECT_TRUE(f.AlleZonenPrüfen(true));
    ASSERT_EQ(meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(OhneOrt(meldungen.Nr(0).Text), OhneOrientierung);
    EXPECT_EQ(meldungen.Nr(0).Symbol, Plattform::Symbol::Fehler);
    // The faulty zone is current, its table A in the active pane, the cell
    // focused and tinted while the message was open, then restored.
    EXPECT_EQ(w.P.GetNZone(), 1);
    EXPECT_EQ(f.PaneTabelle[static_cast<std::size_t>(f.AktivePane)], TabelleA);
    EXPECT_EQ(f.Tabellen[TabelleA]->Fokuszelle(), &f.txtDaO[2]);
    EXPECT_EQ(meldungen.Farben, std::vector<Farbe>{FarbeFehler});
    EXPECT_EQ(f.txtDaO[2].BackColor(), FarbeFenster);
    EXPECT_EQ(f.txtDaBez[2].Text(), "Wand Nord");
    EXPECT_FALSE(f.FehlerAnzeigeFehlgeschlagen);
    // The first zone was computed and stored, the third was not touched;
    // the loss table waits for a run without errors.
    EXPECT_NE(w.P.Zone_GetStr(0, "Qh"), "");
    EXPECT_EQ(w.P.Zone_GetStr(2, "Qh"), "");
    EXPECT_EQ(verlusttabelle, 0);

    // Corrected: every zone computes, the loss table is built, the former
    // zone is current again.
    w.Tippen(f.txtDaO[2], "N");
    f.PaneSpeichern();
    w.P.SetNZone(2);
    f.ProjektZoneEinlesen();
    EXPECT_FALSE(f.AlleZonenPrüfen(true));
    EXPECT_EQ(w.P.GetNZone(), 2);
    EXPECT_EQ(verlusttabelle, 1);
    EXPECT_NE(w.P.Zone_GetStr(2, "Qh"), "");
    EXPECT_EQ(meldungen.Gezeigt.size(), 1u);
}

TEST(Prüfzyklus, Trennbauteile) {
    Befehlsfenster w;
    auto& f = w.F;
    FarbMeldungen meldungen;
    Plattform::Dienste d = Plattform::Aktuell();
    d.meldungen = &meldungen;
    Plattform::DiensteSetzen gesetzt(d);
    DreiZonen(w);
    f.MenüsAktivieren();
    // A wall between Z1 and Z2, entered in both zones: they match.
    ZoneEingeben(w, 0, {{TabelleU, 0, {"W", "gegen Z2", "20", "", "0.4", "", "N", "", "", "Z2"}}});
    ZoneEingeben(w, 1, {{TabelleU, 0, {"D", "Decke", "12", "", "0.5", "", "", "", "", "18"}},
                        {TabelleU, 1, {"W", "gegen Z1", "20", "", "0.4", "", "S", "", "", "Z1"}}});
    f.mnuExtrasOK_Click();
    EXPECT_TRUE(meldungen.Gezeigt.empty());
    EXPECT_EQ(w.P.GetNZone(), 0);

    // A ceiling of Z3 towards Z2 without a floor in Z2: Z3 is made current,
    // its U table shown and the neighbour cell of the row tinted.
    ZoneEingeben(w, 2, {{TabelleU, 0, {"D", "Decke gegen Z2", "30", "", "0.3", "", "", "", "", "Z2"}}});
    meldungen.Beobachtet = &f.txtDuTin[0];
    EXPECT_TRUE(f.AlleZonenPrüfen(false));
    ASSERT_EQ(meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(OhneOrt(meldungen.Nr(0).Text), KeinGegenstück);
    EXPECT_EQ(w.P.GetNZone(), 2);
    EXPECT_EQ(Eingabefehler.Zone, 2);
    EXPECT_EQ(Eingabefehler.Tabelle, TabelleU);
    EXPECT_EQ(f.PaneTabelle[static_cast<std::size_t>(f.AktivePane)], TabelleU);
    EXPECT_EQ(f.txtDuTin[0].Text(), "Z2");
    EXPECT_EQ(meldungen.Farben, std::vector<Farbe>{FarbeFehler});
    EXPECT_EQ(f.txtDuTin[0].BackColor(), FarbeFenster);

    // The check of the print run only answers, and keeps what the user typed
    // into the tables without storing it.
    f.txtDuBez[0].setText("getippt, nicht gespeichert");
    EXPECT_TRUE(f.ProjektZoneTrennbauteileTesten());
    EXPECT_EQ(f.txtDuBez[0].Text(), "getippt, nicht gespeichert");
    EXPECT_EQ(w.P.GetNZone(), 2);
    EXPECT_EQ(meldungen.Gezeigt.size(), 1u);
}

TEST(Prüfzyklus, FehleranzeigeOhneZelleUndOhneFokus) {
    Befehlsfenster w;
    auto& f = w.F;
    w.Projektangaben();
    f.mnuZoneA_Click();
    // An error of the ventilation data: only the message.
    Eingabefehler.Beginnen(0, basZIRVOFehler::TabelleLüftung);
    Eingabefehler.Setzen("Lüftung fehlt", nullptr);
    f.FehlerAnzeigen();
    EXPECT_EQ(w.Meldungen(), std::vector<std::string>{"Lüftung fehlt"});
    EXPECT_EQ(f.PaneTabelle[0], TabelleA);
    EXPECT_FALSE(f.FehlerAnzeigeFehlgeschlagen);

    // A cell that cannot take the focus: the message all the same, and the
    // cells' focus handlers rest until the next display.
    f.txtDaU[3].setEnabled(false);
    Eingabefehler.Beginnen(0, TabelleA);
    Eingabefehler.Setzen("U fehlt", &f.txtDaU[3]);
    f.FehlerAnzeigen();
    EXPECT_EQ(OhneOrt(w.Meldungen()), std::vector<std::string>{"U fehlt"});
    EXPECT_TRUE(f.FehlerAnzeigeFehlgeschlagen);
    EXPECT_EQ(f.txtDaU[3].BackColor(), FarbeFenster);
    f.txtDaFl[0].setText("12.345");
    w.Tippen(f.txtDaFl[0], "12.345");
    EXPECT_EQ(f.txtDaFl[0].Text(), "12.345");
    f.txtDaU[3].setEnabled(true);
    f.FehlerAnzeigen();
    EXPECT_FALSE(f.FehlerAnzeigeFehlgeschlagen);

    // Zone > Qh with a faulty row shows its error and does not open the window.
    int qh = 0;
    f.QhAnzeigen = [&] { ++qh; };
    f.MenüsAktivieren();
    w.Meldungen();
    w.Tippen(f.txtDaC[0], "W");
    w.Tippen(f.txtDaU[0], "0.3");
    f.mnuZoneQh_Click();
    EXPECT_EQ(OhneOrt(w.Meldungen()), std::vector<std::string>{OhneOrientierung});
    EXPECT_EQ(qh, 0);
    w.Tippen(f.txtDaO[0], "W");
    f.mnuZoneQh_Click();
    EXPECT_EQ(qh, 1);
    EXPECT_TRUE(w.Meldungen().empty());
}

// The messages of the check say where to look: the zone of several, the
// table and row of a faulty cell; an error of the ventilation or gains
// values moves no table and no cell. Three zones, the check started from
// row 2 of the first zone's outside-air table.
TEST(Prüfzyklus, MeldungenNennenDenOrt) {
    frmZIRVO3801& f = Global::frmZIRVO3801;
    const struct {
        std::int16_t zone;
        std::vector<Eingabe> zeilen; // typed into the zone
        double WRG;                  // of a mechanical ventilation, 0 = none
        bool nachweis;               // the system proof instead of the check
        std::string meldung;
        std::int16_t tabelle; // in the active pane afterwards (0 = none), its focus cell
        TextBox* fokus;
    } fälle[] = {
        {1, {{TabelleEBF, 1, {"Anbau {20*21+}", "", "2.5"}}}, 0, false,
         "Zone: Turnhalle [Z2]\nTabelle: Energiebezugsfläche, Zeile 2\n\nFormel:  20*21+\r\nFehler:  Syntaxfehler",
         TabelleEBF, &f.txtEBFBez[1]},
        {2, {{TabelleEBF, 0, {"Geschoss", "0"}}}, 0, false, "Zone: Verwaltung [Z3]\n\nFehlende EBF", TabelleA,
         &f.txtDaBez[1]},
        // the gate of the system proof (which refused the table too)
        {0, {{TabelleEBF, 0, {"Geschoss", "0"}}}, 0, true,
         "Zone: Klassenzimmer [Z1]\n\nBitte Energiebezugsfläche eingeben.", 0, nullptr},
        {2, {}, 120, false,
         "Zone: Verwaltung [Z3]\n\nLüftung: Die Wärmerückgewinnung WRG (120 %) muss zwischen 0 und 100 % sein.",
         TabelleA, &f.txtDaBez[1]},
        {2, {}, 100, false, "", TabelleA, &f.txtDaBez[1]},
    };
    for (const auto& c : fälle) {
        SCOPED_TRACE(c.meldung);
        Befehlsfenster w;
        f.Nachweis3801Anzeigen = [] {};
        f.MenüsAktivieren();
        DreiZonen(w);
        for (std::int16_t i = 2; i >= 0; --i) {
            w.P.SetNZone(i);
            w.P.ZSetStr(std::array{"Klassenzimmer", "Turnhalle", "Verwaltung"}[static_cast<std::size_t>(i)], "Bez");
            if (i == c.zone && c.WRG != 0) Gerät(w.P, 500, 4000, c.WRG);
        }
        ZoneEingeben(w, c.zone, c.zeilen);
        w.P.SetNZone(c.nachweis ? c.zone : 0);
        f.ProjektZoneEinlesen();
        f.mnuZoneA_Click();
        f.Tabellen[TabelleA]->TabSetTextBox(f.txtDaBez[1]);
        f.Tabellen[TabelleA]->TabSetFocus();
        w.Meldungen();
        if (c.nachweis) f.mnuNachweis3801System_Click();
        else f.mnuExtrasOK_Click();
        EXPECT_EQ(w.Meldungen(), c.meldung.empty() ? std::vector<std::string>{} : std::vector{c.meldung});
        EXPECT_EQ(f.PaneTabelle[static_cast<std::size_t>(f.AktivePane)], c.tabelle);
        // The tables' title names the zone they hold.
        if (c.tabelle != 0) {
            EXPECT_EQ(f.Tabellen[static_cast<std::size_t>(c.tabelle)]->Fokuszelle(), c.fokus);
            EXPECT_EQ(f.picTitel[0].Text().rfind(w.P.ZGetStr("Bez") + "  :  ", 0), 0u) << f.picTitel[0].Text();
        }
    }
}

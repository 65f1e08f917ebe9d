// The main road through the program, driven through the window models as a
// user drives the windows: File > New, the project data, the zone's use,
// the four envelope tables typed cell by cell, ventilation, gains, then
// Zone > Qh; Save As, Close, open again from the recent projects and compute
// once more.
//
// The project is the one-zone project of tests/projects/EinfacheZone (see
// Erzeugen.cpp for what its zone holds); every expected number comes from the
// worksheet computed by hand in tests/projects/EinfacheZone.expected, never
// from the program's output.
#include "balance/frmGewinn.h"
#include "balance/frmLueftung.h"
#include "balance/frmQh.h"
#include "frame/Dateien.h"
#include "frame/basVB6NumCvt.h"
#include "frame/frmZIRVO3801Start.h"
#include "tests/mainwindow/Befehlsfenster.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#ifndef ZIRVO_TESTDATEN
#error "ZIRVO_TESTDATEN must name the tests folder"
#endif

using Plattform::Antwort;
using Testhilfe::Befehlsfenster;

namespace {

const std::string Station = "Zürich -Kloten";

// Program-wide state the road touches beyond what the window fixture puts
// back: the three result dialogs' hooks, and the start window's progress
// count, which building the window's grids advances. Made before the
// fixture, so it is put back after the fixture has gone.
class Programmzustand {
public:
    Programmzustand()
        : lüftung_(frmLüftung::Anzeigen), gewinn_(frmGewinn::Anzeigen), qh_(frmQh::Anzeigen),
          startzähler_(Global::frmZIRVO3801Start.lblStartZähler.Caption()) {}
    ~Programmzustand() {
        frmLüftung::Anzeigen = lüftung_;
        frmGewinn::Anzeigen = gewinn_;
        frmQh::Anzeigen = qh_;
        Global::frmZIRVO3801Start.lblStartZähler.setCaption(startzähler_);
    }
    Programmzustand(const Programmzustand&) = delete;
    Programmzustand& operator=(const Programmzustand&) = delete;

private:
    std::function<void(frmLüftung&)> lüftung_;
    std::function<void(frmGewinn&)> gewinn_;
    std::function<void(frmQh&)> qh_;
    std::string startzähler_;
};

// The user enters a cell, replaces its text key by key and leaves it; the
// cell's key rules see every character.
void Eintippen(frmZIRVO3801& F, TextBox& zelle, std::string_view text) {
    F.Zelle_GotFocus(zelle);
    zelle.setText(std::string());
    for (char c : text) {
        std::int16_t k = static_cast<unsigned char>(c);
        F.Zelle_KeyPress(zelle, k);
        if (k != 0) zelle.setText(zelle.Text() + static_cast<char>(k));
    }
    F.Zelle_LostFocus(zelle);
}

// The user walks through a cell without typing (accepts what it offers).
void Durchgehen(frmZIRVO3801& F, TextBox& zelle) {
    F.Zelle_GotFocus(zelle);
    F.Zelle_LostFocus(zelle);
}

// A click on one option of a group: the toolkit clears the others.
template <class Dialog>
void Klicken(Steuerelementfeld<OptionButton>& gruppe, int i, void (Dialog::*klick)(int), Dialog& d) {
    for (int k = gruppe.LBound(); k <= gruppe.UBound(); ++k) gruppe[k].setValue(k == i);
    (d.*klick)(i);
}

double Zahl(const std::string& text) { return ZahlLesen(text); }

// What the heating-demand window showed.
struct Qh_Anzeige {
    std::string Zone, Qt, Qv, Qtot, Qi, Qs, EtaG, Qug, Qh, GebKat, JMT, Ah, Ae, AeAh;
    std::string Vorschrift, Anf, QhNw, HgNw, GrenzZiel, Nachweis;
    std::string LüftVorh, HL_fV, PhNw, PhGw, NachweisPh;
};

// The user opens Zone > Qh, reads the window and closes it with Esc.
Qh_Anzeige QhAblesen(frmZIRVO3801& F) {
    Qh_Anzeige a;
    int gezeigt = 0;
    frmQh::Anzeigen = [&](frmQh& d) {
        ++gezeigt;
        d.Form_Activate();
        a = {d.lblZone.Caption(),  d.lblQt.Caption(),     d.lblQv.Caption(),      d.lblQtot.Caption(),
             d.lblQi.Caption(),    d.lblQs.Caption(),     d.lblEtaG.Caption(),    d.lblQug.Caption(),
             d.lblQh.Caption(),    d.lblGebKat.Caption(), d.lblJMT.Caption(),     d.lblAh.Caption(),
             d.lblAe.Caption(),    d.lblAeAh.Caption(),   d.lblVorschrift.Caption(), d.lblAnf.Caption(),
             d.lblQhNw.Caption(),  d.lblHgNw.Caption(),   d.lblGrenzZiel.Caption(), d.lblNachweis.Caption(),
             d.lblLüftVorh.Caption(), d.lblHL_fV.Caption(), d.lblPhNw.Caption(),  d.lblPhGw.Caption(),
             d.lblNachweisPh.Caption()};
        EXPECT_TRUE(d.fraNachweis.Visible());
        std::int16_t esc = 27;
        d.Form_KeyPress(esc);
    };
    F.mnuZoneQh_Click();
    EXPECT_EQ(gezeigt, 1) << "Zone > Qh did not open its window";
    return a;
}

// The worksheet's figures as the window shows them (one or two decimals,
// rounded half away from zero). The line of EinfacheZone.expected each one
// comes from is named.
void WieArbeitsblatt(const Qh_Anzeige& a) {
    EXPECT_EQ(a.Zone, "Wohnen");
    EXPECT_EQ(a.Qt, "71.5");     // QtA 12 46.4256 + QtU 12 13.9277 + QtF 12 11.1421 = 71.4954
    EXPECT_EQ(a.Qv, "21.0");     // Qv 12 20.9521, Qvm 12 0
    EXPECT_EQ(a.Qtot, "92.4");   // Qt 12 92.4476
    EXPECT_EQ(a.Qi, "27.3");     // QgP 12 7.6650 + QgE 12 19.6000 = 27.265
    EXPECT_EQ(a.Qs, "34.3");     // QgS 12 34.3125
    EXPECT_EQ(a.EtaG, "0.75");   // EtaG 12 0.7480
    EXPECT_EQ(a.Qug, "46.1");    // Qug 12 46.0571
    EXPECT_EQ(a.Qh, "46.4");     // Qh 12 46.3905
    EXPECT_EQ(a.GebKat, "Wohnen MFH    [I]");
    EXPECT_EQ(a.JMT, "9.4");     // the HgNw comment line: (1 + (9.4 - 9.4)·0.06)
    EXPECT_EQ(a.Ah, "100.0");    // EBF - 100.0
    EXPECT_EQ(a.Ae, "332.0");    // Ae - 332.0
    EXPECT_EQ(a.AeAh, "3.32");   // AEBF - 3.32
    EXPECT_EQ(a.Vorschrift, "SIA 380/1:2016");
    EXPECT_EQ(a.Anf, "Neubau, Grenzwert");
    EXPECT_EQ(a.QhNw, "46.4");   // QhNw - 46.3905
    EXPECT_EQ(a.HgNw, "62.8");   // HgNw - 62.8000: (13 + 15·3.32)·1 = 62.8
    EXPECT_EQ(a.GrenzZiel, "Grenzwert");
    EXPECT_EQ(a.Nachweis, "Grenzwert erfüllt"); // 46.4 <= 62.8
    // Heat load: PhNw - 24.7783 = 28·99.565278/100 - 3.1, against PhNwGw - 20.0000.
    EXPECT_EQ(a.LüftVorh, "nein");
    EXPECT_EQ(a.HL_fV, "-");
    EXPECT_EQ(a.PhNw, "24.8");
    EXPECT_EQ(a.PhGw, "20.0");
    EXPECT_EQ(a.NachweisPh, "Grenzwert nicht erfüllt"); // 24.8 > 20.0
}

// Every value of the worksheet against what the zone holds after Zone > Qh.
// The worksheet's lines name the zone "A"; a project of one zone made in the
// use dialog has no zone code, so the code column is not compared.
void ZoneWieArbeitsblatt(const Projekt& P) {
    const std::string pfad = std::string(ZIRVO_TESTDATEN) + "/projects/EinfacheZone.expected";
    const auto inhalt = Dateien::Lesen(pfad);
    ASSERT_TRUE(inhalt) << pfad;
    int verglichen = 0;
    std::size_t anfang = 0;
    for (int nr = 1; anfang < inhalt->size(); ++nr) {
        std::size_t ende = inhalt->find('\n', anfang);
        if (ende == std::string::npos) ende = inhalt->size();
        const std::string_view zeile(inhalt->data() + anfang, ende - anfang);
        anfang = ende + 1;
        if (zeile.empty() || zeile[0] == '#') continue;

        std::vector<std::string> f;
        for (std::size_t i = 0; i < zeile.size();) {
            const std::size_t j = std::min(zeile.find_first_of(" \r", i), zeile.size());
            if (j > i) f.emplace_back(zeile.substr(i, j - i));
            i = j + 1;
        }
        ASSERT_EQ(f.size(), 4u) << pfad << ":" << nr;
        const std::string& schlüssel = f[1];
        const std::string& index = f[2];
        double erwartet = 0;
        ASSERT_EQ(std::from_chars(f[3].data(), f[3].data() + f[3].size(), erwartet).ec, std::errc())
            << pfad << ":" << nr;

        double wert = 0;
        if (index == "-") {
            wert = P.ZGetNum(schlüssel);
        } else {
            const std::size_t komma = index.find(',');
            int m = 0, c = 5; // a month alone names the total column of part-monthly values
            std::from_chars(index.data(), index.data() + (komma == std::string::npos ? index.size() : komma), m);
            if (komma != std::string::npos) std::from_chars(index.data() + komma + 1, index.data() + index.size(), c);
            ASSERT_TRUE(m >= 0 && m <= 12 && c >= 0 && c <= 5) << pfad << ":" << nr;
            if (schlüssel == "QtA" || schlüssel == "QtU" || schlüssel == "QtF") {
                Monatstabelle t{};
                P.ZGetArr2(t, schlüssel);
                wert = t[static_cast<std::size_t>(m)][static_cast<std::size_t>(c)];
            } else {
                Monatsarray a{};
                P.ZGetArr1(a, schlüssel);
                wert = a[static_cast<std::size_t>(m)];
            }
        }
        EXPECT_NEAR(wert, erwartet, 0.0005) << pfad << ":" << nr << "  " << zeile;
        ++verglichen;
    }
    EXPECT_GE(verglichen, 160); // the whole worksheet (160 values), not a part of it
}

} // namespace

TEST(Hauptweg, NeuBisHeizwärmebedarfSpeichernÖffnenGleichesErgebnis) {
    Programmzustand zustand;
    Befehlsfenster w;
    auto& F = w.F;
    Global::Projekt = Projekt();

    // The windows of the Zone menu as the main window's view installs them.
    F.LüftungAnzeigen = [] {
        if (frmLüftung::Anzeigen) frmLüftung::Anzeigen(Global::frmLüftung);
    };
    F.GewinnAnzeigen = [] {
        if (frmGewinn::Anzeigen) frmGewinn::Anzeigen(Global::frmGewinn);
    };
    F.QhAnzeigen = [] {
        if (frmQh::Anzeigen) frmQh::Anzeigen(Global::frmQh);
    };
    F.MenüsAktivieren();
    EXPECT_FALSE(F.mnuZone.Enabled());

    // --- File > New, and the project data dialog it opens ---
    int projektdialog = 0;
    frmProjekt::Anzeigen = [&](frmProjekt& d) {
        ++projektdialog;
        d.txtID.setText("G1");
        d.txtBez.setText("Einfache Zone");
        // A new building, proved ("Nachweis") against the limit value.
        Klicken(d.optArt, 0, &frmProjekt::optArt_Click, d);
        Klicken(d.optArtB, 0, &frmProjekt::optArtB_Click, d);
        // The requirement has no handler of its own.
        d.optNwGrZi[0].setValue(true);
        d.optNwGrZi[1].setValue(false);
        bool gefunden = false;
        for (int i = 0; i < d.cboKlimastation.ListCount(); ++i)
            if (d.cboKlimastation.ListEntry(i) == Station) {
                d.cboKlimastation.setListIndex(i);
                gefunden = true;
            }
        ASSERT_TRUE(gefunden) << Station;
        d.cboKlimastation_Click();
        // The station's data as the worksheet uses them: 425 m above sea
        // (air 1220 - 0.14·425), design temperature -8, annual mean 9.4.
        EXPECT_EQ(d.txtKlH.Text(), "425");
        EXPECT_EQ(Zahl(d.txtKlT.Text()), -8);
        EXPECT_EQ(d.lblATJahr.Caption(), "9.4");
        EXPECT_TRUE(d.optNord.Value());
        d.cmdOK_Click();
    };
    F.mnuDateiNeu_Click();
    EXPECT_EQ(projektdialog, 1);
    ASSERT_TRUE(Global::Projekt.Exist());
    EXPECT_EQ(Global::Projekt.Dateiname(), "");
    EXPECT_TRUE(F.mnuZoneQh.Enabled());

    // --- Projekt > Nutzung: the zone "Wohnen", category I, C = 0.1 ---
    int nutzungsdialog = 0;
    frmNutzung::Anzeigen = [&](frmNutzung& d) {
        ++nutzungsdialog;
        d.txtBez.setText("Wohnen");
        ASSERT_GT(d.cboGebKat.ListCount(), 0);
        EXPECT_EQ(d.cboGebKat.ListEntry(0), "Wohnen MFH    [I]");
        d.cboGebKat.setListIndex(0);
        d.cboGebKat_Click();
        // The category's standard use, which the worksheet takes: Ti 20,
        // 40 m² per person of 70 W for 12 h, electricity 28 kWh/m² times
        // 0.7, outside air 0.7 m³/(h m²). The boxes stay empty: standard.
        EXPECT_EQ(d.lblTi.Caption(), "20");
        EXPECT_EQ(d.lblPersFl.Caption(), "40");
        EXPECT_EQ(d.lblWPers.Caption(), "70");
        EXPECT_EQ(d.lblPZeit.Caption(), "12");
        EXPECT_EQ(d.lblEl.Caption(), "28");
        EXPECT_EQ(d.lblElRed.Caption(), "0.70");
        EXPECT_EQ(d.lblLuft.Caption(), "0.70");
        for (const TextBox* t : {&d.txtTi, &d.txtPFl, &d.txtPWP, &d.txtPPr, &d.txtEl, &d.txtfe, &d.txtAVE})
            EXPECT_EQ(t->Text(), "") << t->Name;
        d.txtRR.setText("0");
        d.txtRR_LostFocus();
        d.txtC.setText("0.1");
        d.txtC_LostFocus();
        EXPECT_EQ(d.txtC.Text(), "0.10");
        d.cmdOK_Click();
        EXPECT_FALSE(d.Geladen());
    };
    F.mnuProjektNutzung_Click();
    EXPECT_EQ(nutzungsdialog, 1);

    // --- Zone > EBF: one row of 100 m² ---
    F.mnuZoneEBF_Click();
    ASSERT_EQ(F.PaneTabelle[F.AktivePane], TabelleEBF);
    Eintippen(F, F.txtEBFBez[0], "Wohnung");
    Eintippen(F, F.txtEBFFl[0], "100");
    Eintippen(F, F.txtEBFhG[0], "2.6");
    EXPECT_EQ(Zahl(F.lblEBFTotAh.Caption()), 100.0); // EBF - 100.0

    // --- Zone > A: roof 100 m² U 0.20, north wall 120 m² U 0.25 ---
    F.mnuZoneA_Click();
    ASSERT_EQ(F.PaneTabelle[F.AktivePane], TabelleA);
    Eintippen(F, F.txtDaC[0], "d"); // raised to "D" by the code cell
    EXPECT_EQ(F.txtDaC[0].Text(), "D");
    Eintippen(F, F.txtDaBez[0], "Dach");
    Eintippen(F, F.txtDaFl[0], "100");
    Eintippen(F, F.txtDaU[0], "0.2");
    Eintippen(F, F.txtDaC[1], "W");
    Eintippen(F, F.txtDaBez[1], "Fassade");
    Eintippen(F, F.txtDaFl[1], "120");
    Eintippen(F, F.txtDaU[1], "0,25"); // typed with a comma
    Eintippen(F, F.txtDaO[1], "n");
    EXPECT_EQ(F.txtDaO[1].Text(), "N");
    // The table's totals: roof QtA 12,0 18.5702, wall QtA 12,1 27.8554.
    EXPECT_EQ(Zahl(F.lblDaFl.Caption()), 100);
    EXPECT_EQ(Zahl(F.lblDaU.Caption()), 0.2);
    EXPECT_EQ(Zahl(F.lblDaQt.Caption()), 18.6);
    EXPECT_EQ(Zahl(F.lblWaFl.Caption()), 120);
    EXPECT_EQ(Zahl(F.lblWaU.Caption()), 0.25);
    EXPECT_EQ(Zahl(F.lblWaQt.Caption()), 27.9);

    // --- Zone > U: floor to the cellar, 100 m² U 0.30, b 0.5 ---
    F.mnuZoneU_Click();
    ASSERT_EQ(F.PaneTabelle[F.AktivePane], TabelleU);
    Eintippen(F, F.txtDuC[0], "B");
    Eintippen(F, F.txtDuBez[0], "Boden gegen Keller");
    Eintippen(F, F.txtDuFl[0], "100");
    Eintippen(F, F.txtDuU[0], "0.3");
    Eintippen(F, F.txtDuBu[0], "0.5");
    // QtU 12,2 13.9277 (100·0.30·0.5 = 15 W/K).
    EXPECT_EQ(Zahl(F.lblBuFl.Caption()), 100);
    EXPECT_EQ(Zahl(F.lblBuU.Caption()), 0.3);
    EXPECT_EQ(Zahl(F.lblBuQt.Caption()), 13.9);

    // --- Zone > F: a south window 12 m², U 1.0, g 0.5, frame factor 0.75, no shading ---
    F.mnuZoneF_Click();
    ASSERT_EQ(F.PaneTabelle[F.AktivePane], TabelleF);
    Eintippen(F, F.txtFC[0], "F");
    Eintippen(F, F.txtFBez[0], "Fenster");
    Eintippen(F, F.txtFFl[0], "12");
    Eintippen(F, F.txtFU[0], "1");
    Eintippen(F, F.txtFO[0], "S");
    Eintippen(F, F.txtFg[0], "0.5");
    Durchgehen(F, F.txtFFF[0]); // a new window offers the usual frame factor
    EXPECT_EQ(Zahl(F.txtFFF[0].Text()), 0.75);
    Eintippen(F, F.txtFFS1[0], "-"); // replaces the offered horizon angle
    Eintippen(F, F.txtFFS23[0], "-");
    // QtF 12,0 11.1421 (12 W/K).
    EXPECT_EQ(Zahl(F.lblFFl.Caption()), 12);
    EXPECT_EQ(Zahl(F.lblFU.Caption()), 1);
    EXPECT_EQ(Zahl(F.lblFQt.Caption()), 11.1);
    EXPECT_TRUE(w.Meldungen().empty());

    // --- Zone > Lüftung: natural ventilation only ---
    int lüftungsdialog = 0;
    frmLüftung::Anzeigen = [&](frmLüftung& d) {
        ++lüftungsdialog;
        EXPECT_EQ(d.lblEBF0.Caption(), "100.0");
        EXPECT_EQ(d.lblAVEnL.Caption(), "0.70");
        Klicken(d.optML, 0, &frmLüftung::optML_Click, d);
        EXPECT_EQ(d.lblLwv.Caption(), "21.0"); // Qv 12 20.9521
        EXPECT_EQ(d.lblQv.Caption(), "21.0");
        d.cmdSchliessen_Click();
        EXPECT_FALSE(d.Geladen());
    };
    F.mnuZoneL_Click();
    EXPECT_EQ(lüftungsdialog, 1);

    // --- Zone > Gewinne: the standard use's gains, no extra consumers ---
    int gewinndialog = 0;
    frmGewinn::Anzeigen = [&](frmGewinn& d) {
        ++gewinndialog;
        EXPECT_EQ(d.lblQgS.Caption(), "34.3"); // QgS 12 34.3125
        EXPECT_EQ(d.lblQgP.Caption(), "7.7");  // QgP 12 7.6650
        EXPECT_EQ(d.lblQgE.Caption(), "19.6"); // QgE 12 19.6000
        EXPECT_EQ(d.lblQug.Caption(), "46.1"); // Qug 12 46.0571
        EXPECT_EQ(d.lblEtaG.Caption(), "0.75"); // EtaG 12 0.7480
        d.cmdSchliessen_Click();
        EXPECT_FALSE(d.Geladen());
    };
    F.mnuZoneG_Click();
    EXPECT_EQ(gewinndialog, 1);

    // --- Zone > Qh ---
    WieArbeitsblatt(QhAblesen(F));
    ZoneWieArbeitsblatt(Global::Projekt);
    EXPECT_TRUE(w.Meldungen().empty());

    // --- File > Save As into the test folder ---
    const std::string datei = w.Pfad("EinfacheZone.zirvo9");
    w.D.Antworten.push_back(datei);
    F.mnuDateiSpeichernUnter_Click();
    EXPECT_TRUE(w.Meldungen().empty());
    ASSERT_TRUE(Dateien::Vorhanden(datei));
    EXPECT_EQ(Global::Projekt.Dateiname(), datei);
    EXPECT_EQ(F.Caption, "EinfacheZone - " + basZIRVO3801::ProgrammTitel);

    // --- File > Close: nothing changed since, the question answered No ---
    w.M.Antworten.push_back(Antwort::Nein);
    F.mnuDateiSchliessen_Click();
    EXPECT_EQ(w.Meldungen(), std::vector<std::string>{"Soll das aktuelle Projekt gespeichert werden?"});
    EXPECT_FALSE(Global::Projekt.Exist());

    // --- the recent entry opens it again; the project dialog shows it and is cancelled ---
    frmProjekt::Anzeigen = [&](frmProjekt& d) {
        ++projektdialog;
        EXPECT_EQ(d.txtID.Text(), "G1");
        EXPECT_EQ(d.txtBez.Text(), "Einfache Zone");
        ASSERT_GE(d.cboKlimastation.ListIndex(), 0);
        EXPECT_EQ(d.cboKlimastation.ListEntry(d.cboKlimastation.ListIndex()), Station);
        EXPECT_TRUE(d.optArt[0].Value());
        EXPECT_TRUE(d.optArtB[0].Value());
        EXPECT_TRUE(d.optNwGrZi[0].Value());
        d.cmdAbbrechen_Click();
    };
    ASSERT_TRUE(F.mnuDateiLetzte[0].Visible());
    EXPECT_EQ(F.mnuDateiLetzte[0].Caption(), "&1  " + datei);
    F.mnuDateiLetzte_Click(0);
    EXPECT_EQ(projektdialog, 2);
    ASSERT_TRUE(Global::Projekt.Exist());
    EXPECT_EQ(Global::Projekt.Dateiname(), datei);
    EXPECT_TRUE(w.Meldungen().empty());

    // The envelope typed before is back in its cells.
    F.mnuZoneF_Click();
    EXPECT_EQ(F.txtFC[0].Text(), "F");
    EXPECT_EQ(F.txtFO[0].Text(), "S");
    EXPECT_EQ(Zahl(F.txtFg[0].Text()), 0.5);
    EXPECT_EQ(Zahl(F.txtFFF[0].Text()), 0.75);
    EXPECT_EQ(F.txtFFS1[0].Text(), "-");

    // --- Zone > Qh once more: the same result ---
    WieArbeitsblatt(QhAblesen(F));
    ZoneWieArbeitsblatt(Global::Projekt);
    EXPECT_TRUE(w.Meldungen().empty());
    EXPECT_EQ(w.M.UngeplanteFragen, 0);
}

// The main window's compute-and-check cycle, the partition check between
// zones, row insert and delete, the cell input rules and the monthly losses
// of one row, driven as a user drives the window.
#include "balance/Gebaeudehuelle.h"
#include "balance/frmGewinn.h"
#include "balance/frmLueftung.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_HiRi.h"
#include "tests/mainwindow/Befehlsfenster.h"
#include "tests/support/Projektbeschreibung.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

using Testhilfe::Befehlsfenster;
using Testhilfe::FarbMeldungen;

namespace {

const std::string KeinGegenstück = "Keine entsprechende Eingabezeile in der Nachbarzone gefunden.";
const std::string OhneOrientierung = "Die Orientierung muss bei Wandflächen angegeben werden.";

// A message without the lines above it that say where the input is (zone,
// table and row: checked by their own test).
std::string OhneOrt(const std::string& text) {
    const std::size_t ende = text.find("\n\n");
    if (ende == std::string::npos) return text;
    for (std::size_t a = 0; a < ende; a = text.find('\n', a) + 1)
        if (text.compare(a, 6, "Zone: ") != 0 && text.compare(a, 9, "Tabelle: ") != 0) return text;
    return text.substr(ende + 2);
}
std::vector<std::string> OhneOrt(std::vector<std::string> texte) {
    for (std::string& t : texte) t = OhneOrt(t);
    return texte;
}

// The rows of a zone, typed into its tables as the user does and stored:
// table number, row, texts in column order.
struct Eingabe {
    std::int16_t Tabelle;
    int Zeile;
    std::vector<std::string> Texte;
};

void ZoneEingeben(Befehlsfenster& w, std::int16_t zone, const std::vector<Eingabe>& zeilen) {
    const std::int16_t bisher = w.P.GetNZone();
    w.P.SetNZone(zone);
    w.F.ProjektZoneEinlesen();
    for (const Eingabe& e : zeilen) w.z.Zeile(e.Tabelle, e.Zeile, e.Texte);
    w.F.ProjektZoneSpeichern();
    w.P.SetNZone(bisher);
    w.F.ProjektZoneEinlesen();
}

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

TEST(Zeilen, EinfügenUndLöschen) {
    Befehlsfenster w;
    auto& f = w.F;
    w.Projektangaben();
    f.mnuZoneA_Click();
    for (int r = 0; r < 3; ++r) w.z.Zeile(TabelleA, r, {"W", "Wand " + std::to_string(r), std::to_string(10 + r)});

    // No active cell: nothing happens.
    f.mnuBearbZeileEinfügen_Click();
    EXPECT_EQ(f.txtDaBez[0].Text(), "Wand 0");

    // Insert at row 1: rows 1 and 2 move down, row 1 is empty.
    f.Zelle_GotFocus(f.txtDaBez[1]);
    f.mnuBearbZeileEinfügen_Click();
    EXPECT_EQ(f.txtDaBez[1].Text(), "");
    EXPECT_EQ(f.txtDaFl[1].Text(), "");
    EXPECT_EQ(f.txtDaBez[2].Text(), "Wand 1");
    EXPECT_EQ(f.txtDaBez[3].Text(), "Wand 2");
    EXPECT_EQ(f.txtDaFl[3].Text(), "12");
    // Delete it again.
    f.mnuBearbZeileLöschen_Click();
    EXPECT_EQ(f.txtDaBez[1].Text(), "Wand 1");
    EXPECT_EQ(f.txtDaBez[2].Text(), "Wand 2");
    EXPECT_EQ(f.txtDaBez[3].Text(), "");

    // A full table refuses the insert; blanks alone do not fill the last row.
    f.txtDaBez[49].setText("   ");
    f.mnuBearbZeileEinfügen_Click();
    EXPECT_EQ(f.txtDaBez[2].Text(), "Wand 1");
    f.txtDaBez[49].setText("letzte");
    f.mnuBearbZeileEinfügen_Click();
    EXPECT_EQ(f.txtDaBez[1].Text(), "");
    f.mnuBearbZeileLöschen_Click();
    EXPECT_EQ(f.txtDaBez[1].Text(), "Wand 1");
    EXPECT_EQ(f.txtDaBez[48].Text(), "letzte");
    EXPECT_EQ(f.txtDaBez[49].Text(), "");

    // Delete in row 0 moves everything up; delete in the last row clears it.
    f.Zelle_GotFocus(f.txtDaC[0]);
    f.mnuBearbZeileLöschen_Click();
    EXPECT_EQ(f.txtDaBez[0].Text(), "Wand 1");
    EXPECT_EQ(f.txtDaC[0].Text(), "W");
    EXPECT_EQ(f.txtDaBez[47].Text(), "letzte");
    f.txtDaBez[49].setText("ganz unten");
    f.Zelle_GotFocus(f.txtDaBez[49]);
    f.mnuBearbZeileLöschen_Click();
    EXPECT_EQ(f.txtDaBez[49].Text(), "");
    EXPECT_EQ(f.txtDaBez[47].Text(), "letzte");

    // The EBF table's computed column moves with its row.
    f.mnuZoneEBF_Click();
    EXPECT_EQ(ZahlLesen(f.txtEBFAh[0].Text()), 100);
    f.Zelle_GotFocus(f.txtEBFBez[0]);
    f.mnuBearbZeileEinfügen_Click();
    EXPECT_EQ(f.txtEBFAh[0].Text(), "");
    EXPECT_EQ(ZahlLesen(f.txtEBFAh[1].Text()), 100);

    // Leaving the cell lets the focus go elsewhere: nothing happens then.
    f.Zelle_LostFocus(f.txtEBFBez[0]);
    f.mnuBearbZeileLöschen_Click();
    EXPECT_EQ(ZahlLesen(f.txtEBFAh[1].Text()), 100);
}

TEST(Zellregeln, CodesHeizungOrientierung) {
    Befehlsfenster w;
    auto& f = w.F;
    w.Projektangaben();
    f.mnuZoneA_Click();

    // Codes: capitals of the table, thermal bridges small, nothing else.
    TextBox& c = f.txtDaC[0];
    EXPECT_EQ(w.Taste(c, 'w'), "W");
    EXPECT_EQ(w.Taste(c, 'x'), "W");
    EXPECT_EQ(w.Taste(c, '5'), "W");
    EXPECT_EQ(w.Taste(c, '\r'), "W");
    EXPECT_EQ(w.Taste(c, 'L'), "Wl");
    EXPECT_EQ(w.Taste(c, 'p'), "Wlp");
    EXPECT_EQ(w.Taste(c, '\b'), "Wl");
    c.setText("");
    EXPECT_EQ(w.Taste(f.txtFC[0], 'd'), "");
    EXPECT_EQ(w.Taste(f.txtFC[0], 't'), "T");
    EXPECT_EQ(w.Taste(f.txtDuC[0], 'b'), "B");

    // A new floor row in a zone with component heating gets its mark.
    w.P.ZSetNum(35, "VTHB");
    c.setText("B");
    f.Zelle_LostFocus(c);
    EXPECT_EQ(f.txtDaH[0].Text(), "*");
    f.txtDuC[1].setText("B");
    f.txtDuBez[1].setText("Boden");
    f.Zelle_LostFocus(f.txtDuC[1]);
    EXPECT_EQ(f.txtDuH[1].Text(), "");
    f.Zelle_LostFocus(f.txtDuC[0]);
    EXPECT_EQ(f.txtDuH[0].Text(), "*");
    w.P.ZSetNum(0, "VTHB");
    f.txtDaC[2].setText("B");
    f.Zelle_LostFocus(f.txtDaC[2]);
    EXPECT_EQ(f.txtDaH[2].Text(), "");

    // Orientations under a north rotated to NNE.
    basZIRVO_HiRi::NordAktuell = "NNE";
    TextBox& o = f.txtDaO[3];
    f.Zelle_GotFocus(o);
    for (char k : std::string("ene")) w.Taste(o, k);
    EXPECT_EQ(o.Text(), "ENE");
    f.Zelle_LostFocus(o);
    EXPECT_EQ(o.Text(), "NE");
    EXPECT_EQ(o.ToolTipText(), "ENE");
    basZIRVO_HiRi::NordAktuell = "";
    o.setText("ENE");
    f.Zelle_LostFocus(o);
    EXPECT_EQ(o.Text(), "ENE");
    EXPECT_EQ(o.ToolTipText(), "");
    EXPECT_EQ(w.Taste(f.txtDuTin[0], 'z'), "Z");
}

TEST(Zellregeln, FensterUndBildlauf) {
    Befehlsfenster w;
    auto& f = w.F;
    w.Projektangaben();
    f.mnuZoneF_Click();

    // Frame factor: a window gets 0.75, a door nothing, a value stays.
    f.txtFC[0].setText("F");
    f.Zelle_GotFocus(f.txtFFF[0]);
    EXPECT_EQ(f.txtFFF[0].Text(), "0.75");
    f.txtFC[1].setText("T");
    f.Zelle_GotFocus(f.txtFFF[1]);
    EXPECT_EQ(f.txtFFF[1].Text(), "");
    f.txtFC[2].setText("F");
    f.txtFFF[2].setText("0.6");
    f.Zelle_GotFocus(f.txtFFF[2]);
    EXPECT_EQ(f.txtFFF[2].Text(), "0.6");

    // Horizon angle: 30 for a window with orientation, then checked on leaving.
    f.Zelle_GotFocus(f.txtFFS1[0]);
    EXPECT_EQ(f.txtFFS1[0].Text(), "");
    f.txtFO[0].setText("S");
    f.Zelle_GotFocus(f.txtFFS1[0]);
    EXPECT_EQ(f.txtFFS1[0].Text(), "30");
    const std::vector<std::pair<std::string, std::string>> fs1 = {
        {"45.6", "46"}, {"45,4", "45"}, {"89", "89"}, {"90", ""}, {"-5", ""}, {"-", "-"}, {"0", "0"}, {"", ""}};
    for (const auto& [ein, aus] : fs1) {
        f.txtFFS1[0].setText(ein);
        f.Zelle_LostFocus(f.txtFFS1[0]);
        EXPECT_EQ(f.txtFFS1[0].Text(), aus) << ein;
    }

    // Overhang and fin angles.
    const std::vector<std::pair<std::string, std::string>> fs23 = {
        {"30", "30"},       {"30,20", "30,20,20"}, {"30, 95 ,10", "30,0,10"}, {"0,45", "0,45,45"},
        {"1,2,3,4", "1,2,3"}, {"-", "-"},          {"", ""},                  {"x,,", "0"}};
    for (const auto& [ein, aus] : fs23) {
        f.txtFFS23[0].setText(ein);
        f.Zelle_LostFocus(f.txtFFS23[0]);
        EXPECT_EQ(f.txtFFS23[0].Text(), aus) << ein;
    }

    // Dragging the U table's scroll bar scrolls only the U table.
    f.sbrDuVScroll.setMax(40);
    f.sbrDuVScroll.setValue(7);
    f.sbrDuVScroll_Scroll();
    EXPECT_EQ(f.Tabellen[TabelleU]->ZeilenErste, 7);
    EXPECT_EQ(f.Tabellen[TabelleA]->ZeilenErste, 0);
    EXPECT_EQ(f.Tabellen[TabelleF]->ZeilenErste, 0);
}

TEST(Zeilen, EnergienEinerZeile) {
    Befehlsfenster w;
    auto& f = w.F;
    w.Projektangaben();
    w.P.ZSetStr("Z1", "Code");
    w.P.ZSetStr("Haus", "Bez");
    ZoneEingeben(w, 0,
                 {{TabelleA, 0, {"W", "Wand Süd", "40", "", "0.2", "", "S"}},
                  {TabelleF, 0, {"F", "Fenster Süd", "6", "", "1", "", "S", "", "0.5", "0.7", "-", "-"}}});
    ASSERT_FALSE(f.ProjektZoneBerechnen()) << Eingabefehler.Text;

    // Without Ctrl the double click shows nothing.
    f.Zelle_DblClick(f.txtDaC[0]);
    EXPECT_TRUE(w.Meldungen().empty());

    Monatsarray verlust{}, gewinn{};
    auto zwei = [](double x) {
        std::string s = basVB6NumCvt::FestkommaText(x, 2);
        return s;
    };
    const std::string kopf = "Energien in den Monaten pro Zeile:\r\n\r\nZ1  [0]  Haus\r\n";

    w.U.Strg = true;
    f.Zelle_DblClick(f.txtDaC[0]);
    ASSERT_TRUE(Gebäudehülle::Instanz().FürTest__QMt(0, 1, 0, verlust, gewinn));
    std::string text = kopf + "Gegen Aussen, Zeile 1\r\n\r\nWand Süd      40.0 [m2]\r\n";
    double summe = 0;
    for (int m = 0; m < 12; ++m) {
        const double v = verlust[static_cast<std::size_t>(m)] * 0.0036;
        text += std::to_string(m + 1) + "\t" + zwei(v) + " GJ\r\n";
        summe += v;
    }
    text += "\r\nJahr\t" + zwei(summe) + " GJ";
    EXPECT_EQ(w.Meldungen(), std::vector<std::string>{text});
    EXPECT_EQ(w.M.Zuletzt().Symbol, Plattform::Symbol::Keins);
    // January by hand: (20 - 0.4) K * 31 d * 0.2 W/m²K * 40 m² * 24 h = 116.66 kWh = 0.42 GJ.
    EXPECT_NE(text.find("\r\n1\t0.42 GJ\r\n2\t"), std::string::npos);

    // A window row: its gains as the computation stored them (already the
    // utilised part), summed over all twelve months.
    f.Zelle_DblClick(f.txtFC[0]);
    ASSERT_TRUE(Gebäudehülle::Instanz().FürTest__QMt(0, 3, 0, verlust, gewinn));
    text = kopf + "Fenster, Zeile 1\r\n\r\nFenster Süd      6.0 [m2]\r\n";
    double sv = 0, sg = 0;
    for (int m = 0; m < 12; ++m) {
        const double v = verlust[static_cast<std::size_t>(m)] * 0.0036;
        const double g = gewinn[static_cast<std::size_t>(m)] * 0.0036;
        text += std::to_string(m + 1) + "\t" + zwei(v) + " GJ\t" + zwei(g) + " GJ\r\n";
        sv += v;
        sg += g;
    }
    text += "\r\nJahr\t" + zwei(sv) + " GJ\t" + zwei(sg) + " GJ";
    EXPECT_EQ(w.Meldungen(), std::vector<std::string>{text});
    EXPECT_GT(sg, 0.1);

    // A row the computation never saw: only the head.
    f.Zelle_DblClick(f.txtDuC[4]);
    EXPECT_EQ(w.Meldungen(),
              std::vector<std::string>{kopf + "Gegen Unbeheizt, Zeile 5\r\n\r\n       [m2]\r\n"});
}

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

// A mechanical ventilation of the whole EBF with one unit, as stored.
void Gerät(Projekt& p, double LSt, double ha, double WRG, double AVw = 0.2, double AVa = 0.1, double ml = 1) {
    auto geräte = Kollektion::Neu();
    geräte->Hinzufügen(Testhilfe::Zeile({std::string("Gerät"), LSt, ha, WRG, 0.0}));
    p.ZSetColl(geräte, "Lm_");
    p.ZSetNum(ml, "ML");
    p.ZSetNum(AVw, "LmAVw");
    p.ZSetNum(AVa, "LmAVa");
}

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

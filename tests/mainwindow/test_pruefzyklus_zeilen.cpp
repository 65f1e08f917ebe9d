// The main window's rows and cells: row insert and delete, the cell input
// rules and the monthly losses of one row, driven as a user drives the window.
#include "balance/Gebaeudehuelle.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_HiRi.h"
#include "tests/mainwindow/Pruefzyklustest.h"

#include <gtest/gtest.h>

using namespace Pruefzyklustest;

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

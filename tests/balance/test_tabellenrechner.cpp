#include "balance/frmTabellenRechner.h"

#include "frame/Plattform.h"
#include "frame/cVB6_NumCvt.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using StrgUmgebung = Testhilfe::SkriptUmgebung;

class Tabellenrechner : public ::testing::Test {
protected:
    Testhilfe::Testumgebung umgebung;
    frmTabellenRechner f;

    void SetUp() override {
        zahlen_ = cVB6_NumCvt::Instanz();
        cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "xx-XX", ",", "'", ".", "'"));
        f.Form_Load();
    }
    void TearDown() override { cVB6_NumCvt::InstanzSetzen(zahlen_); }

    static int Eintrag(const ComboBox& liste, const std::string& text) {
        for (int i = 0; i < liste.ListCount(); ++i)
            if (liste.ListEntry(i) == text) return i;
        return -1;
    }

private:
    cVB6_NumCvt zahlen_;
};

} // namespace

TEST_F(Tabellenrechner, Laden) {
    frmTabellenRechner neu;
    EXPECT_EQ(neu.lblBGW.Caption(), "0.0"); // the design text until the window loads
    EXPECT_EQ(f.Caption, "ZIRVO 380/1  Tabellen-Rechner");
    for (Label* l : {&f.lblBU, &f.lblBGW, &f.lblBGF, &f.lblFS1, &f.lblFS23}) EXPECT_EQ(l->Caption(), "");
    ASSERT_EQ(f.cboListeBU.ListCount(), 5);
    EXPECT_EQ(f.cboListeBU.ListEntry(0), "Estrichraum, Schrägdach");
    EXPECT_EQ(f.cboListeBU.ListEntry(4), "Glasvorbau");
    EXPECT_EQ(f.cboListeBU.ListIndex(), -1);
    for (const ComboBox* c : {&f.cboOriFS1, &f.cboOriFS23}) {
        ASSERT_EQ(c->ListCount(), 17);
        EXPECT_EQ(c->ListEntry(0), "S");
        EXPECT_EQ(c->ListEntry(7), "SW");
        EXPECT_EQ(c->ListEntry(8), "");
        EXPECT_EQ(c->ListEntry(9), "SSW (S)");
        EXPECT_EQ(c->ListEntry(16), "WSW (SW)");
        EXPECT_EQ(c->ListIndex(), -1);
    }
    // Loading twice does not double the lists.
    f.Form_Load();
    EXPECT_EQ(f.cboOriFS1.ListCount(), 17);
    EXPECT_EQ(f.cboListeBU.ListCount(), 5);
}

TEST_F(Tabellenrechner, Bu) {
    // No room type: no value, ticked or not.
    f.chkListeBU_g.setValue(1);
    f.chkListeBU_g_Click();
    EXPECT_EQ(f.lblBU.Caption(), "");
    f.chkListeBU_g.setValue(0);
    f.chkListeBU_g_Click();
    EXPECT_EQ(f.lblBU.Caption(), "");

    const char* offen[] = {"0,90", "0,70", "0,80", "0,80", "0,90"};
    const char* gedämmt[] = {"0,70", "0,50", "0,70", "0,70", ""};
    for (int i = 0; i < 5; ++i) {
        f.cboListeBU.setListIndex(i);
        f.chkListeBU_g.setValue(0);
        f.cboListeBU_Click();
        EXPECT_EQ(f.lblBU.Caption(), offen[i]) << i;
        f.chkListeBU_g.setValue(1);
        f.chkListeBU_g_Click();
        EXPECT_EQ(f.lblBU.Caption(), gedämmt[i]) << i;
    }
    // The user's decimal point.
    cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "xx-XX", ".", "'", ".", "'"));
    f.chkListeBU_g.setValue(0);
    f.chkListeBU_g_Click();
    EXPECT_EQ(f.lblBU.Caption(), "0.90");
}

TEST_F(Tabellenrechner, BgWandUndBoden) {
    // Wall, depth 1 m, U 0.4: the table value .83.
    f.txtBGTW.setText("1");
    f.txtBGTW_Change();
    EXPECT_EQ(f.lblBGW.Caption(), ""); // U 0 lies outside the table
    f.txtBGUW.setText("0,4");
    f.txtBGUW_Change();
    EXPECT_EQ(f.lblBGW.Caption(), "0,83");
    EXPECT_EQ(f.lblBGW.ToolTipText(), "0,830");
    // Depth 0.1, U 0.25: U .2 gives 1 - .2*.08 = .984, U .4 gives 1 - .2*.12 = .976;
    // a quarter of the way: .984 - .002 = .982.
    f.txtBGTW.setText("0.1");
    f.txtBGUW.setText("0,25");
    f.txtBGUW_Change();
    EXPECT_EQ(f.lblBGW.Caption(), "0,98");
    EXPECT_EQ(f.lblBGW.ToolTipText(), "0,982");
    // Depth 2.5, U 0.2: .82 + .5*(.77 - .82) = .795, rounded half up to .80.
    f.txtBGTW.setText("2,5");
    f.txtBGUW.setText("0.2");
    f.txtBGTW_Change();
    EXPECT_EQ(f.lblBGW.Caption(), "0,80");
    EXPECT_EQ(f.lblBGW.ToolTipText(), "0,795");
    // Out of the table, or text that is no number: empty, tool tip too.
    f.txtBGUW.setText("1,5");
    f.txtBGUW_Change();
    EXPECT_EQ(f.lblBGW.Caption(), "");
    EXPECT_EQ(f.lblBGW.ToolTipText(), "");
    // A text that is no number gives no value, not the value of its leading
    // digits: "0,4x" is not U 0.4, "abc" not 0.
    f.txtBGUW.setText("0,4");
    f.txtBGTW.setText("1");
    f.txtBGUW_Change();
    EXPECT_EQ(f.lblBGW.Caption(), "0,83");
    f.txtBGUW.setText("0,4x");
    f.txtBGUW_Change();
    EXPECT_EQ(f.lblBGW.Caption(), "");
    f.txtBGUW.setText("0,4");
    f.txtBGTW.setText("1,0,0");
    f.txtBGTW_Change();
    EXPECT_EQ(f.lblBGW.Caption(), "");
    f.txtBGTW.setText(" +1.0 ");
    f.txtBGTW_Change();
    EXPECT_EQ(f.lblBGW.Caption(), "0,83");

    // Floor, depth 0, U 0.2, area 50, perimeter 10 (B = 5): .67.
    f.txtBGTF.setText("0");
    f.txtBGUF.setText("0,2");
    f.txtBGAFG.setText("50");
    f.txtBGTF_Change();
    EXPECT_EQ(f.lblBGF.Caption(), ""); // no perimeter yet
    f.txtBGPFG.setText("10");
    f.txtBGPFG_Change();
    EXPECT_EQ(f.lblBGF.Caption(), "0,67");
    EXPECT_EQ(f.lblBGF.ToolTipText(), "0,670");
    // B = 35/10 = 3.5 between 2 (.82) and 5 (.67): .82 - 1.5/3*.15 = .745.
    f.txtBGAFG.setText("35");
    f.txtBGAFG_Change();
    EXPECT_EQ(f.lblBGF.Caption(), "0,75");
    EXPECT_EQ(f.lblBGF.ToolTipText(), "0,745");
    // B = 1.5 lies outside the table.
    f.txtBGAFG.setText("15");
    f.txtBGAFG_Change();
    EXPECT_EQ(f.lblBGF.Caption(), "");
    f.txtBGAFG.setText("35");
    f.txtBGUF.setText("");
    f.txtBGUF_Change();
    EXPECT_EQ(f.lblBGF.Caption(), "");
    // The wall's result is not touched by the floor.
    EXPECT_EQ(f.lblBGW.Caption(), "0,83");
    f.txtBGUF.setText("0,2");
    f.txtBGUF_Change();
    EXPECT_EQ(f.lblBGW.Caption(), "0,83");
}

TEST_F(Tabellenrechner, Fs1) {
    // Orientation without an angle: nothing; angle 0: 1.
    f.cboOriFS1.setListIndex(Eintrag(f.cboOriFS1, "S"));
    f.cboOriFS1_Click();
    EXPECT_EQ(f.lblFS1.Caption(), "");
    f.txtFS1Alpha.setText("  ");
    f.txtFS1Alpha_Change();
    EXPECT_EQ(f.lblFS1.Caption(), "");
    f.txtFS1Alpha.setText("abc"); // no angle: not "no horizon"
    f.txtFS1Alpha_Change();
    EXPECT_EQ(f.lblFS1.Caption(), "");
    f.txtFS1Alpha.setText("0");
    f.txtFS1Alpha_Change();
    EXPECT_EQ(f.lblFS1.Caption(), "1,00");
    EXPECT_EQ(f.lblFS1.ToolTipText(), "1,000");
    // South, 25 degrees: .82 + .5*(.59 - .82) = .705.
    f.txtFS1Alpha.setText(" 25 ");
    f.txtFS1Alpha_Change();
    EXPECT_EQ(f.lblFS1.Caption(), "0,71");
    EXPECT_EQ(f.lblFS1.ToolTipText(), "0,705");
    // "SSW (S)", 10 degrees: S .96 and SW (.96 + .94)/2 = .95, halfway .955.
    f.txtFS1Alpha.setText("10");
    f.cboOriFS1.setListIndex(Eintrag(f.cboOriFS1, "SSW (S)"));
    f.cboOriFS1_Click();
    EXPECT_EQ(f.lblFS1.Caption(), "0,96");
    EXPECT_EQ(f.lblFS1.ToolTipText(), "0,955");
    // North, 70 degrees and beyond: .78.
    f.cboOriFS1.setListIndex(Eintrag(f.cboOriFS1, "N"));
    f.txtFS1Alpha.setText("80");
    f.txtFS1Alpha_Change();
    EXPECT_EQ(f.lblFS1.Caption(), "0,78");
    // The empty entry: nothing.
    f.cboOriFS1.setListIndex(8);
    f.cboOriFS1_Click();
    EXPECT_EQ(f.lblFS1.Caption(), "");
    EXPECT_EQ(f.lblFS1.ToolTipText(), "");
}

TEST_F(Tabellenrechner, Fs23) {
    // No orientation: nothing, whatever the angles.
    f.txtFS23Beta.setText("15");
    f.txtFS23Beta_Change();
    EXPECT_EQ(f.lblFS23.Caption(), "");
    // South, overhang 15, no fins: .95 (empty fin boxes read 0).
    f.cboOriFS23.setListIndex(Eintrag(f.cboOriFS23, "S"));
    f.cboOriFS23_Click();
    EXPECT_EQ(f.lblFS23.Caption(), "0,95");
    EXPECT_EQ(f.lblFS23.ToolTipText(), "0,950");
    // East, overhang 30 (.89), fins 15 left and 30 right; east counts the
    // right fin (.92): .89 * .92 = .8188.
    f.cboOriFS23.setListIndex(Eintrag(f.cboOriFS23, "E"));
    f.txtFS23Beta.setText("30");
    f.txtFS23Gamma_l.setText("15");
    f.txtFS23Gamma_l_Change();
    f.txtFS23Gamma_r.setText(" 30");
    f.txtFS23Gamma_r_Change();
    EXPECT_EQ(f.lblFS23.Caption(), "0,82");
    EXPECT_EQ(f.lblFS23.ToolTipText(), "0,819");
    f.txtFS23Gamma_l.setText("15°");
    f.txtFS23Gamma_l_Change();
    EXPECT_EQ(f.lblFS23.Caption(), "");
    f.txtFS23Gamma_l.setText("1'5");
    f.txtFS23Gamma_l_Change();
    EXPECT_EQ(f.lblFS23.Caption(), "0,82");
    // The empty entry gives 0 from the table: nothing.
    f.cboOriFS23.setListIndex(8);
    f.cboOriFS23_Click();
    EXPECT_EQ(f.lblFS23.Caption(), "");
    EXPECT_EQ(f.lblFS23.ToolTipText(), "");
}

TEST_F(Tabellenrechner, HöheUmschalten) {
    StrgUmgebung strg;
    Plattform::Dienste d = Plattform::Aktuell();
    d.umgebung = &strg;
    Plattform::DiensteSetzen gesetzt(d);

    EXPECT_EQ(f.Height, 8100);
    f.Form_DblClick();
    EXPECT_EQ(f.Height, 8100); // without Ctrl nothing happens
    strg.Strg = true;
    f.Form_DblClick();
    EXPECT_EQ(f.Height, 4380);
    f.Form_DblClick();
    EXPECT_EQ(f.Height, 8100);
    f.Height = 6000;
    f.Form_DblClick();
    EXPECT_EQ(f.Height, 8100);
}

// The use dialog: opening it on a zone, the checks and the storing of OK,
// the fields' formats and proposals, the standard values, the tabs, and
// how the main window calls it.
#include "dialogs/frmNutzung.h"

#include "balance/basZIRVONorm.h"
#include "tests/dialogs/Nutzungtest.h"

using namespace Nutzungtest;

TEST_F(Nutzung, OeffnenEineZone) {
    Zonen({{"Haus", ""}});
    p.ZSetNum(22, "Ti");
    p.ZSetStr("Wintergarten", "Ti_B");
    p.ZSetNum(0.655, "fe");
    p.ZSetNum(45, "VTHB");
    p.ZSetStr("FBH", "VTHB_B");
    frmNutzung f;
    Öffnen(f);

    EXPECT_TRUE(f.Geladen());
    EXPECT_EQ(f.Caption, "Nutzung");
    ASSERT_EQ(f.tabNutzung.size(), 2u);
    EXPECT_EQ(f.tabNutzung[0].Key, "N");
    EXPECT_EQ(f.tabNutzung[0].Caption, "Nutzung");
    EXPECT_EQ(f.tabNutzung[1].Key, "Z");
    EXPECT_EQ(f.tabNutzung[1].Caption, "Zonen");
    EXPECT_EQ(f.tabNutzungAuswahl, 0);
    EXPECT_TRUE(f.picNutzung.Visible());
    EXPECT_FALSE(f.picZonen.Visible());
    EXPECT_EQ(f.HelpContextID, 2010);
    EXPECT_EQ(f.cmdZoneNeu.Caption(), "Neu...");
    EXPECT_EQ(f.cmdAbbrechen.Caption(), "Abbrechen");

    // One zone: the name box, no zone choice.
    EXPECT_TRUE(f.txtBez.Visible());
    EXPECT_FALSE(f.cboZonen.Visible());
    EXPECT_EQ(f.txtBez.Text(), "Haus");
    EXPECT_EQ(f.txtBez.MaxLength(), 30);
    EXPECT_EQ(f.txtTiBem.MaxLength(), 30);
    EXPECT_EQ(f.txtVTHFBem.MaxLength(), 30);
    EXPECT_EQ(f.txtTi.MaxLength(), 0);
    ASSERT_EQ(f.lstZonen.ListCount(), 1);
    EXPECT_EQ(f.lstZonen.ListEntry(0), "Haus  []");

    // The categories: name, four blanks, code in brackets; item data 1..12.
    ASSERT_EQ(f.cboGebKat.ListCount(), 12);
    EXPECT_EQ(f.cboGebKat.ListEntry(0), "Wohnen MFH    [I]");
    EXPECT_EQ(f.cboGebKat.ListEntry(11), "Hallenbäder    [XII]");
    EXPECT_EQ(f.cboGebKatItemData.front(), 1);
    EXPECT_EQ(f.cboGebKatItemData.back(), 12);
    EXPECT_EQ(f.cboGebKat.ListIndex(), 0);

    // The standards of category I beside the boxes.
    EXPECT_EQ(f.lblTi.Caption(), "20");
    EXPECT_EQ(f.lblPersFl.Caption(), "40");
    EXPECT_EQ(f.lblWPers.Caption(), "70");
    EXPECT_EQ(f.lblPZeit.Caption(), "12");
    EXPECT_EQ(f.lblEl.Caption(), "28");
    EXPECT_EQ(f.lblElRed.Caption(), "0.70");
    EXPECT_EQ(f.lblLuft.Caption(), "0.70");
    EXPECT_EQ(f.lblWW.Caption(), "21");

    // Values equal to the standard show empty boxes; others formatted with
    // the box's decimals (0.655 -> "0.66", halves away from zero).
    EXPECT_EQ(f.txtTi.Text(), "22");
    EXPECT_EQ(f.txtTiBem.Text(), "Wintergarten");
    EXPECT_EQ(f.txtPFl.Text(), "");
    EXPECT_EQ(f.txtfe.Text(), "0.66");
    EXPECT_EQ(f.txtAVE.Text(), "");
    EXPECT_EQ(f.txtC.Text(), "0.08");
    EXPECT_EQ(f.txtRR.Text(), "1");
    EXPECT_EQ(f.txtVTHB.Text(), "45");
    EXPECT_EQ(f.txtVTHBBem.Text(), "FBH");
    EXPECT_EQ(f.txtVTHF.Text(), "");

    // Opening checks nothing, and the current zone stays.
    EXPECT_EQ(Meldungen(), 0u);
    EXPECT_EQ(p.GetNZone(), 0);
}

TEST_F(Nutzung, OkSpeichertDieZone) {
    Zonen({{"Haus", ""}});
    p.ZSetNum(25, "Ti");
    frmNutzung f;
    int entladen = 0;
    f.BeimEntladen = [&] { ++entladen; };
    Öffnen(f);
    f.txtBez.setText("Haus Nord   ");
    f.txtTi.setText("");          // empty: the standard 20
    f.txtPFl.setText("0");        // 0: the standard 40
    f.txtPWP.setText("80");
    f.txtPWPBem.setText("Sport  ");
    f.txtfe.setText("0,5");       // decimal comma
    f.txtAVE.setText("1'000.5");  // thousands apostrophe
    f.txtWW.setText("-3");        // negative numbers are kept
    f.txtC.setText("0,12");
    f.txtRR.setText("  2 ");
    f.txtVTHB.setText("35");
    f.txtVTHF.setText("");
    f.txtCBem.setText("schwer");
    f.cmdOK_Click();

    EXPECT_EQ(Meldungen(), 0u);
    EXPECT_FALSE(f.Geladen());
    EXPECT_EQ(entladen, 1);
    EXPECT_EQ(p.ZGetStr("Bez"), "Haus Nord");
    EXPECT_EQ(p.ZGetStr("Code"), "");
    EXPECT_EQ(p.ZGetInt("Gk"), 1);
    EXPECT_EQ(p.ZGetNum("Ti"), 20);
    EXPECT_EQ(p.ZGetNum("PFl"), 40);
    EXPECT_EQ(p.ZGetNum("PWP"), 80);
    EXPECT_EQ(p.ZGetStr("PWP_B"), "Sport");
    EXPECT_EQ(p.ZGetNum("PPr"), 12);
    EXPECT_EQ(p.ZGetNum("El"), 28);
    EXPECT_EQ(p.ZGetNum("fe"), 0.5);
    EXPECT_EQ(p.ZGetNum("AVE"), 1000.5);
    EXPECT_EQ(p.ZGetNum("WW"), -3);
    EXPECT_EQ(p.ZGetNum("C"), 0.12);
    EXPECT_EQ(p.ZGetStr("C_B"), "schwer");
    EXPECT_EQ(p.ZGetNum("RZ"), 2);
    EXPECT_EQ(p.ZGetNum("VTHB"), 35);
    EXPECT_EQ(p.ZGetNum("VTHF"), 0);
    // Every remark key is written, empty ones too.
    EXPECT_EQ(p.ZGetStr("Ti_B"), "");
    EXPECT_EQ(p.ZGetStr("VTHF_B"), "");

    // All boxes empty: the zone keeps the standard use exactly.
    frmNutzung g;
    Öffnen(g);
    for (TextBox* b : {&g.txtTi, &g.txtPFl, &g.txtPWP, &g.txtPPr, &g.txtEl, &g.txtfe, &g.txtAVE, &g.txtWW})
        b->setText("");
    g.cmdOK_Click();
    std::int16_t grund = -1;
    EXPECT_TRUE(basZIRVO3801::StandardwerteZonePrüfen(p, grund));

    // Cancel stores nothing.
    frmNutzung h;
    Öffnen(h);
    h.txtTi.setText("23");
    h.txtBez.setText("Anders");
    h.cmdAbbrechen_Click();
    EXPECT_FALSE(h.Geladen());
    EXPECT_EQ(p.ZGetNum("Ti"), 20);
    EXPECT_EQ(p.ZGetStr("Bez"), "Haus Nord");
}

TEST_F(Nutzung, PruefungenInDerReihenfolge) {
    Zonen({{"Haus", ""}});
    p.ZSetNum(0, "C");
    p.ZSetNum(3, "RZ");
    p.ZSetInt(0, "Gk");
    p.ZSetNum(25, "Ti");
    TextBox* fokus = nullptr;
    frmNutzung f;
    f.FokusSetzen = [&](Steuerelement& s) { fokus = dynamic_cast<TextBox*>(&s); };
    Öffnen(f);
    EXPECT_EQ(f.cboGebKat.ListIndex(), -1);
    // No category: no standards beside the boxes.
    EXPECT_EQ(f.lblTi.Caption(), "");
    EXPECT_EQ(f.txtTi.Text(), "25");

    auto okVersuchen = [&](const char* erwartet, Steuerelement* element) {
        auto vorher = Meldungen();
        f.cmdOK_Click();
        ASSERT_EQ(Meldungen(), vorher + 1);
        EXPECT_EQ(LetzteMeldung(), erwartet);
        EXPECT_EQ(f.Fokus, element);
        EXPECT_TRUE(f.Geladen());
    };
    f.txtBez.setText("   ");
    okVersuchen(MeldungBez, &f.txtBez);
    EXPECT_EQ(fokus, &f.txtBez);
    f.txtBez.setText("Haus");
    okVersuchen(MeldungGk, &f.cboGebKat);
    f.cboGebKat.setListIndex(0);
    f.cboGebKat_Click();
    for (const char* rz : {"3", "1.5", "", "-1", "01", "1 K"}) {
        SCOPED_TRACE(rz);
        f.txtRR.setText(rz);
        okVersuchen(MeldungRZ, &f.txtRR);
    }
    f.txtRR.setText(" 1 ");
    for (const char* c : {"", "0", "0.00", "x"}) {
        SCOPED_TRACE(c);
        f.txtC.setText(c);
        okVersuchen(MeldungC, &f.txtC);
    }
    // Nothing of the failed attempts reached the zone.
    EXPECT_EQ(p.ZGetInt("Gk"), 0);
    EXPECT_EQ(p.ZGetNum("RZ"), 3);
    EXPECT_EQ(p.ZGetNum("Ti"), 25);

    // A negative capacity passes.
    f.txtC.setText("-0.1");
    f.cmdOK_Click();
    EXPECT_FALSE(f.Geladen());
    EXPECT_EQ(p.ZGetNum("C"), -0.1);
    EXPECT_EQ(p.ZGetNum("RZ"), 1);
    EXPECT_EQ(p.ZGetInt("Gk"), 1);
    EXPECT_EQ(p.ZGetNum("Ti"), 25);
}

TEST_F(Nutzung, FelderFormatierenUndVorschlaege) {
    Zonen({{"Haus", ""}});
    p.ZSetNum(0, "C");
    frmNutzung f;
    Öffnen(f);
    // A new capacity shows empty and is proposed on entering the box.
    EXPECT_EQ(f.txtC.Text(), "");
    f.txtC_GotFocus();
    EXPECT_EQ(f.txtC.Text(), "0.08");
    f.txtC.setText("0,1");
    f.txtC_GotFocus();
    EXPECT_EQ(f.txtC.Text(), "0,1");
    f.txtC_LostFocus();
    EXPECT_EQ(f.txtC.Text(), "0.10");
    f.txtVTHB_GotFocus();
    EXPECT_EQ(f.txtVTHB.Text(), "50");
    f.txtVTHB.setText("");
    f.txtVTHB_LostFocus();
    EXPECT_EQ(f.txtVTHB.Text(), "");

    // Leaving a box formats it with its decimals; 0 or no number empties it.
    struct Fall {
        TextBox& box;
        void (frmNutzung::*lost)();
        const char* ein;
        const char* aus;
    };
    const Fall fälle[] = {
        {f.txtTi, &frmNutzung::txtTi_LostFocus, "21,4", "21"},
        {f.txtTi, &frmNutzung::txtTi_LostFocus, "20.5", "21"},
        {f.txtTi, &frmNutzung::txtTi_LostFocus, "-2.5", "-3"},
        {f.txtPFl, &frmNutzung::txtPFl_LostFocus, "0", ""},
        {f.txtPWP, &frmNutzung::txtPWP_LostFocus, "abc", ""},
        {f.txtPPr, &frmNutzung::txtPPr_LostFocus, "1'200", "1200"},
        {f.txtEl, &frmNutzung::txtEl_LostFocus, "0.4", "0"},
        {f.txtfe, &frmNutzung::txtfe_LostFocus, "0.5", "0.50"},
        {f.txtfe, &frmNutzung::txtfe_LostFocus, "0,125", "0.13"},
        {f.txtAVE, &frmNutzung::txtAVE_LostFocus, "1", "1.00"},
        {f.txtWW, &frmNutzung::txtWW_LostFocus, "14.49", "14"},
        {f.txtC, &frmNutzung::txtC_LostFocus, "0", ""},
        {f.txtRR, &frmNutzung::txtRR_LostFocus, "  2  ", "2"},
        {f.txtRR, &frmNutzung::txtRR_LostFocus, " 1,5 ", "1,5"},
        {f.txtVTHB, &frmNutzung::txtVTHB_LostFocus, "35.7", "36"},
        {f.txtVTHF, &frmNutzung::txtVTHF_LostFocus, "0.0", ""},
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.ein);
        fall.box.setText(fall.ein);
        (f.*fall.lost)();
        EXPECT_EQ(fall.box.Text(), fall.aus);
    }

    // OK on a new zone without entering the capacity box fails.
    frmNutzung g;
    p.ZSetNum(0, "C");
    Öffnen(g);
    g.cmdOK_Click();
    EXPECT_EQ(LetzteMeldung(), MeldungC);
    EXPECT_TRUE(g.Geladen());
}

TEST_F(Nutzung, StandardwertGleichUndNull) {
    Zonen({{"Haus", ""}});
    {
        frmNutzung f;
        Öffnen(f);
        f.txtTi.setText("20"); // equal to the standard
        f.txtWW.setText("0");  // 0: the standard
        f.txtPFl.setText("35");
        f.cmdOK_Click();
    }
    EXPECT_EQ(p.ZGetNum("Ti"), 20);
    EXPECT_EQ(p.ZGetNum("WW"), 21);
    EXPECT_EQ(p.ZGetNum("PFl"), 35);
    frmNutzung f;
    Öffnen(f);
    EXPECT_EQ(f.txtTi.Text(), "");
    EXPECT_EQ(f.txtWW.Text(), "");
    EXPECT_EQ(f.txtPFl.Text(), "35");

    // Another category: its standards beside the boxes, nothing stored yet.
    f.cboGebKat.setListIndex(9);
    f.cboGebKat_Click();
    EXPECT_EQ(f.lblTi.Caption(), "18");
    EXPECT_EQ(f.lblPersFl.Caption(), "100");
    EXPECT_EQ(f.lblWPers.Caption(), "100");
    EXPECT_EQ(f.lblPZeit.Caption(), "6");
    EXPECT_EQ(f.lblEl.Caption(), "6");
    EXPECT_EQ(f.lblElRed.Caption(), "0.90");
    EXPECT_EQ(f.lblLuft.Caption(), "0.30");
    EXPECT_EQ(f.lblWW.Caption(), "1");
    EXPECT_EQ(p.ZGetInt("Gk"), 1);
    // OK: the empty boxes take the new category's standards, the special
    // value stays.
    f.cmdOK_Click();
    EXPECT_EQ(p.ZGetInt("Gk"), 10);
    EXPECT_EQ(p.ZGetNum("Ti"), 18);
    EXPECT_EQ(p.ZGetNum("AVE"), 0.3);
    EXPECT_EQ(p.ZGetNum("WW"), 1);
    EXPECT_EQ(p.ZGetNum("PFl"), 35);
}

TEST_F(Nutzung, KategorieDieKeineIst) {
    // A category number from a damaged file selects no category, and the
    // zone shown before does not lend it its own.
    Zonen({{"Wohnen", "W"}, {"Alt", "A"}});
    p.SetNZone(1);
    p.ZSetInt(13, "Gk");
    p.SetNZone(0);
    frmNutzung f;
    Öffnen(f);
    EXPECT_EQ(f.cboGebKat.ListIndex(), 0);
    f.cboZonen.setListIndex(1);
    f.cboZonen_Click();
    EXPECT_EQ(p.GetNZone(), 1);
    EXPECT_EQ(f.cboGebKat.ListIndex(), -1);
    EXPECT_EQ(f.lblTi.Caption(), "");
    // With no standard the stored values show as they are.
    EXPECT_EQ(f.txtTi.Text(), "20");
    f.cmdOK_Click();
    EXPECT_EQ(LetzteMeldung(), MeldungGk);
    EXPECT_EQ(p.ZGetInt("Gk"), 13);
}

TEST_F(Nutzung, RegisterkartenWechseln) {
    Zonen({{"Haus", ""}});
    frmNutzung f;
    Öffnen(f);
    // Leaving the page "Nutzung" stores; the zone list is refreshed.
    f.txtTi.setText("19");
    f.txtBez.setText("Haus A");
    f.RegisterkarteWählen(1);
    EXPECT_EQ(f.tabNutzungAuswahl, 1);
    EXPECT_FALSE(f.picNutzung.Visible());
    EXPECT_TRUE(f.picZonen.Visible());
    EXPECT_EQ(f.HelpContextID, 2020);
    EXPECT_EQ(p.ZGetNum("Ti"), 19);
    EXPECT_EQ(f.lstZonen.ListEntry(0), "Haus A  []");
    EXPECT_EQ(Meldungen(), 0u);

    // Back: no check on leaving "Zonen" (the shown values are stored again).
    f.RegisterkarteWählen(0);
    EXPECT_EQ(f.tabNutzungAuswahl, 0);
    EXPECT_TRUE(f.picNutzung.Visible());
    EXPECT_EQ(f.HelpContextID, 2010);

    // A failed check keeps the page "Nutzung".
    f.txtC.setText("");
    std::int16_t cancel = 0;
    f.tabNutzung_BeforeClick(cancel);
    EXPECT_NE(cancel, 0);
    EXPECT_EQ(LetzteMeldung(), MeldungC);
    f.RegisterkarteWählen(1);
    EXPECT_EQ(f.tabNutzungAuswahl, 0);
    EXPECT_TRUE(f.picNutzung.Visible());
    EXPECT_EQ(Meldungen(), 2u);
    EXPECT_EQ(f.Fokus, &f.txtC);
}

TEST_F(Nutzung, AufrufUndSchliessen) {
    Zonen({{"Haus", ""}});
    // Nothing installed to show it: the dialog counts as cancelled.
    frmNutzung::Aufruf();
    EXPECT_EQ(p.ZGetStr("Bez"), "Haus");

    // Shown: the window finds the page "Nutzung" of a loaded dialog.
    frmNutzung::Anzeigen = [](frmNutzung& f) {
        EXPECT_TRUE(f.Geladen());
        EXPECT_TRUE(f.picNutzung.Visible());
        f.txtBez.setText("Haus B");
        std::int16_t cancel = 0;
        f.Form_QueryUnload(cancel, 0);
        EXPECT_EQ(cancel, 0);
        f.cmdOK_Click();
    };
    frmNutzung::Aufruf();
    EXPECT_EQ(p.ZGetStr("Bez"), "Haus B");

    // The close box: nothing of the shown zone is stored.
    frmNutzung::Anzeigen = [](frmNutzung& f) {
        f.txtBez.setText("Haus C");
        f.Unload();
        EXPECT_FALSE(f.Geladen());
    };
    frmNutzung::Aufruf();
    EXPECT_EQ(p.ZGetStr("Bez"), "Haus B");
    EXPECT_EQ(Meldungen(), 0u);
}

#include "dialogs/frmNutzung.h"

#include "balance/basZIRVONorm.h"
#include "dialogs/frmNutzungZone.h"
#include "frame/basZIRVO3801.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace {

const char* const MeldungBez = "Bitte Bezeichnung der Zone angeben.";
const char* const MeldungGk = "Bitte Gebäudekategorie auswählen.";
const char* const MeldungRZ = "Bitte Regelungszuschlag zur Raumtemperatur (0-2[K]) angeben.";
const char* const MeldungC = "Bitte Wärmespeicherfähigkeit angeben (z.B. 0.08).";

class Nutzung : public ::testing::Test {
protected:
    Testhilfe::Testumgebung umgebung;
    Projekt& p = Global::Projekt;

    // What the name dialog was given and what it answers: a name and a code,
    // or nothing for Cancel.
    struct Aufruf {
        std::string Bezeichnung, Code;
        bool OhneCode, NeueZone;
    };
    std::vector<Aufruf> aufrufe;
    std::deque<std::optional<std::pair<std::string, std::string>>> antworten;

    void SetUp() override {
        p = Projekt();
        p.ProjektNeu();
        frmNutzung::SortierRichtung = 1;
        frmNutzungZone::Anzeigen = [this](frmNutzungZone& d) {
            aufrufe.push_back({d.Bezeichnung, d.Code, d.OhneCode, d.NeueZone});
            ASSERT_FALSE(antworten.empty()) << "unexpected name dialog";
            auto a = antworten.front();
            antworten.pop_front();
            if (!a) {
                d.cmdAbbrechen_Click();
                return;
            }
            d.txtBez.setText(a->first);
            d.txtCode.setText(a->second);
            d.cmdOK_Click();
            EXPECT_FALSE(d.Geladen()) << "the name dialog refused " << a->second;
        };
    }
    void TearDown() override {
        frmNutzungZone::Anzeigen = nullptr;
        frmNutzung::Anzeigen = nullptr;
        frmNutzung::SortierRichtung = 1;
        p = Projekt();
    }

    // The current zone with the standard use of category I "Wohnen MFH"
    // (20 °C, 40 m²/P, 70 W/P, 12 h/d, 28 kWh/m², 0.7, 0.7 m³/hm², 21 kWh/m²),
    // C 0.08, RZ 1.
    void ZoneWohnen(const std::string& bez, const std::string& code) {
        p.ZSetStr(bez, "Bez");
        p.ZSetStr(code, "Code");
        p.ZSetInt(1, "Gk");
        p.ZSetNum(20, "Ti");
        p.ZSetNum(40, "PFl");
        p.ZSetNum(70, "PWP");
        p.ZSetNum(12, "PPr");
        p.ZSetNum(28, "El");
        p.ZSetNum(0.7, "fe");
        p.ZSetNum(0.7, "AVE");
        p.ZSetNum(21, "WW");
        p.ZSetNum(0.08, "C");
        p.ZSetNum(1, "RZ");
    }
    // Zones of category I with these names and codes; zone 0 current.
    void Zonen(const std::vector<std::pair<std::string, std::string>>& zonen) {
        for (std::size_t i = 0; i < zonen.size(); ++i) {
            if (i > 0) {
                ASSERT_EQ(p.ZoneNeu(), 0);
            }
            ZoneWohnen(zonen[i].first, zonen[i].second);
        }
        p.SetNZone(0);
    }
    std::vector<std::string> Codes() const {
        std::vector<std::string> c;
        for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) c.push_back(p.Zone_GetStr(i, "Code"));
        return c;
    }
    std::vector<std::string> Namen() const {
        std::vector<std::string> c;
        for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) c.push_back(p.Zone_GetStr(i, "Bez"));
        return c;
    }
    void Öffnen(frmNutzung& f) {
        f.Form_Load();
        f.Form_Resize();
    }
    std::size_t Meldungen() const { return umgebung.meldungen.Gezeigt.size(); }
    // The text of the last message, checked to be an error box of the program.
    std::string LetzteMeldung() const {
        const auto* m = umgebung.meldungen.Letzte();
        if (!m) return {};
        EXPECT_EQ(m->Symbol, Plattform::Symbol::Fehler);
        EXPECT_EQ(m->Titel, basZIRVO3801::ProgrammTitel);
        EXPECT_EQ(m->Knöpfe, Plattform::Knöpfe::OK);
        return m->Text;
    }
};

} // namespace

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

TEST_F(Nutzung, ZoneWechseln) {
    Zonen({{"Wohnen", "W"}, {"Laden", "L"}});
    p.SetNZone(1);
    p.ZSetNum(22, "Ti");
    p.ZSetNum(2, "RZ");
    p.SetNZone(0);
    frmNutzung f;
    Steuerelement* fokus = nullptr;
    f.FokusSetzen = [&](Steuerelement& s) { fokus = &s; };
    Öffnen(f);
    // Several zones: the zone choice instead of the name box.
    EXPECT_FALSE(f.txtBez.Visible());
    EXPECT_TRUE(f.cboZonen.Visible());
    ASSERT_EQ(f.cboZonen.ListCount(), 2);
    EXPECT_EQ(f.cboZonen.ListEntry(0), "Wohnen  [W]");
    EXPECT_EQ(f.cboZonen.ListEntry(1), "Laden  [L]");
    EXPECT_EQ(f.cboZonen.ListIndex(), 0);
    EXPECT_EQ(f.lstZonen.ListEntry(1), "Laden  [L]");
    EXPECT_EQ(f.lstZonenItemData, (std::vector<std::int16_t>{0, 1}));

    // Leaving zone 0 stores what it shows; zone 1 is then shown and current.
    f.txtPWP.setText("90");
    f.cboZonen.setListIndex(1);
    f.cboZonen_Click();
    EXPECT_EQ(p.GetNZone(), 1);
    EXPECT_EQ(p.Zone_GetNum(0, "PWP"), 90);
    EXPECT_EQ(f.txtTi.Text(), "22");
    EXPECT_EQ(f.txtPWP.Text(), "");
    EXPECT_EQ(f.txtRR.Text(), "2");
    // With several zones the name box is neither checked nor stored.
    f.txtBez.setText("");
    f.txtRR.setText("5");

    // A failed check keeps the zone: the choice goes back quietly, the box
    // gets the focus and the message is shown.
    f.cboZonen.setListIndex(0);
    f.cboZonen_Click();
    EXPECT_EQ(f.cboZonen.ListIndex(), 1);
    EXPECT_EQ(p.GetNZone(), 1);
    EXPECT_EQ(LetzteMeldung(), MeldungRZ);
    EXPECT_EQ(Meldungen(), 1u);
    EXPECT_EQ(fokus, &f.txtRR);
    EXPECT_EQ(f.txtRR.Text(), "5");
    EXPECT_EQ(p.Zone_GetNum(1, "RZ"), 2);

    f.txtRR.setText("0");
    f.cboZonen.setListIndex(0);
    f.cboZonen_Click();
    EXPECT_EQ(p.GetNZone(), 0);
    EXPECT_EQ(p.Zone_GetNum(1, "RZ"), 0);
    EXPECT_EQ(p.Zone_GetStr(1, "Bez"), "Laden");
    EXPECT_EQ(p.Zone_GetStr(1, "Code"), "L");
    EXPECT_EQ(f.txtPWP.Text(), "90");

    // OK stores the zone shown last, which stays current.
    f.cboZonen.setListIndex(1);
    f.cboZonen_Click();
    f.txtVTHF.setText("40");
    f.cmdOK_Click();
    EXPECT_EQ(p.GetNZone(), 1);
    EXPECT_EQ(p.Zone_GetNum(1, "VTHF"), 40);
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

TEST_F(Nutzung, NeueZone) {
    Zonen({{"Haus", ""}});
    frmNutzung f;
    Öffnen(f);
    f.RegisterkarteWählen(1);

    // Cancelled: nothing happens.
    antworten.push_back(std::nullopt);
    f.cmdZoneNeu_Click();
    ASSERT_EQ(aufrufe.size(), 1u);
    EXPECT_EQ(aufrufe[0].Bezeichnung, "");
    EXPECT_EQ(aufrufe[0].Code, "");
    EXPECT_FALSE(aufrufe[0].OhneCode);
    EXPECT_TRUE(aufrufe[0].NeueZone);
    EXPECT_EQ(p.ZonenAnzahl(), 1);

    // The second zone: the first, which had no code, gets "Z".
    antworten.push_back(std::make_pair("Büro", "B"));
    f.cmdZoneNeu_Click();
    EXPECT_EQ(p.ZonenAnzahl(), 2);
    EXPECT_EQ(Namen(), (std::vector<std::string>{"Haus", "Büro"}));
    EXPECT_EQ(Codes(), (std::vector<std::string>{"Z", "B"}));
    EXPECT_EQ(p.GetNZone(), 0);
    EXPECT_EQ(f.lstZonen.ListEntry(1), "Büro  [B]");
    EXPECT_EQ(f.cboZonen.ListIndex(), 0);
    EXPECT_TRUE(f.cboZonen.Visible());
    EXPECT_FALSE(f.txtBez.Visible());
    // The new zone is empty apart from name and code.
    EXPECT_EQ(p.Zone_GetNum(1, "Gk"), 0);
    EXPECT_EQ(Meldungen(), 0u);

    // A third zone leaves the codes alone.
    antworten.push_back(std::make_pair("Laden", "L1"));
    f.cmdZoneNeu_Click();
    EXPECT_EQ(Codes(), (std::vector<std::string>{"Z", "B", "L1"}));

    // Back to the zone's page, the new zone is chosen: it has no category
    // and no capacity yet, so it cannot be left before both are given.
    f.RegisterkarteWählen(0);
    f.cboZonen.setListIndex(2);
    f.cboZonen_Click();
    EXPECT_EQ(p.GetNZone(), 2);
    EXPECT_EQ(f.cboGebKat.ListIndex(), -1);
    EXPECT_EQ(f.txtC.Text(), "");
    f.cmdOK_Click();
    EXPECT_EQ(LetzteMeldung(), MeldungGk);
    f.cboGebKat.setListIndex(0);
    f.cboGebKat_Click();
    f.txtC_GotFocus();
    f.cmdOK_Click();
    EXPECT_FALSE(f.Geladen());
    EXPECT_EQ(p.ZGetNum("C"), 0.08);
    EXPECT_EQ(p.ZGetNum("Ti"), 20);
}

TEST_F(Nutzung, NeueZoneMitCodeZ) {
    Zonen({{"Haus", ""}});
    frmNutzung f;
    Öffnen(f);
    antworten.push_back(std::make_pair("Zentrale", "Z"));
    f.cmdZoneNeu_Click();
    EXPECT_EQ(Codes(), (std::vector<std::string>{"Z0", "Z"}));
}

TEST_F(Nutzung, NeunteZone) {
    Zonen({{"Z1", "A"}, {"Z2", "B"}, {"Z3", "C"}, {"Z4", "D"}, {"Z5", "E"}, {"Z6", "F"}, {"Z7", "G"}, {"Z8", "H"}});
    frmNutzung f;
    Öffnen(f);
    // Name and code are asked for, then the ninth zone is refused.
    antworten.push_back(std::make_pair("Z9", "I"));
    f.cmdZoneNeu_Click();
    EXPECT_EQ(aufrufe.size(), 1u);
    EXPECT_EQ(LetzteMeldung(), "Keine Zone mehr möglich.");
    EXPECT_EQ(p.ZonenAnzahl(), 8);
    EXPECT_EQ(p.GetNZone(), 0);
    EXPECT_EQ(f.lstZonen.ListCount(), 8);
}

TEST_F(Nutzung, ZoneUmbenennen) {
    Zonen({{"Wohnen", "W"}, {"Laden", "L"}});
    frmNutzung f;
    Öffnen(f);
    f.RegisterkarteWählen(1);

    // No entry chosen: nothing.
    f.cmdZoneUmbenennen_Click();
    EXPECT_TRUE(aufrufe.empty());

    f.lstZonen.setListIndex(1);
    antworten.push_back(std::make_pair("Verkauf", "V"));
    f.cmdZoneUmbenennen_Click();
    ASSERT_EQ(aufrufe.size(), 1u);
    EXPECT_EQ(aufrufe[0].Bezeichnung, "Laden");
    EXPECT_EQ(aufrufe[0].Code, "L");
    EXPECT_FALSE(aufrufe[0].OhneCode);
    EXPECT_FALSE(aufrufe[0].NeueZone);
    EXPECT_EQ(Namen(), (std::vector<std::string>{"Wohnen", "Verkauf"}));
    EXPECT_EQ(Codes(), (std::vector<std::string>{"W", "V"}));
    EXPECT_EQ(p.GetNZone(), 1);
    EXPECT_EQ(f.cboZonen.ListEntry(1), "Verkauf  [V]");
    EXPECT_EQ(f.cboZonen.ListIndex(), 1);
    EXPECT_EQ(f.lstZonen.ListIndex(), -1);

    // Cancelled: the chosen zone is shown and current, nothing renamed.
    f.lstZonen.setListIndex(0);
    antworten.push_back(std::nullopt);
    f.cmdZoneUmbenennen_Click();
    EXPECT_EQ(p.GetNZone(), 0);
    EXPECT_EQ(Namen(), (std::vector<std::string>{"Wohnen", "Verkauf"}));
    EXPECT_EQ(Meldungen(), 0u);
}

TEST_F(Nutzung, EinzigeZoneUmbenennen) {
    Zonen({{"Haus", ""}});
    frmNutzung f;
    Öffnen(f);
    f.RegisterkarteWählen(1);
    f.lstZonen.setListIndex(0);
    antworten.push_back(std::make_pair("Villa", ""));
    f.cmdZoneUmbenennen_Click();
    ASSERT_EQ(aufrufe.size(), 1u);
    EXPECT_TRUE(aufrufe[0].OhneCode);
    EXPECT_EQ(p.ZGetStr("Bez"), "Villa");
    EXPECT_EQ(p.ZGetStr("Code"), "");
    // The name box follows, so the next store keeps the new name.
    EXPECT_EQ(f.txtBez.Text(), "Villa");
    f.cmdOK_Click();
    EXPECT_EQ(p.ZGetStr("Bez"), "Villa");
}

TEST_F(Nutzung, UmbenennenEinerZoneOhneKategorie) {
    // Every refresh of the lists checks the shown zone again: a zone
    // without a category complains right after the operation.
    Zonen({{"Wohnen", "W"}, {"Leer", "E"}});
    p.SetNZone(1);
    p.ZSetInt(0, "Gk");
    p.SetNZone(0);
    frmNutzung f;
    Öffnen(f);
    f.RegisterkarteWählen(1);
    f.lstZonen.setListIndex(1);
    antworten.push_back(std::make_pair("Lager", "E"));
    f.cmdZoneUmbenennen_Click();
    EXPECT_EQ(p.Zone_GetStr(1, "Bez"), "Lager");
    EXPECT_EQ(LetzteMeldung(), MeldungGk);
    EXPECT_EQ(Meldungen(), 1u);
    EXPECT_EQ(p.GetNZone(), 1);
}

TEST_F(Nutzung, ZoneLoeschen) {
    Zonen({{"Wohnen", "W"}, {"Büro", "B"}, {"Laden", "L"}});
    frmNutzung f;
    Öffnen(f);
    f.RegisterkarteWählen(1);

    // No entry chosen: nothing, no question.
    f.cmdZoneLöschen_Click();
    EXPECT_EQ(Meldungen(), 0u);

    // No: the zone stays and remains the current one.
    f.lstZonen.setListIndex(1);
    umgebung.meldungen.Antworten.push_back(Plattform::Antwort::Nein);
    f.cmdZoneLöschen_Click();
    ASSERT_EQ(Meldungen(), 1u);
    const auto& frage = umgebung.meldungen.Nr(0);
    EXPECT_EQ(frage.Text, "Zone:  Büro  [B]\n\nWollen Sie diese Zone wirklich löschen?");
    EXPECT_EQ(frage.Vorgabe, Plattform::Antwort::Nein);
    EXPECT_EQ(frage.Symbol, Plattform::Symbol::Frage);
    EXPECT_EQ(frage.Knöpfe, Plattform::Knöpfe::JaNein);
    EXPECT_EQ(frage.Titel, basZIRVO3801::ProgrammTitel);
    EXPECT_EQ(p.ZonenAnzahl(), 3);
    EXPECT_EQ(p.GetNZone(), 1);

    // Yes: deleted, zone 0 current and shown, lists refreshed.
    f.lstZonen.setListIndex(1);
    umgebung.meldungen.Antworten.push_back(Plattform::Antwort::Ja);
    f.cmdZoneLöschen_Click();
    EXPECT_EQ(Namen(), (std::vector<std::string>{"Wohnen", "Laden"}));
    EXPECT_EQ(p.GetNZone(), 0);
    EXPECT_EQ(f.cboZonen.ListIndex(), 0);
    EXPECT_EQ(f.lstZonen.ListCount(), 2);

    // Down to one zone: it loses its code and shows the name box.
    f.lstZonen.setListIndex(0);
    umgebung.meldungen.Antworten.push_back(Plattform::Antwort::Ja);
    f.cmdZoneLöschen_Click();
    EXPECT_EQ(Namen(), (std::vector<std::string>{"Laden"}));
    EXPECT_EQ(Codes(), (std::vector<std::string>{""}));
    EXPECT_TRUE(f.txtBez.Visible());
    EXPECT_FALSE(f.cboZonen.Visible());
    EXPECT_EQ(f.txtBez.Text(), "Laden");
    EXPECT_EQ(f.lstZonen.ListEntry(0), "Laden  []");

    // The only zone cannot be deleted: no question either.
    auto vorher = Meldungen();
    f.lstZonen.setListIndex(0);
    f.cmdZoneLöschen_Click();
    EXPECT_EQ(Meldungen(), vorher);
    EXPECT_EQ(p.ZonenAnzahl(), 1);
    EXPECT_EQ(umgebung.meldungen.UngeplanteFragen, 0);
}

TEST_F(Nutzung, ZonenSortieren) {
    Zonen({{"Eins", "A"}, {"Zwei", "B"}, {"Drei", "C"}});
    p.SetNZone(2);
    p.ZSetNum(23, "Ti");
    p.SetNZone(0);
    Steuerelement* fokus = nullptr;
    frmNutzung f;
    f.FokusSetzen = [&](Steuerelement& s) { fokus = &s; };
    Öffnen(f);
    f.RegisterkarteWählen(1);

    // No entry chosen: nothing.
    f.cmdSortieren_Click();
    EXPECT_EQ(Codes(), (std::vector<std::string>{"A", "B", "C"}));

    // The last zone moves up, up again to the top, then down again; it
    // stays chosen, current and shown, with the focus on the list.
    f.lstZonen.setListIndex(2);
    f.cmdSortieren_Click();
    EXPECT_EQ(Codes(), (std::vector<std::string>{"A", "C", "B"}));
    EXPECT_EQ(f.lstZonen.ListIndex(), 1);
    EXPECT_EQ(p.GetNZone(), 1);
    EXPECT_EQ(f.cboZonen.ListIndex(), 1);
    EXPECT_EQ(f.txtTi.Text(), "23");
    EXPECT_EQ(fokus, &f.lstZonen);
    f.cmdSortieren_Click();
    EXPECT_EQ(Codes(), (std::vector<std::string>{"C", "A", "B"}));
    EXPECT_EQ(f.lstZonen.ListIndex(), 0);
    f.cmdSortieren_Click();
    EXPECT_EQ(Codes(), (std::vector<std::string>{"A", "C", "B"}));
    EXPECT_EQ(f.lstZonen.ListIndex(), 1);
    EXPECT_EQ(frmNutzung::SortierRichtung, 1);
    // The zone values travel with their zone.
    EXPECT_EQ(p.Zone_GetNum(1, "Ti"), 23);
    EXPECT_EQ(p.Zone_GetNum(0, "Ti"), 20);
    f.cmdOK_Click();
    EXPECT_EQ(p.GetNZone(), 1);

    // The direction is kept for the next opening: the first zone moves
    // down, turns at the end.
    frmNutzung::SortierRichtung = -1;
    frmNutzung g;
    Öffnen(g);
    g.RegisterkarteWählen(1);
    g.lstZonen.setListIndex(1);
    g.cmdSortieren_Click();
    EXPECT_EQ(Codes(), (std::vector<std::string>{"C", "A", "B"}));
    EXPECT_EQ(frmNutzung::SortierRichtung, -1);
    EXPECT_EQ(Meldungen(), 0u);

    // One zone: nothing to sort.
    p = Projekt();
    p.ProjektNeu();
    ZoneWohnen("Allein", "");
    frmNutzung h;
    Öffnen(h);
    h.lstZonen.setListIndex(0);
    h.cmdSortieren_Click();
    EXPECT_EQ(p.ZonenAnzahl(), 1);
    EXPECT_EQ(Meldungen(), 0u);
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

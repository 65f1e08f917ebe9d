#include "dialogs/frmProjekt.h"

#include "balance/Gebaeudekategorie.h"
#include "balance/Klimastation_MB2028.h"
#include "frame/Initialisierung.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVO_HiRi.h"
#include "frame/cVB6_NumCvt.h"
#include "project/Projekt.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Scripted message boxes, the decimal comma, and the program-wide values the
// dialog writes (climate station, north rotation, authors) restored afterwards.
class Projektdialog : public ::testing::Test {
protected:
    Testhilfe::Testumgebung umgebung;
    Projekt projekt;

    void SetUp() override {
        zahlen_ = cVB6_NumCvt::Instanz();
        cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "xx-XX", ",", "'", ".", "'"));
        station_ = Global::Klimastation_MB2028;
        nord_ = basZIRVO_HiRi::NordAktuell;
        pv_ = Global::Initialisierung.Projektverfasser;
        nv_ = Global::Initialisierung.Nachweisverfasser;
        projekt.ProjektNeu();
    }
    void TearDown() override {
        cVB6_NumCvt::InstanzSetzen(zahlen_);
        Global::Klimastation_MB2028 = station_;
        basZIRVO_HiRi::NordAktuell = nord_;
        Global::Initialisierung.Projektverfasser = pv_;
        Global::Initialisierung.Nachweisverfasser = nv_;
    }

    // The current zone with the standard use of category 1, or with a
    // room temperature one degree off.
    void Nutzung(bool standard) {
        const auto& gk = Global::Gebäudekategorie;
        projekt.ZSetInt(1, "Gk");
        projekt.ZSetNum(gk.Innentemperatur(1) + (standard ? 0 : 1), "Ti");
        projekt.ZSetNum(gk.Personenfläche(1), "PFl");
        projekt.ZSetNum(gk.Wärmeabgabe(1), "PWP");
        projekt.ZSetNum(gk.Präsenzzeit(1), "PPr");
        projekt.ZSetNum(gk.Elektroverbrauch(1), "El");
        projekt.ZSetNum(gk.ElektroReduktion(1), "fe");
        projekt.ZSetNum(gk.AussenluftVolumenstrom(1), "AVE");
        projekt.ZSetNum(gk.Warmwasser(1), "WW");
    }

    static KollektionZeiger Block(std::vector<std::string> texte) {
        auto k = Kollektion::Neu();
        for (auto& t : texte) k->Hinzufügen(t);
        return k;
    }

    static std::vector<std::string> Texte(const KollektionZeiger& k) {
        std::vector<std::string> t;
        if (k)
            for (int i = 1; i <= k->Anzahl(); ++i) t.push_back(k->Text(i));
        return t;
    }

    // The user chooses an option: the group changes, then its click event runs.
    static void Wählen(Steuerelementfeld<OptionButton>& feld, int index) {
        for (int i = 0; i < feld.Anzahl(); ++i) feld[i].setValue(i == index);
    }
    static void Klicken(Steuerelementfeld<OptionButton>& feld, int index, void (frmProjekt::*handler)(int),
                        frmProjekt& f) {
        Wählen(feld, index);
        (f.*handler)(index);
    }
    static int Eintrag(const ComboBox& liste, const std::string& text) {
        for (int i = 0; i < liste.ListCount(); ++i)
            if (liste.ListEntry(i) == text) return i;
        return -1;
    }

private:
    cVB6_NumCvt zahlen_;
    Klimastation_MB2028 station_;
    std::string nord_, pv_, nv_;
};

constexpr char S = '\x7F';

} // namespace

TEST_F(Projektdialog, ZeigtDieProjektwerte) {
    projekt.PSetStr("P-17", "Id");
    projekt.PSetStr("MFH Sonnenhalde", "Bez");
    projekt.PSetStr("A 12", "AktNr");
    projekt.PSetStr("Entwurf 2", "Stand");
    projekt.PSetColl(Block({"Sonnenhalde 3", "8302 Kloten", "Parz. 455"}), "Bv");
    projekt.PSetInt(2, "BvArt");
    projekt.PSetColl(Block({"Bauherr AG", "", "", "", "Frau Muster", "044 000 00 00", "", "b@h.ch"}), "Bh");
    projekt.PSetColl(Block({"Planer"}), "Pv");
    projekt.PSetStr("Kloten", "GS");
    projekt.PSetNum(447.5, "MueM");
    projekt.PSetStr("ZH", "Kanton");
    projekt.PSetStr("Zürich -Kloten", "KlSt");
    projekt.PSetStr("NNE", "Nord");

    frmProjekt f(projekt);
    f.Form_Load();
    f.Form_Resize();
    EXPECT_TRUE(umgebung.meldungen.Gezeigt.empty());
    EXPECT_EQ(f.Caption, "Projektangaben");
    EXPECT_EQ(f.txtID.Text(), "P-17");
    EXPECT_EQ(f.txtBez.Text(), "MFH Sonnenhalde");
    EXPECT_EQ(f.txtAktenNr.Text(), "A 12");
    EXPECT_EQ(f.txtStand.Text(), "Entwurf 2");
    // Three items fill boxes 0 to 2; the other two stay empty.
    EXPECT_EQ(f.txtBV[0].Text(), "Sonnenhalde 3");
    EXPECT_EQ(f.txtBV[2].Text(), "Parz. 455");
    EXPECT_EQ(f.txtBV[3].Text(), "");
    EXPECT_EQ(f.txtBV[4].Text(), "");
    // Code 2 is the option "Anbau (Neubau)", the second one.
    EXPECT_TRUE(f.optArt[1].Value());
    EXPECT_EQ(f.optArt[1].Caption(), "Anbau (Neubau)");
    EXPECT_FALSE(f.optArt[0].Value() || f.optArt[2].Value() || f.optArt[3].Value());
    EXPECT_EQ(f.txtBH[0].Text(), "Bauherr AG");
    EXPECT_EQ(f.txtBH[4].Text(), "Frau Muster");
    EXPECT_EQ(f.txtBH[7].Text(), "b@h.ch");
    EXPECT_EQ(f.txtPV[0].Text(), "Planer");
    EXPECT_EQ(f.txtPV[1].Text(), "");
    EXPECT_EQ(f.txtNV[0].Text(), "");
    EXPECT_EQ(f.txtGebSt.Text(), "Kloten");
    EXPECT_EQ(f.txtMueM.Text(), "447,5"); // the regional separator
    EXPECT_EQ(f.txtKanton.Text(), "ZH");
    EXPECT_TRUE(f.optNordNNE.Value());
    EXPECT_FALSE(f.optNord.Value() || f.optNordNNW.Value());

    // Task missing: "Nachweis" with the limit value; the radiation list is
    // fixed to its first entry; the cantonal requirement is unavailable.
    EXPECT_TRUE(f.optArtB[0].Value());
    EXPECT_TRUE(f.optNwGrZi[0].Value());
    EXPECT_TRUE(f.optNwGrZi[0].Enabled() && f.optNwGrZi[1].Enabled());
    EXPECT_EQ(f.cboBeZw.ListCount(), 4);
    EXPECT_EQ(f.cboBeZw.ListEntry(0), "Gemäss SIA 381/2 (Ausgabe 1988)");
    EXPECT_EQ(f.cboBeZw.ListEntry(3), "Strahlungsverteilung wie Locarno-Monti");
    EXPECT_FALSE(f.cboBeZw.Enabled());
    EXPECT_EQ(f.cboBeZw.ListIndex(), 0);
    EXPECT_TRUE(f.optAnf[0].Value());
    EXPECT_FALSE(f.optAnf[1].Enabled());
    EXPECT_FALSE(f.cboKanton.Enabled());
    EXPECT_EQ(f.cboKanton.ListCount(), 0);

    // The station list, sorted by character codes: capitals first, umlauts after "z".
    ASSERT_EQ(f.cboKlimastation.ListCount(), 40);
    EXPECT_EQ(f.cboKlimastation.ListEntry(0), "Adelboden");
    EXPECT_EQ(f.cboKlimastation.ListEntry(12), "Grand -St - Bernard");
    EXPECT_EQ(f.cboKlimastation.ListEntry(13), "Güttingen");
    EXPECT_EQ(f.cboKlimastation.ListEntry(27), "Rünenberg"); // after "Robbia"
    EXPECT_EQ(f.cboKlimastation.ListEntry(33), "St.Gallen");
    EXPECT_EQ(f.cboKlimastation.ListEntry(37), "Zermatt");
    EXPECT_EQ(f.cboKlimastation.ListEntry(38), "Zürich -Kloten");

    // The station's data as the station table gives them.
    EXPECT_EQ(f.cboKlimastation.ListIndex(), 38);
    EXPECT_EQ(f.txtKlH.Text(), "425");
    EXPECT_EQ(f.txtKlT.Text(), "-8");
    EXPECT_EQ(f.txtAT[0].Text(), "0,2");
    EXPECT_EQ(f.txtAT[6].Text(), "18,7");
    EXPECT_EQ(f.txtAT[11].Text(), "1,7");
    EXPECT_EQ(f.lblATJahr.Caption(), "9,4");
    EXPECT_EQ(f.txtGS[0].Text(), "102");   // horizontal, January
    EXPECT_EQ(f.txtGS[11].Text(), "80");   // horizontal, December
    EXPECT_EQ(f.txtGS[12].Text(), "67");   // east
    EXPECT_EQ(f.txtGS[24].Text(), "163");  // south
    EXPECT_EQ(f.txtGS[36].Text(), "78");   // west
    EXPECT_EQ(f.txtGS[59].Text(), "32");   // north, December
    EXPECT_TRUE(f.txtGS[5].Locked());
    EXPECT_TRUE(f.txtKlH.Locked());

    // Pages: the key of the tab chosen brings its panel forward with its help number.
    EXPECT_TRUE(f.picProjekt.Visible());
    EXPECT_FALSE(f.picKlima.Visible());
    EXPECT_EQ(f.tabProjekt.ListCount(), 5);
    EXPECT_EQ(f.tabProjekt.ListEntry(4), "Himmelsrichtung");
    const std::pair<Label*, int> seiten[] = {{&f.picProjekt, 1010}, {&f.picAdressen, 1020},
                                             {&f.picAnforderung, 1030}, {&f.picKlima, 1040}, {&f.picHimm, 1050}};
    for (int i = 0; i < 5; ++i) {
        f.tabProjekt.setListIndex(i);
        f.tabProjekt_Click();
        for (int j = 0; j < 5; ++j) EXPECT_EQ(seiten[j].first->Visible(), i == j) << i << " " << j;
        EXPECT_EQ(f.HelpContextID, seiten[i].second);
    }
    f.tabProjekt.setListIndex(-1);
    f.tabProjekt_Click();
    EXPECT_TRUE(f.picHimm.Visible());
    EXPECT_EQ(f.HelpContextID, 1050);
    f.Form_Resize();
    EXPECT_TRUE(f.picProjekt.Visible());
    EXPECT_FALSE(f.picHimm.Visible());
}

TEST_F(Projektdialog, OKSpeichertDieEingaben) {
    projekt.PSetStr("Zürich -Kloten", "KlSt");
    Global::Klimastation_MB2028.KlimastationEinlesen("");
    frmProjekt f(projekt);
    bool geschlossen = false;
    f.Schliessen = [&] { geschlossen = true; };
    f.Form_Load();

    f.txtID.setText("  X-1 ");
    f.txtBV[0].setText("Weg 1");
    f.txtBV[3].setText("vier");
    Klicken(f.optArt, 2, &frmProjekt::optArt_Click, f); // "Umbau"
    f.txtBH[1].setText("Bauherr");
    f.txtNV[7].setText("n@v.ch");
    f.txtMueM.setText("1'234,5");
    f.txtKanton.setText("ZH");
    f.cboKlimastation.setListIndex(Eintrag(f.cboKlimastation, "Davos"));
    f.cboKlimastation_Click();
    EXPECT_EQ(f.txtKlH.Text(), "1590");
    EXPECT_EQ(f.txtKlT.Text(), "-13");
    EXPECT_EQ(f.txtAT[0].Text(), "-4,7");
    EXPECT_EQ(f.lblATJahr.Caption(), "3,6");
    const std::string gewählt = "Davos";
    f.optNordNNW.setValue(true);
    f.optNord.setValue(false);

    f.cmdOK_Click();
    EXPECT_TRUE(geschlossen);
    EXPECT_TRUE(f.Bestätigt());
    EXPECT_EQ(projekt.PGetStr("Id"), "  X-1 "); // texts as typed, untrimmed
    EXPECT_EQ(Texte(projekt.PGetColl("Bv")), (std::vector<std::string>{"Weg 1", "", "", "vier", ""}));
    EXPECT_EQ(projekt.PGetInt("BvArt"), 1); // option 2 "Umbau" has the code 1
    EXPECT_EQ(Texte(projekt.PGetColl("Bh")), (std::vector<std::string>{"", "Bauherr", "", "", "", "", "", ""}));
    EXPECT_EQ(Texte(projekt.PGetColl("Pv")), std::vector<std::string>(8));
    EXPECT_EQ(Texte(projekt.PGetColl("Nv")).at(7), "n@v.ch");
    // A conversion proves only against the limit value.
    EXPECT_EQ(projekt.PGetInt("ArtB"), 0);
    EXPECT_EQ(projekt.PGetInt("NwAnf"), 0);
    EXPECT_EQ(projekt.PGetStr("NwKt"), "");
    EXPECT_DOUBLE_EQ(projekt.PGetNum("MueM"), 1234.5);
    EXPECT_EQ(projekt.PGetStr("Kanton"), "ZH");
    EXPECT_EQ(projekt.PGetStr("KlSt"), gewählt);
    EXPECT_DOUBLE_EQ(projekt.PGetNum("JMT"), 3.6);
    // The program's station and north rotation follow.
    EXPECT_TRUE(Global::Klimastation_MB2028.Vorhanden());
    EXPECT_EQ(Global::Klimastation_MB2028.Namen(), gewählt);
    EXPECT_EQ(projekt.PGetStr("Nord"), "NNW");
    EXPECT_EQ(basZIRVO_HiRi::NordAktuell, "NNW");
    EXPECT_TRUE(umgebung.meldungen.Gezeigt.empty());

    // Shown again: the stored values come back, then the standard direction is stored as "".
    frmProjekt g(projekt);
    g.Form_Load();
    EXPECT_TRUE(g.optArt[2].Value());
    EXPECT_EQ(g.txtMueM.Text(), "1234,5");
    EXPECT_TRUE(g.optNordNNW.Value());
    EXPECT_EQ(g.cboKlimastation.ListEntry(g.cboKlimastation.ListIndex()), gewählt);
    g.optNordNNW.setValue(false);
    g.optNord.setValue(true);
    g.cmdOK_Click();
    EXPECT_EQ(projekt.PGetStr("Nord"), "");
    EXPECT_EQ(basZIRVO_HiRi::NordAktuell, "");
}

TEST_F(Projektdialog, AbbrechenUndSchliessenVerwerfen) {
    projekt.PSetStr("Zürich -Kloten", "KlSt");
    projekt.PSetNum(9.4, "JMT");
    projekt.PSetStr("Alt", "Id");
    Global::Klimastation_MB2028.KlimastationEinlesen("Zürich -Kloten");
    basZIRVO_HiRi::NordAktuell = "";

    for (int weg = 0; weg < 2; ++weg) {
        frmProjekt f(projekt);
        bool geschlossen = false;
        f.Schliessen = [&] { geschlossen = true; };
        f.Form_Load();
        f.txtID.setText("Neu");
        f.cboKlimastation.setListIndex(0); // "Adelboden"
        f.cboKlimastation_Click();
        EXPECT_EQ(f.lblATJahr.Caption(), "6,1");
        f.optNordNNE.setValue(true);
        f.optNord.setValue(false);
        if (weg == 0) f.cmdAbbrechen_Click();
        else f.Form_Unload(); // the close box
        EXPECT_TRUE(geschlossen);
        EXPECT_FALSE(f.Bestätigt());
        EXPECT_EQ(projekt.PGetStr("Id"), "Alt");
        EXPECT_EQ(projekt.PGetStr("KlSt"), "Zürich -Kloten");
        EXPECT_DOUBLE_EQ(projekt.PGetNum("JMT"), 9.4);
        EXPECT_FALSE(projekt.PGetColl("Bv"));
        EXPECT_EQ(Global::Klimastation_MB2028.Namen(), "Zürich -Kloten");
        EXPECT_EQ(basZIRVO_HiRi::NordAktuell, "");
    }
}

TEST_F(Projektdialog, Freigaben) {
    frmProjekt f(projekt);
    f.Form_Load();
    // Neubau, Nachweis: both requirements open, the limit value chosen.
    EXPECT_TRUE(f.optArt[0].Value());
    EXPECT_TRUE(f.optNwGrZi[0].Enabled() && f.optNwGrZi[1].Enabled());
    EXPECT_TRUE(f.optNwGrZi[0].Value());

    // Conversions: both closed, the limit value chosen.
    for (int art : {2, 3}) {
        Klicken(f.optArt, 0, &frmProjekt::optArt_Click, f);
        Wählen(f.optNwGrZi, 1);
        Klicken(f.optArt, art, &frmProjekt::optArt_Click, f);
        EXPECT_FALSE(f.optNwGrZi[0].Enabled());
        EXPECT_FALSE(f.optNwGrZi[1].Enabled());
        EXPECT_TRUE(f.optNwGrZi[0].Value());
        EXPECT_FALSE(f.optNwGrZi[1].Value());
    }
    // "Anbau (Neubau)" counts as new: open again, the choice stays.
    Klicken(f.optArt, 1, &frmProjekt::optArt_Click, f);
    EXPECT_TRUE(f.optNwGrZi[0].Enabled() && f.optNwGrZi[1].Enabled());
    EXPECT_TRUE(f.optNwGrZi[0].Value());

    // Another task: both closed and neither chosen; the radiation list opens.
    for (int aufgabe : {1, 2}) {
        Klicken(f.optArtB, aufgabe, &frmProjekt::optArtB_Click, f);
        EXPECT_FALSE(f.optNwGrZi[0].Enabled() || f.optNwGrZi[1].Enabled());
        EXPECT_FALSE(f.optNwGrZi[0].Value() || f.optNwGrZi[1].Value());
        EXPECT_TRUE(f.cboBeZw.Enabled());
    }
    f.cboBeZw.setListIndex(2);
    Klicken(f.optArtB, 1, &frmProjekt::optArtB_Click, f);
    f.cmdOK_Click();
    EXPECT_EQ(projekt.PGetInt("ArtB"), 1);
    EXPECT_EQ(projekt.PGetInt("NwAnf"), 0);
    EXPECT_EQ(projekt.PGetInt("BvArt"), 2);
    EXPECT_TRUE(umgebung.meldungen.Gezeigt.empty()); // zone without use values: the task change to 1 checks nothing

    // Back to "Nachweis" (the zone is standard): the radiation list is fixed to its first entry.
    Nutzung(true);
    frmProjekt g(projekt);
    g.Form_Load();
    EXPECT_TRUE(g.optArtB[1].Value());
    EXPECT_TRUE(g.cboBeZw.Enabled());
    g.cboBeZw.setListIndex(3);
    Klicken(g.optArtB, 0, &frmProjekt::optArtB_Click, g);
    EXPECT_TRUE(umgebung.meldungen.Gezeigt.empty());
    EXPECT_TRUE(g.optArtB[0].Value());
    EXPECT_FALSE(g.cboBeZw.Enabled());
    EXPECT_EQ(g.cboBeZw.ListIndex(), 0);
    EXPECT_TRUE(g.optNwGrZi[0].Value());
    Wählen(g.optNwGrZi, 1);
    g.cmdOK_Click();
    EXPECT_EQ(projekt.PGetInt("ArtB"), 0);
    EXPECT_EQ(projekt.PGetInt("NwAnf"), 1);
}

TEST_F(Projektdialog, NachweisPrüftDieStandardnutzung) {
    Nutzung(false);
    projekt.ZSetStr("Z1", "Code");
    projekt.ZoneNeu();
    Nutzung(true);
    projekt.ZSetStr("Lager", "Bez");
    projekt.ZSetStr("Z2", "Code");
    projekt.SetNZone(1);
    projekt.PSetInt(2, "ArtB");

    frmProjekt f(projekt);
    f.Form_Load();
    EXPECT_TRUE(f.optArtB[2].Value());

    // Switching to "Nachweis" with a zone off its standard use: the message
    // (naming the zone of several), and the former task comes back with its
    // rules.
    Klicken(f.optArtB, 0, &frmProjekt::optArtB_Click, f);
    ASSERT_EQ(umgebung.meldungen.Gezeigt.size(), 1u);
    const auto& m = umgebung.meldungen.Nr(0);
    EXPECT_EQ(m.Text, "Es ist nicht möglich, einen Nachweis zu erstellen:\r\n\r\nZone: [Z1]\r\nGrund:  Standardwerte geändert");
    EXPECT_EQ(m.Symbol, Plattform::Symbol::Fehler);
    EXPECT_EQ(m.Titel, basZIRVO3801::ProgrammTitel);
    EXPECT_TRUE(f.optArtB[2].Value());
    EXPECT_FALSE(f.optArtB[0].Value());
    EXPECT_FALSE(f.optNwGrZi[0].Value() || f.optNwGrZi[0].Enabled());
    EXPECT_TRUE(f.cboBeZw.Enabled());
    EXPECT_EQ(projekt.GetNZone(), 1); // the check leaves the current zone as it was

    // A zone with mechanical ventilation gives its own reason.
    projekt.SetNZone(0);
    Nutzung(true);
    projekt.ZSetNum(1, "ML");
    Klicken(f.optArtB, 0, &frmProjekt::optArtB_Click, f);
    ASSERT_EQ(umgebung.meldungen.Gezeigt.size(), 2u);
    EXPECT_EQ(umgebung.meldungen.Nr(1).Text,
              "Es ist nicht möglich, einen Nachweis zu erstellen:\r\n\r\nZone: [Z1]\r\nGrund:  Mechanische Lüftung "
              "vorhanden");
    EXPECT_TRUE(f.optArtB[2].Value());

    // All zones standard: "Nachweis" stands.
    projekt.ZSetNum(0, "ML");
    Klicken(f.optArtB, 0, &frmProjekt::optArtB_Click, f);
    EXPECT_EQ(umgebung.meldungen.Gezeigt.size(), 2u);
    EXPECT_TRUE(f.optArtB[0].Value());
    EXPECT_TRUE(f.optNwGrZi[0].Value());
    f.cmdOK_Click();
    EXPECT_EQ(projekt.PGetInt("ArtB"), 0);
}

TEST_F(Projektdialog, LadenPrüftNichtUndÄndertNichts) {
    // A proof project whose zone left the standard use after the task was set.
    Nutzung(false);
    projekt.PSetStr("P-1", "Id");
    projekt.PSetColl(Block({"a", "b", "c", "d", "e"}), "Bv");
    projekt.PSetInt(0, "BvArt");
    projekt.PSetColl(Block({"1", "2", "3", "4", "5", "6", "7", "8"}), "Bh");
    projekt.PSetInt(0, "ArtB");
    projekt.PSetInt(1, "NwAnf");
    projekt.PSetStr("Zürich -Kloten", "KlSt");
    projekt.PSetNum(9.4, "JMT");
    projekt.PSetNum(425, "MueM");
    projekt.PSetStr("NNE", "Nord");

    // An earlier opening showed, and the user chose, another task, then cancelled.
    Projekt anderes;
    anderes.ProjektNeu();
    anderes.PSetInt(1, "ArtB");
    frmProjekt früher(anderes);
    früher.Form_Load();
    Klicken(früher.optArtB, 2, &frmProjekt::optArtB_Click, früher);
    früher.cmdAbbrechen_Click();

    // A new window shows the project's own task, without a check.
    {
        frmProjekt d(projekt);
        d.Form_Load();
        EXPECT_TRUE(umgebung.meldungen.Gezeigt.empty());
        EXPECT_TRUE(d.optArtB[0].Value());
        EXPECT_TRUE(d.optNwGrZi[1].Value());
        // Clicking the chosen "Nachweis" once more checks nothing either.
        Klicken(d.optArtB, 0, &frmProjekt::optArtB_Click, d);
        EXPECT_TRUE(umgebung.meldungen.Gezeigt.empty());
        // OK on the untouched window stores what the project held.
        d.cmdOK_Click();
        EXPECT_EQ(projekt.PGetInt("ArtB"), 0);
        EXPECT_EQ(projekt.PGetInt("NwAnf"), 1);
        EXPECT_EQ(projekt.PGetInt("BvArt"), 0);
        EXPECT_EQ(projekt.PGetStr("Id"), "P-1");
        EXPECT_EQ(Texte(projekt.PGetColl("Bv")), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
        EXPECT_EQ(Texte(projekt.PGetColl("Bh")).at(7), "8");
        EXPECT_EQ(projekt.PGetStr("KlSt"), "Zürich -Kloten");
        EXPECT_DOUBLE_EQ(projekt.PGetNum("JMT"), 9.4);
        EXPECT_DOUBLE_EQ(projekt.PGetNum("MueM"), 425);
        EXPECT_EQ(projekt.PGetStr("Nord"), "NNE");
    }

    // The window object that last showed another task, reopened on a
    // "Nachweis" project, shows it without a check too.
    anderes.PSetInt(0, "ArtB");
    anderes.ZSetNum(5, "Ti"); // off the standard use
    früher.Form_Load();
    EXPECT_TRUE(umgebung.meldungen.Gezeigt.empty());
    EXPECT_TRUE(früher.optArtB[0].Value());
    // The user's own switch away and back is checked, and refused here.
    Klicken(früher.optArtB, 1, &frmProjekt::optArtB_Click, früher);
    Klicken(früher.optArtB, 0, &frmProjekt::optArtB_Click, früher);
    EXPECT_EQ(umgebung.meldungen.Gezeigt.size(), 1u);
    EXPECT_TRUE(früher.optArtB[1].Value());
    früher.cmdAbbrechen_Click();
    EXPECT_EQ(anderes.PGetInt("ArtB"), 0);
    früher.Form_Load();
    EXPECT_EQ(umgebung.meldungen.Gezeigt.size(), 1u);
    früher.cmdOK_Click();
    EXPECT_EQ(anderes.PGetInt("ArtB"), 0);
}

TEST_F(Projektdialog, UnbekannteKlimastationBleibt) {
    projekt.PSetStr("Atlantis -Nord", "KlSt");
    projekt.PSetNum(9.87, "JMT");
    projekt.PSetStr("Neu", "Id");

    frmProjekt f(projekt);
    f.Form_Load();
    ASSERT_EQ(umgebung.meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.Nr(0).Text, "Die Klimastation [Atlantis -Nord] konnte nicht gefunden werden.");
    EXPECT_EQ(umgebung.meldungen.Nr(0).Symbol, Plattform::Symbol::Information);
    EXPECT_EQ(umgebung.meldungen.Nr(0).Titel, basZIRVO3801::ProgrammTitel);
    EXPECT_EQ(f.cboKlimastation.ListIndex(), -1);
    EXPECT_EQ(f.lblATJahr.Caption(), "");
    EXPECT_EQ(f.txtKlH.Text(), "");

    // OK keeps the station and its annual mean as they were.
    f.txtID.setText("Geändert");
    f.cmdOK_Click();
    EXPECT_EQ(projekt.PGetStr("Id"), "Geändert");
    EXPECT_EQ(projekt.PGetStr("KlSt"), "Atlantis -Nord");
    EXPECT_DOUBLE_EQ(projekt.PGetNum("JMT"), 9.87);
    EXPECT_FALSE(Global::Klimastation_MB2028.Vorhanden());

    // Picking a station replaces it.
    frmProjekt g(projekt);
    g.Form_Load();
    EXPECT_EQ(umgebung.meldungen.Gezeigt.size(), 2u);
    g.cboKlimastation.setListIndex(Eintrag(g.cboKlimastation, "Zürich -Kloten"));
    g.cboKlimastation_Click();
    g.cmdOK_Click();
    EXPECT_EQ(projekt.PGetStr("KlSt"), "Zürich -Kloten");
    EXPECT_DOUBLE_EQ(projekt.PGetNum("JMT"), 9.4);
    EXPECT_EQ(Global::Klimastation_MB2028.Namen(), "Zürich -Kloten");

    // No station at all stays none.
    projekt.PSetStr("", "KlSt");
    projekt.PSetNum(0, "JMT");
    frmProjekt h(projekt);
    h.Form_Load();
    EXPECT_EQ(umgebung.meldungen.Gezeigt.size(), 2u);
    h.cmdOK_Click();
    EXPECT_EQ(projekt.PGetStr("KlSt"), "");
    EXPECT_DOUBLE_EQ(projekt.PGetNum("JMT"), 0);
}

TEST_F(Projektdialog, AdressenKopieren) {
    frmProjekt f(projekt);
    f.Form_Load();
    // Ctrl+S in an author's box keeps the block, trailing blanks removed.
    f.txtPV[0].setText("A ");
    f.txtPV[2].setText("B");
    std::int16_t taste = 19;
    f.txtPV_KeyPress(5, taste);
    EXPECT_EQ(taste, 0);
    EXPECT_EQ(Global::Initialisierung.Projektverfasser, std::string("A") + S + S + "B" + S + S + S + S + S);

    // Ctrl+L writes it into the block; an empty kept text clears all eight boxes.
    for (int i = 0; i < 8; ++i) f.txtNV[i].setText("x");
    Global::Initialisierung.Nachweisverfasser = "";
    taste = 12;
    f.txtNV_KeyPress(3, taste);
    EXPECT_EQ(taste, 0);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(f.txtNV[i].Text(), "") << i;
    Global::Initialisierung.Nachweisverfasser = std::string("N1") + S + "N2";
    taste = 12;
    f.txtNV_KeyPress(0, taste);
    EXPECT_EQ(f.txtNV[0].Text(), "N1");
    EXPECT_EQ(f.txtNV[1].Text(), "N2");
    EXPECT_EQ(f.txtNV[2].Text(), "");
    // Parts beyond the eighth are cut.
    taste = 12;
    f.txtPV_KeyPress(0, taste);
    EXPECT_EQ(f.txtPV[0].Text(), "A");
    EXPECT_EQ(f.txtPV[2].Text(), "B");
    Global::Initialisierung.Projektverfasser = std::string("1") + S + "2" + S + "3" + S + "4" + S + "5" + S + "6" +
                                               S + "7" + S + "8" + S + "9";
    taste = 12;
    f.txtPV_KeyPress(0, taste);
    EXPECT_EQ(f.txtPV[7].Text(), "8");
    EXPECT_EQ(frmProjekt::AdresseLesen(f.txtPV), std::string("1") + S + "2" + S + "3" + S + "4" + S + "5" + S +
                                                     "6" + S + "7" + S + "8");

    // Other keys pass; the author's boxes of the other block are untouched.
    taste = 'a';
    f.txtNV_KeyPress(0, taste);
    EXPECT_EQ(taste, 'a');
    EXPECT_EQ(f.txtNV[0].Text(), "N1");
    EXPECT_EQ(f.txtBH[0].Text(), "");
}

TEST_F(Projektdialog, Aufruf) {
    Projekt alt = Global::Projekt;
    auto altesAnzeigen = frmProjekt::Anzeigen;
    Global::Projekt = Projekt();
    Global::Projekt.ProjektNeu();
    Global::Projekt.PSetStr("P", "Id");

    // The user confirms: True, and the program's project holds the input.
    frmProjekt::Anzeigen = [](frmProjekt& d) {
        EXPECT_TRUE(d.Geladen());
        EXPECT_EQ(d.txtID.Text(), "P");
        d.txtID.setText("P-2");
        d.cmdOK_Click();
    };
    EXPECT_TRUE(frmProjekt::Aufruf());
    EXPECT_EQ(Global::Projekt.PGetStr("Id"), "P-2");

    // A window that closes without OK, or none at all: False, nothing stored.
    frmProjekt::Anzeigen = [](frmProjekt& d) { d.txtID.setText("P-3"); };
    EXPECT_FALSE(frmProjekt::Aufruf());
    frmProjekt::Anzeigen = nullptr;
    EXPECT_FALSE(frmProjekt::Aufruf());
    EXPECT_EQ(Global::Projekt.PGetStr("Id"), "P-2");

    frmProjekt::Anzeigen = altesAnzeigen;
    Global::Projekt = alt;
}

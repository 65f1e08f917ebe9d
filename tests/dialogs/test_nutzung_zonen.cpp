// The use dialog's zones: switching between them, a new zone, renaming,
// deleting and sorting them.
#include "dialogs/frmNutzung.h"

#include "tests/dialogs/Nutzungtest.h"

using namespace Nutzungtest;

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

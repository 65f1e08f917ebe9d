// The walk of a user through the component windows, on the window models:
// a new material in the material window, a wall with four layers picked by
// short designation, a window and a thermal bridge in the component editor,
// the three picked from the lists of the envelope tables, the zone computed
// as with bare values, the project saved with the editor open and reopened.
#include "components/Baustoff.h"
#include "components/Bauteile.h"
#include "components/frmBaustoff.h"
#include "components/frmBauteil.h"
#include "frame/Dateien.h"
#include "frame/Initialisierung.h"
#include "frame/basZIRVO_Array.h"
#include "tests/components/Komponentenhilfe.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

namespace {

using Testhilfe::Tippen;
using Testhilfe::Zonenprojekt;

void Wählen(frmZIRVO3801& f, TextBox& zelle, const std::string& eintrag) {
    f.Zelle_GotFocus(zelle);
    ASSERT_TRUE(f.cmdDaBt.Visible());
    f.cmdDaBt_MouseDown();
    ASSERT_TRUE(f.lstDaBt.Visible());
    const auto& liste = f.lstDaBt.List();
    auto it = std::find(liste.begin(), liste.end(), eintrag);
    ASSERT_NE(it, liste.end()) << eintrag;
    f.lstDaBt.setListIndex(static_cast<int>(it - liste.begin()));
    f.lstDaBt_DblClick();
    EXPECT_FALSE(f.lstDaBt.Visible());
    f.Zelle_LostFocus(zelle);
    EXPECT_FALSE(f.cmdDaBt.Visible());
}

double JahresQh(Projekt& p) {
    Monatsarray qh{};
    p.ZGetArr1(qh, "Qh");
    return qh[12];
}

TEST(Bauteilgang, VomBaustoffBisZurGespeichertenZone) {
    Zonenprojekt z;
    Testhilfe::Testordner ordner("bauteilgang");
    Testhilfe::SkriptUmgebung umgebung;
    umgebung.Uhr = 1709208000;
    umgebung.Programm = ordner.Datei("programm");
    std::filesystem::create_directories(umgebung.Programm);
    std::filesystem::copy_file(std::string(ZIRVO_TESTDATEN) + "/../components/Baustoff.dbi",
                               umgebung.Programm + "/Baustoff.dbi");
    Plattform::DiensteSetzen dienste{
        Plattform::Dienste{&z.umgebung.meldungen, &z.umgebung.dateidialoge, nullptr, nullptr, &umgebung}};
    const std::string altOrdner = Global::Initialisierung.OrdnerDatenbank;
    Global::Initialisierung.OrdnerDatenbank = ordner.pfad.string();
    struct Zurück {
        std::string ordner;
        ~Zurück() {
            Global::Initialisierung.OrdnerDatenbank = ordner;
            Global::frmBauteil.Form_Unload();
        }
    } zurück{altOrdner};

    // --- the material window: a new insulation ---
    {
        frmBaustoff m;
        m.Form_Load();
        ASSERT_TRUE(m.Geladen());
        const int vorher = m.cboBaustoff.ListCount();
        EXPECT_EQ(vorher, 62);
        m.cmdNeu_Click();
        EXPECT_EQ(m.cboBaustoff.ListEntry(vorher), "Baustoff 63");
        m.txtBez.setText("Testdämmung");
        m.txtKBez.setText("TD");
        m.txtKat.setText("W");
        m.txtRho.setText("25");
        m.txtLambda.setText("0,032");
        m.txtUe.setText("3");
        EXPECT_EQ(m.txtUe.Text(), "");
        m.cmdSpeichern_Click();
        EXPECT_EQ(m.AusgewählteId, 63);
        EXPECT_EQ(m.cboBaustoff.Text(), "Testdämmung");
        EXPECT_EQ(m.txtLambda.Text(), "0.032");
        m.cmdSchliessen_Click();
        EXPECT_FALSE(m.Geladen());
    }

    // --- the component editor: wall B-1 from four materials ---
    frmBauteil& e = Global::frmBauteil;
    e.Form_Load();
    e.Form_Activate();
    ASSERT_EQ(e.BaustoffStatus, 1);
    EXPECT_EQ(e.mnuBKatAZ[23].Caption(), "W\tWärmedämmstoffe");
    EXPECT_EQ(e.mnuBKatAZ[1].Caption(), "A");
    EXPECT_TRUE(e.picBauteil.Visible());
    EXPECT_EQ(e.Nummer[0], 1);
    Tippen(e, e.txtBBez, "Aussenwand");
    EXPECT_EQ(e.cboBauteilListe.ListEntry(0), "1 - Aussenwand");
    const std::pair<const char*, const char*> schichten[] = {{"kp", "1,5"}, {"bs12", "17.5"}, {"td", "16"}, {"KZP", "2"}};
    for (int r = 0; r < 4; ++r) {
        Tippen(e, e.txtBtBez[r], schichten[r].first);
        Tippen(e, e.txtBtDi[r], schichten[r].second);
    }
    EXPECT_EQ(e.txtBtBez[0].Text(), "Kalkputz");
    EXPECT_EQ(e.txtBtBez[2].Text(), "Testdämmung");
    EXPECT_EQ(e.txtBtLa[2].Text(), "  0.032");
    EXPECT_EQ(e.txtBtRo[1].Text(), "  1200");
    Tippen(e, e.txtBAi, "0.13");
    Tippen(e, e.txtBAa, "0,04");
    // R = 0.13 + 0.015/1.0 + 0.175/0.5 + 0.16/0.032 + 0.02/1.0 + 0.04 = 5.555 m²K/W
    EXPECT_EQ(e.txtBU.Text(), "    0.18");

    // --- window F-1 and thermal bridge W-1 ---
    e.tabBauteil.setListIndex(1);
    e.tabBauteil_Click();
    EXPECT_TRUE(e.picFenster.Visible());
    ASSERT_TRUE(Bauteil::Lesen(z.P, 1));
    Tippen(e, e.txtFBez, "Holzfenster");
    Tippen(e, e.txtFU, "1,0");
    Tippen(e, e.txtFg, "1.2"); // out of range: refused and emptied
    EXPECT_EQ(z.umgebung.meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(e.txtFg.Text(), "");
    Tippen(e, e.txtFg, "0.5");
    Tippen(e, e.txtFF, "0.7");
    e.tabBauteil.setListIndex(2);
    e.tabBauteil_Click();
    Tippen(e, e.txtWBez, "Balkon");
    Tippen(e, e.txtWPsi, "0.1");
    e.Form_Deactivate();

    const Bauteil wand = *Bauteil::Lesen(z.P, 1);
    EXPECT_EQ(wand.U, 0.18);
    ASSERT_EQ(wand.Schichten.size(), 4u);
    EXPECT_EQ(wand.Schichten[3], (Schicht{"Kalkzementputz", 2, 1800, 1.0, 0, ""}));
    EXPECT_EQ(Fenster::Lesen(z.P, 1)->FF, 0.7);
    EXPECT_EQ(Wärmebrücke::Lesen(z.P, 1)->Psi, 0.1);

    // --- the envelope tables: the three picked from their lists ---
    z.EBFSetzen(100);
    z.Zeile(2, 0, {"W", "", "100", "", "", "", "S"});
    z.Zeile(2, 1, {"l", "", "10"});
    z.Zeile(4, 0, {"F", "", "20", "", "", "", "S", "", "", "", "-", "-"});
    z.Zeile(4, 1, {"Q"}); // no code the list knows: no button
    Wählen(z.F, z.F.txtDaBt[0], "  1  Aussenwand");
    Wählen(z.F, z.F.txtDaBt[1], "  1  Balkon");
    Wählen(z.F, z.F.txtFBt[0], "  1  Holzfenster");
    z.F.Zelle_GotFocus(z.F.txtFBt[1]);
    EXPECT_FALSE(z.F.cmdDaBt.Visible());
    EXPECT_EQ(z.F.txtDaBez[0].Text(), "Aussenwand");
    EXPECT_EQ(z.F.txtDaBt[0].Text(), "  1");
    EXPECT_EQ(z.F.txtDaU[1].Text(), "  0.10");
    EXPECT_EQ(z.F.txtFg[0].Text(), "0.50");
    EXPECT_EQ(z.F.txtFFF[0].Text(), "0.70");
    ASSERT_FALSE(z.F.ProjektZoneBerechnen());
    const double qhGewählt = JahresQh(z.P);
    EXPECT_GT(qhGewählt, 0);

    // The same zone typed with bare values gives the same heating demand.
    z.TabellenLeeren();
    z.EBFSetzen(100);
    z.Zeile(2, 0, {"W", "Aussenwand", "100", "", "0.18", "", "S"});
    z.Zeile(2, 1, {"l", "Balkon", "10", "", "0.1"});
    z.Zeile(4, 0, {"F", "Holzfenster", "20", "", "1.0", "", "S", "", "0.5", "0.7", "-", "-"});
    ASSERT_FALSE(z.F.ProjektZoneBerechnen());
    EXPECT_EQ(JahresQh(z.P), qhGewählt);

    // --- save with a comment half typed in the editor, reopen ---
    e.Feld_GotFocus(e.txtWKom);
    e.txtWKom.setText("halb getippt");
    const std::string datei = ordner.Datei("Gang.zirvo9");
    ASSERT_FALSE(z.F.ProjektDateiSpeichern(datei));
    Projekt q;
    ASSERT_EQ(q.ProjektEinlesen(datei), 0);
    EXPECT_EQ(Bauteil::Lesen(q, 1), wand);
    EXPECT_EQ(Wärmebrücke::Lesen(q, 1)->Kom, "halb getippt");
    EXPECT_EQ(Fenster::Lesen(q, 1), Fenster::Lesen(z.P, 1));
    const std::string erste = Dateien::Lesen(datei).value_or("");
    ASSERT_EQ(q.ProjektSpeichern(datei), 0);
    EXPECT_EQ(Dateien::Lesen(datei).value_or("<fehlt>"), erste);

    // A project replaced under the open editor: it shows the new project's
    // items and stores nothing of the old one into it.
    z.P.ProjektNeu();
    z.F.ProjektAnzeigen();
    EXPECT_EQ(e.txtWBez.Text(), "");
    EXPECT_EQ(e.cboWbListe.ListEntry(0), "1");
    e.Form_Deactivate();
    EXPECT_FALSE(Wärmebrücke::Lesen(z.P, 1));
    z.umgebung.meldungen.Antworten = {Plattform::Antwort::Nein};
    z.F.mnuDateiSchliessen.setEnabled(true);
    z.F.mnuDateiSchliessen_Click();
    EXPECT_FALSE(e.Geladen());
}

} // namespace

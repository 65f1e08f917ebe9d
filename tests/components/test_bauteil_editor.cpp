// The component editor's rules on the window model: the U-value from the
// layers, row insert and delete, the grid keys, the material pick, copy
// from another project through the chooser, delete, and the item switch.
#include "components/Baustoff.h"
#include "components/Bauteile.h"
#include "components/frmBauteil.h"
#include "components/frmBauteilListe.h"
#include "frame/Initialisierung.h"
#include "tests/components/Komponentenhilfe.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

namespace {

using Testhilfe::Tippen;
using Testhilfe::Zonenprojekt;

// the focus requests recorded.
class Editor : public ::testing::Test {
protected:
    Zonenprojekt z;
    Testhilfe::Testordner ordner{"editor"};
    Testhilfe::SkriptUmgebung umgebung;
    Plattform::DiensteSetzen dienste{
        Plattform::Dienste{&z.umgebung.meldungen, &z.umgebung.dateidialoge, nullptr, nullptr, &umgebung}};
    std::string altOrdner = Global::Initialisierung.OrdnerDatenbank;
    frmBauteil& e = Global::frmBauteil;
    std::vector<std::string> fokus;

    void SetUp() override {
        umgebung.Uhr = 1709208000;
        umgebung.Programm = ordner.Datei("leer");
        Global::Initialisierung.OrdnerDatenbank = ordner.pfad.string();
        Baustoff db;
        ASSERT_TRUE(db.DBOpen(ordner.Datei("Baustoff.dbk")));
        auto neu = [&](const char* bez, const char* kurz, const char* kat, double rho, double lambda, double r,
                       const char* ue) {
            db.NewRecord();
            db.setBez(bez);
            db.setKBez(kurz);
            db.setKat(kat);
            db.setRho(rho);
            db.setLambda(lambda);
            db.setR(r);
            db.setUeberwachung(ue);
            ASSERT_GT(db.Save(), 0);
        };
        neu("A = Allgemein", "", "A", 0, 0, 0, "");
        neu("Kalkputz", "KP", "P", 1800, 1.0, 0, "");
        neu("Luftschicht", "LS", "A", 0, 0, 0.18, "1");
        neu("Dämmung", "DM", "W", 30, 0.04, 0.5, "2");
        e.FokusSetzen = [this](Steuerelement& s, bool) {
            fokus.push_back(s.Name + (s.Index >= 0 ? "(" + std::to_string(s.Index) + ")" : ""));
        };
        e.Form_Load();
        e.Form_Activate();
    }
    void TearDown() override {
        e.Form_Unload();
        e.FokusSetzen = nullptr;
        frmBauteilListe::Anzeigen = nullptr;
        Global::Initialisierung.OrdnerDatenbank = altOrdner;
    }
    void Zeile(int r, std::initializer_list<const char*> zellen) {
        int s = 0;
        for (const char* t : zellen) e.Schichtspalte(s++)[r].setText(t);
    }
    std::vector<std::string> Spalte(int s) {
        std::vector<std::string> v;
        for (int r = 0; r < frmBauteil::Schichtzeilen; ++r) v.push_back(e.Schichtspalte(s)[r].Text());
        return v;
    }
};

// U from Rsi, Rse and the layers, as the edge cases of the rules give it.
TEST_F(Editor, UWertAusDenSchichten) {
    struct Fall {
        const char* name;
        const char *rsi, *rse;
        std::vector<std::vector<const char*>> zeilen; // Bez, Di, Ro, La, R
        const char* vorher;
        const char* u;
        const char* rDanach; // R cell of row 0 afterwards
    };
    const Fall fälle[] = {
        {"Dämmung 20 cm", "0.13", "0.04", {{"x", "20", "", "0.04", "9"}}, "", "    0.19", ""},
        {"nur R", "0.13", "0.04", {{"x", "", "", "", "0.5"}}, "", "    1.50", "0.5"},
        {"leer: U bleibt", "", "", {{"x", "12", "", "", ""}}, "3.33", "3.33", ""},
        {"nur Rse", "", "0.04", {}, "", "  25.00", ""},
        {"Lambda ohne Dicke", "0.13", "0.04", {{"x", "", "", "0.8", "2"}}, "", "    5.90", ""},
        {"U unter 1 ungerundet", "0.1", "0.1", {{"", "100", "", "0.2", ""}}, "", "    0.19", ""},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        e.SeiteLeeren();
        e.txtBU.setText(f.vorher);
        for (std::size_t r = 0; r < f.zeilen.size(); ++r)
            for (std::size_t s = 0; s < f.zeilen[r].size(); ++s)
                e.Schichtspalte(static_cast<int>(s))[static_cast<int>(r)].setText(f.zeilen[r][s]);
        e.txtBAi.setText(f.rsi);
        e.txtBAa.setText(f.rse);
        e.UWertBerechnen();
        EXPECT_EQ(e.txtBU.Text(), f.u);
        EXPECT_EQ(e.txtBtR[0].Text(), f.rDanach);
    }
    // A lambda too wide for its cell (aluminium, 160) is shown whole, never
    // as "#" marks that would read back as 0.
    e.SeiteLeeren();
    e.TextFeldSetzen(e.txtBtLa[0], 160.0);
    EXPECT_EQ(e.txtBtLa[0].Text(), "160.000");
    e.txtBtDi[0].setText("16");
    e.txtBAi.setText("0.1");
    e.UWertBerechnen();
    EXPECT_EQ(e.txtBU.Text(), "    9.90"); // 1 / (0.1 + 0.16 / 160), to one decimal

    // Leaving Rohdichte does not compute, leaving Dicke does.
    e.SeiteLeeren();
    e.txtBAi.setText("0.13");
    Tippen(e, e.txtBtRo[0], "1800,4");
    EXPECT_EQ(e.txtBtRo[0].Text(), "  1800");
    EXPECT_EQ(e.txtBU.Text(), "");
    Tippen(e, e.txtBtDi[0], "12");
    EXPECT_EQ(e.txtBtDi[0].Text(), "  12.00");
    EXPECT_EQ(e.txtBU.Text(), "    7.70");
}

// Insert and delete of layer rows, the grid keys, and the material pick.
TEST_F(Editor, SchichtrasterUndMaterialwahl) {
    for (int r = 0; r < 3; ++r) Zeile(r, {("S" + std::to_string(r)).c_str(), "1"});
    e.Feld_GotFocus(e.txtBtDi[1]);
    e.mnuBearbZeileEinfügen_Click();
    EXPECT_EQ(Spalte(0)[1], "");
    EXPECT_EQ(Spalte(0)[2], "S1");
    e.mnuBearbZeileLöschen_Click();
    EXPECT_EQ(Spalte(0)[1], "S1");
    EXPECT_EQ(Spalte(0)[3], "");
    // A layer in the last row is never pushed out: no insert.
    e.txtBtUe[14].setText("1");
    e.mnuBearbZeileEinfügen_Click();
    EXPECT_EQ(e.txtBtUe[14].Text(), "1");
    EXPECT_EQ(Spalte(0)[1], "S1");
    // The monitoring cell takes neither command.
    e.Feld_GotFocus(e.txtBtUe[0]);
    e.mnuBearbZeileLöschen_Click();
    EXPECT_EQ(Spalte(0)[0], "S0");

    // Grid keys: Enter, Shift+Enter with wrap, Tab, plain arrows untouched, edges.
    struct Taste {
        std::int16_t code, shift;
        int zeile, spalte;
        const char* ziel; // "" = nothing moves; "-" = not handled
    };
    const Taste tasten[] = {
        {13, 0, 0, 5, "txtBtBez(1)"}, {13, 1, 1, 0, "txtBtUe(0)"}, {9, 0, 3, 2, "txtBtRo(4)"},
        {9, 1, 0, 2, ""},             {40, 0, 0, 0, "-"},          {40, 1, 14, 0, ""},
        {39, 1, 0, 3, "txtBtR(0)"},   {37, 4, 0, 3, "-"},          {13, 0, 14, 5, ""},
    };
    for (const Taste& t : tasten) {
        fokus.clear();
        std::int16_t code = t.code;
        const bool genommen = e.SchichtTasteAuswerten(code, t.shift, t.zeile, t.spalte);
        const std::string ziel = t.ziel;
        EXPECT_EQ(genommen, ziel != "-") << t.code << "/" << t.shift;
        EXPECT_EQ(code == 0, ziel != "-");
        EXPECT_EQ(fokus, ziel.empty() || ziel == "-" ? std::vector<std::string>{} : std::vector<std::string>{ziel});
    }

    // Category menu, filtered list, the pop-up's first entry at the cell's
    // text, a pick by double-click, a short designation.
    EXPECT_EQ(e.mnuBKatAZ[1].Caption(), "A\tAllgemein");
    EXPECT_EQ(e.mnuBKatAZ[16].Caption(), "P");
    e.mnuBKatAZ_Click(1);
    EXPECT_EQ(e.lblKat.Caption(), "A");
    EXPECT_EQ(e.lstBstListe.List(), (std::vector<std::string>{"A = Allgemein", "Luftschicht  [LS]"}));
    e.mnuBKatAZ_Click(0);
    EXPECT_EQ(e.lblKat.Caption(), "-");
    EXPECT_EQ(e.lstBstListe.ListCount(), 4);

    e.txtBtRo[5].setText("1800");
    e.Feld_GotFocus(e.txtBtBez[5]);
    EXPECT_TRUE(e.cmdBstListe.Visible());
    e.txtBtBez[5].setText("Kalk");
    e.cmdBstListe_MouseDown();
    EXPECT_TRUE(e.picBstListe.Visible());
    EXPECT_EQ(e.lstBstListe.Text(), "Kalkputz  [KP]");
    e.lstBstListe.setListIndex(1); // "Dämmung": lambda and R, density
    fokus.clear();
    e.lstBstListe_DblClick();
    EXPECT_FALSE(e.picBstListe.Visible());
    EXPECT_EQ(fokus, std::vector<std::string>{"txtBtDi(5)"});
    EXPECT_EQ(e.txtBtBez[5].Text(), "Dämmung");
    EXPECT_EQ(e.txtBtLa[5].Text(), "  0.040");
    EXPECT_EQ(e.txtBtR[5].Text(), "");
    EXPECT_EQ(e.txtBtRo[5].Text(), "      30");
    EXPECT_EQ(e.txtBtUe[5].Text(), "2");
    // Escape closes without a pick.
    e.Feld_GotFocus(e.txtBtBez[6]);
    e.cmdBstListe_MouseDown();
    e.lstBstListe.setListIndex(0);
    e.lstBstListe_KeyUp(27);
    EXPECT_EQ(e.txtBtBez[6].Text(), "");
    // Short designations: "ls" fills R (no lambda), a density 0 keeps the cell.
    e.txtBtRo[7].setText("999");
    Tippen(e, e.txtBtBez[7], " ls ");
    EXPECT_EQ(e.txtBtBez[7].Text(), "Luftschicht");
    EXPECT_EQ(e.txtBtR[7].Text(), "  0.180");
    EXPECT_EQ(e.txtBtRo[7].Text(), "999");
    Tippen(e, e.txtBtBez[8], "Kalkputz");
    EXPECT_EQ(e.txtBtLa[8].Text(), "");
}

// Copy from another project through the chooser, delete, and the item
// switch that stores first.
TEST_F(Editor, KopierenLöschenUndWechsel) {
    // Another project with components 1, 3 and 12.
    Projekt anderes;
    anderes.ProjektNeu();
    anderes.PSetStr("P-7", "Id");
    anderes.PSetStr("Altbau", "Bez");
    for (int n : {12, 3, 1})
        Bauteil{"Wand " + std::to_string(n), "", 0.2 * n, 0, 0.13, 0.04, {{"Putz", 2, 0, 0.7, 0, ""}}, ""}.Speichern(
            anderes, n);
    const std::string datei = ordner.Datei("Altbau.zirvo9");
    ASSERT_EQ(anderes.ProjektSpeichern(datei), 0);

    z.umgebung.dateidialoge.Antworten = {datei};
    std::vector<std::string> aufgelistet;
    std::string details;
    frmBauteilListe::Anzeigen = [&](frmBauteilListe& c) {
        EXPECT_EQ(c.Caption, "Auswahl Bauteil");
        c.cmdProjHinzufügen_Click();
        EXPECT_EQ(c.lstProjekte.List(), std::vector<std::string>{"Altbau  [P-7]"});
        c.optProjAktuell_Click(1);
        c.lstProjekte.setListIndex(0);
        c.lstProjekte_Click();
        aufgelistet = c.lstBauteile.List();
        c.lstBauteile.setListIndex(1);
        c.lstBauteile_Click();
        details = c.rtbT.Text();
        c.cmdAuswahl_Click();
    };
    e.cboBauteilListe.setListIndex(4);
    e.cboBauteilListe_Click();
    e.mnuBauteilKopieren_Click();
    EXPECT_EQ(aufgelistet, (std::vector<std::string>{"1 - Wand 1", "3 - Wand 3", "12 - Wand 12"}));
    EXPECT_NE(details.find("Putz\t    2.00\t\t  0.700\t\t  \r\n"), std::string::npos) << details;
    EXPECT_EQ(e.txtBBez.Text(), "Wand 3");
    EXPECT_EQ(e.cboBauteilListe.ListEntry(4), "5 - Wand 3");
    EXPECT_FALSE(Bauteil::Lesen(z.P, 5)); // reaches the project at the next store

    // Switching to 12 stores 5 first; 12 is empty and takes the focus.
    fokus.clear();
    e.cboBauteilListe.setListIndex(11);
    e.cboBauteilListe_Click();
    ASSERT_TRUE(Bauteil::Lesen(z.P, 5));
    EXPECT_EQ(Bauteil::Lesen(z.P, 5)->Schichten.size(), 1u);
    EXPECT_EQ(fokus, std::vector<std::string>{"txtBBez"});

    // A second call opens with the listed project chosen; onto a page with
    // content the copy asks, and No keeps the page.
    e.cboBauteilListe.setListIndex(4);
    e.cboBauteilListe_Click();
    frmBauteilListe::Anzeigen = [&](frmBauteilListe& c) {
        EXPECT_TRUE(c.optProjAktuell[1].Value());
        EXPECT_EQ(c.lstBauteile.ListCount(), 3);
        c.lstBauteile.setListIndex(0);
        c.lstBauteile_Click();
        c.lstBauteile_DblClick();
    };
    z.umgebung.meldungen.Antworten = {Plattform::Antwort::Nein};
    e.mnuBauteilKopieren_Click();
    EXPECT_EQ(e.txtBBez.Text(), "Wand 3");
    ASSERT_EQ(z.umgebung.meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(z.umgebung.meldungen.Nr(0).Titel, "Bauteil überschreiben");

    // Delete asks, empties the page (U2 and CodeGr stay), and the next store removes it.
    e.txtBCodeGr.setText("C1");
    z.umgebung.meldungen.Antworten = {Plattform::Antwort::Ja};
    e.mnuBauteilLöschen_Click();
    EXPECT_TRUE(e.SeiteIstLeer());
    EXPECT_EQ(e.txtBCodeGr.Text(), "C1");
    e.Form_Deactivate();
    EXPECT_FALSE(Bauteil::Lesen(z.P, 5));
    EXPECT_EQ(e.cboBauteilListe.ListEntry(4), "5");

    // A component of 17 layers (from another program's file): rows 16 and
    // 17 are kept, counted in U and moved up by a row delete.
    Bauteil lang{"Lang", "", 0, 0, 0.1, 0, {}, ""};
    for (int i = 1; i <= 17; ++i) lang.Schichten.push_back({"S" + std::to_string(i), 0, 0, 0, 0.1, ""});
    lang.Speichern(z.P, 7);
    e.cboBauteilListe.setListIndex(6);
    e.cboBauteilListe_Click();
    EXPECT_EQ(e.txtBtBez[14].Text(), "S15");
    EXPECT_EQ(e.WeitereSchichten().size(), 2u);
    e.UWertBerechnen();
    EXPECT_EQ(e.txtBU.Text(), "    0.56"); // 1 / (0.1 + 17 × 0.1)
    e.Feld_GotFocus(e.txtBtBez[0]);
    e.mnuBearbZeileLöschen_Click();
    EXPECT_EQ(e.txtBtBez[14].Text(), "S16");
    e.Feld_LostFocus(e.txtBtBez[0]);
    e.Form_Deactivate();
    ASSERT_EQ(Bauteil::Lesen(z.P, 7)->Schichten.size(), 16u);
    EXPECT_EQ(Bauteil::Lesen(z.P, 7)->Schichten.back().Bez, "S17");

    // A window with "0" typed is kept; a thermal bridge removed when emptied.
    e.tabBauteil.setListIndex(1);
    e.tabBauteil_Click();
    Tippen(e, e.txtFg, "0");
    e.txtFg.setText("0");
    e.Form_Deactivate();
    ASSERT_TRUE(Fenster::Lesen(z.P, 1));
    EXPECT_EQ(Fenster::Lesen(z.P, 1)->g, 0);
}

} // namespace

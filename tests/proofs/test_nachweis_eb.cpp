// The single-component proof beyond the golden projects: the faults its
// rules report (which message, on which cell, in which order), rows that
// keep their places through store and load, the cells as the user leaves
// them, the code picker, the limit list, the error display and when the
// window stores its rows into the project.
#include "frame/Plattform.h"
#include "frame/basZIRVOFehler.h"
#include "proofs/frmNachweisEB.h"
#include "project/ProjektGlobal.h"
#include "tests/mainwindow/Befehlsfenster.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Testhilfe::FarbMeldungen;
using Testhilfe::Zonenprojekt;

// The global window with an empty project loaded; afterwards empty again.
class NachweisEB : public ::testing::Test {
protected:
    NachweisEB() : E(Global::frmNachweisEB) { Zurücksetzen(); }
    ~NachweisEB() override {
        Global::Projekt = Projekt();
        Zurücksetzen();
    }
    void Zurücksetzen() {
        E.DruckenAnzeigen = nullptr;
        E.FokusSetzen = nullptr;
        E.Visible = false;
        E.FehlerAngezeigt = false;
        E.Einlesen();
        E.tabNachweis.SelectKey("B");
        E.tabNachweis_Click();
        Eingabefehler = basZIRVOFehler::EingabefehlerDaten{};
    }
    // Types a component row: code, designation, nr, U, g, Ti.
    void Bauteil(int r, std::vector<std::string> t) {
        t.resize(6);
        Steuerelementfeld<TextBox>* felder[] = {&E.txtBtC, &E.txtBtBez, &E.txtBtNr, &E.txtBtU, &E.txtBtG, &E.txtBtTi};
        for (int k = 0; k < 6; ++k) E.ZelleSetzen((*felder[k])[r], t[static_cast<std::size_t>(k)]);
    }
    void Brücke(int r, std::vector<std::string> t) {
        t.resize(4);
        Steuerelementfeld<TextBox>* felder[] = {&E.txtWbC, &E.txtWbBez, &E.txtWbNr, &E.txtWbPsi};
        for (int k = 0; k < 4; ++k) E.ZelleSetzen((*felder[k])[r], t[static_cast<std::size_t>(k)]);
    }
    static std::string Ohne(const std::string& s) {
        const auto a = s.find_first_not_of(' ');
        return a == std::string::npos ? std::string() : s.substr(a);
    }

    Zonenprojekt z;
    frmNachweisEB& E;
};

// Every fault the rules know, on its cell; pass 1 looks at all rows before
// pass 2, and a run that stops keeps the rows after the faulty one.
TEST_F(NachweisEB, FehlerMitZelleUndReihenfolge) {
    z.BauteilAnlegen(1, 0.2, "Wand");
    z.FensterAnlegen(1, 0.9, 0.5, 0.7, "Fenster");
    z.FensterAnlegen(2, 1.0, 0.25, 0.7, "Sonnenschutzglas");
    z.FensterAnlegen(3, 1.0, 0.2, 1.5, "Rahmenanteil falsch");
    z.WärmebrückeAnlegen(1, 0.1, "Balkon");
    z.BauteilAnlegen(5, 0.0, "Noch nicht berechnet");
    z.FensterAnlegen(5, 0.0, 0.5, 0.7, "Ohne U-Wert");
    struct Fall {
        std::vector<std::vector<std::string>> zeilen;
        const char* meldung; // "" = no fault
        TextBox* zelle;
    };
    const Fall fälle[] = {
        {{{"D1", "", "4", "", "", "20"}}, "Fenster nicht gefunden", &E.txtBtNr[0]},
        {{{"B1", "", "7", "", "", "20"}}, "Bauteil nicht gefunden", &E.txtBtNr[0]},
        {{{"", "", "100", "", "", ""}}, "Bauteil nicht gefunden", &E.txtBtNr[0]},
        {{{"B1", "", "-1", "", "", "20"}}, "Bauteil nicht gefunden", &E.txtBtNr[0]},
        {{{"D1", "", "2", "", "", "20"}},
         "Fenster mit einem Gesamtenergiedurchlassgrad kleiner als 0,3 sind bei Einzelbauteilnachweisen nicht "
         "erlaubt.",
         &E.txtBtNr[0]},
        {{{"X9", "", "", "0.2", "", "20"}}, "Ungültiger Code", &E.txtBtC[0]},
        {{{"A1", "", "", "0.2", "", ""}}, "Ungültige Raumtemperatur", &E.txtBtTi[0]},
        {{{"A1", "", "", "", "", "20"}}, "Ungültiger U-Wert", &E.txtBtU[0]},
        {{{"A1", "", "", "-0.1", "", "20"}}, "Ungültiger U-Wert", &E.txtBtU[0]},
        // The U of a row that names an item is the item's, written anew at
        // every run: an item without one is named, at the number cell,
        // whatever the user typed as U.
        {{{"A1", "", "5", "", "", "20"}}, "Das Bauteil Nr. 5 hat keinen U-Wert.", &E.txtBtNr[0]},
        {{{"A1", "", "5", "0.15", "", "20"}}, "Das Bauteil Nr. 5 hat keinen U-Wert.", &E.txtBtNr[0]},
        {{{"D1", "", "5", "0.9", "", "20"}}, "Das Fenster Nr. 5 hat keinen U-Wert.", &E.txtBtNr[0]},
        // The missing item of row 1 comes before the bad code of row 0.
        {{{"X9", "", "", "0.2", "", "20"}, {"B1", "", "8", "", "", "20"}}, "Bauteil nicht gefunden", &E.txtBtNr[1]},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.meldung);
        E.Einlesen();
        for (std::size_t r = 0; r < f.zeilen.size(); ++r) Bauteil(static_cast<int>(r), f.zeilen[r]);
        const bool fehler = E.BauteileNachweisen();
        EXPECT_EQ(fehler, *f.meldung != 0);
        if (fehler) {
            EXPECT_EQ(Eingabefehler.Text, f.meldung);
            EXPECT_EQ(Eingabefehler.Steuerelement, f.zelle);
            EXPECT_EQ(Eingabefehler.Art, basZIRVOFehler::ArtFehler);
        }
    }
    // A window with a frame factor outside 0..1 has none: nothing of the
    // window in the row before stands in for it, and its g is its own.
    E.Einlesen();
    Bauteil(0, {"D1", "", "1", "", "", "20"});
    Bauteil(1, {"D1", "", "3", "", "", "20"});
    EXPECT_FALSE(E.BauteileNachweisen());
    EXPECT_EQ(Ohne(E.txtBtG[0].Text()), "0.50");
    EXPECT_EQ(Ohne(E.txtBtG[1].Text()), "0.20");
    EXPECT_EQ(E.txtBtGrErf[1].Text(), "ja"); // U 1.0 equals the limit as shown

    // A run stopped at row 1 leaves row 2's results; the table value of the
    // faulty row is written, its effective value and verdict are empty.
    E.Einlesen();
    Bauteil(0, {"A1", "", "", "0.15", "", "20"});
    Bauteil(1, {"B1", "", "", "0.15", "", "20"});
    Bauteil(2, {"C1", "", "", "0.15", "", "20"});
    EXPECT_FALSE(E.BauteileNachweisen());
    E.txtBtTi[1].setText("");
    EXPECT_TRUE(E.BauteileNachweisen());
    EXPECT_EQ(E.txtBtGrErf[0].Text(), "ja");
    EXPECT_EQ(Ohne(E.txtBtGrTab[1].Text()), "0.17");
    EXPECT_EQ(E.txtBtGrEff[1].Text(), "");
    EXPECT_EQ(E.txtBtGrErf[2].Text(), "ja");

    // Thermal bridges: a missing item, then a bad code.
    E.Einlesen();
    Brücke(0, {"Q1", "", "", "0.1"});
    Brücke(1, {"L1", "", "5", ""});
    EXPECT_TRUE(E.WärmebrückenNachweisen());
    EXPECT_EQ(Eingabefehler.Text, "Wärmebrücke nicht gefunden");
    EXPECT_EQ(Eingabefehler.Steuerelement, &E.txtWbNr[1]);
    E.ZelleSetzen(E.txtWbNr[1], "1");
    EXPECT_TRUE(E.WärmebrückenNachweisen());
    EXPECT_EQ(Eingabefehler.Text, "Ungültiger Code");
    EXPECT_EQ(Eingabefehler.Steuerelement, &E.txtWbC[0]);
    EXPECT_EQ(E.txtWbBez[1].Text(), "Balkon");
}

// Rows keep their places through store and load; cells as the user leaves
// them; the settings of the general page.
TEST_F(NachweisEB, ZeilenSpeichernUndLaden) {
    E.txtEBF.setText("1234,56");
    E.txtEBF_Validate();
    EXPECT_EQ(E.txtEBF.Text(), "1234.6");
    E.optAnf_Click(1);
    E.chkWBN.setValue(1);
    Bauteil(0, {"A1", "Dach", "", "0.15", "", "22"});
    Bauteil(5, {"B1", "Wand", "", "0.17", "", "20"});
    // A row with nothing but a table value counts as empty.
    E.ZelleSetzen(E.txtBtGrTab[7], 0.17);
    Brücke(2, {"L1", "Balkon", "", "0.25"});
    bool fehlgeschlagen = true;
    E.Speichern(fehlgeschlagen);
    EXPECT_FALSE(fehlgeschlagen);
    const Projekt& P = Global::Projekt;
    EXPECT_EQ(P.PGetNum("EB-EBF"), 1234.6);
    EXPECT_EQ(P.PGetNum("EB-Anf"), 1);
    EXPECT_EQ(P.PGetNum("EB-WBN"), 1);
    ASSERT_TRUE(P.PGetColl("EBBt"));
    ASSERT_EQ(P.PGetColl("EBBt")->Anzahl(), 6);
    EXPECT_EQ(P.PGetColl("EBBt")->Koll(3)->Text(1), "");
    EXPECT_EQ(P.PGetColl("EBBt")->Koll(6)->Zahl(4), 0.17);
    ASSERT_EQ(P.PGetColl("EBWb")->Anzahl(), 3);

    // Loading another project empties every cell; loading this one again
    // brings the rows back and runs the rules.
    const Projekt gespeichert = Global::Projekt;
    Global::Projekt = Projekt();
    Global::Projekt.ProjektNeu();
    E.Einlesen();
    EXPECT_EQ(E.txtBtC[5].Text(), "");
    EXPECT_EQ(E.txtBtGrTab[7].Text(), "");
    EXPECT_TRUE(E.optAnf[0].Value());
    Global::Projekt = gespeichert;
    E.Einlesen();
    EXPECT_EQ(E.txtBtBez[5].Text(), "Wand");
    EXPECT_TRUE(E.optAnf[1].Value());
    EXPECT_EQ(E.chkWBN.Value(), 1);
    EXPECT_EQ(E.txtWbC[2].Text(), "L1");
    EXPECT_EQ(E.txtBtGrErf[0].Text(), "ja"); // 0.15 against the limit without bridges 0.17 at 22 °C: 0.15
    EXPECT_EQ(E.txtBtGrEff[7].Text(), "");

    // Rows a file holds beyond the grid's 20 are kept behind the grid's rows.
    auto viele = Kollektion::Neu();
    for (int r = 0; r < 22; ++r) {
        auto zeile = Kollektion::Neu();
        for (const Kollektion::Wert& w : {Kollektion::Wert("L1"), Kollektion::Wert("Zeile " + std::to_string(r)),
                                          Kollektion::Wert(0.0), Kollektion::Wert(0.1), Kollektion::Wert(0.3)})
            zeile->WertHinzufügen(w);
        viele->Hinzufügen(KollektionZeiger(zeile));
    }
    Global::Projekt.PSetColl(viele, "EBWb");
    E.Einlesen();
    E.ZelleSetzen(E.txtWbBez[0], "geändert");
    E.Speichern(fehlgeschlagen);
    ASSERT_EQ(P.PGetColl("EBWb")->Anzahl(), 22);
    EXPECT_EQ(P.PGetColl("EBWb")->Koll(1)->Text(2), "geändert");
    EXPECT_EQ(P.PGetColl("EBWb")->Koll(22)->Text(2), "Zeile 21");
    Global::Projekt = gespeichert;
    E.Einlesen();

    // Leaving a cell: "0" empties it, a decimal comma shows two decimals.
    E.tabNachweis.SelectKey("B");
    E.tabNachweis_Click();
    for (auto [text, soll] : {std::pair{"0", ""}, std::pair{"0,2", "0.20"}, std::pair{" 0.125", "0.13"}}) {
        E.Zelle_GotFocus(E.txtBtU[3]);
        E.txtBtU[3].setText(text);
        E.Zelle_LostFocus(E.txtBtU[3]);
        EXPECT_EQ(Ohne(E.txtBtU[3].Text()), soll);
    }
    // Enter in the last input cell of a row goes to the next row's code.
    std::int16_t taste = 13;
    E.Zelle_KeyDown(E.txtBtTi[3], taste, 0);
    EXPECT_EQ(E.Tabellen[1]->Fokuszelle(), &E.txtBtC[4]);
    E.tabNachweis.SelectKey("W");
    E.tabNachweis_Click();
    taste = 13;
    E.Zelle_KeyDown(E.txtWbPsi[0], taste, 0);
    EXPECT_EQ(E.Tabellen[2]->Fokuszelle(), &E.txtWbC[1]);
}

// The picker's lists, what taking an entry writes, and Esc.
TEST_F(NachweisEB, Codeauswahl) {
    z.BauteilAnlegen(3, 0.2, "Wand");
    z.BauteilAnlegen(12, 0.3, "Dach");
    Bauteil(0, {"A2", "", "", "0.2", "", "20"});
    E.Zelle_GotFocus(E.txtBtC[0]);
    EXPECT_TRUE(E.cmdCode.Visible());
    E.cmdCode_MouseDown();
    const auto& liste = E.lstCode.List();
    ASSERT_EQ(liste.size(), 29u); // 22 codes and a separator after each of the letters A to G
    EXPECT_EQ(liste[0], "A1 - Dach gegen Aussenluft");
    EXPECT_EQ(liste[4], "");
    EXPECT_EQ(E.lstCode.ListEntry(E.lstCode.ListIndex()), "A2 - Dach gegen unbeheizte Räume oder Erdreich");
    E.lstCode.setListIndex(6); // B2
    E.lstCode_DblClick();
    EXPECT_EQ(E.txtBtC[0].Text(), "B2");
    EXPECT_FALSE(E.lstCode.Visible());
    // The separator empties the cell.
    E.Zelle_GotFocus(E.txtBtC[0]);
    E.cmdCode_MouseDown();
    E.lstCode.setListIndex(4);
    E.lstCode_KeyUp(13);
    EXPECT_EQ(E.txtBtC[0].Text(), "");

    // Numbers of components, none of windows; Esc changes nothing.
    E.Zelle_GotFocus(E.txtBtNr[0]);
    E.cmdCode_MouseDown();
    EXPECT_EQ(E.lstCode.List(), (std::vector<std::string>{"  3  Wand", "12  Dach"}));
    EXPECT_EQ(E.lstCode.ListIndex(), -1);
    E.lstCode.setListIndex(1);
    E.lstCode_KeyUp(27);
    EXPECT_EQ(E.txtBtNr[0].Text(), "");
    E.ZelleSetzen(E.txtBtC[0], "D1");
    E.Zelle_GotFocus(E.txtBtNr[0]);
    E.cmdCode_MouseDown();
    EXPECT_TRUE(E.lstCode.List().empty());
    E.lstCode_LostFocus();

    E.tabNachweis.SelectKey("W");
    E.tabNachweis_Click();
    E.Zelle_GotFocus(E.txtWbC[0]);
    E.cmdCode_MouseDown();
    EXPECT_EQ(E.lstCode.ListCount(), 5);
    EXPECT_EQ(E.lstCode.ListEntry(3), "L5 - Fensteranschlag");
    EXPECT_EQ(E.CodeListeZeilen(), 6);
}

// The limit list in its groups and orders, rebuilt whole each time.
TEST_F(NachweisEB, Grenzwertliste) {
    auto zeilen = [&] { return E.lvwGrenzwerte.ListItems(); };
    auto finden = [&](const std::string& code) -> const ListView::Zeile* {
        for (const auto& z : E.lvwGrenzwerte.ListItems())
            if (z.Text(0) == code) return &z;
        return nullptr;
    };
    E.optGrNeubau_Click();
    ASSERT_EQ(zeilen().size(), 22u + 9u + 9u); // codes, the four groups' heads and the end, the bridges
    EXPECT_EQ(zeilen()[1].Text(3), "Bauteile gegen Aussenluft");
    EXPECT_EQ(zeilen()[2].Text(0), "A1");
    EXPECT_EQ(zeilen()[10].Text(3), "Bauteile gegen unbeheizte Räume oder Erdreich");
    EXPECT_EQ(finden("B5")->Text(3), "- Storenkasten");
    EXPECT_EQ(finden("A1")->Text(1), "0.17");
    EXPECT_EQ(finden("A1")->Text(2), "0.10");
    EXPECT_EQ(finden("L5")->Text(3), "- Fensteranschlag");
    EXPECT_EQ(finden("L4"), nullptr);
    EXPECT_EQ(E.lvwGrenzwerte.ColumnHeaders().size(), 4u);

    E.optGrUmbau_Click();
    EXPECT_EQ(finden("A1u")->Text(1), "0.25");
    E.optGrOhneWb_Click();
    EXPECT_EQ(zeilen().size(), 22u + 9u);
    EXPECT_EQ(finden("B2*")->Text(2), "");
    EXPECT_EQ(finden("L1"), nullptr);

    E.cmdGrZiSortierung_Click();
    E.optGrNeubau_Click();
    ASSERT_EQ(zeilen().size(), 22u + 13u + 9u);
    EXPECT_EQ(zeilen()[1].Text(3), "Dach");
    EXPECT_EQ(zeilen()[2].Text(0), "A1");
    EXPECT_EQ(zeilen()[8].Text(0), "B1");
    EXPECT_EQ(finden("B6")->Text(3), "- gegen unbeheizte Räume oder Erdreich (Storenkasten)");
    E.cmdGrZiSortierung_Click();
    EXPECT_EQ(zeilen().size(), 22u + 9u + 9u);
    EXPECT_EQ(E.lvwGrenzwerte.ColumnHeaders().size(), 4u);
}

// The designation of a component row follows the kind of item its code
// names under the number: one filled from the item gives way to the new
// item's (also after store and load), one the engineer typed stays.
TEST_F(NachweisEB, BezeichnungFolgtDemElement) {
    z.BauteilAnlegen(1, 0.15, "Flachdach Klassentrakt");
    z.FensterAnlegen(1, 0.9, 0.5, 0.7, "Fenster Süd");
    z.BauteilAnlegen(2, 0.2, "Wand Turnhalle");
    // One row per case: the cells typed and the designation each leaves;
    // a null cell stores the rows and loads them again.
    struct Schritt {
        Steuerelementfeld<TextBox>* feld;
        const char* text;
        const char* bez;
    };
    const std::vector<std::vector<Schritt>> fälle = {
        {{&E.txtBtNr, "1", "Flachdach Klassentrakt"}, {&E.txtBtC, "D1u", "Fenster Süd"},
         {&E.txtBtC, "A1", "Flachdach Klassentrakt"}},
        {{&E.txtBtBez, "Oberlicht", "Oberlicht"}, {&E.txtBtNr, "1", "Oberlicht"}, {&E.txtBtC, "D1u", "Oberlicht"}},
        // A window row takes no designation; the same kind or another number keeps it.
        {{&E.txtBtC, "D1", ""}, {&E.txtBtNr, "1", ""}, {&E.txtBtC, "B1", "Flachdach Klassentrakt"},
         {&E.txtBtC, "A1", "Flachdach Klassentrakt"}, {&E.txtBtNr, "2", "Flachdach Klassentrakt"}},
        {{&E.txtBtNr, "1", "Flachdach Klassentrakt"}, {nullptr, "", "Flachdach Klassentrakt"},
         {&E.txtBtC, "D1u", "Fenster Süd"}},
    };
    bool fehlgeschlagen = true;
    for (std::size_t k = 0; k < fälle.size(); ++k) {
        const int r = static_cast<int>(k);
        E.ZelleSetzen(E.txtBtTi[r], "20");
        for (const Schritt& s : fälle[k]) {
            SCOPED_TRACE(std::to_string(k) + ": " + s.text);
            if (!s.feld) {
                E.Speichern(fehlgeschlagen);
                E.Einlesen();
                continue;
            }
            // A key in the cell ends the display of an earlier fault (a code
            // typed before its number has no U-value yet).
            TextBox& zelle = (*s.feld)[r];
            std::int16_t taste = 'A';
            E.Zelle_GotFocus(zelle);
            E.Zelle_KeyDown(zelle, taste, 0);
            zelle.setText(s.text);
            E.Zelle_LostFocus(zelle);
            EXPECT_EQ(E.txtBtBez[r].Text(), s.bez);
        }
    }
    EXPECT_FALSE(E.BauteileNachweisen()) << Eingabefehler.Text;
    // A row stored with the component's name under a window code is mended.
    E.ZelleSetzen(E.txtBtBez[3], "Flachdach Klassentrakt");
    E.Speichern(fehlgeschlagen);
    E.Einlesen();
    EXPECT_EQ(E.txtBtBez[3].Text(), "Fenster Süd");
}

// Printing with a faulty row brings its page to the front and shows the
// fault on the tinted cell; the window stores its rows when it closes and,
// while it is open, before the project is saved.
TEST_F(NachweisEB, FehleranzeigeSchliessenUndSpeichern) {
    int gedruckt = 0;
    E.DruckenAnzeigen = [&] { ++gedruckt; };
    FarbMeldungen meldungen;
    Plattform::Dienste d = Plattform::Aktuell();
    d.meldungen = &meldungen;
    Plattform::DiensteSetzen gesetzt(d);
    meldungen.Beobachtet = &E.txtWbC[0];
    Brücke(0, {"L9", "", "", "0.1"});
    E.tabNachweis.SelectKey("A");
    E.tabNachweis_Click();
    E.cmdDrucken_Click();
    EXPECT_EQ(gedruckt, 0);
    EXPECT_EQ(E.tabNachweis.SelectedKey(), "W");
    EXPECT_EQ(E.AktuelleTabelle, 2);
    ASSERT_EQ(meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(meldungen.Nr(0).Text, "Ungültiger Code");
    EXPECT_EQ(meldungen.Farben, std::vector<Farbe>{FarbeFehler});
    EXPECT_EQ(E.txtWbC[0].BackColor(), FarbeFenster);
    EXPECT_EQ(E.Tabellen[2]->Fokuszelle(), &E.txtWbC[0]);
    EXPECT_TRUE(E.FehlerAngezeigt);
    // Until a key is pressed, leaving a cell runs no rules.
    E.Zelle_LostFocus(E.txtWbC[0]);
    EXPECT_EQ(meldungen.Gezeigt.size(), 1u);

    E.ZelleSetzen(E.txtWbC[0], "L1");
    E.cmdDrucken_Click();
    EXPECT_EQ(gedruckt, 1);
    EXPECT_EQ(Global::Projekt.PGetColl("EBWb")->Anzahl(), 1);

    // Closed, the window leaves a save alone; open, it stores first.
    E.ZelleSetzen(E.txtWbC[1], "L2");
    E.VorDemSpeichern();
    EXPECT_EQ(Global::Projekt.PGetColl("EBWb")->Anzahl(), 1);
    E.Form_Activate();
    E.VorDemSpeichern();
    EXPECT_EQ(Global::Projekt.PGetColl("EBWb")->Anzahl(), 2);
    // The close box stores and hides; the end of the program goes ahead.
    E.ZelleSetzen(E.txtWbC[2], "L3");
    EXPECT_FALSE(E.Form_QueryUnload(1));
    EXPECT_EQ(Global::Projekt.PGetColl("EBWb")->Anzahl(), 2);
    EXPECT_TRUE(E.Form_QueryUnload(0));
    EXPECT_FALSE(E.Visible);
    EXPECT_EQ(Global::Projekt.PGetColl("EBWb")->Anzahl(), 3);
}

} // namespace

// The save question of File > New (as of Open, Close and the end of the
// program) saves what the open window shows; the new project then empties it.
TEST(NachweisEBSpeichern, SpeicherfrageNimmtOffenenNachweis) {
    Testhilfe::Befehlsfenster w;
    frmNachweisEB& E = Global::frmNachweisEB;
    w.F.NachweisEBEinlesen = [&] { E.Einlesen(); };
    w.F.NachweisEBSpeichern = [&] { E.VorDemSpeichern(); };
    w.Projektangaben();
    const std::string datei = w.Pfad("Nachweis.zirvo9");
    ASSERT_EQ(w.P.ProjektSpeichern(datei), 0);
    E.Einlesen();
    E.Form_Activate();
    E.ZelleSetzen(E.txtWbC[0], "L1");
    E.ZelleSetzen(E.txtWbPsi[0], 0.2);
    w.M.Antworten = {Plattform::Antwort::Ja};
    w.F.mnuDateiNeu_Click();
    EXPECT_EQ(E.txtWbC[0].Text(), "");
    Projekt gespeichert;
    ASSERT_EQ(gespeichert.ProjektEinlesen(datei), 0);
    ASSERT_TRUE(gespeichert.PGetColl("EBWb"));
    EXPECT_EQ(gespeichert.PGetColl("EBWb")->Koll(1)->Text(1), "L1");
    EXPECT_EQ(gespeichert.PGetColl("EBWb")->Koll(1)->Zahl(4), 0.2);
    E.Visible = false;
    Global::Projekt = Projekt();
    E.Einlesen();
}

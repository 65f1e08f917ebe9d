// The main window's frame without a screen: placement and its repairs, the
// aligned regions and the pane rectangles, title strips and help context,
// showing tables in the panes, the splitter, switching zones, the grids as
// built at start, and the cells' common handlers.
#include "frame/Initialisierung.h"
#include "frame/basZIRVOFehler.h"
#include "frame/frmZIRVO3801Start.h"
#include "mainwindow/frmZIRVO3801.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include <string>
#include <vector>

namespace {

using Testhilfe::Zonenprojekt;

// A loaded window with its grids, laid out in a known inner area: tool
// bars 600 and 450 high, status bar 300, title strips 300, tables 12000 wide.
struct Fenster {
    Initialisierung gesichert = Global::Initialisierung;
    Zonenprojekt z;
    frmZIRVO3801& f = z.F;

    explicit Fenster(std::int32_t breite = 18000, std::int32_t höhe = 12000) {
        Global::Initialisierung = ::Initialisierung();
        f.ScreenWidth = 19200;
        f.ScreenHeight = 12000;
        f.Form_Load();
        f.TabelleInitialisieren();
        f.tbrToolbar1.Move(0, 0, 0, 600);
        f.tbrToolbar2.Move(0, 0, 0, 450);
        f.sbrStatusbar.Move(0, 0, 0, 300);
        f.picHilfe.Move(0, 0, 3000, 0);
        for (int i = 0; i < 2; ++i) f.picTitel[i].Move(0, 0, 0, 300);
        f.picTrennZeiger.Move(0, 0, 0, 60);
        f.Tabellenbreite = 12000;
        Bemessen(breite, höhe);
    }
    ~Fenster() {
        f.AktivePane = 0;
        f.Aufteilung = 0;
        f.PaneTabelle = {0, 0};
        f.FehlerAnzeigeFehlgeschlagen = false;
        f.FensterAnwenden = nullptr;
        f.FokusSetzen = nullptr;
        f.InfoThema.clear();
        for (auto& t : f.Tabellen)
            if (t) t->setVisible(false);
        Global::Initialisierung = gesichert;
    }
    void Bemessen(std::int32_t breite, std::int32_t höhe) {
        f.ScaleWidth = breite;
        f.ScaleHeight = höhe;
        f.Form_Resize();
    }
    KollektionZeiger Gespeichert(const char* schlüssel) { return z.P.ZGetColl(schlüssel); }
};

} // namespace

TEST(Fenster, PlatzierungMitReparaturen) {
    Fenster w;
    frmZIRVO3801& f = w.f;
    Initialisierung& ini = Global::Initialisierung;
    // The desktop keeps what it is asked, but never more than 30000 twips wide.
    int angewandt = 0;
    f.FensterAnwenden = [&] {
        ++angewandt;
        f.Width = std::min<std::int32_t>(f.Width, 30000);
    };

    // Nothing saved: top left, the screen's width and 90 % of its height.
    ini = ::Initialisierung();
    f.Fensterposition(true);
    EXPECT_EQ(angewandt, 1);
    EXPECT_EQ(f.Left, 0);
    EXPECT_EQ(f.Top, 0);
    EXPECT_EQ(f.Width, 19200);
    EXPECT_EQ(f.Height, 10800);
    EXPECT_EQ(ini.WinWidth, 19200);
    EXPECT_EQ(ini.WinHeight, 10800);
    EXPECT_FALSE(ini.WinMax);

    // Left of -61 or beyond the screen width less 240 goes back to 0; -60
    // and exactly the limit stay. The same for the top with 360.
    struct Fall {
        std::int16_t links, oben;
        std::int32_t sollLinks, sollOben;
    };
    for (const Fall& fall : {Fall{-61, -60, 0, -60}, Fall{-60, -61, -60, 0}, Fall{18960, 11640, 18960, 11640},
                             Fall{18961, 11641, 0, 0}}) {
        ini.WinLeft = fall.links;
        ini.WinTop = fall.oben;
        ini.WinWidth = 9000;
        ini.WinHeight = 6000;
        ini.WinMax = false;
        f.Fensterposition(true);
        EXPECT_EQ(f.Left, fall.sollLinks) << fall.links;
        EXPECT_EQ(f.Top, fall.sollOben) << fall.oben;
        EXPECT_EQ(f.Width, 9000);
        // The repaired values are what is kept.
        EXPECT_EQ(ini.WinLeft, fall.sollLinks);
        EXPECT_EQ(ini.WinTop, fall.sollOben);
    }

    // Width and height are not limited by the program; the desktop's answer is kept.
    ini.WinLeft = 0;
    ini.WinWidth = 32000;
    f.Fensterposition(true);
    EXPECT_EQ(ini.WinWidth, 30000);

    // Maximised: restored maximised; the normal placement stays stored.
    ini.WinLeft = 150;
    ini.WinTop = 300;
    ini.WinWidth = 9000;
    ini.WinHeight = 6000;
    ini.WinMax = true;
    f.Fensterposition(true);
    EXPECT_EQ(f.WindowState, 2);
    f.Left = -60;
    f.Width = 19500;
    f.Fensterposition(false);
    EXPECT_EQ(ini.WinLeft, 150);
    EXPECT_EQ(ini.WinWidth, 9000);
    EXPECT_TRUE(ini.WinMax);
    // Minimised at the end: the numbers stay, not maximised.
    f.WindowState = 1;
    f.Fensterposition(false);
    EXPECT_EQ(ini.WinLeft, 150);
    EXPECT_FALSE(ini.WinMax);
    // Normal: the placement is stored, also a width beyond 16 bits (a
    // window wider than 2184 pixels).
    f.WindowState = 0;
    f.Left = 450;
    f.Top = 600;
    f.Width = 40000;
    f.Height = 7000;
    f.Fensterposition(false);
    EXPECT_EQ(ini.WinLeft, 450);
    EXPECT_EQ(ini.WinTop, 600);
    EXPECT_EQ(ini.WinWidth, 40000);
    EXPECT_EQ(ini.WinHeight, 7000);
    EXPECT_EQ(angewandt, 7);
}

// On a wide screen (two of 2560 pixels) the window on the right half comes
// back where it was, not at its default place.
TEST(Fenster, PlatzierungJenseits2184Pixeln) {
    Fenster w;
    frmZIRVO3801& f = w.f;
    Initialisierung& ini = Global::Initialisierung;
    f.FensterAnwenden = [] {};
    f.ScreenWidth = 2 * 2560 * 15;
    f.ScreenHeight = 1440 * 15;
    for (const std::array<std::int32_t, 4>& lage : {std::array<std::int32_t, 4>{38400, 0, 38400, 21000},
                                                    std::array<std::int32_t, 4>{32760, 300, 32761, 9000},
                                                    std::array<std::int32_t, 4>{60, 60, 76500, 21000}}) {
        ini = ::Initialisierung();
        f.WindowState = 0;
        f.Left = lage[0];
        f.Top = lage[1];
        f.Width = lage[2];
        f.Height = lage[3];
        f.Fensterposition(false);
        f.Left = f.Top = f.Width = f.Height = 0;
        f.Fensterposition(true);
        EXPECT_EQ(f.Left, lage[0]);
        EXPECT_EQ(f.Top, lage[1]);
        EXPECT_EQ(f.Width, lage[2]);
        EXPECT_EQ(f.Height, lage[3]);
    }
}

TEST(Fenster, BereicheUndPaneRechtecke) {
    Fenster w;
    frmZIRVO3801& f = w.f;
    // Tool bars on top, the status bar at the bottom, the help panel right.
    EXPECT_EQ(f.tbrToolbar2.Top(), 600);
    EXPECT_EQ(f.sbrStatusbar.Top(), 12000 - 300);
    EXPECT_EQ(f.picHilfe.Width(), 18000 / 5); // a fifth until the user drags the strip
    EXPECT_EQ(f.picHilfe.Left(), 18000 - f.picHilfe.Width());
    EXPECT_EQ(f.picHilfe.Top(), 1050);
    EXPECT_EQ(f.picHilfe.Height(), 12000 - 1050 - 300);
    EXPECT_EQ(f.picTrHilfe.Left(), f.picHilfe.Left() - 90);
    EXPECT_EQ(f.PaneFläche, (std::array<std::int32_t, 4>{0, 1050, 18000 - 3600 - 90, 10650}));
    EXPECT_EQ(f.PaneHöhe[0], 10650);
    EXPECT_EQ(f.PaneHöhe[1], 0);

    // Dragging the strip (x in the inner area) sets the width, kept in the
    // settings; it stops where the panes or the panel would become unusable.
    struct Zug {
        double x;
        std::int32_t breite;
    };
    for (const Zug& z : {Zug{12000, 18000 - 12000 - 45}, Zug{100, 18000 - 90 - 4500}, Zug{17990, 1500}}) {
        f.picTrHilfe_MouseDown();
        f.picTrHilfe_MouseMove(z.x);
        f.picTrHilfe_MouseUp(z.x);
        EXPECT_EQ(f.picHilfe.Width(), z.breite) << z.x;
        EXPECT_EQ(Global::Initialisierung.HilfeBreite, z.breite) << z.x;
        EXPECT_EQ(f.PaneFläche[2], 18000 - 90 - z.breite) << z.x;
    }
    f.picTrHilfe_MouseMove(9000); // the button is up: nothing moves
    EXPECT_EQ(f.picHilfe.Width(), 1500);

    // A narrow window keeps the panes usable first, then the panel.
    Global::Initialisierung.HilfeBreite = 6000;
    w.Bemessen(10000, 12000);
    EXPECT_EQ(f.picHilfe.Width(), 10000 - 90 - 4500);
    w.Bemessen(5000, 12000);
    EXPECT_EQ(f.picHilfe.Width(), 1500);
    EXPECT_EQ(f.PaneFläche[2], 5000 - 90 - 1500);
    Global::Initialisierung.HilfeBreite = 0;

    // Panes narrower than the tables: a bar at the bottom of the pane area
    // scrolls the table sideways, as far as its last column and no farther.
    f.hsbPanes.Move(0, 0, 0, 250);
    f.PaneTabelle[0] = TabelleA;
    w.Bemessen(10000, 12000); // panes 10000 - 2000 - 90 = 7910 wide
    const PictureBox& a = *f.Tabellen[static_cast<std::size_t>(f.TabelleIndex(TabelleA))]->getTab();
    EXPECT_TRUE(f.hsbPanes.Visible());
    EXPECT_EQ(f.hsbPanes.Top(), 12000 - 300 - 250);
    EXPECT_EQ(f.hsbPanes.Width(), 7910);
    EXPECT_EQ(f.PaneFläche[3], 10650 - 250);
    EXPECT_EQ(f.PaneVersatzMax(), 12000 - 7910);
    for (std::int32_t wert : {1000, 99999, -5}) {
        f.hsbPanes_Change(wert);
        const std::int32_t soll = std::clamp<std::int32_t>(wert, 0, 12000 - 7910);
        EXPECT_EQ(f.PaneVersatz, soll) << wert;
        EXPECT_EQ(a.Left(), -soll) << wert;
        EXPECT_EQ(a.Width(), 12000) << wert;
        // The rows' scroll bar stays in what the pane shows.
        EXPECT_EQ(f.Tabellen[static_cast<std::size_t>(f.TabelleIndex(TabelleA))]->SichtbarBis(), soll + 7910) << wert;
    }
    f.hsbPanes_Change(1000);
    w.Bemessen(18000, 12000); // wide enough again: no bar, no offset
    EXPECT_FALSE(f.hsbPanes.Visible());
    EXPECT_EQ(f.PaneVersatz, 0);
    EXPECT_EQ(a.Left(), 0);
    EXPECT_EQ(f.Tabellen[static_cast<std::size_t>(f.TabelleIndex(TabelleA))]->SichtbarBis(), 0);
    EXPECT_EQ(f.PaneFläche[3], 10650);
    f.PaneTabelle[0] = 0;

    // Two panes; the lower pane's height rounds halves to the even number.
    f.Aufteilung = 0.5;
    w.Bemessen(18000, 1050 + 1001 + 300);
    EXPECT_EQ(f.PaneHöhe[0], 500);
    EXPECT_EQ(f.PaneHöhe[1], 501);
    EXPECT_EQ(f.PaneOben[1], 1050);
    EXPECT_EQ(f.PaneOben[0], 1050 + 501);
    w.Bemessen(18000, 1050 + 1003 + 300);
    EXPECT_EQ(f.PaneHöhe[0], 502);

    // Without tool bars, status bar and help panel the panes fill the window.
    const std::int32_t hilfe = f.picHilfe.Width();
    Global::Initialisierung.KeineSymbolleiste = true;
    Global::Initialisierung.KeineStatusleiste = true;
    Global::Initialisierung.KeinHilfeAssistent = true;
    f.Form_Load();
    EXPECT_FALSE(f.tbrToolbar1.Visible());
    EXPECT_FALSE(f.tbrToolbar2.Visible());
    EXPECT_FALSE(f.picTrHilfe.Visible());
    EXPECT_EQ(f.Aufteilung, 0);
    w.Bemessen(18000, 12000);
    EXPECT_EQ(f.PaneFläche, (std::array<std::int32_t, 4>{0, 0, 18000, 12000}));
    EXPECT_EQ(f.picHilfe.Width(), hilfe); // left alone while hidden

    // The version notice: 40 below both tool bars, 400 by 400.
    f.NeuereVersionAnzeigen("Hinweis:");
    EXPECT_TRUE(f.lblNeuereVersionVorhanden.Visible());
    EXPECT_EQ(f.lblNeuereVersionVorhanden.Caption(), "Hinweis:");
    EXPECT_EQ(f.lblNeuereVersionLage[1], 600 + 450 + 40);
    EXPECT_EQ(f.lblNeuereVersionLage[2], 400);
}

TEST(Fenster, TabellenInDenPanes) {
    Fenster w;
    frmZIRVO3801& f = w.f;
    // Zone > EBF: the table in the lower pane under its title strip, and
    // its help topic in the panel.
    f.TabelleAnzeigen(TabelleEBF);
    EXPECT_EQ(f.InfoThema, "EBF");
    EXPECT_EQ(f.PaneTabelle, (std::array<std::int16_t, 2>{1, 0}));
    EXPECT_TRUE(f.Tabellen[1]->getVisible());
    EXPECT_TRUE(f.picTitel[0].Visible());
    EXPECT_FALSE(f.picTitel[1].Visible());
    EXPECT_EQ(f.picTitel[0].Text(), "Energiebezugsfläche");
    EXPECT_TRUE(f.picTitel[0].Aktiv());
    EXPECT_EQ(f.picEBF.Top(), 1050 + 300);
    EXPECT_EQ(f.picEBF.Height(), 10650 - 300);
    EXPECT_EQ(f.HelpContextID, 3010);
    EXPECT_EQ(f.Tabellen[1]->Fokuszelle(), &f.txtEBFBez[0]);

    // Another table in the same pane: the one shown before is stored first.
    w.z.Zeile(1, 0, {"EG", "100", "2.5"});
    f.TabelleAnzeigen(TabelleA);
    EXPECT_EQ(f.PaneTabelle[0], 2);
    EXPECT_FALSE(f.Tabellen[1]->getVisible());
    ASSERT_TRUE(w.Gespeichert("Ah_"));
    EXPECT_EQ(w.Gespeichert("Ah_")->Koll(1)->Text(1), "EG");
    EXPECT_EQ(f.HelpContextID, 3020);
    // Table 0: the active pane's table is stored, help context "none".
    w.z.Zeile(2, 0, {"D", "Dach", "50"});
    f.TabelleAnzeigen(0);
    ASSERT_TRUE(w.Gespeichert("A_"));
    EXPECT_EQ(w.Gespeichert("A_")->Anzahl(), 1);
    EXPECT_EQ(f.HelpContextID, 1000);

    // Double click on the lower strip: the upper pane opens empty.
    f.picTitel_DblClick(0);
    EXPECT_EQ(f.Aufteilung, 0.5);
    EXPECT_FALSE(f.picTitel[1].Visible());
    EXPECT_EQ(f.AktivePane, 0);
    // A click on the window outside the tables: the upper pane is active.
    f.Form_Click();
    EXPECT_EQ(f.AktivePane, 1);
    f.TabelleAnzeigen(TabelleF);
    EXPECT_EQ(f.PaneTabelle, (std::array<std::int16_t, 2>{2, 4}));
    EXPECT_TRUE(f.picTitel[1].Aktiv());
    EXPECT_FALSE(f.picTitel[0].Aktiv());
    EXPECT_EQ(f.picF.Top(), 1050 + 300);
    EXPECT_EQ(f.HelpContextID, 3050);
    EXPECT_EQ(f.InfoThema, "F");
    // A table already shown only makes its pane the active one.
    w.z.Zeile(2, 1, {"W", "ungespeichert"});
    f.TabelleAnzeigen(TabelleA);
    EXPECT_EQ(f.AktivePane, 0);
    EXPECT_EQ(f.txtDaBez[1].Text(), "ungespeichert");
    EXPECT_EQ(f.HelpContextID, 3020);
    // Clicking the inactive pane's table activates it; the active one's does nothing.
    f.picDa_Click();
    EXPECT_EQ(f.AktivePane, 0);
    f.picF_Click();
    EXPECT_EQ(f.AktivePane, 1);
    EXPECT_EQ(f.Tabellen[4]->Fokuszelle(), &f.txtFC[0]);
    f.picEBF_Click(); // not in a pane
    EXPECT_EQ(f.AktivePane, 1);

    // The splitter: the bar follows the pointer inside the area only.
    f.picTitel_MouseDown(0, 75);
    EXPECT_TRUE(f.picTrennZeiger.Visible());
    EXPECT_EQ(f.ZiehStart, 75);
    EXPECT_EQ(f.AktivePane, 0); // the strip's pane became active
    f.picTitel_MouseMove(0, -f.picTitel[0].Top() + 1050 + 10);
    EXPECT_EQ(f.picTrennZeiger.Top(), 1050 + 10 - 2);
    EXPECT_EQ(f.picTrennZeiger.Left(), 3);
    EXPECT_EQ(f.picTrennZeiger.Width(), f.PaneFläche[2] - 6);
    f.picTitel_MouseMove(0, -f.picTitel[0].Top() + 1050 - 1);
    EXPECT_EQ(f.picTrennZeiger.Top(), 1050 + 10 - 2);

    // Typed in the upper pane, then the border dragged to less than 60 below
    // the area's top: the upper pane closes, its text is stored and the
    // lower pane is the active one.
    f.Form_Click();
    f.TabelleAnzeigen(TabelleF);
    ASSERT_EQ(f.AktivePane, 1);
    w.z.Zeile(4, 0, {"F", "Fenster Süd", "12"});
    f.picTitel_MouseDown(0, 75);
    f.Form_Click(); // the attention back on the upper pane before the drag ends
    ASSERT_EQ(f.AktivePane, 1);
    f.picTitel_MouseUp(0, 75 - (f.picTitel[0].Top() - 1050) + 59);
    EXPECT_FALSE(f.picTrennZeiger.Visible());
    EXPECT_EQ(f.Aufteilung, 0);
    EXPECT_EQ(f.PaneTabelle, (std::array<std::int16_t, 2>{2, 0}));
    EXPECT_EQ(f.AktivePane, 0);
    EXPECT_FALSE(f.Tabellen[4]->getVisible());
    EXPECT_FALSE(f.picTitel[1].Visible());
    ASSERT_TRUE(w.Gespeichert("F_"));
    EXPECT_EQ(w.Gespeichert("F_")->Koll(1)->Text(2), "Fenster Süd");
    EXPECT_EQ(f.Tabellen[2]->Fokuszelle(), &f.txtDaC[0]);

    // Released 60 or more below the top: the share as dragged.
    f.picTitel_MouseDown(0, 75);
    f.picTitel_MouseUp(0, 75 - f.picTitel[0].Top() + 1050 + 2130);
    EXPECT_DOUBLE_EQ(f.Aufteilung, 2130.0 / 10650.0);
    EXPECT_EQ(f.PaneHöhe[1], 2130);
    // Released near the bottom: the lower pane keeps 60.
    f.picTitel_MouseDown(0, 75);
    f.picTitel_MouseUp(0, 75 - f.picTitel[0].Top() + 1050 + 10650 - 10);
    EXPECT_EQ(f.PaneHöhe[0], 60);
    // The upper strip is no splitter.
    const double a = f.Aufteilung;
    f.picTitel_MouseDown(1, 75);
    f.picTitel_MouseUp(1, 5000);
    f.picTitel_DblClick(1);
    EXPECT_EQ(f.Aufteilung, a);
    f.picTitel_DblClick(0);
    EXPECT_EQ(f.Aufteilung, 0);

    // A strip higher than the pane area is hidden.
    w.Bemessen(18000, 1050 + 200 + 300);
    EXPECT_FALSE(f.picTitel[0].Visible());
    w.Bemessen(18000, 12000);
    EXPECT_TRUE(f.picTitel[0].Visible());

    // The active pane's table is computed or stored; an empty pane does neither.
    f.Aufteilung = 0.5;
    f.PanesAnzeigen();
    f.Form_Click();
    EXPECT_FALSE(f.PaneSpeichern());
    EXPECT_FALSE(f.PaneBerechnen());
}

TEST(Fenster, ZweiZonen) {
    Fenster w;
    frmZIRVO3801& f = w.f;
    Projekt& p = w.z.P;
    p.ZSetStr("Wohnen", "Bez");
    p.ZSetStr("W", "Code");
    const std::int16_t büro = w.z.ZoneHinzufügen("B");
    p.SetNZone(büro);
    p.ZSetStr("Büro", "Bez");
    auto zeile = Kollektion::Neu();
    zeile->Hinzufügen(std::string("Büro"));
    zeile->Hinzufügen(80.0);
    auto tabelle = Kollektion::Neu();
    tabelle->Hinzufügen(zeile);
    p.ZSetColl(std::move(tabelle), "Ah_");
    p.SetNZone(0);

    // The zone button becomes a drop-down with one entry per zone.
    f.ZonenListeAktualisieren();
    auto* n = f.tbrToolbar2.Knopf("N");
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->Style(), frmZIRVO3801::Symbolknopf::tbrDropdown);
    ASSERT_EQ(n->ButtonMenus().size(), 2u);
    EXPECT_EQ(n->ButtonMenus()[0]->Caption(), "Wohnen [W]");
    EXPECT_EQ(n->ButtonMenus()[1]->Caption(), "Büro [B]");
    EXPECT_EQ(p.GetNZone(), 0);
    f.tbrToolbar2_ButtonDropDown();
    EXPECT_FALSE(n->ButtonMenus()[0]->Enabled());
    EXPECT_TRUE(n->ButtonMenus()[1]->Enabled());

    // With two zones the strip names the zone.
    f.TabelleAnzeigen(TabelleEBF);
    EXPECT_EQ(f.picTitel[0].Text(), "Wohnen  :  Energiebezugsfläche");
    w.z.Zeile(1, 0, {"Wohnung", "120"});
    // The other zone's entry: the shown table is stored, the zone loaded.
    f.tbrToolbar2_ButtonMenuClick(2);
    EXPECT_EQ(p.GetNZone(), 1);
    EXPECT_EQ(f.txtEBFBez[0].Text(), "Büro");
    EXPECT_EQ(f.picTitel[0].Text(), "Büro  :  Energiebezugsfläche");
    p.SetNZone(0);
    ASSERT_TRUE(w.Gespeichert("Ah_"));
    EXPECT_EQ(w.Gespeichert("Ah_")->Koll(1)->Text(1), "Wohnung");
    p.SetNZone(1);
    f.tbrToolbar2_ButtonDropDown();
    EXPECT_TRUE(n->ButtonMenus()[0]->Enabled());
    EXPECT_FALSE(n->ButtonMenus()[1]->Enabled());
    // The current zone again: nothing, not even the tables' text, changes.
    f.txtEBFBez[0].setText("nicht gespeichert");
    f.ZoneWechseln(1);
    EXPECT_EQ(f.txtEBFBez[0].Text(), "nicht gespeichert");

    // One zone: a plain button without entries.
    p.SetNZone(1);
    ASSERT_EQ(p.ZoneLöschen(), 0);
    p.SetNZone(0);
    f.ZonenListeAktualisieren();
    EXPECT_EQ(n->Style(), frmZIRVO3801::Symbolknopf::tbrDefault);
    EXPECT_TRUE(n->ButtonMenus().empty());
}

TEST(Fenster, RasterWieBeimStart) {
    Fenster w;
    frmZIRVO3801& f = w.f;
    Global::frmZIRVO3801Start.Entladen();
    Global::frmZIRVO3801Start.Laden();
    f.TabelleInitialisieren();
    EXPECT_EQ(Global::frmZIRVO3801Start.lblStartZähler.Caption(), "4");
    Global::frmZIRVO3801Start.Entladen();

    struct Erwartet {
        PictureBox* box;
        vb6CCVScrollBar* balken;
        std::int16_t zeilen, spalten, grössteSpalte;
        std::size_t labels, totals;
    };
    const Erwartet erwartet[4] = {{&f.picEBF, &f.sbrEBFVScroll, 30, 4, 2, 7, 3},
                                  {&f.picDa, &f.sbrDaVScroll, 50, 7, 6, 30, 0},
                                  {&f.picDu, &f.sbrDuVScroll, 50, 10, 9, 33, 0},
                                  {&f.picF, &f.sbrFVScroll, 50, 12, 11, 35, 0}};
    for (std::int16_t t = 1; t <= 4; ++t) {
        const Erwartet& e = erwartet[t - 1];
        const EingabeTabelle& g = *f.Tabellen[static_cast<std::size_t>(t)];
        EXPECT_EQ(g.KeyNr, t);
        EXPECT_EQ(g.EingabeZeilen, e.zeilen);
        EXPECT_EQ(g.getTab(), e.box);
        EXPECT_EQ(g.VScrollbar(), e.balken);
        EXPECT_EQ(g.Zellen().size(), static_cast<std::size_t>(e.zeilen * e.spalten)) << t;
        EXPECT_EQ(g.GrössteSpalte(), e.grössteSpalte);
        EXPECT_EQ(g.Labels().size(), e.labels) << t;
        std::size_t totals = 0;
        for (const auto& l : g.Labels()) totals += l.Total ? 1 : 0;
        EXPECT_EQ(totals, e.totals) << t;
        // Tab order row by row, in column order.
        for (std::size_t i = 0; i < g.Zellen().size(); ++i) EXPECT_EQ(g.Zellen()[i].TabIndex, static_cast<int>(i));
        EXPECT_FALSE(g.getVisible());
        EXPECT_EQ(f.TabelleIndex(t), t);
    }
    EXPECT_EQ(f.TabelleIndex(0), 0);
    EXPECT_EQ(f.Tabellen[4]->ZelleBei(49, 11), &f.txtFFS23[49]);
    EXPECT_EQ(f.Tabellen[3]->ZelleBei(7, 9), &f.txtDuTin[7]);
    // The computed area is no key column and not typed.
    EXPECT_EQ(f.Tabellen[1]->ZelleVon(f.txtEBFAh[3])->Spalte, -1);
    EXPECT_TRUE(f.txtEBFAh[3].Locked());
    EXPECT_EQ(f.Tabellen[1]->Labels().back().Steuerelement, &f.lblEBFTotAh);
    EXPECT_EQ(f.lblF[20].Caption(), "fS2,3\n[-]");
    EXPECT_EQ(f.lblDu[17].Caption(), "θin / Zone\n[°C] / [-]");
    std::int16_t erste = 0, sichtbar = 0, zeilen = 0;
    f.TabelleEigenschaften(1, erste, sichtbar, zeilen);
    EXPECT_EQ(zeilen, 30);
}

TEST(Fenster, MenüsUndSymbolleisten) {
    Fenster w;
    frmZIRVO3801& f = w.f;
    EXPECT_EQ(f.Caption, "Bauphysik ZIRVO 380/1");
    EXPECT_EQ(f.HelpContextID, 1000);
    auto menüs = f.Menüleiste();
    std::vector<std::string> köpfe;
    for (const auto& m : menüs) köpfe.push_back(m.Kopf->Caption());
    EXPECT_EQ(köpfe, (std::vector<std::string>{"&Datei", "&Bearbeiten", "&Projekt", "&Zone", "&Nachweis", "&Tabellen",
                                               "E&xtras", "&?"}));
    std::vector<std::string> zone;
    for (const Menüeintrag* e : menüs[3].Einträge) zone.push_back(e->Caption());
    EXPECT_EQ(zone, (std::vector<std::string>{"Energiebezugsfläche", "-", "Gebäudehülle gegen Aussenluft",
                                              "Gebäudehülle gegen unbeheizte Räume/Erdreich",
                                              "Gebäudehülle Fenster und Türen", "-", "Lüftung", "Wärmeeinträge", "-",
                                              "Heizwärmebedarf"}));
    // File: 9 fixed places, the separator above the recent entries, 10 recent, separator, Exit.
    ASSERT_EQ(menüs[0].Einträge.size(), 10u + 10u + 2u);
    EXPECT_EQ(menüs[0].Einträge[9], &f.mnuDateiTrLP);
    EXPECT_EQ(menüs[0].Einträge.back()->Caption(), "&Beenden");
    EXPECT_EQ(f.mnuHilfeF1.Caption(), "&Hilfe");

    auto keys = [](const frmZIRVO3801::Symbolleiste& l) {
        std::string s;
        for (const auto& b : l.Buttons) s += (b->Style() == frmZIRVO3801::Symbolknopf::tbrSeparator ? "|" : b->Key) + " ";
        return s;
    };
    EXPECT_EQ(keys(f.tbrToolbar1), "New Open Save | Print OK | B T ");
    EXPECT_EQ(keys(f.tbrToolbar2), "P N | B | E A U F | L G | Q ");
    auto* t = f.tbrToolbar1.Knopf("T");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Style(), frmZIRVO3801::Symbolknopf::tbrDropdown);
    ASSERT_EQ(t->ButtonMenus().size(), 2u);
    EXPECT_EQ(t->ButtonMenus()[0]->Tag(), "S");
    EXPECT_EQ(t->ButtonMenus()[0]->Caption(), "Gebäudekategorien und Standardnutzungen");
    EXPECT_EQ(f.tbrToolbar2.Knopf("F")->ToolTipText(), "Gebäudehülle: Fenster und Türen");
    EXPECT_EQ(f.tbrToolbar1.Knopf("OK")->Caption(), "Testen");

    // Each button follows the enabled state of its menu entry.
    f.mnuDateiSpeichern.setEnabled(false);
    f.mnuZoneL.setEnabled(false);
    f.SymbolleistenAbgleichen();
    EXPECT_FALSE(f.tbrToolbar1.Knopf("Save")->Enabled());
    EXPECT_FALSE(f.tbrToolbar2.Knopf("L")->Enabled());
    f.mnuDateiSpeichern.setEnabled(true);
    f.SymbolleistenAbgleichen();
    EXPECT_TRUE(f.tbrToolbar1.Knopf("Save")->Enabled());
}

TEST(Fenster, GemeinsameZellenHandler) {
    Fenster w;
    frmZIRVO3801& f = w.f;
    f.TabelleAnzeigen(TabelleEBF);

    // Entering a cell of the shown table makes it the current one.
    f.ZelleGotFocus(f.txtEBFFl[2]);
    EXPECT_EQ(f.Tabellen[1]->AktuelleZelle(), &f.txtEBFFl[2]);

    // Leaving formats by the cell's format and recomputes the table.
    f.txtEBFFl[2].setText("80,25");
    f.txtEBFhG[2].setText("2.5");
    f.ZelleLostFocus(f.txtEBFFl[2]);
    EXPECT_EQ(f.txtEBFFl[2].Text(), "        80.3");
    EXPECT_EQ(f.lblEBFTotAh0.Caption(), "        80.3");
    // A number too wide for the cell stays the number typed, shown whole,
    // and is what the table stores.
    f.txtEBFFl[2].setText("123456789");
    f.ZelleLostFocus(f.txtEBFFl[2]);
    EXPECT_EQ(f.txtEBFFl[2].Text(), "123456789.0");
    EXPECT_EQ(f.lblEBFTotAh0.Caption(), "123456789.0");
    EXPECT_DOUBLE_EQ(w.z.P.ZGetNum("EBF0"), 123456789.0);
    f.TabelleSpeichern(TabelleEBF);
    ASSERT_TRUE(w.Gespeichert("Ah_"));
    EXPECT_DOUBLE_EQ(w.Gespeichert("Ah_")->Koll(3)->Zahl(2), 123456789.0);
    // "0" and a text that is no number empty the cell.
    f.txtEBFFl[2].setText("0");
    f.ZelleLostFocus(f.txtEBFFl[2]);
    EXPECT_EQ(f.txtEBFFl[2].Text(), "");
    EXPECT_EQ(f.lblEBFTotAh0.Caption(), "          0.0");
    f.txtEBFFl[2].setText("abc");
    f.ZelleLostFocus(f.txtEBFFl[2]);
    EXPECT_EQ(f.txtEBFFl[2].Text(), "");
    f.txtEBFBez[2].setText("  EG  ");
    f.ZelleLostFocus(f.txtEBFBez[2]);
    EXPECT_EQ(f.txtEBFBez[2].Text(), "  EG");

    // While the last error display failed, entering and leaving do nothing.
    f.FehlerAnzeigeFehlgeschlagen = true;
    f.txtEBFFl[1].setText("5");
    f.ZelleLostFocus(f.txtEBFFl[1]);
    EXPECT_EQ(f.txtEBFFl[1].Text(), "5");
    f.ZelleGotFocus(f.txtEBFFl[1]);
    EXPECT_EQ(f.Tabellen[1]->AktuelleZelle(), &f.txtEBFFl[2]);
    f.FehlerAnzeigeFehlgeschlagen = false;

    // Keys go to the active pane's grid; the computed column is passed over.
    std::int16_t code = Tastencode::vbKeyReturn, shift = 0;
    EXPECT_EQ(f.ZelleKeyDown(f.txtEBFhG[0], code, shift), 1);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(f.Tabellen[1]->Fokuszelle(), &f.txtEBFBez[1]);
    code = 'A';
    EXPECT_EQ(f.ZelleKeyDown(f.txtEBFBez[1], code, shift), 0);
    EXPECT_EQ(code, 'A');

    // A cell of the other pane turns the attention to that pane.
    f.picTitel_DblClick(0);
    f.ZelleGotFocus(f.txtDaC[0]);
    EXPECT_EQ(f.AktivePane, 1);
    EXPECT_TRUE(f.picTitel[1].Aktiv());

    // Upper case for typed letters only.
    for (auto [ein, aus] : std::vector<std::pair<int, int>>{
             {'n', 'N'}, {'N', 'N'}, {'5', '5'}, {',', ','}, {0xE4, 0xC4}, {0xF7, 0xF7}, {0xDF, 0xDF}, {8, 8}}) {
        std::int16_t k = static_cast<std::int16_t>(ein);
        frmZIRVO3801::TasteGross(k);
        EXPECT_EQ(k, aus) << ein;
    }

    // The display of numbers by format.
    const Feldformat z42 = Feldformat::Dekodieren("z42");
    EXPECT_EQ(frmZIRVO3801::Zellanzeige(z42, "3.14159"), "  3.14");
    EXPECT_EQ(frmZIRVO3801::Zellanzeige(z42, "99.994"), "99.99");
    EXPECT_EQ(frmZIRVO3801::Zellanzeige(z42, "100"), "100.00");
    EXPECT_EQ(frmZIRVO3801::Zellanzeige(z42, -12345.678), "-12345.68");
    EXPECT_EQ(frmZIRVO3801::Zellanzeige(Feldformat::Dekodieren("z20"), 7.0), "  7");
    EXPECT_EQ(frmZIRVO3801::Zellanzeige(Feldformat::Dekodieren("z20"), 123.0), "123");
    EXPECT_EQ(frmZIRVO3801::Labelanzeige(Feldformat::Dekodieren("z51"), 0.0), "      0.0");
    EXPECT_EQ(frmZIRVO3801::Labelanzeige(Feldformat::Dekodieren("z51"), 123456.0), "123456.0");
}

#include "frame/EingabeTabelle.h"
#include "frame/vb6CCVScrollBar.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

using namespace Tastencode;

namespace {

// A grid as the owners build one: three columns reached by the keys and a
// computed fourth column outside the key order, a caption and a total label.
// Design: box 1200 high, first row at 600, cells 283 high, so a row takes 285.
struct Raster {
    PictureBox pic{"picTab"};
    Steuerelementfeld<TextBox> txtA, txtB, txtC, txtD;
    Label lblKopf{"lblKopf"}, lblTot{"lblTot"};
    TextBox leer{"leer"};
    vb6CCVScrollBar sbr{"sbrVScroll"};
    EingabeTabelle tab;
    int fokusMeldungen = 0, anzeigeMeldungen = 0;

    explicit Raster(std::int16_t zeilen = 30, bool lückeBei5 = false)
        : txtA("txtA", zeilen), txtB("txtB", zeilen), txtC("txtC", zeilen), txtD("txtD", zeilen) {
        tab.KeyNr = 1;
        tab.Titel = "Energiebezugsfläche";
        tab.setTab(pic);
        tab.setTabelleZeilen(zeilen > 0 ? txtA[0] : leer, zeilen);
        tab.setLabel(lblKopf, false);
        tab.setLabel(lblTot, true);
        for (std::int16_t r = 0; r < zeilen; ++r) {
            tab.setTabText(txtA[r], r, 0);
            if (!(lückeBei5 && r == 5)) tab.setTabText(txtB[r], r, 1);
            tab.setTabText(txtC[r], r, 2);
            tab.setTabText(txtD[r], r, -1);
        }
        tab.setVScrollbar(sbr);
        tab.SetTabIndex();
        tab.setEntwurf({1200, 600, 283});
        sbr.Change.verbinden([this] { tab.VScrollChange(); });
        sbr.Scroll.verbinden([this] { tab.VScrollChange(); });
        tab.beobachten([this](EingabeTabelle::Meldung m) {
            if (m == EingabeTabelle::Meldung::Fokus) ++fokusMeldungen;
            else ++anzeigeMeldungen;
        });
    }
    // Height for n visible rows.
    static std::int32_t Höhe(int n) { return 1200 + (n - 1) * 285 + 100; }
    bool Taste(std::int16_t taste, std::int16_t shift, std::int16_t zeile, std::int16_t spalte,
               std::int16_t* rest = nullptr) {
        std::int16_t code = taste;
        bool genommen = tab.KeyDown(code, shift, zeile, spalte);
        if (rest) *rest = code;
        return genommen;
    }
    std::vector<int> SichtbareZeilen() const {
        std::vector<int> z;
        for (int r = 0; r < txtA.Anzahl(); ++r)
            if (txtA[r].Visible()) z.push_back(r);
        return z;
    }
};

std::vector<int> Bereich(int von, int bis) {
    std::vector<int> v;
    for (int i = von; i <= bis; ++i) v.push_back(i);
    return v;
}

} // namespace

TEST(EingabeTabelle, ZeilenrechnungUndLayout) {
    Raster g;
    EXPECT_EQ(g.tab.EingabeZeilen, 30);
    EXPECT_EQ(g.tab.LetzteZeile(), 29);
    EXPECT_EQ(g.tab.GrössteSpalte(), 2);
    EXPECT_EQ(g.tab.Zeilenabstand(), 285);
    EXPECT_EQ(g.tab.KleinsteHöhe(), 1220);
    EXPECT_EQ(g.tab.GrössteHöhe(), 285 * 29 + 1200);

    // 30 rows of which 10 fit: (3800 + 20 - 1220) \ 285 + 1 = 10.
    g.tab.Move(100, 200, 5000, 3800);
    EXPECT_EQ(g.pic.Left(), 100);
    EXPECT_EQ(g.pic.Top(), 200);
    EXPECT_EQ(g.pic.Width(), 5000);
    EXPECT_EQ(g.pic.Height(), 3800);
    EXPECT_EQ(g.tab.ZeilenSichtbar, 10);
    EXPECT_EQ(g.tab.ZeilenErste, 0);
    EXPECT_EQ(g.SichtbareZeilen(), Bereich(0, 9));
    EXPECT_TRUE(g.txtD[9].Visible());
    EXPECT_FALSE(g.txtD[10].Visible());
    EXPECT_EQ(g.tab.ZeileOben(0), 600);
    EXPECT_EQ(g.tab.ZeileOben(9), 600 + 9 * 285);
    EXPECT_TRUE(g.sbr.Visible());
    EXPECT_EQ(g.sbr.Max(), 20);
    EXPECT_EQ(g.sbr.Min(), 0);
    EXPECT_EQ(g.sbr.Value(), 0);
    EXPECT_EQ(g.sbr.Height(), 285 * 10 - 2);
    EXPECT_EQ(g.tab.Rahmenhöhe(), 3794);
    EXPECT_EQ(g.tab.Verschiebung(), 3794 - 1194); // the totals row follows the lower edge

    // Height 0 changes nothing.
    int vorher = g.anzeigeMeldungen;
    g.tab.Move(0, 0, 0, 0);
    EXPECT_EQ(g.pic.Height(), 3800);
    EXPECT_EQ(g.tab.ZeilenSichtbar, 10);
    EXPECT_EQ(g.tab.Rahmenhöhe(), 3794);
    EXPECT_EQ(g.anzeigeMeldungen, vorher);
    g.tab.Move(0, 0, 5000, -5);
    EXPECT_EQ(g.pic.Height(), 3800);

    // Above the largest height: the frame stops at the largest height - 6,
    // the box takes the requested size, all rows fit, the bar goes.
    g.tab.Move(0, 0, 5000, 20000);
    EXPECT_EQ(g.pic.Height(), 20000);
    EXPECT_EQ(g.tab.Rahmenhöhe(), g.tab.GrössteHöhe() - 6);
    EXPECT_EQ(g.tab.Verschiebung(), 29 * 285);
    EXPECT_EQ(g.tab.ZeilenSichtbar, 30);
    EXPECT_FALSE(g.sbr.Visible());
    EXPECT_EQ(g.SichtbareZeilen(), Bereich(0, 29));

    // Below the smallest height: one row, no bar, frame at the smallest height.
    g.tab.Move(0, 0, 5000, 500);
    EXPECT_EQ(g.pic.Height(), 500);
    EXPECT_EQ(g.tab.ZeilenSichtbar, 1);
    EXPECT_EQ(g.tab.Rahmenhöhe(), 1214);
    EXPECT_FALSE(g.sbr.Visible());
    EXPECT_EQ(g.SichtbareZeilen(), std::vector<int>{0});

    // Exactly two rows show the bar with Max 28.
    g.tab.Move(0, 0, 5000, 1200 + 285);
    EXPECT_EQ(g.tab.ZeilenSichtbar, 2);
    EXPECT_TRUE(g.sbr.Visible());
    EXPECT_EQ(g.sbr.Max(), 28);
    // One twip less: one row, bar hidden.
    g.tab.Move(0, 0, 5000, 1200 + 284);
    EXPECT_EQ(g.tab.ZeilenSichtbar, 1);
    EXPECT_FALSE(g.sbr.Visible());
}

TEST(EingabeTabelle, ErsteZeileBleibtUndWirdNurZurückgeholt) {
    Raster g;
    g.tab.Move(0, 0, 5000, Raster::Höhe(10));
    g.sbr.Gescrollt(20);
    EXPECT_EQ(g.tab.ZeilenErste, 20);
    EXPECT_EQ(g.SichtbareZeilen(), Bereich(20, 29));
    EXPECT_EQ(g.tab.ZeileOben(20), 600);
    EXPECT_EQ(g.tab.ZeileOben(25), 600 + 5 * 285);

    // Growing pulls the first row back so the last page stays full.
    g.tab.Move(0, 0, 5000, Raster::Höhe(15));
    EXPECT_EQ(g.tab.ZeilenErste, 15);
    EXPECT_EQ(g.sbr.Max(), 15);
    EXPECT_EQ(g.sbr.Value(), 15);
    EXPECT_EQ(g.SichtbareZeilen(), Bereich(15, 29));

    // Shrinking keeps it.
    g.tab.Move(0, 0, 5000, Raster::Höhe(5));
    EXPECT_EQ(g.tab.ZeilenErste, 15);
    EXPECT_EQ(g.sbr.Max(), 25);
    EXPECT_EQ(g.sbr.Value(), 15);
    EXPECT_EQ(g.SichtbareZeilen(), Bereich(15, 19));

    // All rows fit: first row 0, bar hidden.
    g.tab.Move(0, 0, 5000, Raster::Höhe(30));
    EXPECT_EQ(g.tab.ZeilenErste, 0);
    EXPECT_FALSE(g.sbr.Visible());

    // A table of a single row and one of none lay out without trouble.
    Raster eins(1);
    eins.tab.Move(0, 0, 5000, 4000);
    EXPECT_EQ(eins.tab.ZeilenSichtbar, 1);
    EXPECT_EQ(eins.tab.ZeilenErste, 0);
    EXPECT_FALSE(eins.sbr.Visible());
    Raster keine(0);
    keine.tab.Move(0, 0, 5000, 4000);
    EXPECT_EQ(keine.tab.ZeilenSichtbar, 0);
    EXPECT_EQ(keine.tab.ZeilenErste, 0);
    std::int16_t code = vbKeyTab;
    EXPECT_TRUE(keine.tab.KeyDown(code, 0, 0, 0));
    EXPECT_EQ(keine.tab.Fokuszelle(), nullptr);
}

TEST(EingabeTabelle, NavigationInnenUndAnDenRändern) {
    Raster g;
    g.tab.Move(0, 0, 5000, Raster::Höhe(30));
    std::int16_t rest = -1;

    // Enter walks the key columns 0..2, skips the computed column and wraps
    // to column 0 of the next row.
    EXPECT_TRUE(g.Taste(vbKeyReturn, 0, 0, 0, &rest));
    EXPECT_EQ(rest, 0);
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtB[0]);
    g.Taste(vbKeyReturn, 0, 0, 1);
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtC[0]);
    g.Taste(vbKeyReturn, 0, 0, 2);
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtA[1]);
    // From the computed column (-1) Enter goes to column 0 of the row.
    g.Taste(vbKeyReturn, 0, 4, -1);
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtA[4]);
    // Shift+Enter walks back and wraps to the last key column of the row above.
    g.Taste(vbKeyReturn, vbShiftMask, 1, 0);
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtC[0]);
    g.Taste(vbKeyReturn, vbShiftMask, 0, 2);
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtB[0]);

    // Edges: taken, KeyCode 0, the focus stays.
    int meldungen = g.fokusMeldungen;
    EXPECT_TRUE(g.Taste(vbKeyReturn, vbShiftMask, 0, 0, &rest));
    EXPECT_EQ(rest, 0);
    EXPECT_TRUE(g.Taste(vbKeyReturn, 0, 29, 2, &rest));
    EXPECT_EQ(rest, 0);
    EXPECT_TRUE(g.Taste(vbKeyTab, vbShiftMask, 0, 1));
    EXPECT_TRUE(g.Taste(vbKeyTab, 0, 29, 1));
    EXPECT_TRUE(g.Taste(vbKeyUp, vbShiftMask, 0, 1));
    EXPECT_TRUE(g.Taste(vbKeyDown, vbShiftMask, 29, 1));
    EXPECT_TRUE(g.Taste(vbKeyLeft, vbShiftMask, 3, 0));
    EXPECT_TRUE(g.Taste(vbKeyRight, vbShiftMask, 3, 2));
    EXPECT_EQ(g.fokusMeldungen, meldungen);
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtB[0]);

    // Tab and Shift+Tab move down and up in the same column.
    g.Taste(vbKeyTab, 0, 3, 1);
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtB[4]);
    g.Taste(vbKeyTab, vbShiftMask, 3, 2);
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtC[2]);
    // Shift with the arrow keys moves one cell that way.
    g.Taste(vbKeyDown, vbShiftMask, 7, 0);
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtA[8]);
    g.Taste(vbKeyUp, vbShiftMask, 7, 0);
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtA[6]);
    g.Taste(vbKeyRight, vbShiftMask, 7, 0);
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtB[7]);
    g.Taste(vbKeyLeft, vbShiftMask, 6, 2);
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtB[6]);

    // Without Shift the arrow keys stay with the text box.
    EXPECT_FALSE(g.Taste(vbKeyUp, 0, 5, 0, &rest));
    EXPECT_EQ(rest, vbKeyUp);
    EXPECT_FALSE(g.Taste(vbKeyDown, 0, 5, 0, &rest));
    EXPECT_EQ(rest, vbKeyDown);
    EXPECT_FALSE(g.Taste(vbKeyLeft, 0, 5, 0));
    EXPECT_FALSE(g.Taste(vbKeyRight, 0, 5, 0));
    // Shift with Ctrl counts as no Shift: Tab goes down, the arrow is not taken.
    g.Taste(vbKeyTab, vbShiftMask | vbCtrlMask, 5, 0);
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtA[6]);
    EXPECT_FALSE(g.Taste(vbKeyDown, vbShiftMask | vbAltMask, 5, 0));
    // Other keys are not taken.
    EXPECT_FALSE(g.Taste(65, 0, 5, 0, &rest));
    EXPECT_EQ(rest, 65);
    EXPECT_FALSE(g.Taste(vbKeyReturn + 100, vbShiftMask, 5, 0));

    // A disabled target keeps the focus where it is.
    g.txtB[11].setEnabled(false);
    meldungen = g.fokusMeldungen;
    EXPECT_TRUE(g.Taste(vbKeyTab, 0, 10, 1));
    EXPECT_EQ(g.fokusMeldungen, meldungen);
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtA[6]);
}

TEST(EingabeTabelle, FehlendeZelleSchlucktDieTaste) {
    Raster g(30, true); // row 5 has no cell in column 1
    g.tab.Move(0, 0, 5000, Raster::Höhe(30));
    g.Taste(vbKeyReturn, 0, 0, 0);
    ASSERT_EQ(g.tab.Fokuszelle(), &g.txtB[0]);
    std::int16_t rest = -1;
    EXPECT_TRUE(g.Taste(vbKeyRight, vbShiftMask, 5, 0, &rest));
    EXPECT_EQ(rest, 0);
    EXPECT_TRUE(g.Taste(vbKeyTab, 0, 4, 1));
    EXPECT_TRUE(g.Taste(vbKeyReturn, 0, 5, 0));
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtB[0]);
}

TEST(EingabeTabelle, NavigationRolltDieZeilen) {
    Raster g;
    g.tab.Move(0, 0, 5000, Raster::Höhe(10));
    ASSERT_EQ(g.tab.ZeilenSichtbar, 10);
    // Tab from row 9 makes row 10 the last visible row.
    g.Taste(vbKeyTab, 0, 9, 1);
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtB[10]);
    EXPECT_EQ(g.tab.ZeilenErste, 1);
    EXPECT_EQ(g.sbr.Value(), 1);
    EXPECT_EQ(g.SichtbareZeilen(), Bereich(1, 10));
    EXPECT_EQ(g.tab.ZeileOben(10), 600 + 9 * 285);
    // Enter from the last column of row 10 goes to row 11, scrolled in.
    g.Taste(vbKeyReturn, 0, 10, 2);
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtA[11]);
    EXPECT_EQ(g.tab.ZeilenErste, 2);
    // Moving inside the window does not scroll.
    g.Taste(vbKeyUp, vbShiftMask, 8, 0);
    EXPECT_EQ(g.tab.ZeilenErste, 2);
    // Up past the first visible row makes the target the first row.
    g.Taste(vbKeyTab, vbShiftMask, 2, 0);
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtA[1]);
    EXPECT_EQ(g.tab.ZeilenErste, 1);
    EXPECT_EQ(g.sbr.Value(), 1);
    EXPECT_TRUE(g.txtA[1].Visible());
    EXPECT_FALSE(g.txtA[11].Visible());
}

TEST(EingabeTabelle, TabSetFocusRolltDieAktuelleZelleInSicht) {
    Raster g;
    g.tab.Move(0, 0, 5000, Raster::Höhe(10));
    // No current cell: the first cell gets the focus.
    g.tab.TabSetFocus();
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtA[0]);

    g.tab.TabSetTextBox(g.txtC[25]);
    EXPECT_EQ(g.tab.AktuelleZelle(), &g.txtC[25]);
    g.tab.TabSetFocus();
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtC[25]);
    EXPECT_EQ(g.tab.ZeilenErste, 16);
    EXPECT_TRUE(g.txtC[25].Visible());
    EXPECT_EQ(g.sbr.Value(), 16);

    // A current cell that cannot take the focus: the first cell, scrolled in.
    g.txtC[25].setEnabled(false);
    g.tab.TabSetFocus();
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtA[0]);
    EXPECT_EQ(g.tab.ZeilenErste, 0);

    // A current cell of no grid, and no cells at all, do no harm.
    TextBox fremd("fremd");
    g.tab.TabSetTextBox(fremd);
    g.tab.TabSetFocus();
    EXPECT_EQ(g.tab.Fokuszelle(), &fremd);
    fremd.setEnabled(false);
    g.tab.TabSetFocus();
    EXPECT_EQ(g.tab.Fokuszelle(), &g.txtA[0]);
    EXPECT_FALSE(g.tab.IsMember(fremd));
    EingabeTabelle leer;
    leer.TabSetFocus();
    EXPECT_EQ(leer.Fokuszelle(), nullptr);
}

TEST(EingabeTabelle, RollbalkenBewegtDieZeilen) {
    Raster g;
    g.tab.Move(0, 0, 5000, Raster::Höhe(10));
    // Page of the bar: height 2848 over rows of 195 gives 14 rows, a large step of 13.
    EXPECT_EQ(g.sbr.LargeChange(), 13);
    g.sbr.Gescrollt(1);
    EXPECT_EQ(g.tab.ZeilenErste, 1);
    EXPECT_EQ(g.SichtbareZeilen(), Bereich(1, 10));
    g.sbr.Gescrollt(14);
    EXPECT_EQ(g.tab.ZeilenErste, 14);
    g.sbr.Gescrollt(20);
    EXPECT_EQ(g.tab.ZeilenErste, 20);
    EXPECT_EQ(g.SichtbareZeilen(), Bereich(20, 29));
    g.sbr.Gescrollt(500); // beyond the end stops at the end
    EXPECT_EQ(g.tab.ZeilenErste, 20);
    g.sbr.Gescrollt(0);
    EXPECT_EQ(g.tab.ZeilenErste, 0);

    // VScrollChange with the bar where the rows are changes nothing.
    int vorher = g.anzeigeMeldungen;
    g.tab.VScrollChange();
    EXPECT_EQ(g.anzeigeMeldungen, vorher);
}

TEST(EingabeTabelle, MitgliederSichtbarkeitUndTabfolge) {
    Raster g;
    EXPECT_TRUE(g.tab.IsMember(g.txtA[0]));
    EXPECT_TRUE(g.tab.IsMember(g.txtD[29]));
    EXPECT_TRUE(g.tab.IsMember(g.sbr));
    EXPECT_TRUE(g.tab.IsMemberUC(g.sbr));
    EXPECT_FALSE(g.tab.IsMember(g.lblTot));
    EXPECT_FALSE(g.tab.IsMember(g.pic));
    vb6CCVScrollBar anderer;
    EXPECT_FALSE(g.tab.IsMemberUC(anderer));
    EXPECT_FALSE(g.tab.IsMember(anderer));

    EXPECT_EQ(g.tab.getTab(), &g.pic);
    EXPECT_FALSE(g.tab.getVisible());
    g.tab.setVisible(true);
    EXPECT_TRUE(g.tab.getVisible());
    EXPECT_TRUE(g.pic.Visible());
    g.tab.setVisible(false);
    EXPECT_FALSE(g.tab.getVisible());
    EXPECT_FALSE(g.pic.Visible());

    ASSERT_EQ(g.tab.Zellen().size(), 120u);
    for (std::size_t i = 0; i < g.tab.Zellen().size(); ++i)
        EXPECT_EQ(g.tab.Zellen()[i].TabIndex, static_cast<std::int32_t>(i));
    EXPECT_EQ(g.tab.Zellen()[5].Steuerelement, &g.txtB[1]);
    EXPECT_EQ(g.tab.ZelleVon(g.txtD[3])->Spalte, -1);
    EXPECT_EQ(g.tab.ZelleBei(3, 2), &g.txtC[3]);
    EXPECT_EQ(g.tab.ZelleBei(3, -1), &g.txtD[3]);
    EXPECT_EQ(g.tab.ZelleBei(30, 0), nullptr);
    ASSERT_EQ(g.tab.Labels().size(), 2u);
    EXPECT_FALSE(g.tab.Labels()[0].Total);
    EXPECT_TRUE(g.tab.Labels()[1].Total);
    EXPECT_EQ(g.tab.ErsteZelle(), &g.txtA[0]);
}

TEST(EingabeTabelle, EntwurfSpäterLegtNeuAus) {
    // The view may measure its cells after the owner placed the grid.
    PictureBox pic;
    Steuerelementfeld<TextBox> txt("txt", 20);
    EingabeTabelle tab;
    tab.setTab(pic);
    tab.setTabelleZeilen(txt[0], 20);
    for (std::int16_t r = 0; r < 20; ++r) tab.setTabText(txt[r], r, 0);
    tab.Move(0, 0, 3000, 3000);
    tab.setEntwurf({900, 300, 298}); // rows of 300
    EXPECT_EQ(tab.ZeilenSichtbar, (3000 + 20 - 920) / 300 + 1);
    EXPECT_TRUE(txt[7].Visible());
    EXPECT_FALSE(txt[8].Visible());
}

TEST(vb6CCVScrollBar, WertUndRichtung) {
    vb6CCVScrollBar b;
    b.setMin(0);
    b.setMax(0);
    EXPECT_FALSE(b.Enabled());
    EXPECT_EQ(b.Value(), 0);
    EXPECT_EQ(b.Positionen(), 1);
    EXPECT_EQ(b.SmallChange(), 1);

    b.setMax(20);
    EXPECT_TRUE(b.Enabled());
    EXPECT_EQ(b.Positionen(), 21);
    b.setValue(7);
    EXPECT_EQ(b.Value(), 7);
    EXPECT_EQ(b.Position(), 7);
    b.setValue(99);
    EXPECT_EQ(b.Value(), 20);
    b.setValue(-4);
    EXPECT_EQ(b.Value(), 0);

    // Reversed: Min 10, Max 0 reads 10 at the top and falls going down.
    vb6CCVScrollBar r;
    r.setMin(10);
    r.setMax(0);
    EXPECT_EQ(r.Positionen(), 11);
    EXPECT_EQ(r.Value(), 10);
    r.Gescrollt(1);
    EXPECT_EQ(r.Value(), 9);
    r.setValue(7);
    EXPECT_EQ(r.Position(), 3);
    EXPECT_EQ(r.Value(), 7);
    r.setValue(-50);
    EXPECT_EQ(r.Position(), 10);
    EXPECT_EQ(r.Value(), 0);

    // Negative ranges.
    vb6CCVScrollBar n;
    n.setMin(-5);
    n.setMax(5);
    EXPECT_EQ(n.Value(), -5);
    n.setValue(2);
    EXPECT_EQ(n.Position(), 7);

    // Clear empties and disables, keeping Min and Max.
    b.Clear();
    EXPECT_FALSE(b.Enabled());
    EXPECT_EQ(b.Positionen(), 1);
    EXPECT_EQ(b.Value(), 0);
    EXPECT_EQ(b.Max(), 20);
    b.setMax(20);
    EXPECT_TRUE(b.Enabled());
    EXPECT_EQ(b.Positionen(), 21);

    // The widest range neither overflows nor hangs.
    vb6CCVScrollBar w;
    w.setMin(INT32_MIN);
    w.setMax(INT32_MAX);
    EXPECT_EQ(w.Positionen(), INT32_MAX);
    w.setValue(INT32_MAX);
    EXPECT_EQ(w.Position(), INT32_MAX - 1);
    EXPECT_EQ(w.Value(), -2);
}

TEST(vb6CCVScrollBar, ChangeUndScroll) {
    vb6CCVScrollBar b;
    b.setZeilenhöhe(200);
    b.setHeight(1000); // five rows a page, a large step of 4
    EXPECT_EQ(b.ZeilenJeSeite(), 5);
    EXPECT_EQ(b.LargeChange(), 4);
    b.setMax(30);
    std::vector<std::string> ereignisse;
    std::vector<std::int32_t> werte;
    b.Change.verbinden([&] { ereignisse.push_back("Change"); werte.push_back(b.Value()); });
    b.Scroll.verbinden([&] { ereignisse.push_back("Scroll"); werte.push_back(b.Value()); });

    b.Gescrollt(1);  // arrow: one small step
    b.Gescrollt(5);  // page: one large step
    b.Gescrollt(12); // thumb dragged by 7
    b.Gescrollt(11); // one up
    b.Gescrollt(11); // no move, no event
    b.Gescrollt(99); // to the end: 19 rows
    EXPECT_EQ((std::vector<std::string>{"Change", "Change", "Scroll", "Change", "Scroll"}), ereignisse);
    EXPECT_EQ((std::vector<std::int32_t>{1, 5, 12, 11, 30}), werte);

    // Setting Value from the program raises nothing.
    ereignisse.clear();
    b.setValue(3);
    EXPECT_TRUE(ereignisse.empty());

    // Lowering Max below the value: the bar moves to the new Max and raises
    // one event once the positions have shrunk.
    b.setValue(25);
    ereignisse.clear();
    werte.clear();
    std::int32_t positionenImEreignis = 0;
    int id = b.Scroll.verbinden([&] { positionenImEreignis = b.Positionen(); });
    b.setMax(10);
    EXPECT_EQ(b.Value(), 10);
    EXPECT_EQ(ereignisse, std::vector<std::string>{"Scroll"});
    EXPECT_EQ(werte, std::vector<std::int32_t>{10});
    EXPECT_EQ(positionenImEreignis, 11);
    b.Scroll.trennen(id);
    // A step of exactly one is a Change.
    b.setMax(9);
    EXPECT_EQ(ereignisse.back(), "Change");
    // Raising Max leaves the value alone and raises nothing.
    ereignisse.clear();
    b.setMax(40);
    EXPECT_EQ(b.Value(), 9);
    EXPECT_TRUE(ereignisse.empty());
    // Max equal to Min empties the bar without an event.
    b.setMax(0);
    EXPECT_FALSE(b.Enabled());
    EXPECT_EQ(b.Value(), 0);
    EXPECT_TRUE(ereignisse.empty());
}

TEST(vb6CCVScrollBar, SeiteUndGrosserSchritt) {
    vb6CCVScrollBar b;
    EXPECT_EQ(b.LargeChange(), 1);
    b.setZeilenhöhe(195);
    b.setHeight(2848);
    EXPECT_EQ(b.ZeilenJeSeite(), 14);
    EXPECT_EQ(b.LargeChange(), 13);
    // A bar lower than one row has no page and a large step of 0, not less.
    b.setHeight(100);
    EXPECT_EQ(b.ZeilenJeSeite(), 0);
    EXPECT_EQ(b.LargeChange(), 0);
    // Asking for a large step sets the page to one more row.
    b.setMax(50);
    b.setValue(20);
    b.setLargeChange(6);
    EXPECT_EQ(b.LargeChange(), 6);
    EXPECT_EQ(b.ZeilenJeSeite(), 7);
    EXPECT_EQ(b.Max(), 50);
    EXPECT_EQ(b.Value(), 20);
    b.setLargeChange(-3);
    EXPECT_EQ(b.LargeChange(), 0);
    // Move places the bar in its container.
    b.Move(10, 20, 255, 3000);
    EXPECT_EQ(b.Left(), 10);
    EXPECT_EQ(b.Top(), 20);
    EXPECT_EQ(b.Width(), 255);
    EXPECT_EQ(b.Height(), 3000);
    EXPECT_EQ(b.LargeChange(), 14);

    // An observer hears of every change, so a view can follow.
    int meldungen = 0;
    b.beobachten([&](const Steuerelement&) { ++meldungen; });
    b.setValue(21);
    b.Gescrollt(22);
    b.setMax(60);
    EXPECT_EQ(meldungen, 3);
}

// The main window on the screen: the two panes and the splitter between
// them, opened, dragged and closed with the mouse.
#include "tests/mainwindow/qt/Hauptfenstertest.h"

#include "frame/qt/EingabeTabelleWidget.h"

using namespace Hauptfenstertest;

namespace {

// A double click as the desktop delivers it: press, release, double click,
// release, all at one point of the screen. Between them the strip moves
// under the pointer (the panes are laid out anew), so each event's position
// in the strip is taken afresh from that point.
void Doppelklick(QWidget* streifen, int y) {
    const QPointF global = streifen->mapToGlobal(QPointF(streifen->width() / 2.0, y));
    for (QEvent::Type art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                             QEvent::MouseButtonRelease}) {
        const bool los = art == QEvent::MouseButtonRelease;
        QMouseEvent e(art, streifen->mapFromGlobal(global), global, Qt::LeftButton,
                      los ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(streifen, &e);
        QApplication::processEvents();
    }
}

} // namespace

TEST_F(Hauptfenster, PanesTeilenUndSchliessen) {
    ASSERT_TRUE(starten(Beispiel()));
    frmZIRVO3801Ansicht& f = *fenster;
    Menü(m.mnuZoneA);
    QWidget* unten = f.Titel(0);
    const int ganz = f.Tabelle(2)->height();

    // A double click on the lower strip opens the upper pane at half the height.
    Maus(unten, QEvent::MouseButtonPress, 5);
    Maus(unten, QEvent::MouseButtonRelease, 5);
    Maus(unten, QEvent::MouseButtonDblClick, 5);
    Maus(unten, QEvent::MouseButtonRelease, 5);
    EXPECT_DOUBLE_EQ(m.Aufteilung, 0.5);
    EXPECT_FALSE(f.Titel(1)->isVisible()); // empty until a table is chosen for it
    EXPECT_LT(f.Tabelle(2)->height(), ganz);
    EXPECT_EQ(m.PaneOben[1], m.PaneFläche[1]);
    EXPECT_EQ(m.PaneHöhe[0] + m.PaneHöhe[1], m.PaneFläche[3]);

    // A click into the empty upper pane turns the attention to it.
    {
        const QPoint p(20, Pixel(m.PaneFläche[1] + m.PaneHöhe[1] / 2));
        QMouseEvent e(QEvent::MouseButtonPress, p, f.Innenfläche()->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(f.Innenfläche(), &e);
    }
    EXPECT_EQ(m.AktivePane, 1);
    Menü(m.mnuZoneF);
    EXPECT_EQ(m.PaneTabelle[0], 2);
    EXPECT_EQ(m.PaneTabelle[1], 4);
    EXPECT_TRUE(f.Titel(1)->isVisible());
    EXPECT_TRUE(f.Tabelle(4)->isVisible());
    EXPECT_LT(f.Tabelle(4)->y(), f.Titel(0)->y());
    EXPECT_TRUE(m.picTitel[1].Aktiv());
    // Zone > A while A is in the other pane only activates that pane.
    Menü(m.mnuZoneA);
    EXPECT_EQ(m.AktivePane, 0);
    EXPECT_EQ(m.PaneTabelle[1], 4);
    // A click on the inactive pane's table activates it.
    {
        const QPoint p(f.Tabelle(4)->width() - 5, f.Tabelle(4)->height() - 5);
        QMouseEvent e(QEvent::MouseButtonPress, p, f.Tabelle(4)->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(f.Tabelle(4), &e);
    }
    EXPECT_EQ(m.AktivePane, 1);

    // Typed into the upper table, then the upper pane is closed by dragging
    // the border up: what was typed is kept, and the lower pane is active.
    Zelle(m.txtFBez[0])->setText("Fenster geändert");
    Maus(unten, QEvent::MouseButtonPress, 5);
    EXPECT_TRUE(f.Trennzeiger()->isVisible());
    const int hoch = 5 - Pixel(m.picTitel[0].Top() - m.PaneFläche[1]);
    Maus(unten, QEvent::MouseMove, hoch + 2, Qt::LeftButton);
    EXPECT_EQ(f.Trennzeiger()->y(), Pixel(m.picTitel[0].Top() + Twips(hoch + 2) - 2));
    Maus(unten, QEvent::MouseButtonRelease, hoch);
    EXPECT_FALSE(f.Trennzeiger()->isVisible());
    EXPECT_EQ(m.Aufteilung, 0);
    EXPECT_EQ(m.PaneTabelle[1], 0);
    EXPECT_EQ(m.AktivePane, 0);
    EXPECT_FALSE(f.Tabelle(4)->isVisible());
    EXPECT_FALSE(f.Titel(1)->isVisible());
    auto fenstertabelle = Global::Projekt.ZGetColl("F_");
    ASSERT_TRUE(fenstertabelle);
    EXPECT_EQ(fenstertabelle->Koll(1)->Text(2), "Fenster geändert");

    // Dragged almost to the bottom, the lower pane keeps 60 twips.
    Maus(unten, QEvent::MouseButtonPress, 5);
    Maus(unten, QEvent::MouseButtonRelease, 5 + Pixel(m.PaneFläche[3]));
    EXPECT_EQ(m.PaneHöhe[0], 60);
    // The upper strip is no splitter.
    const double vorher = m.Aufteilung;
    Maus(f.Titel(1), QEvent::MouseButtonDblClick, 5);
    EXPECT_EQ(m.Aufteilung, vorher);
    // A double click on the lower strip closes the upper pane again.
    Maus(unten, QEvent::MouseButtonDblClick, 5);
    EXPECT_EQ(m.Aufteilung, 0);
}

TEST_F(Hauptfenster, DoppelklickAufDenTitelMitAllenEreignissen) {
    ASSERT_TRUE(starten(Beispiel()));
    frmZIRVO3801Ansicht& f = *fenster;
    Menü(m.mnuZoneA);
    QWidget* unten = f.Titel(0);

    // One pane: the upper pane opens at half the height, and stays open.
    Doppelklick(unten, 5);
    EXPECT_DOUBLE_EQ(m.Aufteilung, 0.5);
    EXPECT_FALSE(f.Trennzeiger()->isVisible());
    EXPECT_EQ(m.PaneHöhe[0] + m.PaneHöhe[1], m.PaneFläche[3]);

    // A table in the upper pane.
    {
        const QPoint p(20, Pixel(m.PaneFläche[1] + m.PaneHöhe[1] / 2));
        QMouseEvent e(QEvent::MouseButtonPress, p, f.Innenfläche()->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(f.Innenfläche(), &e);
    }
    Menü(m.mnuZoneF);
    ASSERT_EQ(m.PaneTabelle[1], 4);
    ASSERT_TRUE(f.Tabelle(4)->isVisible());

    // Two panes: the upper one closes, and the release that follows the
    // double click (the strip now at the top, far from the pointer) does
    // not open it again without its table.
    Doppelklick(unten, 5);
    EXPECT_EQ(m.Aufteilung, 0);
    EXPECT_EQ(m.PaneTabelle[1], 0);
    EXPECT_FALSE(f.Titel(1)->isVisible());
    EXPECT_FALSE(f.Tabelle(4)->isVisible());
    EXPECT_TRUE(f.Tabelle(2)->isVisible());
    EXPECT_EQ(m.PaneHöhe[0], m.PaneFläche[3]);

    // And once more open.
    Doppelklick(unten, 5);
    EXPECT_DOUBLE_EQ(m.Aufteilung, 0.5);

    // A drag is still a drag: pressed and let go 40 pixels further down,
    // the strip follows the pointer (the share is reckoned from where the
    // strip was, not from the half of a pane area of any height).
    const QPointF start = unten->mapToGlobal(QPointF(unten->width() / 2.0, 5));
    const std::int32_t oben = m.picTitel[0].Top();
    {
        QMouseEvent d(QEvent::MouseButtonPress, unten->mapFromGlobal(start), start, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(unten, &d);
        const QPointF ziel = start + QPointF(0, 40);
        QMouseEvent u(QEvent::MouseButtonRelease, unten->mapFromGlobal(ziel), ziel, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(unten, &u);
    }
    EXPECT_EQ(m.picTitel[0].Top(), oben + Twips(40));
    EXPECT_NEAR(m.Aufteilung, (oben + Twips(40) - m.PaneFläche[1]) / static_cast<double>(m.PaneFläche[3]), 1e-9);
}

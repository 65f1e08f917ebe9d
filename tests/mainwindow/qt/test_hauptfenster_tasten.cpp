// The main window on the screen: the keys over the cells and the tables,
// scrolling the grids up and down and sideways, the help panel's width.
#include "tests/mainwindow/qt/Hauptfenstertest.h"

#include "frame/qt/EingabeTabelleWidget.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>

using namespace Hauptfenstertest;

TEST_F(Hauptfenster, TastenÜberZellenUndTabellen) {
    ASSERT_TRUE(starten(Beispiel()));
    Menü(m.mnuZoneA);
    ASSERT_TRUE(fenster->Tabelle(2)->isVisible());
    Hinein(m.txtDaC[0]);
    ASSERT_EQ(Fokus(), Zelle(m.txtDaC[0]));
    Taste(Fokus(), Qt::Key_Return);
    EXPECT_EQ(Fokus(), Zelle(m.txtDaBez[0]));
    Taste(Fokus(), Qt::Key_Tab);
    EXPECT_EQ(Fokus(), Zelle(m.txtDaBez[1]));
    Taste(Fokus(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Fokus(), Zelle(m.txtDaBez[0]));
    Taste(Fokus(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(Fokus(), Zelle(m.txtDaFl[0]));
    Taste(Fokus(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Fokus(), Zelle(m.txtDaFl[1]));
    // Enter after the last column goes on in the next row.
    Hinein(m.txtDaO[1]);
    Taste(Fokus(), Qt::Key_Return);
    EXPECT_EQ(Fokus(), Zelle(m.txtDaC[2]));

    // The code column takes its letters in upper case and refuses others.
    Taste(Fokus(), Qt::Key_End);
    Taste(Fokus(), Qt::Key_Backspace);
    EXPECT_EQ(m.txtDaC[2].Text(), "");
    Taste(Fokus(), Qt::Key_X, Qt::NoModifier, "x");
    Taste(Fokus(), Qt::Key_W, Qt::NoModifier, "w");
    EXPECT_EQ(m.txtDaC[2].Text(), "W");
    // Pasted text passes the same filter.
    Taste(Fokus(), Qt::Key_Backspace);
    QGuiApplication::clipboard()->setText("x b\n");
    Taste(Fokus(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m.txtDaC[2].Text(), "B");

    // Two panes: the EBF table above, table A below. Entering a cell of the
    // other pane makes that pane the active one; the keys then move in it.
    m.picTitel_DblClick(0);
    m.Form_Click();
    ASSERT_EQ(m.AktivePane, 1);
    Menü(m.mnuZoneEBF);
    ASSERT_EQ(m.PaneTabelle[1], 1);
    EXPECT_EQ(Fokus(), Zelle(m.txtEBFBez[0]));
    // The last row the lower pane shows: as many rows as the desktop's face
    // lets fit in half the height.
    int z = 0;
    while (m.txtDaU.Enthält(z + 2) && Zelle(m.txtDaU[z + 1])->isVisible()) ++z;
    Hinein(m.txtDaU[z]);
    ASSERT_EQ(Fokus(), Zelle(m.txtDaU[z]));
    EXPECT_EQ(m.AktivePane, 0);
    EXPECT_TRUE(m.picTitel[0].Aktiv());
    EXPECT_FALSE(m.picTitel[1].Aktiv());
    Taste(Fokus(), Qt::Key_Return);
    EXPECT_EQ(Fokus(), Zelle(m.txtDaH[z]));
    // Tab in it brings the next row into the pane.
    Taste(Fokus(), Qt::Key_Tab);
    EXPECT_EQ(Fokus(), Zelle(m.txtDaH[z + 1]));
    EXPECT_TRUE(Zelle(m.txtDaH[z + 1])->isVisible());
    Hinein(m.txtEBFhG[0]);
    EXPECT_EQ(m.AktivePane, 1);
    EXPECT_EQ(m.HelpContextID, 3010);
    // The computed column of the EBF table is passed over.
    Taste(Fokus(), Qt::Key_Return);
    EXPECT_EQ(Fokus(), Zelle(m.txtEBFBez[1]));

    // Leaving a number cell formats it and recomputes its table; a number
    // too wide for the cell is kept and shown whole.
    Hinein(m.txtEBFFl[1]);
    Zelle(m.txtEBFFl[1])->selectAll();
    for (QChar c : QString("12345678"))
        Taste(Fokus(), Qt::Key_0 + (c.unicode() - '0'), Qt::NoModifier, QString(c));
    Taste(Fokus(), Qt::Key_Return);
    EXPECT_EQ(Zelle(m.txtEBFFl[1])->text(), "12345678.0");
    EXPECT_EQ(m.lblEBFTotAh0.Caption(), "12345773.0");
    EXPECT_DOUBLE_EQ(Global::Projekt.ZGetNum("EBF0"), 12345773.0);
    m.TabelleSpeichern(1);
    auto ah = Global::Projekt.ZGetColl("Ah_");
    ASSERT_TRUE(ah);
    EXPECT_DOUBLE_EQ(ah->Koll(2)->Zahl(2), 12345678.0);
}

TEST_F(Hauptfenster, Scrollen) {
    ASSERT_TRUE(starten(Beispiel()));
    Menü(m.mnuZoneA);
    EingabeTabelle& t = *m.Tabellen[2];
    EingabeTabelleWidget* w = fenster->Tabelle(2);
    const int sichtbar = t.ZeilenSichtbar;
    ASSERT_GT(sichtbar, 2);
    ASSERT_LT(sichtbar, 50);
    QScrollBar* balken = w->Rollbalken();
    ASSERT_TRUE(balken->isVisible());
    EXPECT_EQ(balken->maximum(), 50 - sichtbar);

    // The bar scrolls the rows; only the rows in the window are shown.
    balken->setValue(5);
    QApplication::processEvents();
    EXPECT_EQ(t.ZeilenErste, 5);
    EXPECT_FALSE(Zelle(m.txtDaC[4])->isVisible());
    EXPECT_TRUE(Zelle(m.txtDaC[5])->isVisible());
    EXPECT_EQ(Zelle(m.txtDaC[5])->y(), w->ZeilenOben());
    EXPECT_FALSE(Zelle(m.txtDaC[5 + sichtbar])->isVisible());

    // Tab from the last shown row scrolls by one row and moves the bar.
    Hinein(m.txtDaBez[5 + sichtbar - 1]);
    Taste(Fokus(), Qt::Key_Tab);
    EXPECT_EQ(Fokus(), Zelle(m.txtDaBez[5 + sichtbar]));
    EXPECT_EQ(t.ZeilenErste, 6);
    EXPECT_EQ(balken->value(), 6);
    // Only the table that owns the bar scrolls.
    EXPECT_EQ(m.Tabellen[3]->ZeilenErste, 0);

    // A lower window shows fewer rows and the bar reaches further.
    fenster->resize(fenster->width(), fenster->height() - 100);
    QApplication::processEvents();
    EXPECT_LT(t.ZeilenSichtbar, sichtbar);
    EXPECT_EQ(balken->maximum(), 50 - t.ZeilenSichtbar);
}

TEST_F(Hauptfenster, SchmalesFensterUndHilfebreite) {
    ASSERT_TRUE(starten(Beispiel()));
    Menü(m.mnuZoneF);
    fenster->resize(600, 480);
    QApplication::processEvents();
    // The panes are narrower than the window table: the bar below them
    // reaches exactly its last column.
    QScrollBar* quer = fenster->Querbalken();
    ASSERT_TRUE(quer->isVisible());
    EXPECT_EQ(quer->maximum(), Pixel(m.Tabellenbreiten[4] - m.PaneFläche[2]));
    const QRect pane(Pixel(m.PaneFläche[0]), 0, Pixel(m.PaneFläche[2]), fenster->height());
    auto sichtbar = [&](const TextBox& z) {
        const QLineEdit* w = Zelle(z);
        const QRect r(w->mapTo(fenster->Innenfläche(), QPoint(0, 0)), w->size());
        return pane.contains(r);
    };
    EXPECT_FALSE(sichtbar(m.txtFFS23[0]));
    // A cell out of sight that gets the focus comes into view.
    Hinein(m.txtFFS23[0]);
    EXPECT_TRUE(sichtbar(m.txtFFS23[0]));
    EXPECT_EQ(quer->value(), Pixel(m.PaneVersatz));
    quer->setValue(0);
    EXPECT_EQ(m.PaneVersatz, 0);
    EXPECT_TRUE(sichtbar(m.txtFC[0]));

    // The strip left of the help panel, dragged 60 pixels to the left,
    // widens the panel by as much; the width is kept in the settings.
    fenster->resize(1000, 600);
    QApplication::processEvents();
    QWidget* teiler = fenster->Hilfeteiler();
    const int vorher = fenster->Hilfe()->width();
    const QPoint start = teiler->mapToGlobal(QPoint(teiler->width() / 2, teiler->height() / 2));
    auto maus = [&](QEvent::Type art, QPoint global, Qt::MouseButtons knöpfe) {
        QMouseEvent e(art, teiler->mapFromGlobal(global), global, Qt::LeftButton, knöpfe, Qt::NoModifier);
        QApplication::sendEvent(teiler, &e);
    };
    maus(QEvent::MouseButtonPress, start, Qt::LeftButton);
    maus(QEvent::MouseMove, start - QPoint(60, 0), Qt::LeftButton);
    maus(QEvent::MouseButtonRelease, start - QPoint(60, 0), Qt::NoButton);
    EXPECT_NEAR(fenster->Hilfe()->width(), vorher + 60, 1);
    EXPECT_EQ(Global::Initialisierung.HilfeBreite, m.picHilfe.Width());
}

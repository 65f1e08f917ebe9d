#include "frame/qt/EingabeTabelleWidget.h"

#include "frame/EingabeTabelle.h"
#include "frame/qt/Bindung.h"
#include "tests/support/Haengegrenze.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A grid of the shape of the main window's window table: 50 rows, 12 key
// columns, a caption over each of the first columns and a totals row.
struct Modell {
    static constexpr int Zeilen = 50;
    static constexpr int Spalten = 12;
    PictureBox pic{"picF"};
    std::vector<std::unique_ptr<Steuerelementfeld<TextBox>>> spalten;
    std::vector<std::unique_ptr<Label>> köpfe;
    Label lblTot{"lblTot"}, lblFFl{"lblFFl"};
    vb6CCVScrollBar sbr{"sbrFVScroll"};
    EingabeTabelle tab;

    Modell() {
        for (int s = 0; s < Spalten; ++s)
            spalten.push_back(std::make_unique<Steuerelementfeld<TextBox>>("txtS" + std::to_string(s), Zeilen));
        tab.KeyNr = 4;
        tab.Titel = "Gebäudehülle Fenster, Türen und Tore gegen Aussenluft";
        tab.setTab(pic);
        tab.setTabelleZeilen(zelle(0, 0), Zeilen);
        for (int s = 0; s < 3; ++s) {
            köpfe.push_back(std::make_unique<Label>("lblF", s));
            köpfe.back()->setCaption("Spalte " + std::to_string(s));
            tab.setLabel(*köpfe.back(), false);
        }
        lblTot.setCaption("Total");
        tab.setLabel(lblTot, true);
        tab.setLabel(lblFFl, true);
        for (std::int16_t r = 0; r < Zeilen; ++r)
            for (std::int16_t s = 0; s < Spalten; ++s) tab.setTabText(zelle(r, s), r, s);
        tab.setVScrollbar(sbr);
        tab.SetTabIndex();
    }
    TextBox& zelle(int r, int s) { return (*spalten[static_cast<std::size_t>(s)])[r]; }
};

void Taste(QWidget* w, int key, Qt::KeyboardModifiers m = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent d(QEvent::KeyPress, key, m, text);
    QApplication::sendEvent(w, &d);
    QKeyEvent u(QEvent::KeyRelease, key, m, text);
    QApplication::sendEvent(w, &u);
}

// The top-level window holding the grid, shown and active so focus works.
struct Ansicht {
    QWidget fenster;
    EingabeTabelleWidget* raster;
    explicit Ansicht(EingabeTabelle& tab) {
        raster = new EingabeTabelleWidget(tab, &fenster);
        fenster.resize(1400, 900);
        fenster.show();
        fenster.activateWindow();
        QApplication::setActiveWindow(&fenster);
        QApplication::processEvents();
    }
    // Height in pixels that shows n rows.
    int HöheFür(int n) const {
        return Bindung::Pixel(raster->Tabelle().getEntwurf().Höhe) + (n - 1) * raster->Zeilenhöhe() + 2;
    }
    QWidget* Fokus() const { return QApplication::focusWidget(); }
};

} // namespace

TEST(EingabeTabelleWidget, ZeigtDieRichtigenZeilenUndFolgtDemRollbalken) {
    Modell m;
    const auto anfang = Testhilfe::Rechenzeit();
    Ansicht a(m.tab);
    a.raster->setGeometry(0, 0, a.raster->sizeHint().width(), a.HöheFür(10));
    QApplication::processEvents();
    // Building 600 cells ends (a layout that grows without end would not).
    EXPECT_LT(Testhilfe::Rechenzeit() - anfang, Testhilfe::Hängegrenze);

    ASSERT_EQ(m.tab.ZeilenSichtbar, 10);
    const int P = a.raster->Zeilenhöhe();
    const int oben = a.raster->ZeilenOben();
    ASSERT_GT(P, 10);
    EXPECT_EQ(m.tab.getEntwurf().ZelleHöhe + 2, Bindung::Twips(P));
    for (int r = 0; r < Modell::Zeilen; ++r) {
        QLineEdit* le = a.raster->Zellwidget(m.zelle(r, 5));
        ASSERT_NE(le, nullptr);
        EXPECT_EQ(le->isVisible(), r < 10) << r;
        if (r < 10) {
            EXPECT_EQ(le->y(), oben + r * P);
            EXPECT_EQ(le->height(), P);
        }
    }
    // Columns side by side in registration order.
    EXPECT_LT(a.raster->Zellwidget(m.zelle(0, 0))->x(), a.raster->Zellwidget(m.zelle(0, 1))->x());
    EXPECT_EQ(a.raster->Zellwidget(m.zelle(3, 7))->x(), a.raster->Zellwidget(m.zelle(0, 7))->x());

    // The bar beside the rows, as high as the rows, one position per first row.
    QScrollBar* qs = a.raster->Rollbalken();
    ASSERT_NE(qs, nullptr);
    EXPECT_TRUE(qs->isVisible());
    EXPECT_EQ(qs->maximum(), 40);
    EXPECT_EQ(qs->y(), oben);
    EXPECT_EQ(qs->height(), 10 * P);
    EXPECT_GT(qs->x(), a.raster->Zellwidget(m.zelle(0, 11))->geometry().right());
    EXPECT_EQ(qs->pageStep(), 9);

    // Scrolling with the bar shows the rows from its value on.
    qs->setValue(25);
    EXPECT_EQ(m.tab.ZeilenErste, 25);
    for (int r = 0; r < Modell::Zeilen; ++r)
        EXPECT_EQ(a.raster->Zellwidget(m.zelle(r, 0))->isVisible(), r >= 25 && r < 35) << r;
    EXPECT_EQ(a.raster->Zellwidget(m.zelle(25, 0))->y(), oben);
    EXPECT_EQ(a.raster->Zellwidget(m.zelle(34, 0))->y(), oben + 9 * P);
    qs->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(m.tab.ZeilenErste, 24);
    EXPECT_TRUE(a.raster->Zellwidget(m.zelle(24, 3))->isVisible());
    EXPECT_FALSE(a.raster->Zellwidget(m.zelle(34, 3))->isVisible());

    // The captions stay on top; the totals row follows the lower edge.
    QLabel* kopf = a.raster->Labelwidget(*m.köpfe[1]);
    QLabel* total = a.raster->Labelwidget(m.lblTot);
    ASSERT_TRUE(kopf && total);
    EXPECT_EQ(kopf->text(), "Spalte 1");
    EXPECT_LT(kopf->geometry().bottom(), oben);
    EXPECT_EQ(total->text(), "Total");
    EXPECT_GE(total->y(), oben + 10 * P);
    int totalVorher = total->y();
    a.raster->setGeometry(0, 0, a.raster->sizeHint().width(), a.HöheFür(15));
    QApplication::processEvents();
    EXPECT_EQ(m.tab.ZeilenSichtbar, 15);
    EXPECT_EQ(total->y(), totalVorher + 5 * P);
    EXPECT_EQ(kopf->geometry().bottom() < oben, true);
    m.lblTot.setCaption("Summe");
    EXPECT_EQ(total->text(), "Summe");

    // All rows fit: the bar goes.
    a.raster->setGeometry(0, 0, a.raster->sizeHint().width(), a.raster->sizeHint().height());
    QApplication::processEvents();
    EXPECT_EQ(m.tab.ZeilenSichtbar, 50);
    EXPECT_EQ(m.tab.ZeilenErste, 0);
    EXPECT_FALSE(qs->isVisible());
}

TEST(EingabeTabelleWidget, EingabeUndModellInBeideRichtungen) {
    Modell m;
    Ansicht a(m.tab);
    a.raster->setGeometry(0, 0, a.raster->sizeHint().width(), a.HöheFür(10));
    QApplication::processEvents();

    QLineEdit* le = a.raster->Zellwidget(m.zelle(2, 3));
    le->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(a.Fokus(), le);
    EXPECT_EQ(m.tab.AktuelleZelle(), &m.zelle(2, 3));
    Taste(le, Qt::Key_1, Qt::NoModifier, "1");
    Taste(le, Qt::Key_Comma, Qt::NoModifier, ",");
    Taste(le, Qt::Key_5, Qt::NoModifier, "5");
    EXPECT_EQ(m.zelle(2, 3).Text(), "1,5");

    m.zelle(4, 1).setText("Fenster Süd");
    m.zelle(4, 1).setToolTipText("SSE");
    m.zelle(4, 1).setBackColor(FarbeFehler);
    QLineEdit* le41 = a.raster->Zellwidget(m.zelle(4, 1));
    EXPECT_EQ(le41->text(), "Fenster Süd");
    EXPECT_EQ(le41->toolTip(), "SSE");
    EXPECT_EQ(le41->palette().color(QPalette::Base), QColor(255, 192, 192));
    m.zelle(4, 1).setEnabled(false);
    EXPECT_FALSE(le41->isEnabled());

    // The model's focus: the current cell, scrolled into view.
    m.tab.TabSetTextBox(m.zelle(30, 2));
    m.tab.TabSetFocus();
    QApplication::processEvents();
    EXPECT_EQ(a.Fokus(), a.raster->Zellwidget(m.zelle(30, 2)));
    EXPECT_EQ(m.tab.ZeilenErste, 21);
    EXPECT_EQ(a.raster->Rollbalken()->value(), 21);
    EXPECT_TRUE(a.Fokus()->isVisible());
}

TEST(EingabeTabelleWidget, TastenBewegenDenFokus) {
    Modell m;
    Ansicht a(m.tab);
    a.raster->setGeometry(0, 0, a.raster->sizeHint().width(), a.HöheFür(10));
    QApplication::processEvents();
    auto w = [&](int r, int s) { return a.raster->Zellwidget(m.zelle(r, s)); };

    w(0, 0)->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(a.Fokus(), w(0, 0));

    Taste(a.Fokus(), Qt::Key_Return);
    EXPECT_EQ(a.Fokus(), w(0, 1));
    EXPECT_EQ(m.tab.AktuelleZelle(), &m.zelle(0, 1));
    Taste(a.Fokus(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(a.Fokus(), w(0, 2));
    Taste(a.Fokus(), Qt::Key_Tab);
    EXPECT_EQ(a.Fokus(), w(1, 2));
    Taste(a.Fokus(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(a.Fokus(), w(0, 2));
    Taste(a.Fokus(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(a.Fokus(), w(1, 2));
    Taste(a.Fokus(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(a.Fokus(), w(1, 3));
    Taste(a.Fokus(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(a.Fokus(), w(1, 2));
    Taste(a.Fokus(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(a.Fokus(), w(0, 2));
    // Without Shift the arrows stay in the cell.
    Taste(a.Fokus(), Qt::Key_Down);
    EXPECT_EQ(a.Fokus(), w(0, 2));
    // Shift+Enter back across the row start to the last column of the row above.
    w(1, 0)->setFocus();
    QApplication::processEvents();
    Taste(a.Fokus(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(a.Fokus(), w(0, 11));
    // At the edges the key is swallowed and the focus stays.
    Taste(a.Fokus(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(a.Fokus(), w(0, 11));
    Taste(a.Fokus(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(a.Fokus(), w(0, 11));

    // Enter past the last column of row 9 scrolls row 10 into view.
    w(9, 11)->setFocus();
    QApplication::processEvents();
    Taste(a.Fokus(), Qt::Key_Return);
    EXPECT_EQ(a.Fokus(), w(10, 0));
    EXPECT_EQ(m.tab.ZeilenErste, 1);
    EXPECT_EQ(w(10, 0)->y(), a.raster->ZeilenOben() + 9 * a.raster->Zeilenhöhe());
    EXPECT_FALSE(w(0, 0)->isVisible());
    EXPECT_EQ(a.raster->Rollbalken()->value(), 1);
    // Tab down to the last row and past it.
    for (int i = 0; i < 60; ++i) Taste(a.Fokus(), Qt::Key_Tab);
    EXPECT_EQ(a.Fokus(), w(49, 0));
    EXPECT_EQ(m.tab.ZeilenErste, 40);
    Taste(a.Fokus(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(a.Fokus(), w(48, 11));

    // An owner's handler takes the keys instead of the grid.
    std::vector<std::string> gesehen;
    a.raster->ZelleKeyDown = [&](TextBox& z, std::int16_t& code, std::int16_t shift) {
        gesehen.push_back(z.Name + ":" + std::to_string(code) + ":" + std::to_string(shift));
        if (code == Tastencode::vbKeyTab) code = 0;
        return false;
    };
    Taste(a.Fokus(), Qt::Key_Tab);
    Taste(a.Fokus(), Qt::Key_F4);
    Taste(a.Fokus(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(a.Fokus(), w(48, 11));
    EXPECT_EQ((std::vector<std::string>{"txtS11:9:0", "txtS11:115:0", "txtS11:9:1"}), gesehen);
}

TEST(EingabeTabelleWidget, PlatzVomModellUndLebensdauer) {
    auto m = std::make_unique<Modell>();
    QWidget fenster;
    auto* raster = new EingabeTabelleWidget(m->tab, &fenster);
    fenster.resize(1400, 900);
    fenster.show();
    QApplication::processEvents();

    // The owner model places the grid in twips; the widget takes the place.
    m->tab.Move(Bindung::Twips(10), Bindung::Twips(20), Bindung::Twips(600), Bindung::Twips(300));
    EXPECT_EQ(raster->geometry(), QRect(10, 20, 600, 300));
    EXPECT_EQ(m->pic.Height(), Bindung::Twips(300));
    m->tab.setVisible(false);
    EXPECT_TRUE(raster->isHidden());
    m->tab.setVisible(true);
    EXPECT_FALSE(raster->isHidden());
    int sichtbar = m->tab.ZeilenSichtbar;
    EXPECT_EQ(sichtbar, (Bindung::Twips(300) + 20 - m->tab.KleinsteHöhe()) / m->tab.Zeilenabstand() + 1);

    // The model may go before its view; the view then does nothing.
    QLineEdit* le = raster->Zellwidget(m->zelle(0, 0));
    m.reset();
    Taste(le, Qt::Key_Return);
    Taste(le, Qt::Key_A, Qt::NoModifier, "a");
    raster->resize(500, 500);
    raster->update();
    QApplication::processEvents();
    delete raster;
}

#include "frame/qt/Bindung.h"

#include "frame/Steuerelemente.h"
#include "frame/vb6CCVScrollBar.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Testhilfe::Tippen;

int Meldungen(Steuerelement& s, int& zähler) {
    return s.beobachten([&zähler](const Steuerelement&) { ++zähler; });
}

} // namespace

TEST(Bindung, TextfeldInBeideRichtungen) {
    QWidget fenster;
    auto* le = new QLineEdit(&fenster);
    TextBox txt("txtDaFl", 4);
    txt.setText("12,5");
    txt.setToolTipText("Fläche");
    Bindung::binden(txt, le);
    EXPECT_EQ(le->text(), "12,5");
    EXPECT_EQ(le->toolTip(), "Fläche");
    EXPECT_EQ(le->objectName(), "txtDaFl(4)");
    EXPECT_TRUE(Bindung::gebunden(le));

    // Typing reaches the state, once per change and without echo.
    int zähler = 0;
    Meldungen(txt, zähler);
    le->clear();
    Tippen(le, "7ä");
    EXPECT_EQ(txt.Text(), "7ä");
    EXPECT_EQ(zähler, 3);
    EXPECT_EQ(le->cursorPosition(), 2);

    // The model's changes reach the widget.
    txt.setText("3.14");
    EXPECT_EQ(le->text(), "3.14");
    txt.setLocked(true);
    EXPECT_TRUE(le->isReadOnly());
    Tippen(le, "9");
    EXPECT_EQ(txt.Text(), "3.14");
    txt.setLocked(false);
    txt.setEnabled(false);
    EXPECT_FALSE(le->isEnabled());
    txt.setEnabled(true);
    EXPECT_TRUE(le->isEnabled());
    txt.setVisible(false);
    EXPECT_TRUE(le->isHidden());
    txt.setVisible(true);
    EXPECT_FALSE(le->isHidden());

    // The error tint and back.
    QColor vorher = le->palette().color(QPalette::Base);
    txt.setBackColor(FarbeFehler);
    EXPECT_EQ(le->palette().color(QPalette::Base), QColor(255, 192, 192));
    txt.setBackColor(FarbeFenster);
    EXPECT_EQ(le->palette().color(QPalette::Base), vorher);

    // The length limit holds typing but never cuts the program's text.
    txt.setMaxLength(3);
    txt.setText("123456");
    EXPECT_EQ(le->text(), "123456");
    txt.setText("1");
    EXPECT_EQ(le->maxLength(), 3);
    le->end(false);
    Tippen(le, "2345");
    EXPECT_EQ(txt.Text(), "123");
}

TEST(Bindung, LabelUndKnöpfe) {
    QWidget fenster;
    auto* ql = new QLabel(&fenster);
    Label lbl("lblDaFl");
    lbl.setCaption("<b>12.5</b>");
    Bindung::binden(lbl, ql);
    EXPECT_EQ(ql->text(), "<b>12.5</b>");
    EXPECT_EQ(ql->textFormat(), Qt::PlainText);
    lbl.setCaption("  45.1");
    EXPECT_EQ(ql->text(), "  45.1");
    lbl.setBackColor(RGB(0, 0, 255));
    EXPECT_EQ(ql->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_TRUE(ql->autoFillBackground());

    auto* qc = new QCheckBox(&fenster);
    CheckBox chk("chkEinfach");
    chk.setCaption("Ohne Sonderzeichen");
    Bindung::binden(chk, qc);
    EXPECT_EQ(qc->text(), "Ohne Sonderzeichen");
    EXPECT_EQ(qc->checkState(), Qt::Unchecked);
    qc->click();
    EXPECT_EQ(chk.Value(), 1);
    chk.setValue(2);
    EXPECT_EQ(qc->checkState(), Qt::PartiallyChecked);
    chk.setValue(0);
    EXPECT_EQ(qc->checkState(), Qt::Unchecked);
    qc->click();
    EXPECT_EQ(chk.Value(), 1);
    qc->click(); // the user only ticks and unticks
    EXPECT_EQ(chk.Value(), 0);

    // Option buttons of one group.
    auto* ra = new QRadioButton(&fenster);
    auto* rb = new QRadioButton(&fenster);
    OptionButton optA("optNord", 0), optB("optNord", 1);
    optA.setValue(true);
    Bindung::binden(optA, ra);
    Bindung::binden(optB, rb);
    EXPECT_TRUE(ra->isChecked());
    EXPECT_FALSE(rb->isChecked());
    rb->click();
    EXPECT_TRUE(optB.Value());
    EXPECT_FALSE(optA.Value());
    // The model may uncheck the checked button of a group.
    optB.setValue(false);
    EXPECT_FALSE(rb->isChecked());
    EXPECT_FALSE(ra->isChecked());
    optA.setValue(true);
    EXPECT_TRUE(ra->isChecked());
}

TEST(Bindung, ListenUndAuswahl) {
    QWidget fenster;
    auto* qcb = new QComboBox(&fenster);
    ComboBox cbo("cboStation");
    cbo.AddItem("Basel");
    cbo.AddItem("Bern");
    cbo.setListIndex(1);
    Bindung::binden(cbo, qcb);
    ASSERT_EQ(qcb->count(), 2);
    EXPECT_EQ(qcb->itemText(0), "Basel");
    EXPECT_EQ(qcb->currentIndex(), 1);
    cbo.AddItem("Zürich");
    EXPECT_EQ(qcb->count(), 3);
    EXPECT_EQ(qcb->currentIndex(), 1);
    qcb->setCurrentIndex(2); // as the user picks
    EXPECT_EQ(cbo.ListIndex(), 2);
    EXPECT_EQ(cbo.Text(), "Zürich");
    cbo.RemoveItem(2);
    EXPECT_EQ(qcb->count(), 2);
    EXPECT_EQ(qcb->currentIndex(), -1);
    EXPECT_EQ(cbo.ListIndex(), -1);
    cbo.setListIndex(0);
    EXPECT_EQ(qcb->currentIndex(), 0);

    auto* qe = new QComboBox(&fenster);
    qe->setEditable(true);
    ComboBox frei("cboFrei");
    frei.AddItem("1");
    frei.setText("frei");
    Bindung::binden(frei, qe);
    EXPECT_EQ(qe->currentText(), "frei");
    qe->lineEdit()->clear();
    Tippen(qe->lineEdit(), "x2");
    EXPECT_EQ(frei.Text(), "x2");

    auto* qlw = new QListWidget(&fenster);
    ListBox lst("lstDaBt");
    lst.AddItem("1 - Aussenwand");
    lst.AddItem("2 - Dach");
    Bindung::binden(lst, qlw);
    EXPECT_EQ(qlw->count(), 2);
    EXPECT_EQ(qlw->currentRow(), -1);
    qlw->setCurrentRow(1);
    EXPECT_EQ(lst.ListIndex(), 1);
    lst.setListIndex(0);
    EXPECT_EQ(qlw->currentRow(), 0);
    lst.Clear();
    EXPECT_EQ(qlw->count(), 0);
    EXPECT_EQ(lst.ListIndex(), -1);
}

TEST(Bindung, Rollbalken) {
    QWidget fenster;
    auto* qs = new QScrollBar(Qt::Vertical, &fenster);
    vb6CCVScrollBar sbr("sbrDaVScroll");
    sbr.setZeilenhöhe(100);
    sbr.setHeight(500);
    sbr.setMax(40);
    sbr.setValue(3);
    Bindung::binden(sbr, qs);
    EXPECT_EQ(qs->minimum(), 0);
    EXPECT_EQ(qs->maximum(), 40);
    EXPECT_EQ(qs->value(), 3);
    EXPECT_EQ(qs->pageStep(), 4);
    EXPECT_TRUE(qs->isEnabled());

    int changes = 0, scrolls = 0;
    sbr.Change.verbinden([&] { ++changes; });
    sbr.Scroll.verbinden([&] { ++scrolls; });
    qs->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(sbr.Value(), 4);
    qs->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(sbr.Value(), 8);
    qs->setValue(30); // the thumb dragged
    EXPECT_EQ(sbr.Value(), 30);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(scrolls, 1);

    // The program's moves raise nothing and reach the widget.
    sbr.setValue(12);
    EXPECT_EQ(qs->value(), 12);
    sbr.setMax(5); // the value follows the new end: one event
    EXPECT_EQ(qs->maximum(), 5);
    EXPECT_EQ(qs->value(), 5);
    EXPECT_EQ(changes + scrolls, 4);
    sbr.setMax(0);
    EXPECT_FALSE(qs->isEnabled());
    EXPECT_EQ(qs->maximum(), 0);

    // A reversed bar keeps the top at position 0.
    sbr.setMin(10);
    EXPECT_EQ(qs->maximum(), 10);
    qs->setValue(4);
    EXPECT_EQ(sbr.Value(), 6);
}

TEST(Bindung, LebensdauerBeiderSeiten) {
    QWidget fenster;
    // The widget goes first: the state lives on, unchanged and unobserved.
    ListBox lst("lst");
    lst.AddItem("a");
    lst.AddItem("b");
    lst.setListIndex(1);
    ComboBox cbo("cbo");
    cbo.AddItem("x");
    cbo.setListIndex(0);
    {
        auto* qlw = new QListWidget(&fenster);
        auto* qcb = new QComboBox(&fenster);
        Bindung::binden(lst, qlw);
        Bindung::binden(cbo, qcb);
        delete qlw;
        delete qcb;
    }
    EXPECT_EQ(lst.ListIndex(), 1);
    EXPECT_EQ(cbo.ListIndex(), 0);
    lst.AddItem("c");
    cbo.setListIndex(-1);

    // The state goes first: the widget stays usable and is no longer bound.
    auto* le = new QLineEdit(&fenster);
    {
        auto txt = std::make_unique<TextBox>("txt");
        txt->setText("alt");
        Bindung::binden(*txt, le);
        EXPECT_TRUE(Bindung::gebunden(le));
    }
    EXPECT_FALSE(Bindung::gebunden(le));
    Tippen(le, "neu");
    EXPECT_EQ(le->text(), "altneu");
    QApplication::processEvents();

    // Binding again replaces the binding.
    TextBox a("a"), b("b");
    Bindung::binden(a, le);
    EXPECT_EQ(le->text(), "");
    Bindung::binden(b, le);
    Tippen(le, "z");
    EXPECT_EQ(b.Text(), "z");
    EXPECT_EQ(a.Text(), "");
    a.setText("nicht mehr");
    EXPECT_EQ(le->text(), "z");
    delete le;
    b.setText("ohne Widget");
    QApplication::processEvents();
}

// A text box takes the focus with its text selected, so that typing
// replaces what the program put in (a proposal such as a share of 100.0):
// by Tab, by the program, and when the program fills the box while it has
// the focus. A click places the caret, unless the program fills the box on
// that click. What the model makes of the user's typing is no proposal.
TEST(Bindung, VorschlagIstBeimFokusMarkiert) {
    QWidget fenster;
    auto* a = new QLineEdit(&fenster);
    auto* b = new QLineEdit(&fenster);
    b->move(0, 40);
    TextBox txtA("txtA"), txtB("txtB");
    Bindung::binden(txtA, a);
    Bindung::binden(txtB, b);
    fenster.show();
    fenster.activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(fenster.isActiveWindow());

    struct Fall {
        const char* wie;
        Qt::FocusReason grund;
        bool markiert;
    };
    const Fall fälle[] = {{"Tab", Qt::TabFocusReason, true},
                          {"Shift+Tab", Qt::BacktabFocusReason, true},
                          {"vom Programm", Qt::OtherFocusReason, true},
                          {"Fenster aktiv", Qt::ActiveWindowFocusReason, true},
                          {"Klick", Qt::MouseFocusReason, false}};
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.wie);
        a->setFocus(Qt::OtherFocusReason);
        txtB.setText("100.0");
        b->setFocus(f.grund);
        ASSERT_TRUE(b->hasFocus());
        EXPECT_EQ(b->selectedText(), f.markiert ? "100.0" : "");
        if (!f.markiert) continue;
        Tippen(b, "50");
        EXPECT_EQ(txtB.Text(), "50");
    }

    // Filled by the program while it has the focus: selected.
    txtB.setText("");
    b->setFocus(Qt::OtherFocusReason);
    txtB.setText("100.0");
    EXPECT_EQ(b->selectedText(), "100.0");
    Tippen(b, "25");
    EXPECT_EQ(txtB.Text(), "25");

    // Filled on the click that gave the focus: selected once the click is
    // over, though the press placed the caret.
    a->setFocus(Qt::OtherFocusReason);
    txtB.setText("");
    QMetaObject::Connection vorschlag =
        QObject::connect(qApp, &QApplication::focusChanged, [&](QWidget*, QWidget* jetzt) {
            if (jetzt == b && txtB.Text().empty()) txtB.setText("30");
        });
    b->setFocus(Qt::MouseFocusReason);
    const QPoint mitte = b->rect().center();
    QMouseEvent drücken(QEvent::MouseButtonPress, mitte, b->mapToGlobal(mitte), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
    QApplication::sendEvent(b, &drücken);
    QMouseEvent loslassen(QEvent::MouseButtonRelease, mitte, b->mapToGlobal(mitte), Qt::LeftButton, Qt::NoButton,
                          Qt::NoModifier);
    QApplication::sendEvent(b, &loslassen);
    QObject::disconnect(vorschlag);
    EXPECT_EQ(txtB.Text(), "30");
    EXPECT_EQ(b->selectedText(), "30");
    Tippen(b, "20");
    EXPECT_EQ(txtB.Text(), "20");
    // A second click into the box places the caret as usual.
    QApplication::sendEvent(b, &drücken);
    QApplication::sendEvent(b, &loslassen);
    EXPECT_EQ(b->selectedText(), "");

    // The model rewrites what the user types (here: upper case): the
    // typing goes on behind it, nothing is selected.
    txtB.setText("");
    txtB.beobachten([&txtB](const Steuerelement&) {
        std::string t = txtB.Text();
        for (char& c : t) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
        txtB.setText(t);
    });
    Tippen(b, "ab");
    EXPECT_EQ(txtB.Text(), "AB");
    EXPECT_EQ(b->text(), "AB");
}

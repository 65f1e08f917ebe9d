// The component windows on the screen: keys and focus in the editor's layer
// grid through the real widgets, the material pop-up beside the grid, the
// material window, the chooser's details, and the pick-list button of the
// main window's number cells.
#include "components/Baustoff.h"
#include "components/Bauteile.h"
#include "components/frmBaustoff.h"
#include "components/frmBauteil.h"
#include "components/frmBauteilListe.h"
#include "components/qt/frmBaustoffAnsicht.h"
#include "components/qt/frmBauteilAnsicht.h"
#include "components/qt/frmBauteilListeAnsicht.h"
#include "frame/Initialisierung.h"
#include "frame/qt/EingabeTabelleWidget.h"
#include "mainwindow/qt/BauteillisteAnsicht.h"
#include "mainwindow/qt/frmZIRVO3801Ansicht.h"
#include "tests/components/Komponentenhilfe.h"
#include "tests/support/Zonenprojekt.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

using Testhilfe::Bild;
using Testhilfe::Kind;

void Taste(QWidget* w, int key, Qt::KeyboardModifiers m = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent d(QEvent::KeyPress, key, m, text);
    QApplication::sendEvent(w, &d);
    QKeyEvent u(QEvent::KeyRelease, key, m, text);
    QApplication::sendEvent(w, &u);
    QApplication::processEvents();
}

void Hinein(QWidget* w) {
    w->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
}

void Aktivieren(QWidget& w) {
    w.show();
    w.activateWindow();
    QApplication::setActiveWindow(&w);
    QApplication::processEvents();
}

class Ansichten : public ::testing::Test {
protected:
    Testhilfe::Zonenprojekt z;
    Testhilfe::Testordner ordner{"bauteil_ansicht"};
    Testhilfe::SkriptUmgebung umgebung;
    Plattform::DiensteSetzen dienste{
        Plattform::Dienste{&z.umgebung.meldungen, &z.umgebung.dateidialoge, nullptr, nullptr, &umgebung}};
    std::string altOrdner = Global::Initialisierung.OrdnerDatenbank;
    frmBauteil& e = Global::frmBauteil;

    void SetUp() override {
        umgebung.Programm = ordner.Datei("leer");
        Global::Initialisierung.OrdnerDatenbank = ordner.pfad.string();
        Baustoff db;
        ASSERT_TRUE(db.DBOpen(ordner.Datei("Baustoff.dbk")));
        for (auto [bez, kurz, kat, lambda] : {std::tuple{"W = Wärmedämmstoffe", "", "W", 0.0},
                                              {"Kalkputz", "KP", "P", 1.0}, {"Mineralwolle 035", "MW35", "W", 0.035}}) {
            db.NewRecord();
            db.setBez(bez);
            db.setKBez(kurz);
            db.setKat(kat);
            db.setLambda(lambda);
            ASSERT_GT(db.Save(), 0);
        }
        Bauteil{"Aussenwand", "verputzt", 0.19, 0, 0.13, 0.04,
                {{"Kalkputz", 2, 1800, 1.0, 0, ""}, {"Mineralwolle 035", 18, 30, 0.035, 0, "1"}}, "W"}
            .Speichern(z.P, 1);
        Fenster{"Holzfenster", "", 1.0, 0, 0.5, 0.7, "Holz", 1.3, "IV 3-fach", 0.6, ""}.Speichern(z.P, 1);
        Wärmebrücke{"Balkonplatte", "auskragend", 0.25, "Platte ohne Trennung", ""}.Speichern(z.P, 1);
    }
    // The main window with the envelope table shown and a wall in its first
    // row; the focus in that row's item-number cell (null when not there).
    QLineEdit* InDieNummerDerAussenwand(frmZIRVO3801Ansicht& fenster) {
        fenster.Form_Load();
        fenster.TabelleInitialisieren();
        fenster.resize(1100, 700);
        Aktivieren(fenster);
        z.F.PaneTabelle[0] = 0;
        z.F.TabelleAnzeigen(TabelleA);
        z.Zeile(2, 0, {"W", "", "42"});
        QApplication::processEvents();
        QLineEdit* nummer = fenster.Zelle(z.F.txtDaBt[0]);
        if (nummer) Hinein(nummer);
        return nummer;
    }
    void TearDown() override {
        e.Form_Unload();
        Global::Initialisierung.OrdnerDatenbank = altOrdner;
        frmBauteilListe::Anzeigen = nullptr;
    }
};

TEST_F(Ansichten, EditorTastenUndMaterialliste) {
    e.Form_Load();
    auto* ansicht = new frmBauteilAnsicht(e);
    ansicht->setAttribute(Qt::WA_DeleteOnClose);
    ansicht->resize(720, 760);
    Aktivieren(*ansicht);
    auto* bez = static_cast<QLineEdit*>(ansicht->Widget(e.txtBBez));
    auto* zelle = static_cast<QLineEdit*>(ansicht->Widget(e.txtBtBez[2]));
    auto* dicke = static_cast<QLineEdit*>(ansicht->Widget(e.txtBtDi[2]));
    auto* cbo = static_cast<QComboBox*>(ansicht->Widget(e.cboBauteilListe));
    ASSERT_TRUE(bez && zelle && dicke && cbo);
    EXPECT_EQ(bez->text(), "Aussenwand");
    EXPECT_EQ(cbo->currentText(), "1 - Aussenwand");

    // The list button stands at the right edge of the focused "Baustoff"
    // cell; Alt+Down opens the pop-up beside it over the grid's rows.
    Hinein(zelle);
    QWidget* knopf = ansicht->Widget(e.cmdBstListe);
    ASSERT_TRUE(knopf && knopf->isVisible());
    EXPECT_EQ(knopf->geometry().left(), zelle->mapTo(knopf->parentWidget(), QPoint(zelle->width(), 0)).x());
    // The button covers the left end of the thickness cell beside it, whose
    // text makes room for it; the room goes back with the button.
    {
        const QRect k(knopf->mapTo(ansicht, QPoint(0, 0)), knopf->size());
        const int textLinks = dicke->mapTo(ansicht, QPoint(0, 0)).x() + dicke->textMargins().left();
        EXPECT_GT(dicke->textMargins().left(), 0);
        EXPECT_GT(textLinks, k.right());
    }
    Taste(zelle, Qt::Key_Down, Qt::AltModifier);
    auto* liste = static_cast<QListWidget*>(ansicht->Widget(e.lstBstListe));
    ASSERT_TRUE(liste && liste->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), liste);
    EXPECT_EQ(liste->count(), 3);
    Bild(*ansicht, "frmBauteil_Baustoffliste.png");

    // The category label pops up "Baustoff-Kategorie" with the letters as
    // its submenu; a letter narrows the list to its materials.
    {
        int gezeigt = 0;
        frmBauteilAnsicht::KategorieMenüZeigen = [&](QMenu& menü) {
            ++gezeigt;
            EXPECT_EQ(menü.objectName(), "mnuPopup");
            ASSERT_EQ(menü.actions().size(), 1);
            QMenu* kat = menü.actions()[0]->menu();
            ASSERT_NE(kat, nullptr);
            EXPECT_EQ(kat->objectName(), "mnuBKat");
            EXPECT_EQ(kat->title(), "Baustoff-Kategorie");
            const auto buchstaben = kat->actions();
            ASSERT_EQ(buchstaben.size(), 27);
            EXPECT_EQ(buchstaben[0]->text(), "- ");
            EXPECT_EQ(buchstaben[1]->text(), "A");
            EXPECT_EQ(buchstaben[23]->text(), "W\tWärmedämmstoffe");
            buchstaben[23]->trigger();
        };
        QWidget* kat = ansicht->Widget(e.lblKat);
        ASSERT_TRUE(kat);
        QMouseEvent druck(QEvent::MouseButtonPress, QPointF(3, 3), kat->mapToGlobal(QPointF(3, 3)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(kat, &druck);
        QApplication::processEvents();
        frmBauteilAnsicht::KategorieMenüZeigen = nullptr;
        EXPECT_EQ(gezeigt, 1);
        EXPECT_EQ(e.lblKat.Caption(), "W");
        EXPECT_EQ(liste->count(), 2);
        e.mnuBKatAZ_Click(0);
        EXPECT_EQ(liste->count(), 3);
        liste->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }
    // Escape closes it and gives the cell the focus back.
    Taste(liste, Qt::Key_Escape);
    EXPECT_FALSE(liste->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), zelle);

    // The captions of R and of the monitoring column stand apart, the
    // monitoring caption over its cells.
    {
        auto* r = ansicht->findChild<QLabel*>("Kopf(4)");
        auto* ü = ansicht->findChild<QLabel*>("Kopf(5)");
        QWidget* üZelle = ansicht->Widget(e.txtBtUe[0]);
        ASSERT_TRUE(r && ü && üZelle);
        const int üText = ü->fontMetrics().horizontalAdvance(ü->text().section('\n', 0, 0));
        const int üLinks = ü->x() + (ü->width() - üText) / 2;
        EXPECT_GE(üLinks - r->geometry().right(), 8);
        EXPECT_GE(üZelle->x(), ü->x());
        EXPECT_LE(üZelle->geometry().right(), ü->geometry().right());
    }

    // A short designation and Enter: the row is filled, the focus on to the
    // thickness; leaving it computes U.
    Testhilfe::Tippen(zelle, "mw35");
    Taste(zelle, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), dicke);
    EXPECT_EQ(e.txtBtBez[2].Text(), "Mineralwolle 035");
    Testhilfe::Tippen(dicke, "10");
    Taste(dicke, Qt::Key_Tab); // the next row's thickness
    EXPECT_EQ(QApplication::focusWidget(), ansicht->Widget(e.txtBtDi[3]));
    // R = 0.13 + 0.02 + 0.18/0.035 + 0.10/0.035 + 0.04 = 8.19 m²K/W
    EXPECT_EQ(e.txtBU.Text(), "    0.12");
    Bild(*ansicht, "frmBauteil_Bauteil.png");

    // The other pages with their items.
    for (int seite : {1, 2}) {
        e.tabBauteil.setListIndex(seite);
        e.tabBauteil_Click();
        QApplication::processEvents();
        Bild(*ansicht, seite == 1 ? "frmBauteil_Fenster.png" : "frmBauteil_Waermebruecke.png");
    }
    EXPECT_EQ(static_cast<QLineEdit*>(ansicht->Widget(e.txtWText1))->text(), "Platte ohne Trennung");
    EXPECT_EQ(static_cast<QLineEdit*>(ansicht->Widget(e.txtFg))->text(), "  0.50");

    // Closing stores the wall as it stands.
    ansicht->close();
    QApplication::processEvents();
    EXPECT_FALSE(e.Geladen());
    ASSERT_TRUE(Bauteil::Lesen(z.P, 1));
    EXPECT_EQ(Bauteil::Lesen(z.P, 1)->Schichten.size(), 3u);
}

TEST_F(Ansichten, BaustoffeUndAuswahl) {
    // The material window.
    {
        frmBaustoff m;
        m.Form_Load();
        frmBaustoffAnsicht ansicht(m);
        Aktivieren(ansicht);
        auto* cbo = Kind<QComboBox>(ansicht, "cboBaustoff");
        ASSERT_TRUE(cbo);
        EXPECT_EQ(cbo->count(), 3);
        EXPECT_EQ(cbo->currentText(), "Kalkputz");
        EXPECT_EQ(Kind<QLineEdit>(ansicht, "txtLambda")->text(), "1");
        auto* ue = Kind<QLineEdit>(ansicht, "txtUe");
        Hinein(ue);
        Testhilfe::Tippen(ue, "7");
        EXPECT_EQ(ue->text(), "");
        Bild(ansicht, "frmBaustoff.png");
        Kind<QPushButton>(ansicht, "cmdSchliessen")->click();
        EXPECT_FALSE(m.Geladen());
    }

    // The chooser on the open project: the wall's details with coloured headings.
    frmBauteilListe::Anzeigen = [](frmBauteilListe& c) {
        frmBauteilListeAnsicht ansicht(c);
        Aktivieren(ansicht);
        c.optProjAktuell_Click(0);
        c.lstBauteile.setListIndex(0);
        QApplication::processEvents();
        auto* details = Kind<QTextEdit>(ansicht, "rtbT");
        EXPECT_TRUE(details->toPlainText().startsWith("Bezeichnung:\tAussenwand\n"));
        // At the window's first size the layer table is whole: the R and
        // "Üb." columns need no scrolling.
        EXPECT_EQ(details->horizontalScrollBar()->maximum(), 0);
        EXPECT_LE(details->document()->idealWidth(), details->viewport()->width());
        EXPECT_NE(details->toHtml().indexOf("#1f007f"), -1);
        Bild(ansicht, "frmBauteilListe.png");
        Kind<QPushButton>(ansicht, "cmdAuswahl")->click();
    };
    KollektionZeiger element;
    EXPECT_TRUE(frmBauteilListe::Aufruf(0, element));
    ASSERT_TRUE(element);
    EXPECT_EQ(Bauteil::AusKollektion(*element).Schichten.size(), 2u);
}

// The pick-list button of the main window: beside the number cell, the list
// over the table, Enter picks.
TEST_F(Ansichten, AuswahllisteDerTabellen) {
    frmZIRVO3801Ansicht fenster(z.F);
    QLineEdit* nummer = InDieNummerDerAussenwand(fenster);
    ASSERT_TRUE(nummer);
    auto* knopf = fenster.findChild<QToolButton*>("cmdDaBt");
    ASSERT_TRUE(knopf && knopf->isVisible());
    EXPECT_EQ(knopf->geometry().left(), nummer->geometry().right() + 1);
    EXPECT_EQ(knopf->geometry().top(), nummer->geometry().top());
    // The U cell beside it keeps its text clear of the button.
    QLineEdit* u = fenster.Zelle(z.F.txtDaU[0]);
    ASSERT_TRUE(u);
    EXPECT_GT(u->geometry().left() + u->textMargins().left(), knopf->geometry().right());
    Taste(nummer, Qt::Key_Down, Qt::AltModifier);
    auto* liste = fenster.findChild<QListWidget*>("lstDaBt");
    ASSERT_TRUE(liste && liste->isVisible());
    ASSERT_EQ(liste->count(), 1);
    EXPECT_EQ(liste->item(0)->text(), "  1  Aussenwand");
    Bild(fenster, "Bauteilliste.png");
    liste->setCurrentRow(0);
    Taste(liste, Qt::Key_Return);
    EXPECT_FALSE(liste->isVisible());
    EXPECT_EQ(z.F.txtDaBt[0].Text(), "  1");
    EXPECT_EQ(z.F.txtDaU[0].Text(), "  0.19");
    EXPECT_EQ(z.F.txtDaBez[0].Text(), "Aussenwand");
    EXPECT_EQ(QApplication::focusWidget(), nummer);
    // Away from the number cell the button goes and the U cell's text has
    // its whole width again.
    Hinein(fenster.Zelle(z.F.txtDaBez[0]));
    EXPECT_FALSE(knopf->isVisible());
    EXPECT_EQ(u->textMargins().left(), 0);
}

// The component editor opens as a window of its own owned by the main
// window, so that it stays in front of it.
TEST_F(Ansichten, EditorGehoertDemHauptfenster) {
    frmZIRVO3801Ansicht fenster(z.F);
    frmBauteilAnsicht::Einrichten();
    ASSERT_TRUE(Global::frmZIRVO3801.BauteileAnzeigen);
    Global::frmZIRVO3801.BauteileAnzeigen();
    QApplication::processEvents();
    QPointer<frmBauteilAnsicht> editor = frmBauteilAnsicht::Offen();
    ASSERT_TRUE(editor);
    EXPECT_TRUE(editor->isWindow());
    EXPECT_EQ(editor->parentWidget(), &fenster);
    // The desktop learns the owner (WM_TRANSIENT_FOR on X11) only from a
    // window of the dialog type; the editor still is modeless.
    EXPECT_EQ(editor->windowType(), Qt::Dialog);
    EXPECT_FALSE(editor->isModal());
    ASSERT_TRUE(editor->windowHandle());
    EXPECT_EQ(editor->windowHandle()->transientParent(), fenster.windowHandle());
    editor->close();
    QApplication::processEvents();
    Global::frmZIRVO3801.BauteileAnzeigen = nullptr;
    Global::frmZIRVO3801.BaustoffeAnzeigen = nullptr;
}

// Closing the main window while the pick list is open and has the focus:
// the list goes with the window and tells the model nothing on its way out.
TEST_F(Ansichten, AuswahllisteOffenBeimSchliessen) {
    {
        frmZIRVO3801Ansicht fenster(z.F);
        QLineEdit* nummer = InDieNummerDerAussenwand(fenster);
        ASSERT_TRUE(nummer);
        Taste(nummer, Qt::Key_Down, Qt::AltModifier);
        auto* liste = fenster.findChild<QListWidget*>("lstDaBt");
        ASSERT_TRUE(liste && liste->isVisible());
        ASSERT_EQ(QApplication::focusWidget(), liste);
        EXPECT_TRUE(z.F.lstDaBt.Visible());
    }
    EXPECT_TRUE(z.F.lstDaBt.Visible());
}

} // namespace

#include "dialogs/qt/frmProjektAnsicht.h"

#include "balance/Klimastation_MB2028.h"
#include "balance/qt/frmTabellenRechnerAnsicht.h"
#include "dialogs/frmProjekt.h"
#include "frame/Initialisierung.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVO_HiRi.h"
#include "frame/cVB6_NumCvt.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Testplattform.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

void Taste(QWidget* w, int key, Qt::KeyboardModifiers m = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent d(QEvent::KeyPress, key, m, text);
    QApplication::sendEvent(w, &d);
    QKeyEvent u(QEvent::KeyRelease, key, m, text);
    QApplication::sendEvent(w, &u);
}

void Tippen(QWidget* w, const QString& text) {
    for (QChar c : text) Taste(w, 0, Qt::NoModifier, QString(c));
}

template <class W> W* Finden(QWidget* fenster, const char* name) {
    W* w = fenster->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

using StrgUmgebung = Testhilfe::SkriptUmgebung;

// Scripted message boxes, the texts on, comma input and the decimal comma;
// the program-wide values the dialog writes are restored afterwards.
class Ansicht : public ::testing::Test {
protected:
    Testhilfe::SkriptMeldungen meldungen;
    StrgUmgebung strg;
    Plattform::DiensteSetzen gesetzt{Plattform::Dienste{&meldungen, nullptr, nullptr, nullptr, &strg}};

    void SetUp() override {
        basZIRVODialogSprache::SpracheSetzen();
        basVB6NumCvt::KommaEingabeSetzen(true);
        zahlen_ = cVB6_NumCvt::Instanz();
        cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "xx-XX", ",", "'", ".", "'"));
        station_ = Global::Klimastation_MB2028;
        nord_ = basZIRVO_HiRi::NordAktuell;
        pv_ = Global::Initialisierung.Projektverfasser;
    }
    void TearDown() override {
        cVB6_NumCvt::InstanzSetzen(zahlen_);
        Global::Klimastation_MB2028 = station_;
        basZIRVO_HiRi::NordAktuell = nord_;
        Global::Initialisierung.Projektverfasser = pv_;
    }

private:
    cVB6_NumCvt zahlen_;
    Klimastation_MB2028 station_;
    std::string nord_, pv_;
};

} // namespace

TEST_F(Ansicht, ProjektdialogEingabeUndOK) {
    Projekt p;
    p.ProjektNeu();
    p.PSetStr("Alt", "Id");
    p.PSetStr("Zürich -Kloten", "KlSt");
    frmProjekt modell(p);
    frmProjektAnsicht fenster(modell);
    fenster.show();
    EXPECT_EQ(fenster.windowTitle(), "Projektangaben");
    auto* tabs = Finden<QTabWidget>(&fenster, "tabProjekt");
    ASSERT_EQ(tabs->count(), 5);
    EXPECT_EQ(tabs->tabText(3), "Klimadaten");

    // Typed text reaches the model.
    auto* id = Finden<QLineEdit>(&fenster, "txtID");
    EXPECT_EQ(id->text(), "Alt");
    id->selectAll();
    Tippen(id, "Neu 7");
    EXPECT_EQ(modell.txtID.Text(), "Neu 7");
    Tippen(Finden<QLineEdit>(&fenster, "txtMueM"), "1,5");
    auto* bh = Finden<QLineEdit>(&fenster, "txtBH(4)");
    Tippen(bh, "Frau Muster");
    EXPECT_EQ(modell.txtBH[4].Text(), "Frau Muster");

    // A click on an option runs the model's rules, and the widgets follow.
    auto* umbau = Finden<QRadioButton>(&fenster, "optArt(2)");
    EXPECT_EQ(umbau->text(), "Umbau");
    auto* ziel = Finden<QRadioButton>(&fenster, "optNwGrZi(1)");
    EXPECT_TRUE(ziel->isEnabled());
    umbau->click();
    EXPECT_TRUE(modell.optArt[2].Value());
    EXPECT_FALSE(modell.optArt[0].Value());
    EXPECT_FALSE(ziel->isEnabled());
    EXPECT_TRUE(Finden<QRadioButton>(&fenster, "optNwGrZi(0)")->isChecked());
    Finden<QRadioButton>(&fenster, "optArtB(1)")->click();
    EXPECT_FALSE(Finden<QRadioButton>(&fenster, "optNwGrZi(0)")->isChecked());
    EXPECT_TRUE(Finden<QComboBox>(&fenster, "cboBeZw")->isEnabled());

    // The station page shows the station; picking the next one shows its data.
    tabs->setCurrentIndex(3);
    EXPECT_EQ(modell.HelpContextID, 1040);
    EXPECT_TRUE(modell.picKlima.Visible());
    auto* station = Finden<QComboBox>(&fenster, "cboKlimastation");
    EXPECT_EQ(station->currentText(), "Zürich -Kloten");
    EXPECT_EQ(Finden<QLineEdit>(&fenster, "txtKlH")->text(), "425");
    EXPECT_TRUE(Finden<QLineEdit>(&fenster, "txtGS(0)")->isReadOnly());
    Taste(station, Qt::Key_Down);
    EXPECT_EQ(station->currentText(), "Zürich -MeteoSchweiz");
    EXPECT_EQ(Finden<QLineEdit>(&fenster, "txtKlH")->text(), "556");
    EXPECT_EQ(Finden<QLabel>(&fenster, "lblATJahr")->text(), "9,4");

    // Ctrl+S in an author's box keeps the block in the settings.
    Tippen(Finden<QLineEdit>(&fenster, "txtPV(0)"), "Planer AG ");
    Taste(Finden<QLineEdit>(&fenster, "txtPV(3)"), Qt::Key_S, Qt::ControlModifier, QString(QChar(19)));
    EXPECT_EQ(Global::Initialisierung.Projektverfasser, "Planer AG\x7F\x7F\x7F\x7F\x7F\x7F\x7F");
    EXPECT_EQ(modell.txtPV[3].Text(), "");

    Finden<QRadioButton>(&fenster, "optNordNNE")->click();

    // OK stores and closes.
    Finden<QPushButton>(&fenster, "cmdOK")->click();
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_EQ(fenster.result(), QDialog::Accepted);
    EXPECT_TRUE(modell.Bestätigt());
    EXPECT_EQ(p.PGetStr("Id"), "Neu 7");
    EXPECT_DOUBLE_EQ(p.PGetNum("MueM"), 1.5);
    EXPECT_EQ(p.PGetInt("BvArt"), 1);
    EXPECT_EQ(p.PGetInt("ArtB"), 1);
    EXPECT_EQ(p.PGetStr("KlSt"), "Zürich -MeteoSchweiz");
    EXPECT_DOUBLE_EQ(p.PGetNum("JMT"), 9.4);
    EXPECT_EQ(p.PGetColl("Bh")->Text(5), "Frau Muster");
    EXPECT_EQ(p.PGetStr("Nord"), "NNE");
    EXPECT_EQ(basZIRVO_HiRi::NordAktuell, "NNE");
    EXPECT_TRUE(meldungen.Gezeigt.empty());
}

TEST_F(Ansicht, ProjektdialogSchliessenVerwirft) {
    Projekt p;
    p.ProjektNeu();
    p.PSetStr("Alt", "Id");
    frmProjekt modell(p);
    frmProjektAnsicht fenster(modell);
    fenster.show();
    Tippen(Finden<QLineEdit>(&fenster, "txtID"), "X");
    EXPECT_EQ(modell.txtID.Text(), "AltX");
    fenster.close(); // the close box
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_FALSE(modell.Bestätigt());
    EXPECT_EQ(p.PGetStr("Id"), "Alt");

    frmProjekt modell2(p);
    frmProjektAnsicht fenster2(modell2);
    fenster2.show();
    Tippen(Finden<QLineEdit>(&fenster2, "txtID"), "Y");
    Finden<QPushButton>(&fenster2, "cmdAbbrechen")->click();
    EXPECT_FALSE(fenster2.isVisible());
    EXPECT_EQ(p.PGetStr("Id"), "Alt");
}

TEST_F(Ansicht, ProjektdialogAufruf) {
    Projekt alt = Global::Projekt;
    Global::Projekt = Projekt();
    Global::Projekt.ProjektNeu();
    Global::Projekt.PSetStr("P", "Id");
    auto altesAnzeigen = frmProjekt::Anzeigen;
    frmProjektAnsicht::Einrichten();
    bool aufruf = false;
    Testhilfe::Modal([&] { aufruf = frmProjekt::Aufruf(); },
                     [](QDialog& fenster) {
                         Tippen(Finden<QLineEdit>(&fenster, "txtID"), "-2");
                         Finden<QPushButton>(&fenster, "cmdOK")->click();
                     });
    EXPECT_TRUE(aufruf);
    EXPECT_EQ(Global::Projekt.PGetStr("Id"), "P-2");

    Testhilfe::Modal([&] { aufruf = frmProjekt::Aufruf(); },
                     [](QDialog& fenster) {
                         Tippen(Finden<QLineEdit>(&fenster, "txtID"), "-3");
                         Taste(&fenster, Qt::Key_Escape);
                     });
    EXPECT_FALSE(aufruf);
    EXPECT_EQ(Global::Projekt.PGetStr("Id"), "P-2");
    frmProjekt::Anzeigen = altesAnzeigen;
    Global::Projekt = alt;
}

TEST_F(Ansicht, TabellenRechner) {
    frmTabellenRechnerAnsicht fenster;
    fenster.show();
    frmTabellenRechner& m = fenster.Modell();
    EXPECT_EQ(fenster.windowTitle(), "ZIRVO 380/1  Tabellen-Rechner");

    // Typing recomputes at once: wall, depth 1 m, U 0.4 gives .83.
    Tippen(Finden<QLineEdit>(&fenster, "txtBGTW"), "1");
    Tippen(Finden<QLineEdit>(&fenster, "txtBGUW"), "0,4");
    EXPECT_EQ(m.txtBGUW.Text(), "0,4");
    auto* bgw = Finden<QLabel>(&fenster, "lblBGW");
    EXPECT_EQ(bgw->text(), "0,83");
    EXPECT_EQ(bgw->toolTip(), "0,830");
    auto* u = Finden<QLineEdit>(&fenster, "txtBGUW");
    u->selectAll();
    Tippen(u, "1,5"); // outside the table
    EXPECT_EQ(bgw->text(), "");
    EXPECT_EQ(bgw->toolTip(), "");

    // Picking a room type and ticking the box: "Estrichraum, Schrägdach" .9, insulated .7.
    auto* bu = Finden<QComboBox>(&fenster, "cboListeBU");
    EXPECT_EQ(bu->count(), 5);
    Taste(bu, Qt::Key_Down);
    EXPECT_EQ(m.cboListeBU.ListIndex(), 0);
    EXPECT_EQ(Finden<QLabel>(&fenster, "lblBU")->text(), "0,90");
    Finden<QCheckBox>(&fenster, "chkListeBU_g")->click();
    EXPECT_EQ(m.chkListeBU_g.Value(), 1);
    EXPECT_EQ(Finden<QLabel>(&fenster, "lblBU")->text(), "0,70");

    // Horizon: south, 20 degrees: .82.
    auto* ori = Finden<QComboBox>(&fenster, "cboOriFS1");
    Taste(ori, Qt::Key_Down);
    EXPECT_EQ(ori->currentText(), "S");
    EXPECT_EQ(Finden<QLabel>(&fenster, "lblFS1")->text(), "");
    Tippen(Finden<QLineEdit>(&fenster, "txtFS1Alpha"), "20");
    EXPECT_EQ(Finden<QLabel>(&fenster, "lblFS1")->text(), "0,82");

    // Ctrl+double-click toggles the height; without Ctrl nothing changes.
    const int hoch = fenster.height();
    QPointF punkt(5, 5);
    QMouseEvent doppel(QEvent::MouseButtonDblClick, punkt, fenster.mapToGlobal(punkt), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&fenster, &doppel);
    EXPECT_EQ(fenster.height(), hoch);
    strg.Strg = true;
    QApplication::sendEvent(&fenster, &doppel);
    EXPECT_EQ(m.Height, 4380);
    EXPECT_LT(fenster.height(), hoch);
    QApplication::sendEvent(&fenster, &doppel);
    EXPECT_EQ(fenster.height(), hoch);
}

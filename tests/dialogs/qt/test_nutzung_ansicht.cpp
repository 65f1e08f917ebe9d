#include "dialogs/frmNutzung.h"
#include "dialogs/frmNutzungZone.h"
#include "dialogs/qt/frmNutzungAnsicht.h"
#include "dialogs/qt/frmNutzungZoneAnsicht.h"

#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVODialogSprache.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Testplattform.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>

#include <gtest/gtest.h>

#include <string>

namespace {

using Testhilfe::Bild;
using Testhilfe::Kind;
using Testhilfe::Tippen;

void Fokus(QWidget* w, QEvent::Type art) {
    QFocusEvent e(art, Qt::TabFocusReason);
    QApplication::sendEvent(w, &e);
}

class NutzungAnsicht : public ::testing::Test {
protected:
    Testhilfe::SkriptMeldungen meldungen;
    Plattform::DiensteSetzen dienste{Plattform::Dienste{&meldungen, nullptr, nullptr, nullptr, nullptr}};
    Projekt& p = Global::Projekt;

    void SetUp() override {
        basZIRVODialogSprache::SpracheSetzen();
        basVB6NumCvt::KommaEingabeSetzen(true);
        frmNutzung::SortierRichtung = 1;
        // Two zones of category I "Wohnen MFH".
        p = Projekt();
        p.ProjektNeu();
        Zone("Wohnen West", "W");
        p.ZSetNum(21, "Ti");
        p.ZSetStr("Eckwohnungen", "Ti_B");
        ASSERT_EQ(p.ZoneNeu(), 0);
        Zone("Wohnen Ost", "O");
        p.ZSetNum(45, "VTHB");
        p.ZSetStr("Fussbodenheizung", "VTHB_B");
        p.SetNZone(0);
    }
    void TearDown() override {
        frmNutzung::Anzeigen = nullptr;
        frmNutzungZone::Anzeigen = nullptr;
        p = Projekt();
    }
    void Zone(const char* bez, const char* code) {
        p.ZSetStr(bez, "Bez");
        p.ZSetStr(code, "Code");
        p.ZSetInt(1, "Gk");
        p.ZSetNum(20, "Ti");
        p.ZSetNum(40, "PFl");
        p.ZSetNum(70, "PWP");
        p.ZSetNum(12, "PPr");
        p.ZSetNum(28, "El");
        p.ZSetNum(0.7, "fe");
        p.ZSetNum(0.7, "AVE");
        p.ZSetNum(21, "WW");
        p.ZSetNum(0.1, "C");
        p.ZSetNum(1, "RZ");
    }
};

} // namespace

TEST_F(NutzungAnsicht, EingabeErreichtDasModellUndOkSpeichert) {
    frmNutzung modell;
    modell.Form_Load();
    modell.Form_Resize();
    frmNutzungAnsicht ansicht(modell);
    ansicht.show();
    QApplication::processEvents();
    EXPECT_EQ(ansicht.windowTitle(), "Nutzung");

    auto* cboZonen = Kind<QComboBox>(ansicht, "cboZonen");
    auto* txtBez = Kind<QLineEdit>(ansicht, "txtBez");
    auto* cboGebKat = Kind<QComboBox>(ansicht, "cboGebKat");
    auto* txtTi = Kind<QLineEdit>(ansicht, "txtTi");
    auto* lblTi = Kind<QLabel>(ansicht, "lblTi");
    auto* lblLuft = Kind<QLabel>(ansicht, "lblLuft");
    auto* txtVTHB = Kind<QLineEdit>(ansicht, "txtVTHB");
    auto* txtRR = Kind<QLineEdit>(ansicht, "txtRR");
    auto* tab = Kind<QTabBar>(ansicht, "tabNutzung");
    auto* seiten = ansicht.findChild<QStackedWidget*>();
    ASSERT_TRUE(cboZonen && txtBez && cboGebKat && txtTi && lblTi && lblLuft && txtVTHB && txtRR && tab && seiten);

    // Two zones: the zone choice in place of the name box.
    EXPECT_TRUE(cboZonen->isVisible());
    EXPECT_FALSE(txtBez->isVisible());
    EXPECT_EQ(cboZonen->count(), 2);
    EXPECT_EQ(cboZonen->currentText(), "Wohnen West  [W]");
    EXPECT_EQ(cboGebKat->currentText(), "Wohnen MFH    [I]");
    EXPECT_EQ(lblTi->text(), "20");
    EXPECT_EQ(lblLuft->text(), "0.70");
    EXPECT_EQ(txtTi->text(), "21");
    EXPECT_EQ(tab->count(), 2);
    EXPECT_EQ(tab->tabText(1), "Zonen");
    EXPECT_EQ(seiten->currentWidget()->objectName(), "picNutzung");
    Bild(ansicht, "frmNutzung_Nutzung.png");

    // Typed text reaches the model; leaving the box formats it.
    txtTi->clear();
    Tippen(txtTi, "22,6");
    EXPECT_EQ(modell.txtTi.Text(), "22,6");
    Fokus(txtTi, QEvent::FocusOut);
    EXPECT_EQ(txtTi->text(), "23");
    // Entering the empty flow-temperature box proposes 50.
    txtVTHB->clear();
    Fokus(txtVTHB, QEvent::FocusIn);
    EXPECT_EQ(txtVTHB->text(), "50");
    txtVTHB->clear();

    // The user picks the other zone: zone 0 is stored, zone 1 shown.
    cboZonen->setCurrentIndex(1);
    emit cboZonen->activated(1);
    EXPECT_EQ(p.GetNZone(), 1);
    EXPECT_EQ(p.Zone_GetNum(0, "Ti"), 23);
    EXPECT_EQ(txtTi->text(), "");
    EXPECT_EQ(txtVTHB->text(), "45");

    // A bad entry keeps the page: the tab strip does not move and the box
    // gets the focus.
    txtRR->clear();
    Tippen(txtRR, "7");
    tab->setCurrentIndex(1);
    EXPECT_EQ(tab->currentIndex(), 0);
    EXPECT_EQ(seiten->currentWidget()->objectName(), "picNutzung");
    ASSERT_FALSE(meldungen.Gezeigt.empty());
    EXPECT_EQ(meldungen.Zuletzt().Text, "Bitte Regelungszuschlag zur Raumtemperatur (0-2[K]) angeben.");
    EXPECT_EQ(ansicht.focusWidget(), txtRR);

    txtRR->clear();
    Tippen(txtRR, "0");
    tab->setCurrentIndex(1);
    EXPECT_EQ(modell.tabNutzungAuswahl, 1);
    EXPECT_EQ(seiten->currentWidget()->objectName(), "picZonen");
    auto* lstZonen = Kind<QListWidget>(ansicht, "lstZonen");
    ASSERT_TRUE(lstZonen);
    EXPECT_EQ(lstZonen->count(), 2);
    EXPECT_EQ(lstZonen->item(1)->text(), "Wohnen Ost  [O]");
    Bild(ansicht, "frmNutzung_Zonen.png");

    // Choosing in the list and sorting moves the zone up.
    lstZonen->setCurrentRow(1);
    EXPECT_EQ(modell.lstZonen.ListIndex(), 1);
    Kind<QPushButton>(ansicht, "cmdSortieren")->click();
    EXPECT_EQ(p.Zone_GetStr(0, "Code"), "O");
    EXPECT_EQ(lstZonen->currentRow(), 0);
    EXPECT_EQ(lstZonen->item(0)->text(), "Wohnen Ost  [O]");

    // OK stores the shown zone and closes the window.
    tab->setCurrentIndex(0);
    txtTi->clear();
    Tippen(txtTi, "19");
    Kind<QPushButton>(ansicht, "cmdOK")->click();
    EXPECT_FALSE(modell.Geladen());
    EXPECT_FALSE(ansicht.isVisible());
    EXPECT_EQ(p.GetNZone(), 0);
    EXPECT_EQ(p.ZGetStr("Code"), "O");
    EXPECT_EQ(p.ZGetNum("Ti"), 19);
    EXPECT_EQ(p.ZGetNum("RZ"), 0);
    EXPECT_EQ(meldungen.UngeplanteFragen, 0);
}

TEST_F(NutzungAnsicht, NeueZoneUeberDenNamensdialog) {
    frmNutzung modell;
    modell.Form_Load();
    modell.Form_Resize();
    frmNutzungAnsicht ansicht(modell);
    ansicht.show();
    QApplication::processEvents();
    Kind<QTabBar>(ansicht, "tabNutzung")->setCurrentIndex(1);

    // The name dialog opens modally; it is filled and confirmed from its
    // event loop.
    Testhilfe::Modal([&] { Kind<QPushButton>(ansicht, "cmdZoneNeu")->click(); },
                     [&](QDialog& d) {
                         EXPECT_EQ(d.windowTitle(), "Thermische Zone");
                         auto* txtBez = d.findChild<QLineEdit*>("txtBez");
                         auto* txtCode = d.findChild<QLineEdit*>("txtCode");
                         ASSERT_TRUE(txtBez && txtCode);
                         Tippen(txtBez, "Laden");
                         Tippen(txtCode, "l1");
                         d.findChild<QPushButton*>("cmdOK")->click();
                     });
    ASSERT_EQ(p.ZonenAnzahl(), 3);
    EXPECT_EQ(p.Zone_GetStr(2, "Bez"), "Laden");
    EXPECT_EQ(p.Zone_GetStr(2, "Code"), "L1");
    EXPECT_EQ(Kind<QListWidget>(ansicht, "lstZonen")->count(), 3);
    EXPECT_TRUE(meldungen.Gezeigt.empty());
    ansicht.reject();
    EXPECT_FALSE(modell.Geladen());
}

TEST_F(NutzungAnsicht, Namensdialog) {
    frmNutzungZone modell;
    modell.Bezeichnung = "";
    modell.Code = "";
    modell.OhneCode = false;
    modell.NeueZone = true;
    modell.Form_Load();
    frmNutzungZoneAnsicht ansicht(modell);
    ansicht.show();
    QApplication::processEvents();
    EXPECT_EQ(ansicht.windowTitle(), "Thermische Zone");
    auto* txtBez = Kind<QLineEdit>(ansicht, "txtBez");
    auto* txtCode = Kind<QLineEdit>(ansicht, "txtCode");
    auto* lblCode = Kind<QLabel>(ansicht, "lblCode");
    ASSERT_TRUE(txtBez && txtCode && lblCode);
    EXPECT_EQ(lblCode->text(), "Code");

    // Letters typed into the code become capitals; a third does not fit.
    Tippen(txtBez, "Büro");
    Tippen(txtCode, "a1x");
    EXPECT_EQ(txtCode->text(), "A1");
    EXPECT_EQ(modell.txtCode.Text(), "A1");
    EXPECT_EQ(modell.txtBez.Text(), "Büro");
    txtBez->setText("Büro Süd");
    Bild(ansicht, "frmNutzungZone.png");

    // The code of an existing zone is refused; the window stays.
    txtCode->setText("W");
    Kind<QPushButton>(ansicht, "cmdOK")->click();
    ASSERT_EQ(meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(meldungen.Nr(0).Text, "Der Code hat bereits eine andere Zone.");
    EXPECT_TRUE(ansicht.isVisible());
    txtCode->setText("B");
    Kind<QPushButton>(ansicht, "cmdOK")->click();
    EXPECT_FALSE(ansicht.isVisible());
    EXPECT_EQ(modell.Bezeichnung, "Büro Süd");
    EXPECT_EQ(modell.Code, "B");

    // Without a code the box is disabled; Esc cancels.
    modell.OhneCode = true;
    modell.Form_Load();
    frmNutzungZoneAnsicht zweite(modell);
    zweite.show();
    QApplication::processEvents();
    EXPECT_FALSE(Kind<QLineEdit>(zweite, "txtCode")->isEnabled());
    EXPECT_FALSE(Kind<QLabel>(zweite, "lblCode")->isEnabled());
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&zweite, &esc);
    EXPECT_FALSE(zweite.isVisible());
    EXPECT_FALSE(modell.Geladen());
    EXPECT_EQ(modell.Bezeichnung, "");
    EXPECT_EQ(modell.Code, "");
}

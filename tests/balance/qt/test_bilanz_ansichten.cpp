// The windows of the zone balance on screen: ventilation, gains, heating
// demand and heating power, each opened offscreen on a small zone.
#include "balance/frmGewinn.h"
#include "balance/frmLueftung.h"
#include "balance/frmQh.h"
#include "balance/frmWaermeleistungsbedarf.h"
#include "balance/qt/frmGewinnAnsicht.h"
#include "balance/qt/frmLueftungAnsicht.h"
#include "balance/qt/frmQhAnsicht.h"
#include "balance/qt/frmWaermeleistungsbedarfAnsicht.h"

#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "project/Kollektion.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Zonenprojekt.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using Testhilfe::Bild;
using Testhilfe::Kind;
using Testhilfe::Modal;
using Testhilfe::Tippen;

// The box emptied, the text typed, the box left: what the user does.
void Eingeben(QLineEdit* w, const QString& text) {
    w->clear();
    Tippen(w, text);
    QFocusEvent aus(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &aus);
}

void Taste(QWidget* w, int taste, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    const QString text = taste == Qt::Key_Return ? QStringLiteral("\r") : QString();
    QKeyEvent d(QEvent::KeyPress, taste, mod, text);
    QApplication::sendEvent(w, &d);
}

QString Getrimmt(const QLineEdit* w) { return w->text().trimmed(); }

// A zone value of the year as a label shows it.
QString Jahr(const char* schlüssel, int dezimalen) {
    Monatsarray a{};
    Global::Projekt.ZGetArr1(a, schlüssel);
    return QString::fromStdString(basVB6NumCvt::FestkommaText(a[12], dezimalen));
}

// Zone of category I at Zürich-MeteoSchweiz (556 m, Ti 20 °C, AVE 0.7):
// EBF 100 m² and one south wall of 100 m² with U 0.5.
class BilanzAnsicht : public ::testing::Test {
protected:
    Testhilfe::Zonenprojekt z;

    void SetUp() override {
        z.P.ZSetStr("Wohnungen", "Bez");
        z.P.PSetNum(9.4, "JMT");
        z.EBFSetzen(100);
        z.Zeile(2, 0, {"W", "Wand", "100", "", "0.5", "", "S"});
    }
    void TearDown() override {
        // A window model left loaded by a failed test is closed before the
        // next one.
        if (Global::frmLüftung.Geladen()) Global::frmLüftung.cmdSchliessen_Click();
        if (Global::frmGewinn.Geladen()) Global::frmGewinn.cmdSchliessen_Click();
        frmLüftung::Anzeigen = nullptr;
        frmGewinn::Anzeigen = nullptr;
        frmQh::Anzeigen = nullptr;
        frmWärmeleistungsbedarf::Anzeigen = nullptr;
    }
};

} // namespace

// Degree days of Ti 20 °C at the station: sum over the months of
// (20 - Te) * days = 3869.4 Kd; rhoC = (1220 - 0.14 * 556) / 3600 = 0.31726667.
// Share 50 %: natural Hv = 0.7 * 100 * rhoC * 0.024 / 100 * 0.5, so
// Qv = 3869.4 * 0.00266504 = 10.31 kWh/m². The unit (300 m³/h, 4380 h/a,
// heat recovery 80 %) with 0.3 and 0.1 m³/h·m² through the envelope:
// V = (0.3 * 100 * 0.5 + 0.2 * 300) * 0.5 + 0.5 * 0.1 * 100 * 0.5 = 40 m³/h,
// Qvm = 3869.4 * 40 * rhoC * 0.024 / 100 = 11.79; together 22.10.
TEST_F(BilanzAnsicht, Lueftung) {
    frmLüftung& m = Global::frmLüftung;
    ASSERT_FALSE(m.Einlesen());
    frmLüftungAnsicht ansicht(m);
    ansicht.show();
    QApplication::processEvents();
    EXPECT_EQ(ansicht.windowTitle(), "Lüftung");
    EXPECT_TRUE(m.Visible);

    auto* lblEBF0 = Kind<QLabel>(ansicht, "lblEBF0");
    auto* lblAVEnL = Kind<QLabel>(ansicht, "lblAVEnL");
    auto* lblEBF0nL = Kind<QLabel>(ansicht, "lblEBF0nL");
    auto* lblLwv = Kind<QLabel>(ansicht, "lblLwv");
    auto* lblQv = Kind<QLabel>(ansicht, "lblQv");
    auto* lblQth = Kind<QLabel>(ansicht, "lblQth");
    auto* optKeine = Kind<QRadioButton>(ansicht, "optML(0)");
    auto* optAnteil = Kind<QRadioButton>(ansicht, "optML(2)");
    auto* txtAnteilML = Kind<QLineEdit>(ansicht, "txtAnteilML");
    auto* fraML2 = Kind<QWidget>(ansicht, "fraML2");
    auto* txtBez = Kind<QLineEdit>(ansicht, "txtBez(0)");
    auto* txtLSt = Kind<QLineEdit>(ansicht, "txtLSt(0)");
    auto* txtha = Kind<QLineEdit>(ansicht, "txtha(0)");
    auto* txtWRG = Kind<QLineEdit>(ansicht, "txtWRG(0)");
    auto* txtQ = Kind<QLineEdit>(ansicht, "txtQ(0)");
    auto* txtAVEMLwB = Kind<QLineEdit>(ansicht, "txtAVEMLwB");
    auto* txtAVEMLaB = Kind<QLineEdit>(ansicht, "txtAVEMLaB");
    auto* txtEtaV = Kind<QLineEdit>(ansicht, "txtEtaV");
    auto* txtfV = Kind<QLineEdit>(ansicht, "txtfV");
    ASSERT_TRUE(lblEBF0 && lblAVEnL && lblEBF0nL && lblLwv && lblQv && lblQth && optKeine && optAnteil &&
                txtAnteilML && fraML2 && txtBez && txtLSt && txtha && txtWRG && txtQ && txtAVEMLwB && txtAVEMLaB &&
                txtEtaV && txtfV);
    EXPECT_EQ(Kind<QGroupBox>(ansicht, "fraNL")->title(), "Natürliche Lüftung");
    EXPECT_EQ(optAnteil->text(), "Anteil an der EBF");

    // No mechanical ventilation: the unit frame and the share are locked,
    // the whole outside air leaks through the envelope.
    EXPECT_TRUE(optKeine->isChecked());
    EXPECT_FALSE(fraML2->isEnabled());
    EXPECT_FALSE(txtAnteilML->isEnabled());
    EXPECT_EQ(lblEBF0->text(), "100.0");
    EXPECT_EQ(lblAVEnL->text(), "0.70");
    EXPECT_EQ(lblEBF0nL->text(), "100.0");
    EXPECT_EQ(lblLwv->text(), "20.6");
    EXPECT_EQ(lblQv->text(), "20.6");

    // The user picks a share: the frame opens and the share box gets the focus.
    optAnteil->click();
    EXPECT_TRUE(m.optML[2].Value());
    EXPECT_FALSE(m.optML[0].Value());
    EXPECT_TRUE(fraML2->isEnabled());
    EXPECT_TRUE(txtAnteilML->isEnabled());
    EXPECT_EQ(ansicht.focusWidget(), txtAnteilML);
    Eingeben(txtAnteilML, "50");
    EXPECT_EQ(txtAnteilML->text(), "50.0");
    EXPECT_EQ(lblEBF0nL->text(), "50.0");
    EXPECT_EQ(lblLwv->text(), "10.3");

    // The unit row: typed text reaches the model; Enter walks to the next cell.
    txtBez->clear();
    Tippen(txtBez, "Lüftungsgerät");
    EXPECT_EQ(m.txtBez[0].Text(), "Lüftungsgerät");
    Taste(txtBez, Qt::Key_Return);
    EXPECT_EQ(ansicht.focusWidget(), txtLSt);
    EXPECT_TRUE(ansicht.isVisible());
    Eingeben(txtLSt, "300");
    EXPECT_EQ(Getrimmt(txtLSt), "300");
    Eingeben(txtha, "4380");
    Eingeben(txtWRG, "80");
    Eingeben(txtAVEMLwB, "0.3");
    Eingeben(txtAVEMLaB, "0,1");
    EXPECT_EQ(m.txtAVEMLaB.Text(), "0,1");
    // Not a number: the cell reads as 0 and shows empty; without heat
    // recovery V = (15 + 300) * 0.5 + 2.5 = 160 m³/h, Qvm = 47.14.
    Eingeben(txtWRG, "x1");
    EXPECT_EQ(txtWRG->text(), "");
    EXPECT_EQ(Getrimmt(txtQ), "47.1");
    Eingeben(txtWRG, "80");
    EXPECT_EQ(Getrimmt(txtQ), "11.8");
    EXPECT_EQ(lblLwv->text(), "10.3");
    EXPECT_EQ(lblQv->text(), "22.1");

    // Shift+Enter walks back; Enter in the last input cell stays.
    Taste(txtWRG, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(ansicht.focusWidget(), txtha);
    txtWRG->setFocus();
    Taste(txtWRG, Qt::Key_Return);
    EXPECT_EQ(ansicht.focusWidget(), txtWRG);

    // The heat-load values: every typed character shows the air rate anew.
    txtEtaV->clear();
    Tippen(txtEtaV, "0.8");
    EXPECT_EQ(lblQth->text(), "");
    txtfV->clear();
    Tippen(txtfV, "1");
    EXPECT_EQ(lblQth->text(), "0.26");
    Bild(ansicht, "frmLüftung.png");

    // "Schliessen" stores the zone and the project's heat-load values.
    Kind<QPushButton>(ansicht, "cmdSchliessen")->click();
    EXPECT_FALSE(ansicht.isVisible());
    EXPECT_FALSE(m.Geladen());
    EXPECT_FALSE(m.Visible);
    Projekt& p = z.P;
    EXPECT_EQ(p.ZGetNum("ML"), 2);
    EXPECT_EQ(p.ZGetNum("MLAnteil"), 50);
    EXPECT_DOUBLE_EQ(p.ZGetNum("LmAVw"), 0.3);
    EXPECT_DOUBLE_EQ(p.ZGetNum("LmAVa"), 0.1);
    KollektionZeiger geräte = p.ZGetColl("Lm_");
    ASSERT_TRUE(geräte);
    ASSERT_EQ(geräte->Anzahl(), 1);
    KollektionZeiger gerät = geräte->Koll(1);
    ASSERT_TRUE(gerät);
    EXPECT_EQ(gerät->Text(1), "Lüftungsgerät");
    EXPECT_EQ(gerät->Zahl(2), 300);
    EXPECT_EQ(gerät->Zahl(3), 4380);
    EXPECT_EQ(gerät->Zahl(4), 80);
    EXPECT_DOUBLE_EQ(gerät->Zahl(5), 11.8);
    EXPECT_DOUBLE_EQ(p.PGetNum("HL_EtaV"), 0.8);
    EXPECT_EQ(p.PGetNum("HL_fV"), 1);

    // Through the show hook, as the Zone menu opens it; the close box
    // closes as "Schliessen" does.
    frmLüftungAnsicht::Einrichten();
    ASSERT_FALSE(m.Einlesen());
    Modal([&] { frmLüftung::Anzeigen(m); },
          [&](QDialog& d) {
              EXPECT_EQ(d.windowTitle(), "Lüftung");
              EXPECT_TRUE(Kind<QRadioButton>(d, "optML(2)")->isChecked());
              EXPECT_EQ(Kind<QLineEdit>(d, "txtAnteilML")->text(), "50.0");
              EXPECT_EQ(Getrimmt(Kind<QLineEdit>(d, "txtQ(0)")), "11.8");
              EXPECT_EQ(Kind<QLabel>(d, "lblQth")->text(), "0.26");
              Eingeben(Kind<QLineEdit>(d, "txtAnteilML"), "25");
              d.close();
          });
    EXPECT_FALSE(m.Geladen());
    EXPECT_EQ(p.ZGetNum("MLAnteil"), 25);
    EXPECT_TRUE(z.umgebung.meldungen.Gezeigt.empty());
}

// Choosing "Anteil an der EBF" proposes 100 %, selected in the focused
// box: typing 50 gives 50 %, not "100.050" read as 100 %.
TEST_F(BilanzAnsicht, LueftungAnteilVorschlagWirdErsetzt) {
    frmLüftung& m = Global::frmLüftung;
    ASSERT_FALSE(m.Einlesen());
    frmLüftungAnsicht ansicht(m);
    ansicht.show();
    ansicht.activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(ansicht.isActiveWindow());
    auto* optAnteil = Kind<QRadioButton>(ansicht, "optML(2)");
    auto* txtAnteilML = Kind<QLineEdit>(ansicht, "txtAnteilML");
    auto* lblEBF0nL = Kind<QLabel>(ansicht, "lblEBF0nL");
    ASSERT_TRUE(optAnteil && txtAnteilML && lblEBF0nL);

    optAnteil->click();
    ASSERT_TRUE(txtAnteilML->hasFocus());
    EXPECT_EQ(txtAnteilML->text(), "100.0");
    EXPECT_EQ(txtAnteilML->selectedText(), "100.0");
    Bild(ansicht, "frmLüftung_Anteil.png");
    Tippen(txtAnteilML, "50");
    EXPECT_EQ(txtAnteilML->text(), "50");
    Kind<QLineEdit>(ansicht, "txtBez(0)")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(txtAnteilML->text(), "50.0");
    EXPECT_EQ(lblEBF0nL->text(), "50.0");
    EXPECT_EQ(m.txtAnteilML.Text(), "50.0");

    // Back into the box by Tab: the share is selected again.
    txtAnteilML->setFocus(Qt::BacktabFocusReason);
    EXPECT_EQ(txtAnteilML->selectedText(), "50.0");
    m.cmdSchliessen_Click();
}

// A window of 20 m² to the south brings solar gains.
// Persons: 12 h * 70 W * 0.001 / 40 m² per person * 365 d = 7.665 kWh/m²;
// electricity 0.7 * 28 = 19.6, and a consumer of 1000 W for 500 h/a with
// factor 1 adds 1000 * 500 * 0.001 / 100 m² = 5.0.
TEST_F(BilanzAnsicht, Gewinn) {
    z.Zeile(4, 0, {"F", "Fenster", "20", "", "1.00", "", "S", "", "0.50", "0.70", "-", "-"});
    ASSERT_FALSE(z.F.ProjektZoneBerechnen());
    frmGewinn& m = Global::frmGewinn;
    ASSERT_FALSE(m.Einlesen());
    frmGewinnAnsicht ansicht(m);
    ansicht.show();
    QApplication::processEvents();
    EXPECT_EQ(ansicht.windowTitle(), "Wärmeeinträge");

    auto* lblQgS = Kind<QLabel>(ansicht, "lblQgS");
    auto* lblPFl = Kind<QLabel>(ansicht, "lblPFl");
    auto* lblQgP = Kind<QLabel>(ansicht, "lblQgP");
    auto* lblfe = Kind<QLabel>(ansicht, "lblfe");
    auto* lblQgE = Kind<QLabel>(ansicht, "lblQgE");
    auto* lblQug = Kind<QLabel>(ansicht, "lblQug");
    auto* lblEtaG = Kind<QLabel>(ansicht, "lblEtaG");
    auto* txtBez0 = Kind<QLineEdit>(ansicht, "txtBez(0)");
    auto* txtW0 = Kind<QLineEdit>(ansicht, "txtW(0)");
    auto* txtha0 = Kind<QLineEdit>(ansicht, "txtha(0)");
    auto* txtfe0 = Kind<QLineEdit>(ansicht, "txtfe(0)");
    auto* txtWg0 = Kind<QLineEdit>(ansicht, "txtWg(0)");
    auto* txtBez1 = Kind<QLineEdit>(ansicht, "txtBez(1)");
    auto* txtfe5 = Kind<QLineEdit>(ansicht, "txtfe(5)");
    ASSERT_TRUE(lblQgS && lblPFl && lblQgP && lblfe && lblQgE && lblQug && lblEtaG && txtBez0 && txtW0 && txtha0 &&
                txtfe0 && txtWg0 && txtBez1 && txtfe5);
    EXPECT_EQ(Kind<QGroupBox>(ansicht, "Frame3")->title(), "Personen");
    // All six consumer rows show.
    EXPECT_TRUE(txtBez1->isVisible());
    EXPECT_TRUE(txtfe5->isVisible());

    EXPECT_EQ(lblPFl->text(), "40");
    EXPECT_EQ(lblfe->text(), "0.70");
    EXPECT_EQ(lblQgP->text(), "7.7");
    EXPECT_EQ(lblQgE->text(), "19.6");
    EXPECT_EQ(lblQgS->text(), Jahr("QgS", 1));
    EXPECT_NE(lblQgS->text(), "0.0");
    EXPECT_EQ(txtWg0->text(), "");

    // A consumer: typed text reaches the model, leaving a cell recomputes.
    Tippen(txtBez0, "Server");
    EXPECT_EQ(m.txtBez[0].Text(), "Server");
    Eingeben(txtW0, "1000");
    Eingeben(txtha0, "500");
    Eingeben(txtfe0, "1");
    EXPECT_EQ(Getrimmt(txtfe0), "1.00");
    EXPECT_EQ(Getrimmt(txtWg0), "5.0");
    EXPECT_EQ(lblQgE->text(), "24.6");
    EXPECT_EQ(Jahr("QgE", 1), "24.6");
    // The utilised gains as the model stored them.
    EXPECT_EQ(lblQug->text(), Jahr("Qug", 1));
    EXPECT_EQ(lblEtaG->text(), Jahr("EtaG", 2));
    Monatsarray QgS{}, QgP{}, QgE{}, EtaG{}, Qug{};
    z.P.ZGetArr1(QgS, "QgS");
    z.P.ZGetArr1(QgP, "QgP");
    z.P.ZGetArr1(QgE, "QgE");
    z.P.ZGetArr1(EtaG, "EtaG");
    z.P.ZGetArr1(Qug, "Qug");
    EXPECT_GT(EtaG[12], 0);
    EXPECT_NEAR(Qug[12], (QgS[12] + QgP[12] + QgE[12]) * EtaG[12], 1e-9);

    // Enter in the last input cell of a row walks to the next row's designation.
    Taste(txtfe0, Qt::Key_Return);
    EXPECT_EQ(ansicht.focusWidget(), txtBez1);
    EXPECT_TRUE(ansicht.isVisible());
    Bild(ansicht, "frmGewinn.png");

    // "Schliessen" stores the consumers.
    Kind<QPushButton>(ansicht, "cmdSchliessen")->click();
    EXPECT_FALSE(ansicht.isVisible());
    EXPECT_FALSE(m.Geladen());
    KollektionZeiger verbraucher = z.P.ZGetColl("GE_");
    ASSERT_TRUE(verbraucher);
    ASSERT_EQ(verbraucher->Anzahl(), 1);
    KollektionZeiger zeile = verbraucher->Koll(1);
    ASSERT_TRUE(zeile);
    EXPECT_EQ(zeile->Text(1), "Server");
    EXPECT_EQ(zeile->Zahl(2), 1000);
    EXPECT_EQ(zeile->Zahl(3), 500);
    EXPECT_EQ(zeile->Zahl(4), 1);

    // Through the show hook; Esc closes as "Schliessen" does, and an
    // emptied grid removes the consumers from the zone.
    frmGewinnAnsicht::Einrichten();
    ASSERT_FALSE(m.Einlesen());
    Modal([&] { frmGewinn::Anzeigen(m); },
          [&](QDialog& d) {
              EXPECT_EQ(d.windowTitle(), "Wärmeeinträge");
              EXPECT_EQ(Kind<QLineEdit>(d, "txtBez(0)")->text(), "Server");
              EXPECT_EQ(Getrimmt(Kind<QLineEdit>(d, "txtWg(0)")), "5.0");
              for (const char* n : {"txtBez(0)", "txtW(0)", "txtha(0)", "txtfe(0)"}) Eingeben(Kind<QLineEdit>(d, n), "");
              QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
              QApplication::sendEvent(&d, &esc);
          });
    EXPECT_FALSE(m.Geladen());
    EXPECT_FALSE(z.P.ZGetColl("GE_"));
}

// Category I: limit (13 + 15 * Ae / EBF) * (1 + (9.4 - JMT) * 0.06) with
// Ae = the wall's 100 m² and a window's 20 m², EBF 100 and JMT 9.4:
// 13 + 18 = 31.0 kWh/m².
TEST_F(BilanzAnsicht, Heizwaermebedarf) {
    z.Zeile(4, 0, {"F", "Fenster", "20", "", "1.00", "", "S", "", "0.50", "0.70", "-", "-"});
    frmQh& m = Global::frmQh;
    frmQhAnsicht ansicht(m);
    // The window computes the zone when it comes up.
    ansicht.show();
    QApplication::processEvents();
    EXPECT_TRUE(m.Berechnet());
    EXPECT_EQ(ansicht.windowTitle(), "Heizwärmebedarf");

    Monatsarray Qh{};
    z.P.ZGetArr1(Qh, "Qh");
    ASSERT_GT(Qh[12], 0);
    auto text = [&](const char* name) {
        auto* l = Kind<QLabel>(ansicht, name);
        return l ? l->text() : QString("?");
    };
    EXPECT_EQ(text("lblZone"), "Wohnungen");
    EXPECT_EQ(text("lblGebKat"), "Wohnen MFH    [I]");
    EXPECT_EQ(text("lblJMT"), "9.4");
    EXPECT_EQ(text("lblAh"), "100.0");
    EXPECT_EQ(text("lblAe"), "120.0");
    EXPECT_EQ(text("lblAeAh"), "1.20");
    Monatsarray Qv{}, Qvm{};
    z.P.ZGetArr1(Qv, "Qv");
    z.P.ZGetArr1(Qvm, "Qvm");
    EXPECT_EQ(text("lblQv"), QString::fromStdString(basVB6NumCvt::FestkommaText(Qv[12] + Qvm[12], 1)));
    EXPECT_EQ(text("lblQtot"), Jahr("Qt", 1));
    EXPECT_EQ(text("lblQs"), Jahr("QgS", 1));
    EXPECT_EQ(text("lblEtaG"), Jahr("EtaG", 2));
    EXPECT_EQ(text("lblQug"), Jahr("Qug", 1));
    EXPECT_EQ(text("lblQh"), Jahr("Qh", 1));
    EXPECT_EQ(text("lblVorschrift"), "SIA 380/1:2016");
    EXPECT_EQ(text("lblAnf"), "Neubau, Grenzwert");
    EXPECT_EQ(text("lblQhNw"), Jahr("Qh", 1));
    EXPECT_EQ(text("lblGrenzZiel"), "Grenzwert");
    EXPECT_EQ(text("lblHgNw"), "31.0");
    EXPECT_NEAR(z.P.ZGetNum("HgNw"), 31.0, 1e-9);
    EXPECT_EQ(text("lblNachweis"),
              basZIRVO3801::Runden(Qh[12], 1) <= 31.0 ? "Grenzwert erfüllt" : "Grenzwert nicht erfüllt");
    EXPECT_EQ(text("lblLüftVorh"), "nein");
    EXPECT_EQ(text("lblHL_fV"), "-");
    EXPECT_EQ(text("lblPhNw"), QString::fromStdString(basVB6NumCvt::FestkommaText(z.P.ZGetNum("PhNw"), 1)));
    EXPECT_EQ(text("lblPhGw"), QString::fromStdString(basVB6NumCvt::FestkommaText(z.P.ZGetNum("PhNwGw"), 1)));
    auto* fraNachweis = Kind<QGroupBox>(ansicht, "fraNachweis");
    ASSERT_TRUE(fraNachweis);
    EXPECT_TRUE(fraNachweis->isVisible());
    const int hoch = ansicht.height();
    Bild(ansicht, "frmQh.png");

    // Esc closes; the model is unloaded.
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&ansicht, &esc);
    EXPECT_FALSE(ansicht.isVisible());
    EXPECT_FALSE(m.Geladen());

    // A task without proof: no proof frame, a shorter window. Through the
    // show hook after Einlesen, as the Zone menu opens it.
    z.P.PSetInt(1, "ArtB");
    frmQhAnsicht::Einrichten();
    ASSERT_FALSE(m.Einlesen());
    Modal([&] { frmQh::Anzeigen(m); },
          [&](QDialog& d) {
              EXPECT_EQ(d.windowTitle(), "Heizwärmebedarf");
              auto* rahmen = Kind<QGroupBox>(d, "fraNachweis");
              ASSERT_TRUE(rahmen);
              EXPECT_FALSE(rahmen->isVisible());
              EXPECT_LT(d.height(), hoch);
              EXPECT_EQ(Kind<QLabel>(d, "lblQh")->text(), Jahr("Qh", 1));
              Bild(d, "frmQh_ohneNachweis.png");
              d.close();
          });
    EXPECT_FALSE(m.Geladen());
}

// Design conditions -8 °C and 0.5 m³/h·m², no sun: per m² and day the wall
// loses 28 K * 0.5 * 0.024 = 0.336 kWh, the air 28 * 0.5 * 0.31726667 *
// 0.024 = 0.10660, and persons and electricity give 0.021 + 0.05370, all
// of it utilised: Qh = 365 * 0.37220 = 134.28 kWh/m², P = 100 * 134.28 /
// 8760 = 1.53 kW, 15.3 W/m². A second zone brings the zone's line.
TEST_F(BilanzAnsicht, Waermeleistungsbedarf) {
    z.ZoneHinzufügen("B");
    frmWärmeleistungsbedarf& m = Global::frmWärmeleistungsbedarf;
    frmWärmeleistungsbedarfAnsicht ansicht(m);
    ansicht.show();
    QApplication::processEvents();
    EXPECT_EQ(ansicht.windowTitle(), "Wärmeleistungsbedarf für Heizung");
    auto* txtAlT = Kind<QLineEdit>(ansicht, "txtAlT");
    auto* txtAlV = Kind<QLineEdit>(ansicht, "txtAlV");
    auto* txtResultat = Kind<QPlainTextEdit>(ansicht, "txtResultat");
    auto* cmdBerechnen = Kind<QPushButton>(ansicht, "cmdBerechnen");
    ASSERT_TRUE(txtAlT && txtAlV && txtResultat && cmdBerechnen);
    EXPECT_EQ(Kind<QLabel>(ansicht, "lblAlT")->text(), "Massgebende Aussenluft-Temperatur");
    EXPECT_EQ(cmdBerechnen->text(), "&Berechnen");
    EXPECT_EQ(txtAlT->text(), "-8");
    EXPECT_EQ(txtAlV->text(), "0.7");

    // Entering a box selects its text.
    QFocusEvent hinein(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(txtAlV, &hinein);
    EXPECT_EQ(txtAlV->selectedText(), "0.7");

    txtAlV->clear();
    Tippen(txtAlV, "0,5");
    EXPECT_EQ(m.txtAlV.Text(), "0,5");
    cmdBerechnen->click();
    const QString erwartet = "\nProjekt: \t" + QString::fromStdString(z.P.Projektname()) +
                             "\nZone: \tWohnungen\nEBF: \t100.0 m²\n\nWärmeleistungsbedarf für Heizung = 1.5 kW\n\n"
                             "Wärmeleistungsbedarf für Heizung pro EBF = 15.3 W/m²\n";
    EXPECT_EQ(txtResultat->toPlainText(), erwartet);
    EXPECT_NE(m.txtResultat.Text().find("\r\n"), std::string::npos);
    // The zone keeps its own air rate.
    EXPECT_DOUBLE_EQ(z.P.ZGetNum("AVE"), 0.7);
    Bild(ansicht, "frmWärmeleistungsbedarf.png");

    // Through the show hook: each opening loads the window anew.
    frmWärmeleistungsbedarfAnsicht::Einrichten();
    Modal([&] { frmWärmeleistungsbedarf::Anzeigen(m); },
          [&](QDialog& d) {
              EXPECT_EQ(d.windowTitle(), "Wärmeleistungsbedarf für Heizung");
              EXPECT_EQ(Kind<QLineEdit>(d, "txtAlV")->text(), "0.7");
              EXPECT_EQ(Kind<QPlainTextEdit>(d, "txtResultat")->toPlainText(), "");
              d.close();
          });
    EXPECT_TRUE(z.umgebung.meldungen.Gezeigt.empty());
}

// The main window on the screen: switching between two zones, and the
// figures of the window table after the ventilation dialog.
#include "tests/mainwindow/qt/Hauptfenstertest.h"

#include "balance/frmLueftung.h"
#include "balance/qt/frmLueftungAnsicht.h"
#include "frame/qt/EingabeTabelleWidget.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QFocusEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <utility>

using namespace Hauptfenstertest;

TEST_F(Hauptfenster, ZweiZonenWechseln) {
    // The example with a second zone.
    {
        Projekt& p = Global::Projekt;
        ASSERT_EQ(p.ProjektEinlesen(Beispiel()), 0);
        p.SetNZone(0);
        p.ZSetStr("A", "Code");
        ASSERT_EQ(p.ZoneNeu(), 0);
        p.SetNZone(1);
        p.ZSetStr("Büro", "Bez");
        p.ZSetStr("B", "Code");
        p.ZSetInt(3, "Gk");
        p.ZSetNum(0.1, "C");
        p.ZSetNum(20, "Ti");
        auto zeile = Kollektion::Neu();
        for (const Kollektion::Wert& w : {Kollektion::Wert(std::string("Büro Parterre")), Kollektion::Wert(80.0),
                                          Kollektion::Wert(3.0), Kollektion::Wert(0.0)})
            zeile->WertHinzufügen(w);
        auto tabelle = Kollektion::Neu();
        tabelle->Hinzufügen(zeile);
        p.ZSetColl(std::move(tabelle), "Ah_");
        p.SetNZone(0);
        ASSERT_EQ(p.ProjektSpeichern(ordner.Pfad("Projekte/Zwei.zirvo9")), 0);
        Global::Projekt = Projekt();
    }
    ASSERT_TRUE(starten(ordner.Pfad("Projekte/Zwei.zirvo9")));
    frmZIRVO3801Ansicht& f = *fenster;
    QToolButton* n = f.Knopf(2, "N");
    ASSERT_NE(n->menu(), nullptr);
    EXPECT_EQ(n->popupMode(), QToolButton::MenuButtonPopup);
    ASSERT_EQ(n->menu()->actions().size(), 2);
    EXPECT_EQ(n->menu()->actions()[0]->text(), "Wohnen [A]");
    EXPECT_EQ(n->menu()->actions()[1]->text(), "Büro [B]");
    emit n->menu()->aboutToShow();
    EXPECT_FALSE(n->menu()->actions()[0]->isEnabled());
    EXPECT_TRUE(n->menu()->actions()[1]->isEnabled());

    Menü(m.mnuZoneEBF);
    EXPECT_EQ(m.picTitel[0].Text(), "Wohnen  :  Energiebezugsfläche");
    Zelle(m.txtEBFBez[0])->setText("EG geändert");

    // The other zone: the shown table is stored first, then the zone loaded.
    n->menu()->actions()[1]->trigger();
    QApplication::processEvents();
    EXPECT_EQ(Global::Projekt.GetNZone(), 1);
    EXPECT_EQ(m.picTitel[0].Text(), "Büro  :  Energiebezugsfläche");
    EXPECT_EQ(Zelle(m.txtEBFBez[0])->text(), "Büro Parterre");
    EXPECT_EQ(Zelle(m.txtEBFBez[1])->text(), "");
    EXPECT_EQ(m.lblEBFTotAh.Caption(), "        80.0");
    emit n->menu()->aboutToShow();
    EXPECT_TRUE(n->menu()->actions()[0]->isEnabled());
    EXPECT_FALSE(n->menu()->actions()[1]->isEnabled());

    n->menu()->actions()[0]->trigger();
    QApplication::processEvents();
    EXPECT_EQ(Global::Projekt.GetNZone(), 0);
    EXPECT_EQ(Zelle(m.txtEBFBez[0])->text(), "EG geändert");
    EXPECT_EQ(Zelle(m.txtEBFBez[1])->text(), "Obergeschoss");
    meldungen.Antworten.push_back(Plattform::Antwort::Nein);
}

// The ventilation dialog changes the zone's balance: once it is closed, the
// window table's utilised solar gains and utilisation factor are those of
// the new balance, never those of before.
TEST_F(Hauptfenster, NachDerLueftungDieNeuenFiguren) {
    ASSERT_TRUE(starten(Beispiel()));
    Menü(m.mnuZoneF);
    const std::string qsVorher = m.lblFQs.Caption();
    const std::string etaVorher = m.lblFQsf.Caption();
    ASSERT_FALSE(etaVorher.empty());

    bool bedient = false;
    frmLüftung::Anzeigen = [&](frmLüftung& l) {
        frmLüftungAnsicht ansicht(l, fenster.get());
        ansicht.show();
        QApplication::processEvents();
        auto* anteil = Testhilfe::Kind<QRadioButton>(ansicht, "optML(2)");
        auto* feld = Testhilfe::Kind<QLineEdit>(ansicht, "txtAnteilML");
        auto* schliessen = Testhilfe::Kind<QPushButton>(ansicht, "cmdSchliessen");
        ASSERT_TRUE(anteil && feld && schliessen);
        // Half the area ventilated mechanically, by a unit of 100 m³/h with
        // a heat recovery of 80 %: smaller ventilation losses.
        anteil->click();
        feld->clear();
        Testhilfe::Tippen(feld, "50");
        QFocusEvent aus(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(feld, &aus);
        for (const auto& [name, wert] : {std::pair{"txtLSt(0)", "100"}, std::pair{"txtha(0)", "8760"},
                                         std::pair{"txtWRG(0)", "80"}}) {
            auto* zelle = Testhilfe::Kind<QLineEdit>(ansicht, name);
            ASSERT_TRUE(zelle) << name;
            Testhilfe::Tippen(zelle, wert);
            QApplication::sendEvent(zelle, &aus);
        }
        schliessen->click();
        QApplication::processEvents();
        // Closed, the dialog is unloaded (the zone computation that follows
        // for the window table uses the model again).
        EXPECT_FALSE(Global::frmLüftung.Geladen());
        bedient = true;
    };
    Menü(m.mnuZoneL);
    frmLüftung::Anzeigen = nullptr;
    ASSERT_TRUE(bedient);

    const std::string qsNach = m.lblFQs.Caption();
    const std::string etaNach = m.lblFQsf.Caption();
    // Smaller losses: less of the solar gains is utilised.
    EXPECT_NE(etaNach, etaVorher);
    EXPECT_NE(qsNach, qsVorher);
    // What a computation of the zone from scratch shows.
    ASSERT_FALSE(m.ProjektZoneBerechnen());
    EXPECT_EQ(m.lblFQs.Caption(), qsNach);
    EXPECT_EQ(m.lblFQsf.Caption(), etaNach);
    // And the window shows the labels as they are.
    if (QLabel* l = fenster->Tabelle(4)->Labelwidget(m.lblFQsf)) {
        EXPECT_EQ(l->text().trimmed(), Q(etaNach).trimmed());
    }
}

// The main window on the screen: the whole start with and without a
// project, the settings kept between runs, the version notice.
#include "tests/mainwindow/qt/Hauptfenstertest.h"

#include "frame/qt/EingabeTabelleWidget.h"
#include "frame/qt/Fensterlage.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <cstdlib>

using namespace Hauptfenstertest;

TEST_F(Hauptfenster, StartOhneProjekt) {
    // As the program runs: every window under the placement watch.
    Fensterlage::Wächter wächter;
    ASSERT_TRUE(starten());
    frmZIRVO3801Ansicht& f = *fenster;
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.windowTitle(), "Bauphysik ZIRVO 380/1");

    // The menu bar with its eight menus; the ones that need a project are off.
    QStringList menüs;
    for (QAction* a : f.menuBar()->actions()) menüs << a->text();
    EXPECT_EQ(menüs, (QStringList{"&Datei", "&Bearbeiten", "&Projekt", "&Zone", "&Nachweis", "&Tabellen", "E&xtras",
                                  "&?"}));
    EXPECT_FALSE(f.Aktion(m.mnuZone)->isEnabled());
    EXPECT_FALSE(f.Aktion(m.mnuProjekt)->isEnabled());
    EXPECT_TRUE(f.Aktion(m.mnuTabellen)->isEnabled());
    EXPECT_TRUE(f.Aktion(m.mnuDateiNeu)->isEnabled());
    EXPECT_FALSE(f.Aktion(m.mnuDateiSpeichern)->isEnabled());
    EXPECT_EQ(f.Aktion(m.mnuZoneU)->text(), "Gebäudehülle gegen unbeheizte Räume/Erdreich");
    EXPECT_TRUE(f.Aktion(m.mnuZoneTr1)->isSeparator());
    EXPECT_FALSE(f.Aktion(m.mnuDateiTrLP)->isVisible());
    EXPECT_FALSE(f.Aktion(m.mnuDateiLetzte[0])->isVisible());

    // Both tool bars with their buttons and keys.
    ASSERT_NE(f.Knopf(1, "New"), nullptr);
    EXPECT_EQ(f.Knopf(1, "Open")->text(), "Öffnen");
    EXPECT_FALSE(f.Knopf(1, "Open")->icon().isNull());
    EXPECT_EQ(f.Knopf(1, "T")->toolTip(), "Tabellen Rechenwerte usw.");
    EXPECT_EQ(f.Knopf(2, "U")->toolTip(), "Gebäudehülle gegen unbeheizte Räume oder Erdreich");
    EXPECT_EQ(f.Knopf(2, "Q")->text(), "QH");
    EXPECT_FALSE(f.Knopf(1, "Save")->isEnabled());
    // Without a project the second tool bar is off, as its menus are.
    for (const char* k : {"P", "N", "B", "E", "A", "U", "F", "L", "G", "Q"}) {
        ASSERT_NE(f.Knopf(2, k), nullptr) << k;
        EXPECT_FALSE(f.Knopf(2, k)->isEnabled()) << k;
    }
    EXPECT_TRUE(f.Knopf(1, "Open")->isEnabled());
    EXPECT_TRUE(f.Leiste(1)->isVisible());
    EXPECT_TRUE(f.Leiste(2)->isVisible());
    EXPECT_EQ(f.Leiste(2)->y(), f.Leiste(1)->height());
    EXPECT_TRUE(f.Statusleiste()->isVisible());
    EXPECT_EQ(f.Statusleiste()->geometry().bottom(), f.Innenfläche()->height() - 1);
    // The help panel at the right edge, a fifth of the window wide.
    EXPECT_TRUE(f.Hilfe()->isVisible());
    EXPECT_EQ(f.Hilfe()->geometry().right(), f.Innenfläche()->width() - 1);
    EXPECT_EQ(m.picHilfe.Width(), std::max(frmZIRVO3801::MinHilfebreite, m.ScaleWidth / 5));
    // No table and no title strip before a table is chosen.
    for (std::int16_t t = 1; t <= 4; ++t) EXPECT_FALSE(f.Tabelle(t)->isVisible()) << t;
    EXPECT_FALSE(f.Titel(0)->isVisible());
    EXPECT_FALSE(f.NeuereVersion()->isVisible());

    // First start without settings: the full width and 90 % of the height;
    // once the desktop has put its frame around the window (the placement
    // watch fits it when the frame arrives, however long the start took),
    // the frame takes the full width.
    QApplication::processEvents();
    QScreen* s = f.screen();
    EXPECT_EQ(f.pos(), QPoint(0, 0));
    EXPECT_EQ(f.frameGeometry().width(), s->availableGeometry().width());
    EXPECT_EQ(f.height(), Pixel(static_cast<std::int32_t>(Twips(s->availableGeometry().height()) * 0.9 + 0.5)));

    // The version notice, in dark red, 40 twips below the tool bars.
    f.NeuereVersionAnzeigen("Hinweis:\r\n\r\nVon diesem Programm gibt es eine neuere Version (10).");
    EXPECT_TRUE(f.NeuereVersion()->isVisible());
    EXPECT_EQ(f.NeuereVersion()->text(), "Hinweis:\n\nVon diesem Programm gibt es eine neuere Version (10).");
    EXPECT_EQ(f.NeuereVersion()->pos(),
              QPoint(Pixel(40), Pixel(m.tbrToolbar1.Height() + m.tbrToolbar2.Height() + 40)));
    EXPECT_EQ(f.NeuereVersion()->palette().color(QPalette::WindowText), QColor(192, 0, 0));

    // Closing without a project asks nothing and writes the settings.
    fenster->close();
    EXPECT_TRUE(meldungen.Gezeigt.empty());
    EXPECT_NE(Ini().find("Window Position=0,0,"), std::string::npos) << Ini();

    // A second copy is refused while this one still holds its lock.
    {
        Ersatzhauptfenster zweites;
        KeinNachweisEBFenster eb2;
        QtStart::Startumgebung umgebung2(zweites, eb2, Q(ordner.Laufzeit.string()));
        EXPECT_FALSE(basZIRVO3801::Main("", umgebung2));
        EXPECT_FALSE(zweites.isVisible());
        ASSERT_EQ(meldungen.Gezeigt.size(), 1u);
        EXPECT_EQ(meldungen.Nr(0).Text, "Das Programm kann nicht mehrfach gestartet werden.");
    }
}

TEST_F(Hauptfenster, StartMitProjekt) {
    const std::string pfad = Beispiel();
    ASSERT_TRUE(starten("\"" + pfad + "\""));
    frmZIRVO3801Ansicht& f = *fenster;
    EXPECT_EQ(f.windowTitle(), "Beispiel - Bauphysik ZIRVO 380/1");
    EXPECT_TRUE(Global::Projekt.Exist());
    EXPECT_TRUE(f.Aktion(m.mnuZone)->isEnabled());
    EXPECT_TRUE(f.Knopf(1, "Save")->isEnabled());
    for (const char* k : {"P", "N", "E", "A", "U", "F"}) EXPECT_TRUE(f.Knopf(2, k)->isEnabled()) << k;
    EXPECT_TRUE(f.Aktion(m.mnuDateiTrLP)->isVisible());
    EXPECT_TRUE(f.Aktion(m.mnuDateiLetzte[0])->isVisible());
    EXPECT_EQ(f.Aktion(m.mnuDateiLetzte[0])->text(), Q("&1  " + pfad));
    EXPECT_FALSE(f.Aktion(m.mnuDateiLetzte[1])->isVisible());

    // Zone > EBF shows the table in the lower pane under its title strip.
    Menü(m.mnuZoneEBF);
    EXPECT_TRUE(f.Tabelle(1)->isVisible());
    EXPECT_TRUE(f.Titel(0)->isVisible());
    EXPECT_FALSE(f.Titel(1)->isVisible());
    EXPECT_EQ(m.picTitel[0].Text(), "Energiebezugsfläche");
    EXPECT_EQ(f.Titel(0)->geometry().bottom() + 1, f.Tabelle(1)->y());
    EXPECT_EQ(f.Titel(0)->y(), f.Leiste(2)->geometry().bottom() + 1);
    EXPECT_EQ(Zelle(m.txtEBFBez[0])->text(), "Erdgeschoss");
    EXPECT_EQ(Zelle(m.txtEBFhG[1])->text(), "  2.60");
    EXPECT_EQ(m.lblEBFTotAh.Caption(), "      190.0");
    EXPECT_EQ(f.Tabelle(1)->Labelwidget(m.lblEBFTotAh)->text(), "      190.0");
    EXPECT_EQ(m.HelpContextID, 3010);
    EXPECT_EQ(Fokus(), Zelle(m.txtEBFBez[0]));

    if (const char* foto = std::getenv("ZIRVO_BILDSCHIRMFOTO")) {
        // Two panes: the windows above, the envelope against outside air below.
        Menü(m.mnuZoneA);
        m.picTitel_DblClick(0);
        m.Form_Click();
        Menü(m.mnuZoneF);
        f.resize(1280, 860);
        QApplication::processEvents();
        Hinein(m.txtFBez[1]);
        f.grab().save(foto);
    }

    // A path that names no file: the message, and no project.
    meldungen.Antworten.push_back(Plattform::Antwort::Nein);
    beenden();
    Global::Projekt = Projekt();
    meldungen.Gezeigt.clear();
    ASSERT_TRUE(starten("/gibt/es/nicht.zirvo9"));
    ASSERT_EQ(meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(meldungen.Nr(0).Text, "Datei:  /gibt/es/nicht.zirvo9\r\n\r\nDateiname oder Pfad ungültig.");
    EXPECT_EQ(meldungen.Nr(0).Symbol, Plattform::Symbol::Fehler);
    EXPECT_FALSE(Global::Projekt.Exist());
    EXPECT_EQ(fenster->windowTitle(), "Bauphysik ZIRVO 380/1");
}

TEST_F(Hauptfenster, EinstellungenZwischenZweiLäufen) {
    const std::string pfad = Beispiel();
    ASSERT_TRUE(starten(pfad));
    fenster->move(33, 44);
    fenster->resize(700, 540);
    QApplication::processEvents();
    // As the options dialog sets it.
    Global::Initialisierung.OrdnerProjekte = ordner.Pfad("Projekte");
    meldungen.Antworten.push_back(Plattform::Antwort::Nein); // do not save the project
    beenden();
    ASSERT_FALSE(fenster);
    std::string ini = Ini();
    EXPECT_NE(ini.find("Window Position=495,660,10500,8100,0\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("File1=" + pfad + "\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Folder Projects=" + ordner.Pfad("Projekte")), std::string::npos) << ini;
    ASSERT_FALSE(meldungen.Gezeigt.empty());
    EXPECT_EQ(meldungen.Zuletzt().Text, "Soll das aktuelle Projekt gespeichert werden?");

    // The next run: placement, recent projects and folders as they were.
    Global::Initialisierung = ::Initialisierung();
    Global::Projekt = Projekt();
    ASSERT_TRUE(starten());
    EXPECT_EQ(fenster->pos(), QPoint(33, 44));
    EXPECT_EQ(fenster->size(), QSize(700, 540));
    EXPECT_TRUE(fenster->Aktion(m.mnuDateiTrLP)->isVisible());
    EXPECT_EQ(fenster->Aktion(m.mnuDateiLetzte[0])->text(), Q("&1  " + pfad));
    EXPECT_EQ(Global::Initialisierung.OrdnerProjekte, ordner.Pfad("Projekte"));

    // Maximised at the end: the flag, and the last normal placement kept.
    fenster->showMaximized();
    QApplication::processEvents();
    beenden();
    ini = Ini();
    EXPECT_NE(ini.find("Window Position=495,660,10500,8100,1\r\n"), std::string::npos) << ini;
    Global::Initialisierung = ::Initialisierung();
    ASSERT_TRUE(starten());
    EXPECT_TRUE(fenster->isMaximized());
    beenden();

    // A placement off the screen is put back: left beyond -60, top at -60 kept.
    ASSERT_TRUE(Dateien::SicherSchreiben((ordner.Konfiguration / "ZIRVO3801.ini").string(),
                                         "Window Position=-61,-60,9000,6000,0\r\n"));
    Global::Initialisierung = ::Initialisierung();
    ASSERT_TRUE(starten());
    EXPECT_EQ(fenster->pos(), QPoint(0, Pixel(-60)));
    EXPECT_EQ(fenster->size(), QSize(600, 400));
    beenden();
    EXPECT_NE(Ini().find("Window Position=0,-60,9000,6000,0\r\n"), std::string::npos) << Ini();

    // Numbers at the ends of the 32-bit range (a damaged file) overflow
    // nothing: the window opens at most as large as the screen, its frame
    // the full width once the desktop has framed it (the placement watch
    // fits it), and the placement kept is the one it got (a width of 0 or
    // less: the first start's placement).
    Fensterlage::Wächter wächter;
    const QSize frei = QGuiApplication::primaryScreen()->availableGeometry().size();
    const struct {
        const char* lage;
        int höhe; // pixels, before the frame
    } extreme[] = {
        {"2147483647,2147483647,2147483647,2147483647,0", frei.height()},
        {"-2147483648,-2147483648,2147483647,-2147483648,0", 400},
        {"0,0,-2147483648,2147483647,0", frei.height() * 9 / 10},
    };
    for (const auto& e : extreme) {
        ASSERT_TRUE(Dateien::SicherSchreiben((ordner.Konfiguration / "ZIRVO3801.ini").string(),
                                             std::string("Window Position=") + e.lage + "\r\n"));
        Global::Initialisierung = ::Initialisierung();
        ASSERT_TRUE(starten());
        QApplication::processEvents();
        EXPECT_EQ(fenster->frameGeometry().width(), frei.width()) << e.lage;
        EXPECT_LE(fenster->frameGeometry().height(), frei.height()) << e.lage;
        const int rahmen = fenster->frameGeometry().height() - fenster->height();
        EXPECT_EQ(fenster->height(), std::min(e.höhe, frei.height() - rahmen)) << e.lage;
        const std::string soll =
            "0,0," + std::to_string(Twips(fenster->width())) + "," + std::to_string(Twips(fenster->height()));
        beenden();
        EXPECT_NE(Ini().find("Window Position=" + soll + ",0\r\n"), std::string::npos) << e.lage << "\n" << Ini();
    }
}

TEST(QtTexte, DeutscheStandardknöpfe) {
    ASSERT_TRUE(QtStart::QtDeutsch()) << "qt6-translations-l10n is not installed";
    QMessageBox box(QMessageBox::Question, "Titel", "Frage?", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Ja");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "Nein");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove('&'), "Abbrechen");
}

// The newer-version notice lies beneath the tables: where a table is shown
// over it, the table is what the pointer reaches.
TEST_F(Hauptfenster, VersionshinweisUnterDenTabellen) {
    ASSERT_TRUE(starten(Beispiel()));
    frmZIRVO3801Ansicht& f = *fenster;
    f.NeuereVersionAnzeigen("Hinweis:\r\n\r\nVon diesem Programm gibt es eine neuere Version (10).");
    Menü(m.mnuZoneEBF);
    QLabel* hinweis = f.NeuereVersion();
    ASSERT_TRUE(hinweis->isVisible());
    QWidget* tabelle = f.Tabelle(1);
    const QRect über = hinweis->geometry().intersected(tabelle->geometry());
    ASSERT_FALSE(über.isEmpty());
    for (const QPoint& p : {über.topLeft(), über.center(), über.bottomRight()}) {
        QWidget* getroffen = f.Innenfläche()->childAt(p);
        ASSERT_NE(getroffen, nullptr);
        EXPECT_NE(getroffen, hinweis);
        EXPECT_TRUE(getroffen == tabelle || tabelle->isAncestorOf(getroffen));
    }
    // The EBF table's first rows take the clicks: its first cell is there.
    EXPECT_TRUE(Zelle(m.txtEBFBez[0])->isVisible());
}

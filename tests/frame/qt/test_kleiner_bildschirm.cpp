// Every window of the program on a small screen: 960 × 540 logical pixels,
// what a 1920 × 1080 screen scaled to 200 % leaves. The program runs with
// the example project, and each window, opened as the user opens it, lies
// inside the free area, with its buttons and key figures within reach (in
// view once its scroll area has scrolled to them, covered by nothing).
//
// The offscreen platform takes its screen from a file named in the platform
// argument ("offscreen:configfile=…"; without one it has 800 × 800): the
// test starts this test program once more on a screen of 1920 × 1080 with
// QT_SCALE_FACTOR 2 and runs there. Outside that screen it only starts that
// run and reports its outcome.
#include "dialogs/frmProjekt.h"
#include "frame/Dateien.h"
#include "frame/Initialisierung.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOVersion.h"
#include "frame/cVB6_NumCvt.h"
#include "frame/frmZIRVO3801Start.h"
#include "frame/qt/Fensterlage.h"
#include "frame/qt/Hilfefenster.h"
#include "frame/qt/QtPlattform.h"
#include "frame/qt/QtStart.h"
#include "frame/qt/frmZIRVO3801StartAnsicht.h"
#include "mainwindow/frmZIRVO3801.h"
#include "mainwindow/qt/frmZIRVO3801Ansicht.h"
#include "project/ProjektGlobal.h"
#include "proofs/frmNachweisEB.h"
#include "proofs/qt/frmNachweisEBAnsicht.h"
#include "tests/support/Testplattform.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QProcess>
#include <QScreen>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace {

const QSize Bildschirm(960, 540);
constexpr const char* Kennzeichen = "ZIRVO_KLEINER_BILDSCHIRM";

std::string Text(const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "×" +
           std::to_string(r.height());
}

// The widget can be reached in its window: shown, and after its window's
// scroll area (if any) has brought it into view, wholly inside each of its
// parents and covered by no widget stacked above it.
::testing::AssertionResult Erreichbar(QWidget* w) {
    QWidget* fenster = w->window();
    if (!w->isVisibleTo(fenster)) return ::testing::AssertionFailure() << "hidden";
    Fensterlage::InsBild(w);
    QRect r = w->rect();
    for (QWidget* a = w; a != fenster; a = a->parentWidget()) {
        QWidget* eltern = a->parentWidget();
        r.translate(a->pos());
        if (!eltern->rect().contains(r))
            return ::testing::AssertionFailure() << "cut off at " << Text(r) << " in "
                                                 << eltern->objectName().toStdString() << " " << Text(eltern->rect());
        const auto& geschwister = eltern->children();
        for (qsizetype i = geschwister.indexOf(a) + 1; i < geschwister.size(); ++i) {
            auto* über = qobject_cast<QWidget*>(geschwister[i]);
            if (über && !über->isWindow() && über->isVisible() && über->geometry().intersects(r))
                return ::testing::AssertionFailure() << "covered by " << über->objectName().toStdString();
        }
    }
    const QRect frei = fenster->screen()->availableGeometry();
    if (const QRect global(fenster->mapToGlobal(r.topLeft()), r.size()); !frei.contains(global))
        return ::testing::AssertionFailure() << "off the screen at " << Text(global);
    return ::testing::AssertionSuccess();
}

// The window lies in the free area and each named widget can be reached.
void Prüfen(QWidget& fenster, std::initializer_list<const char*> ziele) {
    QApplication::processEvents();
    const std::string name = fenster.objectName().toStdString();
    const QRect frei = fenster.screen()->availableGeometry();
    const QRect außen(fenster.pos(), fenster.size().grownBy(Fensterlage::Rahmen(&fenster)));
    EXPECT_TRUE(frei.contains(außen)) << name << ": " << Text(außen) << " outside " << Text(frei);
    for (const char* z : ziele) {
        auto* w = fenster.findChild<QWidget*>(QString::fromUtf8(z));
        if (!w) ADD_FAILURE() << name << ": no " << z;
        else EXPECT_TRUE(Erreichbar(w)) << name << ": " << z;
    }
}

// Runs the command and checks the modal window it opens, then closes it.
void Modal(const std::function<void()>& befehl, std::initializer_list<const char*> ziele) {
    Testhilfe::Modal(befehl, [ziele](QDialog& d) { Prüfen(d, ziele); });
}

void Klicken(QWidget& fenster, const char* knopf) {
    auto* k = fenster.findChild<QAbstractButton*>(QString::fromUtf8(knopf));
    ASSERT_NE(k, nullptr) << knopf;
    k->click();
}

// The shown top-level window of that name.
QWidget* Fenster(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QString::fromUtf8(name)) return w;
    return nullptr;
}

class KleinerBildschirm : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    Testhilfe::SkriptMeldungen meldungen;
    Testhilfe::SkriptDateidialoge dialoge;
    Testhilfe::SkriptUmgebung umgebung;
    QtPlattform::QtDrucker drucker;
    std::unique_ptr<Plattform::DiensteSetzen> dienste;
    Fensterlage::Wächter wächter;
    frmZIRVO3801& m = Global::frmZIRVO3801;
    std::unique_ptr<frmZIRVO3801Ansicht> haupt;
    std::unique_ptr<frmNachweisEBAnsicht> eb;
    std::unique_ptr<QtStart::Startumgebung> start;

    // The program's start with the example project, as the program's main
    // does it (the project dialog that ends the opening stays shut).
    void Starten() {
        umgebung.Programm = ZIRVO_PROGRAMMORDNER;
        umgebung.Konfiguration = (fs::path(ordner.path().toStdString()) / "config").string();
        fs::create_directories(fs::path(umgebung.Konfiguration) / "db");
        ASSERT_TRUE(Dateien::SicherSchreiben(umgebung.Konfiguration + "/ZIRVO3801.ini",
                                             "Folder Database=" + umgebung.Konfiguration + "/db\r\n"));
        const std::string beispiel = ordner.filePath("Beispiel.zirvo9").toStdString();
        fs::copy_file(fs::path(ZIRVO_TESTDATEN) / ".." / "examples" / "Beispiel.zirvo9", beispiel);
        dienste = std::make_unique<Plattform::DiensteSetzen>(
            Plattform::Dienste{&meldungen, &dialoge, &drucker, nullptr, &umgebung, nullptr});
        basZIRVODialogSprache::SpracheSetzen();
        basZIRVO3801::GlobaleSetzen();
        basZIRVOVersion::VersionsOrdnerUrl.clear();
        QtStart::Einrichten();
        frmZIRVO3801Ansicht::Einrichten();
        const auto projektdialog = frmProjekt::Anzeigen;
        frmProjekt::Anzeigen = nullptr;
        haupt = std::make_unique<frmZIRVO3801Ansicht>(m);
        eb = std::make_unique<frmNachweisEBAnsicht>(Global::frmNachweisEB, haupt.get());
        start = std::make_unique<QtStart::Startumgebung>(*haupt, *eb, ordner.filePath("run"));
        ASSERT_TRUE(basZIRVO3801::Main(beispiel, *start));
        frmProjekt::Anzeigen = projektdialog;
        ASSERT_TRUE(Global::Projekt.Exist());
        haupt->activateWindow();
        QApplication::setActiveWindow(haupt.get());
        QApplication::processEvents();
    }

    void Menü(const Menüeintrag& e) {
        QAction* a = haupt->Aktion(e);
        ASSERT_NE(a, nullptr) << e.Name;
        a->trigger();
        QApplication::processEvents();
    }
    void ModalMenü(const Menüeintrag& e, std::initializer_list<const char*> ziele) {
        Modal([&] { Menü(e); }, ziele);
    }
    // A modeless window the command opens, checked and closed again.
    void OhneModus(const Menüeintrag& e, const char* name, std::initializer_list<const char*> ziele,
                   const std::function<void(QWidget&)>& dazu = {}) {
        Menü(e);
        QWidget* w = Fenster(name);
        ASSERT_NE(w, nullptr) << name;
        Prüfen(*w, ziele);
        if (dazu) dazu(*w);
        w->close();
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(KleinerBildschirm, JedesFensterBleibtBedienbar) {
    if (qEnvironmentVariableIsEmpty(Kennzeichen)) {
        // This program once more, on a screen of 1920 × 1080 at 200 %.
        QTemporaryDir dir;
        const QString datei = dir.filePath("bildschirm.json");
        ASSERT_TRUE(Dateien::SicherSchreiben(datei.toStdString(),
                                             R"({"screens": [{"name": "Skaliert", "x": 0, "y": 0, "width": 1920, )"
                                             R"("height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})"));
        QProcess lauf;
        QProcessEnvironment umwelt = QProcessEnvironment::systemEnvironment();
        umwelt.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + datei);
        umwelt.insert("QT_SCALE_FACTOR", "2");
        umwelt.insert(Kennzeichen, "1");
        lauf.setProcessEnvironment(umwelt);
        lauf.setProcessChannelMode(QProcess::MergedChannels);
        lauf.start(QCoreApplication::applicationFilePath(),
                   {"--gtest_filter=KleinerBildschirm.JedesFensterBleibtBedienbar"});
        // A minute only a hang exceeds.
        ASSERT_TRUE(lauf.waitForFinished(60000));
        const QString ausgabe = QString::fromUtf8(lauf.readAll());
        EXPECT_EQ(lauf.exitCode(), 0) << ausgabe.toStdString();
        EXPECT_TRUE(ausgabe.contains("[  PASSED  ] 1 test")) << ausgabe.toStdString();
        return;
    }
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry().size(), Bildschirm);
    Starten();
    const frmZIRVO3801& f = m;

    // The main window with the widest table: its rows' scroll bar is not
    // hidden under the help panel, the panes' sideways bar is in view.
    Menü(f.mnuZoneF);
    Prüfen(*haupt, {"sbrFVScroll", "hsbPanes"});

    ModalMenü(f.mnuProjektAngaben, {"cmdOK", "cmdAbbrechen"});
    Testhilfe::Modal([&] { Menü(f.mnuProjektNutzung); },
          [](QDialog& d) {
              Prüfen(d, {"cmdOK", "cmdAbbrechen"});
              // The zones' page with its buttons, and the name of a new zone.
              auto* reiter = d.findChild<QTabBar*>("tabNutzung");
              ASSERT_NE(reiter, nullptr);
              reiter->setCurrentIndex(1);
              Prüfen(d, {"cmdZoneNeu", "cmdZoneLöschen", "cmdSortieren"});
              Modal([&] { Klicken(d, "cmdZoneNeu"); }, {"cmdOK", "cmdAbbrechen"});
          });
    // The component editor's last layer row, and its pick list.
    OhneModus(f.mnuProjektBauteile, "frmBauteil", {"txtBtBez(14)", "txtBtR(14)", "txtBtUe(14)"}, [](QWidget& w) {
        Modal([&] { Klicken(w, "cmdBtSuchen"); }, {"cmdAuswahl", "cmdAbbrechen"});
    });
    ModalMenü(f.mnuZoneL, {"cmdSchliessen", "lblQv", "lblQth"});
    ModalMenü(f.mnuZoneG, {"cmdSchliessen", "lblQgS", "lblEtaG"});
    // The heating demand with its heat-load limit and verdict.
    ModalMenü(f.mnuZoneQh, {"lblQh", "lblNachweis", "lblPhGw", "lblNachweisPh"});

    ModalMenü(f.mnuNachweis3801System, {"cmdSchliessen"});
    OhneModus(f.mnuNachweis3801EB, "frmNachweisEB", {"cmdDrucken", "cmdSchliessen"}, [](QWidget& w) {
        Modal([&] { Klicken(w, "cmdDrucken"); }, {"cmdDrucken", "cmdAbbrechen"});
    });
    ModalMenü(f.mnuTabellenBaustoffe, {"cmdNeu", "cmdSpeichern", "cmdLöschen", "cmdSchliessen"});
    OhneModus(f.mnuTabellenRechner, "frmTabellenRechner", {});

    ModalMenü(f.mnuExtrasFlächen, {});
    ModalMenü(f.mnuExtrasVerluste, {});
    ModalMenü(f.mnuExtrasEnergien, {});
    ModalMenü(f.mnuExtrasWärmeleistungsbedarf, {"cmdBerechnen", "txtResultat"});
    Testhilfe::Modal([&] { Menü(f.mnuExtrasOptionen); },
          [](QDialog& d) {
              Prüfen(d, {"cmdOK", "cmdAbbrechen", "cmdDurchsuchen(1)"});
              Modal([&] { Klicken(d, "cmdDurchsuchen(0)"); }, {"cmdOK", "cmdAbbrechen"});
          });
    ModalMenü(f.mnuDateiDrucken, {"cmdDrucken", "cmdAbbrechen", "cmdEinrichten"});
    ModalMenü(f.mnuDateiDruckEinrichten, {"cmdOK", "cmdSchliessen", "cmdTestseite"});

    // The help window and the start window.
    Hilfefenster hilfe(QString(ZIRVO_PROGRAMMORDNER) + "/hilfe");
    hilfe.setObjectName("Hilfefenster");
    hilfe.show();
    Prüfen(hilfe, {});
    frmZIRVO3801StartAnsicht startfenster(Global::frmZIRVO3801Start);
    startfenster.show();
    Prüfen(startfenster, {});

    haupt->close();
    QApplication::processEvents();
}

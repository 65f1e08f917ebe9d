// What the tests of the main window on the screen share: a program folder,
// settings and run folder of their own, the message and file dialog
// answers, the program's start and end, and keys and mouse events sent to
// the widgets.
#pragma once

#include "dialogs/frmNutzung.h"
#include "dialogs/frmProjekt.h"
#include "frame/Dateien.h"
#include "frame/Initialisierung.h"
#include "frame/Programmstart.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOVersion.h"
#include "frame/cVB6_NumCvt.h"
#include "frame/qt/Bindung.h"
#include "frame/qt/Ersatzhauptfenster.h"
#include "frame/qt/QtStart.h"
#include "mainwindow/frmZIRVO3801.h"
#include "mainwindow/qt/frmZIRVO3801Ansicht.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Testplattform.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <ctime>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unistd.h>

namespace Hauptfenstertest {

namespace fs = std::filesystem;
using Bindung::Pixel;
using Bindung::Twips;

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

// The source tree: the build names its tests folder, whatever the folder
// the test program runs from and however the compiler wrote the paths.
inline fs::path Quellordner() { return fs::path(ZIRVO_TESTDATEN).parent_path(); }

inline void Taste(QWidget* w, int key, Qt::KeyboardModifiers m = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent d(QEvent::KeyPress, key, m, text);
    QApplication::sendEvent(w, &d);
    QKeyEvent u(QEvent::KeyRelease, key, m, text);
    QApplication::sendEvent(w, &u);
}

inline void Maus(QWidget* w, QEvent::Type art, int y, Qt::MouseButtons knöpfe = Qt::LeftButton) {
    const QPointF p(w->width() / 2.0, y);
    QMouseEvent e(art, p, w->mapToGlobal(p), art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, knöpfe,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

inline QWidget* Fokus() { return QApplication::focusWidget(); }

class Ordner : public Plattform::Umgebung {
public:
    fs::path Wurzel = fs::temp_directory_path() / ("zirvo_test_hauptfenster_" + std::to_string(::getpid()));
    fs::path Konfiguration = Wurzel / "config" / "ZIRVO";
    fs::path Laufzeit = Wurzel / "run";
    Ordner() {
        fs::remove_all(Wurzel);
        for (const char* o : {"bin", "run", "Projekte"}) fs::create_directories(Wurzel / o);
    }
    ~Ordner() override {
        std::error_code ec;
        fs::remove_all(Wurzel, ec);
    }
    std::string Pfad(const std::string& o) const { return (Wurzel / o).string(); }
    std::string Programmordner() override { return Pfad("bin"); }
    std::string Konfigurationsordner() override { return Konfiguration.string(); }
    std::time_t Jetzt() override { return 0; }
    void Sanduhr(bool) override {}
    bool StrgGedrückt() override { return false; }
};

class Hauptfenster : public ::testing::Test {
protected:
    Testhilfe::SkriptMeldungen meldungen;
    Testhilfe::SkriptDateidialoge dialoge;
    Ordner ordner;
    Plattform::DiensteSetzen gesetzt{Plattform::Dienste{&meldungen, &dialoge, nullptr, nullptr, &ordner}};
    Initialisierung gesichert = Global::Initialisierung;
    cVB6_NumCvt trennzeichen = cVB6_NumCvt::Instanz();
    std::function<void(frmProjekt&)> projektAnzeigen = frmProjekt::Anzeigen;
    std::function<void(frmNutzung&)> nutzungAnzeigen = frmNutzung::Anzeigen;
    frmZIRVO3801& m = Global::frmZIRVO3801;

    std::unique_ptr<frmZIRVO3801Ansicht> fenster;
    std::unique_ptr<KeinNachweisEBFenster> eb;
    std::unique_ptr<QtStart::Startumgebung> umgebung;

    Hauptfenster() {
        basZIRVODialogSprache::SpracheSetzen();
        basZIRVO3801::GlobaleSetzen();
        cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "de-CH", ".", "'", ".", "'"));
        Global::Initialisierung = ::Initialisierung();
        Global::Projekt = Projekt();
        basZIRVOVersion::VersionsOrdnerUrl.clear();
        // The project dialog that opening a project ends with stays shut.
        frmProjekt::Anzeigen = nullptr;
        frmNutzung::Anzeigen = nullptr;
    }
    ~Hauptfenster() override {
        beenden();
        Global::Initialisierung = gesichert;
        Global::Projekt = Projekt();
        cVB6_NumCvt::InstanzSetzen(trennzeichen);
        frmProjekt::Anzeigen = projektAnzeigen;
        frmNutzung::Anzeigen = nutzungAnzeigen;
    }

    // The program's start with the command line; True when it runs.
    bool starten(const std::string& befehlszeile = {}) {
        fenster = std::make_unique<frmZIRVO3801Ansicht>(m);
        eb = std::make_unique<KeinNachweisEBFenster>();
        umgebung = std::make_unique<QtStart::Startumgebung>(*fenster, *eb, Q(ordner.Laufzeit.string()));
        const bool läuft = basZIRVO3801::Main(befehlszeile, *umgebung);
        if (läuft) {
            fenster->activateWindow();
            QApplication::setActiveWindow(fenster.get());
            QApplication::processEvents();
        }
        return läuft;
    }
    // Closes the window as the user does; the program's end follows.
    void beenden() {
        if (fenster && fenster->isVisible()) fenster->close();
        QApplication::processEvents();
        umgebung.reset();
        fenster.reset();
        eb.reset();
    }

    std::string Ini() const { return Dateien::Lesen((ordner.Konfiguration / "ZIRVO3801.ini").string()).value_or(""); }

    // The example project, copied to where the test may change it.
    std::string Beispiel() {
        const fs::path ziel = ordner.Wurzel / "Projekte" / "Beispiel.zirvo9";
        fs::copy_file(Quellordner() / "examples" / "Beispiel.zirvo9", ziel, fs::copy_options::overwrite_existing);
        return ziel.string();
    }

    QLineEdit* Zelle(const TextBox& z) const { return fenster->Zelle(z); }
    void Menü(const Menüeintrag& e) {
        QAction* a = fenster->Aktion(e);
        ASSERT_NE(a, nullptr) << e.Name;
        a->trigger();
        QApplication::processEvents();
    }
    // Gives a cell the focus as a click would.
    void Hinein(const TextBox& z) {
        QLineEdit* w = Zelle(z);
        ASSERT_NE(w, nullptr);
        w->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }
};

} // namespace Hauptfenstertest

// The help of an installed program: the program starts from its program
// folder as the program does (the folder of its executable) and finds the
// info package of the help panel and the help pages there. The folder is
// the one the installation test names in ZIRVO_INSTALLIERT (the folder the
// installed program's link leads to), else the build's own.
#include "frame/Initialisierung.h"
#include "frame/Programmstart.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOVersion.h"
#include "frame/cVB6_NumCvt.h"
#include "frame/qt/Ersatzhauptfenster.h"
#include "frame/qt/Hilfefenster.h"
#include "frame/qt/QtStart.h"
#include "mainwindow/frmZIRVO3801.h"
#include "mainwindow/qt/frmZIRVO3801Ansicht.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Testplattform.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTextBrowser>

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

#ifndef ZIRVO_PROGRAMMORDNER
#error "ZIRVO_PROGRAMMORDNER must name the folder the build puts the program in"
#endif

namespace fs = std::filesystem;

namespace {

std::string Programmordner() {
    const char* installiert = std::getenv("ZIRVO_INSTALLIERT");
    return installiert && *installiert ? installiert : ZIRVO_PROGRAMMORDNER;
}

// The start as the installed executable "ZIRVO3801" makes it: the help
// panel's package and first topic are named after the executable.
class StartAlsZIRVO3801 : public QtStart::Startumgebung {
public:
    using QtStart::Startumgebung::Startumgebung;
    std::string Programmname() override { return "ZIRVO3801"; }
};

} // namespace

TEST(InstallierteHilfe, PanelUndHilfeseiteAusDemProgrammordner) {
    const fs::path wurzel = fs::temp_directory_path() / ("zirvo_test_installiert_" + std::to_string(::getpid()));
    fs::remove_all(wurzel);
    fs::create_directories(wurzel / "run");
    Testhilfe::SkriptMeldungen meldungen;
    Testhilfe::SkriptDateidialoge dialoge;
    Testhilfe::SkriptUmgebung desktop;
    desktop.Programm = Programmordner();
    desktop.Konfiguration = (wurzel / "config").string();
    QtHilfe::Dienst hilfe;
    Plattform::DiensteSetzen gesetzt{Plattform::Dienste{&meldungen, &dialoge, nullptr, nullptr, &desktop, &hilfe}};
    const Initialisierung einstellungen = Global::Initialisierung;
    const cVB6_NumCvt trennzeichen = cVB6_NumCvt::Instanz();
    basZIRVODialogSprache::SpracheSetzen();
    basZIRVO3801::GlobaleSetzen();
    cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "de-CH", ".", "'", ".", "'"));
    basZIRVOVersion::VersionsOrdnerUrl.clear();
    frmZIRVO3801& m = Global::frmZIRVO3801;
    m.InfoThema.clear();
    {
        frmZIRVO3801Ansicht fenster(m);
        KeinNachweisEBFenster eb;
        StartAlsZIRVO3801 umgebung(fenster, eb, QString::fromStdString((wurzel / "run").string()));
        ASSERT_TRUE(basZIRVO3801::Main("", umgebung));
        QApplication::processEvents();

        // The panel shows the program's topic from the info package.
        EXPECT_EQ(basZIRVO3801::Hilfedatei, desktop.Programm + "/hilfe");
        EXPECT_FALSE(m.InfoPaket.empty()) << "kein Infopaket in " << desktop.Programm;
        EXPECT_EQ(m.InfoThema, "ZIRVO3801");
        auto* rtb = fenster.findChild<QTextBrowser*>("rtbInfo");
        ASSERT_NE(rtb, nullptr);
        EXPECT_FALSE(rtb->toPlainText().isEmpty());
        EXPECT_EQ(rtb->toPlainText().indexOf("Info nicht gefunden."), -1) << rtb->toPlainText().toStdString();

        // F1 opens the main window's page from the help folder there.
        m.mnuHilfeF1_Click();
        ASSERT_NE(hilfe.Fenster(), nullptr);
        EXPECT_EQ(hilfe.Fenster()->Seite().toStdString(),
                  QDir::cleanPath(QString::fromStdString(desktop.Programm + "/hilfe/1000.html")).toStdString());
        EXPECT_NE(hilfe.Fenster()->Browser()->toPlainText().indexOf("Hauptfenster"), -1)
            << hilfe.Fenster()->Browser()->toPlainText().toStdString();
        EXPECT_GT(hilfe.Fenster()->Index()->count(), 10);

        fenster.close();
        QApplication::processEvents();
    }
    EXPECT_TRUE(meldungen.Gezeigt.empty()) << meldungen.Gezeigt.front().Text;
    basZIRVO3801::GlobaleSetzen();
    m.InfoThema.clear();
    m.InfoPaket.clear();
    basZIRVO3801::Hilfedatei.clear();
    Global::Initialisierung = einstellungen;
    Global::Projekt = Projekt();
    cVB6_NumCvt::InstanzSetzen(trennzeichen);
    fs::remove_all(wurzel);
}

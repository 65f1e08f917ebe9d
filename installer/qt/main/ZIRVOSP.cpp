// The service-pack installer ZIRVOSP.
//
//   ZIRVOSP [--ziel ORDNER] [--ja]
//
// --ziel ORDNER  looks in ORDNER (a volume holding the program folder, or
//                the program folder itself) instead of the removable volumes;
// --ja           installs without a window and without asking; messages go
//                to standard error.
// Exit status: 0 installed or cancelled, 1 nothing installed, 2 the
// installation is incomplete.
#include "frame/Dateien.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/QtPlattform.h"
#include "frame/qt/QtStart.h"
#include "installer/frmZIRVOSP.h"
#include "installer/qt/frmZIRVOSPAnsicht.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>

#include <chrono>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <thread>

int main(int argc, char** argv) {
    // A write past the file-size limit fails like a full disk instead of
    // ending the program.
    Dateien::DateigrössenSignalAbschalten();
    bool ohneFenster = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--ja") == 0) ohneFenster = true;
    QtStart::LaufzeitordnerSetzen();
    // Qt takes its own options out of argv.
    std::unique_ptr<QCoreApplication> app;
    if (ohneFenster) app = std::make_unique<QCoreApplication>(argc, argv);
    else app = std::make_unique<QApplication>(argc, argv);
    QtStart::QtDeutsch();
    if (!ohneFenster) QtStart::Programmsymbol();

    basZIRVO3801::GlobaleSetzen();
    basZIRVODialogSprache::SpracheSetzen();
    frmZIRVOSP modell;
    modell.Programmpfad = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    modell.Laufwerke = frmZIRVOSPAnsicht::Laufwerke;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--ziel" && i + 1 < argc) {
            modell.Ziel = argv[++i];
        } else if (arg != "--ja") {
            std::cerr << "Aufruf: ZIRVOSP [--ziel ORDNER] [--ja]\n";
            return frmZIRVOSP::NichtInstalliert;
        }
    }

    if (ohneFenster) {
        // The wait for another installer is said once, as it begins.
        modell.Warten = [&modell, gesagt = false](std::chrono::milliseconds takt) mutable {
            if (!gesagt) std::cerr << modell.lblInfo.Caption() << "\n" << modell.lblFrage.Caption() << std::endl;
            gesagt = true;
            std::this_thread::sleep_for(takt);
        };
        modell.Form_Load();
        if (!modell.Beendet()) modell.cmdInstallieren_Click();
        return modell.Rückgabe();
    }

    QtPlattform::Dienste dienste;
    QtBildschirmschrift::DesktopSchriftÜbernehmen();
    // The window ends the event loop with the model's status.
    QApplication::setQuitOnLastWindowClosed(false);
    frmZIRVOSPAnsicht ansicht(modell);
    ansicht.Ende = [](int status) { QCoreApplication::exit(status); };
    modell.Form_Load();
    if (modell.Beendet()) return modell.Rückgabe();
    return app->exec();
}

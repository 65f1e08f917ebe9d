// The program ZIRVO 380/1.
#include "frame/Dateien.h"
#include "frame/Programmstart.h"
#include "frame/qt/Ersatzhauptfenster.h"
#include "frame/qt/Fensterlage.h"
#include "frame/qt/QtPlattform.h"
#include "frame/qt/QtStart.h"
#include "mainwindow/frmZIRVO3801.h"
#include "mainwindow/qt/frmZIRVO3801Ansicht.h"
#include "proofs/frmNachweisEB.h"
#include "proofs/qt/frmNachweisEBAnsicht.h"

#include <QApplication>

int main(int argc, char** argv) {
    // A write past the file-size limit fails like a full disk instead of
    // ending the program.
    Dateien::DateigrössenSignalAbschalten();
    QtStart::LaufzeitordnerSetzen();
    QApplication app(argc, argv);
    QtPlattform::Dienste dienste;
    // Every window opens wholly on the screen.
    Fensterlage::Wächter fensterlage;
    QtStart::Einrichten();
    frmZIRVO3801Ansicht::Einrichten();
    // Qt has taken its own options out of argv by now.
    const std::string befehlszeile = Programmstart::Befehlszeile(argc, argv);

    frmZIRVO3801Ansicht hauptfenster(Global::frmZIRVO3801);
    // Loaded hidden by the start, owned by the main window, alive to the end.
    frmNachweisEBAnsicht nachweisEB(Global::frmNachweisEB, &hauptfenster);
    QtStart::Startumgebung umgebung(hauptfenster, nachweisEB);
    if (!basZIRVO3801::Main(befehlszeile, umgebung)) return 0;
    const int ergebnis = app.exec();
    // The main window writes the settings when it closes; this catches an
    // end of the event loop without that.
    basZIRVO3801::ProgrammBeenden();
    return ergebnis;
}

#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/qt/QtPlattform.h"

#include <QApplication>
#include <iostream>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QtPlattform::Dienste dienste;
    basVB6NumCvt::KommaEingabeSetzen(true);
    if (basZIRVODialogSprache::SpracheSetzen()) return 1;
    basZIRVO3801::GlobaleSetzen();
    std::cout << basZIRVO3801::ProgrammTitel << " Version  " << basZIRVO3801::ProgrammVersion
              << basZIRVO3801::ProgrammVersionBuchstabe << '\n'
              << "Das Hauptfenster ist in diesem Stand noch nicht gebaut.\n";
    return 0;
}

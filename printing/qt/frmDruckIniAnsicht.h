// The printer settings dialog on the screen, bound to frmDruckIni: the
// printer list, the font with its size and the font dialog, the switch
// without special characters, the line width and the four margins, and the
// buttons Standard, Testseite, OK and Abbrechen. Closing the window counts
// as Abbrechen.
#pragma once

#include "frame/qt/Dialoghilfe.h"

#include <QDialog>

class frmDruckIni;

class frmDruckIniAnsicht : public QDialog {
public:
    explicit frmDruckIniAnsicht(frmDruckIni& modell, QWidget* eigentümer = nullptr);
    ~frmDruckIniAnsicht() override;

    // Makes frmDruckIni::Aufruf show this view modally, owned by the active
    // window, and installs the print entries of the other windows
    // (Druckaufträge): the program's printing set up at start.
    static void Einrichten();

    void reject() override;

private:
    frmDruckIni& m_;
    Dialoghilfe::Beobachtungen beobachtet_;
};

// The print dialog of the system proof on the screen, bound to frmDrucken:
// the printer with its button Einrichten, copies, duplex, the file name on
// the cover and rows by font height, the eight report choices with the zone
// list and "Auch ungenutzte Bauteile", the task, and the buttons Drucken and
// Abbrechen. Closing the window counts as Abbrechen.
#pragma once

#include "frame/qt/Dialoghilfe.h"

#include <QDialog>

class frmDrucken;

class frmDruckenAnsicht : public QDialog {
public:
    explicit frmDruckenAnsicht(frmDrucken& modell, QWidget* eigentümer = nullptr);
    ~frmDruckenAnsicht() override;

    // Makes frmDrucken::Aufruf show this view modally, owned by the active window.
    static void Einrichten();

    void reject() override;

private:
    frmDrucken& m_;
    Dialoghilfe::Beobachtungen beobachtet_;
};

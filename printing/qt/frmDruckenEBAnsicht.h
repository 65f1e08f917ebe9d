// The print dialog of the single-component proof on the screen, bound to
// frmDruckenEB: the choice of the whole proof or its cover, the printer of
// the settings, the copies, duplex, and the buttons Drucken and Abbrechen.
// Closing the window counts as Abbrechen.
#pragma once

#include "frame/qt/Dialoghilfe.h"

#include <QDialog>

class frmDruckenEB;
class frmNachweisEB;

class frmDruckenEBAnsicht : public QDialog {
public:
    explicit frmDruckenEBAnsicht(frmDruckenEB& modell, QWidget* eigentümer = nullptr);
    ~frmDruckenEBAnsicht() override;

    // Makes frmDruckenEB::Aufruf show this view modally and the print
    // button of the proof window open it.
    static void Einrichten(frmNachweisEB& nachweis);

    void reject() override;

private:
    frmDruckenEB& m_;
    Dialoghilfe::Beobachtungen beobachtet_;
};

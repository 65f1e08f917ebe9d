// The window "Baustoffe" on the screen: the list of materials, the eight
// fields of the record shown with their labels and units, the buttons and
// the menu "Bearbeiten", bound to the window model frmBaustoff.
#pragma once

#include "frame/qt/Dialoghilfe.h"

#include <QDialog>

class frmBaustoff;
class QAction;

class frmBaustoffAnsicht : public QDialog {
public:
    // Builds the window for a loaded model.
    explicit frmBaustoffAnsicht(frmBaustoff& modell, QWidget* eigentümer = nullptr);
    ~frmBaustoffAnsicht() override;

    // Makes frmBaustoff::Anzeigen show the window modally, owned by the
    // active window, and the main window's materials command open it.
    static void Einrichten();

    void reject() override;

private:
    frmBaustoff& m_;
    Dialoghilfe::Beobachtungen beobachtet_;
    Dialoghilfe::Fokusziele fokus_;
    bool geschlossen_ = false;
};

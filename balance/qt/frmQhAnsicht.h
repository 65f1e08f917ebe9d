// The window "Heizwärmebedarf": the building figures and the annual balance
// of the current zone, and the proof frame with the verdicts of the heating
// demand and the heat load, bound to frmQh.
//
// The window computes on its first activation (when the model has not been
// computed since it was loaded). Esc and the close box close it; the model
// is unloaded then.
#pragma once

#include "frame/qt/Dialoghilfe.h"

#include <QDialog>

class frmQh;

class frmQhAnsicht : public QDialog {
public:
    // Builds the window for the model; a model not loaded yet is loaded (its Form_Load).
    explicit frmQhAnsicht(frmQh& modell, QWidget* eigentümer = nullptr);
    ~frmQhAnsicht() override;

    // Makes frmQh::Anzeigen show the window modally, owned by the active
    // window: what the program's start sets up.
    static void Einrichten();

    void reject() override;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    frmQh& m_;
    Dialoghilfe::Beobachtungen beobachtet_;
};

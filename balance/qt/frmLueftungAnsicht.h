// The window of the dialog "Lüftung": natural ventilation, mechanical
// ventilation with its unit row and envelope air rates, the project's
// heat-load values, and the button "Schliessen", bound to the loaded
// frmLüftung.
//
// The close box and Esc close as "Schliessen" does: the model computes and
// stores the zone and the heat-load values, then it is unloaded.
#pragma once

#include "frame/qt/Dialoghilfe.h"

#include <QDialog>

class frmLüftung;

class frmLüftungAnsicht : public QDialog {
public:
    // The model should be loaded (its Einlesen has run).
    explicit frmLüftungAnsicht(frmLüftung& modell, QWidget* eigentümer = nullptr);
    ~frmLüftungAnsicht() override;

    // Makes frmLüftung::Anzeigen show the loaded form modally, owned by the
    // active window: what the program's start sets up.
    static void Einrichten();

    void reject() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    frmLüftung& m_;
    Dialoghilfe::Zellereignisse<frmLüftung> zellen_;
    Dialoghilfe::Fokusziele fokusziele_;
    Dialoghilfe::Beobachtungen beobachtet_;

    void schliessen();
};

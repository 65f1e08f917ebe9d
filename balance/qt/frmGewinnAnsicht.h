// The window of the dialog "Wärmeeinträge": solar gains, persons,
// electricity with the grid of extra consumers, the utilised gains, and the
// button "Schliessen", bound to the loaded frmGewinn.
//
// The close box and Esc close as "Schliessen" does: the model stores the
// zone, then it is unloaded.
#pragma once

#include "frame/qt/Dialoghilfe.h"

#include <QDialog>

class frmGewinn;

class frmGewinnAnsicht : public QDialog {
public:
    // The model should be loaded (its Einlesen has run).
    explicit frmGewinnAnsicht(frmGewinn& modell, QWidget* eigentümer = nullptr);
    ~frmGewinnAnsicht() override;

    // Makes frmGewinn::Anzeigen show the loaded form modally, owned by the
    // active window: what the program's start sets up.
    static void Einrichten();

    void reject() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    frmGewinn& m_;
    Dialoghilfe::Zellereignisse<frmGewinn> zellen_;
    Dialoghilfe::Fokusziele fokusziele_;
    Dialoghilfe::Beobachtungen beobachtet_;

    void schliessen();
};

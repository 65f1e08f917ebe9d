// The window "Nachweis SIA 380/1" on the screen: a tab "Systemanforderung"
// holding the list of zones and the building row, and the button
// "Schliessen", bound to frmNachweis3801. Modal; loading the model fills the
// list (every zone computed anew).
#pragma once

#include "frame/qt/Dialoghilfe.h"

#include <QDialog>

class frmNachweis3801;
class QTreeWidget;

class frmNachweis3801Ansicht : public QDialog {
public:
    // Builds the window and loads the model, which fills the list.
    explicit frmNachweis3801Ansicht(frmNachweis3801& modell, QWidget* eigentümer = nullptr);
    ~frmNachweis3801Ansicht() override;

    // Makes frmNachweis3801::Anzeigen show the window modally, owned by the
    // active window: what the program's start sets up.
    static void Einrichten();

    QTreeWidget* Liste() const { return liste_; }

    // "Schliessen", Esc and the close box: the model is unloaded.
    void done(int ergebnis) override;

private:
    frmNachweis3801& m_;
    QTreeWidget* liste_ = nullptr;
    Dialoghilfe::Beobachtungen beobachtet_;
};

// The window "Wärmeleistungsbedarf für Heizung": the design outside
// temperature and air rate, the button "Berechnen", the result text and
// the note under it, bound to frmWärmeleistungsbedarf.
#pragma once

#include "frame/qt/Dialoghilfe.h"

#include <QDialog>

class QLineEdit;
class frmWärmeleistungsbedarf;

class frmWärmeleistungsbedarfAnsicht : public QDialog {
public:
    // Builds the window and loads the model (its Form_Load presets the two boxes).
    explicit frmWärmeleistungsbedarfAnsicht(frmWärmeleistungsbedarf& modell, QWidget* eigentümer = nullptr);
    ~frmWärmeleistungsbedarfAnsicht() override;

    // Makes frmWärmeleistungsbedarf::Anzeigen load and show the window
    // modally, owned by the active window (the main window, whose menu
    // opens it): what the program's start sets up.
    static void Einrichten();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    frmWärmeleistungsbedarf& m_;
    QLineEdit* txtAlT_ = nullptr;
    QLineEdit* txtAlV_ = nullptr;
    Dialoghilfe::Beobachtungen beobachtet_;

    void auswählen(QLineEdit* box);
};

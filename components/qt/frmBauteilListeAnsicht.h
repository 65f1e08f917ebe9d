// The component chooser on the screen: the project sources with their
// buttons, the item list, the details of the item shown with coloured
// headings and tab columns, and the two buttons, bound to the window model
// frmBauteilListe.
#pragma once

#include "frame/qt/Dialoghilfe.h"

#include <QDialog>

class frmBauteilListe;
class QTextEdit;

class frmBauteilListeAnsicht : public QDialog {
public:
    explicit frmBauteilListeAnsicht(frmBauteilListe& modell, QWidget* eigentümer = nullptr);
    ~frmBauteilListeAnsicht() override;

    // Makes frmBauteilListe::Anzeigen show the chooser modally over the active window.
    static void Einrichten();

    void reject() override;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    frmBauteilListe& m_;
    Dialoghilfe::Beobachtungen beobachtet_;
    QTextEdit* details_ = nullptr;
    bool geschlossen_ = false;

    void DetailsZeigen();
};

// The window "Energien": the monthly energy table of frmEnergien in a list
// in report view that fills the window, under the menu Ansicht with
// Drucken and Schliessen (Ctrl + Schliessen: more decimals).
#pragma once

#include "frame/qt/Dialoghilfe.h"

#include <QDialog>

class QTreeWidget;
class frmEnergien;

class frmEnergienAnsicht : public QDialog {
public:
    // The model must be loaded (its table is filled).
    explicit frmEnergienAnsicht(frmEnergien& modell, QWidget* eigentümer = nullptr);
    ~frmEnergienAnsicht() override;

    // Makes frmEnergien::Anzeigen show the window modally, owned by the active window.
    static void Einrichten();

    QTreeWidget* Liste() const { return lvw_; }
    void reject() override;

private:
    frmEnergien& m_;
    QTreeWidget* lvw_ = nullptr;
};

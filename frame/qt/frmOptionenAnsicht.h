// The options dialog on the screen: a tab "Ordner" with the two folder
// frames, and OK and Abbrechen. Closing the window counts as Abbrechen.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class frmOptionen;

class frmOptionenAnsicht : public QDialog {
public:
    frmOptionenAnsicht(frmOptionen& modell, QWidget* parent = nullptr);
    ~frmOptionenAnsicht() override;

    // Shows the options dialog and the folder dialog with these views from
    // now on.
    static void Einrichten();

    QTabWidget* tabOptionen = nullptr;
    QRadioButton* optProj[2] = {};
    QLineEdit* txtOrdnerProj = nullptr;
    QRadioButton* optDB[2] = {};
    QLineEdit* txtOrdnerDB = nullptr;
    QPushButton* cmdDurchsuchen[2] = {};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAbbrechen = nullptr;

    void reject() override;

private:
    frmOptionen& modell_;
};

// The folder dialog on the screen: the drive list, "Suchen in:" with the
// folder chosen so far, the folder list (a double click or Enter opens an
// entry), OK and Abbrechen. Closing the window counts as Abbrechen.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class frmOrdnerSuchen;

class frmOrdnerSuchenAnsicht : public QDialog {
public:
    frmOrdnerSuchenAnsicht(frmOrdnerSuchen& modell, QWidget* parent = nullptr);
    ~frmOrdnerSuchenAnsicht() override;

    // Shows the folder dialog with this view from now on.
    static void Einrichten();

    QComboBox* dlbDrive1 = nullptr;
    QLabel* lblOrdner = nullptr;
    QListWidget* dlbDir1 = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAbbrechen = nullptr;

    void reject() override;

private:
    frmOrdnerSuchen& modell_;
};

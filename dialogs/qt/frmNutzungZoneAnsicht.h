// The window of the dialog "Thermische Zone": a name box, a code box and
// the buttons OK and Abbrechen, bound to a loaded frmNutzungZone.
//
// Esc works as "Abbrechen"; the close box closes without touching the
// dialog's members.
#pragma once

#include "frame/qt/Dialoghilfe.h"

#include <QDialog>

class QLineEdit;
class frmNutzungZone;

class frmNutzungZoneAnsicht : public QDialog {
public:
    // The model must be loaded (Form_Load has run).
    explicit frmNutzungZoneAnsicht(frmNutzungZone& modell, QWidget* parent = nullptr);
    ~frmNutzungZoneAnsicht() override;

    // Makes frmNutzungZone::Anzeigen show this window modally.
    static void Einrichten();

    // Esc: as the model's cancel.
    void reject() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    frmNutzungZone& m_;
    QLineEdit* txtBez_ = nullptr;
    QLineEdit* txtCode_ = nullptr;
    Dialoghilfe::Beobachtungen beobachtet_;
};

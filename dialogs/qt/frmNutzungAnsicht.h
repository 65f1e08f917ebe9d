// The window of the dialog "Nutzung": a tab strip with the pages "Nutzung"
// (the use of the shown zone) and "Zonen" (the zone list and its buttons),
// and the buttons OK and Abbrechen, bound to a loaded frmNutzung.
//
// Esc and the close box close as "Abbrechen" does. The dialog "Thermische
// Zone" that the model opens is shown by frmNutzungZoneAnsicht.
#pragma once

#include "frame/qt/Dialoghilfe.h"

#include <QDialog>

class QStackedWidget;
class QTabBar;
class frmNutzung;

class frmNutzungAnsicht : public QDialog {
public:
    // The model must be loaded (Form_Load has run).
    explicit frmNutzungAnsicht(frmNutzung& modell, QWidget* parent = nullptr);
    ~frmNutzungAnsicht() override;

    // Makes frmNutzung::Anzeigen (and frmNutzungZone::Anzeigen) show the
    // windows modally: what the program's start sets up.
    static void Einrichten();

    // Esc: as the model's cancel.
    void reject() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    frmNutzung& m_;
    QTabBar* tab_ = nullptr;
    QStackedWidget* seiten_ = nullptr;
    Dialoghilfe::Zellereignisse<frmNutzung> felder_;
    Dialoghilfe::Fokusziele fokusziele_;
    Dialoghilfe::Beobachtungen beobachtet_;

    void seitenAbgleichen();
    void schliessen();
};

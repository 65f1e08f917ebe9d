// The Qt view of the factor calculator: a modeless window laid out in the
// model's twips, its widgets bound to the model's control states and the
// user's inputs forwarded to the model's events.
#pragma once

#include "balance/frmTabellenRechner.h"

#include <QDialog>

class frmTabellenRechnerAnsicht : public QDialog {
public:
    // Builds and loads the window (the model's Form_Load); show() shows it
    // beside the owner.
    explicit frmTabellenRechnerAnsicht(QWidget* eigentümer = nullptr);

    frmTabellenRechner& Modell() { return m_; }

protected:
    void mouseDoubleClickEvent(QMouseEvent* ereignis) override;

private:
    frmTabellenRechner m_;

    void HöheSetzen();
};

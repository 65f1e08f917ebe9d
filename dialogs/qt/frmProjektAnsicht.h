// The Qt view of the project data dialog: a tab widget with the five
// pages, each widget bound to its control state in the window model, and
// the user's clicks, picks and keys forwarded to the model's events.
#pragma once

#include <QDialog>

class QTabWidget;
class frmProjekt;

class frmProjektAnsicht : public QDialog {
public:
    // Builds the window for the model; a model not loaded yet is loaded (its Form_Load).
    explicit frmProjektAnsicht(frmProjekt& modell, QWidget* eigentümer = nullptr);
    ~frmProjektAnsicht() override;

    // Makes frmProjekt::Aufruf show the window modally: what the program's
    // start sets up.
    static void Einrichten();

protected:
    void reject() override;
    void showEvent(QShowEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    frmProjekt& m_;
    QTabWidget* tabs_ = nullptr;
    int tabBeobachter_ = 0;
    bool geschlossen_ = false;
    bool gezeigt_ = false;

    void TabsAbgleichen();
    QWidget* SeiteProjekt();
    QWidget* SeiteAdressen();
    QWidget* SeiteAnforderungen();
    QWidget* SeiteKlima();
    QWidget* SeiteHimmelsrichtung();
};

// The window of the dialog "Wärmeeinträge": solar gains, persons,
// electricity with the grid of extra consumers, the utilised gains, and the
// button "Schliessen", bound to the loaded frmGewinn.
//
// The close box and Esc close as "Schliessen" does: the model stores the
// zone, then it is unloaded.
#pragma once

#include <QDialog>

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

class QLineEdit;
class Steuerelement;
class frmGewinn;

class frmGewinnAnsicht : public QDialog {
public:
    // The model should be loaded (its Einlesen has run).
    explicit frmGewinnAnsicht(frmGewinn& modell, QWidget* eigentümer = nullptr);
    ~frmGewinnAnsicht() override;

    // Makes frmGewinn::Anzeigen show the loaded form modally, owned by the
    // active window: what the program's start sets up.
    static void Einrichten();

    void reject() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    // The events of one cell of the consumer grid.
    struct Ereignisse {
        int Index = 0;
        void (frmGewinn::*GotFocus)(int) = nullptr;
        void (frmGewinn::*KeyDown)(int, std::int16_t&, std::int16_t) = nullptr;
        void (frmGewinn::*KeyPress)(int, std::int16_t&) = nullptr;
        void (frmGewinn::*LostFocus)(int) = nullptr;
    };

    frmGewinn& m_;
    std::map<QObject*, Ereignisse> ereignisse_;
    std::map<const Steuerelement*, QWidget*> widgets_;
    std::vector<std::pair<Steuerelement*, int>> beobachtet_;

    void fokusSetzen(Steuerelement& zustand);
    void schliessen();
};

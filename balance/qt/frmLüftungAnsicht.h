// The window of the dialog "Lüftung": natural ventilation, mechanical
// ventilation with its unit row and envelope air rates, the project's
// heat-load values, and the button "Schliessen", bound to the loaded
// frmLüftung.
//
// The close box and Esc close as "Schliessen" does: the model computes and
// stores the zone and the heat-load values, then it is unloaded.
#pragma once

#include <QDialog>

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

class QLineEdit;
class Steuerelement;
class frmLüftung;

class frmLüftungAnsicht : public QDialog {
public:
    // The model should be loaded (its Einlesen has run).
    explicit frmLüftungAnsicht(frmLüftung& modell, QWidget* eigentümer = nullptr);
    ~frmLüftungAnsicht() override;

    // Makes frmLüftung::Anzeigen show the loaded form modally, owned by the
    // active window: what the program's start sets up.
    static void Einrichten();

    void reject() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    // The events of one box of the unit row, or (Index -1) of a single box.
    struct Ereignisse {
        int Index = -1;
        void (frmLüftung::*GotFocus)(int) = nullptr;
        void (frmLüftung::*KeyDown)(int, std::int16_t&, std::int16_t) = nullptr;
        void (frmLüftung::*KeyPress)(int, std::int16_t&) = nullptr;
        void (frmLüftung::*LostFocus)(int) = nullptr;
        void (frmLüftung::*LostFocusEinzeln)() = nullptr;
    };

    frmLüftung& m_;
    std::map<QObject*, Ereignisse> ereignisse_;
    std::map<const Steuerelement*, QWidget*> widgets_;
    std::vector<std::pair<Steuerelement*, int>> beobachtet_;

    void Zelle(QLineEdit* widget, const Ereignisse& e);
    void fokusSetzen(Steuerelement& zustand);
    void schliessen();
};

// The losses per component over the whole project ("Energien Bauteile
// (Verluste)"): one line per opaque component, window and thermal bridge of
// the project with its U-value (g-value, Psi or Chi), its area or length in
// all zones and its annual losses in MWh, from the component-loss table that
// the all-zones check has just built (Extras > Verluste Bauteile). An item
// that no zone uses shows its number, designation and values only.
#pragma once

#include "dialogs/Textbericht.h"

#include <functional>

class frmBauteilVerluste : public Textbericht {
public:
    frmBauteilVerluste();

    void Form_Load();

    // Opens the window modally (a new window each time).
    static void Aufruf();
    static std::function<void(frmBauteilVerluste&)> Anzeigen;

private:
    void VerlusteAuflisten();
};

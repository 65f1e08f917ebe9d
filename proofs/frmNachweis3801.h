// The system proof ("Nachweis SIA 380/1"): one row per zone with its annual
// heating demand QH against the limit or target value QH,li and the verdict,
// then a row for the whole building with the EBF-weighted means. The main
// window opens it (Nachweis > Systemnachweis) after its check of all zones;
// loading it computes every zone anew, which stores each zone's balance and
// proof values, and makes the former zone current again.
#pragma once

#include "frame/ListView.h"
#include "frame/Steuerelemente.h"

#include <functional>
#include <optional>

class frmNachweis3801 : public Formular {
public:
    TabStrip tabNachweis{"tabNachweis"};
    ListView lvwZonen{"lvwZonen"};
    CommandButton cmdSchliessen{"cmdSchliessen"};

    // Loads the window and fills the list (every zone computed anew).
    void Form_Load();
    // The one page is always shown.
    void tabNachweis_Click() {}
    // Unloads the window.
    void cmdSchliessen_Click();

    bool Geladen() const { return geladen_; }

    // QH,li of a zone: the limit value HgNw times 1.5 for a conversion
    // (BvArt 1 or 3, whatever the requirement), else times 0.6 when the
    // target value is required (NwAnf 1), else HgNw itself.
    static double Grenzwert(double HgNw, int BvArt, int NwAnf);

    // Shows the window modally (the Nachweis menu). The window code installs
    // it; while none is installed nothing is shown.
    static std::function<void(frmNachweis3801&)> Anzeigen;

private:
    bool geladen_ = false;
    void NachweisAnzeigen();
};

namespace Global {
extern ::frmNachweis3801 frmNachweis3801;
} // namespace Global

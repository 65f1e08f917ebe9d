// The heating-demand result of the current zone ("Heizwärmebedarf"): the
// annual balance, the verdict of the heating demand against the limit or
// target value of the zone's building category, and the specific heat load
// against its limit. Computing it stores the proof values "QhNw", "Ae",
// "AEBF", "HgNw", "PhNw" and "PhNwGw" in the zone, which the system proof
// and the printout use; they call Einlesen without showing the window.
#pragma once

#include "frame/Steuerelemente.h"

#include <cstdint>
#include <functional>

class frmQh : public Formular {
public:
    // Height of the window without the proof frame, in twips.
    static constexpr std::int32_t HöheOhneNachweis = 5355;

    frmQh();

    Label lblZone{"lblZone"};
    // annual balance
    Label lblQt{"lblQt"};
    Label lblQv{"lblQv"};
    Label lblQtot{"lblQtot"};
    Label lblQi{"lblQi"};
    Label lblQs{"lblQs"};
    Label lblEtaG{"lblEtaG"};
    Label lblQug{"lblQug"};
    Label lblQh{"lblQh"};
    // building
    Label lblGebKat{"lblGebKat"};
    Label lblJMT{"lblJMT"};
    Label lblAh{"lblAh"};
    Label lblAe{"lblAe"};
    Label lblAeAh{"lblAeAh"};
    // proof of the heating demand
    Label fraNachweis{"fraNachweis"};
    Label lblVorschrift{"lblVorschrift"};
    Label lblAnf{"lblAnf"};
    Label lblQhNw{"lblQhNw"};
    Label lblHgNw{"lblHgNw"};
    Label lblGrenzZiel{"lblGrenzZiel"};
    Label lblNachweis{"lblNachweis"};
    // proof of the heat load
    Label lblLüftVorh{"lblLüftVorh"};
    Label lblHL_fV{"lblHL_fV"};
    Label lblHL_EtaV{"lblHL_EtaV"};
    Label lblPhNw{"lblPhNw"};
    Label lblPhGw{"lblPhGw"};
    Label lblNachweisPh{"lblNachweisPh"};

    // Height of the window in twips; 0 = as designed.
    std::int32_t Height = 0;

    // Recomputes the current zone, fills the window, stores the proof values
    // and marks the window as computed. Returns False.
    bool Einlesen();
    // Fills the window and stores the proof values from the stored balance. Returns False.
    bool Berechnen();

    void Form_Load();
    // Computes once per load, on the first activation.
    void Form_Activate();
    // Esc (27) closes the window; the next opening computes again.
    void Form_KeyPress(std::int16_t& KeyAscii);

    bool Geladen() const { return geladen_; }
    bool Berechnet() const { return berechnet_; }

    // Shows the window modally (the Zone menu, after Einlesen). The window
    // code installs it; while none is installed nothing is shown.
    static std::function<void(frmQh&)> Anzeigen;

private:
    bool geladen_ = false;
    bool berechnet_ = false;

    void Laden();
    bool ZoneBerechnenUndAnzeigen();
    bool ErgebnisAnzeigen();
};

namespace Global {
extern ::frmQh frmQh;
} // namespace Global

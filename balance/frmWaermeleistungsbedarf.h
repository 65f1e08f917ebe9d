// The heating-power estimate of the current zone ("Wärmeleistungsbedarf für
// Heizung"): the zone is computed once under design conditions (one outside
// temperature in every month, no solar radiation, a chosen outside-air
// rate), its annual heating demand turned into a mean power, and then the
// zone is computed again under its real climate.
#pragma once

#include "frame/Steuerelemente.h"

#include <cstdint>
#include <functional>

// The outside-air rate entered for the design computation, held while the
// design-condition mode (Auslegungsfall, Auslegungstemperatur) is on; 0 at
// all other times.
inline double Auslegungsluftvolumenstrom = 0.0;

class frmWärmeleistungsbedarf : public Formular {
public:
    frmWärmeleistungsbedarf();

    TextBox txtAlT{"txtAlT"};          // design outside temperature, °C
    TextBox txtAlV{"txtAlV"};          // outside-air rate, m³/(h·m²)
    CommandButton cmdBerechnen{"cmdBerechnen"};
    TextBox txtResultat{"txtResultat"}; // the result, lines ending in CR LF
    Label lblAlT{"lblAlT"};            // captions beside the boxes
    Label lblAlV{"lblAlV"};
    Label lblHinweis{"lblHinweis"};    // the note under the result

    // Selection of a text box: start and length in characters.
    struct Auswahl {
        int Start = 0;
        int Länge = 0;
    };

    // Presets the design temperature of the project's station and the zone's air rate.
    void Form_Load();
    // Entering a box selects its whole text.
    Auswahl txtAlT_GotFocus() const;
    Auswahl txtAlV_GotFocus() const;
    // Computes the estimate and writes the result text; a zone that cannot be
    // computed under design conditions shows its input error instead.
    void cmdBerechnen_Click();

    // Loads and shows the window modally, owned by the main window (the
    // Extras menu). The window code installs it; while none is installed
    // nothing is shown.
    static std::function<void(frmWärmeleistungsbedarf&)> Anzeigen;

private:
    // The mean heating power in kW under design temperature T and air rate V;
    // Fehler is set when the design computation failed (its input error is
    // then in Eingabefehler).
    double WärmeleistungBerechnen(double T, double V, bool& Fehler);
};

namespace Global {
extern ::frmWärmeleistungsbedarf frmWärmeleistungsbedarf;
} // namespace Global

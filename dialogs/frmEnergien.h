// The monthly energy table of the current zone ("Energien"): one row per
// loss, gain and result of the zone's balance, the year and the twelve
// months, read from what the last computation stored in the zone. The
// window adds three sums of its own (thermal bridges, transmission,
// ventilation) and computes nothing of the balance; the main window computes
// the zone before it opens it (Extras > Energien in den Monaten).
//
// Values are shown in the units the balance stores (kWh per m² of energy
// reference area; the utilisation factor has none). Losses of a month that
// is no heating month stand in brackets, as their year value leaves them out.
#pragma once

#include "frame/ListView.h"
#include "frame/Steuerelemente.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class frmEnergien : public Formular {
public:
    ListView lvwEnergien{"lvwEnergien"};
    Menüeintrag mnuAnsicht{"mnuAnsicht"};
    Menüeintrag mnuDrucken{"mnuDrucken"};
    Menüeintrag mnuTr1{"mnuTr1"};
    Menüeintrag mnuSchliessen{"mnuSchliessen"};

    // Set by Ctrl + Schliessen: five decimals (six for the utilisation factor).
    bool Genau = false;
    // Month m (January 0) is a heating month: its total loss Qt is above 0.
    std::array<bool, 12> Heizmonat{};

    void Form_Load();
    // With Ctrl held down: the table again with more decimals, the window
    // stays. Without: the window closes.
    void mnuSchliessen_Click();
    // Prints the table of the current zone when printing is set up.
    void mnuDrucken_Click();
    bool Geladen() const { return geladen_; }

    // Opens the window modally for the current zone (a new window each time).
    static void Aufruf();
    // Shows the loaded window modally; installed by the window code.
    static std::function<void(frmEnergien&)> Anzeigen;
    // Prints the monthly energy table of the current zone; installed by the
    // report code. While there is none, Drucken stays disabled.
    static std::function<void()> Drucken;
    // Closes the window on screen (the view sets it).
    std::function<void()> Schliessen;

private:
    bool geladen_ = false;
    void TabelleFüllen();
    // One row: the label, and for a row with values the year and the months.
    // Etag: three decimals instead of two. AlleMonate: the year counts all
    // twelve months, so no month is put in brackets.
    void ZeileHinzufügen(const std::string& Bezeichnung, const std::array<double, 13>* Werte, bool Fett,
                         bool AlleMonate, bool EtaG = false);
};

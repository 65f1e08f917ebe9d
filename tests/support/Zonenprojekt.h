// Test fixture: the global project with one zone of a building category,
// computed against one climate station, and the main window's tables empty.
//
// The constructor resets every program-wide object the zone computation
// uses (project, station, main window tables, pending input error, north
// rotation, design-condition mode); the destructor empties them again, so
// tests do not see each other's state. Message boxes are scripted and the
// texts are on (Testhilfe::Testumgebung); numbers are typed and shown with
// "." as decimal separator, read with comma input on.
#pragma once

#include "frame/cVB6_NumCvt.h"
#include "mainwindow/frmZIRVO3801.h"
#include "project/Projekt.h"
#include "tests/support/Testplattform.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Testhilfe {

class Zonenprojekt {
public:
    // The station of the project and its monthly mean outside temperatures
    // (°C, January to December) as SIA Merkblatt 2028 gives them.
    static constexpr const char* Station = "Zürich -MeteoSchweiz";
    static constexpr std::array<double, 12> Te = {0.4, 1.6, 5.5, 8.4, 13.4, 16.2, 18.4, 18.4, 14.0, 9.9, 4.2, 1.8};
    // Heat storage capacity given to every zone, kWh/(m²·K).
    static constexpr double C = 0.1;

    // One zone (empty code) with the standard use of category Gk.
    explicit Zonenprojekt(std::int16_t Gk = 1);
    ~Zonenprojekt();
    Zonenprojekt(const Zonenprojekt&) = delete;
    Zonenprojekt& operator=(const Zonenprojekt&) = delete;

    Testumgebung umgebung;
    Projekt& P;      // Global::Projekt
    frmZIRVO3801& F; // Global::frmZIRVO3801

    // Sets "Gk" and its standard use values ("Ti", "PFl", "PWP", "PPr",
    // "El", "fe", "AVE", "WW"), "C", and no temperature correction,
    // component heating or mechanical ventilation, in the current zone.
    void StandardnutzungSetzen(std::int16_t Gk);
    // Appends a zone with the code and the same category as zone 0; the
    // current zone stays. Returns the new zone's index.
    std::int16_t ZoneHinzufügen(const std::string& Code);

    // Project items "B-n", "F-n", "W-n" as the component editor writes them.
    void BauteilAnlegen(std::int16_t n, double U, const std::string& Bez = "");
    void FensterAnlegen(std::int16_t n, double U, double g, double FF, const std::string& Bez = "");
    void WärmebrückeAnlegen(std::int16_t n, double Psi, const std::string& Bez = "");

    // Every cell, tool tip and total label of the four tables emptied.
    void TabellenLeeren();
    // Types texts into row `zeile` of table t (1 EBF, 2 A, 3 U, 4 F), one
    // per column in the order of the row record; cells beyond the texts keep
    // their text.
    void Zeile(std::int16_t t, int zeile, const std::vector<std::string>& texte);
    // Puts one floor area into the EBF table (row 0), stores that table into
    // the current zone and computes it, so "EBF0" and "EBF" hold the area.
    void EBFSetzen(double Fläche);

private:
    cVB6_NumCvt trennzeichen_;
};

} // namespace Testhilfe

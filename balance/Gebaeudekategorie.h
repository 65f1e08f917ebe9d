// The twelve building categories with their standard use values and the
// two constants of the heating-demand limit.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class Gebäudekategorie {
public:
    // Fills the table from its text constants.
    Gebäudekategorie();

    // Each member takes the category number 1..12; any other number gives
    // "" or 0.
    std::string Code(std::int16_t Gk) const;
    std::string Bezeichnung(std::int16_t Gk) const;
    double Innentemperatur(std::int16_t Gk) const;        // °C
    double Personenfläche(std::int16_t Gk) const;         // m²/P
    double Wärmeabgabe(std::int16_t Gk) const;            // W/P
    double Präsenzzeit(std::int16_t Gk) const;            // h/d
    double Elektroverbrauch(std::int16_t Gk) const;       // kWh/m² per year
    double ElektroReduktion(std::int16_t Gk) const;       // share counted as gain
    double AussenluftVolumenstrom(std::int16_t Gk) const; // m³/h per m²
    double Warmwasser(std::int16_t Gk) const;             // kWh/m² per year
    double Hg0(std::int16_t Gk) const;                    // kWh/m²
    double DeltaHg(std::int16_t Gk) const;                // kWh/m²

private:
    static constexpr int Anzahl = 12;
    static constexpr int Spalten = 10;
    struct Zeile {
        std::string Code;
        std::string Bezeichnung;
        std::array<double, Spalten> Wert{};
    };
    std::array<Zeile, Anzahl> zeilen_;

    const Zeile* zeile(std::int16_t Gk) const;
    double wert(std::int16_t Gk, int spalte) const;
};

namespace Global {
// The program's table of building categories.
extern ::Gebäudekategorie Gebäudekategorie;
} // namespace Global

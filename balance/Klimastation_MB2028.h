// Climate stations: the 40 stations of SIA Merkblatt 2028 and, optionally,
// one station defined by the user in "KlSt-00.txt" in the program folder.
// One station at a time is current; the zone computations read its monthly
// outside temperatures and the global radiation on a surface of any of the
// 16 compass orientations or horizontal, at any tilt.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Design-condition mode, switched on by the heating-power estimate for one
// zone computation: every monthly and annual temperature is then the design
// temperature and every radiation is 0.
inline bool Auslegungsfall = false;
inline double Auslegungstemperatur = 0.0;

namespace Klimastationen_Daten {
inline constexpr int ZeilenProStation = 8;
inline constexpr int AnzahlStationen = 40;
inline constexpr int AnzahlZeilen = ZeilenProStation * AnzahlStationen;
// The station table in row form: name; "altitude design-temperature";
// 13 temperatures; radiation H, E, S, W, N with 13 values each.
extern const std::array<std::string_view, AnzahlZeilen> Zeilen;
} // namespace Klimastationen_Daten

class Klimastation_MB2028 {
public:
    using Werte13 = std::array<double, 13>;

    bool Vorhanden() const;
    std::string Namen() const;
    std::int16_t Meereshöhe() const;
    double TaMin() const;

    // Fills names with the names of all stations in table order (the user's
    // station last) and returns their count, 40 or 41.
    std::int16_t AlleStationsnamen(std::vector<std::string>& names);

    // Makes the named station current; "" or an unknown name leaves none.
    void KlimastationEinlesen(const std::string& name);

    // Months 0..11; status 0 done, 1 no station (T untouched).
    std::int16_t MonatsTemperaturen(std::span<double> T) const;
    std::int16_t JahresTemperatur(double& T) const;

    // Monthly radiation in MJ/m² on a surface of the orientation ("H", the
    // 8 main and the 8 intermediate compass codes) and tilt (0 vertical,
    // 1..89 degrees from the horizontal). Status: 0 done; 1 no station and
    // 2 unknown orientation (G untouched); 3 tilt out of range (G holds the
    // vertical values). G(12) is never written.
    std::int16_t Globalstrahlung(std::span<double> G, const std::string& Orientierung,
                                 std::int16_t Neigung) const;

    Werte13 Globalstrahlung_H() const;
    Werte13 Globalstrahlung_S() const;
    Werte13 Globalstrahlung_E() const;
    Werte13 Globalstrahlung_W() const;
    Werte13 Globalstrahlung_N() const;

private:
    bool vorhanden_ = false;
    std::string namen_;
    std::int16_t meereshöhe_ = 0;
    double taMin_ = 0;
    Werte13 temperatur_{};
    Werte13 h_{}, s_{}, e_{}, w_{}, n_{};

    std::vector<std::string> tabelle_;
    std::int16_t anzahl_ = 0;

    void tabelleAufbauen();
    void leeren();
};

namespace Global {
// The program's climate station object: the station all calculations use.
extern ::Klimastation_MB2028 Klimastation_MB2028;
} // namespace Global

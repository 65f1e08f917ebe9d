// The monthly balance of the current zone of the open project: the
// utilisation factor of the gains, utilised gains and heating demand per
// month and for the year, the heat-transfer coefficient H and the specific
// heat load with its limit.
//
// All monthly quantities are energies per m² of energy reference area in
// kWh/m²; the zone values are read from and written to the current zone of
// Global::Projekt, the station is Global::Klimastation_MB2028.
#pragma once

#include "frame/basZIRVO_Array.h"

#include <cstdint>

namespace basZIRVO3801 {

// Fills EtaG (cleared first) with the monthly utilisation factors of the
// current zone and the year's (index 12), and stores them under "EtaG".
// True, with EtaG all 0 and nothing stored, when the corrected room
// temperature or the heat storage capacity "C" is 0.
bool ZoneAusnutzungsgradBerechnen(Monatsarray& EtaG);

// Combines the stored losses and gains of the current zone into "Qt",
// "Qug", "Qh" and the new "EtaG", and writes the year values of all balance
// quantities. Returns False.
bool ZoneMonatsbilanzBerechnen();

// Heat-transfer coefficient of the current zone in W/K: transmission of the
// envelope plus ventilation; with Heizlast the air rate of the heat load.
double ZoneLeitwertH(bool Heizlast);

// The outside-air rate the heat load uses, m³/(h·m²).
double HeizlastLuftvolumenstrom(double AVE);

// Specific heat load of the current zone in W/m²; 0 when it cannot be computed.
double ZoneHeizleistungKennwert();

// Limit of the specific heat load in W/m² (0 = no limit), scaled for design
// temperatures below -8 °C; 0 when it cannot be computed.
double ZoneHeizleistungGrenzwert();

// Internal gains for the heat load (W/m²) and the limit of the specific heat
// load (W/m²) of building category Gk; 0 outside 1..12.
double HeizlastInterneGewinne(std::int16_t Gk);
double HeizlastGrenzwertTabelle(std::int16_t Gk);

// The intermediate values of the heat load of the current zone, for the
// printout: category, H for the heat load, air rate, design temperature,
// internal gains.
void HeizlastKennwerteLesen(std::int16_t& Gk, double& H, double& Luftrate, double& TaMin, double& InterneGewinne);

} // namespace basZIRVO3801

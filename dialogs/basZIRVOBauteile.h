// The component-loss table: for every project item that an envelope row of
// any zone uses, its summed area (length, number) and its annual losses,
// taken from the envelope records of the last computation of all zones. The
// all-zones check rebuilds it (Extras > Verluste Bauteile); the component-loss
// view reads it.
//
// Values are absolute: area in m² (m, count), losses and gains in kWh over
// the heating months, the solar gains of windows as far as they are used.
#pragma once

#include <cstdint>
#include <vector>

namespace basZIRVOBauteile {

struct Bauteilverlust {
    std::int16_t Gruppe = 0; // 1 components (D, W, B), 2 windows and doors (F, T), 3 thermal bridges (l, p)
    std::int16_t Nummer = 0; // item number 1..99
    double Fläche = 0;       // summed area, length or number
    double Netto = 0;        // summed annual losses less the solar gains, kWh
    double Gewinn = 0;       // summed annual solar gains (windows only), kWh
};

// Rebuilds the table from the envelope records of all zones: group by
// group, the used items in ascending number.
void BauteilverlusteTabelle();
// The values of the item, all 0 when the table does not hold it.
void BauteilverlusteWert(std::int16_t Gruppe, std::int16_t Nummer, double& Fläche, double& Netto, double& Gewinn);
// The table as built last (empty at start).
const std::vector<Bauteilverlust>& Bauteilverluste();

} // namespace basZIRVOBauteile

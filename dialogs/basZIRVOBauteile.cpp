#include "dialogs/basZIRVOBauteile.h"

#include "balance/Gebaeudehuelle.h"

namespace basZIRVOBauteile {
namespace {
std::vector<Bauteilverlust> tabelle;
} // namespace

void BauteilverlusteTabelle() {
    tabelle.clear();
    const char* buchstaben[] = {"DWB", "FT", "lp"};
    for (std::int16_t gruppe = 1; gruppe <= 3; ++gruppe) {
        for (std::int16_t nummer = 1; nummer <= 99; ++nummer) {
            Bauteilverlust v{gruppe, nummer};
            if (Gebäudehülle::Instanz().Systemnachweis_Q_Monat(buchstaben[gruppe - 1], nummer, 0, v.Fläche, v.Netto,
                                                                v.Gewinn))
                tabelle.push_back(v);
        }
    }
}

void BauteilverlusteWert(std::int16_t Gruppe, std::int16_t Nummer, double& Fläche, double& Netto, double& Gewinn) {
    Fläche = Netto = Gewinn = 0;
    for (const Bauteilverlust& v : tabelle) {
        if (v.Gruppe == Gruppe && v.Nummer == Nummer) {
            Fläche = v.Fläche;
            Netto = v.Netto;
            Gewinn = v.Gewinn;
            return;
        }
    }
}

const std::vector<Bauteilverlust>& Bauteilverluste() { return tabelle; }

} // namespace basZIRVOBauteile

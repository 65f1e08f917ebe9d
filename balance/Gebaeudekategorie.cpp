#include "balance/Gebaeudekategorie.h"

#include "frame/basVB6NumCvt.h"

#include <string_view>
#include <vector>

namespace {

// Codes and names of the categories 1..12, separated by ",".
constexpr std::string_view Codes = "I,II,III,IV,V,VI,VII,VIII,IX,X,XI,XII";
constexpr std::string_view Bezeichnungen =
    "Wohnen MFH,Wohnen EFH,Verwaltung,Schulen,Verkauf,Restaurants,Versammlungslokale,"
    "Spitäler,Industrie,Lager,Sportbauten,Hallenbäder";

// One row per value, twelve numbers each (categories 1..12).
constexpr std::string_view Werte[] = {
    "20, 20, 20, 20, 20, 20, 20, 22, 18, 18, 18, 28",                     // Innentemperatur
    "40, 60, 20, 10, 10, 5, 5, 30, 20, 100, 20, 20",                      // Personenfläche
    "70, 70, 80, 70, 90, 100, 80, 80, 100, 100, 100, 60",                 // Wärmeabgabe
    "12, 12, 6, 4, 4, 3, 3, 16, 6, 6, 6, 4",                              // Präsenzzeit
    "28, 22, 22, 11, 33, 33, 17, 28, 17, 6, 6, 56",                       // Elektroverbrauch
    "0.7, 0.7, 0.9, 0.9, 0.8, 0.7, 0.8, 0.7, 0.9, 0.9, 0.9, 0.7",         // ElektroReduktion
    "0.7, 0.7, 0.7, 0.7, 0.7, 1.2, 1.0, 1.0, 0.7, 0.3, 0.7, 0.7",         // AussenluftVolumenstrom
    "21, 14, 7, 7, 7, 56, 14, 28, 7, 1, 83, 83",                          // Warmwasser
    "13, 16, 13, 14, 7, 16, 18, 18, 10, 14, 16, 15",                      // Hg0
    "15, 15, 15, 15, 14, 15, 15, 17, 14, 14, 14, 18",                     // DeltaHg
};
static_assert(std::size(Werte) == 10);

std::vector<std::string_view> teilen(std::string_view text) {
    std::vector<std::string_view> teile;
    std::size_t start = 0;
    while (true) {
        auto pos = text.find(',', start);
        teile.push_back(text.substr(start, pos == std::string_view::npos ? std::string_view::npos : pos - start));
        if (pos == std::string_view::npos) break;
        start = pos + 1;
    }
    return teile;
}

} // namespace

namespace Global {
::Gebäudekategorie Gebäudekategorie;
} // namespace Global

Gebäudekategorie::Gebäudekategorie() {
    auto codes = teilen(Codes);
    auto namen = teilen(Bezeichnungen);
    for (int k = 0; k < Anzahl; ++k) {
        if (k < static_cast<int>(codes.size())) zeilen_[k].Code = std::string(codes[k]);
        if (k < static_cast<int>(namen.size())) zeilen_[k].Bezeichnung = std::string(namen[k]);
    }
    for (int s = 0; s < Spalten; ++s) {
        auto zahlen = teilen(Werte[s]);
        for (int k = 0; k < Anzahl && k < static_cast<int>(zahlen.size()); ++k)
            zeilen_[k].Wert[s] = ZahlLesenDbl(zahlen[k]);
    }
}

const Gebäudekategorie::Zeile* Gebäudekategorie::zeile(std::int16_t Gk) const {
    if (Gk < 1 || Gk > Anzahl) return nullptr;
    return &zeilen_[Gk - 1];
}

double Gebäudekategorie::wert(std::int16_t Gk, int spalte) const {
    const Zeile* z = zeile(Gk);
    return z ? z->Wert[spalte] : 0.0;
}

std::string Gebäudekategorie::Code(std::int16_t Gk) const {
    const Zeile* z = zeile(Gk);
    return z ? z->Code : std::string();
}

std::string Gebäudekategorie::Bezeichnung(std::int16_t Gk) const {
    const Zeile* z = zeile(Gk);
    return z ? z->Bezeichnung : std::string();
}

double Gebäudekategorie::Innentemperatur(std::int16_t Gk) const { return wert(Gk, 0); }
double Gebäudekategorie::Personenfläche(std::int16_t Gk) const { return wert(Gk, 1); }
double Gebäudekategorie::Wärmeabgabe(std::int16_t Gk) const { return wert(Gk, 2); }
double Gebäudekategorie::Präsenzzeit(std::int16_t Gk) const { return wert(Gk, 3); }
double Gebäudekategorie::Elektroverbrauch(std::int16_t Gk) const { return wert(Gk, 4); }
double Gebäudekategorie::ElektroReduktion(std::int16_t Gk) const { return wert(Gk, 5); }
double Gebäudekategorie::AussenluftVolumenstrom(std::int16_t Gk) const { return wert(Gk, 6); }
double Gebäudekategorie::Warmwasser(std::int16_t Gk) const { return wert(Gk, 7); }
double Gebäudekategorie::Hg0(std::int16_t Gk) const { return wert(Gk, 8); }
double Gebäudekategorie::DeltaHg(std::int16_t Gk) const { return wert(Gk, 9); }

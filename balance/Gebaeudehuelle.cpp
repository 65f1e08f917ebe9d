#include "balance/Gebaeudehuelle.h"

#include "project/ProjektGlobal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string_view>

namespace {

constexpr std::size_t Monate = 12;

double Monatswert(const std::vector<double>& werte, std::size_t m) { return m < werte.size() ? werte[m] : 0.0; }

double SummeMonate(const std::vector<double>& werte, std::size_t von, std::size_t bis) {
    double s = 0;
    for (std::size_t m = von; m < bis; ++m) s += Monatswert(werte, m);
    return s;
}

// The code letter occurs in the list of letters (case-sensitive).
bool CodeIn(std::string_view codes, const std::string& code) {
    return !code.empty() && codes.find(code) != std::string_view::npos;
}

void Kopieren(const std::vector<double>& von, Monatsarray& nach) {
    nach.fill(0);
    for (std::size_t i = 0; i < von.size() && i < nach.size(); ++i) nach[i] = von[i];
}

} // namespace

Gebäudehülle& Gebäudehülle::Instanz() {
    static Gebäudehülle instanz;
    return instanz;
}

void Gebäudehülle::StandPrüfen() {
    const std::uint64_t stand = Global::Projekt.Strukturstand();
    if (stand == strukturstand_) return;
    elemente_.clear();
    eingetragen_.clear();
    index_.clear();
    strukturstand_ = stand;
    zonenstände_.clear();
    leerstand_ = ++zähler_;
}

bool Gebäudehülle::ZoneImProjekt(std::int16_t Zone) { return Zone >= 0 && Zone < Global::Projekt.ZonenAnzahl(); }

std::uint64_t Gebäudehülle::Schlüssel(std::int16_t Zone, std::int16_t Art, std::int16_t Zeile) {
    return (static_cast<std::uint64_t>(static_cast<std::uint16_t>(Zone)) << 32) |
           (static_cast<std::uint64_t>(static_cast<std::uint16_t>(Art)) << 16) |
           static_cast<std::uint64_t>(static_cast<std::uint16_t>(Zeile));
}

std::int32_t Gebäudehülle::Anzahl() {
    StandPrüfen();
    return static_cast<std::int32_t>(elemente_.size());
}

std::size_t Gebäudehülle::ElementSuchen(std::int16_t Zone, std::int16_t Art, std::int16_t Zeile) {
    const std::uint64_t schlüssel = Schlüssel(Zone, Art, Zeile);
    if (auto it = index_.find(schlüssel); it != index_.end()) return it->second;
    GebäudehülleElement neu;
    neu.Zone = Zone;
    neu.Art = Art;
    neu.Zeile = Zeile;
    elemente_.push_back(std::move(neu));
    eingetragen_.push_back(0);
    index_.emplace(schlüssel, elemente_.size() - 1);
    return elemente_.size() - 1;
}

void Gebäudehülle::Zurücksetzen(std::int16_t Zone) { ZurücksetzenAusser(Zone, std::numeric_limits<std::uint64_t>::max()); }

std::uint64_t Gebäudehülle::Eintragsstand() {
    StandPrüfen();
    return zähler_;
}

void Gebäudehülle::ZurücksetzenAusser(std::int16_t Zone, std::uint64_t seit) {
    StandPrüfen();
    Geändert(Zone);
    for (std::size_t i = 0; i < elemente_.size(); ++i) {
        auto& e = elemente_[i];
        if (e.Zone != Zone || eingetragen_[i] > seit) continue;
        GebäudehülleElement leer;
        leer.Zone = e.Zone;
        leer.Art = e.Art;
        leer.Zeile = e.Zeile;
        e = std::move(leer);
    }
}

GebäudehülleElement& Gebäudehülle::ZeileEintragen(std::int16_t Zone, std::int16_t Art, std::int16_t Zeile,
                                                  const std::string& Code, double Fläche, std::int16_t Bt, double U,
                                                  bool Heizung, const std::string& Orientierung) {
    StandPrüfen();
    Geändert(Zone);
    const std::size_t i = ElementSuchen(Zone, Art, Zeile);
    eingetragen_[i] = zähler_;
    auto& e = elemente_[i];
    // A row entered holds what its entry gives and nothing of what the
    // record held before (the values of the other kinds stay empty).
    e.Neigung = 0;
    e.bu = e.bG = 0;
    e.Tin.clear();
    e.g = e.FF = e.fS1 = e.fS23 = e.fS2 = e.fS3 = 0;
    e.Verlust.clear();
    e.Gewinn.clear();
    e.Code = Code;
    e.Fläche = Fläche;
    e.Bt = Bt;
    e.U = U;
    e.Heizung = Heizung;
    e.Orientierung = Orientierung;
    return e;
}

void Gebäudehülle::GH_A(std::int16_t Zone, std::int16_t Zeile, const std::string& Code, double Fläche,
                        std::int16_t Bt, double U, bool Heizung, const std::string& Orientierung,
                        std::span<const double> Verlust) {
    auto& e = ZeileEintragen(Zone, 1, Zeile, Code, Fläche, Bt, U, Heizung, Orientierung);
    e.Verlust.assign(Verlust.begin(), Verlust.end());
}

void Gebäudehülle::GH_U(std::int16_t Zone, std::int16_t Zeile, const std::string& Code, double Fläche,
                        std::int16_t Bt, double U, bool Heizung, const std::string& Orientierung, double bu,
                        double bG, const std::string& Tin, std::span<const double> Verlust) {
    auto& e = ZeileEintragen(Zone, 2, Zeile, Code, Fläche, Bt, U, Heizung, Orientierung);
    e.bu = bu;
    e.bG = bG;
    e.Tin = Tin;
    e.Verlust.assign(Verlust.begin(), Verlust.end());
}

void Gebäudehülle::GH_F(std::int16_t Zone, std::int16_t Zeile, const std::string& Code, double Fläche,
                        std::int16_t Bt, double U, bool Heizung, const std::string& Orientierung,
                        std::int16_t Neigung, double g, double FF, double fS1, double fS23, double fS2, double fS3,
                        std::span<const double> Verlust, std::span<const double> Gewinn) {
    auto& e = ZeileEintragen(Zone, 3, Zeile, Code, Fläche, Bt, U, Heizung, Orientierung);
    e.Neigung = Neigung;
    e.g = g;
    e.FF = FF;
    e.fS1 = fS1;
    e.fS23 = fS23;
    e.fS2 = fS2;
    e.fS3 = fS3;
    e.Verlust.assign(Verlust.begin(), Verlust.end());
    e.Gewinn.assign(Gewinn.begin(), Gewinn.end());
}

double Gebäudehülle::Faktor_H(std::int16_t Zone) {
    StandPrüfen();
    if (!ZoneImProjekt(Zone)) return 0;
    double summe = 0;
    for (const auto& e : elemente_) {
        if (e.Zone != Zone) continue;
        if (e.Art == 1 || e.Art == 3) {
            summe += e.Fläche * e.U;
        } else if (e.Art == 2 && e.Tin.empty()) {
            const double b = e.bu != 0 ? e.bu : e.bG;
            summe += e.Fläche * e.U * b;
        }
    }
    return std::isfinite(summe) ? summe : 0.0;
}

void Gebäudehülle::Gesamtwärmeverlust(std::int16_t Zone, const Monatsarray& Qt, const Monatsarray& EtaG) {
    StandPrüfen();
    Geändert(Zone);
    for (auto& e : elemente_) {
        if (e.Zone != Zone) continue;
        for (std::size_t m = 0; m < Monate; ++m) {
            if (Qt[m] > 0) {
                // a heating month: the gains of windows and doors as utilised
                if (e.Art == 3 && m < e.Gewinn.size()) {
                    const double g = e.Gewinn[m] * EtaG[m];
                    e.Gewinn[m] = std::isfinite(g) ? g : 0.0;
                }
            } else {
                if (m < e.Verlust.size()) e.Verlust[m] = 0;
                if (m < e.Gewinn.size()) e.Gewinn[m] = 0;
            }
        }
    }
}

double Gebäudehülle::Systemnachweis_FS() {
    StandPrüfen();
    static constexpr std::array<std::string_view, 9> richtungen = {"S", "SW", "W", "NW", "N", "NE", "E", "SE", "H"};
    std::array<double, 9> flächen{};
    for (const auto& e : elemente_) {
        if (!ZoneImProjekt(e.Zone) || e.Code != "F") continue;
        for (std::size_t r = 0; r < richtungen.size(); ++r)
            if (e.Orientierung == richtungen[r]) flächen[r] += e.Fläche;
    }
    double grösste = 0;
    std::string_view haupt;
    for (std::size_t r = 0; r < richtungen.size(); ++r) {
        if (flächen[r] > grösste) {
            grösste = flächen[r];
            haupt = richtungen[r];
        }
    }
    if (haupt.empty()) return 0;
    double summeA = 0, summeF = 0;
    for (const auto& e : elemente_) {
        if (!ZoneImProjekt(e.Zone) || e.Code != "F" || e.Orientierung != haupt) continue;
        summeA += e.Fläche;
        summeF += e.Fläche * e.fS1 * e.fS23;
    }
    if (summeA == 0) return 0;
    const double fs = summeF / summeA;
    return std::isfinite(fs) ? fs : 0.0;
}

double Gebäudehülle::Systemnachweis_WB() {
    StandPrüfen();
    double summe = 0;
    for (const auto& e : elemente_)
        if (ZoneImProjekt(e.Zone) && e.Code == "l") summe += e.Fläche;
    return std::isfinite(summe) ? summe : 0.0;
}

bool Gebäudehülle::Systemnachweis_Bodenheizung() {
    StandPrüfen();
    for (const auto& e : elemente_)
        if (ZoneImProjekt(e.Zone) && e.Heizung && CodeIn("DWB", e.Code)) return true;
    return false;
}

double Gebäudehülle::Systemnachweis_FS123(std::int16_t Zone, const std::string& Orientierung, double& fS1) {
    StandPrüfen();
    fS1 = 0;
    if (Orientierung.empty() || !ZoneImProjekt(Zone)) return 0;
    double SA = 0, S1 = 0, S23 = 0;
    for (const auto& e : elemente_) {
        if (e.Zone != Zone || e.Art != 3 || !(e.Code == "F" || e.Code == "T")) continue;
        if (Orientierung != "*" && e.Orientierung != Orientierung) continue;
        if (!(e.FF > 0)) continue;
        SA += e.Fläche;
        S1 += e.Fläche * e.fS1;
        S23 += e.Fläche * e.fS23;
    }
    if (SA == 0) return 0;
    const double mittel1 = S1 / SA;
    const double ergebnis = (S23 / SA) * mittel1;
    if (!std::isfinite(mittel1) || !std::isfinite(ergebnis)) return 0;
    fS1 = mittel1;
    return ergebnis;
}

double Gebäudehülle::Systemnachweis_Q(const std::string& Codes, std::int16_t Bt) {
    double fläche = 0, Q = 0, G = 0;
    Systemnachweis_Q_Monat(Codes, Bt, 0, fläche, Q, G);
    return Q;
}

bool Gebäudehülle::Systemnachweis_Q_Monat(const std::string& Codes, std::int16_t Bt, std::int16_t Monat,
                                          double& Fläche, double& Q, double& G) {
    StandPrüfen();
    Q = 0;
    G = 0;
    if (Codes.empty() || Bt == 0 || Monat < 0 || Monat > 12) return false;
    const std::size_t von = Monat == 0 ? 0 : static_cast<std::size_t>(Monat - 1);
    const std::size_t bis = Monat == 0 ? Monate : von + 1;
    bool gefunden = false;
    double fläche = 0, L = 0, gewinn = 0;
    for (const auto& e : elemente_) {
        if (!ZoneImProjekt(e.Zone) || e.Bt == 0 || e.Bt != Bt || !CodeIn(Codes, e.Code)) continue;
        gefunden = true;
        fläche += e.Fläche;
        L += SummeMonate(e.Verlust, von, bis);
        if (e.Art == 3) gewinn += SummeMonate(e.Gewinn, von, bis);
    }
    const double netto = L - gewinn;
    if (!std::isfinite(fläche) || !std::isfinite(netto) || !std::isfinite(gewinn)) return false;
    Fläche = fläche;
    Q = netto;
    G = gewinn;
    return gefunden;
}

bool Gebäudehülle::FürTest__QMt(std::int16_t Zone, std::int16_t Art, std::int16_t Zeile, Monatsarray& Verlust,
                                Monatsarray& Gewinn) {
    StandPrüfen();
    auto it = index_.find(Schlüssel(Zone, Art, Zeile));
    if (it == index_.end()) return false;
    const auto& e = elemente_[it->second];
    Kopieren(e.Verlust, Verlust);
    Kopieren(e.Gewinn, Gewinn);
    return true;
}

std::vector<GebäudehülleElement> Gebäudehülle::Zonenzeilen(std::int16_t Zone) {
    StandPrüfen();
    std::vector<GebäudehülleElement> zeilen;
    zeilen.reserve(static_cast<std::size_t>(
        std::count_if(elemente_.begin(), elemente_.end(), [Zone](const auto& e) { return e.Zone == Zone; })));
    for (const auto& e : elemente_)
        if (e.Zone == Zone) zeilen.push_back(e);
    return zeilen;
}

void Gebäudehülle::ZonenzeilenEinsetzen(std::int16_t Zone, const std::vector<GebäudehülleElement>& Zeilen) {
    Zurücksetzen(Zone);
    for (const auto& z : Zeilen)
        if (z.Zone == Zone) elemente_[ElementSuchen(z.Zone, z.Art, z.Zeile)] = z;
}

std::uint64_t Gebäudehülle::Zonenstand(std::int16_t Zone) {
    StandPrüfen();
    const auto it = zonenstände_.find(Zone);
    return it == zonenstände_.end() ? leerstand_ : it->second;
}

#include "balance/basZIRVONorm.h"

#include "balance/Eingabebereich.h"
#include "balance/Gebaeudekategorie.h"
#include "frame/Plattform.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "project/Projekt.h"

#include <array>
#include <string_view>

namespace basZIRVO3801 {

namespace {

// Zone keys of the use values and the standard value each is compared with.
struct Standardwert {
    std::string_view Schlüssel;
    double (Gebäudekategorie::*Wert)(std::int16_t) const;
};
constexpr Standardwert Standardwerte[] = {
    {"Ti", &Gebäudekategorie::Innentemperatur},
    {"PFl", &Gebäudekategorie::Personenfläche},
    {"PWP", &Gebäudekategorie::Wärmeabgabe},
    {"PPr", &Gebäudekategorie::Präsenzzeit},
    {"El", &Gebäudekategorie::Elektroverbrauch},
    {"fe", &Gebäudekategorie::ElektroReduktion},
    {"AVE", &Gebäudekategorie::AussenluftVolumenstrom},
    {"WW", &Gebäudekategorie::Warmwasser},
};

constexpr std::string_view Typen = "DWBFTlp";
std::array<std::array<std::int16_t, 100>, 7> Verwendung{};

std::string grundText(std::int16_t Grund) {
    switch (Grund) {
    case GrundMechLüftung: return DS("Mechanische Lüftung vorhanden");
    case GrundZusatzverbraucher: return DS("Zusätzlicher Elektrizitätsverbrauch vorhanden");
    case GrundKategorie: return DS(Eingabebereich::KategorieFehlt);
    default: return DS("Standardwerte geändert");
    }
}

} // namespace

namespace {

// The check of every zone up to the first that fails, which it tells.
bool ZonenPrüfen(Projekt& projekt, std::int16_t& Grund, std::int16_t& zone) {
    Grund = 0;
    bool ok = false;
    std::int16_t bisher = projekt.GetNZone();
    for (zone = 0; zone < projekt.ZonenAnzahl(); ++zone) {
        projekt.SetNZone(zone);
        ok = StandardwerteZonePrüfen(projekt, Grund);
        if (!ok) break;
    }
    projekt.SetNZone(bisher);
    return ok;
}

} // namespace

bool StandardnutzungPrüfen(Projekt& projekt, const std::string& Text) {
    std::int16_t Grund = 0, zone = 0;
    if (ZonenPrüfen(projekt, Grund, zone)) return true;
    const std::string ort = Zonenangabe(projekt, zone);
    const std::string meldung =
        Text + ":\r\n\r\n" + (ort.empty() ? "" : ort + "\r\n") + DS("Grund") + ":  " + grundText(Grund);
    Plattform::meldungen().Zeigen(meldung, ProgrammTitel, Plattform::Symbol::Fehler, Plattform::Knöpfe::OK);
    return false;
}

std::string Zonenangabe(const Projekt& projekt, std::int16_t zone) {
    if (projekt.ZonenAnzahl() < 2) return {};
    const std::string bez = projekt.Zone_GetStr(zone, "Bez");
    return DS("Zone") + ": " + (bez.empty() ? "" : bez + " ") + "[" + projekt.Zone_GetStr(zone, "Code") + "]";
}

bool StandardwerteAlleZonenPrüfen(Projekt& projekt, std::int16_t& Grund) {
    std::int16_t zone = 0;
    return ZonenPrüfen(projekt, Grund, zone);
}

bool StandardwerteZonePrüfen(const Projekt& projekt, std::int16_t& Grund) {
    // Without a category there are no standard values to keep.
    Grund = GrundKategorie;
    if (Eingabebereich::OhneKategorie(projekt)) return false;
    Grund = GrundStandardwerte;
    std::int16_t Gk = projekt.ZGetInt("Gk");
    for (const auto& s : Standardwerte)
        if (projekt.ZGetNum(s.Schlüssel) != (Global::Gebäudekategorie.*s.Wert)(Gk)) return false;
    Grund = GrundMechLüftung;
    if (projekt.ZGetNum("ML") != 0) return false;
    Grund = GrundZusatzverbraucher;
    KollektionZeiger ge = projekt.ZGetColl("GE_");
    if (ge && ge->Anzahl() >= 1) return false;
    return true;
}

std::int16_t BauteiltypTabelleWert(std::int16_t Modus, const std::string& Typ, std::int16_t Nummer) {
    if (Modus == 0) {
        for (auto& a : Verwendung) a.fill(0);
        return 0;
    }
    if (Typ.size() != 1) return 0;
    auto t = Typen.find(Typ[0]);
    if (t == std::string_view::npos || Nummer < 1 || Nummer > 99) return 0;
    std::int16_t& zahl = Verwendung[t][static_cast<std::size_t>(Nummer)];
    if (Modus == 1) {
        if (zahl < INT16_MAX) ++zahl;
        return 0;
    }
    if (Modus == 2) return zahl;
    return 0;
}

} // namespace basZIRVO3801

#include "balance/basZIRVONorm.h"

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
    default: return DS("Standardwerte geändert");
    }
}

} // namespace

bool StandardnutzungPrüfen(Projekt& projekt, const std::string& Text) {
    std::int16_t Grund = 0;
    if (StandardwerteAlleZonenPrüfen(projekt, Grund)) return true;
    std::string meldung = Text + ":\r\n\r\n" + DS("Grund") + ":  " + grundText(Grund);
    Plattform::meldungen().Zeigen(meldung, ProgrammTitel, Plattform::Symbol::Fehler, Plattform::Knöpfe::OK);
    return false;
}

bool StandardwerteAlleZonenPrüfen(Projekt& projekt, std::int16_t& Grund) {
    Grund = 0;
    bool ok = false;
    std::int16_t bisher = projekt.GetNZone();
    for (std::int16_t z = 0; z < projekt.ZonenAnzahl(); ++z) {
        projekt.SetNZone(z);
        ok = StandardwerteZonePrüfen(projekt, Grund);
        if (!ok) break;
    }
    projekt.SetNZone(bisher);
    return ok;
}

bool StandardwerteZonePrüfen(const Projekt& projekt, std::int16_t& Grund) {
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

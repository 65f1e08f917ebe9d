#include "balance/Eingabebereich.h"

#include "balance/Anzeigezahl.h"
#include "balance/Gebaeudekategorie.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "project/ProjektGlobal.h"

namespace Eingabebereich {

namespace {

struct Nutzungsgrenze {
    std::string_view Schlüssel;
    double min;
    double max;
    std::string_view vorlage;
};

constexpr Nutzungsgrenze Grenzen[] = {
    {"AVE", 0, Unbegrenzt, "Der Aussenluft-Volumenstrom pro EBF (@ m³/hm²) darf nicht negativ sein."},
    {"PFl", 0, Unbegrenzt, "Die Personenfläche (@ m²/P) darf nicht negativ sein."},
    {"PWP", 0, Unbegrenzt, "Die Wärmeabgabe pro Person (@ W/P) darf nicht negativ sein."},
    {"PPr", 0, Tagesstunden, "Die Präsenzzeit pro Tag (@ h/d) muss zwischen 0 und 24 h/d sein."},
    {"El", 0, Unbegrenzt, "Der Elektrizitätsverbrauch pro Jahr (@ kWh/m²) darf nicht negativ sein."},
    {"fe", 0, 1, "Der Reduktionsfaktor Elektroverbrauch (@) muss zwischen 0 und 1 sein."},
    // Without a capacity (0) no gain is utilised; a negative one would
    // utilise all of them.
    {"C", 0, Unbegrenzt, "Die Wärmespeicherfähigkeit (@ kWh/m²K) darf nicht negativ sein."},
};

} // namespace

bool Ausserhalb(std::int16_t tabelle, std::initializer_list<Prüfung> prüfungen, const std::string& vorspann) {
    return Ausserhalb(tabelle, prüfungen, [&vorspann] { return vorspann; });
}

bool Ausserhalb(std::int16_t tabelle, std::initializer_list<Prüfung> prüfungen,
                const std::function<std::string()>& vorspann) {
    for (const Prüfung& p : prüfungen) {
        if (p.wert >= p.min && p.wert <= p.max) continue;
        Eingabefehler.Beginnen(Global::Projekt.GetNZone(), tabelle);
        Eingabefehler.Setzen(vorspann() + DSFormat(p.vorlage, Anzeigezahl::Zahltext(p.wert)), p.element);
        return true;
    }
    return false;
}

Prüfung Nutzungsprüfung(std::string_view schlüssel, double wert, Steuerelement* element) {
    for (const Nutzungsgrenze& g : Grenzen)
        if (g.Schlüssel == schlüssel) return {wert, g.min, g.max, g.vorlage, element};
    return {0, 0, 0, {}, element};
}

bool OhneKategorie(const Projekt& projekt) {
    // A number that names no category (a file may hold one) is none.
    return Global::Gebäudekategorie.Code(projekt.ZGetInt("Gk")).empty();
}

std::string_view FehlendeNutzungsangabe(const Projekt& projekt) {
    if (OhneKategorie(projekt)) return KategorieFehlt;
    if (projekt.ZGetNum("C") == 0) return SpeicherfähigkeitFehlt;
    return {};
}

} // namespace Eingabebereich

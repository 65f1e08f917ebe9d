#include "mainwindow/Hilfethemen.h"

#include "balance/Einzelbauteil.h"
#include "balance/Gebaeudekategorie.h"
#include "balance/Monatsbilanz.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"

#include <cstdint>

namespace Hilfethemen {
namespace {

// A value as the table holds it: "." as decimal point, every digit it has.
std::string Zahl(double x) { return basVB6NumCvt::ZahlText(x); }

std::string Zelle(const std::string& t, bool rechts = false, const char* tag = "td") {
    return std::string("<") + tag + (rechts ? " align=\"right\"" : "") + ">" + t + "</" + tag + ">";
}

// The standard use values of one category, in the order of the zone dialog.
struct Nutzungswert {
    const char* Text;
    const char* Einheit;
    double (Gebäudekategorie::*Wert)(std::int16_t) const;
};
constexpr Nutzungswert Nutzungswerte[] = {
    {"Raumtemperatur", "°C", &Gebäudekategorie::Innentemperatur},
    {"Personenfläche", "m²/P", &Gebäudekategorie::Personenfläche},
    {"Wärmeabgabe pro Person", "W/P", &Gebäudekategorie::Wärmeabgabe},
    {"Präsenzzeit pro Tag", "h/d", &Gebäudekategorie::Präsenzzeit},
    {"Elektrizitätsverbrauch pro Jahr", "kWh/m²", &Gebäudekategorie::Elektroverbrauch},
    {"Reduktionsfaktor Elektrizität", "-", &Gebäudekategorie::ElektroReduktion},
    {"Aussenluft-Volumenstrom pro EBF", "m³/hm²", &Gebäudekategorie::AussenluftVolumenstrom},
    {"Wärmebedarf für Warmwasser", "kWh/m²", &Gebäudekategorie::Warmwasser},
};

const Gebäudekategorie& Kategorien() { return Global::Gebäudekategorie; }

std::string Kategoriename(std::int16_t k) {
    return Kategorien().Code(k) + "&nbsp;&nbsp;" + Kategorien().Bezeichnung(k);
}

// The indexes of the single-component table: components, then bridges.
std::vector<std::int32_t> Einzelbauteile(bool brücken) {
    std::vector<std::int32_t> i;
    for (std::int32_t k = brücken ? 100 : 0; k < (brücken ? 200 : 100); ++k)
        if (!Global::Einzelbauteil.Code(k, 0).empty()) i.push_back(k);
    return i;
}

} // namespace

std::string Standardnutzungen(bool seite) {
    std::string h;
    if (seite) {
        h += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>" + Zelle("Kategorie", false, "th");
        for (const auto& w : Nutzungswerte)
            h += Zelle(std::string(w.Text) + "<br>[" + w.Einheit + "]", true, "th");
        h += "</tr>";
        for (std::int16_t k = 1; k <= 12; ++k) {
            h += "<tr>" + Zelle(Kategoriename(k));
            for (const auto& w : Nutzungswerte) h += Zelle(Zahl((Kategorien().*w.Wert)(k)), true);
            h += "</tr>";
        }
        return h + "</table>";
    }
    for (std::int16_t k = 1; k <= 12; ++k) {
        h += "<p><b>" + Kategoriename(k) + "</b></p><table cellspacing=\"0\" cellpadding=\"1\">";
        for (const auto& w : Nutzungswerte)
            h += "<tr>" + Zelle(w.Text) + Zelle(Zahl((Kategorien().*w.Wert)(k)), true) +
                 Zelle(std::string("&nbsp;") + w.Einheit) + "</tr>";
        h += "</table>";
    }
    return h;
}

std::string Rechenwerte(bool seite) {
    const std::string rahmen = seite ? " border=\"1\" cellspacing=\"0\" cellpadding=\"3\"" : " cellspacing=\"0\" cellpadding=\"1\"";
    std::string h;
    h += "<p><b>Grenzwert des Heizwärmebedarfs</b></p>"
         "<p>Q<sub>H,li</sub> = (Q<sub>H,li0</sub> + &Delta;Q<sub>H,li</sub> &middot; A<sub>th</sub>/A<sub>E</sub>) "
         "&middot; (1 + (9.4 &minus; &theta;<sub>e,a</sub>) &middot; 0.06) in kWh/m², mit der "
         "Jahresmitteltemperatur &theta;<sub>e,a</sub> der Klimastation. Der Zielwert ist 0.6 &middot; "
         "Q<sub>H,li</sub>; bei Umbauten gilt 1.5 &middot; Q<sub>H,li</sub>.</p>"
         "<p><b>Grenzwert der Heizlast</b></p>"
         "<p>Für Klimastationen mit einer Auslegungstemperatur &theta;<sub>e,min</sub> unter &minus;8 °C wird "
         "der Tabellenwert mit (&theta;<sub>i</sub> &minus; &theta;<sub>e,min</sub>) / (&theta;<sub>i</sub> + 8) "
         "umgerechnet. Kategorien ohne Wert haben keine Anforderung an die Heizlast.</p>";
    h += "<table" + rahmen + "><tr>" + Zelle("Kategorie", false, "th") +
         Zelle("Q<sub>H,li0</sub><br>[kWh/m²]", true, "th") + Zelle("&Delta;Q<sub>H,li</sub><br>[kWh/m²]", true, "th") +
         Zelle("P<sub>H,li</sub><br>[W/m²]", true, "th") + "</tr>";
    for (std::int16_t k = 1; k <= 12; ++k) {
        const double ph = basZIRVO3801::HeizlastGrenzwertTabelle(k);
        h += "<tr>" + Zelle(Kategoriename(k)) + Zelle(Zahl(Kategorien().Hg0(k)), true) +
             Zelle(Zahl(Kategorien().DeltaHg(k)), true) + Zelle(ph > 0 ? Zahl(ph) : "&ndash;", true) + "</tr>";
    }
    h += "</table>";

    const Einzelbauteil& eb = Global::Einzelbauteil;
    h += "<p><b>Einzelbauteile: U-Werte</b> [W/m²K]</p><p>Grenzwert und Zielwert für Neubauten (Code wie A1), "
         "dahinter für Umbauten (Code mit u: A1u); die letzte Spalte gilt ohne Nachweis der Wärmebrücken (Code mit "
         "*: A1*). Im Einzelbauteilnachweis wählt der Code der Zeile die Spalte, nicht die Art des Bauvorhabens.</p>";
    h += "<table" + rahmen + "><tr>" + Zelle("Code", false, "th") + Zelle("Bauteil", false, "th") +
         Zelle("Neubau<br>Grenzwert", true, "th") + Zelle("Neubau<br>Zielwert", true, "th") +
         Zelle("Umbau<br>Grenzwert", true, "th") + Zelle("Umbau<br>Zielwert", true, "th") +
         Zelle("ohne WB-<br>Nachweis", true, "th") + "</tr>";
    for (std::int32_t i : Einzelbauteile(false)) {
        h += "<tr>" + Zelle(eb.Code(i, 0)) + Zelle(eb.Text(i)) + Zelle(Zahl(eb.Grenzwert(i, 0)), true) +
             Zelle(Zahl(eb.Zielwert(i, 0)), true) + Zelle(Zahl(eb.Grenzwert(i, 1)), true) +
             Zelle(Zahl(eb.Zielwert(i, 1)), true) + Zelle(Zahl(eb.Grenzwert(i, 2)), true) + "</tr>";
    }
    h += "</table>";
    h += "<p><b>Einzelbauteile: Wärmebrücken</b> [W/mK, punktbezogen W/K]</p>";
    h += "<table" + rahmen + "><tr>" + Zelle("Code", false, "th") + Zelle("Wärmebrücke", false, "th") +
         Zelle("Grenzwert", true, "th") + Zelle("Zielwert", true, "th") + "</tr>";
    for (std::int32_t i : Einzelbauteile(true)) {
        h += "<tr>" + Zelle(eb.Code(i, 0)) + Zelle(eb.Text(i)) + Zelle(Zahl(eb.Grenzwert(i, 0)), true) +
             Zelle(Zahl(eb.Zielwert(i, 0)), true) + "</tr>";
    }
    return h + "</table>";
}

std::vector<std::pair<std::string, std::string>> Themen() {
    // Links look as in the written topics.
    const std::string kopf =
        "<html><head><style>.v { color: #1f3f9f; text-decoration: underline; }</style></head><body>";
    const auto verweis = [](const char* text, const char* thema) {
        return std::string("<span class=\"v\">¬") + text + "¬" + thema + "¬</span>";
    };
    const std::string fuss = "<p>Zurück zur " + verweis("Übersicht", "ZIRVO3801") + ", zu den " +
                             verweis("Tabellen", "Tabellen") + ".</p></body></html>";
    return {
        {"Gk", kopf + "<h3>Gebäudekategorien und Standardnutzungen</h3>"
                      "<p>Jede Zone gehört zu einer der zwölf Gebäudekategorien. Der Nachweis verlangt die "
                      "Standardnutzung ihrer Kategorie: weicht eine Zone ab, lehnt Datei &gt; Drucken bei der "
                      "Aufgabenstellung Nachweis den Systemnachweis ab. Geänderte Werte sind für die Optimierung "
                      "da (siehe " + verweis("Rechenwerte", "Rw") + ").</p>" +
                      Standardnutzungen(false) + fuss},
        {"Rw", kopf + "<h3>Rechenwerte</h3>" + Rechenwerte(false) +
                      "<p>Die Standardnutzungen stehen unter " + verweis("Gebäudekategorien", "Gk") + ".</p>" + fuss},
    };
}

std::string Codebeispiel() {
    const Einzelbauteil& eb = Global::Einzelbauteil;
    const std::int32_t i = eb.Index("B1");
    // A U-value between the limits for new buildings and for conversions.
    const double U = basZIRVO3801::Runden((eb.Grenzwert(i, 0) + eb.Grenzwert(i, 1)) / 2, 2);
    const char* gilt[] = {"Neubau", "Umbau", "ohne Nachweis der Wärmebrücken"};
    std::string h = "<p>Beispiel: eine Wand gegen Aussenluft mit U = " + Zahl(U) +
                    " W/m²K, Raumtemperatur 20 °C, Anforderung Grenzwerte:</p><table border=\"1\" cellspacing=\"0\" "
                    "cellpadding=\"3\"><tr>" +
                    Zelle("Code", false, "th") + Zelle("Grenzwert für", false, "th") +
                    Zelle("Grenzwert U (Tab.)", true, "th") + Zelle("Erfüllt", false, "th") + "</tr>";
    for (std::int32_t t = 0; t <= 2; ++t) {
        const double g = eb.Grenzwert(i, t);
        h += "<tr>" + Zelle(eb.Code(i, t)) + Zelle(gilt[t]) + Zelle(Zahl(g), true) + Zelle(U <= g ? "ja" : "nein") +
             "</tr>";
    }
    return h + "</table>";
}

std::vector<std::pair<std::string, std::string>> Seitentabellen() {
    return {{"Gk", Standardnutzungen(true)}, {"Rw", Rechenwerte(true)}, {"Codebeispiel", Codebeispiel()}};
}

} // namespace Hilfethemen

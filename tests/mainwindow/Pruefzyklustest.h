// What the tests of the compute-and-check cycle share: messages without
// the lines that say where the input is, rows typed into a zone, a
// mechanical ventilation.
#pragma once

#include "tests/mainwindow/Befehlsfenster.h"
#include "tests/support/Projektbeschreibung.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Pruefzyklustest {

using Testhilfe::Befehlsfenster;

// A message without the lines above it that say where the input is (zone,
// table and row: checked by their own test).
inline std::string OhneOrt(const std::string& text) {
    const std::size_t ende = text.find("\n\n");
    if (ende == std::string::npos) return text;
    for (std::size_t a = 0; a < ende; a = text.find('\n', a) + 1)
        if (text.compare(a, 6, "Zone: ") != 0 && text.compare(a, 9, "Tabelle: ") != 0) return text;
    return text.substr(ende + 2);
}
inline std::vector<std::string> OhneOrt(std::vector<std::string> texte) {
    for (std::string& t : texte) t = OhneOrt(t);
    return texte;
}

// The rows of a zone, typed into its tables as the user does and stored:
// table number, row, texts in column order.
struct Eingabe {
    std::int16_t Tabelle;
    int Zeile;
    std::vector<std::string> Texte;
};

inline void ZoneEingeben(Befehlsfenster& w, std::int16_t zone, const std::vector<Eingabe>& zeilen) {
    const std::int16_t bisher = w.P.GetNZone();
    w.P.SetNZone(zone);
    w.F.ProjektZoneEinlesen();
    for (const Eingabe& e : zeilen) w.z.Zeile(e.Tabelle, e.Zeile, e.Texte);
    w.F.ProjektZoneSpeichern();
    w.P.SetNZone(bisher);
    w.F.ProjektZoneEinlesen();
}

// A mechanical ventilation of the whole EBF with one unit, as stored.
inline void Gerät(Projekt& p, double LSt, double ha, double WRG, double AVw = 0.2, double AVa = 0.1, double ml = 1) {
    auto geräte = Kollektion::Neu();
    geräte->Hinzufügen(Testhilfe::Zeile({std::string("Gerät"), LSt, ha, WRG, 0.0}));
    p.ZSetColl(geräte, "Lm_");
    p.ZSetNum(ml, "ML");
    p.ZSetNum(AVw, "LmAVw");
    p.ZSetNum(AVa, "LmAVa");
}

} // namespace Pruefzyklustest

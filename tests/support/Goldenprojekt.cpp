#include "tests/support/Goldenprojekt.h"

#include "balance/Klimastation_MB2028.h"
#include "balance/frmQh.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_HiRi.h"
#include "mainwindow/frmZIRVO3801.h"
#include "project/ProjektGlobal.h"

#include <charconv>
#include <sstream>

#ifndef ZIRVO_TESTDATEN
#error "ZIRVO_TESTDATEN must name the tests folder"
#endif

namespace Testhilfe {

std::filesystem::path Projektordner() { return std::filesystem::path(ZIRVO_TESTDATEN) / "projects"; }

std::string ProjektÖffnen(const std::filesystem::path& datei) {
    const std::int32_t fehler = Global::Projekt.ProjektEinlesen(datei.string());
    if (fehler != 0) return "kann nicht gelesen werden (Fehler " + std::to_string(fehler) + ")";
    Global::Klimastation_MB2028.KlimastationEinlesen(Global::Projekt.PGetStr("KlSt"));
    if (!Global::Klimastation_MB2028.Vorhanden())
        return "Klimastation '" + Global::Projekt.PGetStr("KlSt") + "' nicht gefunden";
    basZIRVO_HiRi::NordAktuell = Global::Projekt.PGetStr("Nord");
    return {};
}

std::vector<std::string> AlleZonenBerechnen(frmZIRVO3801& F) {
    std::vector<std::string> fehler;
    Projekt& P = Global::Projekt;
    for (std::int16_t i = 0; i < P.ZonenAnzahl(); ++i) {
        P.SetNZone(i);
        F.ProjektZoneEinlesen();
        if (F.ProjektZoneBerechnen()) {
            std::string zelle = Eingabefehler.Steuerelement
                                    ? Eingabefehler.Steuerelement->Name + "(" +
                                          std::to_string(Eingabefehler.Steuerelement->Index) + ")"
                                    : std::string("-");
            fehler.push_back("Zone " + P.ZGetStr("Code") + " wird nicht berechnet: " + Eingabefehler.Text +
                             " [Tabelle " + std::to_string(Eingabefehler.Tabelle) + ", Zelle " + zelle + "]");
            continue;
        }
        F.ProjektZoneSpeichern();
        Global::frmQh.Berechnen();
    }
    P.SetNZone(0);
    return fehler;
}

std::vector<Zonenwerte> Einzelwerte(const std::string& erwartet) {
    std::vector<Zonenwerte> zonen;
    std::istringstream ein(erwartet);
    for (std::string zeile; std::getline(ein, zeile);) {
        std::istringstream felder(zeile);
        std::string zone, schlüssel, index, wert, rest;
        if (!(felder >> zone >> schlüssel >> index >> wert) || (felder >> rest)) continue;
        if (zone.front() == '#' || zone == "-" || index != "-") continue;
        double zahl = 0;
        if (std::from_chars(wert.data(), wert.data() + wert.size(), zahl).ec != std::errc()) continue;
        if (zonen.empty() || zonen.back().Code != zone) zonen.push_back({zone, {}});
        zonen.back().Werte[schlüssel] = zahl;
    }
    return zonen;
}

} // namespace Testhilfe

// Computing every zone of a large project as the all-zone check does: 8
// zones with every envelope table full (30 EBF rows, 50 rows in each other
// table); each zone is loaded into the main window's tables, computed and
// stored back.
#include "balance/Gebaeudekategorie.h"
#include "balance/Klimastation_MB2028.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "mainwindow/frmZIRVO3801.h"
#include "project/ProjektGlobal.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::shared_ptr<Kollektion> Zeile(std::initializer_list<Kollektion::Wert> werte) {
    auto z = Kollektion::Neu();
    for (const auto& w : werte) z->WertHinzufügen(w);
    return z;
}

void Element(Projekt& p, const std::string& schlüssel, std::initializer_list<Kollektion::Wert> werte) {
    auto e = Zeile(werte);
    e->Hinzufügen("", "CodeGr");
    p.PSetColl(e, schlüssel);
}

void Standardnutzung(Projekt& p, std::int16_t Gk) {
    const Gebäudekategorie& k = Global::Gebäudekategorie;
    p.ZSetInt(Gk, "Gk");
    p.ZSetNum(k.Innentemperatur(Gk), "Ti");
    p.ZSetNum(k.Personenfläche(Gk), "PFl");
    p.ZSetNum(k.Wärmeabgabe(Gk), "PWP");
    p.ZSetNum(k.Präsenzzeit(Gk), "PPr");
    p.ZSetNum(k.Elektroverbrauch(Gk), "El");
    p.ZSetNum(k.ElektroReduktion(Gk), "fe");
    p.ZSetNum(k.AussenluftVolumenstrom(Gk), "AVE");
    p.ZSetNum(k.Warmwasser(Gk), "WW");
    p.ZSetNum(0.1, "C");
    p.ZSetNum(0, "ML");
}

// The project: 8 zones, each with 30 EBF rows and 50 rows of roofs, walls,
// floors and thermal bridges to outside air, 50 rows to unheated rooms and
// earth, 50 rows of windows, doors and bridges; components, windows and
// thermal bridges by number.
void GrossesProjektÖffnen() {
    basZIRVODialogSprache::SpracheSetzen();
    basVB6NumCvt::KommaEingabeSetzen(true);
    Projekt& p = Global::Projekt;
    p = Projekt();
    p.ProjektNeu();
    p.PSetStr("Zürich -MeteoSchweiz", "KlSt");
    Global::Klimastation_MB2028.KlimastationEinlesen("Zürich -MeteoSchweiz");

    for (int n = 1; n <= 5; ++n) {
        Element(p, "B-" + std::to_string(n), {"Bauteil " + std::to_string(n), "", 0.15 + 0.02 * n, 0.0, 0.13, 0.04});
        Element(p, "F-" + std::to_string(n),
                {"Fenster " + std::to_string(n), "", 0.9 + 0.1 * n, 0.0, 0.5, 0.75, "", 0.0, "", 0.0});
        Element(p, "W-" + std::to_string(n), {"Wärmebrücke " + std::to_string(n), "", 0.05 * n, 0.0});
    }

    static const char* richtungen[] = {"S", "SW", "W", "NW", "N", "NE", "E", "SE"};
    for (int z = 0; z < 8; ++z) {
        if (z > 0) p.ZoneNeu();
        Standardnutzung(p, static_cast<std::int16_t>(z % 4 + 1));
        p.ZSetStr("Zone " + std::to_string(z + 1), "Bez");
        p.ZSetStr(std::string(1, static_cast<char>('A' + z)), "Code");

        auto ebf = Kollektion::Neu();
        for (int r = 0; r < 30; ++r)
            ebf->Hinzufügen(Zeile({"Geschoss " + std::to_string(r), 50.5 + r, 2.75, 0.0}));
        p.ZSetColl(ebf, "Ah_");

        auto a = Kollektion::Neu(), u = Kollektion::Neu(), f = Kollektion::Neu();
        for (int r = 0; r < 50; ++r) {
            const double fl = 12.5 + r * 0.5;
            const std::string o = richtungen[r % 8];
            switch (r % 5) {
            case 0: a->Hinzufügen(Zeile({"D", "Dach " + std::to_string(r), fl, 1.0, 0.0, "", ""})); break;
            case 1: a->Hinzufügen(Zeile({"W", "Wand " + std::to_string(r), fl, 2.0, 0.0, "", o})); break;
            case 2: a->Hinzufügen(Zeile({"B", "Boden " + std::to_string(r), fl, 0.0, 0.3, "", ""})); break;
            case 3: a->Hinzufügen(Zeile({"l", "Anschluss " + std::to_string(r), fl, 1.0, 0.0, "", ""})); break;
            default: a->Hinzufügen(Zeile({"p", "Befestigung " + std::to_string(r), 4.0, 0.0, 0.2, "", ""})); break;
            }
            switch (r % 3) {
            case 0: u->Hinzufügen(Zeile({"B", "Boden Erdreich", fl, 3.0, 0.0, "", "", "", 0.5, ""})); break;
            case 1: u->Hinzufügen(Zeile({"W", "Wand Keller", fl, 4.0, 0.0, "", "N", 0.8, "", ""})); break;
            default: u->Hinzufügen(Zeile({"W", "Wand Treppenhaus", fl, 0.0, 0.35, "", "E", "", "", "12"})); break;
            }
            switch (r % 4) {
            case 0:
            case 1:
                f->Hinzufügen(Zeile({"F", "Fenster " + std::to_string(r), 1.5 + 0.1 * r, 1.0 + r % 3, 0.0, "", o, 0.0,
                                     0.0, 0.0, "15", "10,20,30"}));
                break;
            case 2:
                f->Hinzufügen(Zeile({"T", "Tür " + std::to_string(r), 2.2, 0.0, 1.5, "", o, 0.0, 0.0, 0.0, "-", "-"}));
                break;
            default:
                f->Hinzufügen(Zeile({"l", "Leibung " + std::to_string(r), 4.8, 2.0, 0.0, "", "", 0.0, 0.0, 0.0, "", ""}));
                break;
            }
        }
        p.ZSetColl(a, "A_");
        p.ZSetColl(u, "U_");
        p.ZSetColl(f, "F_");
    }
    p.SetNZone(0);
}

// One pass of the all-zone computation; true when a zone failed.
bool AlleZonenBerechnen() {
    Projekt& p = Global::Projekt;
    frmZIRVO3801& f = Global::frmZIRVO3801;
    bool fehler = false;
    const std::int16_t bisher = p.GetNZone();
    for (std::int16_t z = 0; z < p.ZonenAnzahl(); ++z) {
        p.SetNZone(z);
        f.ProjektZoneEinlesen();
        fehler |= f.ProjektZoneBerechnen();
        f.ProjektZoneSpeichern();
    }
    p.SetNZone(bisher);
    return fehler;
}

void BM_AlleZonenBerechnen(benchmark::State& state) {
    GrossesProjektÖffnen();
    if (AlleZonenBerechnen()) {
        state.SkipWithError(("Zone nicht berechnet: " + Eingabefehler.Text).c_str());
        return;
    }
    Monatsarray Qh{};
    Global::Projekt.SetNZone(7);
    Global::Projekt.ZGetArr1(Qh, "Qh");
    Global::Projekt.SetNZone(0);
    if (!(Qh[12] > 0)) {
        state.SkipWithError("kein Heizwärmebedarf berechnet");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(AlleZonenBerechnen());
    state.counters["Zonen"] = 8;
}
BENCHMARK(BM_AlleZonenBerechnen)->Unit(benchmark::kMicrosecond);

} // namespace

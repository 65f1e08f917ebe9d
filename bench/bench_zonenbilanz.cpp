// Computing every zone of a large project as the all-zone check does: 8
// zones with every envelope table full (30 EBF rows, 50 rows in each other
// table); each zone is loaded into the main window's tables, computed and
// stored back.
#include "bench/Grossprojekt.h"
#include "frame/basZIRVOFehler.h"
#include "mainwindow/frmZIRVO3801.h"
#include "project/ProjektGlobal.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

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

// The all-zone computation of a large project as the all-zone check does
// it: 8 zones with every envelope table full (30 EBF rows, 50 rows in each
// other table); each zone is loaded into the main window's tables, computed
// and stored back. Three figures:
//  - BM_AlleZonenBerechnen: every zone really computed in each pass (the
//    memo of the zone computation forgotten first);
//  - BM_AlleZonenUnveraendert: the check of a project none of whose inputs
//    changed since its last check (every zone the memo's hit);
//  - BM_ZelleGeaendertAlleZonen: one cell typed into and left, the table
//    stored, then the check.
// The counter "berechnet" is how many zones were really computed per pass;
// a figure whose pass computes another number of zones than it names is
// reported as an error instead.
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

// The large project opened and checked twice: a computation that changed
// the zone's stored results is not kept, so it is the second check whose
// computations the memo keeps. False (and the benchmark skipped) when a
// zone does not compute.
bool Berechnet(benchmark::State& state) {
    GrossesProjektÖffnen();
    Global::frmZIRVO3801.ZonenrechnungenVergessen();
    if (AlleZonenBerechnen() || AlleZonenBerechnen()) {
        state.SkipWithError(("Zone nicht berechnet: " + Eingabefehler.Text).c_str());
        return false;
    }
    Monatsarray Qh{};
    Global::Projekt.SetNZone(7);
    Global::Projekt.ZGetArr1(Qh, "Qh");
    Global::Projekt.SetNZone(0);
    if (!(Qh[12] > 0)) {
        state.SkipWithError("kein Heizwärmebedarf berechnet");
        return false;
    }
    return true;
}

// Counts the zones really computed since `vorher`, per pass; an error when
// a pass did not compute `erwartet` of them.
void Gerechnet(benchmark::State& state, std::uint64_t vorher, std::uint64_t erwartet) {
    const std::uint64_t gerechnet = Global::frmZIRVO3801.Zonenberechnungen - vorher;
    state.counters["Zonen"] = 8;
    state.counters["berechnet"] =
        benchmark::Counter(static_cast<double>(gerechnet), benchmark::Counter::kAvgIterations);
    if (gerechnet != erwartet * state.iterations())
        state.SkipWithError(("berechnete Zonen: " + std::to_string(gerechnet) + " in " +
                             std::to_string(state.iterations()) + " Durchgängen, erwartet je " +
                             std::to_string(erwartet))
                                .c_str());
}

void BM_AlleZonenBerechnen(benchmark::State& state) {
    if (!Berechnet(state)) return;
    frmZIRVO3801& f = Global::frmZIRVO3801;
    const std::uint64_t vorher = f.Zonenberechnungen;
    for (auto _ : state) {
        f.ZonenrechnungenVergessen();
        benchmark::DoNotOptimize(AlleZonenBerechnen());
    }
    Gerechnet(state, vorher, 8);
}
BENCHMARK(BM_AlleZonenBerechnen)->Unit(benchmark::kMicrosecond);

void BM_AlleZonenUnveraendert(benchmark::State& state) {
    if (!Berechnet(state)) return;
    const std::uint64_t vorher = Global::frmZIRVO3801.Zonenberechnungen;
    for (auto _ : state) benchmark::DoNotOptimize(AlleZonenBerechnen());
    Gerechnet(state, vorher, 0);
}
BENCHMARK(BM_AlleZonenUnveraendert)->Unit(benchmark::kMicrosecond);

// The cell: the area of the first row against outside air of the zone the
// tables show (the last one the check loaded), typed anew in every pass.
// Leaving it recomputes its table, as the cell's format asks; the command
// stores the tables shown before it checks. The memo of each zone keeps
// the input marks of all the others (its neighbour-zone look-ups), so every
// zone is computed again; the zone typed into twice, since its load's
// computation changes its stored results and is therefore not kept.
void BM_ZelleGeaendertAlleZonen(benchmark::State& state) {
    if (!Berechnet(state)) return;
    Projekt& p = Global::Projekt;
    frmZIRVO3801& f = Global::frmZIRVO3801;
    const std::int16_t gezeigt = static_cast<std::int16_t>(p.ZonenAnzahl() - 1);
    const std::uint64_t vorher = f.Zonenberechnungen;
    bool gerade = false;
    for (auto _ : state) {
        p.SetNZone(gezeigt);
        f.txtDaFl[0].setText((gerade = !gerade) ? "20.5" : "21");
        f.TabelleBerechnen(TabelleA);
        f.TabelleSpeichern(TabelleA);
        p.SetNZone(0);
        benchmark::DoNotOptimize(AlleZonenBerechnen());
    }
    Gerechnet(state, vorher, 9);
}
BENCHMARK(BM_ZelleGeaendertAlleZonen)->Unit(benchmark::kMicrosecond);

} // namespace

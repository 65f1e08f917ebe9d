#include "frame/basVB6NumCvt.h"

#include <benchmark/benchmark.h>

static void ZahlLesenEingabe(benchmark::State& state) {
    basVB6NumCvt::KommaEingabeSetzen(true);
    for (auto _ : state) benchmark::DoNotOptimize(ZahlLesen("1'234,56"));
}
BENCHMARK(ZahlLesenEingabe);

#include "frame/basVB6NumCvt.h"

#include <benchmark/benchmark.h>
#include <string>

static void ZahlLesenEingabe(benchmark::State& state) {
    basVB6NumCvt::KommaEingabeSetzen(true);
    for (auto _ : state) benchmark::DoNotOptimize(ZahlLesen("1'234,56"));
}
BENCHMARK(ZahlLesenEingabe);

// Numbers a megabyte long: each read in time in proportion to its length.
static void ZahlLesenLang(benchmark::State& state) {
    basVB6NumCvt::KommaEingabeSetzen(true);
    const std::size_t mib = std::size_t{1} << 20;
    std::string text;
    switch (state.range(0)) {
    case 0: state.SetLabel("1 MiB Ziffern"); text.assign(mib, '7'); break;
    case 1: state.SetLabel("1 MiB Nullen, dann 5"); text = std::string(mib, '0') + "5"; break;
    case 2: state.SetLabel("1 MiB Leerzeichen"); text.assign(mib, ' '); break;
    default: state.SetLabel("1e6 Einsen E-999999"); text = std::string(1000000, '1') + "E-999999"; break;
    }
    // The input form for the first three, the file form for the long mantissa.
    for (auto _ : state) benchmark::DoNotOptimize(state.range(0) < 3 ? ZahlLesen(text) : ZahlLesenDbl(text));
}
BENCHMARK(ZahlLesenLang)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

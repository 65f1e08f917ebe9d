// Registering the faces the program carries for its printouts (Liberation
// Sans and DejaVu Sans, regular and bold, 400 to 700 KB each, read from the
// program's resources) with Qt's font database. Each run registers them
// anew and takes them out again untimed. The program does it half a second
// after its main window is up, not during the start: the first
// registration in a process also makes fontconfig read its configuration
// anew, which this figure (a warm process) leaves out.
// The Qt application object is made by the program's main (bench_main.cpp).
#include "frame/qt/Druckschriften.h"

#include <QFontDatabase>

#include <benchmark/benchmark.h>

namespace {

void BM_DruckschriftenEinbinden(benchmark::State& state) {
    std::size_t schnitte = 0;
    for (auto _ : state) {
        const std::vector<int> ids = QtDruckschriften::Registrieren();
        schnitte = ids.size();
        state.PauseTiming();
        for (const int id : ids) {
            if (id < 0) state.SkipWithError("a carried face could not be read");
            QFontDatabase::removeApplicationFont(id);
        }
        state.ResumeTiming();
    }
    state.counters["Schnitte"] = static_cast<double>(schnitte);
}
BENCHMARK(BM_DruckschriftenEinbinden)->Unit(benchmark::kMillisecond);

} // namespace

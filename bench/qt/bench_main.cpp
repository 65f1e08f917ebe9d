// The benchmark program with the Qt side: one application object for the
// printing figures, made before the first benchmark and ended before main
// returns, so no Qt object outlives Qt's own data at exit.
#include "frame/qt/Druckschriften.h"
#include "frame/qt/QtStart.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QtStart::LaufzeitordnerSetzen();
    int qtArgc = 1;
    char name[] = "zirvo_bench";
    char* qtArgv[] = {name, nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    // The printouts in the faces the program carries, as at its start.
    QtDruckschriften::Einbinden();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

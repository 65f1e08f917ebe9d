#include "frame/Dateien.h"
#include "frame/basVB6NumCvt.h"
#include "tests/support/Temppfad.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <string>
#include <unistd.h>

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

// One save of a 256 KiB file through the shared writer, in memory where
// there is such a folder: 0 the writer's own file, 1 a colleague's file
// that the writer may write (root saving as the user nobody, a file of
// root's with mode 0666 in a folder open to all).
static void DateiSchreiben(benchmark::State& state) {
    namespace fs = std::filesystem;
    const bool fremd = state.range(0) == 1;
    state.SetLabel(fremd ? "fremde Datei" : "eigene Datei");
    const passwd* niemand = ::getpwnam("nobody");
    if (fremd && (::geteuid() != 0 || !niemand || niemand->pw_uid == 0)) {
        state.SkipWithError("braucht root und den Benutzer nobody");
        return;
    }
    const fs::path ordner = Testhilfe::Temppfad("zirvo_bench_datei", "",
                                                fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path());
    fs::create_directories(ordner);
    fs::permissions(ordner, fs::perms::all);
    const std::string pfad = (ordner / "Haus.zirvo9").string();
    const std::string inhalt(256 * 1024, 'x');
    if (!Dateien::SicherSchreiben(pfad, inhalt)) state.SkipWithError("nicht geschrieben");
    fs::permissions(pfad, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::group_write | fs::perms::others_read | fs::perms::others_write);
    if (fremd && ::seteuid(niemand->pw_uid) != 0) state.SkipWithError("seteuid");
    for (auto _ : state) {
        if (!Dateien::SicherSchreiben(pfad, inhalt)) state.SkipWithError("nicht geschrieben");
    }
    if (fremd && ::seteuid(0) != 0) std::abort();
    fs::remove_all(ordner);
}
BENCHMARK(DateiSchreiben)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

// Reading and writing a large project: 8 zones with every envelope table
// full (30 EBF rows, 50 rows in each other table) and 99 components of 15
// layers each.
#include "project/Projekt.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

KollektionZeiger Zeile(std::initializer_list<Kollektion::Wert> werte) {
    auto z = Kollektion::Neu();
    for (const auto& w : werte) z->WertHinzufügen(w);
    return z;
}

Projekt GrossesProjekt() {
    Projekt p;
    p.ProjektNeu();
    p.PSetStr("Überbauung Seefeld, Etappe 2", "Bez");
    p.PSetStr("Zürich-MeteoSchweiz", "KlSt");
    for (int z = 0; z < 8; ++z) {
        if (z > 0) p.ZoneNeu();
        p.ZSetInt(static_cast<std::int16_t>(z % 12 + 1), "Gk");
        p.ZSetStr("Zone " + std::to_string(z + 1), "Bez");
        p.ZSetStr(std::string(1, static_cast<char>('A' + z)), "Code");
        p.ZSetNum(20, "Ti");
        p.ZSetNum(0.7, "AVE");
        auto ebf = Kollektion::Neu();
        for (int r = 0; r < 30; ++r) ebf->Hinzufügen(Zeile({"Geschoss " + std::to_string(r), 150.25 + r, 2.75, 413.19}));
        p.ZSetColl(ebf, "Ah_");
        auto a = Kollektion::Neu(), u = Kollektion::Neu(), f = Kollektion::Neu();
        for (int r = 0; r < 50; ++r) {
            double fl = 12.5 + r * 0.25;
            a->Hinzufügen(Zeile({"W", "Aussenwand Achse " + std::to_string(r), fl, 1.0 + r % 99, 0.183, "", "SSW"}));
            u->Hinzufügen(Zeile({"B", "Boden gegen Keller " + std::to_string(r), fl, 2.0, 0.25, "", "", 0.7, 0.45,
                                 "12.5"}));
            f->Hinzufügen(Zeile({"F", "Fenster " + std::to_string(r), fl, 1.0, 0.95, "", "S", 90.0, 0.5, 0.75,
                                 "15", "10,20,30"}));
        }
        p.ZSetColl(a, "A_");
        p.ZSetColl(u, "U_");
        p.ZSetColl(f, "F_");
        auto ge = Kollektion::Neu();
        for (int r = 0; r < 6; ++r) ge->Hinzufügen(Zeile({"Verbraucher " + std::to_string(r), 150.0, 8760.0, 0.5}));
        p.ZSetColl(ge, "GE_");
    }
    for (int n = 1; n <= 99; ++n) {
        auto b = Kollektion::Neu();
        for (Kollektion::Wert w : {Kollektion::Wert("Aussenwand Typ " + std::to_string(n)),
                                   Kollektion::Wert("verputzt"), Kollektion::Wert(0.183), Kollektion::Wert(0.0),
                                   Kollektion::Wert(0.13), Kollektion::Wert(0.04)})
            b->WertHinzufügen(w);
        auto schichten = Kollektion::Neu();
        for (int s = 0; s < 15; ++s)
            schichten->Hinzufügen(Zeile({"Mineralwolle Schicht " + std::to_string(s), 2.5 + s, 120.0, 0.035, 0.0, "1"}));
        b->Hinzufügen(KollektionZeiger(schichten), "Z");
        b->Hinzufügen("W", "CodeGr");
        p.PSetColl(b, "B-" + std::to_string(n));
    }
    return p;
}

std::string Datei(const char* name) {
    fs::path ordner = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    return (ordner / name).string();
}

void ProjektSchreiben(benchmark::State& state) {
    Projekt p = GrossesProjekt();
    const std::string pfad = Datei("zirvo_bench_schreiben.zirvo9");
    for (auto _ : state) {
        if (p.ProjektSpeichern(pfad) != 0) state.SkipWithError("nicht gespeichert");
    }
    state.counters["Bytes"] = static_cast<double>(fs::file_size(pfad));
    fs::remove(pfad);
}
BENCHMARK(ProjektSchreiben)->Unit(benchmark::kMillisecond);

void ProjektLesen(benchmark::State& state) {
    const std::string pfad = Datei("zirvo_bench_lesen.zirvo9");
    {
        Projekt p = GrossesProjekt();
        if (p.ProjektSpeichern(pfad) != 0) state.SkipWithError("nicht gespeichert");
    }
    for (auto _ : state) {
        Projekt p;
        if (p.ProjektEinlesen(pfad) != 0) state.SkipWithError("nicht gelesen");
        benchmark::DoNotOptimize(p);
    }
    fs::remove(pfad);
}
BENCHMARK(ProjektLesen)->Unit(benchmark::kMillisecond);

} // namespace

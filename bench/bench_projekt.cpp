// Reading and writing a large project: 8 zones with every envelope table
// full (30 EBF rows, 50 rows in each other table) and 99 components of 15
// layers each; reading its file damaged; reading hostile documents.
#include "frame/Dateien.h"
#include "project/Projekt.h"
#include "project/Sdbase.h"
#include "tests/support/Beschaedigung.h"
#include "tests/support/Temppfad.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

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

// A file of this run alone, in memory where there is such a folder.
std::string Datei(const std::string& name) {
    const fs::path ordner = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    return Testhilfe::Temppfad(name, ".zirvo9", ordner).string();
}

void ProjektSchreiben(benchmark::State& state) {
    Projekt p = GrossesProjekt();
    const std::string pfad = Datei("zirvo_bench_schreiben");
    for (auto _ : state) {
        if (p.ProjektSpeichern(pfad) != 0) state.SkipWithError("nicht gespeichert");
    }
    state.counters["Bytes"] = static_cast<double>(fs::file_size(pfad));
    fs::remove(pfad);
}
BENCHMARK(ProjektSchreiben)->Unit(benchmark::kMillisecond);

void ProjektLesen(benchmark::State& state) {
    const std::string pfad = Datei("zirvo_bench_lesen");
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

// The large project's file as clear text, damaged 32 times as the test of
// damaged files damages them: one to three random changes, every other
// file scrambled.
std::vector<std::string> BeschädigteTexte() {
    const std::string pfad = Datei("zirvo_bench_vorlage");
    Projekt p = GrossesProjekt();
    std::vector<std::string> texte;
    if (p.ProjektSpeichern(pfad) != 0) return texte;
    Sdbase d;
    d.SDFString(Dateien::Lesen(pfad).value_or(""));
    fs::remove(pfad);
    if (d.ReadBegin() != 0) return texte;
    const std::string klar = d.SDFString();
    std::mt19937 zufall(380116);
    for (int i = 0; i < 32; ++i) {
        std::string text = klar;
        for (int k = 1 + static_cast<int>(zufall() % 3); k > 0; --k) Testhilfe::Verändern(text, zufall);
        texte.push_back(i % 2 ? Testhilfe::Verschlüsselt(text) : text);
    }
    return texte;
}

// One damaged project file read in or refused (a slow path on damaged
// input, such as a reader that rescans the text, shows here).
void BeschaedigteProjektdateiLesen(benchmark::State& state) {
    std::vector<std::string> pfade;
    for (const std::string& text : BeschädigteTexte()) {
        pfade.push_back(Datei("zirvo_bench_beschaedigt" + std::to_string(pfade.size())));
        std::ofstream(pfade.back(), std::ios::binary | std::ios::trunc) << text;
    }
    if (pfade.empty()) state.SkipWithError("keine Vorlage");
    std::size_t i = 0;
    int abgelehnt = 0;
    for (auto _ : state) {
        Projekt p;
        if (p.ProjektEinlesen(pfade[i++ % pfade.size()]) != 0) ++abgelehnt;
    }
    state.counters["abgelehnt"] = benchmark::Counter(abgelehnt, benchmark::Counter::kAvgIterations);
    for (const auto& pfad : pfade) fs::remove(pfad);
}
BENCHMARK(BeschaedigteProjektdateiLesen)->Unit(benchmark::kMillisecond);

// Checks a document and reads it to its end; the tokens read.
std::size_t Durchlesen(const std::string& text) {
    Sdbase d;
    d.SDFString(text);
    std::size_t tokens = 0;
    if (d.ReadBegin() != 0) return tokens;
    std::string name, wert;
    for (int abschnitt = 0; abschnitt < 2; ++abschnitt) {
        if ((abschnitt == 0 ? d.ReadHeader() : d.ReadBody()) != 0) break;
        for (std::int16_t art; (art = d.NextItem(name, wert)) > 0;) ++tokens;
    }
    return tokens;
}

// One damaged document checked and read to its end, or refused.
void SdbaseBeschaedigtLesen(benchmark::State& state) {
    const std::vector<std::string> texte = BeschädigteTexte();
    if (texte.empty()) state.SkipWithError("keine Vorlage");
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(Durchlesen(texte[i++ % texte.size()]));
}
BENCHMARK(SdbaseBeschaedigtLesen)->Unit(benchmark::kMicrosecond);

// Hostile documents of a million tokens or marks, checked (and the valid
// one read to its end): each takes time in proportion to its length.
void SdbaseFeindlich(benchmark::State& state) {
    const std::size_t million = 1000000;
    std::string rumpf;
    switch (state.range(0)) {
    case 0:
        state.SetLabel("{A} x 1e6");
        for (std::size_t i = 0; i < million; ++i) rumpf += "{A}";
        break;
    case 1: state.SetLabel("{ x 1e6"); rumpf.assign(million, '{'); break;
    case 2: state.SetLabel("| x 1e6"); rumpf.assign(million, '|'); break;
    case 3: state.SetLabel("|b~ x 1e6"); rumpf = "|b" + std::string(million, '~'); break;
    case 4: state.SetLabel("} x 1e6"); rumpf.assign(million, '}'); break;
    default:
        state.SetLabel("{A}|b~7B{~A} x 1e5, gelesen");
        for (std::size_t i = 0; i < million / 10; ++i) rumpf += "{A}|b~7B{~A}";
        break;
    }
    const std::string text = "{SDF}{HEAD}{~HEAD}{BODY}" + rumpf + "{~BODY}{~SDF}";
    for (auto _ : state) benchmark::DoNotOptimize(Durchlesen(text));
}
BENCHMARK(SdbaseFeindlich)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

} // namespace

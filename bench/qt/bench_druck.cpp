// Printing to a PDF file: the monthly energy table of an 8-zone project, as
// the energy table's print entry does it (set up the printout on the PDF
// printer, draw the table of the current zone, write and rename the file),
// and the whole system proof of the large 8-zone project with 20
// components through its print dialog (every zone computed, then cover,
// summary, protocol and component sheets). And the refusals of settings
// that do not print, with the search for what does: in the printer
// settings dialog (its layout trial of every fixed text) and at the start
// of the system proof of the large project, for DejaVu Sans Mono 8 pt at
// the default margins, where no size prints and the search goes on to a
// smaller size with narrower margins (the longest search).
// The Qt application object is made by the program's main (bench_main.cpp).
#include "bench/Grossprojekt.h"
#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/qt/QtPlattform.h"
#include "printing/Druckauftraege.h"
#include "printing/Druckraster.h"
#include "printing/ZIRVO3801Drucken.h"
#include "printing/frmDrucken.h"
#include "project/ProjektGlobal.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

// Every PDF file asked for goes to the one path.
class FesteDatei : public Plattform::Dateidialoge {
public:
    explicit FesteDatei(std::string pfad) : pfad_(std::move(pfad)) {}
    std::optional<std::string> Öffnen(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> Speichern(const std::string&, const std::string&, const std::string&,
                                         const std::string&) override {
        return pfad_;
    }
    std::optional<std::string> OrdnerWählen(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<Plattform::Schrift> SchriftWählen(const Plattform::Schrift&) override { return std::nullopt; }

private:
    std::string pfad_;
};

// 8 zones with a full year of stored monthly values; the last is current.
void AchtZonen() {
    Projekt& p = Global::Projekt;
    p = Projekt();
    p.ProjektNeu();
    p.PSetStr("Überbauung Seefeld", "Bez");
    p.PSetStr("2026-17", "Id");
    for (int z = 0; z < 8; ++z) {
        if (z > 0) p.ZoneNeu();
        p.ZSetStr("Zone " + std::to_string(z + 1), "Bez");
        p.ZSetStr("Z" + std::to_string(z + 1), "Code");
        Monatstabelle qt{};
        Monatsarray monat{};
        for (std::size_t m = 0; m < 13; ++m) {
            const double w = m == 12 ? 0 : (m >= 5 && m <= 7 ? -0.5 : 10.0 - static_cast<double>(m % 6));
            qt[m] = {w * 0.2, w * 0.3, w * 0.1, w * 0.05, w * 0.01, w * 0.66};
            monat[m] = w;
        }
        for (const char* k : {"QtA", "QtU", "QtF"}) p.ZSetArr2(qt, k);
        for (const char* k : {"Qv", "Qvm", "Qt", "Qug", "QgS", "QgP", "QgE", "Qh"}) p.ZSetArr1(monat, k);
        Monatsarray eta{};
        eta.fill(0.9512);
        p.ZSetArr1(eta, "EtaG");
    }
}

// Message boxes answered with their default, silently.
class StilleMeldungen : public Plattform::Meldungen {
public:
    Plattform::Antwort Zeigen(const std::string&, const std::string&, Plattform::Symbol, Plattform::Knöpfe,
                              Plattform::Antwort vorgabe) override {
        return vorgabe;
    }
};

// The PDF printer with the settings of a fresh install, every file asked
// for written to one path in a folder of its own; the former settings and
// an empty project come back afterwards.
class PdfUmgebung {
public:
    explicit PdfUmgebung(const char* datei) : datei_((ordner_ / datei).string()) {
        basZIRVODialogSprache::SpracheSetzen();
        basVB6NumCvt::KommaEingabeSetzen(true);
        std::filesystem::create_directories(ordner_);
        Initialisierung& ini = Global::Initialisierung;
        ini.DruckerName = Plattform::PdfDrucker;
        ini.DruckerSchrift = "Arial";
        ini.DruckerSchriftgrösse = 9;
        ini.DruckerLinie = 3;
        ini.DruckerRandLinks = 3;
        ini.DruckerRandOben = ini.DruckerRandRechts = ini.DruckerRandUnten = 1.5f;
    }
    ~PdfUmgebung() {
        Global::Initialisierung = alt_;
        Global::Projekt = Projekt();
        std::filesystem::remove_all(ordner_);
    }
    PdfUmgebung(const PdfUmgebung&) = delete;
    PdfUmgebung& operator=(const PdfUmgebung&) = delete;

private:
    Initialisierung alt_ = Global::Initialisierung;
    std::filesystem::path ordner_ = std::filesystem::temp_directory_path() /
                                    ("zirvo_bench_druck_" + std::to_string(::getpid()));
    QtPlattform::QtDrucker drucker_;
    FesteDatei datei_;
    StilleMeldungen meldungen_;
    Plattform::DiensteSetzen dienste_{Plattform::Dienste{&meldungen_, &datei_, &drucker_, nullptr, nullptr}};
};

void BM_EnergietabelleAlsPdf(benchmark::State& state) {
    PdfUmgebung pdf("energien.pdf");
    AchtZonen();
    for (auto _ : state) {
        if (!Druckaufträge::Energien()) state.SkipWithError("printout failed");
    }
}
BENCHMARK(BM_EnergietabelleAlsPdf)->Unit(benchmark::kMillisecond);

void BM_SystemnachweisAlsPdf(benchmark::State& state) {
    PdfUmgebung pdf("systemnachweis.pdf");
    GrossesProjektÖffnen(20);
    for (auto _ : state) {
        frmDrucken dialog;
        dialog.Form_Load();
        dialog.cmdDrucken_Click();
        if (!dialog.Entladen) state.SkipWithError("printout failed");
    }
    state.counters["Zonen"] = 8;
    state.counters["Bauteile"] = 20;
}
BENCHMARK(BM_SystemnachweisAlsPdf)->Unit(benchmark::kMillisecond);

// The settings of a fresh install but for a monospaced face of 8 pt.
void Monospace8() {
    Global::Initialisierung.DruckerSchrift = "DejaVu Sans Mono";
    Global::Initialisierung.DruckerSchriftgrösse = 8;
}

void BM_DruckeinrichtungAbgelehnt(benchmark::State& state) {
    PdfUmgebung pdf("einrichtung.pdf");
    GrossesProjektÖffnen(20);
    Monospace8();
    const Druckeinstellungen::Werte w = Druckeinstellungen::Gelesen(Global::Initialisierung);
    for (auto _ : state) {
        const std::string meldung =
            Druckraster::Druckermeldung(Plattform::PdfDrucker, w, {ZIRVO3801Drucken::Einrichtung()}, {}, false);
        if (meldung.empty()) state.SkipWithError("not refused");
    }
}
BENCHMARK(BM_DruckeinrichtungAbgelehnt)->Unit(benchmark::kMillisecond);

void BM_SystemnachweisAbgelehnt(benchmark::State& state) {
    PdfUmgebung pdf("abgelehnt.pdf");
    GrossesProjektÖffnen(20);
    Monospace8();
    for (auto _ : state) {
        frmDrucken dialog;
        dialog.Form_Load();
        dialog.cmdDrucken_Click();
        if (dialog.Entladen) state.SkipWithError("not refused");
    }
}
BENCHMARK(BM_SystemnachweisAbgelehnt)->Unit(benchmark::kMillisecond);

} // namespace

// Printing the monthly energy table of an 8-zone project to a PDF file, as
// the energy table's print entry does it: set up the printout on the PDF
// printer, draw the table of the current zone, write and rename the file.
#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/qt/QtPlattform.h"
#include "printing/Druckauftraege.h"
#include "project/ProjektGlobal.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

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

void QtStarten() {
    static std::unique_ptr<QGuiApplication> app;
    if (app || QCoreApplication::instance()) return;
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zirvo_bench";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
}

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

void BM_EnergietabelleAlsPdf(benchmark::State& state) {
    QtStarten();
    basZIRVODialogSprache::SpracheSetzen();
    basVB6NumCvt::KommaEingabeSetzen(true);
    AchtZonen();
    const std::filesystem::path ordner = std::filesystem::temp_directory_path() / "zirvo_bench_druck";
    std::filesystem::create_directories(ordner);
    QtPlattform::QtDrucker drucker;
    FesteDatei datei((ordner / "energien.pdf").string());
    Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, &datei, &drucker, nullptr, nullptr}};
    Initialisierung alt = Global::Initialisierung;
    Global::Initialisierung.DruckerName = Plattform::PdfDrucker;
    Global::Initialisierung.DruckerSchrift = "Arial";
    Global::Initialisierung.DruckerSchriftgrösse = 9;
    Global::Initialisierung.DruckerLinie = 3;
    Global::Initialisierung.DruckerRandLinks = 3;
    Global::Initialisierung.DruckerRandOben = Global::Initialisierung.DruckerRandRechts =
        Global::Initialisierung.DruckerRandUnten = 1.5f;
    for (auto _ : state) {
        if (!Druckaufträge::Energien()) state.SkipWithError("printout failed");
    }
    Global::Initialisierung = alt;
    Global::Projekt = Projekt();
    std::filesystem::remove_all(ordner);
}
BENCHMARK(BM_EnergietabelleAlsPdf)->Unit(benchmark::kMillisecond);

} // namespace

#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/basZIRVO.h"
#include "frame/basZIRVOSymbole.h"
#include "tests/support/Temppfad.h"
#include "tests/support/Testdrucker.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

using namespace basZIRVO;
namespace fs = std::filesystem;

namespace {

using MerkendeUmgebung = Testhilfe::SkriptUmgebung;

using ListenDrucker = Testhilfe::Testdrucker;

// The test environment plus the recording pointer and printers; restores
// the counter and the printer hooks afterwards.
struct Routinen {
    Testhilfe::Testumgebung umgebung;
    MerkendeUmgebung sanduhr;
    ListenDrucker drucker;
    Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, &sanduhr}};
    std::function<std::string()> eingestellt = EingestellterDrucker;
    std::string druckerName = Global::Initialisierung.DruckerName;
    Routinen() { SanduhrZähler(2); sanduhr.Sanduhren.clear(); }
    ~Routinen() {
        SanduhrZähler(2);
        EingestellterDrucker = eingestellt;
        DruckerPrüfen = nullptr;
        Global::Initialisierung.DruckerName = druckerName;
    }
};

class TempOrdner {
public:
    TempOrdner() {
        pfad_ = Testhilfe::Temppfad(std::string("zirvo_routinen_") +
                                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(pfad_);
        fs::create_directories(pfad_);
    }
    ~TempOrdner() {
        std::error_code ec;
        fs::remove_all(pfad_, ec);
    }
    std::string operator/(const std::string& name) const { return (pfad_ / name).string(); }
    std::string Pfad() const { return pfad_.string(); }

private:
    fs::path pfad_;
};

} // namespace

TEST(Routinen, SanduhrBleibtBisZurÄusserstenOperation) {
    Routinen r;
    EXPECT_EQ(SanduhrZähler(-1), 1);
    EXPECT_EQ(SanduhrZähler(-1), 2);
    EXPECT_EQ(SanduhrZähler(0), 1);
    EXPECT_EQ(r.sanduhr.Sanduhren, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(SanduhrZähler(0), 0);
    EXPECT_FALSE(r.sanduhr.Sanduhren.back());
    EXPECT_EQ(SanduhrZähler(0), 0);
    EXPECT_EQ(SanduhrZähler(1), 0);
    // 1 only answers the count and leaves the pointer alone.
    EXPECT_EQ(r.sanduhr.Sanduhren.size(), 5u);
    SanduhrZähler(-1);
    EXPECT_EQ(SanduhrZähler(1), 1);
    EXPECT_EQ(r.sanduhr.Sanduhren.size(), 6u);
}

TEST(Routinen, SanduhrZählerSetzen) {
    Routinen r;
    EXPECT_EQ(SanduhrZähler(5), 3);
    ASSERT_FALSE(r.sanduhr.Sanduhren.empty()) << "the busy pointer was never set";
    EXPECT_TRUE(r.sanduhr.Sanduhren.back());
    EXPECT_EQ(SanduhrZähler(2), 0);
    EXPECT_FALSE(r.sanduhr.Sanduhren.back());
    EXPECT_EQ(SanduhrZähler(3), 1);
    EXPECT_TRUE(r.sanduhr.Sanduhren.back());
    EXPECT_EQ(SanduhrZähler(-7), 0);
    EXPECT_FALSE(r.sanduhr.Sanduhren.back());
    EXPECT_EQ(SanduhrZähler(32767), 32765);
    EXPECT_EQ(SanduhrZähler(-1), 32766);
    EXPECT_EQ(SanduhrZähler(-1), 32767);
    // The count stops at the top of its range instead of turning negative.
    EXPECT_EQ(SanduhrZähler(-1), 32767);
    EXPECT_TRUE(r.sanduhr.Sanduhren.back());
}

TEST(Routinen, DateiUndOrdnerVorhanden) {
    TempOrdner t;
    std::ofstream(t / "projekt.zirvo9") << "x";
    fs::create_directory(t / "Unterordner");

    EXPECT_TRUE(DateiVorhanden(t / "projekt.zirvo9"));
    EXPECT_FALSE(DateiVorhanden(t / "Unterordner"));
    EXPECT_FALSE(DateiVorhanden(t / "fehlt.zirvo9"));
    EXPECT_FALSE(DateiVorhanden(""));
    EXPECT_FALSE(DateiVorhanden(t / "projekt.zirvo9/mehr"));
    EXPECT_FALSE(DateiVorhanden(std::string("a\0b", 3)));
    // Patterns in the last part of the path.
    EXPECT_TRUE(DateiVorhanden(t / "*.zirvo9"));
    EXPECT_TRUE(DateiVorhanden(t / "proj?kt.*"));
    EXPECT_FALSE(DateiVorhanden(t / "*.zirvo8"));
    EXPECT_FALSE(DateiVorhanden(t / "Unter*"));
    EXPECT_FALSE(DateiVorhanden(t / "fehlt/*.zirvo9"));

    EXPECT_TRUE(OrdnerVorhanden(t / "Unterordner"));
    EXPECT_TRUE(OrdnerVorhanden(t / "Unterordner/"));
    EXPECT_TRUE(OrdnerVorhanden(t.Pfad()));
    EXPECT_FALSE(OrdnerVorhanden(t / "projekt.zirvo9"));
    EXPECT_FALSE(OrdnerVorhanden(t / "fehlt"));
    EXPECT_FALSE(OrdnerVorhanden(""));
    EXPECT_TRUE(OrdnerVorhanden(t / "Unter*"));
    EXPECT_FALSE(OrdnerVorhanden(t / "*"));
}

TEST(Routinen, OhneDruckerEineMeldung) {
    Routinen r;
    EXPECT_FALSE(DruckerVorhanden());
    ASSERT_EQ(r.umgebung.meldungen.Gezeigt.size(), 1u);
    const auto m = r.umgebung.meldungen.Nr(0);
    EXPECT_EQ(m.Text, "Es ist kein Drucker im System vorhanden.\r\nBitte installieren Sie einen Drucker in Windows.");
    EXPECT_EQ(m.Symbol, Plattform::Symbol::Fehler);
    EXPECT_EQ(m.Knöpfe, Plattform::Knöpfe::OK);

    // Printing is then not set up, and only that one message is shown.
    Global::Initialisierung.DruckerName = "Büro";
    EXPECT_FALSE(DruckEingerichtet());
    ASSERT_EQ(r.umgebung.meldungen.Gezeigt.size(), 2u);
    EXPECT_EQ(r.umgebung.meldungen.Nr(1).Text, m.Text);

    r.drucker.Liste = {"PDF"};
    EXPECT_TRUE(DruckerVorhanden());
    EXPECT_EQ(r.umgebung.meldungen.Gezeigt.size(), 2u);
}

TEST(Routinen, DruckEingerichtetPrüftDenEingestelltenDrucker) {
    Routinen r;
    r.drucker.Liste = {"PDF", "Büro 2. Stock"};
    // The name comes from the settings.
    Global::Initialisierung.DruckerName = "PDF";
    EXPECT_TRUE(DruckerOK());
    EXPECT_TRUE(DruckEingerichtet());
    // No printer named.
    Global::Initialisierung.DruckerName = "";
    EXPECT_FALSE(DruckerOK());
    EXPECT_FALSE(DruckEingerichtet());
    ASSERT_EQ(r.umgebung.meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(r.umgebung.meldungen.Nr(0).Text, "Bitte zuerst den Druck einrichten.");
    EXPECT_EQ(r.umgebung.meldungen.Nr(0).Symbol, Plattform::Symbol::Fehler);

    std::string eingestellt = "Büro 3. Stock";
    EingestellterDrucker = [&] { return eingestellt; };
    EXPECT_FALSE(DruckEingerichtet());
    EXPECT_EQ(r.umgebung.meldungen.Gezeigt.size(), 2u);
    eingestellt = "Büro 2. Stock";
    EXPECT_TRUE(DruckerOK());
    EXPECT_TRUE(DruckEingerichtet());
    eingestellt = "büro 2. stock";
    EXPECT_FALSE(DruckEingerichtet());
    EXPECT_EQ(r.umgebung.meldungen.Gezeigt.size(), 3u);

    // A check of its own replaces the list comparison; a failing one gives False.
    DruckerPrüfen = [] { return true; };
    EXPECT_TRUE(DruckEingerichtet());
    DruckerPrüfen = []() -> bool { throw std::runtime_error("Drucker weg"); };
    EXPECT_FALSE(DruckEingerichtet());
    EXPECT_EQ(r.umgebung.meldungen.Gezeigt.size(), 3u);
}

TEST(Routinen, TexteSortierenNachZeichencodes) {
    std::vector<std::string> l = {"b", "A", "a"};
    StringArraySortierenAlle(l);
    EXPECT_EQ(l, (std::vector<std::string>{"A", "a", "b"}));

    l = {"Zürich", "Aarau", "zug", "Öhningen", "Bern", "bern", "Basel"};
    StringArraySortierenAlle(l);
    EXPECT_EQ(l, (std::vector<std::string>{"Aarau", "Basel", "Bern", "Zürich", "bern", "zug", "Öhningen"}));

    // Only Von..Bis moves.
    l = {"e", "d", "c", "b", "a"};
    StringArraySortieren(l, 1, 3);
    EXPECT_EQ(l, (std::vector<std::string>{"e", "b", "c", "d", "a"}));
    StringArraySortieren(l, 3, 3);
    StringArraySortieren(l, 4, 0);
    EXPECT_EQ(l, (std::vector<std::string>{"e", "b", "c", "d", "a"}));
    // Bounds beyond the list are brought to it.
    StringArraySortieren(l, -5, 99);
    EXPECT_EQ(l, (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    std::vector<std::string> leer;
    StringArraySortieren(leer, 0, 3);
    StringArraySortierenAlle(leer);
    EXPECT_TRUE(leer.empty());
}

TEST(Routinen, StrgTasteUndSystem) {
    Routinen r;
    EXPECT_FALSE(CtrlTasteGedrückt());
    r.sanduhr.Strg = true;
    EXPECT_TRUE(CtrlTasteGedrückt());
    EXPECT_TRUE(IstVistaOderNeuer());
}

TEST(Routinen, Drucksymbole) {
    using namespace basZIRVOSymbole;
    SymbolZeichen(false);
    EXPECT_EQ(SymbolDelta, "\u00F7D");
    EXPECT_EQ(SymbolAngekreuzt, "÷1");
    EXPECT_EQ(SymbolNichtAngekreuzt, "÷0");
    EXPECT_EQ(SymbolTheta, "÷h");
    EXPECT_EQ(SymbolEta, "÷g");
    EXPECT_EQ(SymbolChi, "÷w");
    EXPECT_EQ(SymbolPsi, "÷x");
    SymbolZeichen(true);
    EXPECT_EQ(SymbolAngekreuzt, "(*)");
    EXPECT_EQ(SymbolNichtAngekreuzt, "( )");
    EXPECT_EQ(SymbolLeer, "( )");
    EXPECT_EQ(SymbolDelta, "Delta");
    EXPECT_EQ(SymbolTheta, "theta");
    EXPECT_EQ(SymbolEta, "eta");
    EXPECT_EQ(SymbolChi, "chi");
    EXPECT_EQ(SymbolPsi, "psi");
}

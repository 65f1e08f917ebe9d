#include "balance/Klimastation_MB2028.h"

#include "frame/Plattform.h"
#include "frame/Windows1252.h"
#include "tests/support/Testplattform.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Werte13 = std::array<double, 13>;

struct Station {
    const char* Name;
    int Höhe;
    double TaMin;
    double Jahresmittel;
    double JahrH;
};

// The station list of the standard, as printed.
const Station Stationen[40] = {
    {"Adelboden", 1320, -10, 6.1, 4186},
    {"Aigle", 381, -6, 10.1, 4422},
    {"Altdorf", 449, -6, 9.9, 3940},
    {"Basel -Binningen", 316, -7, 10.5, 4026},
    {"Bern -Liebefeld", 565, -7, 9.1, 4178},
    {"Buchs -Aarau", 387, -7, 9.7, 3752},
    {"Chur", 555, -7, 9.6, 4324},
    {"Davos", 1590, -13, 3.6, 4793},
    {"Disentis", 1190, -10, 6.7, 4496},
    {"Engelberg", 1035, -11, 6.4, 3998},
    {"Genève -Cointrin", 420, -4, 10.7, 4453},
    {"Glarus", 515, -8, 8.8, 3809},
    {"Grand -St - Bernard", 2472, -15, -0.5, 4868},
    {"Güttingen", 440, -7, 9.2, 3981},
    {"Interlaken", 580, -7, 8.7, 4101},
    {"La Chaux - de - Fonds", 1019, -10, 6.5, 4163},
    {"La Frétaz", 1202, -10, 6.0, 4158},
    {"Locarno -Monti", 366, -1, 12.3, 4513},
    {"Lugano", 273, -1, 12.4, 4429},
    {"Luzern", 456, -6, 9.7, 3767},
    {"Magadino", 197, -3, 11.7, 4321},
    {"Montana", 1508, -10, 5.9, 5040},
    {"Neuchâtel", 485, -5, 10.3, 4018},
    {"Payerne", 490, -7, 9.4, 4223},
    {"Piotta", 1007, -7, 7.8, 4017},
    {"Pully", 461, -4, 10.9, 4468},
    {"Robbia", 1078, -8, 7.0, 4317},
    {"Rünenberg", 610, -8, 9.1, 4038},
    {"Samedan", 1705, -18, 1.8, 4988},
    {"San Bernardino", 1639, -11, 3.9, 4405},
    {"St.Gallen", 779, -9, 8.2, 3894},
    {"Schaffhausen", 437, -8, 9.4, 4010},
    {"Scuol", 1298, -12, 5.5, 4781},
    {"Sion", 482, -6, 10.1, 4882},
    {"Ulrichen", 1345, -16, 3.7, 4610},
    {"Vaduz", 460, -8, 10.0, 4048},
    {"Wynau", 422, -7, 9.0, 3997},
    {"Zermatt", 1638, -11, 4.3, 4770},
    {"Zürich -Kloten", 425, -8, 9.4, 4015},
    {"Zürich -MeteoSchweiz", 556, -8, 9.4, 3978},
};

// The worked example station Zürich -Kloten.
const Werte13 KlotenT = {0.2, 1.3, 5.4, 8.5, 13.6, 16.5, 18.7, 18.5, 14.0, 9.7, 4.1, 1.7, 9.4};
const Werte13 KlotenH = {102, 167, 313, 425, 546, 583, 603, 525, 355, 209, 106, 80, 4015};
const Werte13 KlotenE = {67, 109, 190, 244, 303, 321, 335, 297, 194, 107, 60, 48, 2275};
const Werte13 KlotenS = {163, 235, 316, 298, 295, 277, 303, 337, 311, 244, 148, 123, 3050};
const Werte13 KlotenW = {78, 123, 196, 236, 297, 311, 332, 297, 218, 142, 73, 56, 2359};
const Werte13 KlotenN = {43, 65, 96, 119, 163, 184, 182, 142, 98, 67, 39, 32, 1232};

using OrdnerUmgebung = Testhilfe::SkriptUmgebung;

class Klimastation : public ::testing::Test {
protected:
    Testhilfe::Testumgebung testumgebung;
    OrdnerUmgebung umgebung;
    std::optional<Plattform::DiensteSetzen> dienste;
    fs::path ordner;

    void SetUp() override {
        ordner = fs::temp_directory_path() /
                 ("zirvo_klst_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(ordner);
        fs::create_directories(ordner);
        umgebung.Programm = umgebung.Konfiguration = ordner.string();
        Plattform::Dienste d;
        d.umgebung = &umgebung;
        dienste.emplace(d);
    }
    void TearDown() override {
        dienste.reset();
        std::error_code ec;
        fs::remove_all(ordner, ec);
    }

    // Writes the bytes as they stand on disk.
    void dateiSchreiben(const std::string& bytes) {
        std::ofstream aus(ordner / "KlSt-00.txt", std::ios::binary);
        aus << bytes;
    }
    // Writes UTF-8 lines as Windows-1252, each line ended by CR LF.
    void stationSchreiben(const std::vector<std::string>& zeilen, const std::string& ende = "\r\n") {
        std::string bytes;
        for (const auto& z : zeilen) bytes += Windows1252::AusUtf8(z) + ende;
        dateiSchreiben(bytes);
    }
    std::int16_t anzahl() {
        Klimastation_MB2028 k;
        std::vector<std::string> namen;
        return k.AlleStationsnamen(namen);
    }
};

std::vector<std::string> gültigeStation() {
    return {
        "Spezial: Zürich Hönggerberg",
        "520 -9",
        "0.5 1.5 5.5 8.5 13.5 16.5 18.5 18.5 14.5 9.5 4.5 1.5 9.4",
        "100 170 310 420 540 580 600 520 350 210 100 80",
        "60 100 190 240 300 320 330 300 190 110 60 50",
        "160 230 310 300 290 280 300 330 310 240 150 120",
        "80 120 190 240 300 310 330 300 220 140 70 60",
        "40 60 90 120 160 180 180 140 100 70 40 30",
    };
}

void werteVergleichen(const Werte13& ist, const Werte13& soll, const char* was) {
    for (int m = 0; m < 13; ++m) EXPECT_EQ(ist[m], soll[m]) << was << " index " << m;
}

struct AuslegungsfallAn {
    AuslegungsfallAn(double t) {
        Auslegungsfall = true;
        Auslegungstemperatur = t;
    }
    ~AuslegungsfallAn() {
        Auslegungsfall = false;
        Auslegungstemperatur = 0;
    }
};

} // namespace

TEST_F(Klimastation, VierzigStationenWieInDerListe) {
    Klimastation_MB2028 k;
    std::vector<std::string> namen{"alt"};
    ASSERT_EQ(k.AlleStationsnamen(namen), 40);
    ASSERT_EQ(namen.size(), 40u);
    for (int i = 0; i < 40; ++i) {
        const Station& s = Stationen[i];
        SCOPED_TRACE(s.Name);
        EXPECT_EQ(namen[i], s.Name);
        k.KlimastationEinlesen(s.Name);
        ASSERT_TRUE(k.Vorhanden());
        EXPECT_EQ(k.Namen(), s.Name);
        EXPECT_EQ(k.Meereshöhe(), s.Höhe);
        EXPECT_EQ(k.TaMin(), s.TaMin);
        double t = 999;
        EXPECT_EQ(k.JahresTemperatur(t), 0);
        EXPECT_EQ(t, s.Jahresmittel);
        EXPECT_EQ(k.Globalstrahlung_H()[12], s.JahrH);
    }
}

TEST_F(Klimastation, ZuerichKlotenAlleWerte) {
    Klimastation_MB2028 k;
    k.KlimastationEinlesen("Zürich -Kloten");
    ASSERT_TRUE(k.Vorhanden());
    EXPECT_EQ(k.Meereshöhe(), 425);
    EXPECT_EQ(k.TaMin(), -8);
    std::array<double, 13> t;
    t.fill(-99);
    EXPECT_EQ(k.MonatsTemperaturen(t), 0);
    for (int m = 0; m < 12; ++m) EXPECT_EQ(t[m], KlotenT[m]) << m;
    EXPECT_EQ(t[12], -99); // the year is not a month
    double jahr = 0;
    EXPECT_EQ(k.JahresTemperatur(jahr), 0);
    EXPECT_EQ(jahr, 9.4);
    werteVergleichen(k.Globalstrahlung_H(), KlotenH, "H");
    werteVergleichen(k.Globalstrahlung_E(), KlotenE, "E");
    werteVergleichen(k.Globalstrahlung_S(), KlotenS, "S");
    werteVergleichen(k.Globalstrahlung_W(), KlotenW, "W");
    werteVergleichen(k.Globalstrahlung_N(), KlotenN, "N");
}

TEST_F(Klimastation, StationsdatenWieInDerDatendatei) {
#ifndef ZIRVO_SHARED_DATA
    GTEST_SKIP() << "no shared data folder";
#else
    std::ifstream ein(std::string(ZIRVO_SHARED_DATA) + "/klimastationen-sia2028.txt");
    if (!ein) GTEST_SKIP() << "data file not present";
    std::vector<std::string> zeilen;
    for (std::string z; std::getline(ein, z);) {
        if (!z.empty() && z.back() == '\r') z.pop_back();
        zeilen.push_back(z);
    }
    ASSERT_GE(zeilen.size(), 320u);
    auto zahlen = [](const std::string& z) {
        std::vector<double> v;
        std::istringstream s(z);
        s.imbue(std::locale::classic());
        for (double x; s >> x;) v.push_back(x);
        return v;
    };
    Klimastation_MB2028 k;
    for (int i = 0; i < 40; ++i) {
        const std::string* r = &zeilen[i * 8];
        SCOPED_TRACE(*r);
        k.KlimastationEinlesen(*r);
        ASSERT_TRUE(k.Vorhanden());
        auto kopf = zahlen(r[1]);
        ASSERT_EQ(kopf.size(), 2u);
        EXPECT_EQ(k.Meereshöhe(), kopf[0]);
        EXPECT_EQ(k.TaMin(), kopf[1]);
        auto t = zahlen(r[2]);
        ASSERT_EQ(t.size(), 13u);
        std::array<double, 12> mt{};
        k.MonatsTemperaturen(mt);
        for (int m = 0; m < 12; ++m) EXPECT_EQ(mt[m], t[m]);
        double jt = 0;
        k.JahresTemperatur(jt);
        EXPECT_EQ(jt, t[12]);
        const Werte13 g[5] = {k.Globalstrahlung_H(), k.Globalstrahlung_E(), k.Globalstrahlung_S(),
                              k.Globalstrahlung_W(), k.Globalstrahlung_N()};
        for (int r2 = 0; r2 < 5; ++r2) {
            auto soll = zahlen(r[3 + r2]);
            ASSERT_EQ(soll.size(), 13u);
            for (int m = 0; m < 13; ++m) EXPECT_EQ(g[r2][m], soll[m]) << "row " << r2 << " index " << m;
        }
    }
#endif
}

TEST_F(Klimastation, StrahlungNachOrientierungUndNeigung) {
    Klimastation_MB2028 k;
    k.KlimastationEinlesen("Zürich -Kloten");
    std::array<double, 13> g;
    g.fill(777);
    EXPECT_EQ(k.Globalstrahlung(g, "S", 0), 0);
    for (int m = 0; m < 12; ++m) EXPECT_EQ(g[m], KlotenS[m]);
    EXPECT_EQ(g[12], 777);

    auto gm = [](double a, double b) { return std::sqrt(a * b); };
    double S = 163, E = 67, W = 78, N = 43, H = 102;
    double SE = gm(S, E), SW = gm(S, W), NE = gm(N, E), NW = gm(N, W);
    const std::pair<const char*, double> januar[] = {
        {"H", H},          {"S", S},          {"E", E},          {"W", W},
        {"N", N},          {"SE", SE},        {"SW", SW},        {"NE", NE},
        {"NW", NW},        {"SSE", gm(S, SE)}, {"ESE", gm(E, SE)}, {"SSW", gm(S, SW)},
        {"WSW", gm(W, SW)}, {"NNE", gm(N, NE)}, {"ENE", gm(E, NE)}, {"NNW", gm(N, NW)},
        {"WNW", gm(W, NW)},
    };
    for (auto [o, soll] : januar) {
        SCOPED_TRACE(o);
        std::array<double, 12> v{};
        EXPECT_EQ(k.Globalstrahlung(v, o, 0), 0);
        EXPECT_NEAR(v[0], soll, 1e-9);
    }
    std::array<double, 12> v{};
    k.Globalstrahlung(v, "SE", 0);
    EXPECT_NEAR(v[0], 104.5, 0.05);
    EXPECT_NEAR(v[11], std::sqrt(123.0 * 48.0), 1e-9);

    // Tilt counts from the horizontal: 45 is the mean of H and vertical.
    EXPECT_EQ(k.Globalstrahlung(v, "S", 45), 0);
    EXPECT_DOUBLE_EQ(v[0], 132.5);
    EXPECT_EQ(k.Globalstrahlung(v, "S", 1), 0);
    EXPECT_DOUBLE_EQ(v[0], (89 * 102 + 163) / 90.0);
    EXPECT_EQ(k.Globalstrahlung(v, "N", 89), 0);
    EXPECT_DOUBLE_EQ(v[5], (184 * 89 + 583) / 90.0);
    for (std::int16_t neigung : {90, -5, -1, 91, 32767, -32768}) {
        SCOPED_TRACE(neigung);
        v.fill(0);
        EXPECT_EQ(k.Globalstrahlung(v, "S", neigung), 3);
        for (int m = 0; m < 12; ++m) EXPECT_EQ(v[m], KlotenS[m]);
    }

    // Unknown orientation: status 2, G untouched.
    for (const char* o : {"s", "se", "", " S", "S ", "SSE (SE)", "X", "NNNE", "HS"}) {
        SCOPED_TRACE(o);
        v.fill(-1);
        EXPECT_EQ(k.Globalstrahlung(v, o, 0), 2);
        for (double x : v) EXPECT_EQ(x, -1);
    }

    // A short array is filled only as far as it reaches.
    std::array<double, 5> kurz{};
    EXPECT_EQ(k.Globalstrahlung(kurz, "H", 0), 0);
    EXPECT_EQ(kurz[4], 546);
    EXPECT_EQ(k.MonatsTemperaturen(kurz), 0);
    EXPECT_EQ(kurz[4], 13.6);
}

TEST_F(Klimastation, OhneStation) {
    Klimastation_MB2028 k;
    EXPECT_FALSE(k.Vorhanden());
    EXPECT_EQ(k.Namen(), "");
    std::array<double, 12> v;
    v.fill(5);
    double t = 5;
    EXPECT_EQ(k.MonatsTemperaturen(v), 1);
    EXPECT_EQ(k.JahresTemperatur(t), 1);
    EXPECT_EQ(k.Globalstrahlung(v, "S", 0), 1);
    EXPECT_EQ(k.Globalstrahlung(v, "xyz", 0), 1);
    for (double x : v) EXPECT_EQ(x, 5);
    EXPECT_EQ(t, 5);

    // A name not in the list, or an empty one, clears the current station.
    for (const char* name : {"", "Zürich-Kloten", "zürich -kloten", "Zürich -Kloten ", "Spezial: "}) {
        SCOPED_TRACE(name);
        k.KlimastationEinlesen("Davos");
        ASSERT_TRUE(k.Vorhanden());
        k.KlimastationEinlesen(name);
        EXPECT_FALSE(k.Vorhanden());
        EXPECT_EQ(k.Namen(), "");
        EXPECT_EQ(k.Meereshöhe(), 0);
        EXPECT_EQ(k.TaMin(), 0);
        EXPECT_EQ(k.Globalstrahlung_H()[0], 0);
        EXPECT_EQ(k.Globalstrahlung_N()[12], 0);
        EXPECT_EQ(k.MonatsTemperaturen(v), 1);
    }
}

TEST_F(Klimastation, Auslegungsfall) {
    Klimastation_MB2028 k;
    {
        AuslegungsfallAn an(-11.5);
        std::array<double, 13> v;
        v.fill(3);
        EXPECT_EQ(k.MonatsTemperaturen(v), 0);
        for (int m = 0; m < 12; ++m) EXPECT_EQ(v[m], -11.5);
        EXPECT_EQ(v[12], 3);
        double t = 0;
        EXPECT_EQ(k.JahresTemperatur(t), 0);
        EXPECT_EQ(t, -11.5);
        v.fill(3);
        EXPECT_EQ(k.Globalstrahlung(v, "irgendwas", 200), 0);
        for (int m = 0; m < 12; ++m) EXPECT_EQ(v[m], 0);
        EXPECT_EQ(v[12], 3);
        // The other members keep answering from the station.
        k.KlimastationEinlesen("Davos");
        EXPECT_EQ(k.Meereshöhe(), 1590);
        EXPECT_EQ(k.TaMin(), -13);
        EXPECT_EQ(k.Globalstrahlung_H()[12], 4793);
        EXPECT_EQ(k.MonatsTemperaturen(v), 0);
        EXPECT_EQ(v[0], -11.5);
    }
    std::array<double, 12> v{};
    EXPECT_EQ(k.MonatsTemperaturen(v), 0);
    EXPECT_EQ(v[0], -4.7); // the station's values again
}

TEST_F(Klimastation, BenutzerstationWirdGelesenUndGerundet) {
    auto zeilen = gültigeStation();
    zeilen[1] = "520.5 -9.5";                                                   // 520 and -10 (halves to even)
    zeilen[2] = "0.25 1.35 5.5 8.5 13.5 16.5 18.5 18.5 14.5 9.5 4.5 1.54 9.45"; // 0.2 1.4 ... 1.5 9.4
    zeilen[3] = "100.5 170 310 420 540 580 600 520 350 210 100 79.5";          // 100 ... 80
    zeilen.push_back("Zeilen nach der achten zählen nicht");
    stationSchreiben(zeilen);

    Klimastation_MB2028 k;
    std::vector<std::string> namen;
    ASSERT_EQ(k.AlleStationsnamen(namen), 41);
    ASSERT_EQ(namen.size(), 41u);
    EXPECT_EQ(namen[0], "Adelboden");
    EXPECT_EQ(namen[40], "Spezial: Zürich Hönggerberg");

    k.KlimastationEinlesen("Spezial: Zürich Hönggerberg");
    ASSERT_TRUE(k.Vorhanden());
    EXPECT_EQ(k.Meereshöhe(), 520);
    EXPECT_EQ(k.TaMin(), -10);
    std::array<double, 12> t{};
    k.MonatsTemperaturen(t);
    EXPECT_EQ(t[0], 0.2);
    EXPECT_EQ(t[1], 1.4);
    EXPECT_EQ(t[11], 1.5);
    double jahr = 0;
    k.JahresTemperatur(jahr);
    EXPECT_EQ(jahr, 9.4); // taken as written (rounded), not computed
    auto h = k.Globalstrahlung_H();
    EXPECT_EQ(h[0], 100);
    EXPECT_EQ(h[11], 80);
    EXPECT_EQ(h[12], 100 + 170 + 310 + 420 + 540 + 580 + 600 + 520 + 350 + 210 + 100 + 80);
    EXPECT_EQ(k.Globalstrahlung_E()[12], 60 + 100 + 190 + 240 + 300 + 320 + 330 + 300 + 190 + 110 + 60 + 50);
    EXPECT_EQ(k.Globalstrahlung_S()[0], 160);
    EXPECT_EQ(k.Globalstrahlung_W()[0], 80);
    EXPECT_EQ(k.Globalstrahlung_N()[0], 40);
    std::array<double, 12> g{};
    EXPECT_EQ(k.Globalstrahlung(g, "SE", 0), 0);
    EXPECT_DOUBLE_EQ(g[0], std::sqrt(160.0 * 60.0));

    // The built-in stations stay selectable beside it.
    k.KlimastationEinlesen("Sion");
    EXPECT_EQ(k.Meereshöhe(), 482);
    EXPECT_TRUE(testumgebung.meldungen.Gezeigt.empty());
}

TEST_F(Klimastation, BenutzerstationZeilenenden) {
    auto zeilen = gültigeStation();
    for (const std::string ende : {"\r", "\n", "\r\n"}) {
        SCOPED_TRACE(static_cast<int>(ende.size()));
        stationSchreiben(zeilen, ende);
        EXPECT_EQ(anzahl(), 41);
    }
    // The last line may end with the file.
    std::string bytes;
    for (std::size_t i = 0; i < zeilen.size(); ++i) bytes += Windows1252::AusUtf8(zeilen[i]) + (i < 7 ? "\r\n" : "");
    dateiSchreiben(bytes);
    EXPECT_EQ(anzahl(), 41);
    // A change of the file shows at the next listing.
    dateiSchreiben("");
    EXPECT_EQ(anzahl(), 40);
}

TEST_F(Klimastation, NameMitDreissigZeichen) {
    auto zeilen = gültigeStation();
    zeilen[0] = "Spezial: " + std::string("Ä") + std::string(29, 'x'); // 30 characters, 31 bytes in UTF-8
    stationSchreiben(zeilen);
    Klimastation_MB2028 k;
    std::vector<std::string> namen;
    ASSERT_EQ(k.AlleStationsnamen(namen), 41);
    EXPECT_EQ(namen[40], zeilen[0]);
    zeilen[0] = "Spezial: ";
    stationSchreiben(zeilen);
    EXPECT_EQ(anzahl(), 41);
}

TEST_F(Klimastation, UngueltigeBenutzerstationWirdAbgelehnt) {
    struct Fall {
        int Zeile;
        std::string Text;
    };
    const Fall fälle[] = {
        {0, "spezial: Name"},
        {0, "Spezial:Name"},
        {0, " Spezial: Name"},
        {0, "Spezial: " + std::string(31, 'x')},
        {0, "Spezial: " + std::string(30, 'x') + "ä"},
        {1, "520"},
        {1, "520 -9 3"},
        {1, "520  -9"},
        {1, " 520 -9"},
        {1, "520 -9 "},
        {1, "0 -9"},
        {1, "0.4 -9"},
        {1, "10000 -9"},
        {1, "520 -51"},
        {1, "520 50.6"},
        {1, "abc -9"},
        {1, "520 x"},
        {1, "520,5 -9"},
        {2, "0.5 1.5 5.5 8.5 13.5 16.5 18.5 18.5 14.5 9.5 4.5 1.5"},
        {2, "0.5 1.5 5.5 8.5 13.5 16.5 18.5 18.5 14.5 9.5 4.5 1.5 9.4 9.4"},
        {2, "0.5 1.5 5.5 8.5 13.5 16.5 18.5 18.5 14.5 9.5  4.5 1.5 9.4"},
        {2, "0.5 1.5 5.5 8.5 13.5 16.5 18.5 18.5 14.5 9.5 4.5 1.5 9.4\t"},
        {2, "50.06 1.5 5.5 8.5 13.5 16.5 18.5 18.5 14.5 9.5 4.5 1.5 9.4"},
        {2, "-51 1.5 5.5 8.5 13.5 16.5 18.5 18.5 14.5 9.5 4.5 1.5 9.4"},
        {2, "0,5 1,5 5,5 8,5 13,5 16,5 18,5 18,5 14,5 9,5 4,5 1,5 9,4"},
        {2, "0.5 1.5 5.5 8.5 13.5 16.5 18.5 18.5 14.5 9.5 4.5 1.5 9.4°C"},
        {3, "0 170 310 420 540 580 600 520 350 210 100 80"},
        {3, "0.4 170 310 420 540 580 600 520 350 210 100 80"},
        {3, "-5 170 310 420 540 580 600 520 350 210 100 80"},
        {4, "60 100 190 240 300 320 330 300 190 110 60 10000"},
        {5, "160 230 310 300 290 280 300 330 310 240 150 120 3040"},
        {6, "80 120 190 240 300 310 330 300 220 140 70"},
        {7, "40 60 90 120 160 180 180 140 100 70 40 1e400"},
        {7, "40 60 90 120 160 180 180 140 100 70 40 nan"},
        {7, ""},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.Text);
        auto zeilen = gültigeStation();
        zeilen[f.Zeile] = f.Text;
        stationSchreiben(zeilen);
        EXPECT_EQ(anzahl(), 40);
        Klimastation_MB2028 k;
        k.KlimastationEinlesen(zeilen[0]);
        EXPECT_FALSE(k.Vorhanden());
        k.KlimastationEinlesen("Lugano");
        EXPECT_TRUE(k.Vorhanden());
    }
    EXPECT_TRUE(testumgebung.meldungen.Gezeigt.empty());
}

TEST_F(Klimastation, UnlesbareBenutzerdatei) {
    // Missing, empty, too short, cut off in the middle of a row.
    EXPECT_EQ(anzahl(), 40);
    dateiSchreiben("");
    EXPECT_EQ(anzahl(), 40);
    auto zeilen = gültigeStation();
    std::string bytes;
    for (const auto& z : zeilen) bytes += Windows1252::AusUtf8(z) + "\r\n";
    dateiSchreiben(bytes.substr(0, bytes.size() / 2));
    EXPECT_EQ(anzahl(), 40);
    dateiSchreiben(bytes.substr(0, bytes.size() - 8));
    EXPECT_EQ(anzahl(), 40);
    dateiSchreiben(bytes);
    EXPECT_EQ(anzahl(), 41);

    // The wrong code page: UTF-8 with a non-ASCII name, UTF-8 with a byte
    // order mark, UTF-16.
    std::string utf8;
    for (const auto& z : zeilen) utf8 += z + "\r\n";
    dateiSchreiben(utf8);
    EXPECT_EQ(anzahl(), 40);
    dateiSchreiben("\xEF\xBB\xBF" + bytes);
    EXPECT_EQ(anzahl(), 40);
    std::string utf16 = "\xFF\xFE";
    for (char c : bytes) {
        utf16 += c;
        utf16 += '\0';
    }
    dateiSchreiben(utf16);
    EXPECT_EQ(anzahl(), 40);
    // A pure ASCII file in UTF-8 is the same as in Windows-1252.
    auto ascii = zeilen;
    ascii[0] = "Spezial: Zuerich";
    stationSchreiben(ascii);
    EXPECT_EQ(anzahl(), 41);

    // Binary rubbish, and a folder in place of the file.
    std::string müll;
    for (int i = 0; i < 5000; ++i) müll += static_cast<char>((i * 37) & 0xFF);
    dateiSchreiben(müll);
    EXPECT_EQ(anzahl(), 40);
    fs::remove(ordner / "KlSt-00.txt");
    fs::create_directory(ordner / "KlSt-00.txt");
    EXPECT_EQ(anzahl(), 40);
    EXPECT_TRUE(testumgebung.meldungen.Gezeigt.empty());
}

// The golden projects: every project file in tests/projects/ is opened as the
// main window opens a project, every zone is computed as the check of all
// zones computes it (load into the tables, compute, store), then the
// heating-demand result of the zone; the stored zone values must agree with
// the values of the project's expected file, which were worked out
// independently of the program (by hand, or by tests/projects/nachrechnen.py).
//
// Then the single-component proof is loaded as the main window hands it a
// project (its rules run) and stored into the project again.
//
// Expected file: one value per line, "ZONECODE KEY INDEX VALUE"; INDEX is "-"
// for a single number, m (0 to 12) for monthly values or for the total column
// of part-monthly values, "m,c" for a column of part-monthly values. "#" starts
// a comment line. ZONECODE "-" names a value of the project: a number, or a
// row list of the single-component proof ("EBBt", "EBWb") with INDEX "-" for
// its number of rows or "ROW,FIELD" (0-based) for a number of a stored row.
// Values agree within 0.0005.
#include "balance/Klimastation_MB2028.h"
#include "balance/frmQh.h"
#include "frame/Dateien.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_HiRi.h"
#include "project/ProjektGlobal.h"
#include "proofs/frmNachweis3801.h"
#include "proofs/frmNachweisEB.h"
#include "tests/support/Goldenprojekt.h"
#include "tests/support/Temppfad.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#ifndef ZIRVO_TESTDATEN
#error "ZIRVO_TESTDATEN must name the tests folder"
#endif

namespace {

namespace fs = std::filesystem;
using Testhilfe::AlleZonenBerechnen;
using Testhilfe::ProjektÖffnen;
using Testhilfe::Projektordner;

constexpr double Toleranz = 0.0005;

std::vector<std::string> Felder(std::string_view zeile) {
    std::vector<std::string> f;
    std::size_t i = 0;
    while (i < zeile.size()) {
        while (i < zeile.size() && (zeile[i] == ' ' || zeile[i] == '\t' || zeile[i] == '\r')) ++i;
        std::size_t j = i;
        while (j < zeile.size() && zeile[j] != ' ' && zeile[j] != '\t' && zeile[j] != '\r') ++j;
        if (j > i) f.emplace_back(zeile.substr(i, j - i));
        i = j;
    }
    return f;
}

std::optional<double> Zahl(std::string_view t) {
    double v = 0;
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || p != t.data() + t.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<int> Ganzzahl(std::string_view t) {
    int v = 0;
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || p != t.data() + t.size()) return std::nullopt;
    return v;
}

// The stored value of KEY with INDEX in the current zone, or why there is none.
std::optional<double> GespeicherterWert(const std::string& Schlüssel, const std::string& Index,
                                        std::string& warum) {
    const Projekt& P = Global::Projekt;
    const std::string text = P.ZGetStr(Schlüssel);
    if (text.empty()) {
        warum = "nicht gespeichert";
        return std::nullopt;
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (Index == "-") {
        if (text.find(';') != std::string::npos) {
            warum = "ist eine Zahlenliste, kein einzelner Wert";
            return std::nullopt;
        }
        return P.ZGetNum(Schlüssel);
    }
    const auto komma = Index.find(',');
    const auto m = Ganzzahl(std::string_view(Index).substr(0, komma));
    std::optional<int> c = 5;
    if (komma != std::string::npos) c = Ganzzahl(std::string_view(Index).substr(komma + 1));
    if (!m || !c || *m < 0 || *m > 12 || *c < 0 || *c > 5) {
        warum = "ungültiger Index '" + Index + "'";
        return std::nullopt;
    }
    double v = nan;
    if (text.find(':') != std::string::npos) {
        Monatstabelle t;
        for (auto& zeile : t) zeile.fill(nan);
        P.ZGetArr2(t, Schlüssel);
        v = t[static_cast<std::size_t>(*m)][static_cast<std::size_t>(*c)];
    } else if (komma == std::string::npos) {
        Monatsarray a;
        a.fill(nan);
        P.ZGetArr1(a, Schlüssel);
        v = a[static_cast<std::size_t>(*m)];
    } else {
        warum = "sind Monatswerte ohne Spalten";
        return std::nullopt;
    }
    if (std::isnan(v)) {
        warum = "gespeicherter Text ist keine Monatsliste";
        return std::nullopt;
    }
    return v;
}

// A number of the project itself ("-" as zone code), or why there is none.
std::optional<double> Projektwert(const std::string& Schlüssel, const std::string& Index, std::string& warum) {
    const Projekt& P = Global::Projekt;
    if (Schlüssel != "EBBt" && Schlüssel != "EBWb") {
        if (Index != "-") {
            warum = "ungültiger Index '" + Index + "'";
            return std::nullopt;
        }
        if (P.PGetStr(Schlüssel).empty()) {
            warum = "nicht gespeichert";
            return std::nullopt;
        }
        return P.PGetNum(Schlüssel);
    }
    const KollektionZeiger liste = P.PGetColl(Schlüssel);
    if (!liste) {
        warum = "nicht gespeichert";
        return std::nullopt;
    }
    if (Index == "-") return liste->Anzahl();
    const auto komma = Index.find(',');
    const auto zeile = Ganzzahl(std::string_view(Index).substr(0, komma));
    const auto feld = komma == std::string::npos ? std::nullopt : Ganzzahl(std::string_view(Index).substr(komma + 1));
    if (!zeile || !feld || *zeile < 0 || *feld < 0) {
        warum = "ungültiger Index '" + Index + "'";
        return std::nullopt;
    }
    const KollektionZeiger z = liste->Koll(*zeile + 1);
    if (!z) {
        warum = "keine Zeile " + std::to_string(*zeile);
        return std::nullopt;
    }
    const Kollektion::Wert* wert = z->Eintrag(*feld + 1);
    if (!wert || !std::holds_alternative<double>(*wert)) {
        warum = "kein Zahlenfeld " + std::to_string(*feld);
        return std::nullopt;
    }
    return std::get<double>(*wert);
}

// Compares every line of the expected text with the stored zone values of
// the open project. Every fault names the file and the line.
std::vector<std::string> Vergleichen(const std::string& dateiname, const std::string& erwartet, int& verglichen) {
    std::vector<std::string> fehler;
    Projekt& P = Global::Projekt;
    const std::int16_t vorher = P.GetNZone();
    std::istringstream ein(erwartet);
    std::string zeile;
    int nr = 0;
    while (std::getline(ein, zeile)) {
        ++nr;
        const std::string ort = dateiname + ":" + std::to_string(nr) + ": ";
        const auto f = Felder(zeile);
        if (f.empty() || f[0].front() == '#') continue;
        if (f.size() != 4) {
            fehler.push_back(ort + "vier Felder erwartet: '" + zeile + "'");
            continue;
        }
        const auto soll = Zahl(f[3]);
        if (!soll) {
            fehler.push_back(ort + "kein Zahlenwert: '" + f[3] + "'");
            continue;
        }
        std::string warum;
        std::optional<double> ist;
        if (f[0] == "-") {
            ist = Projektwert(f[1], f[2], warum);
        } else {
            std::int16_t zone = -1;
            for (std::int16_t i = 0; i < P.ZonenAnzahl() && zone < 0; ++i)
                if (P.Zone_GetStr(i, "Code") == f[0]) zone = i;
            if (zone < 0) {
                fehler.push_back(ort + "keine Zone mit dem Code '" + f[0] + "'");
                continue;
            }
            P.SetNZone(zone);
            ist = GespeicherterWert(f[1], f[2], warum);
        }
        if (!ist) {
            fehler.push_back(ort + f[0] + " " + f[1] + " " + f[2] + ": " + warum);
            continue;
        }
        ++verglichen;
        if (!(std::fabs(*ist - *soll) <= Toleranz)) {
            std::ostringstream s;
            s.precision(10);
            s << ort << f[0] << ' ' << f[1] << ' ' << f[2] << ": erwartet " << *soll << ", Programm " << *ist;
            fehler.push_back(s.str());
        }
    }
    P.SetNZone(vorher);
    return fehler;
}

// Opens, computes and compares one project; the faults, each naming its file.
std::vector<std::string> GoldenesProjektPrüfen(const fs::path& projekt, const fs::path& erwartungen, int& verglichen) {
    const auto text = Dateien::Lesen(erwartungen.string());
    if (!text) return {erwartungen.string() + ": kann nicht gelesen werden"};
    if (!fs::is_regular_file(projekt)) return {projekt.string() + ": fehlt"};
    const std::string fehlerÖffnen = ProjektÖffnen(projekt);
    if (!fehlerÖffnen.empty()) return {projekt.string() + ": " + fehlerÖffnen};
    std::vector<std::string> fehler;
    for (auto& f : AlleZonenBerechnen(Global::frmZIRVO3801)) fehler.push_back(projekt.string() + ": " + f);
    // The single-component proof as the window loads and stores it.
    Global::frmNachweisEB.Einlesen();
    bool fehlgeschlagen = false;
    Global::frmNachweisEB.Speichern(fehlgeschlagen);
    for (auto& f : Vergleichen(erwartungen.string(), *text, verglichen)) fehler.push_back(std::move(f));
    return fehler;
}

} // namespace

TEST(GoldeneProjekte, JedesProjektErgibtSeineErwartetenWerte) {
    std::vector<fs::path> projekte;
    for (const auto& e : fs::directory_iterator(Projektordner()))
        if (e.path().extension() == ".zirvo9" || e.path().extension() == ".expected")
            projekte.push_back(e.path().parent_path() / e.path().stem());
    std::sort(projekte.begin(), projekte.end());
    projekte.erase(std::unique(projekte.begin(), projekte.end()), projekte.end());
    ASSERT_GE(projekte.size(), 3u) << "zu wenige goldene Projekte in " << Projektordner();

    for (const auto& name : projekte) {
        SCOPED_TRACE(name.filename().string());
        Testhilfe::Zonenprojekt umgebung;
        fs::path datei = name, erwartet = name;
        datei += ".zirvo9";
        erwartet += ".expected";
        int verglichen = 0;
        for (const auto& f : GoldenesProjektPrüfen(datei, erwartet, verglichen)) ADD_FAILURE() << f;
        EXPECT_GT(verglichen, 0) << erwartet << ": keine Werte verglichen";
    }
}

// The comparison itself reports what is wrong with an expected file, with
// file and line: a zone code that does not exist, a key that was not stored,
// a wrong value, a malformed line; and a project file that is missing or
// cannot be read.
TEST(GoldeneProjekte, FehlerInDerErwartungNennenDateiUndZeile) {
    Testhilfe::Zonenprojekt umgebung;
    const fs::path ordner = Testhilfe::Temppfad("zirvo_goldene_projekte");
    fs::create_directories(ordner);
    const fs::path erwartet = ordner / "Fehler.expected";
    const std::string text = "# Kommentar\n"
                             "\n"
                             "A EBF - 100.0\n"
                             "X EBF - 100.0\n"
                             "A GibtEsNicht - 1\n"
                             "A EBF - 100.1\n"
                             "A Qh 12\n"
                             "A Qh 13 0\n"
                             "A QtA 12,0 18.5702\n"
                             "A EBF 3 1\n"
                             "- EBBt 0,3 1\n"
                             "- EB-EBF - 1\n";
    ASSERT_TRUE(Dateien::SicherSchreiben(erwartet.string(), text));

    int verglichen = 0;
    auto fehler = GoldenesProjektPrüfen(Projektordner() / "EinfacheZone.zirvo9", erwartet, verglichen);
    const std::string d = erwartet.string();
    ASSERT_EQ(fehler.size(), 8u);
    EXPECT_EQ(fehler[0], d + ":4: keine Zone mit dem Code 'X'");
    EXPECT_EQ(fehler[1], d + ":5: A GibtEsNicht -: nicht gespeichert");
    EXPECT_EQ(fehler[2].rfind(d + ":6: A EBF -: erwartet 100.1, Programm 100", 0), 0u) << fehler[2];
    EXPECT_EQ(fehler[3], d + ":7: vier Felder erwartet: 'A Qh 12'");
    EXPECT_EQ(fehler[4], d + ":8: A Qh 13: ungültiger Index '13'");
    EXPECT_EQ(fehler[5], d + ":10: A EBF 3: gespeicherter Text ist keine Monatsliste");
    EXPECT_EQ(fehler[6], d + ":11: - EBBt 0,3: keine Zeile 0");
    EXPECT_EQ(fehler[7].rfind(d + ":12: - EB-EBF -: erwartet 1, Programm 0", 0), 0u) << fehler[7];
    EXPECT_EQ(verglichen, 4);

    // A missing or unreadable project file and a missing expected file fail.
    fehler = GoldenesProjektPrüfen(ordner / "GibtEsNicht.zirvo9", erwartet, verglichen);
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_EQ(fehler[0], (ordner / "GibtEsNicht.zirvo9").string() + ": fehlt");
    const fs::path kaputt = ordner / "Kaputt.zirvo9";
    ASSERT_TRUE(Dateien::SicherSchreiben(kaputt.string(), "{SDF}{HEAD}kein Projekt"));
    fehler = GoldenesProjektPrüfen(kaputt, erwartet, verglichen);
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_NE(fehler[0].find("kann nicht gelesen werden"), std::string::npos) << fehler[0];
    fehler = GoldenesProjektPrüfen(Projektordner() / "EinfacheZone.zirvo9", ordner / "Fehlt.expected", verglichen);
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_EQ(fehler[0], (ordner / "Fehlt.expected").string() + ": kann nicht gelesen werden");
    fs::remove_all(ordner);
}

// The system proof of MehrereZonen (a conversion, so QH,li = 1.5 HgNw) shows
// every zone's QH and QH,li and the building's EBF-weighted means as the
// expected file has them, rounded to one decimal, with the verdicts on the
// shown values; the zone current before is current again.
TEST(GoldeneProjekte, SystemnachweisMehrereZonen) {
    Testhilfe::Zonenprojekt umgebung;
    const fs::path name = Projektordner() / "MehrereZonen";
    ASSERT_EQ(ProjektÖffnen(fs::path(name).replace_extension(".zirvo9")), "");
    const auto text = Dateien::Lesen(fs::path(name).replace_extension(".expected").string());
    ASSERT_TRUE(text);
    const auto zonen = Testhilfe::Einzelwerte(*text);
    ASSERT_EQ(zonen.size(), 3u);

    auto gezeigt = [](double x) { return std::round(x * 10) / 10; };
    auto prüfen = [&](const ListView::Zeile& zeile, double Qh, double Grenze) {
        EXPECT_DOUBLE_EQ(std::stod(zeile.Text(6)), gezeigt(Qh));
        EXPECT_DOUBLE_EQ(std::stod(zeile.Text(7)), gezeigt(Grenze));
        EXPECT_EQ(zeile.Text(8), gezeigt(Grenze) >= gezeigt(Qh) ? "Ja" : "Nein");
    };
    Global::Projekt.SetNZone(2);
    Global::frmNachweis3801.Form_Load();
    const auto& zeilen = Global::frmNachweis3801.lvwZonen.ListItems();
    ASSERT_EQ(zeilen.size(), zonen.size() + 2);
    double summe = 0, Qh = 0, Grenze = 0;
    for (std::size_t i = 0; i < zonen.size(); ++i) {
        SCOPED_TRACE(zonen[i].Code);
        auto z = zonen[i].Werte;
        prüfen(zeilen[i], z["QhNw"], 1.5 * z["HgNw"]);
        EXPECT_EQ(zeilen[i].Text(0), Global::Projekt.Zone_GetStr(static_cast<std::int16_t>(i), "Bez"));
        summe += z["EBF"];
        Qh += z["EBF"] * z["QhNw"];
        Grenze += z["EBF"] * 1.5 * z["HgNw"];
    }
    prüfen(zeilen.back(), Qh / summe, Grenze / summe);
    EXPECT_DOUBLE_EQ(std::stod(zeilen.back().Text(3)), gezeigt(summe));
    EXPECT_EQ(Global::Projekt.GetNZone(), 2);
}

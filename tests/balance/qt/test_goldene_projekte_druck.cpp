// The golden projects on paper: every project in tests/projects/ is printed
// as the whole system proof through the print dialog on the program's PDF
// printer, and the PDF is read back with pdftotext. The summary's energy
// balance must show every zone's heating demand QH and its limit as the
// expected file has them, rounded to one decimal as printed; the cover's
// verdict must be the one the expected values give.
#include "frame/Dateien.h"
#include "frame/Initialisierung.h"
#include "frame/basZIRVO3801.h"
#include "frame/qt/QtPlattform.h"
#include "printing/frmDrucken.h"
#include "project/ProjektGlobal.h"
#include "proofs/frmNachweis3801.h"
#include "tests/printing/Druckumgebung.h"
#include "tests/support/Goldenprojekt.h"
#include "tests/support/Zonenprojekt.h"
#include "tests/support/qt/Pdftext.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <regex>
#include <set>

namespace {

namespace fs = std::filesystem;

std::string RegexText(const std::string& s) {
    return std::regex_replace(s, std::regex(R"([.^$|()\[\]{}*+?\\])"), R"(\$&)");
}

double Zahl(const std::string& t) {
    double x = NAN;
    std::from_chars(t.data(), t.data() + t.size(), x);
    return x;
}

// A printed value agrees with an expected one when it is that value rounded
// to one decimal (the expected values are exact to 0.0005).
bool WieGedruckt(double gedruckt, double erwartet) { return std::fabs(gedruckt - erwartet) <= 0.05 + 0.0005; }

struct Erwartung {
    std::string Bez;
    int Gk = 0;
    double EBF = 0, Qh = 0, Grenze = 0, Ph = 0, PhGw = 0;
};

// The verdict of the cover from the expected values: the building's means
// weighted by the energy reference area, rounded as printed; the heat load
// counts for categories I to IV when the project is no conversion.
bool Erfüllt(const std::vector<Erwartung>& zonen, bool umbau) {
    double ebf = 0, qh = 0, grenze = 0, ebfIV = 0, ph = 0, phGw = 0;
    for (const Erwartung& z : zonen) {
        if (!(z.EBF > 0)) continue;
        ebf += z.EBF;
        qh += z.EBF * z.Qh;
        grenze += z.EBF * z.Grenze;
        if (z.Gk >= 1 && z.Gk <= 4) {
            ebfIV += z.EBF;
            ph += z.EBF * z.Ph;
            phGw += z.EBF * z.PhGw;
        }
    }
    const auto r = [](double x, double n) { return n > 0 ? basZIRVO3801::Runden(x / n, 1) : 0; };
    bool ok = r(qh, ebf) <= r(grenze, ebf);
    if (ebfIV > 0 && !umbau) ok = ok && r(ph, ebfIV) <= r(phGw, ebfIV);
    return ok;
}

} // namespace

TEST(GoldeneProjekte, SystemnachweisAlsPdf) {
    std::set<fs::path> projekte;
    for (const auto& e : fs::directory_iterator(Testhilfe::Projektordner()))
        if (e.path().extension() == ".zirvo9") projekte.insert(fs::path(e.path()).replace_extension());
    ASSERT_GE(projekte.size(), 3u);
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());

    for (const fs::path& name : projekte) {
        SCOPED_TRACE(name.filename().string());
        Testhilfe::Zonenprojekt umgebung;
        QtPlattform::QtDrucker drucker;
        Testhilfe::SkriptUmgebung uhr;
        Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, &uhr}};
        const Initialisierung alt = Global::Initialisierung;
        Testhilfe::Druckumgebung::Einstellungen(Plattform::PdfDrucker);

        ASSERT_EQ(Testhilfe::ProjektÖffnen(fs::path(name).replace_extension(".zirvo9")), "");
        const auto text = Dateien::Lesen(fs::path(name).replace_extension(".expected").string());
        ASSERT_TRUE(text);
        const Projekt& p = Global::Projekt;
        const int BvArt = p.PGetInt("BvArt"), NwAnf = p.PGetInt("NwAnf");
        // The expected values of the zones, in the order the project has them.
        std::vector<Erwartung> zonen(static_cast<std::size_t>(p.ZonenAnzahl()));
        int gefunden = 0;
        for (const auto& z : Testhilfe::Einzelwerte(*text)) {
            std::int16_t i = 0;
            while (i < p.ZonenAnzahl() && p.Zone_GetStr(i, "Code") != z.Code) ++i;
            ASSERT_LT(i, p.ZonenAnzahl()) << z.Code;
            auto w = z.Werte;
            zonen[static_cast<std::size_t>(i)] = {p.Zone_GetStr(i, "Bez"), static_cast<int>(p.Zone_GetNum(i, "Gk")),
                                                  w["EBF"], w["QhNw"],
                                                  frmNachweis3801::Grenzwert(w["HgNw"], BvArt, NwAnf), w["PhNw"],
                                                  w["PhNwGw"]};
            ++gefunden;
        }
        ASSERT_EQ(gefunden, p.ZonenAnzahl());

        const std::string pdf = ordner.filePath(QString::fromStdString(name.filename().string() + ".pdf")).toStdString();
        umgebung.umgebung.dateidialoge.Antworten.push_back(pdf);
        frmDrucken dialog;
        dialog.Form_Load();
        dialog.cmdDrucken_Click();
        ASSERT_NE(umgebung.umgebung.meldungen.Letzte(), nullptr);
        ASSERT_EQ(umgebung.umgebung.meldungen.Zuletzt().Text, "OK, Ausdruck abgeschlossen.");
        Global::Initialisierung = alt;

        const std::string gedruckt = Testhilfe::Pdf::Text(pdf);
        const auto seiten = Testhilfe::Pdf::Seiten(gedruckt);
        ASSERT_GE(seiten.size(), 3u) << gedruckt;
        // The summary's energy balance: one row per zone, its last two
        // numbers QH and the limit.
        const std::size_t von = gedruckt.find("Energiebilanz mit");
        const std::size_t bis = gedruckt.find("Heizlast mit", von);
        ASSERT_NE(von, std::string::npos);
        ASSERT_NE(bis, std::string::npos);
        const std::string bilanz = gedruckt.substr(von, bis - von);
        auto ab = bilanz.cbegin();
        for (const Erwartung& z : zonen) {
            SCOPED_TRACE(z.Bez);
            std::smatch m;
            const std::regex zeile("\\n\\s*" + RegexText(z.Bez) +
                                   R"((?:\s+-?\d+\.\d+){5}\s+(-?\d+\.\d)\s+(-?\d+\.\d)[ \t]*(?=\n))");
            ASSERT_TRUE(std::regex_search(ab, bilanz.cend(), m, zeile)) << bilanz;
            ab = m[0].second;
            EXPECT_PRED2(WieGedruckt, Zahl(m[1]), z.Qh);
            EXPECT_PRED2(WieGedruckt, Zahl(m[2]), z.Grenze);
        }
        // The verdict on the cover of a proof.
        if (p.PGetInt("ArtB") != 0) continue;
        std::smatch m;
        ASSERT_TRUE(std::regex_search(seiten[0], m, std::regex(R"((☒|☐)\s+erfüllt\s+(☒|☐)\s+nicht erfüllt)")))
            << seiten[0];
        const bool erfüllt = Erfüllt(zonen, BvArt == 1 || BvArt == 3);
        EXPECT_EQ(m[1].str(), erfüllt ? "☒" : "☐");
        EXPECT_EQ(m[2].str(), erfüllt ? "☐" : "☒");
    }
}

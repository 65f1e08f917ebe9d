// Printed tables read back from real PDFs (pdftotext -bbox) in several
// faces and sizes: the zone protocol's table of windows and doors keeps
// each head and value in its column, parted from the next column by more
// than the space between two words; and no text of the system proof comes
// near a drawn line, beside, above or below it (where a column line stops
// and resumes around a label on its white fill, too).
#include "balance/Anzeigezahl.h"
#include "frame/Initialisierung.h"
#include "frame/qt/QtDruckflaeche.h"
#include "printing/Druckraster.h"
#include "printing/frmDrucken.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Grenzprojekte.h"
#include "tests/support/Projektbeschreibung.h"
#include "tests/support/qt/Lesbarkeit.h"
#include "tests/support/qt/Pdfdruck.h"
#include "tests/support/qt/Pdftext.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>

namespace {

using namespace Testhilfe::Pdf;

struct Einstellung {
    const char* schrift;
    double grösse;
    double rand; // cm all round; < 0 the margins of a fresh install
    std::string Name() const {
        return std::string(schrift) + " " + Anzeigezahl::Zahltext(grösse) + " pt" +
               (rand < 0 ? "" : " at " + Anzeigezahl::Zahltext(rand) + " cm");
    }
    // Puts the setting into the print settings; false (and says so) where
    // fontconfig lacks the face, which only the sanitizer pass may.
    bool Setzen() const {
        if (std::string(schrift) != "Arial" &&
            QFontInfo(QtDruckfläche::Druckfont({schrift, grösse, false})).family().toStdString() != schrift) {
            EXPECT_NE(std::getenv("FONTCONFIG_FILE"), nullptr) << "the test needs the faces of scripts/install-deps.sh";
            std::cout << "[ SKIPPED  ] " << Name() << ": not a face of this fontconfig\n";
            return false;
        }
        Initialisierung& ini = Global::Initialisierung;
        ini.DruckerSchrift = schrift;
        ini.DruckerSchriftgrösse = static_cast<float>(grösse);
        if (rand >= 0)
            ini.DruckerRandLinks = ini.DruckerRandOben = ini.DruckerRandRechts = ini.DruckerRandUnten =
                static_cast<float>(rand);
        return true;
    }
    // The width of a blank in the face, regular or bold, pt.
    double Leerschlag() const {
        auto f = QtDruckfläche::Messung();
        double b = 0;
        for (bool fett : {false, true}) {
            f->Schrift({schrift, grösse, fett});
            b = std::max(b, f->Textbreite(" ") * Pt);
        }
        return b;
    }
};

// A printed text: one or more words of a line (a subscript is a word of
// its own), their blanks left out, and its room.
struct Text {
    std::string text;
    double x1, x2;
};

// The lines of a page from top to bottom, each a list of words from left to
// right: a word belongs to the line whose first word's box holds its middle
// (so a subscript to the line it hangs from).
std::vector<std::vector<const Wort*>> Zeilen(const std::vector<Wort>& wörter, int seite) {
    std::vector<const Wort*> ws;
    for (const Wort& w : wörter)
        if (w.Seite == seite) ws.push_back(&w);
    std::stable_sort(ws.begin(), ws.end(), [](const Wort* a, const Wort* b) { return a->yMin < b->yMin; });
    std::vector<std::vector<const Wort*>> zeilen;
    for (const Wort* w : ws) {
        const double mitte = (w->yMin + w->yMax) / 2;
        auto z = std::find_if(zeilen.begin(), zeilen.end(),
                              [&](const auto& z) { return z.front()->yMin <= mitte && mitte <= z.front()->yMax; });
        if (z == zeilen.end()) zeilen.push_back({w});
        else z->push_back(w);
    }
    for (auto& z : zeilen)
        std::sort(z.begin(), z.end(), [](const Wort* a, const Wort* b) { return a->xMin < b->xMin; });
    return zeilen;
}

// The words of a line read from left to right as texts, a text ending where
// ganz says the words so far make one; what is left over is the last text.
std::vector<Text> Lesen(const std::vector<const Wort*>& zeile, const std::function<bool(const std::string&)>& ganz) {
    std::vector<Text> texte;
    bool offen = false;
    for (const Wort* w : zeile) {
        if (!offen) texte.push_back({"", w->xMin, 0});
        texte.back().text += w->Text;
        texte.back().x2 = w->xMax;
        offen = !ganz(texte.back().text);
    }
    return texte;
}

TEST(PdfSpalten, FenstertabelleKoepfeUndWerteInIhrenSpalten) {
    // The columns of the table, left to right.
    enum Spalte { C, Bez, Fläche, Nr, U, H, Orientierung, g, ff, fS1, fS23, Keine };
    // The heads, each with its column; a head in brackets is a unit, which
    // may be wider than its column's values (the U-value's reaches over the
    // item numbers), the others name their columns. The units "[-]" are
    // those of g, ff, fS1 and fS2,3 from left to right.
    const std::map<std::string, Spalte> köpfe = {
        {"Bauteil/Wärmebrücke", Keine}, {"C", C}, {"Text", Bez}, {"Fläche", Fläche}, {"[m²]", Fläche}, {"#", Nr},
        {"U", U}, {"[W/m²K]", U}, {"H", H}, {"Orientie-", Orientierung}, {"rung", Orientierung}, {"g", g},
        {"ff", ff}, {"fS1", fS1}, {"fS2,3", fS23}, {"[-]", g}};
    // The rows of "F_" (code, designation, area, item, U, H, orientation,
    // tilt, g, frame factor, fS1, fS2,3; g and the frame factor come from
    // the item) and the values each prints, column by column ("" none).
    const struct {
        std::vector<Kollektion::Wert> zelle;
        std::vector<std::string> werte;
    } zeilen[] = {
        {{"F", "Fenster", 1.5, 1.0, 0.0, "", "S", 0.0, 0.0, 0.0, "15", "45"},
         {"F", "Fenster", "1.5", "1", "0.92", "", "S", "0.50", "0.70", "15", "45"}},
        {{"F", "Dachfenster", 12.5, 12.0, 0.0, "", "SW", 30.0, 0.0, 0.0, "20", "15,30"},
         {"F", "Dachfenster", "12.5", "12", "1.10", "", "SW,30°", "0.60", "0.75", "20", "15,30"}},
        {{"T", "Tür", 2.2, 0.0, 1.5, "", "W", 0.0, 0.0, 0.0, "-", "-"},
         {"T", "Tür", "2.2", "", "1.50", "", "W", "", "", "-", "-"}},
        {{"F", "Fenster", 3.0, 12.0, 0.0, "", "N", 0.0, 0.0, 0.0, "-", "30"},
         {"F", "Fenster", "3.0", "12", "1.10", "", "N", "0.60", "0.75", "-", "30"}},
    };
    const Einstellung fälle[] = {
        {"Arial", 9, -1},            // a fresh install
        {"Arial", 10.5, 0},          // the largest Arial, no margins
        {"DejaVu Sans", 7, -1},      // wider digits
        {"Liberation Serif", 9, -1}, // a serif face, its blank narrow
        {"FreeSans", 11, 0},
    };
    Testhilfe::Pdfdruck d("pdf_spalten", 1767225600 + 10 * 3600);
    d.z.FensterAnlegen(1, 0.92, 0.5, 0.7, "Fenster Holz");
    d.z.FensterAnlegen(12, 1.1, 0.6, 0.75, "Dachfenster");
    d.z.EBFSetzen(120);
    auto f = Kollektion::Neu();
    for (const auto& z : zeilen) {
        auto zeile = Kollektion::Neu();
        for (const Kollektion::Wert& w : z.zelle) zeile->WertHinzufügen(w);
        f->Hinzufügen(zeile);
    }
    d.z.P.ZSetColl(f, "F_");
    int nr = 0;
    for (const Einstellung& e : fälle) {
        SCOPED_TRACE(e.Name());
        if (!e.Setzen()) continue;
        const std::string pdf = d.Ziel("Fenster" + std::to_string(++nr) + ".pdf");
        d.z.umgebung.meldungen.Gezeigt.clear();
        ASSERT_EQ(Testhilfe::SystemnachweisDrucken(d.z.umgebung, 7, "1", false), "OK, Ausdruck abgeschlossen.");
        const std::vector<Wort> wörter = Wörter(pdf);
        const auto kopf = std::find_if(wörter.begin(), wörter.end(), [](const Wort& w) { return w.Text == "Orientie-"; });
        ASSERT_NE(kopf, wörter.end());
        const std::vector<std::vector<const Wort*>> seite = Zeilen(wörter, kopf->Seite);
        const auto oben = std::find_if(seite.begin(), seite.end(),
                                       [&](const auto& z) { return std::find(z.begin(), z.end(), &*kopf) != z.end(); });
        ASSERT_GE(seite.end() - oben, static_cast<std::ptrdiff_t>(2 + std::size(zeilen)));
        const double blank = e.Leerschlag();
        // The texts of a line, each parted from the next by more than a blank.
        const auto getrennt = [&](const std::vector<Text>& texte) {
            for (std::size_t k = 0; k + 1 < texte.size(); ++k)
                EXPECT_GT(texte[k + 1].x1 - texte[k].x2, blank)
                    << "«" << texte[k].text << "» and «" << texte[k + 1].text << "» run together";
        };
        // The two head lines, in whichever of them a head stands.
        std::map<Spalte, std::vector<Text>> namen, eigene; // its names; its names and units
        for (int k = 0; k < 2; ++k) {
            const std::vector<Text> texte = Lesen(oben[k], [&](const std::string& t) { return köpfe.count(t) > 0; });
            getrennt(texte);
            int einheit = g;
            for (const Text& t : texte) {
                ASSERT_TRUE(köpfe.count(t.text)) << "a head line reads «" << t.text << "»";
                const Spalte s = t.text == "[-]" ? static_cast<Spalte>(einheit++) : köpfe.at(t.text);
                eigene[s].push_back(t);
                if (t.text[0] != '[') namen[s].push_back(t);
            }
        }
        // The rows: each value in its column, clear of the names of the
        // columns beside it.
        for (std::size_t i = 0; i < std::size(zeilen); ++i) {
            SCOPED_TRACE("row " + std::to_string(i + 1));
            std::vector<std::string> werte;
            std::vector<Spalte> spalten;
            for (int s = C; s < Keine; ++s)
                if (const std::string& w = zeilen[i].werte[static_cast<std::size_t>(s)]; !w.empty()) {
                    werte.push_back(w);
                    spalten.push_back(static_cast<Spalte>(s));
                }
            std::size_t n = 0;
            const std::vector<Text> texte = Lesen(oben[2 + static_cast<std::ptrdiff_t>(i)], [&](const std::string& t) {
                if (n >= werte.size() || t.size() < werte[n].size()) return false;
                ++n;
                return true;
            });
            std::vector<std::string> gelesen;
            for (const Text& t : texte) gelesen.push_back(t.text);
            ASSERT_EQ(gelesen, werte);
            getrennt(texte);
            for (std::size_t k = 0; k < texte.size(); ++k) {
                const Text& t = texte[k];
                const Spalte s = spalten[k];
                // Under a head of its column, or right of it (a number that
                // ends where its column ends), never left of its heads.
                EXPECT_TRUE(std::any_of(eigene[s].begin(), eigene[s].end(), [&](const Text& h) { return h.x1 < t.x2; }))
                    << "«" << t.text << "» stands left of its heads";
                for (const int b : {s - 1, s + 1})
                    for (const Text& h : b < C ? std::vector<Text>{} : namen[static_cast<Spalte>(b)])
                        EXPECT_TRUE(t.x2 + blank < h.x1 || h.x2 + blank < t.x1)
                            << "«" << t.text << "» stands under «" << h.text << "»";
            }
        }
    }
}

TEST(PdfSpalten, KeinTextBeruehrtEineLinie) {
    // FreeSans at 11 pt without margins: its labels fill their rows, and
    // brackets such as that of "[m²]" reach to the top and foot of a line.
    const Einstellung fälle[] = {
        {"FreeSans", 11, 0},
        {"FreeSans", 9, -1},
        {"Liberation Serif", 9, -1},
    };
    Testhilfe::Pdfdruck d("pdf_linien", 1767225600 + 10 * 3600);
    AufzeichnenderDrucker drucker;
    Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, &d.umgebung}};
    Testhilfe::MaximalprojektAnlegen(d.z);
    int nr = 0;
    for (const Einstellung& e : fälle) {
        SCOPED_TRACE(e.Name());
        if (!e.Setzen()) continue;
        const std::string pdf = d.Ziel("Linien" + std::to_string(++nr) + ".pdf");
        d.z.umgebung.meldungen.Gezeigt.clear();
        ASSERT_EQ(Testhilfe::SystemnachweisDrucken(d.z.umgebung, 0, "1", false), "OK, Ausdruck abgeschlossen.");
        const Druckraster::Raster r =
            Druckraster::Seite(Druckeinstellungen::Gelesen(Global::Initialisierung), false, 21, 29.7);
        EXPECT_EQ(Mängel(pdf, Wörter(pdf), drucker.Striche, r), std::vector<std::string>{});
    }
}

} // namespace

// The whole system proof of the project at the program's maxima printed on
// the program's PDF printer over a grid of print settings (font sizes,
// margins, rows by font height, the file name below the cover, portrait and,
// with the energy table, landscape), each page read back word by word
// (pdftotext -bbox) with the rules and fills the printout drew: a setting
// the program accepts prints a legible proof (no two words overprint, no two
// numbers run together, no word outside the frame or crossed by a rule, the
// cover whole on page 1, every key row there), and so do the single-
// component proof, the test page and the material list; one it cannot lay
// out legibly is refused before printing, with a message naming the largest
// size that fits, and never ends with "OK".
#include "balance/Anzeigezahl.h"
#include "components/Baustoff.h"
#include "frame/Initialisierung.h"
#include "printing/Druckauftraege.h"
#include "printing/Druckraster.h"
#include "printing/ZIRVO3801Drucken.h"
#include "printing/frmDrucken.h"
#include "tests/support/Grenzprojekte.h"
#include "tests/support/qt/Pdfdruck.h"
#include "tests/support/qt/Pdftext.h"
#include "tests/support/qt/Regeldrucker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>

namespace {

using namespace Testhilfe::Pdf;

constexpr double Eps = 0.05;     // pt: what rounding may leave between boxes that meet

bool Schneiden(double a1, double a2, double b1, double b2) { return std::min(a2, b2) - std::max(a1, b1) > Eps; }

// A word of one character (UTF-8).
bool Einzeln(const std::string& t) {
    return !t.empty() && t.size() <= 4 && std::count_if(t.begin(), t.end(), [](char c) { return (c & 0xC0) != 0x80; }) == 1;
}

// Where a printout is not legible, one line each (the first few of a kind).
// zeichentafel: the test page, whose tables of single characters come from
// faces the system substitutes; their boxes are those faces', so two such
// characters are not held against each other.
std::vector<std::string> Mängel(const std::vector<Wort>& wörter, const std::vector<Strich>& striche,
                                const Druckraster::Raster& r, bool zeichentafel = false) {
    std::vector<std::string> m;
    std::map<std::string, int> zahl;
    const auto mangel = [&](const std::string& art, const std::string& text) {
        if (++zahl[art] <= 5) m.push_back(art + ": " + text);
    };
    const auto wo = [](const Wort& w) {
        return "p. " + std::to_string(w.Seite) + " \"" + w.Text + "\" (" + std::to_string(w.xMin) + ", " +
               std::to_string(w.yMin) + ")";
    };
    // The frame: the boxes end half a cell inside the grid, whose right
    // edge only the page head's page number reaches.
    const double zelle = r.Breite / r.Spalten;
    const double links = r.Links * Pt, rechts = (r.Links + r.Breite - zelle / 2) * Pt;
    const double oben = r.Oben * Pt, unten = (r.Oben + r.Höhe) * Pt;
    static const std::regex zusammen(R"(\d\.\d+\.\d|\d\[)"), datum(R"(\d{1,2}\.\d{1,2}\.\d{2,4})");
    std::map<int, std::vector<const Wort*>> seiten;
    for (const Wort& w : wörter) seiten[w.Seite].push_back(&w);
    for (const auto& [seite, ws] : seiten) {
        for (std::size_t i = 0; i < ws.size(); ++i) {
            const Wort& a = *ws[i];
            const bool kopf = a.yMin < oben + zelle * Pt;
            if (a.xMin < links - 0.5 || a.yMin < oben - 0.5 || a.yMax > unten + 0.5 ||
                a.xMax > (kopf ? (r.Links + r.Breite) * Pt : rechts) + 0.5)
                mangel("outside the frame", wo(a));
            if (std::regex_search(a.Text, zusammen) && !std::regex_match(a.Text, datum))
                mangel("numbers run together", wo(a));
            for (std::size_t j = i + 1; j < ws.size(); ++j) {
                const Wort& b = *ws[j];
                if (zeichentafel && Einzeln(a.Text) && Einzeln(b.Text)) continue;
                if (Schneiden(a.xMin, a.xMax, b.xMin, b.xMax) && Schneiden(a.yMin, a.yMax, b.yMin, b.yMax))
                    mangel("overprinted", wo(a) + " and " + wo(b));
            }
        }
        for (const Strich& s : striche) {
            if (s.Seite != seite || s.Weiss) continue;
            for (const Wort* w : ws) {
                const bool quer = s.y2 - s.y1 < s.x2 - s.x1;
                const double d = s.Breite / 2;
                const bool gekreuzt = quer ? s.y1 + d > w->yMin + Eps && s.y1 - d < w->yMax - Eps &&
                                                 Schneiden(s.x1, s.x2, w->xMin, w->xMax)
                                           : s.x1 + d > w->xMin + Eps && s.x1 - d < w->xMax - Eps &&
                                                 Schneiden(s.y1, s.y2, w->yMin, w->yMax);
                // A label on a white fill drawn after the rule covers it.
                if (gekreuzt && std::none_of(striche.begin() + static_cast<std::ptrdiff_t>(s.Nr), striche.end(),
                                             [&](const Strich& f) {
                                                 return f.Weiss && f.Seite == seite && f.x1 <= w->xMin + 1 &&
                                                        f.x2 >= w->xMax - 1 && f.y1 <= w->yMin + 1 &&
                                                        f.y2 >= w->yMax - 1;
                                             }))
                    mangel("crossed by a rule", wo(*w));
            }
        }
    }
    return m;
}

// How often each word stands in the printout.
std::map<std::string, int> Zählen(const std::vector<Wort>& wörter, int seite = 0) {
    std::map<std::string, int> n;
    for (const Wort& w : wörter)
        if (seite == 0 || w.Seite == seite) ++n[w.Text];
    return n;
}

TEST(PdfRaster, LesbarOderAbgelehnt) {
    struct Fall {
        const char* was;
        double grösse, links, oben, rechts, unten;
        bool zeilenNachSchrift, dateiname, quer;
        double grösste; // 0: it prints; else refused, naming this size (-1: none)
    } fälle[] = {
        // The first is the reference: every other printout has its key rows.
        {"fresh install: the largest size for its margins", 9, 3, 1.5, 1.5, 1.5, false, true, false, 0},
        {"9.5 pt: the digits too wide", 9.5, 3, 1.5, 1.5, 1.5, false, true, false, 9},
        {"12 pt, the review's choice", 12, 3, 1.5, 1.5, 1.5, false, false, false, 9},
        {"by font height: 70 rows", 9, 3, 1.5, 1.5, 1.5, true, true, false, 0},
        {"no side margins: 9.5 pt, its lines fill the rows", 9.5, 0, 1.5, 0, 1.5, false, true, false, 0},
        {"no side margins: 10 pt, its lines too tall", 10, 0, 1.5, 0, 1.5, false, true, false, 9.5},
        {"no side margins: 10 pt by font height, 63 rows", 10, 0, 1.5, 0, 1.5, true, true, false, 9.5},
        {"no margins: 10.5 pt, the largest in portrait", 10.5, 0, 0, 0, 0, false, false, false, 0},
        {"no margins: 11 pt", 11, 0, 0, 0, 0, false, false, false, 10.5},
        {"11 pt by font height: 64 rows hold the cover", 11, 0, 0, 0, 0, true, false, false, 0},
        {"... but not the file name below it", 11, 0, 0, 0, 0, true, true, false, 10.5},
        {"6 pt by font height: 117 rows", 6, 0, 0, 0, 0, true, true, false, 0},
        {"6 cm all round: nothing fits", 6, 6, 6, 6, 6, false, false, false, -1},
        {"4.7 cm left: the digits fill 86 % of a cell", 9, 4.7, 0, 0, 0, false, true, false, 0},
        {"5.1 cm left: the digits fill 88 % of a cell, the edge", 9, 5.1, 0, 0, 0, false, true, false, 0},
        {"4.7 cm left: 9.5 pt too wide", 9.5, 4.7, 0, 0, 0, false, true, false, 9},
        {"15 pt", 15, 0, 0, 0, 0, false, false, false, 10.5},
        {"2.1 cm top and bottom: portrait", 9, 3, 2.1, 1.5, 2.1, false, true, false, 0},
        {"2.1 cm top and bottom: landscape, too narrow", 9, 3, 2.1, 1.5, 2.1, false, false, true, 8.5},
        {"landscape: the energy table", 9, 3, 1.5, 1.5, 1.5, false, false, true, 0},
    };
    Testhilfe::Pdfdruck d("pdf_raster", 1767225600 + 10 * 3600);
    AufzeichnenderDrucker drucker;
    Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, &d.umgebung}};
    const std::vector<std::string> schlüssel = Testhilfe::MaximalprojektAnlegen(d.z);
    // Saved, so that the cover can print the file's name below its frame.
    ASSERT_EQ(d.z.P.ProjektSpeichern(d.ordner.Datei("Grenze.zirvo9")), 0);
    Baustoff baustoffe;
    const std::string vorlage = d.ordner.Datei("Baustoff.dbk");
    std::filesystem::copy_file(std::filesystem::path(ZIRVO_TESTDATEN) / ".." / "components" / "Baustoff.dbi", vorlage);
    ASSERT_TRUE(baustoffe.DBOpen(vorlage));
    std::map<std::string, int> schlüsselzahl, deckblatt;
    int nr = 0;
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.was);
        Initialisierung& ini = Global::Initialisierung;
        ini.DruckerSchriftgrösse = static_cast<float>(c.grösse);
        ini.DruckerRandLinks = static_cast<float>(c.links);
        ini.DruckerRandOben = static_cast<float>(c.oben);
        ini.DruckerRandRechts = static_cast<float>(c.rechts);
        ini.DruckerRandUnten = static_cast<float>(c.unten);
        const std::string pdf = d.Ziel("Raster" + std::to_string(++nr) + ".pdf");
        d.z.umgebung.meldungen.Gezeigt.clear();
        std::string meldung;
        if (c.quer) {
            frmDrucken rechnen;
            ASSERT_FALSE(rechnen.AlleZonenBerechnen());
            if (Druckaufträge::Energien()) meldung = "OK";
        } else {
            frmDrucken dialog;
            dialog.Form_Load();
            dialog.optAusdruck_Click(0);
            dialog.chkADGD.setValue(c.zeilenNachSchrift ? 1 : 0);
            dialog.chkDateiname.setValue(c.dateiname ? 1 : 0);
            dialog.cmdDrucken_Click();
        }
        if (const auto* m = d.z.umgebung.meldungen.Letzte()) meldung = m->Text;
        if (c.grösste != 0) {
            // Refused before a file is asked for: no file, no "OK".
            EXPECT_EQ(meldung.rfind("Die Schrift Arial in " + Anzeigezahl::Zahltext(c.grösse) + " pt passt nicht", 0),
                      0u)
                << meldung;
            EXPECT_NE(meldung.find(c.grösste > 0 ? "höchstens in " + Anzeigezahl::Zahltext(c.grösste) + " pt."
                                                 : std::string("in keiner Grösse")),
                      std::string::npos)
                << meldung;
            EXPECT_EQ(d.z.umgebung.dateidialoge.Antworten.size(), 1u);
            d.z.umgebung.dateidialoge.Antworten.clear();
            EXPECT_FALSE(std::filesystem::exists(pdf));
            continue;
        }
        ASSERT_EQ(meldung, c.quer ? "OK" : "OK, Ausdruck abgeschlossen.");
        const std::vector<Wort> wörter = Wörter(pdf);
        ASSERT_FALSE(wörter.empty());
        const Druckeinstellungen::Werte w = Druckeinstellungen::Gelesen(ini);
        const Druckraster::Raster r = Druckraster::Seite(w, c.quer, c.quer ? 29.7 : 21, c.quer ? 21 : 29.7);
        EXPECT_EQ(Mängel(wörter, drucker.Striche, r), std::vector<std::string>{});
        if (c.quer) {
            EXPECT_EQ(wörter.back().Seite, 1);
            EXPECT_EQ(Zählen(wörter)["Heizwärmebedarf"], 1);
            continue;
        }
        // The cover whole on page 1, its file name below it when asked for;
        // every key row, every entry of the lists, as often as at the
        // settings of a fresh install.
        std::map<std::string, int> seite1 = Zählen(wörter, 1), alle = Zählen(wörter);
        const std::string datei = d.ordner.Datei("Grenze.zirvo9");
        EXPECT_EQ(seite1[datei], c.dateiname ? 1 : 0);
        seite1.erase(datei);
        if (deckblatt.empty()) deckblatt = seite1;
        EXPECT_EQ(seite1, deckblatt);
        for (const std::string& k : schlüssel) {
            if (!schlüsselzahl.count(k)) schlüsselzahl[k] = alle[k];
            EXPECT_EQ(alle[k], schlüsselzahl[k]) << k;
        }
        for (const char* zeile : {"Flächenanteil", "b-Wert", "Gebäudehüllzahl", "Systemanforderung", "Unterschrift",
                                  "Heizwärmebedarf", "Ende"}) {
            if (!schlüsselzahl.count(zeile)) schlüsselzahl[zeile] = alle[zeile];
            EXPECT_EQ(alle[zeile], schlüsselzahl[zeile]) << zeile;
        }
        // The other printouts upright (with rows as the layout has them):
        // the single-component proof, the test page, the material list of
        // the template.
        if (c.zeilenNachSchrift) continue;
        const auto bericht = [&](const char* name, auto&& drucken) {
            SCOPED_TRACE(name);
            const std::string datei = d.Ziel(name + std::to_string(nr) + ".pdf");
            ZIRVO3801Drucken b;
            ASSERT_TRUE(b.Initialisieren(false, false));
            b.SetzeUhrzeit();
            drucken(b);
            ASSERT_TRUE(b.Beenden());
            EXPECT_EQ(Mängel(Wörter(datei), drucker.Striche, r, std::string(name) == "Testseite"),
                      std::vector<std::string>{});
        };
        bericht("Einzelbauteile", [](ZIRVO3801Drucken& b) {
            bool failed = false;
            b.DruckBeginn(true);
            b.Nachweis_Einzelbauteil(failed);
            EXPECT_FALSE(failed);
        });
        bericht("Testseite", [](ZIRVO3801Drucken& b) { b.TestseiteDrucken(); });
        bericht("Baustoffe", [&](ZIRVO3801Drucken& b) {
            bool failed = false;
            b.Baustoffliste(baustoffe, failed);
            EXPECT_FALSE(failed);
        });
    }
    baustoffe.DBClose();
}

} // namespace

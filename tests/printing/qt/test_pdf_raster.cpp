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
#include "tests/support/qt/Lesbarkeit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>

namespace {

using namespace Testhilfe::Pdf;

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
        EXPECT_EQ(Mängel(pdf, wörter, drucker.Striche, r), std::vector<std::string>{});
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
            EXPECT_EQ(Mängel(datei, Wörter(datei), drucker.Striche, r), std::vector<std::string>{});
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

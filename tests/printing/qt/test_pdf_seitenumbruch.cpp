// Projects at the limits printed whole on the program's own PDF printer and
// read back word by word (pdftotext -bbox): the list of single components
// holds every entry once and every section heading, going on over pages
// with its title "(Fortsetzung)"; no word of any page lies below the bottom
// margin or right of the boxes' frame. And the material list of an empty
// database is a page that says so, not an "OK" without a file.
#include "components/Baustoff.h"
#include "printing/Druckauftraege.h"
#include "tests/support/Grenzprojekte.h"
#include "tests/support/qt/Pdfdruck.h"
#include "tests/support/qt/Pdftext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

namespace {

using namespace Testhilfe::Pdf;

constexpr double Pt = 72 / 2.54; // pt per cm

// The PDF printer with the settings of a fresh install (margins 3, 1.5, 1.5,
// 1.5 cm; 79 x 66 cells).
struct PdfDrucker : Testhilfe::Pdfdruck {
    PdfDrucker() : Pdfdruck("pdf_seitenumbruch", 1767225600 + 10 * 3600) {}
};

// The words of the pages from the first word `von` up to the first word
// `bis` after it, in the order of page, row and column.
std::vector<Wort> Abschnitt(std::vector<Wort> w, const std::string& von, const std::string& bis) {
    std::stable_sort(w.begin(), w.end(), [](const Wort& a, const Wort& b) {
        if (a.Seite != b.Seite) return a.Seite < b.Seite;
        if (std::abs(a.yMin - b.yMin) > 2) return a.yMin < b.yMin;
        return a.xMin < b.xMin;
    });
    const auto a = std::find_if(w.begin(), w.end(), [&](const Wort& x) { return x.Text == von; });
    const auto e = std::find_if(a, w.end(), [&](const Wort& x) { return x.Text == bis; });
    return {a, e};
}

std::string Zusammen(const std::vector<Wort>& w) {
    std::string s;
    for (const Wort& x : w) s += (s.empty() ? "" : " ") + x.Text;
    return s;
}

TEST(PdfSeitenumbruch, GrenzprojekteGanzAufDemPapier) {
    struct Fall {
        const char* name;
        std::function<std::vector<std::string>(Testhilfe::Zonenprojekt&)> anlegen;
        int fortsetzungen; // pages the list goes on to, at least
    } fälle[] = {
        {"Maximalprojekt", Testhilfe::MaximalprojektAnlegen, 3},
        {"60 Einzelbauteile", [](Testhilfe::Zonenprojekt& z) { return Testhilfe::EinzelbauteilprojektAnlegen(z, 60); },
         1},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.name);
        PdfDrucker d;
        const std::vector<std::string> schlüssel = c.anlegen(d.z);
        const std::string pdf = d.Ziel(std::string(c.name) + ".pdf");
        ASSERT_EQ(Testhilfe::SystemnachweisDrucken(d.z.umgebung, 0, "1", false), "OK, Ausdruck abgeschlossen.");
        const std::vector<Wort> wörter = Wörter(pdf);
        ASSERT_FALSE(wörter.empty());

        // Every word on the paper: above the bottom margin, left of the
        // frame (the page head's page number ends at the grid's edge).
        const double unten = (29.7 - 1.5) * Pt, rahmen = (3 + 78.5 * 16.5 / 79) * Pt;
        const double kopf = (1.5 + 26.7 / 66) * Pt, rand = (21 - 1.5) * Pt;
        int fehler = 0;
        for (const Wort& w : wörter) {
            const bool drin = w.yMax <= unten + 0.5 && w.xMax <= (w.yMin < kopf ? rand : rahmen) + 0.5;
            if (!drin && ++fehler <= 10)
                ADD_FAILURE() << "page " << w.Seite << ": \"" << w.Text << "\" at x " << w.xMin << "-" << w.xMax
                              << ", y " << w.yMin << "-" << w.yMax;
        }
        EXPECT_EQ(fehler, 0);

        // The list, from its title to the next table of the summary: every
        // entry once, every section, and its title again on each page it
        // goes on to.
        const std::vector<Wort> liste = Abschnitt(wörter, "Einzelbauteile", "Spezielle");
        std::map<std::string, int> gefunden;
        for (const Wort& w : liste) ++gefunden[w.Text];
        for (const std::string& s : schlüssel) EXPECT_EQ(gefunden[s], 1) << s;
        const std::string text = Zusammen(liste);
        for (const char* abschnitt : {"Einzelbauteile", "Dächer, Wände, Böden (opake Bauteile)", "Fenster, Türen, Tore",
                                      "Wärmebrücken", "Wärmebrücken längenbezogen", "Wärmebrücken punktbezogen"})
            EXPECT_NE(text.find(abschnitt), std::string::npos) << abschnitt;
        int fortsetzungen = 0;
        for (std::size_t p = 0; (p = text.find("(Fortsetzung)", p)) != std::string::npos; ++p) ++fortsetzungen;
        EXPECT_GE(fortsetzungen, c.fortsetzungen);
        EXPECT_GE(liste.back().Seite - liste.front().Seite, c.fortsetzungen);
    }
}

// The material list of an empty database: a page with its head and "keine".
TEST(PdfSeitenumbruch, LeereBaustoffliste) {
    PdfDrucker d;
    Baustoff db;
    ASSERT_TRUE(db.DBOpen(d.ordner.Datei("Baustoff.dbk")));
    const std::string pdf = d.Ziel("Baustoffe.pdf");
    ASSERT_TRUE(Druckaufträge::Baustoffliste(db));
    db.DBClose();
    const auto seiten = Seiten(Text(pdf));
    ASSERT_EQ(seiten.size(), 1u);
    EXPECT_NE(seiten[0].find("Liste der Baustoffe"), std::string::npos) << seiten[0];
    EXPECT_NE(seiten[0].find("keine"), std::string::npos) << seiten[0];
}

} // namespace

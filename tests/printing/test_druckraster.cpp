// The fit rule of the reports' grid on the recording surface, worked by
// hand: its digits are 0.02 cm per pt wide, its lines 0.04 cm per pt high,
// so a line with a subscript (lowered 2/5 of a line, 2/3 of the size) takes
// 0.04 * (2/5 + 2/3) = 0.042667 cm per pt. A font fits when a digit takes
// at most 88 % of a cell and such a line at most a row; with rows by font
// height the page must hold the cover (64 rows, 65 with the file name) in
// portrait, the energy table (40 rows) in landscape.
#include "printing/Aufzeichnungsflaeche.h"
#include "printing/Druckraster.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Druckraster::Grund;

TEST(Druckraster, PasstDieSchriftInsRaster) {
    struct Fall {
        const char* was;
        double grösse, links, oben, rechts, unten;
        bool quer, zeilenNachSchrift, dateiname;
        Grund ergebnis;
        double breite, höhe; // the grid, cm
        int zeilen;          // rows of a page
        double grösste;      // the largest size that fits these margins
    } fälle[] = {
        // 0.18 <= 0.88 * 16.5 / 79 = 0.1838; 0.384 <= 26.7 / 66 = 0.4045;
        // 9.5 pt: 0.19 > 0.1838
        {"fresh install", 9, 3, 1.5, 1.5, 1.5, false, false, true, Grund::Passt, 16.5, 26.7, 66, 9},
        {"9.5 pt: digits too wide", 9.5, 3, 1.5, 1.5, 1.5, false, false, true, Grund::ZuBreit, 16.5, 26.7, 66, 9},
        // 0.88 * 21 / 79 = 0.2339; 9.5 pt: 0.4053 > 0.4045
        {"no side margins, 9.5 pt: the line taller than a row", 9.5, 0, 1.5, 0, 1.5, false, false, true,
         Grund::ZuHoch, 21, 26.7, 66, 9},
        // by font height: 26.7 / 0.4053 = 65.9 rows, the cover with its file
        // name needs 65; 2 cm top and bottom: 25.7 / 0.4053 = 63.4 rows, the
        // cover needs 64; 9 pt: 25.7 / 0.384 = 66.9 rows
        {"9.5 pt by font height: 65 rows hold the cover", 9.5, 0, 1.5, 0, 1.5, false, true, true, Grund::Passt, 21,
         26.7, 65, 9.5},
        {"9.5 pt by font height, 2 cm top and bottom: 63 rows", 9.5, 0, 2, 0, 2, false, true, false,
         Grund::ZuWenigZeilen, 21, 25.7, 63, 9},
        // 29.7 / 66 = 0.45 >= 10.5 * 0.042667 = 0.448; 11 pt: 0.4693
        {"no margins: 10.5 pt", 10.5, 0, 0, 0, 0, false, false, false, Grund::Passt, 21, 29.7, 66, 10.5},
        // 0.88 * 9 / 79 = 0.1003: not even 6 pt (0.12)
        {"6 cm left and right", 9, 6, 1.5, 6, 1.5, false, false, false, Grund::ZuBreit, 9, 26.7, 66, 0},
        // 0.88 * 16.2 / 79 = 0.18046 >= 0.18; 9.5 pt: 0.19
        {"4.8 cm left: digits by a hair", 9, 4.8, 0, 0, 0, false, false, false, Grund::Passt, 16.2, 29.7, 66, 9},
        // landscape: left = bottom, top = left, right = top, bottom = right;
        // 0.88 * 28.2 / 128 = 0.1939; 16 / 41 = 0.3902 >= 0.384
        {"landscape turns the margins", 9, 3, 1, 2, 0.5, true, false, false, Grund::Passt, 28.2, 16, 41, 9},
        // 15 / 41 = 0.3659 < 0.384; 8.5 pt: 0.3627
        {"landscape, 3 cm left and right", 9, 3, 1.5, 3, 1.5, true, false, false, Grund::ZuHoch, 26.7, 15, 41, 8.5},
        // 16.5 / 0.384 = 42.97 rows, the energy table needs 40; 9.5 pt: 0.19
        // > 0.88 * 26.7 / 128 = 0.1836
        {"landscape by font height", 9, 3, 1.5, 1.5, 1.5, true, true, false, Grund::Passt, 26.7, 16.5, 42, 9},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.was);
        Aufzeichnungsfläche f;
        const Druckeinstellungen::Werte w{"Arial", c.grösse, false, 3, c.links, c.oben, c.rechts, c.unten};
        const Druckraster::Prüfung p = Druckraster::Prüfen(f, w, c.quer, c.zeilenNachSchrift, c.dateiname);
        EXPECT_EQ(p.Ergebnis, c.ergebnis);
        EXPECT_NEAR(p.Gitter.Breite, c.breite, 1e-9);
        EXPECT_NEAR(p.Gitter.Höhe, c.höhe, 1e-9);
        EXPECT_EQ(p.Zeilen, c.zeilen);
        EXPECT_EQ(Druckraster::GrössteSchrift(f, w, {c.quer}, c.zeilenNachSchrift, c.dateiname), c.grösste);
    }
}

TEST(Druckraster, Meldungen) {
    Testhilfe::Testumgebung umgebung;
    Aufzeichnungsfläche f;
    struct Fall {
        double grösse, links, rechts, obenUnten;
        std::vector<bool> quer;
        bool zeilenNachSchrift;
        const char* meldung;
    } fälle[] = {
        {9, 3, 1.5, 1.5, {false, true}, false, ""},
        // by font height 65 rows hold the cover with its file name; top and
        // bottom at most 29.7 - 66 * 0.4053 = 2.95 cm
        {9.5, 0, 0, 1.5, {false}, false,
         "Die Schrift Arial in 9.5 pt passt nicht in das Raster der Ausdrucke. Ihre Zeilen (0.41 cm mit "
         "tiefgestellten Zeichen) sind höher als eine Zeile des Rasters im Hochformat (66 Zeilen auf 26.7 cm)."
         "\r\n\r\nMit diesen Seitenrändern passt Arial höchstens in 9 pt. Mit «Anzahl Druckzeilen gemäss "
         "Druckerschrift» (im Druckdialog des Systemnachweises) lässt sich Arial in 9.5 pt drucken. Mit schmaleren "
         "Seitenrändern lässt sich Arial in 9.5 pt drucken, zum Beispiel mit links 0 cm, oben 1.4 cm, rechts 0 cm "
         "und unten 1.4 cm."},
        // a column 16.5 / 79 = 0.209 cm, 88 % of it 0.184 cm; left and right
        // at most 21 - 0.19 * 79 / 0.88 = 3.94 cm, top and bottom 2.95 cm
        {9.5, 3, 1.5, 1.5, {false}, false,
         "Die Schrift Arial in 9.5 pt passt nicht in das Raster der Ausdrucke. Ihre Ziffern (0.19 cm) sind breiter "
         "als 88 % einer Spalte des Rasters im Hochformat: eine Spalte ist dort 0.209 cm breit (79 Spalten auf 16.5 "
         "cm), eine Ziffer darf höchstens 0.184 cm breit sein.\r\n\r\nMit diesen Seitenrändern passt Arial "
         "höchstens in 9 pt. Mit schmaleren Seitenrändern lässt sich Arial in 9.5 pt drucken, zum Beispiel mit links "
         "2.5 cm, oben 1.4 cm, rechts 1.2 cm und unten 1.4 cm."},
        // fits in portrait, not in landscape (0.88 * 25.9 / 128 = 0.1781):
        // what fits both is named; top and bottom at most
        // 29.7 - 0.18 * 128 / 0.88 = 3.52 cm
        {9, 3, 1.5, 1.9, {false, true}, false,
         "Die Schrift Arial in 9 pt passt nicht in das Raster der Ausdrucke. Ihre Ziffern (0.18 cm) sind breiter als "
         "88 % einer Spalte des Rasters im Querformat: eine Spalte ist dort 0.202 cm breit (128 Spalten auf 25.9 cm), "
         "eine Ziffer darf höchstens 0.178 cm breit sein.\r\n\r\nMit diesen Seitenrändern passt Arial höchstens in "
         "8.5 pt. Mit schmaleren Seitenrändern lässt sich Arial in 9 pt drucken, zum Beispiel mit links 3 cm, oben "
         "1.7 cm, rechts 1.5 cm und unten 1.7 cm."},
        // 65 rows need 65 * 0.4053 = 26.35 cm: top and bottom 3.35 cm
        {9.5, 0, 0, 2, {false}, true,
         "Die Schrift Arial in 9.5 pt passt nicht in das Raster der Ausdrucke. Mit «Anzahl Druckzeilen gemäss "
         "Druckerschrift» hat eine Seite im Hochformat nur 63 Zeilen; das Titelblatt braucht 65.\r\n\r\nMit diesen "
         "Seitenrändern passt Arial höchstens in 9 pt. Mit schmaleren Seitenrändern lässt sich Arial in 9.5 pt "
         "drucken, zum Beispiel mit links 0 cm, oben 1.6 cm, rechts 0 cm und unten 1.6 cm."},
        // left and right at most 21 - 16.16 = 4.84 cm
        {9, 6, 6, 1.5, {false}, false,
         "Die Schrift Arial in 9 pt passt nicht in das Raster der Ausdrucke. Ihre Ziffern (0.18 cm) sind breiter als "
         "88 % einer Spalte des Rasters im Hochformat: eine Spalte ist dort 0.114 cm breit (79 Spalten auf 9 cm), "
         "eine Ziffer darf höchstens 0.1 cm breit sein.\r\n\r\nMit diesen Seitenrändern passt Arial in keiner "
         "Grösse ab 6 pt. Mit schmaleren Seitenrändern lässt sich Arial in 9 pt "
         "drucken, zum Beispiel mit links 2.4 cm, oben 1.5 cm, rechts 2.4 cm und unten 1.5 cm."},
        {16, 3, 1.5, 1.5, {false}, false, "Schriftgrösse: 16 pt liegt ausserhalb des Bereichs von 6 bis 15 pt."},
        {9, 7, 1.5, 1.5, {false}, false, "Linker Rand: 7 cm liegt ausserhalb des Bereichs von 0 bis 6 cm."},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.meldung);
        const Druckeinstellungen::Werte w{"Arial", c.grösse, false, 3, c.links, c.obenUnten, c.rechts, c.obenUnten};
        EXPECT_EQ(Druckraster::Meldung(f, w, c.quer, c.zeilenNachSchrift, true), c.meldung);
    }
}

TEST(Druckraster, VorschlägeDruckenAuch) {
    // What a refusal names is found with the dry runs of the printout too
    // (here stand-ins that refuse by size or margins) and, for a size or
    // margins, with those of the set-up dialog, so that it can be stored.
    Testhilfe::Testumgebung umgebung;
    Aufzeichnungsfläche f;
    using Druckraster::Ausdruck;
    using Werte = Druckeinstellungen::Werte;
    const auto lauf = [](std::function<bool(const Werte&, bool)> passt) {
        return [passt](Plattform::Druckfläche&, const Werte& w, bool zeilen) {
            return passt(w, zeilen) ? std::string() : std::string("Ein Text bleibt nicht in seinem Feld.");
        };
    };
    const auto bisGrösse = [](double g) { return [g](const Werte& w, bool) { return w.Grösse <= g; }; };
    const auto nie = [](const Werte&, bool) { return false; };
    struct Fall {
        const char* was;
        double grösse, links, rechts, obenUnten;
        std::vector<Ausdruck> drucke, speichern;
        const char* meldung;
    } fälle[] = {
        {"the reports hold 8 pt at most", 9, 3, 1.5, 1.5, {{false, false, lauf(bisGrösse(8)), true}}, {},
         "Ein Text bleibt nicht in seinem Feld.\r\n\r\nMit diesen Seitenrändern passt Arial höchstens in 8 pt. Auch "
         "mit schmaleren Seitenrändern lässt sich Arial in 9 pt nicht drucken."},
        // left and right at most 3 cm: twentieths of 3 and 1.5 cm, 13 of
        // them give 1.9 + 0.9 cm (14: 2.1 + 1 cm)
        {"the reports hold side margins of 3 cm at most", 9, 3, 1.5, 1.5,
         {{false, false, lauf([](const Werte& w, bool) { return w.Links + w.Rechts <= 3 + 1e-9; }), true}}, {},
         "Ein Text bleibt nicht in seinem Feld.\r\n\r\nMit diesen Seitenrändern passt Arial in keiner Grösse ab 6 "
         "pt. Mit schmaleren Seitenrändern lässt sich Arial in 9 pt drucken, zum Beispiel mit links 1.9 cm, oben 1.5 "
         "cm, rechts 0.9 cm und unten 1.5 cm."},
        {"nothing prints", 9, 3, 1.5, 1.5, {{false, false, lauf(nie), true}}, {},
         "Ein Text bleibt nicht in seinem Feld.\r\n\r\nMit diesen Seitenrändern passt Arial in keiner Grösse ab 6 "
         "pt. Auch ohne Seitenränder lässt sich Arial in keiner Grösse ab 6 pt drucken: bitte wählen Sie eine "
         "andere Schrift."},
        // the grid by font height holds 9.5 pt (Druckraster.Meldungen), the
        // reports do not
        {"rows by font height that the reports refuse", 9.5, 0, 0, 1.5,
         {{false, false, lauf([](const Werte&, bool zeilen) { return !zeilen; }), true}}, {},
         "Die Schrift Arial in 9.5 pt passt nicht in das Raster der Ausdrucke. Ihre Zeilen (0.41 cm mit "
         "tiefgestellten Zeichen) sind höher als eine Zeile des Rasters im Hochformat (66 Zeilen auf 26.7 cm)."
         "\r\n\r\nMit diesen Seitenrändern passt Arial höchstens in 9 pt. Mit schmaleren Seitenrändern lässt sich "
         "Arial in 9.5 pt drucken, zum Beispiel mit links 0 cm, oben 1.4 cm, rechts 0 cm und unten 1.4 cm."},
        // rows by font height are named only where the user chooses them
        {"no choice of rows", 9.5, 0, 0, 1.5, {{false, false, {}, false}}, {},
         "Die Schrift Arial in 9.5 pt passt nicht in das Raster der Ausdrucke. Ihre Zeilen (0.41 cm mit "
         "tiefgestellten Zeichen) sind höher als eine Zeile des Rasters im Hochformat (66 Zeilen auf 26.7 cm)."
         "\r\n\r\nMit diesen Seitenrändern passt Arial höchstens in 9 pt. Mit schmaleren Seitenrändern lässt sich "
         "Arial in 9.5 pt drucken, zum Beispiel mit links 0 cm, oben 1.4 cm, rechts 0 cm und unten 1.4 cm."},
        // the printout holds 9 pt, the set-up dialog 7 pt at most
        {"what the set-up dialog would not store", 9.5, 3, 1.5, 1.5, {{false, false, {}, true}},
         {{false, false, lauf(bisGrösse(7)), false}},
         "Die Schrift Arial in 9.5 pt passt nicht in das Raster der Ausdrucke. Ihre Ziffern (0.19 cm) sind breiter "
         "als 88 % einer Spalte des Rasters im Hochformat: eine Spalte ist dort 0.209 cm breit (79 Spalten auf 16.5 "
         "cm), eine Ziffer darf höchstens 0.184 cm breit sein.\r\n\r\nMit diesen Seitenrändern passt Arial "
         "höchstens in 7 pt. Auch mit schmaleren Seitenrändern lässt sich Arial in 9.5 pt nicht drucken."},
        // the settings as they stand print; the set-up dialog's checks are
        // for what is named
        {"settings that print", 9, 3, 1.5, 1.5, {{false, false, lauf(bisGrösse(9)), true}},
         {{false, false, lauf(nie), false}}, ""},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.was);
        const Werte w{"Arial", c.grösse, false, 3, c.links, c.obenUnten, c.rechts, c.obenUnten};
        EXPECT_EQ(Druckraster::Meldung(f, w, c.drucke, c.speichern, false), c.meldung);
    }
}

} // namespace

// The report class on the recording surface: setting up a printout on the
// configured printer, the number texts, the monthly energy table, the
// material list, the component sheets and the test page, each checked in
// grid rows and columns.
#include "balance/basZIRVONorm.h"
#include "components/Baustoff.h"
#include "components/Bauteile.h"
#include "printing/ZIRVO3801Drucken.h"
#include "project/ProjektGlobal.h"
#include "tests/components/Komponentenhilfe.h"
#include "tests/printing/Druckumgebung.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

using Art = Aufzeichnungsfläche::Art;
using Testhilfe::Druckumgebung;

struct Bericht {
    Testhilfe::Zonenprojekt projekt;
    Druckumgebung druck;
    ZIRVO3801Drucken r;
    Aufzeichnungsfläche& F() { return Druckumgebung::Fläche(r); }
    Testhilfe::Seitenraster Raster() { return Druckumgebung::Raster(r); }
};

Aufzeichnungsfläche& F(ZIRVO3801Drucken& r) { return Druckumgebung::Fläche(r); }
Testhilfe::Seitenraster Raster(ZIRVO3801Drucken& r) { return Druckumgebung::Raster(r); }

TEST(Bericht, Initialisieren) {
    struct Fall {
        const char* was;
        std::string drucker;
        bool quer;
        float schrift, linie, rand; // settings; rand: the left margin
        bool ok;
        int spalten, zeilen;
        double breite, höhe;        // grid in cm
        double x1, y1;              // user coordinates of the paper corner
        const char* meldung;        // when not ok
    } fälle[] = {
        {"portrait", "Laser", false, 9, 3, 3, true, 79, 66, 16.5, 26.7, -3, -1.5, ""},
        {"landscape: the binding margin at the top", "Laser", true, 9, 3, 3, true, 128, 41, 26.7, 16.5, -1.5, -3, ""},
        {"a printer that is gone", "Alt", false, 9, 3, 3, false, 0, 0, 0, 0, 0, 0, "Drucker nicht verfügbar\r\nAlt"},
        // Settings that cannot be printed are said before a job begins.
        {"a setting out of its range", "Laser", false, 0, 99, -1, false, 0, 0, 0, 0, 0, 0,
         "Schriftgrösse: 0 pt liegt ausserhalb des Bereichs von 6 bis 15 pt.\r\n\r\nBitte passen Sie die "
         "Einstellungen unter «Druck einrichten» an."},
        {"a font too large for the grid", "Laser", true, 10, 3, 3, false, 0, 0, 0, 0, 0, 0,
         // landscape: top and bottom at most 29.7 - 0.2 * 128 / 0.88 = 0.61 cm,
         // left and right 21 - 41 * 0.4267 = 3.51 cm
         "Die Schrift Arial in 10 pt passt nicht in das Raster der Ausdrucke. Ihre Ziffern (0.2 cm) sind breiter "
         "als 88 % einer Spalte des Rasters im Querformat: eine Spalte ist dort 0.209 cm breit (128 Spalten auf 26.7 "
         "cm), eine Ziffer darf höchstens 0.184 cm breit sein.\r\n\r\nMit diesen Seitenrändern passt Arial "
         "höchstens in 9 pt. Mit schmaleren Seitenrändern lässt sich Arial in 10 pt drucken, zum Beispiel mit links "
         "2.2 cm, oben 0.3 cm, rechts 1.1 cm und unten 0.3 cm.\r\n\r\nBitte passen Sie die Einstellungen unter "
         "«Druck einrichten» an."},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.was);
        Bericht b;
        Initialisierung& ini = Global::Initialisierung;
        ini.DruckerName = c.drucker;
        ini.DruckerSchriftgrösse = c.schrift;
        ini.DruckerLinie = c.linie;
        ini.DruckerRandLinks = c.rand;
        ASSERT_EQ(b.r.Initialisieren(false, c.quer), c.ok);
        if (!c.ok) {
            ASSERT_NE(b.projekt.umgebung.meldungen.Letzte(), nullptr);
            EXPECT_EQ(b.projekt.umgebung.meldungen.Zuletzt().Text, c.meldung);
            EXPECT_TRUE(b.druck.drucker.Aufträge.empty());
            continue;
        }
        Drucken& d = b.r.Seiten();
        EXPECT_EQ(d.Characters(), c.spalten);
        EXPECT_EQ(d.Lines(), c.zeilen);
        EXPECT_NEAR(d.Zellenbreite() * c.spalten, c.breite, 1e-9);
        EXPECT_NEAR(d.Zellenhöhe() * c.zeilen, c.höhe, 1e-9);
        const auto* m = b.F().Alle(Art::Massstab).front();
        EXPECT_NEAR(m->x1, c.x1, 1e-9);
        EXPECT_NEAR(m->y1, c.y1, 1e-9);
        EXPECT_EQ(d.Schrift(), (Plattform::Druckschrift{"Arial", 9, false}));
        EXPECT_EQ(d.Linienbreite(), 3);
        EXPECT_EQ(b.r.Einheitstext(ZIRVO3801Drucken::E_m3_hm2), "[m³/h·m²]");
        EXPECT_EQ(b.r.Einheitstext(ZIRVO3801Drucken::E_W_m2), "[W/m²]");
        EXPECT_TRUE(b.projekt.umgebung.meldungen.Gezeigt.empty());
    }

    // The PDF printer asks for its file; a cancel prints nothing and says nothing.
    Bericht b;
    Global::Initialisierung.DruckerName = Plattform::PdfDrucker;
    EXPECT_FALSE(b.r.Initialisieren(false, false));
    EXPECT_TRUE(b.druck.drucker.Aufträge.empty());
    b.projekt.umgebung.dateidialoge.Antworten.push_back("/tmp/bericht");
    ASSERT_TRUE(b.r.Initialisieren(false, false));
    EXPECT_EQ(Testhilfe::ZuletztAufgezeichnet(b.druck.drucker.Aufträge, "print job asked for").second, "/tmp/bericht.pdf");
    EXPECT_TRUE(b.projekt.umgebung.meldungen.Gezeigt.empty());
    // A document that cannot be finished says so.
    b.F().Beendenfehler = "Platte voll";
    EXPECT_FALSE(b.r.Beenden());
    EXPECT_NE(b.projekt.umgebung.meldungen.Zuletzt().Text.find("Platte voll"), std::string::npos);
    // A printer that cannot take the job says so too.
    b.druck.drucker.Auftragsfehler = "belegt";
    Global::Initialisierung.DruckerName = "Laser";
    EXPECT_FALSE(b.r.Initialisieren(false, false));
    EXPECT_EQ(b.projekt.umgebung.meldungen.Zuletzt().Text, "Drucker nicht verfügbar\r\nLaser\r\nbelegt");
}

TEST(Bericht, ZahlenTitelUndEnde) {
    Bericht b;
    struct {
        double wert;
        int stellen;
        bool null;
        const char* text;
    } zahlen[] = {{0, 2, true, "0.00"},  {0, 2, false, ""},     {12.345, 1, true, "12.3"}, {-0.004, 2, false, "0.00"},
                  {2.5, 0, false, "3"},  {-1.25, 1, false, "-1.3"}, {1234567.891, 2, true, "1234567.89"}, {7, -1, true, "7"}};
    for (const auto& z : zahlen) EXPECT_EQ(ZIRVO3801Drucken::DruckZahl(z.wert, z.stellen, z.null), z.text) << z.wert;
    EXPECT_EQ(ZIRVO3801Drucken::KlimastationText("Zürich -MeteoSchweiz"), "Zürich -MeteoSchweiz  (SIA 2028)");
    EXPECT_EQ(ZIRVO3801Drucken::KlimastationText("Spezial: Arosa"), "Spezial: Arosa");

    // Page title and end box: kind by the task, project name, print time.
    b.projekt.P.PSetStr("Haus am See", "Bez");
    b.projekt.P.PSetInt(1, "ArtB");
    ASSERT_TRUE(b.r.Initialisieren(false, false));
    b.r.SetzeUhrzeit();
    EXPECT_TRUE(std::regex_match(b.r.Uhrzeit(), std::regex(R"(\d{1,2}\.\d{1,2}\.\d{4} \d{1,2}:\d\d:\d\d)")));
    b.r.DruckBeginn(false);
    b.r.SeitentitelSetzen();
    b.r.Seiten().Box(3, true);
    b.r.AusdruckEnde();
    const auto r = b.Raster();
    EXPECT_EQ(r.Zeilentext(1, 0), "Optimierung:  Haus am See      " + b.r.Uhrzeit() + "|Seite 1");
    EXPECT_EQ(r.Zeilentext(1, 8), "Optimierung:  Ende des Ausdrucks");
    EXPECT_EQ(r.Spalte(r.Genau("Optimierung:  Ende des Ausdrucks")->x1), 1);
    b.r.DruckBeginn(true);
    EXPECT_EQ(b.r.Dokumentart(), "Einzelbauteilnachweis");
}

// The monthly energy table: heating from October to April; May to
// September bracketed in every row, the year never.
TEST(Bericht, Energietabelle) {
    Bericht b;
    Projekt& p = b.projekt.P;
    p.ZSetStr("Wohnen", "Bez");
    p.ZSetStr("W", "Code");
    Monatstabelle qtA{}, qtF{};
    Monatsarray qt{}, qgS{}, etaG{}, qh{}, qv{};
    for (std::size_t m = 0; m < 12; ++m) {
        const bool heiz = m <= 3 || m >= 9;
        qt[m] = heiz ? 20 + static_cast<double>(m) : 0;
        qgS[m] = 10 + static_cast<double>(m);
        qh[m] = heiz ? 5.5 : 0;
        qv[m] = heiz ? 4 : 0;
        qtA[m] = {1, 2, 0, 0.5, 0.25, 3.75};
    }
    qgS[4] = 45.12;
    qgS[12] = 150;
    etaG[0] = 0.9512;
    etaG[12] = 0.75;
    qtA[12] = {7, 14, 0, 3.5, 1.75, 26.25};
    qtF[0] = {0, 0, 1.5, 0.25, 0, 1.75};
    qh[12] = 38.5;
    p.ZSetArr2(qtA, "QtA");
    p.ZSetArr2(qtF, "QtF");
    p.ZSetArr1(qt, "Qt");
    p.ZSetArr1(qgS, "QgS");
    p.ZSetArr1(etaG, "EtaG");
    p.ZSetArr1(qh, "Qh");
    p.ZSetArr1(qv, "Qv");
    ASSERT_TRUE(b.r.Initialisieren(false, true));
    bool failed = true;
    b.r.Energien(failed);
    EXPECT_FALSE(failed);
    const auto r = b.Raster();
    // The head line box (rows 0 to 2), then the table from row 3.
    constexpr int T = 3;
    auto zelle = [&](int zeile, int monat) -> std::string {
        // Right-aligned 7 cells from column 34 (year) or 42 + 7 m.
        const int ende = monat < 0 ? 41 : 49 + 7 * monat;
        for (const auto* a : r.InZeile(1, T + zeile))
            if (r.Ende(*a) == ende && r.Spalte(a->x1) > 30) return a->Text;
        return "-";
    };
    EXPECT_EQ(r.Zeilentext(1, 1), "Bauphysik ZIRVO 380/1|Projekt:  |  []|" + b.druck.Kopfzeit())
        << "one zone: no zone in the head line";
    EXPECT_EQ(zelle(1, -1), "Jahr");
    EXPECT_EQ(zelle(1, 0), "Jan");
    EXPECT_EQ(zelle(1, 11), "Dez");
    EXPECT_EQ(zelle(3, -1), "26.25");                  // outside air, bold, year
    EXPECT_EQ(zelle(3, 4), "(3.75)");                  // May bracketed
    EXPECT_EQ(zelle(6, 0), "-") << "floor 0: an empty cell";
    EXPECT_EQ(zelle(6, -1), "0.00") << "the year always prints";
    EXPECT_EQ(zelle(7, 0), "0.75");                    // linear + point bridges
    EXPECT_EQ(zelle(18, 0), "1.75");                   // window bridges: linear + point
    EXPECT_EQ(zelle(20, 0), "5.50");                   // transmission: 3.75 + 1.75
    EXPECT_EQ(zelle(29, 0), "0.951");                  // utilisation factor, three decimals
    EXPECT_EQ(zelle(29, -1), "0.750");
    EXPECT_EQ(zelle(30, 4), "(45.12)");                // solar gains in May
    EXPECT_EQ(zelle(30, -1), "150.00");
    EXPECT_EQ(zelle(34, 6), "(0.00)") << "the bold heating demand prints 0 too";
    EXPECT_EQ(zelle(34, 11), "5.50");
    EXPECT_EQ(zelle(34, -1), "38.50");
    EXPECT_TRUE(r.InZeile(1, T + 34).front()->Schrift.Fett);
    EXPECT_EQ(r.InZeile(1, T + 30).front()->Text, "- Sonne");
    EXPECT_EQ(r.InZeile(1, T + 24).front()->Text, "- Lüftung mechanisch");
    EXPECT_EQ(r.InZeile(1, T + 23).size(), 9u) << "natural ventilation: label, year, 7 heating months";
    const auto* fuss = r.InZeile(1, T + 36).front();
    EXPECT_EQ(fuss->Text, "Der Jahreswert ergibt sich aus der Summe der Monate mit einem positiven Gesamtwärmeverlust ((Q");
    // One box of 34 rows, 1 thick and 11 thin month rules from frame to frame.
    const auto boxen = b.F().Alle(Art::Rechteck);
    ASSERT_EQ(boxen.size(), 2u);
    EXPECT_NEAR(boxen[1]->y2 - boxen[1]->y1, 35 * b.r.Seiten().Zellenhöhe(), 1e-9);
    int dick = 0, monatslinien = 0;
    for (const auto* l : b.F().Alle(Art::Linie))
        if (l->x1 == l->x2 && r.Zeile(l->y1 - b.r.Seiten().Zellenhöhe() / 2) == T) {
            ++monatslinien;
            dick += l->Breite == 6;
        }
    EXPECT_EQ(monatslinien, 12);
    EXPECT_EQ(dick, 1);
    EXPECT_EQ(b.F().Seitennummer(), 1);

    // Two zones: the head line names the current zone.
    b.projekt.ZoneHinzufügen("B");
    p.PSetStr("Haus", "Bez");
    p.PSetStr("17-3", "Id");
    ZIRVO3801Drucken zwei;
    ASSERT_TRUE(zwei.Initialisieren(false, true));
    zwei.Energien(failed);
    EXPECT_EQ(Raster(zwei).Zeilentext(1, 1),
              "Bauphysik ZIRVO 380/1|Projekt:  |Haus|  [17-3]|        Zone:  |Wohnen|  [W]|" + b.druck.Kopfzeit());
}

// The material list: an empty line between initials, 58 materials to a
// page, each number aligned on its decimal separator; an empty database
// prints its page with "keine".
TEST(Bericht, Baustoffliste) {
    Testhilfe::Testordner ordner("baustoffliste");
    Bericht b;
    // No template beside the program: the databases start empty.
    b.druck.uhr.Programm = ordner.Datei("programm");
    Baustoff& db = Global::Baustoff;
    ASSERT_TRUE(db.DBOpen(ordner.Datei("Baustoff.dbk")));
    auto neu = [&](const std::string& bez, const std::string& kurz, double rho, double dicke, double lambda, double r,
                   const std::string& u) {
        db.NewRecord();
        db.setBez(bez);
        db.setKBez(kurz);
        db.setKat("D");
        db.setRho(rho);
        db.setDicke(dicke);
        db.setLambda(lambda);
        db.setR(r);
        db.setUeberwachung(u);
        ASSERT_GE(db.Save(), 0);
    };
    constexpr int T = 3; // the list box below the head line
    bool failed = true;
    {
        // An empty database: its page with the head line and "keine".
        ZIRVO3801Drucken leer;
        ASSERT_TRUE(leer.Initialisieren(false, false));
        leer.Baustoffliste(failed);
        EXPECT_FALSE(failed);
        EXPECT_EQ(Raster(leer).Zeilentext(1, 1), "ZIRVO 380/1|Liste der Baustoffe|1|" + b.druck.Kopfzeit());
        EXPECT_EQ(Raster(leer).Zeilentext(1, T + 4), "keine");
        EXPECT_TRUE(leer.Beenden());
    }
    neu("Beton", "BN", 2200, 0, 1.65, 0, "");
    neu("Backstein", "BK", 1100, 12.5, 0.44, 0, "1");
    neu("Dämmung", "MW", 30, 0, 0.035, 0, "2");
    ASSERT_TRUE(b.r.Initialisieren(false, false));
    b.r.Baustoffliste(failed);
    EXPECT_FALSE(failed);
    auto r = b.Raster();
    EXPECT_EQ(r.Zeilentext(1, 1), "ZIRVO 380/1|Liste der Baustoffe|1|" + b.druck.Kopfzeit());
    EXPECT_EQ(r.Zeilentext(1, T + 4), "Backstein|BK|D|1100|12|.5|0|.44|1");
    EXPECT_EQ(r.Zeilentext(1, T + 5), "Beton|BN|D|2200|1|.65");
    EXPECT_EQ(r.Zeilentext(1, T + 6), "") << "an empty line before a new initial";
    EXPECT_EQ(r.Zeilentext(1, T + 7), "Dämmung|MW|D|30|0|.035|2");
    ASSERT_EQ(r.InZeile(1, T + 7).size(), 7u);
    const auto* null = r.InZeile(1, T + 7)[4];
    EXPECT_EQ(r.Ende(*null), 59) << "lambda's integer digit ends the 3 cells from column 56";
    EXPECT_EQ(r.Spalte(r.InZeile(1, T + 7)[5]->x1), 59);
    EXPECT_EQ(r.Ende(*r.InZeile(1, T + 4)[3]), 46) << "density in the 4 cells from column 42";
    const auto* seite = r.Genau("1");
    EXPECT_EQ(r.Ende(*seite), 61);
    // The list box reaches row Lines - 5 + 1 of its own rows.
    EXPECT_NEAR(b.F().Alle(Art::Rechteck)[1]->y2, (T + 62 + 0.5) * b.r.Seiten().Zellenhöhe(), 1e-9);
    ASSERT_TRUE(b.r.Beenden());

    db.DBClose();

    // 60 materials of one initial: rows 4 to 61 hold 58, the 59th opens page 2.
    Testhilfe::Testordner ordner2("baustoffliste2");
    ASSERT_TRUE(db.DBOpen(ordner2.Datei("Baustoff.dbk")));
    for (int i = 1; i <= 60; ++i) {
        char bez[16];
        std::snprintf(bez, sizeof bez, "M%03d", i);
        neu(bez, "", 0, 0, 0, 0, "");
    }
    ZIRVO3801Drucken viele;
    ASSERT_TRUE(viele.Initialisieren(false, false));
    viele.Baustoffliste(failed);
    r = Raster(viele);
    EXPECT_EQ(r.Zeilentext(1, T + 4), "M001|D");
    EXPECT_EQ(r.Zeilentext(1, T + 61), "M058|D");
    EXPECT_EQ(r.Zeilentext(2, 1), "ZIRVO 380/1|Liste der Baustoffe|2|" + b.druck.Kopfzeit());
    EXPECT_EQ(r.Zeilentext(2, T + 4), "M059|D");
    EXPECT_EQ(r.Zeilentext(2, T + 5), "M060|D");
    EXPECT_EQ(F(viele).Seitennummer(), 2);
    db.DBClose();
}

// The component sheets: legend, then the used components, windows and
// thermal bridges by number, each sheet one box that moves whole.
TEST(Bericht, Bauteilblaetter) {
    Bericht b;
    Projekt& p = b.projekt.P;
    auto bauteil = [&](int nr, int schichten) {
        ::Bauteil t;
        t.Bez = "Wand " + std::to_string(nr);
        t.Kom = "Kommentar " + std::to_string(nr);
        t.U = 0.17;
        t.Rsi = 0.13;
        t.Rse = 0.04;
        for (int k = 1; k <= schichten; ++k)
            t.Schichten.push_back({"Schicht " + std::to_string(k), 12, 30, 0.035, 0, k == 1 ? "2" : ""});
        t.Speichern(p, nr);
    };
    bauteil(1, 15);
    bauteil(2, 0);
    bauteil(3, 15);
    bauteil(12, 15);
    ::Fenster f;
    f.Bez = "Holz-Metall";
    f.U = 1.0;
    f.g = 0.5;
    f.FF = 0.75;
    f.Uf = 1.3;
    f.Ug = 0.6;
    f.Verglasung = "3-fach";
    f.Speichern(p, 5);
    ::Wärmebrücke w;
    w.Bez = "Balkon";
    w.Psi = 0;
    w.Beschreibung = "Kragplatte mit Isokorb";
    w.Speichern(p, 7);
    basZIRVO3801::BauteiltypTabelleWert(0, "", 0);
    basZIRVO3801::BauteiltypTabelleWert(1, "W", 1);
    basZIRVO3801::BauteiltypTabelleWert(1, "D", 3);
    basZIRVO3801::BauteiltypTabelleWert(1, "B", 12);
    basZIRVO3801::BauteiltypTabelleWert(1, "T", 5);
    basZIRVO3801::BauteiltypTabelleWert(1, "l", 7);

    ASSERT_TRUE(b.r.Initialisieren(false, false));
    bool failed = true;
    b.r.Bauteile(false, failed);
    EXPECT_FALSE(failed);
    auto r = b.Raster();
    struct {
        const char* kopf;
        int seite, zeile;
    } erwartet[] = {{"Einzelbauteile", 1, 1},  {"Bauteil  1", 1, 6},   {"Bauteil  3", 1, 33},
                    {"Bauteil  12", 2, 1},     {"Fenster  5", 2, 28},  {"Wärmebrücke  7", 2, 39}};
    for (const auto& e : erwartet) {
        const auto* a = r.Genau(e.kopf);
        ASSERT_NE(a, nullptr) << e.kopf;
        EXPECT_EQ(a->Seite, e.seite) << e.kopf;
        EXPECT_EQ(r.Zeile(a->y1), e.zeile) << e.kopf;
        EXPECT_TRUE(a->Schrift.Fett);
    }
    EXPECT_EQ(r.Genau("Bauteil  2"), nullptr) << "an unused component is left out";
    // Sheet of component 1 (box at row 5): 25 rows, the 15th layer in its row 25.
    const auto boxen = b.F().Alle(Art::Rechteck);
    EXPECT_NEAR(boxen[1]->y2 - boxen[1]->y1, 26 * b.r.Seiten().Zellenhöhe(), 1e-9);
    EXPECT_EQ(r.Zeilentext(1, 5 + 3), "Bezeichnung|Wand 1|U|0.17|[W/m²K]");
    EXPECT_EQ(r.Zeilentext(1, 5 + 6),
              "Wärmeübergangswiderstände innen und aussen|R|si|0.13|[m²K/W]|R|se|0.04|[m²K/W]");
    EXPECT_EQ(r.Zeilentext(1, 5 + 11), "Schicht 1|12.00|30|0.035|2");
    EXPECT_EQ(r.Zeilentext(1, 5 + 25), "Schicht 15|12.00|30|0.035");
    const auto schicht = r.InZeile(1, 5 + 25);
    ASSERT_EQ(schicht.size(), 4u);
    EXPECT_EQ(r.Ende(*schicht[3]), 54) << "lambda right-aligned in 5 cells from column 49";
    EXPECT_EQ(r.Zeilentext(2, 27 + 6), "Gesamtenergiedurchlassgrad g|0.50|[-]");
    EXPECT_EQ(r.Zeilentext(2, 27 + 7), "Abminderungsfaktor für Fensterrahmen f|f|0.75|[-]");
    EXPECT_EQ(r.Zeilentext(2, 27 + 9), "Verglasung|3-fach|Ug|0.60|[W/m²K]");
    EXPECT_EQ(r.Zeilentext(2, 38 + 3), "Bezeichnung|Balkon|Psi | Chi|[W/mK] | [W/K]") << "a 0 value leaves its cell empty";
    EXPECT_EQ(r.Zeilentext(2, 38 + 6), "Beschreibung|Kragplatte mit Isokorb");

    // All items, also unused ones: component 2 without layers is a short sheet.
    ZIRVO3801Drucken alle;
    ASSERT_TRUE(alle.Initialisieren(false, false));
    alle.Bauteile(true, failed);
    r = Raster(alle);
    const auto* zwei = r.Genau("Bauteil  2");
    ASSERT_NE(zwei, nullptr);
    EXPECT_EQ(r.Zeile(zwei->y1), 33);
    const auto* kurz = F(alle).Alle(Art::Rechteck)[2];
    EXPECT_NEAR(kurz->y2 - kurz->y1, 5 * alle.Seiten().Zellenhöhe(), 1e-9);

    // One item from the editor: head line and sheet; a missing item: the head line only.
    p.PSetStr("Haus", "Bez");
    bauteil(3, 2);
    ZIRVO3801Drucken einzeln;
    ASSERT_TRUE(einzeln.Initialisieren(false, false));
    einzeln.Bauteil(3, failed);
    einzeln.Fenster(9, failed);
    r = Raster(einzeln);
    EXPECT_EQ(r.Zeilentext(1, 1), "ZIRVO 380/1|Projekt:  |Haus|  []|" + b.druck.Kopfzeit());
    EXPECT_EQ(r.Zeile(r.Genau("Bauteil  3")->y1), 4);
    EXPECT_EQ(r.Zeilentext(1, 3 + 12), "Schicht 2|12.00|30|0.035");
    EXPECT_EQ(F(einzeln).Alle(Art::Rechteck).size(), 3u);
    basZIRVO3801::BauteiltypTabelleWert(0, "", 0);
}

TEST(Bericht, Testseite) {
    Bericht b;
    ASSERT_TRUE(b.r.Initialisieren(false, false));
    b.r.TestseiteDrucken();
    auto r = b.Raster();
    EXPECT_EQ(b.F().Seitennummer(), 1);
    EXPECT_EQ(b.r.Seiten().Blockanfang(), 64) << "head box and three character boxes: 64 of 66 rows";
    EXPECT_EQ(r.InZeile(1, 1).front()->Text, "Bauphysik ZIRVO 380/1,  Testseite");
    EXPECT_EQ(r.Zeilentext(1, 3), "Drucker-Name|Laser");
    EXPECT_EQ(r.Zeilentext(1, 8), "Normaler Zeichensatz|  (Schrift=Arial, Zeichensatz=0)");
    // Codes 0xC0 to 0xCF and 0xF0 to 0xFF of each set; 247, the markup
    // character, prints nothing in any set.
    EXPECT_EQ(r.Zeilentext(1, 7 + 17), "F|ð|ñ|ò|ó|ô|õ|ö|ø|ù|ú|û|ü|ý|þ|ÿ");
    EXPECT_EQ(r.Zeilentext(1, 26 + 17), "F|⟩|∫|⌠|⌡|☒");
    EXPECT_EQ(r.Zeilentext(1, 45 + 14), "C|ΐ|Α|Β|Γ|Δ|Ε|Ζ|Η|Θ|Ι|Κ|Λ|Μ|Ν|Ξ|Ο");
    EXPECT_EQ(r.Zeilentext(1, 45 + 17), "F|π|ρ|ς|σ|τ|υ|φ|ψ|ω|ϊ|ϋ|ό|ύ|ώ");
    EXPECT_EQ(r.Spalte(r.Genau("☐")->x1), 4 * 8 + 5);
    EXPECT_EQ(r.Zeile(r.Genau("☐")->y1), 26 + 12);
    // Each table in the face of its set, its title in the print face.
    for (const auto& [zeichen, satz] : {std::pair{"ÿ", 0}, {"☐", 2}, {"∀", 2}, {"ώ", 161}, {"Spezialzeichensatz", 0}})
        EXPECT_EQ(r.Genau(zeichen)->Schrift.Zeichensatz, satz) << zeichen;
}

} // namespace

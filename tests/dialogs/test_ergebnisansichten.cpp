// The result views of the golden projects: the monthly energy table of every
// zone against the project's expected values, the area report against sums
// added up by hand from the project's rows, and the losses per component
// against the zones' results.
#include "balance/Anzeigezahl.h"
#include "dialogs/basZIRVOBauteile.h"
#include "dialogs/frmBauteilVerluste.h"
#include "dialogs/frmEnergien.h"
#include "dialogs/frmFlaechen.h"
#include "frame/Dateien.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO_HiRi.h"
#include "project/ProjektGlobal.h"
#include "tests/printing/Druckumgebung.h"
#include "tests/support/Goldenprojekt.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The expected values of one zone: key and index ("Qh", "12"; "QtA", "12,3").
using Erwartung = std::map<std::pair<std::string, std::string>, double>;

std::map<std::string, Erwartung> ErwartungenLesen(const fs::path& datei) {
    std::map<std::string, Erwartung> e;
    std::istringstream ein(Dateien::Lesen(datei.string()).value_or(""));
    std::string zeile;
    while (std::getline(ein, zeile)) {
        std::istringstream z(zeile);
        std::string zone, schlüssel, index;
        double wert = 0;
        if (zeile.empty() || zeile[0] == '#' || !(z >> zone >> schlüssel >> index >> wert)) continue;
        e[zone][{schlüssel, index}] = wert;
    }
    return e;
}

// A cell's number, without the brackets of a month outside the heating season.
double Zellwert(std::string t, bool& klammer) {
    klammer = t.size() >= 2 && t.front() == '(' && t.back() == ')';
    if (klammer) t = t.substr(1, t.size() - 2);
    return basVB6NumCvt::ZahlLesenDbl(t);
}

// The cell shows the expected value as the table rounds it. A value within
// the tolerance of the expected file (0.0005) of a rounding boundary may show
// either neighbour.
bool WieGerundet(const std::string& zelle, double soll, int dezimalen) {
    for (double d : {0.0, -0.0005, 0.0005}) {
        const std::string t = Anzeigezahl::Festkomma(soll + d, dezimalen);
        if (zelle == t || (zelle.empty() && basVB6NumCvt::ZahlLesenDbl(t) == 0)) return true;
    }
    return false;
}

// Rows of the table (0-based) that the expected file holds: key, column of
// the part-monthly values (-1 = the key's monthly values or total column).
struct Gehalten {
    int Zeile;
    const char* Schlüssel;
    int Spalte;
};
constexpr Gehalten GehalteneZeilen[] = {
    {0, "QtA", -1}, {1, "QtA", 0},  {2, "QtA", 1},  {3, "QtA", 2},   {6, "QtU", -1}, {7, "QtU", 0},
    {8, "QtU", 1},  {9, "QtU", 2},  {12, "QtF", -1}, {13, "QtF", 0}, {14, "QtF", 1}, {20, "Qv", -1},
    {21, "Qvm", -1}, {23, "Qt", -1}, {25, "Qug", -1}, {26, "EtaG", -1}, {27, "QgS", -1}, {28, "QgP", -1},
    {29, "QgE", -1}, {31, "Qh", -1},
};

// Every figure of one zone's table: the held ones as rounded, the others as
// the sums they are (within the rounding of their addends); brackets exactly
// in the months without heating of the loss rows.
void EnergientabellePrüfen(const frmEnergien& f, const Erwartung& e) {
    const auto& zeilen = f.lvwEnergien.ListItems();
    ASSERT_EQ(zeilen.size(), 32u);
    ASSERT_EQ(f.lvwEnergien.ColumnHeaders().size(), 14u);
    // Column c (0 = year, 1..12 = months) of row r.
    auto zelle = [&](int r, int c) -> std::string {
        const auto& t = zeilen[static_cast<std::size_t>(r)].Texte;
        return static_cast<std::size_t>(c + 1) < t.size() ? t[static_cast<std::size_t>(c + 1)] : std::string();
    };
    auto wert = [&](int r, int c) {
        bool k = false;
        return Zellwert(zelle(r, c), k);
    };
    auto soll = [&](const std::string& s, const std::string& index) {
        auto it = e.find({s, index});
        return it == e.end() ? std::nan("") : it->second;
    };
    int verglichen = 0;
    for (const Gehalten& g : GehalteneZeilen) {
        for (int c = 0; c <= 12; ++c) {
            const std::string m = std::to_string(c == 0 ? 12 : c - 1);
            const double s = soll(g.Schlüssel, g.Spalte < 0 ? m : m + "," + std::to_string(g.Spalte));
            if (std::isnan(s)) continue;
            bool klammer = false;
            std::string t = zelle(g.Zeile, c);
            Zellwert(t, klammer);
            if (klammer) t = t.substr(1, t.size() - 2);
            EXPECT_TRUE(WieGerundet(t, s, g.Zeile == 26 ? 3 : 2))
                << "Zeile " << g.Zeile + 1 << " Spalte " << c << ": '" << t << "', erwartet " << s;
            ++verglichen;
        }
    }
    EXPECT_GT(verglichen, 100);

    // Sums: each within half a unit of the last digit per addend.
    auto summe = [&](int r, std::initializer_list<int> teile, int c) {
        double x = 0;
        for (int t : teile) x += wert(t, c);
        EXPECT_NEAR(wert(r, c), x, 0.005 * (static_cast<double>(teile.size()) + 1))
            << "Zeile " << r + 1 << " Spalte " << c;
    };
    for (int c = 0; c <= 12; ++c) {
        summe(0, {1, 2, 3, 4}, c);
        summe(6, {7, 8, 9, 10}, c);
        summe(12, {13, 14, 15}, c);
        summe(17, {0, 6, 12}, c);
        summe(19, {20, 21}, c);
        if (c == 0 || f.Heizmonat[static_cast<std::size_t>(c - 1)]) summe(23, {17, 19}, c);
        // The utilised gains of a month: its utilisation factor times its gains.
        if (c > 0) {
            EXPECT_NEAR(wert(25, c), wert(26, c) * (wert(27, c) + wert(28, c) + wert(29, c)), 0.02) << "Monat " << c;
        }
    }
    // The bridges of the part tables sum two columns the file holds separately.
    for (const auto& [r, s, a, b] : {std::tuple{4, "QtA", 3, 4}, {10, "QtU", 3, 4}, {15, "QtF", 2, 3}})
        EXPECT_TRUE(WieGerundet(zelle(r, 0), soll(s, "12," + std::to_string(a)) + soll(s, "12," + std::to_string(b)), 2))
            << "Zeile " << r + 1;
    // Brackets: the loss rows in months without heating, never elsewhere.
    for (int r = 0; r < 32; ++r)
        for (int c = 1; c <= 12; ++c) {
            bool klammer = false;
            Zellwert(zelle(r, c), klammer);
            const bool heizt = !(soll("Qt", std::to_string(c - 1)) <= 0);
            EXPECT_EQ(klammer, r < 24 && !heizt && !zelle(r, c).empty()) << "Zeile " << r + 1 << " Monat " << c;
        }
}

// The lines of the area report: label, then the three columns (window,
// opaque, total; "" = empty).
std::vector<std::array<std::string, 4>> Berichtszeilen(const std::string& bericht) {
    std::vector<std::array<std::string, 4>> zeilen;
    std::istringstream text(bericht);
    for (std::string z; std::getline(text, z);) {
        std::array<std::string, 4> spalten;
        std::size_t i = 0;
        for (std::size_t a = 0, e; i < 4; a = e + 1, ++i) {
            e = z.find('\t', a);
            std::string s = z.substr(a, e == std::string::npos ? std::string::npos : e - a);
            s.erase(0, s.find_first_not_of(' '));
            spalten[i] = s;
            if (e == std::string::npos) break;
        }
        zeilen.push_back(spalten);
    }
    return zeilen;
}

} // namespace

TEST(Ergebnisansichten, EnergientabelleJederZoneDerGoldenenProjekte) {
    for (const char* name : {"AlleZeilenarten", "EinfacheZone", "MehrereZonen"}) {
        SCOPED_TRACE(name);
        Testhilfe::Zonenprojekt umgebung;
        const fs::path projekt = Testhilfe::Projektordner() / (std::string(name) + ".zirvo9");
        ASSERT_EQ(Testhilfe::ProjektÖffnen(projekt), "");
        ASSERT_TRUE(Testhilfe::AlleZonenBerechnen(umgebung.F).empty());
        const auto erwartet = ErwartungenLesen(Testhilfe::Projektordner() / (std::string(name) + ".expected"));
        Projekt& P = Global::Projekt;
        for (std::int16_t z = 0; z < P.ZonenAnzahl(); ++z) {
            P.SetNZone(z);
            SCOPED_TRACE(P.ZGetStr("Code"));
            frmEnergien f;
            f.Form_Load();
            const std::string titel =
                P.ZonenAnzahl() > 1 ? std::string(name) + " [" + P.ZGetStr("Bez") + "]" : std::string(name);
            EXPECT_EQ(f.Caption, titel + " - Energien");
            ASSERT_TRUE(erwartet.count(P.ZGetStr("Code")));
            EnergientabellePrüfen(f, erwartet.at(P.ZGetStr("Code")));
        }
    }
}

// Ctrl + Schliessen: five decimals, six for the utilisation factor, and the
// window stays; without Ctrl it closes.
TEST(Ergebnisansichten, StrgSchliessenZeigtMehrDezimalen) {
    Testhilfe::Zonenprojekt umgebung;
    ASSERT_EQ(Testhilfe::ProjektÖffnen(Testhilfe::Projektordner() / "EinfacheZone.zirvo9"), "");
    ASSERT_TRUE(Testhilfe::AlleZonenBerechnen(umgebung.F).empty());
    Testhilfe::SkriptUmgebung desktop;
    Plattform::Dienste d;
    d.umgebung = &desktop;
    Plattform::DiensteSetzen gesetzt(d);
    frmEnergien f;
    f.Form_Load();
    bool geschlossen = false;
    f.Schliessen = [&] { geschlossen = true; };
    EXPECT_EQ(f.lvwEnergien.ListItems()[31].Texte[1], Anzeigezahl::Festkomma(Global::Projekt.ZGetNum("QhNw"), 2));
    desktop.Strg = true;
    f.mnuSchliessen_Click();
    EXPECT_TRUE(f.Geladen());
    EXPECT_FALSE(geschlossen);
    EXPECT_EQ(f.lvwEnergien.ListItems()[31].Texte[1], Anzeigezahl::Festkomma(Global::Projekt.ZGetNum("QhNw"), 5));
    EXPECT_EQ(f.lvwEnergien.ListItems()[26].Texte[1].size(), std::string("0.000000").size());
    desktop.Strg = false;
    f.mnuSchliessen_Click();
    EXPECT_FALSE(f.Geladen());
    EXPECT_TRUE(geschlossen);

    // A June without heating: the losses of June in brackets, not the gains
    // and results. A zone without rows against unheated rooms: its bold row
    // shows 0.00 in each month, its plain rows stay empty.
    Monatsarray Qt{};
    Global::Projekt.ZGetArr1(Qt, "Qt");
    Qt[5] = 0;
    Global::Projekt.ZSetArr1(Qt, "Qt");
    Global::Projekt.ZSetArr2(Monatstabelle{}, "QtU");
    frmEnergien juni;
    juni.Form_Load();
    const auto& z = juni.lvwEnergien.ListItems();
    for (int r : {0, 1, 17, 19}) EXPECT_EQ(z[static_cast<std::size_t>(r)].Texte[7].front(), '(') << r;
    for (int r : {25, 27, 31}) EXPECT_NE(z[static_cast<std::size_t>(r)].Texte[7].front(), '(') << r;
    EXPECT_EQ(z[6].Texte[2], "0.00");
    EXPECT_EQ(z[6].Texte[7], "(0.00)");
    EXPECT_EQ(z[7].Texte[2], "");
    EXPECT_EQ(z[6].Texte[1], "0.00");
    EXPECT_EQ(z[23].Texte[7], ""); // Gesamtwärmeverlust of June is exactly 0
}

// The area report of AlleZeilenarten (north turned to NNE) against the sums
// added up by hand from its rows: windows, opaque parts and totals per line.
TEST(Ergebnisansichten, FlaechenberichtMitHandSummen) {
    Testhilfe::Zonenprojekt umgebung;
    ASSERT_EQ(Testhilfe::ProjektÖffnen(Testhilfe::Projektordner() / "AlleZeilenarten.zirvo9"), "");
    ASSERT_TRUE(Testhilfe::AlleZonenBerechnen(umgebung.F).empty());
    frmFlächen f;
    f.Form_Load();
    const auto zeilen = Berichtszeilen(f.rtbT.Text());
    const std::vector<std::array<std::string, 4>> soll = {
        {"", "", "", ""},
        {"Projekt: ", "AlleZeilenarten", "", ""},
        {"EBF: ", "160.2 m²", "", ""},
        {"", "", "", ""},
        {"", "Fenster", "Opake", "Total"},
        {"", "", "Bauteile", ""},
        {"Dach", "", "", ""},
        // roof windows: the skylight tilted 30° and the horizontal one: 2.4 + 1.5
        {"", "3.9", "125.5", "129.4"},
        {"", "", "", ""},
        {"Wand", "", "", ""},
        // the main names turned by north NNE; door 2.2 to the north
        {"- NNE", "2.2", "25.0", "27.2"},
        // 35 from the formula {5*7} of the description
        {"- ESE", "", "35.0", "35.0"},
        {"- SSW", "12.0", "40.0", "52.0"},
        // the partition to the neighbour room counts as a wall too
        {"- WNW", "6.5", "15.0", "21.5"},
        {"", "", "", ""},
        {"Boden", "", "", ""},
        {"", "", "100.0", "100.0"},
        {"", "", "", ""},
        {"Total (Gebäudehülle)", "", "", ""},
        {"", "24.6", "340.5", "365.1"},
        {"", "", "", ""},
        // the wall to the neighbour room of 12.4 °C is not in A_th
        {"davon gegen beheizte Zonen und Räume (nicht in A_th)", "", "", ""},
        {"", "", "15.0", "15.0"},
        {"", "", "", ""},
        {"A_th (thermische Gebäudehüllfläche)", "", "", ""},
        {"", "24.6", "325.5", "350.1"},
        {"", "", "", ""},
        {"Wärmebrücken längenbezogen", "", "", ""},
        {"", "", "", "82.5"},
        {"", "", "", ""},
        {"Wärmebrücken punktbezogen", "", "", ""},
        {"", "", "", "18"},
    };
    ASSERT_GE(zeilen.size(), soll.size());
    for (std::size_t i = 0; i < soll.size(); ++i) EXPECT_EQ(zeilen[i], soll[i]) << "Zeile " << i;
    // Headings coloured; the head block's first tab stop 1600 twips.
    ASSERT_FALSE(f.rtbT.Farben().empty());
    EXPECT_EQ(f.rtbT.Farben().front().Farbe, RGB(31, 0, 127));
    ASSERT_EQ(f.rtbT.Tabstopps().size(), 2u);
    EXPECT_EQ(f.rtbT.Tabstopps()[1].Tabs, (std::vector<std::int32_t>{1600, 2700, 3600}));
}

// The envelope total of a zone holds its partitions against heated zones
// and rooms of given temperature, the proof's A_th does not: the report
// shows both, and total less the partitions is A_th. Three zones with
// partitions to each other (B1 its ceiling to W1; L1 a wall to W1 and one to
// a cold room).
TEST(Ergebnisansichten, FlaechenberichtGleichtTotalUndAthAb) {
    Testhilfe::Zonenprojekt umgebung;
    ASSERT_EQ(Testhilfe::ProjektÖffnen(Testhilfe::Projektordner() / "MehrereZonen.zirvo9"), "");
    ASSERT_TRUE(Testhilfe::AlleZonenBerechnen(umgebung.F).empty());
    using Zeile = std::array<std::string, 4>;
    const struct {
        std::int16_t zone;
        Zeile total, beheizt, ath;
    } fälle[] = {
        // windows S 24, N 8 and the oriel SSW 3 (under an unturned north a
        // line of its own); roof 120, walls 60 + 60, floor to B1 120, wall to L1 20
        {0, {"", "35.0", "380.0", "415.0"}, {"", "", "140.0", "140.0"}, {"", "35.0", "240.0", "275.0"}},
        // windows E 15 + door W 4; walls 45 + 45, earth 120, ceiling to W1 120
        {1, {"", "19.0", "330.0", "349.0"}, {"", "", "120.0", "120.0"}, {"", "19.0", "210.0", "229.0"}},
        // gate 12; roof 60, wall 30, earth 60, wall to W1 20, to the cold room 10
        {2, {"", "12.0", "180.0", "192.0"}, {"", "", "30.0", "30.0"}, {"", "12.0", "150.0", "162.0"}},
    };
    for (const auto& c : fälle) {
        SCOPED_TRACE(c.zone);
        Global::Projekt.SetNZone(c.zone);
        umgebung.F.ProjektZoneEinlesen();
        ASSERT_FALSE(umgebung.F.ProjektZoneBerechnen());
        frmFlächen f;
        f.Form_Load();
        const auto zeilen = Berichtszeilen(f.rtbT.Text());
        const auto nach = [&](const std::string& überschrift) {
            for (std::size_t i = 0; i + 1 < zeilen.size(); ++i)
                if (zeilen[i][0] == überschrift) return zeilen[i + 1];
            return Zeile{"fehlt"};
        };
        EXPECT_EQ(nach("Total (Gebäudehülle)"), c.total);
        EXPECT_EQ(nach("davon gegen beheizte Zonen und Räume (nicht in A_th)"), c.beheizt);
        EXPECT_EQ(nach("A_th (thermische Gebäudehüllfläche)"), c.ath);
        EXPECT_EQ(Anzeigezahl::Festkomma(Global::Projekt.ZGetNum("Ae"), 1), c.ath[3]);
    }
}

// Every window and wall the zone computation counts stands in the area
// report, under the orientation it is computed with, and in the printed
// envelope summary in the column of that orientation: a name between the
// main names typed under an unturned north (the computation takes the
// radiation of that direction) has a line of its own in the report and
// shares the column of the main name before it clockwise, which is marked
// and named below the table.
// The zone: roof 100 m², wall S 150 m², a window of 3 m² and a wall of 20 m²
// in the orientation of the case; the report's total is the sum of its
// lines and equals A_th (253.0 + 20.0 m²), the summary's too.
TEST(Ergebnisansichten, JedesFensterInBerichtUndZusammenfassung) {
    const struct {
        const char* nord;
        const char* O;       // of the window and the second wall, as stored
        const char* zeile;   // the report's line of both
        const char* spalte;  // the summary's column head
        const char* hinweis; // below the summary's table
        const char* S;       // the report's line of the wall S
        const char* opak;    // the opaque area of the summary's column
    } fälle[] = {
        {"", "ENE", "- ENE", "NE*", "* samt Zwischenrichtung: NE mit ENE", "- S", "20.0"},
        {"", "SSW", "- SSW", "S*", "* samt Zwischenrichtung: S mit SSW", "- S", "170.0"}, // with the wall S
        {"", "NNW", "- NNW", "NW*", "* samt Zwischenrichtung: NW mit NNW", "- S", "20.0"},
        {"", "NE", "- NE", "NE", "", "- S", "20.0"},
        {"NNE", "NE", "- ENE", "ENE", "", "- SSW", "20.0"},
        // a name between typed under a turned north (as a file may hold it)
        {"NNE", "ENE", "- ENE", "ENE", "", "- SSW", "20.0"},
        {"NNW", "NNE", "- NNE", "NNE", "", "- SSE", "20.0"},
    };
    for (const auto& c : fälle) {
        SCOPED_TRACE(std::string(c.nord) + " " + c.O);
        Testhilfe::Zonenprojekt z;
        Testhilfe::Druckumgebung druck;
        z.P.PSetStr(c.nord, "Nord");
        basZIRVO_HiRi::NordAktuell = c.nord;
        z.EBFSetzen(100);
        z.Zeile(TabelleA, 0, {"D", "Dach", "100", "", "0.15"});
        z.Zeile(TabelleA, 1, {"W", "Wand", "150", "", "0.2", "", "S"});
        z.Zeile(TabelleA, 2, {"W", "Wand", "20", "", "0.2", "", c.O});
        z.Zeile(TabelleF, 0, {"F", "Fenster", "3", "", "1.0", "", c.O, "", "0.5", "0.75", "-", "-"});
        z.F.ProjektZoneSpeichern();
        ASSERT_FALSE(z.F.ProjektZoneBerechnen());

        frmFlächen f;
        f.Form_Load();
        const auto zeilen = Berichtszeilen(f.rtbT.Text());
        using Zeile = std::array<std::string, 4>;
        const auto nach = [&](const std::string& überschrift) {
            for (std::size_t i = 0; i + 1 < zeilen.size(); ++i)
                if (zeilen[i][0] == überschrift) return zeilen[i + 1];
            return Zeile{"fehlt"};
        };
        // The parts: roof, the wall lines, floor (none).
        std::vector<Zeile> wände;
        for (const Zeile& zeile : zeilen)
            if (zeile[0].starts_with("- ")) wände.push_back(zeile);
        EXPECT_EQ(wände.size(), 2u);
        const Zeile richtung = {c.zeile, "3.0", "20.0", "23.0"};
        EXPECT_EQ(nach("Dach"), (Zeile{"", "", "100.0", "100.0"}));
        EXPECT_NE(std::find(wände.begin(), wände.end(), richtung), wände.end());
        EXPECT_NE(std::find(wände.begin(), wände.end(), Zeile{c.S, "", "150.0", "150.0"}), wände.end());
        EXPECT_EQ(nach("Total (Gebäudehülle)"), (Zeile{"", "3.0", "270.0", "273.0"}));
        EXPECT_EQ(nach("davon gegen beheizte Zonen und Räume (nicht in A_th)"), (Zeile{"", "", "", ""}));
        EXPECT_EQ(nach("A_th (thermische Gebäudehüllfläche)"), (Zeile{"", "3.0", "270.0", "273.0"}));

        // The summary: the window's and the wall's column, its total, the
        // rows below the table (nothing against heated rooms).
        ZIRVO3801Drucken r;
        ASSERT_TRUE(r.Initialisieren(false, false));
        r.SetzeUhrzeit();
        r.DruckBeginn(false);
        bool failed = false;
        r.Zusammenfassung(failed);
        ASSERT_FALSE(failed);
        const Testhilfe::Seitenraster raster = Testhilfe::Druckumgebung::Raster(r);
        const Aufzeichnungsfläche::Aufruf* titel = nullptr;
        for (int seite = 1; seite <= 3 && !titel; ++seite) titel = raster.Genau("Gebäudehülle", seite);
        ASSERT_TRUE(titel);
        const int kopf = raster.Zeile(titel->y1) - 1;
        // Column j (roof 0, the orientations 1 to 8, floor 9, total 10) of a
        // text by where it begins (a head) or ends (a value).
        const auto spalte = [&](const Aufzeichnungsfläche::Aufruf* a, bool wert) {
            return wert ? (raster.Ende(*a) + 1) / 7 - 1 : (raster.Spalte(a->x1) + 1) / 7;
        };
        const auto zeilenwerte = [&](int zeile, bool wert) {
            std::map<int, std::string> werte;
            for (const auto* a : raster.InZeile(titel->Seite, kopf + zeile))
                if (a->x1 > titel->x1 + 1) werte[spalte(a, wert)] = a->Text;
            return werte;
        };
        const auto köpfe = zeilenwerte(5, false);
        const auto fenster = zeilenwerte(11, true);
        const auto opak = zeilenwerte(8, true);
        int j = 0;
        for (const auto& [k, text] : köpfe)
            if (text == c.spalte) j = k;
        ASSERT_GT(j, 0) << c.spalte;
        EXPECT_EQ(fenster, (std::map<int, std::string>{{j, "3.0"}, {10, "3.0"}}));
        EXPECT_EQ(opak.at(j), c.opak);
        EXPECT_EQ(opak.at(10), "270.0");
        EXPECT_EQ(raster.Zeilentext(titel->Seite, kopf + 48), "davon gegen beheizte Zonen und Räume (nicht in A|th|) [m²]");
        EXPECT_EQ(raster.Zeilentext(titel->Seite, kopf + 49), "A|th| (thermische Gebäudehüllfläche) [m²]|273.0");
        EXPECT_EQ(raster.Zeilentext(titel->Seite, kopf + 50), c.hinweis);
    }
}

// The losses per component of AlleZeilenarten, built by the all-zones check:
// items used by rows of one column of the zone's tables only against the
// expected values of those columns (kWh per m² times the EBF, shown in MWh);
// a window's QT less its Qs is its Q; before a check the table is empty and
// the lines show only the items' own values.
TEST(Ergebnisansichten, VerlusteBauteileMitDenZonenwerten) {
    Testhilfe::Zonenprojekt umgebung;
    ASSERT_EQ(Testhilfe::ProjektÖffnen(Testhilfe::Projektordner() / "AlleZeilenarten.zirvo9"), "");
    // Opening the project dropped the envelope records of before.
    basZIRVOBauteile::BauteilverlusteTabelle();
    EXPECT_TRUE(basZIRVOBauteile::Bauteilverluste().empty());
    {
        frmBauteilVerluste f;
        f.Form_Load();
        EXPECT_NE(f.rtbT.Text().find("  2\tDach\t\t    0.18\t\t\n"), std::string::npos) << f.rtbT.Text();
    }

    umgebung.F.BauteilverlusteTabelle = [] { basZIRVOBauteile::BauteilverlusteTabelle(); };
    ASSERT_FALSE(umgebung.F.AlleZonenPrüfen(true));
    umgebung.F.BauteilverlusteTabelle = nullptr;
    const auto e = ErwartungenLesen(Testhilfe::Projektordner() / "AlleZeilenarten.expected").at("EFH");
    const double EBF = e.at({"EBF", "-"});
    auto soll = [&](std::initializer_list<const char*> schlüssel) {
        double q = 0;
        for (const char* s : schlüssel) {
            const std::string t(s);
            q += e.at({t.substr(0, 3), t.substr(4)});
        }
        return q * EBF;
    };
    struct Fall {
        std::int16_t Gruppe, Nummer;
        double Fläche, Q;
    } fälle[] = {
        {1, 2, 95.5, soll({"QtA 12,0"})},             // the only roof against outside air
        {1, 3, 80.0, soll({"QtU 12,2"})},             // the only floor against the ground
        {3, 1, 12.5, soll({"QtA 12,3"})},             // the only linear bridge against outside air
        {3, 2, 12.0, soll({"QtA 12,4", "QtF 12,3"})}, // the point bridges of two tables
    };
    for (const Fall& f : fälle) {
        double Fl = 0, Q = 0, G = 0;
        basZIRVOBauteile::BauteilverlusteWert(f.Gruppe, f.Nummer, Fl, Q, G);
        EXPECT_DOUBLE_EQ(Fl, f.Fläche) << f.Gruppe << "/" << f.Nummer;
        EXPECT_NEAR(Q, f.Q, 0.001 * EBF) << f.Gruppe << "/" << f.Nummer;
        EXPECT_EQ(G, 0);
    }
    double Fl = 0, Q = 0, G = 0;
    basZIRVOBauteile::BauteilverlusteWert(2, 1, Fl, Q, G);
    EXPECT_DOUBLE_EQ(Fl, 12.0);
    EXPECT_GT(G, 0);
    basZIRVOBauteile::BauteilverlusteWert(2, 7, Fl, Q, G);
    EXPECT_EQ(Fl + Q + G, 0);

    frmBauteilVerluste f;
    f.Form_Load();
    EXPECT_EQ(f.Caption, "Energien Bauteile (Verluste)");
    const std::string& t = f.rtbT.Text();
    EXPECT_NE(t.find("EBF: \t160.2 m²\n"), std::string::npos);
    // The roof in MWh, right-aligned in its columns.
    EXPECT_NE(t.find("  2\tDach\t\t    0.18\t" + Textbericht::ZahlSpalte(95.5, 9, 1) + "\t" +
                     Textbericht::ZahlSpalte(soll({"QtA 12,0"}) / 1000, 8, 1) + "\n"),
              std::string::npos)
        << t;
    // The window: Q, QT = Q + Qs, Qs; its units stand over its columns.
    basZIRVOBauteile::BauteilverlusteWert(2, 1, Fl, Q, G);
    EXPECT_NE(t.find("\t" + Textbericht::ZahlSpalte(Q / 1000, 8, 1) + "\t" +
                     Textbericht::ZahlSpalte((Q + G) / 1000, 8, 1) + "\t" + Textbericht::ZahlSpalte(G / 1000, 8, 1) +
                     "\n"),
              std::string::npos);
    EXPECT_NE(t.find("\n\t\t [-]\t [W/m²K]\t         [m²]\t     [MWh]"), std::string::npos);
}

// A component used in two zones shows the sum of its areas in both.
TEST(Ergebnisansichten, VerlusteBauteileUeberAlleZonen) {
    Testhilfe::Zonenprojekt umgebung;
    ASSERT_EQ(Testhilfe::ProjektÖffnen(Testhilfe::Projektordner() / "MehrereZonen.zirvo9"), "");
    ASSERT_TRUE(Testhilfe::AlleZonenBerechnen(umgebung.F).empty());
    basZIRVOBauteile::BauteilverlusteTabelle();
    double Fl = 0, Q = 0, G = 0;
    basZIRVOBauteile::BauteilverlusteWert(1, 1, Fl, Q, G);
    EXPECT_DOUBLE_EQ(Fl, 40.0);
    frmBauteilVerluste f;
    f.Form_Load();
    // The EBF of the whole project.
    EXPECT_NE(f.rtbT.Text().find("EBF: \t420.0 m²\n"), std::string::npos) << f.rtbT.Text();
}

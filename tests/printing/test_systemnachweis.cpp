// The printed system proof on the recording surface: the golden projects
// printed whole through the print dialog and read back as boxes and rows of
// the grid (box sizes by zone count, column sets, page heads, no box over a
// page end), the single-component list and the protocol of a zone checked
// cell by cell, and the print dialog's rules (copies, choices, a zone that
// does not compute, a section that breaks off).
#include "balance/Gebaeudehuelle.h"
#include "frame/Dateien.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOSymbole.h"
#include "balance/basZIRVONorm.h"
#include "frame/basZIRVOFehler.h"
#include "components/Bauteile.h"
#include "mainwindow/frmZIRVO3801.h"
#include "printing/ZIRVO3801Drucken.h"
#include "printing/frmDrucken.h"
#include "project/ProjektGlobal.h"
#include "tests/printing/Druckumgebung.h"
#include "tests/support/Goldenprojekt.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <map>
#include <stdexcept>

namespace {

using Art = Aufzeichnungsfläche::Art;
using Testhilfe::Druckumgebung;

// The portrait grid of the fresh settings: 79 x 66 cells over 16.5 x 26.7 cm.
constexpr double Zb = 16.5 / 79, Zh = 26.7 / 66;
int Zeile(double y) { return static_cast<int>(std::lround(y / Zh)); }
int Spalte(double x) { return static_cast<int>(std::lround(x / Zb)) - 1; }
int Ende(const Aufzeichnungsfläche::Aufruf& a) { return static_cast<int>(std::lround(a.x2 / Zb)) - 1; }

// One framed box: page, the page rows of its top frame line, its content
// rows and the first text of its row 1.
struct Kasten {
    int Seite, Anfang, Zeilen;
    std::string Titel;
};

std::vector<Kasten> Kästen(const Aufzeichnungsfläche& f) {
    std::vector<Kasten> k;
    for (const auto* r : f.Alle(Art::Rechteck)) {
        const int anfang = Zeile(r->y1 - Zh / 2);
        Kasten kasten{r->Seite, anfang, Zeile(r->y2 - r->y1) - 1, {}};
        for (const auto* t : f.Texte(r->Seite))
            if (Zeile(t->y1) == anfang + 1) {
                kasten.Titel = t->Text;
                break;
            }
        k.push_back(kasten);
    }
    return k;
}

// The texts of one page row, left to right, joined by "|".
std::string Zeilentext(const Aufzeichnungsfläche& f, int seite, int zeile) {
    std::string s;
    for (const auto* a : f.Texte(seite))
        if (Zeile(a->y1) == zeile) s += (s.empty() ? "" : "|") + a->Text;
    return s;
}

const Aufzeichnungsfläche::Aufruf* Genau(const Aufzeichnungsfläche& f, const std::string& text, int ab = 0) {
    for (const auto& a : f.Aufrufe)
        if (a.art == Art::Text && a.Seite >= ab && a.Text == text) return &a;
    return nullptr;
}

// A golden project opened, the fresh print settings on the test printer,
// and the print dialog loaded.
struct Druck {
    Testhilfe::Zonenprojekt projekt;
    Druckumgebung druck;
    frmDrucken dialog;

    explicit Druck(const char* name = nullptr) {
        if (name) {
            EXPECT_EQ(Testhilfe::ProjektÖffnen(Testhilfe::Projektordner() / (std::string(name) + ".zirvo9")), "");
        }
    }
    // Prints a choice of the dialog; the documents that ended.
    const std::vector<Aufzeichnungsfläche>& Drucken(int auswahl, const std::string& exemplare = "1") {
        dialog.Form_Load();
        dialog.optAusdruck_Click(auswahl);
        dialog.txtExemplare.setText(exemplare);
        dialog.cmdDrucken_Click();
        return druck.drucker.Beendet;
    }
    const Testhilfe::GezeigteMeldung* Meldung() const { return projekt.umgebung.meldungen.Letzte(); }
};

// The whole proof of one and of three zones: every box of the expected
// size, nothing over a page end, page heads from page 2 on, the column sets
// of one and of several zones, the end box last.
TEST(Systemnachweis, KästenUndSeiten) {
    for (const char* name : {"EinfacheZone", "AlleZeilenarten", "MehrereZonen"}) {
        SCOPED_TRACE(name);
        Druck d(name);
        const int n = Global::Projekt.ZonenAnzahl();
        const auto& gedruckt = d.Drucken(0);
        ASSERT_EQ(gedruckt.size(), 1u);
        ASSERT_EQ(d.projekt.umgebung.meldungen.Zuletzt().Text, "OK, Ausdruck abgeschlossen.");
        const Aufzeichnungsfläche& f = gedruckt.front();
        const auto kästen = Kästen(f);

        std::map<std::string, std::vector<int>> grössen;
        for (const Kasten& k : kästen) {
            EXPECT_LE(k.Anfang + k.Zeilen + 1, 65) << k.Titel << " crosses the end of page " << k.Seite;
            EXPECT_GE(k.Anfang, k.Seite == 1 ? 0 : 2) << k.Titel;
            grössen[k.Titel].push_back(k.Zeilen);
        }
        const bool mehrere = n > 1;
        const std::map<std::string, std::vector<int>> erwartet = {
            {"Thermische Zonen", std::vector<int>(2, mehrere ? n + 7 : 6)}, // summary and protocol
            {"Energiebezugsfläche A", {mehrere ? n + 9 : 8}},
            {"Energiebilanz mit Grenzwert Q", {mehrere ? n + 7 : 6}},
            {"Heizlast mit Grenzwert P", {mehrere ? n + 13 : 11}},
            {"Spezielle Eingabedaten", {n + 7}},
            // a row more under the tables that hold the oriel of W1 facing SSW
            {"Gebäudehülle", mehrere ? std::vector<int>{50, 50, 49, 49} : std::vector<int>{49}},
            {"Heizwärmebedarf", std::vector<int>(static_cast<std::size_t>(n), 11)},
            {"Projekt", {58, 11}}, // the cover's frame and the protocol's project data
            {"Zusammenfassung", {1}},
            {"Protokoll", {1}},
        };
        for (const auto& [titel, zeilen] : erwartet) {
            auto ist = grössen[titel];
            if (titel == "Energiebilanz mit Grenzwert Q" && ist.empty()) ist = grössen["Energiebilanz mit Zielwert Q"];
            if (titel == "Energiebezugsfläche A" && !mehrere) ist.resize(1);
            EXPECT_EQ(ist, zeilen) << titel;
        }

        // The cover: its head box without page head, then the frame of 58
        // rows; every later page begins with the page head.
        EXPECT_EQ(kästen[0].Zeilen, 2);
        EXPECT_EQ(kästen[1].Zeilen, 58);
        EXPECT_EQ(kästen[1].Anfang, 4);
        const std::string titel = "Nachweis:  " + Global::Projekt.PGetStr("Bez") + "      ";
        for (int s = 2; s <= f.Seitennummer(); ++s) {
            const std::string kopf = Zeilentext(f, s, 0);
            EXPECT_EQ(kopf.rfind(titel, 0), 0u) << kopf;
            EXPECT_EQ(kopf.substr(kopf.rfind('|') + 1), "Seite " + std::to_string(s));
        }
        EXPECT_EQ(Zeilentext(f, 1, 0).find("Nachweis:"), std::string::npos);
        EXPECT_EQ(f.Texte().back()->Text, "Nachweis:  Ende des Ausdrucks");

        // The zones table: code column and the column set of several zones.
        const auto* ae = Genau(f, "A", 2);
        ASSERT_NE(ae, nullptr);
        EXPECT_EQ(Spalte(ae->x1), mehrere ? 55 : 52);
        EXPECT_EQ(Genau(f, "Code") != nullptr, mehrere);
        // The heating demand of December ends at column 76 of its protocol box.
        int monate = 0;
        for (const auto* t : f.Texte())
            if (Spalte(t->x1) >= 17 && Ende(*t) == 76 && t->Schrift.Fett && t->Text.find('.') != std::string::npos)
                ++monate;
        EXPECT_GE(monate, n);
    }
}

// The envelope summary's total holds the areas against heated zones and
// rooms, the proof's A_th does not: below the table the one and the other
// stand under the total column, total less the first is the second. Per
// box: total, against heated, A_th (hand sums of the projects' rows).
TEST(Systemnachweis, GebäudehülleTotalUndAth) {
    const struct {
        const char* name;
        std::vector<std::array<const char*, 3>> kästen;
    } fälle[] = {
        // 190.5 opaque, 24.6 windows, 55 unheated, 80 earth, 15 to the neighbour at 12.4 °C
        {"AlleZeilenarten", {{"365.1", "15.0", "350.1"}}},
        // all zones, then W1 (floor to B1, wall to L1), B1 (ceiling to W1),
        // L1 (wall to W1, wall to the cold room)
        {"MehrereZonen",
         {{"956.0", "290.0", "666.0"},
          {"415.0", "140.0", "275.0"},
          {"349.0", "120.0", "229.0"},
          {"192.0", "30.0", "162.0"}}},
    };
    for (const auto& c : fälle) {
        SCOPED_TRACE(c.name);
        Druck d(c.name);
        const auto& gedruckt = d.Drucken(0);
        ASSERT_EQ(gedruckt.size(), 1u);
        const Aufzeichnungsfläche& f = gedruckt.front();
        std::vector<Kasten> hülle;
        for (const Kasten& k : Kästen(f))
            if (k.Titel == "Gebäudehülle") hülle.push_back(k);
        ASSERT_EQ(hülle.size(), c.kästen.size());
        for (std::size_t i = 0; i < hülle.size(); ++i) {
            const auto letzter = [&](int zeile) {
                const std::string t = Zeilentext(f, hülle[i].Seite, hülle[i].Anfang + zeile);
                return t.substr(t.rfind('|') + 1);
            };
            EXPECT_EQ(letzter(23), c.kästen[i][0]) << i;
            EXPECT_EQ(Zeilentext(f, hülle[i].Seite, hülle[i].Anfang + 48),
                      std::string("davon gegen beheizte Zonen und Räume (nicht in A|th|) [m²]|") + c.kästen[i][1]);
            EXPECT_EQ(Zeilentext(f, hülle[i].Seite, hülle[i].Anfang + 49),
                      std::string("A|th| (thermische Gebäudehüllfläche) [m²]|") + c.kästen[i][2]);
        }
    }
}

// A zone's heading box goes to the next page with the zone's first box
// (17 rows of use data) when both do not fit below what stands before it:
// after a box of 39 rows below the page head they just fit, after 40 not;
// a name on two lines takes one more. The name wraps beside its label.
TEST(Systemnachweis, ZonenkopfMitErstemKasten) {
    const struct {
        int davor, seite;
        std::string name;
    } fälle[] = {{39, 1, "Wohnen"}, {40, 2, "Wohnen"}, {38, 1, std::string(60, 'W')}, {39, 2, std::string(60, 'W')}};
    for (const auto& c : fälle) {
        SCOPED_TRACE(std::to_string(c.davor) + " " + c.name);
        Testhilfe::Zonenprojekt z;
        Druckumgebung druck;
        z.P.ZSetStr(c.name, "Bez");
        ZIRVO3801Drucken r;
        ASSERT_TRUE(r.Initialisieren(false, false));
        r.SeitentitelSetzen();
        r.Seiten().Box(c.davor, false);
        bool failed = true;
        r.Nutzungszone(0, failed);
        const auto kästen = Kästen(Druckumgebung::Fläche(r));
        ASSERT_GE(kästen.size(), 3u);
        EXPECT_EQ(kästen[1].Titel, "Thermische Zone");
        EXPECT_EQ(kästen[1].Zeilen, c.name.size() > 50 ? 2 : 1);
        EXPECT_EQ(kästen[1].Seite, c.seite);
        EXPECT_EQ(kästen[1].Anfang, c.seite == 1 ? c.davor + 5 : 2);
        EXPECT_EQ(kästen[2].Seite, c.seite);
        // The pages the zone continues on name it below their head; the
        // page of its heading box does not.
        const auto& f = Druckumgebung::Fläche(r);
        ASSERT_GT(f.Seitennummer(), c.seite);
        for (int s = 1; s <= f.Seitennummer(); ++s) {
            int zusatz = 0;
            for (const auto* t : f.Texte(s)) zusatz += t->Text.starts_with("Thermische Zone: " + c.name.substr(0, 6));
            EXPECT_EQ(zusatz, s > c.seite ? 1 : 0) << "page " << s;
        }
    }
}

// The single-component list of the summary: rows of all zones merged by
// item, or by designation and values; the designation is printed as typed
// (tabs and line breaks included); a missing item prints "?" with its area.
TEST(Systemnachweis, Einzelbauteilliste) {
    Druck d;
    Testhilfe::Zonenprojekt& z = d.projekt;
    z.BauteilAnlegen(3, 0.25, "Aussenwand");
    z.BauteilAnlegen(7, 0.2, "Dach");
    z.FensterAnlegen(1, 1.0, 0.5, 0.7, "Holzfenster");
    z.EBFSetzen(100);
    z.Zeile(2, 0, {"W", "Wand Nord", "12", "3", "", "", "N"});
    z.Zeile(2, 1, {"W", "Wand Süd", "8", "3", "", "", "S"});
    z.Zeile(2, 2, {"W", "Mauer\talt {2.5*2}", "5", "", "0.8", "", "E"});
    z.Zeile(2, 3, {"W", "Mauer\talt", "5", "", "0.8", "", "W"});
    z.Zeile(2, 4, {"W", "Mauer\r\nneu", "4", "", "0.9", "", "W"});
    z.Zeile(2, 5, {"D", "Dach", "30", "7", "0.2", "", ""});
    z.Zeile(4, 0, {"F", "Fenster", "6", "1", "", "", "S", "0", "", "", "-", "-"});
    z.F.ProjektZoneSpeichern();
    ASSERT_FALSE(z.F.ProjektZoneBerechnen()) << Eingabefehler.Text;
    z.F.ProjektZoneSpeichern();
    // Item 7 deleted after its rows were typed.
    Elemente::Entfernen(z.P, Elementart::Bauteil, 7);

    ZIRVO3801Drucken r;
    ASSERT_TRUE(r.Initialisieren(false, false));
    bool failed = true;
    r.Zusammenfassung(failed);
    EXPECT_FALSE(failed);
    const Aufzeichnungsfläche& f = Druckumgebung::Fläche(r);
    // The row of the list that holds the text in column 6.
    auto zeile = [&](const std::string& bez) {
        for (const auto* t : f.Texte())
            if (t->Text == bez && Spalte(t->x1) == 6) return Zeilentext(f, t->Seite, Zeile(t->y1));
        return "<" + bez + " fehlt>";
    };
    // Its loss over the heating season of both rows, in MWh.
    const double Q = Gebäudehülle::Instanz().Systemnachweis_Q("DWB", 3) / 1000;
    ASSERT_GT(Q, 0.05);
    EXPECT_EQ(zeile("Aussenwand"), "3|Aussenwand|0.25|20.0|" + ZIRVO3801Drucken::DruckZahl(Q, 1, false));
    EXPECT_EQ(zeile("?"), "7|?|30.0");
    EXPECT_EQ(zeile("Mauer\talt"), "   -|Mauer\talt|0.80|10.0");
    EXPECT_EQ(zeile("Mauer\r\nneu"), "   -|Mauer\r\nneu|0.90|4.0");
    EXPECT_EQ(zeile("Holzfenster").rfind("1|Holzfenster|0.50|1.00|6.0", 0), 0u) << zeile("Holzfenster");
    // Components first, unnumbered after them; the bridges box says "keine".
    const auto* aussenwand = Genau(f, "Aussenwand");
    const auto* mauer = Genau(f, "Mauer\talt");
    EXPECT_LT(Zeile(aussenwand->y1), Zeile(mauer->y1));
    bool keine = false;
    for (const Kasten& k : Kästen(f))
        if (k.Titel == "Wärmebrücken") {
            EXPECT_EQ(k.Zeilen, 3);
            keine = Zeilentext(f, k.Seite, k.Anfang + 3) == "keine";
        }
    EXPECT_TRUE(keine);
}

// The protocol of one zone: a missing table prints its title with
// "(keine)", the zone becomes current, the month strip stands in its
// columns.
TEST(Systemnachweis, ZonenprotokollOhneFenster) {
    Druck d("MehrereZonen");
    Projekt& p = Global::Projekt;
    p.SetNZone(2);
    p.ZSetColl(nullptr, "F_");
    p.SetNZone(0);
    ZIRVO3801Drucken r;
    ASSERT_TRUE(r.Initialisieren(false, false));
    bool failed = true;
    // The first zone's window table: the sums of windows, doors and bridges
    // as the balance stored them.
    r.Nutzungszone(0, failed);
    EXPECT_FALSE(failed);
    const Aufzeichnungsfläche& f = Druckumgebung::Fläche(r);
    std::vector<double> ATotF(4, -1);
    p.ZGetArrX(ATotF, "ATotF");
    ASSERT_GT(ATotF[0], 0);
    const auto* fenster0 = f.Suchen("Gebäudehülle Fenster und Türen gegen Aussenluft");
    ASSERT_NE(fenster0, nullptr);
    EXPECT_EQ(Zeilentext(f, fenster0->Seite, Zeile(fenster0->y1) + 2).substr(0, 20),
              ("F|Fenster|" + ZIRVO3801Drucken::DruckZahl(ATotF[0], 1, false) + "| [m²]").substr(0, 20));
    const std::size_t vorher = f.Aufrufe.size();
    r.Nutzungszone(2, failed);
    EXPECT_FALSE(failed);
    EXPECT_EQ(p.GetNZone(), 2);
    auto kästen = Kästen(f);
    kästen.erase(kästen.begin(), std::find_if(kästen.begin(), kästen.end(), [&](const Kasten& k) {
        return &k - kästen.data() > 0 && k.Titel == "Thermische Zone" &&
               Zeilentext(f, k.Seite, k.Anfang + 1).find(p.Zone_GetStr(2, "Bez")) != std::string::npos;
    }));
    ASSERT_GT(f.Aufrufe.size(), vorher);
    const auto fenster = std::find_if(kästen.begin(), kästen.end(), [](const Kasten& k) {
        return k.Titel == "Gebäudehülle Fenster und Türen gegen Aussenluft";
    });
    ASSERT_NE(fenster, kästen.end());
    EXPECT_EQ(fenster->Zeilen, 1);
    EXPECT_EQ(Zeilentext(f, fenster->Seite, fenster->Anfang + 1),
              "Gebäudehülle Fenster und Türen gegen Aussenluft|  (keine)");
    // The ventilation of the workshop is natural: a box of 4 rows.
    EXPECT_TRUE(std::any_of(kästen.begin(), kästen.end(),
                            [](const Kasten& k) { return k.Titel == "Lüftung, natürlich" && k.Zeilen == 4; }));
    // Month m of the heating demand in the 4 cells before column 5m + 21.
    const auto heiz = std::find_if(kästen.begin(), kästen.end(), [](const Kasten& k) { return k.Titel == "Heizwärmebedarf"; });
    ASSERT_NE(heiz, kästen.end());
    Monatsarray qh{};
    p.ZGetArr1(qh, "Qh");
    for (int m = 0; m < 12; ++m) {
        const std::string soll = ZIRVO3801Drucken::DruckZahl(qh[static_cast<std::size_t>(m)], 1, true);
        bool da = false;
        for (const auto* t : f.Texte(heiz->Seite))
            da = da || (Zeile(t->y1) == heiz->Anfang + 11 && Ende(*t) == 5 * m + 21 && t->Text == soll);
        EXPECT_TRUE(da) << "Monat " << m + 1;
    }
}

// Cell `zelle` of row `zeile` (both from 1) of a table of zone `zone`.
void ZeileÄndern(std::int16_t zone, const char* tabelle, int zeile, int zelle, const Kollektion::Wert& wert) {
    Projekt& p = Global::Projekt;
    const std::int16_t vorher = p.GetNZone();
    p.SetNZone(zone);
    const KollektionZeiger alt = p.ZGetColl(tabelle);
    auto neu = Kollektion::Neu();
    for (int i = 1; alt && i <= alt->Anzahl(); ++i) {
        const KollektionZeiger r = alt->Koll(i);
        auto z = Kollektion::Neu();
        for (int k = 1; r && k <= r->Anzahl(); ++k) z->WertHinzufügen(i == zeile && k == zelle ? wert : *r->Eintrag(k));
        neu->Hinzufügen(KollektionZeiger(z));
    }
    p.ZSetColl(neu, tabelle);
    p.SetNZone(vorher);
}

// A printer whose page breaks off with an exception at one text.
class AbbrechenderDrucker : public Testhilfe::Testdrucker {
public:
    std::string Bei;
    std::unique_ptr<Plattform::Druckfläche> Auftrag(const std::string& drucker, const std::string& ziel,
                                                    std::string& fehler) override {
        struct Fläche : Aufzeichnungsfläche {
            std::string bei;
            void Text(double x, double y, std::string_view text) override {
                if (text == bei) throw std::runtime_error("Druckfehler");
                Aufzeichnungsfläche::Text(x, y, text);
            }
        };
        Testdrucker::Auftrag(drucker, ziel, fehler);
        auto f = std::make_unique<Fläche>();
        f->bei = Bei;
        f->BeimBeenden = [this](const Aufzeichnungsfläche& a) { Beendet.push_back(a); };
        return f;
    }
};

// The print dialog: copies out of range print nothing; three copies bear
// one print time; a zone that does not compute stops the protocol and asks
// before a single zone; a section that breaks off is named and its document
// never ends; after every run the former zone is current again and the
// item counter is switched as it was.
TEST(Systemnachweis, Druckdialog) {
    struct Fall {
        const char* was;
        int auswahl;
        std::string exemplare;
        bool zoneKaputt;
        std::deque<Plattform::Antwort> antworten;
        std::string abbrechenBei;
        std::size_t dokumente;
        std::string meldung; // the start of the last message
    } fälle[] = {
        {"copies 0", 0, "0", false, {}, "", 0, ""},
        {"copies 11", 0, "11", false, {}, "", 0, ""},
        {"three copies", 1, "3", false, {}, "", 3, "OK, Ausdruck abgeschlossen."},
        {"cover with summary", 2, "1", false, {}, "", 1, "OK, Ausdruck abgeschlossen."},
        {"protocol of a project that does not compute", 4, "1", true, {}, "", 0,
         "Es ist ein Fehler bei der Aufbereitung der Projektdaten aufgetreten.\r\n\r\nBitte"},
        {"one zone, declined", 7, "1", true, {Plattform::Antwort::Nein}, "", 0,
         "Es ist ein Fehler bei der Aufbereitung der Projektdaten aufgetreten.\r\nBitte"},
        {"one zone, anyway", 7, "1", true, {Plattform::Antwort::Ja}, "", 1, "OK, Ausdruck abgeschlossen."},
        {"a section breaks off", 0, "1", false, {}, "Einzelbauteile", 0,
         "Der Ausdruck ist fehlgeschlagen und wurde abgebrochen.\r\n\r\nFehlerhafter Teil: Zusammenfassung, "
         "Einzelbauteile"},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.was);
        for (const bool zählenVorher : {false, true}) {
            Druck d("MehrereZonen");
            AbbrechenderDrucker drucker;
            drucker.Liste = d.druck.drucker.Liste;
            drucker.Bei = c.abbrechenBei;
            Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, nullptr}};
            Projekt& p = Global::Projekt;
            if (c.zoneKaputt) ZeileÄndern(1, "A_", 1, 2, "Fassade {Fehler}"); // a formula that does not compute
            p.SetNZone(1);
            Global::ElementeZählen = zählenVorher;
            d.projekt.umgebung.meldungen.Antworten = c.antworten;
            d.dialog.Form_Load();
            d.dialog.optAusdruck_Click(c.auswahl);
            d.dialog.cboZonen.setListIndex(2);
            d.dialog.txtExemplare.setText(c.exemplare);
            d.dialog.cmdDrucken_Click();

            EXPECT_EQ(drucker.Beendet.size(), c.dokumente);
            EXPECT_EQ(p.GetNZone(), 1);
            EXPECT_EQ(Global::ElementeZählen, zählenVorher);
            EXPECT_EQ(d.dialog.Entladen, c.dokumente > 0);
            EXPECT_EQ(d.dialog.txtExemplare.Text(), c.dokumente == 0 && c.meldung.empty() ? "1" : c.exemplare);
            const auto* m = d.Meldung();
            ASSERT_EQ(m != nullptr, !c.meldung.empty());
            if (m) {
                EXPECT_EQ(m->Text.rfind(c.meldung, 0), 0u) << m->Text;
            }
            if (drucker.Beendet.empty()) continue;
            const Aufzeichnungsfläche& erstes = drucker.Beendet.front();
            // Every copy bears the time of the first; only the whole proof has page heads.
            const auto* zeit = erstes.Suchen("Ausgedruckt am:");
            for (const auto& kopie : drucker.Beendet) {
                const auto* z = kopie.Suchen("Ausgedruckt am:");
                EXPECT_EQ(z != nullptr, zeit != nullptr);
                if (z && zeit) {
                    EXPECT_EQ(z->Text, zeit->Text);
                }
                for (int s = 1; s <= kopie.Seitennummer(); ++s)
                    EXPECT_EQ(Zeilentext(kopie, s, 0).find("Nachweis:"), std::string::npos);
            }
            if (c.auswahl == 7) {
                EXPECT_EQ(Kästen(erstes).front().Titel, "Thermische Zone");
                EXPECT_NE(Genau(erstes, p.Zone_GetStr(2, "Bez")), nullptr);
            }
            if (c.auswahl == 2) {
                EXPECT_NE(Genau(erstes, "Zusammenfassung"), nullptr);
                EXPECT_EQ(Kästen(erstes)[2].Titel, "Zusammenfassung") << "the summary follows the cover on its page";
            }
        }
    }
}

// The component sheets of a full proof: the items the rows of all zones
// use, counted while the dialog loads the zones; an unused item only with
// "Auch ungenutzte Bauteile".
TEST(Systemnachweis, BauteilblätterDerGenutztenElemente) {
    for (const bool alle : {false, true}) {
        Druck d("MehrereZonen");
        Projekt& p = Global::Projekt;
        d.projekt.BauteilAnlegen(2, 0.3, "Kellerwand");
        d.projekt.BauteilAnlegen(3, 0.4, "Ungenutzt");
        p.SetNZone(2);
        auto u = Kollektion::Neu();
        if (const KollektionZeiger alt = p.ZGetColl("U_"))
            for (int i = 1; i <= alt->Anzahl(); ++i) u->Hinzufügen(alt->Koll(i));
        auto zeile = Kollektion::Neu();
        for (const Kollektion::Wert& w : std::initializer_list<Kollektion::Wert>{
                 "W", "Kellerwand", 10.0, 2.0, 0.3, "", "N", 0.0, 0.6, ""})
            zeile->WertHinzufügen(w);
        u->Hinzufügen(KollektionZeiger(zeile));
        p.ZSetColl(u, "U_");
        p.SetNZone(0);
        d.dialog.Form_Load();
        d.dialog.chkAlleBauteile.setValue(alle ? 1 : 0);
        d.dialog.optAusdruck_Click(6);
        d.dialog.cmdDrucken_Click();
        ASSERT_EQ(d.druck.drucker.Beendet.size(), 1u);
        std::vector<std::string> blätter;
        for (const Kasten& k : Kästen(d.druck.drucker.Beendet.front()))
            if (k.Titel.rfind("Bauteil  ", 0) == 0) blätter.push_back(k.Titel);
        const std::vector<std::string> erwartet =
            alle ? std::vector<std::string>{"Bauteil  1", "Bauteil  2", "Bauteil  3"}
                 : std::vector<std::string>{"Bauteil  1", "Bauteil  2"};
        EXPECT_EQ(blätter, erwartet);
        EXPECT_EQ(basZIRVO3801::BauteiltypTabelleWert(2, "W", 2), 1);
    }
}

// The building's means leave out a zone without energy reference area: the
// cover and the summary's total show the mean of the other zones, weighted
// by their areas, and the verdict is made on it.
TEST(Systemnachweis, GebäudemittelOhneZoneOhneFläche) {
    Druck d("MehrereZonen");
    const auto text = Dateien::Lesen((Testhilfe::Projektordner() / "MehrereZonen.expected").string());
    ASSERT_TRUE(text);
    const auto zonen = Testhilfe::Einzelwerte(*text);
    ASSERT_EQ(zonen.size(), 3u);
    double ebf = 0, qh = 0;
    for (std::size_t i = 1; i < 3; ++i) {
        auto w = zonen[i].Werte;
        ebf += w["EBF"];
        qh += w["EBF"] * w["QhNw"];
    }
    const std::string mittel = ZIRVO3801Drucken::DruckZahl(basZIRVO3801::Runden(qh / ebf, 1), 1, true);
    Projekt& p = Global::Projekt;
    p.SetNZone(0);
    p.ZSetColl(nullptr, "Ah_"); // the first zone has no area
    ZIRVO3801Drucken r;
    ASSERT_TRUE(r.Initialisieren(false, false));
    bool failed = true;
    r.Titelblatt(false, failed);
    r.Zusammenfassung(failed);
    EXPECT_FALSE(failed);
    const Aufzeichnungsfläche& f = Druckumgebung::Fläche(r);
    const auto* projektwert = f.Suchen("Projektwert  Q");
    ASSERT_NE(projektwert, nullptr);
    const std::string cover = Zeilentext(f, 1, Zeile(projektwert->y1));
    EXPECT_EQ(cover.rfind("Heizwärmebedarf|Projektwert  Q|H|" + mittel + "|", 0), 0u) << cover;
    const auto* bilanz = f.Suchen("Energiebilanz mit");
    ASSERT_NE(bilanz, nullptr);
    const std::string total = Zeilentext(f, bilanz->Seite, Zeile(bilanz->y1) + 9); // the total row, 3 zones
    EXPECT_EQ(total.substr(0, total.rfind('|')), "Total|" + mittel);
}


// The cover of an optimisation: three parties at rows 2, 11 and 19, the
// result block titled by the task, no signatures; the kind of construction
// ticked in its column, in words with the simple printer font.
TEST(Systemnachweis, TitelblattOptimierung) {
    Druck d("EinfacheZone");
    Projekt& p = Global::Projekt;
    p.PSetInt(1, "ArtB");
    p.PSetInt(2, "BvArt");
    basZIRVOSymbole::SymbolZeichen(true);
    ZIRVO3801Drucken r;
    ASSERT_TRUE(r.Initialisieren(false, false));
    bool failed = true;
    r.Titelblatt(false, failed);
    basZIRVOSymbole::SymbolZeichen(false);
    EXPECT_FALSE(failed);
    const Aufzeichnungsfläche& f = Druckumgebung::Fläche(r);
    constexpr int B = 4; // the frame below the head box
    const struct {
        const char* text;
        int zeile, spalte;
    } erwartet[] = {{"Projekt", B + 2, 1},
                    {"Bauherrschaft  (ev. Vertreter)", B + 11, 1},
                    {"Verfasser Wärmedämmprojekt", B + 19, 1},
                    {"(*) Anbau", B + 26, 34},
                    {"( ) Umbau", B + 26, 46},
                    {"Optimierung", B + 29, 1},
                    {"Berechnung gemäss:", B + 32, 1},
                    {"SIA 380/1:2016, Neubau", B + 32, 22},
                    {"Projektwert Heizwärmebedarf", B + 38, 1}};
    for (const auto& e : erwartet) {
        const auto* t = Genau(f, e.text);
        ASSERT_NE(t, nullptr) << e.text;
        EXPECT_EQ(Zeile(t->y1), e.zeile) << e.text;
        EXPECT_EQ(Spalte(t->x1), e.spalte) << e.text;
    }
    EXPECT_EQ(Zeilentext(f, 1, B + 29), "Optimierung|  (Planung und Optimierung)");
    EXPECT_EQ(f.Suchen("Verfasser Nachweis"), nullptr);
    EXPECT_EQ(f.Suchen("Unterschrift"), nullptr);
    EXPECT_EQ(f.Suchen("erfüllt"), nullptr);
}

} // namespace

// The single-component proof on paper, on the recording surface: the
// golden projects' rows with their verdicts and counts as worked out by
// hand, the tables' boxes and columns, what is left out, and the print
// dialog with its copies, its checks and a printout that fails.
#include "frame/Initialisierung.h"
#include "frame/basZIRVOSymbole.h"
#include "printing/ZIRVO3801Drucken.h"
#include "printing/frmDruckenEB.h"
#include "proofs/frmNachweisEB.h"
#include "project/ProjektGlobal.h"
#include "tests/printing/Druckumgebung.h"
#include "tests/support/Goldenprojekt.h"
#include "tests/support/Projektbeschreibung.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using Art = Aufzeichnungsfläche::Art;
using Testhilfe::Druckumgebung;
using Testhilfe::Seitenraster;
using Testhilfe::Zeile;

struct Gedruckt {
    std::string Code, Urteil;
    bool operator==(const Gedruckt&) const = default;
    friend std::ostream& operator<<(std::ostream& o, const Gedruckt& g) { return o << g.Code << ':' << g.Urteil; }
};

// The rows of a table of the summary: code (column 1) and verdict, from
// below the column heads of the box whose heading is given to its frame.
std::vector<Gedruckt> Tabelle(const Seitenraster& r, const std::string& heading, int urteil) {
    std::vector<Gedruckt> zeilen;
    const auto* kopf = r.Genau(heading);
    if (!kopf) return zeilen;
    for (int z = r.Zeile(kopf->y1) + 5;; ++z) {
        const auto texte = r.InZeile(kopf->Seite, z);
        if (texte.empty()) break;
        Gedruckt g;
        for (const auto* a : texte) {
            if (r.Spalte(a->x1) == 1) g.Code = a->Text;
            if (r.Spalte(a->x1) == urteil) g.Urteil = a->Text;
        }
        zeilen.push_back(g);
    }
    return zeilen;
}

// The texts of the row that holds the text, joined by "|".
std::string ZeileMit(const Seitenraster& r, const std::string& text) {
    const auto* a = r.Genau(text);
    return a ? r.Zeilentext(a->Seite, r.Zeile(a->y1)) : "<" + text + " fehlt>";
}

// The whole proof of the global project on a new report; its surface.
const Aufzeichnungsfläche& Drucken(ZIRVO3801Drucken& r) {
    basZIRVOSymbole::SymbolZeichen(false);
    EXPECT_TRUE(r.Initialisieren(false, false));
    r.SetzeUhrzeit();
    r.DruckBeginn(true);
    bool failed = true;
    r.Nachweis_Einzelbauteil(failed);
    EXPECT_FALSE(failed);
    return Druckumgebung::Fläche(r);
}

// The sheet headings printed, in order.
std::vector<std::string> Blätter(const Aufzeichnungsfläche& f) {
    std::vector<std::string> b;
    for (const auto* a : f.Texte())
        for (const char* art : {"Bauteil  ", "Fenster  ", "Wärmebrücke  "})
            if (a->Text.rfind(art, 0) == 0) b.push_back(a->Text);
    return b;
}

// The golden projects of the proof, opened as the main window opens them,
// loaded and stored by the proof window, printed whole. Verdicts, counts and
// the result worked out by hand from the rows of each project.
TEST(Einzelbauteilnachweis, GoldeneProjekte) {
    const struct {
        const char* datei;
        std::vector<Gedruckt> bauteile, brücken;
        const char *flächig, *linear, *punkt;
        bool erfüllt;
        const char *anforderung, *ebf;
        std::vector<std::string> blätter;
    } fälle[] = {
        {"EinzelbauteileGrenzwerte",
         // The empty place after B5 is not printed; the last row has no code.
         {{"A1", "ja"},  {"A1", "nein"}, {"B1", "ja"},  {"C1", "ja"},   {"D1", "nein"},  {"E1", "ja"},
          {"F1", "nein"}, {"B5", "ja"},  {"A2", "ja"},  {"B2", "ja"},   {"C2", "nein"},  {"D2", "nein"},
          {"E2", "nein"}, {"F2", "ja"},  {"B6", "ja"},  {"A3", "nein"}, {"B3", "ja"},    {"C3", "ja"},
          {"D3", "ja"},  {"A4", "ja"},   {"B4", "ja"},  {"C4", "nein"}, {"D4", "nein"},  {"A2u", "nein"},
          {"B2u", "ja"}, {"D1u", "ja"},  {"A1*", "nein"}, {"", ""}},
         {{"L1", "ja"}, {"L2", "nein"}, {"L3", "ja"}, {"L5", "ja"}, {"P1", "ja"}},
         "27", "4", "1", false, "SIA 380/1:2016", "1234.6",
         // B2 names component 2, D2 window 2; the row without a code component 3.
         {"Bauteil  1", "Bauteil  2", "Bauteil  3", "Fenster  1", "Fenster  2", "Wärmebrücke  1",
          "Wärmebrücke  2"}},
        {"EinzelbauteileZielwerte",
         {{"A1", "ja"}, {"A1u", "ja"}, {"B2u", "nein"}, {"C1*", "nein"}, {"D1", "ja"}, {"E1", "ja"}, {"B5", "ja"},
          {"B1", "nein"}, {"D2*", "nein"}},
         // No thermal-bridge proof: no table and no sheets, but the rows
         // count (A1 and L4 as linear bridges; L4 has no limit, so fails).
         {}, "9", "4", "1", false, "SIA 380/1:2016, Zielwert", "0.0", {"Bauteil  1", "Fenster  1"}},
    };
    for (const auto& c : fälle) {
        SCOPED_TRACE(c.datei);
        Testhilfe::Zonenprojekt umgebung;
        Druckumgebung druck;
        ASSERT_EQ(Testhilfe::ProjektÖffnen(Testhilfe::Projektordner() / (std::string(c.datei) + ".zirvo9")), "");
        Global::frmNachweisEB.Einlesen();
        bool fehler = true;
        Global::frmNachweisEB.Speichern(fehler);
        ZIRVO3801Drucken r;
        const Aufzeichnungsfläche& f = Drucken(r);
        const Seitenraster s = Druckumgebung::Raster(r);
        EXPECT_EQ(Tabelle(s, "Bauteile und Fenster", 71), c.bauteile);
        EXPECT_EQ(Tabelle(s, "Wärmebrücken", 58), c.brücken);
        EXPECT_EQ(ZeileMit(s, "Flächige Bauteile:"),
                  std::string("Anzahl Einzelbauteile im Nachweis|Flächige Bauteile:|") + c.flächig);
        EXPECT_EQ(ZeileMit(s, "Längenbezogene Wärmebrücken:"), std::string("Längenbezogene Wärmebrücken:|") + c.linear);
        EXPECT_EQ(ZeileMit(s, "Punktbezogene Wärmebrücken:"), std::string("Punktbezogene Wärmebrücken:|") + c.punkt);
        EXPECT_EQ(ZeileMit(s, "Alle Einzelbauteile erfüllen Anforderungen:"),
                  c.erfüllt ? "Alle Einzelbauteile erfüllen Anforderungen:|☒|  ja|☐|  nein"
                            : "Alle Einzelbauteile erfüllen Anforderungen:|☐|  ja|☒|  nein");
        EXPECT_EQ(ZeileMit(s, "Anforderung gemäss:"), std::string("Anforderung gemäss:|") + c.anforderung);
        EXPECT_EQ(ZeileMit(s, "Energiebezugsfläche  (EBF)"),
                  std::string("Energiebezugsfläche  (EBF)|A|E|") + c.ebf + "|[m²]");
        EXPECT_EQ(Blätter(f), c.blätter);
        // Summary on page 2 below the page head; the end box closes it.
        EXPECT_EQ(s.Genau("Zusammenfassung")->Seite, 2);
        EXPECT_EQ(s.Zeilentext(2, 0), "Einzelbauteilnachweis:  " + Global::Projekt.PGetStr("Bez") + "      " +
                                          r.Uhrzeit() + "|Seite 2");
        EXPECT_EQ(f.Texte().back()->Text, "Einzelbauteilnachweis:  Ende des Ausdrucks");
    }
}

// Boxes as large as the rows printed, the columns, rows without a code,
// which item a row's number names, what the switch without thermal-bridge
// proof leaves out, an unknown kind of construction, and a list longer than
// a page.
TEST(Einzelbauteilnachweis, TabellenUndBlaetter) {
    Testhilfe::Zonenprojekt z;
    Druckumgebung druck;
    Projekt& p = z.P;
    p.PSetNum(0, "BvArt");
    p.PSetStr("Zürich -Kloten", "KlSt");
    p.PSetStr("ZH", "Kanton");
    p.PSetStr("MuKEn 2014", "NwKt");
    const auto leer = Zeile({"", "", 0.0, 0.0, 0.0, 0.0, 0.17, 0.0});
    p.PSetColl(Zeile({Zeile({"A1", "Dach", 0.0, 0.15, 0.0, 22.0, 0.17, 0.15}), leer, leer,
                      Zeile({"", "Notiz", 3.0, 0.3, 0.0, 0.0, 0.0, 0.0}),
                      Zeile({"D1", "Fenster Süd", 3.0, 1.0, 0.5, 20.0, 1.0, 0.99})}),
               "EBBt");
    p.PSetColl(Zeile({Zeile({"", "", 0.0, 0.0, 0.3}), Zeile({"P1", "Anker", 2.0, 0.3, 0.3}),
                      Zeile({"", "", 2.0, 0.0, 0.0})}),
               "EBWb");
    z.BauteilAnlegen(3, 0.3, "Wand");
    z.FensterAnlegen(3, 1.0, 0.5, 0.7, "Fenster Süd");
    z.WärmebrückeAnlegen(2, 0.3, "Anker");
    {
        ZIRVO3801Drucken r;
        const Aufzeichnungsfläche& f = Drucken(r);
        const Seitenraster s = Druckumgebung::Raster(r);
        EXPECT_EQ(Tabelle(s, "Bauteile und Fenster", 71),
                  (std::vector<Gedruckt>{{"A1", "ja"}, {"", ""}, {"D1", "nein"}}))
            << "empty places left out, no verdict without a code";
        EXPECT_EQ(Tabelle(s, "Wärmebrücken", 58), (std::vector<Gedruckt>{{"P1", "ja"}, {"", ""}}));
        EXPECT_EQ(ZeileMit(s, "Flächige Bauteile:"), "Anzahl Einzelbauteile im Nachweis|Flächige Bauteile:|2");
        EXPECT_EQ(ZeileMit(s, "Längenbezogene Wärmebrücken:"), "Längenbezogene Wärmebrücken:|0")
            << "a row without a code is no linear bridge";
        EXPECT_EQ(ZeileMit(s, "Anforderung gemäss:"), "Anforderung gemäss:|MuKEn 2014");
        EXPECT_EQ(ZeileMit(s, "Kanton:"), "Kanton:|ZH");
        EXPECT_EQ(ZeileMit(s, "Klimastation:"), "Klimastation:|Zürich -Kloten  (SIA 2028)");
        // The boxes of the summary page: heading, components (3 rows + 5),
        // bridges (2 + 5), legend, the three sheets, end box; one vertical
        // rule per column from below the heading to the frame.
        std::vector<double> höhen;
        for (const auto* b : f.Alle(Art::Rechteck))
            if (b->Seite == 2) höhen.push_back(std::lround((b->y2 - b->y1) / r.Seiten().Zellenhöhe()));
        EXPECT_EQ(höhen, (std::vector<double>{2, 9, 8, 4, 5, 10, 7, 2}));
        const auto* kopf = s.Genau("Bauteile und Fenster");
        const int z0 = s.Zeile(kopf->y1) + 5;
        EXPECT_EQ(s.Zeilentext(2, z0), "A1|Dach|0.15|22|0.17|0.15|ja");
        EXPECT_EQ(s.Zeilentext(2, z0 + 1), "Notiz|3|0.30|0|0.00|0.00");
        EXPECT_EQ(s.Zeilentext(2, z0 + 2), "D1|Fenster Süd|3|1.00|0.50|20|1.00|0.99|nein");
        const auto fenster = s.InZeile(2, z0 + 2);
        std::vector<int> enden;
        for (std::size_t i = 2; i < 8; ++i) enden.push_back(s.Ende(*fenster[i]));
        EXPECT_EQ(enden, (std::vector<int>{41, 47, 52, 56, 62, 68}));
        EXPECT_EQ(s.Spalte(fenster[8]->x1), 71);
        EXPECT_TRUE(fenster[8]->Schrift.Fett);
        const auto anker = s.InZeile(2, s.Zeile(s.Genau("Wärmebrücken")->y1) + 5);
        ASSERT_EQ(anker.size(), 6u);
        EXPECT_EQ(s.Ende(*anker[3]), 47);
        EXPECT_EQ(s.Ende(*anker[4]), 54);
        EXPECT_EQ(s.Spalte(anker[5]->x1), 58);
        int senkrecht = 0;
        for (const auto* l : f.Alle(Art::Linie))
            if (l->Seite == 2 && l->x1 == l->x2) ++senkrecht;
        EXPECT_EQ(senkrecht, 5 + 3) << "the sheets here have no column rules";
        // Number 3 of a window row names window 3, of a row without a code
        // component 3; bridge 2 once, however many rows name it.
        EXPECT_EQ(Blätter(f), (std::vector<std::string>{"Bauteil  3", "Fenster  3", "Wärmebrücke  2"}));
    }

    // Without thermal-bridge proof: no bridge table and no bridge sheet,
    // but the bridge still counts; an unknown kind of construction leaves
    // the result block out, and the printout goes on.
    p.PSetNum(1, "EB-WBN");
    p.PSetNum(7, "BvArt");
    {
        ZIRVO3801Drucken r;
        const Aufzeichnungsfläche& f = Drucken(r);
        const Seitenraster s = Druckumgebung::Raster(r);
        EXPECT_EQ(s.Genau("Wärmebrücken"), nullptr);
        EXPECT_EQ(Blätter(f), (std::vector<std::string>{"Bauteil  3", "Fenster  3"}));
        EXPECT_EQ(s.Genau("Einzelbauteilnachweis"), nullptr);
        EXPECT_EQ(f.Texte().back()->Text, "Einzelbauteilnachweis:  Ende des Ausdrucks");
    }
    p.PSetNum(0, "BvArt");
    {
        ZIRVO3801Drucken r;
        Drucken(r);
        EXPECT_EQ(ZeileMit(Druckumgebung::Raster(r), "Punktbezogene Wärmebrücken:"), "Punktbezogene Wärmebrücken:|1");
    }

    // No rows: the heading box, the legend and the end box; all met.
    p.PSetColl(Zeile({}), "EBBt");
    p.PSetColl(Zeile({}), "EBWb");
    {
        ZIRVO3801Drucken r;
        const Aufzeichnungsfläche& f = Drucken(r);
        const Seitenraster s = Druckumgebung::Raster(r);
        EXPECT_EQ(f.Alle(Art::Rechteck).size(), 1u + 3u);
        EXPECT_EQ(ZeileMit(s, "Alle Einzelbauteile erfüllen Anforderungen:"),
                  "Alle Einzelbauteile erfüllen Anforderungen:|☒|  ja|☐|  nein");
    }

    // 70 rows, more than a page holds: below the heading box the page
    // takes 54, the rest follows with the same heads on the next page.
    auto L = Kollektion::Neu();
    for (int i = 0; i < 70; ++i) L->Hinzufügen(Zeile({"B1", "Wand " + std::to_string(i + 1), 0.0, 0.17, 0.0, 20.0, 0.17, 0.17}));
    p.PSetColl(L, "EBBt");
    {
        ZIRVO3801Drucken r;
        const Aufzeichnungsfläche& f = Drucken(r);
        const Seitenraster s = Druckumgebung::Raster(r);
        std::vector<std::pair<int, long>> boxen;
        for (const auto* b : f.Alle(Art::Rechteck))
            boxen.emplace_back(b->Seite, std::lround((b->y2 - b->y1) / r.Seiten().Zellenhöhe()));
        EXPECT_EQ(boxen[2], std::make_pair(2, 54L + 6));
        EXPECT_EQ(boxen[3], std::make_pair(3, 16L + 6));
        EXPECT_EQ(s.Genau("Wand 54")->Seite, 2);
        EXPECT_EQ(s.Zeile(s.Genau("Wand 54")->y1), 65 - 1) << "the last row above the frame at the page's foot";
        EXPECT_EQ(s.Genau("Wand 55")->Seite, 3);
        EXPECT_EQ(s.Zeilentext(3, 2 + 1), "Bauteile und Fenster");
        EXPECT_EQ(ZeileMit(s, "Flächige Bauteile:"), "Anzahl Einzelbauteile im Nachweis|Flächige Bauteile:|70");
    }
}

// A printer whose jobs end in an error, or break off at a text.
class Störungsdrucker : public Testhilfe::Testdrucker {
public:
    std::string Beendenfehler, AbbruchBei;
    std::unique_ptr<Plattform::Druckfläche> Auftrag(const std::string& drucker, const std::string& ziel,
                                                    std::string& fehler) override {
        struct Fläche : Aufzeichnungsfläche {
            std::string abbruch;
            void Text(double x, double y, std::string_view text) override {
                if (!abbruch.empty() && text == abbruch) throw std::runtime_error("kaputt");
                Aufzeichnungsfläche::Text(x, y, text);
            }
        };
        auto f = std::make_unique<Fläche>();
        Aufträge.emplace_back(drucker, ziel);
        f->Drucker.Name = drucker;
        f->Beendenfehler = Beendenfehler;
        f->abbruch = AbbruchBei;
        f->BeimBeenden = [this](const Aufzeichnungsfläche& a) {
            if (!a.Beendenfehler.empty()) return;
            Beendet.push_back(a);
            Beendet.back().BeimBeenden = nullptr;
        };
        (void)fehler;
        return f;
    }
};

// A clock that goes on by a second each time it is read.
struct Laufuhr : Testhilfe::SkriptUmgebung {
    std::time_t Jetzt() override { return Uhr++; }
};

// The print dialog, opened by the proof window's print button: copies,
// choice, duplex, its checks, and printouts that fail.
TEST(Einzelbauteilnachweis, Druckdialog) {
    Testhilfe::Zonenprojekt z;
    Druckumgebung druck;
    Störungsdrucker drucker;
    drucker.Liste = druck.drucker.Liste;
    Laufuhr uhr;
    uhr.Uhr = druck.uhr.Uhr;
    Plattform::DiensteSetzen gesetzt{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, &uhr}};
    z.P.PSetNum(0, "BvArt");
    frmNachweisEB& E = Global::frmNachweisEB;
    E.Einlesen();
    E.ZelleSetzen(E.txtBtC[0], "A1");
    E.ZelleSetzen(E.txtBtU[0], "0.15");
    E.ZelleSetzen(E.txtBtTi[0], "20");
    E.DruckenAnzeigen = [] { frmDruckenEB::Aufruf(); };

    // Each case plays the user: choice, copies, duplex, then Drucken.
    struct Fall {
        const char* was;
        int wahl;
        std::string exemplare;
        bool duplex;
        std::string drucker;
        std::size_t dokumente;   // documents that reached the printer
        bool geschlossen;        // the dialog closed after a success
        std::string meldung;     // last message ("" none)
        std::string exemplareDanach;
    };
    const Fall fälle[] = {
        {"three copies of the whole proof", 0, "3", false, "Laser", 3, true, "OK, Ausdruck abgeschlossen.", "3"},
        {"2.6 copies are 3", 0, "2.6", false, "Laser", 3, true, "OK, Ausdruck abgeschlossen.", "2.6"},
        {"the cover alone, on both sides", 1, "1", true, "Laser", 1, true, "OK, Ausdruck abgeschlossen.", "1"},
        {"0 copies", 0, "0", false, "Laser", 0, false, "", "1"},
        {"11 copies", 0, "11", false, "Laser", 0, false, "", "1"},
        {"no number", 0, "zwei", false, "Laser", 0, false, "", "1"},
        {"printing not set up", 0, "1", false, "Alt", 0, false, "Bitte zuerst den Druck einrichten.", "1"},
        {"a document that cannot be finished", 0, "2", false, "Laser", 0, false, "Platte voll", "2"},
        {"a section that breaks off", 0, "2", false, "Laser", 0, false,
         "Fehler beim Ausdruck: Einzelbauteilnachweis", "2"},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.was);
        drucker.Beendet.clear();
        drucker.Beendenfehler = c.meldung == "Platte voll" ? "Platte voll" : "";
        drucker.AbbruchBei = c.meldung.rfind("Fehler beim Ausdruck", 0) == 0 ? "Zusammenfassung" : "";
        Global::Initialisierung.DruckerName = c.drucker;
        z.umgebung.meldungen.Gezeigt.clear();
        bool gezeigt = false, entladen = false;
        std::string exemplare, name;
        frmDruckenEB::Anzeigen = [&](frmDruckenEB& d) {
            gezeigt = true;
            name = d.lblDrucker.Caption();
            d.optAusdruck[0].setValue(c.wahl == 0);
            d.optAusdruck[1].setValue(c.wahl == 1);
            d.txtExemplare.setText(c.exemplare);
            d.chkDuplex.setValue(c.duplex ? 1 : 0);
            d.cmdDrucken_Click();
            entladen = d.Entladen;
            exemplare = d.txtExemplare.Text();
        };
        E.cmdDrucken_Click();
        ASSERT_TRUE(gezeigt);
        EXPECT_EQ(name, c.drucker);
        EXPECT_EQ(drucker.Beendet.size(), c.dokumente);
        EXPECT_EQ(entladen, c.geschlossen);
        EXPECT_EQ(exemplare, c.exemplareDanach);
        const auto* m = z.umgebung.meldungen.Letzte();
        if (c.meldung.empty()) {
            EXPECT_EQ(m, nullptr);
        } else {
            ASSERT_NE(m, nullptr);
            EXPECT_NE(m->Text.find(c.meldung), std::string::npos) << m->Text;
        }
        if (c.dokumente == 0) continue;
        // Every copy a whole document with the one print time of the run;
        // the cover alone carries no page head.
        const auto& erste = drucker.Beendet.front();
        for (const auto& d : drucker.Beendet) {
            EXPECT_EQ(d.Texte().size(), erste.Texte().size());
            if (c.wahl == 0) {
                EXPECT_EQ(d.Texte(2).front()->Text, erste.Texte(2).front()->Text);
            }
        }
        if (c.wahl == 0) {
            EXPECT_EQ(erste.Texte().back()->Text, "Einzelbauteilnachweis:  Ende des Ausdrucks");
            EXPECT_NE(erste.Suchen("Seite 2"), nullptr);
        } else {
            EXPECT_EQ(erste.Seitennummer(), 1);
            EXPECT_EQ(erste.Suchen("Seite 1"), nullptr);
            EXPECT_NE(erste.Suchen("Alle Einzelbauteile erfüllen Anforderungen:"), nullptr);
            EXPECT_EQ(erste.Duplex, 2);
        }
    }
    frmDruckenEB::Anzeigen = nullptr;
    E.DruckenAnzeigen = nullptr;
    Global::Projekt = Projekt();
    E.Einlesen();
}

} // namespace

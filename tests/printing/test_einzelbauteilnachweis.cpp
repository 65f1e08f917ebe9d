// The single-component proof on paper, on the recording surface: the
// golden projects' rows with their verdicts and counts as worked out by
// hand, the tables' boxes and columns, what is left out, and the print
// dialog with its copies, its checks and printouts that fail.
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

// The rows of a summary table as "code:verdict", blank-separated, from
// below the column heads of the box with that heading to its frame.
std::string Tabelle(const Seitenraster& r, const std::string& heading, int urteil) {
    std::string s;
    const auto* kopf = r.Genau(heading);
    for (int z = kopf ? r.Zeile(kopf->y1) + 5 : 0; kopf && !r.InZeile(kopf->Seite, z).empty(); ++z) {
        std::string code, wahr;
        for (const auto* a : r.InZeile(kopf->Seite, z)) {
            if (r.Spalte(a->x1) == 1) code = a->Text;
            if (r.Spalte(a->x1) == urteil) wahr = a->Text;
        }
        s += (s.empty() ? "" : " ") + code + ":" + wahr;
    }
    return s;
}

// The texts of the row that holds the text, joined by "|".
std::string ZeileMit(const Seitenraster& r, const std::string& text) {
    const auto* a = r.Genau(text);
    return a ? r.Zeilentext(a->Seite, r.Zeile(a->y1)) : "<" + text + " fehlt>";
}

// The cover's result: requirement, EBF, counts, the overall verdict.
std::string Ergebnis(const Seitenraster& r) {
    std::string s;
    for (const char* t : {"Anforderung gemäss:", "Energiebezugsfläche  (EBF)", "Flächige Bauteile:",
                          "Längenbezogene Wärmebrücken:", "Punktbezogene Wärmebrücken:",
                          "Alle Einzelbauteile erfüllen Anforderungen:"}) {
        const std::string z = ZeileMit(r, t);
        s += (s.empty() ? "" : " / ") + z.substr(z.find(t) + std::string(t).size() + 1);
    }
    return s;
}

// The whole proof of the global project printed on the report.
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

// The sheets printed, in order, and the last text.
std::string Blätter(const Aufzeichnungsfläche& f) {
    std::string b;
    for (const auto* a : f.Texte())
        for (const char* art : {"Bauteil  ", "Fenster  ", "Wärmebrücke  "})
            if (a->Text.rfind(art, 0) == 0) b += a->Text + ", ";
    return b + f.Texte().back()->Text;
}

// The golden projects of the proof, opened as the main window opens them,
// loaded and stored by the proof window, printed whole.
TEST(Einzelbauteilnachweis, GoldeneProjekte) {
    const struct {
        const char *datei, *bauteile, *brücken, *ergebnis, *blätter;
    } fälle[] = {
        // The empty place after B5 is not printed; the last row has no code.
        // B2 names component 2, D2 window 2, the row without a code component 3.
        {"EinzelbauteileGrenzwerte",
         "A1:ja A1:nein B1:ja C1:ja D1:nein E1:ja F1:nein B5:ja A2:ja B2:ja C2:nein D2:nein E2:nein F2:ja B6:ja "
         "A3:nein B3:ja C3:ja D3:ja A4:ja B4:ja C4:nein D4:nein A2u:nein B2u:ja D1u:ja A1*:nein :",
         "L1:ja L2:nein L3:ja L5:ja P1:ja",
         "SIA 380/1:2016 / A|E|1234.6|[m²] / 27 / 4 / 1 / ☐|  ja|☒|  nein",
         "Bauteil  1, Bauteil  2, Bauteil  3, Fenster  1, Fenster  2, Wärmebrücke  1, Wärmebrücke  2, "
         "Einzelbauteilnachweis:  Ende des Ausdrucks"},
        // No thermal-bridge proof: no table and no sheets, but the rows
        // count (A1 and L4 as linear bridges; L4 has no limit, so fails).
        {"EinzelbauteileZielwerte", "A1:ja A1u:ja B2u:nein C1*:nein D1:ja E1:ja B5:ja B1:nein D2*:nein", "",
         "SIA 380/1:2016, Zielwert / A|E|0.0|[m²] / 9 / 4 / 1 / ☐|  ja|☒|  nein",
         "Bauteil  1, Fenster  1, Einzelbauteilnachweis:  Ende des Ausdrucks"},
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
        EXPECT_EQ(Ergebnis(s), c.ergebnis);
        EXPECT_EQ(Blätter(f), c.blätter);
        // The summary on page 2, below the page head.
        EXPECT_EQ(s.Genau("Zusammenfassung")->Seite, 2);
        EXPECT_EQ(s.Zeilentext(2, 0), "Einzelbauteilnachweis:  " + Global::Projekt.PGetStr("Bez") + "      " +
                                          r.Uhrzeit() + "|Seite 2");
    }
}

// Boxes as large as the rows printed, the columns, rows without a code,
// which item a row's number names, what the switch without thermal-bridge
// proof leaves out, an unknown kind of construction, no rows, and a list
// longer than a page.
TEST(Einzelbauteilnachweis, TabellenUndBlaetter) {
    Testhilfe::Zonenprojekt z;
    Druckumgebung druck;
    Projekt& p = z.P;
    p.PSetNum(0, "BvArt");
    p.PSetStr("Zürich -Kloten", "KlSt");
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
        EXPECT_EQ(Tabelle(s, "Bauteile und Fenster", 71), "A1:ja : D1:nein") << "empty places left out";
        EXPECT_EQ(Tabelle(s, "Wärmebrücken", 58), "P1:ja :") << "no verdict without a code";
        EXPECT_EQ(Ergebnis(s), "MuKEn 2014 / A|E|0.0|[m²] / 2 / 0 / 1 / ☐|  ja|☒|  nein")
            << "a row without a code is neither counted nor a linear bridge";
        // Number 3 of a window row names window 3, of a row without a code
        // component 3; bridge 2 once, however many rows name it.
        EXPECT_EQ(Blätter(f), "Bauteil  3, Fenster  3, Wärmebrücke  2, Einzelbauteilnachweis:  Ende des Ausdrucks");
        // Page 2: heading, components (3 rows + 5), bridges (2 + 5), legend,
        // the three sheets, end box; a rule per column of both tables.
        std::vector<long> höhen;
        int senkrecht = 0;
        for (const auto* b : f.Alle(Art::Rechteck))
            if (b->Seite == 2) höhen.push_back(std::lround((b->y2 - b->y1) / r.Seiten().Zellenhöhe()));
        for (const auto* l : f.Alle(Art::Linie)) senkrecht += l->Seite == 2 && l->x1 == l->x2;
        EXPECT_EQ(höhen, (std::vector<long>{2, 9, 8, 4, 5, 10, 7, 2}));
        EXPECT_EQ(senkrecht, 5 + 3);
        // Columns: number, U, g, Ti, table and effective value end in
        // cells 41, 47, 52, 56, 62, 68; the verdict begins in 71.
        const int z0 = s.Zeile(s.Genau("Bauteile und Fenster")->y1) + 5;
        EXPECT_EQ(s.Zeilentext(2, z0 + 1), "Notiz|3|0.30|0|0.00|0.00");
        const auto fenster = s.InZeile(2, z0 + 2);
        ASSERT_EQ(s.Zeilentext(2, z0 + 2), "D1|Fenster Süd|3|1.00|0.50|20|1.00|0.99|nein");
        std::string enden;
        for (std::size_t i = 2; i < 8; ++i) enden += std::to_string(s.Ende(*fenster[i])) + " ";
        EXPECT_EQ(enden + std::to_string(s.Spalte(fenster[8]->x1)), "41 47 52 56 62 68 71");
        const auto anker = s.InZeile(2, s.Zeile(s.Genau("Wärmebrücken")->y1) + 5);
        ASSERT_EQ(anker.size(), 6u);
        EXPECT_EQ(std::to_string(s.Ende(*anker[3])) + " " + std::to_string(s.Ende(*anker[4])) + " " +
                      std::to_string(s.Spalte(anker[5]->x1)),
                  "47 54 58");
    }

    // Without thermal-bridge proof no bridge table and no bridge sheet, but
    // the bridge counts; an unknown kind of construction leaves the result
    // block out and the printout goes on; no rows: all met.
    p.PSetNum(1, "EB-WBN");
    for (int bvArt : {0, 7}) {
        p.PSetNum(bvArt, "BvArt");
        ZIRVO3801Drucken r;
        const Aufzeichnungsfläche& f = Drucken(r);
        EXPECT_EQ(Druckumgebung::Raster(r).Genau("Wärmebrücken"), nullptr);
        EXPECT_EQ(Druckumgebung::Raster(r).Genau("Einzelbauteilnachweis") == nullptr, bvArt == 7);
        EXPECT_EQ(Blätter(f), "Bauteil  3, Fenster  3, Einzelbauteilnachweis:  Ende des Ausdrucks");
        if (bvArt == 0) {
            EXPECT_EQ(Ergebnis(Druckumgebung::Raster(r)),
                      "MuKEn 2014 / A|E|0.0|[m²] / 2 / 0 / 1 / ☐|  ja|☒|  nein");
        }
    }
    p.PSetNum(0, "BvArt");
    p.PSetColl(Zeile({}), "EBBt");
    p.PSetColl(Zeile({}), "EBWb");
    {
        ZIRVO3801Drucken r;
        EXPECT_EQ(Drucken(r).Alle(Art::Rechteck).size(), 2u + 3u) << "cover (head box, frame), heading, legend, end box";
        EXPECT_EQ(Ergebnis(Druckumgebung::Raster(r)), "MuKEn 2014 / A|E|0.0|[m²] / 0 / 0 / 0 / ☒|  ja|☐|  nein");
    }

    // 70 rows, more than a page holds: below the heading box the page takes
    // 54, down to the row above its foot; the rest follows on the next page
    // under the title "(Fortsetzung)" and the same heads.
    auto L = Kollektion::Neu();
    for (int i = 1; i <= 70; ++i)
        L->Hinzufügen(Zeile({"B1", "Wand " + std::to_string(i), 0.0, 0.17, 0.0, 20.0, 0.17, 0.17}));
    p.PSetColl(L, "EBBt");
    {
        ZIRVO3801Drucken r;
        const Aufzeichnungsfläche& f = Drucken(r);
        const Seitenraster s = Druckumgebung::Raster(r);
        const auto boxen = f.Alle(Art::Rechteck);
        EXPECT_EQ(std::lround((boxen[3]->y2 - boxen[3]->y1) / r.Seiten().Zellenhöhe()), 54 + 6);
        EXPECT_EQ(std::lround((boxen[4]->y2 - boxen[4]->y1) / r.Seiten().Zellenhöhe()), 16 + 6);
        EXPECT_EQ(s.Genau("Wand 54")->Seite, 2);
        EXPECT_EQ(s.Zeile(s.Genau("Wand 54")->y1), 64);
        EXPECT_EQ(s.Genau("Wand 55")->Seite, 3);
        EXPECT_EQ(s.Zeilentext(3, 3), "Bauteile und Fenster (Fortsetzung)");
        EXPECT_EQ(s.Zeilentext(3, 5), "Bauteil /Fenster|U|g|θ|i|Grenzwert U|Erfüllt");
        EXPECT_EQ(Ergebnis(s), "MuKEn 2014 / A|E|0.0|[m²] / 70 / 0 / 0 / ☒|  ja|☐|  nein");
    }
}

// A printer whose documents end in an error, or break off at a text.
class Störungsdrucker : public Testhilfe::Testdrucker {
public:
    std::string Beendenfehler, AbbruchBei;
    std::unique_ptr<Plattform::Druckfläche> Auftrag(const std::string& drucker, const std::string&,
                                                    std::string&) override {
        struct Fläche : Aufzeichnungsfläche {
            std::string abbruch;
            void Text(double x, double y, std::string_view text) override {
                if (text == abbruch) throw std::runtime_error("kaputt");
                Aufzeichnungsfläche::Text(x, y, text);
            }
        };
        auto f = std::make_unique<Fläche>();
        f->Drucker.Name = drucker;
        f->Beendenfehler = Beendenfehler;
        f->abbruch = AbbruchBei;
        f->BeimBeenden = [this](const Aufzeichnungsfläche& a) {
            if (!a.Beendenfehler.empty()) return;
            Beendet.push_back(a);
            Beendet.back().BeimBeenden = nullptr;
        };
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
    Plattform::DiensteSetzen gesetzt{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, &uhr}};
    z.P.PSetNum(0, "BvArt");
    frmNachweisEB& E = Global::frmNachweisEB;
    E.Einlesen();
    E.ZelleSetzen(E.txtBtC[0], "A1");
    E.ZelleSetzen(E.txtBtU[0], "0.15");
    E.ZelleSetzen(E.txtBtTi[0], "20");
    E.DruckenAnzeigen = [] { frmDruckenEB::Aufruf(); };

    const struct {
        const char* was;
        bool titelblatt, duplex;
        std::string exemplare, drucker;
        std::size_t dokumente;   // documents that reached the printer
        std::string meldung;     // the last message, "" none
        std::string danach;      // the copies field afterwards
    } fälle[] = {
        {"three copies of the whole proof", false, false, "3", "Laser", 3, "OK, Ausdruck abgeschlossen.", "3"},
        {"2.6 copies are 3", false, false, "2.6", "Laser", 3, "OK, Ausdruck abgeschlossen.", "2.6"},
        {"the cover alone, on both sides", true, true, "1", "Laser", 1, "OK, Ausdruck abgeschlossen.", "1"},
        {"0 copies", false, false, "0", "Laser", 0, "", "1"},
        {"11 copies", false, false, "11", "Laser", 0, "", "1"},
        {"no number", false, false, "zwei", "Laser", 0, "", "1"},
        {"printing not set up", false, false, "1", "Alt", 0, "Bitte zuerst den Druck einrichten.", "1"},
        {"a document that cannot be finished", false, false, "2", "Laser", 0, "Platte voll", "2"},
        {"a section that breaks off", false, false, "2", "Laser", 0, "Fehler beim Ausdruck: Einzelbauteilnachweis",
         "2"},
    };
    for (const auto& c : fälle) {
        SCOPED_TRACE(c.was);
        drucker.Beendet.clear();
        drucker.Beendenfehler = c.meldung == "Platte voll" ? c.meldung : "";
        drucker.AbbruchBei = c.meldung.rfind("Fehler", 0) == 0 ? "Zusammenfassung" : "";
        Global::Initialisierung.DruckerName = c.drucker;
        z.umgebung.meldungen.Gezeigt.clear();
        std::string name, danach;
        bool entladen = false;
        frmDruckenEB::Anzeigen = [&](frmDruckenEB& d) {
            name = d.lblDrucker.Caption();
            d.optAusdruck[0].setValue(!c.titelblatt);
            d.optAusdruck[1].setValue(c.titelblatt);
            d.txtExemplare.setText(c.exemplare);
            d.chkDuplex.setValue(c.duplex ? 1 : 0);
            d.cmdDrucken_Click();
            entladen = d.Entladen;
            danach = d.txtExemplare.Text();
        };
        E.cmdDrucken_Click();
        EXPECT_EQ(name, c.drucker);
        EXPECT_EQ(drucker.Beendet.size(), c.dokumente);
        EXPECT_EQ(entladen, c.dokumente > 0) << "the dialog closes after a success only";
        EXPECT_EQ(danach, c.danach);
        const auto* m = z.umgebung.meldungen.Letzte();
        if (c.meldung.empty()) {
            EXPECT_EQ(m, nullptr);
        } else {
            ASSERT_NE(m, nullptr);
            EXPECT_NE(m->Text.find(c.meldung), std::string::npos) << m->Text;
        }
        // Every copy a whole document with the one print time of the run;
        // the cover alone carries no page head.
        for (const auto& d : drucker.Beendet) {
            const auto* titel = d.Suchen("Einzelbauteilnachweis:  ");
            const auto* erster = drucker.Beendet.front().Suchen("Einzelbauteilnachweis:  ");
            EXPECT_EQ(d.Texte().size(), drucker.Beendet.front().Texte().size());
            EXPECT_EQ(titel == nullptr, c.titelblatt);
            EXPECT_EQ(titel ? titel->Text : "", erster ? erster->Text : "");
            EXPECT_EQ(d.Duplex, c.duplex ? 2 : 1);
        }
    }
    frmDruckenEB::Anzeigen = nullptr;
    E.DruckenAnzeigen = nullptr;
    Global::Projekt = Projekt();
    E.Einlesen();
}

} // namespace

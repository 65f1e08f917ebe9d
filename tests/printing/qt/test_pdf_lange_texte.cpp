// The longest texts the program takes, on paper: a project name of 87
// characters, zone names of 30 capitals (W and M, the widest letters),
// zone codes longer than the dialog's two letters (as a file may hold
// them) and limit codes such as "B1u*". The reports printed on the PDF
// printer and read back word by word (pdftotext -bbox), with the rules the
// printout drew: no two words overprint, no word lies right of the frame,
// below the bottom margin or under a rule, a name that stops ends in "…",
// the page head keeps its time and page number whole, and the heading box
// of every zone stands on the page of the zone's first box.
#include "components/Bauteile.h"
#include "frame/qt/QtPlattform.h"
#include "printing/Druckauftraege.h"
#include "printing/Druckeinstellungen.h"
#include "printing/ZIRVO3801Drucken.h"
#include "printing/frmDrucken.h"
#include "frame/basZIRVO_HiRi.h"
#include "tests/support/Grenzprojekte.h"
#include "tests/support/Projektbeschreibung.h"
#include "tests/support/qt/Pdfdruck.h"
#include "tests/support/qt/Pdftext.h"
#include "tests/support/qt/Lesbarkeit.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <set>

namespace {

using namespace Testhilfe::Pdf;


// The names, each word at least three characters and no word the start of
// another, so that a name stopped without "…" shows as a word that is.
const std::string Projektname =
    "WWMMWW Überbauung Wiesenmatt-West, Wohn- und Geschäftshäuser mit Tiefgarage, Etappe Süd";
std::string Zonenname(int i) { return "WM" + std::to_string(i + 1) + " MWMWMWMWMWMW WMWMWMWMWMWMW"; }
std::string Zonencode(int i) { return "MWM" + std::string(1, static_cast<char>('A' + i)); }

// The maxima project with these names and codes, limit codes on the items
// and a single-component proof whose rows carry them too.
void Anlegen(Testhilfe::Zonenprojekt& z) {
    Testhilfe::MaximalprojektAnlegen(z);
    Projekt& p = z.P;
    p.PSetStr(Projektname, "Bez");
    for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) {
        p.SetNZone(i);
        p.ZSetStr(Zonenname(i), "Bez");
        p.ZSetStr(Zonencode(i), "Code");
    }
    // North turned, and tilted windows: orientations such as "WSW,37°",
    // the widest the windows table has.
    p.PSetStr("NNE", "Nord");
    basZIRVO_HiRi::NordAktuell = "NNE";
    for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) {
        p.SetNZone(i);
        const KollektionZeiger f = p.ZGetColl("F_");
        if (!f) continue;
        auto neu = Kollektion::Neu();
        for (int r = 1; r <= f->Anzahl(); ++r) {
            auto zeile = Kollektion::Neu();
            const KollektionZeiger alt = f->Koll(r);
            for (int k = 1; alt && k <= alt->Anzahl(); ++k) {
                if (k == 8 && alt->Text(1) != "l") zeile->Hinzufügen(37.0);
                else zeile->WertHinzufügen(*alt->Eintrag(k));
            }
            neu->Hinzufügen(zeile);
        }
        p.ZSetColl(neu, "F_");
    }
    p.SetNZone(0);
    const char* const codes[] = {"B1u*", "D4u*", "A2*", "C3u"};
    // Beside them a component with a long designation and layer, and a
    // consumer of the same.
    const std::string lang = "Aussenwand verputzt mit Wärmedämmung aus Mineralwolle zwischen Holzständern";
    auto b2 = Bauteil::Lesen(p, 2);
    b2->Bez = lang, b2->Schichten[0].Bez = lang, b2->Speichern(p, 2);
    p.SetNZone(1);
    p.ZSetColl(Testhilfe::Zeile({Testhilfe::Zeile({lang, 500.0, 2000.0, 0.8})}), "GE_");
    p.SetNZone(0);
    for (int n = 1; n <= 8; ++n) {
        if (auto b = Bauteil::Lesen(p, n)) b->CodeGr = codes[n % 4], b->Speichern(p, n);
        if (auto f = Fenster::Lesen(p, n)) f->CodeGr = codes[n % 4], f->Speichern(p, n);
        if (auto w = Wärmebrücke::Lesen(p, n)) w->CodeGr = "L3*", w->Speichern(p, n);
    }
    auto bauteile = Kollektion::Neu(), brücken = Kollektion::Neu();
    for (int n = 1; n <= 8; ++n) {
        bauteile->Hinzufügen(Testhilfe::Zeile(
            {codes[n % 4], "Aussenwand gegen " + Zonenname(n - 1), double(n), 0.17, 0.0, 20.0, 0.17, 0.17}));
        brücken->Hinzufügen(Testhilfe::Zeile({n % 2 ? "L3" : "P1", "Balkonplatte Nordfassade", double(n), 0.2, 0.3}));
    }
    p.PSetColl(bauteile, "EBBt");
    p.PSetColl(brücken, "EBWb");
}

TEST(PdfLangeTexte, NichtsUeberdrucktUndNamenEndenMitAuslassung) {
    struct NordZurück {
        ~NordZurück() { basZIRVO_HiRi::NordAktuell.clear(); }
    } nord;
    struct Fall {
        const char* name;
        double grösse;
        std::function<bool(Testhilfe::Pdfdruck&)> drucken;
        bool seitenkopf, zonen; // page heads from page 2; zone protocols
        bool quer = false;
        float rand = -1; // all four margins in cm; below 0: as installed
    };
    const auto System = [](Testhilfe::Pdfdruck& d) {
        return Testhilfe::SystemnachweisDrucken(d.z.umgebung, 0, "1", false) == "OK, Ausdruck abgeschlossen.";
    };
    const auto SystemNachSchrift = [](Testhilfe::Pdfdruck& d) {
        frmDrucken dialog;
        dialog.Form_Load();
        dialog.optAusdruck_Click(0);
        dialog.chkADGD.setValue(1);
        dialog.cmdDrucken_Click();
        const auto* m = d.z.umgebung.meldungen.Letzte();
        return m && m->Text == "OK, Ausdruck abgeschlossen.";
    };
    const Fall fälle[] = {
        {"Systemnachweis", 9, System, true, true},
        {"Systemnachweis", 7, System, true, true},
        // The largest size the page takes, without margins.
        {"Systemnachweis", 10.5, System, true, true, false, 0},
        // The zone's name cut short in the envelope summary's heading.
        {"Systemnachweis", 7, System, true, true, false, 3},
        {"Systemnachweis", 9.5, SystemNachSchrift, true, true, false, 2},
        {"Einzelbauteilnachweis", 9,
         [](Testhilfe::Pdfdruck&) {
             ZIRVO3801Drucken r;
             if (!r.Initialisieren(false, false)) return false;
             r.SetzeUhrzeit();
             r.DruckBeginn(true);
             bool failed = false;
             r.Nachweis_Einzelbauteil(failed);
             return !failed && r.Beenden();
         },
         true, false},
        {"Energietabelle", 9, [](Testhilfe::Pdfdruck&) { return Druckaufträge::Energien(); }, false, false, true},
        {"Bauteilblatt", 9, [](Testhilfe::Pdfdruck&) { return Druckaufträge::Element(Elementart::Bauteil, 2); },
         false, false},
    };
    std::set<std::string> namenswörter;
    for (std::string s : {Projektname, Zonenname(0), Zonenname(1)})
        for (std::size_t a = 0, e; a < s.size(); a = e + 1) {
            e = std::min(s.find(' ', a), s.size());
            namenswörter.insert(s.substr(a, e - a));
        }
    for (const Fall& c : fälle) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.grösse) + " pt");
        Testhilfe::Pdfdruck d("pdf_lange_texte");
        AufzeichnenderDrucker drucker;
        Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, nullptr}};
        Global::Initialisierung.DruckerSchriftgrösse = static_cast<float>(c.grösse);
        auto& ini = Global::Initialisierung;
        if (c.rand >= 0)
            ini.DruckerRandLinks = ini.DruckerRandOben = ini.DruckerRandRechts = ini.DruckerRandUnten = c.rand;
        Anlegen(d.z);
        const std::string pdf = d.Ziel(std::string(c.name) + "_" + std::to_string(int(10 * c.grösse)) +
                                     (c.rand >= 0 ? "_" + std::to_string(int(c.rand)) : "") + ".pdf");
        ASSERT_TRUE(c.drucken(d));
        const std::vector<Wort> wörter = Wörter(pdf);
        ASSERT_FALSE(wörter.empty());
        const std::string text = Text(pdf);
        const auto seiten = Seiten(text);

        const Druckraster::Raster r = Druckraster::Seite(Druckeinstellungen::Gelesen(ini), c.quer,
                                                         c.quer ? 29.7 : 21, c.quer ? 21 : 29.7);
        EXPECT_EQ(Mängel(pdf, wörter, drucker.Striche, r), std::vector<std::string>{});
        int fehler = 0, zonenseiten = 0;
        const auto melden = [&](const std::string& was) {
            if (++fehler <= 20) ADD_FAILURE() << was;
        };
        const auto wo = [](const Wort& w) {
            return "page " + std::to_string(w.Seite) + " \"" + w.Text + "\" (" + std::to_string(int(w.xMin)) + ", " +
                   std::to_string(int(w.yMin)) + ")";
        };
        for (int s = 1; s <= static_cast<int>(seiten.size()); ++s) {
            std::vector<const Wort*> w;
            for (const Wort& x : wörter)
                if (x.Seite == s) w.push_back(&x);
            // The top of the page's boxes: the page head stands above it.
            double oben = 1e9;
            for (const Strich& st : drucker.Striche)
                if (st.Seite == s && !st.Weiss) oben = std::min(oben, st.y1);
            // A name's word stopped short ends in "…".
            for (const Wort* x : w)
                for (const std::string& n : namenswörter)
                    if (x->Text.size() >= 3 && n.size() > x->Text.size() && n.starts_with(x->Text))
                        melden(wo(*x) + " is " + n + " cut without \"…\"");
            // Page heads: the time and the page number whole, after the title,
            // in the first row; the second names the zone a page continues.
            std::string kopf, zusatz;
            const double erste = w.empty() ? 0 : w.front()->yMax;
            // From left to right, whatever order pdftotext reads a line in.
            std::vector<const Wort*> links = w;
            std::stable_sort(links.begin(), links.end(),
                             [](const Wort* a, const Wort* b) { return a->xMin < b->xMin; });
            for (const Wort* x : links)
                if (x->yMax < oben) (x->yMin < erste ? kopf : zusatz) += " " + x->Text;
            if (!kopf.empty()) kopf.erase(0, 1);
            if (zusatz.find("Thermische Zone:") != std::string::npos) ++zonenseiten;
            const std::regex zeit("(…|Süd) \\d+\\.\\d+\\.\\d{4} \\d+:\\d\\d:\\d\\d Seite " + std::to_string(s) + "$");
            EXPECT_TRUE(!c.seitenkopf || s == 1 || std::regex_search(kopf, zeit)) << "page " << s << ": " << kopf;
            // A zone's heading box is followed on its page by the zone's
            // first box.
            const std::string& seite = seiten[static_cast<std::size_t>(s - 1)];
            const std::size_t kopfbox = seite.rfind("Bezeichnung:");
            const bool zonenkopf = c.zonen && kopfbox != std::string::npos &&
                                   seite.find("Thermische Zone", seite.rfind('\n', kopfbox)) < kopfbox;
            EXPECT_TRUE(!zonenkopf || std::regex_search(seite.substr(kopfbox), std::regex("\n *Nutzung *\n")))
                << "page " << s << " ends with a zone's heading box:\n" << seite;
        }
        EXPECT_EQ(fehler, 0);
        // Each of the eight zones continues on pages that name it.
        if (c.zonen) {
            EXPECT_GE(zonenseiten, 8);
        } else {
            EXPECT_EQ(zonenseiten, 0);
        }
        // The names whole somewhere: the project's last word, each zone's first.
        for (const std::string& n : {std::string("Süd"), Zonenname(0).substr(0, 3), Zonenname(7).substr(0, 3)})
            EXPECT_TRUE(!c.zonen ||
                        std::any_of(wörter.begin(), wörter.end(), [&](const Wort& x) { return x.Text == n; }))
                << n;
    }
}

} // namespace

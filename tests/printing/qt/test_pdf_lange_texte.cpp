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
#include "printing/ZIRVO3801Drucken.h"
#include "tests/support/Grenzprojekte.h"
#include "tests/support/Projektbeschreibung.h"
#include "tests/support/qt/Pdfdruck.h"
#include "tests/support/qt/Pdftext.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <set>

namespace {

using namespace Testhilfe::Pdf;

constexpr double Pt = 72 / 2.54; // pt per cm

// The PDF printer, keeping the rules, frames and white fills it draws, in
// pt from the sheet's top-left corner, with the page of the document.
struct Regeldrucker : Plattform::Drucker {
    struct Strich {
        int Seite;
        double x1, y1, x2, y2;
        bool Deckt; // a white fill, which covers the rules drawn before it
    };
    QtPlattform::QtDrucker qt;
    std::vector<Strich> striche;

    struct Auftragsfläche : Plattform::Druckfläche {
        std::unique_ptr<Plattform::Druckfläche> f;
        std::vector<Strich>& s;
        int seite = 1;
        double x0 = 0, y0 = 0;
        Auftragsfläche(std::unique_ptr<Plattform::Druckfläche> f, std::vector<Strich>& s) : f(std::move(f)), s(s) {}
        void Merken(double x1, double y1, double x2, double y2, bool deckt = false) {
            s.push_back({seite, (x1 - x0) * Pt, (y1 - y0) * Pt, (x2 - x0) * Pt, (y2 - y0) * Pt, deckt});
        }
        void Dokumentname(const std::string& n) override { f->Dokumentname(n); }
        void Querformat(bool q) override { f->Querformat(q); }
        double PapierBreite() const override { return f->PapierBreite(); }
        double PapierHöhe() const override { return f->PapierHöhe(); }
        double DruckbereichBreite() const override { return f->DruckbereichBreite(); }
        double DruckbereichHöhe() const override { return f->DruckbereichHöhe(); }
        int DuplexModus() const override { return f->DuplexModus(); }
        void DuplexModusSetzen(int m) override { f->DuplexModusSetzen(m); }
        void Massstab(double x1, double y1, double x2, double y2) override {
            x0 = x1, y0 = y1;
            f->Massstab(x1, y1, x2, y2);
        }
        Plattform::Druckerangaben Angaben() const override { return f->Angaben(); }
        void Schrift(const Plattform::Druckschrift& s) override { f->Schrift(s); }
        std::string GefundeneSchrift() const override { return f->GefundeneSchrift(); }
        double Textbreite(std::string_view t) const override { return f->Textbreite(t); }
        double Zeilenhöhe() const override { return f->Zeilenhöhe(); }
        void Text(double x, double y, std::string_view t) override { f->Text(x, y, t); }
        void Linie(double x1, double y1, double x2, double y2, double b, Plattform::Druckfarbe c) override {
            Merken(x1, y1, x2, y2);
            f->Linie(x1, y1, x2, y2, b, c);
        }
        void Rechteck(double x1, double y1, double x2, double y2, double b, Plattform::Druckfarbe c) override {
            Merken(x1, y1, x2, y1), Merken(x1, y2, x2, y2), Merken(x1, y1, x1, y2), Merken(x2, y1, x2, y2);
            f->Rechteck(x1, y1, x2, y2, b, c);
        }
        void Fläche(double x1, double y1, double x2, double y2, Plattform::Druckfarbe c) override {
            if (c == 0xFFFFFF) Merken(x1, y1, x2, y2, true);
            f->Fläche(x1, y1, x2, y2, c);
        }
        int Seitennummer() const override { return f->Seitennummer(); }
        void NeueSeite() override {
            ++seite;
            f->NeueSeite();
        }
        void NeuesExemplar() override {
            ++seite;
            f->NeuesExemplar();
        }
        bool Beenden(std::string& fehler) override { return f->Beenden(fehler); }
    };

    std::vector<std::string> DruckerListe() override { return qt.DruckerListe(); }
    std::string StandardDrucker() override { return qt.StandardDrucker(); }
    std::unique_ptr<Plattform::Druckfläche> Auftrag(const std::string& d, const std::string& z,
                                                    std::string& fehler) override {
        striche.clear();
        auto f = qt.Auftrag(d, z, fehler);
        return f ? std::make_unique<Auftragsfläche>(std::move(f), striche) : nullptr;
    }
};

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
    p.SetNZone(0);
    const char* const codes[] = {"B1u*", "D4u*", "A2*", "C3u"};
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

bool Schneiden(const Wort& a, const Wort& b, double t) {
    return a.xMin + t < b.xMax && b.xMin + t < a.xMax && a.yMin + t < b.yMax && b.yMin + t < a.yMax;
}

// Whether the rule s runs through the word (not only along its edge) where
// no later white fill covers it.
bool Kreuzt(const std::vector<Regeldrucker::Strich>& alle, std::size_t i, const Wort& w) {
    const Regeldrucker::Strich& s = alle[i];
    const double t = 0.3;
    double x, y;
    if (s.y1 == s.y2) {
        if (!(w.yMin + t < s.y1 && s.y1 < w.yMax - t && std::min(s.x1, s.x2) < w.xMax - t &&
              std::max(s.x1, s.x2) > w.xMin + t))
            return false;
        x = std::clamp((w.xMin + w.xMax) / 2, std::min(s.x1, s.x2), std::max(s.x1, s.x2)), y = s.y1;
    } else {
        if (!(w.xMin + t < s.x1 && s.x1 < w.xMax - t && std::min(s.y1, s.y2) < w.yMax - t &&
              std::max(s.y1, s.y2) > w.yMin + t))
            return false;
        x = s.x1, y = std::clamp((w.yMin + w.yMax) / 2, std::min(s.y1, s.y2), std::max(s.y1, s.y2));
    }
    for (std::size_t k = i + 1; k < alle.size(); ++k)
        if (alle[k].Deckt && alle[k].Seite == s.Seite && alle[k].x1 <= x && x <= alle[k].x2 && alle[k].y1 <= y &&
            y <= alle[k].y2)
            return false;
    return true;
}

TEST(PdfLangeTexte, NichtsUeberdrucktUndNamenEndenMitAuslassung) {
    struct Fall {
        const char* name;
        double grösse;
        std::function<bool(Testhilfe::Pdfdruck&)> drucken;
        bool zonen; // zone protocols follow
        bool quer = false;
    };
    const auto System = [](Testhilfe::Pdfdruck& d) {
        return Testhilfe::SystemnachweisDrucken(d.z.umgebung, 0, "1", false) == "OK, Ausdruck abgeschlossen.";
    };
    const Fall fälle[] = {
        {"Systemnachweis", 9, System, true},
        {"Systemnachweis", 7, System, true},
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
         false},
        {"Energietabelle", 9, [](Testhilfe::Pdfdruck&) { return Druckaufträge::Energien(); }, false, true},
        {"Bauteilblatt", 9, [](Testhilfe::Pdfdruck&) { return Druckaufträge::Element(Elementart::Bauteil, 2); }, false},
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
        Regeldrucker drucker;
        Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, nullptr}};
        Global::Initialisierung.DruckerSchriftgrösse = static_cast<float>(c.grösse);
        Anlegen(d.z);
        const std::string pdf = d.Ziel(std::string(c.name) + "_" + std::to_string(int(c.grösse)) + ".pdf");
        ASSERT_TRUE(c.drucken(d));
        const std::vector<Wort> wörter = Wörter(pdf);
        ASSERT_FALSE(wörter.empty());
        const std::string text = Text(pdf);
        const auto seiten = Seiten(text);

        int fehler = 0;
        const auto melden = [&](const std::string& was) {
            if (++fehler <= 20) ADD_FAILURE() << was;
        };
        const auto wo = [](const Wort& w) {
            return "page " + std::to_string(w.Seite) + " \"" + w.Text + "\" (" + std::to_string(int(w.xMin)) + ", " +
                   std::to_string(int(w.yMin)) + ")";
        };
        const double unten = ((c.quer ? 21 : 29.7) - 1.5) * Pt, rechts = ((c.quer ? 29.7 : 21) - 1.5) * Pt;
        for (int s = 1; s <= static_cast<int>(seiten.size()); ++s) {
            std::vector<const Wort*> w;
            for (const Wort& x : wörter)
                if (x.Seite == s) w.push_back(&x);
            // The frame: the right edge and the top of the boxes of the page;
            // the page head above it reaches the grid's edge.
            double rahmen = 0, oben = 1e9;
            for (const auto& st : drucker.striche)
                if (st.Seite == s && !st.Deckt) rahmen = std::max({rahmen, st.x1, st.x2}), oben = std::min(oben, st.y1);
            for (std::size_t i = 0; i < w.size(); ++i) {
                for (std::size_t k = i + 1; k < w.size(); ++k)
                    if (Schneiden(*w[i], *w[k], 0.3)) melden(wo(*w[i]) + " overprints " + wo(*w[k]));
                if (w[i]->yMax > unten + 0.5 || w[i]->xMax > (w[i]->yMax < oben ? rechts : rahmen) + 0.5)
                    melden(wo(*w[i]) + " off the frame");
                for (std::size_t k = 0; k < drucker.striche.size(); ++k)
                    if (drucker.striche[k].Seite == s && !drucker.striche[k].Deckt &&
                        Kreuzt(drucker.striche, k, *w[i]))
                        melden(wo(*w[i]) + " crossed by a rule");
                // A name's word stopped short ends in "…".
                if (w[i]->Text.size() >= 3)
                    for (const std::string& n : namenswörter)
                        if (n.size() > w[i]->Text.size() && n.rfind(w[i]->Text, 0) == 0)
                            melden(wo(*w[i]) + " is " + n + " cut without \"…\"");
            }
            // Page heads: the time and the page number whole, after the title.
            std::string kopf;
            for (const Wort* x : w)
                if (x->yMax < oben) kopf += (kopf.empty() ? "" : " ") + x->Text;
            if (s > 1 && std::string(c.name) != "Energietabelle" && std::string(c.name) != "Bauteilblatt") {
                EXPECT_TRUE(std::regex_search(kopf, std::regex("(…|Süd) \\d+\\.\\d+\\.\\d{4} \\d+:\\d\\d:\\d\\d Seite " +
                                                              std::to_string(s) + "$")))
                    << "page " << s << ": " << kopf;
            }
            // A zone's heading box is followed on its page by the zone's
            // first box.
            const std::string& seite = seiten[static_cast<std::size_t>(s - 1)];
            const std::size_t kopfbox = seite.rfind("Bezeichnung:");
            if (c.zonen && kopfbox != std::string::npos &&
                seite.find("Thermische Zone", seite.rfind('\n', kopfbox)) < kopfbox) {
                EXPECT_TRUE(std::regex_search(seite.substr(kopfbox), std::regex("\n *Nutzung *\n")))
                    << "page " << s << " ends with a zone's heading box:\n" << seite;
            }
        }
        EXPECT_EQ(fehler, 0);
        // The names whole somewhere: the project's last word, each zone's first.
        if (c.zonen) {
            for (const std::string& n : {std::string("Süd"), Zonenname(0).substr(0, 3), Zonenname(7).substr(0, 3)})
                EXPECT_TRUE(std::any_of(wörter.begin(), wörter.end(), [&](const Wort& x) { return x.Text == n; }))
                    << n;
        }
    }
}

} // namespace

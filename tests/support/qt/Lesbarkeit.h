// Whether a printout is legible: the program's PDF printer with every rule
// and white fill of a printout recorded on the way, and the check of the
// words read back (pdftotext -bbox) against each other, the frame and the
// rules.
#pragma once

#include "frame/Plattform.h"
#include "frame/qt/QtPlattform.h"
#include "printing/Drucken.h"
#include "printing/Druckraster.h"
#include "tests/support/qt/Pdftext.h"

#include <algorithm>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace Testhilfe::Pdf {

inline constexpr double Pt = 72 / 2.54; // pt per cm

// A rule of the printout (a line or an edge of a frame), or a white fill
// that covers the rules drawn before it, on a page, in pt from the page's
// top-left corner.
struct Strich {
    int Seite;
    double x1, y1, x2, y2, Breite;
    bool Weiss;
    std::size_t Nr; // in the order drawn
};

// The PDF printer's job with every rule and white fill recorded on the way.
class Aufzeichnend : public Plattform::Druckfläche {
public:
    Aufzeichnend(std::unique_ptr<Plattform::Druckfläche> f, std::vector<Strich>& striche)
        : f_(std::move(f)), striche_(striche) {}
    void Dokumentname(const std::string& n) override { f_->Dokumentname(n); }
    void Querformat(bool q) override { f_->Querformat(q); }
    double PapierBreite() const override { return f_->PapierBreite(); }
    double PapierHöhe() const override { return f_->PapierHöhe(); }
    double DruckbereichBreite() const override { return f_->DruckbereichBreite(); }
    double DruckbereichHöhe() const override { return f_->DruckbereichHöhe(); }
    int DuplexModus() const override { return f_->DuplexModus(); }
    void DuplexModusSetzen(int m) override { f_->DuplexModusSetzen(m); }
    void Massstab(double x1, double y1, double x2, double y2) override {
        x0_ = x1;
        y0_ = y1;
        f_->Massstab(x1, y1, x2, y2);
    }
    Plattform::Druckerangaben Angaben() const override { return f_->Angaben(); }
    void Schrift(const Plattform::Druckschrift& s) override { f_->Schrift(s); }
    std::string GefundeneSchrift() const override { return f_->GefundeneSchrift(); }
    double Textbreite(std::string_view t) const override { return f_->Textbreite(t); }
    double Zeilenhöhe() const override { return f_->Zeilenhöhe(); }
    void Text(double x, double y, std::string_view t) override { f_->Text(x, y, t); }
    void Linie(double x1, double y1, double x2, double y2, double b, Plattform::Druckfarbe c) override {
        Merken(x1, y1, x2, y2, b, false);
        f_->Linie(x1, y1, x2, y2, b, c);
    }
    void Rechteck(double x1, double y1, double x2, double y2, double b, Plattform::Druckfarbe c) override {
        Merken(x1, y1, x2, y1, b, false);
        Merken(x1, y2, x2, y2, b, false);
        Merken(x1, y1, x1, y2, b, false);
        Merken(x2, y1, x2, y2, b, false);
        f_->Rechteck(x1, y1, x2, y2, b, c);
    }
    void Fläche(double x1, double y1, double x2, double y2, Plattform::Druckfarbe c) override {
        if (c == 0xFFFFFF) Merken(x1, y1, x2, y2, 0, true);
        f_->Fläche(x1, y1, x2, y2, c);
    }
    int Seitennummer() const override { return f_->Seitennummer(); }
    void NeueSeite() override {
        ++seite_;
        f_->NeueSeite();
    }
    void NeuesExemplar() override { f_->NeuesExemplar(); }
    bool Beenden(std::string& fehler) override { return f_->Beenden(fehler); }

private:
    std::unique_ptr<Plattform::Druckfläche> f_;
    std::vector<Strich>& striche_;
    double x0_ = 0, y0_ = 0;
    int seite_ = 1;
    void Merken(double x1, double y1, double x2, double y2, double breite, bool weiss) {
        // Line widths are 1/600 inch.
        striche_.push_back({seite_, (std::min(x1, x2) - x0_) * Pt, (std::min(y1, y2) - y0_) * Pt,
                            (std::max(x1, x2) - x0_) * Pt, (std::max(y1, y2) - y0_) * Pt, breite * 72 / 600, weiss,
                            striche_.size()});
    }
};

class AufzeichnenderDrucker : public QtPlattform::QtDrucker {
public:
    std::vector<Strich> Striche;
    std::unique_ptr<Plattform::Druckfläche> Auftrag(const std::string& drucker, const std::string& ziel,
                                                    std::string& fehler) override {
        Striche.clear();
        auto f = QtDrucker::Auftrag(drucker, ziel, fehler);
        if (!f) return f;
        return std::make_unique<Aufzeichnend>(std::move(f), Striche);
    }
};

inline constexpr double Eps = 0.05;     // pt: what rounding may leave between boxes that meet
// pt: the gap a word keeps to every rule beside it, the one the page engine
// keeps; nearer, the rule touches it.
inline constexpr double Abstand = Drucken::Linienabstand;
// The gap a word keeps to a rule above or below it (a rule, or where a
// column line ends or resumes beside a label on its white fill): a fifth of
// the height of its line; nearer, the line runs into its letters.
inline double Höhe(const Wort& w) { return (w.yMax - w.yMin) / 5; }

inline bool Schneiden(double a1, double a2, double b1, double b2) { return std::min(a2, b2) - std::max(a1, b1) > Eps; }

// A word of one character (UTF-8).
inline bool Einzeln(const std::string& t) {
    return !t.empty() && t.size() <= 4 && std::count_if(t.begin(), t.end(), [](char c) { return (c & 0xC0) != 0x80; }) == 1;
}

// Where a printout is not legible, one line each (the first few of a kind).
// zeichentafel: the test page, whose tables of single characters come from
// faces the system substitutes; their boxes are those faces', so two such
// characters are not held against each other.
inline std::vector<std::string> Mängel(const std::vector<Wort>& wörter, const std::vector<Strich>& striche,
                                const Druckraster::Raster& r, bool zeichentafel = false) {
    std::vector<std::string> m;
    std::map<std::string, int> zahl;
    const auto mangel = [&](const std::string& art, const std::string& text) {
        if (++zahl[art] <= 5) m.push_back(art + ": " + text);
    };
    const auto wo = [](const Wort& w) {
        return "p. " + std::to_string(w.Seite) + " \"" + w.Text + "\" (" + std::to_string(w.xMin) + ", " +
               std::to_string(w.yMin) + ")";
    };
    // The frame: the boxes end half a cell inside the grid, whose right
    // edge only the page head's page number reaches.
    const double zelle = r.Breite / r.Spalten;
    const double links = r.Links * Pt, rechts = (r.Links + r.Breite - zelle / 2) * Pt;
    const double oben = r.Oben * Pt, unten = (r.Oben + r.Höhe) * Pt;
    static const std::regex zusammen(R"(\d\.\d+\.\d|\d\[)"), datum(R"(\d{1,2}\.\d{1,2}\.\d{2,4})");
    std::map<int, std::vector<const Wort*>> seiten;
    for (const Wort& w : wörter) seiten[w.Seite].push_back(&w);
    for (const auto& [seite, ws] : seiten) {
        for (std::size_t i = 0; i < ws.size(); ++i) {
            const Wort& a = *ws[i];
            const bool kopf = a.yMin < oben + zelle * Pt;
            if (a.xMin < links - 0.5 || a.yMin < oben - 0.5 || a.yMax > unten + 0.5 ||
                a.xMax > (kopf ? (r.Links + r.Breite) * Pt : rechts) + 0.5)
                mangel("outside the frame", wo(a));
            if (std::regex_search(a.Text, zusammen) && !std::regex_match(a.Text, datum))
                mangel("numbers run together", wo(a));
            for (std::size_t j = i + 1; j < ws.size(); ++j) {
                const Wort& b = *ws[j];
                if (zeichentafel && Einzeln(a.Text) && Einzeln(b.Text)) continue;
                if (Schneiden(a.xMin, a.xMax, b.xMin, b.xMax) && Schneiden(a.yMin, a.yMax, b.yMin, b.yMax))
                    mangel("overprinted", wo(a) + " and " + wo(b));
            }
        }
        for (const Strich& s : striche) {
            if (s.Seite != seite || s.Weiss) continue;
            const bool quer = s.y2 - s.y1 < s.x2 - s.x1;
            const double d = s.Breite / 2;
            // The parts of the rule that no white fill drawn after it covers
            // (along the rule; its square ends reach half its width beyond).
            std::vector<std::pair<double, double>> teile{{(quer ? s.x1 : s.y1) - d, (quer ? s.x2 : s.y2) + d}};
            for (auto f = striche.begin() + static_cast<std::ptrdiff_t>(s.Nr); f != striche.end(); ++f) {
                if (!f->Weiss || f->Seite != seite ||
                    !(quer ? f->y1 <= s.y1 - d + Eps && f->y2 >= s.y1 + d - Eps
                           : f->x1 <= s.x1 - d + Eps && f->x2 >= s.x1 + d - Eps))
                    continue;
                std::vector<std::pair<double, double>> rest;
                for (const auto& [a, b] : teile) {
                    if (a < (quer ? f->x1 : f->y1)) rest.push_back({a, std::min(b, quer ? f->x1 : f->y1)});
                    if (b > (quer ? f->x2 : f->y2)) rest.push_back({std::max(a, quer ? f->x2 : f->y2), b});
                }
                teile.swap(rest);
            }
            for (const Wort* w : ws) {
                // A rule's ink against the word's box widened by g beside it
                // and h above and below it.
                const auto trifft = [&](double g, double h) {
                    const double u1 = quer ? w->yMin - h : w->xMin - g, u2 = quer ? w->yMax + h : w->xMax + g;
                    const double v1 = quer ? w->xMin - g : w->yMin - h, v2 = quer ? w->xMax + g : w->yMax + h;
                    const double c = quer ? s.y1 : s.x1;
                    return c + d > u1 + Eps && c - d < u2 - Eps &&
                           std::any_of(teile.begin(), teile.end(),
                                       [&](const auto& t) { return Schneiden(t.first, t.second, v1, v2); });
                };
                const bool gekreuzt = trifft(0, 0), berührt = !gekreuzt && trifft(Abstand, Höhe(*w));
                if (gekreuzt || berührt) mangel(gekreuzt ? "crossed by a rule" : "touched by a rule", wo(*w));
            }
        }
    }
    return m;
}

} // namespace Testhilfe::Pdf

// Whether a printout is legible: the program's PDF printer with every rule
// and white fill of a printout recorded on the way, and the check of the
// words read back (pdftotext -bbox) against each other, the frame and the
// rules. Two words overprint where their ink meets, in the printout
// rendered (pdftoppm), not where their boxes overlap.
#pragma once

#include "frame/Plattform.h"
#include "frame/qt/QtPlattform.h"
#include "printing/Drucken.h"
#include "printing/Druckraster.h"
#include "tests/support/qt/Pdftext.h"

#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <cmath>
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

// A rectangle of a page of a PDF as pdftoppm renders it in grey at 600
// dpi: the pixels whose middles lie inside it, a byte each (0 black).
struct Graubild {
    static constexpr double Px = 600.0 / 72; // pixels per pt
    int x0 = 0, y0 = 0, Breite = 0, Höhe = 0; // pixels from the page's corner
    QByteArray Pixel;
    // The middle of pixel i, j in pt.
    double X(int i) const { return (x0 + i + 0.5) / Px; }
    double Y(int j) const { return (y0 + j + 0.5) / Px; }
    bool Tinte(int i, int j) const { return static_cast<unsigned char>(Pixel[j * Breite + i]) < 128; }
};
inline Graubild Rendern(const std::string& pdf, int seite, double x1, double y1, double x2, double y2) {
    Graubild b;
    b.x0 = static_cast<int>(std::ceil(x1 * Graubild::Px - 0.5));
    b.y0 = static_cast<int>(std::ceil(y1 * Graubild::Px - 0.5));
    const int w = static_cast<int>(std::floor(x2 * Graubild::Px - 0.5)) - b.x0 + 1;
    const int h = static_cast<int>(std::floor(y2 * Graubild::Px - 0.5)) - b.y0 + 1;
    if (w <= 0 || h <= 0) return b;
    QProcess p;
    p.start("pdftoppm", {"-r", "600", "-gray", "-f", QString::number(seite), "-l", QString::number(seite), "-x",
                         QString::number(b.x0), "-y", QString::number(b.y0), "-W", QString::number(w), "-H",
                         QString::number(h), "-singlefile", QString::fromStdString(pdf)});
    p.waitForFinished(60000);
    // A PGM: "P5", width, height, 255, one blank, then a byte per pixel.
    const QByteArray bild = p.readAllStandardOutput();
    qsizetype k = 0;
    for (int feld = 0; feld < 4 && k < bild.size(); ++feld) {
        while (k < bild.size() && std::isspace(static_cast<unsigned char>(bild[k]))) ++k;
        while (k < bild.size() && !std::isspace(static_cast<unsigned char>(bild[k]))) ++k;
    }
    if (bild.startsWith("P5") && bild.size() - (k + 1) == static_cast<qsizetype>(w) * h) {
        b.Breite = w;
        b.Höhe = h;
        b.Pixel = bild.mid(k + 1);
    }
    return b;
}

// Whether the ink of two words whose boxes overlap meets. A word's box
// reaches from the top of its face's tallest letters to the foot of its
// lowest, so the boxes of two rows may overlap far from any ink. Its core
// is the band across the middle of its box, a third of its height, which
// the strokes of its letters cross. Ink that hangs together (pixels side
// by side or corner to corner, inside the two boxes) and crosses the cores
// of both words is ink of both that meets; a page that cannot be rendered
// counts as overprinted.
inline bool Überdruckt(const std::string& pdf, const Wort& a, const Wort& b) {
    const Graubild g = Rendern(pdf, a.Seite, std::min(a.xMin, b.xMin), std::min(a.yMin, b.yMin),
                               std::max(a.xMax, b.xMax), std::max(a.yMax, b.yMax));
    if (g.Pixel.isEmpty()) return true;
    const auto in = [&](const Wort& w, int i, int j) {
        return g.X(i) > w.xMin && g.X(i) < w.xMax && g.Y(j) > w.yMin && g.Y(j) < w.yMax;
    };
    const auto kern = [&](const Wort& w, int i, int j) {
        return in(w, i, j) && std::abs(g.Y(j) - (w.yMin + w.yMax) / 2) <= (w.yMax - w.yMin) / 6;
    };
    const auto tinte = [&](int i, int j) {
        return i >= 0 && j >= 0 && i < g.Breite && j < g.Höhe && g.Tinte(i, j) && (in(a, i, j) || in(b, i, j));
    };
    std::vector<bool> gesehen(static_cast<std::size_t>(g.Breite) * g.Höhe);
    std::vector<std::pair<int, int>> offen;
    for (int j0 = 0; j0 < g.Höhe; ++j0)
        for (int i0 = 0; i0 < g.Breite; ++i0) {
            if (!tinte(i0, j0) || gesehen[j0 * g.Breite + i0]) continue;
            // The ink through this pixel, and whose cores it crosses.
            bool kernA = false, kernB = false;
            gesehen[j0 * g.Breite + i0] = true;
            offen.assign(1, {i0, j0});
            while (!offen.empty()) {
                const auto [i, j] = offen.back();
                offen.pop_back();
                kernA = kernA || kern(a, i, j);
                kernB = kernB || kern(b, i, j);
                for (int v = j - 1; v <= j + 1; ++v)
                    for (int u = i - 1; u <= i + 1; ++u)
                        if (tinte(u, v) && !gesehen[v * g.Breite + u]) {
                            gesehen[v * g.Breite + u] = true;
                            offen.push_back({u, v});
                        }
            }
            if (kernA && kernB) return true;
        }
    return false;
}

// Where a printout is not legible, one line each (the first few of a kind);
// pdf: the printout the words were read from.
inline std::vector<std::string> Mängel(const std::string& pdf, const std::vector<Wort>& wörter,
                                       const std::vector<Strich>& striche, const Druckraster::Raster& r) {
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
                if (Schneiden(a.xMin, a.xMax, b.xMin, b.xMax) && Schneiden(a.yMin, a.yMax, b.yMin, b.yMax) &&
                    Überdruckt(pdf, a, b))
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

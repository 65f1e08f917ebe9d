// The program's PDF printer with every rule and white fill of a printout
// recorded on the way, for tests that read the printout back word by word
// and look for words crossed by a rule.
#pragma once

#include "frame/Plattform.h"
#include "frame/qt/QtPlattform.h"

#include <algorithm>
#include <memory>
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

} // namespace Testhilfe::Pdf

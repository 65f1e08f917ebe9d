// The surface of a dry run (ZIRVO3801Drucken::Probelauf) and what a dry run
// before a printout draws on it.
//
// A dry run lays reports out on the printer's measuring surface, which has
// the metrics of a job on that printer (Plattform::Drucker::Messfläche). So
// a dry run that passed has laid out every page of the printout already:
// recorded (Probeaufzeichnung), its drawing calls go to the job as they
// were made, and no page is laid out twice. The record holds what the job
// gets between its set-up and its end: each text, line, box and fill with
// the font it was drawn in, the changes of scale of mirrored back pages and
// the page breaks, and between them the marks the report class sets (where
// a section begins and ends, which part of the printout follows), so that
// a drawing that breaks off on the job names its part as the laying out
// would have.
#pragma once

#include "frame/Druckflaeche.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The marks of a record: a section of the report class begins (its name)
// and ends; the caller names the part of the printout that follows.
enum class Probemarke { AbschnittBeginn, AbschnittEnde, Druckteil };

class Probeaufzeichnung {
public:
    // The font of the calls that follow.
    void Schrift(const Plattform::Druckschrift& schrift) { schrift_ = schrift; }
    void Text(double x, double y, std::string_view text);
    void Linie(double x1, double y1, double x2, double y2, double breite, Plattform::Druckfarbe farbe);
    void Rechteck(double x1, double y1, double x2, double y2, double breite, Plattform::Druckfarbe farbe);
    void Fläche(double x1, double y1, double x2, double y2, Plattform::Druckfarbe farbe);
    void Massstab(double x1, double y1, double x2, double y2);
    void NeueSeite();
    void Markieren(Probemarke marke, const std::string& text = {});

    // Whether a text, line, box or fill was drawn.
    bool Gezeichnet() const { return gezeichnet_; }
    // The calls on f in the order they were made, each drawing in the font
    // it was made in, and f left in the font set last; marke is told of
    // each mark where it was set.
    void Abspielen(Plattform::Druckfläche& f,
                   const std::function<void(Probemarke, const std::string&)>& marke) const;

private:
    enum class Art : std::uint8_t { Schrift, Text, Linie, Rechteck, Fläche, Massstab, NeueSeite, Marke };
    struct Aufruf {
        Art art;
        Probemarke marke;
        double x1, y1, x2, y2, breite;
        Plattform::Druckfarbe farbe;
        std::size_t nr; // a text's or a mark's text in texte_, a font in schriften_
    };
    std::vector<Aufruf> aufrufe_;
    std::vector<std::string> texte_;
    std::vector<Plattform::Druckschrift> schriften_;
    Plattform::Druckschrift schrift_; // the font set last
    bool gezeichnet_ = false;

    // A call on the surface, after the font set since the last one where it
    // changed (the job then has every call's font as the laying out left it).
    void aufnehmen(Art art, double x1, double y1, double x2, double y2, double breite, Plattform::Druckfarbe farbe,
                   std::size_t nr = 0);
};

// A dry run's surface: the printer's measuring surface for the paper, the
// metrics and the duplex mode, with nothing drawn on it (on a system
// printer a drawing would begin a job). The measuring surface stays its
// owner's. When a new page begins and the engine has found a text out of
// its room, the layout stops (seiteFertig throws). Once given a record
// (Aufzeichnen), its drawing calls go there.
class Probefläche : public Plattform::Druckfläche {
public:
    Probefläche(Plattform::Druckfläche& f, std::function<void()> seiteFertig)
        : f_(f), seiteFertig_(std::move(seiteFertig)) {}
    // Records what is drawn from now on in a (which outlives the layout).
    void Aufzeichnen(Probeaufzeichnung& a) {
        aufzeichnung_ = &a;
        a.Schrift(schrift_);
    }

    void Querformat(bool quer) override { f_.Querformat(quer); }
    double PapierBreite() const override { return f_.PapierBreite(); }
    double PapierHöhe() const override { return f_.PapierHöhe(); }
    double DruckbereichBreite() const override { return f_.DruckbereichBreite(); }
    double DruckbereichHöhe() const override { return f_.DruckbereichHöhe(); }
    // As the job would have it: where the printer prints on one side only,
    // the back pages are not mirrored either.
    int DuplexModus() const override { return f_.DuplexModus(); }
    void DuplexModusSetzen(int modus) override { f_.DuplexModusSetzen(modus); }
    void Massstab(double x1, double y1, double x2, double y2) override;
    Plattform::Druckerangaben Angaben() const override { return f_.Angaben(); }
    void Schrift(const Plattform::Druckschrift& s) override;
    std::string GefundeneSchrift() const override { return f_.GefundeneSchrift(); }
    double Textbreite(std::string_view t) const override { return f_.Textbreite(t); }
    double Zeilenhöhe() const override { return f_.Zeilenhöhe(); }
    bool Schriftbreiten() const override { return f_.Schriftbreiten(); }
    void Text(double x, double y, std::string_view text) override;
    void Linie(double x1, double y1, double x2, double y2, double breite, Plattform::Druckfarbe farbe) override;
    void Rechteck(double x1, double y1, double x2, double y2, double breite, Plattform::Druckfarbe farbe) override;
    void Fläche(double x1, double y1, double x2, double y2, Plattform::Druckfarbe farbe) override;
    int Seitennummer() const override { return seite_; }
    void NeueSeite() override;
    void NeuesExemplar() override { seite_ = 1; }
    bool Beenden(std::string&) override { return true; }

private:
    Plattform::Druckfläche& f_;
    std::function<void()> seiteFertig_;
    int seite_ = 1;
    Plattform::Druckschrift schrift_;
    Probeaufzeichnung* aufzeichnung_ = nullptr;
};

// A print surface that prints nothing and records every call: fixed
// metrics (every character as wide as 0.02 cm per point of the font size, a
// line 0.04 cm per point high), an A4 page with the whole sheet printable,
// and a list of what was drawn on which page. Tests lay reports out on it
// and check rows, columns, boxes and pages without a font or a printer.
#pragma once

#include "frame/Druckflaeche.h"

#include <functional>
#include <string>
#include <vector>

class Aufzeichnungsfläche : public Plattform::Druckfläche {
public:
    enum class Art { Text, Linie, Rechteck, Fläche, Massstab };

    // One drawing call; coordinates as the engine gave them.
    struct Aufruf {
        Art art;
        int Seite; // the page of the document (copies one after the other)
        double x1, y1, x2, y2;
        std::string Text;
        Plattform::Druckschrift Schrift;
        double Breite;
        Plattform::Druckfarbe Farbe;
    };

    std::vector<Aufruf> Aufrufe;
    bool Quer = false;
    int Duplex = 1;
    bool DuplexMöglich = true;   // false: the printer refuses duplex
    bool Beendet = false;
    std::string Beendenfehler;   // not empty: Beenden fails with it
    Plattform::Druckerangaben Drucker{"Aufzeichnung", "Test", "keiner"};
    std::string Name; // the document's name
    // Told when the document ends (the engine lets the surface go then).
    std::function<void(const Aufzeichnungsfläche&)> BeimBeenden;

    static constexpr double ZeichenbreiteJePunkt = 0.02;
    static constexpr double ZeilenhöheJePunkt = 0.04;

    void Dokumentname(const std::string& name) override { Name = name; }
    void Querformat(bool quer) override { Quer = quer; }
    double PapierBreite() const override { return Quer ? 29.7 : 21.0; }
    double PapierHöhe() const override { return Quer ? 21.0 : 29.7; }
    double DruckbereichBreite() const override { return PapierBreite(); }
    double DruckbereichHöhe() const override { return PapierHöhe(); }
    int DuplexModus() const override { return Duplex; }
    void DuplexModusSetzen(int modus) override;
    void Massstab(double x1, double y1, double x2, double y2) override;
    Plattform::Druckerangaben Angaben() const override { return Drucker; }

    void Schrift(const Plattform::Druckschrift& schrift) override { schrift_ = schrift; }
    std::string GefundeneSchrift() const override { return schrift_.Name; }
    double Textbreite(std::string_view text) const override;
    double Zeilenhöhe() const override { return schrift_.Grösse * ZeilenhöheJePunkt; }
    // Its widths are made up: set it to hold the texts to their rooms.
    bool Räumeprüfen = false;
    bool Schriftbreiten() const override { return Räumeprüfen; }

    void Text(double x, double y, std::string_view text) override;
    void Linie(double x1, double y1, double x2, double y2, double breite, Plattform::Druckfarbe farbe) override;
    void Rechteck(double x1, double y1, double x2, double y2, double breite, Plattform::Druckfarbe farbe) override;
    void Fläche(double x1, double y1, double x2, double y2, Plattform::Druckfarbe farbe) override;

    int Seitennummer() const override { return seite_; }
    void NeueSeite() override {
        ++seite_;
        ++blatt_;
    }
    void NeuesExemplar() override;
    bool Beenden(std::string& fehler) override;

    // The pages of the document, and the page on which each copy begins.
    int Blätter() const { return blatt_; }
    std::vector<int> Exemplaranfänge{1};

    // The calls of one kind, in order.
    std::vector<const Aufruf*> Alle(Art art) const;
    // The texts drawn, in order (of one page when seite > 0).
    std::vector<const Aufruf*> Texte(int seite = 0) const;
    // The first text call that holds the text; nullptr when there is none.
    const Aufruf* Suchen(std::string_view text) const;

private:
    Plattform::Druckschrift schrift_;
    int seite_ = 1; // within the copy
    int blatt_ = 1; // within the document
    void aufzeichnen(Art art, double x1, double y1, double x2, double y2, std::string text, double breite,
                     Plattform::Druckfarbe farbe);
};

#include "printing/Aufzeichnungsflaeche.h"

#include "frame/Windows1252.h"

void Aufzeichnungsfläche::DuplexModusSetzen(int modus) {
    if (modus == 1 || DuplexMöglich) Duplex = modus;
}

void Aufzeichnungsfläche::Massstab(double x1, double y1, double x2, double y2) {
    aufzeichnen(Art::Massstab, x1, y1, x2, y2, {}, 0, 0);
}

double Aufzeichnungsfläche::Textbreite(std::string_view text) const {
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < text.size();) {
        Windows1252::NächstesZeichen(text, i);
        ++zeichen;
    }
    return static_cast<double>(zeichen) * schrift_.Grösse * ZeichenbreiteJePunkt;
}

void Aufzeichnungsfläche::Text(double x, double y, std::string_view text) {
    aufzeichnen(Art::Text, x, y, x + Textbreite(text), y + Zeilenhöhe(), std::string(text), 0, 0);
}

void Aufzeichnungsfläche::Linie(double x1, double y1, double x2, double y2, double breite,
                                Plattform::Druckfarbe farbe) {
    aufzeichnen(Art::Linie, x1, y1, x2, y2, {}, breite, farbe);
}

void Aufzeichnungsfläche::Rechteck(double x1, double y1, double x2, double y2, double breite,
                                   Plattform::Druckfarbe farbe) {
    aufzeichnen(Art::Rechteck, x1, y1, x2, y2, {}, breite, farbe);
}

void Aufzeichnungsfläche::Fläche(double x1, double y1, double x2, double y2, Plattform::Druckfarbe farbe) {
    aufzeichnen(Art::Fläche, x1, y1, x2, y2, {}, 0, farbe);
}

void Aufzeichnungsfläche::NeuesExemplar() {
    // As a printer does: a copy begins on a new sheet, on both sides of the
    // paper on a front page; a copy of which nothing was drawn yet stays on
    // the first page.
    bool gezeichnet = false;
    for (const auto& a : Aufrufe) gezeichnet = gezeichnet || a.art != Art::Massstab;
    if (gezeichnet) {
        ++blatt_;
        if (Duplex == 2 && blatt_ % 2 == 0) ++blatt_;
        Exemplaranfänge.push_back(blatt_);
    }
    seite_ = 1;
}

bool Aufzeichnungsfläche::Beenden(std::string& fehler) {
    Beendet = true;
    fehler = Beendenfehler;
    if (BeimBeenden) BeimBeenden(*this);
    return Beendenfehler.empty();
}

std::vector<const Aufzeichnungsfläche::Aufruf*> Aufzeichnungsfläche::Alle(Art art) const {
    std::vector<const Aufruf*> r;
    for (const auto& a : Aufrufe)
        if (a.art == art) r.push_back(&a);
    return r;
}

std::vector<const Aufzeichnungsfläche::Aufruf*> Aufzeichnungsfläche::Texte(int seite) const {
    std::vector<const Aufruf*> r;
    for (const auto& a : Aufrufe)
        if (a.art == Art::Text && (seite <= 0 || a.Seite == seite)) r.push_back(&a);
    return r;
}

const Aufzeichnungsfläche::Aufruf* Aufzeichnungsfläche::Suchen(std::string_view text) const {
    for (const auto& a : Aufrufe)
        if (a.art == Art::Text && a.Text.find(text) != std::string::npos) return &a;
    return nullptr;
}

void Aufzeichnungsfläche::aufzeichnen(Art art, double x1, double y1, double x2, double y2, std::string text,
                                      double breite, Plattform::Druckfarbe farbe) {
    Aufrufe.push_back({art, blatt_, x1, y1, x2, y2, std::move(text), schrift_, breite, farbe});
}

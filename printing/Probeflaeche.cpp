#include "printing/Probeflaeche.h"

void Probeaufzeichnung::aufnehmen(Art art, double x1, double y1, double x2, double y2, double breite,
                                  Plattform::Druckfarbe farbe, std::size_t nr) {
    if (schriften_.empty() || !(schriften_.back() == schrift_)) {
        schriften_.push_back(schrift_);
        aufrufe_.push_back({Art::Schrift, {}, 0, 0, 0, 0, 0, 0, schriften_.size() - 1});
    }
    aufrufe_.push_back({art, {}, x1, y1, x2, y2, breite, farbe, nr});
    gezeichnet_ = gezeichnet_ || (art != Art::Massstab && art != Art::NeueSeite);
}

void Probeaufzeichnung::Text(double x, double y, std::string_view text) {
    texte_.emplace_back(text);
    aufnehmen(Art::Text, x, y, 0, 0, 0, 0, texte_.size() - 1);
}

void Probeaufzeichnung::Linie(double x1, double y1, double x2, double y2, double breite,
                              Plattform::Druckfarbe farbe) {
    aufnehmen(Art::Linie, x1, y1, x2, y2, breite, farbe);
}

void Probeaufzeichnung::Rechteck(double x1, double y1, double x2, double y2, double breite,
                                 Plattform::Druckfarbe farbe) {
    aufnehmen(Art::Rechteck, x1, y1, x2, y2, breite, farbe);
}

void Probeaufzeichnung::Fläche(double x1, double y1, double x2, double y2, Plattform::Druckfarbe farbe) {
    aufnehmen(Art::Fläche, x1, y1, x2, y2, 0, farbe);
}

void Probeaufzeichnung::Massstab(double x1, double y1, double x2, double y2) {
    aufnehmen(Art::Massstab, x1, y1, x2, y2, 0, 0);
}

void Probeaufzeichnung::NeueSeite() { aufnehmen(Art::NeueSeite, 0, 0, 0, 0, 0, 0); }

void Probeaufzeichnung::Markieren(Probemarke marke, const std::string& text) {
    texte_.push_back(text);
    aufrufe_.push_back({Art::Marke, marke, 0, 0, 0, 0, 0, 0, texte_.size() - 1});
}

void Probeaufzeichnung::Abspielen(Plattform::Druckfläche& f,
                                  const std::function<void(Probemarke, const std::string&)>& marke) const {
    for (const Aufruf& a : aufrufe_) {
        switch (a.art) {
        case Art::Schrift: f.Schrift(schriften_[a.nr]); break;
        case Art::Text: f.Text(a.x1, a.y1, texte_[a.nr]); break;
        case Art::Linie: f.Linie(a.x1, a.y1, a.x2, a.y2, a.breite, a.farbe); break;
        case Art::Rechteck: f.Rechteck(a.x1, a.y1, a.x2, a.y2, a.breite, a.farbe); break;
        case Art::Fläche: f.Fläche(a.x1, a.y1, a.x2, a.y2, a.farbe); break;
        case Art::Massstab: f.Massstab(a.x1, a.y1, a.x2, a.y2); break;
        case Art::NeueSeite: f.NeueSeite(); break;
        case Art::Marke:
            if (marke) marke(a.marke, texte_[a.nr]);
            break;
        }
    }
    // The font as the laying out left it, for what the job draws next.
    if (schriften_.empty() || !(schriften_.back() == schrift_)) f.Schrift(schrift_);
}

void Probefläche::Schrift(const Plattform::Druckschrift& s) {
    f_.Schrift(s);
    schrift_ = s;
    if (aufzeichnung_) aufzeichnung_->Schrift(s);
}

void Probefläche::Massstab(double x1, double y1, double x2, double y2) {
    if (aufzeichnung_) aufzeichnung_->Massstab(x1, y1, x2, y2);
}

void Probefläche::Text(double x, double y, std::string_view text) {
    if (aufzeichnung_) aufzeichnung_->Text(x, y, text);
}

void Probefläche::Linie(double x1, double y1, double x2, double y2, double breite, Plattform::Druckfarbe farbe) {
    if (aufzeichnung_) aufzeichnung_->Linie(x1, y1, x2, y2, breite, farbe);
}

void Probefläche::Rechteck(double x1, double y1, double x2, double y2, double breite,
                           Plattform::Druckfarbe farbe) {
    if (aufzeichnung_) aufzeichnung_->Rechteck(x1, y1, x2, y2, breite, farbe);
}

void Probefläche::Fläche(double x1, double y1, double x2, double y2, Plattform::Druckfarbe farbe) {
    if (aufzeichnung_) aufzeichnung_->Fläche(x1, y1, x2, y2, farbe);
}

void Probefläche::NeueSeite() {
    seiteFertig_();
    ++seite_;
    if (aufzeichnung_) aufzeichnung_->NeueSeite();
}

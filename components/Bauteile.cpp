#include "components/Bauteile.h"

#include "project/Projekt.h"

namespace {

bool Blank(std::string_view t) { return t.find_first_not_of(' ') == std::string_view::npos; }

template <class Element> std::optional<Element> Lesen(const Projekt& projekt, Elementart art, int nummer) {
    KollektionZeiger k = Elemente::Holen(projekt, art, nummer);
    if (!k) return std::nullopt;
    return Element::AusKollektion(*k);
}

} // namespace

namespace Elemente {

std::string_view Präfix(Elementart art) {
    switch (art) {
    case Elementart::Fenster: return "F-";
    case Elementart::Wärmebrücke: return "W-";
    default: return "B-";
    }
}

std::string Schlüssel(Elementart art, int nummer) { return std::string(Präfix(art)) + std::to_string(nummer); }

KollektionZeiger Holen(const Projekt& projekt, Elementart art, int nummer) {
    if (nummer < MinNummer || nummer > MaxNummer) return nullptr;
    return projekt.PGetColl(Schlüssel(art, nummer));
}

void Entfernen(Projekt& projekt, Elementart art, int nummer) {
    if (nummer < MinNummer || nummer > MaxNummer) return;
    projekt.PSetColl(nullptr, Schlüssel(art, nummer));
}

std::vector<int> Nummern(const Projekt& projekt, Elementart art) {
    std::vector<int> n;
    for (int i = MinNummer; i <= MaxNummer; ++i)
        if (Holen(projekt, art, i)) n.push_back(i);
    return n;
}

std::string Bezeichnung(const Kollektion& element) { return element.Text(1); }

} // namespace Elemente

// --- Schicht ---

bool Schicht::Benutzt() const {
    return !Blank(Bez) || !Blank(Ueberwachung) || Dicke != 0 || Rohdichte != 0 || Lambda != 0 || R != 0;
}

double Schicht::Widerstand() const { return Lambda == 0 ? R : Dicke / 100 / Lambda; }

Schicht Schicht::AusKollektion(const Kollektion& zeile) {
    Schicht s;
    s.Bez = zeile.Text(1);
    s.Dicke = zeile.Zahl(2);
    s.Rohdichte = zeile.Zahl(3);
    s.Lambda = zeile.Zahl(4);
    s.R = zeile.Zahl(5);
    s.Ueberwachung = zeile.Text(6);
    return s;
}

KollektionZeiger Schicht::AlsKollektion() const {
    auto k = Kollektion::Neu();
    k->Reservieren(6);
    k->Hinzufügen(Bez);
    k->Hinzufügen(Dicke);
    k->Hinzufügen(Rohdichte);
    k->Hinzufügen(Lambda);
    k->Hinzufügen(R);
    k->Hinzufügen(Ueberwachung);
    return k;
}

// --- Bauteil ---

std::optional<Bauteil> Bauteil::Lesen(const Projekt& projekt, int nummer) {
    return ::Lesen<Bauteil>(projekt, Elementart::Bauteil, nummer);
}

Bauteil Bauteil::AusKollektion(const Kollektion& element) {
    Bauteil b;
    b.Bez = element.Text(1);
    b.Kom = element.Text(2);
    b.U = element.Zahl(3);
    b.U2 = element.Zahl(4);
    b.Rsi = element.Zahl(5);
    b.Rse = element.Zahl(6);
    if (KollektionZeiger z = element.Koll("Z")) {
        b.Schichten.reserve(static_cast<std::size_t>(z->Anzahl()));
        for (std::int32_t i = 1; i <= z->Anzahl(); ++i) {
            KollektionZeiger zeile = z->Koll(i);
            b.Schichten.push_back(zeile ? Schicht::AusKollektion(*zeile) : Schicht{});
        }
    }
    b.CodeGr = element.Text("CodeGr");
    return b;
}

KollektionZeiger Bauteil::AlsKollektion() const {
    auto k = Kollektion::Neu();
    k->Reservieren(8);
    k->Hinzufügen(Bez);
    k->Hinzufügen(Kom);
    k->Hinzufügen(U);
    k->Hinzufügen(U2);
    k->Hinzufügen(Rsi);
    k->Hinzufügen(Rse);
    bool benutzt = false;
    for (const Schicht& s : Schichten) benutzt = benutzt || s.Benutzt();
    if (benutzt) {
        auto z = Kollektion::Neu();
        z->Reservieren(static_cast<std::int32_t>(Schichten.size()));
        for (const Schicht& s : Schichten) z->Hinzufügen(s.AlsKollektion());
        k->Hinzufügen(KollektionZeiger(z), "Z");
    }
    k->Hinzufügen(CodeGr, "CodeGr");
    return k;
}

bool Bauteil::Leer() const {
    for (const Schicht& s : Schichten)
        if (s.Benutzt()) return false;
    return Blank(Bez) && Blank(Kom) && U == 0 && Rsi == 0 && Rse == 0;
}

void Bauteil::Speichern(Projekt& projekt, int nummer) const {
    if (nummer < Elemente::MinNummer || nummer > Elemente::MaxNummer) return;
    if (Leer()) Elemente::Entfernen(projekt, Elementart::Bauteil, nummer);
    else projekt.PSetColl(AlsKollektion(), Elemente::Schlüssel(Elementart::Bauteil, nummer));
}

// --- Fenster ---

std::optional<Fenster> Fenster::Lesen(const Projekt& projekt, int nummer) {
    return ::Lesen<Fenster>(projekt, Elementart::Fenster, nummer);
}

Fenster Fenster::AusKollektion(const Kollektion& element) {
    Fenster f;
    f.Bez = element.Text(1);
    f.Kom = element.Text(2);
    f.U = element.Zahl(3);
    f.U2 = element.Zahl(4);
    f.g = element.Zahl(5);
    f.FF = element.Zahl(6);
    f.Rahmenmaterial = element.Text(7);
    f.Uf = element.Zahl(8);
    f.Verglasung = element.Text(9);
    f.Ug = element.Zahl(10);
    f.CodeGr = element.Text("CodeGr");
    return f;
}

KollektionZeiger Fenster::AlsKollektion() const {
    auto k = Kollektion::Neu();
    k->Reservieren(11);
    k->Hinzufügen(Bez);
    k->Hinzufügen(Kom);
    k->Hinzufügen(U);
    k->Hinzufügen(U2);
    k->Hinzufügen(g);
    k->Hinzufügen(FF);
    k->Hinzufügen(Rahmenmaterial);
    k->Hinzufügen(Uf);
    k->Hinzufügen(Verglasung);
    k->Hinzufügen(Ug);
    k->Hinzufügen(CodeGr, "CodeGr");
    return k;
}

void Fenster::Speichern(Projekt& projekt, int nummer) const {
    if (nummer < Elemente::MinNummer || nummer > Elemente::MaxNummer) return;
    projekt.PSetColl(AlsKollektion(), Elemente::Schlüssel(Elementart::Fenster, nummer));
}

// --- Wärmebrücke ---

std::optional<Wärmebrücke> Wärmebrücke::Lesen(const Projekt& projekt, int nummer) {
    return ::Lesen<Wärmebrücke>(projekt, Elementart::Wärmebrücke, nummer);
}

Wärmebrücke Wärmebrücke::AusKollektion(const Kollektion& element) {
    Wärmebrücke w;
    w.Bez = element.Text(1);
    w.Kom = element.Text(2);
    w.Psi = element.Zahl(3);
    w.Beschreibung = element.Text(5);
    w.CodeGr = element.Text("CodeGr");
    return w;
}

KollektionZeiger Wärmebrücke::AlsKollektion() const {
    auto k = Kollektion::Neu();
    k->Reservieren(6);
    k->Hinzufügen(Bez);
    k->Hinzufügen(Kom);
    k->Hinzufügen(Psi);
    k->Hinzufügen(0.0);
    k->Hinzufügen(Beschreibung);
    k->Hinzufügen(CodeGr, "CodeGr");
    return k;
}

void Wärmebrücke::Speichern(Projekt& projekt, int nummer) const {
    if (nummer < Elemente::MinNummer || nummer > Elemente::MaxNummer) return;
    projekt.PSetColl(AlsKollektion(), Elemente::Schlüssel(Elementart::Wärmebrücke, nummer));
}

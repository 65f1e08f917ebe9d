#include "frame/basZIRVO_Array.h"

#include "frame/basVB6NumCvt.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>

namespace basZIRVO_Array {

namespace {

std::size_t stücke(std::string_view text, char trenner) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), trenner)) + 1;
}

// Calls f(i, item) for every item of the text split at the separator.
template <class F> void zerteilen(std::string_view text, char trenner, F f) {
    std::size_t i = 0, anfang = 0;
    for (;;) {
        std::size_t ende = text.find(trenner, anfang);
        f(i++, text.substr(anfang, ende == std::string_view::npos ? std::string_view::npos : ende - anfang));
        if (ende == std::string_view::npos) return;
        anfang = ende + 1;
    }
}

// Appends the element text of one number.
void elementAnhängen(std::string& s, double wert) {
    const std::string text = basVB6NumCvt::ZahlGrundform(wert);
    if (text[0] != '-') s += ' ';
    s += text;
}

template <class Feld> void listeAnhängen(std::string& s, const Feld& a) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (i > 0) s += ';';
        elementAnhängen(s, a[i]);
    }
}

// Reads exactly a.size() items into a; any other count changes nothing.
template <class Feld> bool listeLesen(std::string_view text, Feld& a) {
    if (stücke(text, ';') != a.size()) return false;
    zerteilen(text, ';', [&](std::size_t i, std::string_view stück) { a[i] = basVB6NumCvt::ZahlLesenDbl(stück); });
    return true;
}

// The last few arrays written and texts read: the zone computation writes
// and reads the same monthly arrays again and again. The element text
// depends on the number alone, and a text that fills the whole array gives
// numbers that depend on the text alone; so a result kept under its exact
// input (numbers compared bit for bit, texts character for character) is
// the result itself and never outdated. Writing and reading keep separate
// entries (a text read back need not give the numbers it was written from);
// the oldest entry makes room for a new one. Each thread keeps its own.
template <class Feld, std::size_t Anzahl> class Zuletzt {
public:
    // The text written for these numbers, or null.
    const std::string* Geschrieben(const Feld& werte) const {
        for (const Eintrag& e : geschrieben_)
            if (e.belegt && std::memcmp(&e.werte, &werte, sizeof(Feld)) == 0) return &e.text;
        return nullptr;
    }
    // The numbers read from this text, or null.
    const Feld* Gelesen(std::string_view text) const {
        for (const Eintrag& e : gelesen_)
            if (e.belegt && e.text.size() == text.size() && std::string_view(e.text) == text) return &e.werte;
        return nullptr;
    }
    void Schreiben(const Feld& werte, std::string_view text) { merken(geschrieben_, nächsterGeschrieben_, text, werte); }
    void Lesen(std::string_view text, const Feld& werte) { merken(gelesen_, nächsterGelesen_, text, werte); }

private:
    struct Eintrag {
        std::string text;
        Feld werte{};
        bool belegt = false;
    };
    std::array<Eintrag, Anzahl> geschrieben_, gelesen_;
    std::size_t nächsterGeschrieben_ = 0, nächsterGelesen_ = 0;

    static void merken(std::array<Eintrag, Anzahl>& einträge, std::size_t& nächster, std::string_view text,
                       const Feld& werte) {
        Eintrag& e = einträge[nächster];
        e.text.assign(text);
        e.werte = werte;
        e.belegt = true;
        nächster = (nächster + 1) % Anzahl;
    }
};

// Made on a thread's first use (only the computing thread needs them).
Zuletzt<Monatsarray, 32>& Listen() {
    thread_local auto zuletzt = std::make_unique<Zuletzt<Monatsarray, 32>>();
    return *zuletzt;
}

Zuletzt<Monatstabelle, 32>& Tabellen() {
    thread_local auto zuletzt = std::make_unique<Zuletzt<Monatstabelle, 32>>();
    return *zuletzt;
}

} // namespace

std::string ElementText(double wert) {
    std::string s;
    elementAnhängen(s, wert);
    return s;
}

std::string ArrayZuText1(const Monatsarray& a) {
    if (const std::string* text = Listen().Geschrieben(a)) return *text;
    std::string s;
    listeAnhängen(s, a);
    Listen().Schreiben(a, s);
    return s;
}

void TextZuArray1(std::string_view text, Monatsarray& a) {
    if (const Monatsarray* werte = Listen().Gelesen(text)) {
        a = *werte;
        return;
    }
    if (listeLesen(text, a)) Listen().Lesen(text, a);
}

std::string ArrayZuText2(const Monatstabelle& a) {
    if (const std::string* text = Tabellen().Geschrieben(a)) return *text;
    std::string s;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (i > 0) s += ':';
        listeAnhängen(s, a[i]);
    }
    Tabellen().Schreiben(a, s);
    return s;
}

void TextZuArray2(std::string_view text, Monatstabelle& a) {
    if (const Monatstabelle* werte = Tabellen().Gelesen(text)) {
        a = *werte;
        return;
    }
    if (stücke(text, ':') != a.size()) return;
    bool weiter = true;
    zerteilen(text, ':', [&](std::size_t i, std::string_view zeile) {
        if (weiter) weiter = listeLesen(zeile, a[i]);
    });
    // Only a text that filled every row gives numbers of its own.
    if (weiter) Tabellen().Lesen(text, a);
}

std::string ArrayZuTextX(const std::vector<double>& a) {
    std::string s;
    listeAnhängen(s, a);
    return s;
}

void TextZuArrayX(std::string_view text, std::vector<double>& a) { listeLesen(text, a); }

} // namespace basZIRVO_Array

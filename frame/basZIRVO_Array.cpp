#include "frame/basZIRVO_Array.h"

#include "frame/basVB6NumCvt.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
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

// The arrays written and texts read lately: the zone computation writes and
// reads the same monthly arrays again and again, zone after zone. The
// element text depends on the number alone, and a text that fills the whole
// array gives numbers that depend on the text alone; so a result kept under
// its exact input (numbers compared bit for bit, texts character for
// character) is the result itself and never outdated. Writing and reading
// keep separate entries (a text read back need not give the numbers it was
// written from); each input has one place, found by its hash, and a new
// input there takes the place. Each thread keeps its own.
template <class Feld, std::size_t Plätze> class Zuletzt {
public:
    // The text written for these numbers, or null.
    const std::string* Geschrieben(const Feld& werte) const {
        const Eintrag& e = geschrieben_[Platz(&werte, sizeof(Feld))];
        return e.belegt && std::memcmp(&e.werte, &werte, sizeof(Feld)) == 0 ? &e.text : nullptr;
    }
    // The numbers read from this text, or null.
    const Feld* Gelesen(std::string_view text) const {
        const Eintrag& e = gelesen_[Platz(text.data(), text.size())];
        return e.belegt && std::string_view(e.text) == text ? &e.werte : nullptr;
    }
    void Schreiben(const Feld& werte, std::string_view text) {
        merken(geschrieben_[Platz(&werte, sizeof(Feld))], text, werte);
    }
    void Lesen(std::string_view text, const Feld& werte) { merken(gelesen_[Platz(text.data(), text.size())], text, werte); }

private:
    struct Eintrag {
        std::string text;
        Feld werte{};
        bool belegt = false;
    };
    std::array<Eintrag, Plätze> geschrieben_, gelesen_;

    // The place of an input: a hash of its bytes, eight at a time.
    static std::size_t Platz(const void* daten, std::size_t n) {
        const auto* p = static_cast<const unsigned char*>(daten);
        std::uint64_t h = n, wort = 0;
        for (; n >= sizeof wort; n -= sizeof wort, p += sizeof wort) {
            std::memcpy(&wort, p, sizeof wort);
            h = (h ^ wort) * 0x9E3779B97F4A7C15ull;
        }
        wort = 0;
        std::memcpy(&wort, p, n);
        h = (h ^ wort) * 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(h ^ (h >> 29) ^ (h >> 47)) % Plätze;
    }
    static void merken(Eintrag& e, std::string_view text, const Feld& werte) {
        e.text.assign(text);
        e.werte = werte;
        e.belegt = true;
    }
};

// Made on a thread's first use (only the computing thread needs them).
Zuletzt<Monatsarray, 509>& Listen() {
    thread_local auto zuletzt = std::make_unique<Zuletzt<Monatsarray, 509>>();
    return *zuletzt;
}

Zuletzt<Monatstabelle, 127>& Tabellen() {
    thread_local auto zuletzt = std::make_unique<Zuletzt<Monatstabelle, 127>>();
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

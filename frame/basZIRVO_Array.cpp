#include "frame/basZIRVO_Array.h"

#include "frame/basVB6NumCvt.h"

#include <algorithm>
#include <cmath>

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

template <class Feld> std::string liste(const Feld& a) {
    std::string s;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (i > 0) s += ';';
        s += ElementText(a[i]);
    }
    return s;
}

// Reads exactly a.size() items into a; any other count changes nothing.
template <class Feld> bool listeLesen(std::string_view text, Feld& a) {
    if (stücke(text, ';') != a.size()) return false;
    zerteilen(text, ';', [&](std::size_t i, std::string_view stück) { a[i] = basVB6NumCvt::ZahlLesenDbl(stück); });
    return true;
}

} // namespace

std::string ElementText(double wert) {
    std::string s = basVB6NumCvt::ZahlGrundform(wert);
    if (s[0] != '-') s.insert(s.begin(), ' ');
    return s;
}

std::string ArrayZuText1(const Monatsarray& a) { return liste(a); }

void TextZuArray1(std::string_view text, Monatsarray& a) { listeLesen(text, a); }

std::string ArrayZuText2(const Monatstabelle& a) {
    std::string s;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (i > 0) s += ':';
        s += liste(a[i]);
    }
    return s;
}

void TextZuArray2(std::string_view text, Monatstabelle& a) {
    if (stücke(text, ':') != a.size()) return;
    bool weiter = true;
    zerteilen(text, ':', [&](std::size_t i, std::string_view zeile) {
        if (weiter) weiter = listeLesen(zeile, a[i]);
    });
}

std::string ArrayZuTextX(const std::vector<double>& a) { return liste(a); }

void TextZuArrayX(std::string_view text, std::vector<double>& a) { listeLesen(text, a); }

} // namespace basZIRVO_Array

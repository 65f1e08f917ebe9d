#include "balance/Klimastation_MB2028.h"

#include "frame/Plattform.h"
#include "frame/Windows1252.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace {

// The file of the user's station in the program folder.
constexpr std::string_view BenutzerDatei = "KlSt-00.txt";

// Splits at every single blank: doubled, leading or trailing blanks give
// empty parts.
std::vector<std::string_view> teilen(std::string_view zeile) {
    std::vector<std::string_view> teile;
    std::size_t start = 0;
    while (true) {
        auto pos = zeile.find(' ', start);
        if (pos == std::string_view::npos) {
            teile.push_back(zeile.substr(start));
            break;
        }
        teile.push_back(zeile.substr(start, pos - start));
        start = pos + 1;
    }
    return teile;
}

// Rounds to the nearest whole number, halves to the even neighbour.
double rundenGerade(double x) {
    double f = std::floor(x);
    double rest = x - f;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(f, 2.0) != 0.0)) f += 1.0;
    return f + 0.0; // no negative zero
}

double rundenGerade(double x, int stellen) {
    double faktor = std::pow(10.0, stellen);
    return rundenGerade(x * faktor) / faktor + 0.0;
}

std::int16_t alsInt16(double x) {
    double r = rundenGerade(x);
    if (!(r >= -32768.0 && r <= 32767.0)) return 0;
    return static_cast<std::int16_t>(r);
}

bool istZiffer(char c) { return c >= '0' && c <= '9'; }

// True when the whole text is one number in file form: an optional sign,
// digits with at most one ".", optionally an exponent. A decimal comma, a
// unit or any other character makes it no number; the scan would otherwise
// read "1,5" as 1 without a word.
bool istZahl(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t ziffern = 0;
    while (i < t.size() && istZiffer(t[i])) ++i, ++ziffern;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && istZiffer(t[i])) ++i, ++ziffern;
    }
    if (ziffern == 0) return false;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t exp = 0;
        while (i < t.size() && istZiffer(t[i])) ++i, ++exp;
        if (exp == 0) return false;
    }
    return i == t.size();
}

// Reads the numbers of one row of the user's station: exactly `anzahl`
// parts, each a number; nothing when the row does not fit.
std::optional<std::vector<double>> zahlen(std::string_view zeile, std::size_t anzahl) {
    auto teile = teilen(zeile);
    if (teile.size() != anzahl) return std::nullopt;
    std::vector<double> werte;
    for (auto t : teile) {
        if (!istZahl(t)) return std::nullopt;
        double x = ZahlLesenDbl(t);
        if (!std::isfinite(x)) return std::nullopt;
        werte.push_back(x);
    }
    return werte;
}

std::string verbinden(const std::vector<double>& werte) {
    std::string s;
    for (std::size_t i = 0; i < werte.size(); ++i) {
        if (i) s += ' ';
        s += ZahlText(werte[i]);
    }
    return s;
}

// The first eight lines of the file as bytes; lines end with CR, CR LF or
// LF, the last one may end with the file. Nothing when the file cannot be
// read or has fewer than eight lines.
std::optional<std::vector<std::string>> achtZeilen(const std::string& pfad) {
    constexpr std::size_t Grenze = 1 << 20;
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) return std::nullopt;
    std::vector<std::string> zeilen;
    std::string zeile;
    bool nachCR = false;
    std::size_t gelesen = 0;
    char c;
    while (zeilen.size() < 8 && ein.get(c)) {
        if (++gelesen > Grenze) return std::nullopt;
        if (nachCR) {
            nachCR = false;
            if (c == '\n') continue;
        }
        if (c == '\r' || c == '\n') {
            zeilen.push_back(std::move(zeile));
            zeile.clear();
            nachCR = (c == '\r');
            continue;
        }
        zeile += c;
    }
    if (ein.bad()) return std::nullopt;
    if (zeilen.size() < 8 && !zeile.empty()) zeilen.push_back(std::move(zeile));
    if (zeilen.size() < 8) return std::nullopt;
    return zeilen;
}

// The user's station from the file, in the row form of the station table,
// or nothing when there is no valid one.
std::optional<std::vector<std::string>> benutzerStation() {
    std::string pfad;
    try {
        pfad = (std::filesystem::path(Plattform::umgebung().Programmordner()) /
                std::string(BenutzerDatei))
                   .string();
    } catch (...) {
        return std::nullopt;
    }
    if (!basZIRVO::DateiVorhanden(pfad)) return std::nullopt;
    auto roh = achtZeilen(pfad);
    if (!roh) return std::nullopt;

    // The file is Windows-1252. Text that reads as UTF-8 with characters
    // beyond ASCII was saved in another code page: its name would come out
    // garbled, so the station is refused.
    for (const auto& z : *roh) {
        bool ascii = true;
        for (unsigned char b : z)
            if (b >= 0x80) ascii = false;
        if (!ascii && Windows1252::IstUtf8(z)) return std::nullopt;
    }

    std::vector<std::string> zeilen;
    constexpr std::string_view Präfix = "Spezial: ";
    const std::string& z1 = (*roh)[0];
    if (z1.compare(0, Präfix.size(), Präfix) != 0) return std::nullopt;
    if (z1.size() - Präfix.size() > 30) return std::nullopt; // one byte per character
    zeilen.push_back(Windows1252::NachUtf8(z1));

    auto z2 = zahlen((*roh)[1], 2);
    if (!z2) return std::nullopt;
    double höhe = rundenGerade((*z2)[0]);
    double taMin = rundenGerade((*z2)[1]);
    if (höhe < 1 || höhe > 9999 || taMin < -50 || taMin > 50) return std::nullopt;
    zeilen.push_back(verbinden({höhe, taMin}));

    auto z3 = zahlen((*roh)[2], 13);
    if (!z3) return std::nullopt;
    for (double& t : *z3) {
        t = rundenGerade(t, 1);
        if (t < -50 || t > 50) return std::nullopt;
    }
    zeilen.push_back(verbinden(*z3));

    for (int r = 3; r < 8; ++r) {
        auto g = zahlen((*roh)[r], 12);
        if (!g) return std::nullopt;
        double summe = 0;
        for (double& x : *g) {
            x = rundenGerade(x);
            if (x <= 0 || x > 9999) return std::nullopt;
            summe += x;
        }
        g->push_back(summe);
        zeilen.push_back(verbinden(*g));
    }
    return zeilen;
}

void zeileLesen(std::string_view zeile, Klimastation_MB2028::Werte13& werte) {
    auto teile = teilen(zeile);
    for (std::size_t i = 0; i < werte.size(); ++i) werte[i] = i < teile.size() ? ZahlLesenDbl(teile[i]) : 0.0;
}

} // namespace

namespace Global {
::Klimastation_MB2028 Klimastation_MB2028;
} // namespace Global

void Klimastation_MB2028::leeren() {
    vorhanden_ = false;
    namen_.clear();
    meereshöhe_ = 0;
    taMin_ = 0;
    temperatur_ = {};
    h_ = {};
    s_ = {};
    e_ = {};
    w_ = {};
    n_ = {};
}

void Klimastation_MB2028::tabelleAufbauen() {
    tabelle_.assign(Klimastationen_Daten::Zeilen.begin(), Klimastationen_Daten::Zeilen.end());
    anzahl_ = Klimastationen_Daten::AnzahlStationen;
    if (auto benutzer = benutzerStation()) {
        tabelle_.insert(tabelle_.end(), benutzer->begin(), benutzer->end());
        ++anzahl_;
    }
}

bool Klimastation_MB2028::Vorhanden() const { return vorhanden_; }
std::string Klimastation_MB2028::Namen() const { return namen_; }
std::int16_t Klimastation_MB2028::Meereshöhe() const { return meereshöhe_; }
double Klimastation_MB2028::TaMin() const { return taMin_; }

std::int16_t Klimastation_MB2028::AlleStationsnamen(std::vector<std::string>& names) {
    tabelleAufbauen();
    names.assign(anzahl_, std::string());
    for (int i = 0; i < anzahl_; ++i) names[i] = tabelle_[static_cast<std::size_t>(i) * Klimastationen_Daten::ZeilenProStation];
    return anzahl_;
}

void Klimastation_MB2028::KlimastationEinlesen(const std::string& name) {
    leeren();
    if (name.empty()) return;
    tabelleAufbauen();
    constexpr int Z = Klimastationen_Daten::ZeilenProStation;
    for (int i = 0; i < anzahl_; ++i) {
        const std::string* zeilen = &tabelle_[static_cast<std::size_t>(i) * Z];
        if (zeilen[0] != name) continue;
        namen_ = zeilen[0];
        auto teile = teilen(zeilen[1]);
        meereshöhe_ = teile.size() > 0 ? alsInt16(ZahlLesenDbl(teile[0])) : 0;
        taMin_ = teile.size() > 1 ? ZahlLesenDbl(teile[1]) : 0.0;
        zeileLesen(zeilen[2], temperatur_);
        zeileLesen(zeilen[3], h_);
        zeileLesen(zeilen[4], e_);
        zeileLesen(zeilen[5], s_);
        zeileLesen(zeilen[6], w_);
        zeileLesen(zeilen[7], n_);
        vorhanden_ = true;
        return;
    }
}

std::int16_t Klimastation_MB2028::MonatsTemperaturen(std::span<double> T) const {
    std::size_t n = T.size() < 12 ? T.size() : 12;
    if (Auslegungsfall) {
        for (std::size_t m = 0; m < n; ++m) T[m] = Auslegungstemperatur;
        return 0;
    }
    if (!vorhanden_) return 1;
    for (std::size_t m = 0; m < n; ++m) T[m] = temperatur_[m];
    return 0;
}

std::int16_t Klimastation_MB2028::JahresTemperatur(double& T) const {
    if (Auslegungsfall) {
        T = Auslegungstemperatur;
        return 0;
    }
    if (!vorhanden_) return 1;
    T = temperatur_[12];
    return 0;
}

std::int16_t Klimastation_MB2028::Globalstrahlung(std::span<double> G, const std::string& Orientierung,
                                                  std::int16_t Neigung) const {
    std::size_t n = G.size() < 12 ? G.size() : 12;
    if (Auslegungsfall) {
        for (std::size_t m = 0; m < n; ++m) G[m] = 0.0;
        return 0;
    }
    if (!vorhanden_) return 1;

    // The orientation is looked up once; each month takes the geometric
    // mean of its neighbours for a diagonal or intermediate direction.
    static constexpr std::string_view Richtungen[] = {"H",  "S",   "E",   "W",   "N",   "SE",  "SW",  "NE", "NW",
                                                      "SSE", "ESE", "SSW", "WSW", "NNE", "ENE", "NNW", "WNW"};
    std::size_t r = 0;
    while (r < std::size(Richtungen) && Richtungen[r] != Orientierung) ++r;
    if (r == std::size(Richtungen)) return 2;

    std::array<double, 12> v{};
    auto gm = [](double a, double b) { return std::sqrt(a * b); };
    for (std::size_t m = 0; m < 12; ++m) {
        const double S = s_[m], E = e_[m], W = w_[m], N = n_[m];
        switch (r) {
        case 0: v[m] = h_[m]; break;
        case 1: v[m] = S; break;
        case 2: v[m] = E; break;
        case 3: v[m] = W; break;
        case 4: v[m] = N; break;
        case 5: v[m] = gm(S, E); break;
        case 6: v[m] = gm(S, W); break;
        case 7: v[m] = gm(N, E); break;
        case 8: v[m] = gm(N, W); break;
        case 9: v[m] = gm(S, gm(S, E)); break;
        case 10: v[m] = gm(E, gm(S, E)); break;
        case 11: v[m] = gm(S, gm(S, W)); break;
        case 12: v[m] = gm(W, gm(S, W)); break;
        case 13: v[m] = gm(N, gm(N, E)); break;
        case 14: v[m] = gm(E, gm(N, E)); break;
        case 15: v[m] = gm(N, gm(N, W)); break;
        default: v[m] = gm(W, gm(N, W)); break;
        }
    }

    std::int16_t status = 0;
    if (Neigung != 0) {
        if (Neigung < 1 || Neigung >= 90) {
            status = 3;
        } else {
            for (std::size_t m = 0; m < 12; ++m) v[m] = ((90 - Neigung) * h_[m] + Neigung * v[m]) / 90.0;
        }
    }
    for (std::size_t m = 0; m < n; ++m) G[m] = v[m];
    return status;
}

Klimastation_MB2028::Werte13 Klimastation_MB2028::Globalstrahlung_H() const { return h_; }
Klimastation_MB2028::Werte13 Klimastation_MB2028::Globalstrahlung_S() const { return s_; }
Klimastation_MB2028::Werte13 Klimastation_MB2028::Globalstrahlung_E() const { return e_; }
Klimastation_MB2028::Werte13 Klimastation_MB2028::Globalstrahlung_W() const { return w_; }
Klimastation_MB2028::Werte13 Klimastation_MB2028::Globalstrahlung_N() const { return n_; }

#include "balance/Verschattungsfaktor.h"

#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVO_Format.h"

#include <array>
#include <cmath>

namespace Tabelleninterpolation {

std::vector<double> Zahlen(std::string_view text) {
    std::vector<double> werte;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') ++i;
        std::size_t start = i;
        while (i < text.size() && text[i] != ' ') ++i;
        if (i > start) werte.push_back(ZahlLesenDbl(text.substr(start, i - start)));
    }
    return werte;
}

double Interpolieren(const std::vector<double>& X, const std::vector<double>& Y, double x) {
    if (X.empty() || X.size() != Y.size()) return 0.0;
    for (std::size_t i = 0; i + 1 < X.size(); ++i) {
        if (x <= X[i + 1]) {
            double dx = X[i + 1] - X[i];
            if (dx == 0.0) return Y[i];
            return Y[i] + (x - X[i]) * (Y[i + 1] - Y[i]) / dx;
        }
    }
    return 0.0;
}

double Interpolieren(std::string_view X, std::string_view Y, double x) {
    return Interpolieren(Zahlen(X), Zahlen(Y), x);
}

} // namespace Tabelleninterpolation

namespace {

struct Tabelle {
    std::string_view Achse;
    std::string_view S;  // south
    std::string_view EW; // east and west
    std::string_view N;  // north
};

constexpr Tabelle TabelleFS1 = {"0 10 20 30 40 50 60 70", "1 .96 .82 .59 .45 .36 .27 .19",
                                "1 .94 .81 .68 .6 .5 .4 .3", "1 1 .97 .94 .9 .86 .82 .78"};
constexpr Tabelle TabelleFS2 = {"0 15 30 45 60 75", "1 .95 .91 .75 .52 .26", "1 .95 .89 .77 .59 .34",
                                "1 .96 .91 .8 .66 .48"};
constexpr Tabelle TabelleFS3 = {"0 15 30 45 60 75", "1 .97 .94 .84 .72 .57", "1 .96 .92 .84 .75 .65",
                                "1 1 1 1 1 1"};

std::vector<double> mittel(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> m(a.size() < b.size() ? a.size() : b.size());
    for (std::size_t i = 0; i < m.size(); ++i) m[i] = (a[i] + b[i]) / 2.0;
    return m;
}

// A table with its rows read into numbers, the diagonal rows formed and a
// row of zeros for any other orientation.
struct Gelesen {
    std::vector<double> Achse, S, EW, N, SESW, NENW, Null;

    explicit Gelesen(const Tabelle& t) {
        using Tabelleninterpolation::Zahlen;
        Achse = Zahlen(t.Achse);
        S = Zahlen(t.S);
        EW = Zahlen(t.EW);
        N = Zahlen(t.N);
        SESW = mittel(S, EW);
        NENW = mittel(N, EW);
        Null.assign(Achse.size(), 0.0);
    }

    // The row for a main orientation.
    const std::vector<double>& Zeile(const std::string& o) const {
        if (o == "S") return S;
        if (o == "E" || o == "W") return EW;
        if (o == "N") return N;
        if (o == "SE" || o == "SW") return SESW;
        if (o == "NE" || o == "NW") return NENW;
        return Null;
    }
};

// The constant tables are read once, on first use.
const Gelesen& FS1() {
    static const Gelesen t(TabelleFS1);
    return t;
}
const Gelesen& FS2() {
    static const Gelesen t(TabelleFS2);
    return t;
}
const Gelesen& FS3() {
    static const Gelesen t(TabelleFS3);
    return t;
}

double interpolieren(const Gelesen& t, const std::string& o, double x) {
    return Tabelleninterpolation::Interpolieren(t.Achse, t.Zeile(o), x);
}

// The two neighbours of an intermediate orientation; false for none.
bool nachbarn(std::string_view code, std::string& a, std::string& b) {
    struct Paar {
        std::string_view Code, A, B;
    };
    static constexpr Paar Paare[] = {{"SSE", "SE", "S"}, {"ESE", "E", "SE"},  {"SSW", "S", "SW"},
                                     {"WSW", "SW", "W"}, {"NNE", "N", "NE"},  {"ENE", "NE", "E"},
                                     {"NNW", "NW", "N"}, {"WNW", "W", "NW"}};
    for (const auto& p : Paare) {
        if (p.Code == code) {
            a = p.A;
            b = p.B;
            return true;
        }
    }
    return false;
}

double begrenzen(double x, double grenze) {
    if (x < 0) return 0;
    if (x > grenze) return grenze;
    return x;
}


// True when the whole text is one number as the user enters it: an
// optional sign, digits and at most one decimal point or comma. Text that
// holds no number or more than one is an invalid entry, not an angle of 0.
bool istWinkel(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t ziffern = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++ziffern;
    if (i < t.size() && (t[i] == '.' || t[i] == ',')) {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++ziffern;
    }
    return ziffern > 0 && i == t.size();
}

} // namespace

double Verschattungsfaktor::fS1(const std::string& Orientierung, double Alpha) const {
    if (Orientierung == "H")
        return fS1("E", Alpha) * fS1("S", Alpha) * fS1("W", Alpha) * fS1("N", Alpha);
    if (Orientierung.size() > 2) {
        std::string a, b;
        if (!nachbarn(std::string_view(Orientierung).substr(0, 3), a, b)) return 0.0;
        return (fS1(a, Alpha) + fS1(b, Alpha)) / 2.0;
    }
    if (std::isnan(Alpha)) return 0.0;
    return interpolieren(FS1(), Orientierung, begrenzen(Alpha, 70));
}

double Verschattungsfaktor::fS23(const std::string& Orientierung, double Beta, double GammaL,
                                 double GammaR) const {
    if (Orientierung == "H") return 1.0;
    if (Orientierung.size() > 2) {
        std::string a, b;
        if (!nachbarn(std::string_view(Orientierung).substr(0, 3), a, b)) return 0.0;
        return (fS23(a, Beta, GammaL, GammaR) + fS23(b, Beta, GammaL, GammaR)) / 2.0;
    }
    if (std::isnan(Beta) || std::isnan(GammaL) || std::isnan(GammaR)) return 0.0;
    double f2 = interpolieren(FS2(), Orientierung, begrenzen(Beta, 75));
    double fl = interpolieren(FS3(), Orientierung, begrenzen(GammaL, 75));
    double fr = interpolieren(FS3(), Orientierung, begrenzen(GammaR, 75));
    double f3 = 1.0;
    const std::string& o = Orientierung;
    if (o == "S" || o == "SE" || o == "SW") f3 = fl * fr;
    else if (o == "E") f3 = fr;
    else if (o == "W") f3 = fl;
    return f2 * f3;
}

namespace {

double fS1Lesen(const Verschattungsfaktor& v, const std::string& Winkeltext, const std::string& Orientierung) {
    std::string t = basZIRVO_Format::TextTrimmen(Winkeltext);
    if (t.empty()) return 0.0;
    if (t == "-") return 1.0;
    if (!istWinkel(t)) return 0.0;
    double alpha = basZIRVO3801::Runden(ZahlLesen(t), 0);
    if (alpha < 0 || alpha > 89) return 0.0;
    return v.fS1(Orientierung, alpha);
}

double fS23Lesen(const Verschattungsfaktor& v, const std::string& Winkeltext, const std::string& Orientierung,
                 double& fS2, double& fS3) {
    fS2 = 0.0;
    fS3 = 0.0;
    std::string t = basZIRVO_Format::TextTrimmen(Winkeltext);
    if (t.empty()) return 0.0;
    if (t == "-") {
        fS2 = 1.0;
        fS3 = 1.0;
        return 1.0;
    }
    // Up to three comma-separated angles; a fourth makes the entry invalid.
    std::string teile[3];
    std::size_t anzahl = 0, start = 0;
    while (true) {
        auto pos = t.find(',', start);
        if (anzahl == 3) return 0.0;
        teile[anzahl++] = basZIRVO_Format::TextTrimmen(t.substr(start, pos == std::string::npos ? std::string::npos : pos - start));
        if (pos == std::string::npos) break;
        start = pos + 1;
    }
    double winkel[3] = {0.0, 0.0, 0.0};
    for (std::size_t i = 0; i < anzahl; ++i) {
        if (teile[i].empty()) continue;
        if (!istWinkel(teile[i])) return 0.0;
        winkel[i] = ZahlLesen(teile[i]);
    }
    double f = v.fS23(Orientierung, winkel[0], winkel[1], winkel[2]);
    if (f == 0.0) return 0.0;
    fS2 = v.fS23(Orientierung, winkel[0], 0, 0);
    fS3 = v.fS23(Orientierung, 0, winkel[1], winkel[2]);
    return f;
}

// The factors of the last few entries read. They depend on the entry, the
// orientation and whether a comma is read as the decimal point, and on
// nothing else (the tables are constant): an entry found again under all
// three is its result. Each thread keeps its own.
class Gelesene {
public:
    struct Eintrag {
        std::string text, orientierung;
        bool komma = false;
        double f = 0, fS2 = 0, fS3 = 0;
    };
    const Eintrag* Suchen(const std::string& text, const std::string& orientierung) const {
        for (std::size_t i = 0; i < belegt_; ++i) {
            const Eintrag& e = einträge_[i];
            if (e.komma == basVB6NumCvt::KommaEingabe && e.text == text && e.orientierung == orientierung) return &e;
        }
        return nullptr;
    }
    void Merken(const std::string& text, const std::string& orientierung, double f, double fS2, double fS3) {
        Eintrag& e = einträge_[nächster_];
        e.text = text;
        e.orientierung = orientierung;
        e.komma = basVB6NumCvt::KommaEingabe;
        e.f = f;
        e.fS2 = fS2;
        e.fS3 = fS3;
        nächster_ = (nächster_ + 1) % einträge_.size();
        if (belegt_ < einträge_.size()) ++belegt_;
    }

private:
    std::array<Eintrag, 16> einträge_;
    std::size_t nächster_ = 0, belegt_ = 0;
};

} // namespace

double Verschattungsfaktor::fS1_Parse(const std::string& Winkeltext, const std::string& Orientierung) const {
    thread_local Gelesene gelesen;
    if (const auto* e = gelesen.Suchen(Winkeltext, Orientierung)) return e->f;
    const double f = fS1Lesen(*this, Winkeltext, Orientierung);
    gelesen.Merken(Winkeltext, Orientierung, f, 0, 0);
    return f;
}

double Verschattungsfaktor::fS23_Parse(const std::string& Winkeltext, const std::string& Orientierung,
                                       double& fS2, double& fS3) const {
    thread_local Gelesene gelesen;
    if (const auto* e = gelesen.Suchen(Winkeltext, Orientierung)) {
        fS2 = e->fS2;
        fS3 = e->fS3;
        return e->f;
    }
    const double f = fS23Lesen(*this, Winkeltext, Orientierung, fS2, fS3);
    gelesen.Merken(Winkeltext, Orientierung, f, fS2, fS3);
    return f;
}

Verschattungsfaktor& Verschattungsfaktor::Instanz() {
    static Verschattungsfaktor instanz;
    return instanz;
}

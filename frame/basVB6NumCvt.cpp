#include "frame/basVB6NumCvt.h"

#include "frame/Windows1252.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <locale>
#include <optional>
#include <system_error>
#include <utility>

namespace basVB6NumCvt {

bool KommaEingabe = false;
void KommaEingabeSetzen(bool wert) { KommaEingabe = wert; }

namespace {

// ---------------------------------------------------------------- reading

struct Gelesen {
    double wert = 0;
    bool ok = true; // false: the text names a value beyond the range of a double
};

bool istLeer(char c) { return c == ' ' || c == '\t' || c == '\n'; }

int ziffernwert(char c, int basis) {
    int z = -1;
    if (c >= '0' && c <= '9') z = c - '0';
    else if (c >= 'a' && c <= 'f') z = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') z = c - 'A' + 10;
    return z < basis ? z : -1;
}

// Walks a text and skips blanks, tabs and line feeds wherever they stand.
// In input form (Eingabe) it also passes over the characters the input form
// drops: every "'", and with a comma in the text every "." (the comma then
// reads as the decimal point). Reading the text this way gives the same
// characters as first removing them and then reading, without a copy.
template <bool Eingabe> class Leser {
public:
    explicit Leser(std::string_view text, bool komma = false) : text_(text), komma_(komma) {}
    // The next character that is not skipped; '\0' at the end.
    char sehen() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (istLeer(c)) {
                ++pos_;
                continue;
            }
            if constexpr (Eingabe) {
                if (c == '\'' || (komma_ && c == '.')) {
                    ++pos_;
                    continue;
                }
                if (komma_ && c == ',') return '.';
            }
            return c;
        }
        return '\0';
    }
    void weiter() { ++pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    bool komma_;
};

// A whole number after "&H" or "&O"; more than 32 bits is out of range.
template <class L> Gelesen ganzzahlLesen(L& leser, int basis) {
    std::uint64_t wert = 0;
    for (;;) {
        int z = ziffernwert(leser.sehen(), basis);
        if (z < 0) break;
        leser.weiter();
        wert = wert * static_cast<std::uint64_t>(basis) + static_cast<std::uint64_t>(z);
        if (wert > 0xFFFFFFFFull) return {0, false};
    }
    return {static_cast<double>(wert), true};
}

// Above this many significant digits the rest only decides the rounding;
// a trailing nonzero digit keeps that decision (a double needs fewer than
// 770 digits to tell two neighbours apart).
constexpr std::size_t MaxZiffern = 800;

// Powers of ten a double holds exactly.
constexpr double Zehnerpotenzen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                     1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

template <class L> Gelesen scannenMit(L& leser) {
    char c = leser.sehen();
    if (c == '&') {
        leser.weiter();
        char b = leser.sehen();
        int basis = (b == 'H' || b == 'h') ? 16 : (b == 'O' || b == 'o') ? 8 : 0;
        if (basis == 0) return {0, true};
        leser.weiter();
        return ganzzahlLesen(leser, basis);
    }

    bool negativ = false;
    if (c == '+' || c == '-') {
        negativ = c == '-';
        leser.weiter();
    }

    // value = ziffern (as a whole number) * 10^skala; the first 19 kept
    // digits are also gathered as a whole number.
    char ziffern[MaxZiffern + 1];
    std::size_t anzahl = 0;
    std::uint64_t ganz = 0;
    long long skala = 0;
    bool hatZiffer = false, punkt = false, abgeschnittenNichtNull = false;
    for (;;) {
        c = leser.sehen();
        if (c >= '0' && c <= '9') {
            hatZiffer = true;
            if (punkt) --skala;
            if (anzahl == 0 && c == '0') {
                // leading zero: nothing to keep
            } else if (anzahl < MaxZiffern) {
                if (anzahl < 19) ganz = ganz * 10 + static_cast<std::uint64_t>(c - '0');
                ziffern[anzahl++] = c;
            } else {
                ++skala; // digit dropped, the place stays
                if (c != '0') abgeschnittenNichtNull = true;
            }
            leser.weiter();
        } else if (c == '.' && !punkt) {
            punkt = true;
            leser.weiter();
        } else {
            break;
        }
    }
    if (!hatZiffer || anzahl == 0) return {0, true};

    c = leser.sehen();
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
        leser.weiter();
        bool expNegativ = false;
        c = leser.sehen();
        if (c == '+' || c == '-') {
            expNegativ = c == '-';
            leser.weiter();
        }
        long long exponent = 0;
        for (;;) {
            c = leser.sehen();
            if (c < '0' || c > '9') break;
            exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
            leser.weiter();
        }
        skala += expNegativ ? -exponent : exponent;
    }

    // A whole number of at most 53 bits times or divided by an exact power
    // of ten: one rounding of exact operands, the correctly rounded value
    // that the general conversion below gives as well.
    if (anzahl <= 19 && ganz <= (1ull << 53) && skala >= -22 && skala <= 22) {
        const double m = static_cast<double>(ganz);
        const double wert = skala >= 0 ? m * Zehnerpotenzen[skala] : m / Zehnerpotenzen[-skala];
        return {negativ ? -wert : wert, true};
    }

    if (abgeschnittenNichtNull) {
        ziffern[anzahl++] = '1';
        --skala;
    }
    // Place of the leading digit: value = d.ddd * 10^führend.
    long long führend = skala + static_cast<long long>(anzahl) - 1;
    if (führend > 400) return {0, false};
    if (führend < -400) return {0, true};

    char puffer[MaxZiffern + 32];
    std::copy(ziffern, ziffern + anzahl, puffer);
    char* ende = puffer + anzahl;
    *ende++ = 'e';
    ende = std::to_chars(ende, puffer + sizeof puffer, skala).ptr;

    double wert = 0;
    auto ergebnis = std::from_chars(puffer, ende, wert, std::chars_format::general);
    if (ergebnis.ec == std::errc::result_out_of_range) {
        if (führend > 0) return {0, false};
        return {0, true};
    }
    if (ergebnis.ec != std::errc() || !std::isfinite(wert)) return {0, false};
    return {negativ ? -wert : wert, true};
}

// The common plain form, read directly: blanks, an optional sign, digits
// (at most 19 after leading zeros) with at most one decimal separator, and
// blanks up to the end. The separator is the point; in input form also the
// comma (a text holding a comma reads its comma as the point and drops its
// points: with a comma as separator no point may follow). The value is
// formed exactly as the general reader forms it. False for any other text:
// the general reader decides then.
bool einfachLesen(std::string_view text, bool eingabe, Gelesen& g) {
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ') ++i;
    bool negativ = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) negativ = text[i++] == '-';
    std::uint64_t ganz = 0;
    int ziffern = 0, nachkomma = 0;
    bool hatZiffer = false, trenner = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            hatZiffer = true;
            if (trenner) ++nachkomma;
            if (ganz == 0 && c == '0') continue; // leading zero
            if (++ziffern > 19) return false;
            ganz = ganz * 10 + static_cast<std::uint64_t>(c - '0');
        } else if (!trenner && (c == '.' || (eingabe && c == ','))) {
            trenner = true;
        } else {
            break;
        }
    }
    while (i < n && text[i] == ' ') ++i;
    if (i != n || !hatZiffer) return false;
    if (ganz == 0) {
        g = {0, true};
        return true;
    }
    if (ganz > (1ull << 53) || nachkomma > 22) return false;
    const double wert = static_cast<double>(ganz) / Zehnerpotenzen[nachkomma];
    g = {negativ ? -wert : wert, true};
    return true;
}

Gelesen scannen(std::string_view text) {
    Gelesen g;
    if (einfachLesen(text, false, g)) return g;
    Leser<false> leser(text);
    return scannenMit(leser);
}

// Nearest whole number, halves to the even neighbour.
double halbZurGeraden(double x) {
    double f = std::floor(x);
    double d = x - f;
    if (d > 0.5) return f + 1;
    if (d < 0.5) return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

// ---------------------------------------------------------------- writing

// A positive value as decimal digits: d1.d2...dn * 10^exponent, no trailing zeros.
struct Dezimal {
    char ziffern[24]; // at most 17 digits, and one more carried in front when rounding
    int anzahl = 0;
    int exponent = 0;
};

// The shortest digits that read back to the value, or `stellen` significant digits.
Dezimal zerlegen(double betrag, int stellen = 0) {
    char puffer[64];
    auto r = stellen > 0
                 ? std::to_chars(puffer, puffer + sizeof puffer, betrag, std::chars_format::scientific, stellen - 1)
                 : std::to_chars(puffer, puffer + sizeof puffer, betrag, std::chars_format::scientific);
    Dezimal d;
    const char* p = puffer;
    for (; p < r.ptr && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9' && d.anzahl < static_cast<int>(sizeof d.ziffern) - 1) d.ziffern[d.anzahl++] = *p;
    if (p < r.ptr) {
        ++p;
        bool negativ = false;
        if (p < r.ptr && (*p == '+' || *p == '-')) negativ = *p++ == '-';
        int e = 0;
        std::from_chars(p, r.ptr, e);
        d.exponent = negativ ? -e : e;
    }
    while (d.anzahl > 1 && d.ziffern[d.anzahl - 1] == '0') --d.anzahl;
    if (d.anzahl == 0) d.ziffern[d.anzahl++] = '0';
    return d;
}

bool lesbar(const Dezimal& d);

// The shortest digits of a value that is the double nearest to a decimal of
// at most 15 significant digits and at most 8 decimals (the values people
// type): false for any other value. Two different decimals of at most 15
// digits lie further apart than two neighbouring doubles, so that decimal is
// the only one of its length that reads back to the value: it is the
// shortest form.
bool kurzZerlegen(double betrag, Dezimal& d) {
    if (!(betrag >= 1e-8 && betrag < 1e15)) return false;
    for (int stellen = 0; stellen <= 8; ++stellen) {
        const double skaliert = betrag * Zehnerpotenzen[stellen];
        if (skaliert >= 1e15) return false;
        const double ganz = std::nearbyint(skaliert);
        // Whole number and power of ten are exact: one correct rounding.
        if (ganz == 0 || ganz / Zehnerpotenzen[stellen] != betrag) continue;
        char puffer[24];
        const char* ende = std::to_chars(puffer, puffer + sizeof puffer, static_cast<std::uint64_t>(ganz)).ptr;
        const int n = static_cast<int>(ende - puffer);
        d.anzahl = n;
        while (d.anzahl > 1 && puffer[d.anzahl - 1] == '0') --d.anzahl;
        std::memcpy(d.ziffern, puffer, static_cast<std::size_t>(d.anzahl));
        d.exponent = n - 1 - stellen;
        return true;
    }
    return false;
}

// The digits the program writes and rounds on: the shortest form when it has
// at most 15 significant digits, else the value rounded to 15 digits. Next to
// the largest double that rounding can lie beyond the range of a double; the
// shortest form (up to 17 digits) is taken then.
Dezimal fünfzehnStellen(double betrag) {
    Dezimal d;
    if (kurzZerlegen(betrag, d)) return d;
    d = zerlegen(betrag);
    if (d.anzahl <= 15) return d;
    // The shortest form of 16 or 17 digits, rounded at the 15th digit, is
    // the value rounded to 15 digits, unless the shortest form is exactly
    // the midpoint between two 15-digit decimals (16 digits ending in 5):
    // the value itself may lie on either side of it. (With 17 digits no
    // 16-digit decimal, the midpoint neither, reads back to the value; with
    // 16 digits the value lies nearer to its shortest form than to any
    // other 16-digit decimal.)
    if (!(d.anzahl == 16 && d.ziffern[15] == '5')) {
        Dezimal kurz = d;
        kurz.anzahl = 15;
        if (d.ziffern[15] >= '5') {
            int i = 14;
            while (i >= 0 && kurz.ziffern[i] == '9') kurz.ziffern[i--] = '0';
            if (i >= 0) {
                ++kurz.ziffern[i];
            } else {
                kurz.ziffern[0] = '1';
                ++kurz.exponent;
            }
        }
        while (kurz.anzahl > 1 && kurz.ziffern[kurz.anzahl - 1] == '0') --kurz.anzahl;
        if (kurz.exponent < 308) return kurz;
    }
    Dezimal kurz = zerlegen(betrag, 15);
    if (kurz.exponent < 308 || lesbar(kurz)) d = kurz;
    return d;
}

// Room for any basic form: a sign, 15 places before the point, the point and
// 17 digits, or an exponent form.
constexpr std::size_t Grundformlänge = 48;

// Writes the basic form into `aus` (Grundformlänge characters of room) and
// gives its length.
std::size_t grundform(const Dezimal& d, bool negativ, char* aus) {
    char* s = aus;
    if (negativ) *s++ = '-';
    const int n = d.anzahl;
    const int e = d.exponent;
    if (e >= -4 && e <= 14) {
        if (e >= 0) {
            for (int i = 0; i <= e; ++i) *s++ = i < n ? d.ziffern[i] : '0';
            if (n > e + 1) {
                *s++ = '.';
                for (int i = e + 1; i < n; ++i) *s++ = d.ziffern[i];
            }
        } else {
            *s++ = '.';
            for (int i = 0; i < -e - 1; ++i) *s++ = '0';
            for (int i = 0; i < n; ++i) *s++ = d.ziffern[i];
        }
    } else {
        *s++ = d.ziffern[0];
        if (n > 1) {
            *s++ = '.';
            for (int i = 1; i < n; ++i) *s++ = d.ziffern[i];
        }
        *s++ = 'E';
        *s++ = e < 0 ? '-' : '+';
        int a = std::abs(e);
        if (a < 10) *s++ = '0';
        s = std::to_chars(s, aus + Grundformlänge, a).ptr;
    }
    return static_cast<std::size_t>(s - aus);
}

bool lesbar(const Dezimal& d) {
    std::string text(d.ziffern, static_cast<std::size_t>(d.anzahl));
    text += 'e';
    text += std::to_string(d.exponent - d.anzahl + 1);
    return scannen(text).ok;
}

// FestkommaText of a value whose rounding is plain: the value scaled by the
// decimals lies below 1E9 and clearly away from the middle between two whole
// numbers. The digits FestkommaText rounds differ from the value by less
// than 6E-15 of it, so they round the same way as the scaled value. False
// when that is not sure.
// Writes the text into `puffer` (32 characters of room) and gives its
// length; -1 when that is not sure.
int festkommaKurz(double wert, int nachkommastellen, char* puffer) {
    if (nachkommastellen > 9) return -1;
    const double skaliert = std::fabs(wert) * Zehnerpotenzen[nachkommastellen];
    if (!(skaliert < 1e9)) return -1;
    const double unten = std::floor(skaliert);
    const double rest = skaliert - unten;
    if (std::fabs(rest - 0.5) <= 1e-5) return -1;
    const auto gerundet = static_cast<std::uint64_t>(unten) + (rest > 0.5 ? 1 : 0);

    // The digits of the rounded whole number, the point set before the last
    // `nachkommastellen` of them (zeros in front where they are too few).
    char ziffern[16];
    const int n = static_cast<int>(std::to_chars(ziffern, ziffern + sizeof ziffern, gerundet).ptr - ziffern);
    const int vorne = n > nachkommastellen ? n - nachkommastellen : 0;
    char* p = puffer;
    if (wert < 0 && gerundet != 0) *p++ = '-';
    if (vorne > 0) {
        std::memcpy(p, ziffern, static_cast<std::size_t>(vorne));
        p += vorne;
    } else {
        *p++ = '0';
    }
    if (nachkommastellen > 0) {
        *p++ = '.';
        for (int i = n; i < nachkommastellen; ++i) *p++ = '0';
        std::memcpy(p, ziffern + vorne, static_cast<std::size_t>(n - vorne));
        p += n - vorne;
    }
    return static_cast<int>(p - puffer);
}

// ------------------------------------------------------- regional settings

std::string umgebung(const char* name) {
    const char* wert = std::getenv(name);
    return wert ? std::string(wert) : std::string();
}

// The locale name in force for a category, as the C library chooses it.
std::string localeName(const char* kategorie) {
    for (const char* name : {"LC_ALL", kategorie, "LANG"}) {
        std::string wert = umgebung(name);
        if (!wert.empty()) return wert;
    }
    return {};
}

// The portable locale ("C", "C.UTF-8", "POSIX"): numbers with "." and no grouping.
bool portabel(const std::string& name) { return name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0; }

std::optional<std::locale> localeLaden(const std::string& name) {
    if (name.empty() || portabel(name)) return std::nullopt;
    try {
        return std::locale(name.c_str());
    } catch (...) {
        return std::nullopt;
    }
}

std::string zeichenText(wchar_t zeichen) {
    std::string s;
    if (zeichen != 0) Windows1252::Anhängen(s, static_cast<char32_t>(zeichen));
    return s;
}

bool gleichOhneGross(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto klein = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (klein(a[i]) != klein(b[i])) return false;
    }
    return true;
}

std::string regionalwert(std::string_view wertname) {
    // A portable locale is set on purpose: its separators are ".", with no grouping.
    const bool zahlenPortabel = portabel(localeName("LC_NUMERIC"));
    if (zahlenPortabel && gleichOhneGross(wertname, "LocaleName")) return localeName("LC_NUMERIC");
    if (zahlenPortabel && gleichOhneGross(wertname, "sDecimal")) return ".";
    if (portabel(localeName("LC_MONETARY")) && gleichOhneGross(wertname, "sMonDecimalSep")) return ".";
    if (gleichOhneGross(wertname, "sCountry") || gleichOhneGross(wertname, "LocaleName")) {
        std::string name = localeName("LC_NUMERIC");
        if (!localeLaden(name)) return {};
        std::string basis = name.substr(0, name.find_first_of(".@"));
        if (gleichOhneGross(wertname, "LocaleName")) {
            std::replace(basis.begin(), basis.end(), '_', '-');
            return basis;
        }
        auto strich = basis.find('_');
        return strich == std::string::npos ? std::string() : basis.substr(strich + 1);
    }
    try {
        if (gleichOhneGross(wertname, "sDecimal") || gleichOhneGross(wertname, "sThousand")) {
            auto loc = localeLaden(localeName("LC_NUMERIC"));
            if (!loc) return {};
            const auto& np = std::use_facet<std::numpunct<wchar_t>>(*loc);
            if (gleichOhneGross(wertname, "sDecimal")) return zeichenText(np.decimal_point());
            return np.grouping().empty() ? std::string() : zeichenText(np.thousands_sep());
        }
        if (gleichOhneGross(wertname, "sMonDecimalSep") || gleichOhneGross(wertname, "sMonThousandSep")) {
            auto loc = localeLaden(localeName("LC_MONETARY"));
            if (!loc) return {};
            const auto& mp = std::use_facet<std::moneypunct<wchar_t>>(*loc);
            if (gleichOhneGross(wertname, "sMonDecimalSep")) return zeichenText(mp.decimal_point());
            return mp.grouping().empty() ? std::string() : zeichenText(mp.thousands_sep());
        }
    } catch (...) {
    }
    return {};
}

} // namespace

// ------------------------------------------------------------------ public

double Scannen(std::string_view text) {
    Gelesen g = scannen(text);
    return g.ok ? g.wert : 0.0;
}

double ZahlLesen(std::string_view text) {
    if (!KommaEingabe) return Scannen(text);
    if (text.empty()) return 0;
    if (Gelesen g; einfachLesen(text, true, g)) return g.wert;
    Leser<true> leser(text, text.find(',') != std::string_view::npos);
    Gelesen g = scannenMit(leser);
    return g.ok ? g.wert : 0.0;
}

double ZahlLesenDbl(std::string_view text) { return Scannen(text); }

std::int16_t ZahlLesenInt(std::string_view text) {
    Gelesen g = scannen(text);
    if (!g.ok) return 0;
    double r = halbZurGeraden(g.wert);
    if (r < -32768.0 || r > 32767.0) return 0;
    return static_cast<std::int16_t>(r);
}

std::int32_t ZahlLesenLong(std::string_view text) {
    Gelesen g = scannen(text);
    if (!g.ok) return 0;
    double r = halbZurGeraden(g.wert);
    if (r < -2147483648.0 || r > 2147483647.0) return 0;
    return static_cast<std::int32_t>(r);
}

std::string ZahlGrundform(double wert) {
    if (!std::isfinite(wert) || wert == 0) return "0";
    char puffer[Grundformlänge];
    return std::string(puffer, grundform(fünfzehnStellen(std::fabs(wert)), wert < 0, puffer));
}

std::string ZahlText(double wert) {
    if (!std::isfinite(wert) || wert == 0) return "0";
    // One place in front for the "0" before the point.
    char puffer[Grundformlänge + 1];
    char* s = puffer + 1;
    std::size_t n = grundform(fünfzehnStellen(std::fabs(wert)), wert < 0, s);
    if (s[0] == '.') {
        *--s = '0';
        ++n;
    } else if (n > 1 && s[0] == '-' && s[1] == '.') {
        s[0] = '0';
        *--s = '-';
        ++n;
    }
    return std::string(s, n);
}

double EinfachWert(float wert) {
    if (!std::isfinite(wert)) return 0;
    // The shortest digits that read back to the same Single, read as a double.
    char puffer[32];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert);
    if (fehler != std::errc()) return wert;
    double d = wert;
    std::from_chars(puffer, ende, d);
    return d;
}

std::string FestkommaText(double wert, int nachkommastellen) {
    if (!std::isfinite(wert) || nachkommastellen < 0) return {};
    char puffer[32];
    if (const int n = festkommaKurz(wert, nachkommastellen, puffer); n >= 0)
        return std::string(puffer, static_cast<std::size_t>(n));
    const long long nk = nachkommastellen;
    Dezimal d;
    if (wert != 0) d = fünfzehnStellen(std::fabs(wert));

    char* z = d.ziffern;
    long long n = d.anzahl;
    long long e = d.exponent;
    // Digits at the places e down to -nk are kept; the next one decides.
    const long long behalten = e + nk + 1;
    if (behalten < n) {
        const bool aufrunden = behalten >= 0 && z[behalten] >= '5';
        n = std::max(behalten, 0LL);
        if (aufrunden) {
            long long i = n - 1;
            while (i >= 0 && z[i] == '9') z[i--] = '0';
            if (i >= 0) {
                ++z[i];
            } else {
                std::memmove(z + 1, z, static_cast<std::size_t>(n));
                z[0] = '1';
                ++n;
                ++e;
            }
        }
    }

    std::string s;
    if (n == 0) {
        s = "0";
        if (nk > 0) s.append(1, '.').append(static_cast<std::size_t>(nk), '0');
        return s;
    }
    s.reserve(static_cast<std::size_t>(std::max(e, 0LL) + nk + 3));
    if (wert < 0) s += '-';
    auto ziffer = [&](long long stelle) {
        long long i = e - stelle;
        return (i >= 0 && i < n) ? z[i] : '0';
    };
    if (e >= 0) {
        for (long long stelle = e; stelle >= 0; --stelle) s += ziffer(stelle);
    } else {
        s += '0';
    }
    if (nk > 0) {
        s += '.';
        for (long long stelle = -1; stelle >= -nk; --stelle) s += ziffer(stelle);
    }
    return s;
}

std::string RegistryLesen(std::string_view pfad) {
    constexpr std::string_view Pfad = "HKEY_CURRENT_USER\\Control Panel\\International\\";
    if (pfad.size() <= Pfad.size() || !gleichOhneGross(pfad.substr(0, Pfad.size()), Pfad)) return {};
    return regionalwert(pfad.substr(Pfad.size()));
}

double GanzzahlGerade(double x) { return halbZurGeraden(x); }

} // namespace basVB6NumCvt

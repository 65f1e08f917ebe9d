#include "frame/basVB6NumCvt.h"

#include "frame/Windows1252.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
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
class Leser {
public:
    explicit Leser(std::string_view text) : text_(text) {}
    // The next character that is not skipped; '\0' at the end.
    char sehen() {
        while (pos_ < text_.size() && istLeer(text_[pos_])) ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void weiter() { ++pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// A whole number after "&H" or "&O"; more than 32 bits is out of range.
Gelesen ganzzahlLesen(Leser& leser, int basis) {
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

Gelesen scannen(std::string_view text) {
    Leser leser(text);
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

    // value = ziffern (as a whole number) * 10^skala
    std::string ziffern;
    long long skala = 0;
    bool hatZiffer = false, punkt = false, abgeschnittenNichtNull = false;
    for (;;) {
        c = leser.sehen();
        if (c >= '0' && c <= '9') {
            hatZiffer = true;
            if (punkt) --skala;
            if (ziffern.empty() && c == '0') {
                // leading zero: nothing to keep
            } else if (ziffern.size() < MaxZiffern) {
                ziffern += c;
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
    if (!hatZiffer) return {0, true};

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

    if (ziffern.empty()) return {0, true};
    if (abgeschnittenNichtNull) {
        ziffern += '1';
        --skala;
    }
    // Place of the leading digit: value = d.ddd * 10^führend.
    long long führend = skala + static_cast<long long>(ziffern.size()) - 1;
    if (führend > 400) return {0, false};
    if (führend < -400) return {0, true};

    std::string puffer = ziffern;
    puffer += 'e';
    char exp[24];
    auto [ende, fehler] = std::to_chars(exp, exp + sizeof exp, skala);
    (void)fehler;
    puffer.append(exp, ende);

    double wert = 0;
    auto ergebnis = std::from_chars(puffer.data(), puffer.data() + puffer.size(), wert,
                                    std::chars_format::general);
    if (ergebnis.ec == std::errc::result_out_of_range) {
        if (führend > 0) return {0, false};
        return {0, true};
    }
    if (ergebnis.ec != std::errc() || !std::isfinite(wert)) return {0, false};
    return {negativ ? -wert : wert, true};
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
    std::string ziffern;
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
        if (*p >= '0' && *p <= '9') d.ziffern += *p;
    if (p < r.ptr) {
        ++p;
        bool negativ = false;
        if (p < r.ptr && (*p == '+' || *p == '-')) negativ = *p++ == '-';
        int e = 0;
        std::from_chars(p, r.ptr, e);
        d.exponent = negativ ? -e : e;
    }
    while (d.ziffern.size() > 1 && d.ziffern.back() == '0') d.ziffern.pop_back();
    if (d.ziffern.empty()) d.ziffern = "0";
    return d;
}

bool lesbar(const Dezimal& d);

// The digits the program writes and rounds on: the shortest form when it has
// at most 15 significant digits, else the value rounded to 15 digits. Next to
// the largest double that rounding can lie beyond the range of a double; the
// shortest form (up to 17 digits) is taken then.
Dezimal fünfzehnStellen(double betrag) {
    Dezimal d = zerlegen(betrag);
    if (d.ziffern.size() > 15) {
        Dezimal kurz = zerlegen(betrag, 15);
        if (kurz.exponent < 308 || lesbar(kurz)) d = std::move(kurz);
    }
    return d;
}

std::string grundform(const Dezimal& d, bool negativ) {
    std::string s;
    if (negativ) s += '-';
    const int n = static_cast<int>(d.ziffern.size());
    const int e = d.exponent;
    if (e >= -4 && e <= 14) {
        if (e >= 0) {
            for (int i = 0; i <= e; ++i) s += i < n ? d.ziffern[static_cast<std::size_t>(i)] : '0';
            if (n > e + 1) {
                s += '.';
                s.append(d.ziffern, static_cast<std::size_t>(e + 1));
            }
        } else {
            s += '.';
            s.append(static_cast<std::size_t>(-e - 1), '0');
            s += d.ziffern;
        }
    } else {
        s += d.ziffern[0];
        if (n > 1) {
            s += '.';
            s.append(d.ziffern, 1);
        }
        s += 'E';
        s += e < 0 ? '-' : '+';
        int a = std::abs(e);
        if (a < 10) s += '0';
        s += std::to_string(a);
    }
    return s;
}

bool lesbar(const Dezimal& d) {
    std::string text = d.ziffern + "e" + std::to_string(d.exponent - static_cast<int>(d.ziffern.size()) + 1);
    return scannen(text).ok;
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

std::optional<std::locale> localeLaden(const std::string& name) {
    if (name.empty() || name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0) return std::nullopt;
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
    const bool komma = text.find(',') != std::string_view::npos;
    std::string t;
    t.reserve(text.size());
    for (char c : text) {
        if (c == '\'') continue; // thousands separator, with and without comma
        if (komma) {
            if (c == '.') continue;
            if (c == ',') c = '.';
        }
        t += c;
    }
    return Scannen(t);
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
    return grundform(fünfzehnStellen(std::fabs(wert)), wert < 0);
}

std::string ZahlText(double wert) {
    std::string s = ZahlGrundform(wert);
    if (s[0] == '.') return "0" + s;
    if (s.size() > 1 && s[0] == '-' && s[1] == '.') return "-0" + s.substr(1);
    return s;
}

std::string FestkommaText(double wert, int nachkommastellen) {
    if (!std::isfinite(wert) || nachkommastellen < 0) return {};
    const std::size_t nk = static_cast<std::size_t>(nachkommastellen);
    Dezimal d;
    if (wert != 0) d = fünfzehnStellen(std::fabs(wert));
    else d.ziffern.clear();

    std::string& z = d.ziffern;
    long long e = d.exponent;
    // Digits at the places e down to -nk are kept; the next one decides.
    const long long behalten = e + static_cast<long long>(nk) + 1;
    if (behalten < static_cast<long long>(z.size())) {
        const bool aufrunden = behalten >= 0 && z[static_cast<std::size_t>(behalten)] >= '5';
        z.resize(static_cast<std::size_t>(std::max(behalten, 0LL)));
        if (aufrunden) {
            long long i = static_cast<long long>(z.size()) - 1;
            while (i >= 0 && z[static_cast<std::size_t>(i)] == '9') z[static_cast<std::size_t>(i--)] = '0';
            if (i >= 0) {
                ++z[static_cast<std::size_t>(i)];
            } else {
                z.insert(z.begin(), '1');
                ++e;
            }
        }
    }

    std::string s;
    if (z.empty()) {
        s = "0";
        if (nk > 0) s.append(1, '.').append(nk, '0');
        return s;
    }
    if (wert < 0) s += '-';
    auto ziffer = [&](long long stelle) {
        long long i = e - stelle;
        return (i >= 0 && i < static_cast<long long>(z.size())) ? z[static_cast<std::size_t>(i)] : '0';
    };
    if (e >= 0) {
        for (long long stelle = e; stelle >= 0; --stelle) s += ziffer(stelle);
    } else {
        s += '0';
    }
    if (nk > 0) {
        s += '.';
        for (long long stelle = -1; stelle >= -static_cast<long long>(nk); --stelle) s += ziffer(stelle);
    }
    return s;
}

std::string RegistryLesen(std::string_view pfad) {
    constexpr std::string_view Pfad = "HKEY_CURRENT_USER\\Control Panel\\International\\";
    if (pfad.size() <= Pfad.size() || !gleichOhneGross(pfad.substr(0, Pfad.size()), Pfad)) return {};
    return regionalwert(pfad.substr(Pfad.size()));
}

} // namespace basVB6NumCvt

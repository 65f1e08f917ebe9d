// Random and mutated texts against the number and array readers: nothing may
// crash or hang, and every result is of a documented kind.
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVO_Array.h"
#include "frame/basZIRVO_Format.h"
#include "frame/cVB6_NumCvt.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::uint64_t Saat = 0x5A1C3801u;

// Characters that matter to the readers, and some that do not.
const std::string Zeichen[] = {"0", "1", "5", "9", ".", ",", "'", "-", "+", "E", "e", "D", "d", "&", "H", "h",
                               "O", "F", " ", "\t", "\n", "\r", "x", ";", ":", "\xC3\xA4", "\xFF", "\xC3",
                               "\u00A0", "\u2019", std::string(1, '\0'), "1E999", "&HFFFFFFFFF", "999999999"};

class Zufall {
public:
    std::mt19937_64 gen{Saat};
    int zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(gen); }

    std::string text(int höchstens = 24) {
        std::string s;
        int n = zahl(0, höchstens);
        for (int i = 0; i < n; ++i) s += Zeichen[zahl(0, static_cast<int>(std::size(Zeichen)) - 1)];
        return s;
    }

    // Any finite double, from its bits.
    double bitsDouble() {
        for (;;) {
            double x = std::bit_cast<double>(gen());
            if (std::isfinite(x)) return x;
        }
    }

    // A double of 1 to 15 significant digits over the whole exponent range.
    double fünfzehnStellen() {
        std::string s = zahl(0, 1) ? "-" : "";
        int stellen = zahl(1, 15);
        s += static_cast<char>('1' + zahl(0, 8));
        for (int i = 1; i < stellen; ++i) s += static_cast<char>('0' + zahl(0, 9));
        s += "e" + std::to_string(zahl(-320, 300));
        double x = 0;
        std::from_chars(s.data(), s.data() + s.size(), x);
        return x;
    }

    // A valid number text, then changed at a few places.
    std::string mutiert() {
        std::string s = zahl(0, 1) ? ZahlText(bitsDouble()) : basZIRVO_Array::ElementText(fünfzehnStellen());
        int änderungen = zahl(0, 3);
        for (int i = 0; i < änderungen; ++i) {
            std::size_t pos = static_cast<std::size_t>(zahl(0, static_cast<int>(s.size())));
            switch (zahl(0, 2)) {
            case 0: s.insert(pos, Zeichen[zahl(0, static_cast<int>(std::size(Zeichen)) - 1)]); break;
            case 1:
                if (pos < s.size()) s.erase(pos, 1);
                break;
            default:
                if (pos < s.size()) s[pos] = Zeichen[zahl(0, 20)][0];
            }
        }
        return s;
    }

    std::string beliebig() { return zahl(0, 1) ? text() : mutiert(); }

    // Values joined by a separator, about the expected count.
    std::string liste(int um, char trenner) {
        int n = std::max(0, um + zahl(-2, 2));
        std::string s;
        for (int i = 0; i < n; ++i) {
            if (i > 0) s += trenner;
            std::string stück = zahl(0, 3) ? mutiert() : text(6);
            stück.erase(std::remove(stück.begin(), stück.end(), ';'), stück.end());
            stück.erase(std::remove(stück.begin(), stück.end(), ':'), stück.end());
            s += stück;
        }
        return s;
    }
};

std::size_t stücke(const std::string& s, char trenner) {
    return static_cast<std::size_t>(std::count(s.begin(), s.end(), trenner)) + 1;
}

constexpr double Marke = -12345.678;

class FesteTrenner {
public:
    FesteTrenner() : alt_(cVB6_NumCvt::Instanz()), komma_(basVB6NumCvt::KommaEingabe) {
        cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "xx-XX", ",", "'", ".", "'"));
    }
    ~FesteTrenner() {
        cVB6_NumCvt::InstanzSetzen(alt_);
        basVB6NumCvt::KommaEingabeSetzen(komma_);
    }

private:
    cVB6_NumCvt alt_;
    bool komma_;
};

} // namespace

TEST(ZahlenZufall, LeserLiefernNurEndlicheZahlen) {
    FesteTrenner trenner;
    Zufall z;
    for (int i = 0; i < 20000; ++i) {
        const std::string s = z.beliebig();
        basVB6NumCvt::KommaEingabeSetzen(i % 2 == 0);
        ASSERT_TRUE(std::isfinite(ZahlLesen(s))) << s;
        ASSERT_TRUE(std::isfinite(ZahlLesenDbl(s))) << s;
        ASSERT_TRUE(std::isfinite(cVB6_NumCvt::Instanz().Val_(s))) << s;
        // The integer readers give the rounded value when it fits, else 0.
        const double d = ZahlLesenDbl(s);
        const std::int16_t k = ZahlLesenInt(s);
        ASSERT_TRUE(k == 0 || std::fabs(k - d) <= 0.5) << s;
        const std::int32_t l = ZahlLesenLong(s);
        ASSERT_TRUE(l == 0 || std::fabs(l - d) <= 0.5) << s;
        if (std::fabs(d) < 32767) { ASSERT_LE(std::fabs(k - d), 0.5) << s; }
    }
}

TEST(ZahlenZufall, AnzeigetexteBleibenInIhremFeld) {
    FesteTrenner trenner;
    basVB6NumCvt::KommaEingabeSetzen(true);
    Zufall z;
    for (int i = 0; i < 20000; ++i) {
        const std::string s = z.beliebig();
        const auto stellen = static_cast<std::int16_t>(z.zahl(0, 9));
        const auto nkst = static_cast<std::int16_t>(z.zahl(0, 9));
        const std::string r = basZIRVO_Format::ZahlTextFormatieren(s, stellen, nkst);
        if (r.empty()) continue;
        const std::size_t breite = static_cast<std::size_t>(nkst ? stellen + 1 : stellen);
        if (r.find('#') != std::string::npos) {
            ASSERT_LE(r.size(), std::max<std::size_t>(breite, static_cast<std::size_t>(nkst) + 1)) << s;
            ASSERT_EQ(r.find_first_not_of("#."), std::string::npos) << s;
        } else {
            // Blanks, then a number that reads back as the rounded value.
            ASSERT_LE(r.size(), 2 * breite) << s;
            ASSERT_EQ(ZahlLesen(r), basZIRVO3801::Runden(ZahlLesen(s), nkst)) << s << " -> " << r;
        }
    }
}

TEST(ZahlenZufall, ArraysGanzGesetztOderUnverändert) {
    Zufall z;
    for (int i = 0; i < 5000; ++i) {
        const std::string s = z.zahl(0, 9) ? z.liste(13, ';') : z.beliebig();
        Monatsarray a;
        a.fill(Marke);
        basZIRVO_Array::TextZuArray1(s, a);
        const bool gesetzt = stücke(s, ';') == 13;
        for (double x : a) {
            ASSERT_TRUE(std::isfinite(x)) << s;
            if (!gesetzt) { ASSERT_EQ(x, Marke) << s; }
        }

        std::vector<double> v(static_cast<std::size_t>(z.zahl(0, 8)), Marke);
        const std::string sx = z.liste(static_cast<int>(v.size()), ';');
        basZIRVO_Array::TextZuArrayX(sx, v);
        const bool xGesetzt = stücke(sx, ';') == v.size();
        for (double x : v) {
            ASSERT_TRUE(std::isfinite(x)) << sx;
            if (!xGesetzt) { ASSERT_EQ(x, Marke) << sx; }
        }
    }
    for (int i = 0; i < 2000; ++i) {
        std::string s;
        const int zeilen = 13 + z.zahl(-1, 1);
        for (int r = 0; r < zeilen; ++r) s += (r ? ":" : "") + (z.zahl(0, 12) ? z.liste(6, ';') : z.beliebig());
        Monatstabelle t;
        for (auto& zeile : t) zeile.fill(Marke);
        basZIRVO_Array::TextZuArray2(s, t);
        // Rows are read from the top until the first row of a wrong length.
        bool gelesen = stücke(s, ':') == 13;
        std::size_t anfang = 0;
        for (std::size_t r = 0; r < 13; ++r) {
            std::string zeile;
            if (gelesen) {
                std::size_t ende = s.find(':', anfang);
                zeile = s.substr(anfang, ende == std::string::npos ? std::string::npos : ende - anfang);
                anfang = ende + 1;
                gelesen = stücke(zeile, ';') == 6;
            }
            for (double x : t[r]) {
                ASSERT_TRUE(std::isfinite(x)) << s;
                if (!gelesen) { ASSERT_EQ(x, Marke) << s; }
            }
        }
    }
}

TEST(ZahlenZufall, ZahltextHinUndZurück) {
    Zufall z;
    for (int i = 0; i < 20000; ++i) {
        // Up to 15 significant digits: back exactly, in both written forms.
        const double x = z.fünfzehnStellen();
        ASSERT_EQ(ZahlLesenDbl(ZahlText(x)), x) << ZahlText(x);
        ASSERT_EQ(ZahlLesenDbl(basZIRVO_Array::ElementText(x)), x) << ZahlText(x);

        // Any double: 15 digits, and writing the value read back changes nothing.
        const double y = z.bitsDouble();
        const double zurück = ZahlLesenDbl(ZahlText(y));
        ASSERT_TRUE(std::isfinite(zurück));
        ASSERT_LE(std::fabs(zurück - y), std::fabs(y) * 1e-14) << ZahlText(y);
        ASSERT_EQ(ZahlText(zurück), ZahlText(y));
    }
}

TEST(ZahlenZufall, RundenBleibtImHalbenSchritt) {
    Zufall z;
    for (int i = 0; i < 20000; ++i) {
        const double x = z.zahl(0, 1) ? z.fünfzehnStellen() : (z.zahl(-1000000, 1000000) / 1000.0);
        const auto n = static_cast<std::int16_t>(z.zahl(0, 6));
        const double r = basZIRVO3801::Runden(x, n);
        ASSERT_TRUE(std::isfinite(r));
        const double schritt = std::pow(10.0, -n);
        ASSERT_LE(std::fabs(r - x), schritt / 2 + std::fabs(x) * 1e-14) << ZahlText(x) << " " << n;
        // Rounding again changes nothing.
        ASSERT_EQ(basZIRVO3801::Runden(r, n), r) << ZahlText(x) << " " << n;
    }
}

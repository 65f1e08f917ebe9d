// The user's regional number settings: separators for reading and writing
// numbers the way the user is used to. Read once from the system locale
// (through basVB6NumCvt::RegistryLesen); the process locale is never touched.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class cVB6_NumCvt {
public:
    // The settings of the system locale; where it gives nothing, the
    // defaults: "(de-CH)", "(Schweiz)", decimal ",", thousands U+00A0,
    // money decimal ".".
    cVB6_NumCvt();
    // Settings as given; empty texts count as "nothing set" and take the
    // defaults as above.
    cVB6_NumCvt(std::string country, std::string localeName, std::string dezimal, std::string tausender,
                std::string geldDezimal, std::string geldTausender);

    const std::string& Country() const { return country_; }
    const std::string& LocaleName() const { return localeName_; }

    // Reads a number written in the user's format (either decimal separator,
    // either thousands separator, apostrophes); 0 on any failure.
    double Val_(std::string_view text) const;
    // decimals 0: no decimals; > 0: exactly that many; < 0: up to nine,
    // trailing zeros dropped. Grouped in threes, halves away from zero. "?"
    // on failure (a value that is not finite, more than 1000 decimals).
    std::string NumStr_(double wert, std::int32_t dezimalen) const;
    // Two decimals, grouped, with the money decimal separator.
    std::string CurStr_(double wert) const;

    const std::string& Dezimaltrenner() const { return dezimal_; }

    // The one shared instance, created on first use.
    static const cVB6_NumCvt& Instanz();
    // Replaces the shared instance (for instance to fix the separators in a test).
    static void InstanzSetzen(const cVB6_NumCvt& neu);

private:
    void Einrichten();
    std::string LocaleValue(const std::string& name) const;
    std::string FormatValue(double wert, bool geld, std::int32_t dezimalen) const;

    std::string country_;
    std::string localeName_;
    std::string dezimal_;
    std::string tausender_;
    std::string geldDezimal_;
    std::string geldTausender_;
    bool dezimalVerschieden_ = false;
};

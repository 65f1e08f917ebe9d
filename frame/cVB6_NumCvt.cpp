#include "frame/cVB6_NumCvt.h"

#include "frame/basVB6NumCvt.h"
#include "frame/Windows1252.h"

#include <cmath>
#include <memory>
#include <utility>

namespace {

constexpr const char* Registrierungspfad = "HKEY_CURRENT_USER\\Control Panel\\International\\";
constexpr std::int32_t MaxDezimalen = 1000;

std::unique_ptr<cVB6_NumCvt>& gemeinsam() {
    static std::unique_ptr<cVB6_NumCvt> instanz;
    return instanz;
}

void ersetzen(std::string& text, const std::string& alt, const std::string& neu) {
    if (alt.empty()) return;
    for (std::size_t pos = text.find(alt); pos != std::string::npos; pos = text.find(alt, pos + neu.size()))
        text.replace(pos, alt.size(), neu);
}

} // namespace

cVB6_NumCvt::cVB6_NumCvt() {
    country_ = LocaleValue("sCountry");
    localeName_ = LocaleValue("LocaleName");
    dezimal_ = LocaleValue("sDecimal");
    tausender_ = LocaleValue("sThousand");
    geldDezimal_ = LocaleValue("sMonDecimalSep");
    geldTausender_ = LocaleValue("sMonThousandSep");
    Einrichten();
}

cVB6_NumCvt::cVB6_NumCvt(std::string country, std::string localeName, std::string dezimal, std::string tausender,
                         std::string geldDezimal, std::string geldTausender)
    : country_(std::move(country)), localeName_(std::move(localeName)), dezimal_(std::move(dezimal)),
      tausender_(std::move(tausender)), geldDezimal_(std::move(geldDezimal)),
      geldTausender_(std::move(geldTausender)) {
    Einrichten();
}

void cVB6_NumCvt::Einrichten() {
    if (localeName_.empty()) {
        localeName_ = "(de-CH)";
        country_ = "(Schweiz)";
    }
    if (dezimal_.empty()) {
        dezimal_ = ",";
        tausender_ = "\u00A0";
    }
    if (geldDezimal_.empty()) {
        geldDezimal_ = ".";
        geldTausender_ = "'";
    }
    dezimalVerschieden_ = dezimal_ != geldDezimal_;
    // Money amounts are grouped like plain numbers.
    geldTausender_ = tausender_;
}

std::string cVB6_NumCvt::LocaleValue(const std::string& name) const {
    return basVB6NumCvt::RegistryLesen(Registrierungspfad + name);
}

double cVB6_NumCvt::Val_(std::string_view text) const {
    std::string kopie;
    kopie.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t anfang = pos;
        Windows1252::NächstesZeichen(text, pos);
        std::string_view zeichen = text.substr(anfang, pos - anfang);
        char c = zeichen.size() == 1 ? zeichen[0] : '\0';
        if ((c >= '0' && c <= '9') || c == '-') {
            kopie += c;
        } else if (zeichen == dezimal_ || zeichen == geldDezimal_) {
            kopie += '.';
        } else if (zeichen == tausender_ || zeichen == geldTausender_ || c == '\'') {
            // dropped
        } else {
            kopie += zeichen;
        }
    }
    return basVB6NumCvt::Scannen(kopie);
}

std::string cVB6_NumCvt::FormatValue(double wert, bool geld, std::int32_t dezimalen) const {
    if (!std::isfinite(wert) || dezimalen > MaxDezimalen) return "?";
    const bool kürzen = !geld && dezimalen < 0;
    const int stellen = geld ? 2 : kürzen ? 9 : dezimalen;
    std::string fest = basVB6NumCvt::FestkommaText(wert, stellen);
    if (fest.empty()) return "?";

    std::string vorzeichen;
    if (fest[0] == '-') {
        vorzeichen = "-";
        fest.erase(0, 1);
    }
    std::size_t punkt = fest.find('.');
    std::string ganz = fest.substr(0, punkt);
    std::string bruch = punkt == std::string::npos ? std::string() : fest.substr(punkt + 1);
    if (kürzen)
        while (!bruch.empty() && bruch.back() == '0') bruch.pop_back();

    std::string s = vorzeichen;
    for (std::size_t i = 0; i < ganz.size(); ++i) {
        if (i > 0 && (ganz.size() - i) % 3 == 0) s += tausender_;
        s += ganz[i];
    }
    // With no decimals left the separator is left out, too.
    if (!bruch.empty()) s += dezimal_ + bruch;
    if (geld && dezimalVerschieden_) ersetzen(s, dezimal_, geldDezimal_);
    return s;
}

std::string cVB6_NumCvt::NumStr_(double wert, std::int32_t dezimalen) const {
    return FormatValue(wert, false, dezimalen);
}

std::string cVB6_NumCvt::CurStr_(double wert) const { return FormatValue(wert, true, 2); }

const cVB6_NumCvt& cVB6_NumCvt::Instanz() {
    auto& instanz = gemeinsam();
    if (!instanz) instanz = std::make_unique<cVB6_NumCvt>();
    return *instanz;
}

void cVB6_NumCvt::InstanzSetzen(const cVB6_NumCvt& neu) {
    auto& instanz = gemeinsam();
    if (instanz) *instanz = neu; // references to the shared instance stay valid
    else instanz = std::make_unique<cVB6_NumCvt>(neu);
}

#include "project/Kollektion.h"

#include "frame/basVB6NumCvt.h"

std::string Kollektion::Vergleichsform(std::string_view schlüssel) {
    std::string aus(schlüssel);
    for (std::size_t i = 0; i < aus.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(aus[i]);
        if (c >= 'A' && c <= 'Z') {
            aus[i] = static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < aus.size()) {
            // UTF-8 of U+00C0..U+00DE (À..Þ without ×): the lower-case letter is 0x20 further.
            unsigned char d = static_cast<unsigned char>(aus[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97) aus[i + 1] = static_cast<char>(d + 0x20);
            ++i;
        }
    }
    return aus;
}

std::int32_t Kollektion::Suchen(std::string_view schlüssel) const {
    if (schlüssel.empty()) return -1;
    std::string v = Vergleichsform(schlüssel);
    for (std::size_t i = 0; i < einträge_.size(); ++i)
        if (einträge_[i].vergleich == v) return static_cast<std::int32_t>(i);
    return -1;
}

bool Kollektion::WertHinzufügen(Wert wert, std::string_view schlüssel) {
    std::string v;
    if (!schlüssel.empty()) {
        if (Suchen(schlüssel) >= 0) return false;
        v = Vergleichsform(schlüssel);
    }
    einträge_.push_back(Element{std::string(schlüssel), std::move(v), std::move(wert)});
    return true;
}

bool Kollektion::Hinzufügen(std::string text, std::string_view schlüssel) {
    return WertHinzufügen(Wert(std::in_place_index<0>, std::move(text)), schlüssel);
}
bool Kollektion::Hinzufügen(const char* text, std::string_view schlüssel) {
    return WertHinzufügen(Wert(std::in_place_index<0>, text ? text : ""), schlüssel);
}
bool Kollektion::Hinzufügen(double zahl, std::string_view schlüssel) {
    return WertHinzufügen(Wert(std::in_place_index<1>, zahl), schlüssel);
}
bool Kollektion::Hinzufügen(int zahl, std::string_view schlüssel) {
    return WertHinzufügen(Wert(std::in_place_index<1>, static_cast<double>(zahl)), schlüssel);
}
bool Kollektion::Hinzufügen(KollektionZeiger kollektion, std::string_view schlüssel) {
    return WertHinzufügen(Wert(std::in_place_index<2>, std::move(kollektion)), schlüssel);
}

bool Kollektion::Entfernen(std::string_view schlüssel) {
    std::int32_t i = Suchen(schlüssel);
    if (i < 0) return false;
    einträge_.erase(einträge_.begin() + i);
    return true;
}

bool Kollektion::Entfernen(std::int32_t position) {
    if (position < 1 || position > Anzahl()) return false;
    einträge_.erase(einträge_.begin() + (position - 1));
    return true;
}

const Kollektion::Wert* Kollektion::Eintrag(std::int32_t position) const {
    if (position < 1 || position > Anzahl()) return nullptr;
    return &einträge_[static_cast<std::size_t>(position - 1)].wert;
}

const Kollektion::Wert* Kollektion::Eintrag(std::string_view schlüssel) const {
    std::int32_t i = Suchen(schlüssel);
    return i < 0 ? nullptr : &einträge_[static_cast<std::size_t>(i)].wert;
}

std::string Kollektion::Schlüssel(std::int32_t position) const {
    if (position < 1 || position > Anzahl()) return {};
    return einträge_[static_cast<std::size_t>(position - 1)].schlüssel;
}

std::string Kollektion::AlsText(const Wert* wert) {
    if (!wert) return {};
    if (auto* t = std::get_if<std::string>(wert)) return *t;
    if (auto* z = std::get_if<double>(wert)) return ZahlText(*z);
    return {};
}

double Kollektion::AlsZahl(const Wert* wert) {
    if (!wert) return 0;
    if (auto* z = std::get_if<double>(wert)) return *z;
    if (auto* t = std::get_if<std::string>(wert)) return ZahlLesenDbl(*t);
    return 0;
}

std::string Kollektion::Text(std::int32_t position) const { return AlsText(Eintrag(position)); }
std::string Kollektion::Text(std::string_view schlüssel) const { return AlsText(Eintrag(schlüssel)); }
double Kollektion::Zahl(std::int32_t position) const { return AlsZahl(Eintrag(position)); }
double Kollektion::Zahl(std::string_view schlüssel) const { return AlsZahl(Eintrag(schlüssel)); }

KollektionZeiger Kollektion::Koll(std::int32_t position) const {
    const Wert* w = Eintrag(position);
    if (auto* k = w ? std::get_if<KollektionZeiger>(w) : nullptr) return *k;
    return nullptr;
}

KollektionZeiger Kollektion::Koll(std::string_view schlüssel) const {
    const Wert* w = Eintrag(schlüssel);
    if (auto* k = w ? std::get_if<KollektionZeiger>(w) : nullptr) return *k;
    return nullptr;
}

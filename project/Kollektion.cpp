#include "project/Kollektion.h"

#include <cstring>

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

std::uint32_t Kollektion::Prüfwert(std::string_view vergleich) {
    std::uint32_t h = 2166136261u; // FNV-1a
    for (char c : vergleich) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
}

std::int32_t Kollektion::SuchenGefaltet(const std::string& vergleich, std::uint32_t prüfwert) const {
    for (std::size_t i = 0; i < einträge_.size(); ++i) {
        const Element& e = einträge_[i];
        if (e.prüfwert == prüfwert && e.vergleich == vergleich)
            return static_cast<std::int32_t>(i);
    }
    return -1;
}

std::int32_t Kollektion::Suchen(std::string_view schlüssel) const {
    if (schlüssel.empty()) return -1;
    std::string v = Vergleichsform(schlüssel);
    return SuchenGefaltet(v, Prüfwert(v));
}

bool Kollektion::WertHinzufügen(Wert wert, std::string_view schlüssel) {
    std::string v;
    std::uint32_t prüfwert = 0;
    if (!schlüssel.empty()) {
        v = Vergleichsform(schlüssel);
        prüfwert = Prüfwert(v);
        if (SuchenGefaltet(v, prüfwert) >= 0) return false;
    }
    Element& e = einträge_.emplace_back();
    e.schlüssel.assign(schlüssel);
    e.vergleich = std::move(v);
    e.prüfwert = prüfwert;
    e.wert = std::move(wert);
    return true;
}

bool Kollektion::Setzen(Wert wert, std::string_view schlüssel) {
    const auto* k = std::get_if<KollektionZeiger>(&wert);
    const bool entfernen = k && !*k;
    if (schlüssel.empty()) {
        if (entfernen) return false;
        WertHinzufügen(std::move(wert));
        return true;
    }
    std::string v = Vergleichsform(schlüssel);
    const std::uint32_t prüfwert = Prüfwert(v);
    const std::int32_t i = SuchenGefaltet(v, prüfwert);
    if (i < 0) {
        if (entfernen) return false;
        Element& e = einträge_.emplace_back();
        e.schlüssel.assign(schlüssel);
        e.vergleich = std::move(v);
        e.prüfwert = prüfwert;
        e.wert = std::move(wert);
        return true;
    }
    if (entfernen) {
        einträge_.erase(einträge_.begin() + i);
        return true;
    }
    Element& e = einträge_[static_cast<std::size_t>(i)];
    bool geändert = false;
    if (e.schlüssel != schlüssel) {
        e.schlüssel.assign(schlüssel);
        geändert = true;
    }
    if (!Gleich(e.wert, wert)) {
        e.wert = std::move(wert);
        geändert = true;
    }
    return geändert;
}

bool Kollektion::Gleich(const Wert& a, const Wert& b) {
    if (a.index() != b.index()) return false;
    if (const auto* t = std::get_if<std::string>(&a)) return *t == std::get<std::string>(b);
    if (const auto* z = std::get_if<double>(&a)) {
        // Bit for bit: 0 and -0 differ, a NaN equals only itself.
        const double y = std::get<double>(b);
        return std::memcmp(z, &y, sizeof y) == 0;
    }
    return Gleich(std::get<KollektionZeiger>(a), std::get<KollektionZeiger>(b));
}

bool Kollektion::Gleich(const KollektionZeiger& a, const KollektionZeiger& b) {
    if (a == b) return true;
    if (!a || !b) return false;
    return Gleich(*a, *b);
}

bool Kollektion::Gleich(const Kollektion& a, const Kollektion& b) {
    if (&a == &b) return true;
    if (a.einträge_.size() != b.einträge_.size()) return false;
    for (std::size_t i = 0; i < a.einträge_.size(); ++i) {
        const Element& x = a.einträge_[i];
        const Element& y = b.einträge_[i];
        if (x.schlüssel != y.schlüssel || !Gleich(x.wert, y.wert)) return false;
    }
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

const std::string& Kollektion::Schlüssel(std::int32_t position) const {
    static const std::string keiner;
    if (position < 1 || position > Anzahl()) return keiner;
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

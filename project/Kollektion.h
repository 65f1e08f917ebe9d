// The keyed collection that project values, zone values, row tables and
// item records rest on: an ordered list of entries, each a text, a number
// or a further collection, with an optional key. Entries are addressed by
// their 1-based position or by their key; keys are compared without regard
// to letter case and occur at most once.
//
// Collections are held through KollektionZeiger, a shared pointer to a
// collection that cannot be changed through it: storing a collection in
// the project and fetching it back hands out the same object cheaply, and
// nobody can change what the project holds except through its setters.
// "Nothing" (no collection) is the empty pointer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class Kollektion;
using KollektionZeiger = std::shared_ptr<const Kollektion>;

class Kollektion {
public:
    // The value of one entry: a text, a number (whole numbers too) or a collection.
    using Wert = std::variant<std::string, double, KollektionZeiger>;

    Kollektion() = default;

    // A new, empty, changeable collection (to be filled and then stored).
    static std::shared_ptr<Kollektion> Neu() { return std::make_shared<Kollektion>(); }

    std::int32_t Anzahl() const { return static_cast<std::int32_t>(einträge_.size()); }
    // Makes room for this many entries in all (when filling a known number).
    void Reservieren(std::int32_t anzahl) {
        if (anzahl > 0) einträge_.reserve(static_cast<std::size_t>(anzahl));
    }
    bool Leer() const { return einträge_.empty(); }

    // Appends an entry, under the key when one is given. Returns false and
    // changes nothing when the key is already present. A null collection is
    // stored as such (a fetch of it gives nothing).
    bool Hinzufügen(std::string text, std::string_view schlüssel = {});
    bool Hinzufügen(const char* text, std::string_view schlüssel = {});
    bool Hinzufügen(double zahl, std::string_view schlüssel = {});
    bool Hinzufügen(int zahl, std::string_view schlüssel = {});
    bool Hinzufügen(KollektionZeiger kollektion, std::string_view schlüssel = {});
    bool WertHinzufügen(Wert wert, std::string_view schlüssel = {});
    // Stores the value under the key: the entry with the key (compared as
    // above) takes the value and the key as given and keeps its place;
    // without one the value is appended. A null collection removes the
    // entry instead. An empty key appends an entry without key. True when
    // the collection changed (a value equal to the stored one, as Gleich
    // compares, under the same key changes nothing).
    bool Setzen(Wert wert, std::string_view schlüssel);
    // Equal values: the same kind, texts equal, numbers bit for bit,
    // collections entry for entry with the same keys (the same object at once).
    static bool Gleich(const Wert& a, const Wert& b);
    static bool Gleich(const KollektionZeiger& a, const KollektionZeiger& b);
    static bool Gleich(const Kollektion& a, const Kollektion& b);

    // Removes the entry; false when there is none.
    bool Entfernen(std::string_view schlüssel);
    bool Entfernen(std::int32_t position);

    bool Enthält(std::string_view schlüssel) const { return Suchen(schlüssel) >= 0; }

    // The entry's value, or nullptr when the position lies outside 1..Anzahl
    // or the key is absent.
    const Wert* Eintrag(std::int32_t position) const;
    const Wert* Eintrag(std::string_view schlüssel) const;
    // The key of the entry at position ("" when it has none or the position is outside).
    const std::string& Schlüssel(std::int32_t position) const;

    // Typed reads. A missing entry gives "", 0 or nothing. A number read as
    // text gives its file form ("." as decimal point); a text read as number
    // is read by the scan rule (leading number, 0 when there is none); a
    // collection read as text or number gives the default.
    std::string Text(std::int32_t position) const;
    std::string Text(std::string_view schlüssel) const;
    double Zahl(std::int32_t position) const;
    double Zahl(std::string_view schlüssel) const;
    KollektionZeiger Koll(std::int32_t position) const;
    KollektionZeiger Koll(std::string_view schlüssel) const;

    // The value read as text or number by the rules above.
    static std::string AlsText(const Wert* wert);
    static double AlsZahl(const Wert* wert);

    // The key in the form used for comparing (letters folded to lower case,
    // the Latin-1 letters of UTF-8 included).
    static std::string Vergleichsform(std::string_view schlüssel);

private:
    struct Element {
        std::string schlüssel;     // as given
        std::string vergleich;     // folded, empty when there is no key
        std::uint32_t prüfwert = 0; // hash of vergleich, to pass over other keys quickly
        Wert wert;
    };
    std::vector<Element> einträge_;

    // 0-based index of the entry with this key, -1 when absent.
    std::int32_t Suchen(std::string_view schlüssel) const;
    // The same for a key in its folded form and the hash of that.
    std::int32_t SuchenGefaltet(const std::string& vergleich, std::uint32_t prüfwert) const;
    static std::uint32_t Prüfwert(std::string_view vergleich);
};

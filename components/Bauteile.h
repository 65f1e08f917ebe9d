// The project's items: opaque components (`Bauteil`) with up to 15 material
// layers (`Schicht`), windows (`Fenster`) and thermal bridges
// (`Wärmebrücke`), numbered 1 to 99 per kind. The envelope rows of the zones
// refer to them by number.
//
// Each item is a project value under its key ("B-7", "F-12", "W-99"): a
// collection whose members are read by position, with the layers under the
// key "Z" and the code of the single-component limit value under "CodeGr".
// These types are the one way to read and write them: the component editor
// stores what the user typed, the pick list, the proofs and the printed
// component sheets read them. Reading never fails: a member a damaged file
// lacks reads as "" or 0, a text where a number belongs as its leading
// number.
#pragma once

#include "project/Kollektion.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Projekt;

// The three kinds, in the order of the editor's pages.
enum class Elementart : std::int16_t { Bauteil = 0, Fenster = 1, Wärmebrücke = 2 };

namespace Elemente {

constexpr int MinNummer = 1;
constexpr int MaxNummer = 99;

// "B-", "F-" or "W-".
std::string_view Präfix(Elementart art);
// The project key of item nummer ("B-7"); nummer is written as plain digits.
std::string Schlüssel(Elementart art, int nummer);
// The item's collection in the project, nothing when there is none (also
// for a number outside 1..99).
KollektionZeiger Holen(const Projekt& projekt, Elementart art, int nummer);
// Removes the item (no error when there is none).
void Entfernen(Projekt& projekt, Elementart art, int nummer);
// The numbers 1..99 of the kind that the project holds, ascending.
std::vector<int> Nummern(const Projekt& projekt, Elementart art);
// Member 1 of any item, its designation.
std::string Bezeichnung(const Kollektion& element);

} // namespace Elemente

// One material layer of a component, from inside to outside.
struct Schicht {
    std::string Bez;          // material designation
    double Dicke = 0;         // cm
    double Rohdichte = 0;     // kg/m³
    double Lambda = 0;        // W/mK
    double R = 0;             // m²K/W, counts only where Lambda is 0
    std::string Ueberwachung; // "0", "1", "2" or ""

    // A row is used when its designation or monitoring class is not blank or
    // one of its numbers is not 0.
    bool Benutzt() const;
    // Thermal resistance of the layer: thickness over Lambda, or R where
    // Lambda is 0 (m²K/W).
    double Widerstand() const;

    static Schicht AusKollektion(const Kollektion& zeile);
    KollektionZeiger AlsKollektion() const;
    bool operator==(const Schicht&) const = default;
};

struct Bauteil {
    static constexpr int MaxSchichten = 15;

    std::string Bez;
    std::string Kom;
    double U = 0;   // W/m²K
    double U2 = 0;  // a second U-value, only carried with the item
    double Rsi = 0; // m²K/W
    double Rse = 0; // m²K/W
    // From the first row up to the last used one; rows between may be empty.
    std::vector<Schicht> Schichten;
    std::string CodeGr;

    // Nothing when the project holds no such component.
    static std::optional<Bauteil> Lesen(const Projekt& projekt, int nummer);
    static Bauteil AusKollektion(const Kollektion& element);
    // Members 1..6, then "Z" (only when a layer is used) and "CodeGr".
    KollektionZeiger AlsKollektion() const;
    // No used layer, no designation or comment, and U, Rsi and Rse all 0
    // (U2 and CodeGr do not count).
    bool Leer() const;
    // Writes the component under its number, or removes it when it is empty.
    void Speichern(Projekt& projekt, int nummer) const;
    bool operator==(const Bauteil&) const = default;
};

struct Fenster {
    std::string Bez;
    std::string Kom;
    double U = 0;
    double U2 = 0;
    double g = 0;  // total solar energy transmittance, 0..1
    double FF = 0; // frame reduction factor F'F, 0..1
    std::string Rahmenmaterial;
    double Uf = 0;
    std::string Verglasung;
    double Ug = 0;
    std::string CodeGr;

    static std::optional<Fenster> Lesen(const Projekt& projekt, int nummer);
    static Fenster AusKollektion(const Kollektion& element);
    KollektionZeiger AlsKollektion() const;
    // Writes the window under its number (whether a page counts as empty is
    // the editor's decision: a window with "0" typed is kept).
    void Speichern(Projekt& projekt, int nummer) const;
    bool operator==(const Fenster&) const = default;
};

struct Wärmebrücke {
    std::string Bez;
    std::string Kom;
    double Psi = 0; // W/mK, or Chi in W/K for a point bridge
    std::string Beschreibung;
    std::string CodeGr;

    static std::optional<Wärmebrücke> Lesen(const Projekt& projekt, int nummer);
    static Wärmebrücke AusKollektion(const Kollektion& element);
    // Member 4 is always written as 0.
    KollektionZeiger AlsKollektion() const;
    void Speichern(Projekt& projekt, int nummer) const;
    bool operator==(const Wärmebrücke&) const = default;
};

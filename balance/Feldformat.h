// Format codes of input fields and total labels, and the per-window table of
// codes looked up by control name.
//
// A code such as "z71b1" is read by position: 1 "z" number field (anything
// else: text field); 2 the digit places shown, decimals included; 3 the
// decimals; 4 "b" when leaving the field recomputes; 5-6 the grid column.
// Positions 2, 3 and 5-6 are read as whole numbers, so "-", a missing or a
// non-numeric position gives 0.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class Steuerelement;

struct Feldformat {
    bool Zahl = false;        // number field
    bool Berechnen = false;   // leaving the field recomputes its table or dialog
    std::int16_t Stellen = 0; // digit places of the display width
    std::int16_t NKSt = 0;    // decimals
    std::int16_t Spalte = 0;  // grid column for the key navigation

    static Feldformat Dekodieren(std::string_view code);

    // The text a cell shows for a value, and after the user left it: a number
    // field shows the number right-aligned by Stellen and NKSt, 0 (or a text
    // that is no number) as an empty cell and a number too wide as "#" marks;
    // a text field shows the text without trailing blanks.
    std::string Zellentext(std::string_view text) const;
    // The same for a value given as a number.
    std::string Zellentext(double wert) const;
    // The caption of a total label: like a cell, but 0 is shown as a number.
    std::string Labeltext(std::string_view text) const;
};

// The table of codes of one window: entry 0 stays empty, the fields follow
// from 1 in the order of registration. A control array is registered once by
// its name and its code holds for every element.
class Spaltenliste {
public:
    Spaltenliste();
    // Back to the empty entry 0 alone.
    void Leeren();
    void SpalteRegistrieren(const Steuerelement& steuerelement, std::string code);
    void SpalteRegistrieren(std::string name, std::string code);
    // The code of the first entry with exactly this name (case-sensitive),
    // decoded; a name never registered is a text field without recompute in
    // column 0.
    Feldformat FeldFormatLesen(std::string_view name) const;
    // Number of registered entries (entry 0 not counted).
    int Anzahl() const { return static_cast<int>(einträge_.size()) - 1; }

private:
    std::vector<std::pair<std::string, std::string>> einträge_; // name, code
};

// The state of a list view in report view: its column heads and its rows,
// each row a list of cell texts (the first is the label) and a bold flag.
#pragma once

#include "frame/Steuerelemente.h"

#include <cstdint>
#include <string>
#include <vector>

class ListView : public Steuerelement {
public:
    using Steuerelement::Steuerelement;

    struct Spalte {
        std::string Text;
        std::int32_t Width = 0; // twips
        bool Rechts = false;    // right-aligned
    };
    struct Zeile {
        std::vector<std::string> Texte;
        bool Fett = false;
    };

    const std::vector<Spalte>& ColumnHeaders() const { return spalten_; }
    const std::vector<Zeile>& ListItems() const { return zeilen_; }
    void SpalteHinzufügen(std::string text, std::int32_t breite, bool rechts);
    void ZeileHinzufügen(Zeile zeile);
    // Removes all rows and all columns.
    void Leeren();

private:
    std::vector<Spalte> spalten_;
    std::vector<Zeile> zeilen_;
};

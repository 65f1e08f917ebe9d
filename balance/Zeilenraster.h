// The small grid of input rows of a dialog window model: a few rows of text
// boxes, one control array a column, whose cells are formatted by their
// field format and between which Enter, Tab and Shift with an arrow key move
// the focus.
//
// A window model derives from it next to Formular, tells it its rows and
// columns once (RasterFestlegen) and forwards the events of its cells.
#pragma once

#include "balance/Feldformat.h"
#include "frame/Steuerelemente.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <vector>

class Zeilenraster {
public:
    virtual ~Zeilenraster() = default;

    // The control the form last gave the focus (nullptr: none), and the
    // view's hook that moves the real focus there.
    Steuerelement* Fokus = nullptr;
    std::function<void(Steuerelement&)> FokusSetzen;

    // The field formats of the grid.
    Spaltenliste Feldformate;

protected:
    using Spalte = Steuerelementfeld<TextBox>;

    Zeilenraster() = default;
    Zeilenraster(const Zeilenraster&) = delete;
    Zeilenraster& operator=(const Zeilenraster&) = delete;

    // The number of rows; the column after which Enter goes on in the next
    // row's first column (and Shift+Enter in the first column comes back
    // to); and the arrays that take the focus, column 0 first. A column
    // beyond them takes no focus.
    void RasterFestlegen(int zeilen, int letzteSpalte, std::initializer_list<Spalte*> spalten);

    // Recomputes the window after a cell whose format says so was left.
    virtual void RasterBerechnen() = 0;

    // A cell shows the value as its field format gives it.
    void FeldSetzen(TextBox& feld, double wert);
    void FeldSetzen(TextBox& feld, std::string_view wert);

    // The events of cell Index of a column: an index outside the array is
    // passed over. Leaving formats the cell's text anew and recomputes when
    // its format says so; a handled key becomes 0.
    void ZelleTaste(Spalte& spalte, int Index, std::int16_t& KeyCode, std::int16_t Shift);
    void ZelleVerlassen(Spalte& spalte, int Index);
    // Enter (13) as a typed character becomes 0; other characters pass.
    static void EingabeTasteSchlucken(std::int16_t& KeyAscii);

    // Gives the focus to the control: remembers it and tells the view.
    void Fokussieren(Steuerelement& element);

private:
    int zeilen_ = 0;
    int letzteSpalte_ = 0;
    std::vector<Spalte*> spalten_;

    void FeldVerlassen(TextBox& feld);
    bool FeldNavigieren(std::int16_t& KeyCode, std::int16_t Shift, int zeile, int spalte);
};

// The pending input error of the program and its message box.
#pragma once

#include <cstdint>
#include <string>

class Steuerelement;

namespace basZIRVOFehler {

enum Fehlerart : std::int32_t { ArtFehler = 1, ArtWarnung = 2, ArtHinweis = 3 };

// Input tables an error can name.
enum Fehlertabelle : std::int16_t {
    TabelleEBF = 1, TabelleA = 2, TabelleU = 3, TabelleF = 4, TabelleLüftung = 5, TabelleGewinn = 6
};

struct EingabefehlerDaten {
    std::int32_t Art = 0;       // 1 Fehler, 2 Warnung, 3 Hinweis; other values show nothing
    std::int16_t Zone = 0;      // zone index of the check
    std::int16_t Tabelle = 0;   // see Fehlertabelle
    std::string Text;           // the message, already through DS
    std::int32_t Nummer = 0;    // error number, shown when not 0
    ::Steuerelement* Steuerelement = nullptr; // the offending cell or field, or none

    // The start of a check on one table: kind 1, zone, table, no control.
    void Beginnen(std::int16_t zone, std::int16_t tabelle);
    // A bad input met: message (already through DS) and its control.
    void Setzen(std::string text, ::Steuerelement* element);
};

extern EingabefehlerDaten Eingabefehler;

// The title of a message box of the given kind word: "<label> ZIRVO:  <kind>".
std::string Titel(const std::string& artwort);
// The body of the pending error as shown.
std::string Meldungstext(const EingabefehlerDaten& f);
// The row of a table as a message names it: "Zeile 3: " for row index 2.
std::string Zeilenangabe(int zeile);
// The error on one line, for the status bar: line breaks become dashes,
// runs of blanks one blank, and an error in a cell of a table row names
// the row first (unless its message already does).
std::string Statustext(const EingabefehlerDaten& f);

// Shows the pending error in a modal message box; the record stays as it is.
// Ort, when given, stands above the message: where the input is.
void FehlerMelden(const std::string& Ort = {});

} // namespace basZIRVOFehler

using basZIRVOFehler::Eingabefehler;

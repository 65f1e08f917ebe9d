// Small helpers shared by the transmission steps of the envelope tables.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class frmZIRVO3801;
class Steuerelement;

namespace Transmissionshilfe {

// 0-based position of a one-letter element code in the table's codes; -1
// for an empty code, a code of several letters or an unknown letter.
int Codespalte(std::string_view code, std::string_view codes);

// Row count of a table, never more than the cells the model holds.
int Zeilenzahl(const frmZIRVO3801& f, std::int16_t tabelle, int zellen);

// Records the message and its cell in the pending input error; returns True
// (the step failed).
bool Fehler(std::string text, Steuerelement* zelle);

// A roof, wall, floor, window or door lets heat through and never makes it:
// its U-value is never negative (a thermal bridge's Psi or Chi may be, as
// the correction of areas measured outside, and is not checked here; nor
// is a negative area, which deducts). True with the error recorded, naming
// the row (0-based): a U of the project item numbered Bt (0 = typed) with
// the item's message (its "@"s: the value, the number) at the row's number
// cell, where it is mended in the item; a typed U at the U cell.
bool UWertNegativ(double U, int zeile, std::int16_t Bt, std::string_view vorlageElement, Steuerelement& nummer,
                  Steuerelement& uZelle);

// Nor is it 0 where the row has an area: an area that loses nothing would
// still count in the envelope and raise the limit at no cost. Checked once
// the row's other inputs passed, so a row that is still being filled in
// names what its columns lack in their order first. True with the error
// recorded, naming the row: the item numbered Bt with the item's message
// (its "@": the number) at the number cell; a typed U (an empty cell reads
// 0) at the U cell.
bool UWertFehlt(double U, int zeile, std::int16_t Bt, std::string_view vorlageElement, Steuerelement& nummer,
                Steuerelement& uZelle);

// summe / fläche, 0 for no area or a result that is not finite.
double Mittelwert(double summe, double fläche);

} // namespace Transmissionshilfe

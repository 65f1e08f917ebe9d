// Small arithmetic formulas typed into table cells.
//
// A cell may hold a formula between "{" and "}" (the closing brace may be
// missing), for example {12,5*3}; a remark may follow the formula after an
// apostrophe. The formula knows the digits, "." and "," as decimal
// separators (numbers are read in the input form), the four operators,
// brackets and blanks. "*" and "/" bind tighter than "+" and "-"; operators
// of equal binding are applied from left to right. At most eight bracket
// pairs are allowed.
//
// Every failure is an error number; nothing here shows a dialog, and no
// text, however long, malformed or deeply bracketed, makes it fail otherwise.
// The evaluation never recurses: the brackets are resolved innermost first
// by rescanning the text, one group at a time.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class TextBox;

namespace basZIRVOCompute {

// Error numbers of a formula.
enum Formelfehler : std::int16_t {
    FormelOK = 0,
    FormelSyntaxfehler = 1,          // an operand or operator is missing or misplaced
    FormelUngültigeZeichen = 2,      // a character outside the formula characters
    FormelLinkeKlammerZuviel = 3,    // more "(" than ")"
    FormelRechteKlammerZuviel = 4,   // more ")" than "("
    FormelDivisionDurchNull = 5,     // a divisor of exactly 0
    FormelZuVieleKlammern = 6,       // more than eight bracket pairs
    FormelÜberlauf = 7,              // a number or result beyond the range of a Double
};
inline constexpr std::int16_t FormelfehlerHöchste = FormelÜberlauf;

// Value slots of resolved bracket groups: slot 0 stands in the text as "A",
// slot 1 as "B", and so on.
using Formelspeicher = std::array<double, 9>;

// Evaluates the formula in a text box's Text, if it holds one.
// 0: the text holds no "{" (value untouched); -1: evaluated, value set;
// 1: error, Eingabefehler filled with kind 1, the box as its control and a
// message naming the formula and the reason. The box is not changed and no
// message is shown here: whoever reports the error record shows it.
std::int16_t FormelAuswerten(TextBox& box, double& wert);

// A formula (a remark after "'" included): the character check, then the
// bracket count, then the evaluation. Returns the error number; the value is
// valid only for 0 and is then finite.
std::int16_t FormelBerechnen(std::string_view formel, double& wert);

// A formula without remark whose brackets balance: resolves the innermost
// bracket groups from left to right, then evaluates what is left.
std::int16_t FormelKlammernAuflösen(std::string_view formel, double& wert);

// A formula without brackets; capital letters refer to the slots.
std::int16_t FormelAusdruckBerechnen(std::string_view formel, double& wert, const Formelspeicher& speicher);

// The reason text of an error number (through DS); "" for 0 and unknown numbers.
std::string FormelFehlerText(std::int16_t fehler);

} // namespace basZIRVOCompute

using basZIRVOCompute::FormelAuswerten;

// Short notes for the user in the main window's status bar: what the
// program did on its own (a typed text that was no number) and what a
// command found. The main window installs where they go; until then, and in
// programs without one, they are dropped.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace Statusmeldung {

extern std::function<void(const std::string&)> Anzeigen;

void Melden(const std::string& text);
// The note last given ("" when none or taken back).
const std::string& Letzte();
// Takes a note back once what it said no longer holds: the bar is emptied
// when its note is, or holds, that text; another note stays.
void Zurücknehmen(const std::string& text);

// True when the text, blanks around it aside, is a number as a user types
// it: an optional sign, digits with decimal point or comma and group marks
// ("1'000,5", "1.000,5"), an optional exponent.
bool IstZahl(std::string_view text);

// A number field was left: getippt is what the user typed, angezeigt what
// the field shows now. A typed text that is no number is reported: as
// discarded when the field is empty now, else with the number that was read.
void ZahlfeldVerlassen(std::string_view getippt, std::string_view angezeigt);
// The note ZahlfeldVerlassen gives, "" for none.
std::string Zahlfeldhinweis(std::string_view getippt, std::string_view angezeigt);

} // namespace Statusmeldung

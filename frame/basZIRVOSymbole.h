// Texts of the special characters in printouts: a ticked and an empty box
// and four Greek letters. In the symbol form each is the print markup
// character "÷" followed by the letter that selects the glyph; in the simple
// form (for printer fonts without special characters) a plain word.
#pragma once

#include <string>

namespace basZIRVOSymbole {

extern std::string SymbolAngekreuzt;       // ticked box
extern std::string SymbolNichtAngekreuzt;  // empty box
inline std::string& SymbolLeer = SymbolNichtAngekreuzt; // the same text under its shorter name
extern std::string SymbolDelta;
extern std::string SymbolTheta;
extern std::string SymbolEta;
extern std::string SymbolChi;
extern std::string SymbolPsi;

// Sets the seven texts, before each printout: Einfach when the printer
// setting asks for printing without special characters.
void SymbolZeichen(bool Einfach);

} // namespace basZIRVOSymbole

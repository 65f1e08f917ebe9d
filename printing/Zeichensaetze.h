// The three character sets of the printed reports, as Unicode characters:
// the normal set (Windows-1252), the symbol set (the layout of the symbol
// font, with the two boxes of the markup at 168 and 253) and the Greek set
// (Windows code page 1253). The markup of printed texts picks its Greek
// letters and boxes by set and code; the test page shows all three sets.
#pragma once

#include "frame/Druckflaeche.h"

#include <string>

namespace Zeichensätze {

// The numbers of the sets, as the reports name them.
inline constexpr int Normal = Plattform::ZeichensatzNormal;
inline constexpr int Symbol = Plattform::ZeichensatzSymbol;
inline constexpr int Griechisch = Plattform::ZeichensatzGriechisch;

// The codes of the empty and the ticked box in the symbol set.
inline constexpr int KästchenLeer = 168;
inline constexpr int KästchenAngekreuzt = 253;

// The character of code 32 to 255 in the set; 0 when the set has none there
// (control codes, gaps of the code page, codes outside 32..255, other sets).
char32_t Zeichen(int zeichensatz, int code);
// The same as UTF-8; "" when there is none.
std::string Text(int zeichensatz, int code);

} // namespace Zeichensätze

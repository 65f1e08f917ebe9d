// The characters the reports print in the print font, and whether a face
// draws them with glyphs of its own.
//
// A face that lacks a letter prints it in a glyph lent by another face; a
// symbol face puts its Greek letters and signs at the places of Latin
// letters. Either way the printout looks finished and reads wrongly (the
// PDF's text layer still reads right, so no text check sees it). The
// printer settings dialog offers only faces that draw every character of
// the set with their own glyphs, stores no other, and a printout does not
// begin with one (a settings file edited by hand).
#pragma once

#include "frame/Druckflaeche.h"

#include <string>

namespace Druckeinstellungen {
struct Werte;
}

namespace Druckzeichen {

// The characters, in this order: the Latin letters (with the umlauts and
// the accents of Swiss place names), the digits, the signs of the reports'
// texts (punctuation, "²", "³", "°", "·", "…", "–", "«", "»"). The Greek
// letters and the boxes of the markup are not among them: they are printed
// from the printer's Greek and symbol sets, in the faces the program
// carries for them, whatever the print face.
std::u32string Zeichen();

// The character as the messages quote it (UTF-8).
std::string Text(char32_t zeichen);

// "" when the face of w on the surface f draws every character of
// Zeichen() with glyphs of its own, upright and bold; else the
// message naming the face and the first character it lacks (f's font is
// changed).
std::string Fehler(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w);

} // namespace Druckzeichen

// Which faces draw a text's characters with glyphs of their own, and the
// faces the font dialog offers.
//
// A face is asked without Qt's font merging, so that a character it lacks
// is not found in another face; a symbol face (one whose letters are signs
// or Greek letters at the places of Latin ones, "Standard Symbols PS") is
// taken to lack every Latin letter, although its character map answers for
// them.
#pragma once

#include <QFont>
#include <QStringList>

#include <string_view>

namespace QtSchriftzeichen {

// The first character of zeichen that the face f resolves to does not draw
// with a glyph of its own; 0 when it draws them all.
char32_t Fehlendes(const QFont& f, std::u32string_view zeichen);

// The same for a family as the print font has it, upright or bold.
char32_t Fehlendes(const QString& familie, std::u32string_view zeichen);

// The family without its foundry: "Nimbus Sans" for "Nimbus Sans [urw]".
QString OhneGiesserei(const QString& familie);

// The families of the system for the print font, sorted, each once by its
// name (without foundry): only those with an upright regular style, no
// names that stand for another family ("Sans Serif", "Monospace"), and only
// faces that draw every character of zeichen with their own glyphs,
// upright and bold.
QStringList Familien(std::u32string_view zeichen);

} // namespace QtSchriftzeichen

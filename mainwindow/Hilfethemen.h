// The help texts that are made from the program's own tables, so that they
// can never disagree with what the program computes: the building
// categories with their standard use ("Gk") and the calculation values of
// the proofs ("Rw"). Each comes as a topic of the help panel (narrow, with
// links) and as a table for the help pages (wide, no links).
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace Hilfethemen {

// The standard use of the twelve categories: for the panel one block per
// category, for a page one table.
std::string Standardnutzungen(bool seite);
// The limit of the heating demand and of the heat load per category, and
// the limit and target values of single components.
std::string Rechenwerte(bool seite);

// The code suffixes of the single-component proof by example: a wall
// against outside air whose U lies between the limits for new buildings and
// for conversions, under its code without suffix, with "u" and with "*",
// each with its table value and verdict.
std::string Codebeispiel();

// The generated topics of the help panel (name, rich text).
std::vector<std::pair<std::string, std::string>> Themen();
// The generated tables for the help pages: a page's placeholder
// "<!--ZIRVO:name-->" is replaced by the table of that name ("Gk", "Rw",
// "Codebeispiel").
std::vector<std::pair<std::string, std::string>> Seitentabellen();

} // namespace Hilfethemen

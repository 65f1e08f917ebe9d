// The reports' character grid on the page, and whether a print font fits it.
//
// Every report is laid out on one grid of character cells over the paper
// less its margins: portrait 79 columns x 66 rows, landscape (the page
// turned a quarter, the binding margin at the top) 128 x 41. The grid is
// the layout and cannot grow; so a font fits a combination of settings only
// when its text stays legible in the grid's cells:
//  - its digits (the widest, bold or not) take at most 88 % of a cell's
//    width: numbers fill their fields to the cell, and the narrowest fields
//    of the tables, a unit such as "[kWh/m²]" (7.2 digits of Arial) right-
//    aligned in 7 cells whose first half the column's rule takes, then keep
//    a gap to their neighbours and rules;
//  - a line of its text, with a subscript of the markup below it, is no
//    taller than a row (Drucken::Markupzeile).
// With rows by font height ("Anzahl Druckzeilen gemäss Druckerschrift") the
// rows take the height of such a line, and the page must then still hold
// the tallest part of a report that is never broken over pages (the cover
// in portrait, the energy table in landscape).
//
// The printer settings dialog asks it of the font and margins the user
// chooses, the start of every printout of the settings it prints with; the
// metrics are those of the printer's own surface. Where the settings do not
// print, the message names what does, found with the checks the printout
// makes: the grid and the dry run that lays the reports out on that surface.
#pragma once

#include "printing/Druckeinstellungen.h"

#include <functional>
#include <string>
#include <vector>

namespace Plattform {
class Druckfläche;
}

namespace Druckraster {

inline constexpr int SpaltenHochformat = 79, ZeilenHochformat = 66;
inline constexpr int SpaltenQuerformat = 128, ZeilenQuerformat = 41;
// The share of a cell's width a digit may take.
inline constexpr double Ziffernanteil = 0.88;

// The grid on a page of that paper size (cm, as the orientation has it):
// the margins as they lie on the turned page, the grid's size in cm and its
// columns and rows as the layout has them.
struct Raster {
    double Links, Oben, Rechts, Unten;
    double Breite, Höhe;
    int Spalten, Zeilen;
};
Raster Seite(const Druckeinstellungen::Werte& w, bool quer, double papierBreite, double papierHöhe);

enum class Grund { Passt, ZuBreit, ZuHoch, ZuWenigZeilen };

struct Prüfung {
    Grund Ergebnis = Grund::Passt;
    Raster Gitter{};
    double Ziffer = 0, Zeile = 0; // the font's widest digit and line, cm
    int Zeilen = 0;               // rows of a page (by font height: as many as fit)
    int Mindestzeilen = 0;        // rows a page must have
    bool Passt() const { return Ergebnis == Grund::Passt; }
};

// Whether the font and size of w fit the grid of the orientation on the
// surface f (its paper and metrics; f's orientation and font are changed).
// zeilenNachSchrift: rows by font height; dateiname: the cover carries the
// project file's name below its frame.
Prüfung Prüfen(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w, bool quer, bool zeilenNachSchrift,
               bool dateiname);

// The largest size from 6 to 15 pt, in half points, at which the font of w
// fits in every orientation given with the margins of w; 0 when none does.
double GrössteSchrift(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w, const std::vector<bool>& quer,
                      bool zeilenNachSchrift, bool dateiname);

// A dry run of reports on the measuring surface f with the settings w, rows
// by font height or not: "" when every text keeps its room, else what
// leaves it (a message).
using Probelauf = std::function<std::string(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w,
                                            bool zeilenNachSchrift)>;

// One way the settings are printed: an orientation, rows by font height or
// not, and the reports laid out then (Lauf; none: the grid alone).
// Zeilenwahl: the user chooses the rows by font height for it (the print
// dialog of the system proof), so that they are a way out to name.
struct Ausdruck {
    bool Quer = false;
    bool ZeilenNachSchrift = false;
    Probelauf Lauf;
    bool Zeilenwahl = false;
};

// "" when the settings w lie in their ranges, their face draws the reports'
// characters with its own glyphs (Druckzeichen) and they print in every way
// of drucke (the grid, then the dry runs); else the message saying why not
// (for digits too wide: the share of a column they may take and the
// column's width; for a text that leaves its room: the dry run's words)
// and what does print, each found with the same checks: the largest size
// for these margins; rows by font height where a way has Zeilenwahl;
// narrower margins for the size of w (where none do, a smaller size with
// narrower margins, or that nothing prints). A size or margins named also
// print in every way of speichern (the set-up dialog's checks, so that they
// can be stored).
std::string Meldung(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w, const std::vector<Ausdruck>& drucke,
                    const std::vector<Ausdruck>& speichern, bool dateiname);
// The grid alone in every orientation given; rows by font height named
// where they would print an upright printout.
std::string Meldung(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w, const std::vector<bool>& quer,
                    bool zeilenNachSchrift, bool dateiname);
// The same on the surface the printer named gives to measure on; where it
// gives none, the ranges alone.
std::string Druckermeldung(const std::string& drucker, const Druckeinstellungen::Werte& w,
                           const std::vector<Ausdruck>& drucke, const std::vector<Ausdruck>& speichern,
                           bool dateiname);

} // namespace Druckraster

// The print settings with their defaults and valid ranges: font "Arial",
// size 9 (6 to 15), special characters on, line width 3 (1 to 5, in
// 1/600 inch), margins left 3, top, right and bottom 1.5 cm (0 to 6 each).
// A value out of range is never replaced without a word: the printer
// settings dialog and the start of a printout name it (Bereichsfehler) and
// keep it from being stored or printed with. Whether the font fits the
// reports' grid with these margins is Druckraster's to say.
#pragma once

#include <string>

class CheckBox;
class Initialisierung;

namespace Druckeinstellungen {

// The ranges of the font size (pt), the line width and each margin (cm).
inline constexpr double GrösseVon = 6, GrösseBis = 15, LinieVon = 1, LinieBis = 5, RandVon = 0, RandBis = 6;

// The default of setting i, 0 to 7 in the order font, size, without special
// characters, line width, left, top, right, bottom; "" for other numbers.
std::string Standardwert(int i);

struct Werte {
    std::string Schrift;
    double Grösse;
    bool Einfach;
    double Linie;
    double Links, Oben, Rechts, Unten;
    bool operator==(const Werte&) const = default;
};

// The settings' values as they stand ("Arial" while no font is named).
Werte Gelesen(const Initialisierung& ini);
// The settings' values, each one out of range replaced by its default.
Werte Geprüft(const Initialisierung& ini);
// The first value of w out of its range, as a message naming it and its
// range ("Linker Rand: 7 cm liegt ausserhalb des Bereichs von 0 bis 6 cm.");
// "" when every value lies in its range.
std::string Bereichsfehler(const Werte& w);

// The printer the printouts use: the one the settings name, the PDF
// printer while they name none.
std::string Drucker(const Initialisierung& ini);

// Settings that name no printer yet (a fresh settings file) print on the
// program's own PDF printer, which is always there: with the defaults above
// (put in place when no font is named either) it counts as set up, so the
// first printout needs no detour through the printer settings. A printer of
// the system is chosen there.
void DruckerVorgabe(Initialisierung& ini);

// The print dialogs' box "Beidseitiger Druck (Duplex)" for the printer the
// printouts use: open, and checked as gewünscht, when that printer prints
// on both sides; else closed and empty, its tool tip saying why (the
// printout would come out on one side without a word).
void DuplexKästchen(CheckBox& kästchen, const Initialisierung& ini, bool gewünscht);

// The checks: the value when it lies in the range, else the default.
double Schriftgrösse(double x);
double Linie(double x);
// i: 4 left, 5 top, 6 right, 7 bottom.
double Rand(int i, double x);

} // namespace Druckeinstellungen

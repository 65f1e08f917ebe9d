// Program-wide values: title, version, icon, days per month.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class Formular;

namespace basZIRVO3801 {

// The maker's label in front of the program's name.
inline const std::string Herstellerbezeichnung = "Bauphysik";

extern std::string ProgrammTitel;           // "Bauphysik ZIRVO 380/1"
extern std::string ProgrammVersion;         // "9": the major version (Versionsnummer)
extern std::string ProgrammVersionBuchstabe; // "a"
extern std::string ProgrammKurzname;        // "ZIRVO 380/1"
extern std::string ProgrammTitelPräfix;     // set at start, the main window's caption rests on it
extern std::string ProgrammIcon;            // the program's icon, a resource built into the program

// Days per month, January to December; February is always 28.
inline constexpr std::array<double, 12> Monatstage = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Sets the globals as the start of the program does (idempotent).
void GlobaleSetzen();

// Gives a form the program icon.
void FormularIconSetzen(Formular& formular);

// x rounded to n decimals, halves away from zero on the decimal value as the
// program writes it (45.05 -> 45.1, 1.005 -> 1.01, -2.25 -> -2.3). Every
// judged value is rounded with it before it is compared. 0 when x is not
// finite or n is negative.
double Runden(double x, std::int16_t n);

// The twelve short month names "Jan" .. "Dez" (index 0..11) from the message
// text; entries the text lacks stay empty.
std::array<std::string, 12> MonatsnamenInitialisieren();

} // namespace basZIRVO3801

using basZIRVO3801::Monatstage;

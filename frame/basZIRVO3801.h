// Program-wide values: title, version, icon, days per month.
#pragma once

#include <array>
#include <string>

class Formular;

namespace basZIRVO3801 {

// The maker's label in front of the program's name.
inline const std::string Herstellerbezeichnung = "Bauphysik";

extern std::string ProgrammTitel;           // "Bauphysik ZIRVO 380/1"
extern std::string ProgrammVersion;         // "9"
extern std::string ProgrammVersionBuchstabe; // "a"
extern std::string ProgrammKurzname;        // "ZIRVO 380/1"
extern std::string ProgrammTitelPräfix;     // set at start, the main window's caption rests on it
extern std::string ProgrammIcon;            // resource name of the main window's icon

// Days per month, January to December; February is always 28.
inline constexpr std::array<double, 12> Monatstage = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Sets the globals as the start of the program does (idempotent).
void GlobaleSetzen();

// Gives a form the program icon.
void FormularIconSetzen(Formular& formular);

} // namespace basZIRVO3801

using basZIRVO3801::Monatstage;

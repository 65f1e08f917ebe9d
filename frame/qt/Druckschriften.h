// The faces the printouts are laid out for, carried inside the program.
//
// The reports are laid out for Arial's widths. The program carries
// Liberation Sans (the same widths; SIL Open Font License, its text beside
// the program) in the weights the reports use, regular and bold, and
// registers them with Qt's font database: just after its start, or at the
// first use of a print font, whichever comes first. A print font named
// "Arial" (the default) is always printed in that face, whatever fonts the
// machine has and whatever fontconfig makes of the name. Any other font
// named in the print settings is taken from the system.
#pragma once

#include <QString>

#include <vector>

namespace QtDruckschriften {

// The family of the carried faces.
inline constexpr const char* Familie = "Liberation Sans";

// Registers the carried faces once per run (later calls only answer).
// False when one of them could not be read.
bool Einbinden();

// The family a print font of that name is asked for by: the carried face
// for "Arial" (in any case; registered first where it is not yet), else the
// name as it is. "Arial" stays "Arial" only should the faces be unreadable.
QString DruckFamilie(const QString& name);

// Registers the carried faces with Qt's font database and returns their
// ids (-1 for one that could not be read): what Einbinden does once, and
// the benchmark of the start again and again.
std::vector<int> Registrieren();

} // namespace QtDruckschriften

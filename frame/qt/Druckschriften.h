// The faces the printouts are laid out and drawn with, carried inside the
// program.
//
// The reports are laid out for Arial's widths. The program carries
// Liberation Sans (the same widths; SIL Open Font License, its text beside
// the program) in the weights the reports use, regular and bold; it also
// draws the Greek set of the markup (Δ, θ, η, χ, ψ). For the symbol set
// (the check boxes ☐ ☒ and the signs of the test page), which Liberation
// Sans lacks, it carries DejaVu Sans, regular and bold (Bitstream Vera
// license, its text beside the program). All are registered with Qt's font
// database: just after the program's start, or at the first use of a print
// font, whichever comes first; a face of the system of the same name and
// style gives way to them. A print font named "Arial" (the default) is
// always printed in Liberation Sans, and the Greek letters and the boxes of
// every printout in these faces, whatever fonts the machine has and
// whatever fontconfig makes of the name. Any other font named in the print
// settings is taken from the system.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace QtDruckschriften {

// The family of the carried faces for "Arial" and the Greek set.
inline constexpr const char* Familie = "Liberation Sans";
// The family of the carried faces for the symbol set.
inline constexpr const char* Symbolfamilie = "DejaVu Sans";

// Registers the carried faces once per run (later calls only answer).
// False when one of them could not be read.
bool Einbinden();

// The family a print font of that name is asked for by: the carried face
// for "Arial" (in any case; registered first where it is not yet), else the
// name as it is. "Arial" stays "Arial" only should the faces be unreadable.
QString DruckFamilie(const QString& name);

// The family of the face the printer takes for a character set
// (Plattform::Zeichensatz...): Liberation Sans for the Greek set, DejaVu
// Sans for the symbol set (registered first where they are not yet); the
// print font's for the normal set.
QString SatzFamilie(const QString& name, int zeichensatz);

// The families a text of the print font name draws from, in this order:
// the print font's, then the carried faces for any character it lacks (a
// name or an address may hold any letter), before a face of the system.
QStringList Familien(const QString& name);

// Registers the carried faces with Qt's font database and returns their
// ids (-1 for one that could not be read): what Einbinden does once, and
// the benchmark of the start again and again.
std::vector<int> Registrieren();

} // namespace QtDruckschriften

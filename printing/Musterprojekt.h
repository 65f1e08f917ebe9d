// Reference projects built into the program, whose system proofs print
// every fixed text of the reports: every table head, unit and label of the
// cover, the summary, the protocol of a zone and the component sheets, in
// each of the forms a project can give them (one zone and several; limit,
// target and conversion; task proof, optimisation and measured value; each
// building category; north turned either way or not; natural, mechanical
// and combined ventilation; with and without extra consumers, remarks and
// flow temperatures; tables with rows and empty ones). The zones carry
// their results as a computation stores them, with values of the widths
// real projects have.
//
// The printer settings dialog lays them out (ZIRVO3801Drucken::
// Einrichtungsprobe), so that a setting it stores prints the system proof
// of any project as far as its fixed texts go.
#pragma once

#include <memory>

namespace Musterprojekt {

// The number of reference projects.
inline constexpr int Anzahl = 3;

// While one lives, reference project nr (0 to Anzahl - 1) stands in for the
// open project: Global::Projekt is the reference project, with envelope
// records and a north of its own; the reports' walks over the zones then
// only make a zone current (the zones' results are stored in the project),
// so the main window's tables and the balance dialogs are left alone. At
// its end the open project, its current zone, its envelope records and its
// north are back exactly as they were. The layout of a report changes
// nothing else.
class Stellvertretung {
public:
    explicit Stellvertretung(int nr);
    ~Stellvertretung();
    Stellvertretung(const Stellvertretung&) = delete;
    Stellvertretung& operator=(const Stellvertretung&) = delete;

private:
    struct Zustand;
    std::unique_ptr<Zustand> zustand_;
};

// Whether a reference project stands in for the open one.
bool Aktiv();

} // namespace Musterprojekt

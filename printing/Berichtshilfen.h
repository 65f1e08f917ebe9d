// What the sections of the printed system proof share: the walk over the
// zones, the building's means weighted by the energy reference area, the
// limit of the heating demand, and the guard that runs one section.
#pragma once

#include "frame/basZIRVODialogSprache.h"
#include "printing/ZIRVO3801Drucken.h"

#include <cstdint>
#include <exception>
#include <string>

namespace Berichtshilfen {

// A mean over the zones weighted by their energy reference area. A zone
// without area adds nothing, so a zone of 0 m² neither divides by zero nor
// pulls the building's mean towards its own value.
class EBFMittel {
public:
    void Hinzufügen(double wert, double EBF) {
        if (!(EBF > 0)) return;
        mittel_ = (wert * EBF + mittel_ * summe_) / (EBF + summe_);
        summe_ += EBF;
    }
    double Wert() const { return mittel_; }
    bool Leer() const { return summe_ == 0; }

private:
    double mittel_ = 0;
    double summe_ = 0;
};

// Makes zone i current, loads it into the main window's tables and computes
// its heating-demand result (the balance and the proof values "Ae", "HgNw",
// "PhNw", "PhNwGw" are stored in the zone). The last zone walked stays
// current. While a reference project stands in (Musterprojekt) it only
// makes the zone current.
void ZoneRechnen(std::int16_t i);

// The printed limit of a zone's heating demand: "HgNw" times 1.5 for a
// conversion, else times 0.6 for the target value.
double Grenzwert(double HgNw);

// A code in a narrow column that begins at the code's column and is
// `breite` cells wide: 0 when the code fits there (it stands left-aligned,
// as always); else the whole cells it takes right-aligned at the column's
// end, the text left of it giving way; at most `höchstens`, the code then
// cut short with "…".
int Codezellen(Drucken& d, std::string& code, bool bold, int breite, int höchstens = 8);
// Prints such a code in row: at its column, or right-aligned in the
// `zellen` cells Codezellen gave it.
void CodeDrucken(Drucken& d, int row, int spalte, int breite, int zellen, const std::string& code, bool bold);

// A quotient that is 0 when the divisor is.
inline double Anteil(double a, double b) { return b == 0 ? 0 : a / b; }

} // namespace Berichtshilfen

template <class F> void ZIRVO3801Drucken::Abschnitt(const std::string& teil, bool& failed, F&& abschnitt) {
    failed = false;
    // A dry run's drawing knows which section it belongs to.
    if (aufzeichnung_) aufzeichnung_->Markieren(Probemarke::AbschnittBeginn, teil);
    try {
        abschnitt(failed);
    } catch (const std::exception&) {
        failed = true;
    }
    if (aufzeichnung_) aufzeichnung_->Markieren(Probemarke::AbschnittEnde);
    // The part that failed, from the outermost section to the innermost.
    if (failed) fehlerteil_ = fehlerteil_.empty() ? teil : teil + ", " + fehlerteil_;
}

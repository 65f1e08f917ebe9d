#include "printing/Druckeinstellungen.h"

#include "frame/Druckflaeche.h"
#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/Steuerelemente.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basVB6NumCvt.h"

#include <cmath>

namespace Druckeinstellungen {

namespace {
double Im(double x, double von, double bis, double sonst) {
    return std::isfinite(x) && x >= von && x <= bis ? x : sonst;
}
} // namespace

std::string Standardwert(int i) {
    switch (i) {
    case 0: return "Arial";
    case 1: return "9";
    case 2: return "0";
    case 3: return "3";
    case 4: return "3";
    case 5:
    case 6:
    case 7: return "1.5";
    default: return "";
    }
}

double Schriftgrösse(double x) { return Im(x, 6, 15, 9); }
double Linie(double x) { return Im(x, 1, 5, 3); }
double Rand(int i, double x) { return Im(x, 0, 6, ZahlLesenDbl(Standardwert(i))); }

Werte Geprüft(const Initialisierung& ini) {
    Werte w;
    w.Schrift = ini.DruckerSchrift.empty() ? Standardwert(0) : ini.DruckerSchrift;
    w.Grösse = Schriftgrösse(ini.DruckerSchriftgrösse);
    w.Einfach = ini.DruckerSchriftEinfach != 0;
    w.Linie = Linie(ini.DruckerLinie);
    w.Links = Rand(4, ini.DruckerRandLinks);
    w.Oben = Rand(5, ini.DruckerRandOben);
    w.Rechts = Rand(6, ini.DruckerRandRechts);
    w.Unten = Rand(7, ini.DruckerRandUnten);
    return w;
}

std::string Drucker(const Initialisierung& ini) {
    return ini.DruckerName.empty() ? std::string(Plattform::PdfDrucker) : ini.DruckerName;
}

void DuplexKästchen(CheckBox& kästchen, const Initialisierung& ini, bool gewünscht) {
    const bool beidseitig = Plattform::drucker().Beidseitig(Drucker(ini));
    kästchen.setEnabled(beidseitig);
    kästchen.setValue(beidseitig && gewünscht ? 1 : 0);
    kästchen.setToolTipText(beidseitig ? "" : DS("Der Drucker hat keine Duplex-Einheit: er druckt nur einseitig."));
}

void DruckerVorgabe(Initialisierung& ini) {
    if (!ini.DruckerName.empty()) return;
    ini.DruckerName = Drucker(ini);
    // Print settings never made (no font named) take the defaults, as the
    // printer settings dialog would show them: a fresh settings file holds
    // zero margins, which are in range.
    if (!ini.DruckerSchrift.empty()) return;
    ini.DruckerSchrift = Standardwert(0);
    ini.DruckerSchriftgrösse = static_cast<float>(ZahlLesenDbl(Standardwert(1)));
    ini.DruckerSchriftEinfach = static_cast<float>(ZahlLesenDbl(Standardwert(2)));
    ini.DruckerLinie = static_cast<float>(ZahlLesenDbl(Standardwert(3)));
    ini.DruckerRandLinks = static_cast<float>(ZahlLesenDbl(Standardwert(4)));
    ini.DruckerRandOben = static_cast<float>(ZahlLesenDbl(Standardwert(5)));
    ini.DruckerRandRechts = static_cast<float>(ZahlLesenDbl(Standardwert(6)));
    ini.DruckerRandUnten = static_cast<float>(ZahlLesenDbl(Standardwert(7)));
}

} // namespace Druckeinstellungen

#include "printing/Druckeinstellungen.h"

#include "balance/Anzeigezahl.h"
#include "frame/Druckflaeche.h"
#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/Steuerelemente.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basVB6NumCvt.h"

#include <cmath>

namespace Druckeinstellungen {

namespace {
bool Drin(double x, double von, double bis) { return std::isfinite(x) && x >= von && x <= bis; }
double Im(double x, double von, double bis, double sonst) { return Drin(x, von, bis) ? x : sonst; }
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

double Schriftgrösse(double x) { return Im(x, GrösseVon, GrösseBis, ZahlLesenDbl(Standardwert(1))); }
double Linie(double x) { return Im(x, LinieVon, LinieBis, ZahlLesenDbl(Standardwert(3))); }
double Rand(int i, double x) { return Im(x, RandVon, RandBis, ZahlLesenDbl(Standardwert(i))); }

Werte Gelesen(const Initialisierung& ini) {
    // The settings keep Singles: each value as it was typed.
    using basVB6NumCvt::EinfachWert;
    return {ini.DruckerSchrift.empty() ? Standardwert(0) : ini.DruckerSchrift,
            EinfachWert(ini.DruckerSchriftgrösse),
            ini.DruckerSchriftEinfach != 0,
            EinfachWert(ini.DruckerLinie),
            EinfachWert(ini.DruckerRandLinks),
            EinfachWert(ini.DruckerRandOben),
            EinfachWert(ini.DruckerRandRechts),
            EinfachWert(ini.DruckerRandUnten)};
}

Werte Geprüft(const Initialisierung& ini) {
    Werte w = Gelesen(ini);
    w.Grösse = Schriftgrösse(w.Grösse);
    w.Linie = Linie(w.Linie);
    w.Links = Rand(4, w.Links);
    w.Oben = Rand(5, w.Oben);
    w.Rechts = Rand(6, w.Rechts);
    w.Unten = Rand(7, w.Unten);
    return w;
}

std::string Bereichsfehler(const Werte& w) {
    const struct {
        const char* name;
        double wert, von, bis;
        const char* einheit;
    } werte[] = {{"Schriftgrösse", w.Grösse, GrösseVon, GrösseBis, " pt"},
                 {"Linienstärke", w.Linie, LinieVon, LinieBis, ""},
                 {"Linker Rand", w.Links, RandVon, RandBis, " cm"},
                 {"Oberer Rand", w.Oben, RandVon, RandBis, " cm"},
                 {"Rechter Rand", w.Rechts, RandVon, RandBis, " cm"},
                 {"Unterer Rand", w.Unten, RandVon, RandBis, " cm"}};
    for (const auto& x : werte) {
        if (Drin(x.wert, x.von, x.bis)) continue;
        const std::string wert = std::isfinite(x.wert) ? Anzeigezahl::Zahltext(x.wert) + x.einheit : "?";
        return DSFormat2(DSFormat2("@: @ liegt ausserhalb des Bereichs von @ bis @.", DS(x.name), wert),
                         Anzeigezahl::Zahltext(x.von), Anzeigezahl::Zahltext(x.bis) + x.einheit);
    }
    return {};
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

#include "balance/Anzeigezahl.h"

#include "frame/basVB6NumCvt.h"
#include "frame/cVB6_NumCvt.h"

#include <cmath>

namespace Anzeigezahl {

double Endlich(double x) { return std::isfinite(x) ? x : 0.0; }

std::string MitTrenner(std::string text) {
    const std::string& t = cVB6_NumCvt::Instanz().Dezimaltrenner();
    const auto punkt = text.find('.');
    if (punkt != std::string::npos && (t == "," || t == ".")) text.replace(punkt, 1, t);
    return text;
}

std::string Festkomma(double wert, int dezimalen) {
    return MitTrenner(basVB6NumCvt::FestkommaText(Endlich(wert), dezimalen));
}

std::string Zahltext(double wert) { return MitTrenner(basVB6NumCvt::ZahlText(wert)); }

} // namespace Anzeigezahl

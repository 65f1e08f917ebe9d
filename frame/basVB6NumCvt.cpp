// Placeholder: replaced by the full number reader and writer.
#include "frame/basVB6NumCvt.h"

#include <cstdlib>
#include <string>

namespace basVB6NumCvt {
bool KommaEingabe = false;
void KommaEingabeSetzen(bool wert) { KommaEingabe = wert; }
double Scannen(std::string_view text) { return std::strtod(std::string(text).c_str(), nullptr); }
double ZahlLesen(std::string_view text) { return Scannen(text); }
std::int16_t ZahlLesenInt(std::string_view text) { return static_cast<std::int16_t>(Scannen(text)); }
std::int32_t ZahlLesenLong(std::string_view text) { return static_cast<std::int32_t>(Scannen(text)); }
double ZahlLesenDbl(std::string_view text) { return Scannen(text); }
std::string ZahlText(double wert) { return std::to_string(wert); }
} // namespace basVB6NumCvt

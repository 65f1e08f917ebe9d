#include "balance/basZIRVOMeteo.h"

#include "frame/basZIRVODialogSprache.h"

namespace basZIRVOMeteo {

std::string StrahlungsverteilungText(std::int16_t i) {
    switch (i) {
    case 0: return DS("Gemäss SIA 381/2 (Ausgabe 1988)");
    case 1: return DSFormat("Strahlungsverteilung wie @", "Zürich-Kloten");
    case 2: return DSFormat("Strahlungsverteilung wie @", "Davos-Platz");
    case 3: return DSFormat("Strahlungsverteilung wie @", "Locarno-Monti");
    default: return "?";
    }
}

} // namespace basZIRVOMeteo

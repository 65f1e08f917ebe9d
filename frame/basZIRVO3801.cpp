#include "frame/basZIRVO3801.h"

#include "frame/Steuerelemente.h"
#include "frame/Versionsnummer.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVODialogSprache.h"

namespace basZIRVO3801 {

std::string ProgrammTitel = Herstellerbezeichnung + " ZIRVO 380/1";
std::string ProgrammVersion = std::to_string(Versionsnummer::Haupt);
std::string ProgrammVersionBuchstabe = "a";
std::string ProgrammKurzname = "ZIRVO 380/1";
std::string ProgrammTitelPräfix;
std::string ProgrammIcon = ":/zirvo/zirvo3801.svg";

void GlobaleSetzen() {
    ProgrammTitel = Herstellerbezeichnung + " " + ProgrammKurzname;
    ProgrammVersion = std::to_string(Versionsnummer::Haupt);
    ProgrammVersionBuchstabe = "a";
    ProgrammKurzname = "ZIRVO 380/1";
    ProgrammTitelPräfix = ProgrammTitel;
}

void FormularIconSetzen(Formular& formular) { formular.Icon = ProgrammIcon; }

double Runden(double x, std::int16_t n) {
    std::string text = basVB6NumCvt::FestkommaText(x, n);
    if (text.empty()) return 0;
    return basVB6NumCvt::ZahlLesenDbl(text);
}

std::array<std::string, 12> MonatsnamenInitialisieren() {
    std::array<std::string, 12> namen{};
    std::string text = DS("Jan Feb Mar Apr Mai Jun Jul Aug Sep Okt Nov Dez");
    if (text.empty()) return namen;
    std::size_t anfang = 0;
    for (auto& name : namen) {
        std::size_t ende = text.find(' ', anfang);
        name = text.substr(anfang, ende == std::string::npos ? std::string::npos : ende - anfang);
        if (ende == std::string::npos) break;
        anfang = ende + 1;
    }
    return namen;
}

} // namespace basZIRVO3801

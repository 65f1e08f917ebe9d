#include "frame/basZIRVO3801.h"

#include "frame/Steuerelemente.h"

namespace basZIRVO3801 {

std::string ProgrammTitel = Herstellerbezeichnung + " ZIRVO 380/1";
std::string ProgrammVersion = "9";
std::string ProgrammVersionBuchstabe = "a";
std::string ProgrammKurzname = "ZIRVO 380/1";
std::string ProgrammTitelPräfix;
std::string ProgrammIcon = ":/zirvo/ZIRVO3801.png";

void GlobaleSetzen() {
    ProgrammTitel = Herstellerbezeichnung + " " + ProgrammKurzname;
    ProgrammVersion = "9";
    ProgrammVersionBuchstabe = "a";
    ProgrammKurzname = "ZIRVO 380/1";
    ProgrammTitelPräfix = ProgrammTitel;
}

void FormularIconSetzen(Formular& formular) { formular.Icon = ProgrammIcon; }

} // namespace basZIRVO3801

#include "frame/basZIRVOBildschirmschrift.h"

#include "frame/Steuerelemente.h"
#include "frame/basZIRVO.h"

namespace basZIRVOBildschirmschrift {

namespace {
std::string desktopName;
double desktopGrösse = 0;
} // namespace

void DesktopSchriftSetzen(const std::string& name, double grösse) {
    desktopName = name;
    desktopGrösse = grösse;
}

std::string BildschirmschriftName() { return desktopName.empty() ? std::string("Sans Serif") : desktopName; }

float BildschirmschriftGrösse() {
    if (desktopGrösse > 0) return static_cast<float>(desktopGrösse);
    return basZIRVO::IstVistaOderNeuer() ? 9.0f : 8.25f;
}

void BildschirmschriftSetzen(Formular& Formular) {
    if (Formular.FontName != "MS Sans Serif") return;
    Formular.FontName = BildschirmschriftName();
    if (Formular.FontSize == 8.25) Formular.FontSize = BildschirmschriftGrösse();
}

} // namespace basZIRVOBildschirmschrift

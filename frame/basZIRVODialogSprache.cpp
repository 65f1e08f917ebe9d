#include "frame/basZIRVODialogSprache.h"

namespace basZIRVODialogSprache {

bool Sprachflag = false;

bool SpracheSetzen() {
    Sprachflag = true;
    return false;
}

void DialogSpracheBeenden() {}

std::string DS(std::string_view text) { return Sprachflag ? std::string(text) : std::string(); }

namespace {
std::string einsetzen(std::string vorlage, std::string_view wert) {
    auto pos = vorlage.find('@');
    if (pos == std::string::npos) return vorlage.append(wert);
    return vorlage.replace(pos, 1, wert);
}
} // namespace

std::string DSFormat(std::string_view vorlage, std::string_view wert) { return einsetzen(DS(vorlage), wert); }

std::string DSFormat2(std::string_view vorlage, std::string_view wert1, std::string_view wert2) {
    return DSFormat(DSFormat(vorlage, wert1), wert2);
}

} // namespace basZIRVODialogSprache

// The one text function every shown text passes through, and its "@" fillers.
#pragma once

#include <string>
#include <string_view>

namespace basZIRVODialogSprache {

extern bool Sprachflag;

// Switches the texts on; returns False (True would end the program).
bool SpracheSetzen();
void DialogSpracheBeenden();

// The text to show: unchanged while the texts are on, else "".
std::string DS(std::string_view text);
// DS(vorlage) with its first "@" replaced by wert; without "@", wert is appended.
std::string DSFormat(std::string_view vorlage, std::string_view wert);
// DSFormat with wert1, then DSFormat of that with wert2.
std::string DSFormat2(std::string_view vorlage, std::string_view wert1, std::string_view wert2);

} // namespace basZIRVODialogSprache

using basZIRVODialogSprache::DS;
using basZIRVODialogSprache::DSFormat;
using basZIRVODialogSprache::DSFormat2;

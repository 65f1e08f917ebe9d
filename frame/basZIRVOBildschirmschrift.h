// The screen font that every window shows: the desktop's own font.
#pragma once

#include <string>

class Formular;

namespace basZIRVOBildschirmschrift {

// The window code tells the desktop's font once at start (family and size in
// points; a size of 0 or less is not known).
void DesktopSchriftSetzen(const std::string& name, double grösse);

// The desktop's font family; "Sans Serif" while the desktop has not told one.
std::string BildschirmschriftName();

// The desktop's font size in points; while it is not known, 9 on a current
// system (8.25 on an old one).
float BildschirmschriftGrösse();

// Applies the screen font to a window: a font name "MS Sans Serif" (the
// designed default) becomes the screen font, and then a size of 8.25 becomes
// the screen font size. Windows designed with another font or size keep it.
void BildschirmschriftSetzen(Formular& Formular);

} // namespace basZIRVOBildschirmschrift

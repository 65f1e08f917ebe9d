// The screen font on the Qt side: the desktop's font is told to the window
// models at start, and a view shows its window model's font.
#pragma once

class Formular;
class QWidget;

namespace QtBildschirmschrift {

// Tells the window models the desktop's general font.
void DesktopSchriftÜbernehmen();

// Gives the widget (and so its children) the window model's font, when the
// model's font is no longer the designed default.
void Anwenden(QWidget* widget, const Formular& formular);

} // namespace QtBildschirmschrift

// Pieces the views of the component windows share: menu entries that
// follow their states, separator lines, and plain text boxes for the
// model's fields.
#pragma once

#include "frame/qt/Dialoghilfe.h"

#include <functional>

class QAction;
class QFrame;
class QMenu;

namespace Fensterhilfe {

// A menu entry bound to its state: caption, enabled, visible; triggering
// it runs the handler.
QAction* Aktion(Menüeintrag& zustand, QMenu* menü, Dialoghilfe::Beobachtungen& beobachtet,
                std::function<void()> handler);
// A horizontal separator line (a double line when doppelt).
QFrame* Trennlinie(QWidget* eltern, bool doppelt = false);

} // namespace Fensterhilfe

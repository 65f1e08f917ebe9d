// The small button a focused cell shows at its right edge (the pick-list
// arrow, the code picker's "..."): one cell high and as wide, joined to the
// cell's right edge. It stands over the left end of the cell beside it, so
// that cell's text moves right by as much while the button is there and
// nothing of it is hidden; it moves back when the button goes or moves on.
#pragma once

class QLineEdit;
class QWidget;

namespace Zellknopf {

// Places the button beside the cell and shows it above its neighbours.
void Zeigen(QWidget* knopf, QLineEdit* zelle);
// Hides the button; the cell beside it gets its room back.
void Verbergen(QWidget* knopf);
// The cell beside the button, whose text makes room for it (null: none).
QLineEdit* Nachbar(const QWidget* knopf);

} // namespace Zellknopf

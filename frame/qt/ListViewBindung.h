// Binds the list view and tab strip states of frame/ListView.h to Qt
// widgets: a list view in report view to a QTreeWidget without branches
// (columns, widths, alignment, rows, bold rows; the user selects but never
// edits), a tab strip to a QTabBar (tabs and the selected tab both ways).
// As with the other bindings, the binding lives as long as both sides and
// mirrors the state at once and after every change.
#pragma once

class ListView;
class QTabBar;
class QTreeWidget;
class TabStrip;

namespace Bindung {

void binden(ListView& zustand, QTreeWidget* widget);
void binden(TabStrip& zustand, QTabBar* widget);

// The outer width a bound list needs to show all its columns (widened to
// their captions and texts by the binding) without a horizontal scroll
// bar, room for a vertical one included. A window that holds the list
// grows by what its list lacks of it.
int Listenbreite(const QTreeWidget* widget);

} // namespace Bindung

// Where the program's windows stand on the desktop: who owns a window that
// opens, and that every window opens wholly inside the free area of its
// screen (the area the desktop leaves to windows, without its panels).
//
// Every top-level window of the program passes through here when it is
// shown (the watch below is installed once at start): a window larger than
// the free area is shrunk to it, one that reaches past an edge is moved in,
// so a remembered placement from another screen or another resolution
// comes back into view. A window whose smallest size does not fit the free
// area (a scaled screen, a small one) gets its content in a scroll area: it
// then shrinks to the area, and its scroll bars reach every control, but
// it stays as large as its content where the area allows. A window (or
// dialog) that nobody placed opens over the middle of its owner (or of the
// screen). A window is placed by its frame, also before the desktop has
// drawn it, and placed anew as its size settles and when its frame arrives,
// whenever that is. Maximised windows, menus, pop-ups and tool tips are
// left alone.
#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>
#include <Qt>

#include <functional>

class QScrollArea;
class QWidget;

namespace Fensterlage {

// The main window, which owns the windows its commands open (set by the
// main window's view; null while there is none).
void HauptfensterSetzen(QWidget* fenster);
QWidget* Hauptfenster();

// The kind of a modeless window that belongs to another one: a window of
// the dialog type with the buttons of a window (minimise, maximise,
// close). Only such a window tells the desktop its owner (WM_TRANSIENT_FOR
// on X11), which keeps it in front of that owner.
constexpr Qt::WindowFlags BesessenesFenster =
    Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;

// The owner for a window that opens now: the modal dialog in front, else
// the program's active window, else the main window once it is shown.
QWidget* Eigentümer();

// The outer rectangle (frame included) of a window moved and shrunk into
// the free area: no wider and no higher than the area, as close to where
// it was as the area allows.
QRect Eingepasst(const QRect& rahmen, const QRect& frei);

// What the placement takes as a window's outer rectangle, frame included:
// what Qt reports (QWidget::frameGeometry), or what a test reports in its
// place, such as a desktop's report before it has taken the window over;
// an empty function: Qt's again.
void AußenmaßSetzen(std::function<QRect(const QWidget*)> bericht);

// The frame between a window's inner and outer rectangle; null when they
// show none: the two are equal, or the outer one does not reach round the
// inner one on every side. Until the desktop has taken a window over, Qt
// reckons its frame from the window's size on the display, which may still
// be the size it was made with (a dialog's 100 × 30), against an outer
// one still of the size set since: such a frame is no frame (it is not
// alike left and right, or thicker beside or below than above), and
// placing the window by it would place it as that small, or as that large
// (its top left in the middle of where it should stand).
QMargins Rahmenmaß(const QRect& innen, const QRect& außen);

// The window's frame as the desktop draws it: the real one once the window
// is on the screen, before that the one seen last on another window.
QMargins Rahmen(const QWidget* fenster);

// Brings a top-level window wholly into the free area of its screen (see
// above), its frame where the area allows it to stay. Does nothing to a
// window that is not a normal top-level window.
void Einpassen(QWidget* fenster);

// Puts the content of a window (what its layout holds, its menu bar
// excepted, and its other child widgets) into a scroll area that fills the
// window, so the window may become smaller than its content (Einpassen
// then keeps it as large as its content where its screen allows). Widgets keep
// their names, parents below the content, focus and visibility. True when
// the content lies in such an area now (also when it did before); false for
// a window without a layout of its own (a main window lays itself out).
bool Rollbar(QWidget* fenster);

// The scroll area that Rollbar made for the window, else null.
QScrollArea* Rollbereich(const QWidget* fenster);

// Scrolls the widget wholly into view in its window's scroll area (its top
// left part when it is larger than the area); nothing without such an area.
void InsBild(QWidget* widget);

// The watch: fits every top-level window as it is shown, again as long as
// its size changes before the desktop has framed it, once more when the
// frame arrives, and again when its content grows beyond the free area or
// it becomes smaller than its smallest size; no clock decides. A control
// that gets the focus inside a scroll area of Rollbar is scrolled into
// view. One for the program's run.
class Wächter : public QObject {
public:
    Wächter();
    ~Wächter() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};

} // namespace Fensterlage

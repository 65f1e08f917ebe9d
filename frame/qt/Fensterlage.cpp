#include "frame/qt/Fensterlage.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QSizeGrip>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace Fensterlage {
namespace {

QPointer<QWidget>& HauptfensterZeiger() {
    static QPointer<QWidget> fenster;
    return fenster;
}

std::function<QRect(const QWidget*)>& Außenbericht() {
    static std::function<QRect(const QWidget*)> bericht;
    return bericht;
}

// The window's outer rectangle as Qt (or a test in its place) reports it.
QRect Außen(const QWidget* fenster) {
    const auto& bericht = Außenbericht();
    return bericht ? bericht(fenster) : fenster->frameGeometry();
}

// The frame last seen on a window on the screen; before the first one, what
// an X11 desktop usually draws (a title bar and thin borders).
QMargins& ZuletztGesehen() {
    static QMargins rand = QGuiApplication::platformName() == QLatin1String("xcb") ? QMargins(4, 28, 4, 4) : QMargins();
    return rand;
}

// A window of the program that stands on the desktop by itself.
bool Fenster(const QWidget* w) {
    if (!w || !w->isWindow()) return false;
    const Qt::WindowType art = w->windowType();
    if (art != Qt::Window && art != Qt::Dialog) return false;
    if (w->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) return false;
    return true;
}

// The free area of the screen the rectangle stands on; a rectangle on no
// screen (one that is gone) counts as on the owner's screen or the first.
QRect FreieFläche(const QRect& rahmen, const QWidget* w) {
    QScreen* s = QGuiApplication::screenAt(rahmen.center());
    if (!s && w->parentWidget()) s = w->parentWidget()->window()->screen();
    if (!s) s = w->screen();
    if (!s) s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect();
}

const char* const Bereichname = "zirvoRollbereich";

// What the watch keeps on a window, as bits of one property.
enum Merkmal : int {
    Platziert = 1, // placed once
    Mittig = 2,    // the watch put it over the middle of its owner (nobody else placed it)
    Gezeigt = 4,   // its show has ended: its own show handling has given it its size
    Gerahmt = 8,   // placed again with the frame the desktop drew around it
    Beim = 16,     // being placed now
};
const char* const Merkmale = "zirvoFensterlage";
// The smallest size of a window's content before it went into a scroll area.
const char* const Entwurf = "zirvoFensterlageEntwurf";

bool Hat(const QWidget* fenster, Merkmal m) { return (fenster->property(Merkmale).toInt() & m) != 0; }
void Setze(QWidget* fenster, Merkmal m, bool an) {
    const int alt = fenster->property(Merkmale).toInt();
    fenster->setProperty(Merkmale, an ? alt | m : alt & ~m);
}

// Qt knows the frame the desktop drew around the window on the screen.
bool RahmenBekannt(const QWidget* fenster) {
    return fenster->isVisible() && !Rahmenmaß(fenster->geometry(), Außen(fenster)).isNull();
}

// Where a window nobody placed opens: over its owner, or over the screen.
QRect Über(const QWidget* fenster) {
    const QWidget* eigentümer = fenster->parentWidget() ? fenster->parentWidget()->window() : nullptr;
    QRect über = eigentümer && eigentümer->isVisible() ? Außen(eigentümer) : QRect();
    if (über.isEmpty()) {
        QScreen* s = eigentümer ? eigentümer->screen() : QGuiApplication::primaryScreen();
        if (s) über = s->availableGeometry();
    }
    return über;
}

// A window whose content a layout of its own holds (a main window lays
// itself out, and scrolls its tables itself).
bool Rollfähig(const QWidget* fenster) {
    return fenster->layout() && !qobject_cast<const QMainWindow*>(fenster);
}

int Balkenbreite(const QWidget* fenster) { return fenster->style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

// The window at its smallest, frame included, fits the area.
bool PasstKleinste(const QWidget* fenster, const QMargins& rand, const QRect& frei) {
    const QSize kleinste = fenster->minimumSize().grownBy(rand);
    return frei.isEmpty() || (kleinste.width() <= frei.width() && kleinste.height() <= frei.height());
}

// The smallest size of a window whose content scrolls, in the room its
// screen leaves it: the size its content was laid out for, with a bar
// beside (below) it where that is higher (wider) than the room, but no
// larger than the room. Without it the window could become as small as the
// scroll area (two bars and a corner of the content).
// A content of that size in the room: with a scroll bar beside it where
// it is higher than the room, below it where it is wider.
QSize MitBalken(const QWidget* fenster, QSize größe, const QSize& platz) {
    const int balken = Balkenbreite(fenster);
    if (größe.height() > platz.height()) größe.rwidth() += balken;
    if (größe.width() > platz.width()) größe.rheight() += balken;
    return größe;
}

QSize Boden(const QWidget* fenster, const QSize& platz) {
    return MitBalken(fenster, fenster->property(Entwurf).toSize(), platz).boundedTo(platz).expandedTo(QSize(0, 0));
}

// Puts the window's frame at the corner, its inner area of that size.
void Setzen(QWidget* fenster, const QPoint& ecke, const QSize& innen) {
    if (innen != fenster->size()) fenster->resize(innen);
    if (ecke != Außen(fenster).topLeft() || !fenster->testAttribute(Qt::WA_Moved)) fenster->move(ecke);
    // Until the desktop has drawn its frame around a window on the screen,
    // Qt gives a place set now to the window's inner area, and the desktop
    // draws the frame around it: at the screen's top edge the title bar
    // would lie above the screen. Afterwards a scaled screen rounds the
    // frame's width in the window's pixels. The place goes to the desktop
    // as that of the frame.
    if (QWindow* h = fenster->windowHandle()) h->setFramePosition(ecke);
}

// Brings the window into the free area; mitte: over the middle of its owner.
void Platzieren(QWidget* fenster, bool mitte) {
    if (!Fenster(fenster) || Hat(fenster, Beim)) return;
    Setze(fenster, Beim, true);
    const QMargins rand = Rahmen(fenster);
    QSize größe = fenster->size();
    QRect rahmen(fenster->pos(), größe.grownBy(rand));
    if (mitte) rahmen.moveCenter(Über(fenster).center());
    Setze(fenster, Platziert, true);
    Setze(fenster, Mittig, mitte);

    const QRect frei = FreieFläche(rahmen, fenster);
    const QSize platz = frei.size().shrunkBy(rand);
    // Content that does not fit even at its smallest scrolls in the window,
    // which keeps room for the bar beside (or below) it where there is room.
    if (!PasstKleinste(fenster, rand, frei) && !Rollbereich(fenster) && Rollbar(fenster))
        größe = MitBalken(fenster, größe, platz);
    // A window whose content scrolls stays as large as its content, as far
    // as its screen allows.
    if (Rollbereich(fenster) && !frei.isEmpty() && fenster->minimumSize() != Boden(fenster, platz))
        fenster->setMinimumSize(Boden(fenster, platz));
    rahmen.setSize(größe.expandedTo(fenster->minimumSize()).grownBy(rand));
    if (mitte) rahmen.moveCenter(Über(fenster).center());
    QRect soll = Eingepasst(rahmen, frei);
    // Never below the window's minimum: too large for the area, it then
    // stands at the area's top left.
    const QSize kleinste = fenster->minimumSize();
    const QSize innen(std::max(soll.width() - rand.left() - rand.right(), kleinste.width()),
                      std::max(soll.height() - rand.top() - rand.bottom(), kleinste.height()));
    soll = Eingepasst(QRect(soll.topLeft(), innen.grownBy(rand)), frei);
    Setzen(fenster, soll.topLeft(), innen);
    Setze(fenster, Beim, false);
}

// A window on the screen that the desktop has not framed yet, or whose show
// has not ended: its size may still change (a message box sizes itself in
// its show handler, a desktop may first give a window the size it was made
// with), and its frame arrives when the desktop is ready, however long that
// takes. Each such change places it anew; once its show has ended and its
// frame is known, it is placed a last time.
void Nachprüfen(QWidget* fenster, QEvent::Type art) {
    const bool bekannt = RahmenBekannt(fenster);
    // A move, an activation or a window back from the maximised state says
    // something new only with the frame.
    if (!bekannt && (art == QEvent::Move || art == QEvent::WindowActivate || art == QEvent::WindowStateChange)) return;
    Platzieren(fenster, Hat(fenster, Mittig));
    if (bekannt && Hat(fenster, Gezeigt)) Setze(fenster, Gerahmt, true);
}

} // namespace

void HauptfensterSetzen(QWidget* fenster) { HauptfensterZeiger() = fenster; }

void AußenmaßSetzen(std::function<QRect(const QWidget*)> bericht) { Außenbericht() = std::move(bericht); }

QWidget* Hauptfenster() { return HauptfensterZeiger(); }

QWidget* Eigentümer() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* aktiv = QApplication::activeWindow(); aktiv && Fenster(aktiv)) return aktiv;
    // Not before the main window is on the screen (the start's messages).
    QWidget* haupt = Hauptfenster();
    return haupt && haupt->isVisible() ? haupt : nullptr;
}

QRect Eingepasst(const QRect& rahmen, const QRect& frei) {
    if (frei.isEmpty()) return rahmen;
    const int breite = std::min(rahmen.width(), frei.width());
    const int höhe = std::min(rahmen.height(), frei.height());
    const int x = std::clamp(rahmen.x(), frei.left(), frei.left() + frei.width() - breite);
    const int y = std::clamp(rahmen.y(), frei.top(), frei.top() + frei.height() - höhe);
    return {x, y, breite, höhe};
}

QMargins Rahmenmaß(const QRect& innen, const QRect& außen) {
    const QMargins rand(innen.left() - außen.left(), innen.top() - außen.top(), außen.right() - innen.right(),
                        außen.bottom() - innen.bottom());
    if (rand.left() < 0 || rand.top() < 0 || rand.right() < 0 || rand.bottom() < 0) return {};
    // A desktop draws its frame alike on the left and the right, and no
    // thicker beside or below the window than its title bar above it. A
    // pair of rectangles from two moments (the display reporting the size
    // the window was made with while the outer one still has the size set
    // since) may reach round each other, but not so.
    if (rand.left() != rand.right() || rand.bottom() > rand.top() || rand.left() > rand.top()) return {};
    return rand;
}

QMargins Rahmen(const QWidget* fenster) {
    if (fenster->isVisible()) {
        const QMargins rand = Rahmenmaß(fenster->geometry(), Außen(fenster));
        if (!rand.isNull()) {
            ZuletztGesehen() = rand;
            return rand;
        }
    }
    return ZuletztGesehen();
}

QScrollArea* Rollbereich(const QWidget* fenster) {
    if (!fenster) return nullptr;
    for (QObject* k : fenster->children())
        if (auto* b = qobject_cast<QScrollArea*>(k); b && b->objectName() == QLatin1String(Bereichname)) return b;
    return nullptr;
}

void InsBild(QWidget* widget) {
    QScrollArea* b = widget ? Rollbereich(widget->window()) : nullptr;
    if (!b || !b->widget() || !b->widget()->isAncestorOf(widget)) return;
    // Around its middle with half its size as margins: the whole widget
    // (the area's own call keeps only a text box's cursor in view).
    const QRect r(widget->mapTo(b->widget(), QPoint(0, 0)), widget->size());
    b->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + 1, r.height() / 2 + 1);
}

bool Rollbar(QWidget* fenster) {
    if (!fenster || Rollbereich(fenster)) return fenster != nullptr;
    QLayout* alt = fenster->layout();
    if (!Rollfähig(fenster)) return false;
    // The smallest size the window was laid out for, even where its layout
    // has not set it on the window yet.
    const QSize kleinste = fenster->minimumSize().expandedTo(alt->totalMinimumSize());
    const QSize grösste = fenster->maximumSize();
    // The window's own child widgets, and which of them are hidden; the
    // menu bar stays at the top of the window, the size grip in its corner.
    QWidget* menü = alt->menuBar();
    struct Kind {
        QPointer<QWidget> w;
        bool verborgen;
    };
    std::vector<Kind> kinder;
    for (QObject* o : fenster->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && w != menü && !qobject_cast<QSizeGrip*>(w)) kinder.push_back({w, w->isHidden()});
    }
    const QPointer<QWidget> fokus = fenster->focusWidget();

    // Both new widgets belong to the window from the start, so no widget
    // leaves it on the way (which would take its focus).
    auto* bereich = new QScrollArea(fenster);
    bereich->setObjectName(Bereichname);
    bereich->setFrameShape(QFrame::NoFrame);
    bereich->setWidgetResizable(true);
    auto* inhalt = new QWidget(fenster);
    inhalt->setObjectName("zirvoFensterinhalt");
    if (menü) alt->setMenuBar(nullptr);
    // Setting the layout takes it from the window with the widgets it holds;
    // the others keep their place in the content.
    inhalt->setLayout(alt);
    for (const Kind& k : kinder)
        if (k.w && k.w->parentWidget() == fenster) k.w->setParent(inhalt);
    for (const Kind& k : kinder)
        if (k.w) k.w->setVisible(!k.verborgen);
    // A smallest size the window was given by hand holds for its content
    // (the menu bar no longer part of it).
    const QSize eigen = alt->totalMinimumSize();
    const int menühöhe = menü ? menü->sizeHint().height() : 0;
    inhalt->setMinimumSize(kleinste.width() > eigen.width() ? kleinste.width() : 0,
                           kleinste.height() - menühöhe > eigen.height() ? kleinste.height() - menühöhe : 0);
    bereich->setWidget(inhalt);

    // The window now may be smaller than its content (how small, Einpassen
    // decides by the room on its screen); one of a largest size keeps room
    // for its content beside the scroll bars.
    fenster->setProperty(Entwurf, kleinste);
    fenster->setMinimumSize(0, 0);
    const int balken = Balkenbreite(fenster);
    fenster->setMaximumSize(std::min(QWIDGETSIZE_MAX, grösste.width() + balken),
                            std::min(QWIDGETSIZE_MAX, grösste.height() + balken));
    auto* neu = new QVBoxLayout(fenster);
    neu->setContentsMargins(0, 0, 0, 0);
    neu->setSpacing(0);
    if (menü) neu->setMenuBar(menü);
    neu->addWidget(bereich);
    neu->activate();
    bereich->show();
    if (fokus && !fokus->hasFocus() && fenster->isActiveWindow()) fokus->setFocus();
    return true;
}

void Einpassen(QWidget* fenster) {
    // A window nobody placed: over the middle of its owner, or of the screen
    // (once; afterwards it stays where the user leaves it). A dialog would
    // be put there by Qt after this, but only while it has not been moved.
    if (Fenster(fenster)) Platzieren(fenster, !fenster->testAttribute(Qt::WA_Moved) && !Hat(fenster, Platziert));
}

Wächter::Wächter() {
    if (!qApp) return;
    qApp->installEventFilter(this);
    // A control that gets the focus (by the Tab key, a click, or an input
    // error pointed at) comes into view in its window's scroll area.
    connect(qApp, &QApplication::focusChanged, this, [](QWidget*, QWidget* neu) { InsBild(neu); });
}

Wächter::~Wächter() {
    if (qApp) qApp->removeEventFilter(this);
}

bool Wächter::eventFilter(QObject* objekt, QEvent* ereignis) {
    const QEvent::Type art = ereignis->type();
    if (!objekt->isWidgetType() || !static_cast<QWidget*>(objekt)->isWindow())
        return QObject::eventFilter(objekt, ereignis);
    auto* w = static_cast<QWidget*>(objekt);
    if (art == QEvent::Show) {
        if (Fenster(w) && !ereignis->spontaneous()) {
            // Shown anew: a new frame, and the window's own show follows.
            Setze(w, Gezeigt, false);
            Setze(w, Gerahmt, false);
            Einpassen(w);
        }
    } else if (art == QEvent::ShowToParent || art == QEvent::Move || art == QEvent::Resize ||
               art == QEvent::WindowActivate || art == QEvent::WindowStateChange) {
        if (art == QEvent::ShowToParent) Setze(w, Gezeigt, true);
        if (!w->isVisible() || !Fenster(w) || Hat(w, Beim)) return QObject::eventFilter(objekt, ereignis);
        if (Hat(w, Platziert) && !Hat(w, Gerahmt)) {
            Nachprüfen(w, art);
        } else if (art == QEvent::Resize) {
            // Content that grew beyond the free area after the window was
            // placed, or a size below the window's smallest (a desktop that
            // does not heed it).
            const bool zuKlein = w->width() < w->minimumWidth() || w->height() < w->minimumHeight();
            const bool zuGross = !Rollbereich(w) && Rollfähig(w) &&
                                 !PasstKleinste(w, Rahmen(w), FreieFläche(Außen(w), w));
            if (zuKlein || zuGross)
                QTimer::singleShot(0, w, [f = QPointer<QWidget>(w)] {
                    if (f && f->isVisible()) Einpassen(f);
                });
        }
    }
    return QObject::eventFilter(objekt, ereignis);
}

} // namespace Fensterlage

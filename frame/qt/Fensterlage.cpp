#include "frame/qt/Fensterlage.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace Fensterlage {
namespace {

QPointer<QWidget>& HauptfensterZeiger() {
    static QPointer<QWidget> fenster;
    return fenster;
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

const char* const Platziert = "zirvoFensterlagePlatziert";

} // namespace

void HauptfensterSetzen(QWidget* fenster) { HauptfensterZeiger() = fenster; }

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

QMargins Rahmen(const QWidget* fenster) {
    if (fenster->isVisible()) {
        const QRect innen = fenster->geometry();
        const QRect außen = fenster->frameGeometry();
        const QMargins rand(innen.left() - außen.left(), innen.top() - außen.top(), außen.right() - innen.right(),
                            außen.bottom() - innen.bottom());
        if (!rand.isNull()) {
            ZuletztGesehen() = rand;
            return rand;
        }
    }
    return ZuletztGesehen();
}

void Einpassen(QWidget* fenster) {
    if (!Fenster(fenster)) return;
    const QMargins rand = Rahmen(fenster);
    // The outer rectangle: a window's position is that of its frame.
    QRect rahmen(fenster->pos(), fenster->size().grownBy(rand));
    // A window nobody placed: over the middle of its owner, or of the screen
    // (once; afterwards it stays where the user leaves it). A dialog would
    // be put there by Qt after this, but only while it has not been moved.
    if (!fenster->testAttribute(Qt::WA_Moved) && !fenster->property(Platziert).toBool()) {
        const QWidget* eigentümer = fenster->parentWidget() ? fenster->parentWidget()->window() : nullptr;
        QRect über = eigentümer && eigentümer->isVisible() ? eigentümer->frameGeometry() : QRect();
        if (über.isEmpty()) {
            QScreen* s = eigentümer ? eigentümer->screen() : QGuiApplication::primaryScreen();
            if (s) über = s->availableGeometry();
        }
        if (!über.isEmpty()) rahmen.moveCenter(über.center());
    }
    fenster->setProperty(Platziert, true);

    const QRect frei = FreieFläche(rahmen, fenster);
    QRect soll = Eingepasst(rahmen, frei);
    // Never below the window's minimum: too large for the area, it then
    // stands at the area's top left.
    const QSize kleinste = fenster->minimumSize();
    const QSize größe(std::max(soll.width() - rand.left() - rand.right(), kleinste.width()),
                      std::max(soll.height() - rand.top() - rand.bottom(), kleinste.height()));
    soll = Eingepasst(QRect(soll.topLeft(), größe.grownBy(rand)), frei);
    if (größe != fenster->size()) fenster->resize(größe);
    // A window's position is that of its frame.
    if (soll.topLeft() != fenster->frameGeometry().topLeft() || !fenster->testAttribute(Qt::WA_Moved))
        fenster->move(soll.topLeft());
}

Wächter::Wächter() {
    if (qApp) qApp->installEventFilter(this);
}

Wächter::~Wächter() {
    if (qApp) qApp->removeEventFilter(this);
}

bool Wächter::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::Show && objekt->isWidgetType()) {
        auto* w = static_cast<QWidget*>(objekt);
        if (Fenster(w) && !ereignis->spontaneous()) {
            Einpassen(w);
            // Once the desktop has framed and placed it, once more with the
            // frame it really has.
            QTimer::singleShot(250, w, [f = QPointer<QWidget>(w)] {
                if (!f || !f->isVisible() || !Fenster(f)) return;
                const QRect außen = f->frameGeometry();
                if (!FreieFläche(außen, f).contains(außen)) Einpassen(f);
                else Rahmen(f);
            });
        }
    }
    return QObject::eventFilter(objekt, ereignis);
}

} // namespace Fensterlage

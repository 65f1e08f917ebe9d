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

#include <algorithm>
#include <vector>

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
const char* const Bereichname = "zirvoRollbereich";

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
    const QSize kleinste = fenster->minimumSize();
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

    // The window now may be as small as the scroll area allows; one of a
    // largest size keeps room for its content beside the scroll bars.
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
    // Content that does not fit even at its smallest scrolls in the window,
    // which keeps room for the bar beside (or below) it where there is room.
    if (!PasstKleinste(fenster, rand, frei) && !Rollbereich(fenster) && Rollbar(fenster)) {
        const int balken = Balkenbreite(fenster);
        const QSize platz = frei.size().shrunkBy(rand);
        QSize größe = fenster->size();
        if (größe.height() > platz.height()) größe.rwidth() += balken;
        if (größe.width() > platz.width()) größe.rheight() += balken;
        rahmen.setSize(größe.grownBy(rand));
    }
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
    } else if (ereignis->type() == QEvent::Resize && objekt->isWidgetType()) {
        // Content that grew beyond the free area after the window was shown.
        auto* w = static_cast<QWidget*>(objekt);
        if (w->isWindow() && w->isVisible() && Fenster(w) && !Rollbereich(w) && Rollfähig(w) &&
            !PasstKleinste(w, Rahmen(w), FreieFläche(w->frameGeometry(), w)))
            QTimer::singleShot(0, w, [f = QPointer<QWidget>(w)] {
                if (f && f->isVisible()) Einpassen(f);
            });
    }
    return QObject::eventFilter(objekt, ereignis);
}

} // namespace Fensterlage

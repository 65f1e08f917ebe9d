#include "frame/qt/Zellknopf.h"

#include <QLineEdit>
#include <QMargins>
#include <QPointer>
#include <QWidget>

namespace Zellknopf {
namespace {

// The neighbour a button has made room in, with the margins it had before;
// a child of the button, so it goes with it.
class Platz : public QObject {
public:
    explicit Platz(QWidget* knopf) : QObject(knopf) { setObjectName(Name); }
    static constexpr const char* Name = "ZirvoZellknopfPlatz";
    QPointer<QLineEdit> nachbar;
    QMargins vorher;

    void freigeben() {
        if (nachbar) nachbar->setTextMargins(vorher);
        nachbar = nullptr;
    }
};

Platz* PlatzVon(const QWidget* knopf, bool anlegen) {
    auto* p = knopf->findChild<Platz*>(Platz::Name, Qt::FindDirectChildrenOnly);
    if (!p && anlegen) p = new Platz(const_cast<QWidget*>(knopf));
    return p;
}

} // namespace

void Zeigen(QWidget* knopf, QLineEdit* zelle) {
    if (!knopf || !zelle || !knopf->parentWidget()) return;
    QWidget* tafel = knopf->parentWidget();
    const int h = zelle->height();
    const QPoint oben = zelle->mapTo(tafel, QPoint(zelle->width(), 0));
    knopf->setGeometry(oben.x(), oben.y(), h, h);

    // The cell beside: a visible box of the same container that the button
    // stands over, its left end under the button.
    Platz* platz = PlatzVon(knopf, true);
    QLineEdit* neben = nullptr;
    int überdeckt = 0;
    if (QWidget* behälter = zelle->parentWidget()) {
        const QRect über(zelle->mapTo(behälter, QPoint(zelle->width(), 0)), QSize(h, h));
        for (QLineEdit* kandidat : behälter->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
            if (kandidat == zelle || kandidat->isHidden()) continue;
            const QRect r = kandidat->geometry();
            if (!r.intersects(über) || r.left() < über.left() - 1) continue;
            neben = kandidat;
            überdeckt = über.right() - r.left() + 1;
            break;
        }
    }
    if (platz->nachbar != neben) {
        platz->freigeben();
        if (neben) {
            platz->nachbar = neben;
            platz->vorher = neben->textMargins();
        }
    }
    if (neben) {
        QMargins m = platz->vorher;
        m.setLeft(m.left() + überdeckt);
        if (neben->textMargins() != m) neben->setTextMargins(m);
    }
    knopf->show();
    knopf->raise();
}

void Verbergen(QWidget* knopf) {
    if (!knopf) return;
    if (Platz* p = PlatzVon(knopf, false)) p->freigeben();
    knopf->hide();
}

QLineEdit* Nachbar(const QWidget* knopf) {
    const Platz* p = knopf ? PlatzVon(knopf, false) : nullptr;
    return p ? p->nachbar.data() : nullptr;
}

} // namespace Zellknopf

#include "components/qt/Fensterhilfe.h"

#include <QAction>
#include <QFrame>
#include <QMenu>

namespace Fensterhilfe {

QAction* Aktion(Menüeintrag& zustand, QMenu* menü, Dialoghilfe::Beobachtungen& beobachtet,
                std::function<void()> handler) {
    auto* a = menü->addAction(QString());
    a->setObjectName(Dialoghilfe::Q(zustand.Name));
    auto folgen = [a](const Steuerelement& s) {
        const auto& e = static_cast<const Menüeintrag&>(s);
        a->setText(Dialoghilfe::Q(e.Caption()));
        a->setEnabled(e.Enabled());
        a->setVisible(e.Visible());
    };
    folgen(zustand);
    beobachtet.hinzufügen(zustand, zustand.beobachten(folgen));
    QObject::connect(a, &QAction::triggered, menü, [handler = std::move(handler)] { handler(); });
    return a;
}

QFrame* Trennlinie(QWidget* eltern, bool doppelt) {
    auto* linie = new QFrame(eltern);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    if (doppelt) linie->setLineWidth(2);
    return linie;
}

} // namespace Fensterhilfe

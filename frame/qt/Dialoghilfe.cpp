#include "frame/qt/Dialoghilfe.h"

#include "frame/basZIRVODialogSprache.h"
#include "frame/qt/Bindung.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Dialoghilfe {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString T(const char* text) { return Q(DS(text)); }

QLabel* Text(const char* text, QWidget* eltern) { return new QLabel(T(text), eltern); }

QLabel* Fett(QLabel* l) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QLabel* Beschriftung(Label& zustand, QWidget* eltern) {
    auto* l = new QLabel(eltern);
    Bindung::binden(zustand, l);
    return l;
}

QGroupBox* Rahmen(Label& zustand, QWidget* eltern) {
    auto* g = new QGroupBox(Q(zustand.Caption()), eltern);
    g->setObjectName(Q(zustand.Name));
    return g;
}

QLabel* Wert(Label& zustand, QWidget* eltern) {
    auto* l = new QLabel(eltern);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setMinimumWidth(70);
    Bindung::binden(zustand, l);
    return l;
}

QLineEdit* Feld(TextBox& zustand, QWidget* eltern, int breite, bool rechts) {
    auto* w = new QLineEdit(eltern);
    if (breite > 0) w->setFixedWidth(breite);
    if (rechts) w->setAlignment(Qt::AlignRight);
    Bindung::binden(zustand, w);
    return w;
}

void Wertzeile(QGridLayout* g, int z, const char* text, Label& wert, const char* einheit, QWidget* eltern) {
    g->addWidget(Text(text, eltern), z, 0);
    g->addWidget(Wert(wert, eltern), z, 1);
    g->addWidget(Text(einheit, eltern), z, 2);
}

QHBoxLayout* Knopfzeile(std::initializer_list<QPushButton*> knöpfe) {
    auto* zeile = new QHBoxLayout;
    zeile->addStretch();
    for (QPushButton* k : knöpfe) zeile->addWidget(k);
    return zeile;
}

bool VomBenutzer(const QFocusEvent* e) {
    return e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason;
}

std::int16_t Zeichen(const QKeyEvent& e) {
    if (e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter) return 13;
    const QString t = e.text();
    if (t.size() == 1 && t[0].unicode() >= 32 && t[0].unicode() < 256) return static_cast<std::int16_t>(t[0].unicode());
    return 0;
}

Beobachtungen::~Beobachtungen() {
    for (auto& [zustand, id] : ids_) zustand->nichtMehrBeobachten(id);
}

void Beobachtungen::hinzufügen(Steuerelement& zustand, int id) { ids_.emplace_back(&zustand, id); }

void Beobachtungen::RahmenFolgen(Steuerelement& zustand, QWidget* rahmen, bool mitTitel) {
    auto* gruppe = mitTitel ? qobject_cast<QGroupBox*>(rahmen) : nullptr;
    auto setzen = [rahmen, gruppe](const Steuerelement& s) {
        if (gruppe) {
            const QString titel = Q(static_cast<const Label&>(s).Caption());
            if (gruppe->title() != titel) gruppe->setTitle(titel);
        }
        rahmen->setEnabled(s.Enabled());
        if (rahmen->isHidden() == s.Visible()) rahmen->setVisible(s.Visible());
    };
    setzen(zustand);
    hinzufügen(zustand, zustand.beobachten(setzen));
}

void Beobachtungen::KnopfFolgen(CommandButton& zustand, QPushButton* knopf) {
    auto setzen = [knopf](const Steuerelement& s) {
        const auto& b = static_cast<const CommandButton&>(s);
        if (knopf->text() != Q(b.Caption())) knopf->setText(Q(b.Caption()));
        knopf->setEnabled(b.Enabled());
        if (knopf->isHidden() == b.Visible()) knopf->setVisible(b.Visible());
    };
    setzen(zustand);
    hinzufügen(zustand, zustand.beobachten(setzen));
}

QPushButton* Beobachtungen::Knopf(CommandButton& zustand, QWidget* eltern) {
    auto* knopf = new QPushButton(eltern);
    knopf->setObjectName(Q(zustand.Name));
    knopf->setAutoDefault(false);
    KnopfFolgen(zustand, knopf);
    return knopf;
}

void Fokusziele::eintragen(const Steuerelement& zustand, QWidget* widget) { widgets_[&zustand] = widget; }

void Fokusziele::setzen(const Steuerelement& zustand, const QWidget* fenster) const {
    auto it = widgets_.find(&zustand);
    if (it == widgets_.end()) return;
    QWidget* w = it->second;
    if (!w->isEnabled() || !w->isVisibleTo(fenster)) return;
    w->setFocus(Qt::OtherFocusReason);
}

} // namespace Dialoghilfe

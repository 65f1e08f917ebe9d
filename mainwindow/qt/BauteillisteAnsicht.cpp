#include "mainwindow/qt/BauteillisteAnsicht.h"

#include "frame/qt/Bindung.h"
#include "frame/qt/Zellknopf.h"
#include "mainwindow/frmZIRVO3801.h"
#include "mainwindow/qt/frmZIRVO3801Ansicht.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include <functional>

namespace {

// The pick list itself: its keys and its loss of focus go to the model.
// They are its own handlers, not an event filter, so nothing reaches the
// model while the list is being destroyed (with its table or its window):
// the handlers of a class no longer run once its destructor has begun.
class Auswahlliste : public QListWidget {
public:
    Auswahlliste(QWidget* eltern, std::function<void(int)> losgelassen, std::function<void(Qt::FocusReason)> verlassen)
        : QListWidget(eltern), losgelassen_(std::move(losgelassen)), verlassen_(std::move(verlassen)) {}

protected:
    void keyPressEvent(QKeyEvent* ereignis) override {
        // Enter and Escape act when the key is let go, and go no further.
        const int k = ereignis->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape) return;
        QListWidget::keyPressEvent(ereignis);
    }
    // The model's handler comes last: what it does to the list is the last
    // thing that touches it.
    void keyReleaseEvent(QKeyEvent* ereignis) override {
        QListWidget::keyReleaseEvent(ereignis);
        losgelassen_(ereignis->key());
    }
    void focusOutEvent(QFocusEvent* ereignis) override {
        QListWidget::focusOutEvent(ereignis);
        verlassen_(ereignis->reason());
    }

private:
    std::function<void(int)> losgelassen_;
    std::function<void(Qt::FocusReason)> verlassen_;
};

} // namespace

BauteillisteAnsicht::BauteillisteAnsicht(frmZIRVO3801Ansicht& hauptfenster) : QObject(&hauptfenster), h_(hauptfenster) {
    setObjectName("Bauteilliste");
    frmZIRVO3801& m = h_.Modell();
    m.cmdDaBt.setVisible(false);
    m.lstDaBt.setVisible(false);
    beobachtet_.emplace_back(&m.cmdDaBt, m.cmdDaBt.beobachten([this](const Steuerelement&) { KnopfFolgen(); }));
    beobachtet_.emplace_back(&m.lstDaBt, m.lstDaBt.beobachten([this](const Steuerelement&) { ListeFolgen(); }));
}

BauteillisteAnsicht::~BauteillisteAnsicht() {
    for (auto& [zustand, id] : beobachtet_) zustand->nichtMehrBeobachten(id);
    if (zelle_) zelle_->removeEventFilter(this);
    delete knopf_;
    delete liste_;
}

QWidget* BauteillisteAnsicht::Zellwidget() const {
    const frmZIRVO3801& m = h_.Modell();
    return m.BtZelle ? h_.Zelle(*m.BtZelle) : nullptr;
}

// After the model ran a handler: the main window follows it (captions, bars).
void BauteillisteAnsicht::Danach() { h_.Abgleichen(); }

void BauteillisteAnsicht::KnopfFolgen() {
    QWidget* zelle = Zellwidget();
    const bool zeigen = h_.Modell().cmdDaBt.Visible() && zelle;
    if (zelle_ && zelle_ != zelle) zelle_->removeEventFilter(this);
    if (!zeigen) {
        if (knopf_) Zellknopf::Verbergen(knopf_);
        return;
    }
    if (zelle_ != zelle) {
        zelle_ = zelle;
        zelle->installEventFilter(this);
    }
    QWidget* tabelle = zelle->parentWidget();
    if (!knopf_ || knopf_->parentWidget() != tabelle) {
        delete knopf_;
        knopf_ = new QToolButton(tabelle);
        knopf_->setObjectName("cmdDaBt");
        knopf_->setArrowType(Qt::DownArrow);
        knopf_->setFocusPolicy(Qt::NoFocus);
        knopf_->setToolTip(QString::fromUtf8("Liste der Bauteile (Alt+Pfeil unten)"));
        connect(knopf_, &QToolButton::pressed, this, [this] {
            h_.Modell().cmdDaBt_MouseDown();
            Danach();
        });
    }
    if (auto* feld = qobject_cast<QLineEdit*>(zelle)) Zellknopf::Zeigen(knopf_, feld);
}

void BauteillisteAnsicht::ListeFolgen() {
    frmZIRVO3801& m = h_.Modell();
    QWidget* zelle = Zellwidget();
    if (!m.lstDaBt.Visible() || !zelle) {
        if (liste_) liste_->hide();
        return;
    }
    QWidget* tabelle = zelle->parentWidget();
    if (!liste_ || liste_->parentWidget() != tabelle) {
        delete liste_;
        liste_ = new Auswahlliste(
            tabelle, [this](int taste) { ListeLosgelassen(taste); },
            [this](Qt::FocusReason grund) { ListeVerlassen(grund); });
        liste_->setObjectName("lstDaBt");
        Bindung::binden(m.lstDaBt, liste_);
        connect(liste_, &QListWidget::itemDoubleClicked, this, [this] {
            h_.Modell().lstDaBt_DblClick();
            Danach();
        });
    }
    // Ten cells high at most, and no further than the table reaches.
    const QRect r = zelle->geometry();
    const int höhe = std::max(r.height(), std::min(10 * r.height(), tabelle->height() - r.top()));
    liste_->setGeometry(r.left(), r.top(), 300, höhe);
    liste_->show();
    liste_->raise();
    liste_->setFocus(Qt::OtherFocusReason);
}

bool BauteillisteAnsicht::eventFilter(QObject* objekt, QEvent* ereignis) {
    const auto typ = ereignis->type();
    if (objekt == zelle_ && (typ == QEvent::Move || typ == QEvent::Resize || typ == QEvent::Hide)) {
        if (typ == QEvent::Hide && knopf_) Zellknopf::Verbergen(knopf_);
        else if (knopf_ && knopf_->isVisible()) KnopfFolgen();
    }
    return QObject::eventFilter(objekt, ereignis);
}

void BauteillisteAnsicht::ListeLosgelassen(int taste) {
    frmZIRVO3801& m = h_.Modell();
    if (taste == Qt::Key_Return || taste == Qt::Key_Enter) m.lstDaBt_KeyUp(13);
    else if (taste == Qt::Key_Escape) m.lstDaBt_KeyUp(27);
    Danach();
}

void BauteillisteAnsicht::ListeVerlassen(Qt::FocusReason grund) {
    if (grund == Qt::PopupFocusReason || grund == Qt::ActiveWindowFocusReason) return;
    h_.Modell().lstDaBt_LostFocus();
    Danach();
}

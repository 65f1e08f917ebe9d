// The main window's focus and keys: where the model puts the focus, the
// cells' keys, pasting and context menus, clicks on a grid.
#include "mainwindow/qt/frmZIRVO3801Ansicht.h"

#include "frame/qt/EingabeTabelleWidget.h"
#include "mainwindow/frmZIRVO3801.h"
#include "mainwindow/qt/frmZIRVO3801AnsichtTeile.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

using Hauptfensterteile::Q;

namespace {

// Reaches the line edit's own key handling, past the grid's key hook.
struct Zeileneingabe : QLineEdit {
    using QLineEdit::keyPressEvent;
};

void TasteVerarbeiten(QLineEdit* feld, QKeyEvent* e) { (feld->*(&Zeileneingabe::keyPressEvent))(e); }

} // namespace

// --- focus and keys ---

void frmZIRVO3801Ansicht::fokusSetzen(Steuerelement& zustand) {
    for (std::int16_t i = 0; i < 2; ++i) {
        if (&zustand == &m_.picTitel[i]) {
            z_->titel[static_cast<std::size_t>(i)]->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (auto* zelle = dynamic_cast<TextBox*>(&zustand))
        if (QLineEdit* feld = Zelle(*zelle)) feld->setFocus(Qt::OtherFocusReason);
}

bool frmZIRVO3801Ansicht::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (auto it = z_->zellen.find(objekt); it != z_->zellen.end()) {
        auto* feld = static_cast<QLineEdit*>(objekt);
        TextBox& zelle = *it->second;
        if (ereignis->type() == QEvent::KeyPress && !innerhalbTaste_)
            return zellTaste(feld, zelle, static_cast<QKeyEvent*>(ereignis));
        if (ereignis->type() == QEvent::MouseButtonDblClick) befehl([this, &zelle] { m_.Zelle_DblClick(zelle); });
        if (ereignis->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(ereignis)->button() == Qt::MiddleButton) {
            if (QGuiApplication::clipboard()->supportsSelection()) zelleEinfügen(feld, zelle, QClipboard::Selection);
            return true;
        }
        if (ereignis->type() == QEvent::ContextMenu) {
            QMenu* menü = feld->createStandardContextMenu();
            for (QAction* a : menü->actions()) {
                if (a->objectName() != "edit-paste") continue;
                a->disconnect();
                QObject::connect(a, &QAction::triggered, this,
                                 [this, feld, &zelle] { zelleEinfügen(feld, zelle, QClipboard::Clipboard); });
            }
            menü->setAttribute(Qt::WA_DeleteOnClose);
            menü->popup(static_cast<QContextMenuEvent*>(ereignis)->globalPos());
            return true;
        }
        return false;
    }
    if (auto it = z_->boxen.find(objekt); it != z_->boxen.end() && ereignis->type() == QEvent::MouseButtonPress) {
        const std::int16_t t = it->second;
        befehl([this, t] {
            switch (t) {
            case 1: m_.picEBF_Click(); break;
            case 2: m_.picDa_Click(); break;
            case 3: m_.picDu_Click(); break;
            default: m_.picF_Click(); break;
            }
        });
        return false;
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

// Pasting into a cell (keys, middle button, context menu): the text passes
// the column's key filter like typed characters.
void frmZIRVO3801Ansicht::zelleEinfügen(QLineEdit* feld, TextBox& zelle, QClipboard::Mode art) {
    const QString text = QGuiApplication::clipboard()->text(art);
    const std::string gefiltert = m_.Zelle_Einfügen(zelle, text.toStdString());
    if (!gefiltert.empty()) feld->insert(Q(gefiltert));
    Abgleichen();
}

// A key in a cell, in the order of the events: key down (navigation and
// the column's keys), then the typed character through the column's key
// filter, which may change or swallow it.
bool frmZIRVO3801Ansicht::zellTaste(QLineEdit* feld, TextBox& zelle, QKeyEvent* e) {
    if (e->matches(QKeySequence::Paste)) {
        zelleEinfügen(feld, zelle, QClipboard::Clipboard);
        return true;
    }
    EingabeTabelleWidget* tabelle = nullptr;
    for (EingabeTabelleWidget* w : z_->tabellen)
        if (w && w->Zellwidget(zelle) == feld) tabelle = w;
    QPointer<QLineEdit> schutz(feld);
    std::int16_t code = 0, shift = 0;
    if (tabelle && Tastencode::AusQt(*e, code, shift) && tabelle->zelleTaste(zelle, code, shift)) return true;
    if (!schutz) return true;

    const QString text = e->text();
    std::int16_t zeichen = 0;
    if (e->key() == Qt::Key_Backspace) zeichen = 8;
    else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) zeichen = 13;
    else if (text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() != 127 && text[0].unicode() < 0x7FFF)
        zeichen = static_cast<std::int16_t>(text[0].unicode());
    innerhalbTaste_ = true;
    if (zeichen != 0) {
        const std::int16_t getippt = zeichen;
        m_.Zelle_KeyPress(zelle, zeichen);
        if (schutz && zeichen != 0) {
            if (zeichen == getippt) {
                TasteVerarbeiten(feld, e);
            } else {
                QKeyEvent neu(QEvent::KeyPress, e->key(), e->modifiers(), QString(QChar(static_cast<char16_t>(zeichen))));
                TasteVerarbeiten(feld, &neu);
            }
        }
    } else {
        TasteVerarbeiten(feld, e);
    }
    innerhalbTaste_ = false;
    Abgleichen();
    return true;
}

#include "frame/qt/Bindung.h"

#include "frame/Steuerelemente.h"
#include "frame/vb6CCVScrollBar.h"

#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaObject>
#include <QPalette>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <optional>

namespace Bindung {
namespace {

const char* const Kennung = "ZirvoBindung";

QString Q(const std::string& s) { return QString::fromStdString(s); }

class Verbindung;

// Lives inside the observer that the state keeps. When the state goes, so
// does the observer, and this tells the binding; a binding that goes first
// clears the pointer.
struct Wächter {
    Verbindung* v = nullptr;
    ~Wächter();
};

// One binding, a child of its widget.
class Verbindung : public QObject {
public:
    Verbindung(Steuerelement& zustand, QWidget* widget) : QObject(widget), zustand_(&zustand), widget_(widget) {
        setObjectName(Kennung);
        grundPalette_ = widget->palette();
        grundFüllen_ = widget->autoFillBackground();
        if (widget->objectName().isEmpty() && !zustand.Name.empty()) {
            widget->setObjectName(zustand.Index >= 0 ? Q(zustand.Name) + "(" + QString::number(zustand.Index) + ")"
                                                     : Q(zustand.Name));
        }
        auto w = std::make_shared<Wächter>();
        w->v = this;
        wächter_ = w;
        id_ = zustand.beobachten([w](const Steuerelement&) {
            if (w->v) w->v->aktualisieren();
        });
    }
    // The widget's own connections end with this object.
    ~Verbindung() override { zustandLösen(); }

    // Stops observing the state and listening to the widget.
    void trennen() {
        zustandLösen();
        QObject::disconnect(widget_, nullptr, this, nullptr);
    }

    bool aktiv() const { return zustand_ != nullptr; }

    // The state is gone.
    void zustandWeg() {
        zustand_ = nullptr;
        setObjectName(QString());
        QObject::disconnect(widget_, nullptr, this, nullptr);
        deleteLater();
    }

    // Mirrors the state into the widget.
    void aktualisieren() {
        if (!zustand_) return;
        QScopedValueRollback<bool> schutz(ausZustand_, true);
        allgemein();
        schreiben();
    }

protected:
    virtual void schreiben() = 0;
    // The colour role that BackColor paints.
    virtual QPalette::ColorRole farbrolle() const { return QPalette::Base; }
    virtual bool füllt() const { return false; }

    // True while a change from the user may be written to the state.
    bool vomBenutzer() const { return zustand_ && !ausZustand_; }

    // The widget's own colours change (BackColor, where set, still wins).
    void grundfarbeSetzen(QPalette::ColorRole rolle, const QColor& c) {
        grundPalette_.setColor(rolle, c);
        widget_->setPalette(grundPalette_);
        angewandt_.reset();
        if (zustand_) farbe(zustand_->BackColor());
    }

    Steuerelement* zustand_;
    QWidget* widget_;

private:
    void zustandLösen() {
        if (auto w = wächter_.lock()) {
            w->v = nullptr;
            if (zustand_) zustand_->nichtMehrBeobachten(id_);
        }
        zustand_ = nullptr;
    }

    void allgemein() {
        const Steuerelement& s = *zustand_;
        // An explicitly disabled widget carries WA_ForceDisabled.
        if (widget_->testAttribute(Qt::WA_ForceDisabled) == s.Enabled()) widget_->setEnabled(s.Enabled());
        // A window of its own is not shown by a binding.
        if (widget_->parentWidget() && widget_->isHidden() == s.Visible()) widget_->setVisible(s.Visible());
        QString tip = Q(s.ToolTipText());
        if (widget_->toolTip() != tip) widget_->setToolTip(tip);
        farbe(s.BackColor());
    }

    void farbe(Farbe f) {
        // A system colour (high bit set) is the widget's own colour.
        std::optional<Farbe> soll;
        if ((f & 0x80000000u) == 0) soll = f;
        if (soll == angewandt_) return;
        angewandt_ = soll;
        if (!soll) {
            widget_->setPalette(grundPalette_);
            widget_->setAutoFillBackground(grundFüllen_);
            return;
        }
        QPalette p = grundPalette_;
        QColor c(static_cast<int>(*soll & 0xFF), static_cast<int>((*soll >> 8) & 0xFF),
                 static_cast<int>((*soll >> 16) & 0xFF));
        p.setColor(farbrolle(), c);
        widget_->setPalette(p);
        if (füllt()) widget_->setAutoFillBackground(true);
    }

    int id_ = 0;
    std::weak_ptr<Wächter> wächter_;
    bool ausZustand_ = false;
    QPalette grundPalette_;
    bool grundFüllen_ = false;
    std::optional<Farbe> angewandt_;
};

Wächter::~Wächter() {
    if (v) v->zustandWeg();
}

// Ends an earlier binding of the widget.
void alteLösen(QWidget* widget) {
    const auto kinder = widget->children();
    for (QObject* k : kinder) {
        if (k->objectName() != QLatin1String(Kennung)) continue;
        if (auto* v = dynamic_cast<Verbindung*>(k)) {
            v->trennen();
            v->setObjectName(QString());
            v->deleteLater();
        }
    }
}

// A text box selects its whole text when it takes the focus from the
// keyboard or the program, and when the program fills it while it has the
// focus (a value put in as a proposal): what the user types then replaces
// the text instead of running on behind it. A click places the caret as
// usual, except into a box the program fills on that very click.
class TextVerbindung : public Verbindung {
public:
    TextVerbindung(TextBox& s, QLineEdit* w) : Verbindung(s, w), s_(s), w_(w) {
        QObject::connect(w, &QLineEdit::textChanged, this, [this](const QString& t) {
            if (!vomBenutzer()) return;
            // What the model makes of the typing is no proposal.
            QScopedValueRollback<bool> tippt(tippt_, true);
            s_.setText(t.toStdString());
        });
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override {
        if (objekt != w_) return false;
        if (e->type() == QEvent::FocusIn) {
            const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
            mausfokus_ = grund == Qt::MouseFocusReason;
            vorschlagNachKlick_ = false;
            if (!mausfokus_ && grund != Qt::PopupFocusReason) w_->selectAll();
        } else if (e->type() == QEvent::MouseButtonRelease && mausfokus_) {
            mausfokus_ = false;
            // The click has placed the caret; a text filled in on it is
            // selected all the same, unless the user dragged a selection.
            if (vorschlagNachKlick_ && !w_->hasSelectedText()) w_->selectAll();
            vorschlagNachKlick_ = false;
        } else if (e->type() == QEvent::FocusOut) {
            mausfokus_ = vorschlagNachKlick_ = false;
        }
        return false;
    }

    void schreiben() override {
        QString t = Q(s_.Text());
        // The widget's length limit never cuts a text the program put in.
        int grenze = s_.MaxLength() > 0 ? std::max<int>(s_.MaxLength(), static_cast<int>(t.size())) : 32767;
        if (w_->maxLength() != grenze) w_->setMaxLength(grenze);
        if (w_->text() != t) {
            w_->setText(t);
            if (w_->hasFocus() && !tippt_ && !t.isEmpty()) {
                w_->selectAll();
                vorschlagNachKlick_ = mausfokus_;
            }
        }
        if (w_->isReadOnly() != s_.Locked()) {
            // A locked box shows a value: the window's background, no caret,
            // no stop in the tab order.
            w_->setReadOnly(s_.Locked());
            w_->setFocusPolicy(s_.Locked() ? Qt::NoFocus : Qt::StrongFocus);
            const QPalette grund = QApplication::palette(w_);
            grundfarbeSetzen(QPalette::Base, grund.color(s_.Locked() ? QPalette::Window : QPalette::Base));
        }
    }

private:
    TextBox& s_;
    QLineEdit* w_;
    bool tippt_ = false;              // the model takes what the user typed
    bool mausfokus_ = false;          // the focus came with a click not yet released
    bool vorschlagNachKlick_ = false; // the program filled the box on that click
};

class LabelVerbindung : public Verbindung {
public:
    LabelVerbindung(Label& s, QLabel* w) : Verbindung(s, w), s_(s), w_(w) { w->setTextFormat(Qt::PlainText); }

protected:
    void schreiben() override {
        QString t = Q(s_.Caption());
        if (w_->text() != t) w_->setText(t);
    }
    QPalette::ColorRole farbrolle() const override { return QPalette::Window; }
    bool füllt() const override { return true; }

private:
    Label& s_;
    QLabel* w_;
};

class CheckVerbindung : public Verbindung {
public:
    CheckVerbindung(CheckBox& s, QCheckBox* w) : Verbindung(s, w), s_(s), w_(w) {
        QObject::connect(w, &QCheckBox::stateChanged, this, [this](int zustand) {
            if (!vomBenutzer()) return;
            auto q = static_cast<Qt::CheckState>(zustand);
            // The user only ticks and unticks; grey is set by the program.
            if (q != Qt::PartiallyChecked) w_->setTristate(false);
            s_.setValue(q == Qt::Checked ? 1 : (q == Qt::PartiallyChecked ? 2 : 0));
        });
    }

protected:
    void schreiben() override {
        QString t = Q(s_.Caption());
        if (w_->text() != t) w_->setText(t);
        Qt::CheckState q = s_.Value() == 1 ? Qt::Checked : (s_.Value() == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
        if (w_->checkState() != q) {
            w_->setCheckState(q);
            if (q != Qt::PartiallyChecked) w_->setTristate(false);
        }
    }
    QPalette::ColorRole farbrolle() const override { return QPalette::Window; }
    bool füllt() const override { return true; }

private:
    CheckBox& s_;
    QCheckBox* w_;
};

class OptionVerbindung : public Verbindung {
public:
    OptionVerbindung(OptionButton& s, QRadioButton* w) : Verbindung(s, w), s_(s), w_(w) {
        QObject::connect(w, &QRadioButton::toggled, this, [this](bool an) {
            if (vomBenutzer()) s_.setValue(an);
        });
    }

protected:
    void schreiben() override {
        QString t = Q(s_.Caption());
        if (w_->text() != t) w_->setText(t);
        if (w_->isChecked() != s_.Value()) {
            // A checked button of an exclusive group only unchecks alone
            // while the group lets it.
            bool exklusiv = w_->autoExclusive();
            if (!s_.Value()) w_->setAutoExclusive(false);
            w_->setChecked(s_.Value());
            w_->setAutoExclusive(exklusiv);
        }
    }
    QPalette::ColorRole farbrolle() const override { return QPalette::Window; }
    bool füllt() const override { return true; }

private:
    OptionButton& s_;
    QRadioButton* w_;
};

bool ListeGleich(const std::vector<std::string>& liste, int anzahl, const auto& eintrag) {
    if (static_cast<int>(liste.size()) != anzahl) return false;
    for (int i = 0; i < anzahl; ++i)
        if (eintrag(i) != Q(liste[static_cast<std::size_t>(i)])) return false;
    return true;
}

QStringList QListe(const std::vector<std::string>& liste) {
    QStringList l;
    l.reserve(static_cast<qsizetype>(liste.size()));
    for (const auto& e : liste) l << Q(e);
    return l;
}

class ComboVerbindung : public Verbindung {
public:
    ComboVerbindung(ComboBox& s, QComboBox* w) : Verbindung(s, w), s_(s), w_(w) {
        QObject::connect(w, &QComboBox::currentIndexChanged, this, [this](int i) {
            if (vomBenutzer()) s_.setListIndex(i);
        });
        QObject::connect(w, &QComboBox::editTextChanged, this, [this](const QString& t) {
            if (vomBenutzer()) s_.setText(t.toStdString());
        });
    }

protected:
    void schreiben() override {
        if (!ListeGleich(s_.List(), w_->count(), [this](int i) { return w_->itemText(i); })) {
            w_->clear();
            w_->addItems(QListe(s_.List()));
        }
        if (w_->currentIndex() != s_.ListIndex()) w_->setCurrentIndex(s_.ListIndex());
        if (w_->isEditable()) {
            QString t = Q(s_.Text());
            if (w_->currentText() != t) w_->setEditText(t);
        }
    }

private:
    ComboBox& s_;
    QComboBox* w_;
};

class ListVerbindung : public Verbindung {
public:
    ListVerbindung(ListBox& s, QListWidget* w) : Verbindung(s, w), s_(s), w_(w) {
        QObject::connect(w, &QListWidget::currentRowChanged, this, [this](int i) {
            if (vomBenutzer()) s_.setListIndex(i);
        });
        w->installEventFilter(this);
    }

    // A list that comes into view or changes its size (a pick list placed
    // beside its cell) shows its selected entry: one chosen while the list
    // was hidden would otherwise stay out of sight.
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        // After the list has laid itself out for its new size.
        if (objekt == w_ && (ereignis->type() == QEvent::Show || ereignis->type() == QEvent::Resize))
            QMetaObject::invokeMethod(this, [this] { sichtbarMachen(); }, Qt::QueuedConnection);
        return Verbindung::eventFilter(objekt, ereignis);
    }

protected:
    void schreiben() override {
        if (!ListeGleich(s_.List(), w_->count(), [this](int i) { return w_->item(i)->text(); })) {
            w_->clear();
            w_->addItems(QListe(s_.List()));
        }
        if (w_->currentRow() != s_.ListIndex()) {
            w_->setCurrentRow(s_.ListIndex());
            if (s_.ListIndex() < 0) w_->clearSelection();
            sichtbarMachen();
        }
    }

private:
    ListBox& s_;
    QListWidget* w_;

    void sichtbarMachen() {
        if (QListWidgetItem* e = w_->currentItem()) w_->scrollToItem(e, QAbstractItemView::EnsureVisible);
    }
};

class BalkenVerbindung : public Verbindung {
public:
    BalkenVerbindung(vb6CCVScrollBar& s, QScrollBar* w) : Verbindung(s, w), s_(s), w_(w) {
        w->setSingleStep(1);
        QObject::connect(w, &QScrollBar::valueChanged, this, [this](int p) {
            if (vomBenutzer()) s_.Gescrollt(p);
        });
    }

protected:
    void schreiben() override {
        int höchste = s_.Positionen() - 1;
        if (w_->minimum() != 0 || w_->maximum() != höchste) w_->setRange(0, höchste);
        if (w_->pageStep() != s_.LargeChange()) w_->setPageStep(s_.LargeChange());
        if (w_->value() != s_.Position()) w_->setValue(s_.Position());
    }

private:
    vb6CCVScrollBar& s_;
    QScrollBar* w_;
};

template <class V, class S, class W> void neu(S& zustand, W* widget) {
    if (!widget) return;
    alteLösen(widget);
    auto* v = new V(zustand, widget);
    v->aktualisieren();
}

} // namespace

void binden(TextBox& zustand, QLineEdit* widget) { neu<TextVerbindung>(zustand, widget); }
void binden(Label& zustand, QLabel* widget) { neu<LabelVerbindung>(zustand, widget); }
void binden(CheckBox& zustand, QCheckBox* widget) { neu<CheckVerbindung>(zustand, widget); }
void binden(OptionButton& zustand, QRadioButton* widget) { neu<OptionVerbindung>(zustand, widget); }
void binden(ComboBox& zustand, QComboBox* widget) { neu<ComboVerbindung>(zustand, widget); }
void binden(ListBox& zustand, QListWidget* widget) { neu<ListVerbindung>(zustand, widget); }
void binden(vb6CCVScrollBar& zustand, QScrollBar* widget) { neu<BalkenVerbindung>(zustand, widget); }

bool gebunden(const QWidget* widget) {
    if (!widget) return false;
    const auto kinder = widget->children();
    for (QObject* k : kinder) {
        if (k->objectName() != QLatin1String(Kennung)) continue;
        if (auto* v = dynamic_cast<Verbindung*>(k); v && v->aktiv()) return true;
    }
    return false;
}

struct Beobachtung::Wächter {
    Beobachtung* b = nullptr;
    ~Wächter() {
        if (b) b->zustand_ = nullptr;
    }
};

Beobachtung::Beobachtung(Steuerelement& zustand, QObject* eltern, std::function<void()> folgen)
    : QObject(eltern), zustand_(&zustand) {
    auto wächter = std::make_shared<Wächter>();
    wächter->b = this;
    wächter_ = wächter;
    id_ = zustand.beobachten([wächter, folgen = std::move(folgen)](const Steuerelement&) {
        if (wächter->b) folgen();
    });
}

Beobachtung::~Beobachtung() {
    if (auto w = wächter_.lock()) {
        w->b = nullptr;
        if (zustand_) zustand_->nichtMehrBeobachten(id_);
    }
}

} // namespace Bindung

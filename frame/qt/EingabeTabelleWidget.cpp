#include "frame/qt/EingabeTabelleWidget.h"

#include "frame/qt/Bindung.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <qdrawutil.h>

#include <algorithm>
#include <map>

using namespace Tastencode;
using Bindung::Pixel;
using Bindung::Twips;

namespace Tastencode {

bool AusQt(const QKeyEvent& e, std::int16_t& KeyCode, std::int16_t& Shift) {
    Shift = 0;
    const auto m = e.modifiers();
    if (m & Qt::ShiftModifier) Shift |= vbShiftMask;
    if (m & Qt::ControlModifier) Shift |= vbCtrlMask;
    if (m & Qt::AltModifier) Shift |= vbAltMask;
    const int k = e.key();
    switch (k) {
    case Qt::Key_Backtab: // Shift+Tab arrives as its own key
        KeyCode = vbKeyTab;
        Shift |= vbShiftMask;
        return true;
    case Qt::Key_Tab: KeyCode = vbKeyTab; return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: KeyCode = vbKeyReturn; return true;
    case Qt::Key_Left: KeyCode = vbKeyLeft; return true;
    case Qt::Key_Up: KeyCode = vbKeyUp; return true;
    case Qt::Key_Right: KeyCode = vbKeyRight; return true;
    case Qt::Key_Down: KeyCode = vbKeyDown; return true;
    case Qt::Key_Backspace: KeyCode = 8; return true;
    case Qt::Key_Escape: KeyCode = 27; return true;
    case Qt::Key_Space: KeyCode = 32; return true;
    case Qt::Key_PageUp: KeyCode = 33; return true;
    case Qt::Key_PageDown: KeyCode = 34; return true;
    case Qt::Key_End: KeyCode = 35; return true;
    case Qt::Key_Home: KeyCode = 36; return true;
    case Qt::Key_Insert: KeyCode = 45; return true;
    case Qt::Key_Delete: KeyCode = 46; return true;
    default: break;
    }
    if (k >= Qt::Key_F1 && k <= Qt::Key_F16) {
        KeyCode = static_cast<std::int16_t>(112 + (k - Qt::Key_F1));
        return true;
    }
    if ((k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z)) {
        KeyCode = static_cast<std::int16_t>(k); // letters and digits share their codes
        return true;
    }
    return false;
}

} // namespace Tastencode

namespace {

constexpr int Rand = 3;            // frame around the grid
constexpr int Spaltenabstand = 2;  // room for a column line
constexpr int Standardbreite = 80; // a column without a width of its own

// A focus change the user made inside the window; switching windows and
// opening pop-ups do not count.
bool Zählt(Qt::FocusReason r) {
    return r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason;
}

class Zellfeld : public QLineEdit {
public:
    Zellfeld(TextBox& zelle, EingabeTabelleWidget* tabelle) : QLineEdit(tabelle), zelle_(zelle), tabelle_(tabelle) {}

protected:
    // Keys reach the navigation before the line edit or the focus chain sees them.
    bool event(QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(e);
            std::int16_t code = 0, shift = 0;
            if (Tastencode::AusQt(*k, code, shift) && tabelle_->zelleTaste(zelle_, code, shift)) {
                k->accept();
                return true;
            }
        }
        return QLineEdit::event(e);
    }
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        if (Zählt(e->reason())) tabelle_->zelleFokus(zelle_, true);
    }
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        if (Zählt(e->reason())) tabelle_->zelleFokus(zelle_, false);
    }

private:
    TextBox& zelle_;
    EingabeTabelleWidget* tabelle_;
};

// A label that can show its caption as a code and a name in two columns:
// the caption is split at its first run of blanks and the name starts at
// `einzug`; without one, or without blanks, it is a plain label.
class Codelabel : public QLabel {
public:
    using QLabel::QLabel;
    int einzug = 0;

protected:
    void paintEvent(QPaintEvent* e) override {
        const QString t = text();
        const qsizetype lücke = t.indexOf("  ");
        if (einzug <= 0 || lücke <= 0) {
            QLabel::paintEvent(e);
            return;
        }
        QPainter p(this);
        p.setPen(palette().color(QPalette::WindowText));
        const QRect r = contentsRect();
        const Qt::Alignment a = Qt::AlignLeft | (alignment() & Qt::AlignVertical_Mask);
        p.drawText(r.adjusted(3, 0, 0, 0), a, t.left(lücke));
        p.drawText(r.adjusted(einzug, 0, 0, 0), a, t.mid(lücke).trimmed());
    }
};

} // namespace

// Reaches the widget from the handlers the models keep; cleared when the
// widget goes.
struct EingabeTabelleWidget::Rückruf {
    EingabeTabelleWidget* w = nullptr;
};

EingabeTabelleWidget::EingabeTabelleWidget(EingabeTabelle& tabelle, QWidget* parent)
    : QWidget(parent), tabelle_(tabelle), rückruf_(std::make_shared<Rückruf>()) {
    rückruf_->w = this;

    // Cells: the place in the row follows the order of registration.
    std::map<std::int16_t, int> proZeile;
    zellen_.reserve(tabelle.Zellen().size());
    for (const auto& z : tabelle.Zellen()) {
        auto* w = new Zellfeld(*z.Steuerelement, this);
        int platz = proZeile[z.Zeile]++;
        zellen_.push_back({w, z.Zeile, platz});
        zelleNach_.emplace(z.Steuerelement, zellen_.size() - 1);
        spaltenZahl_ = std::max(spaltenZahl_, platz + 1);
        Bindung::binden(*z.Steuerelement, w);
    }
    // Tab order as the grid numbered it.
    std::vector<std::pair<std::int32_t, QWidget*>> folge;
    for (std::size_t i = 0; i < zellen_.size(); ++i) {
        std::int32_t n = tabelle.Zellen()[i].TabIndex;
        if (n >= 0) folge.emplace_back(n, zellen_[i].widget);
    }
    std::stable_sort(folge.begin(), folge.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < folge.size(); ++i) QWidget::setTabOrder(folge[i - 1].second, folge[i].second);

    for (const auto& l : tabelle.Labels()) {
        auto* w = new Codelabel(this);
        w->setWordWrap(true);
        w->setAlignment(l.Total ? (Qt::AlignRight | Qt::AlignVCenter) : (Qt::AlignHCenter | Qt::AlignBottom));
        labels_.push_back({w, QRect(), l.Total, false});
        Bindung::binden(*l.Steuerelement, w);
    }

    // The grid's messages: rows moved, focus wanted.
    {
        auto lebt = std::make_shared<char>(0);
        tabelleLebt_ = lebt;
        int id = tabelle.beobachten([r = rückruf_, lebt](EingabeTabelle::Meldung m) {
            if (!r->w) return;
            if (m == EingabeTabelle::Meldung::Anzeige) r->w->anordnen();
            else r->w->fokusFolgen();
        });
        abmeldungen_.emplace_back(lebt, [&tabelle, id] { tabelle.nichtMehrBeobachten(id); });
    }
    if (PictureBox* box = tabelle.getTab()) {
        auto lebt = std::make_shared<char>(0);
        int id = box->beobachten([r = rückruf_, lebt](const Steuerelement&) {
            if (r->w) r->w->platzFolgen();
        });
        abmeldungen_.emplace_back(lebt, [box, id] { box->nichtMehrBeobachten(id); });
    }
    if (vb6CCVScrollBar* bar = tabelle.VScrollbar()) {
        balken_ = new QScrollBar(Qt::Vertical, this);
        balken_->setFocusPolicy(Qt::NoFocus);
        Bindung::binden(*bar, balken_);
        // The bar's events scroll the rows, as the owners forward them.
        auto lebt = std::make_shared<char>(0);
        auto rollen = [r = rückruf_, lebt] {
            if (r->w && r->w->lebt()) r->w->tabelle_.VScrollChange();
        };
        int c = bar->Change.verbinden(rollen);
        int s = bar->Scroll.verbinden(rollen);
        abmeldungen_.emplace_back(lebt, [bar, c, s] {
            bar->Change.trennen(c);
            bar->Scroll.trennen(s);
        });
    }

    entwerfen();
    platzFolgen();
}

EingabeTabelleWidget::~EingabeTabelleWidget() {
    rückruf_->w = nullptr;
    for (auto& [lebt, abmelden] : abmeldungen_)
        if (!lebt.expired()) abmelden();
}

bool EingabeTabelleWidget::lebt() const {
    return !tabelleLebt_.expired();
}

QLineEdit* EingabeTabelleWidget::Zellwidget(const TextBox& zelle) const {
    auto it = zelleNach_.find(&zelle);
    return it == zelleNach_.end() ? nullptr : zellen_[it->second].widget;
}

QLabel* EingabeTabelleWidget::Labelwidget(const Label& lab) const {
    if (!lebt()) return nullptr;
    const auto& liste = tabelle_.Labels();
    for (std::size_t i = 0; i < liste.size() && i < labels_.size(); ++i)
        if (liste[i].Steuerelement == &lab) return labels_[i].widget;
    return nullptr;
}

QRect EingabeTabelleWidget::Spaltenlage(int von, int bis, int oben, int höhe) const {
    const Spaltenplatz a = spalte(von), b = spalte(bis);
    return {a.links, oben, b.links + b.breite - a.links, höhe};
}

void EingabeTabelleWidget::setSpaltenbreiten(const std::vector<int>& breiten) {
    breiten_ = breiten;
    entwerfen();
}

void EingabeTabelleWidget::setLabelEinzug(const Label& lab, int einzug) {
    if (auto* l = dynamic_cast<Codelabel*>(Labelwidget(lab))) {
        l->einzug = einzug;
        l->update();
    }
}

void EingabeTabelleWidget::setSpaltenlinienOben(int y) {
    linienOben_ = y;
    update();
}

void EingabeTabelleWidget::setLabelLage(const Label& lab, const QRect& lage) {
    if (!lebt()) return;
    const auto& liste = tabelle_.Labels();
    for (std::size_t i = 0; i < liste.size() && i < labels_.size(); ++i) {
        if (liste[i].Steuerelement != &lab) continue;
        labels_[i].lage = lage;
        labels_[i].eigeneLage = true;
    }
    entwerfen();
}

EingabeTabelleWidget::Spaltenplatz EingabeTabelleWidget::spalte(int i) const {
    auto breite = [this](int j) {
        return j < static_cast<int>(breiten_.size()) && breiten_[static_cast<std::size_t>(j)] > 0
                   ? breiten_[static_cast<std::size_t>(j)]
                   : Standardbreite;
    };
    int links = Rand + 1;
    for (int j = 0; j < i; ++j) links += breite(j) + Spaltenabstand;
    return {links, breite(i)};
}

// Measures the design (captions, one row, totals) and tells the grid.
void EingabeTabelleWidget::entwerfen() {
    if (!lebt()) return;
    QFontMetrics fm(font());
    zeilenhöhe_ = zellen_.empty() ? fm.height() + 8 : zellen_.front().widget->sizeHint().height();
    const int P = zeilenhöhe_;

    int kopf = 0;
    bool standardKopf = false;
    hatTotal_ = false;
    for (const auto& l : labels_) {
        if (l.total) hatTotal_ = true;
        else if (l.eigeneLage) kopf = std::max(kopf, l.lage.bottom() + 1 - Rand);
        else standardKopf = true;
    }
    if (standardKopf) kopf = std::max(kopf, 2 * fm.lineSpacing() + 4);
    zelleOben_ = Rand + kopf + (kopf > 0 ? 2 : 0);
    totalOben_ = zelleOben_ + P + 2;

    int unten = zelleOben_ + P;
    int nKopf = 0, nTotal = 0;
    for (auto& l : labels_) {
        if (!l.eigeneLage) {
            int k = l.total ? nTotal++ : nKopf++;
            if (k >= spaltenZahl_) {
                l.lage = QRect(); // more labels than columns: no room
            } else {
                Spaltenplatz sp = spalte(k);
                l.lage = l.total ? QRect(sp.links, totalOben_, sp.breite, P) : QRect(sp.links, Rand, sp.breite, kopf);
            }
        }
        if (l.total) unten = std::max(unten, l.lage.isEmpty() ? totalOben_ + P : l.lage.bottom() + 1);
    }
    entwurfHöhe_ = unten + Rand + 1;

    balkenLinks_ = spalte(spaltenZahl_).links;
    int balkenBreite = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, balken_);
    entwurfBreite_ = balkenLinks_ + balkenBreite + Rand;

    if (vb6CCVScrollBar* bar = tabelle_.VScrollbar()) {
        // One row of the grid less one twip per row of the bar's page: a page
        // then holds exactly the visible rows.
        bar->setZeilenhöhe(Twips(P) - 1);
        bar->Move(Twips(balkenLinks_), Twips(zelleOben_), Twips(balkenBreite), bar->Height());
    }
    imEntwurf_ = true;
    tabelle_.setEntwurf({Twips(entwurfHöhe_), Twips(zelleOben_), Twips(P) - 2});
    imEntwurf_ = false;
    updateGeometry();
    anordnen();
}

void EingabeTabelleWidget::anordnen() {
    if (!lebt()) return;
    const int P = zeilenhöhe_;
    for (const auto& z : zellen_) {
        Spaltenplatz sp = spalte(z.spalte);
        QRect soll(sp.links, Pixel(tabelle_.ZeileOben(z.zeile)), sp.breite, P);
        if (z.widget->geometry() != soll) z.widget->setGeometry(soll);
    }
    const int unten = Pixel(tabelle_.Verschiebung());
    for (const auto& l : labels_) {
        QRect soll = l.total ? l.lage.translated(0, unten) : l.lage;
        if (l.widget->geometry() != soll) l.widget->setGeometry(soll);
    }
    if (balken_) {
        if (vb6CCVScrollBar* bar = tabelle_.VScrollbar()) {
            QRect soll(Pixel(bar->Left()), Pixel(bar->Top()), Pixel(bar->Width()), Pixel(bar->Height()));
            // A box wider than its pane: the bar at the pane's edge, over the cells.
            if (const int rechts = Pixel(tabelle_.SichtbarBis()); rechts > 0 && soll.right() >= rechts) {
                soll.moveRight(std::max(soll.width(), rechts) - 1);
                balken_->raise();
            }
            if (balken_->geometry() != soll) balken_->setGeometry(soll);
        }
    }
    update();
}

void EingabeTabelleWidget::fokusFolgen() {
    if (!lebt()) return;
    TextBox* f = tabelle_.Fokuszelle();
    if (!f) return;
    QLineEdit* w = Zellwidget(*f);
    if (w && !w->hasFocus()) w->setFocus(Qt::OtherFocusReason);
}

// The owner placed or showed the box through the grid.
void EingabeTabelleWidget::platzFolgen() {
    if (!lebt() || eigeneBewegung_) return;
    PictureBox* box = tabelle_.getTab();
    if (!box) return;
    if (parentWidget() && isHidden() == box->Visible()) setVisible(box->Visible());
    if (box->Height() < 1) return;
    QRect soll(Pixel(box->Left()), Pixel(box->Top()), Pixel(box->Width()), Pixel(box->Height()));
    if (geometry() != soll) setGeometry(soll);
}

// The widget was moved or resized (by a layout or by platzFolgen).
void EingabeTabelleWidget::selbstBewegt() {
    if (!lebt() || imEntwurf_) return;
    QRect g = geometry();
    if (PictureBox* box = tabelle_.getTab()) {
        QRect platz(Pixel(box->Left()), Pixel(box->Top()), Pixel(box->Width()), Pixel(box->Height()));
        if (box->Height() >= 1 && platz == g) return; // laid out for this place already
    }
    eigeneBewegung_ = true;
    tabelle_.Move(Twips(g.x()), Twips(g.y()), Twips(g.width()), Twips(g.height()));
    eigeneBewegung_ = false;
}

void EingabeTabelleWidget::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    selbstBewegt();
}

void EingabeTabelleWidget::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    selbstBewegt();
}

void EingabeTabelleWidget::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) entwerfen();
}

QSize EingabeTabelleWidget::sizeHint() const {
    if (!lebt()) return QWidget::sizeHint();
    return {entwurfBreite_, std::max(entwurfHöhe_, Pixel(tabelle_.GrössteHöhe()))};
}

QSize EingabeTabelleWidget::minimumSizeHint() const {
    if (!lebt()) return QWidget::minimumSizeHint();
    return {entwurfBreite_, Pixel(tabelle_.KleinsteHöhe())};
}

void EingabeTabelleWidget::zelleFokus(TextBox& zelle, bool erhalten) {
    if (!lebt()) return;
    if (erhalten) {
        if (ZelleGotFocus) ZelleGotFocus(zelle);
        else tabelle_.TabSetTextBox(zelle);
    } else if (ZelleLostFocus) {
        ZelleLostFocus(zelle);
    }
}

// A key in a cell; True when it was taken (a handler that clears the key
// code takes it too).
bool EingabeTabelleWidget::zelleTaste(TextBox& zelle, std::int16_t& KeyCode, std::int16_t Shift) {
    if (!lebt()) return false;
    bool genommen = false;
    if (ZelleKeyDown) {
        genommen = ZelleKeyDown(zelle, KeyCode, Shift);
    } else if (const EingabeTabelle::Zelle* z = tabelle_.ZelleVon(zelle)) {
        genommen = tabelle_.KeyDown(KeyCode, Shift, z->Zeile, z->Spalte);
    }
    return genommen || KeyCode == 0;
}

// The frame around the laid-out height, etched lines between the columns and
// above the totals row.
void EingabeTabelleWidget::paintEvent(QPaintEvent*) {
    if (!lebt()) return;
    QPainter p(this);
    const QPalette& pal = palette();
    const int unten = std::min(height(), Pixel(tabelle_.Rahmenhöhe() + 6));
    if (unten <= 2 * Rand) return;
    qDrawShadePanel(&p, QRect(0, 0, width(), unten), pal, true, 1);
    const int oben = std::max(Rand, linienOben_);
    for (int i = 1; i < spaltenZahl_ && oben < unten - Rand; ++i) {
        int x = spalte(i).links - Spaltenabstand;
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(x, oben, x, unten - Rand);
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(x + 1, oben, x + 1, unten - Rand);
    }
    if (hatTotal_) {
        int y = totalOben_ + Pixel(tabelle_.Verschiebung()) - 2;
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(Rand, y, width() - Rand, y);
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(Rand, y + 1, width() - Rand, y + 1);
    }
}

#include "frame/qt/RichTextAnsicht.h"

#include "frame/RichTextBox.h"
#include "frame/qt/Bindung.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QEvent>
#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QMetaObject>
#include <QPointer>
#include <QTextBlockFormat>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <memory>

namespace RichTextAnsicht {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

void Zeichnen(const RichTextBox& z, QTextBrowser* w) {
    if (!z.TextRTF().empty()) {
        w->document()->setDefaultFont(w->font());
        w->setHtml(Q(z.TextRTF()));
    } else {
        QFont f = w->font();
        if (!z.FontName().empty()) {
            f.setFamily(Q(z.FontName()));
            if (z.FontSize() > 0) f.setPointSizeF(z.FontSize());
            f.setBold(z.FontBold());
        }
        w->document()->setDefaultFont(f);
        w->setPlainText(Q(z.Text()));
    }
    QTextDocument* d = w->document();
    const int ende = d->characterCount() - 1;
    auto bereich = [d, ende](std::int32_t anfang, std::int32_t länge) {
        QTextCursor c(d);
        c.setPosition(std::min<int>(anfang, ende));
        c.setPosition(länge < 0 ? ende : std::min<int>(anfang + länge, ende), QTextCursor::KeepAnchor);
        return c;
    };
    // Tab stops are laid out for the narrow dialog font of the desktop the
    // reports were designed on (an average character of 5.5 pixels); a wider
    // screen font widens them alike, so the texts before a stop still end
    // before it.
    const double breiter = std::max(1.0, QFontMetricsF(d->defaultFont()).averageCharWidth() / 5.5);
    for (const auto& t : z.Tabstopps()) {
        QList<QTextOption::Tab> tabs;
        for (std::int32_t twips : t.Tabs)
            tabs.append(QTextOption::Tab(std::round(Bindung::Pixel(twips) * breiter), QTextOption::LeftTab));
        QTextBlockFormat f;
        f.setTabPositions(tabs);
        bereich(t.Anfang, t.Länge).mergeBlockFormat(f);
    }
    for (const auto& b : z.Farben()) {
        QTextCharFormat f;
        f.setForeground(QColor(static_cast<int>(b.Farbe & 0xFF), static_cast<int>((b.Farbe >> 8) & 0xFF),
                               static_cast<int>((b.Farbe >> 16) & 0xFF)));
        bereich(b.Anfang, b.Länge).mergeCharFormat(f);
    }
    w->moveCursor(QTextCursor::Start);
}

// One binding, a child of its widget.
class Verbindung : public QObject {
public:
    Verbindung(RichTextBox& zustand, QTextBrowser* widget, std::function<void()> selChange)
        : QObject(widget), widget_(widget), selChange_(std::move(selChange)),
          beobachtung_(new Bindung::Beobachtung(zustand, this, [this] { folgen(); })) {
        widget->setReadOnly(true);
        widget->setOpenLinks(false);
        widget->viewport()->installEventFilter(this);
        folgen();
    }

    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        // After the browser has put the caret where the click went.
        if (ereignis->type() == QEvent::MouseButtonRelease && selChange_)
            QMetaObject::invokeMethod(this, [this] { Klick(); }, Qt::QueuedConnection);
        return QObject::eventFilter(objekt, ereignis);
    }

private:
    QPointer<QTextBrowser> widget_;
    std::function<void()> selChange_;
    Bindung::Beobachtung* beobachtung_;
    std::uint64_t gezeichnet_ = ~std::uint64_t{0};

    RichTextBox* zustand() const { return static_cast<RichTextBox*>(beobachtung_->Zustand()); }
    void folgen() {
        RichTextBox* z = zustand();
        if (!z || !widget_ || z->Stand() == gezeichnet_) return;
        gezeichnet_ = z->Stand();
        Zeichnen(*z, widget_);
    }
    void Klick() {
        RichTextBox* z = zustand();
        if (!z || !widget_) return;
        z->setSelStart(widget_->textCursor().selectionStart());
        selChange_();
    }
};

} // namespace

void binden(RichTextBox& zustand, QTextBrowser* widget, std::function<void()> selChange) {
    new Verbindung(zustand, widget, std::move(selChange));
}

} // namespace RichTextAnsicht

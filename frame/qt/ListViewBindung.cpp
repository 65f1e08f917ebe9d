#include "frame/qt/ListViewBindung.h"

#include "frame/ListView.h"
#include "frame/qt/Bindung.h"

#include <QFont>
#include <QHeaderView>
#include <QPointer>
#include <QScopedValueRollback>
#include <QStyle>
#include <QTabBar>
#include <QTreeWidget>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace Bindung {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

void Listenansicht(const ListView& s, QTreeWidget* w) {
    w->setEnabled(s.Enabled());
    if (w->parentWidget() && w->isHidden() == s.Visible()) w->setVisible(s.Visible());
    const auto& spalten = s.ColumnHeaders();
    QStringList köpfe;
    for (const auto& sp : spalten) köpfe << Q(sp.Text);
    w->clear();
    w->setColumnCount(static_cast<int>(spalten.size()));
    w->setHeaderLabels(köpfe);
    std::vector<Qt::Alignment> ausrichtung;
    for (int i = 0; i < static_cast<int>(spalten.size()); ++i) {
        const auto& sp = spalten[static_cast<std::size_t>(i)];
        w->setColumnWidth(i, Pixel(sp.Width));
        ausrichtung.push_back((sp.Alignment == ListView::Ausrichtung::Rechts ? Qt::AlignRight : Qt::AlignLeft) |
                              Qt::AlignVCenter);
        w->headerItem()->setTextAlignment(i, ausrichtung.back());
    }
    QList<QTreeWidgetItem*> items;
    for (const auto& zeile : s.ListItems()) {
        auto* item = new QTreeWidgetItem;
        for (int i = 0; i < static_cast<int>(spalten.size()); ++i) {
            item->setText(i, Q(zeile.Text(static_cast<std::size_t>(i))));
            item->setTextAlignment(i, ausrichtung[static_cast<std::size_t>(i)]);
            if (zeile.Bold) {
                QFont f = item->font(i);
                f.setBold(true);
                item->setFont(i, f);
            }
        }
        items << item;
    }
    w->addTopLevelItems(items);
    // The widths of the design, wider where the screen font needs it.
    for (int i = 0; i < w->columnCount(); ++i) {
        const int entwurf = w->columnWidth(i);
        w->resizeColumnToContents(i);
        w->setColumnWidth(i, std::max(entwurf, w->columnWidth(i) + 6));
    }
}

} // namespace

int Listenbreite(const QTreeWidget* widget) {
    int breite = 0;
    for (int i = 0; i < widget->columnCount(); ++i) breite += widget->columnWidth(i);
    return breite + 2 * widget->frameWidth() + widget->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, widget);
}

void binden(ListView& zustand, QTreeWidget* widget) {
    widget->setRootIsDecorated(false);
    widget->setItemsExpandable(false);
    widget->setUniformRowHeights(true);
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->header()->setStretchLastSection(true);
    if (widget->objectName().isEmpty()) widget->setObjectName(Q(zustand.Name));
    QPointer<QTreeWidget> w = widget;
    auto folgen = [&zustand, w] {
        if (w) Listenansicht(zustand, w);
    };
    new Beobachtung(zustand, widget, folgen);
    folgen();
}

void binden(TabStrip& zustand, QTabBar* widget) {
    if (widget->objectName().isEmpty()) widget->setObjectName(Q(zustand.Name));
    QPointer<QTabBar> w = widget;
    auto schreibend = std::make_shared<bool>(false);
    auto folgen = [&zustand, w, schreibend] {
        if (!w) return;
        QScopedValueRollback<bool> schutz(*schreibend, true);
        const auto& tabs = zustand.Tabs();
        while (w->count() > static_cast<int>(tabs.size())) w->removeTab(w->count() - 1);
        for (int i = 0; i < static_cast<int>(tabs.size()); ++i) {
            const QString text = Q(tabs[static_cast<std::size_t>(i)].Caption);
            if (i < w->count()) {
                if (w->tabText(i) != text) w->setTabText(i, text);
            } else {
                w->addTab(text);
            }
        }
        if (zustand.SelectedIndex() >= 0 && w->currentIndex() != zustand.SelectedIndex())
            w->setCurrentIndex(zustand.SelectedIndex());
        w->setEnabled(zustand.Enabled());
    };
    auto* b = new Beobachtung(zustand, widget, folgen);
    folgen();
    QObject::connect(widget, &QTabBar::currentChanged, b, [b, schreibend](int i) {
        if (auto* s = static_cast<TabStrip*>(b->Zustand()); s && !*schreibend) s->setSelectedIndex(i);
    });
}

} // namespace Bindung

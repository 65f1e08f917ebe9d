#include "dialogs/qt/frmEnergienAnsicht.h"

#include "dialogs/frmEnergien.h"
#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace Dialoghilfe;

frmEnergienAnsicht::frmEnergienAnsicht(frmEnergien& modell, QWidget* eigentümer)
    : QDialog(eigentümer), m_(modell) {
    setObjectName("frmEnergien");
    setWindowTitle(Q(m_.Caption));
    setSizeGripEnabled(true);
    QtBildschirmschrift::Anwenden(this, m_);

    auto* leiste = new QMenuBar(this);
    auto* ansicht = leiste->addMenu(Q(m_.mnuAnsicht.Caption()));
    auto* drucken = ansicht->addAction(Q(m_.mnuDrucken.Caption()));
    drucken->setObjectName("mnuDrucken");
    drucken->setEnabled(m_.mnuDrucken.Enabled());
    ansicht->addSeparator();
    auto* schliessen = ansicht->addAction(Q(m_.mnuSchliessen.Caption()));
    schliessen->setObjectName("mnuSchliessen");
    connect(drucken, &QAction::triggered, this, [this] { m_.mnuDrucken_Click(); });
    connect(schliessen, &QAction::triggered, this, [this] { m_.mnuSchliessen_Click(); });

    lvw_ = new QTreeWidget(this);
    lvw_->setObjectName("lvwEnergien");
    lvw_->setRootIsDecorated(false);
    lvw_->setUniformRowHeights(true);
    lvw_->setSelectionMode(QAbstractItemView::SingleSelection);
    lvw_->header()->setSectionsMovable(false);
    lvw_->header()->setStretchLastSection(false);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setMenuBar(leiste);
    l->addWidget(lvw_);

    tabelleZeigen();
    beobachtet_.hinzufügen(m_.lvwEnergien, m_.lvwEnergien.beobachten([this](const Steuerelement&) { tabelleZeigen(); }));
    m_.Schliessen = [this] { QDialog::done(QDialog::Rejected); };

    // Wide enough for all fourteen columns, high enough for the rows.
    int breite = 0;
    for (int c = 0; c < lvw_->columnCount(); ++c) breite += lvw_->columnWidth(c);
    resize(breite + 30, 32 * lvw_->fontMetrics().height() + 120);
}

frmEnergienAnsicht::~frmEnergienAnsicht() { m_.Schliessen = nullptr; }

void frmEnergienAnsicht::Einrichten() {
    frmEnergien::Anzeigen = [](frmEnergien& modell) {
        frmEnergienAnsicht ansicht(modell, QApplication::activeWindow());
        ansicht.exec();
    };
}

// Esc and the close box close the window as Schliessen does without Ctrl.
void frmEnergienAnsicht::reject() {
    m_.Visible = false;
    QDialog::done(QDialog::Rejected);
}

void frmEnergienAnsicht::tabelleZeigen() {
    const ListView& lv = m_.lvwEnergien;
    const auto& spalten = lv.ColumnHeaders();
    const auto& zeilen = lv.ListItems();
    // Rows come one by one while the table fills: only the new ones are added.
    if (lvw_->columnCount() != static_cast<int>(spalten.size()) || lvw_->topLevelItemCount() > static_cast<int>(zeilen.size())) {
        lvw_->clear();
        lvw_->setColumnCount(static_cast<int>(spalten.size()));
        QStringList köpfe;
        for (const auto& s : spalten) köpfe << Q(s.Text);
        lvw_->setHeaderLabels(köpfe);
        for (int c = 0; c < static_cast<int>(spalten.size()); ++c) {
            lvw_->setColumnWidth(c, Bindung::Pixel(spalten[static_cast<std::size_t>(c)].Width));
            lvw_->headerItem()->setTextAlignment(c, (spalten[static_cast<std::size_t>(c)].Alignment == ListView::Ausrichtung::Rechts)
                                                        ? Qt::AlignRight | Qt::AlignVCenter
                                                        : Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    for (int r = lvw_->topLevelItemCount(); r < static_cast<int>(zeilen.size()); ++r) {
        const auto& z = zeilen[static_cast<std::size_t>(r)];
        auto* item = new QTreeWidgetItem(lvw_);
        QFont f = lvw_->font();
        f.setBold(z.Bold);
        for (int c = 0; c < static_cast<int>(z.Texte.size()) && c < lvw_->columnCount(); ++c) {
            item->setText(c, Q(z.Texte[static_cast<std::size_t>(c)]));
            item->setFont(c, f);
            if ((spalten[static_cast<std::size_t>(c)].Alignment == ListView::Ausrichtung::Rechts)) item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    // The widths of the design, wider where the screen font needs it.
    for (int c = 0; c < lvw_->columnCount(); ++c) {
        lvw_->resizeColumnToContents(c);
        lvw_->setColumnWidth(c, std::max(Bindung::Pixel(spalten[static_cast<std::size_t>(c)].Width),
                                         lvw_->columnWidth(c) + 6));
    }
}

#include "dialogs/qt/frmEnergienAnsicht.h"

#include "dialogs/frmEnergien.h"
#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "frame/qt/Fensterlage.h"
#include "frame/qt/ListViewBindung.h"

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
    lvw_->header()->setSectionsMovable(false);
    lvw_->header()->setStretchLastSection(false);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setMenuBar(leiste);
    l->addWidget(lvw_);

    Bindung::binden(m_.lvwEnergien, lvw_);
    lvw_->header()->setStretchLastSection(false);
    m_.Schliessen = [this] { QDialog::done(QDialog::Rejected); };

    // Wide enough for all fourteen columns, high enough for the rows.
    int breite = 0;
    for (int c = 0; c < lvw_->columnCount(); ++c) breite += lvw_->columnWidth(c);
    resize(breite + 30, 32 * lvw_->fontMetrics().height() + 120);
}

frmEnergienAnsicht::~frmEnergienAnsicht() { m_.Schliessen = nullptr; }

void frmEnergienAnsicht::Einrichten() {
    frmEnergien::Anzeigen = [](frmEnergien& modell) {
        frmEnergienAnsicht ansicht(modell, Fensterlage::Eigentümer());
        ansicht.exec();
    };
}

// Esc and the close box close the window as Schliessen does without Ctrl.
void frmEnergienAnsicht::reject() {
    m_.Visible = false;
    QDialog::done(QDialog::Rejected);
}

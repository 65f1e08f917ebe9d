#include "frame/qt/frmOrdnerSuchenAnsicht.h"

#include "frame/frmOrdnerSuchen.h"
#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "frame/qt/Fensterlage.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
} // namespace

frmOrdnerSuchenAnsicht::frmOrdnerSuchenAnsicht(frmOrdnerSuchen& modell, QWidget* parent)
    : QDialog(parent), modell_(modell) {
    setObjectName("frmOrdnerSuchen");
    setWindowTitle(Q(modell.Caption));
    QtBildschirmschrift::Anwenden(this, modell);

    auto* layout = new QVBoxLayout(this);
    dlbDrive1 = new QComboBox(this);
    layout->addWidget(dlbDrive1);

    auto* suchenIn = new QLabel(this);
    layout->addWidget(suchenIn);
    lblOrdner = new QLabel(this);
    // A long path must not widen the dialog; its tool tip shows it whole.
    lblOrdner->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblOrdner->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(lblOrdner);

    dlbDir1 = new QListWidget(this);
    dlbDir1->setMinimumSize(360, 260);
    layout->addWidget(dlbDir1, 1);

    auto* knöpfe = new QHBoxLayout;
    knöpfe->addStretch(1);
    cmdOK = new QPushButton(Q(modell.cmdOK.Caption()), this);
    cmdOK->setObjectName("cmdOK");
    cmdAbbrechen = new QPushButton(Q(modell.cmdAbbrechen.Caption()), this);
    cmdAbbrechen->setObjectName("cmdAbbrechen");
    cmdOK->setAutoDefault(false);
    cmdAbbrechen->setAutoDefault(false);
    knöpfe->addWidget(cmdOK);
    knöpfe->addWidget(cmdAbbrechen);
    layout->addLayout(knöpfe);

    Bindung::binden(modell.dlbDrive1, dlbDrive1);
    Bindung::binden(modell.lblSuchenIn, suchenIn);
    Bindung::binden(modell.lblOrdner, lblOrdner);
    Bindung::binden(modell.dlbDir1, dlbDir1);
    if (dlbDir1->currentItem()) dlbDir1->scrollToItem(dlbDir1->currentItem());

    // The list is filled anew when an entry opens: that happens after the
    // list's own event has ended.
    connect(dlbDir1, &QListWidget::itemActivated, this, [this](QListWidgetItem* eintrag) {
        const int zeile = dlbDir1->row(eintrag);
        QMetaObject::invokeMethod(
            this,
            [this, zeile] {
                modell_.dlbDir1_Öffnen(zeile);
                if (dlbDir1->currentItem()) dlbDir1->scrollToItem(dlbDir1->currentItem());
            },
            Qt::QueuedConnection);
    });
    connect(cmdOK, &QPushButton::clicked, this, [this] { modell_.cmdOK_Click(); });
    connect(cmdAbbrechen, &QPushButton::clicked, this, [this] { modell_.cmdAbbrechen_Click(); });
    modell_.BeimEntladen = [this] { done(modell_.Ergebnis ? QDialog::Accepted : QDialog::Rejected); };
}

frmOrdnerSuchenAnsicht::~frmOrdnerSuchenAnsicht() { modell_.BeimEntladen = nullptr; }

void frmOrdnerSuchenAnsicht::reject() {
    if (!modell_.Entladen)
        modell_.cmdAbbrechen_Click();
    else
        QDialog::reject();
}

void frmOrdnerSuchenAnsicht::Einrichten() {
    frmOrdnerSuchen::Anzeigen = [](frmOrdnerSuchen& modell) {
        frmOrdnerSuchenAnsicht ansicht(modell, Fensterlage::Eigentümer());
        ansicht.exec();
    };
}

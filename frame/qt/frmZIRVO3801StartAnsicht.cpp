#include "frame/qt/frmZIRVO3801StartAnsicht.h"

#include "frame/frmZIRVO3801Start.h"
#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

frmZIRVO3801StartAnsicht::frmZIRVO3801StartAnsicht(frmZIRVO3801Start& modell, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), modell_(modell) {
    setObjectName("frmZIRVO3801Start");
    setWindowTitle(QString::fromStdString(modell.Caption));
    QtBildschirmschrift::Anwenden(this, modell);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(8);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setAlignment(Qt::AlignCenter);
    QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) Image1->setPixmap(icon.pixmap(64, 64));
    Image1->setVisible(!icon.isNull());
    layout->addWidget(Image1);

    lblProg = new QLabel(this);
    QFont gross = font();
    gross.setPointSizeF(gross.pointSizeF() * 1.6);
    gross.setBold(true);
    lblProg->setFont(gross);
    lblProg->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblProg);

    lblVer = new QLabel(this);
    lblVer->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblVer);

    lblStartZähler = new QLabel(this);
    lblStartZähler->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblStartZähler);

    lblHersteller = new QLabel(this);
    lblHersteller->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblHersteller);

    Bindung::binden(modell.lblProg, lblProg);
    Bindung::binden(modell.lblVer, lblVer);
    Bindung::binden(modell.lblStartZähler, lblStartZähler);
    Bindung::binden(modell.lblHersteller, lblHersteller);
    // After the binding has set the new text: paint it now.
    zählerBeobachter_ = modell.lblStartZähler.beobachten([this](const Steuerelement&) {
        if (lblStartZähler->isVisible()) lblStartZähler->repaint();
    });

    setMinimumWidth(360);
    adjustSize();
    if (QScreen* schirm = QGuiApplication::primaryScreen()) {
        QRect r = schirm->availableGeometry();
        move(r.center() - rect().center());
    }
}

frmZIRVO3801StartAnsicht::~frmZIRVO3801StartAnsicht() {
    modell_.lblStartZähler.nichtMehrBeobachten(zählerBeobachter_);
}

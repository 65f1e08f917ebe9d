#include "installer/qt/frmZIRVOSPAnsicht.h"

#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "installer/frmZIRVOSP.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStorageInfo>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

using namespace Dialoghilfe;

frmZIRVOSPAnsicht::frmZIRVOSPAnsicht(frmZIRVOSP& modell, QWidget* eltern) : QWidget(eltern), m_(modell) {
    setObjectName("frmZIRVOSP");

    // As designed: the texts 315 twips in from the left, the buttons below
    // them; a long folder name widens the window up to the screen's width
    // and wraps beyond it.
    const int rand = Bindung::Pixel(315);
    lblInfo_ = new QLabel(this);
    auto* lblFrage = new QLabel(this);
    lblInfo_->setObjectName("lblInfo");
    lblFrage->setObjectName("lblFrage");
    for (QLabel* l : {lblInfo_, lblFrage}) l->setWordWrap(true);
    Bindung::binden(m_.lblInfo, lblInfo_);
    Bindung::binden(m_.lblFrage, lblFrage);
    beobachtet_.hinzufügen(m_.lblInfo, m_.lblInfo.beobachten([this](const Steuerelement&) { Einpassen(); }));
    auto* cmdInstallieren = beobachtet_.Knopf(m_.cmdInstallieren, this);
    auto* cmdAbbrechen = beobachtet_.Knopf(m_.cmdAbbrechen, this);
    for (auto* k : {cmdInstallieren, cmdAbbrechen}) k->setMinimumSize(Bindung::Pixel(1485), Bindung::Pixel(330));
    connect(cmdInstallieren, &QPushButton::clicked, this, [this] {
        m_.cmdInstallieren_Click();
        NachEreignis();
    });
    connect(cmdAbbrechen, &QPushButton::clicked, this, [this] {
        m_.cmdAbbrechen_Click();
        NachEreignis();
    });

    auto* knöpfe = new QHBoxLayout;
    knöpfe->setSpacing(Bindung::Pixel(2100 - 315 - 1485));
    knöpfe->addWidget(cmdInstallieren);
    knöpfe->addWidget(cmdAbbrechen);
    knöpfe->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(rand, rand, rand, rand);
    layout->setSpacing(0);
    layout->addWidget(lblInfo_);
    layout->addSpacing(Bindung::Pixel(945 - 315 - 225));
    layout->addWidget(lblFrage);
    layout->addSpacing(Bindung::Pixel(1470 - 945 - 225));
    layout->addStretch(1);
    layout->addLayout(knöpfe);
    cmdInstallieren->setFocus();
    Einpassen();

    m_.Zeigen = [this] { Gezeigt(); };
    // While the model waits for another installer, the event loop runs:
    // the window repaints, and "Nein, abbrechen" or the close box end the
    // wait.
    m_.Warten = [](std::chrono::milliseconds takt) {
        QEventLoop schleife;
        QTimer::singleShot(takt, &schleife, &QEventLoop::quit);
        schleife.exec();
    };
}

frmZIRVOSPAnsicht::~frmZIRVOSPAnsicht() {
    m_.Zeigen = nullptr;
    m_.Warten = nullptr;
}

// The model's start has set the caption and the font: show them, and paint
// the window before the search.
void frmZIRVOSPAnsicht::Gezeigt() {
    setWindowTitle(Q(m_.Caption));
    QtBildschirmschrift::Anwenden(this, m_);
    Einpassen();
    show();
    QCoreApplication::processEvents();
}

// The size as designed, wider for the caption in the title bar (with room
// for its buttons and a bolder font) and for the first line in one piece,
// but no wider than the screen: there the line wraps, at a "/" of a long
// folder name as well, and the window grows in height. A shown window
// grows about its centre and stays on the screen.
void frmZIRVOSPAnsicht::Einpassen() {
    const int rand = Bindung::Pixel(315);
    int breite = std::max(fontMetrics().horizontalAdvance(windowTitle()) + 160,
                          lblInfo_->fontMetrics().horizontalAdvance(lblInfo_->text()) + 2 * rand + 2);
    const QRect frei = screen() ? screen()->availableGeometry() : QRect();
    // The frame the window manager draws around the window (a guess until
    // it has drawn one).
    QSize rahmen = frameGeometry().size() - size();
    if (rahmen.width() <= 0) rahmen = QSize(16, 40);
    if (frei.isValid()) breite = std::min(breite, frei.width() - rahmen.width());
    breite = std::max(breite, Bindung::Pixel(5565));
    layout()->activate();
    const int höhe = std::max(Bindung::Pixel(2100), layout()->totalHeightForWidth(breite));
    setMinimumSize(breite, höhe);
    const QRect vorher = frameGeometry();
    resize(breite, höhe);
    if (isVisible() && frei.isValid()) {
        // Grown about its centre, then back onto the screen.
        QRect lage(QPoint(), QSize(breite, höhe) + rahmen);
        lage.moveCenter(vorher.center());
        lage.moveRight(std::min(lage.right(), frei.right()));
        lage.moveLeft(std::max(lage.left(), frei.left()));
        lage.moveBottom(std::min(lage.bottom(), frei.bottom()));
        lage.moveTop(std::max(lage.top(), frei.top()));
        if (lage.topLeft() != vorher.topLeft()) move(lage.topLeft());
    }
}

void frmZIRVOSPAnsicht::NachEreignis() {
    if (!m_.Beendet()) return;
    hide();
    if (Ende) Ende(m_.Rückgabe());
}

void frmZIRVOSPAnsicht::closeEvent(QCloseEvent* ereignis) {
    m_.cmdAbbrechen_Click();
    // During the wait the model ends once the wait has returned, and the
    // window closes then.
    if (!m_.Beendet()) {
        ereignis->ignore();
        return;
    }
    ereignis->accept();
    if (Ende) Ende(m_.Rückgabe());
}

std::vector<Datenträger> frmZIRVOSPAnsicht::Laufwerke() {
    std::vector<Einhängepunkt> punkte;
    for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
        if (!s.isValid() || !s.isReady()) continue;
        punkte.push_back({QFile::encodeName(s.rootPath()).toStdString(), s.device().toStdString()});
    }
    return Datenträgerliste::Ordnen(punkte);
}

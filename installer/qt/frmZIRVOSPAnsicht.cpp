#include "installer/qt/frmZIRVOSPAnsicht.h"

#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "installer/frmZIRVOSP.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QVBoxLayout>

#include <algorithm>

using namespace Dialoghilfe;

frmZIRVOSPAnsicht::frmZIRVOSPAnsicht(frmZIRVOSP& modell, QWidget* eltern) : QWidget(eltern), m_(modell) {
    setObjectName("frmZIRVOSP");

    // As designed: the texts 315 twips in from the left, the buttons below
    // them; a long mount point widens the window.
    const int rand = Bindung::Pixel(315);
    auto* lblInfo = new QLabel(this);
    auto* lblFrage = new QLabel(this);
    lblInfo->setObjectName("lblInfo");
    lblFrage->setObjectName("lblFrage");
    Bindung::binden(m_.lblInfo, lblInfo);
    Bindung::binden(m_.lblFrage, lblFrage);
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
    layout->addWidget(lblInfo);
    layout->addSpacing(Bindung::Pixel(945 - 315 - 225));
    layout->addWidget(lblFrage);
    layout->addSpacing(Bindung::Pixel(1470 - 945 - 225));
    layout->addStretch(1);
    layout->addLayout(knöpfe);
    setMinimumSize(Bindung::Pixel(5565), Bindung::Pixel(2100));
    cmdInstallieren->setFocus();

    m_.Zeigen = [this] { Gezeigt(); };
}

frmZIRVOSPAnsicht::~frmZIRVOSPAnsicht() { m_.Zeigen = nullptr; }

// The model's start has set the caption and the font: show them, and paint
// the window before the search.
void frmZIRVOSPAnsicht::Gezeigt() {
    setWindowTitle(Q(m_.Caption));
    QtBildschirmschrift::Anwenden(this, m_);
    // Wide enough for the caption in the title bar, with room for its
    // buttons and a bolder font.
    setMinimumWidth(std::max(Bindung::Pixel(5565), fontMetrics().horizontalAdvance(windowTitle()) + 160));
    show();
    QCoreApplication::processEvents();
}

void frmZIRVOSPAnsicht::NachEreignis() {
    if (!m_.Beendet()) return;
    hide();
    QCoreApplication::exit(m_.Rückgabe());
}

void frmZIRVOSPAnsicht::closeEvent(QCloseEvent* ereignis) {
    m_.cmdAbbrechen_Click();
    ereignis->accept();
    QCoreApplication::exit(m_.Rückgabe());
}

std::vector<Datenträger> frmZIRVOSPAnsicht::Laufwerke() {
    std::vector<Einhängepunkt> punkte;
    for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
        if (!s.isValid() || !s.isReady()) continue;
        punkte.push_back({QFile::encodeName(s.rootPath()).toStdString(), s.device().toStdString()});
    }
    return Datenträgerliste::Ordnen(punkte);
}

#include "printing/qt/frmDruckIniAnsicht.h"

#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "printing/Druckauftraege.h"
#include "printing/frmDruckIni.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Dialoghilfe;

frmDruckIniAnsicht::frmDruckIniAnsicht(frmDruckIni& modell, QWidget* eigentümer) : QDialog(eigentümer), m_(modell) {
    setObjectName("frmDruckIni");
    setWindowTitle(Q(m_.Caption));
    if (!m_.Icon.empty() && QFile::exists(Q(m_.Icon))) setWindowIcon(QIcon(Q(m_.Icon)));
    QtBildschirmschrift::Anwenden(this, m_);

    // --- printer ---
    auto* drucker = Rahmen(m_.Frame1, this);
    auto* cbo = new QComboBox(drucker);
    cbo->setObjectName("cboDrucker");
    cbo->setMinimumWidth(320);
    Bindung::binden(m_.cboDrucker, cbo);
    (new QVBoxLayout(drucker))->addWidget(cbo);

    // --- font ---
    auto* schrift = Rahmen(m_.Frame3, this);
    auto* gs = new QGridLayout(schrift);
    gs->addWidget(Beschriftung(m_.Label8, schrift), 0, 0);
    auto* name = Fett(Beschriftung(m_.lblSchrift, schrift));
    name->setObjectName("lblSchrift");
    gs->addWidget(name, 0, 1);
    gs->addWidget(Beschriftung(m_.Label9, schrift), 1, 0);
    auto* grösse = Fett(Beschriftung(m_.lblSchriftgrösse, schrift));
    grösse->setObjectName("lblSchriftgrösse");
    gs->addWidget(grösse, 1, 1);
    gs->addWidget(beobachtet_.Knopf(m_.cmdSchriftDurchsuchen, schrift), 0, 2, 2, 1, Qt::AlignVCenter);
    auto* ohneSz = new QCheckBox(schrift);
    ohneSz->setObjectName("chkOhneSz");
    Bindung::binden(m_.chkOhneSz, ohneSz);
    gs->addWidget(ohneSz, 2, 0, 1, 3);
    gs->setColumnStretch(1, 1);

    // --- lines and margins ---
    auto* linien = Rahmen(m_.Frame4, this);
    auto* fl = new QFormLayout(linien);
    fl->addRow(Beschriftung(m_.Label12, linien), Feld(m_.txtLinie, linien, 60, true));
    auto* ränder = Rahmen(m_.Frame5, this);
    auto* fr = new QFormLayout(ränder);
    fr->addRow(Beschriftung(m_.Label2, ränder), Feld(m_.txtLinks, ränder, 60, true));
    fr->addRow(Beschriftung(m_.Label3, ränder), Feld(m_.txtOben, ränder, 60, true));
    fr->addRow(Beschriftung(m_.Label4, ränder), Feld(m_.txtRechts, ränder, 60, true));
    fr->addRow(Beschriftung(m_.Label5, ränder), Feld(m_.txtUnten, ränder, 60, true));
    auto* unten = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    links->addWidget(linien);
    links->addStretch(1);
    unten->addLayout(links);
    unten->addWidget(ränder);

    // --- buttons ---
    auto* standard = beobachtet_.Knopf(m_.cmdStandard, this);
    auto* testseite = beobachtet_.Knopf(m_.cmdTestseite, this);
    auto* ok = beobachtet_.Knopf(m_.cmdOK, this);
    ok->setDefault(true);
    auto* abbrechen = beobachtet_.Knopf(m_.cmdSchliessen, this);
    auto* knöpfe = new QHBoxLayout;
    knöpfe->addWidget(standard);
    knöpfe->addWidget(testseite);
    knöpfe->addStretch(1);
    knöpfe->addWidget(ok);
    knöpfe->addWidget(abbrechen);

    auto* außen = new QVBoxLayout(this);
    außen->addWidget(drucker);
    außen->addWidget(schrift);
    außen->addLayout(unten);
    außen->addLayout(knöpfe);
    außen->setSizeConstraint(QLayout::SetFixedSize);

    connect(findChild<QPushButton*>("cmdSchriftDurchsuchen"), &QPushButton::clicked, this,
            [this] { m_.cmdSchriftDurchsuchen_Click(); });
    connect(standard, &QPushButton::clicked, this, [this] { m_.cmdStandard_Click(); });
    connect(testseite, &QPushButton::clicked, this, [this] { m_.cmdTestseite_Click(); });
    connect(ok, &QPushButton::clicked, this, [this] { m_.cmdOK_Click(); });
    connect(abbrechen, &QPushButton::clicked, this, [this] { m_.cmdSchliessen_Click(); });
    m_.BeimEntladen = [this] { done(QDialog::Accepted); };
}

frmDruckIniAnsicht::~frmDruckIniAnsicht() { m_.BeimEntladen = nullptr; }

void frmDruckIniAnsicht::reject() {
    if (!m_.Entladen) m_.cmdSchliessen_Click();
    else QDialog::reject();
}

void frmDruckIniAnsicht::Einrichten() {
    ModalZeigen<frmDruckIniAnsicht>(frmDruckIni::Anzeigen);
    Druckaufträge::Einrichten();
}

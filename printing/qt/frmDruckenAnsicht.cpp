#include "printing/qt/frmDruckenAnsicht.h"

#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "printing/frmDrucken.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Dialoghilfe;

namespace {

QCheckBox* Kästchen(CheckBox& zustand, QWidget* eltern) {
    auto* k = new QCheckBox(eltern);
    k->setObjectName(Q(zustand.Name));
    Bindung::binden(zustand, k);
    return k;
}

} // namespace

frmDruckenAnsicht::frmDruckenAnsicht(frmDrucken& modell, QWidget* eigentümer) : QDialog(eigentümer), m_(modell) {
    setObjectName("frmDrucken");
    setWindowTitle(Q(m_.Caption));
    if (!m_.Icon.empty() && QFile::exists(Q(m_.Icon))) setWindowIcon(QIcon(Q(m_.Icon)));
    QtBildschirmschrift::Anwenden(this, m_);

    // --- printer ---
    auto* drucker = Rahmen(m_.Frame1, this);
    auto* gd = new QGridLayout(drucker);
    gd->addWidget(Beschriftung(m_.Label1, drucker), 0, 0);
    auto* name = Fett(Beschriftung(m_.lblDrucker, drucker));
    name->setObjectName("lblDrucker");
    gd->addWidget(name, 0, 1, 1, 2);
    auto* einrichten = beobachtet_.Knopf(m_.cmdEinrichten, drucker);
    gd->addWidget(einrichten, 0, 3);
    gd->addWidget(Beschriftung(m_.Label2, drucker), 1, 0);
    gd->addWidget(Feld(m_.txtExemplare, drucker, 50, true), 1, 1);
    gd->addWidget(Beschriftung(m_.Label3, drucker), 1, 2);
    gd->addWidget(Kästchen(m_.chkDuplex, drucker), 2, 0, 1, 4);
    gd->addWidget(Kästchen(m_.chkDateiname, drucker), 3, 0, 1, 4);
    gd->addWidget(Kästchen(m_.chkADGD, drucker), 4, 0, 1, 4);
    gd->setColumnStretch(2, 1);

    // --- report choice ---
    auto* ausdruck = Rahmen(m_.Frame2, this);
    auto* ga = new QGridLayout(ausdruck);
    for (int i = 0; i < frmDrucken::Auswahlen; ++i) {
        auto* o = new QRadioButton(ausdruck);
        o->setObjectName(QString("optAusdruck(%1)").arg(i));
        Bindung::binden(m_.optAusdruck[i], o);
        ga->addWidget(o, i, 0);
        connect(o, &QRadioButton::clicked, this, [this, i] { m_.optAusdruck_Click(i); });
    }
    auto* zonen = new QComboBox(ausdruck);
    zonen->setObjectName("cboZonen");
    zonen->setMinimumWidth(220);
    Bindung::binden(m_.cboZonen, zonen);
    ga->addWidget(zonen, frmDrucken::Auswahlen - 1, 1);
    ga->addWidget(Kästchen(m_.chkAlleBauteile, ausdruck), 6, 1);
    ga->setColumnStretch(1, 1);

    // --- task and buttons ---
    auto* aufgabe = Fett(Beschriftung(m_.lblAufgabenstellung, this));
    aufgabe->setObjectName("lblAufgabenstellung");
    auto* drucken = beobachtet_.Knopf(m_.cmdDrucken, this);
    drucken->setDefault(true);
    auto* abbrechen = beobachtet_.Knopf(m_.cmdAbbrechen, this);
    auto* knöpfe = new QHBoxLayout;
    knöpfe->addWidget(aufgabe);
    knöpfe->addStretch(1);
    knöpfe->addWidget(drucken);
    knöpfe->addWidget(abbrechen);

    auto* außen = new QVBoxLayout(this);
    außen->addWidget(drucker);
    außen->addWidget(ausdruck);
    außen->addLayout(knöpfe);
    außen->setSizeConstraint(QLayout::SetFixedSize);

    connect(einrichten, &QPushButton::clicked, this, [this] { m_.cmdEinrichten_Click(); });
    connect(drucken, &QPushButton::clicked, this, [this] { m_.cmdDrucken_Click(); });
    connect(abbrechen, &QPushButton::clicked, this, [this] { m_.cmdAbbrechen_Click(); });
    m_.BeimEntladen = [this] { done(QDialog::Accepted); };
}

frmDruckenAnsicht::~frmDruckenAnsicht() { m_.BeimEntladen = nullptr; }

void frmDruckenAnsicht::reject() {
    if (!m_.Entladen) m_.cmdAbbrechen_Click();
    else QDialog::reject();
}

void frmDruckenAnsicht::Einrichten() { ModalZeigen<frmDruckenAnsicht>(frmDrucken::Anzeigen); }

#include "printing/qt/frmDruckenEBAnsicht.h"

#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "printing/frmDruckenEB.h"
#include "proofs/frmNachweisEB.h"

#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Dialoghilfe;

frmDruckenEBAnsicht::frmDruckenEBAnsicht(frmDruckenEB& modell, QWidget* eigentümer)
    : QDialog(eigentümer), m_(modell) {
    setObjectName("frmDruckenEB");
    setWindowTitle(Q(m_.Caption));
    if (!m_.Icon.empty() && QFile::exists(Q(m_.Icon))) setWindowIcon(QIcon(Q(m_.Icon)));
    QtBildschirmschrift::Anwenden(this, m_);

    auto* ausdruck = new QGroupBox(this);
    beobachtet_.RahmenFolgen(m_.Frame1, ausdruck, true);
    auto* wahl = new QVBoxLayout(ausdruck);
    for (int i = 0; i < m_.optAusdruck.Anzahl(); ++i) {
        auto* o = new QRadioButton(ausdruck);
        o->setObjectName(QString("optAusdruck%1").arg(i));
        Bindung::binden(m_.optAusdruck[i], o);
        wahl->addWidget(o);
    }

    auto* drucker = new QGroupBox(this);
    beobachtet_.RahmenFolgen(m_.Frame2, drucker, true);
    auto* g = new QGridLayout(drucker);
    g->addWidget(Beschriftung(m_.Label1, drucker), 0, 0);
    auto* name = Fett(Beschriftung(m_.lblDrucker, drucker));
    name->setObjectName("lblDrucker");
    g->addWidget(name, 0, 1, 1, 2);
    g->addWidget(Beschriftung(m_.Label2, drucker), 1, 0);
    g->addWidget(Feld(m_.txtExemplare, drucker, 50, true), 1, 1);
    g->addWidget(Beschriftung(m_.Label3, drucker), 1, 2);
    auto* duplex = new QCheckBox(drucker);
    duplex->setObjectName("chkDuplex");
    Bindung::binden(m_.chkDuplex, duplex);
    g->addWidget(duplex, 2, 0, 1, 3);
    g->setColumnStretch(2, 1);

    auto* drucken = beobachtet_.Knopf(m_.cmdDrucken, this);
    drucken->setDefault(true);
    auto* abbrechen = beobachtet_.Knopf(m_.cmdAbbrechen, this);
    connect(drucken, &QPushButton::clicked, this, [this] { m_.cmdDrucken_Click(); });
    connect(abbrechen, &QPushButton::clicked, this, [this] { m_.cmdAbbrechen_Click(); });

    auto* außen = new QVBoxLayout(this);
    außen->addWidget(ausdruck);
    außen->addWidget(drucker);
    außen->addLayout(Knopfzeile({drucken, abbrechen}));
    außen->setSizeConstraint(QLayout::SetFixedSize);
    m_.BeimEntladen = [this] { done(QDialog::Accepted); };
}

frmDruckenEBAnsicht::~frmDruckenEBAnsicht() { m_.BeimEntladen = nullptr; }

void frmDruckenEBAnsicht::reject() {
    if (!m_.Entladen) m_.cmdAbbrechen_Click();
    else QDialog::reject();
}

void frmDruckenEBAnsicht::Einrichten(frmNachweisEB& nachweis) {
    ModalZeigen<frmDruckenEBAnsicht>(frmDruckenEB::Anzeigen);
    nachweis.DruckenAnzeigen = [] { frmDruckenEB::Aufruf(); };
}

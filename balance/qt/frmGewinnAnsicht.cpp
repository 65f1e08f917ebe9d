#include "balance/qt/frmGewinnAnsicht.h"

#include "balance/frmGewinn.h"
#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Dialoghilfe.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Dialoghilfe;

frmGewinnAnsicht::frmGewinnAnsicht(frmGewinn& modell, QWidget* eigentümer)
    : QDialog(eigentümer), m_(modell), zellen_(this, modell) {
    setObjectName("frmGewinn");
    setWindowTitle(Q(m_.Caption));
    QtBildschirmschrift::Anwenden(this, m_);

    // --- solar gains ---
    auto* Frame4 = new QGroupBox(this);
    Frame4->setObjectName("Frame4");
    auto* sonne = new QGridLayout(Frame4);
    Wertzeile(sonne, 0, "Solare Wärmeeinträge", m_.lblQgS, "[kWh/m²]", Frame4);
    auto* hinweis = Text("Ausmass der Fenster bei der Gebäudehülle", Frame4);
    QFont klein = hinweis->font();
    klein.setItalic(true);
    hinweis->setFont(klein);
    sonne->addWidget(hinweis, 1, 0, 1, 3);
    sonne->setColumnStretch(0, 1);
    beobachtet_.RahmenFolgen(m_.Frame4, Frame4, true);

    // --- persons ---
    auto* Frame3 = new QGroupBox(this);
    Frame3->setObjectName("Frame3");
    auto* personen = new QGridLayout(Frame3);
    Wertzeile(personen, 0, "Wärmeabgabe pro Person", m_.lblPWP, "[W/P]", Frame3);
    Wertzeile(personen, 1, "Personenfläche", m_.lblPFl, "[m²/P]", Frame3);
    Wertzeile(personen, 2, "Präsenzzeit pro Tag", m_.lblPPr, "[h/d]", Frame3);
    Wertzeile(personen, 3, "Wärmeeinträge Personen", m_.lblQgP, "[kWh/m²]", Frame3);
    personen->setColumnStretch(0, 1);
    beobachtet_.RahmenFolgen(m_.Frame3, Frame3, true);

    // --- electricity ---
    auto* fraE = new QGroupBox(this);
    fraE->setObjectName("fraE");
    auto* strom = new QVBoxLayout(fraE);
    auto* standard = new QGridLayout;
    Wertzeile(standard, 0, "Elektrizitätsverbrauch", m_.lblEl, "[kWh/m²]", fraE);
    Wertzeile(standard, 1, "Reduktionsfaktor Elektrizität", m_.lblfe, "[-]", fraE);
    standard->setColumnStretch(0, 1);
    strom->addLayout(standard);

    auto* picEz = new QGroupBox(T("Zusätzlicher Elektrizitätsverbrauch"), fraE);
    picEz->setObjectName("picEz");
    auto* raster = new QGridLayout(picEz);
    raster->setVerticalSpacing(2);
    using Spalte = Rasterspalte<frmGewinn>;
    const Spalte spalten[] = {
        {"Bezeichnung", "", &frmGewinn::txtBez, 0, &frmGewinn::txtBez_GotFocus, &frmGewinn::txtBez_KeyDown,
         &frmGewinn::txtBez_KeyPress, &frmGewinn::txtBez_LostFocus},
        {"Leistung", "[W]", &frmGewinn::txtW, 70, &frmGewinn::txtW_GotFocus, &frmGewinn::txtW_KeyDown,
         &frmGewinn::txtW_KeyPress, &frmGewinn::txtW_LostFocus},
        {"Betriebszeit", "[h/a]", &frmGewinn::txtha, 70, &frmGewinn::txtha_GotFocus, &frmGewinn::txtha_KeyDown,
         &frmGewinn::txtha_KeyPress, &frmGewinn::txtha_LostFocus},
        {"Red.", "fEl  [-]", &frmGewinn::txtfe, 60, &frmGewinn::txtfe_GotFocus, &frmGewinn::txtfe_KeyDown,
         &frmGewinn::txtfe_KeyPress, &frmGewinn::txtfe_LostFocus},
        // the computed gain of the row: no events of its own
        {"Wärmeeintrag", "[kWh/m²]", &frmGewinn::txtWg, 80},
    };
    Zellenraster(raster, picEz, m_, frmGewinn::Verbraucherzeilen, spalten, fokusziele_, zellen_);
    strom->addWidget(picEz);
    beobachtet_.RahmenFolgen(m_.picEz, picEz, false);

    auto* bemerkung = new QHBoxLayout;
    bemerkung->addWidget(Text("Bemerkung", fraE));
    auto* txtEBem = Feld(m_.txtEBem, fraE, 0, false);
    fokusziele_.eintragen(m_.txtEBem, txtEBem);
    bemerkung->addWidget(txtEBem, 1);
    strom->addLayout(bemerkung);

    auto* qgE = new QGridLayout;
    Wertzeile(qgE, 0, "Wärmeeinträge Elektrizität", m_.lblQgE, "[kWh/m²]", fraE);
    qgE->setColumnStretch(0, 1);
    strom->addLayout(qgE);
    beobachtet_.RahmenFolgen(m_.fraE, fraE, true);

    // --- utilised gains ---
    auto* genutzt = new QGridLayout;
    genutzt->addWidget(Fett(Text("Genutzte Wärmeeinträge", this)), 0, 0);
    genutzt->addWidget(Fett(Wert(m_.lblQug, this)), 0, 1);
    genutzt->addWidget(Text("[kWh/m²]", this), 0, 2);
    genutzt->addWidget(Text("Ausnutzungsgrad:", this), 1, 0, Qt::AlignRight);
    genutzt->addWidget(Wert(m_.lblEtaG, this), 1, 1);
    genutzt->setColumnStretch(0, 1);
    genutzt->setContentsMargins(10, 0, 10, 0);

    // --- button ---
    auto* cmdSchliessen = beobachtet_.Knopf(m_.cmdSchliessen, this);
    connect(cmdSchliessen, &QPushButton::clicked, this, [this] { schliessen(); });

    auto* oben = new QHBoxLayout;
    oben->addWidget(Frame4, 1, Qt::AlignTop);
    oben->addWidget(Frame3, 1);
    auto* außen = new QVBoxLayout(this);
    außen->addLayout(oben);
    außen->addWidget(fraE);
    außen->addLayout(genutzt);
    außen->addSpacing(6);
    außen->addLayout(Knopfzeile({cmdSchliessen}));

    m_.FokusSetzen = [this](Steuerelement& s) { fokusziele_.setzen(s, this); };
}

frmGewinnAnsicht::~frmGewinnAnsicht() {
    m_.FokusSetzen = nullptr;
    m_.Visible = false;
}

void frmGewinnAnsicht::Einrichten() { GeladenModalZeigen<frmGewinnAnsicht>(frmGewinn::Anzeigen); }

bool frmGewinnAnsicht::eventFilter(QObject* objekt, QEvent* ereignis) {
    return zellen_.weiterleiten(objekt, ereignis) || QDialog::eventFilter(objekt, ereignis);
}

void frmGewinnAnsicht::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    Gezeigt(m_);
}

void frmGewinnAnsicht::schliessen() {
    if (m_.Geladen()) m_.cmdSchliessen_Click();
    m_.Visible = false;
    QDialog::done(QDialog::Accepted);
}

// Esc and the close box (whose QDialog::closeEvent rejects) close as the button does.
void frmGewinnAnsicht::reject() { schliessen(); }

#include "balance/qt/frmLueftungAnsicht.h"

#include "balance/frmLueftung.h"
#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "frame/qt/Dialoghilfe.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Dialoghilfe;

frmLüftungAnsicht::frmLüftungAnsicht(frmLüftung& modell, QWidget* eigentümer)
    : QDialog(eigentümer), m_(modell), zellen_(this, modell) {
    setObjectName("frmLüftung");
    setWindowTitle(Q(m_.Caption));
    QtBildschirmschrift::Anwenden(this, m_);

    // --- natural ventilation ---
    auto* fraNL = new QGroupBox(this);
    fraNL->setObjectName("fraNL");
    auto* nl = new QGridLayout(fraNL);
    Wertzeile(nl, 0, "Energiebezugsfläche EBF", m_.lblEBF0, "[m²]", fraNL);
    Wertzeile(nl, 1, "Aussenluft-Volumenstrom", m_.lblAVEnL, "[m³/h·m²]", fraNL);
    Wertzeile(nl, 2, "Energiebezugsfläche EBF", m_.lblEBF0nL, "[m²]", fraNL);
    Wertzeile(nl, 3, "Wärmebedarf", m_.lblLwv, "[kWh/m²]", fraNL);
    nl->setColumnStretch(0, 1);
    beobachtet_.RahmenFolgen(m_.fraNL, fraNL, true);

    // --- mechanical ventilation ---
    auto* fraML = new QGroupBox(this);
    fraML->setObjectName("fraML");
    auto* ml = new QVBoxLayout(fraML);
    auto* optionen = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* opt = new QRadioButton(fraML);
        Bindung::binden(m_.optML[i], opt);
        fokusziele_.eintragen(m_.optML[i], opt);
        // A click of the user; the model selects an option itself when it loads.
        connect(opt, &QRadioButton::clicked, this, [this, i](bool an) {
            if (an && m_.Geladen()) m_.optML_Click(i);
        });
        optionen->addWidget(opt);
    }
    auto* txtAnteilML = Feld(m_.txtAnteilML, fraML, 60, true);
    fokusziele_.eintragen(m_.txtAnteilML, txtAnteilML);
    optionen->addWidget(txtAnteilML);
    optionen->addWidget(Text("[%]", fraML));
    optionen->addStretch();
    ml->addLayout(optionen);

    auto* fraML2 = new QWidget(fraML);
    fraML2->setObjectName("fraML2");
    auto* raster = new QGridLayout(fraML2);
    raster->setContentsMargins(0, 6, 0, 0);
    using Spalte = Rasterspalte<frmLüftung>;
    const Spalte spalten[] = {
        {"Bezeichnung", "", &frmLüftung::txtBez, 0, &frmLüftung::txtBez_GotFocus, &frmLüftung::txtBez_KeyDown,
         &frmLüftung::txtBez_KeyPress, &frmLüftung::txtBez_LostFocus},
        {"Luftstrom", "[m³/h]", &frmLüftung::txtLSt, 80, &frmLüftung::txtLSt_GotFocus, &frmLüftung::txtLSt_KeyDown,
         &frmLüftung::txtLSt_KeyPress, &frmLüftung::txtLSt_LostFocus},
        {"Betriebszeit", "[h/a]", &frmLüftung::txtha, 80, &frmLüftung::txtha_GotFocus, &frmLüftung::txtha_KeyDown,
         &frmLüftung::txtha_KeyPress, &frmLüftung::txtha_LostFocus},
        {"WRG", "[%]", &frmLüftung::txtWRG, 60, &frmLüftung::txtWRG_GotFocus, &frmLüftung::txtWRG_KeyDown,
         &frmLüftung::txtWRG_KeyPress, &frmLüftung::txtWRG_LostFocus},
        {"Wärmebedarf", "[kWh/m²]", &frmLüftung::txtQ, 80, &frmLüftung::txtQ_GotFocus, &frmLüftung::txtQ_KeyDown,
         &frmLüftung::txtQ_KeyPress, &frmLüftung::txtQ_LostFocus},
    };
    Zellenraster(raster, fraML2, m_, frmLüftung::Gerätezeilen, spalten, fokusziele_, zellen_);
    int r = 2 + frmLüftung::Gerätezeilen;
    raster->setRowMinimumHeight(r++, 8);
    raster->addWidget(Text("Aussenluft-Volumenstrom auf Grund der Luftdurchlässigkeit des Gebäudes", fraML2), r++, 0,
                      1, 5);
    auto avZeile = [&](const char* text, TextBox& zustand, void (frmLüftung::*LostFocus)()) {
        raster->addWidget(Text(text, fraML2), r, 0, 1, 2);
        auto* w = Feld(zustand, fraML2, 80, true);
        raster->addWidget(w, r, 2);
        raster->addWidget(Text("[m³/h·m²]", fraML2), r, 3, 1, 2);
        fokusziele_.eintragen(zustand, w);
        zellen_.eintragen(w, {.LostFocusEinzeln = LostFocus});
        ++r;
    };
    avZeile("- während der Betriebszeit", m_.txtAVEMLwB, &frmLüftung::txtAVEMLwB_LostFocus);
    avZeile("- ausserhalb der Betriebszeit", m_.txtAVEMLaB, &frmLüftung::txtAVEMLaB_LostFocus);
    ml->addWidget(fraML2);
    beobachtet_.RahmenFolgen(m_.fraML2, fraML2, true);

    auto* bemerkung = new QHBoxLayout;
    bemerkung->addWidget(Text("Bemerkung", fraML));
    auto* txtMLBem = Feld(m_.txtMLBem, fraML, 0, false);
    fokusziele_.eintragen(m_.txtMLBem, txtMLBem);
    bemerkung->addWidget(txtMLBem, 1);
    ml->addLayout(bemerkung);
    beobachtet_.RahmenFolgen(m_.fraML, fraML, true);

    zellen_.eintragen(txtAnteilML, {.LostFocusEinzeln = &frmLüftung::txtAnteilML_LostFocus});

    // --- the ventilation loss of the zone ---
    auto* summe = new QHBoxLayout;
    summe->addWidget(Fett(Text("Lüftungswärmeverlust", this)), 1);
    summe->addWidget(Fett(Wert(m_.lblQv, this)));
    summe->addWidget(Text("[kWh/m²]", this));

    // --- heat load with mechanical ventilation ---
    auto* fraHL = new QGroupBox(this);
    fraHL->setObjectName("fraHL");
    auto* hl = new QGridLayout(fraHL);
    hl->addWidget(Text("Rechenwerte für die Berechnung der spezifischen Heizlast", fraHL), 0, 0, 1, 4);
    auto* txtEtaV = Feld(m_.txtEtaV, fraHL, 60, true);
    auto* txtEtaVBem = Feld(m_.txtEtaVBem, fraHL, 0, false);
    auto* txtfV = Feld(m_.txtfV, fraHL, 60, true);
    auto* txtfVBem = Feld(m_.txtfVBem, fraHL, 0, false);
    txtEtaVBem->setMinimumWidth(160);
    txtfVBem->setMinimumWidth(160);
    hl->addWidget(Text("Anlagennutzungsgrad der Wärmerückgewinnung", fraHL), 1, 0);
    hl->addWidget(txtEtaV, 1, 1);
    hl->addWidget(txtEtaVBem, 1, 2, 1, 2);
    hl->addWidget(Text("Lüftungseffektivität der mechanischen Lüftung", fraHL), 2, 0);
    hl->addWidget(txtfV, 2, 1);
    hl->addWidget(txtfVBem, 2, 2, 1, 2);
    hl->addWidget(Text("Thermisch wirksamer Aussenluft-Volumenstrom", fraHL), 3, 0);
    hl->addWidget(Wert(m_.lblQth, fraHL), 3, 1);
    hl->addWidget(Text("[m³/h·m²]", fraHL), 3, 2);
    hl->setColumnStretch(3, 1);
    for (auto [zustand, w] : {std::pair<TextBox*, QLineEdit*>{&m_.txtEtaV, txtEtaV}, {&m_.txtEtaVBem, txtEtaVBem},
                              {&m_.txtfV, txtfV}, {&m_.txtfVBem, txtfVBem}})
        fokusziele_.eintragen(*zustand, w);
    // Every change the user makes to the two values shows the air rate anew.
    // The box tells the edit before its text change, so the state takes
    // the text first.
    connect(txtEtaV, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_.txtEtaV.setText(t.toStdString());
        if (m_.Geladen()) m_.txtEtaV_Change();
    });
    connect(txtfV, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_.txtfV.setText(t.toStdString());
        if (m_.Geladen()) m_.txtfV_Change();
    });
    beobachtet_.RahmenFolgen(m_.fraHL, fraHL, true);

    // --- button ---
    auto* cmdSchliessen = beobachtet_.Knopf(m_.cmdSchliessen, this);
    connect(cmdSchliessen, &QPushButton::clicked, this, [this] { schliessen(); });

    auto* außen = new QVBoxLayout(this);
    außen->addWidget(fraNL);
    außen->addWidget(fraML);
    außen->addLayout(summe);
    außen->addWidget(fraHL);
    außen->addSpacing(6);
    außen->addLayout(Knopfzeile({cmdSchliessen}));

    m_.FokusSetzen = [this](Steuerelement& s) { fokusziele_.setzen(s, this); };
}

frmLüftungAnsicht::~frmLüftungAnsicht() {
    m_.FokusSetzen = nullptr;
    m_.Visible = false;
}

void frmLüftungAnsicht::Einrichten() { GeladenModalZeigen<frmLüftungAnsicht>(frmLüftung::Anzeigen); }

bool frmLüftungAnsicht::eventFilter(QObject* objekt, QEvent* ereignis) {
    return zellen_.weiterleiten(objekt, ereignis) || QDialog::eventFilter(objekt, ereignis);
}

void frmLüftungAnsicht::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    Gezeigt(m_);
}

void frmLüftungAnsicht::schliessen() {
    if (m_.Geladen()) m_.cmdSchliessen_Click();
    m_.Visible = false;
    QDialog::done(QDialog::Accepted);
}

// Esc and the close box (whose QDialog::closeEvent rejects) close as the button does.
void frmLüftungAnsicht::reject() { schliessen(); }

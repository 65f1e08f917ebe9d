#include "dialogs/qt/frmProjektAnsicht.h"

#include "dialogs/frmProjekt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/qt/Bindung.h"
#include "frame/qt/Fensterlage.h"
#include "frame/qt/Hilfefenster.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString T(const char* text) { return Q(DS(text)); }

QLineEdit* Feld(TextBox& zustand, QWidget* eltern, int breite = 0) {
    auto* w = new QLineEdit(eltern);
    if (breite > 0) w->setFixedWidth(breite);
    Bindung::binden(zustand, w);
    return w;
}

QRadioButton* Option(OptionButton& zustand, QWidget* eltern) {
    auto* w = new QRadioButton(eltern);
    Bindung::binden(zustand, w);
    return w;
}

QComboBox* Liste(ComboBox& zustand, QWidget* eltern) {
    auto* w = new QComboBox(eltern);
    w->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Bindung::binden(zustand, w);
    return w;
}

// Which author block a box belongs to (for the address copy keys).
const char* const EigenschaftBlock = "zirvoAdressblock";
const char* const EigenschaftIndex = "zirvoIndex";

} // namespace

frmProjektAnsicht::frmProjektAnsicht(frmProjekt& modell, QWidget* eigentümer) : QDialog(eigentümer), m_(modell) {
    setObjectName("frmProjekt");
    QtHilfe::KontextBinden(this, [this] { return m_.HelpContextID; });
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabProjekt");
    tabs_->addTab(SeiteProjekt(), QString());
    tabs_->addTab(SeiteAdressen(), QString());
    tabs_->addTab(SeiteAnforderungen(), QString());
    tabs_->addTab(SeiteKlima(), QString());
    tabs_->addTab(SeiteHimmelsrichtung(), QString());

    auto* knöpfe = new QDialogButtonBox(this);
    auto* ok = knöpfe->addButton(QString(), QDialogButtonBox::AcceptRole);
    auto* abbrechen = knöpfe->addButton(QString(), QDialogButtonBox::RejectRole);
    ok->setObjectName("cmdOK");
    abbrechen->setObjectName("cmdAbbrechen");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { m_.cmdOK_Click(); });
    connect(abbrechen, &QPushButton::clicked, this, [this] { m_.cmdAbbrechen_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(knöpfe);

    // The model's tabs follow the tab widget and back.
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int i) {
        if (m_.tabProjekt.ListIndex() == i) return;
        m_.tabProjekt.setListIndex(i);
        m_.tabProjekt_Click();
    });
    tabBeobachter_ = m_.tabProjekt.beobachten([this](const Steuerelement&) { TabsAbgleichen(); });

    m_.Schliessen = [this] {
        geschlossen_ = true;
        QDialog::done(m_.Bestätigt() ? QDialog::Accepted : QDialog::Rejected);
    };

    if (!m_.Geladen()) m_.Form_Load();
    TabsAbgleichen();
    setWindowTitle(Q(m_.Caption));
    ok->setText(Q(m_.cmdOK.Caption()));
    abbrechen->setText(Q(m_.cmdAbbrechen.Caption()));
}

frmProjektAnsicht::~frmProjektAnsicht() {
    m_.Schliessen = nullptr;
    m_.tabProjekt.nichtMehrBeobachten(tabBeobachter_);
}

void frmProjektAnsicht::Einrichten() {
    frmProjekt::Anzeigen = [](frmProjekt& modell) {
        if (!modell.Geladen()) return;
        frmProjektAnsicht ansicht(modell, Fensterlage::Eigentümer());
        ansicht.exec();
    };
}

// The tab captions and the selected tab as the model holds them.
void frmProjektAnsicht::TabsAbgleichen() {
    const auto& liste = m_.tabProjekt.List();
    for (int i = 0; i < tabs_->count() && i < static_cast<int>(liste.size()); ++i)
        tabs_->setTabText(i, Q(liste[static_cast<std::size_t>(i)]));
    if (m_.tabProjekt.ListIndex() >= 0 && tabs_->currentIndex() != m_.tabProjekt.ListIndex())
        tabs_->setCurrentIndex(m_.tabProjekt.ListIndex());
}

void frmProjektAnsicht::reject() {
    // The close box and Escape discard like Cancel.
    if (!geschlossen_) m_.cmdAbbrechen_Click();
    if (!geschlossen_) {
        geschlossen_ = true;
        QDialog::reject();
    }
}

void frmProjektAnsicht::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    if (gezeigt_) return;
    gezeigt_ = true;
    m_.Form_Resize();
}

bool frmProjektAnsicht::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::KeyPress) {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        std::int16_t code = 0;
        if (taste->modifiers() & Qt::ControlModifier) {
            if (taste->key() == Qt::Key_S) code = 19;
            else if (taste->key() == Qt::Key_L) code = 12;
        }
        if (code != 0) {
            int block = objekt->property(EigenschaftBlock).toInt();
            int index = objekt->property(EigenschaftIndex).toInt();
            if (block == 1) m_.txtPV_KeyPress(index, code);
            else if (block == 2) m_.txtNV_KeyPress(index, code);
            if (code == 0) return true;
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

QWidget* frmProjektAnsicht::SeiteProjekt() {
    auto* seite = new QWidget;
    seite->setObjectName("picProjekt");
    auto* g = new QGridLayout(seite);
    int z = 0;
    auto zeile = [&](const char* text, QWidget* w) {
        g->addWidget(new QLabel(T(text), seite), z, 0);
        g->addWidget(w, z, 1, 1, 2);
        ++z;
    };
    zeile("Identifikation", Feld(m_.txtID, seite));
    zeile("Bezeichnung", Feld(m_.txtBez, seite));
    zeile("Akten-Nr.", Feld(m_.txtAktenNr, seite));
    zeile("Stand, Version", Feld(m_.txtStand, seite));

    auto* bv = new QGroupBox(T("Bauvorhaben"), seite);
    auto* gb = new QGridLayout(bv);
    gb->addWidget(new QLabel(T("Adresse"), bv), 0, 0, Qt::AlignTop);
    for (int i = 0; i < 5; ++i) gb->addWidget(Feld(m_.txtBV[i], bv), i, 1);
    auto* arten = new QWidget(bv);
    auto* va = new QVBoxLayout(arten);
    va->setContentsMargins(12, 0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        auto* o = Option(m_.optArt[i], arten);
        va->addWidget(o);
        connect(o, &QRadioButton::clicked, this, [this, i] { m_.optArt_Click(i); });
    }
    va->addStretch();
    gb->addWidget(arten, 0, 2, 5, 1);
    gb->setColumnStretch(1, 1);
    g->addWidget(bv, z++, 0, 1, 3);

    zeile("Standort", Feld(m_.txtGebSt, seite));
    g->addWidget(new QLabel(T("Meereshöhe"), seite), z, 0);
    g->addWidget(Feld(m_.txtMueM, seite, 90), z, 1);
    g->addWidget(new QLabel(T("[m]"), seite), z, 2);
    ++z;
    zeile("Kanton", Feld(m_.txtKanton, seite));
    g->setColumnStretch(2, 1);
    g->setRowStretch(z, 1);
    return seite;
}

QWidget* frmProjektAnsicht::SeiteAdressen() {
    auto* seite = new QWidget;
    seite->setObjectName("picAdressen");
    auto* v = new QVBoxLayout(seite);
    struct Block {
        const char* Titel;
        Steuerelementfeld<TextBox>* Boxen;
        int Kopiertasten; // 0 none, 1 project author, 2 proof author
    };
    const Block blöcke[] = {{"Bauherrschaft oder Vertreter", &m_.txtBH, 0},
                            {"Projektverfasser", &m_.txtPV, 1},
                            {"Nachweisverfasser", &m_.txtNV, 2}};
    // The four address lines are free; their captions say what usually goes there.
    const char* links[] = {"Name / Firma", "Zusatz", "Strasse", "PLZ Ort"};
    const char* rechts[] = {"Sachbearbeiter", "Telefon", "Fax", "E-Mail"};
    for (const auto& b : blöcke) {
        auto* rahmen = new QGroupBox(T(b.Titel), seite);
        auto* g = new QGridLayout(rahmen);
        for (int i = 0; i < 8; ++i) {
            QLineEdit* w = Feld((*b.Boxen)[i], rahmen);
            if (b.Kopiertasten != 0) {
                w->setProperty(EigenschaftBlock, b.Kopiertasten);
                w->setProperty(EigenschaftIndex, i);
                w->installEventFilter(this);
            }
            const int spalte = i < 4 ? 0 : 2;
            auto* beschriftung = new QLabel(T(i < 4 ? links[i] : rechts[i - 4]), rahmen);
            beschriftung->setBuddy(w);
            g->addWidget(beschriftung, i % 4, spalte);
            g->addWidget(w, i % 4, spalte + 1);
        }
        g->setColumnStretch(1, 3);
        g->setColumnStretch(3, 2);
        v->addWidget(rahmen);
    }
    v->addStretch();
    return seite;
}

QWidget* frmProjektAnsicht::SeiteAnforderungen() {
    auto* seite = new QWidget;
    seite->setObjectName("picAnforderung");
    auto* v = new QVBoxLayout(seite);

    auto* aufgabe = new QGroupBox(T("&Aufgabenstellung"), seite);
    auto* va = new QVBoxLayout(aufgabe);
    for (int i = 0; i < 3; ++i) {
        auto* o = Option(m_.optArtB[i], aufgabe);
        va->addWidget(o);
        connect(o, &QRadioButton::clicked, this, [this, i] { m_.optArtB_Click(i); });
        if (i == 0) {
            // The limit or target value belongs to the proof.
            auto* nachweis = new QGroupBox(aufgabe);
            nachweis->setObjectName("fraNachweis");
            auto* vn = new QHBoxLayout(nachweis);
            vn->addWidget(Option(m_.optNwGrZi[0], nachweis));
            vn->addWidget(Option(m_.optNwGrZi[1], nachweis));
            vn->addStretch();
            auto* einzug = new QHBoxLayout;
            einzug->addSpacing(24);
            einzug->addWidget(nachweis);
            va->addLayout(einzug);
        }
    }
    v->addWidget(aufgabe);

    auto* anforderung = new QGroupBox(T("Anforderung &Systemnachweis"), seite);
    auto* g = new QGridLayout(anforderung);
    for (int i = 0; i < 2; ++i) {
        auto* o = Option(m_.optAnf[i], anforderung);
        g->addWidget(o, i, 0);
        connect(o, &QRadioButton::clicked, this, [this, i] { m_.optAnf_Click(i); });
    }
    g->addWidget(Liste(m_.cboKanton, anforderung), 1, 1);
    g->setColumnStretch(2, 1);
    v->addWidget(anforderung);
    v->addStretch();
    return seite;
}

QWidget* frmProjektAnsicht::SeiteKlima() {
    auto* seite = new QWidget;
    seite->setObjectName("picKlima");
    auto* v = new QVBoxLayout(seite);

    auto* kopf = new QGridLayout;
    kopf->addWidget(new QLabel(T("Klimastation"), seite), 0, 0);
    QComboBox* stationen = Liste(m_.cboKlimastation, seite);
    connect(stationen, &QComboBox::activated, this, [this](int) { m_.cboKlimastation_Click(); });
    kopf->addWidget(stationen, 0, 1, 1, 3);
    kopf->addWidget(new QLabel(T("Meereshöhe"), seite), 1, 0);
    kopf->addWidget(Feld(m_.txtKlH, seite, 70), 1, 1);
    kopf->addWidget(new QLabel(T("Ta min"), seite), 1, 2, Qt::AlignRight);
    kopf->addWidget(Feld(m_.txtKlT, seite, 70), 1, 3);
    kopf->setColumnStretch(4, 1);
    v->addLayout(kopf);

    const auto monate = basZIRVO3801::MonatsnamenInitialisieren();
    constexpr int Breite = 46;

    auto* temperatur = new QGroupBox(T("Aussentemperatur  [°C]"), seite);
    auto* gt = new QGridLayout(temperatur);
    gt->setHorizontalSpacing(3);
    for (int m = 0; m < 12; ++m) {
        gt->addWidget(new QLabel(Q(monate[static_cast<std::size_t>(m)]), temperatur), 0, m + 1, Qt::AlignHCenter);
        gt->addWidget(Feld(m_.txtAT[m], temperatur, Breite), 1, m + 1);
    }
    auto* jahr = new QHBoxLayout;
    jahr->setSpacing(8);
    jahr->addWidget(new QLabel(T("Jahresmitteltemperatur:"), temperatur));
    auto* lblJahr = new QLabel(temperatur);
    Bindung::binden(m_.lblATJahr, lblJahr);
    jahr->addWidget(lblJahr);
    jahr->addStretch();
    gt->addLayout(jahr, 2, 1, 1, 12);
    v->addWidget(temperatur);

    auto* strahlung = new QGroupBox(T("Globale Sonnenstrahlung  [MJ/m2]"), seite);
    auto* gs = new QGridLayout(strahlung);
    gs->setHorizontalSpacing(3);
    const char* zeilen[] = {"H", "E", "S", "W", "N"};
    for (int m = 0; m < 12; ++m)
        gs->addWidget(new QLabel(Q(monate[static_cast<std::size_t>(m)]), strahlung), 0, m + 1, Qt::AlignHCenter);
    for (int z = 0; z < 5; ++z) {
        gs->addWidget(new QLabel(T(zeilen[z]), strahlung), z + 1, 0);
        for (int m = 0; m < 12; ++m) gs->addWidget(Feld(m_.txtGS[z * 12 + m], strahlung, Breite), z + 1, m + 1);
    }
    v->addWidget(strahlung);

    auto* zwischen = new QHBoxLayout;
    zwischen->addWidget(new QLabel(T("Berechnung Zwischenwerte"), seite));
    zwischen->addWidget(Liste(m_.cboBeZw, seite));
    zwischen->addStretch();
    v->addLayout(zwischen);
    v->addStretch();
    return seite;
}

QWidget* frmProjektAnsicht::SeiteHimmelsrichtung() {
    auto* seite = new QWidget;
    seite->setObjectName("picHimm");
    auto* v = new QVBoxLayout(seite);
    v->addWidget(Option(m_.optNord, seite));
    v->addWidget(Option(m_.optNordNNE, seite));
    v->addWidget(Option(m_.optNordNNW, seite));
    v->addStretch();
    return seite;
}

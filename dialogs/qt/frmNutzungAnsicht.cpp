#include "dialogs/qt/frmNutzungAnsicht.h"

#include "dialogs/frmNutzung.h"
#include "dialogs/qt/frmNutzungZoneAnsicht.h"
#include "frame/qt/Bindung.h"
#include "frame/qt/Dialoghilfe.h"
#include "frame/qt/Hilfefenster.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include <cstdint>

using namespace Dialoghilfe;

namespace {

QLabel* Überschrift(const char* text, QWidget* eltern) { return Fett(Text(text, eltern)); }

// One row of the page "Nutzung".
struct Zeile {
    const char* Bezeichnung;
    const char* Einheit;
    TextBox frmNutzung::*Box;
    TextBox frmNutzung::*Bem;
    Label frmNutzung::*Standard; // nullptr: a calculation value
    void (frmNutzung::*GotFocus)();
    void (frmNutzung::*LostFocus)();
};

const Zeile Standardzeilen[] = {
    {"Raumtemperatur", "°C", &frmNutzung::txtTi, &frmNutzung::txtTiBem, &frmNutzung::lblTi, nullptr,
     &frmNutzung::txtTi_LostFocus},
    {"Personenfläche", "m²/P", &frmNutzung::txtPFl, &frmNutzung::txtPFlBem, &frmNutzung::lblPersFl, nullptr,
     &frmNutzung::txtPFl_LostFocus},
    {"Wärmeabgabe pro Person", "W/P", &frmNutzung::txtPWP, &frmNutzung::txtPWPBem, &frmNutzung::lblWPers, nullptr,
     &frmNutzung::txtPWP_LostFocus},
    {"Präsenzzeit pro Tag", "h/d", &frmNutzung::txtPPr, &frmNutzung::txtPPrBem, &frmNutzung::lblPZeit, nullptr,
     &frmNutzung::txtPPr_LostFocus},
    {"Elektrizitätsverbrauch pro Jahr", "kWh/m²", &frmNutzung::txtEl, &frmNutzung::txtElBem, &frmNutzung::lblEl,
     nullptr, &frmNutzung::txtEl_LostFocus},
    {"Reduktionsfaktor Elektroverbrauch", "-", &frmNutzung::txtfe, &frmNutzung::txtfeBem, &frmNutzung::lblElRed,
     nullptr, &frmNutzung::txtfe_LostFocus},
    {"Aussenluft-Volumenstrom pro EBF", "m³/hm²", &frmNutzung::txtAVE, &frmNutzung::txtAVEBem,
     &frmNutzung::lblLuft, nullptr, &frmNutzung::txtAVE_LostFocus},
    {"Wärmebedarf für Warmwasser", "kWh/m²", &frmNutzung::txtWW, &frmNutzung::txtWWBem, &frmNutzung::lblWW, nullptr,
     &frmNutzung::txtWW_LostFocus},
};

const Zeile Rechenzeilen[] = {
    {"Wärmespeicherfähigkeit pro Energiebezugsfläche", "kWh/m²K", &frmNutzung::txtC, &frmNutzung::txtCBem, nullptr,
     &frmNutzung::txtC_GotFocus, &frmNutzung::txtC_LostFocus},
    {"Regelungszuschlag zur Raumtemperatur", "K", &frmNutzung::txtRR, &frmNutzung::txtRRBem, nullptr, nullptr,
     &frmNutzung::txtRR_LostFocus},
    {"Vorlauftemperatur für Bauteilheizungen", "°C", &frmNutzung::txtVTHB, &frmNutzung::txtVTHBBem, nullptr,
     &frmNutzung::txtVTHB_GotFocus, &frmNutzung::txtVTHB_LostFocus},
    {"Vorlauftemperatur für Heizkörper vor Fenster", "°C", &frmNutzung::txtVTHF, &frmNutzung::txtVTHFBem, nullptr,
     nullptr, &frmNutzung::txtVTHF_LostFocus},
};

} // namespace

frmNutzungAnsicht::frmNutzungAnsicht(frmNutzung& modell, QWidget* parent)
    : QDialog(parent), m_(modell), felder_(this, modell) {
    setWindowTitle(Q(m_.Caption));
    setObjectName("frmNutzung");
    QtHilfe::KontextBinden(this, [this] { return m_.HelpContextID; });

    // --- page "Nutzung" ---
    auto* picNutzung = new QWidget;
    picNutzung->setObjectName("picNutzung");
    auto* raster = new QGridLayout(picNutzung);
    raster->setHorizontalSpacing(8);
    auto* txtBez = new QLineEdit(picNutzung);
    auto* cboZonen = new QComboBox(picNutzung);
    auto* cboGebKat = new QComboBox(picNutzung);
    // The zone choice takes the place of the name box.
    raster->addWidget(new QLabel(T("Bezeichnung"), picNutzung), 0, 0);
    raster->addWidget(txtBez, 0, 1, 1, 4);
    raster->addWidget(cboZonen, 0, 1, 1, 4);
    raster->addWidget(new QLabel(T("Gebäudekategorie"), picNutzung), 1, 0);
    raster->addWidget(cboGebKat, 1, 1, 1, 4);
    Bindung::binden(m_.txtBez, txtBez);
    Bindung::binden(m_.cboZonen, cboZonen);
    Bindung::binden(m_.cboGebKat, cboGebKat);
    fokusziele_.eintragen(m_.txtBez, txtBez);
    fokusziele_.eintragen(m_.cboZonen, cboZonen);
    fokusziele_.eintragen(m_.cboGebKat, cboGebKat);
    connect(cboZonen, &QComboBox::activated, this, [this] { m_.cboZonen_Click(); });
    connect(cboGebKat, &QComboBox::activated, this, [this] { m_.cboGebKat_Click(); });

    int reihe = 3;
    auto zeilenAnlegen = [&](const Zeile* anfang, const Zeile* ende) {
        for (const Zeile* z = anfang; z != ende; ++z, ++reihe) {
            raster->addWidget(new QLabel(T(z->Bezeichnung), picNutzung), reihe, 0);
            raster->addWidget(new QLabel(T(z->Einheit), picNutzung), reihe, 1);
            if (z->Standard) {
                auto* standard = new QLabel(picNutzung);
                standard->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                standard->setMinimumWidth(50);
                raster->addWidget(standard, reihe, 2);
                Bindung::binden(m_.*(z->Standard), standard);
            }
            auto* box = new QLineEdit(picNutzung);
            box->setAlignment(Qt::AlignRight);
            box->setFixedWidth(70);
            auto* bem = new QLineEdit(picNutzung);
            bem->setMinimumWidth(200);
            raster->addWidget(box, reihe, 3);
            raster->addWidget(bem, reihe, 4);
            Bindung::binden(m_.*(z->Box), box);
            Bindung::binden(m_.*(z->Bem), bem);
            fokusziele_.eintragen(m_.*(z->Box), box);
            fokusziele_.eintragen(m_.*(z->Bem), bem);
            felder_.eintragen(box, {.GotFocusEinzeln = z->GotFocus, .LostFocusEinzeln = z->LostFocus});
        }
    };
    raster->addWidget(Überschrift("Standardnutzung", picNutzung), reihe - 1, 0);
    raster->addWidget(Überschrift("Standard", picNutzung), reihe - 1, 2, Qt::AlignRight);
    raster->addWidget(Überschrift("Spezial", picNutzung), reihe - 1, 3);
    raster->addWidget(Überschrift("Bemerkung", picNutzung), reihe - 1, 4);
    zeilenAnlegen(std::begin(Standardzeilen), std::end(Standardzeilen));
    raster->setRowMinimumHeight(reihe++, 10);
    raster->addWidget(Überschrift("Rechenwerte", picNutzung), reihe, 0);
    raster->addWidget(Überschrift("Wert", picNutzung), reihe, 3);
    raster->addWidget(Überschrift("Bemerkung", picNutzung), reihe, 4);
    ++reihe;
    zeilenAnlegen(std::begin(Rechenzeilen), std::end(Rechenzeilen));
    raster->setRowStretch(reihe, 1);
    raster->setColumnStretch(4, 1);

    // --- page "Zonen" ---
    auto* picZonen = new QWidget;
    picZonen->setObjectName("picZonen");
    auto* rahmen = new QGroupBox(T("Thermische Zonen"), picZonen);
    auto* lstZonen = new QListWidget(rahmen);
    auto* cmdZoneNeu = beobachtet_.Knopf(m_.cmdZoneNeu, rahmen);
    auto* cmdZoneUmbenennen = beobachtet_.Knopf(m_.cmdZoneUmbenennen, rahmen);
    auto* cmdZoneLöschen = beobachtet_.Knopf(m_.cmdZoneLöschen, rahmen);
    auto* cmdSortieren = beobachtet_.Knopf(m_.cmdSortieren, rahmen);
    auto* spalte = new QVBoxLayout;
    for (QPushButton* k : {cmdZoneNeu, cmdZoneUmbenennen, cmdZoneLöschen, cmdSortieren}) spalte->addWidget(k);
    spalte->addStretch();
    auto* rahmenLayout = new QHBoxLayout(rahmen);
    rahmenLayout->addWidget(lstZonen, 1);
    rahmenLayout->addLayout(spalte);
    auto* zonenLayout = new QVBoxLayout(picZonen);
    zonenLayout->addWidget(rahmen);
    Bindung::binden(m_.lstZonen, lstZonen);
    fokusziele_.eintragen(m_.lstZonen, lstZonen);
    connect(cmdZoneNeu, &QPushButton::clicked, this, [this] { m_.cmdZoneNeu_Click(); });
    connect(cmdZoneUmbenennen, &QPushButton::clicked, this, [this] { m_.cmdZoneUmbenennen_Click(); });
    connect(cmdZoneLöschen, &QPushButton::clicked, this, [this] { m_.cmdZoneLöschen_Click(); });
    connect(cmdSortieren, &QPushButton::clicked, this, [this] { m_.cmdSortieren_Click(); });

    // --- tab strip, pages, buttons ---
    tab_ = new QTabBar(this);
    tab_->setObjectName("tabNutzung");
    tab_->setDrawBase(false);
    for (const auto& karte : m_.tabNutzung) tab_->addTab(Q(karte.Caption));
    seiten_ = new QStackedWidget(this);
    seiten_->addWidget(picNutzung);
    seiten_->addWidget(picZonen);
    auto* seitenRahmen = new QWidget(this);
    seitenRahmen->setObjectName("seitenRahmen");
    seitenRahmen->setStyleSheet("#seitenRahmen { border: 1px solid palette(mid); }");
    auto* seitenLayout = new QVBoxLayout(seitenRahmen);
    seitenLayout->setContentsMargins(4, 4, 4, 4);
    seitenLayout->addWidget(seiten_);

    auto* cmdOK = beobachtet_.Knopf(m_.cmdOK, this);
    auto* cmdAbbrechen = beobachtet_.Knopf(m_.cmdAbbrechen, this);
    connect(cmdOK, &QPushButton::clicked, this, [this] { m_.cmdOK_Click(); });
    connect(cmdAbbrechen, &QPushButton::clicked, this, [this] { m_.cmdAbbrechen_Click(); });
    auto* knöpfe = Knopfzeile({cmdOK, cmdAbbrechen});
    knöpfe->setSpacing(6);

    auto* außen = new QVBoxLayout(this);
    außen->setSpacing(0);
    außen->addWidget(tab_);
    außen->addWidget(seitenRahmen, 1);
    außen->addSpacing(10);
    außen->addLayout(knöpfe);

    // The pages follow the model's panels and selected tab; a click on a
    // tab asks the model, which may refuse to leave the page.
    for (Steuerelement* pic : {&m_.picNutzung, &m_.picZonen})
        beobachtet_.hinzufügen(*pic, pic->beobachten([this](const Steuerelement&) { seitenAbgleichen(); }));
    connect(tab_, &QTabBar::currentChanged, this, [this](int index) {
        if (index != m_.tabNutzungAuswahl) m_.RegisterkarteWählen(index);
        seitenAbgleichen();
    });
    seitenAbgleichen();

    m_.FokusSetzen = [this](Steuerelement& s) { fokusziele_.setzen(s, this); };
    m_.BeimEntladen = [this] { done(QDialog::Accepted); };
    frmNutzungZoneAnsicht::Einrichten();
}

frmNutzungAnsicht::~frmNutzungAnsicht() {
    m_.FokusSetzen = nullptr;
    m_.BeimEntladen = nullptr;
}

void frmNutzungAnsicht::Einrichten() {
    frmNutzungZoneAnsicht::Einrichten();
    GeladenModalZeigen<frmNutzungAnsicht>(frmNutzung::Anzeigen);
}

void frmNutzungAnsicht::seitenAbgleichen() {
    seiten_->setCurrentIndex(m_.picZonen.Visible() && !m_.picNutzung.Visible() ? 1 : 0);
    if (tab_->currentIndex() != m_.tabNutzungAuswahl) {
        QSignalBlocker sperre(tab_);
        tab_->setCurrentIndex(m_.tabNutzungAuswahl);
    }
}

bool frmNutzungAnsicht::eventFilter(QObject* objekt, QEvent* ereignis) {
    return felder_.weiterleiten(objekt, ereignis) || QDialog::eventFilter(objekt, ereignis);
}

void frmNutzungAnsicht::schliessen() {
    if (!m_.Geladen()) {
        QDialog::reject();
        return;
    }
    std::int16_t cancel = 0;
    m_.Form_QueryUnload(cancel, 0);
    if (!cancel) m_.Unload();
}

void frmNutzungAnsicht::reject() { schliessen(); }

void frmNutzungAnsicht::closeEvent(QCloseEvent* ereignis) {
    schliessen();
    if (m_.Geladen())
        ereignis->ignore();
    else
        ereignis->accept();
}

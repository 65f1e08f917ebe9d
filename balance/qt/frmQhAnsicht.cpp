#include "balance/qt/frmQhAnsicht.h"

#include "balance/frmQh.h"
#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "frame/qt/Dialoghilfe.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <cstdint>

using namespace Dialoghilfe;

namespace {

// The rows of a table of captions, symbols, values and units.
class Tabelle {
public:
    explicit Tabelle(QWidget* eltern) : eltern_(eltern), g_(new QGridLayout) {
        g_->setHorizontalSpacing(10);
        g_->setColumnStretch(0, 1);
    }
    QGridLayout* Layout() const { return g_; }
    void Überschrift(const char* text) {
        if (z_ > 0) g_->setRowMinimumHeight(z_++, 8);
        g_->addWidget(Fett(Text(text, eltern_)), z_++, 0, 1, 4);
    }
    QLabel* Zahl(const char* text, const char* symbol, Label& wert, const char* einheit) {
        return Zahl(Text(text, eltern_), symbol, wert, einheit);
    }
    QLabel* Zahl(QLabel* text, const char* symbol, Label& wert, const char* einheit) {
        g_->addWidget(text, z_, 0);
        if (*symbol) g_->addWidget(Text(symbol, eltern_), z_, 1);
        auto* w = Wert(wert, eltern_);
        g_->addWidget(w, z_, 2);
        if (*einheit) g_->addWidget(Text(einheit, eltern_), z_, 3);
        ++z_;
        return w;
    }
    QLabel* Wort(const char* text, Label& wert) {
        g_->addWidget(Text(text, eltern_), z_, 0);
        auto* w = Beschriftung(wert, eltern_);
        g_->addWidget(w, z_, 1, 1, 3);
        ++z_;
        return w;
    }

private:
    QWidget* eltern_;
    QGridLayout* g_;
    int z_ = 0;
};

} // namespace

frmQhAnsicht::frmQhAnsicht(frmQh& modell, QWidget* eigentümer) : QDialog(eigentümer), m_(modell) {
    setObjectName("frmQh");
    if (!m_.Geladen()) m_.Form_Load();
    setWindowTitle(Q(m_.Caption));
    QtBildschirmschrift::Anwenden(this, m_);

    // --- the zone and its building figures ---
    Tabelle gebäude(this);
    gebäude.Wort("Bezeichnung", m_.lblZone);
    gebäude.Wort("Gebäudekategorie", m_.lblGebKat);
    gebäude.Zahl("Jahresmitteltemperatur", "", m_.lblJMT, "[°C]");
    gebäude.Zahl("Energiebezugsfläche EBF", "", m_.lblAh, "[m²]");
    gebäude.Zahl("Gebäudehüllfläche", "", m_.lblAe, "[m²]");
    gebäude.Zahl("Gebäudehüllzahl", "Ath/AE", m_.lblAeAh, "");

    // --- the annual balance ---
    auto* bilanz = new QFrame(this);
    bilanz->setObjectName("fraBilanz");
    bilanz->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Tabelle jahr(bilanz);
    jahr.Zahl("Wärmeverlust Transmission", "", m_.lblQt, "[kWh/m²]");
    jahr.Zahl("Wärmeverlust Lüftung", "", m_.lblQv, "[kWh/m²]");
    jahr.Zahl("Gesamtwärmeverlust", "Qtot", m_.lblQtot, "[kWh/m²]");
    jahr.Zahl("Interne Wärmeeinträge", "", m_.lblQi, "[kWh/m²]");
    jahr.Zahl("Solare Wärmeeinträge", "", m_.lblQs, "[kWh/m²]");
    jahr.Zahl("Ausnutzungsgrad Wärmeeinträge", "", m_.lblEtaG, "");
    jahr.Zahl("Genutzte Wärmeeinträge", "", m_.lblQug, "[kWh/m²]");
    auto* qh = jahr.Zahl(Fett(Text("Heizwärmebedarf", bilanz)), "", m_.lblQh, "[kWh/m²]");
    Fett(qh);
    bilanz->setLayout(jahr.Layout());

    // --- the proofs ---
    auto* fraNachweis = new QGroupBox(this);
    fraNachweis->setObjectName("fraNachweis");
    Tabelle nachweis(fraNachweis);
    nachweis.Überschrift("Nachweis  Heizwärmebedarf");
    nachweis.Wort("Vorschrift", m_.lblVorschrift);
    nachweis.Wort("Anforderung", m_.lblAnf);
    nachweis.Zahl("Heizwärmebedarf", "", m_.lblQhNw, "[kWh/m²]");
    nachweis.Zahl(Beschriftung(m_.lblGrenzZiel, fraNachweis), "QH,li", m_.lblHgNw, "[kWh/m²]");
    Fett(nachweis.Wort("Nachweis:", m_.lblNachweis));
    nachweis.Überschrift("Nachweis  Heizlast");
    nachweis.Wort("Mechanische Lüftung vorhanden:", m_.lblLüftVorh);
    nachweis.Zahl("Lüftungseffektivität  Mechanische Lüftung", "", m_.lblHL_fV, "");
    nachweis.Zahl("Anlagennutzungsgrad  Wärmerückgewinnung", "", m_.lblHL_EtaV, "");
    nachweis.Zahl("Heizlast", "", m_.lblPhNw, "[W/m²]");
    nachweis.Zahl("Grenzwert", "Ph,li", m_.lblPhGw, "[W/m²]");
    Fett(nachweis.Wort("Nachweis:", m_.lblNachweisPh));
    fraNachweis->setLayout(nachweis.Layout());
    // The proof frame shows for a proof only; the window shrinks without it.
    beobachtet_.RahmenFolgen(m_.fraNachweis, fraNachweis, false);

    auto* außen = new QVBoxLayout(this);
    außen->addLayout(gebäude.Layout());
    außen->addSpacing(6);
    außen->addWidget(bilanz);
    außen->addSpacing(6);
    außen->addWidget(fraNachweis);
    außen->setSizeConstraint(QLayout::SetFixedSize);
}

frmQhAnsicht::~frmQhAnsicht() = default;

void frmQhAnsicht::Einrichten() { ModalZeigen<frmQhAnsicht>(frmQh::Anzeigen); }

void frmQhAnsicht::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    if (!m_.Geladen()) m_.Form_Load();
    Gezeigt(m_);
}

// Esc, and the close box (whose QDialog::closeEvent rejects): the model
// closes the window on Esc.
void frmQhAnsicht::reject() {
    std::int16_t taste = 27;
    m_.Form_KeyPress(taste);
    m_.Visible = false;
    QDialog::done(QDialog::Rejected);
}

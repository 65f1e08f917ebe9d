#include "balance/qt/frmGewinnAnsicht.h"

#include "balance/frmGewinn.h"
#include "frame/EingabeTabelle.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "frame/qt/EingabeTabelleWidget.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString T(const char* text) { return Q(DS(text)); }

QLabel* Text(const char* text, QWidget* eltern) { return new QLabel(T(text), eltern); }

// A computed value: right-aligned in a sunken box.
QLabel* Wert(Label& zustand, QWidget* eltern) {
    auto* l = new QLabel(eltern);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setMinimumWidth(70);
    Bindung::binden(zustand, l);
    return l;
}

QLineEdit* Feld(TextBox& zustand, QWidget* eltern, int breite, bool rechts) {
    auto* w = new QLineEdit(eltern);
    if (breite > 0) w->setFixedWidth(breite);
    if (rechts) w->setAlignment(Qt::AlignRight);
    Bindung::binden(zustand, w);
    return w;
}

// A frame follows its state: caption (a frame with a caption of its own),
// enabled, visible.
int RahmenFolgen(Steuerelement& zustand, QGroupBox* rahmen, bool mitTitel) {
    auto setzen = [rahmen, mitTitel](const Steuerelement& s) {
        if (mitTitel) {
            const QString titel = Q(static_cast<const Label&>(s).Caption());
            if (rahmen->title() != titel) rahmen->setTitle(titel);
        }
        rahmen->setEnabled(s.Enabled());
        if (rahmen->isHidden() == s.Visible()) rahmen->setVisible(s.Visible());
    };
    setzen(zustand);
    return zustand.beobachten(setzen);
}

// A button follows its state: caption, enabled, visible.
int KnopfFolgen(CommandButton& zustand, QPushButton* knopf) {
    auto setzen = [knopf](const Steuerelement& s) {
        const auto& b = static_cast<const CommandButton&>(s);
        if (knopf->text() != Q(b.Caption())) knopf->setText(Q(b.Caption()));
        knopf->setEnabled(b.Enabled());
        if (knopf->isHidden() == b.Visible()) knopf->setVisible(b.Visible());
    };
    setzen(zustand);
    return zustand.beobachten(setzen);
}

// Focus changes of the user inside the window, not those of a window coming
// or going or of a pop-up.
bool VomBenutzer(const QFocusEvent* e) {
    return e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason;
}

// The character code of a key press event (Enter 13), 0 when it has none.
std::int16_t Zeichen(const QKeyEvent& e) {
    if (e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter) return 13;
    const QString t = e.text();
    if (t.size() == 1 && t[0].unicode() >= 32 && t[0].unicode() < 256) return static_cast<std::int16_t>(t[0].unicode());
    return 0;
}

} // namespace

frmGewinnAnsicht::frmGewinnAnsicht(frmGewinn& modell, QWidget* eigentümer) : QDialog(eigentümer), m_(modell) {
    setObjectName("frmGewinn");
    setWindowTitle(Q(m_.Caption));
    QtBildschirmschrift::Anwenden(this, m_);

    // A row of a frame: caption, value, unit.
    auto zeile = [](QGridLayout* g, int z, const char* text, Label& wert, const char* einheit, QWidget* eltern) {
        g->addWidget(Text(text, eltern), z, 0);
        g->addWidget(Wert(wert, eltern), z, 1);
        g->addWidget(Text(einheit, eltern), z, 2);
    };

    // --- solar gains ---
    auto* Frame4 = new QGroupBox(this);
    Frame4->setObjectName("Frame4");
    auto* sonne = new QGridLayout(Frame4);
    zeile(sonne, 0, "Solare Wärmeeinträge", m_.lblQgS, "[kWh/m²]", Frame4);
    auto* hinweis = Text("Ausmass der Fenster bei der Gebäudehülle", Frame4);
    QFont klein = hinweis->font();
    klein.setItalic(true);
    hinweis->setFont(klein);
    sonne->addWidget(hinweis, 1, 0, 1, 3);
    sonne->setColumnStretch(0, 1);
    beobachtet_.emplace_back(&m_.Frame4, RahmenFolgen(m_.Frame4, Frame4, true));

    // --- persons ---
    auto* Frame3 = new QGroupBox(this);
    Frame3->setObjectName("Frame3");
    auto* personen = new QGridLayout(Frame3);
    zeile(personen, 0, "Wärmeabgabe pro Person", m_.lblPWP, "[W/P]", Frame3);
    zeile(personen, 1, "Personenfläche", m_.lblPFl, "[m²/P]", Frame3);
    zeile(personen, 2, "Präsenzzeit pro Tag", m_.lblPPr, "[h/d]", Frame3);
    zeile(personen, 3, "Wärmeeinträge Personen", m_.lblQgP, "[kWh/m²]", Frame3);
    personen->setColumnStretch(0, 1);
    beobachtet_.emplace_back(&m_.Frame3, RahmenFolgen(m_.Frame3, Frame3, true));

    // --- electricity ---
    auto* fraE = new QGroupBox(this);
    fraE->setObjectName("fraE");
    auto* strom = new QVBoxLayout(fraE);
    auto* standard = new QGridLayout;
    zeile(standard, 0, "Elektrizitätsverbrauch", m_.lblEl, "[kWh/m²]", fraE);
    zeile(standard, 1, "Reduktionsfaktor Elektrizität", m_.lblfe, "[-]", fraE);
    standard->setColumnStretch(0, 1);
    strom->addLayout(standard);

    auto* picEz = new QGroupBox(T("Zusätzlicher Elektrizitätsverbrauch"), fraE);
    picEz->setObjectName("picEz");
    auto* raster = new QGridLayout(picEz);
    raster->setVerticalSpacing(2);
    const char* köpfe[] = {"Bezeichnung", "Leistung", "Betriebszeit", "Red.", "Wärmeeintrag"};
    const char* einheiten[] = {"", "[W]", "[h/a]", "fEl  [-]", "[kWh/m²]"};
    for (int s = 0; s < 5; ++s) {
        raster->addWidget(Text(köpfe[s], picEz), 0, s, s == 0 ? Qt::AlignLeft : Qt::AlignRight);
        if (*einheiten[s]) raster->addWidget(Text(einheiten[s], picEz), 1, s, Qt::AlignRight);
    }
    struct Spalte {
        Steuerelementfeld<TextBox> frmGewinn::*Feld;
        int Breite;
        void (frmGewinn::*GotFocus)(int);
        void (frmGewinn::*KeyDown)(int, std::int16_t&, std::int16_t);
        void (frmGewinn::*KeyPress)(int, std::int16_t&);
        void (frmGewinn::*LostFocus)(int);
    };
    const Spalte spalten[] = {
        {&frmGewinn::txtBez, 0, &frmGewinn::txtBez_GotFocus, &frmGewinn::txtBez_KeyDown, &frmGewinn::txtBez_KeyPress,
         &frmGewinn::txtBez_LostFocus},
        {&frmGewinn::txtW, 70, &frmGewinn::txtW_GotFocus, &frmGewinn::txtW_KeyDown, &frmGewinn::txtW_KeyPress,
         &frmGewinn::txtW_LostFocus},
        {&frmGewinn::txtha, 70, &frmGewinn::txtha_GotFocus, &frmGewinn::txtha_KeyDown, &frmGewinn::txtha_KeyPress,
         &frmGewinn::txtha_LostFocus},
        {&frmGewinn::txtfe, 60, &frmGewinn::txtfe_GotFocus, &frmGewinn::txtfe_KeyDown, &frmGewinn::txtfe_KeyPress,
         &frmGewinn::txtfe_LostFocus},
        // the computed gain of the row: no events of its own
        {&frmGewinn::txtWg, 80, nullptr, nullptr, nullptr, nullptr},
    };
    for (int i = 0; i < frmGewinn::Verbraucherzeilen; ++i)
        for (int s = 0; s < 5; ++s) {
            const Spalte& sp = spalten[s];
            TextBox& zelle = (m_.*sp.Feld)[i];
            auto* w = Feld(zelle, picEz, sp.Breite, s > 0);
            if (s == 0) w->setMinimumWidth(180);
            raster->addWidget(w, 2 + i, s);
            widgets_[&zelle] = w;
            if (!sp.KeyDown) continue;
            ereignisse_[w] = Ereignisse{i, sp.GotFocus, sp.KeyDown, sp.KeyPress, sp.LostFocus};
            w->installEventFilter(this);
        }
    raster->setColumnStretch(0, 1);
    strom->addWidget(picEz);
    beobachtet_.emplace_back(&m_.picEz, RahmenFolgen(m_.picEz, picEz, false));

    auto* bemerkung = new QHBoxLayout;
    bemerkung->addWidget(Text("Bemerkung", fraE));
    auto* txtEBem = Feld(m_.txtEBem, fraE, 0, false);
    widgets_[&m_.txtEBem] = txtEBem;
    bemerkung->addWidget(txtEBem, 1);
    strom->addLayout(bemerkung);

    auto* qgE = new QGridLayout;
    zeile(qgE, 0, "Wärmeeinträge Elektrizität", m_.lblQgE, "[kWh/m²]", fraE);
    qgE->setColumnStretch(0, 1);
    strom->addLayout(qgE);
    beobachtet_.emplace_back(&m_.fraE, RahmenFolgen(m_.fraE, fraE, true));

    // --- utilised gains ---
    auto* genutzt = new QGridLayout;
    auto* qugText = Text("Genutzte Wärmeeinträge", this);
    QFont fett = qugText->font();
    fett.setBold(true);
    qugText->setFont(fett);
    genutzt->addWidget(qugText, 0, 0);
    auto* lblQug = Wert(m_.lblQug, this);
    lblQug->setFont(fett);
    genutzt->addWidget(lblQug, 0, 1);
    genutzt->addWidget(Text("[kWh/m²]", this), 0, 2);
    genutzt->addWidget(Text("Ausnutzungsgrad:", this), 1, 0, Qt::AlignRight);
    genutzt->addWidget(Wert(m_.lblEtaG, this), 1, 1);
    genutzt->setColumnStretch(0, 1);
    genutzt->setContentsMargins(10, 0, 10, 0);

    // --- button ---
    auto* cmdSchliessen = new QPushButton(this);
    cmdSchliessen->setObjectName("cmdSchliessen");
    cmdSchliessen->setAutoDefault(false);
    beobachtet_.emplace_back(&m_.cmdSchliessen, KnopfFolgen(m_.cmdSchliessen, cmdSchliessen));
    connect(cmdSchliessen, &QPushButton::clicked, this, [this] { schliessen(); });
    auto* knöpfe = new QHBoxLayout;
    knöpfe->addStretch();
    knöpfe->addWidget(cmdSchliessen);

    auto* oben = new QHBoxLayout;
    oben->addWidget(Frame4, 1, Qt::AlignTop);
    oben->addWidget(Frame3, 1);
    auto* außen = new QVBoxLayout(this);
    außen->addLayout(oben);
    außen->addWidget(fraE);
    außen->addLayout(genutzt);
    außen->addSpacing(6);
    außen->addLayout(knöpfe);

    m_.FokusSetzen = [this](Steuerelement& s) { fokusSetzen(s); };
}

frmGewinnAnsicht::~frmGewinnAnsicht() {
    for (const auto& [objekt, e] : ereignisse_) objekt->removeEventFilter(this);
    m_.FokusSetzen = nullptr;
    m_.Visible = false;
    for (auto& [zustand, id] : beobachtet_) zustand->nichtMehrBeobachten(id);
}

void frmGewinnAnsicht::Einrichten() {
    frmGewinn::Anzeigen = [](frmGewinn& modell) {
        if (!modell.Geladen()) return;
        frmGewinnAnsicht ansicht(modell, QApplication::activeWindow());
        ansicht.exec();
    };
}

void frmGewinnAnsicht::fokusSetzen(Steuerelement& zustand) {
    auto it = widgets_.find(&zustand);
    if (it == widgets_.end()) return;
    QWidget* w = it->second;
    // A disabled or hidden box takes no focus.
    if (!w->isEnabled() || !w->isVisibleTo(this)) return;
    w->setFocus(Qt::OtherFocusReason);
}

bool frmGewinnAnsicht::eventFilter(QObject* objekt, QEvent* ereignis) {
    const auto typ = ereignis->type();
    if (typ != QEvent::FocusIn && typ != QEvent::FocusOut && typ != QEvent::KeyPress)
        return QDialog::eventFilter(objekt, ereignis);
    auto it = ereignisse_.find(objekt);
    if (it == ereignisse_.end() || !m_.Geladen()) return QDialog::eventFilter(objekt, ereignis);
    const Ereignisse& e = it->second;

    if (typ == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        bool verbraucht = false;
        // Tab moves through the window as everywhere: the window, not the
        // cell, takes that key.
        std::int16_t code = 0, shift = 0;
        if (Tastencode::AusQt(*taste, code, shift) && code != Tastencode::vbKeyTab) {
            (m_.*e.KeyDown)(e.Index, code, shift);
            verbraucht = code == 0;
        }
        if (std::int16_t zeichen = Zeichen(*taste); zeichen != 0) {
            (m_.*e.KeyPress)(e.Index, zeichen);
            verbraucht = verbraucht || zeichen == 0;
        }
        if (verbraucht) return true;
        return QDialog::eventFilter(objekt, ereignis);
    }

    if (VomBenutzer(static_cast<QFocusEvent*>(ereignis))) {
        if (typ == QEvent::FocusIn)
            (m_.*e.GotFocus)(e.Index);
        else
            (m_.*e.LostFocus)(e.Index);
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void frmGewinnAnsicht::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    if (!m_.Geladen()) return;
    m_.Visible = true;
    m_.Form_Activate();
}

void frmGewinnAnsicht::schliessen() {
    if (m_.Geladen()) m_.cmdSchliessen_Click();
    m_.Visible = false;
    QDialog::done(QDialog::Accepted);
}

// Esc and the close box (whose QDialog::closeEvent rejects) close as the button does.
void frmGewinnAnsicht::reject() { schliessen(); }

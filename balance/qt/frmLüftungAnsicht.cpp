#include "balance/qt/frmLüftungAnsicht.h"

#include "balance/frmLüftung.h"
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
#include <QRadioButton>
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

// A frame follows its state: caption (when it has a title), enabled, visible.
int RahmenFolgen(Label& zustand, QWidget* rahmen) {
    auto setzen = [rahmen](const Steuerelement& s) {
        const auto& l = static_cast<const Label&>(s);
        if (auto* g = qobject_cast<QGroupBox*>(rahmen); g && g->title() != Q(l.Caption())) g->setTitle(Q(l.Caption()));
        rahmen->setEnabled(l.Enabled());
        if (rahmen->isHidden() == l.Visible()) rahmen->setVisible(l.Visible());
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

frmLüftungAnsicht::frmLüftungAnsicht(frmLüftung& modell, QWidget* eigentümer) : QDialog(eigentümer), m_(modell) {
    setObjectName("frmLüftung");
    setWindowTitle(Q(m_.Caption));
    QtBildschirmschrift::Anwenden(this, m_);

    // --- natural ventilation ---
    auto* fraNL = new QGroupBox(this);
    fraNL->setObjectName("fraNL");
    auto* nl = new QGridLayout(fraNL);
    int z = 0;
    auto nlZeile = [&](const char* text, Label& wert, const char* einheit) {
        nl->addWidget(Text(text, fraNL), z, 0);
        nl->addWidget(Wert(wert, fraNL), z, 1);
        nl->addWidget(Text(einheit, fraNL), z, 2);
        ++z;
    };
    nlZeile("Energiebezugsfläche EBF", m_.lblEBF0, "[m²]");
    nlZeile("Aussenluft-Volumenstrom", m_.lblAVEnL, "[m³/h·m²]");
    nlZeile("Energiebezugsfläche EBF", m_.lblEBF0nL, "[m²]");
    nlZeile("Wärmebedarf", m_.lblLwv, "[kWh/m²]");
    nl->setColumnStretch(0, 1);
    beobachtet_.emplace_back(&m_.fraNL, RahmenFolgen(m_.fraNL, fraNL));

    // --- mechanical ventilation ---
    auto* fraML = new QGroupBox(this);
    fraML->setObjectName("fraML");
    auto* ml = new QVBoxLayout(fraML);
    auto* optionen = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* opt = new QRadioButton(fraML);
        Bindung::binden(m_.optML[i], opt);
        widgets_[&m_.optML[i]] = opt;
        // A click of the user; the model selects an option itself when it loads.
        connect(opt, &QRadioButton::clicked, this, [this, i](bool an) {
            if (an && m_.Geladen()) m_.optML_Click(i);
        });
        optionen->addWidget(opt);
    }
    auto* txtAnteilML = Feld(m_.txtAnteilML, fraML, 60, true);
    widgets_[&m_.txtAnteilML] = txtAnteilML;
    optionen->addWidget(txtAnteilML);
    optionen->addWidget(Text("[%]", fraML));
    optionen->addStretch();
    ml->addLayout(optionen);

    auto* fraML2 = new QWidget(fraML);
    fraML2->setObjectName("fraML2");
    auto* raster = new QGridLayout(fraML2);
    raster->setContentsMargins(0, 6, 0, 0);
    const char* köpfe[] = {"Bezeichnung", "Luftstrom", "Betriebszeit", "WRG", "Wärmebedarf"};
    const char* einheiten[] = {"", "[m³/h]", "[h/a]", "[%]", "[kWh/m²]"};
    for (int s = 0; s < 5; ++s) {
        raster->addWidget(Text(köpfe[s], fraML2), 0, s, s == 0 ? Qt::AlignLeft : Qt::AlignRight);
        if (*einheiten[s]) raster->addWidget(Text(einheiten[s], fraML2), 1, s, Qt::AlignRight);
    }
    struct Spalte {
        Steuerelementfeld<TextBox> frmLüftung::*Feld;
        int Breite;
        void (frmLüftung::*GotFocus)(int);
        void (frmLüftung::*KeyDown)(int, std::int16_t&, std::int16_t);
        void (frmLüftung::*KeyPress)(int, std::int16_t&);
        void (frmLüftung::*LostFocus)(int);
    };
    const Spalte spalten[] = {
        {&frmLüftung::txtBez, 0, &frmLüftung::txtBez_GotFocus, &frmLüftung::txtBez_KeyDown,
         &frmLüftung::txtBez_KeyPress, &frmLüftung::txtBez_LostFocus},
        {&frmLüftung::txtLSt, 80, &frmLüftung::txtLSt_GotFocus, &frmLüftung::txtLSt_KeyDown,
         &frmLüftung::txtLSt_KeyPress, &frmLüftung::txtLSt_LostFocus},
        {&frmLüftung::txtha, 80, &frmLüftung::txtha_GotFocus, &frmLüftung::txtha_KeyDown,
         &frmLüftung::txtha_KeyPress, &frmLüftung::txtha_LostFocus},
        {&frmLüftung::txtWRG, 60, &frmLüftung::txtWRG_GotFocus, &frmLüftung::txtWRG_KeyDown,
         &frmLüftung::txtWRG_KeyPress, &frmLüftung::txtWRG_LostFocus},
        {&frmLüftung::txtQ, 80, &frmLüftung::txtQ_GotFocus, &frmLüftung::txtQ_KeyDown, &frmLüftung::txtQ_KeyPress,
         &frmLüftung::txtQ_LostFocus},
    };
    for (int i = 0; i < frmLüftung::Gerätezeilen; ++i)
        for (int s = 0; s < 5; ++s) {
            const Spalte& sp = spalten[s];
            TextBox& zelle = (m_.*sp.Feld)[i];
            auto* w = Feld(zelle, fraML2, sp.Breite, s > 0);
            if (s == 0) w->setMinimumWidth(180);
            raster->addWidget(w, 2 + i, s);
            widgets_[&zelle] = w;
            Ereignisse e;
            e.Index = i;
            e.GotFocus = sp.GotFocus;
            e.KeyDown = sp.KeyDown;
            e.KeyPress = sp.KeyPress;
            e.LostFocus = sp.LostFocus;
            Zelle(w, e);
        }
    raster->setColumnStretch(0, 1);
    int r = 2 + frmLüftung::Gerätezeilen;
    raster->setRowMinimumHeight(r++, 8);
    raster->addWidget(Text("Aussenluft-Volumenstrom auf Grund der Luftdurchlässigkeit des Gebäudes", fraML2), r++, 0,
                      1, 5);
    auto avZeile = [&](const char* text, TextBox& zustand, void (frmLüftung::*LostFocus)()) {
        raster->addWidget(Text(text, fraML2), r, 0, 1, 2);
        auto* w = Feld(zustand, fraML2, 80, true);
        raster->addWidget(w, r, 2);
        raster->addWidget(Text("[m³/h·m²]", fraML2), r, 3, 1, 2);
        widgets_[&zustand] = w;
        Ereignisse e;
        e.LostFocusEinzeln = LostFocus;
        Zelle(w, e);
        ++r;
    };
    avZeile("- während der Betriebszeit", m_.txtAVEMLwB, &frmLüftung::txtAVEMLwB_LostFocus);
    avZeile("- ausserhalb der Betriebszeit", m_.txtAVEMLaB, &frmLüftung::txtAVEMLaB_LostFocus);
    ml->addWidget(fraML2);
    beobachtet_.emplace_back(&m_.fraML2, RahmenFolgen(m_.fraML2, fraML2));

    auto* bemerkung = new QHBoxLayout;
    bemerkung->addWidget(Text("Bemerkung", fraML));
    auto* txtMLBem = Feld(m_.txtMLBem, fraML, 0, false);
    widgets_[&m_.txtMLBem] = txtMLBem;
    bemerkung->addWidget(txtMLBem, 1);
    ml->addLayout(bemerkung);
    beobachtet_.emplace_back(&m_.fraML, RahmenFolgen(m_.fraML, fraML));

    {
        Ereignisse e;
        e.LostFocusEinzeln = &frmLüftung::txtAnteilML_LostFocus;
        Zelle(txtAnteilML, e);
    }

    // --- the ventilation loss of the zone ---
    auto* summe = new QHBoxLayout;
    auto* qvText = Text("Lüftungswärmeverlust", this);
    QFont fett = qvText->font();
    fett.setBold(true);
    qvText->setFont(fett);
    summe->addWidget(qvText, 1);
    auto* lblQv = Wert(m_.lblQv, this);
    lblQv->setFont(fett);
    summe->addWidget(lblQv);
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
        widgets_[zustand] = w;
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
    beobachtet_.emplace_back(&m_.fraHL, RahmenFolgen(m_.fraHL, fraHL));

    // --- button ---
    auto* cmdSchliessen = new QPushButton(this);
    cmdSchliessen->setObjectName("cmdSchliessen");
    cmdSchliessen->setAutoDefault(false);
    beobachtet_.emplace_back(&m_.cmdSchliessen, KnopfFolgen(m_.cmdSchliessen, cmdSchliessen));
    connect(cmdSchliessen, &QPushButton::clicked, this, [this] { schliessen(); });
    auto* knöpfe = new QHBoxLayout;
    knöpfe->addStretch();
    knöpfe->addWidget(cmdSchliessen);

    auto* außen = new QVBoxLayout(this);
    außen->addWidget(fraNL);
    außen->addWidget(fraML);
    außen->addLayout(summe);
    außen->addWidget(fraHL);
    außen->addSpacing(6);
    außen->addLayout(knöpfe);

    m_.FokusSetzen = [this](Steuerelement& s) { fokusSetzen(s); };
}

frmLüftungAnsicht::~frmLüftungAnsicht() {
    for (const auto& [objekt, e] : ereignisse_) objekt->removeEventFilter(this);
    m_.FokusSetzen = nullptr;
    m_.Visible = false;
    for (auto& [zustand, id] : beobachtet_) zustand->nichtMehrBeobachten(id);
}

void frmLüftungAnsicht::Einrichten() {
    frmLüftung::Anzeigen = [](frmLüftung& modell) {
        if (!modell.Geladen()) return;
        frmLüftungAnsicht ansicht(modell, QApplication::activeWindow());
        ansicht.exec();
    };
}

void frmLüftungAnsicht::Zelle(QLineEdit* widget, const Ereignisse& e) {
    ereignisse_[widget] = e;
    widget->installEventFilter(this);
}

void frmLüftungAnsicht::fokusSetzen(Steuerelement& zustand) {
    auto it = widgets_.find(&zustand);
    if (it == widgets_.end()) return;
    QWidget* w = it->second;
    // A disabled or hidden box takes no focus.
    if (!w->isEnabled() || !w->isVisibleTo(this)) return;
    w->setFocus(Qt::OtherFocusReason);
}

bool frmLüftungAnsicht::eventFilter(QObject* objekt, QEvent* ereignis) {
    const auto typ = ereignis->type();
    if (typ != QEvent::FocusIn && typ != QEvent::FocusOut && typ != QEvent::KeyPress)
        return QDialog::eventFilter(objekt, ereignis);
    auto it = ereignisse_.find(objekt);
    if (it == ereignisse_.end() || !m_.Geladen()) return QDialog::eventFilter(objekt, ereignis);
    const Ereignisse& e = it->second;

    if (typ == QEvent::KeyPress) {
        if (e.Index < 0) return QDialog::eventFilter(objekt, ereignis);
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        bool verbraucht = false;
        // Tab moves through the window as everywhere: the window, not the
        // box, takes that key.
        std::int16_t code = 0, shift = 0;
        if (e.KeyDown && Tastencode::AusQt(*taste, code, shift) && code != Tastencode::vbKeyTab) {
            (m_.*e.KeyDown)(e.Index, code, shift);
            verbraucht = code == 0;
        }
        if (std::int16_t zeichen = Zeichen(*taste); zeichen != 0 && e.KeyPress) {
            (m_.*e.KeyPress)(e.Index, zeichen);
            verbraucht = verbraucht || zeichen == 0;
        }
        if (verbraucht) return true;
        return QDialog::eventFilter(objekt, ereignis);
    }

    if (!VomBenutzer(static_cast<QFocusEvent*>(ereignis))) return QDialog::eventFilter(objekt, ereignis);
    if (typ == QEvent::FocusIn) {
        if (e.GotFocus) (m_.*e.GotFocus)(e.Index);
    } else {
        if (e.LostFocus) (m_.*e.LostFocus)(e.Index);
        if (e.LostFocusEinzeln) (m_.*e.LostFocusEinzeln)();
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void frmLüftungAnsicht::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    if (!m_.Geladen()) return;
    m_.Visible = true;
    m_.Form_Activate();
}

void frmLüftungAnsicht::schliessen() {
    if (m_.Geladen()) m_.cmdSchliessen_Click();
    m_.Visible = false;
    QDialog::done(QDialog::Accepted);
}

// Esc and the close box (whose QDialog::closeEvent rejects) close as the button does.
void frmLüftungAnsicht::reject() { schliessen(); }

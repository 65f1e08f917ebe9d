#include "proofs/qt/frmNachweisEBAnsicht.h"

#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "frame/qt/EingabeTabelleWidget.h"
#include "frame/qt/Hilfefenster.h"
#include "frame/qt/ListViewBindung.h"
#include "frame/qt/Zellknopf.h"
#include "printing/qt/frmDruckenEBAnsicht.h"
#include "proofs/frmNachweisEB.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

using namespace Dialoghilfe;
using Bindung::Pixel;

namespace {

QRadioButton* Option(OptionButton& zustand, QWidget* eltern) {
    auto* o = new QRadioButton(eltern);
    Bindung::binden(zustand, o);
    return o;
}

} // namespace

frmNachweisEBAnsicht::frmNachweisEBAnsicht(frmNachweisEB& modell, QWidget* eigentümer)
    : QWidget(eigentümer, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint), m_(modell) {
    setObjectName("frmNachweisEB");
    // F1 opens the help of the page shown.
    QtHilfe::KontextBinden(this, [this] { return m_.HelpContextID; });
    // The print button opens the proof's print dialog.
    frmDruckenEBAnsicht::Einrichten(m_);

    reiter_ = new QTabBar(this);
    reiter_->setExpanding(false);
    Bindung::binden(m_.tabNachweis, reiter_);
    seiten_ = new QStackedWidget(this);
    seiten_->addWidget(SeiteAllgemein());
    seiteBt_ = new QWidget;
    seiteWb_ = new QWidget;
    for (QWidget* s : {seiteBt_, seiteWb_}) {
        auto* l = new QVBoxLayout(s);
        l->setContentsMargins(6, 6, 6, 6);
        seiten_->addWidget(s);
    }
    // The grid goes above the hint (TabelleInitialisieren puts it first).
    auto* hinweis = Beschriftung(m_.lblCodeHinweis, seiteBt_);
    hinweis->setWordWrap(true);
    seiteBt_->layout()->addWidget(hinweis);
    seiten_->addWidget(SeiteGrenzwerte());
    seiten_->setCurrentIndex(std::max(0, m_.tabNachweis.SelectedIndex()));
    connect(reiter_, &QTabBar::currentChanged, this, [this](int i) {
        m_.tabNachweis_Click();
        seiten_->setCurrentIndex(i);
    });

    auto* drucken = beobachtet_.Knopf(m_.cmdDrucken, this);
    auto* schliessen = beobachtet_.Knopf(m_.cmdSchliessen, this);
    connect(drucken, &QPushButton::clicked, this, [this] { m_.cmdDrucken_Click(); });
    connect(schliessen, &QPushButton::clicked, this, [this] { Schliessen(); });

    auto* außen = new QVBoxLayout(this);
    außen->setSpacing(0);
    außen->addWidget(reiter_);
    außen->addWidget(seiten_, 1);
    außen->addSpacing(7);
    außen->addLayout(Knopfzeile({drucken, schliessen}));

    // The code picker: a button that takes no focus (the cell keeps it) and
    // the list, both over the pages.
    codeKnopf_ = beobachtet_.Knopf(m_.cmdCode, this);
    codeKnopf_->setFocusPolicy(Qt::NoFocus);
    connect(codeKnopf_, &QPushButton::pressed, this, [this] { m_.cmdCode_MouseDown(); });
    beobachtet_.hinzufügen(m_.cmdCode, m_.cmdCode.beobachten([this](const Steuerelement&) { CodeKnopfSetzen(); }));
    codeListe_ = new QListWidget(this);
    Bindung::binden(m_.lstCode, codeListe_);
    codeListe_->hide();
    codeListe_->installEventFilter(this);
    connect(codeListe_, &QListWidget::itemDoubleClicked, this, [this] { m_.lstCode_DblClick(); });
    beobachtet_.hinzufügen(m_.lstCode, m_.lstCode.beobachten([this](const Steuerelement&) { CodeListeSetzen(); }));
    fokusziele_.eintragen(m_.lstCode, codeListe_);
    m_.FokusSetzen = [this](Steuerelement& zustand) { fokusziele_.setzen(zustand, this); };

    frmNachweisEB::Anzeigen = [this](frmNachweisEB&) {
        // The first time over the middle of its owner; later where the user left it.
        if (!gezeigt_ && parentWidget()) {
            const QRect eigentümer = parentWidget()->window()->frameGeometry();
            move(eigentümer.center() - rect().center());
        }
        gezeigt_ = true;
        show();
        raise();
        activateWindow();
    };
    resize(780, 560);
    // A model loaded before (tests) is shown as it is.
    if (m_.Geladen()) Laden();
    if (m_.Tabellen[1]) TabelleInitialisieren();
}

frmNachweisEBAnsicht::~frmNachweisEBAnsicht() {
    frmNachweisEB::Anzeigen = nullptr;
    m_.FokusSetzen = nullptr;
    m_.DruckenAnzeigen = nullptr;
}

QWidget* frmNachweisEBAnsicht::SeiteAllgemein() {
    auto* seite = new QWidget;
    seite->setObjectName("picAllgemein");
    auto* angaben = new QGroupBox(seite);
    beobachtet_.RahmenFolgen(m_.Frame2, angaben, true);
    auto* g = new QGridLayout(angaben);
    g->addWidget(Beschriftung(m_.Label11, angaben), 0, 0);
    auto* ebf = Feld(m_.txtEBF, angaben, 90, true);
    connect(ebf, &QLineEdit::editingFinished, this, [this] { m_.txtEBF_Validate(); });
    g->addWidget(ebf, 0, 1);
    g->addWidget(Beschriftung(m_.Label1, angaben), 0, 2);
    g->setColumnStretch(3, 1);
    auto* wbn = new QCheckBox(angaben);
    Bindung::binden(m_.chkWBN, wbn);
    connect(wbn, &QCheckBox::clicked, this, [this] { m_.chkWBN_Click(); });
    g->addWidget(wbn, 1, 0, 1, 4);

    auto* anforderung = new QGroupBox(seite);
    beobachtet_.RahmenFolgen(m_.Frame1, anforderung, true);
    auto* a = new QVBoxLayout(anforderung);
    for (int i = 0; i < 2; ++i) {
        auto* o = Option(m_.optAnf[i], anforderung);
        connect(o, &QRadioButton::clicked, this, [this, i] { m_.optAnf_Click(i); });
        a->addWidget(o);
    }

    auto* klima = new QGridLayout;
    klima->addWidget(Beschriftung(m_.Label3, seite), 0, 0);
    klima->addWidget(Beschriftung(m_.lblKlimastation, seite), 0, 1);
    klima->addWidget(Beschriftung(m_.Label6, seite), 1, 0);
    auto* jmt = Beschriftung(m_.lblJMT, seite);
    jmt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    klima->addWidget(jmt, 1, 1);
    klima->addWidget(Beschriftung(m_.Label8, seite), 1, 2);
    klima->setColumnStretch(3, 1);

    auto* l = new QVBoxLayout(seite);
    l->addWidget(angaben);
    l->addWidget(anforderung);
    l->addSpacing(10);
    l->addLayout(klima);
    l->addStretch();
    return seite;
}

QWidget* frmNachweisEBAnsicht::SeiteGrenzwerte() {
    auto* seite = new QWidget;
    seite->setObjectName("picGrenzwerte");
    grenzwerte_ = new QTreeWidget(seite);
    Bindung::binden(m_.lvwGrenzwerte, grenzwerte_);
    auto* optionen = new QHBoxLayout;
    const std::pair<OptionButton*, void (frmNachweisEB::*)()> gruppen[] = {
        {&m_.optGrNeubau, &frmNachweisEB::optGrNeubau_Click},
        {&m_.optGrUmbau, &frmNachweisEB::optGrUmbau_Click},
        {&m_.optGrOhneWb, &frmNachweisEB::optGrOhneWb_Click}};
    for (const auto& [zustand, handler] : gruppen) {
        auto* o = Option(*zustand, seite);
        connect(o, &QRadioButton::clicked, this, [this, h = handler] { (m_.*h)(); });
        optionen->addWidget(o);
    }
    optionen->addStretch();
    auto* sortierung = beobachtet_.Knopf(m_.cmdGrZiSortierung, seite);
    connect(sortierung, &QPushButton::clicked, this, [this] { m_.cmdGrZiSortierung_Click(); });
    optionen->addWidget(sortierung);
    auto* l = new QVBoxLayout(seite);
    l->addLayout(optionen);
    l->addWidget(grenzwerte_, 1);
    return seite;
}

void frmNachweisEBAnsicht::Laden() {
    if (!m_.Geladen()) m_.Form_Load();
    setWindowTitle(Q(m_.Caption));
    QtBildschirmschrift::Anwenden(this, m_);
    seiten_->setCurrentIndex(std::max(0, m_.tabNachweis.SelectedIndex()));
}

void frmNachweisEBAnsicht::TabelleInitialisieren() {
    if (!m_.Tabellen[1]) m_.TabelleInitialisieren();
    const QFontMetrics fm(font());
    const int zeile = fm.height() + 2;
    const std::vector<int> breiten[3] = {
        {}, {48, 200, 34, 56, 46, 34, 56, 62, 58}, {48, 260, 34, 84, 62, 58}};
    // Captions: (label, first column, last column, line 0..2, left-aligned).
    struct Lage {
        int label, von, bis, zeile;
        bool links;
    };
    const std::vector<Lage> lagen[3] = {
        {},
        {{0, 0, 2, 0, true},
         {1, 0, 0, 1, true},
         {2, 1, 1, 1, true},
         {3, 2, 2, 1, false},
         {4, 3, 3, 1, false},
         {5, 3, 3, 2, false},
         {6, 4, 4, 1, false},
         {7, 4, 4, 2, false},
         {8, 5, 5, 1, false},
         {9, 5, 5, 2, false},
         {10, 6, 7, 1, false},
         {11, 6, 6, 2, false},
         {12, 7, 7, 2, false},
         {13, 8, 8, 1, false},
         {14, 8, 8, 2, false}},
        {{0, 0, 2, 0, true},
         {1, 0, 0, 1, true},
         {2, 1, 1, 1, true},
         {3, 2, 2, 1, false},
         {4, 3, 3, 1, false},
         {5, 3, 3, 2, false},
         {6, 4, 4, 1, false},
         {7, 5, 5, 1, false},
         {8, 5, 5, 2, false}},
    };
    for (std::int16_t k = 1; k <= 2; ++k) {
        delete tabellen_[k];
        EingabeTabelle& tabelle = *m_.Tabellen[static_cast<std::size_t>(k)];
        QWidget* seite = k == 1 ? seiteBt_ : seiteWb_;
        auto* w = new EingabeTabelleWidget(tabelle, seite);
        w->setObjectName(Q(tabelle.getTab()->Name));
        tabellen_[k] = w;
        w->setSpaltenbreiten(breiten[k]);
        Steuerelementfeld<Label>& labels = k == 1 ? m_.lblBt : m_.lblWb;
        for (const Lage& l : lagen[k]) {
            w->setLabelLage(labels[l.label], w->Spaltenlage(l.von, l.bis, 3 + l.zeile * zeile, zeile));
            if (QLabel* q = w->Labelwidget(labels[l.label]))
                q->setAlignment((l.links ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignBottom);
        }
        // The result cells are shown, never entered.
        for (const auto& z : tabelle.Zellen())
            if (z.Spalte < 0)
                if (QLineEdit* feld = w->Zellwidget(*z.Steuerelement)) feld->setFocusPolicy(Qt::NoFocus);

        w->ZelleGotFocus = [this](TextBox& zelle) {
            m_.Zelle_GotFocus(zelle);
            CodeKnopfSetzen();
        };
        w->ZelleLostFocus = [this](TextBox& zelle) {
            if (QApplication::focusWidget() == codeListe_) m_.ActiveControl = &m_.lstCode;
            else if (m_.ActiveControl == &zelle) m_.ActiveControl = nullptr;
            m_.Zelle_LostFocus(zelle);
        };
        w->ZelleKeyDown = [this](TextBox& zelle, std::int16_t& KeyCode, std::int16_t Shift) {
            m_.Zelle_KeyDown(zelle, KeyCode, Shift);
            return KeyCode == 0;
        };
        static_cast<QVBoxLayout*>(seite->layout())->insertWidget(0, w, 1);
    }
}

EingabeTabelleWidget* frmNachweisEBAnsicht::Tabelle(std::int16_t k) const {
    return k == 1 || k == 2 ? tabellen_[k] : nullptr;
}

QLineEdit* frmNachweisEBAnsicht::Zelle(const TextBox& zelle) const {
    for (std::int16_t k = 1; k <= 2; ++k)
        if (tabellen_[k])
            if (QLineEdit* w = tabellen_[k]->Zellwidget(zelle)) return w;
    return nullptr;
}

// The button stands at the right edge of the cell it serves, as high as the
// cell and as wide.
void frmNachweisEBAnsicht::CodeKnopfSetzen() {
    TextBox* ziel = m_.Zielzelle();
    QLineEdit* zelle = ziel ? Zelle(*ziel) : nullptr;
    if (!m_.cmdCode.Visible() || !zelle) {
        // The cell beside gets its room back.
        if (!m_.cmdCode.Visible()) Zellknopf::Verbergen(codeKnopf_);
        return;
    }
    Zellknopf::Zeigen(codeKnopf_, zelle);
}

// The list opens beside the button at the cell's top, shortened so that it
// never reaches below the grid that holds the cell.
void frmNachweisEBAnsicht::CodeListeSetzen() {
    TextBox* ziel = m_.Zielzelle();
    QLineEdit* zelle = ziel ? Zelle(*ziel) : nullptr;
    if (!m_.lstCode.Visible() || !zelle) return;
    QWidget* tabelle = zelle->parentWidget();
    const QPoint oben = zelle->mapTo(this, QPoint(zelle->width() + zelle->height(), 0));
    const int unten = tabelle->mapTo(this, QPoint(0, tabelle->height())).y();
    const int höhe = std::min(m_.CodeListeZeilen() * zelle->height(), std::max(unten - oben.y(), zelle->height()));
    // As wide as the longest entry, within the window.
    const int inhalt = codeListe_->sizeHintForColumn(0) + 2 * codeListe_->frameWidth() +
                       codeListe_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    const int breite = std::min(std::max(m_.CodeListeBreite(), inhalt), std::max(width() - oben.x(), 60));
    codeListe_->setGeometry(oben.x(), oben.y(), breite, höhe);
    codeListe_->raise();
}

void frmNachweisEBAnsicht::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    m_.Form_Activate();
}

void frmNachweisEBAnsicht::changeEvent(QEvent* ereignis) {
    QWidget::changeEvent(ereignis);
    // The station labels follow the project each time the window becomes active.
    if (ereignis->type() == QEvent::ActivationChange && isActiveWindow()) m_.Form_Activate();
}

void frmNachweisEBAnsicht::Schliessen() {
    m_.cmdSchliessen_Click();
    if (!m_.Visible) hide();
}

// The close box stores the proof and hides the window; it stays loaded.
void frmNachweisEBAnsicht::closeEvent(QCloseEvent* ereignis) {
    m_.Form_QueryUnload(0);
    ereignis->accept();
}

bool frmNachweisEBAnsicht::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == codeListe_) {
        if (ereignis->type() == QEvent::KeyRelease) {
            const int taste = static_cast<QKeyEvent*>(ereignis)->key();
            if (taste == Qt::Key_Return || taste == Qt::Key_Enter) m_.lstCode_KeyUp(13);
            else if (taste == Qt::Key_Escape) m_.lstCode_KeyUp(27);
        } else if (ereignis->type() == QEvent::KeyPress &&
                   static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Escape) {
            return true; // Esc closes the list, not the window
        } else if (ereignis->type() == QEvent::FocusOut && codeListe_->isVisible()) {
            m_.lstCode_LostFocus();
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}

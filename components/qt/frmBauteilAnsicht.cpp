#include "components/qt/frmBauteilAnsicht.h"

#include "components/frmBauteil.h"
#include "components/qt/Fensterhilfe.h"
#include "components/qt/frmBaustoffAnsicht.h"
#include "components/qt/frmBauteilListeAnsicht.h"
#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "frame/qt/EingabeTabelleWidget.h"
#include "frame/qt/Fensterlage.h"
#include "frame/qt/Hilfefenster.h"
#include "frame/qt/Zellknopf.h"
#include "mainwindow/frmZIRVO3801.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Dialoghilfe;

namespace {

QPointer<frmBauteilAnsicht>& OffenesFenster() {
    static QPointer<frmBauteilAnsicht> offen;
    return offen;
}

// Pixel widths of the layer grid's columns: Baustoff, Dicke, Rohdichte, Lambda, R, Überwachung.
constexpr int Spaltenbreiten[6] = {230, 64, 64, 64, 64, 30};

// Calls a handler of the model with the label's mouse press.
class Klickfläche : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> Gedrückt;

protected:
    void mousePressEvent(QMouseEvent* e) override {
        QLabel::mousePressEvent(e);
        if (Gedrückt) Gedrückt();
    }
};

} // namespace

frmBauteilAnsicht* frmBauteilAnsicht::Offen() { return OffenesFenster(); }

frmBauteilAnsicht::frmBauteilAnsicht(frmBauteil& modell, QWidget* eigentümer)
    : QWidget(eigentümer, Fensterlage::BesessenesFenster), m_(modell) {
    setObjectName("frmBauteil");
    QtHilfe::KontextBinden(this, [this] { return m_.HelpContextID; });
    setWindowTitle(Q(m_.Caption));
    QtBildschirmschrift::Anwenden(this, m_);

    // --- menus ---
    auto* leiste = new QMenuBar(this);
    auto* bauteil = leiste->addMenu(Q(m_.mnuBauteil.Caption()));
    bauteil->setObjectName("mnuBauteil");
    Fensterhilfe::Aktion(m_.mnuBauteilKopieren, bauteil, beobachtet_, [this] { m_.mnuBauteilKopieren_Click(); });
    Fensterhilfe::Aktion(m_.mnuBauteilLöschen, bauteil, beobachtet_, [this] { m_.mnuBauteilLöschen_Click(); });
    bauteil->addSeparator();
    Fensterhilfe::Aktion(m_.mnuBauteilDrucken, bauteil, beobachtet_, [this] { m_.mnuBauteilDrucken_Click(); });
    bauteil->addSeparator();
    Fensterhilfe::Aktion(m_.mnuBauteilSchliessen, bauteil, beobachtet_, [this] { m_.mnuBauteilSchliessen_Click(); });
    auto* bearbeiten = leiste->addMenu(Q(m_.mnuBearbeiten.Caption()));
    bearbeiten->setObjectName("mnuBearbeiten");
    Fensterhilfe::Aktion(m_.mnuBearbZeileEinfügen, bearbeiten, beobachtet_, [this] { m_.mnuBearbZeileEinfügen_Click(); });
    Fensterhilfe::Aktion(m_.mnuBearbZeileLöschen, bearbeiten, beobachtet_, [this] { m_.mnuBearbZeileLöschen_Click(); });

    // --- pages ---
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabBauteil");
    seiten_[0] = SeiteBauteil();
    seiten_[1] = SeiteFenster();
    seiten_[2] = SeiteWärmebrücke();
    for (int i = 0; i < 3; ++i) tabs_->addTab(seiten_[i], Q(m_.tabBauteil.ListEntry(i)));
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int i) {
        if (seiteSetzen_ || m_.tabBauteil.ListIndex() == i) return;
        m_.tabBauteil.setListIndex(i);
        m_.tabBauteil_Click();
    });
    for (Label* seite : {&m_.picBauteil, &m_.picFenster, &m_.picWb})
        beobachtet_.hinzufügen(*seite, seite->beobachten([this](const Steuerelement&) { SeiteFolgen(); }));

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(leiste);
    layout->addWidget(tabs_);

    m_.FokusSetzen = [this](Steuerelement& s, bool alles) { Fokus(s, alles); };
    m_.Schliessen = [this] {
        geschlossen_ = true;
        close();
    };
    SeiteFolgen();
}

frmBauteilAnsicht::~frmBauteilAnsicht() {
    m_.FokusSetzen = nullptr;
    m_.Schliessen = nullptr;
    for (auto& [objekt, feld] : felder_) objekt->removeEventFilter(this);
}

void frmBauteilAnsicht::Einrichten() {
    frmBauteilListeAnsicht::Einrichten();
    frmBaustoffAnsicht::Einrichten();
    Global::frmZIRVO3801.BauteileAnzeigen = [] {
        QPointer<frmBauteilAnsicht>& offen = OffenesFenster();
        if (!offen) {
            Global::frmBauteil.Form_Load();
            // Owned by the main window, so it stays in front of it.
            QWidget* eigentümer = Fensterlage::Hauptfenster() ? Fensterlage::Hauptfenster() : Fensterlage::Eigentümer();
            offen = new frmBauteilAnsicht(Global::frmBauteil, eigentümer);
            offen->setAttribute(Qt::WA_DeleteOnClose);
        }
        offen->show();
        offen->raise();
        offen->activateWindow();
    };
}

void frmBauteilAnsicht::Eintragen(const Steuerelement& zustand, QWidget* widget) {
    widgets_[&zustand] = widget;
    widget->setObjectName(Q(zustand.Name) + (zustand.Index >= 0 ? QString("(%1)").arg(zustand.Index) : QString()));
}

QWidget* frmBauteilAnsicht::Widget(const Steuerelement& zustand) const {
    auto it = widgets_.find(&zustand);
    return it == widgets_.end() ? nullptr : it->second;
}

QWidget* frmBauteilAnsicht::Feld(TextBox& zustand, QWidget* eltern, int breite, bool rechts) {
    QLineEdit* w = Dialoghilfe::Feld(zustand, eltern, breite, rechts);
    if (zustand.MaxLength() > 0) w->setMaxLength(zustand.MaxLength());
    Eintragen(zustand, w);
    felder_[w] = &zustand;
    w->installEventFilter(this);
    return w;
}

QWidget* frmBauteilAnsicht::Auswahlzeile(ComboBox& liste, CommandButton& knopf, const char* titel,
                                         void (frmBauteil::*wechsel)(), QWidget* eltern) {
    auto* zeile = new QWidget(eltern);
    auto* h = new QHBoxLayout(zeile);
    h->setContentsMargins(0, 0, 0, 0);
    auto* cbo = new QComboBox(zeile);
    cbo->setMinimumWidth(360);
    cbo->setMaxVisibleItems(20);
    Bindung::binden(liste, cbo);
    Eintragen(liste, cbo);
    connect(cbo, &QComboBox::activated, this, [this, wechsel] { (m_.*wechsel)(); });
    auto* suchen = beobachtet_.Knopf(knopf, zeile);
    suchen->setFixedWidth(32);
    suchen->setToolTip(T("Aus einem Projekt kopieren"));
    connect(suchen, &QPushButton::clicked, this, [this] { m_.ElementAusListeKopieren(); });
    h->addWidget(Text(titel, zeile));
    h->addWidget(cbo);
    h->addWidget(suchen);
    h->addStretch();
    return zeile;
}

// --- the component page ---

QWidget* frmBauteilAnsicht::SeiteBauteil() {
    auto* seite = new QWidget;
    seite->setObjectName("picBauteil");
    auto* v = new QVBoxLayout(seite);
    v->addWidget(Auswahlzeile(m_.cboBauteilListe, m_.cmdBtSuchen, "Bauteil", &frmBauteil::cboBauteilListe_Click, seite));
    v->addWidget(Fensterhilfe::Trennlinie(seite));

    auto* g = new QGridLayout;
    g->addWidget(Text("Bezeichnung", seite), 0, 0);
    g->addWidget(Feld(m_.txtBBez, seite), 0, 1, 1, 6);
    g->addWidget(Text("Kommentar", seite), 1, 0);
    g->addWidget(Feld(m_.txtBKom, seite), 1, 1, 1, 6);
    g->addWidget(Text("Wärmedurchgangskoeffizient", seite), 2, 0);
    g->addWidget(Text("U", seite), 2, 1, Qt::AlignRight);
    g->addWidget(Feld(m_.txtBU, seite, 72, true), 2, 2);
    g->addWidget(Text("[W/m²K]", seite), 2, 3);
    g->addWidget(Text("Code Grenzwert", seite), 2, 4, Qt::AlignRight);
    g->addWidget(Feld(m_.txtBCodeGr, seite, 72), 2, 5);
    g->addWidget(Text("Wärmeübergangswiderstände innen und aussen", seite), 3, 0);
    g->addWidget(Text("Rsi", seite), 3, 1, Qt::AlignRight);
    g->addWidget(Feld(m_.txtBAi, seite, 72, true), 3, 2);
    g->addWidget(Text("Rse", seite), 3, 4, Qt::AlignRight);
    g->addWidget(Feld(m_.txtBAa, seite, 72, true), 3, 5);
    g->addWidget(Text("[m²K/W]", seite), 3, 6);
    g->setColumnStretch(6, 1);
    v->addLayout(g);
    v->addWidget(Fensterhilfe::Trennlinie(seite, true));

    // The layer grid: captions, units, 15 rows.
    auto* raster = new QGridLayout;
    raster->setHorizontalSpacing(4);
    raster->setVerticalSpacing(1);
    const char* köpfe[6] = {"Baustoff", "Dicke", "Rohdichte", "Lambda", "R", "Überwachung"};
    const char* einheiten[6] = {"(von innen nach aussen)", "[cm]", "[kg/m³]", "[W/mK]", "[m²K/W]", "(0/1/2)"};
    // The monitoring column's caption is wider than its cells: it stands
    // centred over them, apart from the R column by a gap of its own, so
    // neither caption runs into the other.
    auto spalte = [](int s) { return s < 5 ? s : 6; };
    for (int s = 0; s < 6; ++s) {
        // Caption and unit in one label of two lines, standing on the column.
        auto* kopf = new QLabel(T(köpfe[s]) + "\n" + T(einheiten[s]), seite);
        kopf->setObjectName(QString("Kopf(%1)").arg(s));
        kopf->setAlignment((s == 0 ? Qt::AlignLeft : s == 5 ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignBottom);
        raster->addWidget(kopf, 0, spalte(s));
    }
    raster->setColumnMinimumWidth(5, 10);
    for (int r = 0; r < frmBauteil::Schichtzeilen; ++r)
        for (int s = 0; s < 6; ++s) {
            QWidget* w = Feld(m_.Schichtspalte(s)[r], seite, Spaltenbreiten[s], s > 0 && s < 5);
            if (s == 5) {
                w->setToolTip(T("0=nicht überwacht, 1=überwacht, 2=spezifiziertes Produkt"));
                static_cast<QLineEdit*>(w)->setAlignment(Qt::AlignCenter);
            }
            raster->addWidget(w, 1 + r, spalte(s), s == 5 ? Qt::AlignHCenter : Qt::Alignment());
        }
    raster->setColumnStretch(7, 1);
    v->addLayout(raster);
    v->addStretch();

    // The material list button beside the focused "Baustoff" cell.
    listenknopf_ = new QToolButton(seite);
    listenknopf_->setObjectName("cmdBstListe");
    listenknopf_->setArrowType(Qt::DownArrow);
    listenknopf_->setFocusPolicy(Qt::NoFocus);
    listenknopf_->setToolTip(T("Baustoff aus der Liste wählen (Alt+Pfeil unten)"));
    listenknopf_->hide();
    Eintragen(m_.cmdBstListe, listenknopf_);
    connect(listenknopf_, &QToolButton::pressed, this, [this] { m_.cmdBstListe_MouseDown(); });
    beobachtet_.hinzufügen(m_.cmdBstListe, m_.cmdBstListe.beobachten([this](const Steuerelement&) { KnopfPlatzieren(); }));

    // The pop-up of materials with its category label.
    popup_ = new QFrame(seite);
    popup_->setObjectName("picBstListe");
    popup_->setFrameStyle(QFrame::Box | QFrame::Plain);
    popup_->hide();
    liste_ = new QListWidget(popup_);
    Bindung::binden(m_.lstBstListe, liste_);
    Eintragen(m_.lstBstListe, liste_);
    liste_->installEventFilter(this);
    connect(liste_, &QListWidget::itemDoubleClicked, this, [this] { m_.lstBstListe_DblClick(); });
    auto* kat = new Klickfläche(popup_);
    kat_ = kat;
    kat->setAlignment(Qt::AlignCenter);
    kat->setFrameStyle(QFrame::Panel | QFrame::Raised);
    kat->setFixedWidth(22);
    kat->setCursor(Qt::PointingHandCursor);
    Bindung::binden(m_.lblKat, kat);
    Eintragen(m_.lblKat, kat);
    kat->Gedrückt = [this] { KategorieMenü(); };
    auto* h = new QHBoxLayout(popup_);
    h->setContentsMargins(1, 1, 1, 1);
    h->setSpacing(1);
    h->addWidget(liste_);
    h->addWidget(kat, 0, Qt::AlignTop);
    beobachtet_.hinzufügen(m_.picBstListe, m_.picBstListe.beobachten([this](const Steuerelement&) { PopupPlatzieren(); }));
    return seite;
}

// --- the window and thermal-bridge pages ---

QWidget* frmBauteilAnsicht::SeiteFenster() {
    auto* seite = new QWidget;
    seite->setObjectName("picFenster");
    auto* v = new QVBoxLayout(seite);
    v->addWidget(Auswahlzeile(m_.cboFensterListe, m_.cmdFeSuchen, "Fenster", &frmBauteil::cboFensterListe_Click, seite));
    v->addWidget(Fensterhilfe::Trennlinie(seite));
    auto* g = new QGridLayout;
    int z = 0;
    g->addWidget(Text("Bezeichnung", seite), z, 0);
    g->addWidget(Feld(m_.txtFBez, seite), z++, 1, 1, 5);
    g->addWidget(Text("Kommentar", seite), z, 0);
    g->addWidget(Feld(m_.txtFKom, seite), z++, 1, 1, 5);
    g->addWidget(Text("Wärmedurchgangskoeffizient", seite), z, 0);
    g->addWidget(Text("U", seite), z, 1, Qt::AlignRight);
    g->addWidget(Feld(m_.txtFU, seite, 72, true), z, 2);
    g->addWidget(Text("[W/m²K]", seite), z, 3);
    g->addWidget(Text("Code Grenzwert", seite), z, 4, Qt::AlignRight);
    g->addWidget(Feld(m_.txtFCodeGr, seite, 72), z++, 5);
    g->addWidget(Fensterhilfe::Trennlinie(seite), z++, 0, 1, 6);
    g->addWidget(Text("Gesamtenergiedurchlassgrad", seite), z, 0);
    g->addWidget(Text("g", seite), z, 1, Qt::AlignRight);
    g->addWidget(Feld(m_.txtFg, seite, 72, true), z, 2);
    g->addWidget(Text("[-]", seite), z++, 3);
    g->addWidget(Text("Abminderungsfaktor für Fensterrahmen", seite), z, 0);
    g->addWidget(Text("ff", seite), z, 1, Qt::AlignRight);
    g->addWidget(Feld(m_.txtFF, seite, 72, true), z, 2);
    g->addWidget(Text("[-]", seite), z++, 3);
    g->addWidget(Fensterhilfe::Trennlinie(seite), z++, 0, 1, 6);
    g->addWidget(Text("Rahmenmaterial", seite), z, 0);
    g->addWidget(Feld(m_.txtFRahmen, seite), z, 1, 1, 3);
    g->addWidget(Text("Uf", seite), z, 4, Qt::AlignRight);
    g->addWidget(Feld(m_.txtFRUf, seite, 72, true), z, 5);
    g->addWidget(Text("[W/m²K]", seite), z++, 6);
    g->addWidget(Text("Verglasung", seite), z, 0);
    g->addWidget(Feld(m_.txtFGlas, seite), z, 1, 1, 3);
    g->addWidget(Text("Ug", seite), z, 4, Qt::AlignRight);
    g->addWidget(Feld(m_.txtFGUg, seite, 72, true), z, 5);
    g->addWidget(Text("[W/m²K]", seite), z++, 6);
    g->setColumnStretch(3, 1);
    v->addLayout(g);
    v->addStretch();
    return seite;
}

QWidget* frmBauteilAnsicht::SeiteWärmebrücke() {
    auto* seite = new QWidget;
    seite->setObjectName("picWb");
    auto* v = new QVBoxLayout(seite);
    v->addWidget(Auswahlzeile(m_.cboWbListe, m_.cmdWbSuchen, "Wärmebrücke", &frmBauteil::cboWbListe_Click, seite));
    v->addWidget(Fensterhilfe::Trennlinie(seite));
    auto* g = new QGridLayout;
    int z = 0;
    g->addWidget(Text("Bezeichnung", seite), z, 0);
    g->addWidget(Feld(m_.txtWBez, seite), z++, 1, 1, 5);
    g->addWidget(Text("Kommentar", seite), z, 0);
    g->addWidget(Feld(m_.txtWKom, seite), z++, 1, 1, 5);
    g->addWidget(Text("Wärmedurchgangskoeffizient linear", seite), z, 0);
    g->addWidget(Text("Psi, Chi", seite), z, 1, Qt::AlignRight);
    g->addWidget(Feld(m_.txtWPsi, seite, 72, true), z, 2);
    g->addWidget(Text("[W/mK],[W/K]", seite), z, 3);
    g->addWidget(Text("Code Grenzwert", seite), z, 4, Qt::AlignRight);
    g->addWidget(Feld(m_.txtWCodeGr, seite, 72), z++, 5);
    g->addWidget(Fensterhilfe::Trennlinie(seite), z++, 0, 1, 6);
    g->addWidget(Text("Beschreibung", seite), z, 0);
    g->addWidget(Feld(m_.txtWText1, seite), z++, 1, 1, 5);
    g->setColumnStretch(3, 1);
    v->addLayout(g);
    v->addStretch();
    return seite;
}

// --- following the model ---

void frmBauteilAnsicht::SeiteFolgen() {
    int i = m_.picFenster.Visible() ? 1 : m_.picWb.Visible() ? 2 : 0;
    if (tabs_->currentIndex() == i) return;
    seiteSetzen_ = true;
    tabs_->setCurrentIndex(i);
    seiteSetzen_ = false;
}

void frmBauteilAnsicht::KnopfPlatzieren() {
    if (!m_.cmdBstListe.Visible() || m_.Materialzeile < 0) {
        Zellknopf::Verbergen(listenknopf_);
        return;
    }
    auto* zelle = qobject_cast<QLineEdit*>(Widget(m_.txtBtBez[m_.Materialzeile]));
    if (!zelle) return;
    Zellknopf::Zeigen(listenknopf_, zelle);
}

void frmBauteilAnsicht::PopupPlatzieren() {
    if (!m_.picBstListe.Visible()) {
        popup_->hide();
        return;
    }
    QWidget* oben = Widget(m_.txtBtBez[0]);
    QWidget* unten = Widget(m_.txtBtBez[frmBauteil::Schichtzeilen - 1]);
    if (!oben || !unten) return;
    const int y = oben->mapTo(seiten_[0], QPoint(0, 0)).y();
    const int h = unten->mapTo(seiten_[0], QPoint(0, unten->height())).y() - y;
    int x = listenknopf_->isVisible() ? listenknopf_->geometry().right() + 1
                                      : oben->mapTo(seiten_[0], QPoint(oben->width(), 0)).x();
    const int breite = std::min(340, std::max(200, seiten_[0]->width() - x - 4));
    popup_->setGeometry(x, y, breite, h);
    popup_->show();
    popup_->raise();
}

void frmBauteilAnsicht::KategorieMenü() {
    // The pop-up menu holds one entry, "Baustoff-Kategorie", whose submenu
    // lists the categories.
    QMenu menü(this);
    menü.setObjectName("mnuPopup");
    QMenu* kategorien = menü.addMenu(Q(m_.mnuBKat.Caption()));
    kategorien->setObjectName("mnuBKat");
    for (int i = m_.mnuBKatAZ.LBound(); i <= m_.mnuBKatAZ.UBound(); ++i) {
        QAction* a = kategorien->addAction(Q(m_.mnuBKatAZ[i].Caption()));
        a->setObjectName(QString("mnuBKatAZ(%1)").arg(i));
        connect(a, &QAction::triggered, this, [this, i] { m_.mnuBKatAZ_Click(i); });
    }
    if (KategorieMenüZeigen) KategorieMenüZeigen(menü);
    else menü.exec(QCursor::pos());
    if (popup_->isVisible()) liste_->setFocus(Qt::OtherFocusReason);
}

void frmBauteilAnsicht::Fokus(Steuerelement& zustand, bool alles) {
    QWidget* w = Widget(zustand);
    if (!w || !w->isEnabled() || !w->isVisibleTo(this)) return;
    w->setFocus(Qt::OtherFocusReason);
    if (auto* feld = qobject_cast<QLineEdit*>(w); feld && alles) feld->selectAll();
}

// --- events ---

bool frmBauteilAnsicht::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::WindowActivate && m_.Geladen()) m_.Form_Activate();
    if (ereignis->type() == QEvent::WindowDeactivate && m_.Geladen()) m_.Form_Deactivate();
    return QWidget::event(ereignis);
}

void frmBauteilAnsicht::closeEvent(QCloseEvent* ereignis) {
    if (!geschlossen_ && m_.Geladen()) {
        m_.Form_QueryUnload();
        m_.Form_Unload();
    }
    ereignis->accept();
}

bool frmBauteilAnsicht::eventFilter(QObject* objekt, QEvent* ereignis) {
    const auto typ = ereignis->type();
    if (objekt == liste_) {
        if (typ == QEvent::FocusIn) m_.ActiveControl = &m_.lstBstListe;
        if (typ == QEvent::FocusOut && static_cast<QFocusEvent*>(ereignis)->reason() != Qt::PopupFocusReason &&
            static_cast<QFocusEvent*>(ereignis)->reason() != Qt::ActiveWindowFocusReason)
            m_.lstBstListe_LostFocus();
        if (typ == QEvent::KeyRelease) {
            const int k = static_cast<QKeyEvent*>(ereignis)->key();
            if (k == Qt::Key_Return || k == Qt::Key_Enter) m_.lstBstListe_KeyUp(13);
            else if (k == Qt::Key_Escape) m_.lstBstListe_KeyUp(27);
        }
        return QWidget::eventFilter(objekt, ereignis);
    }
    auto it = felder_.find(objekt);
    if (it == felder_.end() || !m_.Geladen()) return QWidget::eventFilter(objekt, ereignis);
    TextBox& feld = *it->second;
    if (typ == QEvent::FocusIn && VomBenutzer(static_cast<QFocusEvent*>(ereignis))) m_.Feld_GotFocus(feld);
    if (typ == QEvent::FocusOut && VomBenutzer(static_cast<QFocusEvent*>(ereignis))) m_.Feld_LostFocus(feld);
    if (typ == QEvent::KeyPress && feld.Index >= 0) {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        std::int16_t code = 0, shift = 0;
        if (Tastencode::AusQt(*taste, code, shift)) {
            m_.Feld_KeyDown(feld, code, shift);
            if (code == 0) return true;
        }
        if (std::int16_t zeichen = Zeichen(*taste); zeichen != 0) {
            m_.Feld_KeyPress(feld, zeichen);
            if (zeichen == 0) return true;
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}

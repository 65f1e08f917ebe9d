#include "mainwindow/qt/frmZIRVO3801Ansicht.h"

#include "balance/frmGewinn.h"
#include "balance/frmLueftung.h"
#include "balance/frmQh.h"
#include "balance/frmWaermeleistungsbedarf.h"
#include "balance/qt/frmGewinnAnsicht.h"
#include "balance/qt/frmLueftungAnsicht.h"
#include "balance/qt/frmQhAnsicht.h"
#include "balance/qt/frmTabellenRechnerAnsicht.h"
#include "balance/qt/frmWaermeleistungsbedarfAnsicht.h"
#include "components/qt/frmBauteilAnsicht.h"
#include "dialogs/qt/frmNutzungAnsicht.h"
#include "dialogs/qt/frmNutzungZoneAnsicht.h"
#include "dialogs/basZIRVOBauteile.h"
#include "dialogs/frmBauteilVerluste.h"
#include "dialogs/frmEnergien.h"
#include "dialogs/frmFlaechen.h"
#include "dialogs/qt/TextberichtAnsicht.h"
#include "dialogs/qt/frmEnergienAnsicht.h"
#include "dialogs/qt/frmProjektAnsicht.h"
#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "frame/qt/EingabeTabelleWidget.h"
#include "frame/qt/Fensterlage.h"
#include "frame/qt/Hilfefenster.h"
#include "frame/qt/RichTextAnsicht.h"
#include "mainwindow/frmZIRVO3801.h"
#include "mainwindow/qt/BauteillisteAnsicht.h"
#include "mainwindow/qt/frmZIRVO3801AnsichtTeile.h"
#include "proofs/frmNachweis3801.h"
#include "proofs/frmNachweisEB.h"
#include "proofs/qt/frmNachweis3801Ansicht.h"
#include "printing/frmDruckIni.h"
#include "printing/frmDrucken.h"
#include "printing/qt/frmDruckIniAnsicht.h"
#include "printing/qt/frmDruckenAnsicht.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolButton>

#include <algorithm>

using Bindung::Pixel;
using Bindung::Twips;
using namespace Hauptfensterteile;

frmZIRVO3801Ansicht::frmZIRVO3801Ansicht(frmZIRVO3801& modell, QWidget* parent)
    : QMainWindow(parent), m_(modell), z_(std::make_unique<Zustand>()) {
    setObjectName("frmZIRVO3801");
    z_->selbst = std::make_shared<frmZIRVO3801Ansicht*>(this);
    // The owner of the windows the commands open.
    Fensterlage::HauptfensterSetzen(this);

    auto* fläche = new Fläche(this);
    fläche->setObjectName("Innenfläche");
    fläche_ = fläche;
    setCentralWidget(fläche_);
    fläche->Grösse = [this] {
        m_.ScaleWidth = Twips(fläche_->width());
        m_.ScaleHeight = Twips(fläche_->height());
        if (geladen_) m_.Form_Resize();
    };
    fläche->Klick = [this] { befehl([this] { m_.Form_Click(); }); };

    statusleiste_ = new QStatusBar(fläche_);
    statusleiste_->setObjectName("sbrStatusbar");
    statusleiste_->setSizeGripEnabled(false);
    auto* statustext = new QLabel(statusleiste_);
    statusleiste_->addWidget(statustext, 1);
    Bindung::binden(m_.sbrStatusbarText, statustext);
    auto* projekttext = new QLabel(statusleiste_);
    projekttext->setObjectName("sbrStatusbarProjekt");
    statusleiste_->addPermanentWidget(projekttext);
    Bindung::binden(m_.sbrStatusbarProjekt, projekttext);

    trHilfe_ = new Teiler(m_, fläche_);
    trHilfe_->setObjectName("picTrHilfe");
    auto* hilfe = new QFrame(fläche_);
    hilfe->setObjectName("picHilfe");
    hilfe->setFrameShape(QFrame::StyledPanel);
    hilfe_ = hilfe;
    rtbInfo_ = new QTextBrowser(hilfe_);
    rtbInfo_->setObjectName("rtbInfo");
    rtbInfo_->setFrameShape(QFrame::NoFrame);
    {
        auto* l = new QHBoxLayout(hilfe_);
        l->setContentsMargins(1, 1, 1, 1);
        l->addWidget(rtbInfo_);
    }
    RichTextAnsicht::binden(m_.rtbInfo, rtbInfo_, [this] { befehl([this] { m_.rtbInfo_SelChange(); }); });
    QtHilfe::KontextBinden(this, [this] { return m_.HelpContextID; });

    for (std::int16_t i = 0; i < 2; ++i) {
        auto* t = new Titelwidget(m_, i, fläche_);
        t->Danach = [this] { Abgleichen(); };
        t->hide();
        z_->titel.push_back(t);
        beobachten(m_.picTitel[i], [t] { t->update(); });
        platzBinden(m_.picTitel[i], t);
    }

    auto* zeiger = new QFrame(fläche_);
    zeiger->setObjectName("picTrennZeiger");
    zeiger->setAutoFillBackground(true);
    {
        QPalette p = zeiger->palette();
        p.setColor(QPalette::Window, p.color(QPalette::Dark));
        zeiger->setPalette(p);
    }
    trennzeiger_ = zeiger;
    zeiger->hide();
    platzBinden(m_.picTrennZeiger, zeiger);

    neuereVersion_ = new QLabel(fläche_);
    neuereVersion_->setObjectName("lblNeuereVersionVorhanden");
    neuereVersion_->setTextFormat(Qt::PlainText);
    {
        QPalette p = neuereVersion_->palette();
        p.setColor(QPalette::WindowText, QColor(192, 0, 0));
        neuereVersion_->setPalette(p);
    }
    neuereVersion_->hide();
    beobachten(m_.lblNeuereVersionVorhanden, [this] { versionLage(); });

    // The bar that scrolls panes narrower than the tables.
    querbalken_ = new QScrollBar(Qt::Horizontal, fläche_);
    querbalken_->setObjectName("hsbPanes");
    querbalken_->hide();
    platzBinden(m_.hsbPanes, querbalken_);
    beobachten(m_.hsbPanes, [this] { querbalkenAbgleichen(); });
    QObject::connect(querbalken_, &QScrollBar::valueChanged, this, [this](int wert) {
        if (Pixel(m_.PaneVersatz) != wert) befehl([this, wert] { m_.hsbPanes_Change(Twips(wert)); });
    });

    platzBinden(m_.picHilfe, hilfe_);
    platzBinden(m_.picTrHilfe, trHilfe_);
    platzBinden(m_.sbrStatusbar, statusleiste_);
    // The pick list of item numbers in the tables.
    new BauteillisteAnsicht(*this);

    // The window's side of the model.
    m_.FensterAnwenden = [w = std::weak_ptr(z_->selbst)] {
        if (auto s = w.lock(); s && *s) (*s)->fensterAnwenden();
    };
    m_.FokusSetzen = [w = std::weak_ptr(z_->selbst)](Steuerelement& zustand) {
        if (auto s = w.lock(); s && *s) (*s)->fokusSetzen(zustand);
    };
    m_.Schliessen = [w = std::weak_ptr(z_->selbst)] {
        if (auto s = w.lock(); s && *s) (*s)->close();
    };
    // The windows the commands open, as far as they are built (their views
    // are set up by Einrichten).
    m_.LüftungAnzeigen = [] {
        if (frmLüftung::Anzeigen) frmLüftung::Anzeigen(Global::frmLüftung);
    };
    m_.GewinnAnzeigen = [] {
        if (frmGewinn::Anzeigen) frmGewinn::Anzeigen(Global::frmGewinn);
    };
    m_.QhAnzeigen = [] {
        if (frmQh::Anzeigen) frmQh::Anzeigen(Global::frmQh);
    };
    m_.EnergienAnzeigen = [] { frmEnergien::Aufruf(); };
    m_.FlächenAnzeigen = [] { frmFlächen::Aufruf(); };
    m_.BauteilverlusteTabelle = [] { basZIRVOBauteile::BauteilverlusteTabelle(); };
    m_.BauteilVerlusteAnzeigen = [] { frmBauteilVerluste::Aufruf(); };
    m_.WärmeleistungsbedarfAnzeigen = [] {
        if (frmWärmeleistungsbedarf::Anzeigen) frmWärmeleistungsbedarf::Anzeigen(Global::frmWärmeleistungsbedarf);
    };
    m_.Nachweis3801Anzeigen = [] {
        if (frmNachweis3801::Anzeigen) frmNachweis3801::Anzeigen(Global::frmNachweis3801);
    };
    m_.NachweisEBAnzeigen = [] {
        if (frmNachweisEB::Anzeigen) frmNachweisEB::Anzeigen(Global::frmNachweisEB);
    };
    m_.NachweisEBEinlesen = [] { Global::frmNachweisEB.Einlesen(); };
    m_.NachweisEBSpeichern = [] { Global::frmNachweisEB.VorDemSpeichern(); };
    m_.DruckIniAnzeigen = [] { frmDruckIni::Aufruf(); };
    m_.DruckenAnzeigen = [] { frmDrucken::Aufruf(); };
    m_.TabellenRechnerAnzeigen = [w = std::weak_ptr(z_->selbst)] {
        auto s = w.lock();
        if (!s || !*s) return;
        // One calculator at a time, beside the main window.
        static QPointer<frmTabellenRechnerAnsicht> offen;
        if (!offen) {
            offen = new frmTabellenRechnerAnsicht(*s);
            offen->setAttribute(Qt::WA_DeleteOnClose);
        }
        offen->show();
        offen->raise();
        offen->activateWindow();
    };
}

frmZIRVO3801Ansicht::~frmZIRVO3801Ansicht() {
    // The pick list goes first, while the tables it stands over are whole:
    // closing the window must not reach the model through it.
    delete findChild<QObject*>("Bauteilliste", Qt::FindDirectChildrenOnly);
    *z_->selbst = nullptr;
    if (Fensterlage::Hauptfenster() == this) Fensterlage::HauptfensterSetzen(nullptr);
    // The model's hooks into this window do nothing from now on.
    for (auto& [zustand, id] : z_->beobachtet) zustand->nichtMehrBeobachten(id);
}

void frmZIRVO3801Ansicht::Einrichten() {
    frmProjektAnsicht::Einrichten();
    frmNutzungAnsicht::Einrichten();
    frmNutzungZoneAnsicht::Einrichten();
    frmLüftungAnsicht::Einrichten();
    frmGewinnAnsicht::Einrichten();
    frmQhAnsicht::Einrichten();
    frmWärmeleistungsbedarfAnsicht::Einrichten();
    frmEnergienAnsicht::Einrichten();
    TextberichtAnsicht::Einrichten();
    frmBauteilAnsicht::Einrichten();
    frmNachweis3801Ansicht::Einrichten();
    frmDruckIniAnsicht::Einrichten();
    frmDruckenAnsicht::Einrichten();
}

void frmZIRVO3801Ansicht::beobachten(Steuerelement& zustand, std::function<void()> folgen, bool dauerhaft) {
    std::weak_ptr<frmZIRVO3801Ansicht*> w = z_->selbst;
    int id = zustand.beobachten([w, folgen](const Steuerelement&) {
        if (auto s = w.lock(); s && *s) folgen();
    });
    // States that live as long as the model are let go when the window
    // goes; the others (tool-bar buttons) take their observers with them.
    if (dauerhaft) z_->beobachtet.emplace_back(&zustand, id);
    folgen();
}

void frmZIRVO3801Ansicht::platzBinden(PictureBox& box, QWidget* widget) {
    beobachten(box, [&box, widget] {
        if (box.Height() > 0 || box.Width() > 0) {
            QRect soll(Pixel(box.Left()), Pixel(box.Top()), Pixel(box.Width()), Pixel(box.Height()));
            if (widget->geometry() != soll) widget->setGeometry(soll);
        }
        if (widget->isHidden() == box.Visible()) widget->setVisible(box.Visible());
        if (box.Visible()) widget->raise();
    });
}

// --- the start ---

void frmZIRVO3801Ansicht::Form_Load() {
    if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        m_.ScreenWidth = Twips(s->availableGeometry().width());
        m_.ScreenHeight = Twips(s->availableGeometry().height());
    }
    m_.Form_Load();
    QtBildschirmschrift::Anwenden(this, m_);
    menüsBauen();
    leistenBauen();

    // The heights the layout needs: bars, title strips, splitter bar.
    const QFontMetrics fm(font());
    for (int i = 0; i < 2; ++i) {
        auto& s = m_.picTitel[i];
        s.Move(s.Left(), s.Top(), s.Width(), Twips(fm.height() + 8));
    }
    m_.picTrennZeiger.Move(0, 0, 0, Twips(4));
    m_.sbrStatusbar.Move(0, 0, 0, Twips(statusleiste_->sizeHint().height()));
    m_.hsbPanes.Move(0, 0, 0, Twips(querbalken_->sizeHint().height()));
    m_.picHilfe.Move(0, 0, Twips(200), 0);
    geladen_ = true;
    m_.ScaleWidth = Twips(fläche_->width());
    m_.ScaleHeight = Twips(fläche_->height());
    Abgleichen();
}

void frmZIRVO3801Ansicht::Zeigen() {
    if (m_.WindowState == 2) {
        showMaximized();
        return;
    }
    // The placement is the inner size; the desktop adds its frame. A window
    // that then reaches beyond the screen (the first start takes the whole
    // width) is made to fit by the placement watch, as it shows and once
    // the desktop has framed it.
    show();
}

void frmZIRVO3801Ansicht::NeuereVersionAnzeigen(const std::string& text) { m_.NeuereVersionAnzeigen(text); }

void frmZIRVO3801Ansicht::ProjektEinlesenBeimProgrammstart(const std::string& datei) {
    befehl([this, datei] { m_.ProjektEinlesenBeimProgrammstart(datei); });
}

// --- commands ---

// Runs a handler of the model, then brings what the model changed without
// telling (caption, button states) onto the screen.
void frmZIRVO3801Ansicht::befehl(const std::function<void()>& handler) {
    QPointer<frmZIRVO3801Ansicht> selbst(this);
    handler();
    if (selbst) Abgleichen();
}

void frmZIRVO3801Ansicht::Abgleichen() {
    const QString titel = Q(m_.Caption);
    if (windowTitle() != titel) setWindowTitle(titel);
    m_.SymbolleistenAbgleichen();
    m_.StatusleisteAbgleichen();
    querbalkenAbgleichen();
    for (const auto& [schlüssel, knopf] : z_->knöpfe)
        if (knopf->menu()) knopfMenüAbgleichen(schlüssel.first, knopf);
}

// --- the window on the desktop ---

void frmZIRVO3801Ansicht::fensterAnwenden() {
    move(Pixel(m_.Left), Pixel(m_.Top));
    // No larger than the screen it stands on (a size from another screen or
    // a damaged settings file); the placement then keeps the size it got.
    const QScreen* s = QGuiApplication::screenAt(pos());
    if (!s) s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize grösste = s ? s->availableGeometry().size() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(std::clamp(Pixel(m_.Width), 1, std::max(1, grösste.width())),
           std::clamp(Pixel(m_.Height), 1, std::max(1, grösste.height())));
    if (m_.WindowState == 2) setWindowState(windowState() | Qt::WindowMaximized);
    else setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    // The window stands where the desktop put it.
    if (m_.WindowState == 0) {
        m_.Left = Twips(x());
        m_.Top = Twips(y());
        m_.Width = Twips(width());
        m_.Height = Twips(height());
    }
}

void frmZIRVO3801Ansicht::fensterLesen() {
    m_.WindowState = isMinimized() ? 1 : (isMaximized() ? 2 : 0);
    if (m_.WindowState != 0) return;
    m_.Left = Twips(x());
    m_.Top = Twips(y());
    m_.Width = Twips(width());
    m_.Height = Twips(height());
}

void frmZIRVO3801Ansicht::closeEvent(QCloseEvent* ereignis) {
    fensterLesen();
    if (m_.Form_QueryUnload()) {
        ereignis->ignore();
        Abgleichen();
        return;
    }
    // Every other window of the program closes first; one that stays open
    // keeps the program running.
    auto andere = [this] {
        std::vector<QWidget*> liste;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w == this || !w->isVisible()) continue;
            const Qt::WindowType art = w->windowType();
            if (art != Qt::Window && art != Qt::Dialog) continue;
            liste.push_back(w);
        }
        return liste;
    };
    for (QWidget* w : andere()) w->close();
    if (!andere().empty()) {
        ereignis->ignore();
        return;
    }
    m_.Form_Unload();
    ereignis->accept();
}

// --- the version notice ---

void frmZIRVO3801Ansicht::versionLage() {
    const Label& l = m_.lblNeuereVersionVorhanden;
    QString text = Q(l.Caption());
    text.replace("\r\n", "\n");
    if (neuereVersion_->text() != text) neuereVersion_->setText(text);
    const auto& lage = m_.lblNeuereVersionLage;
    const QSize passt = neuereVersion_->sizeHint();
    neuereVersion_->setGeometry(Pixel(lage[0]), Pixel(lage[1]), std::max(Pixel(lage[2]), passt.width()),
                                std::max(Pixel(lage[3]), passt.height()));
    neuereVersion_->setVisible(l.Visible());
    // It lies beneath the panes and bars: a table shown over it covers it
    // and takes the clicks.
    neuereVersion_->lower();
}

// --- access ---

QAction* frmZIRVO3801Ansicht::Aktion(const Menüeintrag& eintrag) const {
    auto it = z_->aktionen.find(&eintrag);
    return it == z_->aktionen.end() ? nullptr : it->second;
}

QToolButton* frmZIRVO3801Ansicht::Knopf(int leiste, std::string_view key) const {
    auto it = z_->knöpfe.find({leiste - 1, std::string(key)});
    return it == z_->knöpfe.end() ? nullptr : it->second;
}

QToolBar* frmZIRVO3801Ansicht::Leiste(int leiste) const {
    return leiste == 1 || leiste == 2 ? z_->leisten[leiste - 1] : nullptr;
}

QWidget* frmZIRVO3801Ansicht::Titel(int i) const {
    return i == 0 || i == 1 ? z_->titel[static_cast<std::size_t>(i)] : nullptr;
}

EingabeTabelleWidget* frmZIRVO3801Ansicht::Tabelle(std::int16_t t) const {
    return t >= 1 && t <= 4 ? z_->tabellen[t] : nullptr;
}

QLineEdit* frmZIRVO3801Ansicht::Zelle(const TextBox& zelle) const {
    for (EingabeTabelleWidget* w : z_->tabellen)
        if (w)
            if (QLineEdit* f = w->Zellwidget(zelle)) return f;
    return nullptr;
}

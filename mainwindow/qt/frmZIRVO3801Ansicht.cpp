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
#include "mainwindow/qt/Symbole.h"
#include "proofs/frmNachweis3801.h"
#include "proofs/frmNachweisEB.h"
#include "proofs/qt/frmNachweis3801Ansicht.h"
#include "printing/frmDruckIni.h"
#include "printing/frmDrucken.h"
#include "printing/qt/frmDruckIniAnsicht.h"
#include "printing/qt/frmDruckenAnsicht.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <array>

using Bindung::Pixel;
using Bindung::Twips;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Reaches the line edit's own key handling, past the grid's key hook.
struct Zeileneingabe : QLineEdit {
    using QLineEdit::keyPressEvent;
};

void TasteVerarbeiten(QLineEdit* feld, QKeyEvent* e) { (feld->*(&Zeileneingabe::keyPressEvent))(e); }

// The inner area: its size is the model's inner size; a click on it outside
// every control is the window's click.
class Fläche : public QWidget {
public:
    std::function<void()> Grösse;
    std::function<void()> Klick;
    using QWidget::QWidget;

protected:
    void resizeEvent(QResizeEvent* e) override {
        QWidget::resizeEvent(e);
        if (Grösse) Grösse();
    }
    void mousePressEvent(QMouseEvent* e) override {
        QWidget::mousePressEvent(e);
        if (e->button() == Qt::LeftButton && Klick) Klick();
    }
};

// A pane's title strip: painted from its state, the mouse handed to the
// model (the lower pane's strip is the splitter).
class Titelwidget : public QWidget {
public:
    Titelwidget(frmZIRVO3801& m, std::int16_t index, QWidget* parent) : QWidget(parent), m_(m), index_(index) {
        setObjectName(QString("picTitel(%1)").arg(index));
        setMouseTracking(true);
        setFocusPolicy(Qt::ClickFocus);
        if (index == 0) setCursor(Qt::SizeVerCursor);
    }
    std::function<void()> Danach;

protected:
    void paintEvent(QPaintEvent*) override {
        const auto& s = m_.picTitel[index_];
        QPainter p(this);
        const QPalette& pal = palette();
        const bool aktiv = s.Aktiv();
        const QColor grund = aktiv ? pal.color(QPalette::Active, QPalette::Highlight) : pal.color(QPalette::Mid);
        const QColor schrift = aktiv ? pal.color(QPalette::Active, QPalette::HighlightedText) : pal.color(QPalette::Midlight);
        const int sw = width(), sh = height();
        p.fillRect(rect(), grund);
        p.setPen(pal.color(QPalette::Button));
        p.drawRect(0, 0, sw - 1, sh - 1);
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(1, 1, sw - 1, 1);
        QFont f = font();
        f.setBold(aktiv);
        p.setFont(f);
        const QFontMetrics fm(f);
        const QString text = Q(s.Text());
        const int w = fm.horizontalAdvance(text);
        p.setPen(schrift);
        p.drawText((sw - w) / 2, 4 + fm.ascent(), text);
        // Grip lines left and right of the text.
        const int L = (sw - w) / 2 - 10;
        if (L <= 0) return;
        const int R = sw - 5 - L;
        auto linien = [&](const QColor& c, std::initializer_list<int> ys) {
            p.setPen(c);
            for (int y : ys) {
                p.drawLine(4, y, 4 + L - 1, y);
                p.drawLine(R, y, R + L - 1, y);
            }
        };
        if (aktiv) {
            linien(pal.color(QPalette::Dark), {7, 9, 11});
            linien(pal.color(QPalette::Light), {8, 10, 12});
        } else {
            linien(pal.color(QPalette::Light), {8, 10, 12});
        }
    }
    void mousePressEvent(QMouseEvent* e) override {
        QWidget::mousePressEvent(e);
        if (e->button() != Qt::LeftButton) return;
        m_.picTitel_MouseDown(index_, Twips(1) * e->position().y());
        if (Danach) Danach();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        QWidget::mouseMoveEvent(e);
        m_.picTitel_MouseMove(index_, Twips(1) * e->position().y());
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        QWidget::mouseReleaseEvent(e);
        if (e->button() != Qt::LeftButton) return;
        m_.picTitel_MouseUp(index_, Twips(1) * e->position().y());
        if (Danach) Danach();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        m_.picTitel_DblClick(index_);
        if (Danach) Danach();
    }

private:
    frmZIRVO3801& m_;
    std::int16_t index_;
};

// The dividing strip left of the help panel: a light line down its left
// edge and a shadow line down its right. Dragged, it sets the panel's width.
class Teiler : public QWidget {
public:
    Teiler(frmZIRVO3801& m, QWidget* parent) : QWidget(parent), m_(m) { setCursor(Qt::SizeHorCursor); }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) m_.picTrHilfe_MouseDown();
    }
    void mouseMoveEvent(QMouseEvent* e) override { m_.picTrHilfe_MouseMove(innen(e)); }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) m_.picTrHilfe_MouseUp(innen(e));
    }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(0, 0, 0, height() - 1);
        p.setPen(palette().color(QPalette::Dark));
        p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    }

private:
    // The pointer in the inner area, in twips.
    double innen(QMouseEvent* e) const {
        // From the screen: the strip itself moves while it is dragged.
        return Twips(1) * parentWidget()->mapFromGlobal(e->globalPosition()).x();
    }
    frmZIRVO3801& m_;
};

// Column widths of the four grids in pixels, in the order of the row record.
const std::vector<int>& Spaltenbreiten(std::int16_t t) {
    static const std::vector<int> ebf{240, 80, 96, 80};
    static const std::vector<int> a{26, 220, 76, 30, 56, 24, 64};
    static const std::vector<int> u{26, 220, 76, 30, 56, 24, 64, 44, 44, 80};
    static const std::vector<int> f{26, 200, 76, 30, 56, 24, 64, 56, 44, 44, 44, 64};
    switch (t) {
    case 1: return ebf;
    case 2: return a;
    case 3: return u;
    default: return f;
    }
}

// The place of columns von..bis in the grid, as the grid lays its columns out.
QRect Über(const std::vector<int>& breiten, int von, int bis, int oben, int höhe) {
    int links = 4;
    for (int j = 0; j < von; ++j) links += breiten[static_cast<std::size_t>(j)] + 2;
    int breite = 0;
    for (int j = von; j <= bis; ++j) breite += breiten[static_cast<std::size_t>(j)] + (j > von ? 2 : 0);
    return {links, oben, breite, höhe};
}

} // namespace

struct frmZIRVO3801Ansicht::Zustand {
    std::shared_ptr<frmZIRVO3801Ansicht*> selbst;
    std::vector<std::pair<Steuerelement*, int>> beobachtet;
    std::map<const Menüeintrag*, QAction*> aktionen;
    std::map<const Menüeintrag*, std::function<void()>> handler;
    QToolBar* leisten[2] = {nullptr, nullptr};
    std::map<std::pair<int, std::string>, QToolButton*> knöpfe;
    std::vector<Titelwidget*> titel;
    EingabeTabelleWidget* tabellen[5] = {nullptr, nullptr, nullptr, nullptr, nullptr};
    std::map<QObject*, TextBox*> zellen;
    std::map<QObject*, std::int16_t> boxen;
};

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

void frmZIRVO3801Ansicht::TabelleInitialisieren() {
    // Built once per run; built again, the former grids go.
    for (EingabeTabelleWidget*& w : z_->tabellen) {
        delete w;
        w = nullptr;
    }
    z_->zellen.clear();
    z_->boxen.clear();
    m_.TabelleInitialisieren();
    const QFontMetrics fm(font());
    const int zeile = fm.height() + 2;
    std::int32_t breiteste = 0;
    for (std::int16_t t = 1; t <= 4; ++t) {
        EingabeTabelle& tabelle = *m_.Tabellen[static_cast<std::size_t>(t)];
        auto* w = new EingabeTabelleWidget(tabelle, fläche_);
        w->setObjectName(Q(tabelle.getTab()->Name));
        z_->tabellen[t] = w;
        z_->boxen[w] = t;
        const std::vector<int>& breiten = Spaltenbreiten(t);
        w->setSpaltenbreiten(breiten);

        auto rechts = [w](const Label& l) {
            if (QLabel* q = w->Labelwidget(l)) q->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        };
        auto links = [w](const Label& l) {
            if (QLabel* q = w->Labelwidget(l)) q->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        };
        if (t == 1) {
            // Captions over the columns as the grid places them; the total
            // of the computed column under that column.
            w->setLabelLage(m_.lblEBFTotAh,
                            Über(breiten, 3, 3, w->ZeilenOben() + w->Zeilenhöhe() + 2, w->Zeilenhöhe()));
        } else {
            // The totals block above the captions: one line of heads, one
            // line per element type (in the window table two more for the
            // solar gains), then the column captions over the rows.
            Steuerelementfeld<Label>& lbl = t == 2 ? m_.lblDa : (t == 3 ? m_.lblDu : m_.lblF);
            const int typen = t == 4 ? 4 : 5;
            const int zeilen = t == 4 ? typen + 2 : typen;
            const int U = 4, Fl = 2;
            auto block = [&](int r) { return 3 + r * zeile; };
            w->setLabelLage(lbl[0], Über(breiten, Fl, Fl, block(0), zeile));
            w->setLabelLage(lbl[1], Über(breiten, U, U, block(0), zeile));
            w->setLabelLage(lbl[2], Über(breiten, 5, 6, block(0), zeile));
            rechts(lbl[0]);
            rechts(lbl[1]);
            rechts(lbl[2]);
            std::vector<std::array<const Label*, 3>> summen;
            if (t == 2)
                summen = {{&m_.lblDaFl, &m_.lblDaU, &m_.lblDaQt},
                          {&m_.lblWaFl, &m_.lblWaU, &m_.lblWaQt},
                          {&m_.lblBaFl, &m_.lblBaU, &m_.lblBaQt},
                          {&m_.lbllaFl, &m_.lbllaU, &m_.lbllaQt},
                          {&m_.lblpaFl, &m_.lblpaU, &m_.lblpaQt}};
            else if (t == 3)
                summen = {{&m_.lblDuFl, &m_.lblDuU, &m_.lblDuQt},
                          {&m_.lblWuFl, &m_.lblWuU, &m_.lblWuQt},
                          {&m_.lblBuFl, &m_.lblBuU, &m_.lblBuQt},
                          {&m_.lblluFl, &m_.lblluU, &m_.lblluQt},
                          {&m_.lblpuFl, &m_.lblpuU, &m_.lblpuQt}};
            else
                summen = {{&m_.lblFFl, &m_.lblFU, &m_.lblFQt},
                          {&m_.lblTFl, &m_.lblTU, &m_.lblTQt},
                          {&m_.lbllfFl, &m_.lbllfU, &m_.lbllfQt},
                          {&m_.lblpfFl, &m_.lblpfU, &m_.lblpfQt}};
            for (int k = 0; k < typen; ++k) {
                const int y = block(k + 1);
                w->setLabelLage(lbl[3 + k], Über(breiten, 0, 1, y, zeile));
                links(lbl[3 + k]);
                // The names line up where the text column begins.
                w->setLabelEinzug(lbl[3 + k], breiten[0] + 2 + 3);
                w->setLabelLage(*summen[static_cast<std::size_t>(k)][0], Über(breiten, Fl, Fl, y, zeile));
                w->setLabelLage(*summen[static_cast<std::size_t>(k)][1], Über(breiten, U, U, y, zeile));
                w->setLabelLage(*summen[static_cast<std::size_t>(k)][2], Über(breiten, 5, 6, y, zeile));
                for (const Label* l : summen[static_cast<std::size_t>(k)]) rechts(*l);
            }
            if (t == 4) {
                w->setLabelLage(m_.lblF[7], Über(breiten, 0, 1, block(5), zeile));
                w->setLabelLage(m_.lblF[8], Über(breiten, 0, 1, block(6), zeile));
                links(m_.lblF[7]);
                links(m_.lblF[8]);
                w->setLabelLage(m_.lblFQs, Über(breiten, 5, 6, block(5), zeile));
                w->setLabelLage(m_.lblFQsf, Über(breiten, 5, 6, block(6), zeile));
                rechts(m_.lblFQs);
                rechts(m_.lblFQsf);
            }
            const int kopf = block(zeilen + 1) + 4;
            // The column lines begin at the column captions, below the totals block.
            w->setSpaltenlinienOben(kopf);
            const int erste = t == 4 ? 9 : 8;
            for (std::size_t c = 0; c < breiten.size(); ++c)
                w->setLabelLage(lbl[erste + static_cast<int>(c)],
                                Über(breiten, static_cast<int>(c), static_cast<int>(c), kopf, 2 * zeile + 2));
        }

        // The cells' events go to the model's handlers of their column.
        w->ZelleGotFocus = [this](TextBox& zelle) {
            m_.Zelle_GotFocus(zelle);
            Abgleichen();
            zelleZeigen(Zelle(zelle));
        };
        w->ZelleLostFocus = [this](TextBox& zelle) {
            m_.Zelle_LostFocus(zelle);
            Abgleichen();
        };
        w->ZelleKeyDown = [this](TextBox& zelle, std::int16_t& KeyCode, std::int16_t Shift) {
            m_.Zelle_KeyDown(zelle, KeyCode, Shift);
            Abgleichen();
            return KeyCode == 0;
        };
        for (const auto& zelle : tabelle.Zellen()) {
            if (QLineEdit* feld = w->Zellwidget(*zelle.Steuerelement)) {
                feld->installEventFilter(this);
                z_->zellen[feld] = zelle.Steuerelement;
            }
        }
        w->installEventFilter(this);
        m_.Tabellenbreiten[static_cast<std::size_t>(tabelle.KeyNr)] = Twips(w->sizeHint().width());
        breiteste = std::max(breiteste, Twips(w->sizeHint().width()));
    }
    m_.Tabellenbreite = breiteste;
    tabellenGebaut_ = true;
    // A table scrolled sideways passes under the help panel, never over it.
    for (QWidget* w : {static_cast<QWidget*>(querbalken_), trHilfe_, hilfe_}) w->raise();
    // Small enough for a small screen; large enough for the menus, the
    // first columns and a few rows.
    setMinimumSize(600, 400);
    m_.Form_Resize();
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

// --- menus and tool bars ---

void frmZIRVO3801Ansicht::menüsBauen() {
    auto& m = m_;
    auto& h = z_->handler;
    using F = frmZIRVO3801;
    const std::pair<Menüeintrag*, void (F::*)()> liste[] = {
        {&m.mnuDateiNeu, &F::mnuDateiNeu_Click},
        {&m.mnuDateiÖffnen, &F::mnuDateiÖffnen_Click},
        {&m.mnuDateiSchliessen, &F::mnuDateiSchliessen_Click},
        {&m.mnuDateiSpeichern, &F::mnuDateiSpeichern_Click},
        {&m.mnuDateiSpeichernUnter, &F::mnuDateiSpeichernUnter_Click},
        {&m.mnuDateiDrucken, &F::mnuDateiDrucken_Click},
        {&m.mnuDateiDruckEinrichten, &F::mnuDateiDruckEinrichten_Click},
        {&m.mnuDateiBeenden, &F::mnuDateiBeenden_Click},
        {&m.mnuBearbZeileEinfügen, &F::mnuBearbZeileEinfügen_Click},
        {&m.mnuBearbZeileLöschen, &F::mnuBearbZeileLöschen_Click},
        {&m.mnuProjektAngaben, &F::mnuProjektAngaben_Click},
        {&m.mnuProjektNutzung, &F::mnuProjektNutzung_Click},
        {&m.mnuProjektBauteile, &F::mnuProjektBauteile_Click},
        {&m.mnuZoneEBF, &F::mnuZoneEBF_Click},
        {&m.mnuZoneA, &F::mnuZoneA_Click},
        {&m.mnuZoneU, &F::mnuZoneU_Click},
        {&m.mnuZoneF, &F::mnuZoneF_Click},
        {&m.mnuZoneL, &F::mnuZoneL_Click},
        {&m.mnuZoneG, &F::mnuZoneG_Click},
        {&m.mnuZoneQh, &F::mnuZoneQh_Click},
        {&m.mnuNachweis3801System, &F::mnuNachweis3801System_Click},
        {&m.mnuNachweis3801EB, &F::mnuNachweis3801EB_Click},
        {&m.mnuTabellenBaustoffe, &F::mnuTabellenBaustoffe_Click},
        {&m.mnuTabellenStandardnutzung, &F::mnuTabellenStandardnutzung_Click},
        {&m.mnuTabellenRechenwerte, &F::mnuTabellenRechenwerte_Click},
        {&m.mnuTabellenRechner, &F::mnuTabellenRechner_Click},
        {&m.mnuExtrasOK, &F::mnuExtrasOK_Click},
        {&m.mnuExtrasVerluste, &F::mnuExtrasVerluste_Click},
        {&m.mnuExtrasFlächen, &F::mnuExtrasFlächen_Click},
        {&m.mnuExtrasEnergien, &F::mnuExtrasEnergien_Click},
        {&m.mnuExtrasWärmeleistungsbedarf, &F::mnuExtrasWärmeleistungsbedarf_Click},
        {&m.mnuExtrasOptionen, &F::mnuExtrasOptionen_Click},
        {&m.mnuHilfeF1, &F::mnuHilfeF1_Click},
        {&m.mnuHilfeWasIstNeu, &F::mnuHilfeWasIstNeu_Click},
        {&m.mnuHilfeInfoZahlenformat, &F::mnuHilfeInfoZahlenformat_Click},
        {&m.mnuHilfeInfo, &F::mnuHilfeInfo_Click},
    };
    for (const auto& [eintrag, fn] : liste) h[eintrag] = [&m, fn = fn] { (m.*fn)(); };
    for (int i = 0; i < m.mnuDateiLetzte.Anzahl(); ++i) h[&m.mnuDateiLetzte[i]] = [&m, i] { m.mnuDateiLetzte_Click(i); };

    menuBar()->clear();
    z_->aktionen.clear();
    for (const frmZIRVO3801::Menü& menü : m.Menüleiste()) {
        QMenu* q = menuBar()->addMenu(Q(menü.Kopf->Caption()));
        q->setObjectName(Q(menü.Kopf->Name));
        QAction* kopf = q->menuAction();
        z_->aktionen[menü.Kopf] = kopf;
        Menüeintrag* k = menü.Kopf;
        beobachten(*k, [k, kopf] {
            kopf->setText(Q(k->Caption()));
            kopf->setEnabled(k->Enabled());
            kopf->setVisible(k->Visible());
        });
        if (k == &m.mnuDatei)
            QObject::connect(q, &QMenu::aboutToShow, this, [this] { befehl([this] { m_.mnuDatei_Click(); }); });
        for (Menüeintrag* e : menü.Einträge) {
            QAction* a = q->addAction(QString());
            a->setObjectName(Q(e->Index >= 0 ? e->Name + "(" + std::to_string(e->Index) + ")" : e->Name));
            z_->aktionen[e] = a;
            beobachten(*e, [e, a] {
                const bool trenner = e->Caption() == "-";
                a->setSeparator(trenner);
                if (!trenner) a->setText(Q(e->Caption()));
                a->setEnabled(e->Enabled());
                a->setVisible(e->Visible());
                a->setCheckable(e->Checked());
                a->setChecked(e->Checked());
            });
            if (auto it = h.find(e); it != h.end()) {
                auto handler = it->second;
                QObject::connect(a, &QAction::triggered, this, [this, handler, e] {
                    // Runs only while the entry is enabled, as a click could.
                    if (!e->Enabled()) return;
                    befehl(handler);
                });
            }
        }
    }
}

void frmZIRVO3801Ansicht::leistenBauen() {
    for (int nr = 0; nr < 2; ++nr) {
        if (!z_->leisten[nr]) {
            auto* l = new QToolBar(fläche_);
            l->setObjectName(nr == 0 ? "tbrToolbar1" : "tbrToolbar2");
            l->setMovable(false);
            l->setFloatable(false);
            l->setToolButtonStyle(nr == 0 ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonTextBesideIcon);
            if (nr == 1) l->setIconSize(QSize(20, 20));
            z_->leisten[nr] = l;
            platzBinden(nr == 0 ? m_.tbrToolbar1 : m_.tbrToolbar2, l);
        }
        leisteBauen(nr);
        QToolBar* l = z_->leisten[nr];
        auto& box = nr == 0 ? m_.tbrToolbar1 : m_.tbrToolbar2;
        box.Move(box.Left(), box.Top(), box.Width(), Twips(l->sizeHint().height()));
    }
}

void frmZIRVO3801Ansicht::leisteBauen(int nr) {
    QToolBar* l = z_->leisten[nr];
    l->clear();
    auto& leiste = nr == 0 ? m_.tbrToolbar1 : m_.tbrToolbar2;
    for (const auto& b : leiste.Buttons) {
        frmZIRVO3801::Symbolknopf* knopf = b.get();
        if (knopf->Style() == frmZIRVO3801::Symbolknopf::tbrSeparator) {
            l->addSeparator();
            continue;
        }
        auto* q = new QToolButton(l);
        q->setObjectName(QString("%1.%2").arg(l->objectName(), Q(knopf->Key)));
        q->setToolButtonStyle(l->toolButtonStyle());
        if (nr == 0) {
            const std::map<std::string, QStyle::StandardPixmap> bilder = {
                {"New", QStyle::SP_FileIcon},
                {"Open", QStyle::SP_DirOpenIcon},
                {"Save", QStyle::SP_DialogSaveButton},
                {"Print", QStyle::SP_FileDialogDetailedView},
                {"OK", QStyle::SP_DialogApplyButton}};
            if (auto it = bilder.find(knopf->Key); it != bilder.end()) {
                QIcon bild = it->first == "Print" ? QIcon::fromTheme("document-print", style()->standardIcon(it->second))
                                                  : style()->standardIcon(it->second);
                q->setIcon(bild);
            }
        }
        if (nr == 1) q->setIcon(Symbole::Zonenleiste(knopf->Key));
        QAction* platz = l->addWidget(q);
        z_->knöpfe[{nr, knopf->Key}] = q;
        QPointer<QToolButton> zeiger(q);
        beobachten(
            *knopf,
            [this, knopf, zeiger, platz, nr] {
                if (!zeiger) return;
                zeiger->setText(Q(knopf->Caption()));
                zeiger->setToolTip(Q(knopf->ToolTipText()));
                zeiger->setEnabled(knopf->Enabled());
                platz->setVisible(knopf->Visible());
                knopfMenüBauen(nr, zeiger);
            },
            false);
        const std::string key = knopf->Key;
        QObject::connect(q, &QToolButton::clicked, this, [this, nr, key] {
            befehl([this, nr, key] {
                if (nr == 0) m_.tbrToolbar1_ButtonClick(key);
                else m_.tbrToolbar2_ButtonClick(key);
            });
        });
    }
}

// The drop-down menu of a button, from the button's state.
void frmZIRVO3801Ansicht::knopfMenüBauen(int nr, QToolButton* q) {
    auto& leiste = nr == 0 ? m_.tbrToolbar1 : m_.tbrToolbar2;
    frmZIRVO3801::Symbolknopf* knopf = nullptr;
    for (const auto& [schlüssel, w] : z_->knöpfe)
        if (w == q && schlüssel.first == nr) knopf = leiste.Knopf(schlüssel.second);
    if (!knopf) return;
    if (knopf->Style() != frmZIRVO3801::Symbolknopf::tbrDropdown) {
        if (QMenu* alt = q->menu()) {
            q->setMenu(nullptr);
            alt->deleteLater();
        }
        q->setPopupMode(QToolButton::DelayedPopup);
        return;
    }
    QMenu* menü = q->menu();
    if (!menü) {
        menü = new QMenu(q);
        menü->setObjectName(q->objectName() + ".Menu");
        q->setMenu(menü);
        QPointer<QToolButton> zeiger(q);
        QObject::connect(menü, &QMenu::aboutToShow, this, [this, nr, zeiger] {
            if (nr == 1) befehl([this] { m_.tbrToolbar2_ButtonDropDown(); });
            if (zeiger) knopfMenüAbgleichen(nr, zeiger);
        });
    }
    q->setPopupMode(QToolButton::MenuButtonPopup);
    knopfMenüAbgleichen(nr, q);
}

// The menu's entries as the button's entries say: texts, keys, enabled.
void frmZIRVO3801Ansicht::knopfMenüAbgleichen(int nr, QToolButton* q) {
    QMenu* menü = q->menu();
    auto& leiste = nr == 0 ? m_.tbrToolbar1 : m_.tbrToolbar2;
    frmZIRVO3801::Symbolknopf* knopf = nullptr;
    for (const auto& [schlüssel, w] : z_->knöpfe)
        if (w == q && schlüssel.first == nr) knopf = leiste.Knopf(schlüssel.second);
    if (!menü || !knopf) return;
    const auto& einträge = knopf->ButtonMenus();
    if (menü->actions().size() != static_cast<qsizetype>(einträge.size())) {
        menü->clear();
        for (std::size_t i = 0; i < einträge.size(); ++i) {
            QAction* a = menü->addAction(QString());
            QObject::connect(a, &QAction::triggered, this, [this, nr, a, menü] {
                const std::string key = a->data().toString().toStdString();
                const auto index = static_cast<std::int16_t>(menü->actions().indexOf(a) + 1);
                befehl([this, nr, key, index] {
                    if (nr == 0) m_.tbrToolbar1_ButtonMenuClick(key);
                    else m_.tbrToolbar2_ButtonMenuClick(index);
                });
            });
        }
    }
    const auto aktionen = menü->actions();
    for (std::size_t i = 0; i < einträge.size(); ++i) {
        QAction* a = aktionen[static_cast<qsizetype>(i)];
        a->setText(Q(einträge[i]->Caption()));
        a->setData(Q(einträge[i]->Tag()));
        a->setEnabled(einträge[i]->Enabled());
    }
}

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

// --- focus and keys ---

void frmZIRVO3801Ansicht::fokusSetzen(Steuerelement& zustand) {
    for (std::int16_t i = 0; i < 2; ++i) {
        if (&zustand == &m_.picTitel[i]) {
            z_->titel[static_cast<std::size_t>(i)]->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (auto* zelle = dynamic_cast<TextBox*>(&zustand))
        if (QLineEdit* feld = Zelle(*zelle)) feld->setFocus(Qt::OtherFocusReason);
}

bool frmZIRVO3801Ansicht::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (auto it = z_->zellen.find(objekt); it != z_->zellen.end()) {
        auto* feld = static_cast<QLineEdit*>(objekt);
        TextBox& zelle = *it->second;
        if (ereignis->type() == QEvent::KeyPress && !innerhalbTaste_)
            return zellTaste(feld, zelle, static_cast<QKeyEvent*>(ereignis));
        if (ereignis->type() == QEvent::MouseButtonDblClick) befehl([this, &zelle] { m_.Zelle_DblClick(zelle); });
        if (ereignis->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(ereignis)->button() == Qt::MiddleButton) {
            if (QGuiApplication::clipboard()->supportsSelection()) zelleEinfügen(feld, zelle, QClipboard::Selection);
            return true;
        }
        if (ereignis->type() == QEvent::ContextMenu) {
            QMenu* menü = feld->createStandardContextMenu();
            for (QAction* a : menü->actions()) {
                if (a->objectName() != "edit-paste") continue;
                a->disconnect();
                QObject::connect(a, &QAction::triggered, this,
                                 [this, feld, &zelle] { zelleEinfügen(feld, zelle, QClipboard::Clipboard); });
            }
            menü->setAttribute(Qt::WA_DeleteOnClose);
            menü->popup(static_cast<QContextMenuEvent*>(ereignis)->globalPos());
            return true;
        }
        return false;
    }
    if (auto it = z_->boxen.find(objekt); it != z_->boxen.end() && ereignis->type() == QEvent::MouseButtonPress) {
        const std::int16_t t = it->second;
        befehl([this, t] {
            switch (t) {
            case 1: m_.picEBF_Click(); break;
            case 2: m_.picDa_Click(); break;
            case 3: m_.picDu_Click(); break;
            default: m_.picF_Click(); break;
            }
        });
        return false;
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

// A key in a cell, in the order of the events: key down (navigation and
// the column's keys), then the typed character through the column's key
// filter, which may change or swallow it.
// Pasting into a cell (keys, middle button, context menu): the text passes
// the column's key filter like typed characters.
void frmZIRVO3801Ansicht::zelleEinfügen(QLineEdit* feld, TextBox& zelle, QClipboard::Mode art) {
    const QString text = QGuiApplication::clipboard()->text(art);
    const std::string gefiltert = m_.Zelle_Einfügen(zelle, text.toStdString());
    if (!gefiltert.empty()) feld->insert(Q(gefiltert));
    Abgleichen();
}

bool frmZIRVO3801Ansicht::zellTaste(QLineEdit* feld, TextBox& zelle, QKeyEvent* e) {
    if (e->matches(QKeySequence::Paste)) {
        zelleEinfügen(feld, zelle, QClipboard::Clipboard);
        return true;
    }
    EingabeTabelleWidget* tabelle = nullptr;
    for (EingabeTabelleWidget* w : z_->tabellen)
        if (w && w->Zellwidget(zelle) == feld) tabelle = w;
    QPointer<QLineEdit> schutz(feld);
    std::int16_t code = 0, shift = 0;
    if (tabelle && Tastencode::AusQt(*e, code, shift) && tabelle->zelleTaste(zelle, code, shift)) return true;
    if (!schutz) return true;

    const QString text = e->text();
    std::int16_t zeichen = 0;
    if (e->key() == Qt::Key_Backspace) zeichen = 8;
    else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) zeichen = 13;
    else if (text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() != 127 && text[0].unicode() < 0x7FFF)
        zeichen = static_cast<std::int16_t>(text[0].unicode());
    innerhalbTaste_ = true;
    if (zeichen != 0) {
        const std::int16_t getippt = zeichen;
        m_.Zelle_KeyPress(zelle, zeichen);
        if (schutz && zeichen != 0) {
            if (zeichen == getippt) {
                TasteVerarbeiten(feld, e);
            } else {
                QKeyEvent neu(QEvent::KeyPress, e->key(), e->modifiers(), QString(QChar(static_cast<char16_t>(zeichen))));
                TasteVerarbeiten(feld, &neu);
            }
        }
    } else {
        TasteVerarbeiten(feld, e);
    }
    innerhalbTaste_ = false;
    Abgleichen();
    return true;
}

// --- scrolling sideways ---

void frmZIRVO3801Ansicht::querbalkenAbgleichen() {
    const int max = Pixel(m_.PaneVersatzMax());
    const int seite = std::max(1, Pixel(m_.PaneFläche[2]));
    const QSignalBlocker still(querbalken_);
    querbalken_->setRange(0, max);
    querbalken_->setPageStep(seite);
    querbalken_->setSingleStep(std::max(1, seite / 10));
    querbalken_->setValue(Pixel(m_.PaneVersatz));
}

// A cell that gets the focus in a column scrolled out of sight comes into view.
void frmZIRVO3801Ansicht::zelleZeigen(const QLineEdit* feld) {
    if (!feld || !m_.hsbPanes.Visible()) return;
    const int links = feld->mapTo(fläche_, QPoint(0, 0)).x();
    const int rechts = links + feld->width();
    const int paneLinks = Pixel(m_.PaneFläche[0]);
    const int paneRechts = paneLinks + Pixel(m_.PaneFläche[2]);
    int versatz = Pixel(m_.PaneVersatz);
    if (links < paneLinks) versatz -= paneLinks - links + 4;
    else if (rechts > paneRechts) versatz += rechts - paneRechts + 4;
    else return;
    querbalken_->setValue(std::clamp(versatz, 0, querbalken_->maximum()));
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

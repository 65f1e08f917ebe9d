// The main window's four input grids: their columns, the captions and
// totals above them, the cells' events, and scrolling them sideways.
#include "mainwindow/qt/frmZIRVO3801Ansicht.h"

#include "frame/qt/Bindung.h"
#include "frame/qt/EingabeTabelleWidget.h"
#include "mainwindow/frmZIRVO3801.h"
#include "mainwindow/qt/frmZIRVO3801AnsichtTeile.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <array>
#include <vector>

using Bindung::Pixel;
using Bindung::Twips;
using Hauptfensterteile::Q;

namespace {

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

// --- the grids ---

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

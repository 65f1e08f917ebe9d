// The main window's menu bar and its two tool bars: built from the model's
// entries and buttons, their states followed, their clicks handed on.
#include "mainwindow/qt/frmZIRVO3801Ansicht.h"

#include "frame/qt/Bindung.h"
#include "mainwindow/frmZIRVO3801.h"
#include "mainwindow/qt/Symbole.h"
#include "mainwindow/qt/frmZIRVO3801AnsichtTeile.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <map>
#include <string>
#include <utility>

using Bindung::Twips;
using Hauptfensterteile::Q;

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

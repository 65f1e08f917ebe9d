#include "frame/qt/frmOptionenAnsicht.h"

#include "frame/frmOptionen.h"
#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "frame/qt/Fensterlage.h"
#include "frame/qt/frmOrdnerSuchenAnsicht.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }

QPushButton* Knopf(const CommandButton& zustand, const QString& name, QWidget* parent) {
    auto* k = new QPushButton(Q(zustand.Caption()), parent);
    k->setObjectName(name);
    k->setAutoDefault(false);
    return k;
}
} // namespace

frmOptionenAnsicht::frmOptionenAnsicht(frmOptionen& modell, QWidget* parent) : QDialog(parent), modell_(modell) {
    setObjectName("frmOptionen");
    setWindowTitle(Q(modell.Caption));
    if (!modell.Icon.empty() && QFile::exists(Q(modell.Icon))) setWindowIcon(QIcon(Q(modell.Icon)));
    QtBildschirmschrift::Anwenden(this, modell);

    auto* layout = new QVBoxLayout(this);
    tabOptionen = new QTabWidget(this);
    tabOptionen->setObjectName("tabOptionen");
    layout->addWidget(tabOptionen);

    // The page of the tab "O": the two folder frames.
    auto* picOrdner = new QWidget(tabOptionen);
    picOrdner->setObjectName("picOrdner");
    auto* seite = new QVBoxLayout(picOrdner);

    auto rahmen = [&](const Label& titel, Steuerelementfeld<OptionButton>& opt, TextBox& txt, int knopf,
                      QRadioButton* (&optW)[2], QLineEdit*& txtW) {
        auto* fra = new QGroupBox(Q(titel.Caption()), picOrdner);
        fra->setObjectName(Q(titel.Name));
        auto* v = new QVBoxLayout(fra);
        optW[0] = new QRadioButton(fra);
        v->addWidget(optW[0]);
        auto* zeile = new QHBoxLayout;
        optW[1] = new QRadioButton(fra);
        txtW = new QLineEdit(fra);
        txtW->setMinimumWidth(320);
        cmdDurchsuchen[knopf] = Knopf(modell.cmdDurchsuchen[knopf], QString("cmdDurchsuchen(%1)").arg(knopf), fra);
        zeile->addWidget(optW[1]);
        zeile->addWidget(txtW, 1);
        zeile->addWidget(cmdDurchsuchen[knopf]);
        v->addLayout(zeile);
        seite->addWidget(fra);
        Bindung::binden(opt[0], optW[0]);
        Bindung::binden(opt[1], optW[1]);
        Bindung::binden(txt, txtW);
    };
    rahmen(modell.fraProj, modell.optProj, modell.txtOrdnerProj, 1, optProj, txtOrdnerProj);
    rahmen(modell.fraDB, modell.optDB, modell.txtOrdnerDB, 0, optDB, txtOrdnerDB);
    seite->addStretch(1);

    for (const auto& karte : modell.tabOptionen) {
        // Only the folders tab has a page.
        if (karte.Key == "O") tabOptionen->addTab(picOrdner, Q(karte.Caption));
    }
    tabOptionen->setCurrentIndex(modell.tabOptionenAuswahl);
    connect(tabOptionen, &QTabWidget::currentChanged, this, [this](int i) {
        modell_.tabOptionenAuswahl = i;
        modell_.tabOptionen_Click();
    });

    auto* knöpfe = new QHBoxLayout;
    knöpfe->addStretch(1);
    cmdOK = Knopf(modell.cmdOK, "cmdOK", this);
    cmdOK->setDefault(true);
    cmdAbbrechen = Knopf(modell.cmdAbbrechen, "cmdAbbrechen", this);
    knöpfe->addWidget(cmdOK);
    knöpfe->addWidget(cmdAbbrechen);
    layout->addLayout(knöpfe);

    for (int i = 0; i < 2; ++i)
        connect(cmdDurchsuchen[i], &QPushButton::clicked, this, [this, i] { modell_.cmdDurchsuchen_Click(i); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { modell_.cmdOK_Click(); });
    connect(cmdAbbrechen, &QPushButton::clicked, this, [this] { modell_.cmdAbbrechen_Click(); });
    modell_.BeimEntladen = [this] { done(modell_.Ergebnis ? QDialog::Accepted : QDialog::Rejected); };
}

frmOptionenAnsicht::~frmOptionenAnsicht() { modell_.BeimEntladen = nullptr; }

void frmOptionenAnsicht::reject() {
    // Escape and the window's close button: as Abbrechen.
    if (!modell_.Entladen)
        modell_.cmdAbbrechen_Click();
    else
        QDialog::reject();
}

void frmOptionenAnsicht::Einrichten() {
    frmOptionen::Anzeigen = [](frmOptionen& modell) {
        frmOptionenAnsicht ansicht(modell, Fensterlage::Eigentümer());
        ansicht.exec();
        QCoreApplication::processEvents();
    };
    frmOrdnerSuchenAnsicht::Einrichten();
}

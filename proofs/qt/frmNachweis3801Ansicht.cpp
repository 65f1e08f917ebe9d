#include "proofs/qt/frmNachweis3801Ansicht.h"

#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "frame/qt/ListViewBindung.h"
#include "proofs/frmNachweis3801.h"

#include <QPushButton>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace Dialoghilfe;

frmNachweis3801Ansicht::frmNachweis3801Ansicht(frmNachweis3801& modell, QWidget* eigentümer)
    : QDialog(eigentümer), m_(modell) {
    setObjectName("frmNachweis3801");
    m_.Form_Load();
    setWindowTitle(Q(m_.Caption));
    QtBildschirmschrift::Anwenden(this, m_);

    auto* reiter = new QTabBar(this);
    reiter->setDrawBase(false);
    reiter->setExpanding(false);
    Bindung::binden(m_.tabNachweis, reiter);
    liste_ = new QTreeWidget(this);
    Bindung::binden(m_.lvwZonen, liste_);
    auto* schliessen = beobachtet_.Knopf(m_.cmdSchliessen, this);
    schliessen->setMinimumWidth(Bindung::Pixel(1275));
    connect(schliessen, &QPushButton::clicked, this, [this] { accept(); });

    auto* außen = new QVBoxLayout(this);
    außen->setSpacing(0);
    außen->addWidget(reiter);
    außen->addWidget(liste_, 1);
    außen->addSpacing(Bindung::Pixel(105));
    außen->addLayout(Knopfzeile({schliessen}));
    // The design size, wider where the columns (widened to their captions
    // in the screen font) need it, so that "erfüllt" is never cut.
    const QMargins rand = außen->contentsMargins();
    resize(std::max(Bindung::Pixel(9675), Bindung::Listenbreite(liste_) + rand.left() + rand.right()),
           Bindung::Pixel(5265));
}

frmNachweis3801Ansicht::~frmNachweis3801Ansicht() = default;

void frmNachweis3801Ansicht::Einrichten() { ModalZeigen<frmNachweis3801Ansicht>(frmNachweis3801::Anzeigen); }

// "Schliessen", Esc and the close box unload the model.
void frmNachweis3801Ansicht::done(int ergebnis) {
    m_.cmdSchliessen_Click();
    QDialog::done(ergebnis);
}

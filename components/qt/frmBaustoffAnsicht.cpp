#include "components/qt/frmBaustoffAnsicht.h"

#include "components/frmBaustoff.h"
#include "components/qt/Fensterhilfe.h"
#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "mainwindow/frmZIRVO3801.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Dialoghilfe;

frmBaustoffAnsicht::frmBaustoffAnsicht(frmBaustoff& modell, QWidget* eigentümer) : QDialog(eigentümer), m_(modell) {
    setObjectName("frmBaustoff");
    setWindowTitle(Q(m_.Caption));
    QtBildschirmschrift::Anwenden(this, m_);

    auto* leiste = new QMenuBar(this);
    auto* bearbeiten = leiste->addMenu(Q(m_.mnuBearbeiten.Caption()));
    bearbeiten->setObjectName("mnuBearbeiten");
    Fensterhilfe::Aktion(m_.mnuBearbeitenNeu, bearbeiten, beobachtet_, [this] { m_.mnuBearbeitenNeu_Click(); });
    Fensterhilfe::Aktion(m_.mnuBearbeitenSpeichern, bearbeiten, beobachtet_,
                         [this] { m_.mnuBearbeitenSpeichern_Click(); });
    bearbeiten->addSeparator();
    Fensterhilfe::Aktion(m_.mnuBearbeitenLöschen, bearbeiten, beobachtet_, [this] { m_.mnuBearbeitenLöschen_Click(); });
    bearbeiten->addSeparator();
    Fensterhilfe::Aktion(m_.mnuBearbeitenDrucken, bearbeiten, beobachtet_, [this] { m_.mnuBearbeitenDrucken_Click(); });
    bearbeiten->addSeparator();
    Fensterhilfe::Aktion(m_.mnuBearbeitenSchliessen, bearbeiten, beobachtet_,
                         [this] { m_.mnuBearbeitenSchliessen_Click(); });

    // --- the list ---
    auto* liste = new QComboBox(this);
    liste->setObjectName("cboBaustoff");
    liste->setMinimumWidth(320);
    liste->setMaxVisibleItems(25);
    Bindung::binden(m_.cboBaustoff, liste);
    connect(liste, &QComboBox::activated, this, [this] { m_.cboBaustoff_Click(); });
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(Text("Baustoff", this));
    kopf->addWidget(liste, 1);

    // --- the fields: caption, name, box, unit or hint ---
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(8);
    int z = 0;
    auto feld = [&](TextBox& zustand, const char* titel, const char* name, int breite, const char* einheit,
                    const char* hinweis) {
        g->addWidget(Text(titel, this), z, 0);
        if (*name) g->addWidget(Text(name, this), z, 1);
        auto* w = Feld(zustand, this, breite, false);
        w->setObjectName(Q(zustand.Name));
        fokus_.eintragen(zustand, w);
        g->addWidget(w, z, 2, 1, breite > 0 ? 1 : 3);
        if (*einheit) g->addWidget(Text(einheit, this), z, 3);
        if (*hinweis) g->addWidget(Text(hinweis, this), z, 4);
        ++z;
        return w;
    };
    feld(m_.txtBez, "Bezeichnung", "", 0, "", "");
    feld(m_.txtKBez, "Kurzbez.", "", 80, "", "");
    feld(m_.txtKat, "Kategorie", "", 40, "(B,W,S,...)", "Allg. Baustoff, Wärmedämmstoff usw.");
    g->addWidget(Fensterhilfe::Trennlinie(this), z++, 0, 1, 5);
    feld(m_.txtRho, "Rho", "Rohdichte", 80, "[kg/m3]", "");
    feld(m_.txtDicke, "Dicke", "Dicke der Baustoffschicht in cm", 80, "[cm]", "");
    feld(m_.txtLambda, "Lambda", "Wärmeleitfähigkeit", 80, "[W/mK]", "");
    feld(m_.txtR, "R", "Wärmedurchlasswiderstand", 80, "[m2 K/W]", "");
    g->addWidget(Fensterhilfe::Trennlinie(this), z++, 0, 1, 5);
    QLineEdit* ue = feld(m_.txtUe, "Überwachung", "(0/1/2)", 40, "", "");
    ue->setMaxLength(1);
    auto* legende = new QVBoxLayout;
    legende->setSpacing(0);
    for (const char* t : {"0 = nicht überwacht", "1 = überwacht", "2 = spezifiziertes Produkt"})
        legende->addWidget(Text(t, this));
    g->addLayout(legende, z - 1, 3, 1, 2);
    g->setColumnStretch(4, 1);

    auto* neu = beobachtet_.Knopf(m_.cmdNeu, this);
    auto* speichern = beobachtet_.Knopf(m_.cmdSpeichern, this);
    auto* löschen = beobachtet_.Knopf(m_.cmdLöschen, this);
    auto* schliessen = beobachtet_.Knopf(m_.cmdSchliessen, this);
    connect(neu, &QPushButton::clicked, this, [this] { m_.cmdNeu_Click(); });
    connect(speichern, &QPushButton::clicked, this, [this] { m_.cmdSpeichern_Click(); });
    connect(löschen, &QPushButton::clicked, this, [this] { m_.cmdLöschen_Click(); });
    connect(schliessen, &QPushButton::clicked, this, [this] { m_.cmdSchliessen_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(leiste);
    layout->addLayout(kopf);
    layout->addWidget(Fensterhilfe::Trennlinie(this, true));
    layout->addLayout(g);
    layout->addStretch();
    layout->addWidget(Fensterhilfe::Trennlinie(this));
    layout->addLayout(Knopfzeile({neu, speichern, löschen, schliessen}));

    m_.Schliessen = [this] {
        geschlossen_ = true;
        QDialog::done(QDialog::Rejected);
    };
    m_.FokusSetzen = [this](Steuerelement& s) { fokus_.setzen(s, this); };
}

frmBaustoffAnsicht::~frmBaustoffAnsicht() {
    m_.Schliessen = nullptr;
    m_.FokusSetzen = nullptr;
}

void frmBaustoffAnsicht::Einrichten() {
    GeladenModalZeigen<frmBaustoffAnsicht>(frmBaustoff::Anzeigen);
    Global::frmZIRVO3801.BaustoffeAnzeigen = [] { frmBaustoff::Aufruf(); };
}

void frmBaustoffAnsicht::reject() {
    // Escape and the close box close as "Schliessen" does.
    if (!geschlossen_) m_.cmdSchliessen_Click();
    if (!geschlossen_) QDialog::reject();
}

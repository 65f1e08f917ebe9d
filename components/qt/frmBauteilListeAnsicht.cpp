#include "components/qt/frmBauteilListeAnsicht.h"

#include "components/frmBauteilListe.h"
#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "frame/qt/Fensterlage.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QStyle>

#include <algorithm>
#include <cmath>

using namespace Dialoghilfe;

namespace {

// A piece of the details text as Qt shows it: UTF-8 to QString, line ends as "\n".
QString Stück(const std::string& text, std::size_t von, std::size_t bis) {
    QString s = QString::fromUtf8(text.data() + von, static_cast<qsizetype>(bis - von));
    s.remove('\r');
    return s;
}

// The tab stops were set for the small dialog font of the classic desktop
// (about 5 pixels a character); a wider font widens the columns with it.
QList<QTextOption::Tab> Tabs(const std::vector<std::int32_t>& twips, double mass) {
    QList<QTextOption::Tab> tabs;
    for (std::int32_t t : twips) tabs.append(QTextOption::Tab(Bindung::Pixel(t) * mass, QTextOption::LeftTab));
    return tabs;
}

} // namespace

frmBauteilListeAnsicht::frmBauteilListeAnsicht(frmBauteilListe& modell, QWidget* eigentümer)
    : QDialog(eigentümer), m_(modell) {
    setObjectName("frmBauteilListe");
    setWindowTitle(Q(m_.Caption));
    QtBildschirmschrift::Anwenden(this, m_);

    // --- the source ---
    auto* projekt = new QGroupBox(Q(m_.fraProjekt.Caption()), this);
    projekt->setObjectName("fraProjekt");
    auto* aktuell = new QRadioButton(projekt);
    aktuell->setObjectName("optProjAktuell(0)");
    Bindung::binden(m_.optProjAktuell[0], aktuell);
    auto* liste = new QRadioButton(projekt);
    liste->setObjectName("optProjAktuell(1)");
    Bindung::binden(m_.optProjAktuell[1], liste);
    connect(aktuell, &QRadioButton::clicked, this, [this] { m_.optProjAktuell_Click(0); });
    connect(liste, &QRadioButton::clicked, this, [this] { m_.optProjAktuell_Click(1); });
    auto* projekte = new QListWidget(projekt);
    projekte->setObjectName("lstProjekte");
    Bindung::binden(m_.lstProjekte, projekte);
    connect(projekte, &QListWidget::itemClicked, this, [this] { m_.lstProjekte_Click(); });
    auto* hinzufügen = beobachtet_.Knopf(m_.cmdProjHinzufügen, projekt);
    auto* entfernen = beobachtet_.Knopf(m_.cmdProjEntfernen, projekt);
    connect(hinzufügen, &QPushButton::clicked, this, [this] { m_.cmdProjHinzufügen_Click(); });
    connect(entfernen, &QPushButton::clicked, this, [this] { m_.cmdProjEntfernen_Click(); });
    auto* pg = new QGridLayout(projekt);
    pg->addWidget(aktuell, 0, 0, 1, 2);
    pg->addWidget(liste, 1, 0, Qt::AlignTop);
    pg->addWidget(projekte, 1, 1);
    auto* pk = new QHBoxLayout;
    pk->addStretch();
    pk->addWidget(hinzufügen);
    pk->addWidget(entfernen);
    pg->addLayout(pk, 2, 1);

    // --- the items and their details ---
    auto* bauteil = new QGroupBox(this);
    bauteil->setObjectName("fraBauteil");
    beobachtet_.RahmenFolgen(m_.fraBauteil, bauteil, true);
    auto* elemente = new QListWidget(bauteil);
    elemente->setObjectName("lstBauteile");
    elemente->setMinimumWidth(220);
    Bindung::binden(m_.lstBauteile, elemente);
    connect(elemente, &QListWidget::currentRowChanged, this, [this](int) { m_.lstBauteile_Click(); });
    connect(elemente, &QListWidget::itemDoubleClicked, this, [this] { m_.lstBauteile_DblClick(); });
    details_ = new QTextEdit(bauteil);
    details_->setObjectName("rtbT");
    details_->setReadOnly(true);
    details_->setLineWrapMode(QTextEdit::NoWrap);
    // As wide as the layer table: its last tab stop, widened like the
    // stops (see Tabs), and the monitoring code after it, so the R and
    // "Üb." columns are in view at the window's first size.
    {
        const QFontMetricsF fm(details_->font());
        const double mass = std::max(1.0, fm.averageCharWidth() / 5.0);
        std::int32_t letzter = 0;
        for (std::int32_t t : frmBauteilListe::BauteilTabstopps) letzter = std::max(letzter, t);
        const double text = Bindung::Pixel(letzter) * mass + fm.horizontalAdvance(QString("  ") + T("Üb.") + "  ");
        const double rand = 2 * details_->document()->documentMargin() + 2 * details_->frameWidth() +
                            details_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, details_) + 4;
        details_->setMinimumWidth(std::max(480, static_cast<int>(std::ceil(text + rand))));
    }
    beobachtet_.hinzufügen(m_.rtbT, m_.rtbT.beobachten([this](const Steuerelement&) { DetailsZeigen(); }));
    auto* bh = new QHBoxLayout(bauteil);
    bh->addWidget(elemente);
    bh->addWidget(details_, 1);

    auto* auswahl = beobachtet_.Knopf(m_.cmdAuswahl, this);
    auto* abbrechen = beobachtet_.Knopf(m_.cmdAbbrechen, this);
    auswahl->setAutoDefault(true);
    auswahl->setDefault(true);
    connect(auswahl, &QPushButton::clicked, this, [this] { m_.cmdAuswahl_Click(); });
    connect(abbrechen, &QPushButton::clicked, this, [this] { m_.cmdAbbrechen_Click(); });

    auto* layout = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    oben->addWidget(projekt);
    oben->addWidget(bauteil, 1);
    layout->addLayout(oben, 1);
    layout->addLayout(Knopfzeile({auswahl, abbrechen}));
    resize(std::max(1000, sizeHint().width()), 420);
    if (m_.PositionGemerkt) move(Bindung::Pixel(m_.Left), Bindung::Pixel(m_.Top));

    m_.Schliessen = [this] {
        geschlossen_ = true;
        m_.Left = Bindung::Twips(x());
        m_.Top = Bindung::Twips(y());
        QDialog::done(QDialog::Accepted);
    };
    DetailsZeigen();
}

frmBauteilListeAnsicht::~frmBauteilListeAnsicht() { m_.Schliessen = nullptr; }

void frmBauteilListeAnsicht::Einrichten() {
    GeladenModalZeigen<frmBauteilListeAnsicht>(frmBauteilListe::Anzeigen);
}

void frmBauteilListeAnsicht::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    if (m_.PositionGemerkt) {
        move(Bindung::Pixel(m_.Left), Bindung::Pixel(m_.Top));
        // Where it was closed, as far as the screen still shows it.
        Fensterlage::Einpassen(this);
    }
}

void frmBauteilListeAnsicht::reject() {
    // Escape and the close box cancel.
    if (!geschlossen_) m_.cmdAbbrechen_Click();
    if (!geschlossen_) QDialog::reject();
}

// The details: headings in their colour, the head block with its own first
// tab stop, the rest with the columns' stops.
void frmBauteilListeAnsicht::DetailsZeigen() {
    const std::string& text = m_.rtbT.Text();
    details_->clear();
    QTextCursor c(details_->document());
    QTextCharFormat normal;
    QTextCharFormat titel;
    const Farbe f = frmBauteilListe::Überschriftfarbe;
    titel.setForeground(QColor(static_cast<int>(f & 0xFF), static_cast<int>((f >> 8) & 0xFF),
                               static_cast<int>((f >> 16) & 0xFF)));
    std::size_t pos = 0;
    for (const auto& a : m_.Überschriften) {
        if (a.Anfang < pos || a.Anfang + a.Länge > text.size()) continue;
        c.insertText(Stück(text, pos, a.Anfang), normal);
        c.insertText(Stück(text, a.Anfang, a.Anfang + a.Länge), titel);
        pos = a.Anfang + a.Länge;
    }
    c.insertText(Stück(text, pos, text.size()), normal);

    const int kopfEnde = static_cast<int>(Stück(text, 0, std::min(m_.KopfEnde, text.size())).size());
    const double mass = std::max(1.0, QFontMetricsF(details_->font()).averageCharWidth() / 5.0);
    for (QTextBlock b = details_->document()->begin(); b.isValid(); b = b.next()) {
        QTextCursor bc(b);
        QTextBlockFormat bf = b.blockFormat();
        const bool kopf = m_.KopfTabstopp > 0 && b.position() < kopfEnde;
        bf.setTabPositions(Tabs(kopf ? std::vector<std::int32_t>{m_.KopfTabstopp} : m_.Tabstopps, mass));
        bc.setBlockFormat(bf);
    }
}

#include "balance/qt/frmWaermeleistungsbedarfAnsicht.h"

#include "balance/frmWaermeleistungsbedarf.h"
#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "frame/qt/Dialoghilfe.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace Dialoghilfe;

namespace {

// The multi-line result box and its state: the model's lines end in CR LF,
// the box's in LF. What the user changes goes back to the state.
int ResultatFolgen(TextBox& zustand, QPlainTextEdit* box) {
    auto setzen = [box](const Steuerelement& s) {
        const auto& t = static_cast<const TextBox&>(s);
        QString text = Q(t.Text());
        text.replace("\r\n", "\n");
        if (box->toPlainText() != text) box->setPlainText(text);
        if (box->isReadOnly() != t.Locked()) box->setReadOnly(t.Locked());
        box->setEnabled(t.Enabled());
        if (box->isHidden() == t.Visible()) box->setVisible(t.Visible());
    };
    setzen(zustand);
    QObject::connect(box, &QPlainTextEdit::textChanged, box, [&zustand, box] {
        QString text = box->toPlainText();
        text.replace("\n", "\r\n");
        // Only a change of the user differs from the state here.
        if (text.toStdString() != zustand.Text()) zustand.setText(text.toStdString());
    });
    return zustand.beobachten(setzen);
}

} // namespace

frmWärmeleistungsbedarfAnsicht::frmWärmeleistungsbedarfAnsicht(frmWärmeleistungsbedarf& modell, QWidget* eigentümer)
    : QDialog(eigentümer), m_(modell) {
    setObjectName("frmWärmeleistungsbedarf");
    m_.Form_Load();
    setWindowTitle(Q(m_.Caption));
    QtBildschirmschrift::Anwenden(this, m_);

    auto* eingaben = new QGridLayout;
    eingaben->setHorizontalSpacing(8);
    auto* lblAlT = new QLabel(this);
    auto* lblAlV = new QLabel(this);
    Bindung::binden(m_.lblAlT, lblAlT);
    Bindung::binden(m_.lblAlV, lblAlV);
    txtAlT_ = new QLineEdit(this);
    txtAlV_ = new QLineEdit(this);
    for (QLineEdit* box : {txtAlT_, txtAlV_}) {
        box->setFixedWidth(70);
        box->setAlignment(Qt::AlignRight);
        box->installEventFilter(this);
    }
    Bindung::binden(m_.txtAlT, txtAlT_);
    Bindung::binden(m_.txtAlV, txtAlV_);
    eingaben->addWidget(lblAlT, 0, 0);
    eingaben->addWidget(txtAlT_, 0, 1);
    eingaben->addWidget(new QLabel(T("[°C]"), this), 0, 2);
    eingaben->addWidget(lblAlV, 1, 0);
    eingaben->addWidget(txtAlV_, 1, 1);
    eingaben->addWidget(new QLabel(T("[m³/(h·m²)]"), this), 1, 2);
    eingaben->setColumnStretch(0, 1);

    auto* cmdBerechnen = beobachtet_.Knopf(m_.cmdBerechnen, this);
    connect(cmdBerechnen, &QPushButton::clicked, this, [this] { m_.cmdBerechnen_Click(); });

    auto* txtResultat = new QPlainTextEdit(this);
    txtResultat->setObjectName("txtResultat");
    txtResultat->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtResultat->setMinimumSize(440, 150);
    // The values after the TAB of a line stand in one column.
    txtResultat->setTabStopDistance(QFontMetrics(txtResultat->font()).horizontalAdvance(QStringLiteral("Projekt: ")) +
                                    10);
    beobachtet_.hinzufügen(m_.txtResultat, ResultatFolgen(m_.txtResultat, txtResultat));

    auto* lblHinweis = new QLabel(this);
    lblHinweis->setWordWrap(true);
    Bindung::binden(m_.lblHinweis, lblHinweis);

    auto* außen = new QVBoxLayout(this);
    außen->addLayout(eingaben);
    außen->addLayout(Knopfzeile({cmdBerechnen}));
    außen->addWidget(txtResultat, 1);
    außen->addWidget(lblHinweis);
}

frmWärmeleistungsbedarfAnsicht::~frmWärmeleistungsbedarfAnsicht() {
    for (QLineEdit* box : {txtAlT_, txtAlV_}) box->removeEventFilter(this);
}

void frmWärmeleistungsbedarfAnsicht::Einrichten() {
    ModalZeigen<frmWärmeleistungsbedarfAnsicht>(frmWärmeleistungsbedarf::Anzeigen);
}

// Entering a box selects what the model names; once more after the event,
// since a mouse click places the cursor after the focus has come.
void frmWärmeleistungsbedarfAnsicht::auswählen(QLineEdit* box) {
    auto anwenden = [this, box] {
        const auto a = box == txtAlT_ ? m_.txtAlT_GotFocus() : m_.txtAlV_GotFocus();
        box->setSelection(a.Start, a.Länge);
    };
    anwenden();
    QTimer::singleShot(0, box, [box = QPointer<QLineEdit>(box), anwenden] {
        if (box && box->hasFocus()) anwenden();
    });
}

bool frmWärmeleistungsbedarfAnsicht::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::FocusIn && (objekt == txtAlT_ || objekt == txtAlV_) &&
        VomBenutzer(static_cast<QFocusEvent*>(ereignis)))
        auswählen(static_cast<QLineEdit*>(objekt));
    return QDialog::eventFilter(objekt, ereignis);
}

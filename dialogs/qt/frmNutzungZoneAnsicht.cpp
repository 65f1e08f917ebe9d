#include "dialogs/qt/frmNutzungZoneAnsicht.h"

#include "dialogs/frmNutzungZone.h"
#include "frame/qt/Bindung.h"
#include "frame/qt/Dialoghilfe.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdint>

using namespace Dialoghilfe;

frmNutzungZoneAnsicht::frmNutzungZoneAnsicht(frmNutzungZone& modell, QWidget* parent)
    : QDialog(parent), m_(modell) {
    setWindowTitle(Q(m_.Caption));
    setObjectName("frmNutzungZone");

    auto* lblBez = new QLabel(T("Bezeichnung"), this);
    txtBez_ = new QLineEdit(this);
    auto* lblCode = new QLabel(this);
    txtCode_ = new QLineEdit(this);
    auto* cmdOK = new QPushButton(this);
    auto* cmdAbbrechen = new QPushButton(this);
    cmdOK->setObjectName("cmdOK");
    cmdAbbrechen->setObjectName("cmdAbbrechen");
    cmdOK->setDefault(true);
    lblBez->setBuddy(txtBez_);
    lblCode->setBuddy(txtCode_);
    txtBez_->setMinimumWidth(260);
    txtCode_->setMaximumWidth(60);

    auto* raster = new QGridLayout;
    raster->addWidget(lblBez, 0, 0);
    raster->addWidget(txtBez_, 0, 1);
    raster->addWidget(lblCode, 1, 0);
    raster->addWidget(txtCode_, 1, 1, Qt::AlignLeft);
    auto* außen = new QVBoxLayout(this);
    außen->addLayout(raster);
    außen->addSpacing(8);
    außen->addLayout(Knopfzeile({cmdOK, cmdAbbrechen}));
    setFixedSize(sizeHint());

    Bindung::binden(m_.txtBez, txtBez_);
    Bindung::binden(m_.lblCode, lblCode);
    Bindung::binden(m_.txtCode, txtCode_);
    beobachtet_.KnopfFolgen(m_.cmdOK, cmdOK);
    beobachtet_.KnopfFolgen(m_.cmdAbbrechen, cmdAbbrechen);

    txtCode_->installEventFilter(this);
    connect(cmdOK, &QPushButton::clicked, this, [this] { m_.cmdOK_Click(); });
    connect(cmdAbbrechen, &QPushButton::clicked, this, [this] { m_.cmdAbbrechen_Click(); });
    m_.BeimEntladen = [this] { done(QDialog::Accepted); };
}

frmNutzungZoneAnsicht::~frmNutzungZoneAnsicht() {
    txtCode_->removeEventFilter(this);
    m_.BeimEntladen = nullptr;
}

void frmNutzungZoneAnsicht::Einrichten() { GeladenModalZeigen<frmNutzungZoneAnsicht>(frmNutzungZone::Anzeigen); }

bool frmNutzungZoneAnsicht::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == txtCode_ && ereignis->type() == QEvent::KeyPress) {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        const QString text = taste->text();
        if (text.size() == 1 && !(taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            const char16_t zeichen = text.at(0).unicode();
            if (zeichen >= 32 && zeichen < 0x8000) {
                auto code = static_cast<std::int16_t>(zeichen);
                m_.txtCode_KeyPress(code);
                if (code == 0) return true;
                if (code != static_cast<std::int16_t>(zeichen)) {
                    // The changed character is typed instead (within the box's length).
                    txtCode_->insert(QString(QChar(static_cast<char16_t>(code))));
                    return true;
                }
            }
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void frmNutzungZoneAnsicht::reject() {
    if (m_.Geladen())
        m_.cmdAbbrechen_Click();
    else
        QDialog::reject();
}

void frmNutzungZoneAnsicht::closeEvent(QCloseEvent* ereignis) {
    if (m_.Geladen())
        m_.Unload();
    else
        QDialog::reject();
    ereignis->accept();
}

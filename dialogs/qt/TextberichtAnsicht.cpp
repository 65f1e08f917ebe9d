#include "dialogs/qt/TextberichtAnsicht.h"

#include "dialogs/Textbericht.h"
#include "dialogs/frmBauteilVerluste.h"
#include "dialogs/frmFlaechen.h"
#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Bindung.h"
#include "frame/qt/Dialoghilfe.h"
#include "frame/qt/Fensterlage.h"
#include "frame/qt/RichTextAnsicht.h"

#include <QApplication>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <cstdint>

using Bindung::Pixel;
using Bindung::Twips;

TextberichtAnsicht::TextberichtAnsicht(Textbericht& modell, const char* name, QSize grösse, QWidget* eigentümer)
    : QDialog(eigentümer), m_(modell) {
    setObjectName(name);
    setWindowTitle(Dialoghilfe::Q(m_.Caption));
    setSizeGripEnabled(true);
    QtBildschirmschrift::Anwenden(this, m_);
    rtbT_ = new QTextBrowser(this);
    rtbT_->setObjectName("rtbT");
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(rtbT_);
    RichTextAnsicht::binden(m_.rtbT, rtbT_);
    if (m_.PositionGemerkt()) {
        move(Pixel(m_.Left), Pixel(m_.Top));
        resize(Pixel(m_.Width), Pixel(m_.Height));
    } else {
        resize(grösse);
    }
    lageMelden();
    m_.Schliessen = [this] { QDialog::done(QDialog::Rejected); };
}

TextberichtAnsicht::~TextberichtAnsicht() { m_.Schliessen = nullptr; }

void TextberichtAnsicht::Einrichten() {
    frmFlächen::Anzeigen = [](frmFlächen& modell) {
        TextberichtAnsicht ansicht(modell, "frmFlächen", QSize(560, 520), Fensterlage::Eigentümer());
        ansicht.exec();
    };
    frmBauteilVerluste::Anzeigen = [](frmBauteilVerluste& modell) {
        TextberichtAnsicht ansicht(modell, "frmBauteilVerluste", QSize(820, 520), Fensterlage::Eigentümer());
        ansicht.exec();
    };
}

// Esc and the close box: the model closes the window.
void TextberichtAnsicht::reject() {
    std::int16_t taste = 27;
    m_.Form_KeyPress(taste);
    if (isVisible()) QDialog::done(QDialog::Rejected);
}

void TextberichtAnsicht::lageMelden() {
    m_.Left = Twips(pos().x());
    m_.Top = Twips(pos().y());
    m_.Width = Twips(width());
    m_.Height = Twips(height());
}

void TextberichtAnsicht::moveEvent(QMoveEvent* ereignis) {
    QDialog::moveEvent(ereignis);
    lageMelden();
}

void TextberichtAnsicht::resizeEvent(QResizeEvent* ereignis) {
    QDialog::resizeEvent(ereignis);
    lageMelden();
}

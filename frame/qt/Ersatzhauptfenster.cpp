#include "frame/qt/Ersatzhauptfenster.h"

#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
} // namespace

Ersatzhauptfenster::Ersatzhauptfenster(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmZIRVO3801");
    auto* mitte = new QWidget(this);
    auto* layout = new QVBoxLayout(mitte);
    lblNeuereVersionVorhanden = new QLabel(mitte);
    lblNeuereVersionVorhanden->setObjectName("lblNeuereVersionVorhanden");
    lblNeuereVersionVorhanden->setWordWrap(true);
    lblNeuereVersionVorhanden->setTextFormat(Qt::PlainText);
    lblNeuereVersionVorhanden->setVisible(false);
    layout->addWidget(lblNeuereVersionVorhanden);
    lblHinweis = new QLabel(mitte);
    lblHinweis->setObjectName("lblHinweis");
    layout->addWidget(lblHinweis);
    lblProjekt = new QLabel(mitte);
    lblProjekt->setObjectName("lblProjekt");
    lblProjekt->setTextFormat(Qt::PlainText);
    lblProjekt->setVisible(false);
    layout->addWidget(lblProjekt);
    layout->addStretch(1);
    setCentralWidget(mitte);
    resize(640, 400);
}

void Ersatzhauptfenster::Form_Load() {
    setWindowTitle(Q(basZIRVO3801::ProgrammTitelPräfix));
    lblHinweis->setText(Q(DS("Das Hauptfenster ist in diesem Stand noch nicht gebaut.")));
}

void Ersatzhauptfenster::Zeigen() { show(); }

void Ersatzhauptfenster::NeuereVersionAnzeigen(const std::string& text) {
    lblNeuereVersionVorhanden->setText(Q(text));
    lblNeuereVersionVorhanden->setVisible(true);
}

void Ersatzhauptfenster::ProjektEinlesenBeimProgrammstart(const std::string& datei) {
    lblProjekt->setText(Q(DSFormat("Projektdatei von der Befehlszeile: @", datei) + "\n" +
                          DS("Projekte können in diesem Stand noch nicht geöffnet werden.")));
    lblProjekt->setVisible(true);
}

void Ersatzhauptfenster::closeEvent(QCloseEvent* ereignis) {
    basZIRVO3801::ProgrammBeenden();
    ereignis->accept();
}

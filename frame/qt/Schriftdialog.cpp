#include "frame/qt/Schriftdialog.h"

#include "frame/basZIRVODialogSprache.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QString Grössentext(double x) { return QString::number(x, 'g', 4); }

} // namespace

Schriftdialog::Schriftdialog(const QFont& start, const Plattform::Schrift& bereich, QWidget* eigentümer)
    : QDialog(eigentümer), bereich_(bereich), gelesen_(start.pointSizeF()) {
    setObjectName("dlgSchrift");
    setWindowTitle(Q(DS("Schrift")));
    familie_ = new QFontComboBox(this);
    familie_->setObjectName("cboSchrift");
    familie_->setWritingSystem(QFontDatabase::Latin);
    familie_->setEditable(false);
    grösse_ = new QComboBox(this);
    grösse_->setObjectName("cboGrösse");
    grösse_->setEditable(true);
    grösse_->setInsertPolicy(QComboBox::NoInsert);
    // Whole and half points of the caller's range, else the usual sizes;
    // any other size can be typed.
    if (bereich.GrösseBis > 0)
        for (double g = bereich.GrösseVon; g <= bereich.GrösseBis + 1e-9; g += 0.5) grösse_->addItem(::Grössentext(g));
    else
        for (int g : QFontDatabase::standardSizes()) grösse_->addItem(QString::number(g));
    grösse_->lineEdit()->setValidator(
        new QRegularExpressionValidator(QRegularExpression(R"(\d{0,3}([.,]\d{0,2})?)"), grösse_));
    muster_ = new QLabel("AaBbYyZz 0123456789", this);
    muster_->setMinimumSize(320, 60);
    muster_->setAlignment(Qt::AlignCenter);
    muster_->setFrameShape(QFrame::StyledPanel);

    auto* form = new QFormLayout;
    form->addRow(Q(DS("Schrift")), familie_);
    form->addRow(Q(DS("Schriftgrösse")), grösse_);
    auto* knöpfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knöpfe->button(QDialogButtonBox::Cancel)->setText(Q(DS("Abbrechen")));
    auto* außen = new QVBoxLayout(this);
    außen->addLayout(form);
    außen->addWidget(muster_);
    außen->addWidget(knöpfe);
    connect(knöpfe, &QDialogButtonBox::accepted, this, &Schriftdialog::accept);
    connect(knöpfe, &QDialogButtonBox::rejected, this, &Schriftdialog::reject);
    connect(familie_, &QFontComboBox::currentFontChanged, this, [this] { MusterZeigen(); });
    connect(grösse_, &QComboBox::currentTextChanged, this, [this] { MusterZeigen(); });
    setCurrentFont(start);
}

QFont Schriftdialog::currentFont() const {
    QFont f = familie_->currentFont();
    if (gelesen_ > 0) f.setPointSizeF(gelesen_);
    return f;
}

void Schriftdialog::setCurrentFont(const QFont& f) {
    familie_->setCurrentFont(f);
    if (f.pointSizeF() > 0) {
        gelesen_ = f.pointSizeF();
        GrössentextSetzen(::Grössentext(gelesen_));
    }
    MusterZeigen();
}

QString Schriftdialog::Grössentext() const { return grösse_->currentText(); }

void Schriftdialog::GrössentextSetzen(const QString& text) { grösse_->setEditText(text); }

void Schriftdialog::MusterZeigen() {
    std::string fehler;
    QFont f = familie_->currentFont();
    if (const auto g = Plattform::SchriftgrösseLesen(grösse_->currentText().toStdString(), bereich_, fehler))
        f.setPointSizeF(*g);
    muster_->setFont(f);
}

void Schriftdialog::accept() {
    std::string fehler;
    const auto g = Plattform::SchriftgrösseLesen(grösse_->currentText().toStdString(), bereich_, fehler);
    if (!g) {
        Plattform::meldungen().Zeigen(fehler, windowTitle().toStdString(), Plattform::Symbol::Warnung,
                                      Plattform::Knöpfe::OK);
        grösse_->setFocus();
        return;
    }
    gelesen_ = *g;
    QDialog::accept();
}

#include "frame/qt/Schriftdialog.h"

#include "frame/basZIRVODialogSprache.h"
#include "frame/qt/Schriftzeichen.h"

#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
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
    : QDialog(eigentümer), bereich_(bereich), familien_(QtSchriftzeichen::Familien(bereich.Zeichen)),
      gelesen_(start.pointSizeF()) {
    setObjectName("dlgSchrift");
    setWindowTitle(Q(DS("Schrift")));
    familie_ = new QComboBox(this);
    familie_->setObjectName("cboSchrift");
    familie_->setEditable(true);
    familie_->setInsertPolicy(QComboBox::NoInsert);
    familie_->addItems(familien_);
    // Completion offers the families a typed name begins, in a list to
    // choose from; it never writes a longer name into the field.
    auto* vervollständigung = new QCompleter(familien_, familie_);
    vervollständigung->setCaseSensitivity(Qt::CaseInsensitive);
    vervollständigung->setCompletionMode(QCompleter::PopupCompletion);
    familie_->setCompleter(vervollständigung);
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
    muster_ = new QLabel("AaBbYyZz ÄÖÜäöü 0123456789", this);
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
    connect(familie_, &QComboBox::currentTextChanged, this, [this] { MusterZeigen(); });
    connect(grösse_, &QComboBox::currentTextChanged, this, [this] { MusterZeigen(); });
    setCurrentFont(start);
}

QString Schriftdialog::Familie() const {
    const QString text = familie_->currentText().trimmed();
    if (familien_.contains(text, Qt::CaseSensitive)) return text;
    for (const QString& f : familien_)
        if (f.compare(text, Qt::CaseInsensitive) == 0) return f;
    return {};
}

QFont Schriftdialog::currentFont() const {
    QFont f(Familie().isEmpty() ? familie_->currentText().trimmed() : Familie());
    if (gelesen_ > 0) f.setPointSizeF(gelesen_);
    return f;
}

void Schriftdialog::setCurrentFont(const QFont& f) {
    // The family as the list names it (a face found under a foundry's name
    // is that family).
    const QString name = QtSchriftzeichen::OhneGiesserei(QFontInfo(f).family());
    const int i = familie_->findText(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (i >= 0) familie_->setCurrentIndex(i);
    familie_->setEditText(i >= 0 ? familie_->itemText(i) : name);
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
    QFont f(Familie().isEmpty() ? font().family() : Familie());
    if (const auto g = Plattform::SchriftgrösseLesen(grösse_->currentText().toStdString(), bereich_, fehler))
        f.setPointSizeF(*g);
    muster_->setFont(f);
}

char32_t Schriftdialog::Fehlendes(const QString& name) const {
    for (const QString& f : QFontDatabase::families())
        if (QtSchriftzeichen::OhneGiesserei(f).compare(name, Qt::CaseInsensitive) == 0)
            return QtSchriftzeichen::Fehlendes(QtSchriftzeichen::OhneGiesserei(f), bereich_.Zeichen);
    return 0;
}

void Schriftdialog::accept() {
    const auto warnen = [this](const std::string& text, QWidget* feld) {
        Plattform::meldungen().Zeigen(text, windowTitle().toStdString(), Plattform::Symbol::Warnung,
                                      Plattform::Knöpfe::OK);
        feld->setFocus();
    };
    if (Familie().isEmpty()) {
        const QString getippt = familie_->currentText().trimmed();
        if (const char32_t z = Fehlendes(getippt)) {
            warnen(DSFormat2("Die Schrift @ hat kein eigenes Zeichen für «@»: die Ausdrucke würden damit in fremden "
                             "Zeichen gedruckt.",
                             getippt.toStdString(), QString::fromUcs4(&z, 1).toStdString()) +
                       " " + DS("Bitte wählen Sie eine andere Schrift."),
                   familie_);
            return;
        }
        warnen(DSFormat("Die Schrift «@» steht nicht in der Liste: die Liste zeigt die Schriften, die alle Zeichen "
                        "der Ausdrucke mit eigenen Zeichen drucken.",
                        getippt.toStdString()),
               familie_);
        return;
    }
    std::string fehler;
    const auto g = Plattform::SchriftgrösseLesen(grösse_->currentText().toStdString(), bereich_, fehler);
    if (!g) {
        warnen(fehler, grösse_);
        return;
    }
    gelesen_ = *g;
    QDialog::accept();
}

#include "frame/qt/QtDruckflaeche.h"

#include "frame/basZIRVODialogSprache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QColor Farbe(Plattform::Druckfarbe f) {
    return QColor(static_cast<int>(f & 0xFF), static_cast<int>((f >> 8) & 0xFF), static_cast<int>((f >> 16) & 0xFF));
}

} // namespace

QtDruckfläche::QtDruckfläche() {
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setPageOrientation(QPageLayout::Portrait);
    printer_.setFullPage(true);
    printer_.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer_.setCreator("ZIRVO 380/1");
}

std::unique_ptr<QtDruckfläche> QtDruckfläche::System(const QString& name, QString& fehler) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        fehler = QString::fromStdString(DS("Der Drucker ist nicht installiert."));
        return nullptr;
    }
    std::unique_ptr<QtDruckfläche> f(new QtDruckfläche);
    f->printer_.setPrinterName(name);
    f->printer_.setOutputFormat(QPrinter::NativeFormat);
    if (!f->printer_.isValid()) {
        fehler = QString::fromStdString(DS("Der Drucker kann nicht drucken."));
        return nullptr;
    }
    f->printer_.setPageSize(QPageSize(QPageSize::A4));
    f->printer_.setFullPage(true);
    f->angaben_ = {name.toStdString(), info.makeAndModel().toStdString(), info.location().toStdString()};
    return f;
}

std::unique_ptr<QtDruckfläche> QtDruckfläche::Pdf(const QString& ziel, QString& fehler) {
    const QFileInfo zielInfo(ziel);
    if (zielInfo.isDir()) {
        fehler = ziel + ": " + QString::fromStdString(DS("ist ein Ordner"));
        return nullptr;
    }
    // The document is written beside the target, so that the final rename
    // stays on one file system and replaces the old file in one step.
    QTemporaryFile temporär(zielInfo.absolutePath() + "/." + zielInfo.fileName() + ".XXXXXX");
    temporär.setAutoRemove(false);
    if (!temporär.open()) {
        fehler = zielInfo.absolutePath() + ": " + temporär.errorString();
        return nullptr;
    }
    std::unique_ptr<QtDruckfläche> f(new QtDruckfläche);
    f->temporär_ = temporär.fileName();
    temporär.close();
    f->ziel_ = zielInfo.absoluteFilePath();
    f->printer_.setOutputFormat(QPrinter::PdfFormat);
    f->printer_.setOutputFileName(f->temporär_);
    f->printer_.setDocName(zielInfo.completeBaseName());
    f->angaben_ = {Plattform::PdfDrucker, "Qt PDF", f->ziel_.toStdString()};
    return f;
}

QtDruckfläche::~QtDruckfläche() {
    // A document let go unfinished (a printout that broke off) is not
    // sent to a system printer where the printer lets it be withdrawn.
    if (maler_.isActive() && !beendet_ && ziel_.isEmpty()) printer_.abort();
    if (maler_.isActive()) maler_.end();
    if (!temporär_.isEmpty() && QFile::exists(temporär_)) QFile::remove(temporär_);
}

void QtDruckfläche::Querformat(bool quer) {
    if (begonnen_) return; // the first page is under way
    printer_.setPageOrientation(quer ? QPageLayout::Landscape : QPageLayout::Portrait);
}

double QtDruckfläche::PapierBreite() const {
    return printer_.pageLayout().fullRect(QPageLayout::Millimeter).width() / 10;
}

double QtDruckfläche::PapierHöhe() const {
    return printer_.pageLayout().fullRect(QPageLayout::Millimeter).height() / 10;
}

int QtDruckfläche::DuplexModus() const {
    const auto d = printer_.duplex();
    return d == QPrinter::DuplexLongSide || d == QPrinter::DuplexAuto ? 2 : d == QPrinter::DuplexShortSide ? 3 : 1;
}

void QtDruckfläche::DuplexModusSetzen(int modus) {
    if (modus == 1) printer_.setDuplex(QPrinter::DuplexNone);
    else if (modus == 2) printer_.setDuplex(QPrinter::DuplexLongSide);
}

void QtDruckfläche::Massstab(double x1, double y1, double x2, double y2) {
    if (x2 == x1 || y2 == y1) return;
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
}

double QtDruckfläche::PunkteJeCm() const { return printer_.resolution() / 2.54; }

QPointF QtDruckfläche::Punkt(double x, double y) const {
    const double p = PunkteJeCm();
    return {(x - x1_) * PapierBreite() * p / (x2_ - x1_), (y - y1_) * PapierHöhe() * p / (y2_ - y1_)};
}

void QtDruckfläche::Schrift(const Plattform::Druckschrift& schrift) {
    schrift_ = QFont(Q(schrift.Name));
    if (schrift.Grösse > 0) schrift_.setPointSizeF(schrift.Grösse);
    schrift_.setBold(schrift.Fett);
    schrift_.setStyleStrategy(QFont::PreferOutline);
}

std::string QtDruckfläche::GefundeneSchrift() const { return QFontInfo(schrift_).family().toStdString(); }

double QtDruckfläche::Textbreite(std::string_view text) const {
    QFontMetricsF m(schrift_, const_cast<QPrinter*>(&printer_));
    return m.horizontalAdvance(Q(text)) / PunkteJeCm();
}

double QtDruckfläche::Zeilenhöhe() const {
    QFontMetricsF m(schrift_, const_cast<QPrinter*>(&printer_));
    return m.height() / PunkteJeCm();
}

bool QtDruckfläche::Malen() {
    if (fehler_ || beendet_) return false;
    if (!begonnen_) {
        begonnen_ = true;
        if (!maler_.begin(&printer_)) {
            fehler_ = true;
            return false;
        }
    }
    return true;
}

void QtDruckfläche::Text(double x, double y, std::string_view text) {
    if (text.empty() || !Malen()) return;
    maler_.setFont(schrift_);
    maler_.setPen(Qt::black);
    QFontMetricsF m(schrift_, &printer_);
    const QPointF p = Punkt(x, y);
    maler_.drawText(QPointF(p.x(), p.y() + m.ascent()), Q(text));
}

QPen QtDruckfläche::Stift(double breite, Plattform::Druckfarbe farbe) const {
    // Line widths are 1/600 inch whatever the device.
    QPen stift(Farbe(farbe), breite * printer_.resolution() / 600.0);
    stift.setCapStyle(Qt::SquareCap);
    stift.setJoinStyle(Qt::MiterJoin);
    return stift;
}

void QtDruckfläche::Linie(double x1, double y1, double x2, double y2, double breite, Plattform::Druckfarbe farbe) {
    if (!Malen()) return;
    maler_.setPen(Stift(breite, farbe));
    maler_.drawLine(Punkt(x1, y1), Punkt(x2, y2));
}

void QtDruckfläche::Rechteck(double x1, double y1, double x2, double y2, double breite,
                             Plattform::Druckfarbe farbe) {
    if (!Malen()) return;
    maler_.setPen(Stift(breite, farbe));
    maler_.setBrush(Qt::NoBrush);
    maler_.drawRect(QRectF(Punkt(x1, y1), Punkt(x2, y2)));
}

void QtDruckfläche::Fläche(double x1, double y1, double x2, double y2, Plattform::Druckfarbe farbe) {
    if (!Malen()) return;
    maler_.fillRect(QRectF(Punkt(x1, y1), Punkt(x2, y2)), Farbe(farbe));
}

void QtDruckfläche::NeueSeite() {
    if (!Malen()) return;
    if (!printer_.newPage()) fehler_ = true;
    ++seite_;
}

bool QtDruckfläche::Beenden(std::string& fehler) {
    if (beendet_) return true;
    beendet_ = true;
    if (!begonnen_) return true; // nothing was drawn: no document
    const bool gemalt = maler_.isActive() && maler_.end();
    if (fehler_ || !gemalt || printer_.printerState() == QPrinter::Error) {
        fehler = ziel_.isEmpty() ? DS("Der Drucker hat den Auftrag nicht angenommen.")
                                 : DS("Die PDF-Datei konnte nicht geschrieben werden:") + " " + ziel_.toStdString();
        return false;
    }
    if (ziel_.isEmpty()) return true;
    // Readable like any other document of the user, then in place.
    QFile::setPermissions(temporär_, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (QFileInfo(temporär_).size() == 0 ||
        std::rename(QFile::encodeName(temporär_).constData(), QFile::encodeName(ziel_).constData()) != 0) {
        fehler = DS("Die PDF-Datei konnte nicht geschrieben werden:") + " " + ziel_.toStdString();
        return false;
    }
    temporär_.clear();
    return true;
}

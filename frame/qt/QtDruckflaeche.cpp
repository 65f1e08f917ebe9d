#include "frame/qt/QtDruckflaeche.h"

#include "frame/Dateien.h"
#include "frame/Plattform.h"
#include "frame/Systemfehler.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/qt/Druckschriften.h"
#include "frame/qt/Schriftzeichen.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QColor Farbe(Plattform::Druckfarbe f) {
    return QColor(static_cast<int>(f & 0xFF), static_cast<int>((f >> 8) & 0xFF), static_cast<int>((f >> 16) & 0xFF));
}

// The largest PDF file a printout writes (a proof of many zones runs to a
// few megabytes; a copy of a larger one beside a target is none of ours).
constexpr std::size_t PdfGrenze = Dateien::Standardgrenze;

std::string PdfFehler(const QString& ziel, const std::string& grund) {
    return DS("Die PDF-Datei konnte nicht geschrieben werden:") + " " + ziel.toStdString() +
           (grund.empty() ? "" : "\r\n" + grund);
}

// Whether a file can be made in the folder of ziel: one is made there and
// removed again. The reason when not.
bool OrdnerBeschreibbar(const QFileInfo& ziel, std::string& grund) {
    const std::string probe =
        Dateien::TemporärSchreiben(Dateien::Temporärmuster(QFile::encodeName(ziel.absoluteFilePath()).toStdString()),
                                   "", 0600, &grund);
    if (probe.empty()) return false;
    ::unlink(probe.c_str());
    return true;
}

// What a PDF printout that was killed while it wrote its file left beside
// the target: "." + a name ending in ".pdf" + the temporary files' ending +
// mkstemp's six letters, a plain file that its writer no longer holds (a
// printout under way in another copy of the program holds its own).
// Removed at the next printout to that folder.
void PdfResteEntfernen(const QString& ordner) {
    const std::size_t rest = Dateien::Tempendung.size() + 6;
    Dateien::ResteEntfernen(
        QFile::encodeName(ordner).toStdString(),
        [rest](std::string_view name) {
            if (name.size() < 1 + 5 + rest) return false;
            const std::string_view ziel = name.substr(1, name.size() - 1 - rest);
            return QString::fromUtf8(ziel.substr(ziel.size() - 4).data(), 4).compare(".pdf", Qt::CaseInsensitive) == 0 &&
                   Dateien::IstSchreibrest(name, ziel);
        },
        Dateien::Restealter);
}

// Why the CUPS queue takes no jobs now, with the reason its administrator
// gave; "" while it takes them (or when CUPS does not know the queue: the
// job then says what is wrong).
std::string CupsAblehnung(const QString& drucker) {
    // "queue/instance" names an instance of the queue.
    const QByteArray warteschlange = drucker.section('/', 0, 0).toLocal8Bit();
    const QByteArray instanz = drucker.section('/', 1).toLocal8Bit();
    cups_dest_t* ziel =
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, warteschlange.constData(), instanz.isEmpty() ? nullptr : instanz.constData());
    if (!ziel) return {};
    std::string grund;
    const char* annehmend = cupsGetOption("printer-is-accepting-jobs", ziel->num_options, ziel->options);
    if (annehmend && std::strcmp(annehmend, "false") == 0) {
        grund = DS("Der Drucker nimmt zurzeit keine Aufträge an.");
        // The administrator's reason (cupsreject -r) is the queue's state message.
        if (const char* uri = cupsGetOption("printer-uri-supported", ziel->num_options, ziel->options)) {
            ipp_t* anfrage = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
            ippAddString(anfrage, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
            ippAddString(anfrage, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                         "printer-state-message");
            if (ipp_t* antwort = cupsDoRequest(CUPS_HTTP_DEFAULT, anfrage, "/")) {
                ipp_attribute_t* meldung = ippFindAttribute(antwort, "printer-state-message", IPP_TAG_TEXT);
                const char* text = meldung ? ippGetString(meldung, 0, nullptr) : nullptr;
                if (text && *text) grund += std::string("\r\n") + text;
                ippDelete(antwort);
            }
        }
    }
    cupsFreeDests(1, ziel);
    return grund;
}

// A PDF that Qt's engine wrote whole ends with its trailer.
bool PdfVollständig(const QByteArray& pdf) {
    if (!pdf.startsWith("%PDF-")) return false;
    const QByteArray schluss = pdf.right(64).trimmed();
    return schluss.endsWith("%%EOF") && schluss.contains("startxref");
}

} // namespace

QtDruckfläche::QtDruckfläche() = default;

void QtDruckfläche::SeiteEinrichten() {
    // A4 upright, the whole sheet addressed from its corner.
    gerät_->setPageSize(QPageSize(QPageSize::A4));
    gerät_->setPageOrientation(QPageLayout::Portrait);
    if (printer_) printer_->setFullPage(true);
    gerät_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

QFont QtDruckfläche::Druckfont(const Plattform::Druckschrift& schrift) {
    const QString name = Q(schrift.Name);
    QFont f(QtDruckschriften::SatzFamilie(name, schrift.Zeichensatz));
    // Without shaping, Latin and Greek text is drawn character by character:
    // no ligature glyph takes the place of "ff", "fi" or "fl", so the PDF's
    // text reads as it was written.
    int strategie = QFont::PreferOutline | QFont::PreferNoShaping;
    // The print face: what it lacks comes from the carried faces first. The
    // Greek and the symbol set: the carried face alone, which has every
    // character of its set.
    if (schrift.Zeichensatz == Plattform::ZeichensatzNormal) f.setFamilies(QtDruckschriften::Familien(name));
    else strategie |= QFont::NoFontMerging;
    if (schrift.Grösse > 0) f.setPointSizeF(schrift.Grösse);
    f.setBold(schrift.Fett);
    f.setStyleStrategy(QFont::StyleStrategy(strategie));
    return f;
}

std::unique_ptr<QtDruckfläche> QtDruckfläche::System(const QString& name, QString& fehler) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        fehler = QString::fromStdString(DS("Der Drucker ist nicht installiert."));
        return nullptr;
    }
    std::unique_ptr<QtDruckfläche> f(new QtDruckfläche);
    f->printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter& p = *f->printer_;
    p.setPrinterName(name);
    p.setOutputFormat(QPrinter::NativeFormat);
    if (!p.isValid()) {
        fehler = QString::fromStdString(DS("Der Drucker kann nicht drucken."));
        return nullptr;
    }
    f->gerät_ = &p;
    f->SeiteEinrichten();
    p.setCreator("ZIRVO 380/1");
    f->angaben_ = {name.toStdString(), info.makeAndModel().toStdString(), info.location().toStdString()};
    f->schrift_ = Druckfont({"Arial", 9, false});
    // A queue that refuses jobs would take this one without a word and
    // drop it. Asked last: the answer leaves CUPS's last error clear, so
    // that what Beenden reads is the answer to the job itself.
    const std::string abgelehnt = CupsAblehnung(name);
    if (!abgelehnt.empty()) {
        fehler = QString::fromStdString(abgelehnt);
        return nullptr;
    }
    return f;
}

std::unique_ptr<QtDruckfläche> QtDruckfläche::Pdf(const QString& ziel, QString& fehler) {
    const QFileInfo zielInfo(ziel);
    // Only a regular file is written over (never a folder, a device or a
    // FIFO, also behind a link): known now, before the user waits for the
    // printout.
    if (const std::string art = Dateien::Artfehler(QFile::encodeName(ziel).toStdString()); !art.empty()) {
        fehler = QString::fromStdString(PdfFehler(ziel, art));
        return nullptr;
    }
    // What a cut-off write of the PDF left beside it goes back now; a file
    // under the copy's name that is none is named and left alone.
    std::string grund;
    Dateien::Nebenkopie kopie{PdfGrenze, {}};
    if (!Dateien::KopieNachsehen(QFile::encodeName(ziel).toStdString(), kopie, &grund)) {
        fehler = QString::fromStdString(PdfFehler(zielInfo.absoluteFilePath(), grund));
        return nullptr;
    }
    if (!kopie.Hinweis.empty())
        Plattform::meldungen().Zeigen(DS("Datei") + ":  " + zielInfo.absoluteFilePath().toStdString() + "\r\n\r\n" +
                                          kopie.Hinweis,
                                      basZIRVO3801::ProgrammTitel, Plattform::Symbol::Warnung, Plattform::Knöpfe::OK);
    // The file is written at the end; that its folder takes a file is
    // known now, before the user waits for the printout.
    if (!OrdnerBeschreibbar(zielInfo, grund)) {
        fehler = QString::fromStdString(PdfFehler(zielInfo.absoluteFilePath(), grund));
        return nullptr;
    }
    PdfResteEntfernen(zielInfo.absolutePath());
    // Its own, also where its name is too long to be read back from theirs.
    Dateien::SchreibresteEntfernen(QFile::encodeName(zielInfo.absoluteFilePath()).toStdString(), Dateien::Restealter);
    std::unique_ptr<QtDruckfläche> f = Messung();
    f->ziel_ = zielInfo.absoluteFilePath();
    f->pdf_->setTitle(zielInfo.completeBaseName());
    f->angaben_.Anschluss = f->ziel_.toStdString();
    return f;
}

std::unique_ptr<QtDruckfläche> QtDruckfläche::Messung() {
    std::unique_ptr<QtDruckfläche> f(new QtDruckfläche);
    f->puffer_.open(QIODevice::WriteOnly);
    f->pdf_ = std::make_unique<QPdfWriter>(&f->puffer_);
    QPdfWriter& w = *f->pdf_;
    w.setResolution(1200);
    w.setCreator("ZIRVO 380/1");
    f->gerät_ = &w;
    f->SeiteEinrichten();
    f->angaben_ = {Plattform::PdfDrucker, "Qt PDF", ""};
    f->schrift_ = Druckfont({"Arial", 9, false});
    return f;
}

QtDruckfläche::~QtDruckfläche() {
    // A document let go unfinished (a printout that broke off) is not
    // sent to a system printer where the printer lets it be withdrawn; an
    // unfinished PDF was never more than memory.
    if (maler_.isActive() && !beendet_ && printer_) printer_->abort();
    if (maler_.isActive()) maler_.end();
}

void QtDruckfläche::Dokumentname(const std::string& name) {
    if (begonnen_ || name.empty()) return;
    if (printer_) printer_->setDocName(Q(name));
    else pdf_->setTitle(Q(name));
}

void QtDruckfläche::Querformat(bool quer) {
    if (begonnen_) return; // the first page is under way
    gerät_->setPageOrientation(quer ? QPageLayout::Landscape : QPageLayout::Portrait);
}

double QtDruckfläche::PapierBreite() const {
    return gerät_->pageLayout().fullRect(QPageLayout::Millimeter).width() / 10;
}

double QtDruckfläche::PapierHöhe() const {
    return gerät_->pageLayout().fullRect(QPageLayout::Millimeter).height() / 10;
}

int QtDruckfläche::DuplexModus() const {
    // A PDF has no printer to turn the sheet; it takes the mode asked for,
    // so a document meant for both sides gets its mirrored margins.
    if (!printer_) return pdfDuplex_;
    const auto d = printer_->duplex();
    return d == QPrinter::DuplexLongSide || d == QPrinter::DuplexAuto ? 2 : d == QPrinter::DuplexShortSide ? 3 : 1;
}

void QtDruckfläche::DuplexModusSetzen(int modus) {
    if (modus != 1 && modus != 2) return;
    if (!printer_) {
        pdfDuplex_ = modus;
        return;
    }
    printer_->setDuplex(modus == 1 ? QPrinter::DuplexNone : QPrinter::DuplexLongSide);
}

void QtDruckfläche::Massstab(double x1, double y1, double x2, double y2) {
    if (x2 == x1 || y2 == y1) return;
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
}

double QtDruckfläche::Auflösung() const { return printer_ ? printer_->resolution() : pdf_->resolution(); }

double QtDruckfläche::PunkteJeCm() const { return Auflösung() / 2.54; }

QPointF QtDruckfläche::Punkt(double x, double y) const {
    const double p = PunkteJeCm();
    return {(x - x1_) * PapierBreite() * p / (x2_ - x1_), (y - y1_) * PapierHöhe() * p / (y2_ - y1_)};
}

void QtDruckfläche::Schrift(const Plattform::Druckschrift& schrift) { schrift_ = Druckfont(schrift); }

std::string QtDruckfläche::GefundeneSchrift() const { return QFontInfo(schrift_).family().toStdString(); }

double QtDruckfläche::Textbreite(std::string_view text) const {
    QFontMetricsF m(schrift_, gerät_);
    return m.horizontalAdvance(Q(text)) / PunkteJeCm();
}

char32_t QtDruckfläche::FehlendesZeichen(std::u32string_view zeichen) const {
    return QtSchriftzeichen::Fehlendes(schrift_, zeichen);
}

double QtDruckfläche::Zeilenhöhe() const {
    QFontMetricsF m(schrift_, gerät_);
    return m.height() / PunkteJeCm();
}

bool QtDruckfläche::Malen() {
    if (fehler_ || beendet_) return false;
    if (!begonnen_) {
        begonnen_ = true;
        if (!maler_.begin(gerät_)) {
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
    QFontMetricsF m(schrift_, gerät_);
    const QPointF p = Punkt(x, y);
    maler_.drawText(QPointF(p.x(), p.y() + m.ascent()), Q(text));
}

QPen QtDruckfläche::Stift(double breite, Plattform::Druckfarbe farbe) const {
    // Line widths are 1/600 inch whatever the device.
    QPen stift(Farbe(farbe), breite * Auflösung() / 600.0);
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
    if (!gerät_->newPage()) fehler_ = true;
    ++seite_;
    ++blätter_;
}

void QtDruckfläche::NeuesExemplar() {
    // A copy of which nothing was drawn yet begins on the first page.
    if (!begonnen_) {
        seite_ = 1;
        return;
    }
    if (!Malen()) return;
    if (!gerät_->newPage()) fehler_ = true;
    ++blätter_;
    // Printed on both sides, every copy begins on a front page: the back of
    // the last sheet of the copy before stays empty.
    if (DuplexModus() == 2 && blätter_ % 2 == 0) {
        if (!gerät_->newPage()) fehler_ = true;
        ++blätter_;
    }
    seite_ = 1;
}

bool QtDruckfläche::Beenden(std::string& fehler) {
    if (beendet_) return true;
    beendet_ = true;
    if (!begonnen_) return true; // nothing was drawn: no document
    const bool gemalt = maler_.isActive() && maler_.end();
    if (printer_) {
        if (fehler_ || !gemalt || printer_->printerState() == QPrinter::Error) {
            fehler = DS("Der Drucker hat den Auftrag nicht angenommen.");
            return false;
        }
        // Qt's engine handed the document to CUPS as the painter ended and
        // kept no answer: CUPS's last error is that answer (a queue that
        // began to refuse jobs, a printer removed meanwhile, ...).
        if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
            fehler = DS("Der Drucker hat den Auftrag nicht angenommen.");
            if (const char* grund = cupsLastErrorString(); grund && *grund) fehler += std::string("\r\n") + grund;
            return false;
        }
        return true;
    }
    const QByteArray& pdf = puffer_.data();
    if (fehler_ || !gemalt || !PdfVollständig(pdf)) {
        fehler = PdfFehler(ziel_, DS("Das Dokument ist unvollständig."));
        return false;
    }
    // Whole on disk before it takes the name of the old file; else the old
    // file stays and the reason is told.
    std::string grund;
    Dateien::Nebenkopie kopie{PdfGrenze, {}};
    if (!Dateien::SicherSchreiben(QFile::encodeName(ziel_).toStdString(),
                                  std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())), &grund,
                                  &kopie)) {
        fehler = PdfFehler(ziel_, grund);
        return false;
    }
    return true;
}

#include "frame/qt/QtStart.h"

#include "frame/Eigenordner.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOVersion.h"
#include "frame/qt/Bildschirmschrift.h"
#include "frame/qt/Druckschriften.h"
#include "frame/qt/frmOptionenAnsicht.h"
#include "frame/qt/frmZIRVO3801StartAnsicht.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QLockFile>
#include <QThread>
#include <QTimer>
#include <QTranslator>

#include <chrono>

#include <unistd.h>

#ifndef ZIRVO_VERSION_URL
#define ZIRVO_VERSION_URL ""
#endif

namespace QtStart {

std::string VersionsordnerAusEinstellung(const std::string& url) {
    const std::string datei = "/" + basZIRVOVersion::Versionsdatei;
    if (url.size() >= datei.size() && url.compare(url.size() - datei.size(), datei.size(), datei) == 0)
        return url.substr(0, url.size() - datei.size());
    return url;
}

void Einrichten() {
    QtDeutsch();
    Programmsymbol();
    // The desktop finds the program's entry, and so its icon, by this name.
    QGuiApplication::setDesktopFileName("zirvo3801");
    QtBildschirmschrift::DesktopSchriftÜbernehmen();
    basZIRVOVersion::VersionsOrdnerUrl = VersionsordnerAusEinstellung(ZIRVO_VERSION_URL);
    frmOptionenAnsicht::Einrichten();
}

bool Programmsymbol() {
    QIcon symbol(QString::fromStdString(basZIRVO3801::ProgrammIcon));
    if (symbol.isNull() || symbol.pixmap(32, 32).isNull()) return false;
    QApplication::setWindowIcon(symbol);
    return true;
}

bool QtDeutsch() {
    // Loaded once for the whole run; the application keeps a pointer to it.
    static QTranslator übersetzung;
    static bool geladen = false;
    if (!geladen) {
        geladen = übersetzung.load(QLocale(QLocale::German, QLocale::Switzerland), "qtbase", "_",
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (geladen) QCoreApplication::installTranslator(&übersetzung);
    }
    return geladen;
}

// ---- Einzelstart ---------------------------------------------------------

QString Laufzeitordner() {
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty()) return xdg;
    const uint uid = ::getuid();
    const QString system = QString("/run/user/%1").arg(uid);
    QFileInfo s(system);
    if (s.isDir() && s.ownerId() == uid && s.isWritable()) return system;
    return QFile::decodeName(
        Eigenordner::Ausweichordner(QFile::encodeName(QDir::tempPath()).toStdString(), Eigenordner::Cacheordner())
            .c_str());
}

void LaufzeitordnerSetzen() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
    const QString ordner = Laufzeitordner();
    // Only a folder of the user's own: Qt refuses a shared one.
    if (!ordner.isEmpty()) qputenv("XDG_RUNTIME_DIR", QFile::encodeName(ordner));
}

Einzelstart::Einzelstart(const QString& ordner) {
    const QString o = ordner.isEmpty() ? Laufzeitordner() : ordner;
    if (!o.isEmpty()) pfad_ = QDir(o).filePath("ZIRVO3801.lock");
}

Einzelstart::~Einzelstart() = default;

bool Einzelstart::WeitereKopieLäuft() {
    // Without a folder of the user's own there is no guard.
    if (sperre_ || pfad_.isEmpty()) return false;
    auto sperre = std::make_unique<QLockFile>(pfad_);
    // The lock stays valid however long the program runs; a lock left by a
    // copy that ended abnormally is taken over.
    sperre->setStaleLockTime(0);
    if (sperre->tryLock(0)) {
        sperre_ = std::move(sperre);
        return false;
    }
    return sperre->error() == QLockFile::LockFailedError;
}

// ---- Versionsprüfung -----------------------------------------------------

Versionsprüfung::Versionsprüfung(std::function<void(const std::string&)> melden) : melden_(std::move(melden)) {
    // The check reads through the platform's HTTP service; it gets one that
    // lives exactly as long as the check can run.
    vorher_ = Plattform::Aktuell().http;
    Plattform::Aktuell().http = &http_;
    faden_.reset(QThread::create([this] {
        try {
            text_ = basZIRVOVersion::NeuereVersionPrüfen();
        } catch (...) {
            text_.clear();
        }
    }));
    connect(faden_.get(), &QThread::finished, this, [this] {
        if (melden_) melden_(text_);
    }, Qt::QueuedConnection);
    faden_->start();
}

Versionsprüfung::~Versionsprüfung() {
    if (faden_) {
        // Ends the wait for the server: the read fails and the thread ends.
        faden_->quit();
        faden_->wait();
    }
    if (Plattform::Aktuell().http == &http_) Plattform::Aktuell().http = vorher_;
}

bool Versionsprüfung::Läuft() const { return faden_ && faden_->isRunning(); }

// ---- Startumgebung -------------------------------------------------------

Startumgebung::Startumgebung(Programmstart::Hauptfenster& hauptfenster, Programmstart::NachweisEBFenster& nachweisEB,
                             const QString& sperrordner)
    : hauptfenster_(hauptfenster), nachweisEB_(nachweisEB), einzelstart_(sperrordner) {}

Startumgebung::~Startumgebung() = default;

bool Startumgebung::WeitereKopieLäuft() { return einzelstart_.WeitereKopieLäuft(); }

std::string Startumgebung::Programmname() {
    QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? std::string("ZIRVO3801") : name.toStdString();
}

void Startumgebung::StartfensterZeigen(frmZIRVO3801Start& fenster) {
    startfenster_ = std::make_unique<frmZIRVO3801StartAnsicht>(fenster);
    startfenster_->show();
}

void Startumgebung::StartfensterSchliessen(frmZIRVO3801Start&) {
    startfenster_.reset();
    // The main window is up: the faces of the printouts are registered a
    // moment later, while the program waits for the user. The first
    // registration of a face makes fontconfig read its configuration anew
    // (some 20 ms), which the start itself does not wait for; a print font
    // used before registers them on the spot.
    QTimer::singleShot(std::chrono::milliseconds(500), qApp, [] { QtDruckschriften::Einbinden(); });
}

void Startumgebung::EreignisseVerarbeiten() { QCoreApplication::processEvents(); }

void Startumgebung::NeuereVersionPrüfen(std::function<void(const std::string&)> melden) {
    // Without a version file on a server there is nothing to ask.
    if (basZIRVOVersion::VersionsOrdnerUrl.empty()) return;
    version_ = std::make_unique<Versionsprüfung>(std::move(melden));
}

bool Startumgebung::VersionsprüfungLäuft() const { return version_ && version_->Läuft(); }

} // namespace QtStart

#include "frame/qt/QtPlattform.h"
#include "frame/qt/Schriftdialog.h"
#include "frame/qt/Schriftzeichen.h"

#include "frame/qt/Fensterlage.h"
#include "frame/qt/QtDruckflaeche.h"

#include <QApplication>
#include <QAuthenticator>
#include <QNetworkProxy>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QPrinterInfo>
#include <QStringList>
#include <QTimer>

#include <algorithm>

namespace QtPlattform {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
std::string s(const QString& q) { return q.toStdString(); }
} // namespace

QString FilterNachQt(const std::string& filter) {
    // "Projekt (*.zirvo9)|*.zirvo9|Alle (*.*)|*.*": every second piece is a pattern.
    QStringList teile = q(filter).split('|');
    QStringList aus;
    for (int i = 0; i + 1 < teile.size(); i += 2) {
        QString muster = teile[i + 1];
        muster.replace(';', ' ');
        aus << teile[i].section('(', 0, 0).trimmed() + " (" + muster + ")";
    }
    return aus.join(";;");
}

int TitelBreite(const QString& titel) {
    // The window manager draws the title in a font of its own, mostly bold
    // and a little larger than the dialog's; beside it stand the window's
    // icon and its buttons.
    QFont schrift = QApplication::font("QMdiSubWindowTitleBar");
    schrift.setBold(true);
    const int text = QFontMetrics(schrift).horizontalAdvance(titel);
    return text + text / 8 + TitelleisteRand;
}

std::unique_ptr<QMessageBox> Meldungsfenster(const std::string& text, const std::string& titel,
                                             Plattform::Symbol symbol, Plattform::Knöpfe knöpfe,
                                             Plattform::Antwort vorgabe, QWidget* eltern) {
    using Plattform::Antwort;
    auto box = std::make_unique<QMessageBox>(eltern);
    box->setWindowTitle(q(titel));
    box->setText(q(text));
    switch (symbol) {
    case Plattform::Symbol::Fehler: box->setIcon(QMessageBox::Critical); break;
    case Plattform::Symbol::Frage: box->setIcon(QMessageBox::Question); break;
    case Plattform::Symbol::Warnung: box->setIcon(QMessageBox::Warning); break;
    case Plattform::Symbol::Information: box->setIcon(QMessageBox::Information); break;
    default: box->setIcon(QMessageBox::NoIcon); break;
    }
    switch (knöpfe) {
    case Plattform::Knöpfe::OK: box->setStandardButtons(QMessageBox::Ok); break;
    case Plattform::Knöpfe::OKAbbrechen: box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Plattform::Knöpfe::JaNeinAbbrechen:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Plattform::Knöpfe::JaNein: box->setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
    switch (vorgabe) {
    case Antwort::Ja: box->setDefaultButton(QMessageBox::Yes); break;
    case Antwort::Nein: box->setDefaultButton(QMessageBox::No); break;
    case Antwort::Abbrechen: box->setDefaultButton(QMessageBox::Cancel); break;
    default: break;
    }
    // The box is at least as wide as its title: a row of that width below
    // the text and the buttons (the box sizes itself to its layout).
    if (auto* raster = qobject_cast<QGridLayout*>(box->layout())) {
        const int breite = TitelBreite(box->windowTitle()) - raster->contentsMargins().left() -
                           raster->contentsMargins().right();
        raster->addItem(new QSpacerItem(std::max(0, breite), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                        raster->rowCount(), 0, 1, raster->columnCount());
    }
    return box;
}

Plattform::Antwort QtMeldungen::Zeigen(const std::string& text, const std::string& titel, Plattform::Symbol symbol,
                                       Plattform::Knöpfe knöpfe, Plattform::Antwort vorgabe) {
    using Plattform::Antwort;
    auto box = Meldungsfenster(text, titel, symbol, knöpfe, vorgabe, Fensterlage::Eigentümer());
    // Should the window that owns the box go while it is open, the box goes
    // with it: then it counts as cancelled, and is not deleted twice.
    QPointer<QMessageBox> wache(box.get());
    const int gewählt = box->exec();
    if (!wache) {
        (void)box.release();
        return Antwort::Abbrechen;
    }
    switch (gewählt) {
    case QMessageBox::Ok: return Antwort::OK;
    case QMessageBox::Yes: return Antwort::Ja;
    case QMessageBox::No: return Antwort::Nein;
    default: return Antwort::Abbrechen;
    }
}

std::optional<std::string> QtDateidialoge::Öffnen(const std::string& titel, const std::string& filter,
                                                  const std::string& ordner) {
    QString f = QFileDialog::getOpenFileName(Fensterlage::Eigentümer(), q(titel), q(ordner), FilterNachQt(filter));
    if (f.isEmpty()) return std::nullopt;
    return s(f);
}

std::optional<std::string> QtDateidialoge::Speichern(const std::string& titel, const std::string& filter,
                                                     const std::string& ordner, const std::string& vorschlag) {
    QString start = q(ordner);
    if (!vorschlag.empty()) start = start.isEmpty() ? q(vorschlag) : start + "/" + q(vorschlag);
    // The callers ask about an existing file themselves.
    QString f = QFileDialog::getSaveFileName(Fensterlage::Eigentümer(), q(titel), start, FilterNachQt(filter),
                                             nullptr, QFileDialog::DontConfirmOverwrite);
    if (f.isEmpty()) return std::nullopt;
    return s(f);
}

std::optional<std::string> QtDateidialoge::OrdnerWählen(const std::string& titel, const std::string& ordner) {
    QString f = QFileDialog::getExistingDirectory(Fensterlage::Eigentümer(), q(titel), q(ordner));
    if (f.isEmpty()) return std::nullopt;
    return s(f);
}

std::optional<Plattform::Schrift> QtDateidialoge::SchriftWählen(const Plattform::Schrift& vorgabe) {
    // The dialog lists faces, not the names that stand for one ("Arial" is
    // the carried Liberation Sans): it opens on the face the font prints
    // with, and a face that comes back unchanged keeps the name it had.
    const QString gedruckt =
        QtSchriftzeichen::OhneGiesserei(QFontInfo(QtDruckfläche::Druckfont({vorgabe.Name, 9, vorgabe.Fett})).family());
    QFont start(gedruckt);
    if (vorgabe.Grösse > 0) start.setPointSizeF(vorgabe.Grösse);
    // Should the window that owns the dialog go while it is open, the
    // dialog goes with it: then it counts as cancelled.
    auto dialog = std::make_unique<Schriftdialog>(start, vorgabe, Fensterlage::Eigentümer());
    QPointer<Schriftdialog> wache(dialog.get());
    const int antwort = dialog->exec();
    if (!wache) {
        (void)dialog.release();
        return std::nullopt;
    }
    if (antwort != QDialog::Accepted) return std::nullopt;
    const QFont f = dialog->currentFont();
    const bool gleich = f.family().compare(gedruckt, Qt::CaseInsensitive) == 0;
    Plattform::Schrift gewählt = vorgabe;
    gewählt.Name = gleich ? vorgabe.Name : s(f.family());
    gewählt.Grösse = f.pointSizeF();
    return gewählt;
}

std::vector<std::string> QtDrucker::DruckerListe() {
    std::vector<std::string> liste;
    for (const QString& n : QPrinterInfo::availablePrinterNames()) liste.push_back(s(n));
    liste.push_back(PdfDrucker);
    return liste;
}

std::string QtDrucker::StandardDrucker() {
    QString n = QPrinterInfo::defaultPrinterName();
    return n.isEmpty() ? std::string(PdfDrucker) : s(n);
}

bool QtDrucker::Beidseitig(const std::string& drucker) {
    if (drucker == PdfDrucker) return true;
    const QList<QPrinter::DuplexMode> arten = QPrinterInfo::printerInfo(q(drucker)).supportedDuplexModes();
    return arten.contains(QPrinter::DuplexLongSide) || arten.contains(QPrinter::DuplexAuto);
}

std::unique_ptr<Plattform::Druckfläche> QtDrucker::Auftrag(const std::string& drucker, const std::string& ziel,
                                                           std::string& fehler) {
    QString grund;
    std::unique_ptr<QtDruckfläche> f =
        drucker == PdfDrucker ? QtDruckfläche::Pdf(q(ziel), grund) : QtDruckfläche::System(q(drucker), grund);
    fehler = s(grund);
    return f;
}

std::unique_ptr<Plattform::Druckfläche> QtDrucker::Messfläche(const std::string& drucker) {
    QString grund;
    std::unique_ptr<QtDruckfläche> f = drucker == PdfDrucker ? nullptr : QtDruckfläche::System(q(drucker), grund);
    if (!f) f = QtDruckfläche::Messung();
    return f;
}

Plattform::HttpAntwort QtHttp::Holen(const Plattform::HttpAnfrage& anfrage) {
    Plattform::HttpAntwort antwort;
    QNetworkAccessManager netz;
    // Credentials are given once each; a second request for them fails the read.
    bool serverVersucht = false, proxyVersucht = false;
    QObject::connect(&netz, &QNetworkAccessManager::authenticationRequired,
                     [&](QNetworkReply*, QAuthenticator* a) {
                         if (serverVersucht || anfrage.Benutzer.empty() || anfrage.Passwort.empty()) return;
                         serverVersucht = true;
                         a->setUser(q(anfrage.Benutzer));
                         a->setPassword(q(anfrage.Passwort));
                     });
    QObject::connect(&netz, &QNetworkAccessManager::proxyAuthenticationRequired,
                     [&](const QNetworkProxy&, QAuthenticator* a) {
                         if (proxyVersucht || anfrage.ProxyBenutzer.empty() || anfrage.ProxyPasswort.empty()) return;
                         proxyVersucht = true;
                         a->setUser(q(anfrage.ProxyBenutzer));
                         a->setPassword(q(anfrage.ProxyPasswort));
                     });
    QNetworkRequest req{QUrl(q(anfrage.Url))};
    req.setTransferTimeout(anfrage.ZeitlimitMs);
    if (anfrage.OhneCache) {
        req.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
        req.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
        req.setRawHeader("Cache-Control", "no-cache");
        req.setRawHeader("Pragma", "no-cache");
    }
    QNetworkReply* reply = netz.get(req);
    QEventLoop schleife;
    QTimer wecker;
    wecker.setSingleShot(true);
    QObject::connect(&wecker, &QTimer::timeout, &schleife, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::finished, &schleife, &QEventLoop::quit);
    wecker.start(anfrage.ZeitlimitMs);
    if (!reply->isFinished()) schleife.exec();
    if (!reply->isFinished()) {
        reply->abort();
        antwort.Fehlertext = "Zeitüberschreitung";
    }
    antwort.Status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (antwort.Status == 0 && antwort.Fehlertext.empty()) antwort.Fehlertext = s(reply->errorString());
    if (antwort.Fehlertext.empty()) {
        antwort.Inhalt = reply->readAll().toStdString();
        QVariant länge = reply->header(QNetworkRequest::ContentLengthHeader);
        if (länge.isValid()) antwort.Länge = länge.toLongLong();
        antwort.Geändert = reply->rawHeader("Last-Modified").toStdString();
        antwort.Inhaltstyp = reply->rawHeader("Content-Type").toStdString();
    }
    reply->deleteLater();
    return antwort;
}

std::string QtUmgebung::Programmordner() { return s(QCoreApplication::applicationDirPath()); }
std::string QtUmgebung::Konfigurationsordner() { return Plattform::StandardKonfigurationsordner(); }
std::time_t QtUmgebung::Jetzt() { return std::time(nullptr); }

void QtUmgebung::Sanduhr(bool an) {
    if (an)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}

bool QtUmgebung::StrgGedrückt() {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

void QtUmgebung::TasteSenden(int code) {
    static const std::pair<int, Qt::Key> tasten[] = {
        {112, Qt::Key_F1},  {13, Qt::Key_Return}, {33, Qt::Key_PageUp}, {34, Qt::Key_PageDown},
        {35, Qt::Key_End},  {36, Qt::Key_Home},   {37, Qt::Key_Left},   {38, Qt::Key_Up},
        {39, Qt::Key_Right}, {40, Qt::Key_Down},
    };
    QWidget* ziel = QApplication::focusWidget();
    if (!ziel) return;
    for (const auto& [vk, taste] : tasten) {
        if (vk != code) continue;
        // Posted, not sent: the key arrives when the caller returns to the event loop.
        QCoreApplication::postEvent(ziel, new QKeyEvent(QEvent::KeyPress, taste, Qt::NoModifier));
        QCoreApplication::postEvent(ziel, new QKeyEvent(QEvent::KeyRelease, taste, Qt::NoModifier));
        return;
    }
}

Dienste::Dienste()
    : gesetzt_(Plattform::Dienste{&meldungen, &dateidialoge, &drucker, &http, &umgebung, &hilfe}) {}

} // namespace QtPlattform

#include "tests/support/qt/Testcups.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <cups/cups.h>

namespace Testhilfe {

namespace {

bool Schreiben(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(inhalt) == inhalt.size();
}

// A printer that takes PDF as it is (no filter), A4 only, with a duplex
// unit or without.
QByteArray Druckerbeschreibung(bool duplex) {
    QByteArray ppd = R"PPD(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "ZIRVOTST.PPD"
*Manufacturer: "ZIRVO"
*Product: "(Testdrucker)"
*ModelName: "ZIRVO Testdrucker"
*ShortNickName: "ZIRVO Testdrucker"
*NickName: "ZIRVO Testdrucker"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter2: "application/pdf application/pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "0 0 595 842"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
)PPD";
    if (duplex)
        ppd += R"PPD(*OpenUI *Duplex/Duplex: PickOne
*OrderDependency: 20 AnySetup *Duplex
*DefaultDuplex: None
*Duplex None/Off: "<</Duplex false>>setpagedevice"
*Duplex DuplexNoTumble/Long Edge: "<</Duplex true/Tumble false>>setpagedevice"
*Duplex DuplexTumble/Short Edge: "<</Duplex true/Tumble true>>setpagedevice"
*CloseUI: *Duplex
)PPD";
    return ppd;
}

} // namespace

Testcups::Testcups() {
    const QString cupsd = QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/sbin", "/usr/local/sbin"});
    if (cupsd.isEmpty()) {
        fehlt_ = true;
        grund_ = "cupsd is not installed (Debian: cups-daemon and cups-client, see scripts/install-deps.sh)";
        return;
    }
    if (!ordner_.isValid()) {
        grund_ = "no temporary folder: " + ordner_.errorString().toStdString();
        return;
    }
    const QByteArray o = QFile::encodeName(ordner_.path());
    const QByteArray konfiguration = "LogLevel warn\n"
                                     "Listen " + o + "/cups.sock\n"
                                     "Browsing No\n"
                                     "WebInterface No\n"
                                     "DefaultAuthType None\n"
                                     "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                     "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
                                     "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n";
    const QByteArray dateien = "ServerRoot " + o + "\n"
                               "RequestRoot " + o + "/spool\n"
                               "TempDir " + o + "/tmp\n"
                               "CacheDir " + o + "/cache\n"
                               "StateDir " + o + "/state\n"
                               "ErrorLog " + o + "/error_log\n"
                               "AccessLog " + o + "/access_log\n"
                               "PageLog " + o + "/page_log\n"
                               "FileDevice Yes\n";
    // The server makes what it needs inside the folders, not the folders.
    const QDir d(ordner_.path());
    if (!d.mkpath("spool") || !d.mkpath("tmp") || !d.mkpath("cache") || !d.mkpath("state") ||
        !Schreiben(Pfad("cupsd.conf"), konfiguration) || !Schreiben(Pfad("cups-files.conf"), dateien) ||
        !Schreiben(Pfad("mit-duplex.ppd"), Druckerbeschreibung(true)) ||
        !Schreiben(Pfad("ohne-duplex.ppd"), Druckerbeschreibung(false))) {
        grund_ = "cannot write the server's configuration in " + ordner_.path().toStdString();
        return;
    }
    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    cupsd_.start(cupsd, {"-f", "-c", Pfad("cupsd.conf"), "-s", Pfad("cups-files.conf")});
    if (!cupsd_.waitForStarted(10000)) {
        grund_ = "cupsd does not start: " + cupsd_.errorString().toStdString();
        return;
    }
    // From here on every CUPS request of the process goes to this server.
    hatteServer_ = qEnvironmentVariableIsSet("CUPS_SERVER");
    altServer_ = qgetenv("CUPS_SERVER");
    const QByteArray socket = o + "/cups.sock";
    qputenv("CUPS_SERVER", socket);
    cupsSetServer(socket.constData());
    // Waits for the server's answer (a hang only ends the wait).
    for (QDeadlineTimer frist(60000); !frist.hasExpired() && cupsd_.state() == QProcess::Running;
         QThread::msleep(50)) {
        if (http_t* verbindung = httpConnect2(socket.constData(), 0, nullptr, AF_UNSPEC,
                                              HTTP_ENCRYPTION_IF_REQUESTED, 1, 1000, nullptr)) {
            httpClose(verbindung);
            bereit_ = true;
            return;
        }
    }
    QFile log(Pfad("error_log"));
    log.open(QIODevice::ReadOnly);
    grund_ = "cupsd does not answer: " + cupsd_.readAll().toStdString() + log.readAll().toStdString();
}

Testcups::~Testcups() {
    if (cupsd_.state() != QProcess::NotRunning) {
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(10000)) cupsd_.kill();
        cupsd_.waitForFinished(10000);
    }
    if (hatteServer_) qputenv("CUPS_SERVER", altServer_);
    else qunsetenv("CUPS_SERVER");
    cupsSetServer(nullptr);
}

std::string Testcups::Befehl(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programm, QStringList{"-h", Pfad("cups.sock")} + argumente);
    if (!p.waitForFinished(60000)) return programm.toStdString() + ": " + p.errorString().toStdString();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return programm.toStdString() + ": " + p.readAll().toStdString();
    return "";
}

std::string Testcups::Warteschlange(const std::string& name, bool duplex) {
    const QString n = QString::fromStdString(name);
    return Befehl("lpadmin", {"-p", n, "-v", "file://" + Pfad("ausgabe-") + n, "-P",
                              Pfad(duplex ? "mit-duplex.ppd" : "ohne-duplex.ppd"), "-E"});
}

std::string Testcups::Ablehnen(const std::string& name, const std::string& grund) {
    return Befehl("cupsreject", {"-r", QString::fromStdString(grund), QString::fromStdString(name)});
}

std::vector<std::string> Testcups::Aufträge(const std::string& name) {
    cups_job_t* aufträge = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &aufträge, name.c_str(), 0, CUPS_WHICHJOBS_ALL);
    std::vector<std::string> namen;
    for (int i = 0; i < n; ++i) namen.emplace_back(aufträge[i].title ? aufträge[i].title : "");
    cupsFreeJobs(n, aufträge);
    return namen;
}

} // namespace Testhilfe

// A CUPS server of a test's own: cupsd with its configuration, spool, logs
// and socket in a temporary folder, reached through CUPS_SERVER (and
// libcups's server setting, which Qt's printing shares), so that no
// printing of the system is touched. Its queues take PDF as it is, with or
// without a duplex unit, and print into a file of that folder.
#pragma once

#include <QProcess>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace Testhilfe {

class Testcups {
public:
    // Starts the server and waits until it answers.
    Testcups();
    // Stops it; the system's server is in force again.
    ~Testcups();
    Testcups(const Testcups&) = delete;
    Testcups& operator=(const Testcups&) = delete;

    // True once the server answers; else Grund() says why.
    bool Bereit() const { return bereit_; }
    // True when cupsd is not installed (the test skips then).
    bool Fehlt() const { return fehlt_; }
    const std::string& Grund() const { return grund_; }

    // A queue of that name; "" or what went wrong.
    std::string Warteschlange(const std::string& name, bool duplex);
    // The queue takes no more jobs, for that reason (cupsreject -r).
    std::string Ablehnen(const std::string& name, const std::string& grund);
    // The names (job-name) of the queue's jobs, done or not, oldest first.
    std::vector<std::string> Aufträge(const std::string& name);

private:
    QTemporaryDir ordner_{"/tmp/zirvo-cups-XXXXXX"};
    QProcess cupsd_;
    QByteArray altServer_;
    bool hatteServer_ = false;
    bool bereit_ = false;
    bool fehlt_ = false;
    std::string grund_;

    QString Pfad(const char* name) const { return ordner_.filePath(name); }
    std::string Befehl(const QString& programm, const QStringList& argumente);
};

} // namespace Testhilfe

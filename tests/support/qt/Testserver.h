// A small HTTP server on the loopback address for the tests of the version
// check: it serves one fixed answer per connection from its own thread.
#pragma once

#include <QByteArray>
#include <QSemaphore>
#include <QThread>

#include <string>

namespace Testhilfe {

class Testserver : public QThread {
public:
    // The bytes sent back on every connection.
    QByteArray antwort;
    // A silent server takes the connection and never answers.
    bool stumm = false;
    // The port it listens on, once started.
    quint16 port = 0;
    // What the last connection sent.
    QByteArray letzteAnfrage;

    // Starts the thread and returns once the server listens.
    void starten();
    // The folder URL of the version file on this server.
    std::string Ordner() const;
    ~Testserver() override;

protected:
    void run() override;

private:
    QSemaphore bereit_;
};

// An HTTP/1.1 answer with the status line's code and reason and the text
// as its plain-text body; the connection closes after it.
QByteArray HttpAntwort(int status, const QByteArray& grund, const QByteArray& text);

} // namespace Testhilfe

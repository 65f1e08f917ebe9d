#include "tests/support/qt/Testserver.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace Testhilfe {

void Testserver::run() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    port = server.serverPort();
    bereit_.release();
    while (!isInterruptionRequested()) {
        if (!server.waitForNewConnection(50)) continue;
        QTcpSocket* s = server.nextPendingConnection();
        while (!s->canReadLine() && s->waitForReadyRead(1000)) {}
        while (s->waitForReadyRead(50)) {}
        letzteAnfrage = s->readAll();
        if (!stumm) {
            s->write(antwort);
            s->flush();
            s->waitForBytesWritten(1000);
            s->disconnectFromHost();
        } else {
            while (!isInterruptionRequested()) s->waitForReadyRead(50);
        }
        delete s;
    }
}

void Testserver::starten() {
    start();
    bereit_.acquire();
}

std::string Testserver::Ordner() const { return "http://127.0.0.1:" + std::to_string(port) + "/zirvo"; }

Testserver::~Testserver() {
    requestInterruption();
    wait();
}

QByteArray HttpAntwort(int status, const QByteArray& grund, const QByteArray& text) {
    return "HTTP/1.1 " + QByteArray::number(status) + " " + grund +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(text.size()) +
           "\r\nConnection: close\r\n\r\n" + text;
}

} // namespace Testhilfe

// The version check against a small HTTP server on the loopback address.
#include "frame/basHTTP.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOVersion.h"
#include "frame/qt/QtPlattform.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QSemaphore>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// Serves one fixed answer per connection from its own thread; "stumm" never answers.
class TestServer : public QThread {
public:
    QByteArray antwort;
    bool stumm = false;
    quint16 port = 0;
    QByteArray letzteAnfrage;

    void run() override {
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
    void starten() {
        start();
        bereit_.acquire();
    }
    ~TestServer() override {
        requestInterruption();
        wait();
    }

private:
    QSemaphore bereit_;
};

QByteArray http(int status, const QByteArray& text) {
    return "HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Type: text/plain\r\nContent-Length: " +
           QByteArray::number(text.size()) + "\r\nConnection: close\r\n\r\n" + text;
}

std::string prüfen(TestServer& server) {
    basZIRVOVersion::VersionsOrdnerUrl = "http://127.0.0.1:" + std::to_string(server.port) + "/zirvo";
    std::string hinweis = basZIRVOVersion::NeuereVersionPrüfen();
    basZIRVOVersion::VersionsOrdnerUrl.clear();
    return hinweis;
}

} // namespace

TEST(VersionshinweisNetz, AntwortenEinesEchtenServers) {
    QtPlattform::Dienste dienste;
    basZIRVODialogSprache::SpracheSetzen();
    basZIRVO3801::GlobaleSetzen();
    TestServer server;
    server.antwort = http(200, "ZIRVO [10|a]\r\n");
    server.starten();
    std::string hinweis = prüfen(server);
    EXPECT_NE(hinweis.find("neuere Version (10)."), std::string::npos) << hinweis;
    EXPECT_TRUE(server.letzteAnfrage.startsWith("GET /zirvo/ZIRVOVersionAktuell.txt"));
    EXPECT_TRUE(server.letzteAnfrage.contains("no-cache"));

    server.antwort = http(200, "[9|a]");
    EXPECT_EQ(prüfen(server), "");
    server.antwort = http(404, "<html>[10|a]</html>");
    EXPECT_EQ(prüfen(server), "");
}

TEST(VersionshinweisNetz, ZeitüberschreitungGibtKeinenHinweis) {
    QtPlattform::Dienste dienste;
    TestServer server;
    server.stumm = true;
    server.starten();
    basHTTP::InternetReadUrl leser;
    leser.Zeitlimit(300);
    std::string text;
    EXPECT_EQ(leser.ReadUrlToString("http://127.0.0.1:" + std::to_string(server.port) + "/x", text, true),
              basHTTP::Fehlgeschlagen);
}

// The version check against a small HTTP server on the loopback address.
#include "frame/basHTTP.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOVersion.h"
#include "frame/qt/QtPlattform.h"
#include "tests/support/qt/Testserver.h"

#include <gtest/gtest.h>

namespace {

using TestServer = Testhilfe::Testserver;

QByteArray http(int status, const QByteArray& text) { return Testhilfe::HttpAntwort(status, "X", text); }

std::string prüfen(TestServer& server) {
    basZIRVOVersion::VersionsOrdnerUrl = server.Ordner();
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

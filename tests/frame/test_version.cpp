#include "frame/basHTTP.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOVersion.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

namespace {
std::string prüfen(const std::string& datei) {
    return basZIRVOVersion::VersionAuswerten(datei, "9", "a", "https://server/ordner/");
}

// Answers every request with one fixed answer and records the requests.
class FesterServer : public Plattform::Http {
public:
    Plattform::HttpAntwort antwort;
    std::vector<Plattform::HttpAnfrage> anfragen;
    Plattform::HttpAntwort Holen(const Plattform::HttpAnfrage& a) override {
        anfragen.push_back(a);
        return antwort;
    }
};
} // namespace

TEST(Versionshinweis, VergleichVonVersionUndBuchstabe) {
    Testhilfe::Testumgebung umgebung;
    EXPECT_EQ(prüfen("xx [10|a] yy"), "Hinweis:\r\n\r\nVon diesem Programm gibt es eine neuere Version (10).");
    std::string lang = prüfen("[9|b]");
    EXPECT_EQ(lang.substr(0, 28), "Hinweis Programmversion:\r\n\r\n");
    EXPECT_NE(lang.find("\r\nVon diesem Programm gibt es eine neuere Version (9b).\r\n\r\n"), std::string::npos);
    EXPECT_NE(lang.find("Adresse:\r\n  https://server/ordner/\r\n\r\nWichtiger Hinweis:\r\n"
                        "Machen Sie vor dem Programm-Update eine Sicherung Ihrer Projekte."),
              std::string::npos);
    EXPECT_NE(prüfen("[ 9 | c ]").find("(9c)."), std::string::npos);
    EXPECT_EQ(prüfen("[9|A]"), "");
    EXPECT_EQ(prüfen("[9|a]"), "");
    EXPECT_EQ(prüfen("[8|z]"), "");
    EXPECT_EQ(prüfen("[9 b]"), "");
    EXPECT_EQ(prüfen("9|b"), "");
    EXPECT_EQ(prüfen("[9|b"), "");
    EXPECT_EQ(prüfen(""), "");
    EXPECT_EQ(prüfen("[x|b]"), ""); // no digits reads as version 0
}

TEST(Versionshinweis, NurEineErfolgreicheAntwortZählt) {
    Testhilfe::Testumgebung umgebung;
    FesterServer server;
    Plattform::DiensteSetzen gesetzt(Plattform::Dienste{nullptr, nullptr, nullptr, &server, nullptr});
    basZIRVO3801::GlobaleSetzen();

    basZIRVOVersion::VersionsOrdnerUrl = "";
    EXPECT_EQ(basZIRVOVersion::NeuereVersionPrüfen(), "");
    EXPECT_TRUE(server.anfragen.empty()); // no server configured: no request at all

    basZIRVOVersion::VersionsOrdnerUrl = "http://127.0.0.1:1/zirvo/";
    server.antwort.Status = 200;
    server.antwort.Inhalt = "[10|a]";
    EXPECT_NE(basZIRVOVersion::NeuereVersionPrüfen(), "");
    ASSERT_EQ(server.anfragen.size(), 1u);
    EXPECT_EQ(server.anfragen[0].Url, "http://127.0.0.1:1/zirvo/ZIRVOVersionAktuell.txt");
    EXPECT_TRUE(server.anfragen[0].OhneCache);

    // An error page that happens to hold a record is no answer.
    server.antwort.Status = 404;
    EXPECT_EQ(basZIRVOVersion::NeuereVersionPrüfen(), "");
    server.antwort.Status = 0;
    server.antwort.Fehlertext = "Zeitüberschreitung";
    EXPECT_EQ(basZIRVOVersion::NeuereVersionPrüfen(), "");
    basZIRVOVersion::VersionsOrdnerUrl = "";
}

TEST(HttpLeser, ErgebniscodesNachStatus) {
    FesterServer server;
    Plattform::DiensteSetzen gesetzt(Plattform::Dienste{nullptr, nullptr, nullptr, &server, nullptr});
    basHTTP::InternetReadUrl leser;
    std::string text = "alt";
    server.antwort.Status = 401;
    EXPECT_EQ(leser.ReadUrlToString("http://h/x", text, true), basHTTP::ServerAnmeldung);
    server.antwort.Status = 407;
    EXPECT_EQ(leser.ReadUrlToString("http://h/x", text, true), basHTTP::ProxyAnmeldung);
    server.antwort.Status = 500;
    EXPECT_EQ(leser.ReadUrlToString("http://h/x", text, true), basHTTP::Fehlgeschlagen);
    EXPECT_EQ(text, "alt");
    server.antwort.Status = 200;
    server.antwort.Inhalt = "";
    EXPECT_EQ(leser.ReadUrlToString("http://h/x", text, true), basHTTP::Erfolg);
    EXPECT_EQ(text, "");

    long long länge;
    std::string geändert, typ;
    long code;
    server.antwort.Status = 404;
    EXPECT_EQ(leser.ReadUrlInfo("http://h/x", länge, geändert, typ, code), basHTTP::NichtGefunden);
    EXPECT_EQ(code, 404);
    server.antwort = {};
    server.antwort.Status = 200;
    server.antwort.Länge = 12;
    server.antwort.Inhaltstyp = "text/plain";
    EXPECT_EQ(leser.ReadUrlInfo("http://h/x", länge, geändert, typ, code), basHTTP::Erfolg);
    EXPECT_EQ(länge, 12);
    EXPECT_EQ(typ, "text/plain");

    leser.ServerUsername("u");
    leser.ServerPassword("p");
    leser.ReadUrlToString("http://h/x", text, false);
    EXPECT_EQ(server.anfragen.back().Benutzer, "u");
    EXPECT_FALSE(server.anfragen.back().OhneCache);
}

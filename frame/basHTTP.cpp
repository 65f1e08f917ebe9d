#include "frame/basHTTP.h"

#include "frame/Dateien.h"
#include "frame/Plattform.h"

namespace basHTTP {

void InternetReadUrl::SetProxyserver(const std::string& sProxyName, const std::string& sProxyPort, bool) {
    proxy_ = sProxyPort.empty() ? sProxyName : sProxyName + ":" + sProxyPort;
}

Plattform::HttpAntwort InternetReadUrl::senden(const std::string& url, bool ohneCache) const {
    Plattform::HttpAnfrage anfrage;
    anfrage.Url = url;
    anfrage.ZeitlimitMs = zeitlimitMs_;
    anfrage.OhneCache = ohneCache;
    anfrage.Benutzer = serverBenutzer_;
    anfrage.Passwort = serverPasswort_;
    anfrage.ProxyBenutzer = proxyBenutzer_;
    anfrage.ProxyPasswort = proxyPasswort_;
    return Plattform::http().Holen(anfrage);
}

namespace {
// The result of an answer before its status is judged: no answer, or a log-in refused.
long Vorprüfung(const Plattform::HttpAntwort& antwort) {
    if (antwort.Status == 0) return Fehlgeschlagen;
    if (antwort.Status == 401) return ServerAnmeldung;
    if (antwort.Status == 407) return ProxyAnmeldung;
    return Erfolg;
}
} // namespace

long InternetReadUrl::ReadUrlToString(const std::string& URL, std::string& FileString, bool NoChache) {
    Plattform::HttpAntwort antwort = senden(URL, NoChache);
    if (long e = Vorprüfung(antwort); e != Erfolg) return e;
    if (!antwort.Erfolg()) return Fehlgeschlagen;
    FileString = std::move(antwort.Inhalt);
    return Erfolg;
}

long InternetReadUrl::ReadUrlToFile(const std::string& URL, const std::string& LocalFile, bool NoChache) {
    std::string inhalt;
    long e = ReadUrlToString(URL, inhalt, NoChache);
    if (e != Erfolg) return e;
    return Dateien::SicherSchreiben(LocalFile, inhalt) ? Erfolg : Fehlgeschlagen;
}

long InternetReadUrl::ReadUrlInfo(const std::string& URL, long long& ContentLength, std::string& LastModified,
                                  std::string& ContentType, long& ErrorCode) {
    ContentLength = 0;
    LastModified.clear();
    ContentType.clear();
    ErrorCode = 0;
    Plattform::HttpAntwort antwort = senden(URL, true);
    if (long e = Vorprüfung(antwort); e != Erfolg) return e;
    if (antwort.Status != 200) {
        ErrorCode = antwort.Status;
        return antwort.Status == 404 ? NichtGefunden : Fehlgeschlagen;
    }
    if (antwort.Länge >= 0) ContentLength = antwort.Länge;
    LastModified = antwort.Geändert;
    ContentType = antwort.Inhaltstyp;
    return Erfolg;
}

bool HttpTextLesen(const std::string& url, std::string& text) {
    InternetReadUrl leser;
    return leser.ReadUrlToString(url, text, true) == Erfolg;
}

} // namespace basHTTP

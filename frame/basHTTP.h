// Reading a small text over HTTP: the one request the program makes.
#pragma once

#include "frame/Plattform.h"

#include <string>

namespace basHTTP {

// Result codes of a read.
enum Ergebnis : long {
    Erfolg = 0,
    Fehlgeschlagen = 1,       // no connection, a failed or cancelled read
    ServerAnmeldung = 2,      // the server wants a log-in that was not given or was wrong
    ProxyAnmeldung = 3,       // the proxy wants a log-in that was not given or was wrong
    NichtGefunden = 4,        // 404 (ReadUrlInfo only)
};

// A GET client on the platform's HTTP service.
class InternetReadUrl {
public:
    void SetProxyserver(const std::string& sProxyName, const std::string& sProxyPort, bool bOverrideLocal);
    void ProxyUsername(const std::string& v) { proxyBenutzer_ = v; }
    void ProxyPassword(const std::string& v) { proxyPasswort_ = v; }
    void ServerUsername(const std::string& v) { serverBenutzer_ = v; }
    void ServerPassword(const std::string& v) { serverPasswort_ = v; }
    void Zeitlimit(int ms) { zeitlimitMs_ = ms; }

    // The body as text. Only an answer of 200 counts as success: any other
    // status is a failed read (2 and 3 for missing log-ins).
    long ReadUrlToString(const std::string& URL, std::string& FileString, bool NoChache);
    // The body into a file, replaced whole (through a temporary file).
    long ReadUrlToFile(const std::string& URL, const std::string& LocalFile, bool NoChache);
    // Length, last change and type of the document; 4 with ErrorCode 404 when missing.
    long ReadUrlInfo(const std::string& URL, long long& ContentLength, std::string& LastModified,
                     std::string& ContentType, long& ErrorCode);

private:
    Plattform::HttpAntwort senden(const std::string& url, bool ohneCache) const;
    std::string proxy_;
    std::string proxyBenutzer_, proxyPasswort_, serverBenutzer_, serverPasswort_;
    int zeitlimitMs_ = 10000;
};

// Reads a URL into text; True when that succeeded.
bool HttpTextLesen(const std::string& url, std::string& text);

} // namespace basHTTP

#include "frame/basZIRVOVersion.h"

#include "frame/basHTTP.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVO_Format.h"

#include <algorithm>

namespace basZIRVOVersion {

std::string VersionsOrdnerUrl;

namespace {
std::string gross(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}
} // namespace

std::string VersionAuswerten(const std::string& text, const std::string& programmVersion,
                             const std::string& programmBuchstabe, const std::string& supportAdresse) {
    auto p = text.find('[');
    if (p == std::string::npos) return {};
    auto q = text.find(']', p + 1);
    if (q == std::string::npos) return {};
    std::string innen = text.substr(p + 1, q - p - 1);
    auto b = innen.find('|');
    if (b == std::string::npos) return {};
    std::string version = basZIRVO_Format::TextTrimmen(innen.substr(0, b));
    std::string buchstabe = basZIRVO_Format::TextTrimmen(innen.substr(b + 1));
    double neu = basVB6NumCvt::Scannen(version);
    double eigen = basVB6NumCvt::Scannen(programmVersion);
    const std::string nl = "\r\n";
    if (neu > eigen) {
        return DS("Hinweis:") + nl + nl + DS("Von diesem Programm gibt es eine neuere Version (") + version + ").";
    }
    if (neu == eigen && gross(programmBuchstabe) < gross(buchstabe)) {
        return DS("Hinweis Programmversion:") + nl + nl +
               DS("Von diesem Programm gibt es eine neuere Version (") + version + buchstabe + ")." + nl + nl +
               DS("Beenden Sie das Programm und installieren Sie das Programm-Update (Servicepack) im Internet "
                  "unter folgender Adresse:") +
               nl + "  " + supportAdresse + nl + nl + DS("Wichtiger Hinweis:") + nl +
               DS("Machen Sie vor dem Programm-Update eine Sicherung Ihrer Projekte.");
    }
    return {};
}

std::string NeuereVersionPrüfen() {
    if (VersionsOrdnerUrl.empty()) return {};
    std::string ordner = VersionsOrdnerUrl;
    while (!ordner.empty() && ordner.back() == '/') ordner.pop_back();
    std::string text;
    if (!basHTTP::HttpTextLesen(ordner + "/" + Versionsdatei, text)) return {};
    // The update is offered in the same folder of the maker's server.
    return VersionAuswerten(text, basZIRVO3801::ProgrammVersion, basZIRVO3801::ProgrammVersionBuchstabe, ordner + "/");
}

} // namespace basZIRVOVersion

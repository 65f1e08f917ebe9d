// Who holds the flock locks on a file, and the wait for such a lock that
// tells who stands in the way. Anyone who may read a file can lock it, so a
// lock says nothing about writing unless its holder may write the file.
#include "frame/Dateien.h"
#include "frame/DateienIntern.h"

#include "frame/basZIRVODialogSprache.h"

#include <cerrno>
#include <charconv>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <sys/file.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace Dateien::Intern {

namespace {

// The user (effective) and name of a running process; false when they
// cannot be seen.
bool ProzessLesen(long pid, Sperrinhaber& inhaber) {
    const std::string ordner = "/proc/" + std::to_string(pid);
    std::ifstream status(ordner + "/status");
    for (std::string zeile; std::getline(status, zeile);) {
        if (zeile.rfind("Uid:", 0) != 0) continue;
        std::istringstream felder(zeile.substr(4));
        long echt = -1, wirksam = -1;
        if (!(felder >> echt >> wirksam) || wirksam < 0) return false;
        inhaber.Benutzer = static_cast<uid_t>(wirksam);
        std::ifstream name(ordner + "/comm");
        std::getline(name, inhaber.Programm);
        return true;
    }
    return false;
}

// The message for a lock still held after the wait: writing where a holder
// may write the file (or cannot be seen), else a reader's lock; the holders
// named.
std::string Sperrmeldung(const std::vector<Sperrinhaber>& inhaber, bool schreiber) {
    std::string text = schreiber ? DS("die Datei wird gerade von einem anderen Programm geschrieben")
                                 : DS("die Datei ist von einem Programm gesperrt, das sie nur lesen darf");
    std::string wer;
    for (const Sperrinhaber& i : inhaber) {
        if (!i.Bekannt) continue;
        if (!wer.empty()) wer += "; ";
        wer += "«" + i.Programm + "» " + DSFormat("von @", Benutzername(i.Benutzer)) + ", " +
               DSFormat("Prozess @", std::to_string(i.Prozess));
    }
    return wer.empty() ? text : text + " (" + wer + ")";
}

} // namespace

std::string Benutzername(uid_t wer) {
    std::vector<char> puffer(16384);
    passwd eintrag{}, *gefunden = nullptr;
    if (::getpwuid_r(wer, &eintrag, puffer.data(), puffer.size(), &gefunden) == 0 && gefunden && gefunden->pw_name)
        return gefunden->pw_name;
    return std::to_string(wer);
}

std::vector<Sperrinhaber> SperrinhaberLesen(const struct stat& st) {
    // Lines such as "3: FLOCK  ADVISORY  WRITE 1234 fd:01:5678 0 EOF"; a
    // waiter's has "->" after the number.
    std::vector<Sperrinhaber> inhaber;
    std::ifstream sperren("/proc/locks");
    for (std::string zeile; std::getline(sperren, zeile);) {
        std::istringstream felder(zeile);
        std::string nummer, art, beratend, modus, gerät;
        long pid = 0;
        if (!(felder >> nummer >> art) || art != "FLOCK" || !(felder >> beratend >> modus >> pid >> gerät)) continue;
        unsigned haupt = 0, neben = 0;
        unsigned long long knoten = 0;
        const char* p = gerät.data();
        const char* const ende = p + gerät.size();
        auto teil = [&](auto& wert, int basis) {
            const auto [weiter, fehler] = std::from_chars(p, ende, wert, basis);
            p = weiter < ende ? weiter + 1 : weiter;
            return fehler == std::errc();
        };
        if (!teil(haupt, 16) || !teil(neben, 16) || !teil(knoten, 10)) continue;
        if (::makedev(haupt, neben) != st.st_dev || knoten != static_cast<unsigned long long>(st.st_ino)) continue;
        Sperrinhaber i;
        i.Prozess = pid > 0 ? pid : 0;
        i.Bekannt = i.Prozess > 0 && ProzessLesen(i.Prozess, i);
        inhaber.push_back(i);
    }
    return inhaber;
}

bool Sperren(int fd, int art, const struct stat& st, bool leserÜbergehen, std::string* fehler) {
    const auto bis = std::chrono::steady_clock::now() + Schreibwartezeit;
    std::optional<std::string> liste;
    // Whether holders stand in the way: none of them may write the file
    // (each seen) means no.
    auto schreiber = [&](const std::vector<Sperrinhaber>& inhaber) {
        if (!liste) liste = ZugriffslisteLesen(("/proc/self/fd/" + std::to_string(fd)).c_str()).value_or("");
        for (const Sperrinhaber& i : inhaber)
            if (!i.Bekannt || DarfSchreiben(i.Benutzer, st, *liste)) return true;
        return inhaber.empty();
    };
    for (int runde = 0;; ++runde) {
        if (::flock(fd, art | LOCK_NB) == 0) return true;
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) return true;
        const bool ende = std::chrono::steady_clock::now() >= bis;
        // Who holds it is looked at now and then, not at every try.
        if (leserÜbergehen && runde % 20 == 0 && !schreiber(SperrinhaberLesen(st))) return true;
        if (ende) {
            const auto inhaber = SperrinhaberLesen(st);
            melden(fehler, Sperrmeldung(inhaber, schreiber(inhaber)));
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace Dateien::Intern

// The copy of a file's old content that a write into the file itself puts
// beside it (see Dateien::SicherSchreiben), and how the next open or save
// puts that content back after the write was cut off. Anyone who may write
// the folder can leave a file of the copy's name there; only a copy that
// provably belongs to a cut-off write into this very file, made by someone
// who could have written the file anyway, is ever applied, and only once.
#include "frame/Dateien.h"
#include "frame/DateienIntern.h"

#include "frame/Systemfehler.h"
#include "frame/basZIRVODialogSprache.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

namespace Dateien {

void (*ImDateiUnterbrechung)() = nullptr;

namespace Intern {

namespace {

constexpr std::string_view Kennung = "ZIRVO-Kopie 1";
// A header line is never longer (the name and six numbers).
constexpr std::size_t Kopfgrenze = 160;

struct Kopf {
    std::uint64_t Gerät = 0, Knoten = 0, AltLänge = 0, AltPrüfwert = 0, NeuLänge = 0, NeuPrüfwert = 0;
    std::size_t Länge = 0; // of the header line, with its line end
};

// The header at the start of bytes; nothing when it is none.
std::optional<Kopf> KopfLesen(std::string_view bytes) {
    const std::size_t ende = bytes.find('\n');
    if (ende == std::string_view::npos || ende > Kopfgrenze || bytes.substr(0, Kennung.size()) != Kennung)
        return std::nullopt;
    Kopf k;
    k.Länge = ende + 1;
    const char* p = bytes.data() + Kennung.size();
    const char* const schluss = bytes.data() + ende;
    std::uint64_t* felder[] = {&k.Gerät, &k.Knoten, &k.AltLänge, &k.AltPrüfwert, &k.NeuLänge, &k.NeuPrüfwert};
    for (std::size_t i = 0; i < 6; ++i) {
        if (p >= schluss || *p != ' ') return std::nullopt;
        const auto [weiter, fehler] = std::from_chars(p + 1, schluss, *felder[i], i % 2 == 1 && i > 1 ? 16 : 10);
        if (fehler != std::errc() || weiter == p + 1) return std::nullopt;
        p = weiter;
    }
    if (p != schluss) return std::nullopt;
    return k;
}

// The groups of a user as the system lists them (its own one included).
std::vector<gid_t> Gruppen(uid_t wer) {
    std::vector<char> puffer(16384);
    passwd eintrag{}, *gefunden = nullptr;
    if (::getpwuid_r(wer, &eintrag, puffer.data(), puffer.size(), &gefunden) != 0 || !gefunden) return {};
    int anzahl = 64;
    std::vector<gid_t> gruppen(static_cast<std::size_t>(anzahl));
    if (::getgrouplist(gefunden->pw_name, gefunden->pw_gid, gruppen.data(), &anzahl) < 0) {
        gruppen.resize(static_cast<std::size_t>(anzahl));
        if (::getgrouplist(gefunden->pw_name, gefunden->pw_gid, gruppen.data(), &anzahl) < 0) anzahl = 0;
    }
    gruppen.resize(static_cast<std::size_t>(std::max(anzahl, 0)));
    return gruppen;
}

// Whether the user wer may write a file of that status and access-control
// list: its owner or root always; else the list's entry for wer, or the
// entries of wer's groups, or the bits for others, as the system decides.
bool DarfSchreiben(uid_t wer, const struct stat& st, const std::string& liste) {
    if (wer == 0 || wer == st.st_uid) return true;
    const std::vector<gid_t> gruppen = Gruppen(wer);
    auto inGruppe = [&gruppen](std::uint32_t g) {
        return std::find(gruppen.begin(), gruppen.end(), static_cast<gid_t>(g)) != gruppen.end();
    };
    const std::vector<Eintrag> einträge = Einträge(liste);
    if (einträge.empty()) return (st.st_mode & (inGruppe(st.st_gid) ? 020 : 002)) != 0;
    std::uint16_t maske = 7, andere = 0;
    for (const Eintrag& e : einträge) {
        if (e.Art == Maske_) maske = e.Rechte;
        if (e.Art == Andere_) andere = e.Rechte;
    }
    for (const Eintrag& e : einträge)
        if (e.Art == Benutzer_ && e.Id == wer) return (e.Rechte & maske & 2) != 0;
    bool getroffen = false, schreibt = false;
    for (const Eintrag& e : einträge) {
        const bool trifft = (e.Art == Gruppe_ && inGruppe(st.st_gid)) || (e.Art == Gruppen_ && inGruppe(e.Id));
        getroffen |= trifft;
        schreibt |= trifft && (e.Rechte & maske & 2) != 0;
    }
    return getroffen ? schreibt : (andere & 2) != 0;
}

// Whether the file's content (f) is what a write of neu over alt from the
// start leaves when it is cut off: each byte the old one or the new one (or
// a zero where the file had grown and its data did not reach the disk),
// its length between the two.
bool Zwischenstand(std::string_view f, std::string_view alt, std::string_view neu) {
    if (f.size() < std::min(alt.size(), neu.size()) || f.size() > std::max(alt.size(), neu.size())) return false;
    for (std::size_t i = 0; i < f.size(); ++i) {
        const bool wieAlt = i < alt.size() && f[i] == alt[i];
        const bool wieNeu = i < neu.size() && f[i] == neu[i];
        if (!wieAlt && !wieNeu && !(i >= alt.size() && f[i] == '\0')) return false;
    }
    return true;
}

struct Schliesser {
    int fd = -1;
    ~Schliesser() {
        if (fd >= 0) ::close(fd);
    }
};

} // namespace

std::uint64_t Prüfwert(std::string_view bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    return h;
}

std::string Kopietext(const struct stat& datei, std::string_view alt, std::string_view neu) {
    char kopf[Kopfgrenze + 1];
    const int n = std::snprintf(kopf, sizeof kopf, "%s %llu %llu %zu %016llx %zu %016llx\n", Kennung.data(),
                                static_cast<unsigned long long>(datei.st_dev),
                                static_cast<unsigned long long>(datei.st_ino), alt.size(),
                                static_cast<unsigned long long>(Prüfwert(alt)), neu.size(),
                                static_cast<unsigned long long>(Prüfwert(neu)));
    std::string text(kopf, static_cast<std::size_t>(n));
    text.reserve(text.size() + alt.size() + neu.size());
    text.append(alt);
    text.append(neu);
    return text;
}

bool Entfernbar(const std::string& ordner, const struct stat& st) {
    struct stat o {};
    if (::stat(ordner.c_str(), &o) != 0 || ::faccessat(AT_FDCWD, ordner.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
        return false;
    const uid_t ich = ::geteuid();
    return (o.st_mode & S_ISVTX) == 0 || ich == 0 || st.st_uid == ich || o.st_uid == ich;
}

Rückholung KopieZurückholen(const std::string& ziel, std::size_t grenze, std::string* fehler, std::string* hinweis) {
    const std::string kopie = Kopiepfad(ziel);
    struct stat ks {};
    // Nothing there, or a copy emptied once it was applied.
    if (::lstat(kopie.c_str(), &ks) != 0 || (S_ISREG(ks.st_mode) && ks.st_size == 0)) return Rückholung::Keine;
    const std::string besitzer = Besitzer(kopie);
    auto fremd = [&](const std::string& warum) {
        melden(hinweis, DSFormat2("Neben der Datei liegt \"@\" (Besitzer: @).", kopie, besitzer) + " " +
                            DS("Sie wurde weder gelesen noch verändert:") + " " + warum);
        return Rückholung::Keine;
    };
    if (!S_ISREG(ks.st_mode)) return fremd(DS("sie") + " " + Artsatz(ks.st_mode));
    // The file, to be written where this user may, and kept from writers
    // meanwhile.
    Schliesser datei{RegulärÖffnen(ziel, O_RDWR | O_NOFOLLOW, nullptr)};
    const bool schreibbar = datei.fd >= 0;
    if (!schreibbar) datei.fd = RegulärÖffnen(ziel, O_RDONLY | O_NOFOLLOW, nullptr);
    if (datei.fd < 0) return Rückholung::Keine; // the read says why
    if (!Sperren(datei.fd, schreibbar ? LOCK_EX : LOCK_SH, Schreibwartezeit)) {
        melden(fehler, DS("die Datei wird gerade von einem anderen Programm geschrieben"));
        return Rückholung::Besetzt;
    }
    struct stat ds {};
    if (::fstat(datei.fd, &ds) != 0) return Rückholung::Keine;
    // The copy itself, never through a link; to be emptied where it cannot
    // be removed.
    Schliesser k{RegulärÖffnen(kopie, O_RDWR | O_NOFOLLOW, nullptr)};
    const bool leerbar = k.fd >= 0;
    std::string grund;
    if (!leerbar) k.fd = RegulärÖffnen(kopie, O_RDONLY | O_NOFOLLOW, &grund);
    if (k.fd < 0) {
        if (::lstat(kopie.c_str(), &ks) != 0 && errno == ENOENT) return Rückholung::Keine;
        return fremd(DSFormat("sie lässt sich nicht öffnen (@).", grund));
    }
    if (::fstat(k.fd, &ks) != 0 || ks.st_size == 0) return Rückholung::Keine;
    if (ks.st_nlink != 1) return fremd(DS("sie ist zugleich unter einem anderen Namen abgelegt."));
    const std::string liste = ZugriffslisteLesen(ziel.c_str()).value_or("");
    if (!DarfSchreiben(ks.st_uid, ds, liste) && !(ks.st_uid == ::geteuid() && schreibbar))
        return fremd(DS("ihr Besitzer darf die Datei nicht schreiben."));
    const auto grösste = static_cast<off_t>(std::min<std::size_t>(grenze, SIZE_MAX / 4));
    if (ks.st_size > static_cast<off_t>(Kopfgrenze) + 2 * grösste)
        return fremd(DS("sie ist grösser als jede Kopie einer solchen Datei."));
    // A copy whose writer still holds it is still being written.
    if (::flock(k.fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        melden(fehler, DS("die Datei wird gerade von einem anderen Programm geschrieben"));
        return Rückholung::Besetzt;
    }
    std::string inhalt;
    int fehlernummer = 0;
    if (!AllesLesen(k.fd, inhalt, fehlernummer)) return fremd(Systemfehler::Text(fehlernummer));
    const auto kopf = KopfLesen(inhalt);
    const std::string keineKopie = DS("sie ist keine Kopie dieser Datei.");
    if (!kopf || kopf->Gerät != static_cast<std::uint64_t>(ds.st_dev) ||
        kopf->Knoten != static_cast<std::uint64_t>(ds.st_ino) || kopf->AltLänge > grenze || kopf->NeuLänge > grenze ||
        inhalt.size() != kopf->Länge + kopf->AltLänge + kopf->NeuLänge)
        return fremd(keineKopie);
    const std::string_view alt = std::string_view(inhalt).substr(kopf->Länge, kopf->AltLänge);
    const std::string_view neu = std::string_view(inhalt).substr(kopf->Länge + kopf->AltLänge);
    if (Prüfwert(alt) != kopf->AltPrüfwert || Prüfwert(neu) != kopf->NeuPrüfwert) return fremd(keineKopie);
    // The file as it is now.
    if (ds.st_size < 0 || static_cast<std::uint64_t>(ds.st_size) > std::max(kopf->AltLänge, kopf->NeuLänge))
        return fremd(DS("die Datei ist nicht so, wie ein abgebrochenes Speichern mit dieser Kopie sie hinterlässt."));
    std::string jetzt;
    if (!AllesLesen(datei.fd, jetzt, fehlernummer)) return fremd(Systemfehler::Text(fehlernummer));
    // Not begun, or done: nothing to put back, the copy only goes.
    const bool zurück = jetzt != alt && jetzt != neu;
    if (zurück && !Zwischenstand(jetzt, alt, neu))
        return fremd(DS("die Datei ist nicht so, wie ein abgebrochenes Speichern mit dieser Kopie sie hinterlässt."));
    auto nichtAngewandt = [&](const std::string& warum) {
        melden(fehler, DSFormat2("Neben der Datei liegt \"@\" (Besitzer: @), der Inhalt der Datei vor einem "
                                 "abgebrochenen Speichern.",
                                 kopie, besitzer) +
                           " " + DS("Er wurde nicht zurückgeschrieben:") + " " + warum);
        return Rückholung::Unmöglich;
    };
    // Applied once only: a copy that stayed would undo a later save.
    const std::string ordner = Ordner(ziel);
    const bool entfernbar = Entfernbar(ordner, ks);
    if (!entfernbar && !leerbar)
        return nichtAngewandt(DS("die Kopie lässt sich hier weder entfernen noch leeren; sie würde sonst "
                                 "ein späteres Speichern rückgängig machen."));
    if (zurück && !schreibbar) return nichtAngewandt(DS("Sie dürfen die Datei nicht schreiben."));
    if (zurück && !AllesSchreiben(datei.fd, alt, fehlernummer))
        return nichtAngewandt(Systemfehler::Text(fehlernummer));
    struct stat noch {};
    const bool dieselbe = ::lstat(kopie.c_str(), &noch) == 0 && noch.st_ino == ks.st_ino && noch.st_dev == ks.st_dev;
    const bool weg = dieselbe && entfernbar && ::unlink(kopie.c_str()) == 0;
    if (!weg && !(leerbar && ::ftruncate(k.fd, 0) == 0 && ::fsync(k.fd) == 0))
        return nichtAngewandt(Systemfehler::Text(errno));
    OrdnerAufDisk(ordner);
    return zurück ? Rückholung::Erledigt : Rückholung::Keine;
}

} // namespace Intern
} // namespace Dateien

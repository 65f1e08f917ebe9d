#include "frame/Dateien.h"
#include "frame/DateienIntern.h"

#include "frame/Systemfehler.h"
#include "frame/basZIRVODialogSprache.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <thread>
#include <utility>
#include <unistd.h>
#include <vector>

namespace Dateien {

namespace Intern {
void melden(std::string* fehler, const std::string& text) {
    if (fehler) *fehler = text;
}

std::string Art(mode_t modus) {
    if (S_ISDIR(modus)) return DS("ein Ordner");
    if (S_ISCHR(modus) || S_ISBLK(modus)) return DS("ein Gerät");
    if (S_ISFIFO(modus)) return DS("eine benannte Pipe (FIFO)");
    if (S_ISSOCK(modus)) return DS("ein Socket");
    if (S_ISLNK(modus)) return DS("ein Link");
    return DS("eine besondere Datei");
}

} // namespace Intern
using namespace Intern;

namespace {
// (The path is put in as it is: it may hold an "@" of its own.)
std::string ArtText(const std::string& pfad, mode_t modus) { return "\"" + pfad + "\" " + Artsatz(modus); }

} // namespace

namespace Intern {
bool AllesLesen(int fd, std::string& inhalt, int& grund) {
    inhalt.clear();
    char puffer[65536];
    for (off_t pos = 0;;) {
        const ssize_t n = ::pread(fd, puffer, sizeof puffer, pos);
        if (n > 0) {
            inhalt.append(puffer, static_cast<std::size_t>(n));
            pos += n;
        } else if (n == 0) {
            return true;
        } else if (errno != EINTR) {
            grund = errno;
            return false;
        }
    }
}

// Writes the bytes into the open file from its start and cuts it after
// them, then flushes it.
bool AllesSchreiben(int fd, std::string_view inhalt, int& grund) {
    for (std::size_t pos = 0; pos < inhalt.size();) {
        const ssize_t n = ::pwrite(fd, inhalt.data() + pos, inhalt.size() - pos, static_cast<off_t>(pos));
        if (n >= 0) pos += static_cast<std::size_t>(n);
        else if (errno != EINTR) {
            grund = errno;
            return false;
        }
    }
    if (::ftruncate(fd, static_cast<off_t>(inhalt.size())) != 0 || ::fsync(fd) != 0) {
        grund = errno;
        return false;
    }
    return true;
}

// A file opened without waiting (a FIFO opened to be read waits for a
// writer, one opened to be written for a reader) and looked at: -1 and the
// reason in fehler when it cannot be opened or is no regular file.
int RegulärÖffnen(const std::string& pfad, int flags, std::string* fehler) {
    const int fd = ::open(pfad.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        // A FIFO without a reader refuses to be opened for writing.
        struct stat st {};
        if (errno == ENXIO && ::stat(pfad.c_str(), &st) == 0) melden(fehler, ArtText(pfad, st.st_mode));
        else melden(fehler, Systemfehler::Text(errno));
        return -1;
    }
    struct stat st {};
    const bool gesehen = ::fstat(fd, &st) == 0;
    if (gesehen && S_ISREG(st.st_mode)) return fd;
    melden(fehler, gesehen ? ArtText(pfad, st.st_mode) : Systemfehler::Text(errno));
    ::close(fd);
    return -1;
}

} // namespace Intern

std::string Artsatz(mode_t modus) { return DSFormat("ist @ und keine gewöhnliche Datei.", Art(modus)); }

std::optional<std::string> Lesen(const std::string& pfad, std::string* fehler, Nebenkopie* kopie) {
    const std::string ziel = LinkZiel(pfad);
    // A write into the file itself that was cut off: its copy holds the
    // old content whole, and it goes back into the file first.
    std::string hinweis;
    const auto rück = KopieZurückholen(ziel, kopie ? kopie->Grenze : Standardgrenze, &hinweis, &hinweis);
    if (kopie) kopie->Hinweis = hinweis;
    if (rück == Rückholung::Besetzt) {
        melden(fehler, hinweis);
        if (kopie) kopie->Hinweis.clear();
        return std::nullopt;
    }
    const int fd = RegulärÖffnen(ziel, O_RDONLY, fehler);
    if (fd < 0) return std::nullopt;
    // Not while another program writes into the file itself.
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !Sperren(fd, LOCK_SH, st, true, fehler)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string inhalt;
    int grund = 0;
    const bool ok = AllesLesen(fd, inhalt, grund);
    ::close(fd);
    if (!ok) {
        melden(fehler, Systemfehler::Text(grund));
        return std::nullopt;
    }
    return inhalt;
}

std::string LinkZiel(const std::string& pfad) {
    namespace fs = std::filesystem;
    fs::path ziel(pfad);
    std::error_code ec;
    // A bounded number of links, as the system itself follows them.
    for (int i = 0; i < 40 && fs::is_symlink(ziel, ec); ++i) {
        fs::path weiter = fs::read_symlink(ziel, ec);
        if (ec) break;
        ziel = weiter.is_absolute() ? weiter : ziel.parent_path() / weiter;
    }
    return ziel.string();
}

namespace {
// The extended attribute that holds a file's access-control list (the
// entries beyond owner, group and others).
constexpr const char* Zugriffsliste = "system.posix_acl_access";
} // namespace

namespace Intern {

// The access-control list of a file as the system stores it; "" when it
// has none (or its file system knows none). Nothing, with errno, when it
// cannot be read.
std::optional<std::string> ZugriffslisteLesen(const char* pfad) {
    for (;;) {
        const ssize_t länge = ::getxattr(pfad, Zugriffsliste, nullptr, 0);
        if (länge < 0) {
            if (errno == ENODATA || errno == ENOTSUP) return std::string();
            return std::nullopt;
        }
        std::string liste(static_cast<std::size_t>(länge), '\0');
        const ssize_t n = ::getxattr(pfad, Zugriffsliste, liste.data(), liste.size());
        if (n >= 0) {
            liste.resize(static_cast<std::size_t>(n));
            return liste;
        }
        // Changed in between: once more with its new length.
        if (errno != ERANGE) return std::nullopt;
    }
}
std::vector<Eintrag> Einträge(const std::string& liste) {
    std::vector<Eintrag> einträge;
    for (std::size_t i = 4; i + sizeof(Eintrag) <= liste.size(); i += sizeof(Eintrag)) {
        Eintrag e;
        std::memcpy(&e, liste.data() + i, sizeof e);
        einträge.push_back(e);
    }
    return einträge;
}
} // namespace Intern

namespace {

// What a replaced file hands on to the file that replaces it.
struct AlteDatei {
    struct stat status {};
    std::string zugriffsliste;
};

// A file made from a mkstemp pattern that its writer holds (an flock on
// it) while it is open, so that no one takes it for a leftover of a write
// that was killed. Closed (and the lock given up) when the object goes.
struct Temporärdatei {
    std::string pfad;
    int fd = -1;
    Temporärdatei() = default;
    Temporärdatei(const Temporärdatei&) = delete;
    Temporärdatei& operator=(const Temporärdatei&) = delete;
    Temporärdatei(Temporärdatei&& t) noexcept : pfad(std::move(t.pfad)), fd(std::exchange(t.fd, -1)) {}
    ~Temporärdatei() {
        if (fd >= 0) ::close(fd);
    }
    bool Leer() const { return fd < 0; }
};

// A new file made from muster with the bytes, flushed, and held. Before
// the bytes go in, vorbereiten(fd) gives it its rights: 0 when done, an
// errno value to fail with, or -1 when the file cannot get them (no file
// is left then, and nothing is reported).
Temporärdatei temporärSchreiben(const std::string& muster, std::string_view inhalt,
                                const std::function<int(int fd)>& vorbereiten, std::string* fehler) {
    Temporärdatei t;
    for (int versuch = 0;; ++versuch) {
        t.pfad = muster;
        t.fd = ::mkostemp(t.pfad.data(), O_CLOEXEC);
        if (t.fd < 0) {
            melden(fehler, Systemfehler::Text(errno));
            return t;
        }
        // Held from now on. A reader that took the file for a leftover in
        // the moment before has it (or has removed it): another one.
        struct stat st {};
        const bool gesperrt = ::flock(t.fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
        if ((gesperrt && ::fstat(t.fd, &st) == 0 && st.st_nlink > 0) || versuch >= 20) break;
        ::close(t.fd);
        t.fd = -1;
    }
    int grund = vorbereiten(t.fd);
    for (const char* p = inhalt.data(); grund == 0 && p < inhalt.data() + inhalt.size();) {
        const ssize_t n = ::write(t.fd, p, static_cast<std::size_t>(inhalt.data() + inhalt.size() - p));
        if (n >= 0) p += n;
        else if (errno != EINTR) grund = errno;
    }
    if (grund == 0 && ::fsync(t.fd) != 0) grund = errno;
    if (grund != 0) {
        if (grund > 0) melden(fehler, Systemfehler::Text(grund));
        ::unlink(t.pfad.c_str());
        ::close(t.fd);
        t.fd = -1;
    }
    return t;
}

// Gives a new file the permission bits rechte; with alt, first that file's
// group (and owner, for root) where the system allows it (a change of owner
// may clear set-id bits), then its access-control list, which sets the
// permission bits as well, to the same ones. With gleich, -1 when the file
// has not got all of them (another user's file, a group the writer is no
// member of); else a list it cannot take fails the write, as the users it
// names would lose their access.
int RechteGeben(int fd, int rechte, const AlteDatei* alt, bool gleich) {
    if (alt) {
        const uid_t besitzer = ::geteuid() == 0 ? alt->status.st_uid : static_cast<uid_t>(-1);
        if (::fchown(fd, besitzer, alt->status.st_gid) != 0) {
            // Not a member of that group: the file keeps the writer's.
        }
    }
    // A file system without permission bits (a FAT stick) gives its own.
    ::fchmod(fd, static_cast<mode_t>(rechte));
    if (alt && !alt->zugriffsliste.empty() &&
        ::fsetxattr(fd, Zugriffsliste, alt->zugriffsliste.data(), alt->zugriffsliste.size(), 0) != 0)
        return gleich ? -1 : errno;
    // Nor does it get a list the old file had not (the folder's default).
    if (alt && alt->zugriffsliste.empty() && ::fremovexattr(fd, Zugriffsliste) != 0) {
        // None there, or a file system without lists.
    }
    struct stat st {};
    if (gleich && alt &&
        (::fstat(fd, &st) != 0 || st.st_uid != alt->status.st_uid || st.st_gid != alt->status.st_gid ||
         (st.st_mode & 07777) != (alt->status.st_mode & 07777)))
        return -1;
    return 0;
}

// The rights of the copy of a file's old content that its writer, who is
// not its owner, makes: the file's owner and group get the rights they have
// on the file, by name, since the copy belongs to the writer and maybe to
// the writer's group, which get nothing through it beyond what the file
// gave them; the users and groups of its list keep theirs; others as on the
// file. So whoever may use the file may put the copy back.
int KopieRechte(int fd, const AlteDatei& alt) {
    const mode_t m = alt.status.st_mode;
    if (::fchown(fd, static_cast<uid_t>(-1), alt.status.st_gid) != 0) {
        // Not a member of that group.
    }
    struct stat st {};
    const bool gleicheGruppe = ::fstat(fd, &st) == 0 && st.st_gid == alt.status.st_gid;
    ::fchmod(fd, 0600 | (m & 0006) | (gleicheGruppe ? m & 0060 : 0));
    std::vector<Eintrag> einträge;
    std::uint16_t maske = 7, besitzer = static_cast<std::uint16_t>((m >> 6) & 7),
                  gruppe = static_cast<std::uint16_t>((m >> 3) & 7);
    for (const Eintrag& e : Einträge(alt.zugriffsliste)) {
        if (e.Art == Maske_) maske = e.Rechte;
        else if (e.Art == Besitzer_) besitzer = e.Rechte;
        else if (e.Art == Gruppe_) gruppe = e.Rechte;
        else if (e.Art == Benutzer_ || e.Art == Gruppen_) einträge.push_back(e);
    }
    // The rights the list's entries had in effect.
    for (Eintrag& e : einträge) e.Rechte &= maske;
    gruppe &= maske;
    auto dazu = [&einträge](std::uint16_t art, std::uint32_t id, std::uint16_t rechte) {
        for (Eintrag& e : einträge)
            if (e.Art == art && e.Id == id) return void(e.Rechte |= rechte);
        einträge.push_back({art, rechte, id});
    };
    dazu(Benutzer_, alt.status.st_uid, besitzer);
    dazu(Gruppen_, alt.status.st_gid, gruppe);
    std::uint16_t neueMaske = 0;
    for (const Eintrag& e : einträge) neueMaske |= e.Rechte;
    einträge.push_back({Besitzer_, 6, 0xFFFFFFFFu});
    einträge.push_back({Gruppe_, 0, 0xFFFFFFFFu});
    einträge.push_back({Maske_, neueMaske, 0xFFFFFFFFu});
    einträge.push_back({Andere_, static_cast<std::uint16_t>(m & 7), 0xFFFFFFFFu});
    std::sort(einträge.begin(), einträge.end(),
              [](const Eintrag& a, const Eintrag& b) { return a.Art != b.Art ? a.Art < b.Art : a.Id < b.Id; });
    const std::uint32_t version = 2;
    std::string liste(reinterpret_cast<const char*>(&version), 4);
    liste.append(reinterpret_cast<const char*>(einträge.data()), einträge.size() * sizeof(Eintrag));
    // A file system without lists: the bits set above hold.
    if (::fsetxattr(fd, Zugriffsliste, liste.data(), liste.size(), 0) != 0) {
    }
    return 0;
}

} // namespace

namespace Intern {
// The system's answer for this user (its permission bits and access-control
// list as they apply), and the mode that gives nobody write access, which
// the system does not hold against root.
bool OhneSchreibrecht(const char* pfad, const struct stat& st) {
    if ((st.st_mode & 0222) == 0) return true;
    return ::faccessat(AT_FDCWD, pfad, W_OK, AT_EACCESS) != 0 && (errno == EACCES || errno == EPERM);
}

std::string Ordner(const std::string& ziel) {
    const std::filesystem::path p(ziel);
    return p.has_parent_path() ? p.parent_path().string() : std::string(".");
}

} // namespace Intern

namespace {

bool schreiben(const std::string& pfad, std::string_view inhalt, std::string* fehler, Nebenkopie* nk,
               int versuch = 0);

// Writes into the file itself, whose owner (or group or mode) a new file
// made by this user could not have: first a complete copy of its old
// content beside it (with the new content, so that the next open can tell
// a cut-off write of exactly these bytes), on disk and held, and the file's
// attribute that names the copy and its hash, then the new content, then
// the copy and the attribute go. A write that is cut off leaves both, which
// the next open or save puts back (KopieZurückholen).
bool ImDateiSchreiben(const std::string& ziel, std::string_view inhalt, const AlteDatei& alt, std::string* fehler,
                      Nebenkopie* nk, int versuch) {
    const int fd = RegulärÖffnen(ziel, O_RDWR | O_NOFOLLOW, fehler);
    if (fd < 0) return false;
    auto fehlschlag = [&](const std::string& text) {
        melden(fehler, text);
        ::close(fd);
        return false;
    };
    struct stat offen {}, jetzt {};
    std::string sperrgrund;
    if (::fstat(fd, &offen) != 0 || !Sperren(fd, LOCK_EX, offen, false, &sperrgrund)) return fehlschlag(sperrgrund);
    // A save that held the lock may have put a new file in its place: that
    // one is written, from the start.
    if (::stat(ziel.c_str(), &jetzt) != 0 || offen.st_ino != jetzt.st_ino || offen.st_dev != jetzt.st_dev) {
        ::close(fd);
        if (versuch < 20) return schreiben(ziel, inhalt, fehler, nk, versuch + 1);
        melden(fehler, DS("die Datei wird gerade von einem anderen Programm geschrieben"));
        return false;
    }
    std::string bisher;
    int grund = 0;
    if (!AllesLesen(fd, bisher, grund)) return fehlschlag(Systemfehler::Text(grund));
    const std::string ordner = Ordner(ziel), text = Kopietext(offen, bisher, inhalt);
    std::string kopiefehler;
    Temporärdatei kopie = temporärSchreiben(Kopiemuster(ziel), text,
                                            [&alt](int kfd) { return KopieRechte(kfd, alt); }, &kopiefehler);
    if (kopie.Leer()) return fehlschlag(kopiefehler);
    // A file system without user attributes: the copy alone, which the
    // next open offers rather than applies.
    const int gesetzt = KopieattributSetzen(fd, kopie.pfad, text);
    if ((gesetzt != 0 && gesetzt != ENOTSUP) || !OrdnerAufDisk(ordner, &kopiefehler)) {
        KopieattributEntfernen(fd);
        ::unlink(kopie.pfad.c_str());
        return fehlschlag(gesetzt != 0 && gesetzt != ENOTSUP ? Systemfehler::Text(gesetzt) : kopiefehler);
    }
    if (ImDateiUnterbrechung && ::pwrite(fd, inhalt.data(), inhalt.size() / 2, 0) >= 0) ImDateiUnterbrechung();
    if (!AllesSchreiben(fd, inhalt, grund)) {
        // The old content back; should that fail too, the copy stays for
        // the next open.
        int zurück = 0;
        if (AllesSchreiben(fd, bisher, zurück)) {
            ::unlink(kopie.pfad.c_str());
            KopieattributEntfernen(fd);
        }
        return fehlschlag(Systemfehler::Text(grund));
    }
    // The copy goes, then the attribute that names it (an attribute left
    // by a crash in between names nothing there, and the next open removes
    // it).
    ::unlink(kopie.pfad.c_str());
    if (!OrdnerAufDisk(ordner, fehler)) {
        ::close(fd);
        return false;
    }
    KopieattributEntfernen(fd);
    ::close(fd);
    return true;
}

// Writes the file a link points to: through a temporary file beside it,
// renamed over it, with the permission bits, access-control list, group and
// owner of the old file (0644 and the writer's without one); into the file
// itself where a new file could not have them.
bool schreiben(const std::string& pfad, std::string_view inhalt, std::string* fehler, Nebenkopie* nk, int versuch) {
    const std::string ziel = LinkZiel(pfad);
    AlteDatei alt;
    const bool hatAlte = ::stat(ziel.c_str(), &alt.status) == 0;
    if (!hatAlte && errno != ENOENT) {
        melden(fehler, Systemfehler::Text(errno));
        return false;
    }
    // Only a regular file is replaced: never a device, a FIFO, a socket or
    // a folder that the path (or its link) names.
    if (hatAlte && !S_ISREG(alt.status.st_mode)) {
        melden(fehler, ArtText(ziel, alt.status.st_mode));
        return false;
    }
    // The rename would replace a file that the writer may not write, since
    // the folder's permission alone lets it.
    if (hatAlte && OhneSchreibrecht(ziel.c_str(), alt.status)) {
        melden(fehler, DS("die Datei ist schreibgeschützt"));
        return false;
    }
    if (hatAlte) {
        // What a write that was cut off left: the old content goes back
        // first. A copy that could not be applied and stays would undo
        // this save later.
        std::string hinweis;
        const auto rück = KopieZurückholen(ziel, nk ? nk->Grenze : Standardgrenze, fehler, &hinweis);
        if (nk) nk->Hinweis = hinweis;
        if (rück == Rückholung::Besetzt || rück == Rückholung::Unmöglich) return false;
        auto liste = ZugriffslisteLesen(ziel.c_str());
        if (!liste) {
            melden(fehler, Systemfehler::Text(errno));
            return false;
        }
        alt.zugriffsliste = std::move(*liste);
    }
    SchreibresteEntfernen(ziel, Restealter);
    // Another user's file: only root may give a new file its owner.
    if (hatAlte && ::geteuid() != 0 && alt.status.st_uid != ::geteuid())
        return ImDateiSchreiben(ziel, inhalt, alt, fehler, nk, versuch);
    // The old file stays locked until the new one has taken its name, so
    // that no write into it (nor a reader) comes in between.
    struct Sperrhalter {
        int fd = -1;
        ~Sperrhalter() {
            if (fd >= 0) ::close(fd);
        }
    } alte;
    // A reader's lock (shared, or held by a user who may not write the
    // file) is no obstacle: the reader keeps the old file it has open.
    if (hatAlte && (alte.fd = ::open(ziel.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC)) >= 0 &&
        !Sperren(alte.fd, LOCK_SH, alt.status, true, fehler))
        return false;
    const int rechte = hatAlte ? static_cast<int>(alt.status.st_mode & 07777) : 0644;
    bool ungleich = false;
    Temporärdatei temp = temporärSchreiben(
        Temporärmuster(ziel), inhalt,
        [&](int fd) {
            const int r = RechteGeben(fd, rechte, hatAlte ? &alt : nullptr, hatAlte);
            ungleich = r < 0;
            return r;
        },
        fehler);
    if (ungleich) {
        if (alte.fd >= 0) ::close(alte.fd);
        alte.fd = -1;
        return ImDateiSchreiben(ziel, inhalt, alt, fehler, nk, versuch);
    }
    if (temp.Leer()) return false;
    if (::rename(temp.pfad.c_str(), ziel.c_str()) != 0) {
        melden(fehler, Systemfehler::Text(errno));
        ::unlink(temp.pfad.c_str());
        return false;
    }
    // The new name is on disk only once the folder is.
    return OrdnerAufDisk(Ordner(ziel), fehler);
}

} // namespace

std::string TemporärSchreiben(const std::string& muster, std::string_view inhalt, int rechte, std::string* fehler) {
    const Temporärdatei t =
        temporärSchreiben(muster, inhalt, [rechte](int fd) { return RechteGeben(fd, rechte, nullptr, false); },
                             fehler);
    return t.Leer() ? std::string() : t.pfad;
}

std::string Artfehler(const std::string& pfad) {
    const std::string ziel = LinkZiel(pfad);
    struct stat st {};
    if (::stat(ziel.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return "";
    return ArtText(ziel, st.st_mode);
}

bool Schreibgeschützt(const std::string& pfad) {
    struct stat st {};
    return ::stat(pfad.c_str(), &st) == 0 && S_ISREG(st.st_mode) && OhneSchreibrecht(pfad.c_str(), st);
}

Inhaltsstand Stand(std::string_view inhalt) { return {inhalt.size(), std::hash<std::string_view>{}(inhalt)}; }

bool OrdnerAufDisk(const std::string& ordner, std::string* fehler) {
    // A file system that cannot flush a folder (EINVAL) keeps its names by
    // itself.
    const int ordnerFd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (ordnerFd < 0) return true;
    const bool ok = ::fsync(ordnerFd) == 0 || errno == EINVAL || errno == EROFS;
    const int grund = errno;
    ::close(ordnerFd);
    if (!ok) melden(fehler, Systemfehler::Text(grund));
    return ok;
}

bool KopieNachsehen(const std::string& pfad, Nebenkopie& kopie, std::string* fehler) {
    const std::string ziel = LinkZiel(pfad);
    struct stat st {};
    kopie.Hinweis.clear();
    if (::stat(ziel.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return true;
    const auto rück = KopieZurückholen(ziel, kopie.Grenze, fehler, &kopie.Hinweis);
    return rück != Rückholung::Besetzt && rück != Rückholung::Unmöglich;
}

bool SicherSchreiben(const std::string& pfad, std::string_view inhalt, std::string* fehler, Nebenkopie* kopie) {
    return schreiben(pfad, inhalt, fehler, kopie);
}

void DateigrössenSignalAbschalten() { std::signal(SIGXFSZ, SIG_IGN); }

int SperreAbwarten(int fd, int art, std::chrono::milliseconds wartezeit) {
    const auto bis = std::chrono::steady_clock::now() + wartezeit;
    for (;;) {
        if (::flock(fd, art | LOCK_NB) == 0) return 0;
        const int grund = errno;
        if (grund != EWOULDBLOCK && grund != EINTR) return grund;
        if (grund == EWOULDBLOCK && std::chrono::steady_clock::now() >= bis) return grund;
        if (grund == EWOULDBLOCK) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

std::size_t Zeichenanfang(std::string_view text, std::size_t stelle) {
    while (stelle > 0 && stelle < text.size() && (static_cast<unsigned char>(text[stelle]) & 0xC0) == 0x80) --stelle;
    return stelle;
}

std::string Kurzname(std::string_view dateiname) {
    // "." before it and the longer of the temporary file's and the copy's
    // endings after.
    constexpr std::size_t zusatz = 1 + std::max(Tempendung.size(), Kopieendung.size()) + 6, grenze = 255;
    if (dateiname.size() + zusatz <= grenze) return std::string(dateiname);
    // Cut at a character's start; the whole name's hash (FNV-1a) keeps apart
    // names that begin alike.
    char zeichen[17];
    std::snprintf(zeichen, sizeof zeichen, "%016llx", static_cast<unsigned long long>(Prüfwert(dateiname)));
    const std::size_t bleibt = Zeichenanfang(dateiname, grenze - zusatz - 1 - 16);
    return std::string(dateiname.substr(0, bleibt)) + "~" + zeichen;
}

namespace {
// "." + the short name + endung beside the file a link points to.
std::string Versteckt(const std::string& pfad, const std::string& endung) {
    const std::filesystem::path ziel(LinkZiel(pfad));
    return (std::filesystem::path(Ordner(ziel.string())) / ("." + Kurzname(ziel.filename().string()) + endung))
        .string();
}
} // namespace

std::string Temporärmuster(const std::string& pfad) { return Versteckt(pfad, std::string(Tempendung) + "XXXXXX"); }

std::string Kopiemuster(const std::string& pfad) { return Versteckt(pfad, std::string(Kopieendung) + "XXXXXX"); }

namespace {
// Whether name is "." + the short name of dateiname + endung, and then six
// letters or digits (or, mitFester, nothing).
bool IstVersteckt(std::string_view name, std::string_view dateiname, std::string_view endung, bool mitFester) {
    if (dateiname.empty()) return false;
    const std::string kurz = Kurzname(dateiname);
    const std::size_t länge = 1 + kurz.size() + endung.size();
    if (name.size() < länge || name[0] != '.' || name.substr(1, kurz.size()) != kurz ||
        name.substr(1 + kurz.size(), endung.size()) != endung)
        return false;
    return (mitFester && name.size() == länge) || (name.size() == länge + 6 && IstZufallsendung(name.substr(länge)));
}
} // namespace

bool IstSchreibrest(std::string_view name, std::string_view dateiname) {
    return IstVersteckt(name, dateiname, Tempendung, false);
}

bool IstKopie(std::string_view name, std::string_view dateiname, bool mitFrüheren) {
    // The earlier fixed name is the ending without its last character.
    return IstVersteckt(name, dateiname, Kopieendung, false) ||
           (mitFrüheren && IstVersteckt(name, dateiname, Kopieendung.substr(0, Kopieendung.size() - 1), true));
}

bool IstZufallsendung(std::string_view s) {
    if (s.size() != 6) return false;
    for (char c : s)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

namespace {
// The files in ordner whose names istRest takes, plain files only (a link
// or folder of such a name is none of ours).
std::vector<std::filesystem::path> Reste(const std::string& ordner,
                                         const std::function<bool(std::string_view name)>& istRest) {
    namespace fs = std::filesystem;
    std::vector<fs::path> reste;
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        if (!istRest(it->path().filename().string())) continue;
        std::error_code ec2;
        if (fs::is_regular_file(it->symlink_status(ec2)) && !ec2) reste.push_back(it->path());
    }
    return reste;
}

// The leftovers of interrupted writes of pfad.
std::vector<std::filesystem::path> Schreibreste(const std::string& pfad) {
    const std::filesystem::path ziel(LinkZiel(pfad));
    const std::string name = ziel.filename().string();
    return Reste(Ordner(ziel.string()), [&name](std::string_view n) { return IstSchreibrest(n, name); });
}
} // namespace

int ResteEntfernen(const std::string& ordner, const std::function<bool(std::string_view name)>& istRest,
                   std::chrono::seconds mindestalter) {
    namespace fs = std::filesystem;
    const auto grenze = fs::file_time_type::clock::now() - mindestalter;
    int entfernt = 0;
    for (const auto& rest : Reste(ordner, istRest)) {
        // Its writer holds it while it writes: it goes only once this
        // program gets its lock. Where the file system takes no locks, only
        // one untouched for mindestalter goes.
        const int fd = ::open(rest.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat offen {}, jetzt {};
        const int gesperrt = ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
        std::error_code ec;
        const auto geschrieben = fs::last_write_time(rest, ec);
        const bool frei =
            gesperrt == 0 || (gesperrt != EWOULDBLOCK && gesperrt != EINTR &&
                              !(mindestalter.count() > 0 && (ec || geschrieben > grenze)));
        // Still the file that was looked at.
        if (frei && ::fstat(fd, &offen) == 0 && ::lstat(rest.c_str(), &jetzt) == 0 && offen.st_ino == jetzt.st_ino &&
            offen.st_dev == jetzt.st_dev && S_ISREG(jetzt.st_mode) && ::unlink(rest.c_str()) == 0)
            ++entfernt;
        ::close(fd);
    }
    return entfernt;
}

int SchreibresteEntfernen(const std::string& pfad, std::chrono::seconds mindestalter) {
    const std::filesystem::path ziel(LinkZiel(pfad));
    const std::string name = ziel.filename().string();
    return ResteEntfernen(
        Ordner(ziel.string()), [&name](std::string_view n) { return IstSchreibrest(n, name); }, mindestalter);
}

bool HatSchreibreste(const std::string& pfad) { return !Schreibreste(pfad).empty(); }

std::vector<std::string> Kopien(const std::string& pfad) {
    const std::filesystem::path ziel(LinkZiel(pfad));
    const std::string name = ziel.filename().string();
    std::vector<std::string> kopien;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(Ordner(ziel.string()), ec), ende; !ec && it != ende;
         it.increment(ec))
        if (IstKopie(it->path().filename().string(), name, true)) kopien.push_back(it->path().string());
    return kopien;
}


bool Vorhanden(const std::string& pfad) {
    std::error_code ec;
    return !pfad.empty() && std::filesystem::is_regular_file(pfad, ec);
}

std::string Besitzer(const std::string& pfad) {
    struct stat info {};
    if (::lstat(pfad.c_str(), &info) != 0) return "";
    return Intern::Benutzername(info.st_uid);
}

} // namespace Dateien

#include "frame/Dateien.h"

#include "frame/Systemfehler.h"
#include "frame/basZIRVODialogSprache.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace Dateien {

namespace {
void melden(std::string* fehler, const std::string& text) {
    if (fehler) *fehler = text;
}
} // namespace

std::optional<std::string> Lesen(const std::string& pfad, std::string* fehler) {
    std::error_code ec;
    if (std::filesystem::is_directory(pfad, ec)) {
        melden(fehler, Systemfehler::Text(EISDIR));
        return std::nullopt;
    }
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) {
        melden(fehler, Systemfehler::Text(errno));
        return std::nullopt;
    }
    std::string inhalt((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
    if (ein.bad()) {
        melden(fehler, Systemfehler::Text(EIO));
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

// What a replaced file hands on to the file that replaces it.
struct AlteDatei {
    struct stat status {};
    std::string zugriffsliste;
};

// A new file made from muster with the bytes, flushed and closed; with
// alt, it takes that file's group (and owner, for root) where the system
// allows it, before the permission bits are set (a change of owner may
// clear set-id bits), and then its access-control list.
std::string temporärSchreiben(const std::string& muster, std::string_view inhalt, int rechte, const AlteDatei* alt,
                              std::string* fehler) {
    std::string temp = muster;
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        melden(fehler, Systemfehler::Text(errno));
        return "";
    }
    if (alt) {
        const uid_t besitzer = ::geteuid() == 0 ? alt->status.st_uid : static_cast<uid_t>(-1);
        if (::fchown(fd, besitzer, alt->status.st_gid) != 0) {
            // Not a member of that group: the file keeps the writer's.
        }
    }
    // A file system without permission bits (a FAT stick) gives its own.
    ::fchmod(fd, static_cast<mode_t>(rechte));
    int grund = 0;
    // The list sets the permission bits as well, to the same ones. A new
    // file that cannot take it is not put in the old one's place: the
    // users the list names would lose their access.
    if (alt && !alt->zugriffsliste.empty() &&
        ::fsetxattr(fd, Zugriffsliste, alt->zugriffsliste.data(), alt->zugriffsliste.size(), 0) != 0)
        grund = errno;
    for (const char* p = inhalt.data(); grund == 0 && p < inhalt.data() + inhalt.size();) {
        const ssize_t n = ::write(fd, p, static_cast<std::size_t>(inhalt.data() + inhalt.size() - p));
        if (n >= 0) p += n;
        else if (errno != EINTR) grund = errno;
    }
    // The file is closed whether or not the flush succeeded.
    if (grund == 0 && ::fsync(fd) != 0) grund = errno;
    if (::close(fd) != 0 && grund == 0) grund = errno;
    if (grund != 0) {
        melden(fehler, Systemfehler::Text(grund));
        ::unlink(temp.c_str());
        return "";
    }
    return temp;
}

// The system's answer for this user (its permission bits and access-control
// list as they apply), and the mode that gives nobody write access, which
// the system does not hold against root.
bool OhneSchreibrecht(const char* pfad, const struct stat& st) {
    if ((st.st_mode & 0222) == 0) return true;
    return ::faccessat(AT_FDCWD, pfad, W_OK, AT_EACCESS) != 0 && (errno == EACCES || errno == EPERM);
}

// Writes through a temporary file beside the target (the file a link points
// to), with the permission bits, access-control list, group and owner of
// the old file (0644 and the writer's without one).
bool schreiben(const std::string& pfad, std::string_view inhalt, std::string* fehler) {
    namespace fs = std::filesystem;
    const fs::path ziel(LinkZiel(pfad));
    std::error_code ec;
    if (fs::is_directory(ziel, ec)) {
        melden(fehler, Systemfehler::Text(EISDIR));
        return false;
    }
    fs::path ordner = ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");
    AlteDatei alt;
    const bool hatAlte = ::stat(ziel.c_str(), &alt.status) == 0;
    // The rename would replace a file that the writer may not write, since
    // the folder's permission alone lets it.
    if (hatAlte && OhneSchreibrecht(ziel.c_str(), alt.status)) {
        melden(fehler, DS("die Datei ist schreibgeschützt"));
        return false;
    }
    if (hatAlte) {
        auto liste = ZugriffslisteLesen(ziel.c_str());
        if (!liste) {
            melden(fehler, Systemfehler::Text(errno));
            return false;
        }
        alt.zugriffsliste = std::move(*liste);
    }
    const int rechte = hatAlte ? static_cast<int>(alt.status.st_mode & 07777) : 0644;
    const std::string temp = temporärSchreiben(
        (ordner / ("." + ziel.filename().string() + ".tmpXXXXXX")).string(), inhalt, rechte, hatAlte ? &alt : nullptr,
        fehler);
    if (temp.empty()) return false;
    if (::rename(temp.c_str(), ziel.c_str()) != 0) {
        melden(fehler, Systemfehler::Text(errno));
        ::unlink(temp.c_str());
        return false;
    }
    // The new name is on disk only once the folder is.
    return OrdnerAufDisk(ordner.string(), fehler);
}

} // namespace

std::string TemporärSchreiben(const std::string& muster, std::string_view inhalt, int rechte, std::string* fehler) {
    return temporärSchreiben(muster, inhalt, rechte, nullptr, fehler);
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

bool SicherSchreiben(const std::string& pfad, std::string_view inhalt, std::string* fehler) {
    return schreiben(pfad, inhalt, fehler);
}

void DateigrössenSignalAbschalten() { std::signal(SIGXFSZ, SIG_IGN); }

bool IstSchreibrest(std::string_view name, std::string_view dateiname) {
    // "." name ".tmp" and the six letters or digits mkstemp puts in.
    const std::size_t länge = 1 + dateiname.size() + 4 + 6;
    if (dateiname.empty() || name.size() != länge || name[0] != '.' ||
        name.substr(1, dateiname.size()) != dateiname || name.substr(1 + dateiname.size(), 4) != ".tmp")
        return false;
    return IstZufallsendung(name.substr(länge - 6));
}

bool IstZufallsendung(std::string_view s) {
    if (s.size() != 6) return false;
    for (char c : s)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

namespace {
// The leftovers of interrupted writes of pfad.
std::vector<std::filesystem::path> Schreibreste(const std::string& pfad) {
    namespace fs = std::filesystem;
    const fs::path ziel(LinkZiel(pfad));
    const fs::path ordner = ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");
    const std::string name = ziel.filename().string();
    std::vector<fs::path> reste;
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        if (!IstSchreibrest(it->path().filename().string(), name)) continue;
        std::error_code ec2;
        // Only plain files: a link or folder of that name is none of ours.
        if (fs::is_regular_file(it->symlink_status(ec2)) && !ec2) reste.push_back(it->path());
    }
    return reste;
}
} // namespace

int SchreibresteEntfernen(const std::string& pfad) {
    int entfernt = 0;
    for (const auto& rest : Schreibreste(pfad))
        if (::unlink(rest.c_str()) == 0) ++entfernt;
    return entfernt;
}

bool HatSchreibreste(const std::string& pfad) { return !Schreibreste(pfad).empty(); }

bool Vorhanden(const std::string& pfad) {
    std::error_code ec;
    return !pfad.empty() && std::filesystem::is_regular_file(pfad, ec);
}

std::string Besitzer(const std::string& pfad) {
    struct stat info {};
    if (::lstat(pfad.c_str(), &info) != 0) return "";
    std::vector<char> puffer(16384);
    passwd eintrag{}, *gefunden = nullptr;
    if (::getpwuid_r(info.st_uid, &eintrag, puffer.data(), puffer.size(), &gefunden) == 0 && gefunden &&
        gefunden->pw_name)
        return gefunden->pw_name;
    return std::to_string(info.st_uid);
}

} // namespace Dateien

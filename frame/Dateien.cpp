#include "frame/Dateien.h"

#include "frame/Systemfehler.h"
#include "frame/basZIRVODialogSprache.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
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

// A new file made from muster with the bytes, flushed and closed; with
// alt, it takes that file's group (and owner, for root) where the system
// allows it, before the permission bits are set (a change of owner may
// clear set-id bits).
std::string temporärSchreiben(const std::string& muster, std::string_view inhalt, int rechte,
                              const struct stat* alt, std::string* fehler) {
    std::string temp = muster;
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        melden(fehler, Systemfehler::Text(errno));
        return "";
    }
    if (alt) {
        const uid_t besitzer = ::geteuid() == 0 ? alt->st_uid : static_cast<uid_t>(-1);
        if (::fchown(fd, besitzer, alt->st_gid) != 0) {
            // Not a member of that group: the file keeps the writer's.
        }
    }
    // A file system without permission bits (a FAT stick) gives its own.
    ::fchmod(fd, static_cast<mode_t>(rechte));
    int grund = 0;
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

bool OhneSchreibrecht(const struct stat& st) { return (st.st_mode & 0222) == 0; }

// Writes through a temporary file beside the target (the file a link points
// to), with the permission bits, group and owner of the old file (0644 and
// the writer's without one).
bool schreiben(const std::string& pfad, std::string_view inhalt, std::string* fehler) {
    namespace fs = std::filesystem;
    const fs::path ziel(LinkZiel(pfad));
    std::error_code ec;
    if (fs::is_directory(ziel, ec)) {
        melden(fehler, Systemfehler::Text(EISDIR));
        return false;
    }
    fs::path ordner = ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");
    struct stat alt {};
    const bool hatAlte = ::stat(ziel.c_str(), &alt) == 0;
    // The rename would replace a file that its mode protects.
    if (hatAlte && OhneSchreibrecht(alt)) {
        melden(fehler, DS("die Datei ist schreibgeschützt"));
        return false;
    }
    const int rechte = hatAlte ? static_cast<int>(alt.st_mode & 07777) : 0644;
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
    return ::stat(pfad.c_str(), &st) == 0 && S_ISREG(st.st_mode) && OhneSchreibrecht(st);
}

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

} // namespace Dateien

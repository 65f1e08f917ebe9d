#include "frame/Dateien.h"

#include "frame/Systemfehler.h"

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

// Writes through a temporary file beside the target (the file a link points
// to). rechte: the permission bits of the new file; -1 keeps those of the
// old file (0644 without one).
bool schreiben(const std::string& pfad, std::string_view inhalt, std::string* fehler, int rechte) {
    namespace fs = std::filesystem;
    const fs::path ziel(LinkZiel(pfad));
    std::error_code ec;
    if (fs::is_directory(ziel, ec)) {
        melden(fehler, Systemfehler::Text(EISDIR));
        return false;
    }
    fs::path ordner = ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");
    std::string muster = (ordner / ("." + ziel.filename().string() + ".tmpXXXXXX")).string();
    int fd = ::mkstemp(muster.data());
    if (fd < 0) {
        melden(fehler, Systemfehler::Text(errno));
        return false;
    }
    // Keep the old file's permissions where there is one.
    struct stat alt {};
    if (rechte >= 0) ::fchmod(fd, static_cast<mode_t>(rechte));
    else if (::stat(ziel.c_str(), &alt) == 0) ::fchmod(fd, alt.st_mode & 07777);
    else ::fchmod(fd, 0644);
    const char* p = inhalt.data();
    std::size_t rest = inhalt.size();
    while (rest > 0) {
        ssize_t n = ::write(fd, p, rest);
        if (n < 0) {
            if (errno == EINTR) continue;
            melden(fehler, Systemfehler::Text(errno));
            ::close(fd);
            ::unlink(muster.c_str());
            return false;
        }
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
    // The file is closed whether or not the flush succeeded.
    const int sync = ::fsync(fd) == 0 ? 0 : errno;
    const int zu = ::close(fd) == 0 ? 0 : errno;
    if (sync != 0 || zu != 0) {
        melden(fehler, Systemfehler::Text(sync != 0 ? sync : zu));
        ::unlink(muster.c_str());
        return false;
    }
    if (::rename(muster.c_str(), ziel.c_str()) != 0) {
        melden(fehler, Systemfehler::Text(errno));
        ::unlink(muster.c_str());
        return false;
    }
    // The new name is on disk only once the folder is; a file system that
    // cannot flush a folder (EINVAL) keeps its names by itself.
    const int ordnerFd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (ordnerFd >= 0) {
        const bool ok = ::fsync(ordnerFd) == 0 || errno == EINVAL || errno == EROFS;
        const int grund = errno;
        ::close(ordnerFd);
        if (!ok) {
            melden(fehler, Systemfehler::Text(grund));
            return false;
        }
    }
    return true;
}

} // namespace

bool SicherSchreiben(const std::string& pfad, std::string_view inhalt, std::string* fehler) {
    return schreiben(pfad, inhalt, fehler, -1);
}

void DateigrössenSignalAbschalten() { std::signal(SIGXFSZ, SIG_IGN); }

bool IstSchreibrest(std::string_view name, std::string_view dateiname) {
    // "." name ".tmp" and the six letters or digits mkstemp puts in.
    const std::size_t länge = 1 + dateiname.size() + 4 + 6;
    if (dateiname.empty() || name.size() != länge || name[0] != '.' ||
        name.substr(1, dateiname.size()) != dateiname || name.substr(1 + dateiname.size(), 4) != ".tmp")
        return false;
    for (char c : name.substr(länge - 6))
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

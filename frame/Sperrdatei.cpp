#include "frame/Sperrdatei.h"

#include "frame/Dateien.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

Sperrdatei::Sperrdatei(const std::string& pfad, bool exklusiv, const std::string& datei,
                       std::chrono::milliseconds warten)
    : pfad_(pfad) {
    // Never through a link, and never blocking on a FIFO of that name.
    constexpr int art = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    fd_ = ::open(pfad.c_str(), O_RDWR | art);
    if (fd_ < 0 && errno == ENOENT) {
        fd_ = ::open(pfad.c_str(), O_RDWR | O_CREAT | O_EXCL | art, 0666);
        if (fd_ < 0 && errno == EEXIST) fd_ = ::open(pfad.c_str(), O_RDWR | art);
    }
    // A lock file this user may read but not write locks all the same.
    if (fd_ < 0) {
        const int grund = errno;
        fd_ = ::open(pfad.c_str(), O_RDONLY | art);
        if (fd_ < 0) {
            // Not there: why it could not be made.
            grund_ = errno == ENOENT ? grund : errno;
            return;
        }
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        grund_ = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd_);
        fd_ = -1;
        return;
    }
    RechteAngleichen(datei);
    if (const int grund = Dateien::SperreAbwarten(fd_, exklusiv ? LOCK_EX : LOCK_SH, warten); grund != 0) {
        grund_ = grund;
        besetzt_ = grund == EWOULDBLOCK;
        ::close(fd_);
        fd_ = -1;
        return;
    }
    if (::lseek(fd_, 0, SEEK_END) == 0 && ::write(fd_, "$", 1) != 1) {
        // A lock file that stays empty locks all the same.
    }
}

Sperrdatei::~Sperrdatei() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
}

void Sperrdatei::RechteAngleichen(const std::string& datei) const {
    struct stat sperre {}, db {};
    if (fd_ < 0 || ::fstat(fd_, &sperre) != 0 || sperre.st_uid != ::geteuid() || ::stat(datei.c_str(), &db) != 0)
        return;
    if (sperre.st_gid != db.st_gid && ::fchown(fd_, static_cast<uid_t>(-1), db.st_gid) != 0) {
        // Not a member of that group: the lock file keeps the creator's.
    }
    const mode_t bisher = sperre.st_mode & 07777;
    const mode_t rechte = bisher | 0600 | (db.st_mode & 0066);
    if (rechte != bisher && ::fchmod(fd_, rechte) != 0) {
        // A file system without permission bits gives its own.
    }
}

std::string Sperrdatei::Daneben(const std::string& datei) {
    std::string name = Dateien::LinkZiel(datei);
    const std::size_t anfang = name.rfind('/') + 1;
    // A name at the 255 bytes a name may have gives up its last character
    // (and what is left of a character cut there).
    if (name.size() - anfang >= 255) name.resize(std::max(anfang, Dateien::Zeichenanfang(name, anfang + 254)));
    return name + "$";
}

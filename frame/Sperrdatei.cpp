#include "frame/Sperrdatei.h"

#include "frame/Dateien.h"
#include "frame/Systemfehler.h"
#include "frame/basZIRVODialogSprache.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Gives a lock file of this user's its rights: readable by everyone who
// reaches its folder (which is all an flock needs), with the guarded
// file's group, and writable by its maker alone: a file that others may
// fill could be passed off, under another name, as something written by
// its maker.
void Angleichen(int fd, const std::string& datei) {
    struct stat sperre {}, db {};
    if (::fstat(fd, &sperre) != 0 || sperre.st_uid != ::geteuid()) return;
    const bool mitDatei = !datei.empty() && ::stat(datei.c_str(), &db) == 0;
    if (mitDatei && sperre.st_gid != db.st_gid && ::fchown(fd, static_cast<uid_t>(-1), db.st_gid) != 0) {
        // Not a member of that group: the lock file keeps the creator's.
    }
    const mode_t bisher = sperre.st_mode & 07777;
    const mode_t rechte = (bisher & ~mode_t(0022)) | 0644;
    if (rechte != bisher && ::fchmod(fd, rechte) != 0) {
        // A file system without permission bits gives its own.
    }
}

} // namespace

bool Sperrdatei::Öffnen(int& fd, const std::string& datei) {
    // Never through a link, and never waiting on a FIFO or device of that
    // name (nor opening one at all where it is seen first).
    constexpr int art = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    stand_ = Stand::Unbenutzbar;
    satz_.clear();
    grund_ = 0;
    struct stat st {};
    if (::lstat(pfad_.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        satz_ = Dateien::Artsatz(st.st_mode);
        return false;
    }
    fd = ::open(pfad_.c_str(), O_RDWR | art);
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(pfad_.c_str(), O_RDWR | O_CREAT | O_EXCL | art, 0644);
        // Made by another program just now: that one is opened.
        if (fd < 0 && errno == EEXIST) fd = ::open(pfad_.c_str(), O_RDWR | art);
        else if (fd < 0) {
            grund_ = errno;
            stand_ = Stand::Unanlegbar;
            return false;
        }
    }
    if (fd < 0 && errno != ELOOP && errno != ENOENT) fd = ::open(pfad_.c_str(), O_RDONLY | art);
    if (fd < 0) {
        grund_ = errno;
        if (::lstat(pfad_.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) satz_ = Dateien::Artsatz(st.st_mode);
        return false;
    }
    // A second name of another file (a hard link a colleague made, even to
    // the guarded file itself) is no lock file: its lock would stop that
    // file's own writes, and its rights are that file's.
    struct stat geschützt {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        grund_ = errno;
        if (!S_ISREG(st.st_mode)) satz_ = Dateien::Artsatz(st.st_mode);
    } else if (!datei.empty() && ::stat(datei.c_str(), &geschützt) == 0 && geschützt.st_dev == st.st_dev &&
               geschützt.st_ino == st.st_ino) {
        satz_ = DS("ist die Datei selbst, die sie schützen soll.");
    } else if (st.st_nlink > 1) {
        satz_ = DS("ist keine eigene Datei, sondern ein weiterer Name einer anderen Datei (ein harter Link).");
    } else {
        Angleichen(fd, datei);
        return true;
    }
    ::close(fd);
    fd = -1;
    return false;
}

Sperrdatei::Sperrdatei(const std::string& pfad, bool exklusiv, const std::string& datei,
                       std::chrono::milliseconds warten)
    : pfad_(pfad) {
    using Uhr = std::chrono::steady_clock;
    const auto bis = Uhr::now() + warten;
    for (int versuch = 0;; ++versuch) {
        int fd = -1;
        if (Öffnen(fd, datei)) {
            const auto rest = std::max(std::chrono::duration_cast<std::chrono::milliseconds>(bis - Uhr::now()),
                                       std::chrono::milliseconds(0));
            const int grund = Dateien::SperreAbwarten(fd, exklusiv ? LOCK_EX : LOCK_SH, rest);
            // The lock holds only on the file that has the name now: one
            // removed or replaced while it was waited for is no lock file.
            struct stat offen {}, jetzt {};
            if (grund == 0 && ::fstat(fd, &offen) == 0 && ::lstat(pfad_.c_str(), &jetzt) == 0 &&
                offen.st_dev == jetzt.st_dev && offen.st_ino == jetzt.st_ino) {
                fd_ = fd;
                stand_ = Stand::Gehalten;
                if (offen.st_size == 0 && ::write(fd_, "$", 1) != 1) {
                    // A lock file that stays empty (or is open for reading
                    // only) locks all the same.
                }
                return;
            }
            ::close(fd);
            grund_ = grund;
            stand_ = grund == 0 || grund == EWOULDBLOCK ? Stand::Besetzt : Stand::OhneSperren;
            if (grund == 0 && versuch < 100) continue;
            return;
        }
        // Something in the way may go (a lock file being made anew): it is
        // looked at again for as long as a held lock would be waited for.
        if (stand_ == Stand::Unanlegbar || Uhr::now() >= bis) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

Sperrdatei::~Sperrdatei() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
}

void Sperrdatei::RechteAngleichen(const std::string& datei) const {
    if (fd_ >= 0) Angleichen(fd_, datei);
}

std::string Sperrdatei::Hindernis() const {
    // (The path is put in as it is: it may hold an "@" of its own.)
    std::string text = DS("Die Sperrdatei") + " \"" + pfad_ + "\"";
    const auto grund = [this] { return Systemfehler::Text(grund_) + "."; };
    if (stand_ == Stand::Gehalten) return {};
    if (stand_ == Stand::Unanlegbar) return text + " " + DS("kann nicht angelegt werden:") + " " + grund();
    if (const std::string besitzer = Dateien::Besitzer(pfad_); !besitzer.empty())
        text += " (" + DS("Eigentümer:") + " " + besitzer + ")";
    if (stand_ == Stand::Besetzt) return text + " " + DS("wird von einem anderen Programm gehalten.");
    if (stand_ == Stand::OhneSperren) return text + " " + DS("kann nicht gesperrt werden:") + " " + grund();
    if (!satz_.empty()) return text + " " + satz_;
    return text + " " + DS("kann nicht geöffnet werden:") + " " + grund();
}

std::string Sperrdatei::Daneben(const std::string& datei) {
    std::string name = Dateien::LinkZiel(datei);
    const std::size_t anfang = name.rfind('/') + 1;
    // A name at the 255 bytes a name may have gives up its last character
    // (and what is left of a character cut there).
    if (name.size() - anfang >= 255) name.resize(std::max(anfang, Dateien::Zeichenanfang(name, anfang + 254)));
    return name + "$";
}

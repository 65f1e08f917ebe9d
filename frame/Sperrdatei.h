// The advisory lock (flock) on a lock file beside a file that several
// copies of the program share: shared for a read, exclusive for a
// read-modify-write, held while the object lives.
//
// The lock file is made (holding "$") when missing. A lock file of this
// user gets at least the group and the read and write bits for group and
// others that the guarded file has, whatever the umask of the one who made
// it, so that every user who may use that file can open its lock; one this
// user may only read locks all the same. A lock file that is a link or no
// regular file is not opened.
#pragma once

#include <chrono>
#include <string>

class Sperrdatei {
public:
    // pfad: the lock file; datei: the file it guards. warten: how long to
    // try again while another program holds the lock (0: fail at once).
    Sperrdatei(const std::string& pfad, bool exklusiv, const std::string& datei,
               std::chrono::milliseconds warten = std::chrono::milliseconds(0));
    ~Sperrdatei();
    Sperrdatei(const Sperrdatei&) = delete;
    Sperrdatei& operator=(const Sperrdatei&) = delete;

    bool Gehalten() const { return fd_ >= 0; }
    // Held by another program (rather than not to be opened at all).
    bool Besetzt() const { return besetzt_; }
    const std::string& Pfad() const { return pfad_; }
    // Why the lock file could not be opened or locked (errno).
    int Grund() const { return grund_; }

    // See above; also to be called once the guarded file has been made
    // under this lock. Bits are only ever added.
    void RechteAngleichen(const std::string& datei) const;

    // The lock file beside a file (beside the file a link points to, so
    // that every copy locks the one file it writes): its name + "$", the
    // name shortened by a character where that would exceed the 255 bytes
    // a name may have.
    static std::string Daneben(const std::string& datei);

private:
    std::string pfad_;
    int fd_ = -1;
    int grund_ = 0;
    bool besetzt_ = false;
};

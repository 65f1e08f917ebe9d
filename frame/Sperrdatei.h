// The advisory lock (flock) on a lock file beside a file that several
// copies of the program share: shared for a read, exclusive for a
// read-modify-write, held while the object lives.
//
// Every user who may write the guarded file must be able to take the lock,
// whatever the umask, mode bits or access-control entry that lets them
// write it. An flock needs only a descriptor opened for reading, so the
// lock file is opened for writing where the user may, else for reading,
// and one this user makes (or owns) is readable by everyone who reaches
// its folder, with the group of the guarded file, and writable by this user
// alone. A lock file is never made anew over what lies under its
// name: a link, FIFO, device, socket or folder there, a second name of
// another file, or a file this user cannot open, stands in the way and is
// named (Hindernis) with its owner;
// nor is it ever removed, and a lock taken on a file that has meanwhile
// lost the name is given up and taken again on the file that has it.
#pragma once

#include <chrono>
#include <string>

class Sperrdatei {
public:
    // pfad: the lock file; datei: the file it guards. warten: how long to
    // try again while another program holds the lock, or while something
    // stands in the way of the lock file (0: one attempt).
    Sperrdatei(const std::string& pfad, bool exklusiv, const std::string& datei,
               std::chrono::milliseconds warten = std::chrono::milliseconds(0));
    ~Sperrdatei();
    Sperrdatei(const Sperrdatei&) = delete;
    Sperrdatei& operator=(const Sperrdatei&) = delete;

    bool Gehalten() const { return fd_ >= 0; }
    // Held by another program (rather than not to be had at all).
    bool Besetzt() const { return stand_ == Stand::Besetzt; }
    // There is no lock file, and the folder takes none (for this user).
    bool NichtAnlegbar() const { return stand_ == Stand::Unanlegbar; }
    // The lock file is there, but its file system takes no such locks (no
    // one can hold one there).
    bool OhneSperren() const { return stand_ == Stand::OhneSperren; }
    const std::string& Pfad() const { return pfad_; }
    // Why the lock file could not be made, opened or locked (errno; 0 for
    // something of its name that is no regular file).
    int Grund() const { return grund_; }
    // Why the lock is not held, as a message says it: the lock file named,
    // with its owner where it is there, and what it is or why the system
    // refused it.
    std::string Hindernis() const;

    // See above; also to be called once the guarded file has been made
    // under this lock.
    void RechteAngleichen(const std::string& datei) const;

    // The lock file beside a file (beside the file a link points to, so
    // that every copy locks the one file it writes): its name + "$", the
    // name shortened by a character where that would exceed the 255 bytes
    // a name may have.
    static std::string Daneben(const std::string& datei);

private:
    enum class Stand { Gehalten, Besetzt, Unbenutzbar, Unanlegbar, OhneSperren };
    // One look at the lock file: true when opened (or made) into fd, else
    // false with stand_ and the reason set.
    bool Öffnen(int& fd, const std::string& datei);

    std::string pfad_;
    int fd_ = -1;
    int grund_ = 0;
    Stand stand_ = Stand::Unbenutzbar;
    // What lies under the name when it is no lock file ("ist ein Ordner und
    // keine gewöhnliche Datei."); "" when the system refused it (grund_).
    std::string satz_;
};

// What the parts of Dateien share among themselves: the plain reads and
// writes of an open file, the locks on it and who holds them
// (Sperrinhaber.cpp), and the copy of a file's old content that a write
// into the file itself leaves beside it (Dateikopie.cpp).
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <sys/stat.h>

namespace Dateien::Intern {

void melden(std::string* fehler, const std::string& text);
// What kind of file a mode names, as a message says it ("ein Ordner").
std::string Art(mode_t modus);
// The login name of a user, else the number.
std::string Benutzername(uid_t wer);
// A program that holds an flock lock on a file, as the system lists it.
struct Sperrinhaber {
    long Prozess = 0;      // 0: not to be seen from here
    bool Bekannt = false;  // its user and name could be read
    uid_t Benutzer = 0;
    std::string Programm;
};
// The programs that hold an flock lock on the file of that status (waiters
// not counted).
std::vector<Sperrinhaber> SperrinhaberLesen(const struct stat& st);
// Waits for the flock lock art on the open file fd (status st) as long as
// another program holds one in the way, at most about Schreibwartezeit;
// false when it is still held then, and fehler says who holds it. With
// leserÜbergehen, for a look or a save that leaves the file's content as
// it is (a read, a new file renamed over it), a lock that only programs of
// users who may not write the file hold stands in nobody's way: true at
// once, without the lock. A file system without such locks counts as
// locked.
bool Sperren(int fd, int art, const struct stat& st, bool leserÜbergehen, std::string* fehler);
inline constexpr std::chrono::milliseconds Schreibwartezeit(10000);
// The whole content of an open file, from its start.
bool AllesLesen(int fd, std::string& inhalt, int& grund);
// The bytes into the open file from its start, cut after them, flushed.
bool AllesSchreiben(int fd, std::string_view inhalt, int& grund);
// A regular file opened without waiting; -1 and the reason otherwise.
int RegulärÖffnen(const std::string& pfad, int flags, std::string* fehler);
// The access-control list as the system stores it; "" for none.
std::optional<std::string> ZugriffslisteLesen(const char* pfad);
// One entry of an access-control list as the system stores it, and its
// kinds.
struct Eintrag {
    std::uint16_t Art, Rechte;
    std::uint32_t Id;
};
enum : std::uint16_t { Besitzer_ = 1, Benutzer_ = 2, Gruppe_ = 4, Gruppen_ = 8, Maske_ = 16, Andere_ = 32 };
// The entries of such a list (after its version).
std::vector<Eintrag> Einträge(const std::string& liste);
// True when this user may not write the file (see Schreibgeschützt).
bool OhneSchreibrecht(const char* pfad, const struct stat& st);
// Whether the user wer may write a file of that status and access-control
// list: its owner or root always; else the list's entry for wer, or the
// entries of wer's groups, or the bits for others, as the system decides.
bool DarfSchreiben(uid_t wer, const struct stat& st, const std::string& liste);
std::string Ordner(const std::string& ziel);
// A checksum of bytes that stays the same from one build to the next
// (64-bit FNV-1a).
std::uint64_t Prüfwert(std::string_view bytes);
// The SHA-256 hash of the parts one after the other, in 64 hexadecimal
// digits.
std::string Hashwert(std::initializer_list<std::string_view> teile);

// The copy of the old content of a file that is being written into: a
// header line that ties it to the file (its device and inode, the lengths
// of the old content and of the new one, and their hash), then the old
// content, then the new one.
std::string Kopietext(const struct stat& datei, std::string_view alt, std::string_view neu);
// The extended attribute of a file being written into that names its copy
// and the copy's hash ("NAME HASH", the hash of the copy's header line,
// which holds the hash of the rest): only a user who may write the file can
// set it, so it ties the copy to a write by such a user.
inline constexpr const char* Kopieattribut = "user.zirvo.journal";
// Sets it on the open file for the copy (its path) of that text, flushed:
// 0, ENOTSUP where the file system keeps no user attributes, or the reason.
int KopieattributSetzen(int fd, const std::string& kopie, std::string_view text);
// Removes it, flushed (nothing where there is none).
void KopieattributEntfernen(int fd);

enum class Rückholung {
    Keine,    // nothing to put back (no copy, another file, a write done)
    Erledigt, // the old content is back in the file, the copy gone or empty
    Besetzt,  // another program writes the file just now (fehler says so)
    Unmöglich // a copy of a cut-off write that cannot be applied (fehler says why)
};
// Puts back the old content of a cut-off write into the file ziel (no link)
// when the file's attribute names a copy beside it and its hash; hinweis
// says so, or names any other file found under a copy's name (on a file
// system without user attributes, a copy that a cut-off write seems to have
// left is offered as a file of its own). grenze: the largest file of its
// kind.
Rückholung KopieZurückholen(const std::string& ziel, std::size_t grenze, std::string* fehler, std::string* hinweis);

// Whether this user may remove the file (a regular file, st its status)
// from its folder ordner: write access there, and in a sticky folder the
// file's or folder's ownership (or root).
bool Entfernbar(const std::string& ordner, const struct stat& st);

} // namespace Dateien::Intern

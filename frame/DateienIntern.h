// What the parts of Dateien share among themselves: the plain reads and
// writes of an open file, and the copy of a file's old content that a write
// into the file itself leaves beside it (Dateikopie.cpp).
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <sys/stat.h>

namespace Dateien::Intern {

void melden(std::string* fehler, const std::string& text);
// What kind of file a mode names, as a message says it ("ein Ordner").
std::string Art(mode_t modus);
// Waits for the flock lock art as long as another program holds it, at
// most about wartezeit; false when it is still held then.
bool Sperren(int fd, int art, std::chrono::milliseconds wartezeit);
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
std::string Ordner(const std::string& ziel);
// A checksum of bytes that stays the same from one build to the next
// (64-bit FNV-1a).
std::uint64_t Prüfwert(std::string_view bytes);

// The copy of the old content of a file that is being written into: a
// header line that ties it to the file (its device and inode, the lengths
// and checksums of the old content and of the new one), then the old
// content, then the new one.
std::string Kopietext(const struct stat& datei, std::string_view alt, std::string_view neu);

enum class Rückholung {
    Keine,    // nothing to put back (no copy, another file, a write done)
    Erledigt, // the old content is back in the file, the copy gone or empty
    Besetzt,  // another program writes the file just now (fehler says so)
    Unmöglich // a copy of a cut-off write that cannot be applied (fehler says why)
};
// Puts back the old content of a cut-off write into the file ziel (no link)
// when the copy beside it provably belongs to it; hinweis names any other
// file found under the copy's name. grenze: the largest file of its kind.
Rückholung KopieZurückholen(const std::string& ziel, std::size_t grenze, std::string* fehler, std::string* hinweis);

// Whether this user may remove the file (a regular file, st its status)
// from its folder ordner: write access there, and in a sticky folder the
// file's or folder's ownership (or root).
bool Entfernbar(const std::string& ordner, const struct stat& st);

} // namespace Dateien::Intern

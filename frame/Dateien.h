// Reading and writing whole files. A write never truncates the old file
// first: it goes to a temporary file beside the target, is flushed to disk
// and then renamed over it, so a failure leaves the old file as it was.
// Where the new file could not keep the old one's owner, the old content is
// first copied beside it and the new content written into the file itself;
// such a copy is applied only when the file itself names it (an attribute
// that only a user who may write the file can set) and holds exactly what
// it names.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace Dateien {

// The largest file of a kind whose reader gives none.
inline constexpr std::size_t Standardgrenze = std::size_t(256) << 20;

// What a reader or writer of a kind of file has the open or save look for
// beside it: Grenze, the largest file of its kind (a copy of more is none of
// its); filled in, Hinweis, the message about a file under the copy's name
// that was left alone, or a copy that could not be applied ("" for none).
struct Nebenkopie {
    std::size_t Grenze = Standardgrenze;
    std::string Hinweis;
};

// The whole file as bytes, or nothing when it cannot be read. Only a
// regular file is read (a FIFO or device is refused at once, it never
// waits, nor for a lock that only readers of the file hold). The old
// content that an interrupted write into the file left in its copy is put
// back first, where the file's attribute names that copy and its hash (set
// by someone who may write the file, before the write began), the copy
// names the file's device and inode and holds the old and the new content,
// the file holds a mix of the two and the copy is no larger than
// kopie->Grenze allows; kopie->Hinweis then says so, once. The attribute
// goes with it, and the copy is removed or emptied. Any other file under a
// copy's name is neither read nor changed, and named in kopie->Hinweis.
// Where the file system keeps no user attributes, nothing is put back on
// its own: a copy that such a write seems to have left is offered as a
// file of its own beside the file, named in kopie->Hinweis.
std::optional<std::string> Lesen(const std::string& pfad, std::string* fehler = nullptr,
                                 Nebenkopie* kopie = nullptr);

// Writes the bytes to pfad atomically. A path that is a symbolic link writes
// the file the link points to (the link stays a link); the old file's
// permission bits, access-control list and group are kept (its owner too
// where the writer is root; a group the writer may not give is left at the
// writer's own), so the other users of a shared folder keep their access;
// file and folder are flushed to disk before the write counts as done.
// Where a new file would not get the old one's owner, group or permission
// bits (another user's file that this user may write, a group this user is
// no member of), the new content goes into the file itself instead, after a
// complete copy of the old content beside it (a name of Kopiemuster's,
// which no one else can occupy) and the file's attribute that names it are
// on disk; both go once the new content is, and a write cut off in between
// leaves them for the next open or save to put back (as Lesen does; a copy
// of such a write that cannot be applied stops the save, kopie->Hinweis
// names other files of a copy's name). A save that replaces the file by
// rename waits for no reader's lock. Only a regular file is written
// over: a device, FIFO, socket or folder (also behind a link) is refused
// with its path and kind, and nothing changes. A write-protected file (see
// Schreibgeschützt) is not replaced. Leftovers of earlier writes of the
// file whose writers are gone are removed. Returns false and the reason on
// failure.
bool SicherSchreiben(const std::string& pfad, std::string_view inhalt, std::string* fehler = nullptr,
                     Nebenkopie* kopie = nullptr);

// Puts back what a cut-off write into the file (the one a link points to)
// left in its copy, as Lesen and SicherSchreiben do first, for a writer
// that never reads its file (a PDF target). False and the reason where
// another program writes the file just now or such a copy cannot be
// applied; kopie.Hinweis as Lesen fills it.
bool KopieNachsehen(const std::string& pfad, Nebenkopie& kopie, std::string* fehler = nullptr);

// For the tests of cut-off writes: when set, called in a write into the file
// itself once the copy of the old content is on disk and the first half of
// the new content is in the file.
extern void (*ImDateiUnterbrechung)();
// For the tests: when set, files are treated as on a file system that keeps
// no user attributes.
extern bool OhneNutzerattribute;

// True when the file (the one a link points to) exists and this user may
// not write it: the system refuses the user write access (the permission
// bits of owner, group or others, whichever apply to the user, and the
// access-control list), or its mode gives nobody write access, which
// protects it from root as well, who may write anything else. A save
// would replace such a file through a folder the user may write into.
bool Schreibgeschützt(const std::string& pfad);

// What a file held when it was read or written, so that a later look can
// tell whether someone has changed its content since.
struct Inhaltsstand {
    std::size_t Länge = 0;
    std::size_t Prüfsumme = 0;
    bool operator==(const Inhaltsstand&) const = default;
};
Inhaltsstand Stand(std::string_view inhalt);

// Writes the bytes into a new file made from muster (a path ending in
// "XXXXXX", as mkstemp takes it; the file never follows a link of that
// name), with the permission bits rechte, flushed to disk and closed.
// Returns the file's path, or "" and the reason (no file is left then).
std::string TemporärSchreiben(const std::string& muster, std::string_view inhalt, int rechte,
                              std::string* fehler = nullptr);

// Flushes a folder's names (the files renamed into it) to disk. False and
// the reason when the system refuses.
bool OrdnerAufDisk(const std::string& ordner, std::string* fehler = nullptr);

bool Vorhanden(const std::string& pfad);

// The temporary files that SicherSchreiben makes beside a target are named
// "." + Kurzname(the target's name) + Tempendung + six letters or digits,
// an ending no one gives a file by hand; their writer holds an flock on
// them while it writes. A save that was killed midway leaves one behind:
// true when name (a bare file name) is such a leftover of the file
// dateiname.
inline constexpr std::string_view Tempendung = ".~zirvo-tmp-";
bool IstSchreibrest(std::string_view name, std::string_view dateiname);
// The copies of the old content of a file that is written into are named
// alike, with Kopieendung; mit früheren also takes the one fixed name
// (without the six letters) that copies had in earlier versions.
inline constexpr std::string_view Kopieendung = ".~zirvo-journal-";
bool IstKopie(std::string_view name, std::string_view dateiname, bool mitFrüheren = false);
// The file name itself where a temporary name made of it fits the file
// system's 255 bytes; a longer one is cut (at a character's start) and ends
// in "~" and 16 hexadecimal digits of the whole name's hash, so that every
// file that can be opened can be saved under its name.
std::string Kurzname(std::string_view dateiname);
// The start of the UTF-8 character at stelle of text (stelle itself where
// a character starts there).
std::size_t Zeichenanfang(std::string_view text, std::size_t stelle);
// Takes the flock lock art (LOCK_SH or LOCK_EX) on the open file, waiting
// at most about wartezeit while another holds it: 0 when taken, else the
// reason (EWOULDBLOCK: still held).
int SperreAbwarten(int fd, int art, std::chrono::milliseconds wartezeit);
// The mkstemp pattern of a temporary file beside the file (the one a link
// points to).
std::string Temporärmuster(const std::string& pfad);
// The mkstemp pattern of the copy of the old content of a file (the one a
// link points to) while its new content is written into it: "." +
// Kurzname(its name) + Kopieendung + "XXXXXX" beside it.
std::string Kopiemuster(const std::string& pfad);
// Whatever lies beside the file (the one a link points to) under a copy's
// name, of this version or an earlier one: their paths.
std::vector<std::string> Kopien(const std::string& pfad);
// How old a leftover must be before it may go where its file system takes
// no flock (where it does, the writer's lock tells whether it is gone).
inline constexpr std::chrono::seconds Restealter{60};
// The message for a path that names (behind its links) something that is
// no regular file: its path and kind; "" for a regular file or none.
std::string Artfehler(const std::string& pfad);
// What a file of that mode is when it is no regular file, as the messages
// say it after its name: "ist eine benannte Pipe (FIFO) und keine
// gewöhnliche Datei." (a link, for a name that is never followed: "ist ein
// Link ...").
std::string Artsatz(mode_t modus);
// True when s is six letters or digits, as mkstemp puts in for "XXXXXX".
bool IstZufallsendung(std::string_view s);
// Removes the leftovers of interrupted writes of pfad (beside the file a
// link points to, as the writes put them) and returns how many: those whose
// lock this program gets (their writer is gone). Where the file system takes
// no locks, only those untouched for mindestalter (all without one: then
// only call it while no other write of that file can be under way).
int SchreibresteEntfernen(const std::string& pfad, std::chrono::seconds mindestalter = std::chrono::seconds(0));
// The same for the plain files in ordner whose names istRest takes.
int ResteEntfernen(const std::string& ordner, const std::function<bool(std::string_view name)>& istRest,
                   std::chrono::seconds mindestalter);
// True when there is such a leftover (to be removed once the lock is had).
bool HatSchreibreste(const std::string& pfad);

// A write past the file-size limit (ulimit -f) makes the system end the
// program with SIGXFSZ before any error path runs. Called at the start of
// each program: the signal is ignored, so such a write fails with EFBIG
// and goes the way of a full disk.
void DateigrössenSignalAbschalten();

// The file a path names once its symbolic links are followed (also a link
// to a file not yet there); the path itself when it is no link.
std::string LinkZiel(const std::string& pfad);

// The owner of a file (not of a link's target) as messages name it: the
// user's name, else the number; "" when the file cannot be looked at.
std::string Besitzer(const std::string& pfad);

} // namespace Dateien

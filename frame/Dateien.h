// Reading and writing whole files. A write never truncates the old file
// first: it goes to a temporary file beside the target, is flushed to disk
// and then renamed over it, so a failure leaves the old file as it was.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace Dateien {

// The whole file as bytes, or nothing when it cannot be read.
std::optional<std::string> Lesen(const std::string& pfad, std::string* fehler = nullptr);

// Writes the bytes to pfad atomically. A path that is a symbolic link writes
// the file the link points to (the link stays a link); the old file's
// permission bits, access-control list and group are kept (its owner too
// where the writer is root; a group the writer may not give is left at the
// writer's own), so the other users of a shared folder keep their access;
// file and folder are flushed to disk before the write counts as done. A
// write-protected file (see Schreibgeschützt) is not replaced. Returns
// false and the reason on failure.
bool SicherSchreiben(const std::string& pfad, std::string_view inhalt, std::string* fehler = nullptr);

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
// "." + the target's name + ".tmp" + six letters or digits. A save that was
// killed midway leaves one behind: true when name (a bare file name) is such
// a leftover of the file dateiname.
bool IstSchreibrest(std::string_view name, std::string_view dateiname);
// True when s is six letters or digits, as mkstemp puts in for "XXXXXX".
bool IstZufallsendung(std::string_view s);
// Removes the leftovers of interrupted writes of pfad (beside the file a
// link points to, as the writes put them) and returns how many. Only call
// it while no other write of that file can be under way (under the file's
// lock).
int SchreibresteEntfernen(const std::string& pfad);
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

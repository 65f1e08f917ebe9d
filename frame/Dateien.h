// Reading and writing whole files. A write never truncates the old file
// first: it goes to a temporary file beside the target, is flushed to disk
// and then renamed over it, so a failure leaves the old file as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Dateien {

// The whole file as bytes, or nothing when it cannot be read.
std::optional<std::string> Lesen(const std::string& pfad, std::string* fehler = nullptr);

// Writes the bytes to pfad atomically. A path that is a symbolic link writes
// the file the link points to (the link stays a link); the old file's
// permission bits are kept; file and folder are flushed to disk before the
// write counts as done. Returns false and the reason on failure.
bool SicherSchreiben(const std::string& pfad, std::string_view inhalt, std::string* fehler = nullptr);

// Copies the file quelle to ziel atomically, with quelle's permissions (an
// executable stays one). Returns false and the reason on failure; ziel is
// then as it was.
bool SicherKopieren(const std::string& quelle, const std::string& ziel, std::string* fehler = nullptr);

bool Vorhanden(const std::string& pfad);

// The file a path names once its symbolic links are followed (also a link
// to a file not yet there); the path itself when it is no link.
std::string LinkZiel(const std::string& pfad);

} // namespace Dateien

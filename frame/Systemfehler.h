// The reason the system gives for a failed file operation, as a short text
// to put into a message: the common reasons in German (no space, read-only,
// no permission, not found, file too large, is a folder, too many open
// files, ...), the system's own text for the rest. Every message that
// carries an errno or a std::error_code takes its text from here.
#pragma once

#include <string>
#include <system_error>

namespace Systemfehler {

// The text for an errno value ("kein Platz mehr auf dem Datenträger").
std::string Text(int fehlernummer);
// The same for an error code of the system or generic category; the
// code's own message for any other category.
std::string Text(const std::error_code& ec);

} // namespace Systemfehler

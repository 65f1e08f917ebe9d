// The program's version number: major, minor, revision and build, as the
// build sets them (the project version and the build number). The main
// program shows its major version; the version record beside the
// executables and the service-pack installer's check rest on the same four
// numbers.
#pragma once

#include <cstdint>
#include <string>

namespace Versionsnummer {

extern const std::uint16_t Haupt;
extern const std::uint16_t Neben;
extern const std::uint16_t Revision;
extern const std::uint16_t Build;

// "9.0.0.98": the four numbers joined by ".", as the version record holds them.
std::string Text();

} // namespace Versionsnummer

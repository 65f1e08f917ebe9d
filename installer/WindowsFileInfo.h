// The file version of an installed program. Executables here carry no
// version resource: the build and the install write a version record beside
// each, named as the executable with ".version" ("ZIRVO3801.version"), one
// line "9.0.0.98" (major.minor.revision.build).
#pragma once

#include <string>

namespace WindowsFileInfo {

// The record's name for an executable's path: the path with ".version".
std::string Versionsdatei(const std::string& programm);

// The file version of the program at path as four numbers 0..65535 joined
// by "." ("9.0.0.98"), or "" when its version record is missing, too long,
// or not of that form.
std::string DateiVersion(const std::string& path);

} // namespace WindowsFileInfo

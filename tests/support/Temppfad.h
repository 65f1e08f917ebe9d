// A name in the temporary folder that belongs to this test program alone:
// several test programs (of several builds, or CTest running tests side by
// side) on one machine never share, remove or overwrite each other's files.
#pragma once

#include <filesystem>
#include <string>
#include <unistd.h>

namespace Testhilfe {

// The temporary folder (or the one given) / name, the process id and endung:
// Temppfad("zirvo_test_gewinn", ".zirvo9").
inline std::filesystem::path Temppfad(const std::string& name, const std::string& endung = "",
                                      const std::filesystem::path& ordner = std::filesystem::temp_directory_path()) {
    return ordner / (name + "_" + std::to_string(::getpid()) + endung);
}

} // namespace Testhilfe

// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace Testhilfe {

class Testordner {
public:
    explicit Testordner(const std::string& name)
        : pfad(std::filesystem::temp_directory_path() /
               ("zirvo_test_" + name + "_" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(pfad);
        std::filesystem::create_directories(pfad);
    }
    ~Testordner() {
        std::error_code ec;
        std::filesystem::remove_all(pfad, ec);
    }
    Testordner(const Testordner&) = delete;
    Testordner& operator=(const Testordner&) = delete;
    std::string Datei(const std::string& name) const { return (pfad / name).string(); }
    const std::filesystem::path pfad;
};

} // namespace Testhilfe

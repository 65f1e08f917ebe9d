// What the tests of the component windows share: a fresh folder for one
// test, and the user typing into a field of the component editor.
#pragma once

#include "components/frmBauteil.h"

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

// The user enters the field, types the text and leaves the field.
inline void Tippen(frmBauteil& e, TextBox& feld, const std::string& text) {
    e.Feld_GotFocus(feld);
    feld.setText(text);
    e.Feld_LostFocus(feld);
}

} // namespace Testhilfe

#include "installer/WindowsFileInfo.h"

#include "frame/Dateien.h"

#include <filesystem>
#include <system_error>

namespace WindowsFileInfo {

namespace {
// A record is one short line; anything longer is not one.
constexpr std::uintmax_t GrössterSatz = 64;
} // namespace

std::string Versionsdatei(const std::string& programm) { return programm + ".version"; }

std::string DateiVersion(const std::string& path) {
    const std::string datei = Versionsdatei(path);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(datei, ec)) return "";
    const auto grösse = std::filesystem::file_size(datei, ec);
    if (ec || grösse > GrössterSatz) return "";
    auto inhalt = Dateien::Lesen(datei);
    if (!inhalt) return "";

    std::string text = *inhalt;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '\t'))
        text.pop_back();

    std::string ergebnis;
    int teile = 0;
    std::size_t i = 0;
    while (true) {
        std::size_t anfang = i;
        unsigned long wert = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && i - anfang < 5)
            wert = wert * 10 + static_cast<unsigned long>(text[i++] - '0');
        if (i == anfang || wert > 65535) return "";
        ergebnis += std::to_string(wert);
        if (++teile == 4) break;
        if (i >= text.size() || text[i] != '.') return "";
        ergebnis += '.';
        ++i;
    }
    return i == text.size() ? ergebnis : "";
}

} // namespace WindowsFileInfo

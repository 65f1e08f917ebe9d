#include "installer/Datentraeger.h"

#include "frame/Dateien.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace Datenträgerliste {

namespace fs = std::filesystem;

namespace {

bool Unterhalb(const std::string& pfad, const std::string& ordner) {
    return pfad.size() > ordner.size() && pfad.compare(0, ordner.size(), ordner) == 0 && pfad[ordner.size()] == '/';
}

// The sysfs flag of the device's disk.
bool WechselbaresGerät(const std::string& gerät, const std::string& sysWurzel) {
    if (gerät.empty() || gerät.front() != '/') return false;
    std::error_code ec;
    // /dev/disk/by-label/STICK and /dev/mapper/x are links to the device itself.
    fs::path echt = fs::canonical(gerät, ec);
    if (ec) echt = gerät;
    fs::path block = fs::canonical(fs::path(sysWurzel) / "class" / "block" / echt.filename(), ec);
    if (ec) return false;
    fs::path platte = fs::exists(block / "partition", ec) ? block.parent_path() : block;
    auto flag = Dateien::Lesen((platte / "removable").string());
    return flag && !flag->empty() && flag->front() == '1';
}

} // namespace

std::vector<Datenträger> Ordnen(const std::vector<Einhängepunkt>& punkte, const std::string& sysWurzel) {
    std::vector<Datenträger> liste;
    for (const auto& p : punkte) {
        if (p.Wurzel.empty()) continue;
        bool wechselbar = Unterhalb(p.Wurzel, "/media") || Unterhalb(p.Wurzel, "/run/media") ||
                          WechselbaresGerät(p.Gerät, sysWurzel);
        liste.push_back({p.Wurzel, wechselbar});
    }
    std::stable_sort(liste.begin(), liste.end(),
                     [](const Datenträger& a, const Datenträger& b) { return a.Wurzel < b.Wurzel; });
    return liste;
}

} // namespace Datenträgerliste

#include "frame/Eigenordner.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace Eigenordner {

bool Privat(const std::string& pfad) {
    // Looked at and changed through one descriptor, never through a link.
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool privat = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
    if (privat && (st.st_mode & 07777) != 0700) privat = ::fchmod(fd, 0700) == 0;
    ::close(fd);
    return privat;
}

namespace {

// The folders temp/zirvo-UID-XXXXXX of the user's own, by name.
std::vector<std::string> Eindeutige(const std::string& temp, const std::string& anfang) {
    namespace fs = std::filesystem;
    std::vector<std::string> gefunden;
    std::error_code ec;
    for (fs::directory_iterator it(temp, ec), ende; !ec && it != ende; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() == anfang.size() + 6 && name.compare(0, anfang.size(), anfang) == 0 &&
            Privat(it->path().string()))
            gefunden.push_back(it->path().string());
    }
    std::sort(gefunden.begin(), gefunden.end());
    return gefunden;
}

} // namespace

std::string Ausweichordner(const std::string& temp, const std::string& cache) {
    const std::string nummer = "zirvo-" + std::to_string(::geteuid());
    const std::string fest = temp + "/" + nummer;
    ::mkdir(fest.c_str(), 0700);
    if (Privat(fest)) return fest;
    if (!cache.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(cache, ec);
        const std::string eigen = cache + "/ZIRVO";
        ::mkdir(eigen.c_str(), 0700);
        if (Privat(eigen)) return eigen;
    }
    const std::string anfang = nummer + "-";
    if (auto da = Eindeutige(temp, anfang); !da.empty()) return da.front();
    std::string muster = temp + "/" + anfang + "XXXXXX";
    if (!::mkdtemp(muster.data())) return "";
    // Two copies starting at once may each have made one: both take the
    // lowest name.
    auto da = Eindeutige(temp, anfang);
    return da.empty() ? std::string() : da.front();
}

std::string Cacheordner() {
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    if (xdg && xdg[0] == '/') return xdg;
    const char* heim = std::getenv("HOME");
    return heim && heim[0] ? std::string(heim) + "/.cache" : std::string();
}

} // namespace Eigenordner

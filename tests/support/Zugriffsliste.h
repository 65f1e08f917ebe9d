// Access-control lists for the files of a test, as the system keeps them in
// the extended attribute "system.posix_acl_access": version 2, then per
// entry its kind (1 owner, 2 a user, 4 group, 8 a group, 16 mask, 32
// others), its rights (4 read, 2 write) and the user or group it names.
#pragma once

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <sys/xattr.h>

namespace Testhilfe {

struct Zugriff {
    std::uint16_t Art, Rechte;
    std::uint32_t Id = 0xFFFFFFFFu;
};

inline constexpr const char* Acl = "system.posix_acl_access";

inline std::string Zugriffsliste(std::initializer_list<Zugriff> einträge) {
    const std::uint32_t version = 2;
    return std::string(reinterpret_cast<const char*>(&version), 4) +
           std::string(reinterpret_cast<const char*>(einträge.begin()), einträge.size() * sizeof(Zugriff));
}

// The list of a file; "" when it has none.
inline std::string ListeVon(const std::string& pfad) {
    char puffer[1024];
    const ssize_t n = ::getxattr(pfad.c_str(), Acl, puffer, sizeof puffer);
    return n > 0 ? std::string(puffer, static_cast<std::size_t>(n)) : std::string();
}

// Gives the file the list; else the reason, when its file system keeps none.
inline std::string ListeSetzen(const std::string& pfad, const std::string& liste) {
    if (::setxattr(pfad.c_str(), Acl, liste.data(), liste.size(), 0) == 0) return "";
    return std::string("the file system keeps no access-control lists: ") + std::strerror(errno);
}

} // namespace Testhilfe

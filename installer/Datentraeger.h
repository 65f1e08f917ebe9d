// The volumes the service-pack installer searches: the mounted file
// systems, of which only removable ones (a USB stick) count.
#pragma once

#include <string>
#include <vector>

struct Datenträger {
    std::string Wurzel;       // the mount point
    bool Wechselbar = false;  // a removable medium
};

// A mounted file system as the system lists it.
struct Einhängepunkt {
    std::string Wurzel; // the mount point
    std::string Gerät;  // the block device ("/dev/sdb1"), or "" for none
};

namespace Datenträgerliste {

// The volumes in the order they are searched: by mount point, byte by
// byte. A volume is removable when its block device (or, for a partition,
// the disk it lies on) has the flag "removable" set under sysWurzel
// ("/sys/class/block/NAME/removable"), or when it is mounted below /media
// or /run/media, where the desktop mounts the user's media.
std::vector<Datenträger> Ordnen(const std::vector<Einhängepunkt>& punkte, const std::string& sysWurzel = "/sys");

} // namespace Datenträgerliste

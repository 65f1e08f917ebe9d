#include "frame/Versionsnummer.h"

// The build passes the numbers to this file alone, so a new build number
// recompiles only it.
#if !defined(ZIRVO_VERSION_HAUPT) || !defined(ZIRVO_VERSION_NEBEN) || !defined(ZIRVO_VERSION_REVISION) || \
    !defined(ZIRVO_VERSION_BUILD)
#error "The build sets ZIRVO_VERSION_HAUPT, _NEBEN, _REVISION and _BUILD for this file."
#endif

namespace Versionsnummer {

const std::uint16_t Haupt = ZIRVO_VERSION_HAUPT;
const std::uint16_t Neben = ZIRVO_VERSION_NEBEN;
const std::uint16_t Revision = ZIRVO_VERSION_REVISION;
const std::uint16_t Build = ZIRVO_VERSION_BUILD;

std::string Text() {
    return std::to_string(Haupt) + "." + std::to_string(Neben) + "." + std::to_string(Revision) + "." +
           std::to_string(Build);
}

} // namespace Versionsnummer

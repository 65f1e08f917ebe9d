// What the parts of the main window's frame share.
#pragma once

#include <cmath>
#include <cstdint>

namespace Fensterteile {

// To the nearest whole number, halves to the even one.
inline std::int32_t GeradeRunden(double x) {
    double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5 && std::fmod(r, 2.0) != 0) r -= std::copysign(1.0, x);
    return static_cast<std::int32_t>(r);
}

} // namespace Fensterteile

// The one time bound a test may hold: that it ends. It catches a hang, or a
// blow-up (quadratic time on a large or damaged input), which no machine
// takes a minute for however loaded it is; never how fast the program is.
// The speed figures are zirvo_bench's.
#pragma once

#include <chrono>

namespace Testhilfe {

inline constexpr std::chrono::minutes Hängegrenze{1};

} // namespace Testhilfe

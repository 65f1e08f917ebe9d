// The one time bound a test may hold: that it ends. It catches a hang in a
// loop, or a blow-up (quadratic time on a large or damaged input), never
// how fast the program is: the speed figures are zirvo_bench's. The bound
// is on the processor time the test's thread has used, a minute, which
// only such a fault reaches: a machine busy on every core, or a test run
// under "nice", stretches the time on the clock, not this one. (A test
// that blocks for ever is ended by CTest's own time limit.)
#pragma once

#include <chrono>
#include <ctime>

namespace Testhilfe {

inline constexpr std::chrono::minutes Hängegrenze{1};

// The processor time this thread has used so far.
inline std::chrono::nanoseconds Rechenzeit() {
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

} // namespace Testhilfe

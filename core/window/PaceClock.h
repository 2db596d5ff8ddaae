#pragma once

#include <chrono>

#if defined(__EMSCRIPTEN__)
#include <emscripten/emscripten.h>
#endif

namespace quorvel {

#if defined(__EMSCRIPTEN__)
// The browser's monotonic clock, read directly: the C++ library's steady_clock reads the same
// clock but links in formatted output and long-double arithmetic, some 10 KiB of the page, only
// to word an error this clock cannot raise.
struct PaceClock {
    using duration = std::chrono::nanoseconds;
    using rep = duration::rep;
    using period = duration::period;
    using time_point = std::chrono::time_point<PaceClock>;
    static constexpr bool is_steady = true;

    static time_point now()
    {
        return time_point(std::chrono::duration_cast<duration>(std::chrono::duration<double, std::milli>(emscripten_get_now())));
    }
};
#else
using PaceClock = std::chrono::steady_clock;
#endif

}  // namespace quorvel

#pragma once

#include <chrono>
#include <cstdint>

namespace quorvel {

// The pause after each point of a sweep is slowdown x 300000 decrements of a count-down. One
// decrement lasts this long, so that slowdown 1 pauses 15 ms on any machine.
inline constexpr std::chrono::nanoseconds standardDecrementLength{50};

// The length of a pause of so many decrements. Counts beyond some 70 years are held at that, so
// that a deadline computed from it cannot overflow the clock.
constexpr std::chrono::nanoseconds pauseLength(std::uint64_t decrements, std::chrono::nanoseconds decrementLength)
{
    using Rep = std::chrono::nanoseconds::rep;
    if (decrementLength.count() <= 0)
        return std::chrono::nanoseconds::zero();
    const auto longest = static_cast<std::uint64_t>(std::chrono::nanoseconds::max().count() / 4);
    const auto ticks = static_cast<std::uint64_t>(decrementLength.count());
    const std::uint64_t count = decrements < longest / ticks ? decrements : longest / ticks;
    return std::chrono::nanoseconds(static_cast<Rep>(count * ticks));
}

}  // namespace quorvel

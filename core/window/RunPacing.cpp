#include "core/window/RunPacing.h"

#include "core/window/FormView.h"
#include "core/window/Pause.h"

#include <algorithm>
#include <utility>

namespace quorvel {

namespace {

// A timer waits whole milliseconds of a limited range, so a long pause is waited in parts.
constexpr std::chrono::nanoseconds longestTimer = std::chrono::hours(1);

}  // namespace

// Even a pause of no time returns to the edition's event loop, which paints and takes input.
void RunPacing::pause(std::uint64_t decrements, Clock::time_point stepBegan)
{
    const std::chrono::nanoseconds length = pauseLength(decrements, decrementLength_);
    view_.showPicture();
    deadline_ = stepBegan + length;
    view_.pauseBegun(length);
}

// A timer may end a little early; the pause ends only once the clock has passed its deadline.
bool RunPacing::ended()
{
    if (Clock::now() < deadline_)
        startTimer();
    else if (!seen_)
        overUnseen_ = true;
    else
        return true;
    return false;
}

bool RunPacing::seen(bool seen)
{
    seen_ = seen;
    return seen && std::exchange(overUnseen_, false);
}

void RunPacing::startTimer()
{
    const auto left = std::max(std::chrono::ceil<std::chrono::nanoseconds>(deadline_ - Clock::now()), std::chrono::nanoseconds::zero());
    view_.startTimer(std::min(left, longestTimer));
}

}  // namespace quorvel

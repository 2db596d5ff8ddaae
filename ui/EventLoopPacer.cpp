#include "ui/EventLoopPacer.h"

#include <QTimer>

#include <algorithm>

namespace quorvel {

namespace {

using Clock = std::chrono::steady_clock;

// Counts beyond some 70 years are waited as that long, so the deadline cannot overflow the clock.
constexpr std::uint64_t longestCount = Clock::duration::max().count() / 4 / EventLoopPacer::decrementLength.count();

Clock::duration pauseLength(std::uint64_t decrements)
{
    const auto count = static_cast<Clock::rep>(std::min(decrements, longestCount));
    return std::chrono::duration_cast<Clock::duration>(count * EventLoopPacer::decrementLength);
}

constexpr std::chrono::milliseconds longestStep = std::chrono::hours(1);

}  // namespace

bool EventLoopPacer::pause(std::uint64_t decrements)
{
    if (decrements == 0)
        return !abandoned_;
    const auto deadline = Clock::now() + pauseLength(decrements);
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wake, &QTimer::timeout, &loop_, &QEventLoop::quit);
    // The timer takes whole milliseconds of int range and may fire a little early, so a long or
    // fractional pause is waited in steps until the clock passes the deadline.
    for (auto left = deadline - Clock::now(); !abandoned_ && left > Clock::duration::zero(); left = deadline - Clock::now()) {
        wake.start(std::min(std::chrono::ceil<std::chrono::milliseconds>(left), longestStep));
        loop_.exec();
    }
    return !abandoned_;
}

void EventLoopPacer::abandon()
{
    abandoned_ = true;
    loop_.quit();
}

}  // namespace quorvel

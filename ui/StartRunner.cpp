#include "ui/StartRunner.h"

#include "draw/WindowSurface.h"
#include "sim/SettingNumber.h"

#include <algorithm>
#include <iostream>

namespace quorvel {

namespace {

// A timer takes whole milliseconds of int range, so a long pause is waited in steps.
constexpr std::chrono::milliseconds longestStep = std::chrono::hours(1);

}  // namespace

StartRunner::StartRunner(WindowSurface& surface, const SettingsTexts& settings, ResultLabels& labels)
    : surface_(surface), settings_(settings), labels_(labels)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &StartRunner::waitForDeadline);
}

void StartRunner::start()
{
    sequence_.emplace(surface_, settings_, labels_);
    deadline_ = Clock::now();
    armTimer();
}

void StartRunner::stop()
{
    timer_.stop();
    sequence_.reset();
}

// Steps with no pause after them follow at once, so at slowdown 0 the whole picture appears
// in one go.
void StartRunner::advance()
{
    try {
        while (const auto pause = sequence_->step()) {
            if (*pause > 0) {
                beginPause(*pause);
                return;
            }
            emit pauseBegun(0);
            if (!running())
                return;
        }
    } catch (const SettingsError& error) {
        std::cerr << "quorvel: Start stopped: " << error.what() << std::endl;
    }
    finish();
}

// Counts beyond some 70 years are waited as that long, so the deadline cannot overflow.
StartRunner::Clock::duration StartRunner::pauseLength(std::uint64_t decrements) const
{
    const auto longestCount = static_cast<std::uint64_t>(Clock::duration::max().count() / 4);
    const auto ticks = std::chrono::duration_cast<Clock::duration>(decrementLength_).count();
    const auto count = ticks == 0 ? 0 : std::min(decrements, longestCount / static_cast<std::uint64_t>(ticks));
    return static_cast<Clock::rep>(count) * Clock::duration(ticks);
}

void StartRunner::beginPause(std::uint64_t decrements)
{
    surface_.showDrawn();
    deadline_ = Clock::now() + pauseLength(decrements);
    emit pauseBegun(decrements);
    // Even a pause of no time returns to the event loop, which paints and takes input meanwhile.
    if (running())
        armTimer();
}

void StartRunner::armTimer()
{
    const auto left = std::max(deadline_ - Clock::now(), Clock::duration::zero());
    timer_.start(std::min(std::chrono::ceil<std::chrono::milliseconds>(left), longestStep));
}

// A timer may fire a little early; the pause ends only once the clock has passed its deadline.
void StartRunner::waitForDeadline()
{
    if (Clock::now() < deadline_)
        armTimer();
    else
        advance();
}

// The run is over before anyone hears of it, so a held click on Start can begin the next one.
void StartRunner::finish()
{
    sequence_.reset();
    surface_.showDrawn();
    emit finished();
}

}  // namespace quorvel

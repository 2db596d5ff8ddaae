#pragma once

#include "sim/StartSequence.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <optional>

namespace quorvel {

class ResultLabels;
class SettingsTexts;
class WindowSurface;

// Drives the Start command from the window's own event loop: each step of the sequence is drawn,
// put on the screen, and followed by its pause as a timer, so no handler ever waits inside
// itself. The pause lasts 15 ms per 300000 decrements on any machine.
class StartRunner : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::nanoseconds defaultDecrementLength{50};

    StartRunner(WindowSurface& surface, const SettingsTexts& settings, ResultLabels& labels);

    // Begins a run from the event loop; the caller returns at once.
    void start();
    // Ends the run where it stands, between two steps.
    void stop();
    bool running() const { return sequence_.has_value(); }

    // Tests pace runs without waiting by making a decrement take no time.
    void setDecrementLength(std::chrono::nanoseconds length) { decrementLength_ = length; }

signals:
    // After each point; a point followed by a pause of any length is then on the screen.
    void pauseBegun(std::uint64_t decrements);
    // The run has ended, whole or stopped by a settings text; not after stop().
    void finished();

private:
    using Clock = std::chrono::steady_clock;

    void advance();
    Clock::duration pauseLength(std::uint64_t decrements) const;
    void beginPause(std::uint64_t decrements);
    void armTimer();
    void waitForDeadline();
    void finish();

    WindowSurface& surface_;
    const SettingsTexts& settings_;
    ResultLabels& labels_;
    std::optional<StartSequence> sequence_;
    QTimer timer_;
    Clock::time_point deadline_;
    std::chrono::nanoseconds decrementLength_ = defaultDecrementLength;
};

}  // namespace quorvel

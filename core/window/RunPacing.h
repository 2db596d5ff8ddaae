#pragma once

#include "core/window/PaceClock.h"

#include <chrono>
#include <cstdint>

namespace quorvel {

class FormView;

// The pauses of a run, kept by the edition's timer: each counts from the start of its step, so
// that the points keep the chosen pace on a display that takes a while to draw one, and one that
// ends while nobody can see the window waits until someone can.
class RunPacing {
public:
    using Clock = PaceClock;

    RunPacing(FormView& view, std::chrono::nanoseconds decrementLength) : view_(view), decrementLength_(decrementLength) {}

    // A pause of so many decrements begins after a step that began then, with the picture shown.
    void pause(std::uint64_t decrements, Clock::time_point stepBegan);
    // Asks the edition's timer for what is left of the pause.
    void startTimer();
    // The timer has run out: whether the run goes on now.
    bool ended();
    // Whether anyone can see the window, and whether a run waiting on that goes on now.
    bool seen(bool seen);

private:
    FormView& view_;
    std::chrono::nanoseconds decrementLength_;
    Clock::time_point deadline_;
    bool seen_ = true;
    bool overUnseen_ = false;  // a pause ended while the window was unseen
};

}  // namespace quorvel

#pragma once

#include "sim/Pacer.h"

#include <QEventLoop>

#include <chrono>

namespace quorvel {

// Pauses in real time: 300000 decrements last 15 ms on any machine. While it waits, the
// application handles its events, so the window keeps repainting and answering the desktop;
// input is held back by the command that pauses.
class EventLoopPacer : public Pacer {
public:
    static constexpr std::chrono::nanoseconds decrementLength{50};

    [[nodiscard]] bool pause(std::uint64_t decrements) override;

    // Ends the current pause at once and makes every later one report that the command must end.
    void abandon();

private:
    QEventLoop loop_;
    bool abandoned_ = false;
};

}  // namespace quorvel

#pragma once

#include <chrono>
#include <string>

namespace quorvel {

// What an edition does for the window's model: show its state and its picture, keep the
// timers that a pause and a settling value need, and end the program.
class FormView {
public:
    virtual ~FormView() = default;

    // The state has changed: texts, selections, the scroll bar, labels, or whether Start runs.
    virtual void showState() = 0;
    // Puts what was drawn on the screen; called before each pause and at the end of a run.
    virtual void showPicture() = 0;
    // Calls the model's pauseEnded() once at least this long has passed.
    virtual void startTimer(std::chrono::nanoseconds length) = 0;
    // Calls the model's settled() once this long has passed with no further call; each call
    // starts the wait again.
    virtual void startSettleTimer(std::chrono::milliseconds length) = 0;
    // A pause of so many decrements has begun, and the picture shows the point before it.
    virtual void pauseBegun(std::chrono::nanoseconds) {}
    // A run has ended, whole or stopped by a settings text, and held input is carried out next.
    virtual void runFinished() {}
    // A Start stopped at a settings text that is not a number; the one-line message says which
    // setting and what it held.
    virtual void reportStop(const std::string& message) = 0;
    // The window has been unloaded: the program ends.
    virtual void endProgram() = 0;
    // Puts the explore panel's graph on the screen, once it has been drawn anew.
    virtual void showGraph() {}
    // Words for screen readers to say politely, as soon as they can.
    virtual void announce(const std::string&) {}
};

}  // namespace quorvel

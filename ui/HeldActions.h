#pragma once

#include <QObject>

#include <deque>
#include <functional>

namespace quorvel {

// While Start runs, holds every action meant for the window and performs them, in the order they
// came, once the run has ended: the input that reaches the application's windows (held there, so
// the widgets stay as if it had not arrived yet), and handler calls from any other source, such
// as a screen reader's press or a value set on the scroll bar from outside. Painting, exposing
// and the desktop's close requests go on meanwhile.
class HeldActions : public QObject {
public:
    using Action = std::function<void()>;

    // isRunning tells whether Start runs now.
    explicit HeldActions(std::function<bool()> isRunning);
    ~HeldActions() override;

    // Performs the action at once when nothing runs and nothing waits; holds it otherwise.
    void perform(Action action);
    // After a run: performs the held actions in order until one begins another run, which then
    // holds the rest, and whatever comes during it behind them.
    void release();
    // Forgets everything held: the window has closed.
    void drop() { held_.clear(); }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    bool holding() const { return !releasing_ && (isRunning_() || !held_.empty()); }

    std::function<bool()> isRunning_;
    std::deque<Action> held_;
    bool releasing_ = false;
};

}  // namespace quorvel

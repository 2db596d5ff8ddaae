#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace quorvel {

// While a command runs, holds back the mouse and keyboard input that reaches the application's
// windows and hands it on, in its order, after the command has returned. Everything else
// (painting, exposing, the desktop's close requests) goes on being handled during the pauses.
class InputDeferral : public QObject {
public:
    // Builds a held event anew when it is handed on.
    using Remake = std::function<std::unique_ptr<QEvent>()>;

    void begin();
    // The held input is handed on from the event loop, so that a held click on Start cannot
    // start a run inside the one that is ending. Until then input is still held, so that none
    // overtakes what came before it.
    void end();

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    void handOn();

    int runningCommands_ = 0;
    std::vector<std::pair<QPointer<QWindow>, Remake>> held_;
};

}  // namespace quorvel

#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>

namespace quorvel::testing {

// Runs the event loop, without spinning, as long as the condition holds or until the time is
// up; returns whether the condition ended.
inline bool waitWhile(const std::function<bool()>& condition, int timeoutMs = 20000)
{
    QElapsedTimer waited;
    waited.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!condition() || waited.elapsed() > timeoutMs)
            loop.quit();
    });
    poll.start(2);
    if (condition())
        loop.exec();
    return !condition();
}

}  // namespace quorvel::testing

#include "ui/EventLoopPacer.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <ctime>

namespace quorvel {
namespace {

double cpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

TEST(EventLoopPacer, Waits15MillisecondsPer300000Decrements)
{
    EventLoopPacer pacer;
    for (const std::uint64_t decrements : {300000ull, 3000000ull}) {
        QElapsedTimer timer;
        timer.start();
        EXPECT_TRUE(pacer.pause(decrements));
        const double expected = 15.0 * static_cast<double>(decrements) / 300000;
        const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        EXPECT_GE(elapsed, expected);
        EXPECT_LT(elapsed, expected + 60) << decrements;
    }
}

TEST(EventLoopPacer, ZeroDecrementsReturnAtOnce)
{
    EventLoopPacer pacer;
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(pacer.pause(0));
    EXPECT_LT(timer.elapsed(), 5);
}

TEST(EventLoopPacer, WaitsWithoutSpinningAndKeepsEventsFlowing)
{
    EventLoopPacer pacer;
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(10);
    const double cpuBefore = cpuSeconds();
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(pacer.pause(6000000));  // 300 ms
    const double wall = static_cast<double>(timer.elapsed()) / 1000;
    EXPECT_LT(cpuSeconds() - cpuBefore, 0.25 * wall);
    EXPECT_GE(ticks, 10) << "timers and repaints go on during a pause";
}

TEST(EventLoopPacer, AbandoningEndsThePauseAndEveryLaterOne)
{
    EventLoopPacer pacer;
    QTimer::singleShot(30, [&] { pacer.abandon(); });
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(pacer.pause(6000000000ull));  // 5 minutes, unless abandoned
    EXPECT_LT(timer.elapsed(), 500);
    EXPECT_FALSE(pacer.pause(300000));
    EXPECT_FALSE(pacer.pause(0));
}

TEST(EventLoopPacer, TheLongestCountsDoNotOverflowTheClock)
{
    EventLoopPacer pacer;
    QTimer::singleShot(20, [&] { pacer.abandon(); });
    EXPECT_FALSE(pacer.pause(std::numeric_limits<std::uint64_t>::max()));
}

}  // namespace
}  // namespace quorvel

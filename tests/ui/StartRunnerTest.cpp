#include "tests/support/StartStandIns.h"
#include "tests/ui/Canvas.h"
#include "tests/ui/WaitWhile.h"
#include "ui/StartRunner.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <ctime>

namespace quorvel {
namespace {

using testing::FixedSettings;
using testing::RecordingLabels;

double cpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

class StartRunnerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        canvas.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas));
        QObject::connect(&runner, &StartRunner::pauseBegun, [this](std::uint64_t decrements) {
            pauses.push_back(decrements);
            pauseTimes.push_back(clock.nsecsElapsed() / 1e6);
        });
    }

    // Runs Start to its end and returns its wall time in milliseconds.
    double runToEnd()
    {
        QCoreApplication::processEvents();  // paints still due from showing the window
        canvas.paints = 0;
        clock.start();
        runner.start();
        testing::waitWhile([this] { return runner.running(); });
        return clock.nsecsElapsed() / 1e6;
    }

    testing::Canvas canvas{QSize(800, 581)};
    FixedSettings settings;
    RecordingLabels labels;
    StartRunner runner{canvas.surface, settings, labels};
    QElapsedTimer clock;
    std::vector<std::uint64_t> pauses;
    std::vector<double> pauseTimes;
};

TEST_F(StartRunnerTest, PausesLast15MillisecondsPer300000Decrements)
{
    settings.slowdown = "2";
    const double wall = runToEnd();
    ASSERT_EQ(pauses, std::vector<std::uint64_t>(30, 600000));
    for (std::size_t k = 1; k < pauseTimes.size(); ++k)
        EXPECT_GE(pauseTimes[k] - pauseTimes[k - 1], 30.0) << "pause " << k;
    EXPECT_LT(wall, 30 * 30.0 + 500);
    EXPECT_EQ(labels.ops.size(), 15u) << "the results were placed once the last pause had ended";
}

// The picture reaches the screen once before each pause and once at the end, never once per
// drawing operation; without pauses it appears in one go.
TEST_F(StartRunnerTest, PutsThePictureOnTheScreenOncePerPause)
{
    settings.slowdown = "0";
    runToEnd();
    EXPECT_EQ(canvas.paints, 1);
    EXPECT_EQ(pauses, std::vector<std::uint64_t>(30, 0));

    runner.setDecrementLength(std::chrono::nanoseconds(0));
    settings.slowdown = "1";
    runToEnd();
    EXPECT_EQ(canvas.paints, 31);
}

TEST_F(StartRunnerTest, WaitsWithoutSpinningAndKeepsEventsFlowing)
{
    settings.slowdown = "20";  // 300 ms a point
    double cpuAtFirstPause = 0;
    double cpuAtSecondPause = 0;
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(10);
    QObject::connect(&runner, &StartRunner::pauseBegun, [&] {
        if (pauses.size() == 1)
            cpuAtFirstPause = cpuSeconds();
        if (pauses.size() == 2) {
            cpuAtSecondPause = cpuSeconds();
            runner.stop();
        }
    });
    runToEnd();
    ASSERT_EQ(pauses.size(), 2u);
    const double pauseMs = pauseTimes[1] - pauseTimes[0];
    EXPECT_GE(pauseMs, 300.0);
    EXPECT_LT(1000 * (cpuAtSecondPause - cpuAtFirstPause), 0.25 * pauseMs);
    EXPECT_GE(ticks, 10) << "timers and repaints go on during a pause";
}

TEST_F(StartRunnerTest, StopEndsTheRunAndTheLongestCountsDoNotOverflowTheClock)
{
    settings.slowdown = "1e300";
    bool finished = false;
    QObject::connect(&runner, &StartRunner::finished, [&] { finished = true; });
    QTimer::singleShot(50, [&] { runner.stop(); });
    const double wall = runToEnd();
    EXPECT_EQ(pauses, std::vector<std::uint64_t>{std::numeric_limits<std::uint64_t>::max()});
    EXPECT_GE(wall, 50);
    EXPECT_LT(wall, 1000);
    EXPECT_FALSE(finished) << "a stopped run is not reported as finished";
    EXPECT_TRUE(labels.ops.empty());
}

TEST_F(StartRunnerTest, ABadSettingsTextEndsTheRunAsFinished)
{
    settings.slowdown = "slow";
    bool finished = false;
    QObject::connect(&runner, &StartRunner::finished, [&] { finished = true; });
    ::testing::internal::CaptureStderr();
    runToEnd();
    const std::string error = ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(finished);
    EXPECT_TRUE(pauses.empty());
    EXPECT_NE(error.find("\"slow\""), std::string::npos) << error;
}

}  // namespace
}  // namespace quorvel

#include "sim/StartCommand.h"
#include "sim/StartSequence.h"

#include "sim/SettingNumber.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/StartStandIns.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvel {
namespace {

using testing::CountingPacer;
using testing::FixedSettings;
using testing::LabelOp;
using testing::Op;
using testing::OpKind;
using testing::RecordingLabels;
using testing::RecordingSurface;

constexpr std::size_t setupOps = 592;
constexpr std::size_t sweepOps = 30 * 12;
constexpr std::size_t resultOps = 9;

struct Start {
    Start(const char* distance, const char* frequency)
    {
        settings.distance = distance;
        settings.frequency = frequency;
    }

    void run() { StartCommand(surface, settings, labels, pacer).run(); }

    std::size_t count(OpKind kind) const { return surface.opsOfKind(kind).size(); }

    FixedSettings settings;
    RecordingSurface surface;
    RecordingLabels labels;
    CountingPacer pacer;
};

class WholeStart : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(WholeStart, RunsTheThreeStagesToTheEnd)
{
    Start start(GetParam().first, GetParam().second);
    start.run();
    const std::vector<Op>& ops = start.surface.ops();
    ASSERT_EQ(ops.size(), setupOps + sweepOps + resultOps);
    EXPECT_EQ(ops.front().kind, OpKind::ResetToPixels);
    EXPECT_EQ(start.count(OpKind::ResetToPixels), 1u);
    EXPECT_EQ(start.count(OpKind::Line), 520u + 30 + 30 * 6 + 4);
    EXPECT_EQ(start.count(OpKind::Circle), 2u + 30 + 1 + 30 * 2 + 2);
    EXPECT_EQ(start.count(OpKind::FillColour), 3u);
    EXPECT_EQ(start.count(OpKind::FillStyle), 3u);
    EXPECT_EQ(std::count_if(ops.begin(), ops.end(), [](const Op& op) { return op.colour == Colour(green); }), 1);
    EXPECT_EQ(ops[setupOps + sweepOps].y2, 100.0f) << "the marker follows the sweep's last point";
    EXPECT_EQ(start.pacer.pauses, std::vector<std::uint64_t>(30, 300000));
    ASSERT_EQ(start.labels.ops.size(), 15u);
    EXPECT_EQ(start.labels.ops.back(), (LabelOp{LabelOp::Show, ResultLabel::Soucet}));

    // What the command leaves for the next one.
    EXPECT_EQ(start.surface.penWidth(), 2);
    EXPECT_EQ(start.surface.fillStyle(), FillStyle::Solid);
    EXPECT_EQ(start.surface.fillColour(), Colour(SystemColour::CaptionText));
}

INSTANTIATE_TEST_SUITE_P(FourSettings, WholeStart,
                         ::testing::Values(std::pair{"0", "1"}, std::pair{"0", "2"}, std::pair{"250", "1"}, std::pair{"250", "2"}));

TEST(StartAgain, RepaintsTheBandOnePixelWideOverThePreviousPicture)
{
    Start start("0", "1");
    start.run();
    start.settings.distance = "250";
    start.run();
    const std::vector<Op>& ops = start.surface.ops();
    ASSERT_EQ(ops.size(), 2 * (setupOps + sweepOps + resultOps));
    const Op& firstBandLine = ops[setupOps + sweepOps + resultOps + 2];
    EXPECT_EQ(firstBandLine.y1, 580.0f);
    EXPECT_EQ(firstBandLine.penWidth, 1);
    EXPECT_EQ(ops[setupOps + sweepOps + resultOps + setupOps - 2].x1, 344.0f) << "second spiral start dot";
}

TEST(StartSlowdown, ZeroMeansNoPauseAtAll)
{
    Start start("0", "1");
    start.settings.slowdown = "0";
    start.run();
    EXPECT_EQ(start.pacer.pauses, std::vector<std::uint64_t>(30, 0));
}

class StartStoppedBySlowdown : public ::testing::TestWithParam<const char*> {};

TEST_P(StartStoppedBySlowdown, KeepsTheFirstPointAndDrawsNoResults)
{
    Start start("0", "1");
    start.settings.slowdown = GetParam();
    EXPECT_THROW(start.run(), SettingsError);
    EXPECT_EQ(start.surface.ops().size(), setupOps + 12);
    EXPECT_TRUE(start.pacer.pauses.empty());
    EXPECT_TRUE(start.labels.ops.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, StartStoppedBySlowdown, ::testing::Values("", "x", "1e304"));

TEST(StartAbandoned, EndsAtThePauseWithoutResults)
{
    Start start("0", "1");
    start.pacer.onPause = [](std::uint64_t) { return false; };
    start.run();
    EXPECT_EQ(start.surface.ops().size(), setupOps + 12);
    EXPECT_TRUE(start.labels.ops.empty());
}

TEST(StartWithBadDistance, LeavesTheBandAndTouchesNoLabel)
{
    Start start("far", "1");
    EXPECT_THROW(start.run(), SettingsError);
    EXPECT_EQ(start.surface.ops().size(), 522u);
    EXPECT_TRUE(start.labels.ops.empty());
}

// A front end drives the same command step by step: the set-up with the first point, then one
// point per step, then the results, drawing exactly what the whole command draws.
TEST(StartSequence, StepsThroughTheCommandOnePointAtATime)
{
    Start whole("250", "2");
    whole.run();
    Start stepped("250", "2");
    StartSequence sequence(stepped.surface, stepped.settings, stepped.labels);
    std::vector<std::size_t> opsAfterStep;
    std::vector<std::uint64_t> pauses;
    while (const auto pause = sequence.step()) {
        pauses.push_back(*pause);
        opsAfterStep.push_back(stepped.surface.ops().size());
        EXPECT_TRUE(stepped.labels.ops.empty()) << "labels only come with the results";
    }
    EXPECT_TRUE(sequence.finished());
    EXPECT_EQ(pauses, std::vector<std::uint64_t>(30, 300000));
    ASSERT_EQ(opsAfterStep.size(), 30u);
    EXPECT_EQ(opsAfterStep.front(), setupOps + 12);
    for (std::size_t k = 1; k < opsAfterStep.size(); ++k)
        EXPECT_EQ(opsAfterStep[k] - opsAfterStep[k - 1], 12u) << "step " << k + 1;
    EXPECT_EQ(stepped.surface.ops(), whole.surface.ops());
    EXPECT_EQ(stepped.labels.ops, whole.labels.ops);
    EXPECT_FALSE(sequence.step());
    EXPECT_EQ(stepped.surface.ops().size(), whole.surface.ops().size()) << "an ended sequence draws nothing more";
}

TEST(StartSequence, ABadSlowdownEndsItWithThePointWhole)
{
    Start start("0", "1");
    start.settings.slowdown = "slow";
    StartSequence sequence(start.surface, start.settings, start.labels);
    EXPECT_THROW(sequence.step(), SettingsError);
    EXPECT_TRUE(sequence.finished());
    EXPECT_FALSE(sequence.step());
    EXPECT_EQ(start.surface.ops().size(), setupOps + 12);
    EXPECT_TRUE(start.labels.ops.empty());
}

}  // namespace
}  // namespace quorvel

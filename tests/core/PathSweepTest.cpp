#include "core/PathSweep.h"

#include "core/Scene.h"
#include "core/SceneSetup.h"
#include "core/SettingNumber.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/SettingsName.h"
#include "tests/support/StartStandIns.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quorvel {
namespace {

using testing::CountingPacer;
using testing::FixedSettings;
using testing::Op;
using testing::OpKind;
using testing::RecordingSurface;

// Each point draws: two rays, the photon vector's dot and line, the two axes, the time-curve
// dot and the spiral link, with these pen changes between them.
constexpr OpKind pointPattern[] = {OpKind::Line,     OpKind::Line, OpKind::PenWidth, OpKind::Circle, OpKind::Line,     OpKind::PenWidth,
                                   OpKind::Line,     OpKind::Line, OpKind::PenWidth, OpKind::Circle, OpKind::PenWidth, OpKind::Line};
constexpr std::size_t opsPerPoint = std::size(pointPattern);

// Worked values are given to three decimals; drawn coordinates are single precision besides.
constexpr double drawnTolerance = 6e-4;

struct Sweep {
    explicit Sweep(const char* distance = "0", const char* frequency = "1")
    {
        settings.distance = distance;
        settings.frequency = frequency;
        scene = setUpScene(surface, settings);
        setupOps = surface.ops().size();
    }

    SweepEnd run() { return sweepPaths(scene, surface, settings, pacer); }

    // The ops the sweep drew for the point with odd index i.
    const Op& op(int i, std::size_t k) const { return surface.ops().at(setupOps + (i - 1) / 2 * opsPerPoint + k); }
    std::size_t sweepOps() const { return surface.ops().size() - setupOps; }

    FixedSettings settings;
    RecordingSurface surface;
    CountingPacer pacer;
    Scene scene;
    std::size_t setupOps = 0;
};

TEST(PathSweep, DrawsThirtyPointsInTheSamePattern)
{
    Sweep sweep;
    ASSERT_EQ(sweep.run(), SweepEnd::Completed);
    ASSERT_EQ(sweep.sweepOps(), 30 * opsPerPoint);
    for (int i = 1; i <= 59; i += 2) {
        const float pointX = 44.0f + 12.0f * i;
        for (std::size_t k = 0; k < opsPerPoint; ++k)
            ASSERT_EQ(sweep.op(i, k).kind, pointPattern[k]) << "point " << i << " op " << k;
        EXPECT_EQ(sweep.op(i, 0), (Op{.kind = OpKind::Line, .x1 = 354, .y1 = 240.5f, .x2 = pointX, .y2 = 290.5f, .colour = darkGrey, .penWidth = 1,
                                      .fillStyle = FillStyle::Solid, .fillColour = SystemColour::ButtonFace}));
        EXPECT_EQ(sweep.op(i, 1), (Op{.kind = OpKind::Line, .x1 = pointX, .y1 = 290.5f, .x2 = 454, .y2 = 240.5f, .colour = darkGrey, .penWidth = 1,
                                      .fillStyle = FillStyle::Solid, .fillColour = SystemColour::ButtonFace}));
        EXPECT_EQ(sweep.op(i, 3).penWidth, 2);
        EXPECT_EQ(sweep.op(i, 3).x1, pointX);
        EXPECT_EQ(sweep.op(i, 3).y1, 305.5f);
        EXPECT_EQ(sweep.op(i, 3).radius, 2);
        EXPECT_EQ(sweep.op(i, 4).penWidth, 2);
        EXPECT_EQ(sweep.op(i, 6), (Op{.kind = OpKind::Line, .x1 = 44, .y1 = 490.5f, .x2 = 764, .y2 = 490.5f, .colour = darkGrey, .penWidth = 1,
                                      .fillStyle = FillStyle::Solid, .fillColour = SystemColour::ButtonFace}));
        EXPECT_EQ(sweep.op(i, 7), (Op{.kind = OpKind::Line, .x1 = 44, .y1 = 340.5f, .x2 = 44, .y2 = 490.5f, .colour = darkGrey, .penWidth = 1,
                                      .fillStyle = FillStyle::Solid, .fillColour = SystemColour::ButtonFace}));
        EXPECT_EQ(sweep.op(i, 9).penWidth, 2);
        EXPECT_EQ(sweep.op(i, 9).colour, Colour(darkGrey));
        EXPECT_EQ(sweep.op(i, 11).penWidth, 1);
    }
    EXPECT_EQ(sweep.surface.penWidth(), 1);
    EXPECT_EQ(sweep.surface.fillColour(), Colour(SystemColour::ButtonFace));
    EXPECT_EQ(sweep.surface.opsOfKind(OpKind::FillColour).size(), 2u) << "the sweep must not change the fill";
}

TEST(PathSweep, MatchesTheWorkedExampleForDistance0Frequency1)
{
    struct Row {
        int i;
        double timeY;
    };
    Sweep sweep;
    sweep.run();
    for (const Row row : {Row{1, 390.0594}, Row{3, 396.7019}, Row{29, 470.2140}, Row{31, 470.2140}, Row{59, 390.0594}}) {
        EXPECT_EQ(sweep.op(row.i, 9).x1, 44.0f + 12.0f * row.i);
        EXPECT_NEAR(sweep.op(row.i, 9).y1, row.timeY, 5e-4) << "time-curve dot of point " << row.i;
    }
    // Photon vector and first spiral link of point 1 (phase angle 23.6599).
    EXPECT_NEAR(sweep.op(1, 4).x2, 56.978, drawnTolerance);
    EXPECT_NEAR(sweep.op(1, 4).y2, 295.548, drawnTolerance);
    EXPECT_EQ(sweep.op(1, 11).x1, 594.0f);
    EXPECT_EQ(sweep.op(1, 11).y1, 190.5f);
    EXPECT_NEAR(sweep.op(1, 11).x2, 597.425, drawnTolerance);
    EXPECT_NEAR(sweep.op(1, 11).y2, 155.668, drawnTolerance);
}

// Every row of the worked table, as the photon vector it draws: the vector runs 10 pixels from
// its tail at the point's angle. With frequency 2 the angles double; the time curve stays.
TEST(PathSweep, DrawsThePhotonVectorsOfTheWorkedTableForBothFrequencies)
{
    struct Row {
        int i;
        double phaseAngle;
        double timeY;
    };
    const Row rows[] = {{1, 23.6599, 390.0594}, {3, 22.0952, 396.7019}, {29, 4.7786, 470.2140}, {31, 4.7786, 470.2140}, {59, 23.6599, 390.0594}};
    for (const int frequency : {1, 2}) {
        Sweep sweep("0", frequency == 1 ? "1" : "2");
        sweep.run();
        for (const Row& row : rows) {
            const double pointX = 44 + 12 * row.i;
            const double angle = frequency * row.phaseAngle;  // given to four decimals, so within 1e-3 pixels
            const Op& vector = sweep.op(row.i, 4);
            EXPECT_EQ(vector.x1, pointX);
            EXPECT_EQ(vector.y1, 305.5f);
            EXPECT_NEAR(vector.x2, pointX + 10 * std::cos(angle), 2e-3) << "point " << row.i << ", frequency " << frequency;
            EXPECT_NEAR(vector.y2, 305.5 + 10 * std::sin(angle), 2e-3) << "point " << row.i << ", frequency " << frequency;
            EXPECT_NEAR(sweep.op(row.i, 9).y1, row.timeY, 5e-4) << "time-curve dot of point " << row.i << ", frequency " << frequency;
        }
    }
}

TEST(PathSweep, LaysTheSpiralHeadToTail)
{
    Sweep sweep;
    sweep.run();
    for (int i = 3; i <= 59; i += 2) {
        EXPECT_EQ(sweep.op(i, 11).x1, sweep.op(i - 2, 11).x2);
        EXPECT_EQ(sweep.op(i, 11).y1, sweep.op(i - 2, 11).y2);
    }
    EXPECT_EQ(float(sweep.scene.spiralX), sweep.op(59, 11).x2);
    EXPECT_EQ(float(sweep.scene.spiralY), sweep.op(59, 11).y2);
}

struct Outcome {
    const char* distance;
    const char* frequency;
    double bestPointX;
    double bestTimeY;
    double spiralX;
    double spiralY;
};

class SweepOutcome : public ::testing::TestWithParam<Outcome> {};

TEST_P(SweepOutcome, EndsAtTheWorkedLeastTimePointAndSpiralEnd)
{
    const Outcome& expected = GetParam();
    Sweep sweep(expected.distance, expected.frequency);
    ASSERT_EQ(sweep.run(), SweepEnd::Completed);
    EXPECT_EQ(sweep.scene.bestPointX, expected.bestPointX);
    EXPECT_NEAR(sweep.scene.bestTimeY, expected.bestTimeY, 5e-5);
    EXPECT_NEAR(sweep.scene.spiralX, expected.spiralX, 5e-4);
    EXPECT_NEAR(sweep.scene.spiralY, expected.spiralY, 5e-4);
}

INSTANTIATE_TEST_SUITE_P(FourSettings, SweepOutcome,
                         ::testing::Values(Outcome{"0", "1", 404, 470.2140, 653.632, 74.196}, Outcome{"0", "2", 404, 470.2140, 502.243, 121.960},
                                           Outcome{"250", "1", 152, 470.4920, 452.216, 157.149},
                                           Outcome{"250", "2", 152, 470.4920, 271.401, 109.124}),
                         testing::SettingsTestName());

TEST(PathSweep, FrequencyTwoTurnsEveryVectorTwiceAsFarAndKeepsTheRest)
{
    Sweep once("0", "1");
    Sweep twice("0", "2");
    once.run();
    twice.run();
    for (int i = 1; i <= 59; i += 2) {
        for (const std::size_t k : {0u, 1u, 3u, 9u})
            EXPECT_EQ(once.op(i, k), twice.op(i, k));
        // Twice the phase angle: the doubled vector's direction is the angle-doubling of the single one.
        const double c1 = (once.op(i, 4).x2 - once.op(i, 4).x1) / 10.0;
        const double s1 = (once.op(i, 4).y2 - once.op(i, 4).y1) / 10.0;
        EXPECT_NEAR((twice.op(i, 4).x2 - twice.op(i, 4).x1) / 10.0, c1 * c1 - s1 * s1, 1e-4);
        EXPECT_NEAR((twice.op(i, 4).y2 - twice.op(i, 4).y1) / 10.0, 2 * s1 * c1, 1e-4);
    }
}

TEST(LeastTimeRule, FirstPointIsAlwaysBest)
{
    Scene scene;
    scene.segmentWidth = 24;
    scene.bestTimeY = -100000;
    updateLeastTime(scene, 56, -250000, true);
    EXPECT_EQ(scene.bestPointX, 56);
    EXPECT_EQ(scene.bestTimeY, -250000);
}

TEST(LeastTimeRule, TiesMoveOnByHalfASegmentAndALargerValueReplaces)
{
    Scene scene;
    scene.segmentWidth = 24;
    scene.bestTimeY = -100000;
    updateLeastTime(scene, 56, 400, true);
    updateLeastTime(scene, 80, 399, false);
    EXPECT_EQ(scene.bestPointX, 56) << "a smaller value changes nothing";
    updateLeastTime(scene, 104, 400, false);
    EXPECT_EQ(scene.bestPointX, 68) << "a tie moves half a segment on";
    updateLeastTime(scene, 128, 400, false);
    EXPECT_EQ(scene.bestPointX, 80) << "each further tie moves another half segment";
    EXPECT_EQ(scene.bestTimeY, 400);
    updateLeastTime(scene, 152, 400.0001, false);
    EXPECT_EQ(scene.bestPointX, 152) << "a strictly larger value replaces outright";
    EXPECT_EQ(scene.bestTimeY, 400.0001);
}

TEST(LeastTimeRule, FarAwayPathsStillGiveABestPoint)
{
    // Every timeY lies below the start value of -100000 here.
    Sweep sweep("1000000", "1");
    sweep.run();
    EXPECT_EQ(sweep.scene.bestPointX, 56);
    EXPECT_LT(sweep.scene.bestTimeY, -100000);
}

TEST(PauseDecrements, IsSlowdownTimes300000)
{
    EXPECT_EQ(pauseDecrements("1"), 300000u);
    EXPECT_EQ(pauseDecrements("10"), 3000000u);
    EXPECT_EQ(pauseDecrements("20"), 6000000u);
    EXPECT_EQ(pauseDecrements("0"), 0u);
}

TEST(PauseDecrements, ClampsNegativeAndRoundsFractionalCounts)
{
    EXPECT_EQ(pauseDecrements("-3"), 0u);
    EXPECT_EQ(pauseDecrements("-0.000001"), 0u);
    EXPECT_EQ(pauseDecrements("0.0000015"), 0u);  // 0.45 decrements
    EXPECT_EQ(pauseDecrements("0.0000025"), 1u);  // 0.75 decrements
    EXPECT_EQ(pauseDecrements("1.5"), 450000u);
    EXPECT_EQ(pauseDecrements("0.1234567"), 37037u);  // 37037.01
    EXPECT_EQ(pauseDecrements("1e300"), std::numeric_limits<std::uint64_t>::max());
}

TEST(PauseDecrements, RefusesNonNumbersAndOverflow)
{
    EXPECT_THROW(pauseDecrements("fast"), SettingsError);
    EXPECT_THROW(pauseDecrements(""), SettingsError);
    EXPECT_THROW(pauseDecrements("1e305"), SettingsError);
    EXPECT_THROW(pauseDecrements("-1e305"), SettingsError);
}

TEST(PathSweepPause, FollowsEachPointAndReadsTheSlowdownAfresh)
{
    Sweep sweep;
    sweep.settings.slowdown = "1";
    sweep.pacer.onPause = [&](std::uint64_t) {
        // The pause after point k comes after all of point k's drawing.
        EXPECT_EQ(sweep.sweepOps(), sweep.pacer.pauses.size() * opsPerPoint);
        if (sweep.pacer.pauses.size() == 10)
            sweep.settings.slowdown = "20";
        if (sweep.pacer.pauses.size() == 20)
            sweep.settings.slowdown = "0";
        return true;
    };
    sweep.run();
    ASSERT_EQ(sweep.pacer.pauses.size(), 30u);
    EXPECT_EQ(sweep.settings.slowdownReads, 30);
    for (std::size_t k = 0; k < 30; ++k)
        EXPECT_EQ(sweep.pacer.pauses[k], k < 10 ? 300000u : k < 20 ? 6000000u : 0u) << "pause " << k;
}

TEST(PathSweepPause, AnEndRequestedDuringAPauseStopsTheSweepThere)
{
    Sweep sweep;
    sweep.pacer.onPause = [&](std::uint64_t) { return sweep.pacer.pauses.size() < 7; };
    EXPECT_EQ(sweep.run(), SweepEnd::Abandoned);
    EXPECT_EQ(sweep.pacer.pauses.size(), 7u);
    EXPECT_EQ(sweep.sweepOps(), 7 * opsPerPoint);
}

class BadSlowdown : public ::testing::TestWithParam<const char*> {};

TEST_P(BadSlowdown, StopsAfterTheCurrentPointIsDrawnAndRanked)
{
    Sweep sweep;
    sweep.pacer.onPause = [&](std::uint64_t) {
        if (sweep.pacer.pauses.size() == 14)
            sweep.settings.slowdown = GetParam();
        return true;
    };
    EXPECT_THROW(sweep.run(), SettingsError);
    EXPECT_EQ(sweep.pacer.pauses.size(), 14u);
    EXPECT_EQ(sweep.sweepOps(), 15 * opsPerPoint);
    EXPECT_EQ(sweep.scene.bestPointX, 44 + 12 * 29) << "point 15's least-time update is done";
}

INSTANTIATE_TEST_SUITE_P(Texts, BadSlowdown, ::testing::Values("", "slow", "nan", "inf", "1e306"));

}  // namespace
}  // namespace quorvel

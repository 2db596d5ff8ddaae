#include "core/start/PathSweep.h"

#include "core/start/Scene.h"
#include "core/text/SettingNumber.h"
#include "tests/core/start/SteppedStart.h"
#include "tests/support/WorkedValues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace quorvel {
namespace {

using testing::Op;
using testing::OpKind;
using testing::SteppedStart;
using testing::workedValues;

// Each point draws: two rays, the photon vector's dot and line, the two axes, the time-curve
// dot and the spiral link, with these pen changes between them.
constexpr OpKind pointPattern[] = {OpKind::Line,     OpKind::Line, OpKind::PenWidth, OpKind::Circle, OpKind::Line,     OpKind::PenWidth,
                                   OpKind::Line,     OpKind::Line, OpKind::PenWidth, OpKind::Circle, OpKind::PenWidth, OpKind::Line};
constexpr std::size_t opsPerPoint = std::size(pointPattern);

// Worked values are given to three decimals; drawn coordinates are single precision besides.
constexpr double drawnTolerance = 6e-4;

// The op k the sweep drew for the point with odd index i.
const Op& pointOp(const SteppedStart& start, int i, std::size_t k)
{
    return start.surface.ops().at(start.swept - (30 - (i - 1) / 2) * opsPerPoint + k);
}

Op greyLine(float x1, float y1, float x2, float y2)
{
    return {.kind = OpKind::Line, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .colour = darkGrey, .penWidth = 1, .fillStyle = FillStyle::Solid, .fillColour = SystemColour::ButtonFace};
}

// The spiral is laid head to tail, and the sum vector drawn with the results closes it where its
// last link ends.
TEST(PathSweep, DrawsThirtyPointsInTheSamePatternAndLaysTheSpiralHeadToTail)
{
    SteppedStart sweep("0", "1");
    sweep.sweep();
    for (int i = 1; i <= 59; i += 2) {
        const float pointX = 44.0f + 12.0f * i;
        const auto op = [&](std::size_t k) { return pointOp(sweep, i, k); };
        for (std::size_t k = 0; k < opsPerPoint; ++k)
            ASSERT_EQ(op(k).kind, pointPattern[k]) << "point " << i << " op " << k;
        EXPECT_EQ(op(0), greyLine(354, 240.5f, pointX, 290.5f));
        EXPECT_EQ(op(1), greyLine(pointX, 290.5f, 454, 240.5f));
        EXPECT_EQ(std::tuple(op(3).penWidth, op(3).radius, op(4).penWidth), std::tuple(2, 2.0f, 2));
        EXPECT_EQ(op(6), greyLine(44, 490.5f, 764, 490.5f));
        EXPECT_EQ(op(7), greyLine(44, 340.5f, 44, 490.5f));
        EXPECT_EQ(std::tuple(op(9).penWidth, op(9).colour, op(11).penWidth), std::tuple(2, std::optional<Colour>(darkGrey), 1));
        if (i > 1) {
            EXPECT_EQ(std::pair(op(11).x1, op(11).y1), std::pair(pointOp(sweep, i - 2, 11).x2, pointOp(sweep, i - 2, 11).y2)) << "point " << i;
        }
    }
    EXPECT_EQ(sweep.surface.penWidth(), 1);
    EXPECT_EQ(std::ranges::count(sweep.surface.ops(), OpKind::FillColour, &Op::kind), 2) << "the sweep must not change the fill";
    sweep.finish();
    const Op& sum = sweep.surface.ops().at(sweep.swept + 4);
    EXPECT_EQ(std::pair(sum.x2, sum.y2), std::pair(pointOp(sweep, 59, 11).x2, pointOp(sweep, 59, 11).y2));
}

// Every row of the worked table, as the photon vector and time-curve dot it draws: the vector
// runs 10 pixels from its tail at the point's angle. With frequency 2 the angles double.
TEST(PathSweep, MatchesTheWorkedTableForBothFrequencies)
{
    const auto& table = workedValues().at("sweep");
    for (const int frequency : {1, 2}) {
        SteppedStart sweep(table.at("distance").get<std::string>(), std::to_string(frequency));
        sweep.sweep();
        for (const auto& row : table.at("points")) {
            const int i = row.at("i");
            const double pointX = row.at("pointX");
            const double angle = frequency * row.at("phaseAngle").get<double>();  // four decimals: within 1e-3 pixels
            const Op& vector = pointOp(sweep, i, 4);
            SCOPED_TRACE(::testing::Message() << "point " << i << ", frequency " << frequency);
            EXPECT_EQ(vector.x1, pointX);
            EXPECT_EQ(vector.y1, 305.5f);
            EXPECT_NEAR(vector.x2, pointX + 10 * std::cos(angle), 2e-3);
            EXPECT_NEAR(vector.y2, 305.5 + 10 * std::sin(angle), 2e-3);
            EXPECT_EQ(pointOp(sweep, i, 9).x1, pointX);
            EXPECT_NEAR(pointOp(sweep, i, 9).y1, row.at("timeY").get<double>(), 5e-4);
        }
        if (frequency == 1) {
            const auto& vectorEnd = table.at("firstPhotonVectorEnd");
            EXPECT_NEAR(pointOp(sweep, 1, 4).x2, vectorEnd[0].get<double>(), drawnTolerance);
            EXPECT_NEAR(pointOp(sweep, 1, 4).y2, vectorEnd[1].get<double>(), drawnTolerance);
            const auto& link = table.at("firstSpiralLink");
            EXPECT_EQ(pointOp(sweep, 1, 11).x1, link[0].get<float>());
            EXPECT_EQ(pointOp(sweep, 1, 11).y1, link[1].get<float>());
            EXPECT_NEAR(pointOp(sweep, 1, 11).x2, link[2].get<double>(), drawnTolerance);
            EXPECT_NEAR(pointOp(sweep, 1, 11).y2, link[3].get<double>(), drawnTolerance);
        }
    }
}

// The first point is the best whatever its value; a tie moves the best half a segment on, and
// only a strictly larger value replaces it.
TEST(LeastTimeRule, TakesTheFirstPointThenMovesOnTiesAndTakesOnlyALargerValue)
{
    Scene scene;
    scene.segmentWidth = 24;
    scene.bestTimeY = -100000;
    updateLeastTime(scene, 56, -250000, true);
    EXPECT_EQ(std::pair(scene.bestPointX, scene.bestTimeY), std::pair(56.0, -250000.0));
    updateLeastTime(scene, 56, 400, true);
    updateLeastTime(scene, 80, 399, false);
    EXPECT_EQ(scene.bestPointX, 56) << "a smaller value changes nothing";
    updateLeastTime(scene, 104, 400, false);
    EXPECT_EQ(scene.bestPointX, 68) << "a tie moves half a segment on";
    updateLeastTime(scene, 128, 400, false);
    EXPECT_EQ(std::pair(scene.bestPointX, scene.bestTimeY), std::pair(80.0, 400.0)) << "each further tie moves another half segment";
    updateLeastTime(scene, 152, 400.0001, false);
    EXPECT_EQ(std::pair(scene.bestPointX, scene.bestTimeY), std::pair(152.0, 400.0001)) << "a strictly larger value replaces outright";

    // Every timeY of a far-away pair lies below the start value of -100000; the marker shows the best point.
    SteppedStart far("1000000", "1");
    far.sweep();
    far.finish();
    EXPECT_EQ(far.surface.ops().at(far.swept).x1, 56);
    EXPECT_LT(far.surface.ops().at(far.swept).y1, -100000);
}

// The slowdown times 300000 decrements, rounded, negative counts none; texts that are no finite
// number, or overflow, are refused.
TEST(PauseDecrements, AreTheSlowdownTimes300000AndARefusedOneEndsTheStart)
{
    const std::pair<const char*, std::uint64_t> worked[] = {
        {"1", 300000},   {"10", 3000000}, {"20", 6000000}, {"0", 0},         {"-3", 0},      {"-0.000001", 0},
        {"0.0000015", 0} /* 0.45 */,      {"0.0000025", 1} /* 0.75 */,      {"1.5", 450000}, {"0.1234567", 37037} /* 37037.01 */,
        {"1e300", std::numeric_limits<std::uint64_t>::max()},
    };
    for (const auto& [slowdown, decrements] : worked)
        EXPECT_EQ(pauseDecrements(slowdown), decrements) << slowdown;
    for (const char* refused : {"fast", "", "1e305", "-1e305"})
        EXPECT_THROW(pauseDecrements(refused), SettingsError) << refused;

    // Refused after a point, it ends the Start there for good.
    SteppedStart start("0", "1");
    start.settings.slowdown = "slow";
    EXPECT_THROW(start.sequence.step(), SettingsError);
    start.settings.slowdown = "1";
    const std::size_t drawn = start.surface.ops().size();
    start.finish();
    EXPECT_EQ(start.surface.ops().size(), drawn);
}

}  // namespace
}  // namespace quorvel

#include "core/start/PathSweep.h"
#include "core/start/ResultMarks.h"
#include "core/start/Scene.h"
#include "core/start/StartSequence.h"
#include "core/text/SettingNumber.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/StartStandIns.h"
#include "tests/support/WorkedValues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace quorvel::testing {
namespace {

// A classic Start for the settings texts, driven a step at a time as an edition drives it.
struct SteppedStart {
    SteppedStart(const std::string& distance, const std::string& frequency) : settings(distance, frequency) {}

    // The thirty points, with the set-up before the first, each asking for a pause.
    void sweep()
    {
        for (int point = 1; point <= 30; ++point)
            EXPECT_TRUE(sequence.step().has_value()) << "point " << point;
        swept = surface.ops().size();
    }
    // The results, after which nothing is left to do.
    void finish()
    {
        EXPECT_EQ(sequence.step(), std::nullopt);
        const std::size_t drawn = surface.ops().size();
        EXPECT_EQ(sequence.step(), std::nullopt);
        EXPECT_EQ(surface.ops().size(), drawn) << "an ended sequence draws nothing more";
    }

    FixedSettings settings;
    RecordingSurface surface;
    RecordingLabels labels;
    StartSequence sequence{surface, settings, labels};
    std::size_t swept = 0;  // the ops drawn up to the results
};

// Each point draws: two rays, the photon vector's dot and line, the two axes, the time-curve
// dot and the spiral link, with these pen changes between them.
constexpr OpKind pointPattern[] = {OpKind::Line,     OpKind::Line, OpKind::PenWidth, OpKind::Circle, OpKind::Line,     OpKind::PenWidth,
                                   OpKind::Line,     OpKind::Line, OpKind::PenWidth, OpKind::Circle, OpKind::PenWidth, OpKind::Line};
constexpr std::size_t opsPerPoint = std::size(pointPattern);

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
            EXPECT_EQ(std::pair(vector.x1, vector.y1), std::pair(static_cast<float>(pointX), 305.5f));
            EXPECT_NEAR(vector.x2, pointX + 10 * std::cos(angle), 2e-3);
            EXPECT_NEAR(vector.y2, 305.5 + 10 * std::sin(angle), 2e-3);
            EXPECT_EQ(pointOp(sweep, i, 9).x1, pointX);
            EXPECT_NEAR(pointOp(sweep, i, 9).y1, row.at("timeY").get<double>(), 5e-4);
        }
    }
}

// The first point is the best whatever its value; a tie moves the best half a segment on, and
// only a strictly larger value replaces it.
TEST(LeastTimeRule, TakesTheFirstPointThenMovesOnTiesAndTakesOnlyALargerValue)
{
    Scene scene{.segmentWidth = 24, .bestTimeY = -100000};
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

// A whole Start for the settings texts, its last step (the results) recorded apart: the ops it
// drew and the settings reads it made.
struct Results : SteppedStart {
    Results(const std::string& distance, const std::string& frequency) : SteppedStart(distance, frequency)
    {
        sweep();
        settings.distanceReads = settings.frequencyReads = 0;
        finish();
        marks.assign(surface.ops().begin() + static_cast<std::ptrdiff_t>(swept), surface.ops().end());
    }

    std::vector<Op> marks;
};

float single(const nlohmann::json& value) { return value.get<float>(); }

Op solid(OpKind kind, float x1, float y1, float x2, float y2, Colour fill, std::optional<Colour> colour = darkGrey)
{
    return {.kind = kind, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .radius = kind == OpKind::Circle ? 5.0f : 0.0f, .colour = colour, .penWidth = 2,
            .fillStyle = FillStyle::Solid, .fillColour = fill};
}

// The label ops of one Start: a place for each label that has one, then all five shown.
std::vector<LabelOp> expectedLabelOps(const nlohmann::json& places, bool withSum)
{
    std::vector<LabelOp> ops;
    for (const auto& [label, name] : resultLabelNames) {
        if (label != ResultLabel::Soucet || withSum) {
            ops.push_back({LabelOp::Left, label, single(places.at(name)[0])});
            ops.push_back({LabelOp::Top, label, single(places.at(name)[1])});
        }
    }
    for (const auto& [label, name] : resultLabelNames)
        ops.push_back({LabelOp::Show, label});
    return ops;
}

// The least-time marker up to the top, its two rays, the green sum vector, and the detector and
// source filled again; the labels placed comparing the settings as texts.
TEST(Results, DrawTheWorkedMarksInOrderAndPlaceTheWorkedLabels)
{
    for (const auto& expected : workedSettings()) {
        const std::string distance = expected.at("distance");
        SCOPED_TRACE(workedSettingName(expected));
        const Results results(distance, expected.at("frequency"));
        const std::vector<Op>& ops = results.marks;
        const float bestX = single(expected.at("bestPointX"));
        const float sourceX = single(expected.at("sourceX"));
        const float detectorX = single(expected.at("detectorX"));
        ASSERT_EQ(ops.size(), 9u);
        EXPECT_EQ(std::tuple(ops[0].kind, ops[0].penWidth, ops[0].colour, ops[0].x1, ops[0].x2, ops[0].y2),
                  std::tuple(OpKind::Line, 1, std::optional<Colour>(darkGrey), bestX, bestX, 100.0f));
        EXPECT_NEAR(ops[0].y1, expected.at("bestTimeY").get<double>(), 6e-4);
        EXPECT_EQ(ops[2], solid(OpKind::Line, bestX, 290.5f, detectorX, 240.5f, SystemColour::ButtonFace));
        EXPECT_EQ(ops[3], solid(OpKind::Line, bestX, 290.5f, sourceX, 240.5f, SystemColour::ButtonFace));
        const Op& sum = ops[4];
        EXPECT_EQ(std::tuple(sum.kind, sum.colour, sum.penWidth, sum.x1, sum.y1),
                  std::tuple(OpKind::Line, std::optional<Colour>(Rgb{0, 255, 0}), 2, single(expected.at("spiralStartX")), single(expected.at("spiralStartY"))));
        EXPECT_NEAR(sum.x2, expected.at("spiralEnd")[0].get<double>(), 6e-4);
        EXPECT_NEAR(sum.y2, expected.at("spiralEnd")[1].get<double>(), 6e-4);
        EXPECT_EQ(ops[5], (Op{.kind = OpKind::FillColour, .colour = SystemColour::CaptionText, .penWidth = 2, .fillStyle = FillStyle::Solid,
                              .fillColour = SystemColour::CaptionText}));
        EXPECT_EQ(ops[7], solid(OpKind::Circle, detectorX, 240.5f, 0, 0, SystemColour::CaptionText));
        EXPECT_EQ(ops[8], solid(OpKind::Circle, sourceX, 240.5f, 0, 0, SystemColour::CaptionText, std::nullopt));
        EXPECT_EQ(results.labels.ops, expectedLabelOps(expected.at("labels"), true));
        EXPECT_EQ(std::pair(results.settings.distanceReads, results.settings.frequencyReads), std::pair(1, distance == "250" ? 1 : 0))
            << "only distance 250 depends on the frequency";
    }
}

// Texts that read as the numbers of a worked setting, or as no worked setting at all, place the
// four other labels by the picture and leave labSoucet where it was.
TEST(LabelPlacement, LeavesTheSumLabelWhereItWasForAnyOtherText)
{
    for (const auto& [distance, frequency, sourceX] : {std::tuple{"250", "3", 104.0}, {"250", "01", 104.0}, {"00", "1", 354.0}, {"250.0", "1", 104.0}, {"100", "1", 254.0}}) {
        SCOPED_TRACE(std::string("distance ") + distance + ", frequency " + frequency);
        nlohmann::json places = workedSettings().at(0).at("labels");
        places["labZdroj"][0] = sourceX - 60;
        places["labDetektor"][0] = sourceX + 80;
        const Results results(distance, frequency);
        EXPECT_EQ(results.labels.ops, expectedLabelOps(places, false));
    }
}

}  // namespace
}  // namespace quorvel::testing

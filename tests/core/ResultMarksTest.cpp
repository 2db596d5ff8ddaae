#include "core/ResultMarks.h"

#include "core/PathSweep.h"
#include "core/Scene.h"
#include "core/SceneSetup.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/SettingsName.h"
#include "tests/support/StartStandIns.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using testing::CountingPacer;
using testing::FixedSettings;
using testing::LabelOp;
using testing::Op;
using testing::OpKind;
using testing::RecordingLabels;
using testing::RecordingSurface;

Scene sweptScene(FixedSettings& settings)
{
    RecordingSurface surface;
    CountingPacer pacer;
    Scene scene = setUpScene(surface, settings);
    sweepPaths(scene, surface, settings, pacer);
    return scene;
}

struct Marks {
    const char* distance;
    const char* frequency;
    float bestX;
    float bestTimeY;
    float detectorX;
    float sourceX;
    float spiralStartX;
    float spiralEndX;
    float spiralEndY;
};

class ResultMarkDrawing : public ::testing::TestWithParam<Marks> {};

TEST_P(ResultMarkDrawing, DrawsTheWorkedMarksInOrder)
{
    const Marks& expected = GetParam();
    FixedSettings settings;
    settings.distance = expected.distance;
    settings.frequency = expected.frequency;
    const Scene scene = sweptScene(settings);
    RecordingSurface surface;
    surface.setFillStyle(FillStyle::Solid);
    surface.setFillColour(SystemColour::ButtonFace);
    const std::size_t before = surface.ops().size();

    drawResultMarks(scene, surface);

    const std::vector<Op> ops(surface.ops().begin() + before, surface.ops().end());
    ASSERT_EQ(ops.size(), 9u);
    const Op& marker = ops[0];
    EXPECT_EQ(marker.kind, OpKind::Line);
    EXPECT_EQ(marker.penWidth, 1);
    EXPECT_EQ(marker.colour, Colour(darkGrey));
    EXPECT_EQ(marker.x1, expected.bestX);
    EXPECT_NEAR(marker.y1, expected.bestTimeY, 6e-4);
    EXPECT_EQ(marker.x2, expected.bestX);
    EXPECT_EQ(marker.y2, 100.0f);
    EXPECT_EQ(ops[1].kind, OpKind::PenWidth);
    EXPECT_EQ(ops[2], (Op{.kind = OpKind::Line, .x1 = expected.bestX, .y1 = 290.5f, .x2 = expected.detectorX, .y2 = 240.5f, .colour = darkGrey, .penWidth = 2,
                          .fillStyle = FillStyle::Solid, .fillColour = SystemColour::ButtonFace}));
    EXPECT_EQ(ops[3], (Op{.kind = OpKind::Line, .x1 = expected.bestX, .y1 = 290.5f, .x2 = expected.sourceX, .y2 = 240.5f, .colour = darkGrey, .penWidth = 2,
                          .fillStyle = FillStyle::Solid, .fillColour = SystemColour::ButtonFace}));
    const Op& sum = ops[4];
    EXPECT_EQ(sum.kind, OpKind::Line);
    EXPECT_EQ(sum.colour, Colour(green));
    EXPECT_EQ(sum.penWidth, 2);
    EXPECT_EQ(sum.x1, expected.spiralStartX);
    EXPECT_EQ(sum.y1, 190.5f);
    EXPECT_NEAR(sum.x2, expected.spiralEndX, 6e-4);
    EXPECT_NEAR(sum.y2, expected.spiralEndY, 6e-4);
    EXPECT_EQ(ops[5], (Op{.kind = OpKind::FillColour, .colour = SystemColour::CaptionText, .penWidth = 2, .fillStyle = FillStyle::Solid,
                          .fillColour = SystemColour::CaptionText}));
    EXPECT_EQ(ops[6].kind, OpKind::FillStyle);
    EXPECT_EQ(ops[7], (Op{.kind = OpKind::Circle, .x1 = expected.detectorX, .y1 = 240.5f, .radius = 5, .colour = darkGrey, .penWidth = 2,
                          .fillStyle = FillStyle::Solid, .fillColour = SystemColour::CaptionText}));
    EXPECT_EQ(ops[8], (Op{.kind = OpKind::Circle, .x1 = expected.sourceX, .y1 = 240.5f, .radius = 5, .colour = std::nullopt, .penWidth = 2,
                          .fillStyle = FillStyle::Solid, .fillColour = SystemColour::CaptionText}));
}

INSTANTIATE_TEST_SUITE_P(FourSettings, ResultMarkDrawing,
                         ::testing::Values(Marks{"0", "1", 404, 470.214f, 454, 354, 594, 653.632f, 74.196f},
                                           Marks{"0", "2", 404, 470.214f, 454, 354, 594, 502.243f, 121.960f},
                                           Marks{"250", "1", 152, 470.492f, 204, 104, 344, 452.216f, 157.149f},
                                           Marks{"250", "2", 152, 470.492f, 204, 104, 344, 271.401f, 109.124f}),
                         testing::SettingsTestName());

std::vector<LabelOp> placedLabels(FixedSettings& settings)
{
    const Scene scene = sweptScene(settings);
    settings.distanceReads = settings.frequencyReads = 0;
    RecordingLabels labels;
    placeResultLabels(scene, settings, labels);
    return labels.ops;
}

std::vector<LabelOp> expectedLabelOps(float sourceX, float detectorX, std::optional<std::pair<float, float>> sum)
{
    std::vector<LabelOp> ops = {
        {LabelOp::Left, ResultLabel::Radius, 420},        {LabelOp::Top, ResultLabel::Radius, 320.5f},
        {LabelOp::Left, ResultLabel::Cas, 54},            {LabelOp::Top, ResultLabel::Cas, 340.5f},
        {LabelOp::Left, ResultLabel::Zdroj, sourceX - 60}, {LabelOp::Top, ResultLabel::Zdroj, 210.5f},
        {LabelOp::Left, ResultLabel::Detektor, detectorX - 20}, {LabelOp::Top, ResultLabel::Detektor, 210.5f},
    };
    if (sum) {
        ops.push_back({LabelOp::Left, ResultLabel::Soucet, sum->first});
        ops.push_back({LabelOp::Top, ResultLabel::Soucet, sum->second});
    }
    for (const auto label : {ResultLabel::Radius, ResultLabel::Cas, ResultLabel::Zdroj, ResultLabel::Detektor, ResultLabel::Soucet})
        ops.push_back({LabelOp::Show, label});
    return ops;
}

struct SumLabelRow {
    const char* distance;
    const char* frequency;
    float sourceX;
    std::optional<std::pair<float, float>> sum;
    int frequencyReads;
};

class LabelPlacement : public ::testing::TestWithParam<SumLabelRow> {};

TEST_P(LabelPlacement, PlacesFourLabelsByFormulaAndTheSumLabelByText)
{
    const SumLabelRow& row = GetParam();
    FixedSettings settings;
    settings.distance = row.distance;
    settings.frequency = row.frequency;
    EXPECT_EQ(placedLabels(settings), expectedLabelOps(row.sourceX, row.sourceX + 100, row.sum));
    EXPECT_EQ(settings.distanceReads, 1);
    EXPECT_EQ(settings.frequencyReads, row.frequencyReads);
}

INSTANTIATE_TEST_SUITE_P(
    EveryRow, LabelPlacement,
    ::testing::Values(SumLabelRow{"0", "1", 354, std::pair{614.0f, 190.5f}, 0}, SumLabelRow{"0", "2", 354, std::pair{614.0f, 190.5f}, 0},
                      SumLabelRow{"250", "1", 104, std::pair{444.0f, 190.5f}, 1}, SumLabelRow{"250", "2", 104, std::pair{344.0f, 100.5f}, 1},
                      SumLabelRow{"250", "3", 104, std::nullopt, 1}, SumLabelRow{"250", "01", 104, std::nullopt, 1},
                      SumLabelRow{"00", "1", 354, std::nullopt, 0}, SumLabelRow{"250.0", "1", 104, std::nullopt, 0},
                      SumLabelRow{"100", "1", 254, std::nullopt, 0}),
    testing::SettingsTestName());

}  // namespace
}  // namespace quorvel

#include "core/start/ResultMarks.h"

#include "tests/core/start/SteppedStart.h"
#include "tests/support/WorkedValues.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quorvel {
namespace {

using testing::LabelOp;
using testing::Op;
using testing::OpKind;
using testing::workedSettings;

// A whole Start for the settings texts, its last step (the results) recorded apart: the ops it
// drew and the settings reads it made.
struct Results : testing::SteppedStart {
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

// The least-time marker up to the top, its two rays, the green sum vector, and the detector and
// source filled again.
TEST(ResultMarkDrawing, DrawsTheWorkedMarksInOrder)
{
    for (const auto& expected : workedSettings()) {
        SCOPED_TRACE(testing::workedSettingName(expected));
        const std::vector<Op>& ops = Results(expected.at("distance"), expected.at("frequency")).marks;
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
    }
}

// The label ops of one Start: a place for each label that has one, then all five shown.
std::vector<LabelOp> expectedLabelOps(const nlohmann::json& places, bool withSum)
{
    std::vector<LabelOp> ops;
    for (const auto& [label, name] : testing::resultLabelNames) {
        if (label != ResultLabel::Soucet || withSum) {
            ops.push_back({LabelOp::Left, label, single(places.at(name)[0])});
            ops.push_back({LabelOp::Top, label, single(places.at(name)[1])});
        }
    }
    for (const auto& [label, name] : testing::resultLabelNames)
        ops.push_back({LabelOp::Show, label});
    return ops;
}

TEST(LabelPlacement, PlacesTheWorkedLabelsComparingTheSettingsAsTexts)
{
    for (const auto& expected : workedSettings()) {
        const std::string distance = expected.at("distance");
        SCOPED_TRACE(testing::workedSettingName(expected));
        const Results results(distance, expected.at("frequency"));
        EXPECT_EQ(results.labels.ops, expectedLabelOps(expected.at("labels"), true));
        EXPECT_EQ(results.settings.distanceReads, 1);
        EXPECT_EQ(results.settings.frequencyReads, distance == "250" ? 1 : 0) << "only distance 250 depends on the frequency";
    }
}

// Texts that read as the numbers of a worked setting, or as no worked setting at all, place the
// four other labels by the picture and leave labSoucet where it was.
TEST(LabelPlacement, LeavesTheSumLabelWhereItWasForAnyOtherText)
{
    struct Row {
        const char* distance;
        const char* frequency;
        double sourceX;
    };
    for (const Row row : {Row{"250", "3", 104}, Row{"250", "01", 104}, Row{"00", "1", 354}, Row{"250.0", "1", 104}, Row{"100", "1", 254}}) {
        SCOPED_TRACE(std::string("distance ") + row.distance + ", frequency " + row.frequency);
        nlohmann::json places = workedSettings().at(0).at("labels");
        places["labZdroj"][0] = row.sourceX - 60;
        places["labDetektor"][0] = row.sourceX + 80;
        const Results results(row.distance, row.frequency);
        EXPECT_EQ(results.labels.ops, expectedLabelOps(places, false));
    }
}

}  // namespace
}  // namespace quorvel

#include "core/ResultMarks.h"

#include "core/StartSequence.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/StartStandIns.h"
#include "tests/support/WorkedValues.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quorvel {
namespace {

using testing::FixedSettings;
using testing::LabelOp;
using testing::Op;
using testing::OpKind;
using testing::RecordingLabels;
using testing::RecordingSurface;
using testing::workedSettings;

// A whole Start for the settings texts, its last step (the results) recorded apart: the ops it
// drew and the settings reads it made.
struct Results {
    Results(const std::string& distance, const std::string& frequency)
    {
        settings.distance = distance;
        settings.frequency = frequency;
        StartSequence sequence(surface, settings, labels);
        for (int point = 1; point <= 30; ++point)
            EXPECT_TRUE(sequence.step().has_value()) << "point " << point;
        const std::size_t before = surface.ops().size();
        settings.distanceReads = settings.frequencyReads = 0;
        EXPECT_EQ(sequence.step(), std::nullopt);
        marks.assign(surface.ops().begin() + static_cast<std::ptrdiff_t>(before), surface.ops().end());
    }

    FixedSettings settings;
    RecordingSurface surface;
    RecordingLabels labels;
    std::vector<Op> marks;
};

float single(const nlohmann::json& value) { return value.get<float>(); }

TEST(ResultMarkDrawing, DrawsTheWorkedMarksInOrder)
{
    for (const auto& expected : workedSettings()) {
        SCOPED_TRACE(testing::workedSettingName(expected));
        const Results results(expected.at("distance"), expected.at("frequency"));
        const std::vector<Op>& ops = results.marks;
        const float bestX = single(expected.at("bestPointX"));
        const float sourceX = single(expected.at("sourceX"));
        const float detectorX = single(expected.at("detectorX"));
        ASSERT_EQ(ops.size(), 9u);
        const Op& marker = ops[0];
        EXPECT_EQ(marker.kind, OpKind::Line);
        EXPECT_EQ(marker.penWidth, 1);
        EXPECT_EQ(marker.colour, Colour(darkGrey));
        EXPECT_EQ(marker.x1, bestX);
        EXPECT_NEAR(marker.y1, expected.at("bestTimeY").get<double>(), 6e-4);
        EXPECT_EQ(marker.x2, bestX);
        EXPECT_EQ(marker.y2, 100.0f);
        EXPECT_EQ(ops[1].kind, OpKind::PenWidth);
        EXPECT_EQ(ops[2], (Op{.kind = OpKind::Line, .x1 = bestX, .y1 = 290.5f, .x2 = detectorX, .y2 = 240.5f, .colour = darkGrey, .penWidth = 2,
                              .fillStyle = FillStyle::Solid, .fillColour = SystemColour::ButtonFace}));
        EXPECT_EQ(ops[3], (Op{.kind = OpKind::Line, .x1 = bestX, .y1 = 290.5f, .x2 = sourceX, .y2 = 240.5f, .colour = darkGrey, .penWidth = 2,
                              .fillStyle = FillStyle::Solid, .fillColour = SystemColour::ButtonFace}));
        const Op& sum = ops[4];
        EXPECT_EQ(sum.kind, OpKind::Line);
        EXPECT_EQ(sum.colour, Colour(green));
        EXPECT_EQ(sum.penWidth, 2);
        EXPECT_EQ(sum.x1, single(expected.at("spiralStartX")));
        EXPECT_EQ(sum.y1, single(expected.at("spiralStartY")));
        EXPECT_NEAR(sum.x2, expected.at("spiralEnd")[0].get<double>(), 6e-4);
        EXPECT_NEAR(sum.y2, expected.at("spiralEnd")[1].get<double>(), 6e-4);
        EXPECT_EQ(ops[5], (Op{.kind = OpKind::FillColour, .colour = SystemColour::CaptionText, .penWidth = 2, .fillStyle = FillStyle::Solid,
                              .fillColour = SystemColour::CaptionText}));
        EXPECT_EQ(ops[6].kind, OpKind::FillStyle);
        EXPECT_EQ(ops[7], (Op{.kind = OpKind::Circle, .x1 = detectorX, .y1 = 240.5f, .radius = 5, .colour = darkGrey, .penWidth = 2,
                              .fillStyle = FillStyle::Solid, .fillColour = SystemColour::CaptionText}));
        EXPECT_EQ(ops[8], (Op{.kind = OpKind::Circle, .x1 = sourceX, .y1 = 240.5f, .radius = 5, .colour = std::nullopt, .penWidth = 2,
                              .fillStyle = FillStyle::Solid, .fillColour = SystemColour::CaptionText}));
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

#include "core/SceneSetup.h"

#include "core/SettingNumber.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/StartStandIns.h"
#include "tests/support/WorkedValues.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

using testing::FixedSettings;
using testing::Op;
using testing::OpKind;
using testing::RecordingSurface;

constexpr int bandLines = 520;

// The set-up as the classic window's Start does it: the whole mirror, drawn on one surface.
Scene classicSetUp(RecordingSurface& surface, const SettingsTexts& settings) { return setUpScene(surface, settings, Mirror::whole(), surface, Layout::Classic); }

// The set-up of a worked setting, with the settings texts it read.
struct SceneOf {
    explicit SceneOf(const nlohmann::json& expected)
    {
        settings.distance = expected.at("distance");
        settings.frequency = expected.at("frequency");
        scene = classicSetUp(surface, settings);
    }

    FixedSettings settings;
    RecordingSurface surface;
    Scene scene;
};

TEST(StaticScene, ComputesTheWorkedSceneQuantities)
{
    for (const auto& expected : testing::workedSettings()) {
        SCOPED_TRACE(testing::workedSettingName(expected));
        const SceneOf setUp(expected);
        const Scene& scene = setUp.scene;
        EXPECT_EQ(scene.canvasWidth, 800);
        EXPECT_EQ(scene.canvasHeight, 581);
        EXPECT_NEAR(scene.phaseFactor, expected.at("phaseFactor").get<double>(), 5e-8);
        EXPECT_EQ(scene.mirrorLeft, 20);
        EXPECT_EQ(scene.mirrorY, 290.5);
        EXPECT_EQ(scene.arrowLength, 10);
        EXPECT_EQ(scene.segmentWidth, 24);
        EXPECT_EQ(scene.halfSegment, 12);
        EXPECT_EQ(scene.segmentCount, 30);
        EXPECT_EQ(scene.sourceX, expected.at("sourceX").get<double>());
        EXPECT_EQ(scene.sourceY, 240.5);
        EXPECT_EQ(scene.detectorX, expected.at("detectorX").get<double>());
        EXPECT_EQ(scene.detectorY, 240.5);
        EXPECT_EQ(scene.spiralX, expected.at("spiralStartX").get<double>());
        EXPECT_EQ(scene.spiralY, 190.5);
        EXPECT_EQ(scene.spiralStartX, expected.at("spiralStartX").get<double>());
        EXPECT_EQ(scene.spiralStartY, expected.at("spiralStartY").get<double>());
        EXPECT_EQ(scene.bestTimeY, -100000);
        EXPECT_EQ(setUp.settings.frequencyReads, 1);
        EXPECT_EQ(setUp.settings.distanceReads, 1) << "the source and the detector are moved by one reading";
    }
}

TEST(StaticScene, DrawsTheStaticPictureInOrder)
{
    for (const auto& expected : testing::workedSettings()) {
        SCOPED_TRACE(testing::workedSettingName(expected));
        const SceneOf setUp(expected);
        const std::vector<Op>& ops = setUp.surface.ops();
        ASSERT_EQ(ops.size(), 1u + 1u + bandLines + 7u + 1u + 60u + 1u + 1u);

        EXPECT_EQ(ops[0].kind, OpKind::ResetToPixels);
        EXPECT_EQ(ops[1], (Op{.kind = OpKind::PenWidth, .penWidth = 1}));
        // The band repaints rows 580 up to 61, bottom row first, 1 pixel wide.
        for (int i = 1; i <= bandLines; ++i) {
            const float y = 581.0f - i;
            ASSERT_EQ(ops[1 + i], (Op{.kind = OpKind::Line, .x1 = 5, .y1 = y, .x2 = 795, .y2 = y, .colour = lightGrey, .penWidth = 1})) << "band line " << i;
    }

    const std::size_t source = 2 + bandLines;
    EXPECT_EQ(ops[source].kind, OpKind::PenWidth);
    EXPECT_EQ(ops[source + 1], (Op{.kind = OpKind::FillColour, .colour = SystemColour::CaptionText, .penWidth = 2, .fillColour = SystemColour::CaptionText}));
    EXPECT_EQ(ops[source + 2].kind, OpKind::FillStyle);
    EXPECT_EQ(ops[source + 3], (Op{.kind = OpKind::Circle, .x1 = expected.at("sourceX").get<float>(), .y1 = 240.5f, .radius = 5, .colour = darkGrey, .penWidth = 2,
                                   .fillStyle = FillStyle::Solid, .fillColour = SystemColour::CaptionText}));
    EXPECT_EQ(ops[source + 4].kind, OpKind::FillColour);
    EXPECT_EQ(ops[source + 5].kind, OpKind::FillStyle);
    EXPECT_EQ(ops[source + 6], (Op{.kind = OpKind::Circle, .x1 = expected.at("detectorX").get<float>(), .y1 = 240.5f, .radius = 5, .colour = darkGrey, .penWidth = 2,
                                   .fillStyle = FillStyle::Solid, .fillColour = SystemColour::ButtonFace}));
    EXPECT_EQ(ops[source + 7], (Op{.kind = OpKind::PenWidth, .penWidth = 3, .fillStyle = FillStyle::Solid, .fillColour = SystemColour::ButtonFace}));

    // Thirty 24-pixel segments from 44 to 764, each with a filled dot on its left end.
    const std::size_t mirror = source + 8;
    for (int i = 1; i <= 30; ++i) {
        const Op& segment = ops[mirror + 2 * (i - 1)];
        const Op& dot = ops[mirror + 2 * (i - 1) + 1];
        const float left = 20.0f + 24.0f * i;
        EXPECT_EQ(segment, (Op{.kind = OpKind::Line, .x1 = left, .y1 = 290.5f, .x2 = left + 24, .y2 = 290.5f, .colour = darkGrey, .penWidth = 3,
                               .fillStyle = FillStyle::Solid, .fillColour = SystemColour::ButtonFace}));
        EXPECT_EQ(dot, (Op{.kind = OpKind::Circle, .x1 = left, .y1 = 290.5f, .radius = 1, .colour = darkGrey, .penWidth = 3, .fillStyle = FillStyle::Solid,
                           .fillColour = SystemColour::ButtonFace}));
    }
    EXPECT_EQ(ops[mirror + 58].x1, 740.0f);

    EXPECT_EQ(ops[mirror + 60], (Op{.kind = OpKind::Circle, .x1 = expected.at("spiralStartX").get<float>(), .y1 = 190.5f, .radius = 2, .colour = darkGrey, .penWidth = 3,
                                    .fillStyle = FillStyle::Solid, .fillColour = SystemColour::ButtonFace}));
    EXPECT_EQ(ops[mirror + 61].kind, OpKind::PenWidth);
    EXPECT_EQ(setUp.surface.penWidth(), 1);
    EXPECT_EQ(setUp.surface.fillStyle(), FillStyle::Solid);
    EXPECT_EQ(setUp.surface.fillColour(), Colour(SystemColour::ButtonFace));
    }
}

TEST(StaticSceneBand, IsOnePixelWideWhateverPenTheLastCommandLeft)
{
    RecordingSurface surface;
    surface.setPenWidth(2);
    FixedSettings settings;
    classicSetUp(surface, settings);
    for (const Op& op : surface.opsOfKind(OpKind::Line)) {
        if (op.colour == Colour(lightGrey)) {
            ASSERT_EQ(op.penWidth, 1);
        }
    }
}

// A text that is not a number stops the set-up at its conversion; the band stays painted.
class BadSceneSetting : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(BadSceneSetting, LeavesOnlyTheBand)
{
    const auto [distance, frequency] = GetParam();
    RecordingSurface surface;
    FixedSettings settings;
    settings.distance = distance;
    settings.frequency = frequency;
    EXPECT_THROW(classicSetUp(surface, settings), SettingsError);
    ASSERT_EQ(surface.ops().size(), 2u + bandLines);
    EXPECT_EQ(surface.ops().back().y1, 61.0f);
}

INSTANTIATE_TEST_SUITE_P(Texts, BadSceneSetting,
                         ::testing::Values(std::pair{"0", ""}, std::pair{"0", "one"}, std::pair{"0", "nan"}, std::pair{"0", "inf"}, std::pair{"", "1"},
                                           std::pair{"abc", "1"}, std::pair{"-inf", "2"}, std::pair{"1e999", "2"}));

TEST(StaticSceneSettings, AcceptsAnyNumberAndMovesThePictureByIt)
{
    RecordingSurface surface;
    FixedSettings settings;
    settings.distance = "-100";
    settings.frequency = "0.5";
    const Scene scene = classicSetUp(surface, settings);
    EXPECT_EQ(scene.sourceX, 454);
    EXPECT_EQ(scene.detectorX, 554);
    EXPECT_EQ(scene.spiralStartX, 694);
    EXPECT_NEAR(scene.phaseFactor, 0.02355615, 1e-9);
}

}  // namespace
}  // namespace quorvel

#include "core/start/SceneSetup.h"

#include "core/text/SettingNumber.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/StartStandIns.h"
#include "tests/support/WorkedValues.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace quorvel::testing {
namespace {

constexpr int bandLines = 520;
// The picture's greys as its pixels show them, worked out apart from the code's names for them.
constexpr Rgb shownDarkGrey{64, 64, 64};
constexpr Rgb shownLightGrey{192, 192, 192};

// The set-up as the classic window's Start does it: the whole mirror, drawn on one surface.
Scene classicSetUp(RecordingSurface& surface, const SettingsTexts& settings) { return setUpScene(surface, settings, Mirror::whole(), surface, Layout::Classic); }

Op darkGreyCircle(float x, float y, float radius, int pen, Colour fill)
{
    return {.kind = OpKind::Circle, .x1 = x, .y1 = y, .radius = radius, .colour = shownDarkGrey, .penWidth = pen, .fillStyle = FillStyle::Solid, .fillColour = fill};
}

// The band, the source and detector, the thirty segments and the spiral's start, in that order,
// with the pen a previous command left at 2: the band is one pixel wide all the same.
TEST(StaticScene, DrawsTheWorkedStaticPictureInOrderReadingEachSettingOnce)
{
    for (const auto& expected : workedSettings()) {
        SCOPED_TRACE(workedSettingName(expected));
        FixedSettings settings(expected.at("distance"), expected.at("frequency"));
        RecordingSurface surface;
        surface.setPenWidth(2);
        classicSetUp(surface, settings);
        EXPECT_EQ(settings.frequencyReads, 1);
        EXPECT_EQ(settings.distanceReads, 1) << "the source and the detector are moved by one reading";
        const std::vector<Op>& ops = surface.ops();
        ASSERT_EQ(ops.size(), 2u + 1u + bandLines + 7u + 1u + 60u + 1u + 1u);

        EXPECT_EQ(ops[1].kind, OpKind::ResetToPixels);
        EXPECT_EQ(ops[2], (Op{.kind = OpKind::PenWidth, .penWidth = 1}));
        // Rows 580 up to 61, bottom row first.
        for (int i = 1; i <= bandLines; ++i) {
            const float y = 581.0f - i;
            ASSERT_EQ(ops[2 + i], (Op{.kind = OpKind::Line, .x1 = 5, .y1 = y, .x2 = 795, .y2 = y, .colour = shownLightGrey, .penWidth = 1})) << "band line " << i;
        }

        const std::size_t source = 3 + bandLines;
        EXPECT_EQ(ops[source + 1], (Op{.kind = OpKind::FillColour, .colour = SystemColour::CaptionText, .penWidth = 2, .fillColour = SystemColour::CaptionText}));
        EXPECT_EQ(ops[source + 3], darkGreyCircle(expected.at("sourceX"), 240.5f, 5, 2, SystemColour::CaptionText));
        EXPECT_EQ(ops[source + 6], darkGreyCircle(expected.at("detectorX"), 240.5f, 5, 2, SystemColour::ButtonFace));
        EXPECT_EQ(ops[source + 7], (Op{.kind = OpKind::PenWidth, .penWidth = 3, .fillStyle = FillStyle::Solid, .fillColour = SystemColour::ButtonFace}));

        // Thirty 24-pixel segments from 44 to 764, each with a dot on its left end.
        const std::size_t mirror = source + 8;
        for (int i = 1; i <= 30; ++i) {
            const float left = 20.0f + 24.0f * i;
            EXPECT_EQ(ops[mirror + 2 * (i - 1)], (Op{.kind = OpKind::Line, .x1 = left, .y1 = 290.5f, .x2 = left + 24, .y2 = 290.5f, .colour = shownDarkGrey, .penWidth = 3,
                                                     .fillStyle = FillStyle::Solid, .fillColour = SystemColour::ButtonFace}));
            EXPECT_EQ(ops[mirror + 2 * (i - 1) + 1], darkGreyCircle(left, 290.5f, 1, 3, SystemColour::ButtonFace));
        }
        EXPECT_EQ(ops[mirror + 60], darkGreyCircle(expected.at("spiralStartX"), 190.5f, 2, 3, SystemColour::ButtonFace));
        EXPECT_EQ(std::pair(surface.penWidth(), surface.fillColour()), std::pair(1, std::optional<Colour>(SystemColour::ButtonFace)));
    }
}

TEST(StaticScene, MovesThePictureByAnyNumber)
{
    RecordingSurface surface;
    const Scene scene = classicSetUp(surface, FixedSettings("-100", "0.5"));
    EXPECT_EQ(std::tuple(scene.sourceX, scene.detectorX, scene.spiralStartX), std::tuple(454, 554, 694));
    EXPECT_NEAR(scene.phaseFactor, 0.02355615, 1e-9);
}

// A text that is not a number stops the set-up at its conversion; the band stays painted.
TEST(StaticScene, ABadSettingLeavesOnlyTheBand)
{
    for (const auto& [distance, frequency] : {std::pair{"0", ""}, {"0", "one"}, {"0", "nan"}, {"0", "inf"}, {"", "1"}, {"abc", "1"}, {"-inf", "2"}, {"1e999", "2"}}) {
        RecordingSurface surface;
        EXPECT_THROW(classicSetUp(surface, FixedSettings(distance, frequency)), SettingsError) << distance << " " << frequency;
        ASSERT_EQ(surface.ops().size(), 2u + bandLines);
        EXPECT_EQ(surface.ops().back().y1, 61.0f);
    }
}

}  // namespace
}  // namespace quorvel::testing

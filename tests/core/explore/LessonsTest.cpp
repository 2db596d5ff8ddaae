#include "core/explore/ExploreWords.h"
#include "core/explore/MirrorOptics.h"
#include "core/picture/PictureSvg.h"
#include "tests/core/window/ModelWindow.h"
#include "tests/support/MirrorText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quorvel::testing {
namespace {

using ::testing::HasSubstr;

// Written from the geometry, sharing nothing with the core: the source at 354 - distance and the
// detector 100 pixels right of it, both 50 above the mirror; segment k's centre at 56 + 24k.
double referenceLength(PathMeasure measure, int distance, int segment)
{
    const double x = 56 + 24.0 * segment;
    const double source = 354.0 - distance - x;
    const double detector = 454.0 - distance - x;
    if (measure == PathMeasure::TwoLegs)
        return std::sqrt(source * source + 2500) + std::sqrt(detector * detector + 2500);
    return std::sqrt(source * source + detector * detector + 5000);
}

// The largest turn between neighbouring segments' arrows, in degrees, over the distances given.
double largestTurn(PathMeasure measure, int tenths, int fromDistance, int toDistance)
{
    double largest = 0;
    for (int distance = fromDistance; distance <= toDistance; ++distance) {
        for (int k = 0; k + 1 < Mirror::segmentCount; ++k) {
            const double step = std::abs(referenceLength(measure, distance, k + 1) - referenceLength(measure, distance, k));
            largest = std::max(largest, step * 0.0471123 * tenths / 10 * 180 / std::numbers::pi);
        }
    }
    return largest;
}

// Most light comes from where the time is least: at 250/1 the third around it is segments 0 to 9
// and the rest of the mirror gives almost nothing (the figures' table has each part's light with
// the window's measure), with real lengths too.
TEST(LessonPresets, TheThirdAroundLeastTimeGivesMostOfTheLight)
{
    ModelWindow window;
    window.perform(DistanceSetting{250}, MirrorPreset::AroundLeastTime);
    EXPECT_EQ(window.state().explore.mirror, Mirror::span(0, 9)) << "the least-time point is at x 154, over segments 0 to 9";
    window.model.perform(MirrorPreset::AwayFromLeastTime);
    EXPECT_EQ(window.state().explore.mirror, Mirror::span(10, 29));
    window.model.perform(MeasureSetting{PathMeasure::TwoLegs});
    EXPECT_NEAR(window.state().explore.brightness, 0.0029, 0.0005) << "with real lengths";
}

// A grating is made of the segments still on: the left third, dark at 0/2, sends 2.21 with 5 of
// its 10 strips.
TEST(LessonGrating, IsMadeOfTheSegmentsStillOnAndNeverShrinksWhenPressedAgain)
{
    ModelWindow window;
    window.perform(Option::op2, MirrorPreset::AwayFromLeastTime);
    for (int segment = 20; segment < 30; ++segment)
        window.model.perform(SegmentSwitch{segment});
    ASSERT_EQ(window.state().explore.mirror, Mirror::span(0, 9));
    window.model.perform(MirrorPreset::Grating);
    const Mirror leftGrating = window.state().explore.mirror;
    EXPECT_EQ(mirrorText(leftGrating), "101010101000000000000000000000");
    EXPECT_EQ(brightnessNumber(window.state().explore.brightness), "2.21");
    window.model.perform(MirrorPreset::Grating);
    EXPECT_EQ(window.state().explore.mirror, leftGrating) << "a grating of a grating is itself";

    // At other settings it is made again of the left third, not of the grating left from before.
    window.perform(FrequencySetting{13}, MirrorPreset::Grating);
    EXPECT_EQ(window.state().explore.mirror, grating(0, 1.3, PathMeasure::RootOfSquares, Mirror::span(0, 9)));
    EXPECT_NE(window.state().explore.mirror, grating(0, 1.3, PathMeasure::RootOfSquares, leftGrating));

    // Made from the whole mirror it is the grating it always was, and stays when the settings change.
    ModelWindow whole;
    whole.perform(Option::op250, MirrorPreset::Grating);
    EXPECT_EQ(whole.state().explore.mirror, grating(250, 1));
    whole.perform(FrequencySetting{20}, DistanceSetting{0});
    EXPECT_EQ(whole.state().explore.mirror, grating(250, 1));
    EXPECT_NEAR(whole.state().explore.brightness, brightness(grating(250, 1), 0, 2), 1e-12);
}

// Above the cap the arrows of neighbouring segments turn apart by more than half a turn somewhere
// the pair can stand; the window's measure keeps the window's own 2, true with the pair at the
// middle.
TEST(LessonFrequencyCap, KeepsNeighbouringArrowsWithinHalfATurn)
{
    constexpr int legsCap = ExploreState::frequencyTenthsCap(PathMeasure::TwoLegs);
    EXPECT_LE(largestTurn(PathMeasure::TwoLegs, legsCap, -330, 330), 180);
    EXPECT_GT(largestTurn(PathMeasure::TwoLegs, legsCap + 1, -330, 330), 180);
    constexpr int windowCap = ExploreState::frequencyTenthsCap(PathMeasure::RootOfSquares);
    EXPECT_EQ(windowCap, 20);
    EXPECT_LE(largestTurn(PathMeasure::RootOfSquares, windowCap, 0, 0), 180);
    EXPECT_GT(largestTurn(PathMeasure::RootOfSquares, windowCap + 1, 0, 0), 180);
    EXPECT_LE(largestTurn(PathMeasure::RootOfSquares, windowCap, -330, 330), 182.5) << "the far end's neighbours at distance 330";

    PanelWindow window;
    window.perform(Option::op2, MeasureSetting{PathMeasure::TwoLegs});
    EXPECT_EQ(std::pair(window.state().explore.frequencyTenths, window.state().nKmitocet), std::pair(legsCap, std::string("1.3")));
    window.settle();
    EXPECT_THAT(window.view.announcements.back(), ::testing::StartsWith("Path lengths: Real length (the two legs). Frequency brought down to 1.3"));
    const auto note = [&window] { return window.state().explore.frequencyNote; };
    EXPECT_EQ(note(), "Frequency brought down to 1.3, the highest that 30 segments show truly with these lengths.") << "shown beside the frequency too";
    window.model.perform(FrequencySetting{30});
    EXPECT_EQ(window.state().explore.frequencyTenths, legsCap);
    EXPECT_EQ(note(), "") << "a frequency set by hand needs no note";
    // The window's own 2 is beyond the real lengths' reach: the window's measure comes back.
    window.model.choose(Option::op2);
    EXPECT_EQ(std::pair(window.state().explore.measure, window.state().explore.frequencyTenths), std::pair(PathMeasure::RootOfSquares, 20));
    window.settle();
    EXPECT_THAT(window.view.announcements.back(), HasSubstr("measured as the window measures them again"));
    EXPECT_THAT(note(), ::testing::StartsWith("Frequency 2 is beyond what 30 segments show truly"));
    window.model.perform(FrequencySetting{30});
    EXPECT_EQ(window.state().explore.frequencyTenths, windowCap);
}

// The real lengths draw another picture: the middle segments' time dot stands 0.2 / 1.414 of the
// 142.4-pixel path above the axis at 490.5 (flatter, so that the curve stays under the mirror),
// the window's 0.2 of its 101.4. Drawn again, as a saved picture is, it keeps the real lengths.
TEST(LessonMeasure, IsDrawnFlatterForRealLengths)
{
    const auto middleTimeDot = [](const std::vector<Op>& ops) {
        const auto dot = std::find_if(ops.rbegin(), ops.rend(), [](const Op& op) { return op.kind == OpKind::Circle && op.x1 == 392 && op.y1 > 440; });
        return dot == ops.rend() ? 0.0 : dot->y1;
    };
    PanelWindow window;
    window.model.perform(MeasureSetting{PathMeasure::TwoLegs});
    const double legs = 490.5 - 0.2 / std::sqrt(2) * referenceLength(PathMeasure::TwoLegs, 0, 14);
    EXPECT_NEAR(middleTimeDot(window.surface.ops()), legs, 0.01);
    RecordingSurface again;
    drawPictureAgain(again, {DrawnPicture::Stage::Drawn, "0", "1", Mirror::whole(), 30, Layout::Explore, PathMeasure::TwoLegs});
    EXPECT_NEAR(middleTimeDot(again.ops()), legs, 0.01);
    EXPECT_THAT(window.model.pictureDescription(), HasSubstr("its two legs added"));
    window.model.perform(MeasureSetting{PathMeasure::RootOfSquares});
    EXPECT_NEAR(middleTimeDot(window.surface.ops()), 490.5 - 0.2 * referenceLength(PathMeasure::RootOfSquares, 0, 14), 0.01);
}

// At frequency 1 the ends do not cancel; the panel offers a frequency where they do, within the
// measure's reach, and with the pair away from the middle it offers the middle.
TEST(LessonEnds, OffersASettingWhereTheEndsCancel)
{
    PanelWindow window;
    window.model.perform(MirrorPreset::OuterThirds);
    EndsLesson lesson = window.state().explore.endsLesson;
    EXPECT_EQ(std::pair(lesson.offer, lesson.frequencyTenths), std::pair(EndsLesson::Offer::Frequency, 20));
    EXPECT_EQ(endsLessonOffer(lesson), "Try frequency 2");
    window.settle();
    EXPECT_THAT(window.view.announcements.back(), HasSubstr("the outer thirds give 0.59 and the middle third 0.63"));
    window.model.perform(FrequencySetting{lesson.frequencyTenths});
    lesson = window.state().explore.endsLesson;
    EXPECT_EQ(std::tuple(lesson.offer, brightnessNumber(lesson.middleThird), brightnessNumber(lesson.outerThirds)), std::tuple(EndsLesson::Offer::None, "1.05", "0.10"));

    // With real lengths 2 is out of reach; 0.6 is the nearest where the outer thirds give under a
    // tenth of the middle third's light (1.2 misses by a hair: 0.065 against 0.64).
    const EndsLesson legs = endsLesson(Mirror::span(10, 19), 0, 10, PathMeasure::TwoLegs);
    EXPECT_EQ(std::pair(legs.offer, legs.frequencyTenths), std::pair(EndsLesson::Offer::Frequency, 6));
    EXPECT_THAT(endsLessonWords(legs, 10), HasSubstr("the outer thirds give 0.23 and the middle third 0.29: here each end's arrows go partway round a circle"));

    EXPECT_EQ(endsLesson(Mirror::span(10, 19), 250, 10, PathMeasure::RootOfSquares).offer, EndsLesson::Offer::Middle);
    EXPECT_EQ(endsLesson(Mirror::whole(), 0, 10, PathMeasure::RootOfSquares).offer, EndsLesson::Offer::None);
    EXPECT_EQ(endsLesson(Mirror::span(0, 9), 0, 10, PathMeasure::RootOfSquares).offer, EndsLesson::Offer::None);
}

}  // namespace
}  // namespace quorvel::testing

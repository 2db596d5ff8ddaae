#include "core/picture/PictureDescription.h"
#include "tests/core/window/ModelWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace quorvel {
namespace {

using testing::ModelWindow;
using testing::Op;

bool says(const std::string& words, const std::string& part) { return words.find(part) != std::string::npos; }

// The sum vector as drawn, in photon vectors: the spiral's links are 35 pixels each.
double drawnSumLength(const ModelWindow& window)
{
    const auto& ops = window.surface.ops();
    const auto sum = std::ranges::find_if(ops.rbegin(), ops.rend(), [](const Op& op) { return op.colour == Colour{green}; });
    return sum == ops.rend() ? 0 : std::hypot(sum->x2 - sum->x1, sum->y2 - sum->y1) / 35;
}

TEST(PictureWords, FollowWhatThePictureShowsBeforeDuringAndAfterARun)
{
    ModelWindow window;
    std::string words = window.model.pictureDescription();
    EXPECT_TRUE(says(words, "A source and a detector stand above a mirror of 30 segments.")) << words;
    EXPECT_TRUE(says(words, "Start will draw distance 0 and frequency 1.")) << words;

    window.model.press(Button::cmdStart);
    for (int k = 0; k < 11; ++k)
        window.endPause();
    words = window.model.pictureDescription();
    EXPECT_TRUE(says(words, "Drawing for distance 0 and frequency 1: the path via segment 12 of 30")) << words;

    window.finishRun();
    words = window.model.pictureDescription();
    EXPECT_TRUE(says(words, "Drawn for distance 0 and frequency 1:")) << words;
    EXPECT_FALSE(says(words, "Start will draw")) << "the settings are the ones drawn";

    window.model.choose(Option::op250);
    words = window.model.pictureDescription();
    EXPECT_TRUE(says(words, "Drawn for distance 0 and frequency 1:")) << "the picture stays until the next Start";
    EXPECT_TRUE(says(words, "Start will draw distance 250 and frequency 1.")) << words;
}

// At distance 297 and frequency 1 the whole mirror's spiral, worked out apart from the program
// (paths by the window's measure from the source at x 57 and the detector at 157, 50 above the
// mirror, via x = 56, 80, ..., 752), winds its tip above the band's top, y 64, at full size. The
// sum vector is drawn at the largest size in hundredths that keeps it below, and the words say it.
TEST(PictureWords, SayTheSizeTheSpiralIsDrawnAtWhereItIsDrawnSmallerToFit)
{
    double x = 0, y = 0, highest = 0;
    for (double via = 56; via <= 752; via += 24) {
        const double angle = std::sqrt((57 - via) * (57 - via) + (157 - via) * (157 - via) + 2 * 50 * 50) * 0.0471123;
        x += 35 * std::cos(angle);
        y += 35 * std::sin(angle);
        highest = std::min(highest, y);
    }
    const double size = std::floor((290.5 - 100 - 64) / -highest * 100) / 100;
    ModelWindow window;
    window.model.openExplore(true);
    window.model.perform(DistanceSetting{297});
    EXPECT_NEAR(drawnSumLength(window) * 35, size * std::hypot(x, y), 1e-3);
    const std::string smaller = "The spiral and the sum vector are drawn at 0.89 of their full size, to fit in the picture.";
    EXPECT_TRUE(says(window.model.pictureDescription(), smaller)) << size;
    window.startAndFinish();
    EXPECT_TRUE(says(window.view.announcements.back(), "frequency 1. " + smaller));
    window.model.perform(DistanceSetting{0});
    EXPECT_FALSE(says(window.model.pictureDescription(), "full size"));
}

// At 297/1 the longest path, via x 752, is sqrt(695^2 + 595^2 + 2 * 50^2) = 917.6 pixels by the
// window's measure; at 0.2 pixels of height a pixel its dot would stand 183.5 above the axis at
// y 490.5, at 307.0, among the photon vectors, which reach y 316.5. Its outline (3 pixels) clears
// them only at 171 / 183.5 = 0.93 of the full height or less, and the words say so. At 250 the
// longest path, 851.6, leaves its dot at 320.2, clear at full height.
TEST(PictureWords, SayTheHeightTheTimeCurveIsDrawnAtWhereItIsDrawnFlatterToFit)
{
    ModelWindow window;
    window.model.openExplore(true);
    window.model.perform(DistanceSetting{297});
    EXPECT_TRUE(says(window.model.pictureDescription(), "The time curve is drawn at 0.93 of its full height, to stay clear of the photon vectors."))
        << window.model.pictureDescription();
    window.model.perform(DistanceSetting{250});
    EXPECT_FALSE(says(window.model.pictureDescription(), "time curve is drawn at")) << window.model.pictureDescription();
}

TEST(PictureWords, AreSaidAtARunsEndWithTheHeldInputCarriedOutAfterItAndAtExit)
{
    ModelWindow window;
    window.model.press(Button::cmdStart);
    window.model.choose(Option::op250);
    window.model.moveSpeed(SpeedMove::by(3));
    window.model.moveSpeed(SpeedMove::by(-1));
    window.model.press(Button::cmdKonec);
    EXPECT_TRUE(window.view.announcements.empty()) << "nothing while the run draws";
    window.finishRun();
    ASSERT_EQ(window.view.announcements.size(), 1u) << "one announcement, which no part cuts off";
    const std::string& end = window.view.announcements.front();
    EXPECT_EQ(end.rfind("Drawn for distance 0 and frequency 1. The path of least time reflects at segments 15 and 16", 0), 0u) << end;
    const std::string last = "Carried out after the run: distance 250 and frequency 1. Start will draw distance 250 and frequency 1. Then speed 3. Then Exit. Quorvel has ended.";
    EXPECT_TRUE(end.ends_with(last)) << end;
}

// Each action carried out after a run is said in a sentence of its own, its name first and then
// what it did, as the same action at rest says it, but for the measure and the scene it names
// already; the run's own words give its light once.
TEST(PictureWords, HeldInputIsSaidActionByActionEachWithWhatItDid)
{
    const std::vector<FormAction> actions{MirrorPreset::MiddleThird, MirrorPreset::Grating, Option::op250, MeasureSetting{PathMeasure::TwoLegs},
                                          SceneSetting{SceneKind::Gap}, GapSetting{4}};
    ModelWindow idle;
    idle.model.openExplore(true);
    std::vector<std::string> results;
    for (const FormAction& action : actions) {
        idle.model.perform(action);
        idle.settle();
        ASSERT_FALSE(idle.view.announcements.empty());
        results.push_back(idle.view.announcements.back());
    }
    ModelWindow held;
    held.model.openExplore(true);
    held.model.press(Button::cmdStart);
    for (const FormAction& action : actions)
        held.model.perform(action);
    held.finishRun();
    ASSERT_EQ(held.view.announcements.size(), 1u);
    const std::string& said = held.view.announcements.front();
    const auto carried = said.find(" Carried out after the run: ");
    ASSERT_NE(carried, std::string::npos) << said;
    EXPECT_EQ(said.substr(0, carried).find("Brightness"), std::string::npos) << "the run's words give its light already";
    const auto sentence = [](const std::string& words) { return "Brightness " + words + (words.ends_with('.') ? "" : "."); };
    const std::string measure = "Path lengths: Real length (the two legs). ";
    ASSERT_TRUE(results[3].starts_with(measure)) << results[3];
    EXPECT_EQ(said.substr(carried + 1), "Carried out after the run: the mirror scraped to its middle third. " + sentence(results[0]) +
                                            " Then the mirror scraped into a grating. " + sentence(results[1]) +
                                            " Then distance 250 and frequency 1. " + sentence(results[2]) + " Then path lengths: Real length (the two legs). " +
                                            sentence(results[3].substr(measure.size())) + " Then the scene \u201cNarrow gap\u201d chosen. " +
                                            sentence(results[4].substr(results[4].find("alone. ") + 7)) + " Then the screen's gap set to 4 points. " + sentence(results[5]));
    EXPECT_NE(results[0].find(". At frequency 1 the outer thirds give"), std::string::npos) << "the lesson follows the brightness: " << results[0];
}

TEST(PictureWords, ARunWaitsWhileTheWindowIsUnseenAndGoesOnWhereItStood)
{
    ModelWindow window;
    window.model.press(Button::cmdStart);
    window.endPause();
    const std::size_t drawn = window.drawn();
    window.model.setSeen(false);
    window.endPause();
    window.model.pauseEnded();
    EXPECT_EQ(window.drawn(), drawn) << "no point is drawn unseen";
    EXPECT_TRUE(window.state().running);
    window.model.setSeen(true);
    EXPECT_EQ(window.drawn(), drawn + testing::opsPerPoint) << "the next point, once seen";
    window.model.setSeen(true);
    EXPECT_EQ(window.drawn(), drawn + testing::opsPerPoint) << "seen again, nothing to take up";
    window.finishRun();
    EXPECT_EQ(window.drawn(), testing::wholePictureOps);
}

}  // namespace
}  // namespace quorvel

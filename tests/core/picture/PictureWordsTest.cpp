#include "core/explore/BrightnessGraph.h"
#include "core/explore/ExploreWords.h"
#include "core/explore/SceneWords.h"
#include "core/picture/PictureDescription.h"
#include "tests/core/window/ModelWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace quorvel::testing {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;

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
    EXPECT_THAT(window.model.pictureDescription(),
                AllOf(HasSubstr("A source and a detector stand above a mirror of 30 segments."), HasSubstr("Start will draw distance 0 and frequency 1.")));

    window.model.press(Button::cmdStart);
    for (int k = 0; k < 11; ++k)
        window.endPause();
    EXPECT_THAT(window.model.pictureDescription(), HasSubstr("Drawing for distance 0 and frequency 1: the path via segment 12 of 30"));

    window.finishRun();
    EXPECT_THAT(window.model.pictureDescription(), AllOf(HasSubstr("Drawn for distance 0 and frequency 1:"), Not(HasSubstr("Start will draw"))))
        << "the settings are the ones drawn";

    window.model.choose(Option::op250);
    EXPECT_THAT(window.model.pictureDescription(), AllOf(HasSubstr("Drawn for distance 0 and frequency 1:"), HasSubstr("Start will draw distance 250 and frequency 1.")))
        << "the picture stays until the next Start";
}

// At distance 297 and frequency 1 the whole mirror's spiral, worked out apart from the program
// (paths by the window's measure from the source at x 57 and the detector at 157, 50 above the
// mirror, via x = 56, 80, ..., 752), winds its tip above the band's top, y 64, at full size. The
// sum vector is drawn at the largest size in hundredths that keeps it below, and the words say it.
// There too the longest path, via x 752, is sqrt(695^2 + 595^2 + 2 * 50^2) = 917.6 pixels; at 0.2
// pixels of height a pixel its dot would stand 183.5 above the axis at y 490.5, at 307.0, among
// the photon vectors, which reach y 316.5. Its outline (3 pixels) clears them only at 171 / 183.5
// = 0.93 of the full height or less, and the words say so. At 250 the longest path, 851.6, leaves
// its dot at 320.2, clear at full height.
TEST(PictureWords, SayTheSizesTheSpiralAndTheTimeCurveAreDrawnAtWhereTheyAreDrawnSmallerToFit)
{
    double x = 0, y = 0, highest = 0;
    for (double via = 56; via <= 752; via += 24) {
        const double angle = std::sqrt((57 - via) * (57 - via) + (157 - via) * (157 - via) + 2 * 50 * 50) * 0.0471123;
        x += 35 * std::cos(angle);
        y += 35 * std::sin(angle);
        highest = std::min(highest, y);
    }
    const double size = std::floor((290.5 - 100 - 64) / -highest * 100) / 100;
    PanelWindow window;
    window.model.perform(DistanceSetting{297});
    EXPECT_NEAR(drawnSumLength(window) * 35, size * std::hypot(x, y), 1e-3);
    const std::string smaller = "The spiral and the sum vector are drawn at 0.89 of their full size, to fit in the picture.";
    EXPECT_THAT(window.model.pictureDescription(),
                AllOf(HasSubstr(smaller), HasSubstr("The time curve is drawn at 0.93 of its full height, to stay clear of the photon vectors.")))
        << size;
    EXPECT_EQ(window.model.sumLabelCaption().text, "Cornu spiral and sum vector (\u00d7\u00a00.89)");
    window.startAndFinish();
    EXPECT_THAT(window.view.announcements.back(), HasSubstr("frequency 1. " + smaller));
    window.model.perform(DistanceSetting{250});
    EXPECT_THAT(window.model.pictureDescription(), Not(HasSubstr("time curve is drawn at")));
    window.model.perform(DistanceSetting{0});
    EXPECT_THAT(window.model.pictureDescription(), Not(HasSubstr("full size")));
    EXPECT_EQ(window.model.sumLabelCaption().text, "Cornu spiral and sum vector");
    // A grating at 1.9 draws its spiral 70 pixels higher, at 0.36 where the classic start allows
    // 0.26: the words say the size drawn, as its label does.
    window.perform(FrequencySetting{19}, MirrorPreset::Grating);
    EXPECT_EQ(window.model.sumLabelCaption().text, "Cornu spiral and sum vector (\u00d7\u00a00.36)");
    EXPECT_THAT(window.model.pictureDescription(), HasSubstr("drawn at 0.36 of their full size"));
}

// Each action carried out after a run is said in a sentence of its own, its name first and then
// what it did, as the same action at rest says it, but for the measure and the scene it names
// already; the run's own words give its light once.
TEST(PictureWords, HeldInputIsSaidActionByActionEachWithWhatItDid)
{
    const std::vector<FormAction> actions{MirrorPreset::MiddleThird, MirrorPreset::Grating, Option::op250, MeasureSetting{PathMeasure::TwoLegs},
                                          SceneSetting{SceneKind::Gap}, GapSetting{4}};
    PanelWindow idle;
    std::vector<std::string> results;
    for (const FormAction& action : actions) {
        idle.model.perform(action);
        idle.settle();
        ASSERT_FALSE(idle.view.announcements.empty());
        results.push_back(idle.view.announcements.back());
    }
    PanelWindow held;
    held.model.press(Button::cmdStart);
    for (const FormAction& action : actions)
        held.model.perform(action);
    held.finishRun();
    ASSERT_EQ(held.view.announcements.size(), 1u);
    const std::string& said = held.view.announcements.front();
    const auto carried = said.find(" Carried out after the run: ");
    ASSERT_NE(carried, std::string::npos) << said;
    EXPECT_THAT(said.substr(0, carried), Not(HasSubstr("Brightness"))) << "the run's words give its light already";
    const auto sentence = [](const std::string& words) { return "Brightness " + words + (words.ends_with('.') ? "" : "."); };
    const std::string measure = "Path lengths: Real length (the two legs). ";
    ASSERT_TRUE(results[3].starts_with(measure)) << results[3];
    EXPECT_EQ(said.substr(carried + 1), "Carried out after the run: the mirror scraped to its middle third. " + sentence(results[0]) +
                                            " Then the mirror scraped into a grating. " + sentence(results[1]) +
                                            " Then distance 250 and frequency 1. " + sentence(results[2]) + " Then path lengths: Real length (the two legs). " +
                                            sentence(results[3].substr(measure.size())) + " Then the scene \u201cNarrow gap\u201d chosen. " +
                                            sentence(results[4].substr(results[4].find("alone. ") + 7)) + " Then the screen's gap set to 4 points. " + sentence(results[5]));
    EXPECT_THAT(results[0], HasSubstr(". At frequency 1 the outer thirds give")) << "the lesson follows the brightness";
}

// Worked apart from the program: source (304, 190) over water and glass, else (404, 190); line y
// 250; detector (404 - distance, 310), 350 for the gap; points at x = 56, 80, ..., 752; the
// least time of |SP| + n |PD| found on the continuous line by a search, the drawn one by trying
// every point, the sum of unit arrows turned by 0.0471123 x frequency radians a pixel of time.
// The panel says the light against all thirty paths in step and, where the line has another
// arrangement, against it: the lens 20 off its focus sums to 20.46, 0.47 of 30 squared, and the
// line without it to 3.05, 0.010, a 0.022nd of the lens's; a gap of 6 points at 150 to 1.58,
// 0.0028, 0.16 of the line with no screen there.
TEST(ThroughLineWords, SayWhereTheLeastTimePathCrossesAndWhatLightArrives)
{
    struct Case {
        SceneKind scene;
        int distance, frequencyTenths;
        std::vector<std::string> sayings;
        std::string panel = "";
        std::string second = "";
    };
    const Case cases[] = {
        {SceneKind::Water, 0, 10,
         {"crosses the line 38.4 pixels left of its middle", "sines of its angles to the upright are 0.72 above the surface and 0.54 below it, the one 1.33 times the other",
          "as light is 1.33 times slower in water", "via point 14 of 30", "crosses, 2.4 pixels from it", "3.5 photon vectors long", "0.013 of the light of all thirty"},
         "0.013 of the light of all thirty paths in step"},
        {SceneKind::Glass, 0, 10, {"34 pixels left of its middle", "0.74 above the surface and 0.49 below it, the one 1.50 times", "1.5 times slower in glass", "crosses, 2 pixels from it"}},
        {SceneKind::Water, 330, 12, {"269.7 pixels left", "0.94 above the surface and 0.71 below it, the one 1.33 times", "via point 4 of 30", "6.3 pixels from"}},
        {SceneKind::Glass, -330, 11, {"277.5 pixels right", "0.99 above the surface and 0.66 below it, the one 1.50 times", "via point 27 of 30", "1.5 pixels from"}},
        {SceneKind::Water, 100, 10, {"100 pixels left", "goes straight down through the surface below the source", "via point 11 of 30", "8 pixels from"}},
        {SceneKind::NoLens, 150, 10, {"75 pixels left", "via point 12 of 30", "9 pixels from", "4.6 photon vectors long"}},
        // The crossing at 356.04 lies 11.96 from point 14 (368) and 12.04 from point 13, whose
        // drawn path is a hair quicker: the mark goes to the nearer.
        {SceneKind::Water, 14, 10, {"via point 14 of 30, is the drawn path nearest", "12 pixels from it"}},
        // At the focus every path takes 2 x hypot(348, 60) = 706.27 pixels of time, so the sum is
        // 30; the delay at the middle, 706.27 - 120 = 586.27, asks for 1172.5 pixels of glass of
        // 1.5, 29 times the 40 drawn.
        {SceneKind::Lens, 0, 10,
         {"every path takes the same time", "The sum vector is 30 photon vectors long, so the detector gets 1.00 of the light",
          "drawn 40 pixels thick at its thickest; glass that slows light 1.5 times would have to be 1173 pixels thick there, 29 times as thick"}},
        {SceneKind::Lens, 20, 10,
         {"20 pixels left of the focus the times no longer tie", "left end, via point 1 of 30", "20.5 photon vectors long", "44.90 times as likely to reach the detector as without the lens"},
         "0.47 of the light of all thirty paths in step, 44.90 times that without the lens here", "44.90 times as likely as without the lens here"},
        {SceneKind::Lens, -330, 14, {"330 pixels right of the focus"}},
        {SceneKind::NoLens, 20, 10, {}, "0.010 of the light of all thirty paths in step, 0.022 times that with the lens here", "0.022 times as likely as with the lens here"},
        // The gap (points 12 to 17 from 0, x 332 to 476) at 150: the light is 0.10 of its own at 0,
        // the line with no screen's 1.39 of its own; the least-time crossing, 75 left of the
        // middle at x 329, lies on the screen, 9 pixels from point 12 (x 320), whose path it stops.
        {SceneKind::Gap, 150, 10,
         {"6 of the 30 paths pass through the gap", "0.10 times the light it gets on that line through this gap; with no screen, 1.39 times",
          "0.16 times as likely to reach the detector as with no screen", "lies on the screen", "1.6 photon vectors long",
          "via point 12 of 30, is the path nearest to where the path of least time crosses, 9 pixels from it; the screen stops it, so it is not drawn."},
         "0.0028 of the light of all thirty paths in step, 0.16 times that with no screen here", "0.16 times as likely as with no screen here"},
        {SceneKind::Gap, 0, 10, {"stands on the straight line below the source", "lies within the gap"}},
    };
    for (const Case& scene : cases) {
        const SceneWindow window(scene.scene, scene.distance, scene.frequencyTenths);
        const std::string words = window.model.pictureDescription();
        for (const std::string& saying : scene.sayings)
            EXPECT_THAT(words, HasSubstr(saying));
        EXPECT_FALSE(scene.scene == SceneKind::NoLens && words.find("sines") != std::string::npos) << words;
        if (!scene.panel.empty()) {
            EXPECT_EQ(brightnessWords(window.state().explore), scene.panel);
            EXPECT_EQ(againstWholeHereText(window.state().explore), scene.second);
            EXPECT_EQ(brightnessMeaning(scene.scene).find("The second figure") != std::string::npos, !scene.second.empty()) << brightnessMeaning(scene.scene);
        }
    }
    EXPECT_THAT(brightnessMeaning(SceneKind::Mirror), HasSubstr("against a whole mirror at the middle")) << "the mirror's meaning stays";
    SceneWindow whole(SceneKind::Gap, 0);
    whole.model.perform(GapSetting{30});
    EXPECT_THAT(whole.model.pictureDescription(), HasSubstr("all 30 paths pass, as with no screen")) << "no screen is left to stop any";
}

TEST(ThroughLineWords, SayTheSceneBeforeStartAndWhatAStartWouldDrawOnceTheSettingsChanged)
{
    ModelWindow window;
    window.model.perform(SceneSetting{SceneKind::Water});
    EXPECT_THAT(window.model.pictureDescription(),
                AllOf(HasSubstr("light is 1.33 times slower in water"), HasSubstr("Start will draw the scene \u201cInto water\u201d with the detector at 0 and frequency 1.")));
    window.perform(PanelCommand::Open, SceneSetting{SceneKind::Gap});
    EXPECT_THAT(window.model.pictureDescription(), Not(HasSubstr("Start will draw"))) << "drawn live";
    window.perform(PanelCommand::Close, GapSetting{2});
    EXPECT_THAT(window.model.pictureDescription(),
                AllOf(HasSubstr("the screen's gap of 6 points"), HasSubstr("Start will draw the scene \u201cNarrow gap\u201d with a gap of 2 points")));
    window.perform(PanelCommand::Open, SceneSetting{SceneKind::Water}, PanelCommand::Close, SceneSetting{SceneKind::Glass});
    EXPECT_THAT(window.model.pictureDescription(), HasSubstr("Start will draw the scene \u201cInto glass\u201d with the detector at 0")) << "only the scene changed";
}

// A distance typed far beyond the panel's reach is drawn, and said without places no number holds.
TEST(ThroughLineWords, SayOnlyWhatWasDrawnForADistanceFarBeyondReach)
{
    ModelWindow window;
    window.perform(SceneSetting{SceneKind::Water}, DistanceSetting{10});
    window.model.setText(TextBox::nPosun, "1e30");
    window.startAndFinish();
    EXPECT_THAT(window.model.pictureDescription(), AllOf(HasSubstr("Drawn with the detector at 1e30 and frequency 1: the 30 paths"), Not(HasSubstr("pixels"))));
}

// The gap's curve at frequency 1 peaks at 0, 0.027, and reads 0.0028 at 150, 0.10 of its light
// at 0; with no screen the light at 150 is 1.39 times that at 0, with a gap of 2 points 0.79.
TEST(SceneGraph, SaysTheDetectorsPlaceAndTheGapsLightOffTheStraightLineAgainstOnIt)
{
    SceneWindow window(SceneKind::Gap, 150);
    EXPECT_THAT(window.model.graphDescription(),
                AllOf(HasSubstr("Brightness against the detector's place, 330 at the left to -330 at the right"),
                      HasSubstr("brightest with the detector at 0, 0.027 of all thirty paths in step; at the detector's place, 150, it is 0.0028."),
                      HasSubstr("The grey curve, the line with no screen, is brightest with the detector at"),
                      HasSubstr("a gap of 6 points sends 0.10 times the light it sends on that line; with no screen 1.39 times, and with the narrowest gap, 2 points, 0.79 times.")));
    window.model.perform(DistanceSetting{0});
    EXPECT_THAT(window.model.graphDescription(), HasSubstr("The detector stands on the straight line below the source"));
    window.model.perform(SceneSetting{SceneKind::Water});
    EXPECT_THAT(window.model.graphDescription(), HasSubstr("The grey curve, light into glass,"));
}

// Water at 0 at frequency 1: 0.013, as above; back at the mirror the distance moves the pair again.
TEST(SceneWords, AChangeOfSceneSaysWhatTheDistanceMovesAndThenTheBrightness)
{
    PanelWindow window;
    for (const SceneKind scene : {SceneKind::Water, SceneKind::Mirror}) {
        window.model.perform(SceneSetting{scene});
        window.settle();
        window.model.settled();
    }
    const auto& said = window.view.announcements;
    ASSERT_EQ(said.size(), 2U);
    EXPECT_EQ(said[0], "Scene \u201cInto water\u201d: the distance moves the detector alone. 0.013 of the light of all thirty paths in step");
    EXPECT_THAT(said[1], HasSubstr("Scene \u201cMirror\u201d: the distance moves the source and the detector together. 1.00 of the light of a whole mirror"));
    // Glass shows frequencies to 1.1 truly, and says so in its own paths' terms.
    window.perform(FrequencySetting{14}, SceneSetting{SceneKind::Glass});
    window.settle();
    window.model.settled();
    EXPECT_THAT(said.back(), HasSubstr("detector alone. Frequency brought down to 1.1, the highest that 30 paths through the line show truly here. 0.0"));
}

// Browsing the scenes with the keys passes water and glass on the way to the gap: the
// frequencies they bring down come back where a later scene shows them, unless changed between.
TEST(SceneWords, FrequenciesBroughtDownComeBackWhereALaterSceneShowsThem)
{
    PanelWindow window;
    window.perform(FrequencySetting{14}, SecondFrequencySetting{true, 20});
    const auto frequencies = [&window] { return std::pair(window.state().explore.frequencyTenths, window.state().explore.secondFrequencyTenths); };
    const std::pair<SceneKind, std::pair<int, int>> steps[] = {{SceneKind::Water, {12, 12}}, {SceneKind::Glass, {11, 11}}, {SceneKind::Gap, {14, 14}}, {SceneKind::Mirror, {14, 20}}};
    for (const auto& [scene, expected] : steps) {
        window.model.perform(SceneSetting{scene});
        EXPECT_EQ(frequencies(), expected) << sceneName(scene);
        window.settle();
        window.model.settled();
    }
    const auto& said = window.view.announcements;
    EXPECT_THAT(said[0], HasSubstr("detector alone. Frequency brought down to 1.2, the highest that 30 paths through the line show truly here. "
                                   "The graph's second frequency brought down to 1.2."));
    EXPECT_THAT(said[2], HasSubstr("detector alone. Frequency back to 1.4, as chosen before. The graph's second frequency back up to 1.4."));
    EXPECT_THAT(said[3], HasSubstr("The graph's second frequency back up to 2."));
    EXPECT_EQ(window.state().explore.frequencyNote, "The graph's second frequency back up to 2.") << "shown until the panel changes again";
    window.model.perform(FrequencySetting{20});
    EXPECT_EQ(window.state().explore.frequencyNote, "");
    for (const SceneKind scene : {SceneKind::Glass, SceneKind::Lens}) {
        window.model.perform(SceneSetting{scene});
        window.settle();
        window.model.settled();
    }
    EXPECT_THAT(said.back(), HasSubstr("Frequency back up to 1.4; the 2 chosen before is beyond what this scene shows truly."));
    window.perform(SceneSetting{SceneKind::Glass}, FrequencySetting{10}, SceneSetting{SceneKind::Gap});
    EXPECT_EQ(frequencies(), std::pair(10, 11)) << "the frequency chosen in glass stands, and the second with it";
}

// Beyond the mirror the window's heading names the scene, the distance's caption the detector's
// place, and the time curve's caption drops "(length)" where a path's time is more than its
// length (slower below the surface, or delayed by the lens); the saved picture shows the same.
TEST(SceneCaptions, NameTheSceneAndSayTimeWhereTimeIsNotLength)
{
    for (const auto& [scene, heading, distance, time] : {std::tuple{SceneKind::Mirror, "Difraction on mirror", "Distance from middle of the mirror", "Time (length)"},
                                                         {SceneKind::Water, "Into water", "Detector's distance from the middle", "Time"},
                                                         {SceneKind::Glass, "Into glass", "Detector's distance from the middle", "Time"},
                                                         {SceneKind::Lens, "Lens", "Detector's distance from the middle", "Time"},
                                                         {SceneKind::NoLens, "Same pair, no lens", "Detector's distance from the middle", "Time (length)"},
                                                         {SceneKind::Gap, "Narrow gap", "Detector's distance from the middle", "Time (length)"}}) {
        SCOPED_TRACE(heading);
        EXPECT_EQ(sceneCaption(windowLabel("labZrcadlení"), scene).text, heading);
        EXPECT_EQ(sceneCaption(windowLabel("labPosun"), scene).text, distance);
        EXPECT_EQ(sceneCaption(windowLabel("labCas"), scene).text, time);
        EXPECT_EQ(sceneCaption(windowLabel("labRadius"), scene).text, "Photon vectors after reaching the detector");
    }
    EXPECT_THAT(SceneWindow(SceneKind::Lens, 0).model.pictureSvg(SystemPalette{}), AllOf(HasSubstr(">Lens<"), Not(HasSubstr("Difraction on mirror"))));
    // The lens's thirty arrows in step are drawn far smaller than the bare line's few: the label
    // says so where the sum vector alone would show the lens's light as the lesser.
    const SceneWindow lens(SceneKind::Lens, 0), bare(SceneKind::NoLens, 0);
    EXPECT_THAT(lens.model.pictureSvg(SystemPalette{}), HasSubstr(">(\u00d7\u00a00.06)</text>"));
    EXPECT_THAT(lens.model.pictureDescription(), HasSubstr("drawn at 0.06 of their full size"));
    EXPECT_EQ(bare.model.sumLabelCaption().text, "Cornu spiral and sum vector");
    EXPECT_THAT(bare.model.pictureDescription(), Not(HasSubstr("full size")));
}

}  // namespace
}  // namespace quorvel::testing

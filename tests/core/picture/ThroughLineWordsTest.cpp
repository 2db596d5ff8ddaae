#include "core/explore/ExploreWords.h"
#include "core/picture/PictureDescription.h"
#include "tests/core/window/ModelWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

using testing::ModelWindow;

bool says(const std::string& words, const std::string& part) { return words.find(part) != std::string::npos; }

// The panel open on a scene, the detector at a place; the picture is drawn live.
struct SceneWindow : ModelWindow {
    SceneWindow(SceneKind scene, int distance, int frequencyTenths = 10)
    {
        model.openExplore(true);
        model.perform(SceneSetting{scene});
        model.perform(FrequencySetting{frequencyTenths});
        model.perform(DistanceSetting{distance});
    }
};

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
        // middle at x 329, lies on the screen.
        {SceneKind::Gap, 150, 10,
         {"6 of the 30 paths pass through the gap", "0.10 times the light it gets on that line through this gap; with no screen, 1.39 times",
          "0.16 times as likely to reach the detector as with no screen", "lies on the screen", "1.6 photon vectors long"},
         "0.0028 of the light of all thirty paths in step, 0.16 times that with no screen here", "0.16 times as likely as with no screen here"},
        {SceneKind::Gap, 0, 10, {"stands on the straight line below the source", "lies within the gap"}},
    };
    for (const Case& scene : cases) {
        const SceneWindow window(scene.scene, scene.distance, scene.frequencyTenths);
        const std::string words = window.model.pictureDescription();
        for (const std::string& saying : scene.sayings)
            EXPECT_TRUE(says(words, saying)) << saying << "\n" << words;
        EXPECT_FALSE(says(words, "sines") && scene.scene == SceneKind::NoLens) << words;
        if (!scene.panel.empty()) {
            EXPECT_EQ(brightnessWords(window.state().explore), scene.panel);
            EXPECT_EQ(againstWholeHereText(window.state().explore), scene.second);
            EXPECT_EQ(says(brightnessMeaning(scene.scene), "The second figure"), !scene.second.empty()) << brightnessMeaning(scene.scene);
        }
    }
    EXPECT_TRUE(says(brightnessMeaning(SceneKind::Mirror), "against a whole mirror at the middle")) << "the mirror's meaning stays";
    ModelWindow whole;
    whole.model.openExplore(true);
    whole.model.perform(SceneSetting{SceneKind::Gap});
    whole.model.perform(GapSetting{30});
    EXPECT_TRUE(says(whole.model.pictureDescription(), "all 30 paths pass, as with no screen")) << "no screen is left to stop any";
}

TEST(ThroughLineWords, SayTheSceneBeforeStartAndWhatAStartWouldDrawOnceTheSettingsChanged)
{
    ModelWindow window;
    window.model.perform(SceneSetting{SceneKind::Water});
    std::string words = window.model.pictureDescription();
    EXPECT_TRUE(says(words, "light is 1.33 times slower in water")) << words;
    EXPECT_TRUE(says(words, "Start will draw the scene \u201cInto water\u201d with the detector at 0 and frequency 1.")) << words;
    window.model.openExplore(true);
    window.model.perform(SceneSetting{SceneKind::Gap});
    EXPECT_FALSE(says(window.model.pictureDescription(), "Start will draw")) << "drawn live";
    window.model.openExplore(false);
    window.model.perform(GapSetting{2});
    words = window.model.pictureDescription();
    EXPECT_TRUE(says(words, "the screen's gap of 6 points")) << words;
    EXPECT_TRUE(says(words, "Start will draw the scene \u201cNarrow gap\u201d with a gap of 2 points")) << words;
    window.model.openExplore(true);
    window.model.perform(SceneSetting{SceneKind::Water});
    window.model.openExplore(false);
    window.model.perform(SceneSetting{SceneKind::Glass});
    words = window.model.pictureDescription();
    EXPECT_TRUE(says(words, "Start will draw the scene \u201cInto glass\u201d with the detector at 0")) << "only the scene changed: " << words;
}

// A distance typed far beyond the panel's reach is drawn, and said without places no number holds.
TEST(ThroughLineWords, SayOnlyWhatWasDrawnForADistanceFarBeyondReach)
{
    ModelWindow window;
    window.model.perform(SceneSetting{SceneKind::Water});
    window.model.perform(DistanceSetting{10});
    window.model.setText(TextBox::nPosun, "1e30");
    window.startAndFinish();
    const std::string words = window.model.pictureDescription();
    EXPECT_TRUE(says(words, "Drawn with the detector at 1e30 and frequency 1: the 30 paths")) << words;
    EXPECT_FALSE(says(words, "pixels")) << words;
}

}  // namespace
}  // namespace quorvel

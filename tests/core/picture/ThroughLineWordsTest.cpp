#include "core/picture/PictureDescription.h"
#include "tests/core/window/ModelWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

using testing::ModelWindow;

bool says(const std::string& words, const std::string& part) { return words.find(part) != std::string::npos; }

// The panel open on a scene, the detector at a place; the picture is drawn live.
std::string pictureWords(SceneKind scene, int distance, int frequencyTenths = 10)
{
    ModelWindow window;
    window.model.openExplore(true);
    window.model.perform(SceneSetting{scene});
    window.model.perform(FrequencySetting{frequencyTenths});
    window.model.perform(DistanceSetting{distance});
    return window.model.pictureDescription();
}

// Worked apart from the program: source (304, 190), line y 250, detector (404 - distance, 310),
// points at x = 56, 80, ..., 752; the least time of |SP| + n |PD| found on the continuous line
// by a search, the drawn one by trying every point, the sum of unit arrows turned by
// 0.0471123 x frequency radians a pixel of time.
TEST(ThroughLineWords, SayWhereTheLeastTimePathCrossesASurfaceAndHowItsSinesCompare)
{
    struct Case {
        SceneKind scene;
        int distance, frequencyTenths;
        std::vector<std::string> sayings;
    };
    const Case cases[] = {
        {SceneKind::Water, 0, 10,
         {"crosses the line 38.4 pixels left of its middle", "sines of its angles to the upright are 0.72 above the surface and 0.54 below it, the one 1.33 times the other",
          "as light is 1.33 times slower in water", "via point 14 of 30", "crosses, 2.4 pixels from it", "3.5 photon vectors long", "0.013 of the light of all thirty"}},
        {SceneKind::Glass, 0, 10, {"34 pixels left of its middle", "0.74 above the surface and 0.49 below it, the one 1.50 times", "1.5 times slower in glass", "crosses, 2 pixels from it"}},
        {SceneKind::Water, 330, 12, {"269.7 pixels left", "0.94 above the surface and 0.71 below it, the one 1.33 times", "via point 4 of 30", "6.3 pixels from"}},
        {SceneKind::Glass, -330, 11, {"277.5 pixels right", "0.99 above the surface and 0.66 below it, the one 1.50 times", "via point 27 of 30", "1.5 pixels from"}},
        {SceneKind::Water, 100, 10, {"100 pixels left", "goes straight down through the surface below the source", "via point 11 of 30", "8 pixels from"}},
        {SceneKind::NoLens, 150, 10, {"75 pixels left", "via point 12 of 30", "9 pixels from", "4.6 photon vectors long"}},
        // The crossing at 356.04 lies 11.96 from point 14 (368) and 12.04 from point 13, whose
        // drawn path is a hair quicker: the mark goes to the nearer.
        {SceneKind::Water, 14, 10, {"via point 14 of 30, is the drawn path nearest", "12 pixels from it"}},
    };
    for (const Case& scene : cases) {
        const std::string words = pictureWords(scene.scene, scene.distance, scene.frequencyTenths);
        for (const std::string& saying : scene.sayings)
            EXPECT_TRUE(says(words, saying)) << saying << "\n" << words;
        EXPECT_FALSE(says(words, "sines") && scene.scene == SceneKind::NoLens) << words;
    }
}

// At the focus every path takes lensTop = 2 x hypot(348, 60) = 706.27 pixels of time, so the sum is
// 30; the delay at the middle, 706.27 - 120 = 586.27, asks for 1172.5 pixels of glass of 1.5, 29
// times the 40 drawn. 20 pixels off, the sum of the arrows is 20.46 long, 44.90 times as bright
// as the 3.05 of the line without the lens.
TEST(ThroughLineWords, SayEveryPathToTheFocusTakesTheSameTimeAndHowThickTheGlassWouldBe)
{
    const std::string atFocus = pictureWords(SceneKind::Lens, 0);
    for (const char* saying : {"every path takes the same time", "The sum vector is 30 photon vectors long, so the detector gets 1.00 of the light",
                               "drawn 40 pixels thick at its thickest; glass that slows light 1.5 times would have to be 1173 pixels thick there, 29 times as thick"})
        EXPECT_TRUE(says(atFocus, saying)) << saying << "\n" << atFocus;
    const std::string off = pictureWords(SceneKind::Lens, 20);
    for (const char* saying : {"20 pixels left of the focus the times no longer tie", "left end, via point 1 of 30", "20.5 photon vectors long",
                               "44.90 times as likely to reach the detector as without the lens"})
        EXPECT_TRUE(says(off, saying)) << saying << "\n" << off;
    EXPECT_TRUE(says(pictureWords(SceneKind::Lens, -330, 14), "330 pixels right of the focus")) << "the times slope the other way";
}

// A gap of 6 points (12 to 17 from 0) at 150: the light is 0.10 of its own at 0, the line with no
// screen's 1.39 of its own, and 0.16 of the no screen's at 150; the least-time crossing, 75 left
// of the middle at x 329, lies on the screen, whose gap spans x 332 to 476.
TEST(ThroughLineWords, SayHowManyPathsPassTheGapAndTheLightOffTheStraightLineAgainstOnIt)
{
    const std::string words = pictureWords(SceneKind::Gap, 150);
    for (const char* saying : {"6 of the 30 paths pass through the gap", "0.10 times the light it gets on that line through this gap; with no screen, 1.39 times",
                               "0.16 times as likely to reach the detector as with no screen", "lies on the screen", "1.6 photon vectors long"})
        EXPECT_TRUE(says(words, saying)) << saying << "\n" << words;
    ModelWindow whole;
    whole.model.openExplore(true);
    whole.model.perform(SceneSetting{SceneKind::Gap});
    whole.model.perform(GapSetting{30});
    EXPECT_TRUE(says(whole.model.pictureDescription(), "all 30 paths pass, as with no screen")) << "no screen is left to stop any";
    const std::string onLine = pictureWords(SceneKind::Gap, 0);
    EXPECT_TRUE(says(onLine, "stands on the straight line below the source")) << onLine;
    EXPECT_TRUE(says(onLine, "lies within the gap")) << onLine;
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

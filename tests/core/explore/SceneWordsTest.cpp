#include "core/explore/BrightnessGraph.h"
#include "core/explore/ExploreWords.h"
#include "core/explore/SceneWords.h"
#include "core/picture/PictureDescription.h"
#include "tests/core/window/ModelWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

using testing::ModelWindow;

bool says(const std::string& words, const std::string& part) { return words.find(part) != std::string::npos; }

struct SceneWindow : ModelWindow {
    SceneWindow(SceneKind scene, int distance)
    {
        model.openExplore(true);
        model.perform(SceneSetting{scene});
        model.perform(DistanceSetting{distance});
    }
};

// The gap's curve at frequency 1 peaks at 0, 0.027, and reads 0.0028 at 150, 0.10 of its light
// at 0; with no screen the light at 150 is 1.39 times that at 0, with a gap of 2 points 0.79.
TEST(SceneGraph, SaysTheDetectorsPlaceAndTheGapsLightOffTheStraightLineAgainstOnIt)
{
    SceneWindow window(SceneKind::Gap, 150);
    const std::string words = window.model.graphDescription();
    for (const char* saying : {"Brightness against the detector's place, 330 at the left to -330 at the right",
                               "brightest with the detector at 0, 0.027 of all thirty paths in step; at the detector's place, 150, it is 0.0028.",
                               "The grey curve, the line with no screen, is brightest with the detector at",
                               "a gap of 6 points sends 0.10 times the light it sends on that line; with no screen 1.39 times, and with the narrowest gap, 2 points, 0.79 times."})
        EXPECT_TRUE(says(words, saying)) << saying << "\n" << words;
    window.model.perform(DistanceSetting{0});
    EXPECT_TRUE(says(window.model.graphDescription(), "The detector stands on the straight line below the source")) << window.model.graphDescription();
    window.model.perform(SceneSetting{SceneKind::Water});
    EXPECT_TRUE(says(window.model.graphDescription(), "The grey curve, light into glass,")) << window.model.graphDescription();
}

// Water at 0 at frequency 1: 0.013, as above; back at the mirror the distance moves the pair again.
TEST(SceneWords, AChangeOfSceneSaysWhatTheDistanceMovesAndThenTheBrightness)
{
    ModelWindow window;
    window.model.openExplore(true);
    for (const SceneKind scene : {SceneKind::Water, SceneKind::Mirror}) {
        window.model.perform(SceneSetting{scene});
        window.settle();
        window.model.settled();
    }
    const auto& said = window.view.announcements;
    ASSERT_EQ(said.size(), 2U);
    EXPECT_EQ(said[0], "Scene \u201cInto water\u201d: the distance moves the detector alone. 0.013 of the light of all thirty paths in step");
    EXPECT_TRUE(says(said[1], "Scene \u201cMirror\u201d: the distance moves the source and the detector together. 1.00 of the light of a whole mirror")) << said[1];
    // Glass shows frequencies to 1.1 truly, and says so in its own paths' terms.
    window.model.perform(FrequencySetting{14});
    window.model.perform(SceneSetting{SceneKind::Glass});
    window.settle();
    window.model.settled();
    EXPECT_TRUE(says(said.back(), "detector alone. Frequency brought down to 1.1, the highest that 30 paths through the line show truly here. 0.0")) << said.back();
}

// Beyond the mirror the window's heading names the scene, the distance's caption the detector's
// place, and the time curve's caption drops "(length)" where a path's time is more than its
// length (slower below the surface, or delayed by the lens); the saved picture shows the same.
TEST(SceneCaptions, NameTheSceneAndSayTimeWhereTimeIsNotLength)
{
    struct Case {
        SceneKind scene;
        const char* heading;
        const char* distance;
        const char* time;
    };
    const Case cases[] = {
        {SceneKind::Mirror, "Difraction on mirror", "Distance from middle of the mirror", "Time (length)"},
        {SceneKind::Water, "Into water", "Detector's place", "Time"},
        {SceneKind::Glass, "Into glass", "Detector's place", "Time"},
        {SceneKind::Lens, "Lens", "Detector's place", "Time"},
        {SceneKind::NoLens, "Same pair, no lens", "Detector's place", "Time (length)"},
        {SceneKind::Gap, "Narrow gap", "Detector's place", "Time (length)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heading);
        EXPECT_EQ(sceneCaption(windowLabel("labZrcadlení"), c.scene).text, c.heading);
        EXPECT_EQ(sceneCaption(windowLabel("labPosun"), c.scene).text, c.distance);
        EXPECT_EQ(sceneCaption(windowLabel("labCas"), c.scene).text, c.time);
        EXPECT_EQ(sceneCaption(windowLabel("labRadius"), c.scene).text, "Photon vectors after reaching the detector");
    }
    const std::string saved = SceneWindow(SceneKind::Lens, 0).model.pictureSvg(SystemPalette{});
    EXPECT_TRUE(says(saved, ">Lens<")) << saved.substr(0, 400);
    EXPECT_FALSE(says(saved, "Difraction on mirror"));
}

}  // namespace
}  // namespace quorvel

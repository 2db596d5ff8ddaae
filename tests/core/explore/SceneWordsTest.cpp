#include "core/explore/BrightnessGraph.h"
#include "core/explore/ExploreWords.h"
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
    const ExploreState& explore() const { return state().explore; }
};

// Worked apart from the program at frequency 1 (the sums of unit arrows turned by 0.0471123
// radians a pixel of time): the lens 20 off its focus sums to 20.46, 0.47 of 30 squared, and the
// line without it to 3.05, 0.010, a 0.022nd of the lens's; water at 0 to 3.46, 0.013; a gap of 6
// points at 150 to 1.93, 0.0042, 0.18 of the line with no screen there.
TEST(SceneBrightness, IsSaidAgainstAllThirtyPathsInStepAndTheLinesOtherArrangement)
{
    struct Case {
        SceneKind scene;
        int distance;
        const char* words;
        const char* second;
    };
    const Case cases[] = {
        {SceneKind::Lens, 20, "0.47 of the light of all thirty paths in step, 44.90 times that without the lens here", "44.90 times as likely as without the lens here"},
        {SceneKind::NoLens, 20, "0.010 of the light of all thirty paths in step, 0.022 times that with the lens here", "0.022 times as likely as with the lens here"},
        {SceneKind::Water, 0, "0.013 of the light of all thirty paths in step", ""},
        {SceneKind::Gap, 150, "0.0028 of the light of all thirty paths in step, 0.16 times that with no screen here", "0.16 times as likely as with no screen here"},
    };
    for (const Case& scene : cases) {
        const SceneWindow window(scene.scene, scene.distance);
        EXPECT_EQ(brightnessWords(window.explore()), scene.words);
        EXPECT_EQ(againstWholeHereText(window.explore()), scene.second);
        EXPECT_EQ(says(brightnessMeaning(scene.scene), "The second figure"), *scene.second != '\0') << brightnessMeaning(scene.scene);
    }
    EXPECT_TRUE(says(brightnessMeaning(SceneKind::Mirror), "against a whole mirror at the middle")) << "the mirror's meaning stays";
}

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
}

}  // namespace
}  // namespace quorvel

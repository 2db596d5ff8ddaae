#include "core/explore/TypedNumber.h"
#include "core/explore/ExploreWords.h"
#include "tests/core/window/ModelWindow.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using testing::ModelWindow;

// The distance is whole pixels, so "12.5" is refused rather than rounded; a frequency is read in
// tenths, exactly, with the language's separator or a point.
TEST(TypedNumber, ReadsWhatAPersonTypesAndNothingElse)
{
    const auto read = [](PanelField field, const char* text, const char* separator) { return typedNumber(field, text, separator, 20); };
    for (const char* text : {"12.5", "400", "-351", "1e9", "", "2 50"})
        EXPECT_EQ(read(PanelField::Distance, text, "."), std::nullopt) << text;
    EXPECT_EQ(read(PanelField::Distance, " 250 ", "."), 250);
    EXPECT_EQ(read(PanelField::Distance, "\u2212200", ","), -200);
    EXPECT_EQ(read(PanelField::Frequency, "0,7", ","), 7);
    EXPECT_EQ(read(PanelField::SecondFrequency, "1.5", ","), 15);
    EXPECT_EQ(read(PanelField::Frequency, " 2 ", "."), 20);
    for (const char* text : {"1,5", "0.4", "2.1", "1.55", "1e9", "250", "\u22121"})
        EXPECT_EQ(read(PanelField::Frequency, text, "."), std::nullopt) << text;
    EXPECT_EQ(typedNumber(PanelField::Frequency, "1.4", ".", 13), std::nullopt) << "beyond what the real lengths show truly";
}

// A refused number leaves the setting in use and says at once what the field takes, its numbers
// written with a point as the fields write them in every language, though a German "1,5" is
// read; a number taken sets it, as the slider does. A field emptied is no number: nothing is
// refused or said, and the setting stays.
TEST(TypedNumber, TheModelTakesANumberTheFieldOffersAndSaysWhyItRefusesAnother)
{
    ModelWindow window;
    window.model.openExplore(true);
    EXPECT_EQ(window.model.typeNumber(PanelField::Distance, "\u2212120", "."), "");
    EXPECT_EQ(window.model.typeNumber(PanelField::Frequency, "1,5", ","), "");
    EXPECT_EQ(window.model.typeNumber(PanelField::SecondFrequency, "0,7", ","), "");
    EXPECT_EQ(window.model.typeNumber(PanelField::Distance, " 400 ", "."), "\"400\" is not taken: the distance is a whole number from -330 to 330.");
    const ExploreState& taken = window.state().explore;
    ASSERT_EQ(window.view.announcements.size(), 2u) << "what the numbers taken did goes before the refusal";
    EXPECT_TRUE(window.view.announcements.front().starts_with(brightnessWords(taken))) << window.view.announcements.front();
    EXPECT_EQ(window.model.typeNumber(PanelField::Frequency, "1e9", ","), "\"1e9\" is not taken: the frequency is a number from 0.5 to 2 in tenths, such as 1.5.");
    EXPECT_EQ(window.view.announcements.back(), "\"1e9\" is not taken: the frequency is a number from 0.5 to 2 in tenths, such as 1.5.");
    for (const PanelField field : {PanelField::Distance, PanelField::Frequency, PanelField::SecondFrequency})
        EXPECT_EQ(window.model.typeNumber(field, " ", ","), "");
    EXPECT_EQ(window.view.announcements.size(), 3u) << window.view.announcements.back();
    const ExploreState& explore = window.state().explore;
    EXPECT_EQ(std::tuple(explore.distance, window.state().nPosun, explore.frequencyTenths, explore.secondFrequencyTenths), std::tuple(-120, "-120", 15, 7));
    window.model.perform(SceneSetting{SceneKind::Glass});
    EXPECT_EQ(window.model.typeNumber(PanelField::Frequency, "1.2", "."), "\"1.2\" is not taken: the frequency is a number from 0.5 to 1.1 in tenths, such as 1.1.")
        << "into glass the frequency stops at 1.1";
}

// A slider dragged sets the distance many times a second; its brightness is said once, when the
// value has stood still, with the words of a change that came meanwhile. A run says it at its
// end, and a closed panel not at all.
TEST(SettlingWords, TheBrightnessIsSaidOnceTheSettingsStandStill)
{
    ModelWindow window;
    window.model.openExplore(true);
    for (int pixels = 1; pixels <= 60; ++pixels)
        window.model.perform(DistanceSetting{pixels * 4});
    window.model.perform(MeasureSetting{PathMeasure::TwoLegs});
    EXPECT_TRUE(window.view.announcements.empty());
    EXPECT_EQ(window.view.settleTimers, 61) << "each change waits again";
    window.settle();
    window.model.settled();
    const ExploreState& explore = window.state().explore;
    EXPECT_EQ(window.view.announcements, std::vector<std::string>{"Path lengths: Real length (the two legs). " + brightnessWords(explore)});
    for (const bool start : {true, false}) {
        window.model.perform(DistanceSetting{start ? 10 : 20});
        start ? window.startAndFinish() : window.model.openExplore(false);
        window.model.openExplore(true);
        window.view.announcements.clear();
        window.model.settled();
        EXPECT_TRUE(window.view.announcements.empty()) << (start ? "dropped by Start" : "dropped by closing the panel");
    }
}

}  // namespace
}  // namespace quorvel

#include "core/TypedNumber.h"
#include "core/ExploreWords.h"
#include "tests/core/ModelWindow.h"

#include <gtest/gtest.h>

#include <optional>

namespace quorvel {
namespace {

using testing::ModelWindow;

struct Typed {
    PanelField field;
    const char* text;
    const char* separator;
    std::optional<int> read;  // pixels or tenths
};

// The distance is whole pixels, so "12.5" is refused rather than rounded; a frequency is read in
// tenths, exactly.
TEST(TypedNumber, ReadsWhatAPersonTypesAndNothingElse)
{
    constexpr auto distance = PanelField::Distance;
    constexpr auto frequency = PanelField::Frequency;
    const Typed cases[] = {
        {distance, "250", ".", 250},     {distance, " 250 ", ".", 250}, {distance, "\t-350", ",", -350},
        {distance, "\u2212200", ".", -200}, {distance, "-200", ",", -200}, {distance, "12.5", ".", std::nullopt},
        {distance, "12,5", ",", std::nullopt}, {distance, "400", ".", std::nullopt}, {distance, "-351", ".", std::nullopt},
        {distance, "1e9", ".", std::nullopt}, {distance, "", ".", std::nullopt}, {distance, "2 50", ".", std::nullopt},
        {frequency, "1,5", ",", 15},     {frequency, "0,7", ",", 7},    {frequency, "1.5", ",", 15},
        {frequency, "1.5", ".", 15},     {frequency, "2", ".", 20},     {frequency, " 0.5 ", ".", 5},
        {frequency, "1,5", ".", std::nullopt}, {frequency, "0.4", ".", std::nullopt}, {frequency, "2.1", ".", std::nullopt},
        {frequency, "1.55", ".", std::nullopt}, {frequency, "1e9", ".", std::nullopt}, {frequency, "250", ".", std::nullopt},
        {frequency, "\u22121", ".", std::nullopt}, {frequency, "1,5,0", ",", std::nullopt},
        {PanelField::SecondFrequency, "0,6", ",", 6},
    };
    for (const Typed& typed : cases)
        EXPECT_EQ(typedNumber(typed.field, typed.text, typed.separator, PathMeasure::RootOfSquares), typed.read) << typed.text << " with " << typed.separator;
    EXPECT_EQ(typedNumber(frequency, "1.3", ".", PathMeasure::TwoLegs), 13);
    EXPECT_EQ(typedNumber(frequency, "1.4", ".", PathMeasure::TwoLegs), std::nullopt) << "beyond what the real lengths show truly";
}

TEST(TypedNumber, ARefusalSaysWhatTheFieldTakesAsTheLanguageWritesIt)
{
    EXPECT_EQ(typedNumberRefusal(PanelField::Distance, " 400 ", ".", PathMeasure::RootOfSquares),
              "\"400\" is not taken: the distance is a whole number from -350 to 350.");
    EXPECT_EQ(typedNumberRefusal(PanelField::Frequency, "1e9", ",", PathMeasure::TwoLegs),
              "\"1e9\" is not taken: the frequency is a number from 0,5 to 1,3 in tenths, such as 1,5.");
    EXPECT_EQ(typedNumberRefusal(PanelField::SecondFrequency, "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9x", ".", PathMeasure::RootOfSquares),
              "\"\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9...\" is not taken: the frequency is a number from 0.5 to 2 in tenths, such as 1.5.")
        << "cut short between characters";
}

// A refused number leaves the setting in use and says why; a number taken sets it, as the slider does.
TEST(TypedNumber, TheModelTakesANumberTheFieldOffersAndSaysWhyItRefusesAnother)
{
    ModelWindow window;
    window.model.openExplore(true);
    EXPECT_EQ(window.model.typeNumber(PanelField::Distance, "\u2212120", "."), "");
    EXPECT_EQ(window.state().explore.distance, -120);
    EXPECT_EQ(window.state().nPosun, "-120");
    EXPECT_EQ(window.model.typeNumber(PanelField::Frequency, "1,5", ","), "");
    EXPECT_EQ(window.state().explore.frequencyTenths, 15);
    EXPECT_EQ(window.model.typeNumber(PanelField::SecondFrequency, "0,7", ","), "");
    EXPECT_EQ(window.state().explore.secondFrequencyTenths, 7);

    const std::string refusal = window.model.typeNumber(PanelField::Distance, "400", ".");
    EXPECT_EQ(refusal, "\"400\" is not taken: the distance is a whole number from -350 to 350.");
    EXPECT_EQ(window.view.announcements.back(), refusal) << "said at once";
    EXPECT_EQ(window.model.typeNumber(PanelField::Frequency, "250", "."), typedNumberRefusal(PanelField::Frequency, "250", ".", PathMeasure::RootOfSquares));
    EXPECT_EQ(window.state().explore.distance, -120);
    EXPECT_EQ(window.state().explore.frequencyTenths, 15);
}

// A slider dragged sets the distance many times a second; its brightness is said once, when the
// value has stood still, with the words of a change that came meanwhile.
TEST(SettlingWords, TheBrightnessIsSaidOnceTheSettingsStandStill)
{
    ModelWindow window;
    window.model.openExplore(true);
    window.view.announcements.clear();
    for (int pixels = 1; pixels <= 60; ++pixels)
        window.model.perform(DistanceSetting{pixels * 4});
    EXPECT_TRUE(window.view.announcements.empty());
    EXPECT_EQ(window.view.settleTimers, 60) << "each change waits again";
    window.model.perform(MeasureSetting{PathMeasure::TwoLegs});
    window.model.perform(DistanceSetting{250});
    window.settle();
    ASSERT_EQ(window.view.announcements.size(), 1u);
    EXPECT_EQ(window.view.announcements.front(),
              "Path lengths: Real length (the two legs). " + brightnessWords(window.state().explore.brightness, window.state().explore.brightnessHere));
    window.model.settled();
    EXPECT_EQ(window.view.announcements.size(), 1u) << "said once";

    // A run says the brightness at its end, and a closed panel none: what waited is dropped.
    window.model.perform(DistanceSetting{10});
    window.model.press(Button::cmdStart);
    window.finishRun();
    window.view.announcements.clear();
    window.model.settled();
    EXPECT_TRUE(window.view.announcements.empty()) << "dropped by Start";
    window.model.perform(DistanceSetting{20});
    window.model.openExplore(false);
    window.model.openExplore(true);
    window.model.settled();
    EXPECT_TRUE(window.view.announcements.empty()) << "dropped by closing the panel";
}

}  // namespace
}  // namespace quorvel

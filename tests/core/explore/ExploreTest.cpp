#include "core/explore/BrightnessGraph.h"
#include "core/explore/ExploreWords.h"
#include "core/explore/MirrorOptics.h"
#include "core/explore/TypedNumber.h"
#include "tests/core/window/ModelWindow.h"
#include "tests/support/MirrorText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>

namespace quorvel::testing {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

// The worked values: the whole mirror sends all its light to a detector straight above the
// middle, and three quarters with the pair moved 250 pixels at frequency 1.
TEST(ExploreBrightness, ComparesTheSquaredSumWithTheWholeMirrorAtTheMiddle)
{
    EXPECT_EQ(brightnessNumber(brightness(Mirror::whole(), -250, 1)), "0.75") << "the picture is symmetric";
    ExploreState explore;
    explore.brightness = 0.7507;
    EXPECT_EQ(brightnessWords(explore), "0.75 of the light of a whole mirror at the middle, 1.00 times that of the whole mirror here");
    explore.brightness = 0;
    explore.brightnessHere = std::nullopt;
    EXPECT_EQ(brightnessWords(explore), "0.00 of the light of a whole mirror at the middle; the whole mirror here sends none");
}

// An off segment keeps its time-curve dot (five operations) and loses its rays, photon vector and
// spiral link; its mirror piece is a thin line, one operation more than a segment and its dot; the
// next segment's rays are drawn thin again, one operation more. A mirror scraped bare sends no light.
TEST(ExploreStart, DrawsNothingButTheTimeCurveForScrapedSegments)
{
    ModelWindow window;
    window.model.perform(SegmentSwitch{4});
    window.startAndFinish();
    EXPECT_EQ(window.drawn(), wholePictureOps + 1 - 7 + 1);

    ModelWindow bare;
    for (int segment = 0; segment < Mirror::segmentCount; ++segment)
        bare.model.perform(SegmentSwitch{segment});
    bare.startAndFinish();
    EXPECT_EQ(bare.drawn(), setUpOps + 30 + 30 * 5 + 4) << "only the source and the detector are filled again";
    EXPECT_EQ(std::ranges::count(bare.surface.ops(), std::optional<Colour>(green), &Op::colour), 0) << "a sum of no length";
    EXPECT_TRUE(bare.view.stops.empty());
    EXPECT_EQ(bare.state().explore.brightness, 0);
    // The words say only that no light arrives: no share of it comes from anywhere, and no
    // comparison is made with the whole mirror.
    EXPECT_THAT(bare.model.pictureDescription(),
                AllOf(::testing::EndsWith(" Every segment of the mirror is scraped off. No segment of the mirror reflects, so no path reaches the detector. "
                                          "No segment reflects, so no photon vector reaches the detector and no light arrives."),
                      Not(HasSubstr("comes from")), Not(HasSubstr("times as likely")), Not(HasSubstr("segments 0"))));
}

// With no change the panel leaves the window as it was; the whole mirror at each classic setting
// gives the classic picture and labels at once. Both windows have drawn the picture at distance 0
// before, so that the drawing state carried over is the same.
TEST(ExploreClassic, TheWholeMirrorAtAClassicSettingDrawsTheClassicPicture)
{
    for (const auto& [distance, frequency] : {std::pair(Option::op0, Option::op2), std::pair(Option::op250, Option::op1), std::pair(Option::op250, Option::op2)}) {
        SCOPED_TRACE(distance == Option::op0 ? "distance 0" : "distance 250");
        ModelWindow classic;
        classic.startAndFinish();
        const std::size_t before = classic.drawn();
        classic.perform(distance, frequency);
        classic.startAndFinish();

        ModelWindow reopened;
        reopened.startAndFinish();
        reopened.perform(PanelCommand::Open, PanelCommand::Close, distance, frequency);
        reopened.startAndFinish();
        EXPECT_EQ(reopened.surface.ops(), classic.surface.ops());

        PanelWindow live;
        live.perform(MirrorPreset::WholeMirror, DistanceSetting{distance == Option::op0 ? 0 : 250}, FrequencySetting{frequency == Option::op1 ? 10 : 20});
        EXPECT_EQ(live.view.timers.size(), 0u) << "no pauses";
        const std::vector<Op> second(classic.surface.ops().begin() + static_cast<long>(before), classic.surface.ops().end());
        const std::vector<Op> redrawn(live.surface.ops().end() - static_cast<long>(second.size()), live.surface.ops().end());
        EXPECT_EQ(redrawn, second);
        EXPECT_EQ(live.state().results, classic.state().results);
    }
}

TEST(ExploreSettings, TheSlidersWriteTheSettingsAndTheOptionsShowOnlyTheirValues)
{
    using Shown = std::tuple<std::string, std::string, std::optional<Option>, std::optional<Option>>;
    ModelWindow window;
    const auto shown = [&window] { return Shown(window.state().nPosun, window.state().nKmitocet, window.state().distance, window.state().frequency); };
    for (const auto& [distance, tenths, expected] : {std::tuple(100, 15, Shown("100", "1.5", std::nullopt, std::nullopt)), std::tuple(250, 20, Shown("250", "2", Option::op250, Option::op2)),
                                                     std::tuple(-1000, 0, Shown("-330", "0.5", std::nullopt, std::nullopt))}) {
        window.perform(DistanceSetting{distance}, FrequencySetting{tenths});
        EXPECT_EQ(shown(), expected);
    }
    EXPECT_EQ(window.state().explore.distance, -330);
    window.model.choose(Option::op0);
    EXPECT_EQ(std::pair(window.state().explore.distance, window.state().explore.frequencyTenths), std::pair(0, 10)) << "the panel follows the options";
}

// A preset and a click on the graph, then Ctrl+E, during a run: they land on the open panel and
// are drawn before it closes, so the picture shows what the next Start draws and keeps its labels.
TEST(ExploreInput, OpeningAndClosingThePanelIsHeldWithTheRestInTheOrderItCame)
{
    PanelWindow window;
    window.perform(Button::cmdStart, MirrorPreset::MiddleThird);
    window.model.clickGraph(static_cast<float>(BrightnessGraph::xOf(100)));
    window.model.openExplore(false);
    EXPECT_TRUE(window.state().explore.open) << "held";
    EXPECT_TRUE(window.state().explore.mirror.isWhole()) << "held";
    window.finishRun();
    EXPECT_FALSE(window.state().explore.open);
    EXPECT_EQ(mirrorText(window.state().explore.mirror), "000000000011111111110000000000");
    const auto drawnFor100 = AllOf(StartsWith("Drawn for distance 100 and frequency 1:"), Not(HasSubstr("Start will draw")));
    EXPECT_THAT(window.model.pictureDescription(), drawnFor100);
    EXPECT_TRUE(window.anyResultShown());
    ASSERT_EQ(window.view.announcements.size(), 1u) << "the run's end, once";
    EXPECT_THAT(window.view.announcements.front(), HasSubstr(" Then the explore panel closed."));

    // Two presses of Ctrl+E during a run open the panel and close it again, in turn.
    window.perform(Button::cmdStart, PanelCommand::Toggle, PanelCommand::Toggle, MirrorPreset::WholeMirror);
    window.finishRun();
    EXPECT_FALSE(window.state().explore.open);
    EXPECT_THAT(window.view.announcements.back(),
                ::testing::EndsWith(" Carried out after the run: the explore panel opened. Then the explore panel closed. Then the whole mirror put back."));
    const int pictures = window.view.pictures;
    window.model.openExplore(true);
    EXPECT_EQ(window.view.pictures, pictures + 1) << "the change made while it was closed is drawn as it opens";
    EXPECT_THAT(window.model.pictureDescription(), drawnFor100);
}

TEST(ExploreInput, AClickOnTheMirrorSwitchesTheSegmentUnderItOnlyWhileThePanelIsOpen)
{
    ModelWindow window;
    window.model.clickPicture(320, 290.5f);
    EXPECT_TRUE(window.state().explore.mirror.isWhole());
    window.model.openExplore(true);
    window.model.clickPicture(320, 290.5f);
    EXPECT_FALSE(window.state().explore.mirror.on(11));
    EXPECT_FALSE(window.state().promptShown) << "the picture drawn at once needs no prompt to press Start";
    EXPECT_EQ(window.state().explore.currentSegment, 11);
    window.model.clickPicture(320, 250);
    window.model.clickPicture(30, 290.5f);
    EXPECT_EQ(mirrorText(window.state().explore.mirror), "111111111110111111111111111111");
    window.model.moveSegmentCursor(-100);
    EXPECT_EQ(window.state().explore.currentSegment, 0);
}

// The distance is whole pixels, so "12.5" is refused rather than rounded; a frequency is read in
// tenths, exactly, with the language's separator or a point.
TEST(TypedNumber, ReadsWhatAPersonTypesAndNothingElse)
{
    const auto read = [](PanelField field, const char* text, const char* separator) { return typedNumber(field, text, separator, 20); };
    for (const char* text : {"12.5", "400", "-351", "1e9", "", "2 50"})
        EXPECT_EQ(read(PanelField::Distance, text, "."), std::nullopt) << text;
    for (const auto& [field, text, separator, number] : {std::tuple{PanelField::Distance, " 250 ", ".", 250}, {PanelField::Distance, "\u2212200", ",", -200},
                                                         {PanelField::Frequency, "0,7", ",", 7}, {PanelField::SecondFrequency, "1.5", ",", 15}, {PanelField::Frequency, " 2 ", ".", 20}})
        EXPECT_EQ(read(field, text, separator), number) << text;
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
    PanelWindow window;
    // What the panel then shows refused, nothing for a number taken.
    const auto typed = [&window](PanelField field, std::string_view text, std::string_view separator) {
        window.model.typeNumber(field, text, separator);
        const auto& refusal = window.state().explore.refusal;
        return refusal ? refusal->words : std::string();
    };
    EXPECT_EQ(typed(PanelField::Distance, "\u2212120", "."), "");
    EXPECT_EQ(typed(PanelField::Frequency, "1,5", ","), "");
    EXPECT_EQ(typed(PanelField::SecondFrequency, "0,7", ","), "");
    EXPECT_EQ(typed(PanelField::Distance, " 400 ", "."), "\"400\" is not taken: the distance is a whole number from -330 to 330.");
    const ExploreState& taken = window.state().explore;
    ASSERT_EQ(window.view.announcements.size(), 2u) << "what the numbers taken did goes before the refusal";
    EXPECT_TRUE(window.view.announcements.front().starts_with(brightnessWords(taken))) << window.view.announcements.front();
    EXPECT_EQ(typed(PanelField::Frequency, "1e9", ","), "\"1e9\" is not taken: the frequency is a number from 0.5 to 2 in tenths, such as 1.5.");
    EXPECT_EQ(window.view.announcements.back(), "\"1e9\" is not taken: the frequency is a number from 0.5 to 2 in tenths, such as 1.5.");
    for (const PanelField field : {PanelField::Distance, PanelField::Frequency, PanelField::SecondFrequency})
        EXPECT_EQ(typed(field, " ", ","), "");
    EXPECT_EQ(window.view.announcements.size(), 3u) << window.view.announcements.back();
    const ExploreState& explore = window.state().explore;
    EXPECT_EQ(std::tuple(explore.distance, window.state().nPosun, explore.frequencyTenths, explore.secondFrequencyTenths), std::tuple(-120, "-120", 15, 7));
    window.model.perform(SceneSetting{SceneKind::Glass});
    EXPECT_EQ(typed(PanelField::Frequency, "1.2", "."), "\"1.2\" is not taken: the frequency is a number from 0.5 to 1.1 in tenths, such as 1.1.")
        << "into glass the frequency stops at 1.1";
}

// A refusal stands, its field marked, until something is typed again or the panel's settings
// change, as a scene that changes the range it named; opening the panel again keeps it.
TEST(TypedNumber, ARefusalStandsUntilTypingOrTheSettingsChange)
{
    PanelWindow window;
    const auto refused = [&window] {
        const auto& refusal = window.state().explore.refusal;
        return refusal ? std::pair(refusal->field, refusal->words) : std::pair(PanelField::Distance, std::string("none"));
    };
    window.model.typeNumber(PanelField::SecondFrequency, "3", ".");
    EXPECT_EQ(refused(), std::pair(PanelField::SecondFrequency, std::string("\"3\" is not taken: the frequency is a number from 0.5 to 2 in tenths, such as 1.5.")));
    window.perform(PanelCommand::Close, PanelCommand::Open);
    EXPECT_EQ(refused().first, PanelField::SecondFrequency);
    window.model.clearRefusal();
    EXPECT_EQ(refused().second, "none");
    for (const FormAction& change : {FormAction{SceneSetting{SceneKind::Lens}}, FormAction{GapSetting{4}}}) {
        window.model.typeNumber(PanelField::Frequency, "9", ".");
        window.model.perform(change);
        EXPECT_EQ(refused().second, "none");
    }
    window.model.typeNumber(PanelField::Frequency, "9", ".");
    window.model.typeNumber(PanelField::Frequency, " ", ".");
    EXPECT_EQ(refused().second, "none") << "a field emptied refuses nothing";
}

// A slider dragged sets the distance many times a second; its brightness is said once, when the
// value has stood still, with the words of a change that came meanwhile. A run says it at its
// end, and a closed panel not at all.
TEST(SettlingWords, TheBrightnessIsSaidOnceTheSettingsStandStill)
{
    PanelWindow window;
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
}  // namespace quorvel::testing

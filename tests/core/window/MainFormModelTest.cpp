#include "core/window/MainFormModel.h"

#include "tests/core/window/ModelWindow.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>
#include <limits>
#include <optional>
#include <tuple>
#include <string>
#include <vector>

namespace quorvel::testing {
namespace {

TEST(MainFormModelHandlers, DistanceAndFrequencyOptionsSetTheirTextAndHideTheExplanations)
{
    ModelWindow window;
    window.startAndFinish();
    window.model.choose(Option::op2);
    EXPECT_EQ(window.state().nKmitocet, "2");
    EXPECT_FALSE(window.state().promptShown);
    EXPECT_FALSE(window.anyResultShown());

    window.startAndFinish();
    ASSERT_TRUE(window.anyResultShown());
    window.model.choose(Option::op250);
    EXPECT_EQ(window.texts(), (std::array<std::string, 3>{"250", "2", "1"})) << "op250 keeps the frequency";
    EXPECT_EQ(window.state().frequency, Option::op2);
    EXPECT_FALSE(window.anyResultShown());

    window.model.choose(Option::op0);
    EXPECT_EQ(window.texts(), (std::array<std::string, 3>{"0", "1", "1"})) << "op0 selects op1 as well";
    EXPECT_EQ(window.state().frequency, Option::op1);

    // op1 is selected already, yet op0 runs its handler to its end.
    window.model.choose(Option::op250);
    window.model.setText(TextBox::nKmitocet, "3");
    window.model.choose(Option::op0);
    EXPECT_EQ(window.state().nKmitocet, "1");

    window.perform(Option::op2, Option::op1);
    EXPECT_EQ(window.state().nKmitocet, "1");
}

// Choosing the option selected already runs no handler: the scroll bar's 9 and the results stay.
TEST(MainFormModelHandlers, SpeedOptionsSetOnlyTheSlowdownAndTheSelectedOptionNothing)
{
    ModelWindow window;
    window.startAndFinish();
    window.model.moveSpeed(SpeedMove::to(9));
    const FormState before = window.state();
    const int states = window.view.states;
    for (const Option option : {Option::op0, Option::op1, Option::opRychlá})
        window.model.choose(option);
    EXPECT_EQ(window.texts(), (std::array<std::string, 3>{"0", "1", "9"}));
    EXPECT_EQ(window.view.states, states);

    for (const auto& [option, text] : {std::pair{Option::opPomalá, "20"}, {Option::opPomalejší, "10"}, {Option::opRychlá, "1"}}) {
        window.model.choose(option);
        EXPECT_EQ(window.texts(), (std::array<std::string, 3>{"0", "1", text}));
        EXPECT_TRUE(window.state().selected(option));
    }
    EXPECT_EQ(window.state().HScroll1, 9);
    EXPECT_TRUE(window.state().promptShown);
    EXPECT_EQ(window.state().results, before.results);

    window.model.openExplore(true);
    const int pictures = window.view.pictures;
    window.model.choose(Option::opPomalá);
    EXPECT_EQ(window.view.pictures, pictures) << "the open panel's picture stays as it is";
}

TEST(MainFormModelHandlers, TheScrollBarWritesItsValueWithinOneToTwenty)
{
    ModelWindow window;
    const auto speed = [&window] { return std::pair(window.state().HScroll1, window.state().nSpomaleni); };
    EXPECT_GE(window.view.states, 1) << "the loaded window is shown";
    window.model.moveSpeed(SpeedMove::by(8));
    EXPECT_EQ(speed(), std::pair(9, std::string("9")));
    window.model.moveSpeed(SpeedMove::by(1));
    EXPECT_EQ(speed(), std::pair(10, std::string("10")));
    window.model.moveSpeed(SpeedMove::by(std::numeric_limits<int>::max()));
    EXPECT_EQ(speed(), std::pair(20, std::string("20")));

    // A move that leaves the scroll bar where it is does not run its handler.
    window.model.choose(Option::opPomalejší);
    const int states = window.view.states;
    window.perform(SpeedMove::by(3), SpeedMove::to(25));
    EXPECT_EQ(speed(), std::pair(20, std::string("10")));
    EXPECT_EQ(window.view.states, states);

    window.model.moveSpeed(SpeedMove::by(std::numeric_limits<int>::min()));
    EXPECT_EQ(speed(), std::pair(1, std::string("1")));
    window.perform(Option::opPomalá, SpeedMove::to(-4));
    EXPECT_EQ(window.state().nSpomaleni, "20");
}

TEST(MainFormModelStart, DrawsAPointAtATimeWithAPauseAfterEachOrAtSlowdownZeroAllInOneCall)
{
    ModelWindow window;
    window.model.press(Button::cmdStart);
    EXPECT_TRUE(window.state().running);
    EXPECT_EQ(window.drawn(), setUpOps + opsPerPoint);
    for (std::size_t point = 2; point <= 30; ++point) {
        window.endPause();
        ASSERT_EQ(window.drawn(), setUpOps + point * opsPerPoint);
        ASSERT_EQ(window.view.timers.size(), point);
        ASSERT_EQ(window.view.pictures, static_cast<int>(point)) << "the picture is shown before each pause";
    }
    EXPECT_EQ(window.view.runsFinished, 0);
    window.endPause();
    EXPECT_EQ(std::tuple(window.state().running, window.drawn(), window.view.runsFinished), std::tuple(false, wholePictureOps, 1));
    EXPECT_EQ(window.view.timers, std::vector<std::chrono::nanoseconds>(30, 0ns)) << "pauses of no time still go through the timer";
    EXPECT_EQ(window.view.pictures, 31);

    // Slowdown 0 draws the same whole picture in one call.
    ModelWindow unpaced;
    unpaced.model.setText(TextBox::nSpomaleni, "0");
    unpaced.model.press(Button::cmdStart);
    EXPECT_EQ(std::tuple(unpaced.state().running, unpaced.view.timers.size(), unpaced.view.pauses.size(), unpaced.view.runsFinished), std::tuple(false, 0u, 0u, 1));
    EXPECT_EQ(unpaced.surface.ops(), window.surface.ops());
    EXPECT_EQ(unpaced.state().results, window.state().results);
}

// Distances far beyond any screen still finish a run; the labels are held at the farthest place
// a label can be moved to, since converting the raw coordinate to a pixel would overflow.
TEST(MainFormModelStart, FinishesRunsWithTextsFarOutsideTheSettings)
{
    ModelWindow window;
    for (const char* distance : {"1e300", "-1e300", "1e38"}) {
        window.model.setText(TextBox::nPosun, distance);
        window.startAndFinish();
        EXPECT_TRUE(window.state().label(ResultLabel::Zdroj).shown) << distance;
        EXPECT_EQ(std::abs(window.state().label(ResultLabel::Zdroj).left), 1 << 24) << distance;
    }
    EXPECT_TRUE(window.view.stops.empty());
}

// A display that takes 6 ms to show a point leaves 9 ms of the 15 ms pause to wait, so the
// points keep the pace chosen.
TEST(MainFormModelPace, CountsThePauseFromTheStartOfThePoint)
{
    ModelWindow window(standardDecrementLength);
    window.view.showingTakes = 6ms;
    window.model.press(Button::cmdStart);
    ASSERT_EQ(window.view.pauses, std::vector<std::chrono::nanoseconds>{15ms});
    ASSERT_EQ(window.view.timers.size(), 1u);
    EXPECT_LE(window.view.timers[0], 9ms);
}

TEST(MainFormModelPace, AHeldScrollBarMoveAppliesToTheNextRun)
{
    ModelWindow window(standardDecrementLength);
    window.model.setText(TextBox::nSpomaleni, "0.001");  // 300 decrements, 15 µs
    window.perform(Button::cmdStart, SpeedMove::to(7), Button::cmdStart);
    EXPECT_EQ(window.state().nSpomaleni, "0.001");
    window.finishRun();
    ASSERT_EQ(window.view.pauses.size(), 31u) << "the thirty of the first run and the first of the next";
    EXPECT_EQ(std::vector(window.view.pauses.begin(), window.view.pauses.end() - 1), std::vector<std::chrono::nanoseconds>(30, 15us));
    EXPECT_EQ(window.state().nSpomaleni, "7");
    EXPECT_TRUE(window.state().running);
    EXPECT_EQ(window.view.pauses.back(), 7 * 15ms);
    EXPECT_LE(window.view.timers.back(), 7 * 15ms);

    // A timer that ends early leaves the point where it is and waits for the rest.
    const std::size_t drawn = window.drawn();
    window.model.pauseEnded();
    EXPECT_EQ(window.drawn(), drawn);
    EXPECT_GT(window.view.timers.back(), 0ns);
    EXPECT_LE(window.view.timers.back(), 7 * 15ms);
}

TEST(MainFormModelPace, ARunWaitsWhileTheWindowIsUnseenAndGoesOnWhereItStood)
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
    EXPECT_EQ(window.drawn(), drawn + opsPerPoint) << "the next point, once seen";
    window.model.setSeen(true);
    EXPECT_EQ(window.drawn(), drawn + opsPerPoint) << "seen again, nothing to take up";
    window.finishRun();
    EXPECT_EQ(window.drawn(), wholePictureOps);
}

// From 250: during the first run Start and op2, during the second op0. Carried out in any other
// order, the window would end at another setting than 0 and 1.
TEST(MainFormModelHeldInput, IsCarriedOutAfterTheRunInTheOrderItCame)
{
    ModelWindow window;
    window.perform(Option::op250, Button::cmdStart, Button::cmdStart, Option::op2);
    EXPECT_EQ(window.state().nKmitocet, "1") << "held while the run goes";
    window.finishRun();
    EXPECT_TRUE(window.state().running) << "the held Start began the next run";
    EXPECT_EQ(window.state().nPosun, "250");
    EXPECT_EQ(window.state().nKmitocet, "1") << "op2 waits behind that run";
    window.model.choose(Option::op0);
    window.finishRun();
    EXPECT_EQ(std::tuple(window.state().running, window.view.runsFinished, window.anyResultShown()), std::tuple(false, 2, false));
    EXPECT_EQ(window.texts(), (std::array<std::string, 3>{"0", "1", "1"}));
    EXPECT_EQ(std::pair(window.state().distance, window.state().frequency), std::pair(std::optional(Option::op0), std::optional(Option::op1)));
}

// What came before Exit is carried out and said with the run's end and the program's, in one
// announcement; what came after it is dropped.
TEST(MainFormModelHeldInput, ExitEndsTheProgramAfterTheRunAndDropsWhatCameAfterIt)
{
    ModelWindow window;
    window.perform(Button::cmdStart, Option::op250, SpeedMove::by(3), SpeedMove::by(-1), Button::cmdKonec, Option::op0, Button::cmdStart);
    EXPECT_EQ(window.view.ends, 0);
    EXPECT_TRUE(window.view.announcements.empty()) << "nothing while the run draws";
    window.finishRun();
    EXPECT_EQ(std::tuple(window.view.ends, window.state().ended, window.state().running, window.state().nPosun), std::tuple(1, true, false, "250"));
    ASSERT_EQ(window.view.announcements.size(), 1u) << "one announcement, which no part cuts off";
    const std::string& end = window.view.announcements.front();
    EXPECT_TRUE(end.starts_with("Drawn for distance 0 and frequency 1. The path of least time reflects at segments 15 and 16")) << end;
    EXPECT_TRUE(end.ends_with("Carried out after the run: distance 250 and frequency 1. Start will draw distance 250 and frequency 1. "
                              "Then speed 3. Then Exit. Quorvel has ended.")) << end;
    window.model.press(Button::cmdStart);
    EXPECT_EQ(window.drawn(), wholePictureOps);
    EXPECT_EQ(window.view.timers.size(), 30u);
}

TEST(MainFormModelHeldInput, UnloadDuringARunEndsItAtItsPause)
{
    ModelWindow window;
    window.model.press(Button::cmdStart);
    for (int k = 0; k < 4; ++k)
        window.endPause();
    window.model.choose(Option::op250);
    const std::size_t drawn = window.drawn();
    window.model.unload();
    EXPECT_EQ(std::pair(window.view.ends, window.state().running), std::pair(1, false));
    window.model.pauseEnded();  // the timer still running
    window.model.unload();
    EXPECT_EQ(std::tuple(window.view.ends, window.drawn(), window.view.runsFinished, window.state().nPosun, window.anyResultShown()), std::tuple(1, drawn, 0, "0", false));
}

TEST(MainFormModelHeldInput, EscapeEndsTheRunWhereItStandsDropsTheHeldAndSaysSo)
{
    ModelWindow window;
    window.model.press(Button::cmdStart);
    for (int k = 0; k < 4; ++k)
        window.endPause();
    window.perform(Option::op250, Button::cmdStart);
    const std::size_t drawn = window.drawn();
    window.model.stopRun();
    EXPECT_EQ(std::pair(window.state().running, window.view.runsFinished), std::pair(false, 1));
    EXPECT_EQ(window.view.announcements.back(), "Stopped after segment 5 of 30. What was pressed during the run is dropped.");
    EXPECT_EQ(window.model.pictureDescription(), "Drawing for distance 0 and frequency 1 was stopped after segment 5 of 30.");
    window.model.pauseEnded();  // the timer still running
    EXPECT_EQ(window.drawn(), drawn) << "nothing more drawn, the held Start dropped";
    EXPECT_EQ(window.state().nPosun, "0") << "the held choice dropped";
    const std::size_t said = window.view.announcements.size();
    window.model.stopRun();
    EXPECT_EQ(window.view.announcements.size(), said) << "with no run, Escape does nothing";
    window.model.choose(Option::op250);
    EXPECT_EQ(window.state().nPosun, "250") << "input acts at once again";
}

TEST(MainFormModelStop, ABadDistanceStopsAtTheBandWithOneMessage)
{
    ModelWindow window;
    const auto places = window.state().results;
    window.model.setText(TextBox::nPosun, "abc");
    window.model.press(Button::cmdStart);
    EXPECT_EQ(window.view.stops, std::vector<std::string>{"quorvel: Start stopped: distance (nPosun) setting holds \"abc\", which is not a number"});
    EXPECT_EQ(window.drawn(), 2u + 520u) << "the reset, the pen and the band";
    EXPECT_EQ(std::tuple(window.state().running, window.view.runsFinished, window.view.timers.size()), std::tuple(false, 1, 0u));
    EXPECT_EQ(window.state().results, places);
}

TEST(MainFormModelStop, ABadSlowdownStopsAfterItsPointAndHeldInputGoesOn)
{
    ModelWindow window;
    const auto places = window.state().results;
    window.model.press(Button::cmdStart);
    for (int k = 0; k < 3; ++k)
        window.endPause();
    window.perform(Option::op250, SpeedMove::to(3));
    window.model.setText(TextBox::nSpomaleni, "slow");
    window.endPause();
    EXPECT_EQ(window.view.stops, std::vector<std::string>{"quorvel: Start stopped: slowdown (nSpomaleni) setting holds \"slow\", which is not a number"});
    EXPECT_EQ(window.drawn(), setUpOps + 5 * opsPerPoint);
    EXPECT_EQ(std::pair(window.state().running, window.view.runsFinished), std::pair(false, 1));
    EXPECT_EQ(window.texts(), (std::array<std::string, 3>{"250", "1", "3"}));
    EXPECT_EQ(window.state().results, places);
}

}  // namespace
}  // namespace quorvel::testing

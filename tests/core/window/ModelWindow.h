#pragma once

#include "core/window/FormView.h"
#include "core/window/MainFormModel.h"
#include "tests/support/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace quorvel::testing {

using namespace std::chrono_literals;

// What one Start draws: the set-up (reset, pen, 520 band rows, source, detector, mirror and the
// spiral's start), twelve ops a point, and nine for the result marks.
constexpr std::size_t setUpOps = 592;
constexpr std::size_t opsPerPoint = 12;
constexpr std::size_t wholePictureOps = setUpOps + 30 * opsPerPoint + 9;

struct RecordingView : FormView {
    int states = 0;
    int pictures = 0;
    int runsFinished = 0;
    int ends = 0;
    std::vector<std::chrono::nanoseconds> timers;
    std::vector<std::chrono::nanoseconds> pauses;
    int settleTimers = 0;  // asked for since the last settled()
    std::vector<std::string> stops;
    std::vector<std::string> announcements;
    std::chrono::nanoseconds showingTakes = 0ns;

    void showState() override { ++states; }
    void showPicture() override
    {
        ++pictures;
        std::this_thread::sleep_for(showingTakes);
    }
    void startTimer(std::chrono::nanoseconds length) override { timers.push_back(length); }
    void startSettleTimer(std::chrono::milliseconds) override { ++settleTimers; }
    void pauseBegun(std::chrono::nanoseconds length) override { pauses.push_back(length); }
    void runFinished() override { ++runsFinished; }
    void reportStop(const std::string& message) override { stops.push_back(message); }
    void endProgram() override { ++ends; }
    void announce(const std::string& words) override { announcements.push_back(words); }
};

// The loaded window as an edition drives it. Pauses take no time unless a test asks for the
// standard pace; the test ends each one itself, as the edition's timer would.
struct ModelWindow {
    explicit ModelWindow(std::chrono::nanoseconds decrementLength = 0ns) : model(surface, view, decrementLength) { model.Form_Load(); }

    const FormState& state() const { return model.state(); }
    std::size_t drawn() const { return surface.ops().size(); }
    // nPosun, nKmitocet and nSpomaleni.
    std::array<std::string, 3> texts() const { return {state().nPosun, state().nKmitocet, state().nSpomaleni}; }
    bool anyResultShown() const
    {
        return std::ranges::any_of(state().results, [](const LabelState& label) { return label.shown; });
    }

    // A person's input, one action after another: presses, choices, moves, the panel opened or closed and its settings.
    void perform(const auto&... actions) { (model.perform(actions), ...); }

    void endPause()
    {
        ASSERT_LT(timersEnded, view.timers.size()) << "no timer runs";
        std::this_thread::sleep_for(view.timers[timersEnded++]);
        model.pauseEnded();
    }
    // Ends pauses until the run going now is over; a run begun by held input after it goes on.
    void finishRun()
    {
        const int finished = view.runsFinished;
        while (view.runsFinished == finished && !::testing::Test::HasFatalFailure())
            endPause();
    }
    // The panel's settings stand still: its timer, if one was asked for, runs out.
    void settle()
    {
        if (std::exchange(view.settleTimers, 0) > 0)
            model.settled();
    }
    void startAndFinish()
    {
        model.press(Button::cmdStart);
        finishRun();
    }

    RecordingSurface surface;
    RecordingView view;
    MainFormModel model;
    std::size_t timersEnded = 0;
};

// The loaded window with the explore panel open.
struct PanelWindow : ModelWindow {
    PanelWindow() { model.openExplore(true); }
};

// The panel open on a scene, the detector at a place; the picture is drawn live.
struct SceneWindow : PanelWindow {
    explicit SceneWindow(SceneKind scene, int distance = 0, int frequencyTenths = 10)
    {
        model.perform(SceneSetting{scene});
        model.perform(FrequencySetting{frequencyTenths});
        model.perform(DistanceSetting{distance});
    }
};

}  // namespace quorvel::testing

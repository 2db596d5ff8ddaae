#pragma once

#include "core/ExploreState.h"
#include "core/FormAction.h"
#include "core/FormState.h"
#include "core/PictureDescription.h"
#include "core/BrightnessGraph.h"
#include "core/Colour.h"
#include "core/PaceClock.h"
#include "core/Pause.h"
#include "core/ResultLabels.h"
#include "core/SettingNumber.h"
#include "core/SettingsTexts.h"
#include "core/Setup.h"
#include "core/StartSequence.h"
#include "core/TextSurface.h"
#include "core/TypedNumber.h"

#include <chrono>
#include <deque>
#include <map>
#include <optional>
#include <utility>
#include <variant>

namespace quorvel {

class DrawingSurface;
class FormView;

// The program's window without its toolkit: the state its handlers change, the handlers under
// their names, and the Start command, driven a step at a time with a pause between points.
// While Start runs, every action meant for the window is held, and after the run the held
// actions are carried out in the order they came. An edition turns its input into actions, keeps
// the timer the model asks for, draws through the surface and shows the state.
class MainFormModel : private SettingsTexts, private ResultLabels {
public:
    using Action = FormAction;

    MainFormModel(DrawingSurface& surface, FormView& view, std::chrono::nanoseconds decrementLength = standardDecrementLength);

    const FormState& state() const { return state_; }

    // A person's input: a press of a button, a choice of an option, a move of the speed scroll
    // bar. Carried out at once when the window is idle, held otherwise.
    void press(Button button) { perform(button); }
    void choose(Option option) { perform(option); }
    void moveSpeed(SpeedMove move) { perform(move); }
    void perform(Action action);

    // The explore panel. Opening and closing it is held through a run like the rest of the input;
    // moving along its segments, as the focus does, acts at once. While it is open every change
    // redraws the whole picture at once.
    void openExplore(bool open) { perform(open ? PanelCommand::Open : PanelCommand::Close); }
    void toggleExplore() { perform(PanelCommand::Toggle); }
    void moveSegmentCursor(int by);
    // A click on the picture: on a segment of the mirror, while the panel is open, it switches it.
    void clickPicture(float x, float y);
    // A number typed into one of the panel's fields, with the language's decimal separator: one the
    // field offers is set; anything else is refused, and why is said. Returns the refusal, or
    // nothing when the number is taken.
    std::string typeNumber(PanelField field, std::string_view typed, std::string_view decimalSeparator);
    // A click on the brightness graph moves the pair to the distance under it.
    void clickGraph(float x) { perform(DistanceSetting{BrightnessGraph::distanceAt(x)}); }
    // A press of the ends lesson's offer: the frequency where the ends cancel, or the middle.
    void takeEndsOffer();
    // Where the panel's graph is drawn; none until an edition has one.
    void setGraphSurface(TextSurface* graph) { graph_ = graph; }
    // The graph in words, as it stands.
    std::string graphDescription() { return brightnessGraph_.describe(state_.explore); }

    // Sets the window as a setup has it, before the first Start: through a person's actions, so
    // that every control shows it, the panel's settings through the panel. The panel opens last
    // and draws its picture once.
    void apply(const Setup& setup);
    // The setup the window shows now.
    Setup setup() const { return Setup::of(state_); }

    // The timer asked for with startTimer has run out.
    void pauseEnded();
    // The panel's settings have stood still since the timer asked for with startSettleTimer began:
    // what they came to is said.
    void settled();
    // How long a setting stands still before its brightness is said: a slider dragged or a key
    // held changes it many times a second, and each change would cut off the words before.
    static constexpr std::chrono::milliseconds settleTime{500};
    // Whether anyone can see the window: a page in a tab behind another cannot be seen. A run
    // waits while it is unseen, and goes on from where it stood once seen again.
    void setSeen(bool seen);

    // The picture in words, following what it shows.
    std::string pictureDescription() const { return describePicture(drawn_, state_); }
    // The picture with its labels as an SVG document, the same in both editions; the palette is
    // the edition's, as its surface resolves the theme's colours with.
    std::string pictureSvg(SystemPalette palette) const;
    // Unloads the window: a run ends at its pause, held actions are dropped, the program ends.
    void unload();
    // Escape: the run ends where it stands and the input held through it is dropped, so that a
    // teacher need not wait for a long run or a long queue. Not one of the window's own controls,
    // it acts at once.
    void stopRun();

    // Sets a text box's text, as only the handlers do in use.
    void setText(TextBox box, std::string text);

    void Form_Load();
    void cmdStart_Click();
    void cmdKonec_Click();
    void op0_Click();
    void op250_Click();
    void op1_Click();
    void op2_Click();
    void opPomalá_Click();
    void opPomalejší_Click();
    void opRychlá_Click();
    void HScroll1_Change();

private:
    using Clock = PaceClock;

    std::string distanceText() const override { return state_.nPosun; }
    std::string frequencyText() const override { return state_.nKmitocet; }
    std::string slowdownText() const override { return state_.nSpomaleni; }
    void setLeft(ResultLabel label, float left) override;
    void setTop(ResultLabel label, float top) override;
    void show(ResultLabel label) override;

    bool holding() const { return !releasing_ && (state_.running || !held_.empty()); }
    void carryOut(const Action& action);
    void select(Option option);
    void runHandlerOf(Option option);
    void hidePromptAndResults();
    void carryOutExplore(const Action& action);
    void showExplore(PanelCommand command);
    std::string carriedOutWords(const Action& action);
    void applyMirror(const Mirror& mirror);
    void setDistance(int pixels);
    void setFrequency(int tenths);
    void setSecondFrequency(SecondFrequencySetting setting);
    void syncExploreSettings();
    void choosePreset(MirrorPreset preset);
    std::string setMeasure(PathMeasure measure);
    void exploreChanged(const std::string& first = {});
    void dropSettlingWords();
    void redrawLive();
    void refreshExplore();
    void advance();
    void stopDrawing(const SettingsError& error);
    void beginPause(std::chrono::nanoseconds length, Clock::time_point stepBegan);
    void startTimerForRest();
    void finishRun();
    void releaseHeld();
    void say(const std::string& words);
    void beginDrawing(Layout layout);

    DrawingSurface& surface_;
    TextSurface* graph_ = nullptr;
    BrightnessGraph brightnessGraph_;
    std::map<std::pair<int, PathMeasure>, double> brightestAt_;  // by frequency in tenths
    FormView& view_;
    std::chrono::nanoseconds decrementLength_;
    FormState state_;
    std::optional<StartSequence> sequence_;
    Clock::time_point deadline_;
    std::deque<Action> held_;
    bool releasing_ = false;
    bool pictureBehind_ = false;  // the panel's settings changed while it was closed
    DrawnPicture drawn_;
    bool seen_ = true;
    bool pauseOverUnseen_ = false;  // a pause ended while the window was unseen
    bool sayingLater_ = false;  // a run is ending: words wait for the rest of its end
    std::string laterWords_;
    // The panel's words, said once its settings stand still.
    std::string settlingFirst_;
    std::string settlingBrightness_;
};

}  // namespace quorvel

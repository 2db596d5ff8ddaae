#pragma once

#include "core/window/Announcements.h"
#include "core/explore/BrightnessGraph.h"
#include "core/draw/Colour.h"
#include "core/window/ExploreHost.h"
#include "core/window/ExploreModel.h"
#include "core/mirror/ExploreState.h"
#include "core/settings/FormAction.h"
#include "core/settings/FormState.h"
#include "core/window/HeldInput.h"
#include "core/window/Pause.h"
#include "core/picture/PictureDescription.h"
#include "core/layout/ResultLabels.h"
#include "core/window/RunPacing.h"
#include "core/text/SettingNumber.h"
#include "core/text/SettingsTexts.h"
#include "core/settings/Setup.h"
#include "core/start/StartSequence.h"
#include "core/draw/TextSurface.h"
#include "core/explore/TypedNumber.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

class DrawingSurface;
class FormView;

// The program's window without its toolkit: the state its handlers change, the handlers under
// their names, and the Start command, driven a step at a time with a pause between points. The
// input held through a run, the run's pacing, the explore panel, a setup's application and what
// is said each have their own part. An edition turns its input into actions, keeps the timer the
// model asks for, draws through the surface and shows the state.
class MainFormModel final : private SettingsTexts, private ResultLabels, private ExploreHost {
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
    // moving along its segments, as the focus does, acts at once.
    void openExplore(bool open) { perform(open ? PanelCommand::Open : PanelCommand::Close); }
    void toggleExplore() { perform(PanelCommand::Toggle); }
    void moveSegmentCursor(int by) { explore_.moveSegmentCursor(by); }
    // A click on the picture: on a segment of the mirror, while the panel is open at the mirror, it
    // switches it.
    void clickPicture(float x, float y);
    // A number typed into one of the panel's fields, with the language's decimal separator: one the
    // field offers is set; anything else is refused, which the panel's state holds, and why is said.
    void typeNumber(PanelField field, std::string_view typed, std::string_view decimalSeparator);
    // Something typed into a field again takes a refusal off.
    void clearRefusal();
    // A click on the brightness graph moves the pair to the distance under it.
    void clickGraph(float x) { perform(DistanceSetting{BrightnessGraph::distanceAt(x)}); }
    // A press of the ends lesson's offer: the frequency where the ends cancel, or the middle.
    void takeEndsOffer();
    // Where the panel's graph is drawn, and the graph in words.
    void setGraphSurface(TextSurface* graph) { explore_.setGraphSurface(graph); }
    std::string graphDescription() { return explore_.graphDescription(); }

    // Sets the window as a setup has it, before the first Start, as a person would.
    void apply(const Setup& setup);
    // The setup the window shows now.
    Setup setup() const { return Setup::of(state_); }

    // The timer asked for with startTimer has run out.
    void pauseEnded();
    // The panel's settings have stood still since the timer asked for with startSettleTimer began:
    // what they came to is said.
    void settled() { announcements_.settled(state_.explore.open && !state_.ended); }
    // How long the panel's settings stand still before what they came to is said.
    static constexpr std::chrono::milliseconds settleTime = Announcements::settleTime;
    // Whether anyone can see the window: a page in a tab behind another cannot be seen. A run
    // waits while it is unseen, and goes on from where it stood once seen again.
    void setSeen(bool seen);

    // The picture in words, following what it shows.
    std::string pictureDescription() const { return describePicture(drawn_, state_); }
    // The sum's label, which gives the spiral's size where it is drawn smaller than its full size.
    ShownCaption sumLabelCaption() const { return quorvel::sumLabelCaption(drawn_); }
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
    void setText(TextBox box, std::string text) override;

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
    std::string distanceText() const override { return state_.nPosun; }
    std::string frequencyText() const override { return state_.nKmitocet; }
    std::string slowdownText() const override { return state_.nSpomaleni; }
    void setLeft(ResultLabel label, float left) override;
    void setTop(ResultLabel label, float top) override;
    void show(ResultLabel label) override;
    void redrawLive() override;
    void hidePromptAndResults() override;

    void carryOut(const Action& action);
    void chooseOption(Option option);
    void moveSpeedTo(SpeedMove move);
    void select(Option option);
    void runHandlerOf(Option option);
    void beginDrawing(Layout layout);
    void stopDrawing(const SettingsError& error);
    void advance();
    void finishRun();
    void releaseHeld();
    void carryOutHeld(const Action& action, bool first);

    DrawingSurface& surface_;
    FormView& view_;
    FormState state_;
    Announcements announcements_{view_};
    HeldInput held_;
    RunPacing pacing_;
    ExploreModel explore_{state_, view_, *this, announcements_, held_};
    std::optional<StartSequence> sequence_;
    DrawnPicture drawn_;
};

}  // namespace quorvel

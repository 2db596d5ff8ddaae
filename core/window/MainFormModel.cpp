#include "core/window/MainFormModel.h"

#include "core/window/FormView.h"
#include "core/explore/MirrorOptics.h"
#include "core/picture/PictureSvg.h"
#include "core/start/SceneSetup.h"
#include "core/window/SetupApplication.h"
#include "core/text/Translation.h"

#include <algorithm>
#include <string>
#include <utility>

namespace quorvel {

namespace {

constexpr bool inGroup(Option option, std::initializer_list<Option> group) { return std::find(group.begin(), group.end(), option) != group.end(); }

}  // namespace

const std::string& FormState::text(TextBox box) const
{
    switch (box) {
    case TextBox::nPosun:
        return nPosun;
    case TextBox::nKmitocet:
        return nKmitocet;
    case TextBox::nSpomaleni:
        break;
    }
    return nSpomaleni;
}

bool FormState::selected(Option option) const { return distance == option || frequency == option || speed == option; }

MainFormModel::MainFormModel(DrawingSurface& surface, FormView& view, std::chrono::nanoseconds decrementLength)
    : surface_(surface), view_(view), pacing_(view, decrementLength)
{
}

void MainFormModel::perform(Action action)
{
    if (state_.ended)
        return;
    if (held_.holds(state_.running)) {
        held_.hold(action);
        // The edition may have shown the input already; it shows the state as it stands again.
        view_.showState();
    } else {
        carryOut(action);
    }
}

void MainFormModel::carryOut(const Action& action)
{
    if (const auto* button = std::get_if<Button>(&action))
        *button == Button::cmdStart ? cmdStart_Click() : cmdKonec_Click();
    else if (const auto* option = std::get_if<Option>(&action))
        chooseOption(*option);
    else if (const auto* move = std::get_if<SpeedMove>(&action))
        moveSpeedTo(*move);
    else
        explore_.carryOut(action);
}

// A choice of the option that is already selected changes nothing, and so keeps the
// explanations of a finished picture; a move that leaves the scroll bar where it is, likewise.
void MainFormModel::chooseOption(Option option)
{
    if (state_.selected(option))
        return;
    select(option);
    explore_.optionChosen(inGroup(option, {Option::op0, Option::op250, Option::op1, Option::op2}));
    view_.showState();
}

void MainFormModel::moveSpeedTo(SpeedMove move)
{
    // Summed in a wider type, so that no move, however far, overflows.
    const long long target = move.kind == SpeedMove::Kind::To ? move.amount : static_cast<long long>(state_.HScroll1) + move.amount;
    const int value = static_cast<int>(std::clamp<long long>(target, FormState::speedMinimum, FormState::speedMaximum));
    if (value == state_.HScroll1)
        return;
    state_.HScroll1 = value;
    HScroll1_Change();
    view_.showState();
}

void MainFormModel::apply(const Setup& setup) { SetupApplication(*this).apply(setup); }

void MainFormModel::clickPicture(float x, float y)
{
    // Through a line there is no mirror to scrape.
    if (!state_.explore.open || passesThrough(state_.explore.scene))
        return;
    if (const auto segment = mirrorSegmentAt(x, y))
        perform(SegmentSwitch{*segment});
}

void MainFormModel::typeNumber(PanelField field, std::string_view typed, std::string_view decimalSeparator)
{
    const ExploreState& explore = state_.explore;
    // A refusal stands for the number typed last only.
    clearRefusal();
    // A field emptied is no number typed: it shows the value in use again, with nothing to say.
    if (trimmed(typed).empty())
        return;
    const auto number = typedNumber(field, typed, decimalSeparator, explore.frequencyCap());
    if (!number) {
        const std::string refusal = typedNumberRefusal(field, typed, explore.frequencyCap());
        // What an earlier change waits to say goes first, so that the refusal is heard last.
        settled();
        announcements_.say(refusal);
        state_.explore.refusal = FieldRefusal{field, refusal};
        view_.showState();
        return;
    }
    if (field == PanelField::Distance)
        perform(DistanceSetting{*number});
    else if (field == PanelField::Frequency)
        perform(FrequencySetting{*number});
    else
        perform(SecondFrequencySetting{explore.secondShown, *number});
}

void MainFormModel::clearRefusal()
{
    if (!state_.explore.refusal)
        return;
    state_.explore.refusal.reset();
    view_.showState();
}

void MainFormModel::takeEndsOffer()
{
    const EndsLesson& lesson = state_.explore.endsLesson;
    if (lesson.offer == EndsLesson::Offer::Frequency)
        perform(FrequencySetting{lesson.frequencyTenths});
    else if (lesson.offer == EndsLesson::Offer::Middle)
        perform(DistanceSetting{0});
}

// While the panel is open the picture follows every change at once, with no pauses.
void MainFormModel::redrawLive()
{
    beginDrawing(Layout::Explore);
    StartSequence sequence(surface_, *this, *this, drawn_.mirror, Layout::Explore, drawn_.measure, drawn_.scene);
    try {
        sequence.runToEnd();
        drawn_.stage = DrawnPicture::Stage::Drawn;
        drawn_.spiralSize = sequence.spiralSize();
    } catch (const SettingsError& error) {
        stopDrawing(error);
    }
    drawn_.segmentsDrawn = sequence.segmentsVisited();
    view_.showPicture();
}

// What the picture will show is fixed by the texts as they stand when a drawing begins.
void MainFormModel::beginDrawing(Layout layout)
{
    const bool explore = layout == Layout::Explore;
    const PathMeasure measure = explore ? state_.explore.measure : PathMeasure::RootOfSquares;
    const SceneKind scene = explore ? state_.explore.scene : SceneKind::Mirror;
    drawn_ = {DrawnPicture::Stage::Drawing, state_.nPosun, state_.nKmitocet, state_.explore.pathsThatCount(), 0, layout, measure, scene};
}

std::string MainFormModel::pictureSvg(SystemPalette palette) const { return pictureAsSvg(drawn_, state_, palette); }

void MainFormModel::stopDrawing(const SettingsError& error)
{
    drawn_.stage = DrawnPicture::Stage::Stopped;
    view_.reportStop(fillIn(translate("MainFormModel", "quorvel: Start stopped: %1"), {error.what()}));
}

void MainFormModel::setText(TextBox box, std::string text)
{
    switch (box) {
    case TextBox::nPosun:
        state_.nPosun = std::move(text);
        break;
    case TextBox::nKmitocet:
        state_.nKmitocet = std::move(text);
        break;
    case TextBox::nSpomaleni:
        state_.nSpomaleni = std::move(text);
        return;
    }
    explore_.followTexts();
}

// Selecting an option clears the others of its group and runs its handler to its end, even when
// it was selected already.
void MainFormModel::select(Option option)
{
    if (inGroup(option, {Option::op0, Option::op250}))
        state_.distance = option;
    else if (inGroup(option, {Option::op1, Option::op2}))
        state_.frequency = option;
    else
        state_.speed = option;
    runHandlerOf(option);
}

void MainFormModel::runHandlerOf(Option option)
{
    switch (option) {
    case Option::op0:
        return op0_Click();
    case Option::op250:
        return op250_Click();
    case Option::op1:
        return op1_Click();
    case Option::op2:
        return op2_Click();
    case Option::opPomalá:
        return opPomalá_Click();
    case Option::opPomalejší:
        return opPomalejší_Click();
    case Option::opRychlá:
        return opRychlá_Click();
    }
}

void MainFormModel::hidePromptAndResults()
{
    state_.promptShown = false;
    for (LabelState& label : state_.results)
        label.shown = false;
}

void MainFormModel::Form_Load()
{
    select(Option::op0);
    setText(TextBox::nPosun, "0");
    setText(TextBox::nKmitocet, "1");
    select(Option::opRychlá);
    setText(TextBox::nSpomaleni, "1");
    state_.promptShown = true;
    for (LabelState& label : state_.results)
        label.shown = false;
    view_.showState();
}

void MainFormModel::cmdStart_Click()
{
    const ExploreState& explore = state_.explore;
    explore_.runBegins();
    const Layout layout = explore.used ? Layout::Explore : Layout::Classic;
    beginDrawing(layout);
    sequence_.emplace(surface_, static_cast<const SettingsTexts&>(*this), static_cast<ResultLabels&>(*this), drawn_.mirror, layout, drawn_.measure, drawn_.scene);
    state_.running = true;
    view_.showState();
    advance();
}

void MainFormModel::cmdKonec_Click() { unload(); }

void MainFormModel::op0_Click()
{
    setText(TextBox::nPosun, "0");
    select(Option::op1);
    hidePromptAndResults();
}

void MainFormModel::op250_Click()
{
    setText(TextBox::nPosun, "250");
    hidePromptAndResults();
}

void MainFormModel::op1_Click()
{
    setText(TextBox::nKmitocet, "1");
    hidePromptAndResults();
}

void MainFormModel::op2_Click()
{
    setText(TextBox::nKmitocet, "2");
    hidePromptAndResults();
}

void MainFormModel::opPomalá_Click() { setText(TextBox::nSpomaleni, "20"); }

void MainFormModel::opPomalejší_Click() { setText(TextBox::nSpomaleni, "10"); }

void MainFormModel::opRychlá_Click() { setText(TextBox::nSpomaleni, "1"); }

void MainFormModel::HScroll1_Change() { setText(TextBox::nSpomaleni, std::to_string(state_.HScroll1)); }

void MainFormModel::setLeft(ResultLabel label, float left) { state_.results.at(static_cast<std::size_t>(label)).left = labelPixel(left); }

void MainFormModel::setTop(ResultLabel label, float top) { state_.results.at(static_cast<std::size_t>(label)).top = labelPixel(top); }

void MainFormModel::show(ResultLabel label) { state_.results.at(static_cast<std::size_t>(label)).shown = true; }

// Steps with no pause after them follow at once, so at slowdown 0 the whole picture appears in
// one go. A settings text that is not a number ends the run where it stands.
void MainFormModel::advance()
{
    const auto stepBegan = RunPacing::Clock::now();
    try {
        while (const auto decrements = sequence_->step()) {
            drawn_.segmentsDrawn = sequence_->segmentsVisited();
            if (*decrements > 0) {
                pacing_.pause(*decrements, stepBegan);
                if (state_.running)
                    pacing_.startTimer();
                return;
            }
        }
        drawn_.stage = DrawnPicture::Stage::Drawn;
        drawn_.spiralSize = sequence_->spiralSize();
    } catch (const SettingsError& error) {
        drawn_.segmentsDrawn = sequence_->segmentsVisited();
        stopDrawing(error);
    }
    finishRun();
}

void MainFormModel::pauseEnded()
{
    if (state_.running && pacing_.ended())
        advance();
}

void MainFormModel::setSeen(bool seen)
{
    if (pacing_.seen(seen) && state_.running)
        advance();
}

// The run is over before anyone hears of it, so that a held press of Start begins the next.
void MainFormModel::finishRun()
{
    sequence_.reset();
    state_.running = false;
    view_.showPicture();
    view_.showState();
    view_.runFinished();
    announcements_.asOne([this] {
        announcements_.say(runEndWords(drawn_));
        releaseHeld();
    });
}

// Carries out the held actions in order until one begins another run. Moves of the speed one
// after another are said as where they ended, as a drag gives many.
void MainFormModel::releaseHeld()
{
    bool first = true;
    held_.replay([this] { return !state_.running && !state_.ended; },
                 [&](const Action& action, bool speedMoveNext) {
                     if (std::holds_alternative<SpeedMove>(action) && speedMoveNext)
                         carryOut(action);
                     else
                         carryOutHeld(action, std::exchange(first, false));
                 });
}

// Each held action is said in a sentence of its own followed by what it did; a button's press is
// said before what the press itself says.
void MainFormModel::carryOutHeld(const Action& action, bool first)
{
    const std::string sentence = first ? translate("MainFormModel", "Carried out after the run: %1.") : translate("MainFormModel", "Then %1.");
    if (std::holds_alternative<Button>(action)) {
        announcements_.say(fillIn(sentence, {heldInputWords(action, state_)}));
        return carryOut(action);
    }
    std::string result = announcements_.wordsOf([&] { carryOut(action); });
    // An option with the panel closed says nothing of itself: what it changed is what the next
    // Start draws.
    if (result.empty() && std::holds_alternative<Option>(action))
        result = fillIn(translate("PictureDescription", "Start will draw distance %1 and frequency %2."), {state_.nPosun, state_.nKmitocet});
    announcements_.say(fillIn(sentence, {heldInputWords(action, state_)}) + (result.empty() ? "" : " " + result));
}

void MainFormModel::stopRun()
{
    if (state_.ended || !state_.running)
        return;
    const bool dropped = held_.drop();
    sequence_.reset();
    state_.running = false;
    drawn_.stage = DrawnPicture::Stage::Interrupted;
    view_.showPicture();
    view_.showState();
    view_.runFinished();
    announcements_.say(fillIn(translate("MainFormModel", "Stopped after segment %1 of 30."), {std::to_string(drawn_.segmentsDrawn)}) +
                       (dropped ? afterSpace(translate("MainFormModel", "What was pressed during the run is dropped.")) : ""));
}

void MainFormModel::unload()
{
    if (state_.ended)
        return;
    state_.ended = true;
    state_.running = false;
    sequence_.reset();
    held_.drop();
    announcements_.say(translate("MainFormModel", "Quorvel has ended."));
    view_.endProgram();
}

}  // namespace quorvel

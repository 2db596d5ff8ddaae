#include "core/MainFormModel.h"

#include "core/FormView.h"
#include "core/SettingNumber.h"

#include <algorithm>
#include <string>
#include <utility>

namespace quorvel {

namespace {

// A timer waits whole milliseconds of a limited range, so a long pause is waited in parts.
constexpr std::chrono::nanoseconds longestTimer = std::chrono::hours(1);

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
    : surface_(surface), view_(view), decrementLength_(decrementLength)
{
}

void MainFormModel::perform(Action action)
{
    if (state_.ended)
        return;
    if (holding()) {
        held_.push_back(action);
        // The edition may have shown the input already; it shows the state as it stands again.
        view_.showState();
    } else {
        carryOut(action);
    }
}

// A choice of the option that is already selected changes nothing, and so keeps the
// explanations of a finished picture; a move that leaves the scroll bar where it is, likewise.
void MainFormModel::carryOut(const Action& action)
{
    if (const auto* button = std::get_if<Button>(&action)) {
        *button == Button::cmdStart ? cmdStart_Click() : cmdKonec_Click();
    } else if (const auto* option = std::get_if<Option>(&action)) {
        if (!state_.selected(*option)) {
            select(*option);
            view_.showState();
        }
    } else {
        const auto& move = std::get<SpeedMove>(action);
        // Summed in a wider type, so that no move, however far, overflows.
        const long long target = move.kind == SpeedMove::Kind::To ? move.amount : static_cast<long long>(state_.HScroll1) + move.amount;
        const int value = static_cast<int>(std::clamp<long long>(target, FormState::speedMinimum, FormState::speedMaximum));
        if (value != state_.HScroll1) {
            state_.HScroll1 = value;
            HScroll1_Change();
            view_.showState();
        }
    }
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
        break;
    }
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
    sequence_.emplace(surface_, static_cast<const SettingsTexts&>(*this), static_cast<ResultLabels&>(*this));
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
    const auto stepBegan = Clock::now();
    try {
        while (const auto decrements = sequence_->step()) {
            if (*decrements > 0) {
                beginPause(pauseLength(*decrements, decrementLength_), stepBegan);
                return;
            }
        }
    } catch (const SettingsError& error) {
        view_.reportStop(std::string("quorvel: Start stopped: ") + error.what());
    }
    finishRun();
}

// Even a pause of no time returns to the edition's event loop, which paints and takes input.
// The pause counts from the start of the step, so the points keep the chosen pace on a display
// that takes a while to draw one.
void MainFormModel::beginPause(std::chrono::nanoseconds length, Clock::time_point stepBegan)
{
    view_.showPicture();
    deadline_ = stepBegan + length;
    view_.pauseBegun(length);
    if (state_.running)
        startTimerForRest();
}

void MainFormModel::startTimerForRest()
{
    const auto left = std::max(std::chrono::ceil<std::chrono::nanoseconds>(deadline_ - Clock::now()), std::chrono::nanoseconds::zero());
    view_.startTimer(std::min(left, longestTimer));
}

// A timer may end a little early; the pause ends only once the clock has passed its deadline.
void MainFormModel::pauseEnded()
{
    if (!state_.running)
        return;
    if (Clock::now() < deadline_)
        startTimerForRest();
    else
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
    releaseHeld();
}

// Carries out the held actions in order until one begins another run, which then holds the
// rest, and whatever comes during it behind them.
void MainFormModel::releaseHeld()
{
    const bool wasReleasing = std::exchange(releasing_, true);
    while (!held_.empty() && !state_.running && !state_.ended) {
        const Action action = held_.front();
        held_.pop_front();
        carryOut(action);
    }
    releasing_ = wasReleasing;
}

void MainFormModel::unload()
{
    if (state_.ended)
        return;
    state_.ended = true;
    state_.running = false;
    sequence_.reset();
    held_.clear();
    view_.endProgram();
}

}  // namespace quorvel

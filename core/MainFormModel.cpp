#include "core/MainFormModel.h"

#include "core/ExploreWords.h"
#include "core/FormView.h"
#include "core/MirrorOptics.h"
#include "core/PictureSvg.h"
#include "core/SceneSetup.h"
#include "core/SettingNumber.h"
#include "core/Translation.h"

#include <algorithm>
#include <cmath>
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
            std::string measureBack;
            ExploreState& explore = state_.explore;
            if (explore.frequencyTenths > ExploreState::frequencyTenthsCap(explore.measure)) {
                explore.measure = PathMeasure::RootOfSquares;
                measureBack = measureBackWords(explore.frequencyTenths);
            }
            if (state_.explore.open && inGroup(*option, {Option::op0, Option::op250, Option::op1, Option::op2}))
                exploreChanged(measureBack);
            else
                say(measureBack);
            view_.showState();
        }
    } else if (const auto* move = std::get_if<SpeedMove>(&action)) {
        // Summed in a wider type, so that no move, however far, overflows.
        const long long target = move->kind == SpeedMove::Kind::To ? move->amount : static_cast<long long>(state_.HScroll1) + move->amount;
        const int value = static_cast<int>(std::clamp<long long>(target, FormState::speedMinimum, FormState::speedMaximum));
        if (value != state_.HScroll1) {
            state_.HScroll1 = value;
            HScroll1_Change();
            view_.showState();
        }
    } else if (const auto* second = std::get_if<SecondFrequencySetting>(&action)) {
        setSecondFrequency(*second);
    } else if (const auto* panel = std::get_if<PanelCommand>(&action)) {
        showExplore(*panel);
    } else {
        carryOutExplore(action);
    }
}

// Like an option's handler, every change of the panel hides the explanations of the picture
// before; a live picture shows its own.
void MainFormModel::carryOutExplore(const Action& action)
{
    ExploreState& explore = state_.explore;
    std::string first;
    if (const auto* segmentSwitch = std::get_if<SegmentSwitch>(&action)) {
        explore.mirror.toggle(segmentSwitch->segment);
        explore.currentSegment = std::clamp(segmentSwitch->segment, 0, Mirror::segmentCount - 1);
        explore.isGrating = false;
    } else if (const auto* preset = std::get_if<MirrorPreset>(&action)) {
        choosePreset(*preset);
    } else if (const auto* distance = std::get_if<DistanceSetting>(&action)) {
        setDistance(distance->pixels);
    } else if (const auto* frequency = std::get_if<FrequencySetting>(&action)) {
        setFrequency(frequency->tenths);
    } else {
        const PathMeasure measure = std::get<MeasureSetting>(action).measure;
        if (measure == explore.measure)
            return;
        first = setMeasure(measure);
    }
    hidePromptAndResults();
    exploreChanged(first);
    view_.showState();
}

// A grating is made of the segments on when it is pressed; pressed again while the mirror is still
// that grating, it is made again of the same segments, for the settings of the moment, so that it
// never shrinks to a grating of a grating made for other settings.
void MainFormModel::choosePreset(MirrorPreset preset)
{
    ExploreState& explore = state_.explore;
    const bool grating = preset == MirrorPreset::Grating;
    const Mirror from = grating && explore.isGrating ? explore.gratingFrom : explore.mirror;
    explore.mirror = presetMirror(preset, explore.distance, explore.frequency(), explore.measure, from);
    explore.gratingFrom = from;
    explore.isGrating = grating;
}

// A frequency beyond what the new measure shows truly is brought down to its highest, and said.
std::string MainFormModel::setMeasure(PathMeasure measure)
{
    ExploreState& explore = state_.explore;
    explore.measure = measure;
    explore.used = true;
    const int cap = ExploreState::frequencyTenthsCap(measure);
    const bool above = explore.frequencyTenths > cap;
    if (above)
        setFrequency(cap);
    explore.secondFrequencyTenths = std::min(explore.secondFrequencyTenths, cap);
    // Carried out after a run, the measure is named with the action already.
    if (releasing_)
        return above ? broughtDownWords(cap) : "";
    return measureWords(measure, above ? cap : 0);
}

// The options where they offer the value, so that the window is the classic one as far as it can
// be; op0 sets frequency 1, so the distance comes first.
void MainFormModel::apply(const Setup& setup)
{
    if (setup.distance == 0 || setup.distance == 250)
        choose(setup.distance == 0 ? Option::op0 : Option::op250);
    else
        perform(DistanceSetting{setup.distance});
    if (setup.frequencyTenths == 10 || setup.frequencyTenths == 20)
        choose(setup.frequencyTenths == 10 ? Option::op1 : Option::op2);
    else
        perform(FrequencySetting{setup.frequencyTenths});
    moveSpeed(SpeedMove::to(setup.speed));
    if (setup.measure != state_.explore.measure)
        perform(MeasureSetting{setup.measure});
    applyMirror(setup.mirror);
    openExplore(setup.explore);
}

// By its preset where one scrapes it, else segment by segment, the strip's keyboard staying where
// it stood.
void MainFormModel::applyMirror(const Mirror& mirror)
{
    const ExploreState& explore = state_.explore;
    if (explore.mirror == mirror)
        return;
    for (const MirrorPreset preset : {MirrorPreset::WholeMirror, MirrorPreset::MiddleThird, MirrorPreset::OuterThirds, MirrorPreset::Grating,
                                      MirrorPreset::AroundLeastTime, MirrorPreset::AwayFromLeastTime}) {
        if (presetMirror(preset, explore.distance, explore.frequency(), explore.measure, explore.mirror) == mirror)
            return perform(preset);
    }
    const int cursor = explore.currentSegment;
    for (int segment = 0; segment < Mirror::segmentCount; ++segment) {
        if (explore.mirror.on(segment) != mirror.on(segment))
            perform(SegmentSwitch{segment});
    }
    moveSegmentCursor(cursor - explore.currentSegment);
}

// The panel writes the settings texts as the options do, and the options show the values they
// stand for.
void MainFormModel::setDistance(int pixels)
{
    const int distance = std::clamp(pixels, ExploreState::distanceMinimum, ExploreState::distanceMaximum);
    setText(TextBox::nPosun, std::to_string(distance));
    state_.distance = distance == 0 ? std::optional(Option::op0) : distance == 250 ? std::optional(Option::op250) : std::nullopt;
    state_.explore.used = true;
}

void MainFormModel::setFrequency(int tenths)
{
    const int frequency = std::clamp(tenths, ExploreState::frequencyTenthsMinimum, ExploreState::frequencyTenthsCap(state_.explore.measure));
    setText(TextBox::nKmitocet, tenthsText(frequency));
    state_.frequency = frequency == 10 ? std::optional(Option::op1) : frequency == 20 ? std::optional(Option::op2) : std::nullopt;
    state_.explore.used = true;
}

// Only the graph shows the second frequency, so the picture stays as it is.
void MainFormModel::setSecondFrequency(SecondFrequencySetting setting)
{
    state_.explore.secondShown = setting.shown;
    state_.explore.secondFrequencyTenths = std::clamp(setting.tenths, ExploreState::frequencyTenthsMinimum, ExploreState::frequencyTenthsCap(state_.explore.measure));
    refreshExplore();
    view_.showState();
}

void MainFormModel::showExplore(PanelCommand command)
{
    const bool open = command == PanelCommand::Toggle ? !state_.explore.open : command == PanelCommand::Open;
    if (state_.explore.open == open)
        return;
    state_.explore.open = open;
    if (!open)
        dropSettlingWords();
    if (open && std::exchange(pictureBehind_, false))
        redrawLive();
    if (open)
        refreshExplore();
    view_.showState();
}

void MainFormModel::moveSegmentCursor(int by)
{
    const long long segment = static_cast<long long>(state_.explore.currentSegment) + by;
    state_.explore.currentSegment = static_cast<int>(std::clamp<long long>(segment, 0, Mirror::segmentCount - 1));
    view_.showState();
}

void MainFormModel::clickPicture(float x, float y)
{
    if (!state_.explore.open)
        return;
    if (const auto segment = mirrorSegmentAt(x, y))
        perform(SegmentSwitch{*segment});
}

// While the panel is open the picture follows every change at once, with no pauses; a change
// made while it is closed (held through a run) is drawn when it opens.
void MainFormModel::exploreChanged(const std::string& first)
{
    const ExploreState& explore = state_.explore;
    if (explore.open)
        redrawLive();
    else
        pictureBehind_ = true;
    refreshExplore();
    if (!explore.open)
        return say(first);
    // Carried out after a run, the change is said after its name, so the brightness is a sentence.
    const std::string figures = brightnessWords(explore.brightness, explore.brightnessHere);
    std::string brightness = releasing_ ? fillIn(translate("MainFormModel", "Brightness %1."), {figures}) : figures;
    if (const std::string lesson = endsLessonWords(explore.endsLesson, explore.frequencyTenths); !lesson.empty())
        brightness += (releasing_ ? " " : ". ") + lesson;
    if (sayingLater_)
        return say((first.empty() ? "" : first + " ") + brightness);
    // Words of a change that only they tell of, such as a new measure, wait with the brightness.
    if (!first.empty())
        settlingFirst_ += (settlingFirst_.empty() ? "" : " ") + first;
    settlingBrightness_ = std::move(brightness);
    view_.startSettleTimer(settleTime);
}

void MainFormModel::settled()
{
    const std::string first = std::exchange(settlingFirst_, {});
    const std::string brightness = std::exchange(settlingBrightness_, {});
    if (state_.explore.open && !state_.ended && !brightness.empty())
        say((first.empty() ? "" : first + " ") + brightness);
}

// A run says the brightness at its end, and a closed panel says none.
void MainFormModel::dropSettlingWords()
{
    settlingFirst_.clear();
    settlingBrightness_.clear();
}

std::string MainFormModel::typeNumber(PanelField field, std::string_view typed, std::string_view decimalSeparator)
{
    const ExploreState& explore = state_.explore;
    // A field emptied is no number typed: it shows the value in use again, with nothing to say.
    if (trimmed(typed).empty())
        return {};
    const auto number = typedNumber(field, typed, decimalSeparator, explore.measure);
    if (!number) {
        std::string refusal = typedNumberRefusal(field, typed, explore.measure);
        // What an earlier change waits to say goes first, so that the refusal is heard last.
        settled();
        say(refusal);
        return refusal;
    }
    if (field == PanelField::Distance)
        perform(DistanceSetting{*number});
    else if (field == PanelField::Frequency)
        perform(FrequencySetting{*number});
    else
        perform(SecondFrequencySetting{explore.secondShown, *number});
    return {};
}

void MainFormModel::redrawLive()
{
    beginDrawing(Layout::Explore);
    StartSequence sequence(surface_, *this, *this, state_.explore.mirror, Layout::Explore, state_.explore.measure);
    try {
        sequence.runToEnd();
        drawn_.stage = DrawnPicture::Stage::Drawn;
    } catch (const SettingsError& error) {
        stopDrawing(error);
    }
    drawn_.segmentsDrawn = sequence.segmentsVisited();
    view_.showPicture();
}

// What the picture will show is fixed by the texts as they stand when a drawing begins.
void MainFormModel::beginDrawing(Layout layout)
{
    const PathMeasure measure = layout == Layout::Explore ? state_.explore.measure : PathMeasure::RootOfSquares;
    drawn_ = {DrawnPicture::Stage::Drawing, state_.nPosun, state_.nKmitocet, state_.explore.mirror, 0, layout, measure};
}

std::string MainFormModel::pictureSvg(SystemPalette palette) const { return pictureAsSvg(drawn_, state_, palette); }

void MainFormModel::stopDrawing(const SettingsError& error)
{
    drawn_.stage = DrawnPicture::Stage::Stopped;
    view_.reportStop(fillIn(translate("MainFormModel", "quorvel: Start stopped: %1"), {error.what()}));
}

// The panel's numbers follow the texts, whichever control wrote them; a text that is no number
// leaves them where they were.
void MainFormModel::syncExploreSettings()
{
    if (const auto distance = parseDecimal(state_.nPosun))
        state_.explore.distance = static_cast<int>(std::lround(std::clamp<double>(*distance, ExploreState::distanceMinimum, ExploreState::distanceMaximum)));
    if (const auto frequency = parseDecimal(state_.nKmitocet))
        state_.explore.frequencyTenths = static_cast<int>(
            std::lround(std::clamp<double>(*frequency * 10, ExploreState::frequencyTenthsMinimum, ExploreState::frequencyTenthsMaximum)));
}

void MainFormModel::refreshExplore()
{
    ExploreState& explore = state_.explore;
    explore.brightness = brightness(explore.mirror, explore.distance, explore.frequency(), explore.measure);
    explore.brightnessHere = againstWholeMirrorHere(explore.mirror, explore.distance, explore.frequency(), explore.measure);
    // Some 330 gratings are worked out for it, so each frequency's is worked out once.
    const auto top = brightestAt_.try_emplace({explore.frequencyTenths, explore.measure}, 0).first;
    if (top->second == 0)
        top->second = brightestMirror(explore.frequency(), explore.measure);
    explore.brightnessTop = top->second;
    explore.endsLesson = endsLesson(explore.mirror, explore.distance, explore.frequencyTenths, explore.measure);
    if (graph_ != nullptr && explore.open) {
        brightnessGraph_.draw(*graph_, explore);
        view_.showGraph();
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
        return;
    }
    syncExploreSettings();
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
    pictureBehind_ = false;
    dropSettlingWords();
    const Layout layout = explore.used ? Layout::Explore : Layout::Classic;
    beginDrawing(layout);
    sequence_.emplace(surface_, static_cast<const SettingsTexts&>(*this), static_cast<ResultLabels&>(*this), explore.mirror, layout, drawn_.measure);
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
            drawn_.segmentsDrawn = sequence_->segmentsVisited();
            if (*decrements > 0) {
                beginPause(pauseLength(*decrements, decrementLength_), stepBegan);
                return;
            }
        }
        drawn_.stage = DrawnPicture::Stage::Drawn;
    } catch (const SettingsError& error) {
        drawn_.segmentsDrawn = sequence_->segmentsVisited();
        stopDrawing(error);
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
// One that ends while the window is unseen is taken up when it is seen again.
void MainFormModel::pauseEnded()
{
    if (!state_.running)
        return;
    if (Clock::now() < deadline_)
        startTimerForRest();
    else if (!seen_)
        pauseOverUnseen_ = true;
    else
        advance();
}

void MainFormModel::setSeen(bool seen)
{
    seen_ = seen;
    if (seen && std::exchange(pauseOverUnseen_, false) && state_.running)
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
    const bool outermost = !std::exchange(sayingLater_, true);
    say(runEndWords(drawn_));
    releaseHeld();
    if (outermost) {
        sayingLater_ = false;
        say(std::exchange(laterWords_, {}));
    }
}

// What is said while a run ends and the input held through it is carried out goes out as one
// announcement, in the order it happened, so that no part cuts off another.
void MainFormModel::say(const std::string& words)
{
    if (words.empty())
        return;
    if (sayingLater_)
        laterWords_ += (laterWords_.empty() ? "" : " ") + words;
    else
        view_.announce(words);
}

// Carries out the held actions in order until one begins another run, which then holds the
// rest, and whatever comes during it behind them. Each is said in a sentence of its own followed by
// what it did; a button's press is said before what the press itself says. Moves of the speed one
// after another are said as where they ended, as a drag gives many.
void MainFormModel::releaseHeld()
{
    const bool wasReleasing = std::exchange(releasing_, true);
    bool first = true;
    const auto sayCarried = [&](const Action& action, const std::string& result) {
        const std::string sentence = first ? translate("MainFormModel", "Carried out after the run: %1.") : translate("MainFormModel", "Then %1.");
        say(fillIn(sentence, {heldInputWords(action, state_)}) + (result.empty() ? "" : " " + result));
        first = false;
    };
    while (!held_.empty() && !state_.running && !state_.ended) {
        const Action action = held_.front();
        held_.pop_front();
        if (std::holds_alternative<SpeedMove>(action) && !held_.empty() && std::holds_alternative<SpeedMove>(held_.front())) {
            carryOut(action);
        } else if (std::holds_alternative<Button>(action)) {
            sayCarried(action, {});
            carryOut(action);
        } else {
            std::string result = carriedOutWords(action);
            // An option with the panel closed says nothing of itself: what it changed is what
            // the next Start draws.
            if (result.empty() && std::holds_alternative<Option>(action))
                result = fillIn(translate("PictureDescription", "Start will draw distance %1 and frequency %2."), {state_.nPosun, state_.nKmitocet});
            sayCarried(action, result);
        }
    }
    releasing_ = wasReleasing;
}

// What carrying out an action says, taken aside to be said after its name.
std::string MainFormModel::carriedOutWords(const Action& action)
{
    const std::string before = std::exchange(laterWords_, {});
    carryOut(action);
    return std::exchange(laterWords_, before);
}

void MainFormModel::takeEndsOffer()
{
    const EndsLesson& lesson = state_.explore.endsLesson;
    if (lesson.offer == EndsLesson::Offer::Frequency)
        perform(FrequencySetting{lesson.frequencyTenths});
    else if (lesson.offer == EndsLesson::Offer::Middle)
        perform(DistanceSetting{0});
}

void MainFormModel::stopRun()
{
    if (state_.ended || !state_.running)
        return;
    const bool dropped = !held_.empty();
    held_.clear();
    sequence_.reset();
    state_.running = false;
    drawn_.stage = DrawnPicture::Stage::Interrupted;
    view_.showPicture();
    view_.showState();
    view_.runFinished();
    say(fillIn(translate("MainFormModel", "Stopped after segment %1 of 30."), {std::to_string(drawn_.segmentsDrawn)}) +
        (dropped ? afterSpace(translate("MainFormModel", "What was pressed during the run is dropped.")) : ""));
}

void MainFormModel::unload()
{
    if (state_.ended)
        return;
    state_.ended = true;
    state_.running = false;
    sequence_.reset();
    held_.clear();
    say(translate("MainFormModel", "Quorvel has ended."));
    view_.endProgram();
}

}  // namespace quorvel

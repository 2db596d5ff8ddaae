#include "core/window/ExploreModel.h"

#include "core/window/Announcements.h"
#include "core/window/ExploreHost.h"
#include "core/explore/ExploreWords.h"
#include "core/window/FormView.h"
#include "core/window/HeldInput.h"
#include "core/explore/MirrorOptics.h"
#include "core/explore/SceneOptics.h"
#include "core/explore/SceneWords.h"
#include "core/text/SettingNumber.h"
#include "core/draw/TextSurface.h"
#include "core/text/Translation.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quorvel {

void ExploreModel::carryOut(const FormAction& action)
{
    if (!std::holds_alternative<PanelCommand>(action)) {
        state_.explore.frequencyNote.clear();
        state_.explore.refusal.reset();
    }
    if (const auto* second = std::get_if<SecondFrequencySetting>(&action))
        setSecondFrequency(*second);
    else if (const auto* panel = std::get_if<PanelCommand>(&action))
        show(*panel);
    else
        change(action);
}

// Like an option's handler, every change of the panel hides the explanations of the picture
// before; a live picture shows its own.
void ExploreModel::change(const FormAction& action)
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
    } else if (const auto* scene = std::get_if<SceneSetting>(&action)) {
        if (scene->kind == explore.scene)
            return;
        first = setScene(scene->kind);
    } else if (const auto* gap = std::get_if<GapSetting>(&action)) {
        explore.gapPoints = gapRange.stepped(gap->points);
        // Beyond the gap the width is kept for when the gap is chosen; the picture stays as it is.
        if (explore.scene != SceneKind::Gap)
            return;
        explore.used = true;
    } else {
        const PathMeasure measure = std::get<MeasureSetting>(action).measure;
        if (measure == explore.measure)
            return;
        first = setMeasure(measure);
    }
    host_.hidePromptAndResults();
    changed(first);
    view_.showState();
}

// A frequency beyond what the measure shows truly takes the measure back to the one that does.
void ExploreModel::optionChosen(bool changesPicture)
{
    ExploreState& explore = state_.explore;
    std::string measureBack;
    if (explore.frequencyTenths > explore.frequencyCap()) {
        measureBack = passesThrough(explore.scene) ? sceneBackWords(explore.frequencyTenths) : measureBackWords(explore.frequencyTenths);
        explore.scene = SceneKind::Mirror;
        explore.measure = PathMeasure::RootOfSquares;
    }
    if (changesPicture)
        explore.frequencyNote = measureBack;
    if (explore.open && changesPicture)
        changed(measureBack);
    else
        announcements_.say(measureBack);
}

// A grating is made of the segments on when it is pressed; pressed again while the mirror is still
// that grating, it is made again of the same segments, for the settings of the moment, so that it
// never shrinks to a grating of a grating made for other settings.
void ExploreModel::choosePreset(MirrorPreset preset)
{
    ExploreState& explore = state_.explore;
    const bool grating = preset == MirrorPreset::Grating;
    const Mirror from = grating && explore.isGrating ? explore.gratingFrom : explore.mirror;
    explore.mirror = presetMirror(preset, explore.distance, explore.frequency(), explore.measure, from);
    explore.gratingFrom = from;
    explore.isGrating = grating;
}

// A frequency beyond what the new measure shows truly is brought down to its highest, and said.
std::string ExploreModel::setMeasure(PathMeasure measure)
{
    state_.explore.measure = measure;
    const int broughtDown = keepWithinCap();
    state_.explore.frequencyNote = broughtDown > 0 ? broughtDownWords(broughtDown) : "";
    // Carried out after a run, the measure is named with the action already.
    if (held_.replaying())
        return broughtDown > 0 ? broughtDownWords(broughtDown) : "";
    return measureWords(measure, broughtDown);
}

// The same for a scene, whose frequency may stop lower; one passed through on the way, as a
// list browsed with the keys passes, does not cost the frequencies chosen before it: a scene that
// shows them truly gives them back, unless they were changed since they were brought down.
std::string ExploreModel::setScene(SceneKind kind)
{
    ExploreState& explore = state_.explore;
    const int before = explore.frequencyTenths;
    const int secondBefore = explore.secondFrequencyTenths;
    const std::optional<BroughtDown> kept = std::exchange(broughtDown_, std::nullopt);
    const bool untouched = kept && before == kept->to && secondBefore == kept->secondTo;
    const int chosen = untouched ? kept->chosen : before;
    const int secondChosen = untouched ? kept->secondChosen : secondBefore;
    explore.scene = kind;
    explore.used = true;
    const int cap = explore.frequencyCap();
    setFrequency(std::min(chosen, cap));
    explore.secondFrequencyTenths = std::min(secondChosen, cap);
    if (chosen > cap || secondChosen > cap)
        broughtDown_ = BroughtDown{chosen, secondChosen, explore.frequencyTenths, explore.secondFrequencyTenths};
    const auto joined = [](std::string words, const std::string& more) { return more.empty() ? words : words.empty() ? more : words + afterSpace(more); };
    const int now = explore.frequencyTenths;
    std::string frequencySaid = now == before ? "" : now < before ? sceneBroughtDownWords(kind, now) : frequencyBackWords(now, chosen);
    const int secondNow = explore.secondFrequencyTenths;
    if (explore.secondShown && secondNow != secondBefore)
        frequencySaid = joined(std::move(frequencySaid), secondFrequencyWords(secondNow, secondNow < secondBefore));
    explore.frequencyNote = frequencySaid;
    return joined(held_.replaying() ? "" : sceneChangeWords(kind), frequencySaid);
}

// Brings both frequencies within what the measure and the scene show truly: the frequency the
// panel's was brought down to, or 0 where it stood within.
int ExploreModel::keepWithinCap()
{
    ExploreState& explore = state_.explore;
    explore.used = true;
    const int cap = explore.frequencyCap();
    explore.secondFrequencyTenths = std::min(explore.secondFrequencyTenths, cap);
    if (explore.frequencyTenths <= cap)
        return 0;
    setFrequency(cap);
    return cap;
}

// The panel writes the settings texts as the options do, and the options show the values they
// stand for.
void ExploreModel::setDistance(int pixels)
{
    const int distance = std::clamp(pixels, ExploreState::distanceMinimum, ExploreState::distanceMaximum);
    host_.setText(TextBox::nPosun, std::to_string(distance));
    state_.distance = distance == 0 ? std::optional(Option::op0) : distance == 250 ? std::optional(Option::op250) : std::nullopt;
    state_.explore.used = true;
}

void ExploreModel::setFrequency(int tenths)
{
    const int frequency = std::clamp(tenths, ExploreState::frequencyTenthsMinimum, state_.explore.frequencyCap());
    host_.setText(TextBox::nKmitocet, tenthsText(frequency));
    state_.frequency = frequency == 10 ? std::optional(Option::op1) : frequency == 20 ? std::optional(Option::op2) : std::nullopt;
    state_.explore.used = true;
}

// Only the graph shows the second frequency, so the picture stays as it is.
void ExploreModel::setSecondFrequency(SecondFrequencySetting setting)
{
    state_.explore.secondShown = setting.shown;
    state_.explore.secondFrequencyTenths = std::clamp(setting.tenths, ExploreState::frequencyTenthsMinimum, state_.explore.frequencyCap());
    refresh();
    view_.showState();
}

void ExploreModel::show(PanelCommand command)
{
    const bool open = command == PanelCommand::Toggle ? !state_.explore.open : command == PanelCommand::Open;
    if (state_.explore.open == open)
        return;
    state_.explore.open = open;
    if (!open)
        announcements_.dropSettling();
    if (open && std::exchange(pictureBehind_, false))
        host_.redrawLive();
    if (open)
        refresh();
    view_.showState();
}

void ExploreModel::moveSegmentCursor(int by)
{
    const long long segment = static_cast<long long>(state_.explore.currentSegment) + by;
    state_.explore.currentSegment = static_cast<int>(std::clamp<long long>(segment, 0, Mirror::segmentCount - 1));
    view_.showState();
}

void ExploreModel::runBegins()
{
    pictureBehind_ = false;
    announcements_.dropSettling();
}

// Carried out after a run, the change is said after its name, so the brightness is a sentence.
void ExploreModel::changed(const std::string& first)
{
    const ExploreState& explore = state_.explore;
    if (explore.open)
        host_.redrawLive();
    else
        pictureBehind_ = true;
    refresh();
    if (!explore.open)
        return announcements_.say(first);
    const bool afterRun = held_.replaying();
    const std::string figures = brightnessWords(explore);
    std::string brightness = afterRun ? fillIn(translate("MainFormModel", "Brightness %1."), {figures}) : figures;
    if (const std::string lesson = endsLessonWords(explore.endsLesson, explore.frequencyTenths); !lesson.empty())
        brightness += (afterRun ? " " : ". ") + lesson;
    announcements_.sayWhenSettled(first, std::move(brightness));
}

// A text that is no number leaves the numbers where they were.
void ExploreModel::followTexts()
{
    if (const auto distance = parseDecimal(state_.nPosun))
        state_.explore.distance = static_cast<int>(std::lround(std::clamp<double>(*distance, ExploreState::distanceMinimum, ExploreState::distanceMaximum)));
    if (const auto frequency = parseDecimal(state_.nKmitocet))
        state_.explore.frequencyTenths = static_cast<int>(
            std::lround(std::clamp<double>(*frequency * 10, ExploreState::frequencyTenthsMinimum, ExploreState::frequencyTenthsMaximum)));
}

void ExploreModel::refresh()
{
    ExploreState& explore = state_.explore;
    if (passesThrough(explore.scene))
        refreshThroughLine();
    else
        refreshMirror();
    if (graph_ != nullptr && explore.open) {
        brightnessGraph_.draw(*graph_, explore);
        view_.showGraph();
    }
}

// Through a line the brightness bar is full where all thirty paths are in step, and no third of
// a mirror is shown.
void ExploreModel::refreshThroughLine()
{
    ExploreState& explore = state_.explore;
    const Mirror open = explore.pathsThatCount();
    explore.brightness = lightThroughLine(explore.scene, open, explore.distance, explore.frequency());
    explore.brightnessHere = againstOtherHere(explore.scene, open, explore.distance, explore.frequency());
    explore.brightnessTop = 1;
    explore.endsLesson = {};
}

void ExploreModel::refreshMirror()
{
    ExploreState& explore = state_.explore;
    explore.brightness = brightness(explore.mirror, explore.distance, explore.frequency(), explore.measure);
    explore.brightnessHere = againstWholeMirrorHere(explore.mirror, explore.distance, explore.frequency(), explore.measure);
    // Some 330 gratings are worked out for it, so each frequency's is worked out once.
    double& top = brightestAt(explore.frequencyTenths, explore.measure);
    if (top == 0)
        top = brightestMirror(explore.frequency(), explore.measure);
    explore.brightnessTop = top;
    explore.endsLesson = endsLesson(explore.mirror, explore.distance, explore.frequencyTenths, explore.measure);
}

double& ExploreModel::brightestAt(int frequencyTenths, PathMeasure measure)
{
    return brightest_.at(static_cast<std::size_t>(measure)).at(static_cast<std::size_t>(frequencyTenths - ExploreState::frequencyTenthsMinimum));
}

}  // namespace quorvel

#include "web/PageForm.h"

#include "core/explore/ExploreWords.h"
#include "core/explore/PanelWords.h"
#include "core/explore/SceneWords.h"
#include "core/mirror/FrequencyColour.h"
#include "core/layout/KeyboardHelp.h"
#include "core/layout/SettingRanges.h"
#include "core/settings/SetupReading.h"
#include "core/layout/ShownCaption.h"
#include "web/PageTexts.h"

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace quorvel {

namespace {

using emscripten::val;

constexpr std::array optionIds{"op0", "op250", "op1", "op2", "opPomalá", "opPomalejší", "opRychlá"};
constexpr std::array boxIds{"nPosun", "nKmitocet", "nSpomaleni"};
constexpr std::array resultIds{"labRadius", "labCas", "labZdroj", "labDetektor", "labSoucet"};
constexpr std::array presetNames{"WholeMirror", "MiddleThird", "OuterThirds", "Grating", "AroundLeastTime", "AwayFromLeastTime"};
constexpr std::array measureNames{"RootOfSquares", "TwoLegs"};
constexpr std::array panelFieldNames{"distance", "frequency", "second"};
// The places of the canvases' drawing functions in the list the page hands the module.
constexpr int pictureCanvas = 0;
constexpr int graphCanvas = 1;

// The enumerator named so, where names lists them in their enumeration's order.
template <typename Value, std::size_t Size>
std::optional<Value> named(const std::array<const char*, Size>& names, const std::string& name)
{
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end())
        return std::nullopt;
    return static_cast<Value>(found - names.begin());
}

val element(const val& document, const char* id) { return document.call<val>("getElementById", std::string(id)); }

template <std::size_t Size>
std::array<val, Size> elements(const val& document, const std::array<const char*, Size>& ids)
{
    return [&]<std::size_t... k>(std::index_sequence<k...>) { return std::array<val, Size>{element(document, ids[k])...}; }(std::make_index_sequence<Size>());
}

void setAttribute(const val& control, const char* name, const std::string& value) { control.call<void>("setAttribute", std::string(name), value); }

const char* truth(bool value) { return value ? "true" : "false"; }

std::string pixels(int position) { return std::to_string(position) + "px"; }

// Browsers refuse a page that rewrites its address some hundreds of times in ten seconds, as a
// dragged slider would; the address follows at most ten times a second.
constexpr double addressInterval = 100;

// The address's query, without bringing one too long for any setup into the module's memory:
// cut one past the longest, it is still refused as too long.
std::string addressQuery() { return val::global("location")["search"].call<std::string>("slice", 0, static_cast<double>(Setup::longestQuery + 1)); }

// The size in the window's pixels, which the page's style sheet may lay out larger and shrink back
// where a reader's least font size would raise it.
void showCaption(val element, const ShownCaption& caption)
{
    element.set("textContent", caption.text);
    element["style"].set("fontSize", "calc(" + std::to_string(caption.pixelSize) + " * var(--px))");
}

// The window's labels, buttons and frames in the language in use, each in the size that fits its
// box; a frame's caption is its own element.
void showCaptions(const val& document)
{
    for (const WindowLabel& label : windowLabels)
        showCaption(element(document, std::string(label.name).c_str()), shownCaption(label));
    for (const ControlCaption& control : controlCaptions) {
        const std::string name(control.name);
        const val button = element(document, name.c_str());
        showCaption(button["localName"].as<std::string>() == "button" ? button : element(document, (name + "Caption").c_str()), shownCaption(control));
    }
}

// A control of the window at its place in the layout, which the style sheet reads from --left,
// --top, --width and --height in the window's pixels; an option by the label that holds its circle
// and caption. Written in the page's script, as the module would spend much more on it.
EM_JS(void, placeControl, (const char* name, bool option, bool centred, int left, int top, int width, int height), {
    const control = document.getElementById(UTF8ToString(name));
    const style = (option ? control.parentElement : control).style;
    Object.entries({ left, top, width, height }).forEach(([property, length]) => style.setProperty(`--${property}`, length));
    if (centred) style.textAlign = 'center';
});

void placeControls()
{
    for (const WindowControl& layout : windowControls) {
        const ControlBox& box = layout.box;
        if (!neverShown(layout))
            placeControl(layout.name.data(), layout.kind == ControlKind::Option, layout.centred, box.left, box.top, box.width, box.height);
    }
}

// A slider's range and steps, in the numbers it shows; Page Up and Page Down move it by its page
// step (main.js, explore.js).
void setRange(val slider, const SettingRange& range)
{
    slider.set("min", range.number(range.minimum));
    slider.set("max", range.number(range.maximum));
    slider.set("step", range.number(range.step));
    slider["dataset"].set("pageStep", range.number(range.pageStep));
}

}  // namespace

PageForm::PageForm()
    : document_(val::global("document")),
      options_(elements(document_, optionIds)),
      boxes_(elements(document_, boxIds)),
      results_(elements(document_, resultIds)),
      speed_(element(document_, "HScroll1")),
      prompt_(element(document_, "labKliknuti")),
      stopRun_(element(document_, "stopRun")),
      exploreButton_(element(document_, "explore")),
      explorePanel_(element(document_, "explorePanel")),
      scene_(element(document_, "scene")),
      mirrorOnly_(element(document_, "mirrorOnly")),
      measure_(element(document_, "measure")),
      endsLesson_(element(document_, "endsLesson")),
      frequencyNote_(element(document_, "frequencyNote")),
      fieldRefusal_(element(document_, "fieldRefusal")),
      endsOffer_(element(document_, "endsOffer")),
      segments_(element(document_, "segments")["children"]),
      gapSetting_(element(document_, "gapSetting")),
      gap_(elements(document_, std::array{"gap", "gapNumber"})),
      distanceLabel_(element(document_, "distanceLabel")),
      distance_(elements(document_, std::array{"distance", "distanceNumber"})),
      frequency_(elements(document_, std::array{"frequency", "frequencyNumber"})),
      swatches_(elements(document_, std::array{"frequencySwatch", "secondSwatch"})),
      secondShown_(element(document_, "secondShown")),
      secondFrequency_(element(document_, "secondFrequency")),
      graphWords_(element(document_, "graphWords")),
      brightnessNumber_(element(document_, "brightnessNumber")),
      brightnessBar_(element(document_, "brightnessBar")),
      brightnessHere_(element(document_, "brightnessHere")),
      announcement_(element(document_, "announcement")),
      pictureWords_(element(document_, "pictureWords")),
      palette_(browserPalette()),
      surface_(palette_, pictureCanvas),
      graph_(palette_, graphCanvas),
      model_(surface_, *this)
{
    placeControls();
    showCaptions(document_);
    setRange(speed_, speedRange);
    setRange(distance_[0], exploreDistanceRange);
    setRange(frequency_[0], exploreFrequencyRange);
    setRange(gap_[0], gapRange);
    element(document_, "gapLabel").set("textContent", gapCaption());
    scene_["labels"][0].set("textContent", sceneChoiceCaption());
    for (int k = 0; k < sceneKindCount; ++k) {
        val option = document_.call<val>("createElement", std::string("option"));
        option.set("textContent", sceneName(static_cast<SceneKind>(k)));
        scene_.call<void>("append", option);
    }
    // The segment strip makes as many switches as the mirror has segments (explore.js).
    setAttribute(element(document_, "segments"), "data-count", std::to_string(Mirror::segmentCount));
    setAttribute(element(document_, "segments"), "data-page-step", std::to_string(segmentPageStep));
    for (std::size_t k = 0; k < measureNames.size(); ++k)
        measure_["options"][k].set("textContent", measureName(static_cast<PathMeasure>(k)));
    model_.setGraphSurface(&graph_);
    model_.Form_Load();
}

void PageForm::press(const std::string& button)
{
    if (button == "cmdStart")
        model_.press(Button::cmdStart);
    else if (button == "cmdKonec")
        model_.press(Button::cmdKonec);
}

void PageForm::choose(const std::string& option)
{
    if (const auto chosen = named<Option>(optionIds, option))
        model_.choose(*chosen);
}

void PageForm::moveSpeed(const std::string& kind, int amount)
{
    if (kind == "to")
        model_.moveSpeed(SpeedMove::to(amount));
    else if (kind == "by")
        model_.moveSpeed(SpeedMove::by(amount));
}

void PageForm::choosePreset(const std::string& preset)
{
    if (const auto chosen = named<MirrorPreset>(presetNames, preset))
        model_.perform(*chosen);
}

void PageForm::chooseMeasure(const std::string& measure)
{
    if (const auto chosen = named<PathMeasure>(measureNames, measure))
        model_.perform(MeasureSetting{*chosen});
}

void PageForm::chooseScene(int scene)
{
    if (scene >= 0 && scene < sceneKindCount)
        model_.perform(SceneSetting{static_cast<SceneKind>(scene)});
}

void PageForm::setGap(double points) { model_.perform(GapSetting{gapRange.nearest(points)}); }

void PageForm::setDistance(double pixels) { model_.perform(DistanceSetting{exploreDistanceRange.nearest(pixels)}); }

void PageForm::setFrequency(double frequency) { model_.perform(FrequencySetting{exploreFrequencyRange.nearest(frequency)}); }

// The box shows the value in use again, which showing the state leaves alone in a box with the focus.
void PageForm::typeNumber(const std::string& box, const std::string& typed, const std::string& decimalSeparator)
{
    const auto field = named<PanelField>(panelFieldNames, box);
    if (!field)
        return;
    model_.typeNumber(*field, typed, decimalSeparator);
    const ExploreState& explore = model_.state().explore;
    const int tenths = *field == PanelField::Frequency ? explore.frequencyTenths : explore.secondFrequencyTenths;
    numberBox(*field).set("value", *field == PanelField::Distance ? std::to_string(explore.distance) : tenthsText(tenths));
}

val PageForm::numberBox(PanelField field) const
{
    return field == PanelField::Distance ? distance_[1] : field == PanelField::Frequency ? frequency_[1] : secondFrequency_;
}

void PageForm::setSecondFrequency(bool shown, double frequency)
{
    const int tenths = std::isfinite(frequency) ? exploreFrequencyRange.nearest(frequency) : model_.state().explore.secondFrequencyTenths;
    model_.perform(SecondFrequencySetting{shown, tenths});
}

// The graph's words are its canvas's description, as the picture's are.
void PageForm::showGraph()
{
    graph_.flush();
    graphWords_.set("textContent", model_.graphDescription());
}

#ifdef QUORVEL_TEST_SEAM
void PageForm::setText(const std::string& box, const std::string& text)
{
    if (const auto found = named<TextBox>(boxIds, box)) {
        model_.setText(*found, text);
        boxes_.at(static_cast<std::size_t>(*found)).set("value", text);
    }
}
#endif

// Everything is written each time: the page may have changed a control on its own, as a radio
// button checks itself when clicked, and held input leaves the controls as the state has them.
void PageForm::showState()
{
    const FormState& state = model_.state();
    for (std::size_t k = 0; k < options_.size(); ++k)
        options_[k].set("checked", state.selected(static_cast<Option>(k)));
    for (std::size_t k = 0; k < boxes_.size(); ++k)
        boxes_[k].set("value", state.text(static_cast<TextBox>(k)));
    speed_.set("value", std::to_string(state.HScroll1));
    prompt_.set("hidden", !state.promptShown);
    stopRun_.set("disabled", !state.running);
    for (std::size_t k = 0; k < results_.size(); ++k) {
        const LabelState& label = state.results[k];
        val style = results_[k]["style"];
        style.set("left", pixels(label.left));
        style.set("top", pixels(label.top));
        results_[k].set("hidden", !label.shown);
    }
    // The sum's label gives the spiral's size as drawn, worked out only when the label is shown.
    if (state.label(ResultLabel::Soucet).shown)
        showCaption(results_[static_cast<std::size_t>(ResultLabel::Soucet)], model_.sumLabelCaption());
    showSceneCaptions(state.explore.scene);
    showExplore(state.explore);
    describePicture();
    if (followingAddress_)
        showAddress();
}

// Beyond the mirror, the heading, the distance's caption and the time curve's say what the scene shows.
void PageForm::showSceneCaptions(SceneKind scene)
{
    if (scene == captionsScene_)
        return;
    captionsScene_ = scene;
    for (const std::string_view name : sceneCaptionedLabels)
        showCaption(element(document_, std::string(name).c_str()), sceneCaption(windowLabel(name), scene));
}

void PageForm::showPicture()
{
    surface_.flush();
    describePicture();
}

// Written only when they change, as a screen reader may be reading them.
void PageForm::describePicture()
{
    std::string words = model_.pictureDescription();
    if (words == described_)
        return;
    described_ = std::move(words);
    pictureWords_.set("textContent", described_);
}

// A live region says its text when it changes, so the same words again are said only once it
// has stood empty for a moment: long enough for the browser to hand the empty region on to
// screen readers, which it does no more often than it draws.
void PageForm::announce(const std::string& words)
{
    if (announceTimer_ != 0)
        emscripten_clear_timeout(announceTimer_);
    announceTimer_ = 0;
    const bool again = words == announced_;
    announced_ = words;
    announcement_.set("textContent", again ? std::string() : words);
    if (again)
        announceTimer_ = emscripten_set_timeout(&PageForm::announceAgain, 100, this);
}

void PageForm::announceAgain(void* form)
{
    auto& page = *static_cast<PageForm*>(form);
    page.announceTimer_ = 0;
    page.announcement_.set("textContent", page.announced_);
}

// A closed panel is left as it is, and shown afresh when it opens. The segment strip is one stop
// of the tab order, at the segment its keyboard stands on.
void PageForm::showExplore(const ExploreState& explore)
{
    setAttribute(exploreButton_, "aria-expanded", truth(explore.open));
    explorePanel_.set("hidden", !explore.open);
    if (!explore.open)
        return;
    const bool mirror = explore.scene == SceneKind::Mirror;
    scene_.set("selectedIndex", static_cast<int>(explore.scene));
    mirrorOnly_.set("hidden", !mirror);
    gapSetting_.set("hidden", explore.scene != SceneKind::Gap);
    for (val& control : gap_)
        control.set("value", std::to_string(explore.gapPoints));
    distanceLabel_.set("textContent", mirror ? panelWord(panelWords::distance) : detectorPlaceCaption());
    for (int k = 0; k < Mirror::segmentCount; ++k) {
        val segment = segments_[k];
        setAttribute(segment, "aria-checked", truth(explore.mirror.on(k)));
        segment.set("tabIndex", k == explore.currentSegment ? 0 : -1);
    }
    // A number box being typed in keeps what is typed until it is changed.
    const val focused = document_["activeElement"];
    for (val& control : distance_) {
        if (control != focused)
            control.set("value", std::to_string(explore.distance));
    }
    // The frequency reaches as far as the measure and the scene show truly; the range is set before the value.
    frequency_[0].set("max", tenthsText(explore.frequencyCap()));
    for (val& control : frequency_) {
        if (control != focused)
            control.set("value", tenthsText(explore.frequencyTenths));
    }
    measure_.set("value", std::string(measureNames[static_cast<std::size_t>(explore.measure)]));
    const std::string lesson = endsLessonWords(explore.endsLesson, explore.frequencyTenths);
    const std::string offer = endsLessonOffer(explore.endsLesson);
    endsLesson_.set("textContent", lesson);
    endsLesson_.set("hidden", lesson.empty());
    endsOffer_.set("textContent", offer);
    endsOffer_.set("hidden", offer.empty());
    frequencyNote_.set("textContent", explore.frequencyNote);
    frequencyNote_.set("hidden", !explore.frequencyNoteShown());
    showRefusal(explore.refusal);
    swatches_[0]["style"].set("background", cssColour(frequencyColour(explore.frequencyTenths)));
    swatches_[1]["style"].set("background", cssColour(frequencyColour(explore.secondFrequencyTenths)));
    secondShown_.set("checked", explore.secondShown);
    if (secondFrequency_ != focused)
        secondFrequency_.set("value", tenthsText(explore.secondFrequencyTenths));
    brightnessNumber_.set("textContent", brightnessNumber(explore));
    brightnessBar_.set("max", explore.brightnessTop);
    brightnessBar_.set("value", explore.brightness);
    setAttribute(brightnessBar_, "aria-valuetext", brightnessWords(explore));
    brightnessHere_.set("textContent", againstWholeHereText(explore));
    for (const val* part : {&brightnessBar_, &brightnessHere_})
        setAttribute(*part, "title", brightnessMeaning(explore.scene));
}

// A refused box is marked, and the words stand under the boxes.
void PageForm::showRefusal(const std::optional<FieldRefusal>& refusal)
{
    for (const PanelField field : {PanelField::Distance, PanelField::Frequency, PanelField::SecondFrequency}) {
        val box = numberBox(field);
        if (refusal && refusal->field == field)
            setAttribute(box, "aria-invalid", "true");
        else
            box.call<void>("removeAttribute", std::string("aria-invalid"));
    }
    fieldRefusal_.set("textContent", refusal ? refusal->words : "");
    fieldRefusal_.set("hidden", !refusal);
}

// Before the first Start, so that the link's settings are what Start draws.
void PageForm::followAddress()
{
    shownQuery_ = addressQuery();
    const SetupReading reading = SetupReading::ofQuery(shownQuery_);
    model_.apply(reading.setup());
    if (!reading.ignored().empty())
        val::global("console").call<void>("warn", "Quorvel ignored in its address: " + reading.ignoredText());
    followingAddress_ = true;
    showAddress();
}

std::string PageForm::link()
{
    if (addressTimer_ != 0)
        emscripten_clear_timeout(addressTimer_);
    if (followingAddress_)
        writeAddress();
    return val::global("location")["href"].as<std::string>();
}

// The query for the window's setup now, keeping the parts that others read, such as the language.
std::string PageForm::wantedQuery() const
{
    const std::string query = model_.setup().query(shownQuery_);
    return query.empty() ? std::string() : "?" + query;
}

// A change soon after the last is written when the interval is over, with whatever came meanwhile.
// Most calls, one at each point of a run, change nothing and ask nothing of the page.
void PageForm::showAddress()
{
    if (addressTimer_ != 0 || wantedQuery() == shownQuery_)
        return;
    const double wait = addressWritten_ + addressInterval - emscripten_get_now();
    if (wait <= 0)
        writeAddress();
    else
        addressTimer_ = emscripten_set_timeout(&PageForm::addressDue, wait, this);
}

void PageForm::addressDue(void* form) { static_cast<PageForm*>(form)->writeAddress(); }

// The path and any fragment stay; so do the query's parts that others read, such as the language.
void PageForm::writeAddress()
{
    addressTimer_ = 0;
    const std::string wanted = wantedQuery();
    if (wanted == shownQuery_)
        return;
    shownQuery_ = wanted;
    addressWritten_ = emscripten_get_now();
    const val location = val::global("location");
    const val history = val::global("history");
    history.call<void>("replaceState", history["state"], std::string(), location["pathname"].as<std::string>() + wanted + location["hash"].as<std::string>());
}

// Whole milliseconds, rounded up, within the longest wait a browser's timer keeps.
void PageForm::startTimer(std::chrono::nanoseconds length)
{
    const double milliseconds = std::min(std::ceil(static_cast<double>(length.count()) / 1e6), 2147483647.0);
    timer_ = emscripten_set_timeout(&PageForm::timerEnded, milliseconds, this);
}

void PageForm::startSettleTimer(std::chrono::milliseconds length)
{
    if (settleTimer_ != 0)
        emscripten_clear_timeout(settleTimer_);
    settleTimer_ = emscripten_set_timeout(&PageForm::settleTimerEnded, static_cast<double>(length.count()), this);
}

void PageForm::settleTimerEnded(void* form)
{
    auto& page = *static_cast<PageForm*>(form);
    page.settleTimer_ = 0;
    page.settled();
}

void PageForm::timerEnded(void* form)
{
    auto& page = *static_cast<PageForm*>(form);
    page.timer_ = 0;
    page.pauseEnded();
}

#ifdef QUORVEL_TEST_SEAM
// The tests' build of the page tells them of a run by these events, the pause's in milliseconds.
// clang-format off
EM_JS(void, sendRunEvent, (const char* name, double detail), {
    document.dispatchEvent(new CustomEvent(UTF8ToString(name), { detail }));
});
// clang-format on

void PageForm::pauseBegun(std::chrono::nanoseconds length) { sendRunEvent("quorvel:pause", static_cast<double>(length.count()) / 1e6); }

void PageForm::runFinished() { sendRunEvent("quorvel:finished", 0); }
#endif

void PageForm::reportStop(const std::string& message) { val::global("console").call<void>("error", message); }

// A page cannot close the browser's window; the program ends and says so.
void PageForm::endProgram()
{
    for (long* timer : {&timer_, &settleTimer_}) {
        if (*timer != 0)
            emscripten_clear_timeout(*timer);
        *timer = 0;
    }
    element(document_, "MainForm").call<void>("remove");
    element(document_, "exploreArea").call<void>("remove");
    val ended = element(document_, "ended");
    ended.set("hidden", false);
    // The window that had the focus is gone; the words that say so take it.
    ended.call<void>("focus");
}

val PageForm::keyboardHelp() const
{
    val rows = val::array();
    for (const KeyHelp& key : quorvel::keyboardHelp(Edition::Page)) {
        val row = val::object();
        row.set("keys", key.keys);
        row.set("what", key.what);
        rows.call<void>("push", row);
    }
    val help = val::object();
    help.set("title", keyboardHelpTitle());
    help.set("rows", rows);
    return help;
}

EMSCRIPTEN_BINDINGS(quorvel)
{
    emscripten::class_<PageForm>("PageForm")
        .constructor<>()
        .function("press", &PageForm::press)
        .function("choose", &PageForm::choose)
        .function("moveSpeed", &PageForm::moveSpeed)
        .function("stopRun", &PageForm::stopRun)
        .function("openExplore", &PageForm::openExplore)
        .function("toggleExplore", &PageForm::toggleExplore)
        .function("moveSegmentCursor", &PageForm::moveSegmentCursor)
        .function("switchSegment", &PageForm::switchSegment)
        .function("choosePreset", &PageForm::choosePreset)
        .function("chooseMeasure", &PageForm::chooseMeasure)
        .function("takeEndsOffer", &PageForm::takeEndsOffer)
        .function("chooseScene", &PageForm::chooseScene)
        .function("setGap", &PageForm::setGap)
        .function("setDistance", &PageForm::setDistance)
        .function("setFrequency", &PageForm::setFrequency)
        .function("setSecondFrequency", &PageForm::setSecondFrequency)
        .function("typeNumber", &PageForm::typeNumber)
        .function("clearRefusal", &PageForm::clearRefusal)
        .function("clickPicture", &PageForm::clickPicture)
        .function("clickGraph", &PageForm::clickGraph)
        .function("setSeen", &PageForm::setSeen)
        .function("followAddress", &PageForm::followAddress)
        .function("link", &PageForm::link)
        .function("say", &PageForm::say)
        .function("keyboardHelp", &PageForm::keyboardHelp)
        .function("pictureSvg", &PageForm::pictureSvg)
#ifdef QUORVEL_TEST_SEAM
        .function("setText", &PageForm::setText)
#endif
        ;
}

}  // namespace quorvel

#pragma once

#include "core/window/FormView.h"
#include "core/window/MainFormModel.h"
#include "web/CanvasSurface.h"

#include <emscripten/val.h>

#include <array>
#include <limits>
#include <optional>
#include <string>

namespace quorvel {

// The window in the page: the model draws on the canvas and its state is shown in the page's
// controls, which the page's script turns into the model's input. Controls go by their ids,
// which are the window's names; the explore panel's go by ids of the page's own.
class PageForm : private FormView {
public:
    // Loads the form, as the window does when it opens.
    PageForm();
    PageForm(const PageForm&) = delete;
    PageForm& operator=(const PageForm&) = delete;

    // Input by the names of the controls; a name the window does not have is ignored.
    void press(const std::string& button);
    void choose(const std::string& option);
    // kind is "to" a value or "by" a number of steps.
    void moveSpeed(const std::string& kind, int amount);
#ifdef QUORVEL_TEST_SEAM
    // Only the tests' build of the page can set a text box as it likes: to slowdown 0, which no
    // control reaches, so that a run takes no time.
    void setText(const std::string& box, const std::string& text);
#endif
    void stopRun() { model_.stopRun(); }

    // The explore panel's input. Clicks are in the pixels of the picture and the graph.
    void openExplore(bool open) { model_.openExplore(open); }
    void toggleExplore() { model_.toggleExplore(); }
    void moveSegmentCursor(int by) { model_.moveSegmentCursor(by); }
    void switchSegment(int segment) { model_.perform(SegmentSwitch{segment}); }
    // By the preset's name, "WholeMirror", "MiddleThird", "OuterThirds", "Grating",
    // "AroundLeastTime" or "AwayFromLeastTime".
    void choosePreset(const std::string& preset);
    // By the measure's name, "RootOfSquares" or "TwoLegs".
    void chooseMeasure(const std::string& measure);
    // Takes what the lesson on the ends offers: a frequency, or the pair at the middle.
    void takeEndsOffer() { model_.takeEndsOffer(); }
    // By the scene's place in the scene choice, which lists them in their enumeration's order.
    void chooseScene(int scene);
    // As the page's sliders hold them: pixels, the frequency itself, and points of the line.
    void setDistance(double pixels);
    void setFrequency(double frequency);
    void setGap(double points);
    // A number typed into the box of "distance", "frequency" or "second", with the language's
    // decimal separator. The box shows the value in use again.
    void typeNumber(const std::string& box, const std::string& typed, const std::string& decimalSeparator);
    // Something typed into a box again takes a refusal off.
    void clearRefusal() { model_.clearRefusal(); }
    // Whether the graph shows a second frequency, and which; a box left with no number keeps the last.
    void setSecondFrequency(bool shown, double frequency);
    void clickPicture(float x, float y) { model_.clickPicture(x, y); }
    void clickGraph(float x) { model_.clickGraph(x); }
    // Whether the page can be seen: a tab behind another cannot.
    void setSeen(bool seen) { model_.setSeen(seen); }
    // Sets the window as the page's address asks, and warns once on the console of anything in
    // it that could not be used. From then on the address follows the window's setup, in place,
    // with no entry in the browser's history.
    void followAddress();
    // The page's address as it stands for the window now.
    std::string link();
    // Words of the page's own said as the window's are.
    void say(const std::string& words) { announce(words); }

    // The keys the page knows, as {title, rows: [{keys, what}]}, for its keyboard help.
    emscripten::val keyboardHelp() const;
    // The picture as an SVG document, in the colours the canvas is drawn with.
    std::string pictureSvg() const { return model_.pictureSvg(palette_); }

private:
    void showState() override;
    void showPicture() override;
    void startTimer(std::chrono::nanoseconds length) override;
    void startSettleTimer(std::chrono::milliseconds length) override;
#ifdef QUORVEL_TEST_SEAM
    void pauseBegun(std::chrono::nanoseconds length) override;
    void runFinished() override;
#endif
    void reportStop(const std::string& message) override;
    void endProgram() override;
    void showGraph() override;
    void announce(const std::string& words) override;
    void showExplore(const ExploreState& explore);
    void showRefusal(const std::optional<FieldRefusal>& refusal);
    emscripten::val numberBox(PanelField field) const;
    void showSceneCaptions(SceneKind scene);
    std::string wantedQuery() const;
    void showAddress();
    void writeAddress();
    void describePicture();

    void pauseEnded() { model_.pauseEnded(); }
    void settled() { model_.settled(); }
    static void timerEnded(void* form);
    static void settleTimerEnded(void* form);
    static void announceAgain(void* form);
    static void addressDue(void* form);

    emscripten::val document_;
    std::array<emscripten::val, 7> options_;  // by Option
    std::array<emscripten::val, 3> boxes_;    // by TextBox
    std::array<emscripten::val, 5> results_;  // by ResultLabel
    emscripten::val speed_;
    emscripten::val prompt_;
    emscripten::val stopRun_;
    emscripten::val exploreButton_;
    emscripten::val explorePanel_;
    emscripten::val scene_;
    emscripten::val mirrorOnly_;  // the controls that only the mirror has
    emscripten::val measure_;
    emscripten::val endsLesson_;
    emscripten::val frequencyNote_;
    emscripten::val fieldRefusal_;
    emscripten::val endsOffer_;
    emscripten::val segments_;  // the segment strip's switches, from the left
    emscripten::val gapSetting_;
    std::array<emscripten::val, 2> gap_;  // the slider and the number it shows
    emscripten::val distanceLabel_;
    std::array<emscripten::val, 2> distance_;   // the slider and the number box
    std::array<emscripten::val, 2> frequency_;  // likewise
    std::array<emscripten::val, 2> swatches_;  // the frequency's and the second's
    emscripten::val secondShown_;
    emscripten::val secondFrequency_;
    emscripten::val graphWords_;
    emscripten::val brightnessNumber_;
    emscripten::val brightnessBar_;
    emscripten::val brightnessHere_;
    emscripten::val announcement_;
    std::string announced_;  // what the live region says, or is about to say again
    long announceTimer_ = 0;
    emscripten::val pictureWords_;
    std::string described_;  // the picture's words as last written
    long timer_ = 0;
    long settleTimer_ = 0;
    bool followingAddress_ = false;
    SceneKind captionsScene_ = SceneKind::Mirror;  // whose words the labels show
    std::string shownQuery_;  // the address's query, with its '?', as read at first and written since
    long addressTimer_ = 0;
    double addressWritten_ = -std::numeric_limits<double>::infinity();  // when last, in the page's milliseconds
    SystemPalette palette_;
    CanvasSurface surface_;
    CanvasSurface graph_;
    MainFormModel model_;
};

}  // namespace quorvel

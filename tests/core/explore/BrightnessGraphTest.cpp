#include "core/explore/BrightnessGraph.h"
#include "core/explore/ExploreWords.h"
#include "core/mirror/FrequencyColour.h"
#include "core/explore/MirrorOptics.h"
#include "tests/core/window/ModelWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <utility>

namespace quorvel::testing {
namespace {

// Worked out from the window's geometry alone: source at x 354 - d and detector at 454 - d, 50 px
// above the segments' centres at 56 + 24k; a path measured by one root over its four squared
// offsets; phase = length x 0.0471123 x frequency.
double reference(const Mirror& mirror, int distance, double frequency)
{
    const auto sum = [frequency](const Mirror& kept, double d) {
        std::complex<double> total;
        for (int k = 0; k < 30; ++k) {
            const double x = 56 + 24.0 * k;
            if (kept.on(k))
                total += std::polar(1.0, std::sqrt(std::pow(354 - d - x, 2) + std::pow(454 - d - x, 2) + 5000) * 0.0471123 * frequency);
        }
        return std::norm(total);
    };
    return sum(mirror, distance) / sum(Mirror::whole(), 0);
}

ExploreState stateOf(const Mirror& mirror, int distance, int tenths, int secondTenths = 0, SceneKind scene = SceneKind::Mirror)
{
    ExploreState state;
    state.scene = scene;
    state.mirror = mirror;
    state.distance = distance;
    state.frequencyTenths = tenths;
    state.secondShown = secondTenths > 0;
    state.secondFrequencyTenths = std::max(secondTenths, 5);
    return state;
}

std::vector<Op> drawn(BrightnessGraph& graph, const ExploreState& state)
{
    RecordingSurface surface;
    graph.draw(surface, state);
    return surface.ops();
}

const Op* find(const std::vector<Op>& ops, OpKind kind, auto matches)
{
    const auto found = std::ranges::find_if(ops, [&](const Op& op) { return op.kind == kind && matches(op); });
    return found == ops.end() ? nullptr : &*found;
}

// The y-axis's numbers end at the axis, their baselines 4 px below the values they stand for.
float valueY(const std::vector<Op>& ops, const std::string& number)
{
    const Op* text = find(ops, OpKind::Text, [&](const Op& op) { return op.words == number && op.anchor == TextAnchor::End; });
    return text ? text->y1 - 4 : NAN;
}

// Where a curve of a colour stands at a distance: the end of its line that reaches it.
float curveY(const std::vector<Op>& ops, Rgb colour, int distance)
{
    const float x = static_cast<float>(BrightnessGraph::xOf(distance));
    const Op* line = find(ops, OpKind::Line, [&](const Op& op) { return op.colour == Colour{colour} && op.x2 == x; });
    return line ? line->y2 : NAN;
}

// The pair's middle stands at x = 404 - distance in the picture: the graph runs the same way.
TEST(BrightnessGraph, RunsLeftToRightAsThePairDoesInThePictureWithNumberedAxes)
{
    EXPECT_EQ(std::pair(BrightnessGraph::distanceAt(0), BrightnessGraph::distanceAt(BrightnessGraph::width)), std::pair(330, -330));
    BrightnessGraph graph;
    const auto ops = drawn(graph, stateOf(Mirror::whole(), 250, 10));
    for (const int distance : {330, 250, 0, -250, -330}) {
        EXPECT_EQ(BrightnessGraph::distanceAt(static_cast<float>(BrightnessGraph::xOf(distance))), distance);
        const Op* number = find(ops, OpKind::Text, [&](const Op& op) { return op.words == std::to_string(distance) && op.anchor == TextAnchor::Middle; });
        ASSERT_NE(number, nullptr) << distance;
        EXPECT_FLOAT_EQ(number->x1, static_cast<float>(BrightnessGraph::xOf(distance)));
    }
    EXPECT_NE(find(ops, OpKind::Text, [](const Op& op) { return op.words == "Distance from the middle (250 is left)"; }), nullptr);
    const auto circles = std::ranges::count_if(ops, [](const Op& op) { return op.kind == OpKind::Circle; });
    EXPECT_EQ(circles, 3) << "the classic window's two distances and the pair";
    const auto pair = std::ranges::find_if(ops.rbegin(), ops.rend(), [](const Op& op) { return op.kind == OpKind::Circle; });
    EXPECT_FLOAT_EQ(pair->x1, static_cast<float>(BrightnessGraph::xOf(250)));
}

// The height is the square root of the brightness: beside the grating made at 250/1 (9.40 there,
// 10.21 at 242, so the axis tops at 15), the whole mirror's peak, 1.53, stands at 32 % of the
// height, not at a straight scale's 10 %. Each frequency's curve is in its colour, red for the
// lowest and violet for the highest; the grating made for frequency 1 sends 2 elsewhere.
TEST(BrightnessGraph, DrawsEachFrequencyInItsColourOnASquareRootScale)
{
    EXPECT_EQ(frequencyColour(ExploreState::frequencyTenthsMinimum), (Rgb{204, 0, 0}));
    EXPECT_EQ(cssColour(frequencyColour(ExploreState::frequencyTenthsMaximum)), "#6600cc");
    BrightnessGraph graph;
    const Mirror madeFor1 = grating(250, 1);
    const auto ops = drawn(graph, stateOf(madeFor1, 250, 10, 20));
    const float zero = valueY(ops, "0");
    const auto height = [&](float y) { return (zero - y) / (zero - valueY(ops, "15")); };
    EXPECT_NEAR(height(valueY(ops, "1")), std::sqrt(1 / 15.0), 1e-3);
    double peak = 0;
    for (int d = -330; d <= 330; ++d)
        peak = std::max(peak, reference(Mirror::whole(), d, 1));
    EXPECT_NEAR(peak, 1.53, 0.005);
    EXPECT_NEAR(height(curveY(ops, Rgb{150, 150, 150}, 297)), std::sqrt(peak / 15), 2e-3);
    for (const int tenths : {10, 20})
        EXPECT_NEAR(height(curveY(ops, frequencyColour(tenths), 250)), std::sqrt(reference(madeFor1, 250, tenths / 10.0) / 15), 2e-3) << tenths;
    EXPECT_FALSE(std::isnan(valueY(drawn(graph, stateOf(Mirror::whole(), 0, 10)), "2"))) << "the whole mirror alone tops at 2";
    // Through a line the axis numbers a quarter of its top, which stands halfway up: water at
    // 1.2 tops at 0.04.
    const auto through = drawn(graph, stateOf(Mirror::whole(), 0, 12, 0, SceneKind::Water));
    const float throughZero = valueY(through, "0");
    EXPECT_NEAR((throughZero - valueY(through, "0.01")) / (throughZero - valueY(through, "0.04")), 0.5, 1e-3);
}

// The grey curve's key stands where no curve and not the pair's line crosses it: over water and
// glass the curves are highest at the ends, at the lens in the middle, and at distance 0 the pair's
// line runs through the middle; over the mirror a second frequency's peak and the pair at -320
// crossed it at the top right.
TEST(BrightnessGraph, KeepsItsKeyClearOfTheCurvesAndThePairsLine)
{
    BrightnessGraph graph;
    for (const SceneKind scene : {SceneKind::Mirror, SceneKind::Water, SceneKind::Glass, SceneKind::Lens, SceneKind::NoLens, SceneKind::Gap}) {
        for (const int distance : {0, -320, -330}) {
            const ExploreState state = stateOf(Mirror::whole(), distance, 10, scene == SceneKind::Mirror ? 15 : 11, scene);
            const auto ops = drawn(graph, state);
            const Rgb grey{150, 150, 150};
            const Op* key = find(ops, OpKind::Text, [&](const Op& op) { return op.colour == Colour{grey}; });
            // The whole mirror's grey curve lies under the green one: the key names no curve then,
            // and names it beside a scraped mirror's.
            if (scene == SceneKind::Mirror) {
                EXPECT_EQ(key, nullptr);
                const auto scraped = drawn(graph, stateOf(Mirror::span(10, 19), distance, 10, 15));
                EXPECT_NE(find(scraped, OpKind::Text, [&](const Op& op) { return op.colour == Colour{grey}; }), nullptr);
                continue;
            }
            ASSERT_NE(key, nullptr);
            // The sans faces write eleven-pixel letters at most 5.3 pixels wide on average.
            const float width = 5.3F * static_cast<float>(key->words.size());
            const float left = key->anchor == TextAnchor::Start ? key->x1 : key->x1 - width;
            for (const Rgb colour : {grey, frequencyColour(10), frequencyColour(state.secondFrequencyTenths), Rgb{0, 255, 0}}) {
                const Op* crossing = find(ops, OpKind::Line, [&](const Op& op) {
                    return op.colour == Colour{colour} && op.x2 >= left && op.x1 <= left + width && std::min(op.y1, op.y2) < key->y1 + 2;
                });
                EXPECT_EQ(crossing, nullptr) << key->words << " at " << distance << " crossed by a curve at x " << (crossing ? crossing->x1 : 0);
            }
        }
    }
}

// A graph kept from before draws exactly what a new one would, whatever its curves depend on
// has changed: a scraped segment, the measure of a path, either frequency, the scene.
TEST(BrightnessGraph, NeverKeepsAStaleCurve)
{
    BrightnessGraph kept;
    ExploreState state = stateOf(Mirror::whole(), 250, 10);
    const auto sameAsNew = [&](const char* change) {
        BrightnessGraph fresh;
        EXPECT_EQ(drawn(kept, state), drawn(fresh, state)) << change;
    };
    sameAsNew("at first");
    state.scene = SceneKind::Water;
    sameAsNew("another scene");
    state.scene = SceneKind::Mirror;
    state.mirror.toggle(12);
    sameAsNew("a segment scraped");
    state.measure = PathMeasure::TwoLegs;
    sameAsNew("the real length");
    state.secondShown = true;
    state.secondFrequencyTenths = 7;
    sameAsNew("a second frequency");
    state.frequencyTenths = 7;
    sameAsNew("the first frequency the same as the second");
    state.secondFrequencyTenths = 15;
    sameAsNew("the second moved on while the first's curves are in use");
}

// A scraped segment changes the kept curves by its own photon vectors alone; scraped one by one in a
// scattered order to a bare mirror and put back, the graph stays what a fresh one draws, to a
// thousandth of a pixel, and says the same.
TEST(BrightnessGraph, FollowsAMirrorScrapedSegmentBySegmentAsIfWorkedOutAfresh)
{
    BrightnessGraph kept;
    ExploreState state = stateOf(Mirror::whole(), 100, 13, 7);
    drawn(kept, state);
    for (int step = 0; step < 45; ++step) {
        state.mirror.toggle(step * 7 % 30);
        BrightnessGraph fresh;
        const std::vector<Op> followed = drawn(kept, state);
        const std::vector<Op> afresh = drawn(fresh, state);
        ASSERT_EQ(followed.size(), afresh.size()) << "step " << step;
        for (std::size_t k = 0; k < afresh.size(); ++k) {
            Op near = followed[k];
            for (auto [mine, theirs] : {std::pair{&near.x1, afresh[k].x1}, {&near.y1, afresh[k].y1}, {&near.x2, afresh[k].x2}, {&near.y2, afresh[k].y2}})
                *mine = std::abs(*mine - theirs) < 1e-3F ? theirs : *mine;
            EXPECT_EQ(near, afresh[k]) << "step " << step << ", op " << k;
        }
        EXPECT_EQ(kept.describe(state), fresh.describe(state)) << "step " << step;
    }
}

// The words give the curve's peak and what it reads at the pair, as worked out independently.
TEST(BrightnessGraph, SaysWhereTheCurveIsHighestAndWhatItReadsAtThePair)
{
    const Mirror middle = Mirror::span(10, 19);
    int peak = 0;
    for (int d = -330; d <= 330; ++d) {
        if (reference(middle, d, 2) > reference(middle, peak, 2) + 1e-9)
            peak = d;
    }
    BrightnessGraph graph;
    const std::string words = graph.describe(stateOf(middle, 100, 20));
    const std::string expected = "At frequency 2 this mirror is brightest at distance " + std::to_string(peak) + ", " + brightnessNumber(reference(middle, peak, 2)) +
                                 "; at the pair, distance 100, it gives " + brightnessNumber(reference(middle, 100, 2)) + ".";
    EXPECT_NE(words.find(expected), std::string::npos) << words << "\n" << expected;
    EXPECT_NE(graph.describe(stateOf(Mirror::bare(), 0, 10)).find("At frequency 1 no light reaches the detector at any distance."), std::string::npos);
    // Over water the curves are highest far to the side, which the words put down to arrows of
    // one length; the mirror's say nothing of it.
    const auto caveat = [&graph](SceneKind scene, int tenths) {
        return graph.describe(stateOf(Mirror::whole(), 0, tenths, 0, scene)).find("every path's arrow here has the same length") != std::string::npos;
    };
    EXPECT_EQ(std::tuple(caveat(SceneKind::Water, 10), caveat(SceneKind::Mirror, 10)), std::tuple(true, false));
    // Without the lens the pair stands symmetric about the middle, and so does the curve: both
    // of its ends are named.
    const ExploreState bare = stateOf(Mirror::whole(), 0, 10, 0, SceneKind::NoLens);
    EXPECT_NE(graph.describe(bare).find("brightest with the detector at -330 (as bright at 330), 0.13 of"), std::string::npos) << graph.describe(bare);
}

// The second frequency waits through a run like the panel's other input, and changes only the graph.
TEST(BrightnessGraph, TakesTheSecondFrequencyFromThePanel)
{
    PanelWindow window;
    const int pictures = window.view.pictures;
    window.model.perform(SecondFrequencySetting{true, 99});
    EXPECT_EQ(std::pair(window.state().explore.secondFrequencyTenths, window.view.pictures), std::pair(ExploreState::frequencyTenthsMaximum, pictures));
    window.perform(Button::cmdStart, SecondFrequencySetting{false, 7});
    EXPECT_TRUE(window.state().explore.secondShown);
    window.finishRun();
    EXPECT_EQ(std::pair(window.state().explore.secondShown, window.state().explore.secondFrequencyTenths), std::pair(false, 7));
    // Real lengths bring 1.5 and 2 both down to 1.3: the one curve is read once.
    window.perform(FrequencySetting{15}, SecondFrequencySetting{true, 20}, MeasureSetting{PathMeasure::TwoLegs});
    const std::string words = BrightnessGraph().describe(window.state().explore);
    const auto first = words.find("At frequency 1.3 ");
    EXPECT_NE(first, std::string::npos);
    EXPECT_EQ(words.find("At frequency 1.3 ", first + 1), std::string::npos);
    EXPECT_TRUE(words.ends_with(" The second frequency is the same as the first, so its curve lies on the first's.")) << words;
}

}  // namespace
}  // namespace quorvel::testing

#include "core/BrightnessGraph.h"
#include "core/ExploreWords.h"
#include "core/FrequencyColour.h"
#include "core/MirrorOptics.h"
#include "tests/core/ModelWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <string>
#include <vector>

namespace quorvel {
namespace {

using testing::Op;
using testing::OpKind;
using testing::RecordingSurface;

// The brightness worked out from the window's geometry alone: source at x 354 - d, detector at
// 454 - d, both at y 240.5; segment centres at 56 + 24k on y 290.5; the window's measure of a path
// is one root over its four squared offsets; phase = length x 0.0471123 x frequency.
double referenceBrightness(const Mirror& mirror, int distance, double frequency)
{
    const auto sum = [&](const Mirror& kept, double d) {
        std::complex<double> total;
        for (int k = 0; k < 30; ++k) {
            const double x = 56 + 24.0 * k;
            const double length = std::sqrt(std::pow(354 - d - x, 2) + 2500 + std::pow(454 - d - x, 2) + 2500);
            if (kept.on(k))
                total += std::polar(1.0, length * 0.0471123 * frequency);
        }
        return std::norm(total);
    };
    return sum(mirror, distance) / sum(Mirror::whole(), 0);
}

ExploreState stateOf(const Mirror& mirror, int distance, int tenths)
{
    ExploreState state;
    state.mirror = mirror;
    state.distance = distance;
    state.frequencyTenths = tenths;
    return state;
}

std::vector<Op> drawn(BrightnessGraph& graph, const ExploreState& state)
{
    RecordingSurface surface;
    graph.draw(surface, state);
    return surface.ops();
}

std::vector<Op> linesIn(const std::vector<Op>& ops, Rgb colour)
{
    std::vector<Op> lines;
    std::ranges::copy_if(ops, std::back_inserter(lines), [&](const Op& op) { return op.kind == OpKind::Line && op.colour == Colour{colour}; });
    return lines;
}

// Where a curve stands at a distance: the end of the line that reaches it.
float curveAt(const std::vector<Op>& curve, int distance)
{
    const auto found = std::ranges::find_if(curve, [&](const Op& line) { return line.x2 == static_cast<float>(BrightnessGraph::xOf(distance)); });
    return found == curve.end() ? NAN : found->y2;
}

const Op* textOf(const std::vector<Op>& ops, const std::string& words, TextAnchor anchor = TextAnchor::Middle)
{
    const auto found = std::ranges::find_if(ops, [&](const Op& op) { return op.kind == OpKind::Text && op.words == words && op.anchor == anchor; });
    return found == ops.end() ? nullptr : &*found;
}

// The pair's middle stands at x = 404 - distance in the picture: the graph and its clicks run the
// same way, 350 at the left end and -350 at the right.
TEST(BrightnessGraph, RunsLeftToRightAsThePairDoesInThePicture)
{
    EXPECT_EQ(BrightnessGraph::distanceAt(0), 350);
    EXPECT_EQ(BrightnessGraph::distanceAt(BrightnessGraph::width), -350);
    for (const int distance : {350, 250, 1, 0, -250, -350})
        EXPECT_EQ(BrightnessGraph::distanceAt(static_cast<float>(BrightnessGraph::xOf(distance))), distance);
    EXPECT_LT(BrightnessGraph::xOf(250), BrightnessGraph::xOf(0)) << "250 puts the pair left of the middle";
    BrightnessGraph graph;
    const auto ops = drawn(graph, stateOf(Mirror::whole(), 250, 10));
    const auto circles = [&] {
        std::vector<Op> all;
        std::ranges::copy_if(ops, std::back_inserter(all), [](const Op& op) { return op.kind == OpKind::Circle; });
        return all;
    }();
    ASSERT_FALSE(circles.empty());
    EXPECT_FLOAT_EQ(circles.back().x1, static_cast<float>(BrightnessGraph::xOf(250))) << "the pair's mark";
    for (const char* number : {"350", "250", "0", "-250", "-350"}) {
        const Op* text = textOf(ops, number);
        ASSERT_NE(text, nullptr) << number;
        EXPECT_NEAR(text->x1, BrightnessGraph::xOf(std::stoi(number)), 1e-3) << number;
    }
    EXPECT_NE(textOf(ops, "Distance from the middle (250 is left)"), nullptr);
}

// The height is the square root of the brightness: beside the grating made at 250/1 (9.40 there,
// 10.21 at 242, so the axis tops at 15), the whole mirror's highest point (1.53) stands at 32 % of
// the height, not at the 10 % of a straight scale. The numbers 0, 1 and the top stand where those
// values are drawn, their baselines 4 pixels below.
TEST(BrightnessGraph, KeepsTheWholeMirrorsCurveReadableBesideATallGrating)
{
    BrightnessGraph graph;
    const auto ops = drawn(graph, stateOf(grating(250, 1), 250, 10));
    const auto whole = linesIn(ops, Rgb{150, 150, 150});
    ASSERT_EQ(whole.size(), 700u);
    const Op* zero = textOf(ops, "0", TextAnchor::End);
    const Op* one = textOf(ops, "1", TextAnchor::End);
    const Op* top = textOf(ops, "15", TextAnchor::End);
    ASSERT_TRUE(zero && one && top);
    const double bottom = zero->y1 - 4, height = bottom - (top->y1 - 4);
    EXPECT_NEAR((bottom - (one->y1 - 4)) / height, std::sqrt(1 / 15.0), 1e-3);
    const float highest = std::ranges::min(whole, {}, &Op::y1).y1;
    double peak = 0;
    for (int d = -350; d <= 350; ++d)
        peak = std::max(peak, referenceBrightness(Mirror::whole(), d, 1));
    EXPECT_NEAR(peak, 1.53, 0.005);
    EXPECT_NEAR((bottom - highest) / height, std::sqrt(peak / 15), 2e-3);
    const auto current = linesIn(ops, frequencyColour(10));
    ASSERT_EQ(current.size(), 700u);
    EXPECT_NEAR((bottom - curveAt(current, 250)) / height, std::sqrt(referenceBrightness(grating(250, 1), 250, 1) / 15), 2e-3);
    EXPECT_NE(textOf(drawn(graph, stateOf(Mirror::whole(), 0, 10)), "2", TextAnchor::End), nullptr) << "the whole mirror alone tops at 2";
}

// Red for the lowest frequency the panel offers, violet for its highest; the second frequency's
// curve comes in its own colour, its mark at the pair too.
TEST(BrightnessGraph, DrawsEachFrequencyInTheColourItStandsFor)
{
    EXPECT_EQ(frequencyColour(ExploreState::frequencyTenthsMinimum), (Rgb{204, 0, 0}));
    EXPECT_EQ(frequencyColour(ExploreState::frequencyTenthsMaximum), (Rgb{102, 0, 204}));
    EXPECT_EQ(cssColour(Rgb{102, 0, 204}), "#6600cc");
    ExploreState state = stateOf(grating(250, 1), 250, 10);
    state.secondShown = true;
    state.secondFrequencyTenths = 20;
    BrightnessGraph graph;
    const auto ops = drawn(graph, state);
    const auto second = linesIn(ops, frequencyColour(20));
    ASSERT_EQ(second.size(), 700u);
    EXPECT_EQ(linesIn(ops, frequencyColour(10)).size(), 700u);
    const Op* one = textOf(ops, "1", TextAnchor::End);
    const Op* zero = textOf(ops, "0", TextAnchor::End);
    const auto heightOf = [&](float y) { return (zero->y1 - 4 - y) / (zero->y1 - one->y1); };
    // At 250 the grating made for frequency 1 sends frequency 2 elsewhere.
    const double atPair = referenceBrightness(grating(250, 1), 250, 2);
    EXPECT_NEAR(heightOf(curveAt(second, 250)), std::sqrt(atPair), 2e-3);
    EXPECT_TRUE(std::ranges::any_of(ops, [&](const Op& op) { return op.kind == OpKind::FillColour && op.colour == Colour{frequencyColour(20)}; }));
}

// A graph kept from before draws exactly what a new one would, whatever its curves depend on
// has changed: a scraped segment, the measure of a path, either frequency.
TEST(BrightnessGraph, NeverKeepsAStaleCurve)
{
    BrightnessGraph kept;
    ExploreState state = stateOf(Mirror::whole(), 250, 10);
    drawn(kept, state);
    const auto freshOps = [&] {
        BrightnessGraph fresh;
        return drawn(fresh, state);
    };
    state.mirror.toggle(12);
    EXPECT_EQ(drawn(kept, state), freshOps()) << "a segment scraped";
    state.measure = PathMeasure::TwoLegs;
    EXPECT_EQ(drawn(kept, state), freshOps()) << "the real length";
    state.secondShown = true;
    EXPECT_EQ(drawn(kept, state), freshOps()) << "a second frequency";
    state.secondFrequencyTenths = 7;
    EXPECT_EQ(drawn(kept, state), freshOps()) << "the second frequency changed";
    state.frequencyTenths = 7;
    EXPECT_EQ(drawn(kept, state), freshOps()) << "the first frequency the same as the second";
    state.secondFrequencyTenths = 15;
    EXPECT_EQ(drawn(kept, state), freshOps()) << "the second moved on while the first's curves are in use";
    state.mirror.toggle(12);
    state.measure = PathMeasure::RootOfSquares;
    EXPECT_EQ(drawn(kept, state), freshOps()) << "back to the whole mirror";
}

// The words give the curve's peak and its value at the pair, worked out independently.
TEST(BrightnessGraph, SaysWhereTheCurveIsHighestAndWhatItReadsAtThePair)
{
    const Mirror middle = Mirror::span(10, 19);
    int peak = 0;
    for (int d = -350; d <= 350; ++d) {
        if (referenceBrightness(middle, d, 2) > referenceBrightness(middle, peak, 2) + 1e-9)
            peak = d;
    }
    BrightnessGraph graph;
    const std::string words = graph.describe(stateOf(middle, 100, 20));
    EXPECT_NE(words.find("350 at the left to -350 at the right"), std::string::npos) << words;
    const std::string expected = "At frequency 2 this mirror is brightest at distance " + std::to_string(peak) + ", " +
                                 brightnessNumber(referenceBrightness(middle, peak, 2)) + "; at the pair, distance 100, it gives " +
                                 brightnessNumber(referenceBrightness(middle, 100, 2)) + ".";
    EXPECT_NE(words.find(expected), std::string::npos) << words << "\n" << expected;
    EXPECT_NE(graph.describe(stateOf(Mirror::bare(), 0, 10)).find("At frequency 1 no light reaches the detector at any distance."), std::string::npos);
}

// The second frequency is held through a run like the panel's other input, and changes only the graph.
TEST(BrightnessGraph, TakesTheSecondFrequencyFromThePanel)
{
    testing::ModelWindow window;
    window.model.openExplore(true);
    const int pictures = window.view.pictures;
    window.model.perform(SecondFrequencySetting{true, 99});
    EXPECT_TRUE(window.state().explore.secondShown);
    EXPECT_EQ(window.state().explore.secondFrequencyTenths, ExploreState::frequencyTenthsMaximum);
    EXPECT_EQ(window.view.pictures, pictures) << "the picture stays";
    EXPECT_FALSE(window.state().explore.used);
    window.model.press(Button::cmdStart);
    window.model.perform(SecondFrequencySetting{false, 7});
    EXPECT_TRUE(window.state().explore.secondShown);
    window.finishRun();
    EXPECT_FALSE(window.state().explore.secondShown);
    EXPECT_EQ(window.state().explore.secondFrequencyTenths, 7);
}

}  // namespace
}  // namespace quorvel

// The scenes where light passes through a line, against tests/data/scene-figures.json, which a
// short script works out from their formulas without the core's code.
#include "core/explore/ExploreWords.h"
#include "core/explore/SceneOptics.h"
#include "core/layout/WindowLabels.h"
#include "core/mirror/ExploreState.h"
#include "core/start/StartSequence.h"
#include "tests/core/window/ModelWindow.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/StartStandIns.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <ranges>
#include <string>
#include <tuple>
#include <vector>

namespace quorvel::testing {
namespace {

using nlohmann::json;

const json& figures()
{
    static const json table = json::parse(std::ifstream(QUORVEL_SCENE_FIGURES));
    return table;
}

SceneKind kindOf(const json& row)
{
    static const std::map<std::string, SceneKind> kinds{{"Water", SceneKind::Water}, {"Glass", SceneKind::Glass}, {"Lens", SceneKind::Lens},
                                                        {"NoLens", SceneKind::NoLens}, {"Gap", SceneKind::Gap}};
    return kinds.at(row.get<std::string>());
}

// The points that count, as the panel gives them for a scene and a gap's width.
Mirror openPoints(SceneKind kind, int gapPoints)
{
    ExploreState state;
    state.scene = kind;
    state.gapPoints = gapPoints;
    return state.pathsThatCount();
}

double figure(const json& row, const char* name) { return row.at(name).get<double>(); }

// The sum's length, the light against thirty paths in step, and each pair's light against its
// other arrangement at the same place; the lens at its focus sends all thirty in step.
TEST(SceneFigures, TheSumsAndTheLightThroughTheLineAreTheTables)
{
    std::map<std::tuple<SceneKind, double, double, int>, double> light;
    for (const json& row : figures().at("sums")) {
        SCOPED_TRACE(row.dump());
        const SceneKind kind = kindOf(row.at("kind"));
        const Mirror open = openPoints(kind, row.at("gapPoints"));
        const double distance = figure(row, "distance");
        const double frequency = figure(row, "frequency");
        EXPECT_NEAR(sumLength(kind, open, distance, frequency), figure(row, "sumLength"), 1e-9);
        EXPECT_NEAR(lightThroughLine(kind, open, distance, frequency), figure(row, "light"), 1e-12);
        light[{kind, distance, frequency, open.count()}] = figure(row, "light");
    }
    EXPECT_NEAR(sumLength(SceneKind::Lens, Mirror::whole(), 0, 1), 30, 0.3) << "the lens's focus within 1 % of thirty photon vectors";
    EXPECT_NEAR(againstOtherHere(SceneKind::Lens, Mirror::whole(), 20, 1).value(), light.at({SceneKind::Lens, 20, 1, 30}) / light.at({SceneKind::NoLens, 20, 1, 30}), 1e-9);
    EXPECT_NEAR(againstOtherHere(SceneKind::NoLens, Mirror::whole(), 0, 1).value(), light.at({SceneKind::NoLens, 0, 1, 30}) / light.at({SceneKind::Lens, 0, 1, 30}), 1e-12);
    EXPECT_NEAR(againstOtherHere(SceneKind::Gap, openPoints(SceneKind::Gap, 6), 0, 1).value(), light.at({SceneKind::Gap, 0, 1, 6}) / light.at({SceneKind::Gap, 0, 1, 30}),
                1e-9);
    EXPECT_FALSE(againstOtherHere(SceneKind::Water, Mirror::whole(), 0, 1).has_value()) << "a surface has no other arrangement";
}

// The mark of the least-time path after a change of the panel, rising from the time curve to the
// line, and its bold ray to the detector.
float markedPointX(SceneKind kind, int distance)
{
    const SceneWindow window(kind, distance);
    const auto& ops = window.surface.ops();
    const auto mark = std::ranges::find_if(ops.rbegin(), ops.rend(), [](const Op& op) { return op.kind == OpKind::Line && op.x1 == op.x2 && op.y1 > 250 && op.y2 == 250.0f; });
    if (mark == ops.rend())
        return -1;
    const Op& ray = *(mark - 2);
    EXPECT_EQ(std::tuple(ray.x1, ray.y1, ray.x2, ray.y2, ray.penWidth), std::tuple(mark->x1, 250.0f, 404.0f - distance, 310.0f, 2));
    return mark->x1;
}

// Worked out on the whole continuous surface, the least-time crossing keeps Snell's law with the
// water's or the glass's slowness, and the picture marks the drawn point nearest it.
TEST(SceneFigures, TheLeastTimeCrossingKeepsSnellsLawAndTheMarkIsTheDrawnPointNearestIt)
{
    for (const json& row : figures().at("crossings")) {
        SCOPED_TRACE(row.dump());
        const SceneKind kind = kindOf(row.at("kind"));
        const int distance = row.at("distance");
        const SurfaceCrossing crossing = leastTimeCrossing(kind, distance);
        EXPECT_NEAR(crossing.x, figure(row, "x"), 0.5);
        EXPECT_NEAR(crossing.sineAbove, figure(row, "sineAbove"), 1e-6);
        EXPECT_NEAR(crossing.sineBelow, figure(row, "sineBelow"), 1e-6);
        if (figure(row, "sineBelow") > 0.1) {
            EXPECT_NEAR(crossing.sineAbove / crossing.sineBelow, figure(row, "ratio"), 1e-6);
        }
        EXPECT_EQ(markedPointX(kind, distance), static_cast<float>(figure(row, "nearestPoint")));
    }
}

// Above these frequencies some neighbouring points' arrows turn apart by more than half a turn
// somewhere the detector stands.
TEST(SceneFigures, EachScenesHighestFrequencyKeepsNeighboursWithinHalfATurn)
{
    for (const auto& [name, cap] : figures().at("frequencyCaps").items()) {
        const SceneKind kind = kindOf(json(name));
        EXPECT_EQ(ExploreState::frequencyTenthsCap(PathMeasure::RootOfSquares, kind), cap.at("tenths").get<int>()) << name;
        EXPECT_EQ(ExploreState::frequencyTenthsCap(PathMeasure::TwoLegs, kind), cap.at("tenths").get<int>()) << name << ": real lengths either way";
    }
}

// Off the line a gap's light against its light on the line, which the script finds growing as the
// gap narrows: light spreads when its paths are few.
TEST(SceneFigures, TheGapsLightOffTheLineAgainstItsLightOnTheLine)
{
    const json& table = figures().at("gapOffAgainstOn");
    for (const json& row : table.at("widths")) {
        const Mirror open = openPoints(SceneKind::Gap, row.at("gapPoints"));
        const double off = lightThroughLine(SceneKind::Gap, open, figure(table, "offTheLine"), figure(table, "frequency"));
        EXPECT_NEAR(off / lightThroughLine(SceneKind::Gap, open, 0, figure(table, "frequency")), figure(row, "ratio"), 1e-9) << row.dump();
    }
}

// A Start through a line draws the source above it, the detector below it, and the line itself:
// a water surface whole, a screen only where its gap is closed, a dot at every point.
TEST(SceneFigures, AThroughLineStartDrawsTheLineTheSourceAboveAndTheDetectorBelow)
{
    for (const SceneKind kind : {SceneKind::Water, SceneKind::Gap}) {
        RecordingSurface surface;
        FixedSettings settings("100", "1", "0");
        RecordingLabels labels;
        const Mirror open = openPoints(kind, 6);
        StartSequence(surface, settings, labels, open, Layout::Explore, PathMeasure::TwoLegs, kind).runToEnd();
        const auto drawn = [&surface](auto kept) {
            auto found = surface.ops() | std::views::filter(kept);
            return std::vector<Op>(found.begin(), found.end());
        };
        const auto marks = drawn([](const Op& op) { return op.kind == OpKind::Circle && op.radius == 5; });
        // The band's row at 250 runs from 5.
        const auto line = drawn([](const Op& op) { return op.kind == OpKind::Line && op.y1 == 250 && op.y2 == 250 && op.x1 > 5; });
        const auto dots = drawn([](const Op& op) { return op.kind == OpKind::Circle && op.radius == 1 && op.y1 == 250; });
        ASSERT_GE(marks.size(), 2u);
        // The gap's pair stands 100 from the line, the water's 60.
        const float sourceX = kind == SceneKind::Water ? 304 : 404;
        const float height = kind == SceneKind::Water ? 60 : 100;
        EXPECT_EQ(std::tuple(marks[0].x1, marks[0].y1, marks[0].fillColour), std::tuple(sourceX, 250 - height, std::optional<Colour>(SystemColour::CaptionText)));
        EXPECT_EQ(std::tuple(marks[1].x1, marks[1].y1, marks[1].fillColour), std::tuple(304.0f, 250 + height, std::optional<Colour>(SystemColour::ButtonFace)));
        ASSERT_EQ(dots.size(), 30u);
        for (int k = 0; k < 30; ++k)
            EXPECT_EQ(dots[static_cast<std::size_t>(k)].x1, 56.0f + 24.0f * k);
        // The gap of six points is open from 332 to 476, where the six paths through it cross.
        ASSERT_EQ(line.size(), kind == SceneKind::Water ? 30u : 24u);
        for (const Op& piece : line) {
            EXPECT_EQ(std::pair(piece.x2 - piece.x1, piece.penWidth), std::pair(24.0f, 3));
            EXPECT_TRUE(kind == SceneKind::Water || piece.x2 <= 332 || piece.x1 >= 476) << piece;
            const Rgb colour = std::get<Rgb>(*piece.colour);
            EXPECT_EQ(kind == SceneKind::Water, colour.blue > colour.red + 100 && colour.blue > colour.green + 50) << "water is blue, the screen grey";
        }
    }
}

// Through a gap, a least-time path that the screen stops is marked on the time curve alone: at
// 330 a gap of 2 points (x 392 and 416) lies far from the straight crossing at 239. Over water at
// -330 the ends' paths are the longest, and the time curve keeps them under its label, whose top
// stands 50 below the row under the detector (y 320). The panel's figure reads 0.0033, not 0.00:
// the two arrows' sum, worked out apart, squared against 900.
TEST(SceneFigures, TheMarksKeepToWhatThePathsDoAndTheCurveToItsAxes)
{
    SceneWindow window(SceneKind::Gap);
    window.perform(GapSetting{2}, DistanceSetting{330});
    const auto& gapOps = window.surface.ops();
    const auto toDetector = std::ranges::count_if(gapOps, [](const Op& op) { return op.kind == OpKind::Line && op.x2 == 74 && op.y2 == 350; });
    const auto boldToDetector = std::ranges::count_if(gapOps, [](const Op& op) { return op.kind == OpKind::Line && op.penWidth == 2 && op.x2 == 74 && op.y2 == 350; });
    EXPECT_EQ(std::pair(toDetector, boldToDetector), std::pair(2L, 0L)) << "the two paths through the gap, thin, and no bold path through the screen";
    EXPECT_EQ(brightnessNumber(window.state().explore), "0.0033");
    window.perform(SceneSetting{SceneKind::Water}, DistanceSetting{-330});
    const float lowestTop = 320 + 50 + static_cast<float>(windowLabel("labCas").height) + 3;
    const auto& ops = window.surface.ops();
    const auto redrawn = std::ranges::find_if(ops.rbegin(), ops.rend(), [](const Op& op) { return op.kind == OpKind::ResetToPixels; });
    int dots = 0;
    for (const Op& op : std::ranges::subrange(redrawn.base(), ops.end())) {
        if (op.kind == OpKind::Circle && op.radius == 2 && op.y1 > 320 + 26) {
            ++dots;
            EXPECT_GE(op.y1, lowestTop) << op;
        }
    }
    EXPECT_EQ(dots, 30);
}

}  // namespace
}  // namespace quorvel::testing

#include "core/explore/SceneOptics.h"

#include "core/explore/MirrorOptics.h"
#include "core/start/SceneSetup.h"

#include <cmath>

namespace quorvel {

namespace {

constexpr double allInStep = Mirror::segmentCount * Mirror::segmentCount;

double squaredSum(SceneKind kind, const Mirror& open, double distance, double frequency)
{
    return sumOfArrows(photonVectors(distance, frequency, PathMeasure::TwoLegs, open, kind), open).squaredLength();
}

}  // namespace

double sumLength(SceneKind kind, const Mirror& open, double distance, double frequency) { return std::sqrt(squaredSum(kind, open, distance, frequency)); }

double lightThroughLine(SceneKind kind, const Mirror& open, double distance, double frequency) { return squaredSum(kind, open, distance, frequency) / allInStep; }

std::optional<double> againstOtherHere(SceneKind kind, const Mirror& open, double distance, double frequency)
{
    const SceneDescription& described = describedScene(kind);
    if (!described.compared)
        return std::nullopt;
    const double otherLight = squaredSum(described.other, Mirror::whole(), distance, frequency);
    if (!(otherLight > 0))
        return std::nullopt;
    return squaredSum(kind, open, distance, frequency) / otherLight;
}

// The time is convex along the line, so a search that keeps the lower third's side closes in on
// its one least point.
SurfaceCrossing leastTimeCrossing(SceneKind kind, double distance)
{
    const Scene scene = sceneGeometry(distance, 1, Layout::Explore, PathMeasure::TwoLegs, kind);
    const auto above = [&](double x) { return std::hypot(x - scene.sourceX, scene.mirrorY - scene.sourceY); };
    const auto below = [&](double x) { return std::hypot(scene.detectorX - x, scene.detectorY - scene.mirrorY); };
    const auto time = [&](double x) { return above(x) + scene.slowness * below(x); };
    double low = std::min(scene.sourceX, scene.detectorX);
    double high = std::max(scene.sourceX, scene.detectorX);
    for (int step = 0; step < 200; ++step) {
        const double third = (high - low) / 3;
        if (time(low + third) < time(high - third))
            high -= third;
        else
            low += third;
    }
    const double x = (low + high) / 2;
    return {x, std::abs(x - scene.sourceX) / above(x), std::abs(scene.detectorX - x) / below(x)};
}

}  // namespace quorvel

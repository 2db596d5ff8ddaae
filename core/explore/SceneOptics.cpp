#include "core/explore/SceneOptics.h"

#include "core/explore/MirrorOptics.h"
#include "core/start/PathSweep.h"
#include "core/start/SceneSetup.h"

#include <cmath>

namespace quorvel {

namespace {

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

SurfaceCrossing leastTimeCrossing(SceneKind kind, double distance)
{
    const Scene scene = sceneGeometry(distance, 1, Layout::Explore, PathMeasure::TwoLegs, kind);
    const auto above = [&](double x) { return std::hypot(x - scene.sourceX, scene.mirrorY - scene.sourceY); };
    const auto below = [&](double x) { return std::hypot(scene.detectorX - x, scene.detectorY - scene.mirrorY); };
    const double x = leastTimeCrossingX(scene);
    return {x, std::abs(x - scene.sourceX) / above(x), std::abs(scene.detectorX - x) / below(x)};
}

}  // namespace quorvel

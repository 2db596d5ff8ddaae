#include "core/MirrorOptics.h"

#include "core/PathSweep.h"
#include "core/SceneSetup.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace quorvel {

namespace {

// The segments whose arrows point within 90 degrees of a direction given by its angle.
Mirror facing(const PhotonVectors& arrows, double angle)
{
    Mirror mirror = Mirror::bare();
    for (int segment = 0; segment < Mirror::segmentCount; ++segment) {
        const Arrow& arrow = arrows[static_cast<std::size_t>(segment)];
        mirror.set(segment, arrow.x * std::cos(angle) + arrow.y * std::sin(angle) > 0);
    }
    return mirror;
}

}  // namespace

PhotonVectors photonVectors(double distance, double frequency, PathMeasure measure)
{
    const Scene scene = sceneGeometry(distance, frequency, Layout::Classic, measure);
    PhotonVectors arrows;
    for (int segment = 0; segment < Mirror::segmentCount; ++segment) {
        const double phase = pathLength(scene, pointXOf(scene, 2 * segment + 1)) * scene.phaseFactor;
        arrows[static_cast<std::size_t>(segment)] = {std::cos(phase), std::sin(phase)};
    }
    return arrows;
}

Arrow sumOfArrows(const PhotonVectors& arrows, const Mirror& mirror)
{
    Arrow total;
    for (int segment = 0; segment < Mirror::segmentCount; ++segment) {
        if (mirror.on(segment)) {
            total.x += arrows[static_cast<std::size_t>(segment)].x;
            total.y += arrows[static_cast<std::size_t>(segment)].y;
        }
    }
    return total;
}

Arrow sumOfArrows(const Mirror& mirror, double distance, double frequency, PathMeasure measure)
{
    return sumOfArrows(photonVectors(distance, frequency, measure), mirror);
}

double wholeMirrorAtMiddle(double frequency, PathMeasure measure) { return sumOfArrows(Mirror::whole(), 0, frequency, measure).squaredLength(); }

double brightness(const Mirror& mirror, double distance, double frequency, PathMeasure measure)
{
    const double whole = wholeMirrorAtMiddle(frequency, measure);
    return whole > 0 ? sumOfArrows(mirror, distance, frequency, measure).squaredLength() / whole : 0;
}

// The set of arrows within 90 degrees of a direction changes only where the direction passes
// 90 degrees from an arrow, so one direction between each two such angles tries every set.
Mirror grating(double distance, double frequency, PathMeasure measure)
{
    const PhotonVectors arrows = photonVectors(distance, frequency, measure);
    Mirror best = Mirror::whole();
    double longest = sumOfArrows(arrows, best).squaredLength();
    for (const Arrow& arrow : arrows) {
        for (const double side : {-1.0, 1.0}) {
            for (const double nudge : {-1e-9, 1e-9}) {
                const Mirror candidate = facing(arrows, std::atan2(arrow.y, arrow.x) + side * std::numbers::pi / 2 + nudge);
                const double length = sumOfArrows(arrows, candidate).squaredLength();
                if (length > longest) {
                    longest = length;
                    best = candidate;
                }
            }
        }
    }
    const Arrow direction = sumOfArrows(arrows, best);
    return facing(arrows, std::atan2(direction.y, direction.x));
}

double leastTimeX(double distance)
{
    const Scene scene = sceneGeometry(distance, 1);
    const double left = scene.mirrorLeft + scene.segmentWidth;
    return std::clamp((scene.sourceX + scene.detectorX) / 2, left, left + scene.segmentWidth * scene.segmentCount);
}

Mirror aroundLeastTime(double distance)
{
    constexpr int third = Mirror::segmentCount / 3;
    const Scene scene = sceneGeometry(distance, 1);
    const double offset = (leastTimeX(distance) - (scene.mirrorLeft + scene.segmentWidth)) / scene.segmentWidth;
    const int first = std::clamp(static_cast<int>(std::lround(offset - third / 2.0)), 0, Mirror::segmentCount - third);
    return Mirror::span(first, first + third - 1);
}

Mirror presetMirror(MirrorPreset preset, double distance, double frequency)
{
    switch (preset) {
    case MirrorPreset::MiddleThird:
        return Mirror::span(10, 19);
    case MirrorPreset::OuterThirds: {
        Mirror outer = Mirror::span(0, 9);
        for (int segment = 20; segment < Mirror::segmentCount; ++segment)
            outer.set(segment, true);
        return outer;
    }
    case MirrorPreset::Grating:
        return grating(distance, frequency);
    case MirrorPreset::WholeMirror:
        break;
    }
    return Mirror::whole();
}

}  // namespace quorvel

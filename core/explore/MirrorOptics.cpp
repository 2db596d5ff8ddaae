#include "core/explore/MirrorOptics.h"

#include "core/start/PathSweep.h"
#include "core/start/SceneSetup.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace quorvel {

namespace {

// The segments of within whose arrows point within 90 degrees of a direction given by its angle.
Mirror facing(const PhotonVectors& arrows, double angle, const Mirror& within)
{
    Mirror mirror = Mirror::bare();
    for (int segment = 0; segment < Mirror::segmentCount; ++segment) {
        const Arrow& arrow = arrows[static_cast<std::size_t>(segment)];
        mirror.set(segment, within.on(segment) && arrow.x * std::cos(angle) + arrow.y * std::sin(angle) > 0);
    }
    return mirror;
}

Mirror outerThirds() { return ~Mirror::span(10, 19); }

// The ends cancel when the outer thirds give less than a tenth of the middle third's light.
constexpr double endsCancelShare = 0.1;

}  // namespace

PhotonVectors photonVectors(double distance, double frequency, PathMeasure measure, const Mirror& of, SceneKind kind)
{
    const Scene scene = sceneGeometry(distance, frequency, Layout::Classic, measure, kind);
    PhotonVectors arrows;
    for (int segment = 0; segment < Mirror::segmentCount; ++segment) {
        if (!of.on(segment))
            continue;
        const double phase = pathLength(scene, pointXOf(scene, 2 * segment + 1)) * scene.phaseFactor;
        // Both at once, from one reduction of the phase: the graph works out 21030 arrows a curve.
        Arrow& arrow = arrows[static_cast<std::size_t>(segment)];
        ::sincos(phase, &arrow.y, &arrow.x);
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
Mirror grating(double distance, double frequency, PathMeasure measure, const Mirror& within)
{
    const PhotonVectors arrows = photonVectors(distance, frequency, measure);
    Mirror best = within;
    double longest = sumOfArrows(arrows, best).squaredLength();
    for (const Arrow& arrow : arrows) {
        for (const double side : {-1.0, 1.0}) {
            for (const double nudge : {-1e-9, 1e-9}) {
                const Mirror candidate = facing(arrows, std::atan2(arrow.y, arrow.x) + side * std::numbers::pi / 2 + nudge, within);
                const double length = sumOfArrows(arrows, candidate).squaredLength();
                if (length > longest) {
                    longest = length;
                    best = candidate;
                }
            }
        }
    }
    const Arrow direction = sumOfArrows(arrows, best);
    return facing(arrows, std::atan2(direction.y, direction.x), within);
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

LightParts lightParts(const Mirror& mirror, double distance, double frequency, PathMeasure measure)
{
    const PhotonVectors arrows = photonVectors(distance, frequency, measure);
    const Mirror around = aroundLeastTime(distance);
    const Arrow sum = sumOfArrows(arrows, mirror);
    const double length = std::sqrt(sum.squaredLength());
    if (length == 0)
        return {};
    const auto along = [&](const Arrow& part) { return (part.x * sum.x + part.y * sum.y) / length; };
    return {length, along(sumOfArrows(arrows, mirror & around)), along(sumOfArrows(arrows, mirror & ~around))};
}

std::optional<double> againstWholeMirrorHere(const Mirror& mirror, double distance, double frequency, PathMeasure measure)
{
    const PhotonVectors arrows = photonVectors(distance, frequency, measure);
    const double whole = sumOfArrows(arrows, Mirror::whole()).squaredLength();
    // Thirty unit arrows summed leave rounding of some 1e-14 where they cancel exactly.
    if (!(whole > 1e-20))
        return std::nullopt;
    return sumOfArrows(arrows, mirror).squaredLength() / whole;
}

int strips(const Mirror& mirror)
{
    int count = 0;
    for (int segment = 0; segment < Mirror::segmentCount; ++segment)
        count += mirror.on(segment) && !mirror.on(segment - 1) ? 1 : 0;
    return count;
}

namespace {

// The arrows of the segments on, in the order of their angles.
struct ArrowsRound {
    std::array<std::pair<double, Arrow>, Mirror::segmentCount> arrows;
    std::size_t count = 0;
};

ArrowsRound inAngleOrder(const PhotonVectors& arrows, const Mirror& mirror)
{
    ArrowsRound round;
    for (int segment = 0; segment < Mirror::segmentCount; ++segment) {
        const Arrow& arrow = arrows[static_cast<std::size_t>(segment)];
        if (mirror.on(segment))
            round.arrows[round.count++] = {std::atan2(arrow.y, arrow.x), arrow};
    }
    std::sort(round.arrows.begin(), round.arrows.begin() + static_cast<std::ptrdiff_t>(round.count), [](const auto& a, const auto& b) { return a.first < b.first; });
    return round;
}

// The longest sum any choice of segments gives. The best choice is the arrows within a quarter
// turn of its sum's direction, which lie next to each other going round, so trying every run of
// neighbouring arrows in the order of their angles finds it.
double longestSquaredSum(const PhotonVectors& arrows)
{
    const auto round = inAngleOrder(arrows, Mirror::whole()).arrows;
    double longest = 0;
    for (std::size_t first = 0; first < round.size(); ++first) {
        Arrow sum;
        for (std::size_t count = 0; count < round.size(); ++count) {
            sum.x += round[(first + count) % round.size()].second.x;
            sum.y += round[(first + count) % round.size()].second.y;
            longest = std::max(longest, sum.squaredLength());
        }
    }
    return longest;
}

}  // namespace

// Arrows fit within a quarter turn of one direction when, going round, some gap between
// neighbouring arrows is wider than half a turn: the direction halfway across the rest will do.
bool withinAQuarterTurn(const PhotonVectors& arrows, const Mirror& mirror)
{
    const ArrowsRound round = inAngleOrder(arrows, mirror);
    if (round.count < 2)
        return true;
    const auto angle = [&](std::size_t k) { return round.arrows[k].first; };
    double widest = angle(0) + 2 * std::numbers::pi - angle(round.count - 1);
    for (std::size_t k = 1; k < round.count; ++k)
        widest = std::max(widest, angle(k) - angle(k - 1));
    return widest > std::numbers::pi;
}

// The mirror is symmetric about its middle, so a distance and its opposite give the same light.
double brightestMirror(double frequency, PathMeasure measure)
{
    double longest = 0;
    for (int distance = 0; distance <= std::max(-ExploreState::distanceMinimum, ExploreState::distanceMaximum); ++distance)
        longest = std::max(longest, longestSquaredSum(photonVectors(distance, frequency, measure)));
    const double whole = wholeMirrorAtMiddle(frequency, measure);
    return whole > 0 ? longest / whole : 0;
}

Mirror presetMirror(MirrorPreset preset, double distance, double frequency, PathMeasure measure, const Mirror& from)
{
    switch (preset) {
    case MirrorPreset::MiddleThird:
        return Mirror::span(10, 19);
    case MirrorPreset::OuterThirds:
        return outerThirds();
    case MirrorPreset::Grating:
        return grating(distance, frequency, measure, from);
    case MirrorPreset::AroundLeastTime:
        return aroundLeastTime(distance);
    case MirrorPreset::AwayFromLeastTime:
        return ~aroundLeastTime(distance);
    case MirrorPreset::WholeMirror:
        break;
    }
    return Mirror::whole();
}

EndsLesson endsLesson(const Mirror& mirror, int distance, int frequencyTenths, PathMeasure measure)
{
    const Mirror middle = Mirror::span(10, 19);
    if (mirror != middle && mirror != outerThirds())
        return {};
    const auto thirds = [&](int distanceThere, int tenths) {
        return std::pair(brightness(middle, distanceThere, tenths / 10.0, measure), brightness(outerThirds(), distanceThere, tenths / 10.0, measure));
    };
    const auto cancel = [](std::pair<double, double> light) { return light.second < endsCancelShare * light.first; };
    const auto here = thirds(distance, frequencyTenths);
    EndsLesson lesson{EndsLesson::Offer::None, 0, here.first, here.second};
    if (cancel(here))
        return lesson;
    // Away from the middle the middle third is not around the least-time point, so the outer
    // thirds are not the ends of what reflects most.
    if (aroundLeastTime(distance) != middle) {
        lesson.offer = EndsLesson::Offer::Middle;
        return lesson;
    }
    constexpr int classicTenths = 20;
    const int cap = ExploreState::frequencyTenthsCap(measure);
    std::vector<int> tried;
    if (classicTenths <= cap)
        tried.push_back(classicTenths);
    for (int away = 1; away <= cap - ExploreState::frequencyTenthsMinimum; ++away) {
        for (const int tenths : {frequencyTenths + away, frequencyTenths - away}) {
            if (tenths >= ExploreState::frequencyTenthsMinimum && tenths <= cap)
                tried.push_back(tenths);
        }
    }
    for (const int tenths : tried) {
        if (cancel(thirds(distance, tenths))) {
            lesson.offer = EndsLesson::Offer::Frequency;
            lesson.frequencyTenths = tenths;
            return lesson;
        }
    }
    lesson.offer = EndsLesson::Offer::Nowhere;
    return lesson;
}

}  // namespace quorvel

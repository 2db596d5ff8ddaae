#include "core/start/PathSweep.h"

#include "core/draw/DrawingSurface.h"
#include "core/layout/WindowLabels.h"
#include "core/start/Scene.h"
#include "core/text/SettingNumber.h"
#include "core/start/SinglePrecision.h"
#include "core/text/Translation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace quorvel {

namespace {

constexpr double decrementsPerSlowdown = 300000;
constexpr const char* slowdownSetting = QT_TRANSLATE_NOOP("SettingNumber", "slowdown (nSpomaleni)");
constexpr double spiralScale = 3.5;

// Pixels of the time curve's height per pixel of path. The real lengths, some 1.41 times the
// window's measure, are drawn that much flatter, so that their curve stays under the mirror
// wherever the pair stands, as the window's does.
double fullTimeScale(PathMeasure measure) { return measure == PathMeasure::TwoLegs ? 0.2 / std::numbers::sqrt2 : 0.2; }

double timeScale(const Scene& scene) { return fullTimeScale(scene.measure) * scene.timeCurveHeight; }

}  // namespace

double lensDelay(const Scene& scene, double pointX)
{
    if (!(scene.lensTop > 0))
        return 0;
    return scene.lensTop - pieceLength(pointX - scene.sourceX, scene.mirrorY - scene.sourceY) - pieceLength(scene.focusX - pointX, scene.focusY - scene.mirrorY);
}

// The classic window's measure is not the sum of the two ray lengths but one root over the four
// squares; its worked values rest on it.
double pathLength(const Scene& scene, double pointX)
{
    if (passesThrough(scene.kind)) {
        const double above = pieceLength(pointX - scene.sourceX, scene.mirrorY - scene.sourceY);
        return above + scene.slowness * pieceLength(scene.detectorX - pointX, scene.detectorY - scene.mirrorY) + lensDelay(scene, pointX);
    }
    if (scene.measure == PathMeasure::TwoLegs)
        return std::hypot(scene.sourceX - pointX, scene.mirrorY - scene.sourceY) + std::hypot(scene.detectorX - pointX, scene.mirrorY - scene.detectorY);
    double s = (scene.sourceX - pointX) * (scene.sourceX - pointX) + (scene.mirrorY - scene.sourceY) * (scene.mirrorY - scene.sourceY);
    s = s + (scene.detectorX - pointX) * (scene.detectorX - pointX);
    s = s + (scene.mirrorY - scene.detectorY) * (scene.mirrorY - scene.detectorY);
    return std::sqrt(s);
}

double pointXOf(const Scene& scene, int i) { return (scene.mirrorLeft + scene.segmentWidth) + scene.halfSegment * i; }

std::vector<int> segmentsAt(const Scene& scene, double x)
{
    constexpr double rounding = 1e-9;
    const double offset = (x - pointXOf(scene, 1)) / scene.segmentWidth;
    const int left = static_cast<int>(std::floor(offset + rounding));
    if (std::abs(offset - left) < rounding)
        return {left};
    return {left, left + 1};
}

double phaseAngleOf(const Scene& scene, int i) { return pathLength(scene, pointXOf(scene, i)) * scene.phaseFactor; }

double spiralLink(const Scene& scene) { return scene.arrowLength * spiralScale * scene.spiralSize; }

double photonVectorBaseY(const Scene& scene) { return scene.rowsY + scene.arrowLength + 5; }

double timeAxisY(const Scene& scene) { return scene.rowsY + 200; }

namespace {

void line(DrawingSurface& surface, double x1, double y1, double x2, double y2)
{
    surface.line(single(x1), single(y1), single(x2), single(y2), darkGrey);
}

void dot(DrawingSurface& surface, double x, double y) { surface.circle(single(x), single(y), 2, darkGrey); }

void drawRays(DrawingSurface& surface, const Scene& scene, double pointX)
{
    line(surface, scene.sourceX, scene.sourceY, pointX, scene.mirrorY);
    line(surface, pointX, scene.mirrorY, scene.detectorX, scene.detectorY);
}

void drawPhotonVector(DrawingSurface& surface, const Scene& scene, double pointX, double phaseAngle)
{
    const double baseY = photonVectorBaseY(scene);
    surface.setPenWidth(2);
    dot(surface, pointX, baseY);
    line(surface, pointX, baseY, pointX + scene.arrowLength * std::cos(phaseAngle), baseY + scene.arrowLength * std::sin(phaseAngle));
}

// The axes are redrawn at every point with the same coordinates.
void drawTimeCurvePoint(DrawingSurface& surface, const Scene& scene, double pointX, double timeY)
{
    const double axisLeft = scene.mirrorLeft + scene.segmentWidth;
    const double axisY = timeAxisY(scene);
    surface.setPenWidth(1);
    line(surface, axisLeft, axisY, axisLeft + scene.halfSegment * (2 * scene.segmentCount), axisY);
    line(surface, axisLeft, scene.rowsY + 50, axisLeft, axisY);
    surface.setPenWidth(2);
    dot(surface, pointX, timeY);
}

// The time curve's dot for a path: higher for a shorter path.
double timeCurveY(const Scene& scene, double length) { return timeAxisY(scene) - length * timeScale(scene); }

// Lays the photon vector, scaled up, head to tail onto the spiral and moves the spiral's end.
void extendSpiral(DrawingSurface& surface, Scene& scene, double phaseAngle)
{
    const double link = spiralLink(scene);
    surface.setPenWidth(1);
    line(surface, scene.spiralX, scene.spiralY, scene.spiralX + link * std::cos(phaseAngle), scene.spiralY + link * std::sin(phaseAngle));
    scene.spiralX = scene.spiralX + link * std::cos(phaseAngle);
    scene.spiralY = scene.spiralY + link * std::sin(phaseAngle);
    scene.spiralEndsX += scene.spiralX;
    scene.spiralEndsY += scene.spiralY;
    ++scene.spiralLinks;
}

}  // namespace

// A segment scraped off keeps its time-curve dot, since its path still has a length, and
// nothing else.
void visitPoint(Scene& scene, DrawingSurface& surface, int i, bool reflects)
{
    const double pointX = pointXOf(scene, i);
    if (reflects)
        drawRays(surface, scene, pointX);
    const double length = pathLength(scene, pointX);
    const double phaseAngle = length * scene.phaseFactor;
    if (reflects)
        drawPhotonVector(surface, scene, pointX, phaseAngle);
    const double timeY = timeCurveY(scene, length);
    drawTimeCurvePoint(surface, scene, pointX, timeY);
    if (reflects) {
        extendSpiral(surface, scene, phaseAngle);
        updateLeastTime(scene, pointX, timeY, !scene.bestFound);
    }
}

TimeCurveDot timeCurveDot(const Scene& scene, int i)
{
    const double pointX = pointXOf(scene, i);
    return {pointX, timeCurveY(scene, pathLength(scene, pointX))};
}

double fittedTimeCurveHeight(const Scene& scene)
{
    // The photon vectors reach an arrow's length below their row, and their pen a pixel more.
    // Through a line the far ends' paths are the longest by far, and the curve keeps within its
    // axes, under its label, which stands at the axes' top left.
    const double highestDot = passesThrough(scene.kind) ? scene.rowsY + 50 + windowLabel("labCas").height + timeCurveDotReach
                                                        : photonVectorBaseY(scene) + scene.arrowLength + 1 + timeCurveDotReach;
    double longest = 0;
    for (int i = 1; i <= pointBound(scene); i += 2)
        longest = std::max(longest, pathLength(scene, pointXOf(scene, i)));
    const double share = (timeCurveY(scene, 0) - highestDot) / (longest * fullTimeScale(scene.measure));
    constexpr double hundredths = 100;
    return std::clamp(std::floor(share * hundredths) / hundredths, 0.0, 1.0);
}

int pointBound(const Scene& scene) { return static_cast<int>(2 * scene.segmentCount); }

void updateLeastTime(Scene& scene, double pointX, double timeY, bool isFirstPoint)
{
    // The first point wins outright even when its timeY lies below the start value, which paths
    // far from the mirror (distances of some 355000 pixels) reach.
    if (isFirstPoint || scene.bestTimeY < timeY) {
        scene.bestTimeY = timeY;
        scene.bestPointX = pointX;
        scene.bestFound = true;
    } else if (timeY == scene.bestTimeY) {
        scene.bestPointX = scene.bestPointX + scene.segmentWidth / 2;
    }
}

// The time is convex along a line with no lens on it, so a search that keeps the quicker third's
// side closes in on its one least point.
double leastTimeCrossingX(const Scene& scene)
{
    double low = std::min(scene.sourceX, scene.detectorX);
    double high = std::max(scene.sourceX, scene.detectorX);
    for (int step = 0; step < 200; ++step) {
        const double third = (high - low) / 3;
        if (pathLength(scene, low + third) < pathLength(scene, high - third))
            high -= third;
        else
            low += third;
    }
    return (low + high) / 2;
}

namespace {

// Two drawn paths can take all but the same time, the one beyond the crossing a hair quicker;
// the mark goes to the drawn path nearest the crossing, or between two as near.
void markNearestCrossing(Scene& scene)
{
    const double offset = (leastTimeCrossingX(scene) - pointXOf(scene, 1)) / scene.segmentWidth;
    const double last = scene.segmentCount - 1;
    const double left = std::clamp(std::floor(offset), 0.0, last);
    const double right = std::min(left + 1, last);
    const double share = std::clamp(offset - left, 0.0, 1.0);
    constexpr double halfway = 0.5;
    const auto timeYAt = [&](double point) { return timeCurveY(scene, pathLength(scene, pointXOf(scene, 2 * static_cast<int>(point) + 1))); };
    if (std::abs(share - halfway) < 1e-9 && right > left) {
        scene.bestPointX = pointXOf(scene, 2 * static_cast<int>(left) + 2);
        scene.bestTimeY = std::max(timeYAt(left), timeYAt(right));
        return;
    }
    const double nearest = share < halfway ? left : right;
    scene.bestPointX = pointXOf(scene, 2 * static_cast<int>(nearest) + 1);
    scene.bestTimeY = timeYAt(nearest);
}

}  // namespace

void findLeastTimeOfWholeMirror(Scene& scene)
{
    Scene whole = scene;
    whole.bestFound = false;
    for (int i = 1; i <= pointBound(scene); i += 2) {
        const double pointX = pointXOf(scene, i);
        updateLeastTime(whole, pointX, timeCurveY(scene, pathLength(scene, pointX)), !whole.bestFound);
    }
    scene.bestPointX = whole.bestPointX;
    scene.bestTimeY = whole.bestTimeY;
    if (passesThrough(scene.kind) && scene.lensTop == 0)
        markNearestCrossing(scene);
}

std::uint64_t pauseDecrements(const std::string& slowdownText)
{
    const double slowdown = settingNumber(slowdownSetting, slowdownText);
    const double count = slowdown * decrementsPerSlowdown;
    if (!std::isfinite(count))
        throw SettingsError(fillIn(translate("SettingNumber", "%1 setting holds \"%2\", whose pause is beyond the range of numbers"), {translate("SettingNumber", slowdownSetting), slowdownText}));
    if (count <= 0)
        return 0;
    // 2^64 itself is the first double the integer type cannot hold.
    constexpr double beyondLargest = 18446744073709551616.0;
    const double whole = std::round(count);
    return whole >= beyondLargest ? std::numeric_limits<std::uint64_t>::max() : static_cast<std::uint64_t>(whole);
}

}  // namespace quorvel

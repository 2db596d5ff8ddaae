#include "core/start/SceneSetup.h"

#include "core/draw/DrawingSurface.h"
#include "core/mirror/Mirror.h"
#include "core/start/PathSweep.h"
#include "core/text/SettingNumber.h"
#include "core/text/SettingsTexts.h"
#include "core/start/SinglePrecision.h"
#include "core/start/SpiralFit.h"
#include "core/text/Translation.h"
#include "core/layout/WindowLayout.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

// The band's row count is fixed; it is not derived from the canvas height.
constexpr int bandRows = 520;

double distance(const SettingsTexts& settings) { return settingNumber(QT_TRANSLATE_NOOP("SettingNumber", "distance (nPosun)"), settings.distanceText()); }
double frequency(const SettingsTexts& settings) { return settingNumber(QT_TRANSLATE_NOOP("SettingNumber", "frequency (nKmitocet)"), settings.frequencyText()); }

// Repaints the picture area bottom row first; this is the only erasing the program does.
void paintBand(DrawingSurface& surface, int rows)
{
    constexpr double canvasWidth = pictureSize.width;
    constexpr double canvasHeight = pictureSize.height;
    for (int i = 1; i <= rows; ++i) {
        const double y = canvasHeight - i;
        surface.line(5, single(y), single(canvasWidth - 5), single(y), lightGrey);
    }
}

void drawSourceAndDetector(DrawingSurface& surface, const Scene& scene)
{
    surface.setPenWidth(2);
    surface.setFillColour(SystemColour::CaptionText);
    surface.setFillStyle(FillStyle::Solid);
    surface.circle(single(scene.sourceX), single(scene.sourceY), 5, darkGrey);
    surface.setFillColour(SystemColour::ButtonFace);
    surface.setFillStyle(FillStyle::Solid);
    surface.circle(single(scene.detectorX), single(scene.detectorY), 5, darkGrey);
}

// Thirty segments, each with a dot on its left end; the mirror's right end gets none. A segment
// scraped off is a thin light line, gone at a glance but still showing where it was.
void drawMirror(DrawingSurface& surface, const Scene& scene, const Mirror& mirror)
{
    surface.setPenWidth(3);
    for (int i = 1; i <= static_cast<int>(scene.segmentCount); ++i) {
        const double left = scene.mirrorLeft + i * scene.segmentWidth;
        const double right = scene.mirrorLeft + (i + 1) * scene.segmentWidth;
        if (mirror.on(i - 1)) {
            surface.line(single(left), single(scene.mirrorY), single(right), single(scene.mirrorY), darkGrey);
            surface.circle(single(left), single(scene.mirrorY), 1, darkGrey);
        } else {
            surface.setPenWidth(1);
            surface.line(single(left + 2), single(scene.mirrorY), single(right - 2), single(scene.mirrorY), scrapedGrey);
            surface.setPenWidth(3);
        }
    }
}

// The lens's drawn half thickness at x: its delay there, scaled to the drawn thickness.
double lensHalfThickness(const Scene& scene, double x, double thickest) { return std::max(0.0, lensDelay(scene, x)) / thickest * lensDrawnThickness / 2; }

void drawLens(DrawingSurface& surface, const Scene& scene)
{
    const double left = scene.mirrorLeft + scene.segmentWidth;
    const double right = left + scene.segmentWidth * scene.segmentCount;
    const double thickest = lensDelay(scene, scene.focusX);
    surface.setPenWidth(2);
    double x = left;
    double half = lensHalfThickness(scene, x, thickest);
    for (int i = 1; i <= pointBound(scene) + 1; i += 2) {
        const double nextX = i <= pointBound(scene) ? pointXOf(scene, i) : right;
        const double nextHalf = lensHalfThickness(scene, nextX, thickest);
        surface.line(single(x), single(scene.mirrorY - half), single(nextX), single(scene.mirrorY - nextHalf), glassTeal);
        surface.line(single(x), single(scene.mirrorY + half), single(nextX), single(scene.mirrorY + nextHalf), glassTeal);
        x = nextX;
        half = nextHalf;
    }
}

// The line the paths pass through: a water or glass surface, a thin line of points with or
// without its lens, or a screen whose gap alone lets paths through.
void drawThroughLine(DrawingSurface& surface, const Scene& scene, const Mirror& open)
{
    const SceneDescription& described = describedScene(scene.kind);
    const bool surfaceLine = described.slowness > 1;
    const bool screen = described.screen;
    const Colour colour = described.lineColour;
    for (int i = 1; i <= static_cast<int>(scene.segmentCount); ++i) {
        const double left = scene.mirrorLeft + i * scene.segmentWidth;
        const double right = left + scene.segmentWidth;
        const bool drawn = surfaceLine || !screen || !open.on(i - 1);
        surface.setPenWidth(surfaceLine || screen ? 3 : 1);
        if (drawn)
            surface.line(single(left), single(scene.mirrorY), single(right), single(scene.mirrorY), colour);
        surface.circle(single(left + scene.halfSegment), single(scene.mirrorY), 1, darkGrey);
    }
    if (described.lens)
        drawLens(surface, scene);
}

}  // namespace

namespace {

// Where the paths pass through the line: the source above it, the detector as far below, the
// photon vectors and the time curve under the detector, and the spiral above the line.
constexpr double throughLineY = 250;

void placeThroughLine(Scene& scene, double distance, double mirrorMiddle)
{
    const SceneDescription& described = describedScene(scene.kind);
    scene.mirrorY = throughLineY;
    scene.sourceX = mirrorMiddle - described.sourceLeft;
    scene.sourceY = throughLineY - described.pairHeight;
    scene.detectorX = mirrorMiddle - distance;
    scene.detectorY = throughLineY + described.pairHeight;
    scene.rowsY = scene.detectorY + 10;
    scene.slowness = described.slowness;
    scene.spiralX = mirrorMiddle + 190;
    scene.spiralY = throughLineY - 95;
    if (!described.lens)
        return;
    scene.focusX = mirrorMiddle;
    scene.focusY = scene.detectorY;
    // The lens stays where it is as the detector moves, so its longest path is worked out once:
    // the graph sets the scene up at each of its 661 places.
    static const double lensTop = [&scene] {
        double top = 0;
        for (int i = 1; i <= pointBound(scene); i += 2) {
            const double x = pointXOf(scene, i);
            top = std::max(top, pieceLength(x - scene.sourceX, scene.mirrorY - scene.sourceY) + pieceLength(scene.focusX - x, scene.focusY - scene.mirrorY));
        }
        return top;
    }();
    scene.lensTop = lensTop;
}

}  // namespace

Scene sceneGeometry(double distance, double frequency, Layout layout, PathMeasure measure, SceneKind kind)
{
    Scene scene;
    scene.canvasWidth = pictureSize.width;
    scene.canvasHeight = pictureSize.height;
    scene.phaseFactor = 1.57041 / 100;
    scene.phaseFactor = (scene.phaseFactor * 3) * frequency;
    scene.kind = kind;
    scene.mirrorLeft = 20;
    scene.mirrorY = scene.canvasHeight / 2;
    scene.arrowLength = 10;
    scene.segmentWidth = 2 * scene.arrowLength + 4;
    scene.halfSegment = scene.segmentWidth / 2;
    scene.segmentCount = 30;
    // Light's real paths through a line are the pieces' real lengths.
    scene.measure = passesThrough(kind) ? PathMeasure::TwoLegs : measure;
    const double mirrorMiddle = (scene.mirrorLeft + scene.segmentWidth) + (scene.segmentWidth * scene.segmentCount) / 2;
    if (passesThrough(kind)) {
        placeThroughLine(scene, distance, mirrorMiddle);
    } else {
        scene.rowsY = scene.mirrorY;
        scene.sourceX = mirrorMiddle - 50 - distance;
        scene.sourceY = scene.mirrorY - 50;
        scene.detectorX = mirrorMiddle + 50 - distance;
        scene.detectorY = scene.sourceY;
        scene.spiralX = scene.detectorX + 140;
        if (layout == Layout::Explore)
            scene.spiralX = std::min(scene.spiralX, mirrorMiddle + 50 + 140);
        scene.spiralY = scene.detectorY - 50;
    }
    scene.spiralStartX = scene.spiralX;
    scene.spiralStartY = scene.spiralY;
    if (layout == Layout::Explore)
        scene.timeCurveHeight = fittedTimeCurveHeight(scene);
    scene.bestTimeY = -100000;
    return scene;
}

std::optional<int> mirrorSegmentAt(float x, float y)
{
    constexpr double reach = 8;
    const Scene scene = sceneGeometry(0, 1);
    const double offset = (x - (scene.mirrorLeft + scene.segmentWidth)) / scene.segmentWidth;
    if (!(std::abs(y - scene.mirrorY) <= reach) || !(offset >= 0 && offset < scene.segmentCount))
        return std::nullopt;
    return static_cast<int>(offset);
}

// The band is painted before the texts are read, so a bad text leaves it on its own.
Scene setUpScene(DrawingSurface& surface, const SettingsTexts& settings, const Mirror& mirror, DrawingSurface& within, Layout layout, PathMeasure measure,
                 SceneKind kind)
{
    surface.resetToPixels();
    surface.setPenWidth(1);
    paintBand(surface, bandRows);
    const double frequencyValue = frequency(settings);
    Scene scene = sceneGeometry(distance(settings), frequencyValue, layout, measure, kind);
    placeSpiral(scene, mirror, layout);
    drawSourceAndDetector(within, scene);
    if (passesThrough(scene.kind))
        drawThroughLine(within, scene, mirror);
    else
        drawMirror(within, scene, mirror);
    within.circle(single(scene.spiralX), single(scene.spiralY), 2, darkGrey);
    within.setPenWidth(1);
    return scene;
}

}  // namespace quorvel

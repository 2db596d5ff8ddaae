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

}  // namespace

Scene sceneGeometry(double distance, double frequency, Layout layout, PathMeasure measure)
{
    Scene scene;
    scene.canvasWidth = pictureSize.width;
    scene.canvasHeight = pictureSize.height;
    scene.phaseFactor = 1.57041 / 100;
    scene.phaseFactor = (scene.phaseFactor * 3) * frequency;

    scene.mirrorLeft = 20;
    scene.mirrorY = scene.canvasHeight / 2;
    scene.arrowLength = 10;
    scene.segmentWidth = 2 * scene.arrowLength + 4;
    scene.halfSegment = scene.segmentWidth / 2;
    scene.segmentCount = 30;
    scene.measure = measure;

    const double mirrorMiddle = (scene.mirrorLeft + scene.segmentWidth) + (scene.segmentWidth * scene.segmentCount) / 2;
    scene.sourceX = mirrorMiddle - 50 - distance;
    scene.sourceY = scene.mirrorY - 50;
    scene.detectorX = mirrorMiddle + 50 - distance;
    scene.detectorY = scene.sourceY;

    scene.spiralX = scene.detectorX + 140;
    if (layout == Layout::Explore)
        scene.spiralX = std::min(scene.spiralX, mirrorMiddle + 50 + 140);
    scene.spiralY = scene.detectorY - 50;
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
Scene setUpScene(DrawingSurface& surface, const SettingsTexts& settings, const Mirror& mirror, DrawingSurface& within, Layout layout, PathMeasure measure)
{
    surface.resetToPixels();
    surface.setPenWidth(1);
    paintBand(surface, bandRows);
    const double frequencyValue = frequency(settings);
    Scene scene = sceneGeometry(distance(settings), frequencyValue, layout, measure);
    scene.spiralSize = spiralSize(scene, mirror, layout);
    drawSourceAndDetector(within, scene);
    drawMirror(within, scene, mirror);
    within.circle(single(scene.spiralX), single(scene.spiralY), 2, darkGrey);
    within.setPenWidth(1);
    return scene;
}

}  // namespace quorvel

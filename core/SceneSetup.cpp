#include "core/SceneSetup.h"

#include "core/DrawingSurface.h"
#include "core/SettingNumber.h"
#include "core/SettingsTexts.h"
#include "core/SinglePrecision.h"

namespace quorvel {

namespace {

// The band's row count is fixed; it is not derived from the canvas height.
constexpr int bandRows = 520;

double distance(const SettingsTexts& settings) { return settingNumber("distance (nPosun)", settings.distanceText()); }
double frequency(const SettingsTexts& settings) { return settingNumber("frequency (nKmitocet)", settings.frequencyText()); }

// Repaints the picture area bottom row first; this is the only erasing the program does.
void paintBand(DrawingSurface& surface, const Scene& scene)
{
    for (int i = 1; i <= bandRows; ++i) {
        const double y = scene.canvasHeight - i;
        surface.line(5, single(y), single(scene.canvasWidth - 5), single(y), lightGrey);
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

// Thirty segments, each with a dot on its left end; the mirror's right end gets none.
void drawMirror(DrawingSurface& surface, const Scene& scene)
{
    surface.setPenWidth(3);
    for (int i = 1; i <= static_cast<int>(scene.segmentCount); ++i) {
        const double left = scene.mirrorLeft + i * scene.segmentWidth;
        const double right = scene.mirrorLeft + (i + 1) * scene.segmentWidth;
        surface.line(single(left), single(scene.mirrorY), single(right), single(scene.mirrorY), darkGrey);
        surface.circle(single(left), single(scene.mirrorY), 1, darkGrey);
    }
}

}  // namespace

Scene setUpScene(DrawingSurface& surface, const SettingsTexts& settings)
{
    Scene scene;
    surface.resetToPixels();
    surface.setPenWidth(1);
    scene.canvasWidth = 800;
    scene.canvasHeight = 581;
    paintBand(surface, scene);

    scene.phaseFactor = 1.57041 / 100;
    scene.phaseFactor = (scene.phaseFactor * 3) * frequency(settings);

    scene.mirrorLeft = 20;
    scene.mirrorY = scene.canvasHeight / 2;
    scene.arrowLength = 10;
    scene.segmentWidth = 2 * scene.arrowLength + 4;
    scene.halfSegment = scene.segmentWidth / 2;
    scene.segmentCount = 30;

    const double mirrorMiddle = (scene.mirrorLeft + scene.segmentWidth) + (scene.segmentWidth * scene.segmentCount) / 2;
    scene.sourceX = mirrorMiddle - 50 - distance(settings);
    scene.sourceY = scene.mirrorY - 50;
    scene.detectorX = mirrorMiddle + 50 - distance(settings);
    scene.detectorY = scene.sourceY;

    drawSourceAndDetector(surface, scene);
    drawMirror(surface, scene);

    scene.spiralX = scene.detectorX + 140;
    scene.spiralY = scene.detectorY - 50;
    scene.spiralStartX = scene.spiralX;
    scene.spiralStartY = scene.spiralY;
    surface.circle(single(scene.spiralX), single(scene.spiralY), 2, darkGrey);
    surface.setPenWidth(1);
    scene.bestTimeY = -100000;
    return scene;
}

}  // namespace quorvel

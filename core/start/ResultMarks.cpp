#include "core/start/ResultMarks.h"

#include "core/start/BandClip.h"
#include "core/draw/DrawingSurface.h"
#include "core/start/PathSweep.h"
#include "core/layout/ResultLabels.h"
#include "core/start/Scene.h"
#include "core/text/SettingsTexts.h"
#include "core/start/SinglePrecision.h"
#include "core/layout/WindowLabels.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace quorvel {

namespace {

struct Position {
    double left;
    double top;
};

void place(ResultLabels& labels, ResultLabel label, Position position)
{
    labels.setLeft(label, single(position.left));
    labels.setTop(label, single(position.top));
}

// labSoucet sits by the spiral, where the spiral's shape leaves room. The settings are compared
// as texts: a distance written "00" matches no row and leaves the label where it was.
std::optional<Position> sumLabelPosition(const Scene& scene, const SettingsTexts& settings)
{
    const std::string distance = settings.distanceText();
    if (distance == "0")
        return Position{scene.spiralStartX + 20, scene.spiralStartY};
    if (distance != "250")
        return std::nullopt;
    const std::string frequency = settings.frequencyText();
    if (frequency == "1")
        return Position{scene.spiralStartX + 100, scene.spiralStartY};
    if (frequency == "2")
        return Position{scene.spiralStartX, scene.spiralStartY - 90};
    return std::nullopt;
}

constexpr double sumLabelWidth = 113;
constexpr double sumLabelHeight = 57;

// Whether the sum label's box at a place would cover part of the sum vector, whose pen reaches a
// pixel from its line.
bool coversSum(const Scene& scene, Position place)
{
    constexpr double reach = 1;
    const BandInterior box{single(place.left - reach), single(place.top - reach), single(place.left + sumLabelWidth + reach),
                           single(place.top + sumLabelHeight + reach)};
    return lineWithin(box, single(scene.spiralStartX), single(scene.spiralStartY), single(scene.spiralX), single(scene.spiralY)).has_value();
}

// Where no row gives the sum label a place, it stands beside the sum vector's middle, on the side
// away from the spiral's bulge, so that it covers neither; on the other side if that is what keeps
// the sum vector in sight, or else as near the vector as either side leaves it whole.
Position besideSum(const Scene& scene)
{
    const double middleX = (scene.spiralStartX + scene.spiralX) / 2;
    const double middleY = (scene.spiralStartY + scene.spiralY) / 2;
    const double links = scene.spiralLinks + 1;
    const double bulgeX = (scene.spiralStartX + scene.spiralEndsX) / links - middleX;
    const double bulgeY = (scene.spiralStartY + scene.spiralEndsY) / links - middleY;
    double normalX = scene.spiralStartY - scene.spiralY;
    double normalY = scene.spiralX - scene.spiralStartX;
    if (normalX * bulgeX + normalY * bulgeY > 0) {
        normalX = -normalX;
        normalY = -normalY;
    }
    const double length = std::hypot(normalX, normalY);
    const double sideX = length > 0 ? normalX / length : 1;
    const double sideY = length > 0 ? normalY / length : 0;
    // Within the band, clear of the window's buttons above it and of the mirror.
    const auto placed = [&](double away) {
        return Position{std::clamp(middleX + away * sideX - sumLabelWidth / 2, 5.0, scene.canvasWidth - 5 - sumLabelWidth),
                        std::clamp(middleY + away * sideY - sumLabelHeight / 2, static_cast<double>(bandInterior.top), scene.mirrorY - 31 - sumLabelHeight)};
    };
    for (double away = 60; away < scene.canvasWidth; away += 10) {
        for (const double offset : {away, -away}) {
            if (!coversSum(scene, placed(offset)))
                return placed(offset);
        }
    }
    return placed(60);
}

// Whether a label's box at a place reaches within some pixels of a point.
bool nearBox(Position place, const WindowLabel& label, double x, double y, double reach)
{
    return x + reach > place.left && x - reach < place.left + label.width && y + reach > place.top && y - reach < place.top + label.height;
}

// Whether the photon vectors' label at a place would hide a dot of the time curve.
bool hidesTimeCurve(const Scene& scene, Position place)
{
    const WindowLabel& label = windowLabel("labRadius");
    for (int i = 1; i <= pointBound(scene); i += 2) {
        const TimeCurveDot dot = timeCurveDot(scene, i);
        if (nearBox(place, label, dot.x, dot.y, timeCurveDotReach))
            return true;
    }
    return false;
}

// The time curve rises towards the photon vectors' label as the pair moves far to the left. In
// the explore layout the label keeps the classic window's place unless it would hide part of the
// curve there; then it stands at the nearest place along its row that hides nothing of it (some
// 120 pixels to the left at most, still clear of the time curve's label), or where it was if
// there is none.
Position besidePhotonVectors(const Scene& scene, Position classic)
{
    const double widest = scene.canvasWidth - 5 - windowLabel("labRadius").width;
    for (int step = 0; step <= scene.canvasWidth; ++step) {
        for (const double left : {classic.left - step, classic.left + step}) {
            if (left >= 5 && left <= widest && !hidesTimeCurve(scene, {left, classic.top}))
                return {left, classic.top};
        }
    }
    return classic;
}

// Keeps a label that follows the source or the detector within the picture's width.
Position within(const Scene& scene, Position position)
{
    constexpr double labelWidth = 64;
    return {std::clamp(position.left, 0.0, scene.canvasWidth - labelWidth), position.top};
}

}  // namespace

// A mirror scraped bare has no path of least time and a sum of no length: only the source and
// the detector are filled again.
void drawResultMarks(const Scene& scene, DrawingSurface& surface)
{
    const float bestX = single(scene.bestPointX);
    const float mirrorY = single(scene.mirrorY);
    if (scene.bestFound) {
        surface.line(bestX, single(scene.bestTimeY), bestX, 100, darkGrey);
        surface.setPenWidth(2);
        surface.line(bestX, mirrorY, single(scene.detectorX), single(scene.detectorY), darkGrey);
        surface.line(bestX, mirrorY, single(scene.sourceX), single(scene.sourceY), darkGrey);
        surface.line(single(scene.spiralStartX), single(scene.spiralStartY), single(scene.spiralX), single(scene.spiralY), green);
    }
    surface.setFillColour(SystemColour::CaptionText);
    surface.setFillStyle(FillStyle::Solid);
    surface.circle(single(scene.detectorX), single(scene.detectorY), 5, darkGrey);
    surface.circle(single(scene.sourceX), single(scene.sourceY), 5, std::nullopt);  // window's foreground outline
}

void placeResultLabels(const Scene& scene, const SettingsTexts& settings, ResultLabels& labels, Layout layout)
{
    const bool everywhere = layout == Layout::Explore;
    const Position source{scene.sourceX - 60, scene.sourceY - 30};
    const Position detector{scene.detectorX - 20, scene.sourceY - 30};
    const Position photonVectors{scene.canvasWidth - 380, scene.mirrorY + 30};
    place(labels, ResultLabel::Radius, everywhere ? besidePhotonVectors(scene, photonVectors) : photonVectors);
    place(labels, ResultLabel::Cas, {scene.segmentWidth + scene.mirrorLeft + 10, scene.mirrorY + 50});
    place(labels, ResultLabel::Zdroj, everywhere ? within(scene, source) : source);
    place(labels, ResultLabel::Detektor, everywhere ? within(scene, detector) : detector);
    const auto tablePosition = sumLabelPosition(scene, settings);
    if (tablePosition && !(everywhere && coversSum(scene, *tablePosition)))
        place(labels, ResultLabel::Soucet, *tablePosition);
    else if (everywhere)
        place(labels, ResultLabel::Soucet, besideSum(scene));
    for (const auto label : {ResultLabel::Radius, ResultLabel::Cas, ResultLabel::Zdroj, ResultLabel::Detektor, ResultLabel::Soucet})
        labels.show(label);
}

}  // namespace quorvel

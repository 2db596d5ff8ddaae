#include "core/start/ResultMarks.h"

#include "core/start/BandClip.h"
#include "core/draw/DrawingSurface.h"
#include "core/start/PathSweep.h"
#include "core/layout/ResultLabels.h"
#include "core/start/Scene.h"
#include "core/text/SettingsTexts.h"
#include "core/start/SinglePrecision.h"
#include "core/start/SpiralFit.h"
#include "core/layout/WindowLabels.h"
#include "core/layout/WindowLayout.h"
#include "core/mirror/Mirror.h"

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <cmath>
#include <optional>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

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

// A box a label takes, or a mark, in the picture's pixels.
struct Box {
    double left;
    double top;
    double right;
    double bottom;

    bool overlaps(const Box& other) const { return left < other.right && other.left < right && top < other.bottom && other.top < bottom; }
};

// A box grown by a pen's reach, as lines are clipped against it.
BandInterior grown(const Box& box, double reach) { return {single(box.left - reach), single(box.top - reach), single(box.right + reach), single(box.bottom + reach)}; }

Box labelBox(Position place, double width, double height) { return {place.left, place.top, place.left + width, place.top + height}; }

Box sumLabelBox(Position place) { return labelBox(place, sumLabelWidth, sumLabelHeight); }

// The window's controls a person sees over the band as the results show: the frames of options,
// the buttons, the scroll bar and the headings. A label over them hid an option.
std::vector<Box> controlsInSight()
{
    std::vector<Box> boxes;
    for (const WindowControl& control : windowControls) {
        if (inSightOverPicture(control))
            boxes.push_back(labelBox({double(control.box.left), double(control.box.top)}, control.box.width, control.box.height));
    }
    return boxes;
}

// Whether a box would cover part of the sum vector, whose pen reaches a pixel from its line.
bool coversSum(const Scene& scene, const Box& box)
{
    constexpr double reach = 1;
    const BandInterior within = grown(box, reach);
    return lineWithin(within, single(scene.spiralStartX), single(scene.spiralStartY), single(scene.spiralX), single(scene.spiralY)).has_value();
}

// Whether the path through point index i is drawn: a segment scraped off, or a point the screen
// stops, draws only its time-curve dot.
bool drawn(const Mirror& mirror, int i) { return mirror.on(segmentOf(i)); }

// How many drawn paths' legs between the line and one end, the source or the detector, a box
// would hide.
int legsHidden(const Scene& scene, const Mirror& mirror, const Box& box, double endX, double endY)
{
    constexpr double reach = 1;  // a leg's pen
    const BandInterior within = grown(box, reach);
    int hidden = 0;
    for (int i = 1; i <= pointBound(scene); i += 2)
        hidden += drawn(mirror, i) && lineWithin(within, single(pointXOf(scene, i)), single(scene.mirrorY), single(endX), single(endY)).has_value();
    return hidden;
}

// How many drawn photon vectors a box would hide any part of, each turned any way about its base.
int photonVectorsHidden(const Scene& scene, const Mirror& mirror, const Box& box)
{
    const double reach = scene.arrowLength + 2;  // the arrow and its pen, or its base's dot
    const double baseY = photonVectorBaseY(scene);
    int hidden = 0;
    for (int i = 1; i <= pointBound(scene); i += 2)
        hidden += drawn(mirror, i) && box.overlaps({pointXOf(scene, i) - reach, baseY - reach, pointXOf(scene, i) + reach, baseY + reach});
    return hidden;
}

// The spiral's links as drawn, worked out once for every place a label may take.
class DrawnSpiral {
public:
    DrawnSpiral(const Scene& scene, const Mirror& mirror) : scene_(scene), ends_(spiralLinkEnds(scene, mirror, spiralLink(scene))) {}

    // Whether a box would hide any part of the links, whose pen reaches a pixel from them.
    bool hiddenBy(const Box& box) const
    {
        constexpr double reach = 1;
        const BandInterior within = grown(box, reach);
        return anyLink(scene_.spiralStartX, scene_.spiralStartY, ends_, 1, [&](double x1, double y1, double x2, double y2) {
            return lineWithin(within, single(x1), single(y1), single(x2), single(y2)).has_value();
        });
    }

private:
    const Scene& scene_;
    std::vector<SpiralOffset> ends_;
};

// Whether a box would cut the least-time mark's upright line, which rises from the time curve to
// the top of the picture, or through a line to the line.
bool cutsLeastTimeLine(const Scene& scene, const Box& box)
{
    constexpr double reach = 1;  // the mark's pen
    const double top = passesThrough(scene.kind) ? scene.mirrorY : 100;
    return scene.bestFound && box.left - reach < scene.bestPointX && scene.bestPointX < box.right + reach && box.top < scene.bestTimeY && top < box.bottom;
}

// Whether the sum label at a place leaves the sum vector, the least-time mark and, unless told
// otherwise, the spiral in sight and stays off the marks, labels and controls it is to keep clear
// of; through a line, where the spiral stands above the source's legs, off those too.
enum class Spiral : bool { InSight, MayHide };

bool clearFor(const Scene& scene, const Mirror& mirror, const DrawnSpiral& drawnSpiral, Position place, const std::vector<Box>& keptClear, Spiral spiral = Spiral::InSight)
{
    const Box box = sumLabelBox(place);
    return !coversSum(scene, box) && !cutsLeastTimeLine(scene, box) && !(spiral == Spiral::InSight && drawnSpiral.hiddenBy(box)) && std::none_of(keptClear.begin(), keptClear.end(), [&](const Box& kept) { return box.overlaps(kept); })
           && !(passesThrough(scene.kind) && legsHidden(scene, mirror, box, scene.sourceX, scene.sourceY) > 0);
}

// Where no row gives the sum label a place, it stands beside the sum vector's middle, on the side
// away from the spiral's bulge, so that it covers neither; on the other side if that is what keeps
// the sum vector in sight, or else as near the vector as either side leaves it whole.
Position besideSum(const Scene& scene, const Mirror& mirror, const DrawnSpiral& drawnSpiral, const std::vector<Box>& keptClear)
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
    // Within the band, clear of the window's buttons above it and of the mirror; moved along the
    // sum vector too where beside its middle is crowded.
    const auto placed = [&](double away, double along = 0) {
        return Position{std::clamp(middleX + away * sideX + along * sideY - sumLabelWidth / 2, 5.0, scene.canvasWidth - 5 - sumLabelWidth),
                        std::clamp(middleY + away * sideY - along * sideX - sumLabelHeight / 2, static_cast<double>(bandInterior.top), scene.mirrorY - 31 - sumLabelHeight)};
    };
    // The nearest place, outwards from the vector, at each offset along it in turn.
    const auto nearest = [&](std::initializer_list<double> alongs, auto&& fits) -> std::optional<Position> {
        for (const double along : alongs) {
            for (double away = 60; away < scene.canvasWidth; away += 10) {
                for (const double offset : {away, -away}) {
                    if (fits(placed(offset, along)))
                        return placed(offset, along);
                }
            }
        }
        return std::nullopt;
    };
    for (const Spiral spiral : {Spiral::InSight, Spiral::MayHide}) {
        if (const auto clear = nearest({0, 60, -60, 120, -120, 180, -180, 240, -240}, [&](Position place) { return clearFor(scene, mirror, drawnSpiral, place, keptClear, spiral); }))
            return *clear;
    }
    // Crowded: the sum vector in sight comes first.
    if (const auto inSight = nearest({0}, [&](Position place) { return !coversSum(scene, sumLabelBox(place)); }))
        return *inSight;
    return placed(60);
}

// Whether a label's box at a place reaches within some pixels of a point.
bool nearBox(Position place, const WindowLabel& label, double x, double y, double reach)
{
    return x + reach > place.left && x - reach < place.left + label.width && y + reach > place.top && y - reach < place.top + label.height;
}

// Whether a label at a place would hide a dot of the time curve.
bool hidesTimeCurve(const Scene& scene, std::string_view name, Position place)
{
    const WindowLabel& label = windowLabel(name);
    for (int i = 1; i <= pointBound(scene); i += 2) {
        const TimeCurveDot dot = timeCurveDot(scene, i);
        if (nearBox(place, label, dot.x, dot.y, timeCurveDotReach))
            return true;
    }
    return false;
}

// The time curve rises towards the photon vectors' label as the pair moves far to the left. In
// the explore layout the label keeps the classic window's place unless it would hide part of the
// curve there or cut the least-time mark; then it stands at the nearest place along its row that
// hides nothing of either (some 120 pixels to the left at most, still clear of the time curve's
// label), or where it was if there is none.
Position besidePhotonVectors(const Scene& scene, Position classic)
{
    const WindowLabel& label = windowLabel("labRadius");
    const double widest = scene.canvasWidth - 5 - label.width;
    for (int step = 0; step <= scene.canvasWidth; ++step) {
        for (const double left : {classic.left - step, classic.left + step}) {
            if (left >= 5 && left <= widest && !hidesTimeCurve(scene, "labRadius", {left, classic.top}) && !cutsLeastTimeLine(scene, labelBox({left, classic.top}, label.width, label.height)))
                return {left, classic.top};
        }
    }
    return classic;
}

// The time curve's label names its upright axis from the axis's top. In the explore layout the
// curve rises into it with the pair far to one side; then it moves down the axis to the nearest
// place that hides no dot, or stays where it was if there is none.
Position besideTimeAxis(const Scene& scene, Position classic)
{
    const double lowest = timeAxisY(scene) - windowLabel("labCas").height;
    for (double top = classic.top; top <= lowest; ++top) {
        if (!hidesTimeCurve(scene, "labCas", {classic.left, top}))
            return {classic.left, top};
    }
    return classic;
}

// Below a line the detector's label stands beside it, on the side fewer of the paths' last legs
// come in from: a label over them made the paths seem to meet beside the detector, not at it.
Position besideDetector(const Scene& scene, const Mirror& mirror)
{
    const WindowLabel& label = windowLabel("labDetektor");
    const double top = scene.detectorY - label.height / 2;
    const Position right{scene.detectorX + 9, top};
    const Position left{scene.detectorX - 9 - label.width, top};
    const auto hides = [&](Position place) { return legsHidden(scene, mirror, labelBox(place, label.width, label.height), scene.detectorX, scene.detectorY); };
    return hides(left) < hides(right) ? left : right;
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
void drawResultMarks(const Scene& scene, DrawingSurface& surface, bool leastTimePathPasses)
{
    const float bestX = single(scene.bestPointX);
    const float mirrorY = single(scene.mirrorY);
    if (scene.bestFound) {
        // Through a line the mark rises from the time curve to the line, where the path crosses,
        // clear of the spiral above it.
        surface.line(bestX, single(scene.bestTimeY), bestX, passesThrough(scene.kind) ? mirrorY : 100, darkGrey);
        surface.setPenWidth(2);
        if (leastTimePathPasses) {
            surface.line(bestX, mirrorY, single(scene.detectorX), single(scene.detectorY), darkGrey);
            surface.line(bestX, mirrorY, single(scene.sourceX), single(scene.sourceY), darkGrey);
        }
        surface.line(single(scene.spiralStartX), single(scene.spiralStartY), single(scene.spiralX), single(scene.spiralY), green);
    }
    surface.setFillColour(SystemColour::CaptionText);
    surface.setFillStyle(FillStyle::Solid);
    surface.circle(single(scene.detectorX), single(scene.detectorY), 5, darkGrey);
    surface.circle(single(scene.sourceX), single(scene.sourceY), 5, std::nullopt);  // window's foreground outline
}

// In the explore layout the source's and the detector's labels go below or beside their marks
// where above they would cover the sum vector, and the sum label keeps clear of both marks, both
// labels and the window's controls.
void placeResultLabels(const Scene& scene, const Mirror& mirror, const SettingsTexts& settings, ResultLabels& labels, Layout layout)
{
    const bool everywhere = layout == Layout::Explore;
    Position source{scene.sourceX - 60, scene.sourceY - 30};
    Position detector = passesThrough(scene.kind) ? besideDetector(scene, mirror) : Position{scene.detectorX - 20, scene.sourceY - 30};
    const Position photonVectors{scene.canvasWidth - 380, scene.rowsY + 30};
    place(labels, ResultLabel::Radius, everywhere ? besidePhotonVectors(scene, photonVectors) : photonVectors);
    const Position timeAxis{scene.segmentWidth + scene.mirrorLeft + 10, scene.rowsY + 50};
    place(labels, ResultLabel::Cas, everywhere ? besideTimeAxis(scene, timeAxis) : timeAxis);
    std::vector<Box> keptClear;
    const DrawnSpiral spiral(scene, mirror);
    if (everywhere) {
        keptClear = controlsInSight();
        // The marks' circles; the detector's label above its mark reaches down to the circle's edge.
        keptClear.push_back({scene.sourceX - 5, scene.sourceY - 5, scene.sourceX + 5, scene.sourceY + 5});
        keptClear.push_back({scene.detectorX - 5, scene.detectorY - 5, scene.detectorX + 5, scene.detectorY + 5});
        const auto besideMark = [&](Position above, std::string_view name, double markX, double markY) {
            const WindowLabel& label = windowLabel(name);
            const Position places[] = {above, {above.left, markY + 8}, {markX + 9, markY - label.height / 2}, {markX - 9 - label.width, markY - label.height / 2},
                                       {markX + 9, above.top}, {markX - 9 - label.width, above.top}, {markX + 9, markY + 8}, {markX - 9 - label.width, markY + 8}};
            // Of the places that leave the sum vector in sight, the first that keeps off the
            // window's controls, the marks and the label placed before it, then off the spiral's
            // links, then hides the fewest photon vectors, then the fewest paths' legs and
            // least-time mark, and then the fewest legs to its own mark: a label over the legs
            // made them seem to end at it.
            Position placed = within(scene, above);
            std::tuple fewest{true, true, std::numeric_limits<int>::max(), 0, 0};
            for (const Position& candidate : places) {
                const Box box = labelBox(within(scene, candidate), label.width, label.height);
                const bool crowds = std::any_of(keptClear.begin(), keptClear.end(), [&box](const Box& other) { return box.overlaps(other); });
                const int legs = legsHidden(scene, mirror, box, scene.sourceX, scene.sourceY) + legsHidden(scene, mirror, box, scene.detectorX, scene.detectorY);
                const int own = legsHidden(scene, mirror, box, markX, markY);
                const std::tuple hidden{crowds, spiral.hiddenBy(box), photonVectorsHidden(scene, mirror, box), legs + cutsLeastTimeLine(scene, box), own};
                if (!coversSum(scene, box) && hidden < fewest) {
                    placed = within(scene, candidate);
                    fewest = hidden;
                }
            }
            keptClear.push_back(labelBox(placed, label.width, label.height));
            return placed;
        };
        source = besideMark(source, "labZdroj", scene.sourceX, scene.sourceY);
        detector = besideMark(detector, "labDetektor", scene.detectorX, scene.detectorY);
        // The sum label keeps a little further off the marks.
        keptClear.push_back({scene.sourceX - 7, scene.sourceY - 7, scene.sourceX + 7, scene.sourceY + 7});
        keptClear.push_back({scene.detectorX - 7, scene.detectorY - 7, scene.detectorX + 7, scene.detectorY + 7});
    }
    place(labels, ResultLabel::Zdroj, source);
    place(labels, ResultLabel::Detektor, detector);
    // The table's places suit the mirror's spirals; through a line the spiral stands elsewhere.
    const auto tablePosition = passesThrough(scene.kind) ? std::nullopt : sumLabelPosition(scene, settings);
    if (tablePosition && !(everywhere && !clearFor(scene, mirror, spiral, *tablePosition, keptClear)))
        place(labels, ResultLabel::Soucet, *tablePosition);
    else if (everywhere)
        place(labels, ResultLabel::Soucet, besideSum(scene, mirror, spiral, keptClear));
    for (const auto label : {ResultLabel::Radius, ResultLabel::Cas, ResultLabel::Zdroj, ResultLabel::Detektor, ResultLabel::Soucet})
        labels.show(label);
}

}  // namespace quorvel

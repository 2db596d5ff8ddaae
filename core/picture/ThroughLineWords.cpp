#include "core/picture/ThroughLineWords.h"

#include "core/explore/ExploreWords.h"
#include "core/explore/SceneOptics.h"
#include "core/explore/SceneWords.h"
#include "core/start/PathSweep.h"
#include "core/start/SceneSetup.h"
#include "core/text/DecimalText.h"
#include "core/text/SettingNumber.h"
#include "core/text/Translation.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace quorvel {

namespace {

std::string counted(int point) { return std::to_string(point + 1); }

std::string oneDecimal(double value) { return tenthsText(static_cast<int>(std::lround(value * 10))); }

// A number with no more decimals than it needs, up to two: "1.5", "1.33".
std::string shortNumber(double value)
{
    std::string text = decimalText(std::llround(value * 100), 2);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

std::string said(const char* sentence, std::initializer_list<std::string_view> values) { return fillIn(translate("ThroughLineWords", sentence), values); }

bool surface(SceneKind kind) { return kind == SceneKind::Water || kind == SceneKind::Glass; }

// Everything the words say of a drawn picture, worked out as the picture was drawn.
struct Finding {
    Scene scene;
    double distance = 0;
    Mirror open = Mirror::whole();
    std::vector<int> marked;
    double sumLength = 0;  // in photon vectors
    double light = 0;  // against all thirty paths in step
    std::optional<double> againstOther;
    double spiralSize = 1;
    double timeCurveHeight = 1;
};

std::optional<Finding> find(const DrawnPicture& drawn)
{
    const auto distance = parseDecimal(drawn.distance);
    const auto frequency = parseDecimal(drawn.frequency);
    if (!distance || !frequency)
        return std::nullopt;
    const Scene scene = sceneGeometry(*distance, *frequency, drawn.layout, drawn.measure, drawn.scene);
    Finding finding{scene,
                    *distance,
                    drawn.mirror,
                    markedPoints(scene),
                    sumLength(drawn.scene, drawn.mirror, *distance, *frequency),
                    lightThroughLine(drawn.scene, drawn.mirror, *distance, *frequency),
                    againstOtherHere(drawn.scene, drawn.mirror, *distance, *frequency),
                    drawn.spiralSize,
                    scene.timeCurveHeight};
    // Texts far beyond any setting can turn the arrows into no numbers, or the places into more
    // pixels than words can count; the picture is then described without them.
    constexpr double farthest = 1e6;
    if (!std::isfinite(finding.sumLength) || !(std::abs(*distance) <= farthest))
        return std::nullopt;
    return finding;
}

double pointX(const Scene& scene, int point) { return pointXOf(scene, 2 * point + 1); }

double lineMiddle(const Scene& scene) { return (pointX(scene, 0) + pointX(scene, Mirror::segmentCount - 1)) / 2; }

// The paths' times, point by point, as the time curve shows them.
std::vector<double> pathTimes(const Scene& scene)
{
    std::vector<double> lengths;
    for (int point = 0; point < Mirror::segmentCount; ++point)
        lengths.push_back(pathLength(scene, pointX(scene, point)));
    return lengths;
}

std::string markWords(const Finding& finding)
{
    const std::vector<int>& marked = finding.marked;
    if (marked.size() == 1)
        return fillIn(translate("ThroughLineWords", "The path marked, via point %1 of 30, is the drawn path of least time."), {counted(marked.front())});
    return fillIn(translate("ThroughLineWords", "The paths via points %1 and %2 of 30 take the same time, the least of the drawn paths, and the mark stands between them."),
                  {counted(marked.front()), counted(marked.back())});
}

// Where the path of least time crosses the line, worked out on the whole continuous line, and how
// far from it the drawn path marked is.
std::string crossingWords(const Finding& finding, const SurfaceCrossing& crossing)
{
    const double offset = crossing.x - lineMiddle(finding.scene);
    const std::string pixels = oneDecimal(std::abs(offset));
    const char* where = pixels == "0"  ? QT_TRANSLATE_NOOP("ThroughLineWords", "The path of least time crosses the line at its middle.")
                        : offset < 0 ? QT_TRANSLATE_NOOP("ThroughLineWords", "The path of least time crosses the line %1 pixels left of its middle.")
                                     : QT_TRANSLATE_NOOP("ThroughLineWords", "The path of least time crosses the line %1 pixels right of its middle.");
    return fillIn(translate("ThroughLineWords", where), {pixels});
}

// Snell's law read off the least-time point: the ratio of the sines is worked out, not assumed.
std::string sineWords(const Finding& finding, const SurfaceCrossing& crossing)
{
    constexpr double upright = 1e-9;
    if (crossing.sineBelow < upright)
        return translate("ThroughLineWords", "It goes straight down through the surface below the source, so it does not bend.");
    const char* sentence = finding.scene.kind == SceneKind::Water
                               ? QT_TRANSLATE_NOOP("ThroughLineWords", "The sines of its angles to the upright are %1 above the surface and %2 below it, the one %3 times the other, "
                                                                       "as light is %4 times slower in water: it bends there.")
                               : QT_TRANSLATE_NOOP("ThroughLineWords", "The sines of its angles to the upright are %1 above the surface and %2 below it, the one %3 times the other, "
                                                                       "as light is %4 times slower in glass: it bends there.");
    return fillIn(translate("ThroughLineWords", sentence), {twoDigitsText(crossing.sineAbove), twoDigitsText(crossing.sineBelow), hundredthsText(crossing.sineAbove / crossing.sineBelow),
                                                            shortNumber(finding.scene.slowness)});
}

// Without a lens the mark goes to the drawn path nearest the least-time crossing.
std::string markFromCrossingWords(const Finding& finding, const SurfaceCrossing& crossing)
{
    Scene marked = finding.scene;
    findLeastTimeOfWholeMirror(marked);
    const std::vector<int>& points = finding.marked;
    if (points.size() > 1)
        return fillIn(translate("ThroughLineWords", "The mark stands between the paths via points %1 and %2 of 30, as near as each other to where the path of least time crosses."),
                      {counted(points.front()), counted(points.back())});
    // On the gap's screen the path nearest the crossing is stopped, and not drawn.
    const char* sentence = finding.open.on(points.front())
                               ? QT_TRANSLATE_NOOP("ThroughLineWords", "The path marked, via point %1 of 30, is the drawn path nearest to where the path of least time crosses, %2 pixels from it.")
                               : QT_TRANSLATE_NOOP("ThroughLineWords", "The path marked, via point %1 of 30, is the path nearest to where the path of least time crosses, %2 pixels from it; "
                                                                       "the screen stops it, so it is not drawn.");
    return fillIn(translate("ThroughLineWords", sentence), {counted(points.front()), oneDecimal(std::abs(marked.bestPointX - crossing.x))});
}

// Whether the least-time path's crossing lies in the screen's gap or on the screen.
std::string gapCrossingWords(const Finding& finding, const SurfaceCrossing& crossing)
{
    int first = 0;
    while (!finding.open.on(first) && first < Mirror::segmentCount)
        ++first;
    const int last = first + finding.open.count() - 1;
    const double half = finding.scene.halfSegment;
    const bool inGap = crossing.x >= pointX(finding.scene, first) - half && crossing.x <= pointX(finding.scene, last) + half;
    return inGap ? translate("ThroughLineWords", "That crossing lies within the gap.")
                 : translate("ThroughLineWords", "That crossing lies on the screen, so the path of least time does not get through.");
}

// The lens: every path to the focus takes the same time; off it the times slope one way along
// the whole line, so the quickest path is at an end.
std::string lensTimeWords(const Finding& finding)
{
    const std::vector<double> lengths = pathTimes(finding.scene);
    const auto [shortest, longest] = std::minmax_element(lengths.begin(), lengths.end());
    constexpr double sameTime = 1e-6;
    if (*longest - *shortest < sameTime)
        return translate("ThroughLineWords", "With the detector at the focus every path takes the same time, as the lens delays each path by what it falls short of the longest: "
                                             "every photon vector points the same way, so the sum is as long as thirty photon vectors can make it, and the path marked is no quicker than the rest.");
    const std::string off = oneDecimal(std::abs(finding.scene.detectorX - finding.scene.focusX));
    if (std::is_sorted(lengths.begin(), lengths.end()))
        return fillIn(translate("ThroughLineWords", "With the detector %1 pixels left of the focus the times no longer tie: each path is quicker than its neighbour to the right, "
                                                    "so the path of least time is at the line's left end, via point 1 of 30, where the mark stands."),
                      {off});
    if (std::is_sorted(lengths.rbegin(), lengths.rend()))
        return fillIn(translate("ThroughLineWords", "With the detector %1 pixels right of the focus the times no longer tie: each path is quicker than its neighbour to the left, "
                                                    "so the path of least time is at the line's right end, via point 30 of 30, where the mark stands."),
                      {off});
    return markWords(finding);
}

// The glass a drawn lens stands for: a thickness of glass slows light by what it would take in
// air times the glass's slowness less one, so its thickest delay asks for that much glass.
std::string lensThicknessWords(const Scene& lens)
{
    const double middle = lens.sourceX + (lens.focusX - lens.sourceX) * (lens.mirrorY - lens.sourceY) / (lens.focusY - lens.sourceY);
    const double glass = lensDelay(lens, middle) / (lensGlassSlowness - 1);
    return fillIn(translate("ThroughLineWords", "The lens is drawn %1 pixels thick at its thickest; glass that slows light %2 times would have to be %3 pixels thick there, "
                                                "%4 times as thick, to delay the paths as much."),
                  {shortNumber(lensDrawnThickness), shortNumber(lensGlassSlowness), std::to_string(std::lround(glass)), std::to_string(std::lround(glass / lensDrawnThickness))});
}

std::string leastTimeWords(const Finding& finding)
{
    const SceneKind kind = finding.scene.kind;
    if (kind == SceneKind::Lens)
        return lensTimeWords(finding) + ' ' + lensThicknessWords(finding.scene);
    const SurfaceCrossing crossing = leastTimeCrossing(kind, finding.distance);
    std::string words = crossingWords(finding, crossing);
    if (surface(kind))
        words += ' ' + sineWords(finding, crossing);
    if (kind == SceneKind::Gap)
        words += ' ' + gapCrossingWords(finding, crossing);
    return words + ' ' + markFromCrossingWords(finding, crossing);
}

// The light against the line's other arrangement at the same place, and where that sends none;
// for the lens, the line without it, and the gap.
std::string againstOtherWords(const Finding& finding)
{
    constexpr const char* sentences[sceneKindCount][2] = {
        {"", ""},
        {"", ""},
        {"", ""},
        {QT_TRANSLATE_NOOP("ThroughLineWords", "Light is %1 times as likely to reach the detector as without the lens at this place."),
         QT_TRANSLATE_NOOP("ThroughLineWords", "Without the lens no light reaches the detector at this place.")},
        {QT_TRANSLATE_NOOP("ThroughLineWords", "Light is %1 times as likely to reach the detector as with the lens at this place."),
         QT_TRANSLATE_NOOP("ThroughLineWords", "With the lens no light reaches the detector at this place.")},
        {QT_TRANSLATE_NOOP("ThroughLineWords", "Light is %1 times as likely to reach the detector as with no screen at this place."),
         QT_TRANSLATE_NOOP("ThroughLineWords", "With no screen no light reaches the detector at this place.")}};
    const std::optional<double> against = finding.againstOther;
    const auto& pair = sentences[static_cast<int>(finding.scene.kind)];
    return against ? said(pair[0], {twoDigitsText(*against)}) : said(pair[1], {});
}

// How many paths the gap lets through, and the light off the straight line below the source
// against the light on it, with the gap and with no screen.
std::string gapWords(const Finding& finding, double frequency)
{
    std::string words = finding.open.isWhole() ? translate("ThroughLineWords", "The gap is as wide as the line: all 30 paths pass, as with no screen.")
                                               : fillIn(translate("ThroughLineWords", "%1 of the 30 paths pass through the gap; the screen stops the rest."),
                                                        {std::to_string(finding.open.count())});
    const int off = static_cast<int>(std::lround(std::abs(finding.distance)));
    if (off == 0)
        return words + afterSpace(translate("ThroughLineWords", "The detector stands on the straight line below the source."));
    const double onLine = lightThroughLine(SceneKind::Gap, finding.open, 0, frequency);
    const double noScreenOnLine = lightThroughLine(SceneKind::Gap, Mirror::whole(), 0, frequency);
    if (!(onLine > 0) || !(noScreenOnLine > 0))
        return words;
    const double noScreen = lightThroughLine(SceneKind::Gap, Mirror::whole(), finding.distance, frequency) / noScreenOnLine;
    return words + afterSpace(fillIn(translate("ThroughLineWords", "Here, %1 pixels off the straight line below the source, the detector gets %2 times the light it gets on that line "
                                                                   "through this gap; with no screen, %3 times."),
                                     {std::to_string(off), twoDigitsText(finding.light / onLine), twoDigitsText(noScreen)}));
}

std::string sumWords(const Finding& finding)
{
    return fillIn(translate("ThroughLineWords", "The sum vector is %1 photon vectors long, so the detector gets %2 of the light of all thirty paths in step."),
                  {oneDecimal(finding.sumLength), twoDigitsText(finding.light)}) +
           (surface(finding.scene.kind) ? std::string() : afterSpace(againstOtherWords(finding)));
}

std::string findingWords(const DrawnPicture& drawn, const Finding& finding)
{
    std::string words = fitWords(finding.spiralSize, finding.timeCurveHeight, finding.scene.kind) + ' ' + leastTimeWords(finding) + ' ' + sumWords(finding);
    if (drawn.scene == SceneKind::Gap)
        words += ' ' + gapWords(finding, *parseDecimal(drawn.frequency));
    return words;
}

std::string drawnHeader(const DrawnPicture& drawn)
{
    constexpr const char* sentences[sceneKindCount] = {
        "",
        QT_TRANSLATE_NOOP("ThroughLineWords", "Drawn with the detector at %1 and frequency %2: the 30 paths from the source in air through the water's surface to the detector "
                                              "in the water, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail."),
        QT_TRANSLATE_NOOP("ThroughLineWords", "Drawn with the detector at %1 and frequency %2: the 30 paths from the source in air through the glass's surface to the detector "
                                              "in the glass, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail."),
        QT_TRANSLATE_NOOP("ThroughLineWords", "Drawn with the detector at %1 and frequency %2: the 30 paths from the source through the lens to the detector, "
                                              "their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail."),
        QT_TRANSLATE_NOOP("ThroughLineWords", "Drawn with the detector at %1 and frequency %2: the 30 paths from the source through the line of points, with no lens, to the detector, "
                                              "their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail."),
        QT_TRANSLATE_NOOP("ThroughLineWords", "Drawn with the detector at %1 and frequency %2: the paths from the source through the screen's gap of %3 points to the detector, "
                                              "their photon vectors under the detector, the time curve of all 30 points and the spiral of the photon vectors laid head to tail.")};
    return fillIn(translate("ThroughLineWords", sentences[static_cast<int>(drawn.scene)]), {drawn.distance, drawn.frequency, std::to_string(drawn.mirror.count())});
}

}  // namespace

std::vector<int> markedPoints(Scene scene)
{
    findLeastTimeOfWholeMirror(scene);
    return segmentsAt(scene, scene.bestPointX);
}

// Said only where the spiral or the time curve is drawn smaller than its full size, so that the
// spiral's size is not read as the sum's, nor a flatter curve as shorter paths.
std::string fitWords(double spiralSize, double timeCurveHeight, SceneKind kind)
{
    const auto shareWords = [](double share, const char* sentence) {
        return share < 1 ? afterSpace(fillIn(translate("PictureDescription", sentence), {hundredthsText(share)})) : std::string();
    };
    return shareWords(spiralSize, QT_TRANSLATE_NOOP("PictureDescription", "The spiral and the sum vector are drawn at %1 of their full size, to fit in the picture.")) +
           shareWords(timeCurveHeight, passesThrough(kind) ? QT_TRANSLATE_NOOP("PictureDescription", "The time curve is drawn at %1 of its full height, to stay within its axes, under its label.")
                                                           : QT_TRANSLATE_NOOP("PictureDescription", "The time curve is drawn at %1 of its full height, to stay clear of the photon vectors."));
}

// The gap's sentence says what Start draws itself, as only the points in the gap get paths.
std::string throughLineIntro(SceneKind kind, int gapPoints)
{
    constexpr const char* scenes[sceneKindCount] = {
        "",
        QT_TRANSLATE_NOOP("ThroughLineWords", "A source in air stands above a water surface, and a detector in the water below it; light is %1 times slower in water."),
        QT_TRANSLATE_NOOP("ThroughLineWords", "A source in air stands above a glass surface, and a detector in the glass below it; light is %1 times slower in glass."),
        QT_TRANSLATE_NOOP("ThroughLineWords", "A source stands above a line of 30 points with a lens of glass on it, and a detector below it; the lens delays each path "
                                              "so that every path to its focus, straight below the source, takes the same time."),
        QT_TRANSLATE_NOOP("ThroughLineWords", "A source stands above a line of 30 points with no lens on it, and a detector below it."),
        QT_TRANSLATE_NOOP("ThroughLineWords", "A source stands above a screen, and a detector below it; light passes the screen only through its gap, %1 of the line's 30 points. "
                                              "Start draws the time of the path via each point, and for each point in the gap the path of light, its photon vector "
                                              "and a link of the spiral of the photon vectors laid head to tail.")};
    const bool gap = kind == SceneKind::Gap;
    const std::string words = said(scenes[static_cast<int>(kind)], {gap ? std::to_string(gapPoints) : shortNumber(slownessBelow(kind))});
    if (gap)
        return words;
    return words + afterSpace(translate("ThroughLineWords", "Start draws, for each of the line's 30 points, the path of light via it, its photon vector, its time, "
                                                            "and a spiral of the photon vectors laid head to tail."));
}

std::string throughLineProgress(const DrawnPicture& drawn)
{
    const std::string points = std::to_string(drawn.segmentsDrawn);
    switch (drawn.stage) {
    case DrawnPicture::Stage::Drawing:
        return fillIn(translate("ThroughLineWords", "Drawing with the detector at %1 and frequency %2: the path via point %3 of 30, its photon vector, its time and the next link of the spiral."),
                      {drawn.distance, drawn.frequency, points});
    case DrawnPicture::Stage::Stopped:
        return fillIn(translate("ThroughLineWords", "Drawing with the detector at %1 and frequency %2 stopped after point %3 of 30: a setting is not a number."),
                      {drawn.distance, drawn.frequency, points});
    case DrawnPicture::Stage::Interrupted:
        return fillIn(translate("ThroughLineWords", "Drawing with the detector at %1 and frequency %2 was stopped after point %3 of 30."), {drawn.distance, drawn.frequency, points});
    case DrawnPicture::Stage::Empty:
    case DrawnPicture::Stage::Drawn:
        break;
    }
    return {};
}

std::string throughLineDrawn(const DrawnPicture& drawn)
{
    const std::string header = drawnHeader(drawn);
    const auto finding = find(drawn);
    return finding ? header + findingWords(drawn, *finding) : header;
}

std::string throughLineRunEnd(const DrawnPicture& drawn)
{
    const auto finding = find(drawn);
    if (!finding)
        return drawnHeader(drawn);
    return fillIn(translate("ThroughLineWords", "Drawn with the detector at %1 and frequency %2."), {drawn.distance, drawn.frequency}) + findingWords(drawn, *finding);
}

std::string throughLineStartWillDraw(const FormState& now)
{
    const std::string scene = sceneName(now.explore.scene);
    if (now.explore.scene == SceneKind::Gap)
        return fillIn(translate("ThroughLineWords", "Start will draw the scene \u201c%1\u201d with a gap of %2 points, the detector at %3 and frequency %4."),
                      {scene, std::to_string(now.explore.gapPoints), now.nPosun, now.nKmitocet});
    return fillIn(translate("ThroughLineWords", "Start will draw the scene \u201c%1\u201d with the detector at %2 and frequency %3."), {scene, now.nPosun, now.nKmitocet});
}

}  // namespace quorvel

#include "core/start/SpiralFit.h"

#include "core/start/BandClip.h"
#include "core/start/PathSweep.h"
#include "core/start/SinglePrecision.h"
#include "core/layout/WindowLabels.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace quorvel {

namespace {

// The largest share of an offset from the start that stays between two edges along one axis.
double shareWithin(double start, double offset, double low, double high)
{
    if (offset > 0)
        return (high - start) / offset;
    if (offset < 0)
        return (low - start) / offset;
    return 1;
}

// What the spiral keeps clear of besides the band's edges: the window's controls over the band,
// the source's and the detector's marks and below them, and the legs drawn from them to the
// line. A spiral run under the Frequency frame, down through the paths or round the detector
// hid what the picture is about.
class SpiralKeepOut {
public:
    SpiralKeepOut(const Scene& scene, const Mirror& mirror) : scene_(scene)
    {
        for (const WindowControl& control : windowControls) {
            if (inSightOverPicture(control))
                keptOff_.push_back({single(control.box.left - penReach), single(control.box.top - penReach), single(control.box.left + control.box.width + penReach),
                                    single(control.box.top + control.box.height + penReach)});
        }
        // Below the source and the detector down to the line: a spiral that ran under the detector
        // encircled it.
        for (const auto& [x, y] : {std::pair(scene.sourceX, scene.sourceY), std::pair(scene.detectorX, scene.detectorY)}) {
            constexpr double beside = 8;
            if (y < scene.mirrorY)
                keptOff_.push_back({single(x - beside), single(y - 3), single(x + beside), single(scene.mirrorY)});
        }
        for (int i = 1; i <= pointBound(scene); i += 2) {
            if (mirror.on(segmentOf(i))) {
                leftmost_ = std::min(leftmost_, pointXOf(scene, i));
                rightmost_ = std::max(rightmost_, pointXOf(scene, i));
            }
        }
    }

    enum class Legs : bool { KeptClear, MayCross };

    // Whether a link, or the sum vector, from one place to another keeps clear.
    bool clear(double x1, double y1, double x2, double y2, Legs legs) const
    {
        return std::none_of(keptOff_.begin(), keptOff_.end(), [&](const BandInterior& box) { return lineWithin(box, single(x1), single(y1), single(x2), single(y2)); }) &&
               awayFromMark(scene_.sourceX, scene_.sourceY, x1, y1, x2, y2) && awayFromMark(scene_.detectorX, scene_.detectorY, x1, y1, x2, y2) &&
               (legs == Legs::MayCross || (aboveLegs(scene_.sourceX, scene_.sourceY, x2, y2) && aboveLegs(scene_.detectorX, scene_.detectorY, x2, y2)));
    }

private:
    static constexpr double penReach = 2;  // the sum vector's pen, with a pixel between

    // Whether a line keeps off a mark's circle, of radius 5, by a pen's reach and 5 pixels: nearer,
    // the spiral seemed to come out of the mark.
    static bool awayFromMark(double markX, double markY, double x1, double y1, double x2, double y2)
    {
        const double dx = x2 - x1;
        const double dy = y2 - y1;
        const double squared = dx * dx + dy * dy;
        const double along = squared > 0 ? std::clamp(((markX - x1) * dx + (markY - y1) * dy) / squared, 0.0, 1.0) : 0;
        return std::hypot(x1 + along * dx - markX, y1 + along * dy - markY) > 5 + penReach + 5;
    }

    // Whether a point keeps above the legs drawn from an end above the line: their upper edge runs
    // from the end to the outermost drawn point on the point's side.
    bool aboveLegs(double endX, double endY, double x, double y) const
    {
        constexpr double reach = 3;  // a path's pen and the spiral's, with a pixel between
        if (endY >= scene_.mirrorY || y <= endY - reach)
            return true;
        const double outermost = x >= endX ? rightmost_ : leftmost_;
        if ((x - endX) * (x - outermost) >= 0 && x != endX)
            return true;
        const double edgeY = endY + (x - endX) / (outermost - endX) * (scene_.mirrorY - endY);
        return y <= edgeY - reach;
    }

    const Scene& scene_;
    std::vector<BandInterior> keptOff_;  // the controls and below the marks
    double leftmost_ = std::numeric_limits<double>::infinity();
    double rightmost_ = -std::numeric_limits<double>::infinity();
};

// The largest share, in hundredths, from one given down to a floor in hundredths, at which every
// link of the spiral and the sum vector keep clear; nothing where none does.
std::optional<double> shareKeptClear(const SpiralKeepOut& keepOut, const Scene& scene, const std::vector<SpiralOffset>& ends, double share, long floor,
                                     SpiralKeepOut::Legs legs)
{
    const auto fits = [&](double size) {
        const double startX = scene.spiralStartX;
        const double startY = scene.spiralStartY;
        const bool linksClear = !anyLink(startX, startY, ends, size, [&](double x1, double y1, double x2, double y2) { return !keepOut.clear(x1, y1, x2, y2, legs); });
        return linksClear && (ends.empty() || keepOut.clear(startX, startY, startX + size * ends.back().first, startY + size * ends.back().second, legs));
    };
    for (auto hundredths = std::lround(share * 100); hundredths > 0 && hundredths >= floor; --hundredths) {
        if (fits(static_cast<double>(hundredths) / 100))
            return static_cast<double>(hundredths) / 100;
    }
    return std::nullopt;
}

// The share at which the spiral keeps clear, no larger than the band allows. Through a line it
// stands above the source's legs at any size; over a mirror it keeps above the pair's legs
// unless that would take it below half the size it may have crossing them, or below a quarter of
// its full size, too small to read.
double shareKeptClear(const SpiralKeepOut& keepOut, const Scene& scene, const std::vector<SpiralOffset>& ends, double share)
{
    if (passesThrough(scene.kind))
        return shareKeptClear(keepOut, scene, ends, share, 0, SpiralKeepOut::Legs::KeptClear).value_or(0);
    const double crossing = shareKeptClear(keepOut, scene, ends, share, 0, SpiralKeepOut::Legs::MayCross).value_or(share);
    constexpr long readable = 25;  // hundredths: links of 9 pixels
    const long hundredths = std::lround(crossing * 100);
    const long floor = std::max((hundredths + 1) / 2, std::min(hundredths, readable));
    return shareKeptClear(keepOut, scene, ends, crossing, floor, SpiralKeepOut::Legs::KeptClear).value_or(crossing);
}

// The spiral's size from its start, its links' ends at full size and what it keeps clear of,
// which every start tried shares.
double sizeFrom(const Scene& scene, const std::vector<SpiralOffset>& ends, const SpiralKeepOut& keepOut)
{
    double share = 1;
    for (const auto& [x, y] : ends) {
        share = std::min({share, shareWithin(scene.spiralStartX, x, bandInterior.left, bandInterior.right),
                          shareWithin(scene.spiralStartY, y, bandInterior.top, lowestSpiralY(scene))});
    }
    // Hundredths, rounded down, as the picture's words give it; a start beyond the band, which
    // only texts far beyond the panel's reach give, leaves nothing to fit.
    constexpr double hundredths = 100;
    const double fitted = std::max(0.0, std::floor(share * hundredths) / hundredths);
    return shareKeptClear(keepOut, scene, ends, fitted);
}

// The ends of the spiral's links at full size.
std::vector<SpiralOffset> fullSizeLinkEnds(const Scene& scene, const Mirror& mirror)
{
    Scene whole = scene;
    whole.spiralSize = 1;
    return spiralLinkEnds(scene, mirror, spiralLink(whole));
}

}  // namespace

std::vector<SpiralOffset> spiralLinkEnds(const Scene& scene, const Mirror& mirror, double link)
{
    std::vector<SpiralOffset> ends;
    double x = 0;
    double y = 0;
    for (int i = 1; i <= pointBound(scene); i += 2) {
        if (!mirror.on(segmentOf(i)))
            continue;
        const double angle = phaseAngleOf(scene, i);
        x += link * std::cos(angle);
        y += link * std::sin(angle);
        ends.emplace_back(x, y);
    }
    return ends;
}

// Below this the spiral would cross the mirror, and under it the photon vectors: the mirror's
// pen and its segments' end dots reach 2.5 pixels from its line, the sum vector's pen 1 more.
double lowestSpiralY(const Scene& scene) { return scene.mirrorY - 4; }

double spiralSize(const Scene& scene, const Mirror& mirror, Layout layout)
{
    // A scraped mirror is the panel's, even drawn in the classic layout, as a link can set it.
    if (layout == Layout::Classic && mirror.isWhole())
        return 1;
    return sizeFrom(scene, fullSizeLinkEnds(scene, mirror), SpiralKeepOut(scene, mirror));
}

void placeSpiral(Scene& scene, const Mirror& mirror, Layout layout)
{
    if (layout != Layout::Explore || passesThrough(scene.kind)) {
        scene.spiralSize = spiralSize(scene, mirror, layout);
        return;
    }
    // Beside the source as the classic place is beside the detector, kept as far from the middle.
    const double mirrorMiddle = scene.mirrorLeft + scene.segmentWidth + scene.segmentWidth * scene.segmentCount / 2;
    const std::pair besideDetector(scene.spiralStartX, scene.spiralStartY);
    const std::pair besideSource(std::max(scene.sourceX - 140, mirrorMiddle - 50 - 140), scene.spiralStartY);
    // The side away from the pair first, higher there next, then the same beside the pair's other
    // end: the first that draws the spiral within a tenth of its full size of the largest any does,
    // so that a step of the pair seldom moves it.
    const bool pairRight = scene.sourceX + scene.detectorX > 2 * mirrorMiddle;
    const auto [away, near] = pairRight ? std::pair(besideSource, besideDetector) : std::pair(besideDetector, besideSource);
    constexpr double higher = 70;
    constexpr double clearlySmaller = 0.1;
    const std::vector<SpiralOffset> ends = fullSizeLinkEnds(scene, mirror);
    const SpiralKeepOut keepOut(scene, mirror);
    std::vector<Scene> tried;
    for (const auto& [x, y] : {away, std::pair(away.first, away.second - higher), near, std::pair(near.first, near.second - higher)}) {
        Scene& at = tried.emplace_back(scene);
        at.spiralX = at.spiralStartX = x;
        at.spiralY = at.spiralStartY = y;
        at.spiralSize = sizeFrom(at, ends, keepOut);
    }
    const auto bySize = [](const Scene& one, const Scene& other) { return one.spiralSize < other.spiralSize; };
    const double largest = std::max_element(tried.begin(), tried.end(), bySize)->spiralSize;
    scene = *std::find_if(tried.begin(), tried.end(), [&](const Scene& at) { return at.spiralSize > largest - clearlySmaller; });
}

}  // namespace quorvel

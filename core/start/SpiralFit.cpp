#include "core/start/SpiralFit.h"

#include "core/start/BandClip.h"
#include "core/start/PathSweep.h"

#include <algorithm>
#include <cmath>
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

// Through a line the spiral also keeps above the source's paths to it, whose upper edge runs from
// the source to the line's outermost point on either side; beyond those points only the line is
// below it.
bool clearOfSourcePaths(const Scene& scene, double x, double y)
{
    constexpr double reach = 3;  // a path's pen and the spiral's, with a pixel between
    const double outermost = pointXOf(scene, x >= scene.sourceX ? pointBound(scene) : 1);
    if ((x - scene.sourceX) * (x - outermost) >= 0 && x != scene.sourceX)
        return true;
    const double edgeY = scene.sourceY + (x - scene.sourceX) / (outermost - scene.sourceX) * (scene.mirrorY - scene.sourceY);
    return y <= edgeY - reach;
}

// The largest share, in hundredths, at which every link's end of the spiral keeps clear of the
// source's paths. The ends' offsets at full size are worked out once.
double shareClearOfSourcePaths(const Scene& scene, const Mirror& mirror, double link, double share)
{
    const std::vector<SpiralOffset> ends = spiralLinkEnds(scene, mirror, link);
    for (auto hundredths = std::lround(share * 100); hundredths > 0; --hundredths) {
        const double size = static_cast<double>(hundredths) / 100;
        if (std::all_of(ends.begin(), ends.end(), [&](const auto& end) { return clearOfSourcePaths(scene, scene.spiralStartX + size * end.first, scene.spiralStartY + size * end.second); }))
            return size;
    }
    return 0;
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
    Scene whole = scene;
    whole.spiralSize = 1;
    const double link = spiralLink(whole);
    double share = 1;
    for (const auto& [x, y] : spiralLinkEnds(scene, mirror, link)) {
        share = std::min({share, shareWithin(scene.spiralStartX, x, bandInterior.left, bandInterior.right),
                          shareWithin(scene.spiralStartY, y, bandInterior.top, lowestSpiralY(scene))});
    }
    // Hundredths, rounded down, as the picture's words give it; a start beyond the band, which
    // only texts far beyond the panel's reach give, leaves nothing to fit.
    constexpr double hundredths = 100;
    const double fitted = std::max(0.0, std::floor(share * hundredths) / hundredths);
    return passesThrough(scene.kind) ? shareClearOfSourcePaths(scene, mirror, link, fitted) : fitted;
}

}  // namespace quorvel

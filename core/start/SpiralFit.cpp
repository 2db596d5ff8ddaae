#include "core/start/SpiralFit.h"

#include "core/start/BandClip.h"
#include "core/start/PathSweep.h"

#include <algorithm>
#include <cmath>

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

}  // namespace

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
    double x = 0;
    double y = 0;
    double share = 1;
    for (int i = 1; i <= pointBound(scene); i += 2) {
        if (!mirror.on((i - 1) / 2))
            continue;
        const double angle = phaseAngleOf(scene, i);
        x += link * std::cos(angle);
        y += link * std::sin(angle);
        share = std::min({share, shareWithin(scene.spiralStartX, x, bandInterior.left, bandInterior.right),
                          shareWithin(scene.spiralStartY, y, bandInterior.top, lowestSpiralY(scene))});
    }
    // Hundredths, rounded down, as the picture's words give it; a start beyond the band, which
    // only texts far beyond the panel's reach give, leaves nothing to fit.
    constexpr double hundredths = 100;
    return std::max(0.0, std::floor(share * hundredths) / hundredths);
}

}  // namespace quorvel

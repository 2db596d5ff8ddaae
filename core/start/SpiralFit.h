#pragma once

#include "core/mirror/Mirror.h"
#include "core/start/Scene.h"

#include <utility>
#include <vector>

namespace quorvel {

// The ends of the spiral's links, in order, as offsets from its start, for links of a length: one
// for each segment that reflects.
using SpiralOffset = std::pair<double, double>;
std::vector<SpiralOffset> spiralLinkEnds(const Scene& scene, const Mirror& mirror, double link);

// Whether any link of a spiral from a start, its links' ends at a size of those offsets, meets a
// test given the link's two ends. The fit and the labels walk the links the same way through it.
template <class Meets>
bool anyLink(double startX, double startY, const std::vector<SpiralOffset>& ends, double size, Meets meets)
{
    double x = startX;
    double y = startY;
    for (const auto& [endX, endY] : ends) {
        const double toX = startX + size * endX;
        const double toY = startY + size * endY;
        if (meets(x, y, toX, toY))
            return true;
        x = toX;
        y = toY;
    }
    return false;
}

// The lowest a link's end of the spiral may reach and stay clear of the mirror below it.
double lowestSpiralY(const Scene& scene);

// The share of its full size at which a layout draws the spiral and the sum vector. The classic
// window draws the whole mirror's whole. The explore panel's settings can wind the spiral far past
// the band, where the clip would cut it off; its layout draws it at the largest size, in whole
// hundredths and never above the full one, that keeps every link's end, and so the sum vector
// from the first to the last, within the band and above the mirror, and every link and the sum
// vector off the window's controls, the source's and detector's marks and the legs drawn from them.
double spiralSize(const Scene& scene, const Mirror& mirror, Layout layout);

// Sets where the spiral starts and the share it is drawn at. The explore panel's mirror starts it
// on the side away from the pair: beside the detector, as the classic window does, or with the
// pair right of the middle 140 pixels left of the source; or 70 pixels higher, or beside the
// pair's other end, where that draws it more than a tenth of its full size larger. Over the pair
// the spiral seemed to come out of the marks, and a straight one pointing down was shrunk to a
// stroke with the band above it empty.
void placeSpiral(Scene& scene, const Mirror& mirror, Layout layout);

}  // namespace quorvel

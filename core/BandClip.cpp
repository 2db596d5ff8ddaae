#include "core/BandClip.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

void BandClip::setPenWidth(int width)
{
    penWidth_ = width;
    surface_.setPenWidth(width);
}

// Liang and Barsky's clipping: the part of the line between the parameters where it enters and
// leaves the rectangle, if any.
void BandClip::line(float x1, float y1, float x2, float y2, Colour colour)
{
    if (bandInterior.contains(x1, y1) && bandInterior.contains(x2, y2)) {
        surface_.line(x1, y1, x2, y2, colour);
        return;
    }
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    float enter = 0;
    float leave = 1;
    const float directions[] = {-dx, dx, -dy, dy};
    const float room[] = {x1 - bandInterior.left, bandInterior.right - x1, y1 - bandInterior.top, bandInterior.bottom - y1};
    for (int side = 0; side < 4; ++side) {
        if (directions[side] == 0) {
            if (!(room[side] >= 0))
                return;
            continue;
        }
        const float at = room[side] / directions[side];
        if (directions[side] < 0)
            enter = std::max(enter, at);
        else
            leave = std::min(leave, at);
    }
    if (!(enter <= leave))
        return;
    surface_.line(x1 + enter * dx, y1 + enter * dy, x1 + leave * dx, y1 + leave * dy, colour);
}

void BandClip::circle(float x, float y, float radius, std::optional<Colour> outline)
{
    const float reach = radius + static_cast<float>(penWidth_) / 2;
    if (bandInterior.contains(x - reach, y - reach) && bandInterior.contains(x + reach, y + reach))
        surface_.circle(x, y, radius, outline);
}

}  // namespace quorvel

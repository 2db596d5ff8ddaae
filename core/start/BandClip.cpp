#include "core/start/BandClip.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

void BandClip::setPenWidth(int width)
{
    penWidth_ = width;
    surface_.setPenWidth(width);
}

// Liang and Barsky's clipping: the shares of the way where the line crosses into each side's
// half-plane and out of it.
std::optional<LineShares> lineWithin(const BandInterior& box, float x1, float y1, float x2, float y2)
{
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    LineShares shares;
    const float directions[] = {-dx, dx, -dy, dy};
    const float room[] = {x1 - box.left, box.right - x1, y1 - box.top, box.bottom - y1};
    for (int side = 0; side < 4; ++side) {
        if (directions[side] == 0) {
            if (!(room[side] >= 0))
                return std::nullopt;
            continue;
        }
        const float at = room[side] / directions[side];
        if (directions[side] < 0)
            shares.enter = std::max(shares.enter, at);
        else
            shares.leave = std::min(shares.leave, at);
    }
    if (!(shares.enter <= shares.leave))
        return std::nullopt;
    return shares;
}

void BandClip::line(float x1, float y1, float x2, float y2, Colour colour)
{
    if (bandInterior.contains(x1, y1) && bandInterior.contains(x2, y2)) {
        surface_.line(x1, y1, x2, y2, colour);
        return;
    }
    if (const auto shares = lineWithin(bandInterior, x1, y1, x2, y2)) {
        const float dx = x2 - x1;
        const float dy = y2 - y1;
        surface_.line(x1 + shares->enter * dx, y1 + shares->enter * dy, x1 + shares->leave * dx, y1 + shares->leave * dy, colour);
    }
}

void BandClip::circle(float x, float y, float radius, std::optional<Colour> outline)
{
    const float reach = radius + static_cast<float>(penWidth_) / 2;
    if (bandInterior.contains(x - reach, y - reach) && bandInterior.contains(x + reach, y + reach))
        surface_.circle(x, y, radius, outline);
}

}  // namespace quorvel

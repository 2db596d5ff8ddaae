#include "core/BandClip.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

// The band's rows 61 to 580 and columns 5 to 795, less a margin for the widest pen and its caps.
constexpr float left = 5 + 3;
constexpr float right = 795 - 3;
constexpr float top = 61 + 3;
constexpr float bottom = 580 - 3;

bool inside(float x, float y) { return x >= left && x <= right && y >= top && y <= bottom; }

}  // namespace

void BandClip::setPenWidth(int width)
{
    penWidth_ = width;
    surface_.setPenWidth(width);
}

// Liang and Barsky's clipping: the part of the line between the parameters where it enters and
// leaves the rectangle, if any.
void BandClip::line(float x1, float y1, float x2, float y2, Colour colour)
{
    if (inside(x1, y1) && inside(x2, y2)) {
        surface_.line(x1, y1, x2, y2, colour);
        return;
    }
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    float enter = 0;
    float leave = 1;
    const float directions[] = {-dx, dx, -dy, dy};
    const float room[] = {x1 - left, right - x1, y1 - top, bottom - y1};
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
    if (inside(x - reach, y - reach) && inside(x + reach, y + reach))
        surface_.circle(x, y, radius, outline);
}

}  // namespace quorvel

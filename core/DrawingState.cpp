#include "core/DrawingState.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

int pixelOf(float position)
{
    constexpr float farthest = 1 << 24;
    return static_cast<int>(std::floor(std::clamp(position, -farthest, farthest)));
}

std::optional<Rgb> DrawingState::fill() const
{
    if (fillStyle_ != FillStyle::Solid)
        return std::nullopt;
    return rgb(fillColour_);
}

bool DrawingState::heldAsRow(float x1, float y1, float x2, float y2, Colour colour)
{
    if (y1 != y2 || penWidth_ != 1)
        return false;
    const RowLine row{std::min(x1, x2), std::max(x1, x2), y1, penWidth_, rgb(colour)};
    if (!rows_.take(row)) {
        fillHeldRows();
        rows_.take(row);
    }
    return true;
}

// The rows cover the pixels from their left end's to their right end's.
void DrawingState::fillHeldRows()
{
    if (rows_.empty())
        return;
    const RowLine& row = rows_.first();
    const int left = pixelOf(row.x1);
    const PixelRect rect{left, pixelOf(rows_.top()), pixelOf(row.x2) + 1 - left, rows_.rows()};
    const Rgb colour = row.colour;
    rows_.clear();
    fillRows_(rect, colour);
}

}  // namespace quorvel

#include "core/draw/DrawingState.h"

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
    return y1 == y2 && penWidth_ == 1 && rows_.take(RowLine{std::min(x1, x2), std::max(x1, x2), y1, penWidth_, rgb(colour)});
}

// The rows cover the pixels from their left end's to their right end's.
std::optional<FilledRect> DrawingState::takeHeldRows()
{
    if (rows_.empty())
        return std::nullopt;
    const RowLine& row = rows_.first();
    const int left = pixelOf(row.x1);
    const FilledRect rect{left, pixelOf(rows_.top()), pixelOf(row.x2) + 1 - left, rows_.rows(), row.colour};
    rows_.clear();
    return rect;
}

}  // namespace quorvel

#pragma once

#include "core/draw/Colour.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

namespace quorvel {

enum class FillStyle {
    Transparent,
    Solid,
};

// A drawing through a point that is no number has nothing any surface could show.
inline bool allFinite(std::initializer_list<float> values)
{
    return std::all_of(values.begin(), values.end(), [](float value) { return std::isfinite(value); });
}

// The window's client area as the Start command sees it: pixel coordinates from the top-left
// corner, y downwards, and a drawing state (pen width, fill) that persists between operations.
// Every operation shows on the screen before it returns.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual void resetToPixels() = 0;
    virtual void setPenWidth(int width) = 0;
    virtual void setFillStyle(FillStyle style) = 0;
    virtual void setFillColour(Colour colour) = 0;
    virtual void line(float x1, float y1, float x2, float y2, Colour colour) = 0;
    // Without an outline colour the circle is outlined in the window's foreground colour.
    virtual void circle(float x, float y, float radius, std::optional<Colour> outline) = 0;
};

}  // namespace quorvel

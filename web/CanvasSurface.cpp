#include "web/CanvasSurface.h"

#include <emscripten.h>

namespace quorvel {

namespace {

// A colour as the page's drawing functions take it: 0xRRGGBB, or a desktop colour as -1 for
// caption text, -2 for button face and -3 for button text.
int code(Colour colour)
{
    if (const auto* rgb = std::get_if<Rgb>(&colour))
        return rgb->red << 16 | rgb->green << 8 | rgb->blue;
    switch (std::get<SystemColour>(colour)) {
    case SystemColour::CaptionText:
        return -1;
    case SystemColour::ButtonFace:
        return -2;
    case SystemColour::ButtonText:
        return -3;
    }
    return 0;
}

constexpr int noFill = -4;

// clang-format off
EM_JS(void, drawLine, (float x1, float y1, float x2, float y2, int colour, int penWidth), {
    Module.picture.line(x1, y1, x2, y2, colour, penWidth);
});

EM_JS(void, drawCircle, (float x, float y, float radius, int outline, int penWidth, int fill), {
    Module.picture.circle(x, y, radius, outline, penWidth, fill);
});
// clang-format on

}  // namespace

// The canvas is always addressed in pixels from its corner.
void CanvasSurface::resetToPixels() {}

void CanvasSurface::setPenWidth(int width) { penWidth_ = width; }

void CanvasSurface::setFillStyle(FillStyle style) { fillStyle_ = style; }

void CanvasSurface::setFillColour(Colour colour) { fillColour_ = colour; }

void CanvasSurface::line(float x1, float y1, float x2, float y2, Colour colour) { drawLine(x1, y1, x2, y2, code(colour), penWidth_); }

// Without an outline colour the circle is outlined in the window's foreground colour, the
// desktop's button-text colour.
void CanvasSurface::circle(float x, float y, float radius, std::optional<Colour> outline)
{
    const int fill = fillStyle_ == FillStyle::Solid ? code(fillColour_) : noFill;
    drawCircle(x, y, radius, code(outline.value_or(SystemColour::ButtonText)), penWidth_, fill);
}

}  // namespace quorvel

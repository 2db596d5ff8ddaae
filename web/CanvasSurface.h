#pragma once

#include "core/DrawingSurface.h"

namespace quorvel {

// Draws on the page's canvas, through the drawing functions the page gives the module. Pixel
// coordinates name pixels, as on the desktop; the canvas keeps the picture, and the browser
// shows what was drawn when the page next returns to its event loop.
class CanvasSurface : public DrawingSurface {
public:
    void resetToPixels() override;
    void setPenWidth(int width) override;
    void setFillStyle(FillStyle style) override;
    void setFillColour(Colour colour) override;
    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void circle(float x, float y, float radius, std::optional<Colour> outline) override;

private:
    int penWidth_ = 1;
    FillStyle fillStyle_ = FillStyle::Transparent;
    Colour fillColour_ = Rgb{0, 0, 0};
};

}  // namespace quorvel

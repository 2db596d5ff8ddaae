#pragma once

#include "core/draw/Colour.h"
#include "core/draw/DrawingState.h"
#include "core/draw/TextSurface.h"

namespace quorvel {

// Draws on one of the page's canvases, through the drawing functions the page gives the module
// for each, which take colours as RGB only. Pixel coordinates name pixels, as on the desktop.
// One-pixel lines along a row, on consecutive rows as the background band is drawn, are held and
// filled as one rectangle: the canvas strokes hundreds of lines a hundred times slower than one fill.
class CanvasSurface : public StateKeepingSurface<TextSurface> {
public:
    // canvas is the place of the canvas's drawing functions in the list the page gives the module.
    CanvasSurface(SystemPalette palette, int canvas) : StateKeepingSurface(palette), canvas_(canvas) {}

    void resetToPixels() override;
    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void circle(float x, float y, float radius, std::optional<Colour> outline) override;
    void text(float x, float y, const std::string& words, TextAnchor anchor, int size, Colour colour) override;

    // Fills the rows held; called before the page shows the picture.
    void flush();

private:
    int canvas_;
};

// The desktop colours the picture uses, as the browser's own system colours name them.
SystemPalette browserPalette();

}  // namespace quorvel

#pragma once

#include "core/draw/DrawingSurface.h"
#include "core/draw/DrawingState.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvel {

// Writes what is drawn as an SVG picture of the given size in pixels, each operation as the
// desktop draws it: a coordinate names a pixel, whose middle is half a pixel in; lines along
// the rows and columns sit on whole pixels with square ends, other lines have round ends, and a
// circle is filled when the fill style says so. One-pixel rows of one extent that follow each
// other, as the background band is drawn, become one rectangle. Elements that follow each other
// with the same pen and fill share a group, which keeps the file small.
class SvgSurface : public StateKeepingSurface<DrawingSurface> {
public:
    SvgSurface(SystemPalette palette, int width, int height);

    void resetToPixels() override;
    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void circle(float x, float y, float radius, std::optional<Colour> outline) override;

    // Fills whole pixels from the corner given, as a window paints a control's background.
    void fillRect(int left, int top, int width, int height, Colour colour);
    // One line of a label's caption in the labels' bold serif face, from its baseline's left end
    // or about its middle.
    void text(float x, float baseline, std::string_view words, int pixelSize, bool centred, Colour colour);

    // The picture drawn so far, as a whole document.
    std::string document();

private:
    // Holds an element, its name and what follows it, to be written with the others of its group.
    void element(const std::string& groupAttributes, std::string_view name, const std::string& rest);
    void writeGroup();
    void fillHeldRows();

    std::string body_;
    std::string groupAttributes_;
    std::vector<std::pair<std::string, std::string>> held_;
};

}  // namespace quorvel

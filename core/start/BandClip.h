#pragma once

#include "core/draw/DrawingSurface.h"

#include <optional>

namespace quorvel {

// Where drawing may reach inside the background band, which every Start paints afresh: the band's
// rows 61 to 580 and columns 5 to 795, less a margin for the widest pen and its caps.
struct BandInterior {
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;

    constexpr bool contains(double x, double y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};
inline constexpr BandInterior bandInterior{5 + 3, 61 + 3, 795 - 3, 580 - 3};

// Where a line from (x1, y1) to (x2, y2) enters a box and where it leaves it, as shares of the
// way along it from 0 to 1; nothing when it misses the box.
struct LineShares {
    float enter = 0;
    float leave = 1;
};
std::optional<LineShares> lineWithin(const BandInterior& box, float x1, float y1, float x2, float y2);

// Keeps what is drawn through it inside the background band, which every Start paints afresh:
// a line is cut where it leaves the band, a little inside its edge so that no pen reaches past
// it, and a circle that would reach past it is left out. Settings beyond the classic ones move
// the source, the detector and the spiral out of the band, where nothing would erase them again.
class BandClip : public DrawingSurface {
public:
    explicit BandClip(DrawingSurface& surface) : surface_(surface) {}

    void resetToPixels() override { surface_.resetToPixels(); }
    void setPenWidth(int width) override;
    void setFillStyle(FillStyle style) override { surface_.setFillStyle(style); }
    void setFillColour(Colour colour) override { surface_.setFillColour(colour); }
    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void circle(float x, float y, float radius, std::optional<Colour> outline) override;

private:
    DrawingSurface& surface_;
    int penWidth_ = 1;
};

}  // namespace quorvel

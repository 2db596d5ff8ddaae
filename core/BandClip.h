#pragma once

#include "core/DrawingSurface.h"

namespace quorvel {

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

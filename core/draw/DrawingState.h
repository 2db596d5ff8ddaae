#pragma once

#include "core/draw/Colour.h"
#include "core/draw/DrawingSurface.h"
#include "core/draw/LineRun.h"

#include <optional>

namespace quorvel {

// Whole pixels from a corner, filled with one colour.
struct FilledRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Rgb colour;
};

// The pixel a coordinate falls in; coordinates far beyond any picture are held there, which keeps
// them within int's range.
int pixelOf(float position);

// What a surface that writes its drawing out keeps between operations, as the desktop keeps it:
// the pen's width, the fill, and the desktop's colours. One-pixel lines of one extent along
// consecutive rows, as the background band is drawn, are held to be filled as one rectangle over
// the pixels the lines would cover: hundreds of stroked lines cost a hundred times one fill.
class DrawingState {
public:
    explicit DrawingState(SystemPalette palette) : palette_(palette) {}

    void setPenWidth(int width) { penWidth_ = width; }
    void setFillStyle(FillStyle style) { fillStyle_ = style; }
    void setFillColour(Colour colour) { fillColour_ = colour; }

    int penWidth() const { return penWidth_; }
    Rgb rgb(Colour colour) const { return palette_.resolve(colour); }
    // A circle's outline: without a colour of its own, the window's foreground colour, the
    // desktop's button-text colour.
    Rgb outline(std::optional<Colour> colour) const { return rgb(colour.value_or(SystemColour::ButtonText)); }
    // A circle's inside, when the fill style fills it.
    std::optional<Rgb> fill() const;

    // Holds a one-pixel line along a row when it continues the rows held, or when none are held;
    // the surface draws any other line itself, once it has filled the rows held.
    bool heldAsRow(float x1, float y1, float x2, float y2, Colour colour);
    // The rows held, to be filled before anything else is drawn and before the drawing is shown
    // or read; none are held after.
    std::optional<FilledRect> takeHeldRows();

private:
    SystemPalette palette_;
    LineRun rows_;
    int penWidth_ = 1;
    FillStyle fillStyle_ = FillStyle::Transparent;
    Colour fillColour_ = Rgb{0, 0, 0};
};

// A surface of the kind given that keeps its pen and fill in a drawing state, for its drawing
// operations to read.
template <class Surface>
class StateKeepingSurface : public Surface {
public:
    explicit StateKeepingSurface(SystemPalette palette) : state_(palette) {}

    void setPenWidth(int width) final { state_.setPenWidth(width); }
    void setFillStyle(FillStyle style) final { state_.setFillStyle(style); }
    void setFillColour(Colour colour) final { state_.setFillColour(colour); }

protected:
    DrawingState state_;
};

}  // namespace quorvel

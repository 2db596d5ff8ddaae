#include "tests/support/RecordingSurface.h"

#include <cstdio>

namespace quorvel::testing {

namespace {

void printColour(std::ostream& out, const std::optional<Colour>& colour)
{
    if (!colour)
        out << " none";
    else if (const auto* rgb = std::get_if<Rgb>(&*colour))
        out << " rgb " << int(rgb->red) << ' ' << int(rgb->green) << ' ' << int(rgb->blue);
    else
        out << " system " << static_cast<int>(std::get<SystemColour>(*colour));
}

}  // namespace

// Coordinates as the exact single-precision values drawn, which %a writes alike in every C library.
std::ostream& operator<<(std::ostream& out, const Op& op)
{
    char numbers[200];
    std::snprintf(numbers, sizeof numbers, "op %d %a %a %a %a r %a pen %d fill %d", static_cast<int>(op.kind), op.x1, op.y1, op.x2, op.y2, op.radius, op.penWidth,
                  static_cast<int>(op.fillStyle));
    out << numbers;
    printColour(out, op.colour);
    printColour(out, op.fillColour);
    return out << (op.words.empty() ? "" : " \"" + op.words + '"');
}

void RecordingSurface::resetToPixels() { record({.kind = OpKind::ResetToPixels}); }

void RecordingSurface::setPenWidth(int width)
{
    penWidth_ = width;
    record({.kind = OpKind::PenWidth});
}

void RecordingSurface::setFillStyle(FillStyle style)
{
    fillStyle_ = style;
    record({.kind = OpKind::FillStyle});
}

void RecordingSurface::setFillColour(Colour colour)
{
    fillColour_ = colour;
    record({.kind = OpKind::FillColour, .colour = colour});
}

void RecordingSurface::line(float x1, float y1, float x2, float y2, Colour colour)
{
    record({.kind = OpKind::Line, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .colour = colour});
}

void RecordingSurface::circle(float x, float y, float radius, std::optional<Colour> outline)
{
    record({.kind = OpKind::Circle, .x1 = x, .y1 = y, .radius = radius, .colour = outline});
}

void RecordingSurface::text(float x, float y, const std::string& words, TextAnchor anchor, int size, Colour colour)
{
    record({.kind = OpKind::Text, .x1 = x, .y1 = y, .radius = static_cast<float>(size), .colour = colour, .words = words, .anchor = anchor});
}

void RecordingSurface::record(Op op)
{
    op.penWidth = penWidth_;
    op.fillStyle = fillStyle_;
    op.fillColour = fillColour_;
    ops_.push_back(op);
}

}  // namespace quorvel::testing

#pragma once

#include "core/draw/TextSurface.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quorvel::testing {

enum class OpKind { ResetToPixels, PenWidth, FillStyle, FillColour, Line, Circle, Text };

// One drawing operation as the command issued it, with the drawing state it was drawn in.
struct Op {
    OpKind kind = OpKind::ResetToPixels;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a circle keeps its centre in x1, y1
    float radius = 0;
    std::optional<Colour> colour = std::nullopt;  // line or outline colour; a fill colour for FillColour
    int penWidth = 0;              // the width set, or in force for a line or circle
    quorvel::FillStyle fillStyle = quorvel::FillStyle::Transparent;
    std::optional<Colour> fillColour = std::nullopt;
    std::string words = {};  // what a text writes, at x1, y1
    TextAnchor anchor = TextAnchor::Start;

    bool operator==(const Op&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Op& op);

class RecordingSurface : public TextSurface {
public:
    void resetToPixels() override;
    void setPenWidth(int width) override;
    void setFillStyle(FillStyle style) override;
    void setFillColour(Colour colour) override;
    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void circle(float x, float y, float radius, std::optional<Colour> outline) override;
    void text(float x, float y, const std::string& words, TextAnchor anchor, int size, Colour colour) override;

    const std::vector<Op>& ops() const { return ops_; }
    int penWidth() const { return penWidth_; }
    std::optional<Colour> fillColour() const { return fillColour_; }

private:
    void record(Op op);

    std::vector<Op> ops_;
    int penWidth_ = 1;
    quorvel::FillStyle fillStyle_ = quorvel::FillStyle::Transparent;
    std::optional<Colour> fillColour_;
};

}  // namespace quorvel::testing

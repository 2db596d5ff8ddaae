#pragma once

#include "core/draw/Colour.h"

namespace quorvel {

// A horizontal line as a surface draws it: from x1 to x2 along row y, with its pen.
struct RowLine {
    float x1 = 0;
    float x2 = 0;
    float y = 0;
    int penWidth = 1;
    Rgb colour;

    bool operator==(const RowLine&) const = default;
};

// Horizontal lines of one pen and extent on consecutive rows, as the background band is drawn,
// held back so that a surface can paint them as one rectangle where that gives the pixels the
// lines would: hundreds of stroked lines cost a hundred times one fill.
class LineRun {
public:
    // Takes the line if it continues the run held, or starts a run when none is held.
    bool take(const RowLine& line);
    void clear() { rows_ = 0; }

    bool empty() const { return rows_ == 0; }
    int rows() const { return rows_; }
    const RowLine& first() const { return first_; }
    // The row-th line taken, counting from 0.
    RowLine line(int row) const;
    float top() const;
    float bottom() const;

private:
    RowLine first_;
    int rows_ = 0;
    int step_ = 0;  // +1 or -1 from one row to the next
};

}  // namespace quorvel

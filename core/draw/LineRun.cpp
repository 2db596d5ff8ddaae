#include "core/draw/LineRun.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

bool LineRun::take(const RowLine& line)
{
    if (!std::isfinite(line.x1) || !std::isfinite(line.x2) || !std::isfinite(line.y))
        return false;
    if (rows_ == 0) {
        first_ = line;
        rows_ = 1;
        step_ = 0;
        return true;
    }
    const float lastY = this->line(rows_ - 1).y;
    const int step = line.y == lastY + 1 ? 1 : line.y == lastY - 1 ? -1 : 0;
    const bool continues = line.x1 == first_.x1 && line.x2 == first_.x2 && line.penWidth == first_.penWidth && line.colour == first_.colour
                           && step != 0 && (rows_ == 1 || step == step_);
    if (!continues)
        return false;
    step_ = step;
    ++rows_;
    return true;
}

RowLine LineRun::line(int row) const
{
    RowLine shifted = first_;
    shifted.y += static_cast<float>(step_ * row);
    return shifted;
}

float LineRun::top() const { return std::min(first_.y, line(rows_ - 1).y); }

float LineRun::bottom() const { return std::max(first_.y, line(rows_ - 1).y); }

}  // namespace quorvel

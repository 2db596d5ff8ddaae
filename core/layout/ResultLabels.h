#pragma once

#include <algorithm>
#include <cmath>

namespace quorvel {

// The five labels that explain a finished picture, in the order the window switches them.
enum class ResultLabel {
    Radius,
    Cas,
    Zdroj,
    Detektor,
    Soucet,
};

class ResultLabels {
public:
    virtual ~ResultLabels() = default;

    virtual void setLeft(ResultLabel label, float left) = 0;
    virtual void setTop(ResultLabel label, float top) = 0;
    virtual void show(ResultLabel label) = 0;
};

// Labels sit on whole pixels: halves go up, further from zero (320.5 becomes 321). Positions far
// beyond any screen are held there, which keeps the rounding within int's range.
inline int labelPixel(float position)
{
    constexpr float farthest = 1 << 24;
    return static_cast<int>(std::lround(std::clamp(position, -farthest, farthest)));
}

}  // namespace quorvel

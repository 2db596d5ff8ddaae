#pragma once

#include <algorithm>
#include <limits>

namespace quorvel {

// Coordinates go to the surface and the labels in single precision. Values beyond its range are
// held at its largest finite value, since converting them as they are is undefined.
inline float single(double value)
{
    constexpr double largest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -largest, largest));
}

}  // namespace quorvel

#include "core/mirror/FrequencyColour.h"

#include "core/mirror/ExploreState.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace quorvel {

namespace {

// Red at a hue of 0 degrees, violet at 270; the value keeps yellow readable on the graph's paper.
constexpr double violetHue = 270;
constexpr double value = 0.8;

std::uint8_t channel(double level) { return static_cast<std::uint8_t>(std::lround(std::clamp(level, 0.0, 1.0) * value * 255)); }

}  // namespace

Rgb frequencyColour(int tenths)
{
    constexpr int span = ExploreState::frequencyTenthsMaximum - ExploreState::frequencyTenthsMinimum;
    const double share = span > 0 ? std::clamp(static_cast<double>(tenths - ExploreState::frequencyTenthsMinimum) / span, 0.0, 1.0) : 0;
    // Full saturation: each channel rises and falls along the hue's six sixths.
    const double sixths = share * violetHue / 60;
    const auto level = [sixths](double offset) {
        const double k = std::fmod(offset + sixths, 6.0);
        return 1 - std::clamp(std::min(k, 4 - k), 0.0, 1.0);
    };
    return {channel(level(5)), channel(level(3)), channel(level(1))};
}

std::string cssColour(Rgb colour)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string css = "#";
    for (const std::uint8_t part : std::array{colour.red, colour.green, colour.blue}) {
        css += digits[part >> 4];
        css += digits[part & 15];
    }
    return css;
}

}  // namespace quorvel

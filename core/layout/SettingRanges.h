#pragma once

#include <algorithm>
#include <cmath>

namespace quorvel {

// A setting a person moves along a range: held as a whole count of its unit, shown and typed as
// the count divided by ten to the power of its decimals ("1.5" for 15 tenths). A step is what an
// arrow moves it by, a page step what a click in a slider's track or Page Up does.
struct SettingRange {
    int minimum = 0;
    int maximum = 0;
    int step = 1;
    int pageStep = 1;
    int decimals = 0;

    // Counts in one whole: 10 for tenths.
    constexpr int scale() const
    {
        int scale = 1;
        for (int k = 0; k < decimals; ++k)
            scale *= 10;
        return scale;
    }
    constexpr double number(int count) const { return static_cast<double>(count) / scale(); }
    // The count nearest to a number, halves away from zero, within the range; what is no number
    // counts as nought.
    int nearest(double number) const
    {
        const double counted = std::isfinite(number) ? number * scale() : 0.0;
        return static_cast<int>(std::lround(std::clamp<double>(counted, minimum, maximum)));
    }
    // The count on the range's steps from its minimum nearest to a count, halves up, within the range.
    constexpr int stepped(int count) const
    {
        const int steps = (std::clamp(count, minimum, maximum) - minimum + step / 2) / step;
        return std::min(minimum + steps * step, maximum - (maximum - minimum) % step);
    }
};

// The window's speed scroll bar, which writes the slowdown: both its steps are one.
inline constexpr SettingRange speedRange{1, 20, 1, 1, 0};

// The explore panel's distance of the pair from the middle, in pixels, and its frequency in tenths.
// The distance goes as far as the picture's band holds the source and the detector whole: at 330
// the source is drawn from x = 18, at -330 the detector reaches x = 790.
inline constexpr SettingRange exploreDistanceRange{-330, 330, 1, 50, 0};
inline constexpr SettingRange exploreFrequencyRange{5, 20, 1, 5, 1};
// The gap in the screen, in points of the line: an even count, so that the gap stands centred
// between the two middle points.
inline constexpr SettingRange gapRange{2, 30, 2, 4, 0};
// How many of the mirror's segments Page Up and Page Down move the panel's strip along.
inline constexpr int segmentPageStep = 5;

}  // namespace quorvel

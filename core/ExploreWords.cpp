#include "core/ExploreWords.h"

#include "core/Translation.h"

#include <cmath>
#include <cstdlib>

namespace quorvel {

namespace {

// Whole and decimal digits are put together from integers, so no locale can change the point.
std::string decimal(long long scaled, int places)
{
    long long unit = 1;
    for (int k = 0; k < places; ++k)
        unit *= 10;
    const std::string sign = scaled < 0 ? "-" : "";
    const long long magnitude = std::llabs(scaled);
    std::string fraction = std::to_string(magnitude % unit);
    fraction.insert(0, static_cast<std::size_t>(places) - fraction.size(), '0');
    return sign + std::to_string(magnitude / unit) + "." + fraction;
}

}  // namespace

std::string segmentName(int segment, bool on)
{
    return fillIn(on ? translate("ExploreWords", "segment %1 of 30, on") : translate("ExploreWords", "segment %1 of 30, off"), {std::to_string(segment + 1)});
}

std::string brightnessNumber(double brightness) { return decimal(std::llround(brightness * 100), 2); }

std::string brightnessWords(double brightness)
{
    return fillIn(translate("ExploreWords", "%1 of the light of a whole mirror at the middle"), {brightnessNumber(brightness)});
}

std::string tenthsText(int tenths) { return tenths % 10 == 0 ? std::to_string(tenths / 10) : decimal(tenths, 1); }

}  // namespace quorvel

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

std::string brightnessWords(double brightness, std::optional<double> againstWholeHere)
{
    if (!againstWholeHere)
        return fillIn(translate("ExploreWords", "%1 of the light of a whole mirror at the middle; the whole mirror here sends none"), {brightnessNumber(brightness)});
    return fillIn(translate("ExploreWords", "%1 of the light of a whole mirror at the middle, %2 times that of the whole mirror here"),
                  {brightnessNumber(brightness), brightnessNumber(*againstWholeHere)});
}

std::string againstWholeHereText(std::optional<double> againstWholeHere)
{
    if (!againstWholeHere)
        return translate("ExploreWords", "the whole mirror here sends no light");
    return fillIn(translate("ExploreWords", "%1 times as likely as with the whole mirror here"), {brightnessNumber(*againstWholeHere)});
}

std::string brightnessMeaning()
{
    return translate("ExploreWords", "How likely light is to reach the detector, the square of the sum vector's length, against a whole mirror at the middle "
                                     "and against the whole mirror at the same place. The bar is full at the most light any mirror sends at this frequency.");
}

std::string tenthsText(int tenths) { return tenths % 10 == 0 ? std::to_string(tenths / 10) : decimal(tenths, 1); }

}  // namespace quorvel

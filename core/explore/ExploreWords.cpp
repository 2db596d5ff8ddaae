#include "core/explore/ExploreWords.h"

#include "core/text/DecimalText.h"
#include "core/text/Translation.h"

#include <cmath>

namespace quorvel {

std::string segmentName(int segment, bool on)
{
    return fillIn(on ? translate("ExploreWords", "segment %1 of 30, on") : translate("ExploreWords", "segment %1 of 30, off"), {std::to_string(segment + 1)});
}

std::string hundredthsText(double value) { return decimalText(std::llround(value * 100), 2); }

std::string brightnessNumber(double brightness) { return hundredthsText(brightness); }

std::string brightnessWords(const ExploreState& explore)
{
    const double brightness = explore.brightness;
    const std::optional<double> againstWholeHere = explore.brightnessHere;
    if (!againstWholeHere)
        return fillIn(translate("ExploreWords", "%1 of the light of a whole mirror at the middle; the whole mirror here sends none"), {brightnessNumber(brightness)});
    return fillIn(translate("ExploreWords", "%1 of the light of a whole mirror at the middle, %2 times that of the whole mirror here"),
                  {brightnessNumber(brightness), brightnessNumber(*againstWholeHere)});
}

std::string againstWholeHereText(const ExploreState& explore)
{
    const std::optional<double> againstWholeHere = explore.brightnessHere;
    if (!againstWholeHere)
        return translate("ExploreWords", "the whole mirror here sends no light");
    return fillIn(translate("ExploreWords", "%1 times as likely as with the whole mirror here"), {brightnessNumber(*againstWholeHere)});
}

std::string brightnessMeaning(SceneKind)
{
    return translate("ExploreWords", "How likely light is to reach the detector, the square of the sum vector's length, against a whole mirror at the middle "
                                     "and against the whole mirror at the same place. The bar is full at the most light any mirror sends at this frequency.");
}

std::string tenthsText(int tenths) { return tenths % 10 == 0 ? std::to_string(tenths / 10) : decimalText(tenths, 1); }

std::string measureName(PathMeasure measure)
{
    return measure == PathMeasure::TwoLegs ? translate("ExploreWords", "Real length (the two legs)") : translate("ExploreWords", "Window's (shorter than real)");
}

std::string measureWords(PathMeasure measure, int frequencyBroughtDownTo)
{
    std::string words = fillIn(translate("ExploreWords", "Path lengths: %1."), {measureName(measure)});
    if (frequencyBroughtDownTo > 0)
        words += afterSpace(broughtDownWords(frequencyBroughtDownTo));
    return words;
}

std::string broughtDownWords(int frequencyTenths)
{
    return fillIn(translate("ExploreWords", "Frequency brought down to %1, the highest that 30 segments show truly with these lengths."), {tenthsText(frequencyTenths)});
}

std::string measureBackWords(int frequencyTenths)
{
    return fillIn(translate("ExploreWords", "Frequency %1 is beyond what 30 segments show truly with real lengths, so paths are measured as the window measures them again."),
                  {tenthsText(frequencyTenths)});
}

std::string endsLessonWords(const EndsLesson& lesson, int frequencyTenths)
{
    const std::string frequency = tenthsText(frequencyTenths);
    const std::string outer = brightnessNumber(lesson.outerThirds);
    const std::string middle = brightnessNumber(lesson.middleThird);
    switch (lesson.offer) {
    case EndsLesson::Offer::None:
        return {};
    case EndsLesson::Offer::Frequency:
        return fillIn(translate("ExploreWords", "At frequency %1 the outer thirds give %2 and the middle third %3: the ends' arrows turn too slowly here to cancel."),
                      {frequency, outer, middle});
    case EndsLesson::Offer::Nowhere:
        return fillIn(translate("ExploreWords", "At frequency %1 the outer thirds give %2 and the middle third %3: the ends do not cancel at any frequency the panel reaches here."),
                      {frequency, outer, middle});
    case EndsLesson::Offer::Middle:
        break;
    }
    return translate("ExploreWords", "With the pair away from the middle, the middle third is not around the least-time point, so the outer thirds are not the ends that cancel.");
}

std::string endsLessonOffer(const EndsLesson& lesson)
{
    switch (lesson.offer) {
    case EndsLesson::Offer::None:
    case EndsLesson::Offer::Nowhere:
        break;
    case EndsLesson::Offer::Frequency:
        return fillIn(translate("ExploreWords", "Try frequency %1"), {tenthsText(lesson.frequencyTenths)});
    case EndsLesson::Offer::Middle:
        return translate("ExploreWords", "Move the pair to the middle");
    }
    return {};
}

}  // namespace quorvel

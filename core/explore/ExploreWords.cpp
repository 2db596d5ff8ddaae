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

std::string twoDigitsText(double value)
{
    constexpr double smallest = 1e-6;
    if (!(value >= smallest && value < 0.1))
        return hundredthsText(value);
    const int places = 1 - static_cast<int>(std::floor(std::log10(value)));
    return decimalText(std::llround(value * std::pow(10, places)), places);
}

std::string brightnessNumber(double brightness) { return hundredthsText(brightness); }

std::string brightnessNumber(const ExploreState& explore)
{
    return passesThrough(explore.scene) ? twoDigitsText(explore.brightness) : brightnessNumber(explore.brightness);
}

namespace {

// What a through-line scene's figures are against, said each way: the brightness with the second
// figure and where the other arrangement sends none, the panel's second figure both ways, and
// the meaning's sentence on it. A surface has no other arrangement.
struct OtherArrangementWords {
    const char* brightness;
    const char* brightnessNone;
    const char* second;
    const char* secondNone;
    const char* meaning;
};

const OtherArrangementWords* otherArrangement(SceneKind scene)
{
    static constexpr OtherArrangementWords lens{
        QT_TRANSLATE_NOOP("ExploreWords", "%1 of the light of all thirty paths in step, %2 times that without the lens here"),
        QT_TRANSLATE_NOOP("ExploreWords", "%1 of the light of all thirty paths in step; without the lens here none arrives"),
        QT_TRANSLATE_NOOP("ExploreWords", "%1 times as likely as without the lens here"), QT_TRANSLATE_NOOP("ExploreWords", "without the lens here no light arrives"),
        QT_TRANSLATE_NOOP("ExploreWords", "The second figure is against the same line without the lens, with the detector at the same place.")};
    static constexpr OtherArrangementWords noLens{
        QT_TRANSLATE_NOOP("ExploreWords", "%1 of the light of all thirty paths in step, %2 times that with the lens here"),
        QT_TRANSLATE_NOOP("ExploreWords", "%1 of the light of all thirty paths in step; with the lens here none arrives"),
        QT_TRANSLATE_NOOP("ExploreWords", "%1 times as likely as with the lens here"), QT_TRANSLATE_NOOP("ExploreWords", "with the lens here no light arrives"),
        QT_TRANSLATE_NOOP("ExploreWords", "The second figure is against the same line with the lens, with the detector at the same place.")};
    static constexpr OtherArrangementWords gap{
        QT_TRANSLATE_NOOP("ExploreWords", "%1 of the light of all thirty paths in step, %2 times that with no screen here"),
        QT_TRANSLATE_NOOP("ExploreWords", "%1 of the light of all thirty paths in step; with no screen here none arrives"),
        QT_TRANSLATE_NOOP("ExploreWords", "%1 times as likely as with no screen here"), QT_TRANSLATE_NOOP("ExploreWords", "with no screen here no light arrives"),
        QT_TRANSLATE_NOOP("ExploreWords", "The second figure is against the line with no screen, with the detector at the same place.")};
    return scene == SceneKind::Lens ? &lens : scene == SceneKind::NoLens ? &noLens : scene == SceneKind::Gap ? &gap : nullptr;
}

std::string said(const char* sentence, std::initializer_list<std::string_view> values) { return fillIn(translate("ExploreWords", sentence), values); }

// Through a line the brightness is against all thirty paths in step, and the second figure
// against the line's other arrangement at the same place.
std::string throughLineWords(const ExploreState& explore)
{
    const std::string light = twoDigitsText(explore.brightness);
    const OtherArrangementWords* other = otherArrangement(explore.scene);
    if (!other)
        return said(QT_TRANSLATE_NOOP("ExploreWords", "%1 of the light of all thirty paths in step"), {light});
    const std::optional<double> againstOther = explore.brightnessHere;
    return againstOther ? said(other->brightness, {light, twoDigitsText(*againstOther)}) : said(other->brightnessNone, {light});
}

}  // namespace

std::string brightnessWords(const ExploreState& explore)
{
    if (passesThrough(explore.scene))
        return throughLineWords(explore);
    const double brightness = explore.brightness;
    const std::optional<double> againstWholeHere = explore.brightnessHere;
    if (!againstWholeHere)
        return fillIn(translate("ExploreWords", "%1 of the light of a whole mirror at the middle; the whole mirror here sends none"), {brightnessNumber(brightness)});
    return fillIn(translate("ExploreWords", "%1 of the light of a whole mirror at the middle, %2 times that of the whole mirror here"),
                  {brightnessNumber(brightness), brightnessNumber(*againstWholeHere)});
}

// A surface has no other arrangement to compare with, so it has no second figure.
std::string againstWholeHereText(const ExploreState& explore)
{
    const std::optional<double> against = explore.brightnessHere;
    if (passesThrough(explore.scene)) {
        const OtherArrangementWords* other = otherArrangement(explore.scene);
        if (!other)
            return {};
        return against ? said(other->second, {twoDigitsText(*against)}) : said(other->secondNone, {});
    }
    if (!against)
        return translate("ExploreWords", "the whole mirror here sends no light");
    return fillIn(translate("ExploreWords", "%1 times as likely as with the whole mirror here"), {brightnessNumber(*against)});
}

std::string brightnessMeaning(SceneKind scene)
{
    if (!passesThrough(scene))
        return translate("ExploreWords", "How likely light is to reach the detector, the square of the sum vector's length, against a whole mirror at the middle "
                                         "and against the whole mirror at the same place. The bar is full at the most light any mirror sends at this frequency.");
    const std::string meaning = translate("ExploreWords", "How likely light is to reach the detector, the square of the sum vector's length, against all thirty paths in step, "
                                                          "the most they can send; the bar is full there.");
    const OtherArrangementWords* other = otherArrangement(scene);
    return other ? meaning + afterSpace(translate("ExploreWords", other->meaning)) : meaning;
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
        // The ends cancel where each end's arrows close their circle, at a higher frequency or,
        // with real lengths, a lower one: neither turning faster nor slower is the reason.
        return fillIn(translate("ExploreWords", "At frequency %1 the outer thirds give %2 and the middle third %3: here each end's arrows go partway round a circle "
                                                "without closing it, so they do not cancel."),
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

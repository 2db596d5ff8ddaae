#include "core/PictureDescription.h"

#include "core/ExploreWords.h"
#include "core/MirrorOptics.h"
#include "core/PathSweep.h"
#include "core/SceneSetup.h"
#include "core/SettingNumber.h"
#include "core/Translation.h"

#include <cmath>
#include <optional>
#include <vector>

namespace quorvel {

namespace {

// The setting as a person reads it: "distance 250 and frequency 1".
std::string settingWords(const std::string& distance, const std::string& frequency)
{
    return fillIn(translate("PictureDescription", "distance %1 and frequency %2"), {distance, frequency});
}

std::string counted(int segment) { return std::to_string(segment + 1); }

std::string oneDecimal(double value) { return tenthsText(static_cast<int>(std::lround(value * 10))); }

// The reflecting segments whose paths are shortest; two when they tie, as at the middle.
std::vector<int> leastTimeSegments(const Scene& scene, const Mirror& mirror)
{
    std::vector<int> best;
    double shortest = 0;
    for (int segment = 0; segment < Mirror::segmentCount; ++segment) {
        if (!mirror.on(segment))
            continue;
        const double length = pathLength(scene, pointXOf(scene, 2 * segment + 1));
        if (best.empty() || length < shortest - 1e-9) {
            best = {segment};
            shortest = length;
        } else if (length <= shortest + 1e-9) {
            best.push_back(segment);
        }
    }
    return best;
}

struct Finding {
    std::vector<int> leastTime;
    double sumLength = 0;  // in photon vectors
    double brightness = 0;
};

std::optional<Finding> find(const DrawnPicture& drawn)
{
    const auto distance = parseDecimal(drawn.distance);
    const auto frequency = parseDecimal(drawn.frequency);
    if (!distance || !frequency)
        return std::nullopt;
    const Scene scene = sceneGeometry(*distance, *frequency);
    const Finding finding{leastTimeSegments(scene, drawn.mirror), std::sqrt(sumOfArrows(drawn.mirror, *distance, *frequency).squaredLength()),
                          brightness(drawn.mirror, *distance, *frequency)};
    // Texts far beyond any setting can turn the arrows into no numbers, or the light into more
    // than words can count; the picture is then described without them.
    constexpr double mostLight = 1e6;
    if (!std::isfinite(finding.sumLength) || !(finding.brightness >= 0 && finding.brightness <= mostLight))
        return std::nullopt;
    return finding;
}

// Whole sentences for each case, so that a translation may order them as its language does.
// Segments are counted from 1, as a person counts them.
std::string leastTimeWords(const Finding& finding)
{
    const std::vector<int>& segments = finding.leastTime;
    if (segments.empty())
        return translate("PictureDescription", "No segment of the mirror reflects, so no path reaches the detector.");
    const bool middle = segments.front() <= 14 && segments.back() >= 15;
    const bool right = segments.front() >= 15;
    if (segments.size() == 1) {
        const std::string sentence = middle  ? translate("PictureDescription", "The path of least time reflects at segment %1 of 30, at the middle of the mirror.")
                                     : right ? translate("PictureDescription", "The path of least time reflects at segment %1 of 30, right of the middle of the mirror.")
                                             : translate("PictureDescription", "The path of least time reflects at segment %1 of 30, left of the middle of the mirror.");
        return fillIn(sentence, {counted(segments.front())});
    }
    const std::string sentence = middle  ? translate("PictureDescription", "The path of least time reflects at segments %1 and %2 of 30, at the middle of the mirror.")
                                 : right ? translate("PictureDescription", "The path of least time reflects at segments %1 and %2 of 30, right of the middle of the mirror.")
                                         : translate("PictureDescription", "The path of least time reflects at segments %1 and %2 of 30, left of the middle of the mirror.");
    return fillIn(sentence, {counted(segments.front()), counted(segments.back())});
}

std::string sumWords(const Finding& finding)
{
    const std::string sentence =
        finding.brightness >= 0.5
            ? translate("PictureDescription", "The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: "
                                              "most of it comes from the segments around the path of least time, whose photon vectors point nearly the same way.")
            : translate("PictureDescription", "The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: "
                                              "the photon vectors turn every way and nearly cancel, so little light arrives.");
    return fillIn(sentence, {oneDecimal(finding.sumLength), brightnessNumber(finding.brightness)});
}

std::string mirrorWords(const Mirror& mirror)
{
    if (mirror.isWhole())
        return "";
    int reflecting = 0;
    for (int segment = 0; segment < Mirror::segmentCount; ++segment)
        reflecting += mirror.on(segment) ? 1 : 0;
    return " " + fillIn(translate("PictureDescription", "Of the mirror's 30 segments %1 reflect; the others are scraped off."), {std::to_string(reflecting)});
}

std::string drawnWords(const DrawnPicture& drawn)
{
    const std::string segments = std::to_string(drawn.segmentsDrawn);
    switch (drawn.stage) {
    case DrawnPicture::Stage::Empty:
        break;
    case DrawnPicture::Stage::Drawing:
        return fillIn(translate("PictureDescription", "Drawing for distance %1 and frequency %2: the path via segment %3 of 30, its photon vector, its time and the next link of the spiral."),
                      {drawn.distance, drawn.frequency, segments});
    case DrawnPicture::Stage::Stopped:
        return fillIn(translate("PictureDescription", "Drawing for distance %1 and frequency %2 stopped after segment %3 of 30: a setting is not a number."),
                      {drawn.distance, drawn.frequency, segments});
    case DrawnPicture::Stage::Drawn: {
        const std::string words = fillIn(translate("PictureDescription", "Drawn for distance %1 and frequency %2: the 30 paths from the source via the mirror to the detector, "
                                                                         "their photon vectors under the mirror, the time curve and the spiral of the photon vectors laid head to tail."),
                                         {drawn.distance, drawn.frequency}) +
                                  mirrorWords(drawn.mirror);
        if (const auto finding = find(drawn))
            return words + " " + leastTimeWords(*finding) + " " + sumWords(*finding);
        return words;
    }
    }
    return translate("PictureDescription", "A source and a detector stand above a mirror of 30 segments. Start draws, for each segment, the path of light via it, "
                                           "its photon vector, its time, and a spiral of the photon vectors laid head to tail.");
}

}  // namespace

std::string describePicture(const DrawnPicture& drawn, const FormState& now)
{
    std::string words = drawnWords(drawn);
    if (drawn.stage == DrawnPicture::Stage::Drawing)
        return words;
    if (drawn.stage == DrawnPicture::Stage::Empty || drawn.distance != now.nPosun || drawn.frequency != now.nKmitocet || drawn.mirror != now.explore.mirror)
        words += " " + fillIn(translate("PictureDescription", "Start will draw distance %1 and frequency %2."), {now.nPosun, now.nKmitocet});
    return words;
}

std::string runEndWords(const DrawnPicture& drawn)
{
    if (drawn.stage != DrawnPicture::Stage::Drawn)
        return drawnWords(drawn);
    const auto finding = find(drawn);
    if (!finding)
        return drawnWords(drawn);
    return fillIn(translate("PictureDescription", "Drawn for distance %1 and frequency %2."), {drawn.distance, drawn.frequency}) + " " + leastTimeWords(*finding) + " " +
           sumWords(*finding);
}

std::string heldInputWords(const FormAction& action, const FormState& after)
{
    struct Words {
        const FormState& after;

        std::string operator()(Button button) const { return button == Button::cmdStart ? translate("WindowLabels", "Start") : translate("WindowLabels", "Exit"); }
        std::string operator()(Option) const { return settingWords(after.nPosun, after.nKmitocet); }
        std::string operator()(const SpeedMove&) const { return fillIn(translate("PictureDescription", "speed %1"), {std::to_string(after.HScroll1)}); }
        std::string operator()(const SegmentSwitch& switched) const { return segmentName(switched.segment, after.explore.mirror.on(switched.segment)); }
        std::string operator()(MirrorPreset preset) const
        {
            constexpr const char* names[] = {QT_TRANSLATE_NOOP("PictureDescription", "the whole mirror"), QT_TRANSLATE_NOOP("PictureDescription", "the middle third"),
                                             QT_TRANSLATE_NOOP("PictureDescription", "the outer thirds"), QT_TRANSLATE_NOOP("PictureDescription", "a grating")};
            return translate("PictureDescription", names[static_cast<int>(preset)]);
        }
        std::string operator()(const DistanceSetting&) const { return fillIn(translate("PictureDescription", "distance %1"), {after.nPosun}); }
        std::string operator()(const FrequencySetting&) const { return fillIn(translate("PictureDescription", "frequency %1"), {after.nKmitocet}); }
        std::string operator()(const SecondFrequencySetting&) const
        {
            return after.explore.secondShown ? fillIn(translate("PictureDescription", "second frequency %1"), {tenthsText(after.explore.secondFrequencyTenths)})
                                             : translate("PictureDescription", "no second frequency");
        }
    };
    return std::visit(Words{after}, action);
}

}  // namespace quorvel

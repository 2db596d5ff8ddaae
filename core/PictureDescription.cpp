#include "core/PictureDescription.h"

#include "core/ExploreWords.h"
#include "core/MirrorOptics.h"
#include "core/PathSweep.h"
#include "core/SceneSetup.h"
#include "core/SettingNumber.h"

#include <cmath>
#include <optional>
#include <vector>

namespace quorvel {

namespace {

// The setting as a person reads it: "distance 250 and frequency 1".
std::string settingWords(const std::string& distance, const std::string& frequency)
{
    return "distance " + distance + " and frequency " + frequency;
}

std::string oneDecimal(double value) { return tenthsText(static_cast<int>(std::lround(value * 10))); }

// Segments counted from 1, as a person counts them: "segment 15", "segments 15 and 16".
std::string segmentsWords(const std::vector<int>& segments)
{
    if (segments.size() == 1)
        return "segment " + std::to_string(segments.front() + 1);
    return "segments " + std::to_string(segments.front() + 1) + " and " + std::to_string(segments.back() + 1);
}

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

std::string leastTimeWords(const Finding& finding)
{
    if (finding.leastTime.empty())
        return "No segment of the mirror reflects, so no path reaches the detector.";
    const bool middle = finding.leastTime.front() <= 14 && finding.leastTime.back() >= 15;
    const bool right = finding.leastTime.front() >= 15;
    return "The path of least time reflects at " + segmentsWords(finding.leastTime) + " of 30, " +
           (middle ? "at the middle of the mirror." : right ? "right of the middle of the mirror." : "left of the middle of the mirror.");
}

std::string sumWords(const Finding& finding)
{
    std::string words = "The sum vector is " + oneDecimal(finding.sumLength) + " photon vectors long, so the detector gets " +
                        brightnessWords(finding.brightness) + ": ";
    if (finding.brightness >= 0.5)
        return words + "most of it comes from the segments around the path of least time, whose photon vectors point nearly the same way.";
    return words + "the photon vectors turn every way and nearly cancel, so little light arrives.";
}

std::string mirrorWords(const Mirror& mirror)
{
    if (mirror.isWhole())
        return "";
    int reflecting = 0;
    for (int segment = 0; segment < Mirror::segmentCount; ++segment)
        reflecting += mirror.on(segment) ? 1 : 0;
    return " Of the mirror's 30 segments " + std::to_string(reflecting) + " reflect; the others are scraped off.";
}

std::string drawnWords(const DrawnPicture& drawn)
{
    const std::string setting = settingWords(drawn.distance, drawn.frequency);
    switch (drawn.stage) {
    case DrawnPicture::Stage::Empty:
        break;
    case DrawnPicture::Stage::Drawing:
        return "Drawing for " + setting + ": the path via segment " + std::to_string(drawn.segmentsDrawn) + " of 30, its photon vector, its time and the next link of the spiral.";
    case DrawnPicture::Stage::Stopped:
        return "Drawing for " + setting + " stopped after segment " + std::to_string(drawn.segmentsDrawn) + " of 30: a setting is not a number.";
    case DrawnPicture::Stage::Drawn: {
        const std::string words = "Drawn for " + setting + ": the 30 paths from the source via the mirror to the detector, their photon vectors under the mirror, the time curve and the spiral of the photon vectors laid head to tail." + mirrorWords(drawn.mirror);
        if (const auto finding = find(drawn))
            return words + " " + leastTimeWords(*finding) + " " + sumWords(*finding);
        return words;
    }
    }
    return "A source and a detector stand above a mirror of 30 segments. Start draws, for each segment, the path of light via it, its photon vector, its time, and a spiral of the photon vectors laid head to tail.";
}

}  // namespace

std::string describePicture(const DrawnPicture& drawn, const FormState& now)
{
    std::string words = drawnWords(drawn);
    if (drawn.stage == DrawnPicture::Stage::Drawing)
        return words;
    if (drawn.stage == DrawnPicture::Stage::Empty || drawn.distance != now.nPosun || drawn.frequency != now.nKmitocet || drawn.mirror != now.explore.mirror)
        words += " Start will draw " + settingWords(now.nPosun, now.nKmitocet) + ".";
    return words;
}

std::string runEndWords(const DrawnPicture& drawn)
{
    if (drawn.stage != DrawnPicture::Stage::Drawn)
        return drawnWords(drawn);
    const auto finding = find(drawn);
    if (!finding)
        return drawnWords(drawn);
    return "Drawn for " + settingWords(drawn.distance, drawn.frequency) + ". " + leastTimeWords(*finding) + " " + sumWords(*finding);
}

std::string heldInputWords(const FormAction& action, const FormState& after)
{
    struct Words {
        const FormState& after;

        std::string operator()(Button button) const { return button == Button::cmdStart ? "Start" : "Exit"; }
        std::string operator()(Option) const { return settingWords(after.nPosun, after.nKmitocet); }
        std::string operator()(const SpeedMove&) const { return "speed " + std::to_string(after.HScroll1); }
        std::string operator()(const SegmentSwitch& switched) const { return segmentName(switched.segment, after.explore.mirror.on(switched.segment)); }
        std::string operator()(MirrorPreset preset) const
        {
            constexpr const char* names[] = {"the whole mirror", "the middle third", "the outer thirds", "a grating"};
            return names[static_cast<int>(preset)];
        }
        std::string operator()(const DistanceSetting&) const { return "distance " + after.nPosun; }
        std::string operator()(const FrequencySetting&) const { return "frequency " + after.nKmitocet; }
    };
    return std::visit(Words{after}, action);
}

}  // namespace quorvel

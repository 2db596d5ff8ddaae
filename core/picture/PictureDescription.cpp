#include "core/picture/PictureDescription.h"

#include "core/explore/ExploreWords.h"
#include "core/explore/SceneWords.h"
#include "core/explore/MirrorOptics.h"
#include "core/picture/ThroughLineWords.h"
#include "core/start/PathSweep.h"
#include "core/start/SceneSetup.h"
#include "core/text/SettingNumber.h"
#include "core/text/Translation.h"

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

struct Finding {
    Mirror mirror = Mirror::whole();
    std::vector<int> leastTime;
    double sumLength = 0;  // in photon vectors
    double brightness = 0;
    std::optional<double> againstWholeHere;
    LightParts parts;
    bool grating = false;
    int strips = 0;
    int reflecting = 0;
    bool aroundScraped = false;  // no segment around the least-time point reflects
    double spiralSize = 1;  // of its full size, as the spiral and the sum vector are drawn
    double timeCurveHeight = 1;  // of its full height, as the time curve is drawn
};

std::optional<Finding> find(const DrawnPicture& drawn)
{
    const auto distance = parseDecimal(drawn.distance);
    const auto frequency = parseDecimal(drawn.frequency);
    if (!distance || !frequency)
        return std::nullopt;
    const Scene scene = sceneGeometry(*distance, *frequency, drawn.layout, drawn.measure);
    const PhotonVectors arrows = photonVectors(*distance, *frequency, drawn.measure);
    Finding finding{drawn.mirror,
                    markedPoints(scene),
                    std::sqrt(sumOfArrows(arrows, drawn.mirror).squaredLength()),
                    brightness(drawn.mirror, *distance, *frequency, drawn.measure),
                    againstWholeMirrorHere(drawn.mirror, *distance, *frequency, drawn.measure),
                    lightParts(drawn.mirror, *distance, *frequency, drawn.measure),
                    false,
                    strips(drawn.mirror),
                    drawn.mirror.count(),
                    (aroundLeastTime(*distance) & drawn.mirror).none(),
                    drawn.spiralSize,
                    scene.timeCurveHeight};
    finding.grating = finding.strips > 1 && withinAQuarterTurn(arrows, drawn.mirror);
    // Texts far beyond any setting can turn the arrows into no numbers, or the light into more
    // than words can count; the picture is then described without them.
    constexpr double mostLight = 1e6;
    if (!std::isfinite(finding.sumLength) || !(finding.brightness >= 0 && finding.brightness <= mostLight) || !std::isfinite(finding.parts.nearLeastTime) ||
        !std::isfinite(finding.parts.farFromLeastTime))
        return std::nullopt;
    return finding;
}

// Whole sentences for each case, so that a translation may order them as its language does.
// Segments are counted from 1, as a person counts them.
std::string leastTimeWords(const Finding& finding)
{
    if (finding.mirror.none())
        return translate("PictureDescription", "No segment of the mirror reflects, so no path reaches the detector.");
    const std::vector<int>& segments = finding.leastTime;
    const bool middle = segments.front() <= 14 && segments.back() >= 15;
    const bool right = segments.front() >= 15;
    std::vector<int> scraped;
    for (const int segment : segments) {
        if (!finding.mirror.on(segment))
            scraped.push_back(segment);
    }
    if (segments.size() == 1) {
        const std::string sentence =
            scraped.empty() ? (middle  ? translate("PictureDescription", "The path of least time reflects at segment %1 of 30, at the middle of the mirror.")
                               : right ? translate("PictureDescription", "The path of least time reflects at segment %1 of 30, right of the middle of the mirror.")
                                       : translate("PictureDescription", "The path of least time reflects at segment %1 of 30, left of the middle of the mirror."))
            : middle        ? translate("PictureDescription", "The path of least time would reflect at segment %1 of 30, at the middle of the mirror, but that segment is scraped off.")
            : right         ? translate("PictureDescription", "The path of least time would reflect at segment %1 of 30, right of the middle of the mirror, but that segment is scraped off.")
                            : translate("PictureDescription", "The path of least time would reflect at segment %1 of 30, left of the middle of the mirror, but that segment is scraped off.");
        return fillIn(sentence, {counted(segments.front())});
    }
    const bool bothScraped = scraped.size() == segments.size();
    const std::string sentence =
        !bothScraped ? (middle  ? translate("PictureDescription", "The path of least time reflects at segments %1 and %2 of 30, at the middle of the mirror.")
                        : right ? translate("PictureDescription", "The path of least time reflects at segments %1 and %2 of 30, right of the middle of the mirror.")
                                : translate("PictureDescription", "The path of least time reflects at segments %1 and %2 of 30, left of the middle of the mirror."))
        : middle     ? translate("PictureDescription", "The path of least time would reflect between segments %1 and %2 of 30, at the middle of the mirror, but both are scraped off.")
        : right      ? translate("PictureDescription", "The path of least time would reflect between segments %1 and %2 of 30, right of the middle of the mirror, but both are scraped off.")
                     : translate("PictureDescription", "The path of least time would reflect between segments %1 and %2 of 30, left of the middle of the mirror, but both are scraped off.");
    const std::string words = fillIn(sentence, {counted(segments.front()), counted(segments.back())});
    if (scraped.size() == 1)
        return words + " " + fillIn(translate("PictureDescription", "Of the two, segment %1 is scraped off."), {counted(scraped.front())});
    return words;
}

// Where the light comes from is said as the sum's parts show it: the segments around the
// least-time point against the rest, or a grating's strips, or arrows that nearly cancel.
std::string sumWords(const Finding& finding)
{
    const std::string length = oneDecimal(finding.sumLength);
    const std::string light = brightnessNumber(finding.brightness);
    const LightParts& parts = finding.parts;
    const bool fromAround = parts.nearLeastTime > parts.farFromLeastTime;
    if (finding.reflecting == 0)
        return translate("PictureDescription", "No segment reflects, so no photon vector reaches the detector and no light arrives.");
    if (finding.grating) {
        const std::string from = finding.aroundScraped ? translate("PictureDescription", "All of the sum comes from segments far from the path of least time, as those around it are scraped off.")
                                 : fromAround          ? translate("PictureDescription", "Most of the sum, %1 of its %2 photon vectors, comes from the segments around the path of least time.")
                                                       : translate("PictureDescription", "Most of the sum, %1 of its %2 photon vectors, comes from segments far from the path of least time.");
        return fillIn(translate("PictureDescription", "The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle."), {length, light}) +
               " " +
               fillIn(translate("PictureDescription", "The %1 strips left make a grating: each kept photon vector points within a quarter turn of one direction, so each adds to the sum along it."),
                      {std::to_string(finding.strips)}) +
               afterSpace(fillIn(from, {oneDecimal(fromAround ? parts.nearLeastTime : parts.farFromLeastTime), length}));
    }
    // Arrows that nearly cancel: little light, and a sum far shorter than their count; what is
    // left of it may still come mostly from around the path of least time.
    if (finding.brightness < 0.5 && finding.sumLength < finding.reflecting / 4.0) {
        const std::string words = fillIn(translate("PictureDescription", "The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: "
                                                                         "the photon vectors turn every way and nearly cancel, so little light arrives."),
                                         {length, light});
        if (!fromAround || finding.aroundScraped)
            return words;
        return words + " " +
               fillIn(translate("PictureDescription", "Most of the sum, %1 of its %2 photon vectors, comes from the segments around the path of least time."),
                      {oneDecimal(parts.nearLeastTime), length});
    }
    if (fromAround)
        return fillIn(translate("PictureDescription", "The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: "
                                                      "most of it comes from the segments around the path of least time, whose photon vectors turn least from one to the next."),
                      {length, light});
    if (finding.aroundScraped)
        return fillIn(translate("PictureDescription", "The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: "
                                                      "all of it comes from segments far from the path of least time, as those around it are scraped off."),
                      {length, light});
    return fillIn(translate("PictureDescription", "The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: "
                                                  "most of it, %3 of its %1 photon vectors, comes from segments far from the path of least time."),
                  {length, light, oneDecimal(parts.farFromLeastTime)});
}

// How likely light is to arrive against the whole mirror at the same place; of the whole mirror
// that is the brightness itself, and nothing more is said.
std::string againstWholeWords(const Finding& finding)
{
    if (finding.mirror.isWhole() || finding.reflecting == 0)
        return "";
    if (!finding.againstWholeHere)
        return afterSpace(translate("PictureDescription", "The whole mirror at this place sends no light to the detector."));
    return afterSpace(fillIn(translate("PictureDescription", "Light is %1 times as likely to reach the detector as with the whole mirror at this place: "
                                                             "the square of the sum vector's length against the whole mirror's."),
                                 {brightnessNumber(*finding.againstWholeHere)}));
}

std::string mirrorWords(const Mirror& mirror)
{
    if (mirror.isWhole())
        return "";
    if (mirror.count() == 0)
        return afterSpace(translate("PictureDescription", "Every segment of the mirror is scraped off."));
    return afterSpace(fillIn(translate("PictureDescription", "Of the mirror's 30 segments %1 reflect; the others are scraped off."), {std::to_string(mirror.count())}));
}

// Only the real lengths are said: the window's own measure is the picture as it always was.
std::string measureSentence(PathMeasure measure)
{
    return measure == PathMeasure::TwoLegs ? afterSpace(translate("PictureDescription", "Each path is measured by its real length, its two legs added.")) : "";
}

std::string drawnWords(const DrawnPicture& drawn)
{
    if (passesThrough(drawn.scene) && drawn.stage != DrawnPicture::Stage::Empty)
        return drawn.stage == DrawnPicture::Stage::Drawn ? throughLineDrawn(drawn) : throughLineProgress(drawn);
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
    case DrawnPicture::Stage::Interrupted:
        return fillIn(translate("PictureDescription", "Drawing for distance %1 and frequency %2 was stopped after segment %3 of 30."),
                      {drawn.distance, drawn.frequency, segments});
    case DrawnPicture::Stage::Drawn: {
        const std::string words = fillIn(translate("PictureDescription", "Drawn for distance %1 and frequency %2: the 30 paths from the source via the mirror to the detector, "
                                                                         "their photon vectors under the mirror, the time curve and the spiral of the photon vectors laid head to tail."),
                                         {drawn.distance, drawn.frequency}) +
                                  mirrorWords(drawn.mirror) + measureSentence(drawn.measure);
        if (const auto finding = find(drawn))
            return words + fitWords(finding->spiralSize, finding->timeCurveHeight) + " " + leastTimeWords(*finding) + " " + sumWords(*finding) + againstWholeWords(*finding);
        return words;
    }
    }
    return translate("PictureDescription", "A source and a detector stand above a mirror of 30 segments. Start draws, for each segment, the path of light via it, "
                                           "its photon vector, its time, and a spiral of the photon vectors laid head to tail.");
}

}  // namespace

// Before any Start the picture is the scene chosen, which Start will draw.
std::string describePicture(const DrawnPicture& drawn, const FormState& now)
{
    const SceneKind scene = now.explore.scene;
    const bool empty = drawn.stage == DrawnPicture::Stage::Empty;
    std::string words = empty && passesThrough(scene) ? throughLineIntro(scene, now.explore.gapPoints) : drawnWords(drawn);
    if (drawn.stage == DrawnPicture::Stage::Drawing)
        return words;
    if (empty || drawn.distance != now.nPosun || drawn.frequency != now.nKmitocet || drawn.mirror != now.explore.pathsThatCount() || drawn.measure != now.explore.measure ||
        drawn.scene != scene)
        words += afterSpace(passesThrough(scene) ? throughLineStartWillDraw(now)
                                                 : fillIn(translate("PictureDescription", "Start will draw distance %1 and frequency %2."), {now.nPosun, now.nKmitocet}));
    return words;
}

std::string runEndWords(const DrawnPicture& drawn)
{
    if (drawn.stage != DrawnPicture::Stage::Drawn)
        return drawnWords(drawn);
    if (passesThrough(drawn.scene))
        return throughLineRunEnd(drawn);
    const auto finding = find(drawn);
    if (!finding)
        return drawnWords(drawn);
    return fillIn(translate("PictureDescription", "Drawn for distance %1 and frequency %2."), {drawn.distance, drawn.frequency}) +
           fitWords(finding->spiralSize, finding->timeCurveHeight) + " " + leastTimeWords(*finding) + " " + sumWords(*finding) + againstWholeWords(*finding);
}

std::string heldInputWords(const FormAction& action, const FormState& after)
{
    struct Words {
        const FormState& after;

        std::string operator()(Button button) const { return button == Button::cmdStart ? translate("WindowLabels", "Start") : translate("WindowLabels", "Exit"); }
        std::string operator()(Option) const { return settingWords(after.nPosun, after.nKmitocet); }
        std::string operator()(const SpeedMove&) const { return fillIn(translate("PictureDescription", "speed %1"), {std::to_string(after.HScroll1)}); }
        std::string operator()(const SegmentSwitch& switched) const { return segmentName(switched.segment, after.explore.mirror.on(switched.segment)); }
        // What the preset did to the mirror, so that the brightness after it reads as its result.
        std::string operator()(MirrorPreset preset) const
        {
            constexpr const char* done[] = {QT_TRANSLATE_NOOP("PictureDescription", "the whole mirror put back"),
                                            QT_TRANSLATE_NOOP("PictureDescription", "the mirror scraped to its middle third"),
                                            QT_TRANSLATE_NOOP("PictureDescription", "the mirror scraped to its outer thirds"),
                                            QT_TRANSLATE_NOOP("PictureDescription", "the mirror scraped into a grating"),
                                            QT_TRANSLATE_NOOP("PictureDescription", "the mirror scraped to the third around least time"),
                                            QT_TRANSLATE_NOOP("PictureDescription", "the third around least time scraped off")};
            return translate("PictureDescription", done[static_cast<int>(preset)]);
        }
        std::string operator()(const DistanceSetting&) const { return fillIn(translate("PictureDescription", "distance %1"), {after.nPosun}); }
        std::string operator()(const FrequencySetting&) const { return fillIn(translate("PictureDescription", "frequency %1"), {after.nKmitocet}); }
        std::string operator()(const MeasureSetting& setting) const { return fillIn(translate("PictureDescription", "path lengths: %1"), {measureName(setting.measure)}); }
        std::string operator()(const SecondFrequencySetting&) const
        {
            return after.explore.secondShown ? fillIn(translate("PictureDescription", "second frequency %1"), {tenthsText(after.explore.secondFrequencyTenths)})
                                             : translate("PictureDescription", "no second frequency");
        }
        std::string operator()(PanelCommand) const
        {
            return after.explore.open ? translate("PictureDescription", "the explore panel opened") : translate("PictureDescription", "the explore panel closed");
        }
        std::string operator()(const SceneSetting&) const
        {
            return fillIn(translate("PictureDescription", "the scene \u201c%1\u201d chosen"), {sceneName(after.explore.scene)});
        }
        std::string operator()(const GapSetting&) const
        {
            return fillIn(translate("PictureDescription", "the screen's gap set to %1 points"), {std::to_string(after.explore.gapPoints)});
        }
    };
    return std::visit(Words{after}, action);
}

ShownCaption sumLabelCaption(const DrawnPicture& drawn)
{
    const WindowLabel& label = windowLabel("labSoucet");
    if (drawn.stage != DrawnPicture::Stage::Drawn || drawn.spiralSize >= 1)
        return shownCaption(label);
    return shownCaption(label, translate("WindowLabels", label.caption) + " (\u00d7\u00a0" + hundredthsText(drawn.spiralSize) + ')');
}

}  // namespace quorvel

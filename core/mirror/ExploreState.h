#pragma once

#include "core/mirror/Mirror.h"
#include "core/mirror/PanelField.h"
#include "core/mirror/PathMeasure.h"
#include "core/mirror/SceneKind.h"
#include "core/layout/SettingRanges.h"

#include <optional>
#include <string>

namespace quorvel {

// The explore panel's input. Like the window's, it is held while Start runs.
struct SegmentSwitch {
    int segment = 0;
    bool operator==(const SegmentSwitch&) const = default;
};

// AroundLeastTime is the third of the mirror centred on the least-time point, following the pair;
// AwayFromLeastTime the rest of the mirror.
enum class MirrorPreset { WholeMirror, MiddleThird, OuterThirds, Grating, AroundLeastTime, AwayFromLeastTime };

// The distance of the pair from the middle, in pixels, and the frequency in tenths.
struct DistanceSetting {
    int pixels = 0;
    bool operator==(const DistanceSetting&) const = default;
};

struct FrequencySetting {
    int tenths = 10;
    bool operator==(const FrequencySetting&) const = default;
};

struct MeasureSetting {
    PathMeasure measure = PathMeasure::RootOfSquares;
    bool operator==(const MeasureSetting&) const = default;
};

// The panel opened, closed, or turned from the one to the other when it is carried out, as Ctrl+E
// does; held through a run like the rest of the input, so that what came before it lands on the
// panel as it was.
enum class PanelCommand { Open, Close, Toggle };

// What the panel offers when the middle or outer thirds are shown where the ends do not cancel:
// a frequency at which they do, or, with the pair away from the middle, the middle; Nowhere when
// no frequency within reach does.
struct EndsLesson {
    enum class Offer { None, Frequency, Middle, Nowhere };
    Offer offer = Offer::None;
    int frequencyTenths = 0;  // for Offer::Frequency
    double middleThird = 0;  // the two thirds' brightness at the setting shown
    double outerThirds = 0;
    bool operator==(const EndsLesson&) const = default;
};

// The scene the panel shows, and the width of the gap in the screen, in points of the line.
struct SceneSetting {
    SceneKind kind = SceneKind::Mirror;
    bool operator==(const SceneSetting&) const = default;
};

struct GapSetting {
    int points = 6;
    bool operator==(const GapSetting&) const = default;
};

// A second frequency whose curve the graph draws beside the first's, when shown.
struct SecondFrequencySetting {
    bool shown = false;
    int tenths = 20;
    bool operator==(const SecondFrequencySetting&) const = default;
};

// What the explore panel shows. Its distance and frequency follow the settings texts, whichever
// control wrote them.
struct ExploreState {
    static constexpr int distanceMinimum = exploreDistanceRange.minimum;
    static constexpr int distanceMaximum = exploreDistanceRange.maximum;
    static constexpr int frequencyTenthsMinimum = exploreFrequencyRange.minimum;
    // Above these the arrows of neighbouring segments turn apart by more than half a turn, so the
    // spiral's ends wind backwards and one frequency looks like another. With the pair anywhere
    // from -330 to 330, the real lengths stay within half a turn up to 1.3 (168 degrees at the
    // far end). The window's measure would need 1.9, but the window's own frequency 2 stays: at 2
    // the neighbours at the far end turn 179 degrees with the pair at the middle and up to
    // 182 degrees beyond 36 pixels from it, too little to read wrongly.
    static constexpr int frequencyTenthsMaximum = exploreFrequencyRange.maximum;
    static constexpr int twoLegsFrequencyTenthsMaximum = 13;
    static constexpr int frequencyTenthsCap(PathMeasure measure)
    {
        return measure == PathMeasure::TwoLegs ? twoLegsFrequencyTenthsMaximum : frequencyTenthsMaximum;
    }
    static constexpr int frequencyTenthsCap(PathMeasure measure, SceneKind scene)
    {
        return passesThrough(scene) ? describedScene(scene).frequencyTenthsCap : frequencyTenthsCap(measure);
    }

    bool open = false;
    SceneKind scene = SceneKind::Mirror;
    int gapPoints = 6;
    Mirror mirror = Mirror::whole();
    int distance = 0;
    int frequencyTenths = 10;
    PathMeasure measure = PathMeasure::RootOfSquares;
    // The mirror the last Grating was scraped from, while the mirror is still that grating, so
    // that Grating again scrapes the same segments for the settings of the moment.
    Mirror gratingFrom = Mirror::whole();
    bool isGrating = false;
    EndsLesson endsLesson;
    bool secondShown = false;  // the graph's second frequency, which changes nothing else
    int secondFrequencyTenths = 20;
    int currentSegment = 0;  // where the segment strip's keyboard stands
    double brightness = 1;
    // Against the whole mirror at the same place; nothing where that sends no light.
    std::optional<double> brightnessHere = 1.0;
    // The most light any mirror sends at this frequency, where the brightness bar is full.
    double brightnessTop = 2;
    // The panel has changed the picture's settings, so every label gets a place by what it explains.
    bool used = false;
    // Why the panel last moved a frequency by itself, as a scene or a measure that shows less or
    // more truly does: said once, and shown beside the frequency until the panel's settings
    // change again, so that a number that moved unasked is explained to those who see it too.
    std::string frequencyNote;
    std::optional<FieldRefusal> refusal;

    // The note gives its place to a refusal, so that the panel keeps within the window's height
    // with the ends' lesson shown too.
    bool frequencyNoteShown() const { return !frequencyNote.empty() && !refusal; }

    double frequency() const { return frequencyTenths / 10.0; }
    int frequencyCap() const { return frequencyTenthsCap(measure, scene); }
    // The paths that count: the mirror's reflecting segments, the points in the screen's gap, or
    // every point of a line that lets light through everywhere.
    Mirror pathsThatCount() const
    {
        const int first = (Mirror::segmentCount - gapPoints) / 2;
        return scene == SceneKind::Mirror ? mirror : describedScene(scene).screen ? Mirror::span(first, first + gapPoints - 1) : Mirror::whole();
    }
};

}  // namespace quorvel

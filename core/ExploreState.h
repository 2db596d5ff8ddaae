#pragma once

#include "core/Mirror.h"
#include "core/PathMeasure.h"

namespace quorvel {

// The explore panel's input. Like the window's, it is held while Start runs.
struct SegmentSwitch {
    int segment = 0;
    bool operator==(const SegmentSwitch&) const = default;
};

enum class MirrorPreset { WholeMirror, MiddleThird, OuterThirds, Grating };

// The distance of the pair from the middle, in pixels, and the frequency in tenths.
struct DistanceSetting {
    int pixels = 0;
    bool operator==(const DistanceSetting&) const = default;
};

struct FrequencySetting {
    int tenths = 10;
    bool operator==(const FrequencySetting&) const = default;
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
    static constexpr int distanceMinimum = -350;
    static constexpr int distanceMaximum = 350;
    static constexpr int frequencyTenthsMinimum = 5;
    static constexpr int frequencyTenthsMaximum = 30;

    bool open = false;
    Mirror mirror = Mirror::whole();
    int distance = 0;
    int frequencyTenths = 10;
    PathMeasure measure = PathMeasure::RootOfSquares;
    bool secondShown = false;  // the graph's second frequency, which changes nothing else
    int secondFrequencyTenths = 20;
    int currentSegment = 0;  // where the segment strip's keyboard stands
    double brightness = 1;
    // The panel has changed the picture's settings, so every label gets a place by what it explains.
    bool used = false;

    double frequency() const { return frequencyTenths / 10.0; }
};

}  // namespace quorvel

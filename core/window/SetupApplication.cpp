#include "core/window/SetupApplication.h"

#include "core/window/MainFormModel.h"
#include "core/explore/MirrorOptics.h"
#include "core/settings/Setup.h"

namespace quorvel {

// The options where they offer the value, so that the window is the classic one as far as it can
// be; op0 sets frequency 1, so the distance comes first. The scene caps the frequency and the
// measure in its own way, so it comes before both.
void SetupApplication::apply(const Setup& setup)
{
    if (setup.distance == 0 || setup.distance == 250)
        window_.choose(setup.distance == 0 ? Option::op0 : Option::op250);
    else
        window_.perform(DistanceSetting{setup.distance});
    window_.perform(SceneSetting{setup.scene});
    if (setup.gapPoints != window_.state().explore.gapPoints)
        window_.perform(GapSetting{setup.gapPoints});
    if (setup.frequencyTenths == 10 || setup.frequencyTenths == 20)
        window_.choose(setup.frequencyTenths == 10 ? Option::op1 : Option::op2);
    else
        window_.perform(FrequencySetting{setup.frequencyTenths});
    window_.moveSpeed(SpeedMove::to(setup.speed));
    if (setup.measure != window_.state().explore.measure)
        window_.perform(MeasureSetting{setup.measure});
    applyMirror(setup.mirror);
    window_.openExplore(setup.explore);
}

// By its preset where one scrapes it, else segment by segment, the strip's keyboard staying where
// it stood.
void SetupApplication::applyMirror(const Mirror& mirror)
{
    const ExploreState& explore = window_.state().explore;
    if (explore.mirror == mirror)
        return;
    for (const MirrorPreset preset : {MirrorPreset::WholeMirror, MirrorPreset::MiddleThird, MirrorPreset::OuterThirds, MirrorPreset::Grating,
                                      MirrorPreset::AroundLeastTime, MirrorPreset::AwayFromLeastTime}) {
        if (presetMirror(preset, explore.distance, explore.frequency(), explore.measure, explore.mirror) == mirror)
            return window_.perform(preset);
    }
    const int cursor = explore.currentSegment;
    for (int segment = 0; segment < Mirror::segmentCount; ++segment) {
        if (explore.mirror.on(segment) != mirror.on(segment))
            window_.perform(SegmentSwitch{segment});
    }
    window_.moveSegmentCursor(cursor - explore.currentSegment);
}

}  // namespace quorvel

#pragma once

#include "core/mirror/ExploreState.h"
#include "core/settings/FormState.h"

#include <variant>

namespace quorvel {

// One piece of a person's input to the window: carried out at once when the window is idle, held
// in the order it came while Start runs.
using FormAction = std::variant<Button, Option, SpeedMove, SegmentSwitch, MirrorPreset, DistanceSetting, FrequencySetting, MeasureSetting, SecondFrequencySetting,
                                PanelCommand, SceneSetting, GapSetting>;

}  // namespace quorvel

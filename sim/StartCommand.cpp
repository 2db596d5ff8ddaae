#include "sim/StartCommand.h"

#include "sim/PathSweep.h"
#include "sim/ResultMarks.h"
#include "sim/SceneSetup.h"

namespace quorvel {

StartCommand::StartCommand(DrawingSurface& surface, const SettingsTexts& settings, ResultLabels& labels, Pacer& pacer)
    : surface_(surface), settings_(settings), labels_(labels), pacer_(pacer)
{
}

void StartCommand::run()
{
    Scene scene = setUpScene(surface_, settings_);
    if (sweepPaths(scene, surface_, settings_, pacer_) == SweepEnd::Abandoned)
        return;
    drawResultMarks(scene, surface_);
    placeResultLabels(scene, settings_, labels_);
}

}  // namespace quorvel

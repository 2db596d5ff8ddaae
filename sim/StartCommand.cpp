#include "sim/StartCommand.h"

#include "sim/Pacer.h"
#include "sim/StartSequence.h"

namespace quorvel {

StartCommand::StartCommand(DrawingSurface& surface, const SettingsTexts& settings, ResultLabels& labels, Pacer& pacer)
    : surface_(surface), settings_(settings), labels_(labels), pacer_(pacer)
{
}

void StartCommand::run()
{
    StartSequence sequence(surface_, settings_, labels_);
    while (const auto pause = sequence.step()) {
        if (!pacer_.pause(*pause))
            return;
    }
}

}  // namespace quorvel

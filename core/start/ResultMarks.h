#pragma once

#include "core/start/Scene.h"

namespace quorvel {

class DrawingSurface;
class Mirror;
class ResultLabels;
class SettingsTexts;
struct Scene;


// Last stage of Start: marks the least-time point and path, draws the sum vector that closes the
// spiral, fills the source and the detector again, then places and shows the five result labels.
// A path of least time that a screen stops is marked on the time curve alone.
void drawResultMarks(const Scene& scene, DrawingSurface& surface, bool leastTimePathPasses = true);
void placeResultLabels(const Scene& scene, const Mirror& mirror, const SettingsTexts& settings, ResultLabels& labels, Layout layout);

}  // namespace quorvel

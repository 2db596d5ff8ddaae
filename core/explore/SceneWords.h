#pragma once

#include "core/mirror/SceneKind.h"

#include <string>

namespace quorvel {

// The words of the scenes beyond the mirror, the same in both editions.

// The scene as the panel's choice names it: "Mirror", "Into water", ...
std::string sceneName(SceneKind kind);
// The graph's distance axis: the pair's distance for the mirror, the detector's place beyond it.
std::string graphAxisTitle(SceneKind kind);
// What the graph's grey curve is.
std::string graphGreyCurve(SceneKind kind);
// Said when one of the window's options sets a frequency beyond what the scene shows truly.
std::string sceneBackWords(int frequencyTenths);

}  // namespace quorvel

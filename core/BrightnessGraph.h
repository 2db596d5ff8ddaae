#pragma once

#include "core/Mirror.h"

namespace quorvel {

class DrawingSurface;

// The explore panel's graph of the brightness against the distance, -350 to 350 pixels: the
// current mirror's curve over the whole mirror's, faint, and a marker at the current distance.
class BrightnessGraph {
public:
    static constexpr int width = 300;
    static constexpr int height = 150;

    // Draws the whole graph, its background included.
    static void draw(DrawingSurface& surface, const Mirror& mirror, double frequency, int distance);
    // The distance a point of the graph stands for, within -350 to 350.
    static int distanceAt(float x);
};

}  // namespace quorvel

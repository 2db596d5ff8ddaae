#pragma once

#include "core/Mirror.h"
#include "core/PathMeasure.h"

#include <array>
#include <optional>

namespace quorvel {

class DrawingSurface;

// The explore panel's graph of the brightness against the distance, -350 to 350 pixels: the
// current mirror's curve over the whole mirror's, faint, and a marker at the current distance.
// The curves are kept while the mirror and the frequency stay, so that moving the pair only
// draws them again.
class BrightnessGraph {
public:
    static constexpr int width = 300;
    static constexpr int height = 150;
    static constexpr int distances = 701;

    // Draws the whole graph, its background included.
    void draw(DrawingSurface& surface, const Mirror& mirror, double frequency, int distance, PathMeasure measure = PathMeasure::RootOfSquares);
    // The distance a point of the graph stands for, within -350 to 350.
    static int distanceAt(float x);

private:
    using Curve = std::array<double, distances>;
    struct Curves {
        Mirror mirror;
        double frequency;
        PathMeasure measure;
        Curve whole;
        Curve current;
    };

    const Curves& curvesFor(const Mirror& mirror, double frequency, PathMeasure measure);

    std::optional<Curves> curves_;
};

}  // namespace quorvel

#pragma once

#include "core/mirror/ExploreState.h"
#include "core/mirror/Mirror.h"
#include "core/explore/MirrorOptics.h"
#include "core/mirror/PathMeasure.h"

#include <array>
#include <optional>
#include <string>

namespace quorvel {

class TextSurface;

// The explore panel's graph of the brightness against the distance, laid out as the picture is:
// distance 330, the pair at the picture's left, at the graph's left, and -330 at its right. The
// height is the square root of the brightness, the length of the sum vector against the whole
// mirror's at the middle, so that a grating's tall peak leaves the whole mirror's curve its
// shape; the numbers on the axis are brightnesses. It plots the current mirror's curve in its
// frequency's colour over the whole mirror's, grey, with the second frequency's curve when the
// panel shows one; marks the classic window's distances, and the pair.
// Each frequency's curves are kept while the mirror, the frequency and the path's measure stay,
// so that moving the pair only draws them again.
class BrightnessGraph {
public:
    static constexpr int width = 300;
    static constexpr int height = 150;
    static constexpr int distances = ExploreState::distanceMaximum - ExploreState::distanceMinimum + 1;
    static constexpr int textSize = 11;

    // Draws the whole graph, its background and its axes' words included.
    void draw(TextSurface& surface, const ExploreState& explore);
    // The graph in words, for those who cannot see it: where each curve is highest and what it
    // reads at the pair.
    std::string describe(const ExploreState& explore);
    // The distance a point of the graph stands for, within -330 to 330.
    static int distanceAt(float x);
    // Where the graph draws a distance.
    static double xOf(int distance);

private:
    using Curve = std::array<double, distances>;
    struct Key {
        Mirror mirror;
        int frequencyTenths;
        PathMeasure measure;
        SceneKind scene;
        bool operator==(const Key&) const = default;
    };
    struct Curves {
        Key key;
        Curve whole;  // the mirror whole, or the scene's other arrangement
        Curve current;
        std::array<Arrow, distances> sums;  // the current mirror's sum vector at each distance
    };

    static Key keyOf(const ExploreState& explore, int frequencyTenths);
    // The curves of the last two keys asked for: the panel's frequency and the second one's.
    const Curves& curvesFor(const Key& key, const Curves* inUse = nullptr);
    static void workOut(Curves& curves, const Key& key);
    static void followMirror(Curves& curves, const Mirror& mirror);

    std::array<std::optional<Curves>, 2> kept_;
    std::size_t older_ = 0;
};

}  // namespace quorvel

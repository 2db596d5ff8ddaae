#pragma once

#include "core/draw/Colour.h"

#include <array>

namespace quorvel {

// What the paths go via on their way from the source to the detector. The mirror reflects them
// back up; the others let them through a line to a detector below it: a water or glass surface,
// where light is slower below, a line of points with or without a lens of glass on it, and a
// screen with a gap, through which alone the paths count.
enum class SceneKind { Mirror, Water, Glass, Lens, NoLens, Gap };

inline constexpr int sceneKindCount = static_cast<int>(SceneKind::Gap) + 1;

// A scene as data: the drawing and the sums read it, so that a scene of paths through a line is
// one row here and its words.
struct SceneDescription {
    // How much slower light is below the line than above it: a piece of path there takes its
    // length times this.
    double slowness = 1;
    // How far left of the middle the source stands: over a surface it stands aside, so that the
    // least-time path bends.
    double sourceLeft = 0;
    // How high the source stands above the line, and the detector below it. The gap's pair stands
    // farther, so that a gap a few points wide leaves a shadow off the straight line.
    double pairHeight = 60;
    // A lens slows each path so that every path to the focus takes the same time.
    bool lens = false;
    // The line is a screen, and only the paths through its gap count.
    bool screen = false;
    Rgb lineColour = darkGrey;
    // The arrangement the graph draws beside the scene's, in grey; the second figure compares
    // the light with it where compared is set.
    SceneKind other = SceneKind::Mirror;
    bool compared = false;
    // The highest frequency, in tenths, at which neighbouring points' arrows turn apart by at
    // most half a turn wherever the detector stands; above it the spiral's ends wind backwards
    // and one frequency looks like another. 0 for the mirror, whose cap goes by its measure.
    int frequencyTenthsCap = 0;
};

inline constexpr std::array<SceneDescription, sceneKindCount> sceneDescriptions{{
    {},
    {1.33, 100, 60, false, false, waterBlue, SceneKind::Glass, false, 12},
    {1.5, 100, 60, false, false, glassTeal, SceneKind::Water, false, 11},
    {1, 0, 60, true, false, darkGrey, SceneKind::NoLens, true, 14},
    {1, 0, 60, false, false, darkGrey, SceneKind::Lens, true, 14},
    {1, 0, 100, false, true, darkGrey, SceneKind::Gap, true, 14},
}};

constexpr const SceneDescription& describedScene(SceneKind kind) { return sceneDescriptions[static_cast<int>(kind)]; }

constexpr bool passesThrough(SceneKind kind) { return kind != SceneKind::Mirror; }

constexpr double slownessBelow(SceneKind kind) { return describedScene(kind).slowness; }

// The lens's glass, whose thickness slows a path by half of it: the glass is twice as thick as
// the delay it gives.
inline constexpr double lensGlassSlowness = 1.5;

}  // namespace quorvel

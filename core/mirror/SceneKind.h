#pragma once

namespace quorvel {

// What the paths go via on their way from the source to the detector. The mirror reflects them
// back up; the others let them through a line to a detector below it: a water or glass surface,
// where light is slower below, a line of points with or without a lens of glass on it, and a
// screen with a gap, through which alone the paths count.
enum class SceneKind { Mirror, Water, Glass, Lens, NoLens, Gap };

inline constexpr int sceneKindCount = static_cast<int>(SceneKind::Gap) + 1;

constexpr bool passesThrough(SceneKind kind) { return kind != SceneKind::Mirror; }

// How much slower light is below the line than above it: the time of a piece of path is its
// length times this.
constexpr double slownessBelow(SceneKind kind)
{
    return kind == SceneKind::Water ? 1.33 : kind == SceneKind::Glass ? 1.5 : 1.0;
}

// The lens's glass, whose thickness slows each path by half of it.
inline constexpr double lensGlassSlowness = 1.5;

}  // namespace quorvel

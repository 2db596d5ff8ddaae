#pragma once

#include "core/mirror/Mirror.h"
#include "core/mirror/SceneKind.h"

#include <optional>

namespace quorvel {

// The sum over paths where they pass through a line. The mirror says which paths count: those
// through a screen's gap.

// The squared sum of all thirty paths' arrows in step, the most light thirty paths can send,
// which the light through a line is measured against.
inline constexpr double allInStep = Mirror::segmentCount * Mirror::segmentCount;

// The sum vector's length, in photon vectors: 30 when every path takes the same time.
double sumLength(SceneKind kind, const Mirror& open, double distance, double frequency);

// How much light reaches the detector: the squared sum against that of all thirty paths in step,
// the most thirty paths can send.
double lightThroughLine(SceneKind kind, const Mirror& open, double distance, double frequency);

// The light against the same place's with the line's other arrangement: the gap against the line
// with no screen, the lens against none and the line without it against the lens; nothing for a
// surface, or where the other sends no light.
std::optional<double> againstOtherHere(SceneKind kind, const Mirror& open, double distance, double frequency);

// Where the path of least time crosses a water or glass surface, worked out on the whole
// continuous surface rather than at the drawn points, and the sines of its angles to the upright
// above and below: the first is the slowness times the second, as Snell's law has it.
struct SurfaceCrossing {
    double x = 0;
    double sineAbove = 0;
    double sineBelow = 0;
};
SurfaceCrossing leastTimeCrossing(SceneKind kind, double distance);

}  // namespace quorvel

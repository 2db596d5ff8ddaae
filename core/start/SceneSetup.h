#pragma once

#include "core/mirror/Mirror.h"
#include "core/start/Scene.h"

#include <optional>

namespace quorvel {

class DrawingSurface;

// How thick the lens is drawn at its thickest, in pixels: its glass is many times thicker.
inline constexpr double lensDrawnThickness = 40;
class SettingsTexts;

// The scene's quantities for a distance and a frequency, with nothing drawn.
// Where the paths pass through a line, the distance moves the detector alone, and the paths are
// measured by their real lengths.
Scene sceneGeometry(double distance, double frequency, Layout layout = Layout::Classic, PathMeasure measure = PathMeasure::RootOfSquares,
                    SceneKind kind = SceneKind::Mirror);

// The segment of the mirror at a point of the picture, counted from 0 at the left: the point is
// on it or within a few pixels above or below it.
std::optional<int> mirrorSegmentAt(float x, float y);

// First stage of Start: erases the picture area, computes the scene from the distance and
// frequency texts, with the spiral's size for the layout and the mirror, and draws the source,
// the detector, the mirror and the spiral's start dot.
// Throws SettingsError at the first text that is not a number, leaving what it drew. What comes
// after the band is drawn on within, which may be the surface itself.
// Where the paths pass through a line, the mirror tells which of them count: those through a
// screen's gap.
Scene setUpScene(DrawingSurface& surface, const SettingsTexts& settings, const Mirror& mirror, DrawingSurface& within, Layout layout,
                 PathMeasure measure = PathMeasure::RootOfSquares, SceneKind kind = SceneKind::Mirror);

}  // namespace quorvel

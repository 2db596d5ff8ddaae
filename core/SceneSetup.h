#pragma once

#include "core/Scene.h"

namespace quorvel {

class DrawingSurface;
class SettingsTexts;

// First stage of Start: erases the picture area, computes the scene from the distance and
// frequency texts and draws the source, the detector, the mirror and the spiral's start dot.
// Throws SettingsError at the first text that is not a number, leaving what it drew.
Scene setUpScene(DrawingSurface& surface, const SettingsTexts& settings);

}  // namespace quorvel

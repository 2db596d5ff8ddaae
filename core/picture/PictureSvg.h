#pragma once

#include "core/draw/Colour.h"
#include "core/draw/DrawingSurface.h"
#include "core/settings/FormState.h"
#include "core/picture/PictureDescription.h"

#include <string>

namespace quorvel {

// The picture as the window shows it, as an SVG document of its pixels: the drawing
// made again from the settings it was drawn with, as far as it had come, on the window's colour,
// and over it the labels on show. The buttons and options are there to be used, not looked at,
// and stay out. The same state and palette give the same bytes.
std::string pictureAsSvg(const DrawnPicture& drawn, const FormState& state, SystemPalette palette);

// Draws the picture again, with no pauses, as far as it had come: the same operations as when
// it was drawn.
void drawPictureAgain(DrawingSurface& surface, const DrawnPicture& drawn);

}  // namespace quorvel

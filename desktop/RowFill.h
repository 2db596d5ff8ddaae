#pragma once

#include "core/draw/LineRun.h"

#include <QPen>

class QPainter;

namespace quorvel {

// The pen every line of the picture is drawn with: round ends, as the desktop draws thick lines.
QPen linePen(Rgb colour, int width);

// Paints the lines of a run: as one rectangle where that gives the very pixels the lines would,
// which holds only at a whole pixel ratio and when one line covers a solid block of whole pixels;
// otherwise line by line.
void paintRun(QPainter& painter, const LineRun& run);

}  // namespace quorvel

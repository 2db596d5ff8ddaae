#pragma once

#include "core/mirror/PathMeasure.h"
#include "core/mirror/SceneKind.h"

namespace quorvel {

// The classic window's picture: its labels take the places of their table, and the sum label
// stays where it was for a setting the table has no row for. The explore panel's settings reach
// beyond the table and the picture: every label gets a place by what it explains, the spiral
// stays where the middle's is as the pair moves right, and the drawing is kept within the band.
enum class Layout { Classic, Explore };


// Everything one Start command knows about its picture, in window pixels (y downwards).
// The scene set-up computes all of it; only the sweep state changes afterwards.
struct Scene {
    double canvasWidth = 0;
    double canvasHeight = 0;
    double phaseFactor = 0;  // radians per pixel of path length
    SceneKind kind = SceneKind::Mirror;
    double mirrorLeft = 0;
    double mirrorY = 0;  // the line the paths go via, mirror or not
    // The row under which the photon vectors and the time curve hang: the mirror's line, or below
    // the detector where the paths pass through the line.
    double rowsY = 0;
    double slowness = 1;  // of light below the line, against above it
    // A lens slows each path by what its length to the focus falls short of the longest's, so
    // that every path to the focus takes the same time; lensTop is that longest, 0 without one.
    double lensTop = 0;
    double focusX = 0;
    double focusY = 0;
    double arrowLength = 0;
    double segmentWidth = 0;
    double halfSegment = 0;
    double segmentCount = 0;
    PathMeasure measure = PathMeasure::RootOfSquares;
    double sourceX = 0;
    double sourceY = 0;
    double detectorX = 0;
    double detectorY = 0;
    double spiralStartX = 0;
    double spiralStartY = 0;
    double spiralSize = 1;  // the share of its full size at which the spiral and the sum vector are drawn
    double timeCurveHeight = 1;  // the share of its full height at which the time curve is drawn

    // Sweep state: the growing end of the spiral and the least-time point found so far.
    double spiralX = 0;
    double spiralY = 0;
    double bestTimeY = 0;
    double bestPointX = 0;
    bool bestFound = false;  // no segment reflects until one is visited
    // The sum of the spiral's link ends so far, which tells on which side of its sum it bulges.
    double spiralEndsX = 0;
    double spiralEndsY = 0;
    int spiralLinks = 0;
};

}  // namespace quorvel

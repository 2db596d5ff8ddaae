#pragma once

#include "core/picture/PictureDescription.h"

#include <string>
#include <vector>

namespace quorvel {

// The picture in words where the paths pass through a line: a water or glass surface, a line
// of points with its lens or without, a screen with a gap.

// The points, counted from 0, where the picture marks the path of least time: one, or two whose
// paths tie.
std::vector<int> markedPoints(Scene scene);
// Where the spiral or the time curve is drawn at less than its full size, the words that say so.
std::string fitWords(double spiralSize, double timeCurveHeight, SceneKind kind = SceneKind::Mirror);

// Before Start: what the scene is and what Start will draw.
std::string throughLineIntro(SceneKind kind, int gapPoints);
// A run under way or stopped, after so many points.
std::string throughLineProgress(const DrawnPicture& drawn);
// A picture drawn, in full, and in one go at the run's end.
std::string throughLineDrawn(const DrawnPicture& drawn);
std::string throughLineRunEnd(const DrawnPicture& drawn);
// What a Start would draw now.
std::string throughLineStartWillDraw(const FormState& now);

}  // namespace quorvel

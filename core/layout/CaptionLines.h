#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The labels' bold serif face: Times New Roman, or Liberation Serif, whose every advance is the
// same. Its ascent and line spacing as parts of the font's size.
inline constexpr double captionAscent = 1825.0 / 2048;
inline constexpr double captionLineSpacing = 1.15;

// A caption is never set smaller than this, however long its translation.
inline constexpr int smallestCaptionPixelSize = 9;

// The width of a caption's text in pixels at the given font size.
double captionWidth(std::string_view text, int pixelSize);

// The caption broken at its spaces into lines no wider than the width, as a label wraps it; a
// word wider than the width stands on a line of its own.
std::vector<std::string> captionLines(std::string_view caption, int pixelSize, double width);

// The size, no larger than the given one, at which the caption wraps into the box: no line wider
// than it and the last line's letters inside it. A translation longer than its box is set in a
// smaller size of the same face rather than cut.
int fittingPixelSize(std::string_view caption, int pixelSize, double width, double height);

// The size, no larger than the given one, at which the caption stands on one line within the width.
int oneLinePixelSize(std::string_view caption, int pixelSize, double width);

}  // namespace quorvel

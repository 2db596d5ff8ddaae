#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The labels' bold serif face: Times New Roman, or Liberation Serif, whose every advance is the
// same. Its ascent and line spacing as parts of the font's size.
inline constexpr double captionAscent = 1825.0 / 2048;
inline constexpr double captionLineSpacing = 1.15;

// The width of a caption's text in pixels at the given font size.
double captionWidth(std::string_view text, int pixelSize);

// The caption broken at its spaces into lines no wider than the width, as a label wraps it; a
// word wider than the width stands on a line of its own.
std::vector<std::string> captionLines(std::string_view caption, int pixelSize, double width);

}  // namespace quorvel

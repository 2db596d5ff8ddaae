#pragma once

#include <string>

namespace quorvel {

// The explore panel's words, the same in both editions.

// "segment 12 of 30, on", counting from 1.
std::string segmentName(int segment, bool on);
// The brightness with two decimals, "0.75", whatever the locale.
std::string brightnessNumber(double brightness);
// "0.75 of the light of a whole mirror at the middle"
std::string brightnessWords(double brightness);
// A frequency in tenths as a settings text: "1", "1.5".
std::string tenthsText(int tenths);

}  // namespace quorvel

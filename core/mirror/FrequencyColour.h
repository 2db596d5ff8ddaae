#pragma once

#include "core/draw/Colour.h"

#include <string>

namespace quorvel {

// The colour a frequency of the explore panel stands for: the panel's range laid over the
// spectrum, its lowest frequency red and its highest violet, as light's colours run. Dark
// enough to be read on white.
Rgb frequencyColour(int tenths);

// "#rrggbb", as a style sheet writes a colour.
std::string cssColour(Rgb colour);

}  // namespace quorvel

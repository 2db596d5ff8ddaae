#pragma once

namespace quorvel {

// How a path's length is measured. The classic window takes one root over the four squared
// offsets of the path's two legs, about 0.71 of its real length; light's real path is the two
// legs' lengths added.
enum class PathMeasure { RootOfSquares, TwoLegs };

}  // namespace quorvel

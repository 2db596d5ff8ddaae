#pragma once

#include "core/ExploreState.h"
#include "core/Mirror.h"

#include <array>

namespace quorvel {

// The arrows of the sum over paths without drawing them: each segment's photon vector, of unit
// length, turned by its path's length as the sweep turns it.
struct Arrow {
    double x = 0;
    double y = 0;

    double squaredLength() const { return x * x + y * y; }
};

using PhotonVectors = std::array<Arrow, Mirror::segmentCount>;

// Every segment's photon vector for the pair at a distance from the middle.
PhotonVectors photonVectors(double distance, double frequency);
// The sum of the photon vectors of the segments that reflect.
Arrow sumOfArrows(const PhotonVectors& arrows, const Mirror& mirror);
Arrow sumOfArrows(const Mirror& mirror, double distance, double frequency);
// The squared sum of the whole mirror with the pair at the middle, which brightness divides by.
double wholeMirrorAtMiddle(double frequency);

// How much light reaches the detector: the squared sum against that of the whole mirror with the
// pair at the middle, at the same frequency. The whole mirror at the middle gives 1.
double brightness(const Mirror& mirror, double distance, double frequency);

// The segments whose photon vectors point within 90 degrees of the direction in which their sum
// is longest: scraped so, the mirror reflects as strongly as any of its parts can.
Mirror grating(double distance, double frequency);

// The mirror a preset of the explore panel scrapes; only the grating depends on the settings.
Mirror presetMirror(MirrorPreset preset, double distance, double frequency);

}  // namespace quorvel

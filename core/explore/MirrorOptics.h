#pragma once

#include "core/mirror/ExploreState.h"
#include "core/mirror/Mirror.h"
#include "core/mirror/PathMeasure.h"
#include "core/mirror/SceneKind.h"

#include <array>
#include <optional>

namespace quorvel {

// The arrows of the sum over paths without drawing them: each segment's photon vector, of unit
// length, turned by its path's length as the sweep turns it.
struct Arrow {
    double x = 0;
    double y = 0;

    double squaredLength() const { return x * x + y * y; }
};

using PhotonVectors = std::array<Arrow, Mirror::segmentCount>;

// Every segment's photon vector for the pair at a distance from the middle; or only those of the
// segments of, the others left at zero length.
PhotonVectors photonVectors(double distance, double frequency, PathMeasure measure = PathMeasure::RootOfSquares, const Mirror& of = Mirror::whole(),
                            SceneKind kind = SceneKind::Mirror);
// The sum of the photon vectors of the segments that reflect.
Arrow sumOfArrows(const PhotonVectors& arrows, const Mirror& mirror);
Arrow sumOfArrows(const Mirror& mirror, double distance, double frequency, PathMeasure measure = PathMeasure::RootOfSquares);
// The squared sum of the whole mirror with the pair at the middle, which brightness divides by.
double wholeMirrorAtMiddle(double frequency, PathMeasure measure = PathMeasure::RootOfSquares);

// How much light reaches the detector: the squared sum against that of the whole mirror with the
// pair at the middle, at the same frequency. The whole mirror at the middle gives 1.
double brightness(const Mirror& mirror, double distance, double frequency, PathMeasure measure = PathMeasure::RootOfSquares);

// Of the segments within, those whose photon vectors point within 90 degrees of the direction in
// which their sum is longest: scraped so, those segments reflect as strongly as any of their
// parts can. A grating of a grating is itself, since no part of the segments sums longer.
Mirror grating(double distance, double frequency, PathMeasure measure = PathMeasure::RootOfSquares, const Mirror& within = Mirror::whole());

// Where on the mirror the path of least time reflects, whether that part reflects or not: below
// the middle of the pair, by either measure, as source and detector stand equally high; at the
// mirror's nearer end when the pair stands beyond it.
double leastTimeX(double distance);
// The third of the mirror centred on the least-time point, as near as whole segments and the
// mirror's ends allow.
Mirror aroundLeastTime(double distance);

// How the sum of a mirror's arrows comes about: its length, and the part of it that the reflecting
// segments around the least-time point give and that the rest give, each part's projection on the
// sum, in photon vectors. The two parts add up to the length; one may be negative, taking away.
struct LightParts {
    double length = 0;
    double nearLeastTime = 0;
    double farFromLeastTime = 0;
};
LightParts lightParts(const Mirror& mirror, double distance, double frequency, PathMeasure measure = PathMeasure::RootOfSquares);

// The squared sum against that of the whole mirror at the same distance and frequency; nothing
// when the whole mirror there sends no light.
std::optional<double> againstWholeMirrorHere(const Mirror& mirror, double distance, double frequency, PathMeasure measure = PathMeasure::RootOfSquares);

// The runs of neighbouring reflecting segments.
int strips(const Mirror& mirror);
// Whether every reflecting segment's arrow points within a quarter turn of one direction, so that
// each adds to the sum along it. A grating is such a mirror of more than one strip.
bool withinAQuarterTurn(const PhotonVectors& arrows, const Mirror& mirror);

// The most light any mirror can send at a frequency, at any distance the panel offers.
double brightestMirror(double frequency, PathMeasure measure = PathMeasure::RootOfSquares);

// The mirror a preset of the explore panel scrapes. The grating is made of the segments of from,
// for the settings; the thirds around the least-time point and away from it follow the pair.
Mirror presetMirror(MirrorPreset preset, double distance, double frequency, PathMeasure measure = PathMeasure::RootOfSquares,
                    const Mirror& from = Mirror::whole());

// Whether the outer thirds' light is well below the middle third's (under a tenth of it), as the
// lesson that the ends cancel has it; and where it is not, for the middle or outer thirds shown,
// what the panel offers: the window's frequency 2 where the ends cancel there, else the nearest
// frequency within the measure's reach that does, or the middle for a pair away from it.
EndsLesson endsLesson(const Mirror& mirror, int distance, int frequencyTenths, PathMeasure measure);

}  // namespace quorvel

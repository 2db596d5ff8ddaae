#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvel {

class DrawingSurface;
struct Scene;

// Second stage of Start, a point at a time: the sweep visits the 30 mirror segments left to
// right, drawing each path, its photon vector, its time-curve dot and the next spiral link,
// tracking the least-time point, and pausing after each point.

// One reflection point of the sweep: its rays, photon vector, time-curve dot and spiral link,
// and the least-time update; i is the odd point index 1, 3, ..., 59. Of a segment that does not
// reflect only the time-curve dot is drawn.
void visitPoint(Scene& scene, DrawingSurface& surface, int i, bool reflects = true);

// The segment, counted from 0, of point index i.
constexpr int segmentOf(int i) { return (i - 1) / 2; }

// The x of point index i on the mirror, and the length of the path from the source to the
// detector through it.
double pointXOf(const Scene& scene, int i);
// The segment, counted from 0, whose point stands at x, or the two a mark between them stands for.
std::vector<int> segmentsAt(const Scene& scene, double x);
double pathLength(const Scene& scene, double pointX);
// What the lens adds to the time of the path through a point: what its length to the focus
// falls short of the longest's; 0 without a lens, and below 0 beyond the outermost points.
double lensDelay(const Scene& scene, double pointX);
// The length of a piece of a path through a line, from its two offsets: the plain root, since
// pixels come nowhere near what std::hypot guards against, and a graph works out some 100000 a
// curve, several times quicker so.
inline double pieceLength(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }

// The angle of point index i's photon vector: its path's length turned into phase.
double phaseAngleOf(const Scene& scene, int i);
// The length of one link of the spiral: the photon vector scaled up, at the scene's spiral size.
double spiralLink(const Scene& scene);

// Where each photon vector stands, in the row under the line: the height of its base.
double photonVectorBaseY(const Scene& scene);

// The height of the time curve's lower axis, where a path of no length would stand.
double timeAxisY(const Scene& scene);

// Where the time curve's dot of point index i stands, and how far its outline reaches from there.
struct TimeCurveDot {
    double x = 0;
    double y = 0;
};
TimeCurveDot timeCurveDot(const Scene& scene, int i);
inline constexpr double timeCurveDotReach = 3;  // its radius, 2, and half its pen, 1

// The share of its full height at which the time curve keeps every dot clear of the photon
// vectors above it, in whole hundredths and never above the full height. With the pair far
// from the middle the longest paths' dots would rise into the photon vectors' row.
double fittedTimeCurveHeight(const Scene& scene);

// The last point index the sweep visits, from the scene's segment count.
int pointBound(const Scene& scene);

// The least-time rule: the first point is always best; after it a strictly larger timeY wins and
// an equal one moves the best point on by half a segment.
void updateLeastTime(Scene& scene, double pointX, double timeY, bool isFirstPoint);

// Where the least-time path would reflect if no segment were scraped, by the rule above over all
// the points: the path the picture draws nearest the true least-time point, or the middle of two
// that tie. For the whole mirror it is the point the sweep itself found.
// Through a line with no lens the mark goes to the drawn path nearest where the least-time path
// crosses the whole continuous line, or between two as near.
void findLeastTimeOfWholeMirror(Scene& scene);
// Where the path of least time crosses a line with no lens, worked out on the whole continuous line.
double leastTimeCrossingX(const Scene& scene);

// The pause after each point: slowdown x 300000 decrements. A negative count is clamped to 0 and
// a fractional one rounded to the nearest whole number.
std::uint64_t pauseDecrements(const std::string& slowdownText);

}  // namespace quorvel

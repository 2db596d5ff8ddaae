#include "core/BrightnessGraph.h"

#include "core/DrawingSurface.h"
#include "core/ExploreState.h"
#include "core/MirrorOptics.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quorvel {

namespace {

constexpr int distances = BrightnessGraph::distances;
static_assert(distances == ExploreState::distanceMaximum - ExploreState::distanceMinimum + 1);
constexpr double plotLeft = 10;
constexpr double plotRight = BrightnessGraph::width - 10;
constexpr double plotTop = 10;
constexpr double plotBottom = BrightnessGraph::height - 12;
constexpr Rgb paper{255, 255, 255};
constexpr Rgb faint{176, 176, 176};

using Curve = std::array<double, distances>;

double xOf(int distance) { return plotLeft + (distance - ExploreState::distanceMinimum) * (plotRight - plotLeft) / (distances - 1); }

// The top of the plot stands for the larger of 1.25 and the highest point, so both curves fit.
struct Scale {
    double top;
    float y(double value) const { return static_cast<float>(plotBottom - value / top * (plotBottom - plotTop)); }
};

void drawCurve(DrawingSurface& surface, const Curve& values, const Scale& scale, Colour colour)
{
    for (int k = 1; k < distances; ++k) {
        const auto at = static_cast<std::size_t>(k);
        surface.line(static_cast<float>(xOf(ExploreState::distanceMinimum + k - 1)), scale.y(values[at - 1]),
                     static_cast<float>(xOf(ExploreState::distanceMinimum + k)), scale.y(values[at]), colour);
    }
}

// One-pixel rows, which both surfaces paint as one fill.
void drawPaper(DrawingSurface& surface)
{
    surface.setPenWidth(1);
    for (int row = 0; row < BrightnessGraph::height; ++row)
        surface.line(0, static_cast<float>(row), BrightnessGraph::width, static_cast<float>(row), paper);
}

void drawAxes(DrawingSurface& surface, const Scale& scale)
{
    surface.line(static_cast<float>(plotLeft), static_cast<float>(plotBottom), static_cast<float>(plotRight), static_cast<float>(plotBottom), darkGrey);
    const float middle = static_cast<float>(xOf(0));
    surface.line(middle, static_cast<float>(plotBottom), middle, static_cast<float>(plotBottom + 4), darkGrey);
    surface.line(static_cast<float>(plotLeft), scale.y(1), static_cast<float>(plotRight), scale.y(1), lightGrey);
}

}  // namespace

// Each distance's photon vectors are worked out once, for both mirrors.
const BrightnessGraph::Curves& BrightnessGraph::curvesFor(const Mirror& mirror, double frequency, PathMeasure measure)
{
    if (curves_ && curves_->mirror == mirror && curves_->frequency == frequency && curves_->measure == measure)
        return *curves_;
    const double atMiddle = wholeMirrorAtMiddle(frequency, measure);
    Curves& values = curves_.emplace(Curves{mirror, frequency, measure, {}, {}});
    for (int k = 0; k < distances; ++k) {
        const PhotonVectors arrows = photonVectors(ExploreState::distanceMinimum + k, frequency, measure);
        const auto at = static_cast<std::size_t>(k);
        values.whole[at] = sumOfArrows(arrows, Mirror::whole()).squaredLength() / atMiddle;
        values.current[at] = sumOfArrows(arrows, mirror).squaredLength() / atMiddle;
    }
    return values;
}

void BrightnessGraph::draw(DrawingSurface& surface, const Mirror& mirror, double frequency, int distance, PathMeasure measure)
{
    const auto& [kept, keptFrequency, keptMeasure, whole, current] = curvesFor(mirror, frequency, measure);
    const Scale scale{std::max({1.25, *std::max_element(whole.begin(), whole.end()), *std::max_element(current.begin(), current.end())})};
    surface.resetToPixels();
    surface.setFillStyle(FillStyle::Transparent);
    drawPaper(surface);
    drawAxes(surface, scale);
    drawCurve(surface, whole, scale, faint);
    surface.setPenWidth(2);
    drawCurve(surface, current, scale, darkGrey);
    const int marked = std::clamp(distance, ExploreState::distanceMinimum, ExploreState::distanceMaximum);
    const auto markerX = static_cast<float>(xOf(marked));
    surface.setPenWidth(1);
    surface.line(markerX, static_cast<float>(plotTop), markerX, static_cast<float>(plotBottom), green);
    surface.setFillColour(green);
    surface.setFillStyle(FillStyle::Solid);
    surface.circle(markerX, scale.y(current[static_cast<std::size_t>(marked - ExploreState::distanceMinimum)]), 3, darkGrey);
    surface.setFillStyle(FillStyle::Transparent);
}

int BrightnessGraph::distanceAt(float x)
{
    const double distance = ExploreState::distanceMinimum + (x - plotLeft) * (distances - 1) / (plotRight - plotLeft);
    if (!std::isfinite(distance))
        return 0;
    return static_cast<int>(std::lround(std::clamp(distance, double{ExploreState::distanceMinimum}, double{ExploreState::distanceMaximum})));
}

}  // namespace quorvel

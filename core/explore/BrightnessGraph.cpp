#include "core/explore/BrightnessGraph.h"

#include "core/explore/ExploreWords.h"
#include "core/mirror/FrequencyColour.h"
#include "core/explore/MirrorOptics.h"
#include "core/explore/SceneOptics.h"
#include "core/explore/SceneWords.h"
#include "core/draw/TextSurface.h"
#include "core/text/Translation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace quorvel {

namespace {

constexpr int distances = BrightnessGraph::distances;
// Room on the left for the brightness numbers, below for the distances and the axis's title.
constexpr double plotLeft = 28;
constexpr double plotRight = BrightnessGraph::width - 14;
constexpr double plotTop = 8;
constexpr double plotBottom = BrightnessGraph::height - 30;
constexpr float numbersBaseline = BrightnessGraph::height - 17;
constexpr float titleBaseline = BrightnessGraph::height - 3;
constexpr Rgb paper{255, 255, 255};
constexpr Rgb wholeGrey{150, 150, 150};
// The classic window's two distances and its two frequencies.
constexpr std::array classicDistances{0, 250};
constexpr std::array classicTenths{10, 20};
constexpr std::array numberedDistances{ExploreState::distanceMaximum, 250, 0, -250, ExploreState::distanceMinimum};

using Curve = std::array<double, distances>;

float f(double value) { return static_cast<float>(value); }

double highest(const Curve& values) { return *std::max_element(values.begin(), values.end()); }

// A brightness as the axis writes it: "0", "1", "1.5", "20", and through a line, where no
// brightness passes 1, in thousandths: "0.015".
std::string axisNumber(double value)
{
    if (value >= 1 || value == 0)
        return tenthsText(static_cast<int>(std::lround(value * 10)));
    std::string digits = std::to_string(std::lround(value * 1000) + 1000).substr(1);
    digits.erase(digits.find_last_not_of('0') + 1);
    return "0." + digits;
}

// Through a line the axis numbers a quarter of its top, to one figure, which stands about
// halfway up: the height is the root of the brightness, and the number says so at a glance.
double quarterOf(double top)
{
    const double quarter = top / 4;
    const double figure = std::pow(10.0, std::floor(std::log10(quarter)));
    return std::round(quarter / figure) * figure;
}

// The top of the axis: the first of 1.5, 2, 3, 4, 5, 6, 8, 10, 15, 20, ... at or above every
// point drawn, so that the top is a round number a little above the highest peak. Through a line
// the top may be lower, from 0.01 up, as all thirty paths in step give 1.
double topFor(double peak, bool throughLine)
{
    constexpr std::array steps{1.0, 1.5, 2.0, 3.0, 4.0, 5.0, 6.0, 8.0};
    const double lowest = throughLine ? 0.01 : 1.5;
    for (double decade = 0.01; decade < 1e12; decade *= 10) {
        for (const double step : steps) {
            const double top = std::round(step * decade * 1000) / 1000;
            if (top >= lowest && top >= peak)
                return top;
        }
    }
    return peak;
}

// The light the graph's brightness is against: the whole mirror's with the pair at the middle,
// or through a line all thirty paths' in step.
double referenceLight(double frequency, PathMeasure measure, SceneKind kind)
{
    return passesThrough(kind) ? allInStep : wholeMirrorAtMiddle(frequency, measure);
}

// The height is the square root of the brightness against the top's.
struct Scale {
    double top;
    float y(double value) const { return f(plotBottom - std::sqrt(std::max(value, 0.0) / top) * (plotBottom - plotTop)); }
};

void drawCurve(TextSurface& surface, const Curve& values, const Scale& scale, Colour colour)
{
    for (int k = 1; k < distances; ++k) {
        const auto at = static_cast<std::size_t>(k);
        const int distance = ExploreState::distanceMinimum + k;
        surface.line(f(BrightnessGraph::xOf(distance - 1)), scale.y(values[at - 1]), f(BrightnessGraph::xOf(distance)), scale.y(values[at]), colour);
    }
}

double valueAt(const Curve& values, int distance) { return values[static_cast<std::size_t>(distance - ExploreState::distanceMinimum)]; }

// One-pixel rows, which both surfaces paint as one fill.
void drawPaper(TextSurface& surface)
{
    surface.setPenWidth(1);
    for (int row = 0; row < BrightnessGraph::height; ++row)
        surface.line(0, f(row), BrightnessGraph::width, f(row), paper);
}

// Grid lines at brightness 1 and at the classic distances, the axes with their ticks and numbers,
// and the distance axis's title.
void drawAxes(TextSurface& surface, const Scale& scale, SceneKind kind)
{
    const bool mirror = kind == SceneKind::Mirror;
    if (mirror)
        surface.line(f(plotLeft), scale.y(1), f(plotRight), scale.y(1), lightGrey);
    for (const int distance : classicDistances) {
        if (mirror)
            surface.line(f(BrightnessGraph::xOf(distance)), f(plotTop), f(BrightnessGraph::xOf(distance)), f(plotBottom), lightGrey);
    }
    surface.line(f(plotLeft), f(plotBottom), f(plotRight), f(plotBottom), darkGrey);
    surface.line(f(plotLeft), f(plotTop), f(plotLeft), f(plotBottom), darkGrey);
    for (const int distance : numberedDistances) {
        const float x = f(BrightnessGraph::xOf(distance));
        surface.line(x, f(plotBottom), x, f(plotBottom + 3), darkGrey);
        surface.text(x, numbersBaseline, std::to_string(distance), TextAnchor::Middle, BrightnessGraph::textSize, darkGrey);
    }
    for (const double value : {0.0, mirror ? 1.0 : quarterOf(scale.top), scale.top}) {
        const float y = scale.y(value);
        surface.line(f(plotLeft - 3), y, f(plotLeft), y, darkGrey);
        surface.text(f(plotLeft - 5), y + 4, axisNumber(value), TextAnchor::End, BrightnessGraph::textSize, darkGrey);
    }
    surface.text(f((plotLeft + plotRight) / 2), titleBaseline, graphAxisTitle(kind), TextAnchor::Middle, BrightnessGraph::textSize, darkGrey);
}

// The classic window's values, on the whole mirror's curve, where the panel stands at one of its
// settings: its frequency and its measure of a path.
void markClassic(TextSurface& surface, const Curve& whole, const Scale& scale)
{
    surface.setPenWidth(1);
    surface.setFillStyle(FillStyle::Transparent);
    for (const int distance : classicDistances)
        surface.circle(f(BrightnessGraph::xOf(distance)), scale.y(valueAt(whole, distance)), 3, darkGrey);
}

void markPair(TextSurface& surface, float x, float y, Rgb fill)
{
    surface.setFillColour(fill);
    surface.setFillStyle(FillStyle::Solid);
    surface.circle(x, y, 3, darkGrey);
    surface.setFillStyle(FillStyle::Transparent);
}

// Where a curve is highest: a distance for each run of distances as high as its peak, the one
// nearest the pair, and the rest from the left, so that both sides of a symmetric curve are named.
std::vector<int> peakDistances(const Curve& values, int pair)
{
    const double peak = highest(values);
    const auto asHigh = [&values, peak](std::size_t k) { return values[k] >= peak * (1 - 1e-12); };
    std::vector<int> peaks;  // each run's distance nearest the pair
    for (std::size_t k = 0; k < values.size(); ++k) {
        const int distance = ExploreState::distanceMinimum + static_cast<int>(k);
        if (!asHigh(k))
            continue;
        if (k == 0 || !asHigh(k - 1))
            peaks.push_back(distance);
        else if (std::abs(distance - pair) < std::abs(peaks.back() - pair))
            peaks.back() = distance;
    }
    if (peaks.empty())
        return {pair};
    const auto nearest = std::min_element(peaks.begin(), peaks.end(), [pair](int a, int b) { return std::abs(a - pair) < std::abs(b - pair); });
    std::rotate(peaks.begin(), nearest, nearest + 1);
    return peaks;
}

// The places of a curve's peaks, the first with any others as bright after it.
std::string peakPlaces(const std::vector<int>& peaks)
{
    std::string others;
    for (auto peak = peaks.begin() + 1; peak != peaks.end(); ++peak)
        others += (others.empty() ? "" : ", ") + std::to_string(*peak);
    const std::string first = std::to_string(peaks.front());
    return others.empty() ? first : first + ' ' + fillIn(translate("BrightnessGraph", "(as bright at %1)"), {others});
}

// Where the grey curve is highest, said of what it is.
const char* greyCurvePeak(SceneKind kind)
{
    constexpr const char* sentences[sceneKindCount] = {
        QT_TRANSLATE_NOOP("BrightnessGraph", "The whole mirror is brightest at distance %1, %2."),
        QT_TRANSLATE_NOOP("BrightnessGraph", "The grey curve, light into glass, is brightest with the detector at %1, %2."),
        QT_TRANSLATE_NOOP("BrightnessGraph", "The grey curve, light into water, is brightest with the detector at %1, %2."),
        QT_TRANSLATE_NOOP("BrightnessGraph", "The grey curve, the same line without the lens, is brightest with the detector at %1, %2."),
        QT_TRANSLATE_NOOP("BrightnessGraph", "The grey curve, the same line with the lens, is brightest with the detector at %1, %2."),
        QT_TRANSLATE_NOOP("BrightnessGraph", "The grey curve, the line with no screen, is brightest with the detector at %1, %2.")};
    return sentences[static_cast<int>(kind)];
}

// The gap's lesson: the light at the detector's place against that on the straight line below the
// source, at distance 0, with this gap, with no screen and with the narrowest gap, so that the
// three read side by side. A curve with no light on the line has no share to say.
std::string offLineWords(const ExploreState& explore, const Curve& gap, const Curve& noScreen, int pair)
{
    if (pair == 0)
        return translate("BrightnessGraph", "The detector stands on the straight line below the source; moved off it, the graph tells how much of the light on that line reaches it.");
    ExploreState narrowest = explore;
    narrowest.gapPoints = gapRange.minimum;
    const Mirror narrowGap = narrowest.pathsThatCount();
    const double frequency = explore.frequency();
    const double narrow = lightThroughLine(SceneKind::Gap, narrowGap, pair, frequency) / lightThroughLine(SceneKind::Gap, narrowGap, 0, frequency);
    const double here = valueAt(gap, pair) / valueAt(gap, 0);
    const double open = valueAt(noScreen, pair) / valueAt(noScreen, 0);
    if (!std::isfinite(here) || !std::isfinite(open) || !std::isfinite(narrow))
        return {};
    return fillIn(translate("BrightnessGraph", "At the detector's place, %1 pixels off the straight line below the source, a gap of %2 points sends %3 times the light it sends "
                                               "on that line; with no screen %4 times, and with the narrowest gap, %5 points, %6 times."),
                  {std::to_string(std::abs(pair)), std::to_string(explore.gapPoints), twoDigitsText(here), twoDigitsText(open), std::to_string(gapRange.minimum),
                   twoDigitsText(narrow)});
}


// Where the grey curve's key moves to when the curves or the pair's line cross it at the top
// right, where it stands otherwise: along the top, as far right as the curves keep lowest beneath
// it and the pair's line clear of it. Over water the curves are highest at the ends, at the lens in
// the middle. Its width is reckoned from its letters, a little wider than the sans faces write them.
std::optional<float> keyMovedTo(const std::string& key, std::initializer_list<const Curve*> curves, const Scale& scale, double pairX)
{
    const auto letters = std::count_if(key.begin(), key.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    const double width = static_cast<double>(letters) * BrightnessGraph::textSize * 0.49;
    // The highest any curve reaches at each distance, worked out once for every place tried.
    std::array<float, distances> tops{};
    for (std::size_t k = 0; k < tops.size(); ++k) {
        tops[k] = f(plotBottom);
        for (const Curve* curve : curves)
            tops[k] = curve ? std::min(tops[k], scale.y((*curve)[k])) : tops[k];
    }
    const auto highestBeneath = [&](double left) {
        if (pairX >= left - 2 && pairX <= left + width + 2)
            return f(plotTop);
        const auto first = tops.begin() + (BrightnessGraph::distanceAt(f(left + width)) - ExploreState::distanceMinimum);
        const auto last = tops.begin() + (BrightnessGraph::distanceAt(f(left)) - ExploreState::distanceMinimum) + 1;
        return *std::min_element(first, last);
    };
    const double right = plotRight - width;
    if (highestBeneath(right) > plotTop + BrightnessGraph::textSize + 3)
        return std::nullopt;
    double best = right;
    for (double left = right; left >= plotLeft + 4; left -= 6) {
        if (highestBeneath(left) > highestBeneath(best))
            best = left;
    }
    return f(best);
}

}  // namespace

BrightnessGraph::Key BrightnessGraph::keyOf(const ExploreState& explore, int frequencyTenths)
{
    return {explore.pathsThatCount(), frequencyTenths, explore.measure, explore.scene};
}

double BrightnessGraph::xOf(int distance)
{
    return plotLeft + (ExploreState::distanceMaximum - distance) * (plotRight - plotLeft) / (distances - 1);
}

// New curves take the place of the older ones, never of those in use. Curves of the same frequency
// and measure for another mirror differ only by the segments that changed, so they follow the
// mirror where fewer segments changed than reflect: a scraped segment costs one photon vector a
// distance instead of thirty.
const BrightnessGraph::Curves& BrightnessGraph::curvesFor(const Key& key, const Curves* inUse)
{
    for (const auto& curves : kept_) {
        if (curves && curves->key == key)
            return *curves;
    }
    for (std::size_t slot = 0; slot < kept_.size(); ++slot) {
        auto& curves = kept_[slot];
        if (curves && &*curves != inUse && curves->key.frequencyTenths == key.frequencyTenths && curves->key.measure == key.measure && curves->key.scene == key.scene &&
            (curves->key.mirror ^ key.mirror).count() < key.mirror.count()) {
            older_ = 1 - slot;
            followMirror(*curves, key.mirror);
            return *curves;
        }
    }
    std::size_t slot = older_;
    if (kept_[slot] && &*kept_[slot] == inUse)
        slot = 1 - slot;
    older_ = 1 - slot;
    workOut(kept_[slot].emplace(Curves{key, {}, {}, {}}), key);
    return *kept_[slot];
}

// Each distance's photon vectors are worked out once, for both mirrors.
void BrightnessGraph::workOut(Curves& curves, const Key& key)
{
    curves.key = key;
    const double frequency = key.frequencyTenths / 10.0;
    const double atMiddle = referenceLight(frequency, key.measure, key.scene);
    // The grey curve: the whole mirror, or the scene's other arrangement with every path counting.
    const SceneKind other = describedScene(key.scene).other;
    for (std::size_t at = 0; at < curves.sums.size(); ++at) {
        const int distance = ExploreState::distanceMinimum + static_cast<int>(at);
        const PhotonVectors arrows = photonVectors(distance, frequency, key.measure, Mirror::whole(), key.scene);
        const PhotonVectors others = other == key.scene ? arrows : photonVectors(distance, frequency, key.measure, Mirror::whole(), other);
        curves.whole[at] = atMiddle > 0 ? sumOfArrows(others, Mirror::whole()).squaredLength() / atMiddle : 0;
        curves.sums[at] = sumOfArrows(arrows, key.mirror);
        curves.current[at] = atMiddle > 0 ? curves.sums[at].squaredLength() / atMiddle : 0;
    }
}

// Adds the photon vectors of the segments put back and takes away those of the segments scraped.
// The whole mirror's curve stays as it is.
void BrightnessGraph::followMirror(Curves& curves, const Mirror& mirror)
{
    const Mirror changed = curves.key.mirror ^ mirror;
    curves.key.mirror = mirror;
    const double frequency = curves.key.frequencyTenths / 10.0;
    const double atMiddle = referenceLight(frequency, curves.key.measure, curves.key.scene);
    for (std::size_t at = 0; at < curves.sums.size(); ++at) {
        const PhotonVectors arrows = photonVectors(ExploreState::distanceMinimum + static_cast<int>(at), frequency, curves.key.measure, changed, curves.key.scene);
        const Arrow added = sumOfArrows(arrows, changed & mirror);
        const Arrow taken = sumOfArrows(arrows, changed & ~mirror);
        Arrow& sum = curves.sums[at];
        sum.x += added.x - taken.x;
        sum.y += added.y - taken.y;
        curves.current[at] = atMiddle > 0 ? sum.squaredLength() / atMiddle : 0;
    }
}

void BrightnessGraph::draw(TextSurface& surface, const ExploreState& explore)
{
    const Curves& main = curvesFor(keyOf(explore, explore.frequencyTenths));
    const Curves* second = explore.secondShown ? &curvesFor(keyOf(explore, explore.secondFrequencyTenths), &main) : nullptr;
    const Scale scale{topFor(std::max({highest(main.whole), highest(main.current), second ? highest(second->current) : 0.0}), passesThrough(explore.scene))};
    surface.resetToPixels();
    surface.setFillStyle(FillStyle::Transparent);
    drawPaper(surface);
    drawAxes(surface, scale, explore.scene);
    drawCurve(surface, main.whole, scale, wholeGrey);
    surface.setPenWidth(2);
    if (second)
        drawCurve(surface, second->current, scale, frequencyColour(explore.secondFrequencyTenths));
    drawCurve(surface, main.current, scale, frequencyColour(explore.frequencyTenths));
    if (explore.scene == SceneKind::Mirror && explore.measure == PathMeasure::RootOfSquares && std::find(classicTenths.begin(), classicTenths.end(), explore.frequencyTenths) != classicTenths.end())
        markClassic(surface, main.whole, scale);
    // Over the curves, so that none strikes it through, where they keep lowest.
    const int pair = std::clamp(explore.distance, ExploreState::distanceMinimum, ExploreState::distanceMaximum);
    const auto x = f(xOf(pair));
    // A grey curve the current one lies on, as the whole mirror's does, is not named: none shows.
    const auto liesOn = [](const Curve& one, const Curve& other) {
        return std::equal(one.begin(), one.end(), other.begin(), [](double a, double b) { return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b)); });
    };
    if (!liesOn(main.current, main.whole)) {
        const std::string key = graphGreyCurve(explore.scene);
        const auto moved = keyMovedTo(key, {&main.whole, &main.current, second ? &second->current : nullptr}, scale, x);
        surface.text(moved.value_or(f(plotRight)), f(plotTop + textSize), key, moved ? TextAnchor::Start : TextAnchor::End, textSize, wholeGrey);
    }
    surface.setPenWidth(1);
    surface.line(x, f(plotTop), x, f(plotBottom), green);
    if (second)
        markPair(surface, x, scale.y(valueAt(second->current, pair)), frequencyColour(explore.secondFrequencyTenths));
    markPair(surface, x, scale.y(valueAt(main.current, pair)), green);
}

std::string BrightnessGraph::describe(const ExploreState& explore)
{
    const int pair = std::clamp(explore.distance, ExploreState::distanceMinimum, ExploreState::distanceMaximum);
    const bool throughLine = passesThrough(explore.scene);
    // Through a line the light is a small share of all thirty paths in step.
    const auto number = [&](double value) { return throughLine ? twoDigitsText(value) : brightnessNumber(value); };
    const auto curveWords = [&](const Curves& curves) {
        const std::vector<int> peaks = peakDistances(curves.current, pair);
        const int peak = peaks.front();
        const std::string frequency = tenthsText(curves.key.frequencyTenths);
        if (!(valueAt(curves.current, peak) > 0))
            return throughLine ? fillIn(translate("BrightnessGraph", "At frequency %1 no light reaches the detector at any place."), {frequency})
                               : fillIn(translate("BrightnessGraph", "At frequency %1 no light reaches the detector at any distance."), {frequency});
        const char* sentence = throughLine ? QT_TRANSLATE_NOOP("BrightnessGraph", "At frequency %1 the light is brightest with the detector at %2, %3 of all thirty paths in step; "
                                                                                  "at the detector's place, %4, it is %5.")
                                           : QT_TRANSLATE_NOOP("BrightnessGraph", "At frequency %1 this mirror is brightest at distance %2, %3; at the pair, distance %4, it gives %5.");
        return fillIn(translate("BrightnessGraph", sentence), {frequency, peakPlaces(peaks), number(valueAt(curves.current, peak)), std::to_string(pair),
                                                               number(valueAt(curves.current, pair))});
    };
    const Curves& main = curvesFor(keyOf(explore, explore.frequencyTenths));
    const std::vector<int> greyPeaks = peakDistances(main.whole, pair);
    const char* axis = throughLine ? QT_TRANSLATE_NOOP("BrightnessGraph", "Brightness against the detector's place, %1 at the left to %2 at the right, as the detector stands in the picture.")
                                   : QT_TRANSLATE_NOOP("BrightnessGraph", "Brightness against distance, %1 at the left to %2 at the right, as the pair stands in the picture.");
    std::string words = fillIn(translate("BrightnessGraph", axis), {std::to_string(ExploreState::distanceMaximum), std::to_string(ExploreState::distanceMinimum)});
    words += ' ' + curveWords(main);
    words += ' ' + fillIn(translate("BrightnessGraph", greyCurvePeak(explore.scene)), {peakPlaces(greyPeaks), number(valueAt(main.whole, greyPeaks.front()))});
    // Through a line a curve, its own or the grey one, is highest far to the side: that comes from
    // the picture's arrows of one length, not from real light, and a student is told so.
    if (throughLine)
        words += ' ' + translate("BrightnessGraph", "Far to the side a curve rises because every path's arrow here has the same length, however long and slanted the path, "
                                                    "and more of them stay in step there; real light would grow fainter with the distance.");
    if (explore.scene == SceneKind::Gap)
        words += afterSpace(offLineWords(explore, main.current, main.whole, pair));
    // A second frequency the same as the first, as real lengths' cap can leave both, draws its
    // curve over the first's: the words say so rather than read the one curve twice.
    if (explore.secondShown && explore.secondFrequencyTenths == explore.frequencyTenths)
        words += ' ' + translate("BrightnessGraph", "The second frequency is the same as the first, so its curve lies on the first's.");
    else if (explore.secondShown)
        words += ' ' + curveWords(curvesFor(keyOf(explore, explore.secondFrequencyTenths), &main));
    return words;
}

int BrightnessGraph::distanceAt(float x)
{
    const double distance = ExploreState::distanceMaximum - (x - plotLeft) * (distances - 1) / (plotRight - plotLeft);
    if (!std::isfinite(distance))
        return 0;
    return static_cast<int>(std::lround(std::clamp(distance, double{ExploreState::distanceMinimum}, double{ExploreState::distanceMaximum})));
}

}  // namespace quorvel

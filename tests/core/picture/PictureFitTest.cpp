#include "core/start/BandClip.h"
#include "core/explore/ExploreWords.h"
#include "core/explore/MirrorOptics.h"
#include "core/layout/WindowLabels.h"
#include "core/start/SceneSetup.h"
#include "core/start/SpiralFit.h"
#include "core/start/StartSequence.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/StartStandIns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ranges>
#include <tuple>

namespace quorvel::testing {
namespace {

std::vector<Op> explorePicture(int distance, int tenths, const Mirror& mirror, PathMeasure measure, RecordingLabels& labels, SceneKind kind = SceneKind::Mirror)
{
    FixedSettings settings(std::to_string(distance), tenthsText(tenths));
    RecordingSurface surface;
    StartSequence(surface, settings, labels, mirror, Layout::Explore, measure, kind).runToEnd();
    return surface.ops();
}

// A link or the command line can scrape the mirror without opening the panel, and Start then draws
// the classic layout: a grating at 0/2 is fitted there as in the panel, and the whole mirror of
// the classic window stays whole.
TEST(PictureFit, AScrapedMirrorIsFittedInTheClassicLayoutToo)
{
    const Mirror grating = presetMirror(MirrorPreset::Grating, 0, 2, PathMeasure::RootOfSquares);
    const Scene scene = sceneGeometry(0, 2);
    EXPECT_LT(spiralSize(scene, grating, Layout::Classic), 1);
    EXPECT_EQ(spiralSize(scene, grating, Layout::Classic), spiralSize(sceneGeometry(0, 2, Layout::Explore), grating, Layout::Explore));
    EXPECT_EQ(spiralSize(sceneGeometry(250, 2), Mirror::whole(), Layout::Classic), 1);
}

// The panel's spiral starts on the side away from the pair, beside the detector as in the classic
// window or beside the source, unless another place draws it clearly larger: at -150/1 it stood
// over the pair, its last link 2 pixels above the detector, and a grating's straight spiral at
// 0/1.9 pointed down across the legs at a quarter of its size.
TEST(PictureFit, ThePanelsSpiralStartsAwayFromThePairWhereItIsDrawnLarge)
{
    const auto placed = [](int distance, double frequency, const Mirror& mirror) {
        Scene scene = sceneGeometry(distance, frequency, Layout::Explore);
        const double classic = spiralSize(scene, mirror, Layout::Explore);
        placeSpiral(scene, mirror, Layout::Explore);
        return std::tuple(scene.spiralStartX, scene.spiralStartY, classic, scene.spiralSize);
    };
    EXPECT_EQ(placed(250, 1, Mirror::whole()), std::tuple(344.0, 190.5, 1.0, 1.0)) << "the classic place";
    const auto [x, y, classic, size] = placed(-150, 1, Mirror::whole());
    EXPECT_EQ(std::pair(x, y), std::pair(364.0, 190.5)) << "beside the source, 140 pixels left of it";
    EXPECT_EQ(size, 1);
    const auto [gratingX, gratingY, gratingClassic, grating] = placed(0, 1.9, presetMirror(MirrorPreset::Grating, 0, 1.9, PathMeasure::RootOfSquares));
    EXPECT_EQ(gratingY, 120.5) << "70 pixels higher";
    EXPECT_LT(gratingClassic, 0.3);
    EXPECT_GT(grating - gratingClassic, 0.099);
    // Away from the pair, though beside the detector draws it larger there: a step to -200 would
    // otherwise have taken it back over the pair.
    const auto [nearX, nearY, nearClassic, nearSize] = placed(-200, 1, Mirror::whole());
    EXPECT_EQ(nearX, 354.0 + 200 - 140);
    EXPECT_GT(nearSize, 0.9);
}

// Where the spiral may reach: the band's interior (x 8 to 792, y 64 to 577) above the mirror at
// y 290.5, 4 pixels clear of it, since the mirror's pen and dots reach 2.5 and the sum vector's 1.
bool inSpiralRoom(float x, float y) { return x >= 8 && x <= 792 && y >= 64 && y <= 286.5f; }

// A label's place, as the last placing left it.
std::pair<float, float> labelPlace(const RecordingLabels& labels, ResultLabel label)
{
    const auto last = [&](LabelOp::Kind kind) {
        return std::ranges::find_if(labels.ops | std::views::reverse, [&](const LabelOp& op) { return op.label == label && op.kind == kind; })->value;
    };
    return {last(LabelOp::Left), last(LabelOp::Top)};
}

// Whether a label's box covers part of the sum vector, whose pen reaches a pixel from its line.
bool coversSum(const Op& sum, std::pair<float, float> box, float width, float height)
{
    const int steps = static_cast<int>(std::hypot(sum.x2 - sum.x1, sum.y2 - sum.y1) * 8) + 1;  // an eighth of a pixel apart
    for (int step = 0; step <= steps; ++step) {
        const float x = sum.x1 + (sum.x2 - sum.x1) * step / steps;
        const float y = sum.y1 + (sum.y2 - sum.y1) * step / steps;
        if (x + 1 > box.first && x - 1 < box.first + width && y + 1 > box.second && y - 1 < box.second + height)
            return true;
    }
    return false;
}

// Whether the sum label (113 by 57) meets the source's or the detector's label (57 by 17 and 65
// by 25) or their circles, the last two drawn.
bool crowdsTheMarks(const RecordingLabels& labels, const std::vector<Op>& ops)
{
    const auto [left, top] = labelPlace(labels, ResultLabel::Soucet);
    const auto meets = [&](float x1, float y1, float x2, float y2) { return left < x2 && x1 < left + 113 && top < y2 && y1 < top + 57; };
    for (const auto& [mark, width, height] : {std::tuple{ResultLabel::Zdroj, 57, 17}, std::tuple{ResultLabel::Detektor, 65, 25}}) {
        const auto [x, y] = labelPlace(labels, mark);
        if (meets(x, y, x + width, y + height))
            return true;
    }
    return std::ranges::any_of(ops | std::views::reverse | std::views::take(2), [&](const Op& circle) {
        return meets(circle.x1 - 6, circle.y1 - 6, circle.x1 + 6, circle.y1 + 6);
    });
}

// Whether the source's or the detector's label covers part of either mark, the last two circles
// drawn. The detector's label above its mark reaches down to the circle's edge, as in the classic
// window.
bool overAMark(const RecordingLabels& labels, const std::vector<Op>& ops)
{
    for (const auto& [label, name] : {std::pair{ResultLabel::Zdroj, "labZdroj"}, {ResultLabel::Detektor, "labDetektor"}}) {
        const auto [left, top] = labelPlace(labels, label);
        const WindowLabel& own = windowLabel(name);
        for (const Op& mark : ops | std::views::reverse | std::views::take(2)) {
            if (mark.x1 + 5 > left && mark.x1 - 5 < left + own.width && mark.y1 + 5 > top && mark.y1 - 5 < top + own.height)
                return true;
        }
    }
    return false;
}

// The controls shown over the band: the frames of options, the buttons, the scroll bar and the
// headings.
constexpr const char* controlsOverBand[] = {"frmPosun", "frmKmitocet", "HScroll1", "cmdStart", "cmdKonec", "labPosun", "labZrcadlení"};

// Whether the sum, the source's or the detector's label stands on a control shown over the band.
bool overAControl(const RecordingLabels& labels)
{
    for (const auto& [label, name] : {std::pair{ResultLabel::Soucet, "labSoucet"}, {ResultLabel::Zdroj, "labZdroj"}, {ResultLabel::Detektor, "labDetektor"}}) {
        const auto [left, top] = labelPlace(labels, label);
        const WindowLabel& own = windowLabel(name);
        for (const char* control : controlsOverBand) {
            const ControlBox& box = windowControl(control).box;
            if (left < box.left + box.width && box.left < left + own.width && top < box.top + box.height && box.top < top + own.height)
                return true;
        }
    }
    return false;
}

// Whether a spiral's link or the sum vector runs over a control, by its pen (2 with a pixel
// between), below the source or the detector, or within 12 pixels of either's centre, where it
// seemed to come out of their circle (5).
bool overControlOrMark(const Op& link, const Op& source, const Op& detector)
{
    for (const char* control : controlsOverBand) {
        const ControlBox& box = windowControl(control).box;
        if (coversSum(link, {box.left - 1.0f, box.top - 1.0f}, box.width + 2.0f, box.height + 2.0f))
            return true;
    }
    // Below a mark down to the line, 8 pixels either side, where a spiral passed to encircle it.
    const auto under = [&link](const Op& mark) { return mark.y1 < 290.5f && coversSum(link, {mark.x1 - 7, mark.y1 - 2}, 14, 289.5f - (mark.y1 - 2)); };
    if (under(source) || under(detector))
        return true;
    const auto near = [&link](const Op& mark) {
        const float dx = link.x2 - link.x1;
        const float dy = link.y2 - link.y1;
        const float along = std::clamp(((mark.x1 - link.x1) * dx + (mark.y1 - link.y1) * dy) / std::max(dx * dx + dy * dy, 1e-6f), 0.0f, 1.0f);
        return std::hypot(link.x1 + along * dx - mark.x1, link.y1 + along * dy - mark.y1) <= 12;
    };
    return near(source) || near(detector);
}

// The fan of legs drawn from a mark above the line at y 290.5 to their feet on it.
struct Fan {
    Op mark;
    float leftmost = mark.x1;
    float rightmost = mark.x1;

    Fan(const std::vector<Op>& ops, const Op& from) : mark(from)
    {
        for (const Op& op : ops) {
            const bool fromMark = op.x1 == mark.x1 && op.y1 == mark.y1 && op.y2 == 290.5f;
            const bool toMark = op.x2 == mark.x1 && op.y2 == mark.y1 && op.y1 == 290.5f;
            if (op.kind == OpKind::Line && (fromMark || toMark)) {
                leftmost = std::min(leftmost, fromMark ? op.x2 : op.x1);
                rightmost = std::max(rightmost, fromMark ? op.x2 : op.x1);
            }
        }
    }

    // Whether a point lies within 3 pixels of it: below the mark, above the edges from it to the
    // outermost feet.
    bool near(float x, float y) const
    {
        const float foot = x >= mark.x1 ? rightmost : leftmost;
        if (y <= mark.y1 - 3 || (x != mark.x1 && (x - mark.x1) * (x - foot) >= 0))
            return false;
        return y > mark.y1 + (x - mark.x1) / (foot - mark.x1) * (290.5f - mark.y1) - 3;
    }
};

// At every setting the panel reaches the whole spiral is drawn: links of one length, 35 pixels at
// most, head to tail from the sum vector's start to its end (a link the band cut short breaks the
// chain), within the band and above the mirror, off the controls over it (a grating at 250/1.9 ran
// under the Frequency frame), the marks and the room below them (the middle third at -150/0.5
// wound round the detector), and out of the pair's legs unless that would halve it or take it
// below a quarter, at the largest size that keeps all this. No label covers the sum vector (at
// 297/1 the side away from the spiral's bulge and the other both cut it, and at 330/2 the
// detector's label did), and the sum label keeps off the source's and the detector's labels and
// marks (at 297/1.8 it stood on the detector), the window's controls (at 297/1 it hid the
// Frequency frame's 2), the least-time mark and the spiral's links (half the settings hid some),
// between the buttons above the band and the mirror's row of photon vectors. The source's and the
// detector's labels keep off both marks (at -330 the detector's covered half its own) and the
// spiral's links (at -280/0.5 "Source" stood inside a curl).
TEST(PictureFit, TheSpiralTheSumVectorAndItsLabelFitAtEverySettingThePanelReaches)
{
    int unfit = 0;
    int covering = 0;
    int crowding = 0;
    int overMarks = 0;
    int spiralHidden = 0;
    int markCut = 0;
    RecordingLabels labels;
    for (const PathMeasure measure : {PathMeasure::RootOfSquares, PathMeasure::TwoLegs}) {
        for (int tenths = 5; tenths <= ExploreState::frequencyTenthsCap(measure); ++tenths) {
            for (int distance = -330; distance <= 330; distance += 10) {
                for (int preset = 0; preset <= static_cast<int>(MirrorPreset::AwayFromLeastTime); ++preset) {
                    const Mirror mirror = presetMirror(MirrorPreset(preset), distance, tenths / 10.0, measure);
                    const std::vector<Op> ops = explorePicture(distance, tenths, mirror, measure, labels);
                    const Op sum = *std::ranges::find(ops, std::optional<Colour>(green), &Op::colour);
                    std::vector<std::pair<float, float>> chain{{sum.x1, sum.y1}};
                    for (const Op& op : ops) {
                        if (op.kind == OpKind::Line && op.penWidth == 1 && std::pair(op.x1, op.y1) == chain.back())
                            chain.emplace_back(op.x2, op.y2);
                    }
                    const auto length = [&](std::size_t k) { return std::hypot(chain[k].first - chain[k - 1].first, chain[k].second - chain[k - 1].second); };
                    const float larger = 1 + 0.35f / length(1);
                    auto circles = ops | std::views::reverse | std::views::filter([](const Op& op) { return op.kind == OpKind::Circle && op.radius == 5; });
                    const Op& source = *circles.begin();
                    const Op& detector = *std::next(circles.begin());
                    // The link, or the sum vector, from one end of the chain to another, drawn at a share of its size.
                    const auto linkAt = [&](std::size_t from, std::size_t to, float share) {
                        Op link = sum;
                        std::tie(link.x1, link.y1) = std::pair(sum.x1 + (chain[from].first - sum.x1) * share, sum.y1 + (chain[from].second - sum.y1) * share);
                        std::tie(link.x2, link.y2) = std::pair(sum.x1 + (chain[to].first - sum.x1) * share, sum.y1 + (chain[to].second - sum.y1) * share);
                        return link;
                    };
                    const Fan fans[] = {{ops, source}, {ops, detector}};
                    // Whether the spiral drawn at a share of this size keeps within its room, off the
                    // controls and the marks, and if asked out of the legs' fans.
                    const auto clearAt = [&](float share, bool offFans) {
                        bool clear = !overControlOrMark(linkAt(0, chain.size() - 1, share), source, detector);
                        for (std::size_t k = 1; k < chain.size() && clear; ++k) {
                            const float x = sum.x1 + (chain[k].first - sum.x1) * share;
                            const float y = sum.y1 + (chain[k].second - sum.y1) * share;
                            clear = inSpiralRoom(x, y) && !overControlOrMark(linkAt(k - 1, k, share), source, detector) &&
                                    !(offFans && std::ranges::any_of(fans, [&](const Fan& fan) { return fan.near(x, y); }));
                        }
                        return clear;
                    };
                    bool fits = chain.size() == static_cast<std::size_t>(mirror.count() + 1) && chain.back() == std::pair(sum.x2, sum.y2) && length(1) < 35.001f && clearAt(1, false);
                    for (std::size_t k = 2; k < chain.size(); ++k)
                        fits = fits && std::abs(length(k) - length(1)) < 1e-3f;
                    // Out of the fans unless that would take the spiral below half this size, or
                    // below a quarter of full size.
                    const bool crossesFans = !clearAt(1, true);
                    bool largest = length(1) > 34.999f || !clearAt(larger, !crossesFans);
                    const long drawnAt = std::lround(length(1) / 35 * 100);
                    for (long hundredths = std::max((drawnAt + 1) / 2, std::min(drawnAt, 25L)); crossesFans && hundredths < drawnAt; ++hundredths)
                        largest = largest && !clearAt(hundredths / (length(1) / 35 * 100), true);
                    unfit += !(fits && largest);
                    const auto [left, top] = labelPlace(labels, ResultLabel::Soucet);
                    unfit += !(left >= 5 && left + 113 <= 795 && top >= 64 && top + 57 <= 290 - 30);
                    for (const ResultLabel mark : {ResultLabel::Zdroj, ResultLabel::Detektor})
                        unfit += labelPlace(labels, mark).first < 0 || labelPlace(labels, mark).first > 800 - 64;
                    if (mirror.count() == 0)
                        continue;
                    covering += coversSum(sum, labelPlace(labels, ResultLabel::Soucet), 113, 57) || coversSum(sum, labelPlace(labels, ResultLabel::Zdroj), 57, 17) ||
                                coversSum(sum, labelPlace(labels, ResultLabel::Detektor), 65, 25);
                    crowding += crowdsTheMarks(labels, ops) || overAControl(labels);
                    // The sum and photon vectors' labels keep off the least-time mark; the time curve's
                    // stays on its axis, which the mark crosses at 250 in the classic window too.
                    const auto mark = std::ranges::find_if(ops, [](const Op& op) { return op.kind == OpKind::Line && op.x1 == op.x2 && op.y2 == 100; });
                    for (const char* name : {"labSoucet", "labRadius"}) {
                        const WindowLabel& label = windowLabel(name);
                        markCut += mark != ops.end() && coversSum(*mark, labelPlace(labels, label.result), label.width, label.height);
                    }
                    for (std::size_t k = 1; k < chain.size(); ++k)
                        spiralHidden += coversSum(linkAt(k - 1, k, 1), labelPlace(labels, ResultLabel::Soucet), 113, 57) ||
                                        coversSum(linkAt(k - 1, k, 1), labelPlace(labels, ResultLabel::Zdroj), 57, 17) ||
                                        coversSum(linkAt(k - 1, k, 1), labelPlace(labels, ResultLabel::Detektor), 65, 25);
                    overMarks += overAMark(labels, ops);
                }
            }
        }
    }
    EXPECT_EQ(unfit, 0) << "of " << 67 * 25 * 6 << " settings";
    EXPECT_EQ(covering, 0);
    EXPECT_EQ(crowding, 0);
    EXPECT_EQ(overMarks, 0);
    EXPECT_EQ(spiralHidden, 0);
    EXPECT_EQ(markCut, 0) << "the least-time mark cut by the sum or photon vectors' label";
    const std::vector<Op> whole = explorePicture(297, 10, Mirror::whole(), PathMeasure::RootOfSquares, labels);
    EXPECT_FALSE(coversSum(*std::ranges::find(whole, std::optional<Colour>(green), &Op::colour), labelPlace(labels, ResultLabel::Soucet), 113, 57)) << "297/1";
    const std::vector<Op> grating = explorePicture(297, 18, presetMirror(MirrorPreset::Grating, 297, 1.8, PathMeasure::RootOfSquares), PathMeasure::RootOfSquares, labels);
    EXPECT_FALSE(crowdsTheMarks(labels, grating)) << "297/1.8";
}

// Whether two lines cross between their ends.
bool cross(const Op& a, const Op& b)
{
    const auto side = [](const Op& line, float x, float y) { return (line.x2 - line.x1) * (y - line.y1) - (line.y2 - line.y1) * (x - line.x1); };
    return side(a, b.x1, b.y1) * side(a, b.x2, b.y2) < 0 && side(b, a.x1, a.y1) * side(b, a.x2, a.y2) < 0;
}

// Through a line the spiral stands elsewhere than the mirror's, so the sum label's places made for
// the mirror's spirals do not hold: at 250/1 one stood 100 pixels right of the spiral, off the picture.
// The spiral keeps off the source's paths: over water at 120 it ran across them; and the photon
// vectors' label off the least-time mark, which it cut in two over water at -200, frequency 1.1.
TEST(PictureFit, ThroughALineTheSumLabelStaysInThePictureBesideItsVector)
{
    int misplaced = 0;
    int overLegs = 0;
    int spiralOverLegs = 0;
    int markCut = 0;
    const WindowLabel& radius = windowLabel("labRadius");
    RecordingLabels labels;
    for (int kind = 1; kind < sceneKindCount; ++kind) {
        for (int tenths = 5; tenths <= describedScene(SceneKind(kind)).frequencyTenthsCap; ++tenths) {
            for (int distance = -330; distance <= 330; distance += 10) {
                const std::vector<Op> ops = explorePicture(distance, tenths, Mirror::whole(), PathMeasure::RootOfSquares, labels, SceneKind(kind));
                const Op sum = *std::ranges::find(ops, std::optional<Colour>(green), &Op::colour);
                const auto [left, top] = labelPlace(labels, ResultLabel::Soucet);
                misplaced += left < 5 || left + 113 > 795 || coversSum(sum, {left, top}, 113, 57) || overAControl(labels);
                const Op& source = *std::ranges::find_if(ops, [](const Op& op) { return op.kind == OpKind::Circle && op.radius == 5 && op.y1 < 250; });
                std::vector<Op> links{sum};
                std::pair end{sum.x1, sum.y1};
                for (const Op& op : ops) {
                    overLegs += op.kind == OpKind::Line && op.x1 == source.x1 && op.y1 == source.y1 && coversSum(op, {left, top}, 113, 57);
                    if (op.kind == OpKind::Line && op.penWidth == 1 && std::pair(op.x1, op.y1) == end) {
                        links.push_back(op);
                        end = {op.x2, op.y2};
                    }
                }
                EXPECT_EQ(links.size(), 31u);
                const auto mark = std::ranges::find_if(ops, [](const Op& op) { return op.kind == OpKind::Line && op.x1 == op.x2 && op.y2 == 250 && op.y1 > 250; });
                if (mark != ops.end())
                    markCut += coversSum(*mark, labelPlace(labels, ResultLabel::Radius), static_cast<float>(radius.width), static_cast<float>(radius.height));
                for (const Op& op : ops) {
                    const bool leg = op.kind == OpKind::Line && op.x1 == source.x1 && op.y1 == source.y1;
                    spiralOverLegs += leg && std::ranges::any_of(links, [&](const Op& link) { return cross(link, op); });
                }
            }
        }
    }
    EXPECT_EQ(misplaced, 0);
    EXPECT_EQ(overLegs, 0) << "the source's legs hidden under the sum label";
    EXPECT_EQ(spiralOverLegs, 0) << "the source's legs crossed by the spiral";
    EXPECT_EQ(markCut, 0) << "the least-time mark cut by the photon vectors' label";
}

// Below a line the detector's label stands on the side the paths' last legs do not come in from:
// beside the gap's six paths at 250 it hid their last stretch, so that they seemed to meet beside
// the detector. At every distance no leg drawn into the detector passes under its label; nor
// over the middle third with real lengths at 1.3, where the sum vector above the detector sent
// the label down over its legs at 0 and most other distances.
TEST(PictureFit, TheDetectorsLabelHidesNoneOfTheLegsDrawnToIt)
{
    RecordingLabels labels;
    const auto hiddenLegs = [&labels](int distance, int tenths, const Mirror& mirror, PathMeasure measure, SceneKind kind) {
        const std::vector<Op> ops = explorePicture(distance, tenths, mirror, measure, labels, kind);
        // The marks drawn last are the detector's circle, then the source's.
        auto marks = ops | std::views::reverse | std::views::filter([](const Op& op) { return op.kind == OpKind::Circle && op.radius == 5; });
        const Op& detector = *std::next(marks.begin());
        const auto place = labelPlace(labels, ResultLabel::Detektor);
        return std::ranges::count_if(ops, [&](const Op& op) { return op.kind == OpKind::Line && op.x2 == detector.x1 && op.y2 == detector.y1 && coversSum(op, place, 65, 25); });
    };
    int gap = 0, mirror = 0;  // distances where the label hides any leg
    for (int distance = -330; distance <= 330; distance += 10) {
        gap += hiddenLegs(distance, 10, Mirror::span(12, 17), PathMeasure::RootOfSquares, SceneKind::Gap) > 0;
        mirror += hiddenLegs(distance, 13, Mirror::span(10, 19), PathMeasure::TwoLegs, SceneKind::Mirror) > 0;
    }
    EXPECT_EQ(gap, 0);
    // At 60 every place beside the detector covers the sum vector or more legs.
    EXPECT_LE(mirror, 1);
    // Nor does it stand on the source's label, as it did with the pair far to the right, where
    // "Source" beside its mark cut "Detector" to "etector".
    int crowded = 0;
    for (int distance = -330; distance <= -300; ++distance) {
        explorePicture(distance, 10, Mirror::whole(), PathMeasure::TwoLegs, labels);
        const auto [sourceLeft, sourceTop] = labelPlace(labels, ResultLabel::Zdroj);
        const auto [left, top] = labelPlace(labels, ResultLabel::Detektor);
        crowded += left < sourceLeft + 57 && sourceLeft < left + 65 && top < sourceTop + 17 && sourceTop < top + 25;
    }
    EXPECT_EQ(crowded, 0);
}

// At every distance the panel reaches the source and the detector are drawn whole, and the
// time curve's dots stay clear of the photon vectors: each dot's outline (3 pixels) above the
// lowest reach of any photon vector (their row at y 305.5, an arrow's 10 pixels and a pen's 1).
// With the pair far to the left the time curve rises to the photon vectors' label's classic place
// (x 420 to 557, y 320.5 to 377.5); the label moves along its row to hide none of its dots. With
// the pair far to the right, and at frequency 0.5 or with real lengths, the curve rose into its
// own label (x 54 to 207, 25 high): the label moves down its axis.
TEST(PictureFit, TheSourceTheDetectorAndTheTimeCurveFitAtEveryDistanceThePanelReaches)
{
    for (const auto& [measure, tenths] : {std::pair{PathMeasure::RootOfSquares, 10}, {PathMeasure::RootOfSquares, 5}, {PathMeasure::TwoLegs, 10}}) {
        for (int distance = -330; distance <= 330; distance += 5) {
            SCOPED_TRACE(::testing::Message() << distance << "/" << tenths << (measure == PathMeasure::TwoLegs ? " with real lengths" : ""));
            RecordingLabels labels;
            const std::vector<Op> ops = explorePicture(distance, tenths, Mirror::whole(), measure, labels);
            const auto drawnAt = [&](float x) {
                return std::ranges::any_of(ops, [&](const Op& op) { return op.kind == OpKind::Circle && op.radius == 5 && op.x1 == x && op.y1 == 240.5f; });
            };
            EXPECT_TRUE(drawnAt(354.0f - distance) && drawnAt(454.0f - distance));
            const float label = labelPlace(labels, ResultLabel::Radius).first;
            const float timeLabel = labelPlace(labels, ResultLabel::Cas).second;
            EXPECT_EQ(labelPlace(labels, ResultLabel::Cas).first, 54);
            float lowestArrow = 0;
            float highestDot = 1000;
            for (const Op& op : ops) {
                if (op.kind == OpKind::Line && op.y1 == 305.5f)
                    lowestArrow = std::max({lowestArrow, op.y1 + 1, op.y2 + 1});
                else if (op.kind == OpKind::Circle && op.radius == 2 && op.y1 > 250 && op.y1 != 305.5f)
                    highestDot = std::min(highestDot, op.y1 - 3);
                const float reach = op.radius + 1;
                EXPECT_FALSE(op.kind == OpKind::Circle && op.x1 + reach > label && op.x1 - reach < label + 137 && op.y1 + reach > 320.5f && op.y1 - reach < 377.5f) << op;
                EXPECT_FALSE(op.kind == OpKind::Circle && op.x1 - reach < 207 && op.y1 + reach > timeLabel && op.y1 - reach < timeLabel + 25) << op;
            }
            EXPECT_GT(highestDot, lowestArrow);
        }
    }
}

// A link's distance beyond the panel's reach would move the source, the detector and the spiral
// out of the band, which is all a Start erases: what reaches past it is cut or left out. The
// band's own rows are the only lines that touch its edge.
TEST(PictureFit, APictureBeyondThePanelsReachStaysWithinTheBand)
{
    for (const int distance : {2000, -900}) {
        RecordingLabels labels;
        for (const Op& op : explorePicture(distance, 10, Mirror::whole(), PathMeasure::RootOfSquares, labels)) {
            const float reach = op.kind == OpKind::Circle ? op.radius + op.penWidth / 2.0f : op.penWidth / 2.0f;
            const bool line = op.kind == OpKind::Line;
            if ((line && op.colour == Colour{lightGrey} && op.penWidth == 1) || (!line && op.kind != OpKind::Circle))
                continue;
            for (const auto& [x, y] : {std::pair(op.x1, op.y1), std::pair(line ? op.x2 : op.x1, line ? op.y2 : op.y1)})
                EXPECT_TRUE(x - reach >= 5 && x + reach <= 795 && y - reach >= 61 && y + reach <= 580) << distance << ": " << op;
        }
    }
}

}  // namespace
}  // namespace quorvel::testing

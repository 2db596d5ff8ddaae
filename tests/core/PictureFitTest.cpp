#include "core/BandClip.h"
#include "core/ExploreWords.h"
#include "core/MirrorOptics.h"
#include "core/SceneSetup.h"
#include "core/SpiralFit.h"
#include "core/StartSequence.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/StartStandIns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ranges>

namespace quorvel::testing {
namespace {

std::vector<Op> explorePicture(int distance, int tenths, const Mirror& mirror, PathMeasure measure, RecordingLabels& labels)
{
    FixedSettings settings;
    settings.distance = std::to_string(distance);
    settings.frequency = tenthsText(tenths);
    RecordingSurface surface;
    StartSequence(surface, settings, labels, mirror, Layout::Explore, measure).runToEnd();
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

// At every setting the panel reaches the whole spiral is drawn: links of one length, 35 pixels at
// most, head to tail from the sum vector's start to its end (a link the band cut short breaks the
// chain), within the band, which a hundredth larger would leave.
TEST(PictureFit, TheSpiralAndTheSumVectorFitTheBandAtEverySettingThePanelReaches)
{
    int unfit = 0;
    RecordingLabels labels;
    for (const PathMeasure measure : {PathMeasure::RootOfSquares, PathMeasure::TwoLegs}) {
        for (int tenths = 5; tenths <= ExploreState::frequencyTenthsCap(measure); ++tenths) {
            for (int distance = -350; distance <= 350; distance += 10) {
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
                    bool fits = chain.size() == static_cast<std::size_t>(mirror.count() + 1) && chain.back() == std::pair(sum.x2, sum.y2) && length(1) < 35.001f;
                    bool largest = length(1) > 34.999f;
                    for (std::size_t k = 1; k < chain.size(); ++k) {
                        const auto [x, y] = chain[k];
                        fits = fits && std::abs(length(k) - length(1)) < 1e-3f && bandInterior.contains(x, y);
                        largest = largest || !bandInterior.contains(sum.x1 + (x - sum.x1) * larger, sum.y1 + (y - sum.y1) * larger);
                    }
                    unfit += !(fits && largest);
                }
            }
        }
    }
    EXPECT_EQ(unfit, 0) << "of " << 71 * 25 * 6 << " settings";
}

// With the pair far to the left the time curve rises to the photon vectors' label's classic place
// (x 420 to 557, y 320.5 to 377.5); the label moves along its row to hide none of its dots.
TEST(PictureFit, ThePhotonVectorsLabelHidesNoDotOfTheTimeCurve)
{
    for (int distance = 250; distance <= 350; distance += 5) {
        RecordingLabels labels;
        const std::vector<Op> ops = explorePicture(distance, 10, Mirror::whole(), PathMeasure::RootOfSquares, labels);
        const float left = std::ranges::find_if(labels.ops | std::views::reverse, [](const LabelOp& op) { return op.label == ResultLabel::Radius && op.kind == LabelOp::Left; })->value;
        for (const Op& dot : ops) {
            const float reach = dot.radius + 1;
            EXPECT_FALSE(dot.kind == OpKind::Circle && dot.x1 + reach > left && dot.x1 - reach < left + 137 && dot.y1 + reach > 320.5f && dot.y1 - reach < 377.5f)
                << distance << ": " << dot;
        }
    }
}

}  // namespace
}  // namespace quorvel::testing

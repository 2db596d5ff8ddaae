// The explore panel's figures against tests/data/explore-figures.json, which a short script
// works out from the mirror's formulas without the core's code.
#include "core/explore/BrightnessGraph.h"
#include "core/explore/ExploreWords.h"
#include "core/explore/MirrorOptics.h"
#include "core/picture/PictureDescription.h"
#include "core/picture/PictureSvg.h"
#include "tests/support/MirrorText.h"
#include "tests/support/RecordingSurface.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <vector>
#include <string>
#include <tuple>

namespace quorvel {
namespace {

using nlohmann::json;

const json& figures()
{
    static const json table = json::parse(std::ifstream(QUORVEL_EXPLORE_FIGURES));
    return table;
}

Mirror mirrorOf(const std::string& text)
{
    Mirror mirror = Mirror::bare();
    for (int segment = 0; segment < Mirror::segmentCount; ++segment)
        mirror.set(segment, text.at(static_cast<std::size_t>(segment)) == '1');
    return mirror;
}

PathMeasure measureOf(const json& row) { return row.at("measure") == "TwoLegs" ? PathMeasure::TwoLegs : PathMeasure::RootOfSquares; }

// A length as the words give it: in tenths, a whole number without its ".0".
std::string oneDecimal(double value)
{
    const long tenths = std::lround(value * 10);
    return std::to_string(tenths / 10) + (tenths % 10 == 0 ? "" : "." + std::to_string(tenths % 10));
}

bool says(const std::string& words, const std::string& part) { return words.find(part) != std::string::npos; }

TEST(ExploreFigures, TheLeastTimePointItsThirdAndTheBrightestMirror)
{
    for (const json& point : figures().at("leastTimeX"))
        EXPECT_EQ(leastTimeX(point.at("distance")), point.at("x").get<double>()) << point;
    for (const json& third : figures().at("aroundLeastTime"))
        EXPECT_EQ(testing::mirrorText(aroundLeastTime(third.at("distance"))), third.at("mirror")) << third;
    for (const json& brightest : figures().at("brightestMirror"))
        EXPECT_NEAR(brightestMirror(brightest.at("frequency")), brightest.at("brightness").get<double>(), 1e-9) << brightest;
}

// Where the whole mirror is brightest moves with the frequency, as the 30 coarse segments' sum
// swings with the distance: the graph's words name the table's peak at every frequency the panel
// offers, by either measure, and with real lengths it is the middle only at 0.8 and 1.
TEST(ExploreFigures, TheGraphSaysWhereTheWholeMirrorIsBrightestAtEveryFrequency)
{
    std::vector<double> brightestAtTheMiddle;
    for (const json& peak : figures().at("wholeMirrorPeaks")) {
        ExploreState state;
        state.measure = measureOf(peak);
        state.frequencyTenths = static_cast<int>(std::lround(peak.at("frequency").get<double>() * 10));
        const int distance = peak.at("distance");
        // Of two equal peaks either side of the middle, the words name the one nearer the pair first.
        for (const int side : {1, -1}) {
            state.distance = side;
            const std::string other = distance == 0 ? "" : " (as bright at " + std::to_string(-side * distance) + ")";
            const std::string expected = "The whole mirror is brightest at distance " + std::to_string(side * distance) + other + ", " + brightnessNumber(peak.at("brightness")) + ".";
            EXPECT_NE(BrightnessGraph().describe(state).find(expected), std::string::npos) << peak;
        }
        if (state.measure == PathMeasure::TwoLegs && distance == 0)
            brightestAtTheMiddle.push_back(peak.at("frequency"));
    }
    EXPECT_EQ(brightestAtTheMiddle, (std::vector<double>{0.8, 1.0}));
}

// Each mirror's figures are the table's, and every claim of the words is checked against them: the
// least-time segments and whether they are scraped, the sum's length, where it comes from, and the
// second figure, and where the picture marks the least-time path. The table's gratings are the
// script's longest sums.
TEST(ExploreFigures, EveryMirrorsFiguresAndTheWordsThatClaimThem)
{
    for (const json& row : figures().at("mirrors")) {
        SCOPED_TRACE(row.at("name").get<std::string>());
        const Mirror mirror = mirrorOf(row.at("mirror"));
        const int distance = row.at("distance");
        const double frequency = row.at("frequency");
        const PathMeasure measure = measureOf(row);
        const double length = row.at("sumLength");
        const double near = row.at("nearLeastTime");
        const double far = row.at("farFromLeastTime");
        EXPECT_NEAR(brightness(mirror, distance, frequency, measure), row.at("brightness").get<double>(), 1e-9);
        EXPECT_NEAR(againstWholeMirrorHere(mirror, distance, frequency, measure).value(), row.at("againstWholeHere").get<double>(), 1e-9);
        const LightParts parts = lightParts(mirror, distance, frequency, measure);
        EXPECT_NEAR(parts.length, length, 1e-9);
        EXPECT_NEAR(parts.nearLeastTime, near, 1e-9);
        EXPECT_NEAR(parts.farFromLeastTime, far, 1e-9);
        EXPECT_EQ(strips(mirror), row.at("strips").get<int>());
        EXPECT_EQ(withinAQuarterTurn(photonVectors(distance, frequency, measure), mirror), row.at("withinAQuarterTurn").get<bool>());
        if (row.at("name").get<std::string>().starts_with("grating made")) {
            EXPECT_EQ(grating(distance, frequency, measure), mirror);
        }

        DrawnPicture drawn{DrawnPicture::Stage::Drawn, std::to_string(distance), frequency == 1 ? "1" : "2", mirror, 30, Layout::Explore, measure};
        const std::string words = runEndWords(drawn);
        double mark = 0;
        for (const json& point : figures().at("leastTimeX"))
            mark = point.at("distance") == distance ? point.at("mark").get<double>() : mark;
        ASSERT_NE(mark, 0) << "the table has the mark of each distance it uses";
        // The picture's mark of the least-time path, and its bold ray to the detector after the pen
        // is widened, stand where that path would reflect, whichever segments are scraped.
        testing::RecordingSurface surface;
        drawPictureAgain(surface, drawn);
        const auto& ops = surface.ops();
        const auto drawnMark = std::ranges::find_if(ops.rbegin(), ops.rend(), [](const testing::Op& op) { return op.kind == testing::OpKind::Line && op.y2 == 100.0f; });
        ASSERT_NE(drawnMark, ops.rend());
        EXPECT_EQ(std::tuple(drawnMark->x1, drawnMark->penWidth, (drawnMark - 2)->x1), std::tuple(static_cast<float>(mark), 1, static_cast<float>(mark)));
        const double offset = (mark - 56) / 24;  // segment k's centre at 56 + 24k
        const int left = static_cast<int>(std::floor(offset));
        const bool tie = offset != left;
        const std::string where = tie ? "segments " + std::to_string(left + 1) + " and " + std::to_string(left + 2) + " of 30" : "segment " + std::to_string(left + 1) + " of 30";
        EXPECT_TRUE(says(words, where + (mark == 404 ? ", at the middle" : mark < 404 ? ", left of the middle" : ", right of the middle"))) << words;
        const int scraped = (mirror.on(left) ? 0 : 1) + (tie && !mirror.on(left + 1) ? 1 : 0);
        EXPECT_EQ(says(words, "would reflect"), scraped == (tie ? 2 : 1)) << words;
        EXPECT_EQ(says(words, "Of the two, segment"), tie && scraped == 1) << words;
        EXPECT_TRUE(says(words, "The sum vector is " + oneDecimal(length) + " photon vectors long")) << words;
        EXPECT_TRUE(says(words, brightnessNumber(row.at("brightness")) + " of the light of a whole mirror at the middle")) << words;
        const bool grating = row.at("strips").get<int>() > 1 && row.at("withinAQuarterTurn").get<bool>();
        EXPECT_EQ(says(words, "The " + std::to_string(row.at("strips").get<int>()) + " strips left make a grating"), grating) << words;
        const bool fromAround = says(words, "comes from the segments around the path of least time");
        const bool fromFar = says(words, "from segments far from the path of least time");
        const bool cancel = says(words, "nearly cancel");
        EXPECT_EQ(fromFar + (fromAround || cancel), 1) << words;
        EXPECT_TRUE(!fromAround || near > length / 2) << words;
        // What is left of arrows that nearly cancel is said to come from around the least-time
        // path wherever most of it does.
        if (cancel && !says(words, "scraped off")) {
            EXPECT_EQ(says(words, oneDecimal(near) + " of its " + oneDecimal(length) + " photon vectors, comes from the segments around"), near > length / 2) << words;
        }
        if (fromFar) {
            EXPECT_GT(far, length / 2) << words;
            if (says(words, "as those around it are scraped off"))
                EXPECT_NEAR(near, 0, 1e-12) << words;
            else
                EXPECT_TRUE(says(words, oneDecimal(far) + " of its " + oneDecimal(length) + " photon vectors")) << words;
        }
        if (cancel) {
            EXPECT_LT(length, 0.25 * static_cast<double>(std::ranges::count(row.at("mirror").get<std::string>(), '1'))) << words;
            EXPECT_LT(row.at("brightness").get<double>(), 0.5) << "little light arrives: " << words;
        }
        const std::string here = brightnessNumber(row.at("againstWholeHere")) + " times as likely";
        EXPECT_EQ(says(words, here), !mirror.isWhole()) << words;
    }
}

}  // namespace
}  // namespace quorvel

#include "core/draw/LineRun.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace quorvel {
namespace {

RowLine band(float y, float x1 = 5, float x2 = 795, int penWidth = 1, Rgb colour = lightGrey) { return {x1, x2, y, penWidth, colour}; }

constexpr float nan = std::numeric_limits<float>::quiet_NaN();
constexpr float inf = std::numeric_limits<float>::infinity();

TEST(LineRun, TakesOnlyTheNextRowOfTheSameLineInTheRunsDirection)
{
    LineRun run;
    ASSERT_TRUE(run.take(band(580)));
    ASSERT_TRUE(run.take(band(579)));
    // Back down a row, a row skipped, another extent, pen or colour.
    for (const RowLine& other : {band(580), band(577), band(578, 5, 794), band(578, 5, 795, 2), band(578, 5, 795, 1, darkGrey)})
        EXPECT_FALSE(run.take(other)) << other.y << ' ' << other.x2 << ' ' << other.penWidth;
    ASSERT_TRUE(run.take(band(578)));
    EXPECT_EQ(run.rows(), 3);
    EXPECT_EQ(run.first(), band(580));
    EXPECT_EQ(run.line(2), band(578));
    EXPECT_EQ(std::pair(run.top(), run.bottom()), std::pair(578.0f, 580.0f));
}

TEST(LineRun, RunsDownwardsAndStartsAfreshOnceCleared)
{
    LineRun run;
    // A coordinate that is not finite starts no run, which no other line could continue.
    for (const RowLine& unbounded : {band(10, nan), band(10, 5, inf), band(-inf)})
        EXPECT_FALSE(run.take(unbounded));
    EXPECT_TRUE(run.empty());
    for (const float y : {10.0f, 11.0f, 12.0f})
        ASSERT_TRUE(run.take(band(y)));
    EXPECT_EQ(run.line(1), band(11));
    EXPECT_EQ(std::pair(run.top(), run.bottom()), std::pair(10.0f, 12.0f));
    run.clear();
    EXPECT_TRUE(run.empty());
    ASSERT_TRUE(run.take(band(40)));
    EXPECT_TRUE(run.take(band(39))) << "a new run takes either direction";
    EXPECT_EQ(std::pair(run.top(), run.bottom()), std::pair(39.0f, 40.0f));
}

}  // namespace
}  // namespace quorvel

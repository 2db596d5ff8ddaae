#include "core/draw/LineRun.h"

#include <gtest/gtest.h>

#include <limits>

namespace quorvel {
namespace {

RowLine band(float y) { return {.x1 = 5, .x2 = 795, .y = y, .penWidth = 1, .colour = lightGrey}; }

TEST(LineRun, TakesOnlyTheNextRowOfTheSameLineInTheRunsDirection)
{
    LineRun run;
    ASSERT_TRUE(run.take(band(580)));
    ASSERT_TRUE(run.take(band(579)));
    EXPECT_FALSE(run.take(band(580))) << "back down a row";
    EXPECT_FALSE(run.take(band(577))) << "a row skipped";
    RowLine other = band(578);
    other.x2 = 794;
    EXPECT_FALSE(run.take(other)) << "another extent";
    other = band(578);
    other.penWidth = 2;
    EXPECT_FALSE(run.take(other)) << "another pen";
    other = band(578);
    other.colour = darkGrey;
    EXPECT_FALSE(run.take(other)) << "another colour";
    ASSERT_TRUE(run.take(band(578)));
    EXPECT_EQ(run.rows(), 3);
    EXPECT_EQ(run.first(), band(580));
    EXPECT_EQ(run.line(2), band(578));
    EXPECT_EQ(run.top(), 578);
    EXPECT_EQ(run.bottom(), 580);
}

TEST(LineRun, RunsDownwardsAndStartsAfreshOnceCleared)
{
    LineRun run;
    // A coordinate that is not finite starts no run, which no other line could continue.
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr float inf = std::numeric_limits<float>::infinity();
    RowLine line = band(10);
    line.x1 = nan;
    EXPECT_FALSE(run.take(line));
    line = band(10);
    line.x2 = inf;
    EXPECT_FALSE(run.take(line));
    EXPECT_FALSE(run.take(band(-inf)));
    EXPECT_TRUE(run.empty());
    for (const float y : {10.0f, 11.0f, 12.0f})
        ASSERT_TRUE(run.take(band(y)));
    EXPECT_EQ(run.line(1), band(11));
    EXPECT_EQ(run.top(), 10);
    EXPECT_EQ(run.bottom(), 12);
    run.clear();
    EXPECT_TRUE(run.empty());
    ASSERT_TRUE(run.take(band(40)));
    EXPECT_TRUE(run.take(band(39))) << "a new run takes either direction";
    EXPECT_EQ(run.top(), 39);
    EXPECT_EQ(run.bottom(), 40);
}

}  // namespace
}  // namespace quorvel

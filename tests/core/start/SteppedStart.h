#pragma once

#include "core/start/StartSequence.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/StartStandIns.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel::testing {

// A classic Start for the settings texts, driven a step at a time as an edition drives it.
struct SteppedStart {
    SteppedStart(const std::string& distance, const std::string& frequency)
    {
        settings.distance = distance;
        settings.frequency = frequency;
    }

    // The thirty points, with the set-up before the first, each asking for a pause.
    void sweep()
    {
        for (int point = 1; point <= 30; ++point)
            EXPECT_TRUE(sequence.step().has_value()) << "point " << point;
        swept = surface.ops().size();
    }
    // The results, after which nothing is left to do.
    void finish()
    {
        EXPECT_EQ(sequence.step(), std::nullopt);
        const std::size_t drawn = surface.ops().size();
        EXPECT_EQ(sequence.step(), std::nullopt);
        EXPECT_EQ(surface.ops().size(), drawn) << "an ended sequence draws nothing more";
    }

    FixedSettings settings;
    RecordingSurface surface;
    RecordingLabels labels;
    StartSequence sequence{surface, settings, labels};
    std::size_t swept = 0;  // the ops drawn up to the results
};

}  // namespace quorvel::testing

#pragma once

#include "core/layout/ResultLabels.h"
#include "core/text/SettingsTexts.h"

#include <string>
#include <utility>
#include <vector>

namespace quorvel::testing {

// Settings texts that a test can change at any moment, counting how often each is read.
struct FixedSettings : SettingsTexts {
    explicit FixedSettings(std::string distance = "0", std::string frequency = "1", std::string slowdown = "1")
        : distance(std::move(distance)), frequency(std::move(frequency)), slowdown(std::move(slowdown))
    {
    }

    std::string distance;
    std::string frequency;
    std::string slowdown;
    mutable int distanceReads = 0;
    mutable int frequencyReads = 0;
    mutable int slowdownReads = 0;

    std::string distanceText() const override { return ++distanceReads, distance; }
    std::string frequencyText() const override { return ++frequencyReads, frequency; }
    std::string slowdownText() const override { return ++slowdownReads, slowdown; }
};

struct LabelOp {
    enum Kind { Left, Top, Show } kind;
    ResultLabel label;
    float value = 0;

    bool operator==(const LabelOp&) const = default;
};

struct RecordingLabels : ResultLabels {
    std::vector<LabelOp> ops;

    void setLeft(ResultLabel label, float left) override { ops.push_back({LabelOp::Left, label, left}); }
    void setTop(ResultLabel label, float top) override { ops.push_back({LabelOp::Top, label, top}); }
    void show(ResultLabel label) override { ops.push_back({LabelOp::Show, label}); }
};

}  // namespace quorvel::testing

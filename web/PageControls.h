#pragma once

#include "core/ResultLabels.h"
#include "core/SettingsTexts.h"

namespace quorvel {

// The settings as the page's hidden text boxes hold them, read afresh at every use.
class PageSettingsTexts : public SettingsTexts {
public:
    std::string distanceText() const override;
    std::string frequencyText() const override;
    std::string slowdownText() const override;
};

// The page's five result labels, moved by their left and top edges and shown.
class PageResultLabels : public ResultLabels {
public:
    void setLeft(ResultLabel label, float left) override;
    void setTop(ResultLabel label, float top) override;
    void show(ResultLabel label) override;
};

}  // namespace quorvel

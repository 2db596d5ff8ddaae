#pragma once

#include "sim/ResultLabels.h"

#include <array>

class QLabel;

namespace quorvel {

// The window's five result labels, moved by their left and top edges.
class FormResultLabels : public ResultLabels {
public:
    // In the order of ResultLabel: labRadius, labCas, labZdroj, labDetektor, labSoucet.
    explicit FormResultLabels(const std::array<QLabel*, 5>& labels);

    void setLeft(ResultLabel label, float left) override;
    void setTop(ResultLabel label, float top) override;
    void show(ResultLabel label) override;

private:
    QLabel& label(ResultLabel which) const;

    std::array<QLabel*, 5> labels_;
};

}  // namespace quorvel

#pragma once

namespace quorvel {

// The five labels that explain a finished picture, in the order the window switches them.
enum class ResultLabel {
    Radius,
    Cas,
    Zdroj,
    Detektor,
    Soucet,
};

class ResultLabels {
public:
    virtual ~ResultLabels() = default;

    virtual void setLeft(ResultLabel label, float left) = 0;
    virtual void setTop(ResultLabel label, float top) = 0;
    virtual void show(ResultLabel label) = 0;
};

}  // namespace quorvel

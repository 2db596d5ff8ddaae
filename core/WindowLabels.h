#pragma once

#include "core/ResultLabels.h"
#include "core/Translation.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace quorvel {

// One of the window's labels as the 96-dpi layout places it: an opaque box of the window's
// colour whose bold serif caption wraps inside it, from its top. A result label moves and shows
// as the state says; the prompt shows while the state says; the two headings always show.
struct WindowLabel {
    enum class Shown { Always, WhilePrompting, AsResult };

    std::string_view name;     // the control's: "labSoucet"
    std::string_view caption;  // in English; translated where it is shown
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int pixelSize = 0;
    bool centred = false;
    Shown shown = Shown::Always;
    ResultLabel result = ResultLabel::Radius;  // for a result label
};

// In the order the window creates them, so each lies over those before it.
inline constexpr std::array<WindowLabel, 8> windowLabels{{
    {"labSoucet", QT_TRANSLATE_NOOP("WindowLabels", "Cornu spiral and sum vector"), 336, 48, 113, 57, 16, true, WindowLabel::Shown::AsResult, ResultLabel::Soucet},
    {"labDetektor", QT_TRANSLATE_NOOP("WindowLabels", "Detector"), 464, 48, 65, 25, 16, false, WindowLabel::Shown::AsResult, ResultLabel::Detektor},
    {"labZdroj", QT_TRANSLATE_NOOP("WindowLabels", "Source"), 0, 232, 57, 17, 16, false, WindowLabel::Shown::AsResult, ResultLabel::Zdroj},
    {"labKliknuti", QT_TRANSLATE_NOOP("WindowLabels", "Please press button Start"), 160, 320, 225, 33, 21, false, WindowLabel::Shown::WhilePrompting},
    {"labCas", QT_TRANSLATE_NOOP("WindowLabels", "Time (length)"), 8, 104, 153, 25, 16, false, WindowLabel::Shown::AsResult, ResultLabel::Cas},
    {"labRadius", QT_TRANSLATE_NOOP("WindowLabels", "Photon vectors after reaching the detector"), 8, 152, 137, 57, 16, true, WindowLabel::Shown::AsResult, ResultLabel::Radius},
    {"labPosun", QT_TRANSLATE_NOOP("WindowLabels", "Distance from middle of the mirror"), 24, 8, 161, 41, 16, true},
    {"labZrcadlení", QT_TRANSLATE_NOOP("WindowLabels", "Difraction on mirror"), 256, 8, 225, 25, 23, false},
}};

// The label the layout names so.
constexpr const WindowLabel& windowLabel(std::string_view name)
{
    for (const WindowLabel& label : windowLabels) {
        if (label.name == name)
            return label;
    }
    throw std::invalid_argument("the window has no such label");
}

}  // namespace quorvel

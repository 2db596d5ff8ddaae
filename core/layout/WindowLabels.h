#pragma once

#include "core/layout/ResultLabels.h"
#include "core/layout/WindowLayout.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace quorvel {

// One of the window's labels as the layout places it: an opaque box of the window's
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

// The label as the layout makes it, with how it shows.
constexpr WindowLabel laidOutLabel(std::string_view name, WindowLabel::Shown shown, ResultLabel result = ResultLabel::Radius)
{
    const WindowControl& control = windowControl(name);
    return {control.name, control.caption, control.box.left, control.box.top, control.box.width, control.box.height, control.font.pixelSize, control.centred, shown, result};
}

// In the order the window creates them, so each lies over those before it.
inline constexpr std::array<WindowLabel, 8> windowLabels{{
    laidOutLabel("labSoucet", WindowLabel::Shown::AsResult, ResultLabel::Soucet),
    laidOutLabel("labDetektor", WindowLabel::Shown::AsResult, ResultLabel::Detektor),
    laidOutLabel("labZdroj", WindowLabel::Shown::AsResult, ResultLabel::Zdroj),
    laidOutLabel("labKliknuti", WindowLabel::Shown::WhilePrompting),
    laidOutLabel("labCas", WindowLabel::Shown::AsResult, ResultLabel::Cas),
    laidOutLabel("labRadius", WindowLabel::Shown::AsResult, ResultLabel::Radius),
    laidOutLabel("labPosun", WindowLabel::Shown::Always),
    laidOutLabel("labZrcadlení", WindowLabel::Shown::Always),
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

// Whether a control stands over the picture while the results show: the frames of options, the
// buttons, the scroll bar and the headings, not the picture's own labels nor what is never shown.
constexpr bool inSightOverPicture(const WindowControl& control)
{
    const bool pictureLabel = control.kind == ControlKind::Label && windowLabel(control.name).shown != WindowLabel::Shown::Always;
    return control.parent.empty() && !neverShown(control) && !pictureLabel;
}

}  // namespace quorvel

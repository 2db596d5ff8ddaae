#pragma once

#include "core/layout/WindowLayout.h"

#include <array>
#include <stdexcept>
#include <string_view>

namespace quorvel {

// A button's or a frame's caption, which stands on one line in the room its box leaves it.
struct ControlCaption {
    std::string_view name;     // the control's: "cmdStart"
    std::string_view caption;  // in English; translated where it is shown
    int room = 0;              // the width the caption may take, inside the box's edges
    int pixelSize = 0;
};

// The caption of a button inside its bevel, or of a frame beside the start of its border.
constexpr ControlCaption laidOutCaption(std::string_view name)
{
    constexpr int edges = 8;
    const WindowControl& control = windowControl(name);
    return {control.name, control.caption, control.box.width - edges, control.font.pixelSize};
}

inline constexpr std::array<ControlCaption, 4> controlCaptions{{
    laidOutCaption("cmdStart"),
    laidOutCaption("cmdKonec"),
    laidOutCaption("frmPosun"),
    laidOutCaption("frmKmitocet"),
}};

// The caption of the button or frame the layout names so.
constexpr const ControlCaption& controlCaption(std::string_view name)
{
    for (const ControlCaption& control : controlCaptions) {
        if (control.name == name)
            return control;
    }
    throw std::invalid_argument("the window has no such button or frame");
}

}  // namespace quorvel

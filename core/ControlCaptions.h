#pragma once

#include "core/Translation.h"

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

// The buttons' captions inside their bevels, and the frames' beside the start of their border.
inline constexpr std::array<ControlCaption, 4> controlCaptions{{
    {"cmdStart", QT_TRANSLATE_NOOP("WindowLabels", "Start"), 81, 21},
    {"cmdKonec", QT_TRANSLATE_NOOP("WindowLabels", "Exit"), 81, 19},
    {"frmPosun", QT_TRANSLATE_NOOP("WindowLabels", "Distance"), 81, 16},
    {"frmKmitocet", QT_TRANSLATE_NOOP("WindowLabels", "Frequency"), 81, 16},
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

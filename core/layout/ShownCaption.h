#pragma once

#include "core/layout/ControlCaptions.h"
#include "core/layout/WindowLabels.h"

#include <string>

namespace quorvel {

// A caption of the window as it is shown in the language in use: its words, and the size of the
// labels' face that fits them in their box, which is the layout's size unless they are longer.
struct ShownCaption {
    std::string text;
    int pixelSize = 0;
};

ShownCaption shownCaption(const WindowLabel& label);
// Other words, already in the language in use, in the size that fits them in the label's box.
ShownCaption shownCaption(const WindowLabel& label, std::string text);
ShownCaption shownCaption(const ControlCaption& control);

}  // namespace quorvel

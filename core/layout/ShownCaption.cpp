#include "core/layout/ShownCaption.h"

#include "core/layout/CaptionLines.h"

namespace quorvel {

ShownCaption shownCaption(const WindowLabel& label) { return shownCaption(label, translate("WindowLabels", label.caption)); }

ShownCaption shownCaption(const WindowLabel& label, std::string text)
{
    const int size = fittingPixelSize(text, label.pixelSize, label.width, label.height);
    return {std::move(text), size};
}

ShownCaption shownCaption(const ControlCaption& control)
{
    std::string text = translate("WindowLabels", control.caption);
    const int size = oneLinePixelSize(text, control.pixelSize, control.room);
    return {std::move(text), size};
}

}  // namespace quorvel

#include "desktop/ThemeColours.h"

#include <QPalette>
#include <QWidget>

namespace quorvel {

SystemPalette themeColours(const QWidget& widget)
{
    const QPalette& palette = widget.palette();
    const auto rgb = [&palette](QPalette::ColorRole role) {
        const QColor colour = palette.color(QPalette::Active, role);
        return Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()), static_cast<std::uint8_t>(colour.blue())};
    };
    return {rgb(QPalette::HighlightedText), rgb(QPalette::Button), rgb(QPalette::ButtonText)};
}

}  // namespace quorvel

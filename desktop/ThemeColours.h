#pragma once

#include "core/draw/Colour.h"

class QWidget;

namespace quorvel {

// The desktop theme's colours as the widget shows them while active.
SystemPalette themeColours(const QWidget& widget);

}  // namespace quorvel

#pragma once

#include <QIcon>

namespace quorvel {

// The window's icon, from PNG renderings of the desktop's scalable icon at the sizes a desktop
// asks for. They are decoded with libpng: the toolkit's image reader first loads every image
// plugin it has, the SVG engine among them, which would hold back the window's first showing.
QIcon windowIcon();

}  // namespace quorvel

#pragma once

#include <QFont>

namespace quorvel {

// Sizes are in pixels of the 96-dpi layout, so the controls keep their proportions whatever the
// desktop's font settings; the named faces fall back to metric-compatible free ones.
QFont serifBold(int pixelSize);
QFont sans(int pixelSize, bool bold);

}  // namespace quorvel

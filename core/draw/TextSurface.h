#pragma once

#include "core/draw/DrawingSurface.h"

#include <string>

namespace quorvel {

// Where words stand against the point they are written at: it is their left end, their middle
// or their right end.
enum class TextAnchor { Start, Middle, End };

// A surface that also writes words, as the explore panel's graph needs for its axes. The
// window's picture has its words as labels of its own and draws none.
class TextSurface : public DrawingSurface {
public:
    // Words in the edition's sans face, size pixels high, their baseline through y.
    virtual void text(float x, float y, const std::string& words, TextAnchor anchor, int size, Colour colour) = 0;
};

}  // namespace quorvel

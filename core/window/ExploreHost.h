#pragma once

#include "core/settings/FormState.h"

#include <string>

namespace quorvel {

// What the explore panel asks of the window it sits in: the settings texts the options write too,
// the picture drawn whole at once, and the explanations of the picture before hidden.
class ExploreHost {
public:
    virtual void setText(TextBox box, std::string text) = 0;
    virtual void redrawLive() = 0;
    virtual void hidePromptAndResults() = 0;

protected:
    ~ExploreHost() = default;
};

}  // namespace quorvel

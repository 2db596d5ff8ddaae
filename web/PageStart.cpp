// The module the page loads: the Start command over the page's canvas and controls, stepped by
// the page's own event loop.

#include "core/SettingNumber.h"
#include "core/StartSequence.h"
#include "web/CanvasSurface.h"
#include "web/PageControls.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <optional>
#include <string>

namespace quorvel {

// One run of Start at a time; the page calls step() again after each pause.
class PageStart {
public:
    void begin() { sequence_.emplace(surface_, settings_, labels_); }

    // Draws the next step and returns its pause in decrements, or -1 once the command has ended.
    double step()
    {
        try {
            if (sequence_) {
                if (const auto pause = sequence_->step())
                    return static_cast<double>(*pause);
            }
        } catch (const SettingsError& error) {
            emscripten::val::global("console").call<void>("error", std::string("quorvel: Start stopped: ") + error.what());
        }
        sequence_.reset();
        return -1;
    }

private:
    CanvasSurface surface_;
    PageSettingsTexts settings_;
    PageResultLabels labels_;
    std::optional<StartSequence> sequence_;
};

EMSCRIPTEN_BINDINGS(quorvel)
{
    emscripten::class_<PageStart>("PageStart").constructor<>().function("begin", &PageStart::begin).function("step", &PageStart::step);
}

}  // namespace quorvel

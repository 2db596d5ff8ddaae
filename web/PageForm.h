#pragma once

#include "core/FormView.h"
#include "core/MainFormModel.h"
#include "web/CanvasSurface.h"

#include <emscripten/val.h>

#include <array>
#include <string>

namespace quorvel {

// The window in the page: the model draws on the canvas and its state is shown in the page's
// controls, which the page's script turns into the model's input. Controls go by their ids,
// which are the window's names.
class PageForm : private FormView {
public:
    // Loads the form, as the window does when it opens.
    PageForm();
    PageForm(const PageForm&) = delete;
    PageForm& operator=(const PageForm&) = delete;

    // Input by the names of the controls; a name the window does not have is ignored.
    void press(const std::string& button);
    void choose(const std::string& option);
    // kind is "to" a value or "by" a number of steps.
    void moveSpeed(const std::string& kind, int amount);
    void setText(const std::string& box, const std::string& text);
    void pauseEnded() { model_.pauseEnded(); }

private:
    void showState() override;
    void showPicture() override { surface_.flush(); }
    void startTimer(std::chrono::nanoseconds length) override;
    void pauseBegun(std::chrono::nanoseconds length) override;
    void runFinished() override;
    void reportStop(const std::string& message) override;
    void endProgram() override;

    static void timerEnded(void* form);

    emscripten::val document_;
    std::array<emscripten::val, 7> options_;  // by Option
    std::array<emscripten::val, 3> boxes_;    // by TextBox
    std::array<emscripten::val, 5> results_;  // by ResultLabel
    emscripten::val speed_;
    emscripten::val prompt_;
    long timer_ = 0;
    CanvasSurface surface_;
    MainFormModel model_;
};

}  // namespace quorvel

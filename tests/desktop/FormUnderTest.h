#pragma once

#include "desktop/MainForm.h"
#include "desktop/SavePicture.h"

#include <chrono>
#include <functional>

namespace quorvel {

// The main window as the tests see it: the picture as drawn and as saved, and each pause and end
// of a run, which the window itself has nothing to do at.
class FormUnderTest : public MainForm {
public:
    using MainForm::MainForm;
    using MainForm::openExplore;
    using MainForm::shownPicture;

    const WindowSurface& surface() const { return surface_; }
    // Saves the picture under the path as Save picture does; returns what went wrong.
    QString savePicture(const QString& path) const { return pictureToSave().save(path); }

    std::function<void(std::chrono::nanoseconds)> onPause;
    std::function<void()> onFinished;

private:
    void pauseBegun(std::chrono::nanoseconds length) override
    {
        if (onPause)
            onPause(length);
    }
    void runFinished() override
    {
        if (onFinished)
            onFinished();
    }
};

}  // namespace quorvel

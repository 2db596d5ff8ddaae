#pragma once

namespace quorvel {

class DrawingSurface;
class Pacer;
class ResultLabels;
class SettingsTexts;

// What Start does, from erasing the picture area to showing the result labels. The stages hand
// the scene on; nothing of it outlives the command.
class StartCommand {
public:
    StartCommand(DrawingSurface& surface, const SettingsTexts& settings, ResultLabels& labels, Pacer& pacer);

    // Throws SettingsError at the first settings text that cannot be used, leaving what was drawn.
    void run();

private:
    DrawingSurface& surface_;
    const SettingsTexts& settings_;
    ResultLabels& labels_;
    Pacer& pacer_;
};

}  // namespace quorvel

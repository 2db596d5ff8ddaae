#pragma once

namespace quorvel {

class MainFormModel;
class Mirror;
struct Setup;

// Sets a window as a setup has it, before the first Start: through a person's actions, so that
// every control shows it, the panel's settings through the panel. The panel opens last and draws
// its picture once.
class SetupApplication {
public:
    explicit SetupApplication(MainFormModel& window) : window_(window) {}

    void apply(const Setup& setup);

private:
    void applyMirror(const Mirror& mirror);

    MainFormModel& window_;
};

}  // namespace quorvel

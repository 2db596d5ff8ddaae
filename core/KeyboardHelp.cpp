#include "core/KeyboardHelp.h"

namespace quorvel {

std::vector<KeyHelp> keyboardHelp(Edition edition)
{
    const bool desktop = edition == Edition::Desktop;
    std::vector<KeyHelp> keys{
        {"Tab, Shift+Tab", "Move to the next or the previous control"},
        {"Left, Right, Up, Down", "Choose the other option of a group; move the speed by one; move along the mirror's segments"},
        {"Home, End", "Move the speed to 1 or 20; go to the first or the last segment"},
        {"Space", "Press the button, or switch the segment, that has the focus"},
        {"Enter", "Press the button that has the focus"},
    };
    if (desktop) {
        keys.push_back({"Ctrl+E", "Open or close Explore the mirror"});
        keys.push_back({"Shift+F10, Menu", "Open the picture's menu"});
    } else {
        keys.push_back({"F", "Show the window on the whole screen, or leave the full screen"});
    }
    keys.push_back({desktop ? "F1" : "?", "Show these keys"});
    keys.push_back({"Escape", "Close this help"});
    return keys;
}

}  // namespace quorvel

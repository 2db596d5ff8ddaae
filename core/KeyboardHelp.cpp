#include "core/KeyboardHelp.h"

namespace quorvel {

namespace {

// Plain tables of text, which cost the page's download far less than strings made at run time.
constexpr KeyHelp everywhere[] = {
    {"Tab, Shift+Tab", "Move to the next or the previous control"},
    {"Left, Right, Up, Down", "Choose the other option of a group; move the speed by one; move along the mirror's segments"},
    {"Home, End", "Move the speed to 1 or 20; go to the first or the last segment"},
    {"Space", "Press the button, or switch the segment, that has the focus"},
    {"Enter", "Press the button that has the focus"},
};

constexpr KeyHelp desktopOnly[] = {
    {"Ctrl+E", "Open or close Explore the mirror"},
    {"Shift+F10, Menu", "Open the picture's menu"},
    {"Ctrl+S", "Save the picture as PNG or SVG"},
    {"Ctrl+C", "Copy the picture"},
    {"F1", "Show these keys"},
};

constexpr KeyHelp pageOnly[] = {
    {"F", "Show the window on the whole screen, or leave the full screen"},
    {"?", "Show these keys"},
};

constexpr KeyHelp closing{"Escape", "Close this help"};

}  // namespace

std::vector<KeyHelp> keyboardHelp(Edition edition)
{
    std::vector<KeyHelp> keys(std::begin(everywhere), std::end(everywhere));
    if (edition == Edition::Desktop)
        keys.insert(keys.end(), std::begin(desktopOnly), std::end(desktopOnly));
    else
        keys.insert(keys.end(), std::begin(pageOnly), std::end(pageOnly));
    keys.push_back(closing);
    return keys;
}

}  // namespace quorvel

#include "core/layout/KeyboardHelp.h"

#include "core/layout/SettingRanges.h"
#include "core/text/Translation.h"

namespace quorvel {

namespace {

struct KeyEntry {
    const char* keys;
    const char* what;
};

// Plain tables of text, which cost the page's download far less than strings made at run time.
constexpr KeyEntry everywhere[] = {
    {QT_TRANSLATE_NOOP("KeyboardHelp", "Tab, Shift+Tab"), QT_TRANSLATE_NOOP("KeyboardHelp", "Move to the next or the previous control")},
    {QT_TRANSLATE_NOOP("KeyboardHelp", "Left, Right, Up, Down"), QT_TRANSLATE_NOOP("KeyboardHelp", "Choose the other option of a group, or with Up and Down another in a list; move the speed or a slider by one step; move along the mirror's segments")},
    {QT_TRANSLATE_NOOP("KeyboardHelp", "Page Up, Page Down"), QT_TRANSLATE_NOOP("KeyboardHelp", "Move a slider of the explore panel by a larger step, or %3 segments along the mirror")},
    {QT_TRANSLATE_NOOP("KeyboardHelp", "Home, End"), QT_TRANSLATE_NOOP("KeyboardHelp", "Move the speed to %1 or %2, or a slider to its end; go to the first or the last segment")},
    {QT_TRANSLATE_NOOP("KeyboardHelp", "Space"), QT_TRANSLATE_NOOP("KeyboardHelp", "Press the button, or switch the segment, that has the focus")},
    {QT_TRANSLATE_NOOP("KeyboardHelp", "Enter"), QT_TRANSLATE_NOOP("KeyboardHelp", "Press the button that has the focus")},
    {QT_TRANSLATE_NOOP("KeyboardHelp", "Escape"), QT_TRANSLATE_NOOP("KeyboardHelp", "Stop a run at once, and drop what was pressed during it")},
};

constexpr KeyEntry desktopOnly[] = {
    {QT_TRANSLATE_NOOP("KeyboardHelp", "Ctrl+E"), QT_TRANSLATE_NOOP("KeyboardHelp", "Open or close Explore the paths")},
    {QT_TRANSLATE_NOOP("KeyboardHelp", "Shift+F10, Menu"), QT_TRANSLATE_NOOP("KeyboardHelp", "Open the picture's menu")},
    {QT_TRANSLATE_NOOP("KeyboardHelp", "Ctrl+S"), QT_TRANSLATE_NOOP("KeyboardHelp", "Save the picture as PNG, SVG or JPEG")},
    {QT_TRANSLATE_NOOP("KeyboardHelp", "Ctrl+C"), QT_TRANSLATE_NOOP("KeyboardHelp", "Copy the picture")},
    {QT_TRANSLATE_NOOP("KeyboardHelp", "F1"), QT_TRANSLATE_NOOP("KeyboardHelp", "Show these keys")},
};

constexpr KeyEntry pageOnly[] = {
    {QT_TRANSLATE_NOOP("KeyboardHelp", "F"), QT_TRANSLATE_NOOP("KeyboardHelp", "Show the window on the whole screen, or leave the full screen")},
    {QT_TRANSLATE_NOOP("KeyboardHelp", "?"), QT_TRANSLATE_NOOP("KeyboardHelp", "Show these keys")},
};

constexpr KeyEntry closing[] = {{QT_TRANSLATE_NOOP("KeyboardHelp", "Escape"), QT_TRANSLATE_NOOP("KeyboardHelp", "Close this help")}};

template <std::size_t Size>
void addTranslated(std::vector<KeyHelp>& keys, const KeyEntry (&entries)[Size])
{
    for (const KeyEntry& entry : entries)
        keys.push_back({translate("KeyboardHelp", entry.keys), translate("KeyboardHelp", entry.what)});
}

}  // namespace

std::vector<KeyHelp> keyboardHelp(Edition edition)
{
    std::vector<KeyHelp> keys;
    addTranslated(keys, everywhere);
    if (edition == Edition::Desktop)
        addTranslated(keys, desktopOnly);
    else
        addTranslated(keys, pageOnly);
    addTranslated(keys, closing);
    // The speed's ends and the strip's page, where a key's words name them.
    const std::string fastest = std::to_string(speedRange.minimum);
    const std::string slowest = std::to_string(speedRange.maximum);
    const std::string page = std::to_string(segmentPageStep);
    for (KeyHelp& key : keys)
        key.what = fillIn(key.what, {fastest, slowest, page});
    return keys;
}

std::string keyboardHelpTitle() { return translate("KeyboardHelp", "Keys of Quorvel"); }

}  // namespace quorvel

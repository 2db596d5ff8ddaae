#include "web/PageTexts.h"

#include "core/explore/PanelWords.h"
#include "core/layout/SettingRanges.h"
#include "core/text/Translation.h"

#include <emscripten/bind.h>

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

namespace {

using emscripten::val;

// The translation context a text is listed in: the page's own, or the explore panel's, which
// the desktop shows too.
enum class Context { Page, Panel };

struct PageText {
    const char* selector;
    const char* attribute;  // or textContent
    const char* text;
    Context context = Context::Page;
};

// The page's texts that are not the window's captions, which the form shows from the core.
constexpr PageText pageTexts[] = {
    {"#picture", "aria-label", QT_TRANSLATE_NOOP("Page", "Picture")},
    {"#HScroll1", "aria-label", QT_TRANSLATE_NOOP("Page", "Animation speed")},
    {"#HScroll1", "aria-description", QT_TRANSLATE_NOOP("Page", "Slowdown of the animation, from %1 at the left to %2 at the right")},
    {"#explore", "textContent", panelWords::heading, Context::Panel},
    {"#keys", "textContent", QT_TRANSLATE_NOOP("Page", "Keys")},
    {"#savePng", "textContent", QT_TRANSLATE_NOOP("Page", "Save PNG")},
    {"#saveSvg", "textContent", QT_TRANSLATE_NOOP("Page", "Save SVG")},
    {"#copyPicture", "textContent", QT_TRANSLATE_NOOP("Page", "Copy picture")},
    {"#copyLink", "textContent", QT_TRANSLATE_NOOP("Page", "Copy link")},
    {"#fullScreen", "textContent", QT_TRANSLATE_NOOP("Page", "Full screen")},
    {"#stopRun", "textContent", QT_TRANSLATE_NOOP("Page", "Stop")},
    {"#exploreHeading", "textContent", panelWords::heading, Context::Panel},
    {"#segments", "aria-label", panelWords::segments, Context::Panel},
    {"[data-preset=WholeMirror]", "textContent", panelWords::wholeMirror, Context::Panel},
    {"[data-preset=MiddleThird]", "textContent", panelWords::middleThird, Context::Panel},
    {"[data-preset=OuterThirds]", "textContent", panelWords::outerThirds, Context::Panel},
    {"[data-preset=Grating]", "textContent", panelWords::grating, Context::Panel},
    {"[data-preset=AroundLeastTime]", "textContent", panelWords::aroundLeastTime, Context::Panel},
    {"[data-preset=AwayFromLeastTime]", "textContent", panelWords::awayFromLeastTime, Context::Panel},
    {"[data-preset=AwayFromLeastTime]", "aria-label", panelWords::awayFromLeastTimeName, Context::Panel},
    {"label[for=measure]", "textContent", panelWords::pathLength, Context::Panel},
    {"#measure", "aria-label", panelWords::pathLengthName, Context::Panel},
    {"#distance", "title", QT_TRANSLATE_NOOP("Page", "250 is left of the middle, as in the picture")},
    {"#frequencyLabel", "textContent", panelWords::frequency, Context::Panel},
    {"#secondLabelText", "textContent", panelWords::secondShown, Context::Panel},
    {"#brightnessLabel", "textContent", panelWords::brightness, Context::Panel},
    {"#graph", "aria-label", panelWords::graph, Context::Panel},
    {"#exploreClose", "textContent", panelWords::close, Context::Panel},
    // The keys help closes with the panel's word.
    {"#keysHelp button", "textContent", panelWords::close, Context::Panel},
    {"#endedWords", "textContent", QT_TRANSLATE_NOOP("Page", "Quorvel has ended.")},
    {"#startAgain", "textContent", QT_TRANSLATE_NOOP("Page", "Start it again")},
};

// The words the page's scripts show themselves, which they look up in the catalogue by their
// English; listed here for the translators' tools.
[[maybe_unused]] constexpr const char* scriptWords[] = {
    QT_TRANSLATE_NOOP("Page", "Quorvel is loading…"),
    QT_TRANSLATE_NOOP("Page", "Quorvel could not start: %1"),
    QT_TRANSLATE_NOOP("Page", "segment %1 of 30"),
    QT_TRANSLATE_NOOP("Page", "The picture could not be copied: %1"),
    QT_TRANSLATE_NOOP("Page", "Picture copied."),
    QT_TRANSLATE_NOOP("Page", "Link copied."),
    QT_TRANSLATE_NOOP("Page", "The link could not be copied: %1"),
};

// The key of a text in the page's catalogues: the FNV-1a hash of its context, a \x04 and its
// English, as the build writes them.
std::uint32_t key(std::string_view context, std::string_view source)
{
    std::uint32_t hash = 0x811c9dc5;
    const auto add = [&hash](unsigned char byte) { hash = (hash ^ byte) * 0x01000193; };
    for (const char c : context)
        add(static_cast<unsigned char>(c));
    add(0x04);
    for (const char c : source)
        add(static_cast<unsigned char>(c));
    return hash;
}

}  // namespace

// The catalogue stays the page's object, looked up by the key written in base 36 as the build
// writes it; a table of its own would add a hash table's code to the page for no gain.
void installCatalogue(const val& catalogue)
{
    installTranslation([catalogue](const std::string& context, const std::string& source) {
        char written[8] = {};
        std::to_chars(written, written + sizeof written - 1, key(context, source), 36);
        const val found = catalogue[written];
        return found.isString() ? found.as<std::string>() : std::string();
    });
}

void showPageTexts()
{
    const val document = val::global("document");
    for (const PageText& text : pageTexts) {
        val element = document.call<val>("querySelector", std::string(text.selector));
        if (element.isNull())
            continue;
        // The speed's ends, where a text names them.
        const std::string translated = text.context == Context::Panel ? panelWord(text.text) : translate("Page", text.text);
        const std::string words = fillIn(translated, {std::to_string(speedRange.minimum), std::to_string(speedRange.maximum)});
        if (std::string_view(text.attribute) == "textContent")
            element.set("textContent", words);
        else
            element.call<void>("setAttribute", std::string(text.attribute), words);
    }
}

EMSCRIPTEN_BINDINGS(quorvel_words)
{
    emscripten::function("installCatalogue", &installCatalogue);
    emscripten::function("showPageTexts", &showPageTexts);
}

}  // namespace quorvel

#include "desktop/CommandLine.h"

#include "desktop/TerminalText.h"

#include <QCommandLineParser>

#include <algorithm>
#include <array>
#include <charconv>

namespace quorvel {

namespace {

struct ToolkitOption {
    const char* name;
    const char* value;  // nullptr: the option takes none
    const char* description;
};

// The options that the toolkit takes from the command line itself.
constexpr std::array toolkitOptions{
    ToolkitOption{"platform", "name", "the windowing platform: xcb, wayland, offscreen, ..."},
    ToolkitOption{"display", "display", "the X display to open, such as :0"},
    ToolkitOption{"platformtheme", "name", "the platform theme"},
    ToolkitOption{"platformpluginpath", "path", "a folder of platform plugins"},
    ToolkitOption{"plugin", "plugin", "an input plugin to load"},
    ToolkitOption{"style", "style", "the widget style, such as Fusion"},
    ToolkitOption{"stylesheet", "file", "a style sheet to apply"},
    ToolkitOption{"qwindowgeometry", "geometry", "the window's size and place, such as 800x600+0+0"},
    ToolkitOption{"geometry", "geometry", "the same as -qwindowgeometry"},
    ToolkitOption{"qwindowtitle", "title", "the window's caption"},
    ToolkitOption{"qwindowicon", "file", "the window's icon"},
    ToolkitOption{"name", "name", "the application name the desktop sees"},
    ToolkitOption{"session", "session", "the session to restore"},
    ToolkitOption{"reverse", nullptr, "lay the window out from right to left"},
    ToolkitOption{"nograb", nullptr, "never grab the mouse or keyboard"},
    ToolkitOption{"dograb", nullptr, "grab even when running in a debugger"},
    ToolkitOption{"sync", nullptr, "talk to the X server synchronously"},
};

// A factor written as a plain decimal number, "2" or "1.5", within the factors --scale takes;
// nothing for any other text, "nan" and "1e0" included.
std::optional<double> scaleFactor(const std::string& text)
{
    double factor = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, factor, std::chars_format::fixed);
    if (error != std::errc() || stop != end || !(factor >= CommandLine::smallestScale && factor <= CommandLine::largestScale))
        return std::nullopt;
    return factor;
}

CommandLine refusal(const QString& message) { return {CommandLine::Request::Error, terminalText(message), false, std::nullopt}; }

}  // namespace

CommandLine CommandLine::parse(const std::vector<std::string>& arguments)
{
    QCommandLineParser parser;
    // Toolkit options are written with one dash, so single-dash words are whole option names.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringList{"v", "version"});
    const QCommandLineOption explore(QStringLiteral("explore"));
    const QCommandLineOption scale(QStringLiteral("scale"), {}, QStringLiteral("factor"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(explore);
    parser.addOption(scale);
    for (const ToolkitOption& option : toolkitOptions) {
        parser.addOption(option.value ? QCommandLineOption(QString::fromLatin1(option.name), {}, QString::fromLatin1(option.value))
                                      : QCommandLineOption(QString::fromLatin1(option.name)));
    }
    QStringList words;
    for (const std::string& argument : arguments)
        words << QString::fromLocal8Bit(argument);
    // The parser's messages quote the option as it was given, control characters and all.
    if (!parser.parse(words))
        return refusal(parser.errorText());
    // A stray argument is refused even beside help or version, as it is everywhere else.
    if (!parser.positionalArguments().isEmpty())
        return refusal(QStringLiteral("takes no file or other argument, but was given '%1'").arg(parser.positionalArguments().constFirst()));
    std::optional<double> factor;
    if (parser.isSet(scale)) {
        const QString given = parser.value(scale);
        factor = scaleFactor(given.toStdString());
        if (!factor)
            return refusal(QStringLiteral("--scale takes a factor from %1 to %2, such as 1.5, but was given '%3'").arg(smallestScale).arg(largestScale).arg(given));
    }
    if (parser.isSet(help))
        return {Request::Help, {}, false, std::nullopt};
    if (parser.isSet(version))
        return {Request::Version, {}, false, std::nullopt};
    return {Request::Run, {}, parser.isSet(explore), factor};
}

std::string CommandLine::helpText()
{
    std::string text = "Usage: quorvel [option...]\n"
                       "Shows how a mirror reflects light in the sum-over-paths picture.\n"
                       "\n"
                       "Options:\n"
                       "  -h, --help                 show this help and end\n"
                       "  -v, --version              show the name and version and end\n"
                       "      --explore              open the Explore the mirror panel with the window\n"
                       "      --scale factor         draw the whole window factor times as large, sharp,\n"
                       "                             for a projector: from 1 to 4, such as 1.5\n"
                       "\n"
                       "Options of the toolkit:\n";
    for (const ToolkitOption& option : toolkitOptions) {
        std::string usage = std::string("  -") + option.name + (option.value ? std::string(" ") + option.value : "");
        usage.resize(std::max<std::size_t>(usage.size() + 1, 29), ' ');
        text += usage + option.description + "\n";
    }
    return text;
}

}  // namespace quorvel

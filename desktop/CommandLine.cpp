#include "desktop/CommandLine.h"

#include <QCommandLineParser>

#include <algorithm>
#include <array>

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

}  // namespace

CommandLine CommandLine::parse(const std::vector<std::string>& arguments)
{
    QCommandLineParser parser;
    // Toolkit options are written with one dash, so single-dash words are whole option names.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringList{"v", "version"});
    const QCommandLineOption explore(QStringLiteral("explore"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(explore);
    for (const ToolkitOption& option : toolkitOptions) {
        parser.addOption(option.value ? QCommandLineOption(QString::fromLatin1(option.name), {}, QString::fromLatin1(option.value))
                                      : QCommandLineOption(QString::fromLatin1(option.name)));
    }
    QStringList words;
    for (const std::string& argument : arguments)
        words << QString::fromLocal8Bit(argument);
    if (!parser.parse(words))
        return {Request::Error, parser.errorText().toStdString()};
    // A stray argument is refused even beside help or version, as it is everywhere else.
    if (!parser.positionalArguments().isEmpty())
        return {Request::Error, "takes no file or other argument, but was given '" + parser.positionalArguments().constFirst().toStdString() + "'"};
    if (parser.isSet(help))
        return {Request::Help, {}};
    if (parser.isSet(version))
        return {Request::Version, {}};
    return {Request::Run, {}, parser.isSet(explore)};
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

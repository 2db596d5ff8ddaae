#include "desktop/CommandLine.h"

#include "core/text/EscapedControls.h"
#include "core/mirror/ExploreState.h"
#include "core/explore/ExploreWords.h"
#include "core/layout/SettingRanges.h"
#include "core/settings/SetupReading.h"
#include "desktop/LanguageChoice.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <charconv>
#include <variant>

namespace quorvel {

namespace {

// A frequency in tenths as the options take it: "0.5".
QString tenths(int count) { return QString::fromStdString(tenthsText(count)); }

struct ToolkitOption {
    const char* name;
    const char* value;  // nullptr: the option takes none
    const char* description;
};

// The options that the toolkit takes from the command line itself.
constexpr std::array toolkitOptions{
    ToolkitOption{"platform", "name", QT_TRANSLATE_NOOP("CommandLine", "the windowing platform: xcb, wayland, offscreen, ...")},
    ToolkitOption{"display", "display", QT_TRANSLATE_NOOP("CommandLine", "the X display to open, such as :0")},
    ToolkitOption{"platformtheme", "name", QT_TRANSLATE_NOOP("CommandLine", "the platform theme")},
    ToolkitOption{"platformpluginpath", "path", QT_TRANSLATE_NOOP("CommandLine", "a folder of platform plugins")},
    ToolkitOption{"plugin", "plugin", QT_TRANSLATE_NOOP("CommandLine", "an input plugin to load")},
    ToolkitOption{"style", "style", QT_TRANSLATE_NOOP("CommandLine", "the widget style, such as Fusion")},
    ToolkitOption{"stylesheet", "file", QT_TRANSLATE_NOOP("CommandLine", "a style sheet to apply")},
    ToolkitOption{"qwindowgeometry", "geometry", QT_TRANSLATE_NOOP("CommandLine", "the window's size and place, such as 800x600+0+0")},
    ToolkitOption{"geometry", "geometry", QT_TRANSLATE_NOOP("CommandLine", "the same as -qwindowgeometry")},
    ToolkitOption{"qwindowtitle", "title", QT_TRANSLATE_NOOP("CommandLine", "the window's caption")},
    ToolkitOption{"qwindowicon", "file", QT_TRANSLATE_NOOP("CommandLine", "the window's icon")},
    ToolkitOption{"name", "name", QT_TRANSLATE_NOOP("CommandLine", "the application name the desktop sees")},
    ToolkitOption{"session", "session", QT_TRANSLATE_NOOP("CommandLine", "the session to restore")},
    ToolkitOption{"reverse", nullptr, QT_TRANSLATE_NOOP("CommandLine", "lay the window out from right to left")},
    ToolkitOption{"nograb", nullptr, QT_TRANSLATE_NOOP("CommandLine", "never grab the mouse or keyboard")},
    ToolkitOption{"dograb", nullptr, QT_TRANSLATE_NOOP("CommandLine", "grab even when running in a debugger")},
    ToolkitOption{"sync", nullptr, QT_TRANSLATE_NOOP("CommandLine", "talk to the X server synchronously")},
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

CommandLine refusal(const QString& message)
{
    CommandLine refused;
    refused.request = CommandLine::Request::Error;
    refused.error = escapedControls(message.toStdString());
    return refused;
}

// The options of the setup, each by the name a link to the page gives its setting.
struct SetupOption {
    std::string_view name;
    const char* value;
};

constexpr std::array setupOptions{SetupOption{Setup::distanceName, "pixels"}, SetupOption{Setup::frequencyName, "number"},
                                  SetupOption{Setup::speedName, "slowdown"}, SetupOption{Setup::mirrorName, "segments"},
                                  SetupOption{Setup::measureName, "measure"}, SetupOption{Setup::sceneName, "name"},
                                  SetupOption{Setup::gapName, "points"}};

// The parser names an unknown option without the dashes it was written with, so the word as given
// is quoted instead: "--bogus", not "bogus".
QString parseFailure(const QCommandLineParser& parser, const QStringList& words)
{
    const QStringList unknown = parser.unknownOptionNames();
    for (const QString& word : words.mid(1)) {
        const QString option = word.section(QLatin1Char('='), 0, 0);
        qsizetype dashes = 0;
        while (dashes < option.size() && option[dashes] == QLatin1Char('-'))
            ++dashes;
        if (dashes > 0 && !unknown.isEmpty() && option.mid(dashes) == unknown.constFirst())
            return QCoreApplication::translate("CommandLine", "there is no option '%1'").arg(option);
    }
    return parser.errorText();
}

QString optionName(std::string_view name) { return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())); }

// What a setting takes, as a link's reading says it.
QString takes(std::string_view name) { return QString::fromStdString(SetupReading::takes(name)); }

// The setup the options give, read as a link's pairs are; the first value it cannot use is
// refused, naming the option and what it takes.
std::variant<Setup, QString> setupOf(const QCommandLineParser& parser)
{
    std::vector<SetupReading::Pair> pairs;
    QStringList given;
    for (const SetupOption& option : setupOptions) {
        for (const QString& value : parser.values(optionName(option.name))) {
            pairs.emplace_back(std::string(option.name), value.toStdString());
            given << value;
        }
    }
    if (parser.isSet(QStringLiteral("explore")))
        pairs.emplace_back(std::string(Setup::exploreName), "1");
    const SetupReading reading(pairs);
    if (reading.ignored().empty())
        return reading.setup();
    const SetupReading::Ignored& first = reading.ignored().front();
    const QString option = QStringLiteral("--") + QString::fromStdString(first.name);
    if (first.why == SetupReading::Why::Repeated)
        return QCoreApplication::translate("CommandLine", "%1 was given more than once").arg(option);
    const auto place = std::ranges::find(pairs, first.name, &SetupReading::Pair::first) - pairs.begin();
    return QCoreApplication::translate("CommandLine", "%1 takes %2, but was given '%3'")
        .arg(option, takes(first.name), given.at(place));
}

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
    const QCommandLineOption language(QStringLiteral("lang"), {}, QStringLiteral("code"));
    parser.addOption(help);
    parser.addOption(language);
    parser.addOption(version);
    parser.addOption(explore);
    parser.addOption(scale);
    for (const SetupOption& option : setupOptions)
        parser.addOption(QCommandLineOption(optionName(option.name), {}, QString::fromLatin1(option.value)));
    for (const ToolkitOption& option : toolkitOptions) {
        parser.addOption(option.value ? QCommandLineOption(QString::fromLatin1(option.name), {}, QString::fromLatin1(option.value))
                                      : QCommandLineOption(QString::fromLatin1(option.name)));
    }
    QStringList words;
    for (const std::string& argument : arguments)
        words << QString::fromLocal8Bit(argument);
    const bool parsed = parser.parse(words);
    // Even a refusal is told in the language asked for, which the parser has read before it stopped.
    std::optional<std::string> code;
    if (parser.isSet(language))
        code = parser.value(language).toStdString();
    const auto refused = [&code](const QString& message) {
        CommandLine refusing = refusal(message);
        refusing.language = code;
        return refusing;
    };
    // The messages quote the option as it was given, control characters and all.
    if (!parsed)
        return refused(parseFailure(parser, words));
    for (const QCommandLineOption* valued : {&language, &scale}) {
        if (parser.values(*valued).size() > 1)
            return refused(QCoreApplication::translate("CommandLine", "%1 was given more than once").arg("--" + valued->names().constFirst()));
    }
    // "--lang --help" forgot the code: the parser took the next option for it.
    if (code && code->starts_with('-'))
        return refused(QCoreApplication::translate("CommandLine", "--lang takes a language code such as de, but was given '%1'")
                           .arg(parser.value(language)));
    // A stray argument is refused even beside help or version, as it is everywhere else.
    if (!parser.positionalArguments().isEmpty())
        return refused(QCoreApplication::translate("CommandLine", "takes no file or other argument, but was given '%1'").arg(parser.positionalArguments().constFirst()));
    std::optional<double> factor;
    if (parser.isSet(scale)) {
        const QString given = parser.value(scale);
        factor = scaleFactor(given.toStdString());
        if (!factor)
            return refused(QCoreApplication::translate("CommandLine", "--scale takes a factor from %1 to %2, such as 1.5, but was given '%3'")
                               .arg(smallestScale)
                               .arg(largestScale)
                               .arg(given));
    }
    const auto setup = setupOf(parser);
    if (const auto* wrong = std::get_if<QString>(&setup))
        return refused(*wrong);
    CommandLine asked;
    asked.language = code;
    asked.request = parser.isSet(help) ? Request::Help : parser.isSet(version) ? Request::Version : Request::Run;
    if (asked.request == Request::Run) {
        asked.setup = std::get<Setup>(setup);
        asked.scale = factor;
    }
    return asked;
}

// Words filled into lines that fit an 80-column terminal, the first going on from column `start`
// and the rest from `indent`: translations are written without line breaks of their own.
QString filled(const QString& text, qsizetype start, qsizetype indent)
{
    constexpr qsizetype width = 79;
    QString lines;
    qsizetype column = start;
    bool lineBegun = false;
    // A no-break space, as French puts before a colon, holds its neighbours on one line.
    static const QRegularExpression breaks(QStringLiteral("[ \n]+"));
    for (const QString& word : text.split(breaks, Qt::SkipEmptyParts)) {
        if (lineBegun && column + 1 + word.size() > width) {
            lines += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            column = indent;
            lineBegun = false;
        }
        if (lineBegun) {
            lines += QLatin1Char(' ');
            ++column;
        }
        lines += word;
        column += word.size();
        lineBegun = true;
    }
    return lines + QLatin1Char('\n');
}

// An option's usage, then what it does from the 30th column on.
QString optionLine(QString usage, const QString& description)
{
    constexpr qsizetype column = 29;
    usage = usage.leftJustified(std::max(usage.size() + 1, column));
    return usage + filled(description, usage.size(), column);
}

std::string CommandLine::helpText()
{
    QString text = QCoreApplication::translate("CommandLine", "Usage: quorvel [option...]") + QLatin1Char('\n') +
                   QCoreApplication::translate("CommandLine", "Shows how a mirror reflects light in the sum-over-paths picture.") + QStringLiteral("\n\n") +
                   QCoreApplication::translate("CommandLine", "Options:") + QLatin1Char('\n');
    text += optionLine(QStringLiteral("  -h, --help"), QCoreApplication::translate("CommandLine", "show this help and end"));
    text += optionLine(QStringLiteral("  -v, --version"), QCoreApplication::translate("CommandLine", "show the name and version and end"));
    text += optionLine(QStringLiteral("      --explore"), QCoreApplication::translate("CommandLine", "open the Explore the paths panel with the window"));
    text += optionLine(QStringLiteral("      --scale factor"),
                       QCoreApplication::translate("CommandLine", "draw the whole window factor times as large, sharp, for a projector: from 1 to 4, such as 1.5"));
    text += optionLine(QStringLiteral("      --distance pixels"),
                       QCoreApplication::translate("CommandLine", "start at this distance: 0 or 250, or for the explore panel a whole number from %1 to %2")
                           .arg(exploreDistanceRange.minimum)
                           .arg(exploreDistanceRange.maximum));
    text += optionLine(QStringLiteral("      --frequency number"),
                       QCoreApplication::translate("CommandLine", "start at this frequency: 1 or 2, or for the explore panel from %1 to %2 in tenths, such as 1.5 (to %3 with --measure legs)")
                           .arg(tenths(exploreFrequencyRange.minimum), tenths(exploreFrequencyRange.maximum), tenths(ExploreState::twoLegsFrequencyTenthsMaximum)));
    text += optionLine(QStringLiteral("      --speed slowdown"),
                       QCoreApplication::translate("CommandLine", "start with the speed scroll bar here, from %1 to %2").arg(speedRange.minimum).arg(speedRange.maximum));
    text += optionLine(QStringLiteral("      --mirror segments"),
                       QCoreApplication::translate("CommandLine", "the explore panel's mirror: whole, middle-third, outer-thirds, grating, around-least-time, "
                                                                  "away-from-least-time, or 30 digits from the left, "
                                                                  "1 for a segment that reflects, 0 for one scraped off"));
    text += optionLine(QStringLiteral("      --measure measure"),
                       QCoreApplication::translate("CommandLine", "how the explore panel measures a path: window (the window's measure) or legs (its real length)"));
    text += optionLine(QStringLiteral("      --scene name"),
                       QCoreApplication::translate("CommandLine", "the scene the explore panel shows, which opens it beyond the mirror: %1").arg(takes(Setup::sceneName)));
    text += optionLine(QStringLiteral("      --gap points"),
                       QCoreApplication::translate("CommandLine", "the width of the screen's gap: %1").arg(takes(Setup::gapName)));
    QStringList languages = LanguageChoice::languages();
    languages.sort();
    text += optionLine(QStringLiteral("      --lang code"),
                       QCoreApplication::translate("CommandLine", "the language to show instead of the desktop's: %1; any other shows English")
                           .arg(languages.join(QStringLiteral(", "))));
    text += QLatin1Char('\n') + filled(QCoreApplication::translate("CommandLine", "A setting that only the explore panel offers opens the panel, as "
                                                                             "--explore does. The same settings make a link to the page: "
                                                                             "?distance=250&speed=5"),
                                       0, 0);
    text += QLatin1Char('\n') + QCoreApplication::translate("CommandLine", "Options of the toolkit:") + QLatin1Char('\n');
    for (const ToolkitOption& option : toolkitOptions) {
        const QString usage = QStringLiteral("  -") + QString::fromLatin1(option.name) + (option.value ? QStringLiteral(" ") + QString::fromLatin1(option.value) : QString());
        text += optionLine(usage, QCoreApplication::translate("CommandLine", option.description));
    }
    return text.toStdString();
}

}  // namespace quorvel

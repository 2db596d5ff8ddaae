#include "desktop/PlatformStartGuard.h"

#include "core/text/EscapedControls.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace quorvel {

namespace {

PlatformStartGuard* watching = nullptr;

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The value of a toolkit option given as "-name value", "--name value" or "-name=value".
std::string optionValue(int argc, char** argv, std::string_view name)
{
    std::string value;
    for (int i = 1; i < argc; ++i) {
        std::string_view word = argv[i];
        if (word.starts_with("--"))
            word.remove_prefix(1);
        if (!word.starts_with("-") || word.substr(1, name.size()) != name)
            continue;
        const std::string_view rest = word.substr(1 + name.size());
        if (rest.starts_with("="))
            value = rest.substr(1);
        else if (rest.empty() && i + 1 < argc)
            value = argv[++i];
    }
    return value;
}

// A name from the command line or the environment, quoted as the message shows it.
std::string quoted(const std::string& name) { return '"' + escapedControls(QString::fromLocal8Bit(name).toStdString()) + '"'; }

}  // namespace

PlatformStartGuard::PlatformStartGuard(std::string displayTried) : displayTried_(std::move(displayTried))
{
    watching = this;
    previous_ = qInstallMessageHandler(&PlatformStartGuard::handle);
}

PlatformStartGuard::~PlatformStartGuard()
{
    qInstallMessageHandler(previous_);
    watching = nullptr;
    for (const HeldMessage& message : held_) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.empty() ? nullptr : message.category.c_str());
        previous_(message.type, context, message.text);
    }
}

std::string PlatformStartGuard::displayToTry(int argc, char** argv)
{
    std::string platform = optionValue(argc, argv, "platform");
    if (platform.empty())
        platform = environment("QT_QPA_PLATFORM");
    const bool wayland = platform.starts_with("wayland");
    if (!platform.empty() && platform != "xcb" && !wayland)
        return "but could not start the platform " + quoted(platform);
    const char* variable = wayland ? "WAYLAND_DISPLAY" : "DISPLAY";
    std::string display = wayland ? "" : optionValue(argc, argv, "display");
    if (display.empty())
        display = environment(variable);
    if (display.empty())
        return std::string("and no display is set (") + variable + " is empty)";
    return "but could not open the display " + quoted(display);
}

void PlatformStartGuard::requireScreen() const
{
    if (!QGuiApplication::primaryScreen())
        fail();
}

// The toolkit's messages are dropped: the one line says what went wrong.
void PlatformStartGuard::fail() const
{
    std::fprintf(stderr, "quorvel: Quorvel needs a graphical desktop, %s\n", displayTried_.c_str());
    std::_Exit(1);
}

void PlatformStartGuard::handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg)
        watching->fail();
    watching->held_.push_back({type, context.category ? context.category : "", text});
}

}  // namespace quorvel

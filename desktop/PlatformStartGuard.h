#pragma once

#include <QString>
#include <QtMessageHandler>

#include <string>
#include <vector>

namespace quorvel {

// Watches over the toolkit while it starts its windowing platform. Without a display the toolkit
// gives up with a fatal message and a core dump, and a platform that starts with no screen (the
// framebuffer's without a framebuffer) aborts at the first window; instead the program says in
// one line that it needs a graphical desktop, names the display it tried, and ends with status 1.
// The toolkit's own messages are held meanwhile and passed on once the platform has started.
class PlatformStartGuard {
public:
    explicit PlatformStartGuard(std::string displayTried);
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;

    // Once the application object is made: ends the program as above unless the platform has a
    // screen to show the window on.
    void requireScreen() const;

    // What the toolkit will try to open, as the end of the sentence "Quorvel needs a graphical
    // desktop, ...", from the command line's -display and -platform and the environment.
    static std::string displayToTry(int argc, char** argv);

private:
    struct HeldMessage {
        QtMsgType type;
        std::string category;
        QString text;
    };

    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text);
    [[noreturn]] void fail() const;

    std::string displayTried_;
    QtMessageHandler previous_ = nullptr;
    std::vector<HeldMessage> held_;
};

}  // namespace quorvel

#pragma once

#include <QImage>
#include <QProcess>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

using Display = struct _XDisplay;
using XWindow = unsigned long;

namespace quorvel::testing {

// An Xvfb server of the test's own on a free display, ended with the test.
class XServer {
public:
    explicit XServer(int width = 1024, int height = 768);
    ~XServer();

    const std::string& display() const { return display_; }

private:
    QProcess xvfb_;
    std::string display_;
};

// The program under test, started on a display with a plain desktop theme.
class Program {
public:
    // The command is the executable and its arguments.
    Program(const std::vector<std::string>& command, const std::string& display);
    ~Program();

    qint64 pid() const { return process_.processId(); }
    bool running() { return !waitForExit(std::chrono::milliseconds(0)); }
    // The exit status, or nothing if the program is still running when the time is up.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);

private:
    QProcess process_;
};

// A client of the display that looks and acts as a person would: finds the window, clicks,
// takes screenshots and asks the window to close as a title bar's close button does.
class XClient {
public:
    explicit XClient(const std::string& display);
    ~XClient();
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;

    // The top-level window whose title starts with the prefix, once it is shown.
    std::optional<XWindow> waitForWindow(const std::string& titlePrefix, std::chrono::milliseconds timeout);
    void click(int x, int y);
    QImage screenshot();
    void requestClose(XWindow window);
    // Destroys the window as any other client of the server can, with no request to its owner.
    void destroy(XWindow window);
    // The sizes of the icons the window offers the desktop, as width x height.
    std::vector<std::pair<int, int>> iconSizes(XWindow window);

private:
    Display* display_ = nullptr;
};

}  // namespace quorvel::testing

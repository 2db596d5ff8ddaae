#include "tests/desktop/x11/XSession.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string_view>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace quorvel::testing {

namespace {

using Clock = std::chrono::steady_clock;

void endProcess(pid_t pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 100 && waitpid(pid, nullptr, WNOHANG) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (waitpid(pid, nullptr, WNOHANG) == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

// The current environment less the variables that would give the program a desktop theme or
// another platform, plus the given ones.
std::vector<std::string> programEnvironment(const std::string& display)
{
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        const std::string_view variable(*entry);
        const bool dropped = variable.starts_with("DISPLAY=") || variable.starts_with("QT_QPA_PLATFORM") || variable.starts_with("QT_STYLE_OVERRIDE=")
                             || variable.starts_with("XDG_CURRENT_DESKTOP=") || variable.starts_with("DESKTOP_SESSION=") || variable.starts_with("QT_SCALE_FACTOR=");
        if (!dropped)
            environment.emplace_back(variable);
    }
    environment.push_back("DISPLAY=" + display);
    environment.push_back("QT_QPA_PLATFORM=xcb");
    return environment;
}

}  // namespace

XServer::XServer(int width, int height)
{
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    int ready[2];
    if (pipe(ready) != 0)
        throw std::runtime_error("pipe failed");
    pid_ = fork();
    if (pid_ == 0) {
        close(ready[0]);
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        const std::string fd = std::to_string(ready[1]);
        // -noreset: without it the server resets when its last client leaves, and a client
        // connecting at that moment fails now and then.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-noreset", "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    std::string number;
    pollfd waiting{ready[0], POLLIN, 0};
    char c = 0;
    while (poll(&waiting, 1, 10000) > 0 && read(ready[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(ready[0]);
    if (number.empty()) {
        endProcess(pid_);
        throw std::runtime_error("Xvfb did not start");
    }
    display_ = ":" + number;
}

XServer::~XServer() { endProcess(pid_); }

Program::Program(const std::vector<std::string>& command, const std::string& display)
{
    std::vector<std::string> environment = programEnvironment(display);
    std::vector<char*> envp;
    for (std::string& variable : environment)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
}

Program::~Program()
{
    if (!status_)
        endProcess(pid_);
}

bool Program::running() { return !waitForExit(std::chrono::milliseconds(0)); }

std::optional<int> Program::waitForExit(std::chrono::milliseconds timeout)
{
    const auto deadline = Clock::now() + timeout;
    while (!status_) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            break;
        }
        if (Clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return status_;
}

XClient::XClient(const std::string& display) : display_(XOpenDisplay(display.c_str()))
{
    if (!display_)
        throw std::runtime_error("cannot open display " + display);
}

XClient::~XClient() { XCloseDisplay(display_); }

std::optional<XWindow> XClient::waitForWindow(const std::string& titlePrefix, std::chrono::milliseconds timeout)
{
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        Window root = 0, parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count);
        std::optional<XWindow> found;
        for (unsigned int i = 0; i < count && !found; ++i) {
            char* name = nullptr;
            XWindowAttributes attributes;
            if (XFetchName(display_, children[i], &name) && name) {
                if (std::string_view(name).starts_with(titlePrefix) && XGetWindowAttributes(display_, children[i], &attributes)
                    && attributes.map_state == IsViewable)
                    found = children[i];
                XFree(name);
            }
        }
        if (children)
            XFree(children);
        if (found)
            return found;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::nullopt;
}

void XClient::click(int x, int y)
{
    XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XFlush(display_);
}

QImage XClient::screenshot()
{
    const Window root = DefaultRootWindow(display_);
    XWindowAttributes attributes;
    XGetWindowAttributes(display_, root, &attributes);
    XImage* image = XGetImage(display_, root, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (!image)
        return {};
    // The server's 24-bit screen comes as 32-bit pixels in the machine's order, which is the image's.
    const QImage shot = QImage(reinterpret_cast<const uchar*>(image->data), attributes.width, attributes.height, image->bytes_per_line, QImage::Format_RGB32).copy();
    XDestroyImage(image);
    return shot;
}

std::vector<std::pair<int, int>> XClient::iconSizes(XWindow window)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char* data = nullptr;
    std::vector<std::pair<int, int>> sizes;
    if (XGetWindowProperty(display_, window, XInternAtom(display_, "_NET_WM_ICON", False), 0, 1 << 20, False, XA_CARDINAL, &type, &format, &count,
                           &left, &data)
            == Success
        && data) {
        // Each icon is its width, its height and then its pixels, as longs.
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        for (unsigned long i = 0; i + 2 <= count; i += 2 + values[i] * values[i + 1])
            sizes.emplace_back(static_cast<int>(values[i]), static_cast<int>(values[i + 1]));
        XFree(data);
    }
    return sizes;
}

void XClient::requestClose(XWindow window)
{
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    XFlush(display_);
}

void XClient::destroy(XWindow window)
{
    XDestroyWindow(display_, window);
    XFlush(display_);
}

}  // namespace quorvel::testing

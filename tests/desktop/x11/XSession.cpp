#include "tests/desktop/x11/XSession.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <stdexcept>
#include <string_view>
#include <thread>
#include <vector>

namespace quorvel::testing {

using Clock = std::chrono::steady_clock;

// A process still running is asked to end, and killed if it has not within this time.
constexpr int endingMs = 2000;

XServer::XServer(int width, int height)
{
    xvfb_.setStandardErrorFile(QProcess::nullDevice());
    // -noreset: without it the server resets when its last client leaves, and a client
    // connecting at that moment fails now and then.
    xvfb_.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", QStringLiteral("%1x%2x24").arg(width).arg(height), "-noreset", "-nolisten", "tcp"});
    while (!xvfb_.canReadLine()) {
        if (!xvfb_.waitForReadyRead(10000))
            throw std::runtime_error("Xvfb did not start");
    }
    display_ = ":" + xvfb_.readLine().trimmed().toStdString();
}

XServer::~XServer()
{
    xvfb_.terminate();
    xvfb_.waitForFinished(endingMs);
}

// The environment leaves out what would give the program a desktop theme or another platform.
Program::Program(const std::vector<std::string>& command, const std::string& display)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "QT_SCALE_FACTOR"})
        environment.remove(QString::fromLatin1(variable));
    environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(display));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    QStringList arguments;
    for (const std::string& word : command)
        arguments << QString::fromStdString(word);
    process_.start(arguments.takeFirst(), arguments);
}

Program::~Program()
{
    process_.terminate();
    process_.waitForFinished(endingMs);
}

// A program ended by a signal gives 128 and its number, as a shell says.
std::optional<int> Program::waitForExit(std::chrono::milliseconds timeout)
{
    if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(static_cast<int>(timeout.count())))
        return std::nullopt;
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : 128 + process_.exitCode();
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
    const Atom icons = XInternAtom(display_, "_NET_WM_ICON", False);
    if (XGetWindowProperty(display_, window, icons, 0, 1 << 20, False, XA_CARDINAL, &type, &format, &count, &left, &data) != Success || !data)
        return sizes;
    // Each icon is its width, its height and then its pixels, as longs.
    const auto* values = reinterpret_cast<const unsigned long*>(data);
    for (unsigned long i = 0; i + 2 <= count; i += 2 + values[i] * values[i + 1])
        sizes.emplace_back(static_cast<int>(values[i]), static_cast<int>(values[i + 1]));
    XFree(data);
    return sizes;
}

void XClient::requestClose(XWindow window)
{
    const long deleteWindow = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    XEvent event{.xclient = {.type = ClientMessage, .serial = 0, .send_event = False, .display = display_, .window = window,
                             .message_type = XInternAtom(display_, "WM_PROTOCOLS", False), .format = 32, .data = {.l = {deleteWindow, CurrentTime}}}};
    XSendEvent(display_, window, False, NoEventMask, &event);
    XFlush(display_);
}

void XClient::destroy(XWindow window)
{
    XDestroyWindow(display_, window);
    XFlush(display_);
}

}  // namespace quorvel::testing

// Measures what Quorvel costs, each figure against an anchor measured in the same run: one whole
// Start at slowdown 0 against one repaint of the whole window, the pauses against their nominal
// 15 ms per 300000 decrements, the processor time of a slow sweep against its wall time, the
// program's start-up against a bare toolkit window of the same size, and the explore panel's
// live redraw and graph against a whole Start at slowdown 0, and each scene's Start against the
// mirror's, its live redraw against its Start and its graph alone.

#include "tests/desktop/x11/XSession.h"
#include "core/explore/BrightnessGraph.h"
#include "core/explore/SceneWords.h"
#include "desktop/BrightnessGraphView.h"
#include "tests/desktop/FormUnderTest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <X11/Xlib.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>

namespace {

using MainForm = quorvel::FormUnderTest;
using Clock = std::chrono::steady_clock;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double millisecondsSince(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

template <typename Work>
double millisecondsOf(Work work)
{
    const auto start = Clock::now();
    work();
    return millisecondsSince(start);
}

// Each figure is the median of this many samples.
constexpr int samples = 21;

template <typename Work>
double medianMilliseconds(Work work)
{
    std::vector<double> times;
    for (int run = 0; run < samples; ++run)
        times.push_back(millisecondsOf(work));
    return median(times);
}

void setSlowdown(MainForm& form, const char* slowdown) { form.model().setText(quorvel::TextBox::nSpomaleni, slowdown); }

// Clicks Start and returns when the run has ended: its wall time in milliseconds.
double runStart(MainForm& form)
{
    QEventLoop loop;
    form.onFinished = [&loop] { loop.quit(); };
    const auto start = Clock::now();
    form.findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
    // At slowdown 0 the whole run, its picture on the screen, is over when the click returns.
    if (form.model().state().running)
        loop.exec();
    return millisecondsSince(start);
}

void wholeStartAtSlowdownZero(MainForm& form)
{
    const double anchor = medianMilliseconds([&form] { form.repaint(); });
    setSlowdown(form, "0");
    const double start = medianMilliseconds([&form] { runStart(form); });
    std::printf("Anchor: one repaint of the whole window, median of 21: %.2f ms\n", anchor);
    std::printf("One whole Start at slowdown 0, median of 21: %.2f ms = %.2f repaints of the whole window\n", start, start / anchor);
}

// The time from one point's pause to the next is the pause and one point's drawing.
void pacing(MainForm& form)
{
    std::vector<double> times;
    form.onPause = [&times](std::chrono::nanoseconds) { times.push_back(static_cast<double>(Clock::now().time_since_epoch().count()) / 1e6); };
    for (const char* slowdown : {"1", "10", "20"}) {
        times.clear();
        setSlowdown(form, slowdown);
        const std::clock_t cpuBefore = std::clock();
        const double wall = runStart(form);
        const double cpu = 1000.0 * static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
        std::vector<double> pauses;
        for (std::size_t k = 1; k < times.size(); ++k)
            pauses.push_back(times[k] - times[k - 1]);
        const double nominal = 15.0 * std::stod(slowdown);
        std::printf("Pause at slowdown %2s: median %7.2f ms = %.4f x nominal %6.1f ms; longest %.2f ms\n", slowdown, median(pauses), median(pauses) / nominal,
                    nominal, *std::max_element(pauses.begin(), pauses.end()));
        std::printf("  the whole sweep: processor %.0f ms of %.0f ms wall time (%.2f %%)\n", cpu, wall, 100 * cpu / wall);
    }
    form.onPause = {};
}

struct StartUp {
    double mappedMs = 0;
    double residentKiB = 0;
};

double residentKiB(qint64 pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6));
    }
    return 0;
}

// Starts the program on the display and waits for its window to be mapped; then, once it has
// settled, reads its resident memory.
std::optional<StartUp> measureStartUp(const std::vector<std::string>& command, const std::string& display, const std::string& title)
{
    Display* x = XOpenDisplay(display.c_str());
    XSelectInput(x, DefaultRootWindow(x), SubstructureNotifyMask);
    XSync(x, False);
    const auto launched = Clock::now();
    quorvel::testing::Program program(command, display);
    std::optional<StartUp> measured;
    pollfd connection{ConnectionNumber(x), POLLIN, 0};
    while (!measured && millisecondsSince(launched) < 20000) {
        if (XPending(x) == 0) {
            poll(&connection, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(x, &event);
        char* name = nullptr;
        if (event.type == MapNotify && XFetchName(x, event.xmap.window, &name) && name) {
            if (std::string(name).rfind(title, 0) == 0)
                measured = StartUp{millisecondsSince(launched), 0};
            XFree(name);
        }
    }
    XCloseDisplay(x);
    if (measured) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        measured->residentKiB = residentKiB(program.pid());
    }
    return measured;
}

// The four programs start in turn, 21 times, on one display of the benchmark's own: the bare
// window that is the anchor, the same with one line of text, with Quorvel's 24 controls, and Quorvel.
void startUp()
{
    const quorvel::testing::XServer server;
    const std::array<std::vector<std::string>, 4> commands{{{QUORVEL_BARE_WINDOW}, {QUORVEL_BARE_WINDOW, "text"}, {QUORVEL_BARE_WINDOW, "controls"}, {QUORVEL_EXECUTABLE}}};
    const std::array<const char*, 4> names{"Anchor: a bare toolkit window of 800 x 581", "The same window with one line of text", "The same window with Quorvel's 24 controls", "Quorvel"};
    std::array<std::vector<double>, 4> mapped, resident;
    for (int run = 0; run < samples; ++run) {
        for (std::size_t k = 0; k < commands.size(); ++k) {
            const auto measured = measureStartUp(commands[k], server.display(), k + 1 < commands.size() ? "Bare window" : "Quorvel - ");
            if (!measured) {
                std::printf("Start-up: a window did not appear\n");
                return;
            }
            mapped[k].push_back(measured->mappedMs);
            resident[k].push_back(measured->residentKiB);
        }
    }
    for (std::size_t k = 0; k < commands.size(); ++k) {
        std::printf("%s, median of 21 on Xvfb: mapped after %.1f ms = %.2f x the bare window, %.2f x the window with its controls; resident %.0f KiB = %.2f x, %.2f x\n",
                    names[k], median(mapped[k]), median(mapped[k]) / median(mapped[0]), median(mapped[k]) / median(mapped[2]), median(resident[k]),
                    median(resident[k]) / median(resident[0]), median(resident[k]) / median(resident[2]));
    }
}

// The graph alone: a new graph works its curves out and draws them into its surface.
void drawGraph(quorvel::BrightnessGraphView& graph, const quorvel::ExploreState& state)
{
    quorvel::BrightnessGraph().draw(graph.surface(), state);
    graph.picture();
}

// A live redraw: the detector or the pair moved with the panel open.
double redrawMs(MainForm& form, int distance)
{
    return millisecondsOf([&] { form.model().perform(quorvel::DistanceSetting{distance}); });
}

// A live redraw is what a change in the open panel costs: the whole picture, the brightness and
// the graph, all on the screen. Its samples alternate with those of a Start with the panel
// closed, so that both meet the same load of the machine. The graph alone is drawn for a scraped
// mirror, whose curve is worked out at its 661 distances beside the whole mirror's, first at one
// frequency and then with a second frequency's curve beside it.
void explore(MainForm& form)
{
    setSlowdown(form, "0");
    std::vector<double> starts, redraws;
    for (int k = 0; k < samples; ++k) {
        form.openExplore(false);
        QCoreApplication::processEvents();
        starts.push_back(runStart(form));
        form.openExplore(true);
        QCoreApplication::processEvents();
        redraws.push_back(redrawMs(form, 100 + k % 2));
    }
    auto* graph = form.findChild<quorvel::BrightnessGraphView*>();
    quorvel::ExploreState state;
    state.mirror = quorvel::Mirror::span(10, 19);
    state.distance = 250;
    const auto graphAlone = [&](bool secondShown) {
        state.secondShown = secondShown;
        return medianMilliseconds([&] { drawGraph(*graph, state); });
    };
    const double oneColour = graphAlone(false);
    const double twoColours = graphAlone(true);
    form.openExplore(false);
    const double anchor = median(starts);
    std::printf("Anchor: one whole Start at slowdown 0, median of 21: %.2f ms\n", anchor);
    std::printf("One live redraw with the explore panel open, median of 21: %.2f ms = %.2f x a whole Start\n", median(redraws), median(redraws) / anchor);
    std::printf("The brightness graph of a scraped mirror, 2 x 661 distances drawn into its surface, median of 21: %.2f ms = %.2f x a whole Start\n",
                oneColour, oneColour / anchor);
    std::printf("The same graph with a second frequency's curve, 3 x 661 distances drawn, median of 21: %.2f ms = %.2f x a whole Start\n", twoColours,
                twoColours / anchor);
}

// Each scene in turn, the mirror's among them: a live redraw (the detector moved with the panel
// open), a whole Start of the same scene with the panel closed and its graph alone, worked out and
// drawn. The scenes' samples alternate, so that all meet the same load of the machine.
void scenes(MainForm& form)
{
    setSlowdown(form, "0");
    std::array<std::vector<double>, quorvel::sceneKindCount> starts, redraws, graphs;
    form.openExplore(true);  // the panel, and its graph, are made when it first opens
    auto* graph = form.findChild<quorvel::BrightnessGraphView*>();
    for (int k = 0; k < samples; ++k) {
        for (int kind = 0; kind < quorvel::sceneKindCount; ++kind) {
            form.openExplore(true);
            form.model().perform(quorvel::SceneSetting{static_cast<quorvel::SceneKind>(kind)});
            QCoreApplication::processEvents();
            redraws[kind].push_back(redrawMs(form, 100 + k % 2));
            form.openExplore(false);
            QCoreApplication::processEvents();
            starts[kind].push_back(runStart(form));
            graphs[kind].push_back(millisecondsOf([&] { drawGraph(*graph, form.model().state().explore); }));
        }
    }
    form.openExplore(true);
    form.model().perform(quorvel::SceneSetting{quorvel::SceneKind::Mirror});
    form.openExplore(false);
    const double anchor = median(starts[0]);
    std::printf("Anchor: the mirror's whole Start at slowdown 0 with the panel used, median of 21: %.2f ms\n", anchor);
    for (int kind = 0; kind < quorvel::sceneKindCount; ++kind) {
        const double start = median(starts[kind]);
        std::printf("%s: whole Start %.2f ms = %.2f x the mirror's (goal 1.5 x); live redraw %.2f ms = %.2f x its Start (goal 1.5 x); its graph %.2f ms (goal 4 ms)\n",
                    quorvel::sceneName(static_cast<quorvel::SceneKind>(kind)).c_str(), start, start / anchor, median(redraws[kind]), median(redraws[kind]) / start,
                    median(graphs[kind]));
    }
}

}  // namespace

// With no argument every part is measured; "start", "pacing", "startup", "explore" or "scenes"
// measure one.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList parts = argc > 1 ? QApplication::arguments().mid(1) : QStringList{"start", "pacing", "startup", "explore", "scenes"};
    MainForm form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    std::printf("Platform: %s\n", qPrintable(QGuiApplication::platformName()));
    if (parts.contains("start"))
        wholeStartAtSlowdownZero(form);
    if (parts.contains("pacing"))
        pacing(form);
    if (parts.contains("startup"))
        startUp();
    if (parts.contains("explore"))
        explore(form);
    if (parts.contains("scenes"))
        scenes(form);
    return 0;
}

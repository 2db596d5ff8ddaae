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

// Each figure is the median of this many samples.
constexpr int samples = 21;

double median(std::vector<double> values)
{
    std::ranges::sort(values);
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
    for (const char* slowdown : {"1", "10", "20"}) {
        std::vector<double> pauses;
        auto last = Clock::now();
        // Each pause adds the time since the one before it, the first the time since the click.
        form.onPause = [&](std::chrono::nanoseconds) { pauses.push_back(millisecondsSince(std::exchange(last, Clock::now()))); };
        setSlowdown(form, slowdown);
        const std::clock_t cpuBefore = std::clock();
        const double wall = runStart(form);
        const double cpu = 1000.0 * static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
        pauses.erase(pauses.begin());
        const double nominal = 15.0 * std::stod(slowdown);
        std::printf("Pause at slowdown %2s: median %7.2f ms = %.4f x nominal %6.1f ms; longest %.2f ms\n", slowdown, median(pauses), median(pauses) / nominal,
                    nominal, std::ranges::max(pauses));
        std::printf("  the whole sweep: processor %.0f ms of %.0f ms wall time (%.2f %%)\n", cpu, wall, 100 * cpu / wall);
    }
    form.onPause = {};
}

double residentKiB(qint64 pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::stod(line.substr(6));
    }
    return 0;
}

// Starts the program on the display and waits for its window, whose title begins with the given
// one, to be mapped; then, once it has settled, reads its resident memory. Adds both to the
// samples, or returns false if the window did not appear.
bool measureStartUp(const std::vector<std::string>& command, const std::string& display, const std::string& title, std::vector<double>& mapped,
                    std::vector<double>& resident)
{
    Display* x = XOpenDisplay(display.c_str());
    XSelectInput(x, DefaultRootWindow(x), SubstructureNotifyMask);
    XSync(x, False);
    const auto launched = Clock::now();
    quorvel::testing::Program program(command, display);
    double mappedMs = 0;
    pollfd connection{ConnectionNumber(x), POLLIN, 0};
    while (mappedMs == 0 && millisecondsSince(launched) < 20000) {
        if (XPending(x) == 0) {
            poll(&connection, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(x, &event);
        char* name = nullptr;
        if (event.type == MapNotify && XFetchName(x, event.xmap.window, &name) && name) {
            if (std::string_view(name).starts_with(title))
                mappedMs = millisecondsSince(launched);
            XFree(name);
        }
    }
    XCloseDisplay(x);
    if (mappedMs == 0)
        return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    mapped.push_back(mappedMs);
    resident.push_back(residentKiB(program.pid()));
    return true;
}

// The four programs start in turn, 21 times, on one display of the benchmark's own: the bare
// window that is the anchor, the same with one line of text, with Quorvel's 24 controls, and Quorvel.
void startUp(MainForm&)
{
    const quorvel::testing::XServer server;
    const std::array<std::vector<std::string>, 4> commands{{{QUORVEL_BARE_WINDOW}, {QUORVEL_BARE_WINDOW, "text"}, {QUORVEL_BARE_WINDOW, "controls"}, {QUORVEL_EXECUTABLE}}};
    const std::array<const char*, 4> names{"Anchor: a bare toolkit window of 800 x 581", "The same window with one line of text", "The same window with Quorvel's 24 controls", "Quorvel"};
    std::array<std::vector<double>, 4> mapped, resident;
    for (int run = 0; run < samples; ++run) {
        for (std::size_t k = 0; k < commands.size(); ++k) {
            if (!measureStartUp(commands[k], server.display(), k + 1 < commands.size() ? "Bare window" : "Quorvel - ", mapped[k], resident[k])) {
                std::printf("Start-up: a window did not appear\n");
                return;
            }
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

struct SceneSamples {
    std::vector<double> starts, redraws, graphs;
};

// The first scenes in turn, the mirror's first, their samples alternating so that all meet the
// same load of the machine: a live redraw (the detector moved with the panel open: the whole
// picture, the brightness and the graph, all on the screen), a whole Start of the same scene with
// the panel closed and its graph alone, worked out and drawn.
std::vector<SceneSamples> sampleScenes(MainForm& form, int scenes)
{
    setSlowdown(form, "0");
    std::vector<SceneSamples> measured(scenes);
    form.openExplore(true);  // the panel, and its graph, are made when it first opens
    auto* graph = form.findChild<quorvel::BrightnessGraphView*>();
    for (int k = 0; k < samples; ++k) {
        for (int kind = 0; kind < scenes; ++kind) {
            form.openExplore(true);
            form.model().perform(quorvel::SceneSetting{static_cast<quorvel::SceneKind>(kind)});
            QCoreApplication::processEvents();
            measured[kind].redraws.push_back(millisecondsOf([&] { form.model().perform(quorvel::DistanceSetting{100 + k % 2}); }));
            form.openExplore(false);
            QCoreApplication::processEvents();
            measured[kind].starts.push_back(runStart(form));
            measured[kind].graphs.push_back(millisecondsOf([&] { drawGraph(*graph, form.model().state().explore); }));
        }
    }
    form.openExplore(true);
    form.model().perform(quorvel::SceneSetting{quorvel::SceneKind::Mirror});
    form.openExplore(false);
    return measured;
}

// The mirror's live redraw against its Start; and the graph alone drawn for a scraped mirror,
// whose curve is worked out at its 661 distances beside the whole mirror's, first at one
// frequency and then with a second frequency's curve beside it.
void explore(MainForm& form)
{
    const auto [starts, redraws, graphs] = sampleScenes(form, 1).front();  // the graphs are drawn below
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
    const double anchor = median(starts);
    std::printf("Anchor: one whole Start at slowdown 0, median of 21: %.2f ms\n", anchor);
    std::printf("One live redraw with the explore panel open, median of 21: %.2f ms = %.2f x a whole Start\n", median(redraws), median(redraws) / anchor);
    std::printf("The brightness graph of a scraped mirror, 2 x 661 distances drawn into its surface, median of 21: %.2f ms = %.2f x a whole Start\n",
                oneColour, oneColour / anchor);
    std::printf("The same graph with a second frequency's curve, 3 x 661 distances drawn, median of 21: %.2f ms = %.2f x a whole Start\n", twoColours,
                twoColours / anchor);
}

// Each scene's Start against the mirror's, its live redraw against its Start, and its graph.
void scenes(MainForm& form)
{
    const auto measured = sampleScenes(form, quorvel::sceneKindCount);
    const double anchor = median(measured[0].starts);
    std::printf("Anchor: the mirror's whole Start at slowdown 0 with the panel used, median of 21: %.2f ms\n", anchor);
    for (int kind = 0; kind < quorvel::sceneKindCount; ++kind) {
        const auto& [starts, redraws, graphs] = measured[kind];
        const double start = median(starts);
        std::printf("%s: whole Start %.2f ms = %.2f x the mirror's (goal 1.5 x); live redraw %.2f ms = %.2f x its Start (goal 1.5 x); its graph %.2f ms (goal 4 ms)\n",
                    quorvel::sceneName(static_cast<quorvel::SceneKind>(kind)).c_str(), start, start / anchor, median(redraws), median(redraws) / start,
                    median(graphs));
    }
}

}  // namespace

// With no argument every part is measured; "start", "pacing", "startup", "explore" or "scenes"
// measure one.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    MainForm form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    std::printf("Platform: %s\n", qPrintable(QGuiApplication::platformName()));
    const std::pair<const char*, void (*)(MainForm&)> parts[]{
        {"start", wholeStartAtSlowdownZero}, {"pacing", pacing}, {"startup", startUp}, {"explore", explore}, {"scenes", scenes}};
    for (const auto& [name, measure] : parts) {
        if (argc == 1 || QApplication::arguments().contains(name))
            measure(form);
    }
    return 0;
}

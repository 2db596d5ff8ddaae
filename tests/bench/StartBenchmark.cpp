// Measures what pacing and drawing cost: one whole Start at slowdown 0, the real length of the
// pause against its nominal 15 ms per 300000 decrements, and the processor time a slow sweep uses.

#include "ui/EventLoopPacer.h"
#include "ui/MainForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using quorvel::MainForm;

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Runs Start on a shown window and returns its wall time in milliseconds.
double timeStart(MainForm& form)
{
    auto* start = form.findChild<QPushButton*>(QStringLiteral("cmdStart"));
    QElapsedTimer timer;
    timer.start();
    start->click();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void wholeStartAtSlowdownZero(MainForm& form)
{
    form.findChild<QLineEdit*>(QStringLiteral("nSpomaleni"))->setText(QStringLiteral("0"));
    std::vector<double> times;
    for (int run = 0; run < 21; ++run)
        times.push_back(timeStart(form));
    std::printf("One whole Start at slowdown 0 (set-up, 30 points, results): median %.1f ms of 21 runs (fastest %.1f ms)\n", median(times),
                *std::min_element(times.begin(), times.end()));
}

void pauseLengths()
{
    quorvel::EventLoopPacer pacer;
    for (const int slowdown : {1, 10, 20}) {
        const std::uint64_t decrements = 300000ull * static_cast<std::uint64_t>(slowdown);
        std::vector<double> lengths;
        for (int run = 0; run < 10; ++run) {
            QElapsedTimer timer;
            timer.start();
            (void)pacer.pause(decrements);
            lengths.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        std::printf("Pause at slowdown %2d: nominal %6.1f ms, measured median %6.2f ms, longest %6.2f ms\n", slowdown, 15.0 * slowdown, median(lengths),
                    *std::max_element(lengths.begin(), lengths.end()));
    }
}

void slowSweepCpu(MainForm& form)
{
    form.findChild<QLineEdit*>(QStringLiteral("nSpomaleni"))->setText(QStringLiteral("20"));
    const double cpuBefore = processCpuSeconds();
    const double wallMs = timeStart(form);
    const double cpuMs = (processCpuSeconds() - cpuBefore) * 1000;
    std::printf("Start at slowdown 20: wall %.0f ms, processor %.0f ms (%.1f%% of the wall time)\n", wallMs, cpuMs, 100 * cpuMs / wallMs);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    MainForm form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    std::printf("Platform: %s\n", qPrintable(QGuiApplication::platformName()));
    wholeStartAtSlowdownZero(form);
    pauseLengths();
    slowSweepCpu(form);
    return 0;
}

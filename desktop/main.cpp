#include "desktop/CommandLine.h"
#include "desktop/DestroyedWindowWatch.h"
#include "desktop/MainForm.h"
#include "desktop/PlatformStartGuard.h"
#include "desktop/WindowIcon.h"

#include <QApplication>

#include <iostream>
#include <optional>

int main(int argc, char* argv[])
{
    const quorvel::CommandLine commandLine = quorvel::CommandLine::parse(std::vector<std::string>(argv, argv + argc));
    switch (commandLine.request) {
    case quorvel::CommandLine::Request::Help:
        std::cout << quorvel::CommandLine::helpText();
        return 0;
    case quorvel::CommandLine::Request::Version:
        std::cout << "Quorvel " QUORVEL_VERSION "\n";
        return 0;
    case quorvel::CommandLine::Request::Error:
        std::cerr << "quorvel: " << commandLine.error << "\nTry 'quorvel --help' for more information.\n";
        return 2;
    case quorvel::CommandLine::Request::Run:
        break;
    }

    // The toolkit then draws every window at that many device pixels to a pixel of its layout:
    // controls, text and the picture, which is kept at the device's resolution, stay sharp.
    if (commandLine.scale)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*commandLine.scale));
    std::optional<quorvel::PlatformStartGuard> guard(std::in_place, quorvel::PlatformStartGuard::displayToTry(argc, argv));
    QApplication application(argc, argv);
    guard->requireScreen();
    guard.reset();
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    // Ties the window to its menu entry, so the desktop shows the entry's name and icon for it.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_APP_ID));
    QApplication::setWindowIcon(quorvel::windowIcon());
    quorvel::MainForm mainForm;
    const quorvel::DestroyedWindowWatch destroyedWindowWatch(mainForm);
    if (commandLine.explore)
        mainForm.openExplore(true);
    mainForm.show();
    return application.exec();
}

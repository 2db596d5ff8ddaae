#include "desktop/CommandLine.h"
#include "desktop/DestroyedWindowWatch.h"
#include "desktop/LanguageChoice.h"
#include "desktop/MainForm.h"
#include "desktop/PlatformStartGuard.h"
#include "desktop/Translations.h"
#include "desktop/WindowIcon.h"

#include <QApplication>
#include <QProcessEnvironment>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <optional>

namespace {

// The language --lang names, else the desktop's; a language the program lacks shows English.
QString chosenLanguage(const quorvel::CommandLine& commandLine)
{
    if (!commandLine.language)
        return quorvel::LanguageChoice::fromEnvironment(QProcessEnvironment::systemEnvironment());
    const QString code = QString::fromStdString(*commandLine.language);
    if (const auto language = quorvel::LanguageChoice::matching(code))
        return *language;
    std::cerr << "quorvel: "
              << QCoreApplication::translate("main", "there is no language '%1'; English is shown. The languages are %2.")
                     .arg(code, quorvel::LanguageChoice::languages().join(QStringLiteral(", ")))
                     .toStdString()
              << "\n";
    return QStringLiteral("en");
}

// Help, the version or a refusal, in the chosen language, with no display. The command line is
// read again once its messages can be translated.
int answerAtOnce(int argc, char* argv[], const std::vector<std::string>& arguments, const quorvel::CommandLine& firstReading)
{
    QCoreApplication application(argc, argv);
    const quorvel::Translations translations(chosenLanguage(firstReading));
    const quorvel::CommandLine commandLine = quorvel::CommandLine::parse(arguments);
    switch (commandLine.request) {
    case quorvel::CommandLine::Request::Help:
        std::cout << quorvel::CommandLine::helpText();
        return 0;
    case quorvel::CommandLine::Request::Version:
        std::cout << "Quorvel " QUORVEL_VERSION "\n";
        return 0;
    case quorvel::CommandLine::Request::Error:
    case quorvel::CommandLine::Request::Run:
        break;
    }
    std::cerr << "quorvel: " << commandLine.error << "\n"
              << QCoreApplication::translate("main", "Try 'quorvel --help' for more information.").toStdString() << "\n";
    return 2;
}

// A --scale that makes the window larger than the screen would cut it off, so it is refused,
// naming the largest scale, in tenths, at which the window, its open panel included, fits.
std::optional<QString> scaleBeyondScreen(const QWidget& window, double scale)
{
    // The screen's room comes in the layout's whole pixels, so that scaled back it may exceed the
    // device's by a fraction.
    const QSizeF scaledRoom = QSizeF(window.screen()->availableGeometry().size()) * scale;
    const QSize room(static_cast<int>(scaledRoom.width()), static_cast<int>(scaledRoom.height()));
    const QSize shown = window.size() * scale;
    if (shown.width() <= room.width() && shown.height() <= room.height())
        return std::nullopt;
    const double fits = std::floor(10 * std::min(double(room.width()) / window.width(), double(room.height()) / window.height())) / 10;
    const QString size = QStringLiteral("%1 x %2");
    const QString words = fits >= 1 ? QCoreApplication::translate("main", "--scale %1 makes the window %2 pixels, larger than the %3 the screen has for it; --scale %4 fits.")
                                    : QCoreApplication::translate("main", "--scale %1 makes the window %2 pixels, larger than the %3 the screen has for it; no scale fits.");
    return words.arg(QString::number(scale), size.arg(shown.width()).arg(shown.height()), size.arg(room.width()).arg(room.height()), QString::number(fits));
}

}  // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv, argv + argc);
    const quorvel::CommandLine commandLine = quorvel::CommandLine::parse(arguments);
    if (commandLine.request != quorvel::CommandLine::Request::Run)
        return answerAtOnce(argc, argv, arguments, commandLine);

    // The toolkit then draws every window at that many device pixels to a pixel of its layout:
    // controls, text and the picture, which is kept at the device's resolution, stay sharp.
    if (commandLine.scale)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*commandLine.scale));
    std::optional<quorvel::PlatformStartGuard> guard(std::in_place, quorvel::PlatformStartGuard::displayToTry(argc, argv));
    QApplication application(argc, argv);
    guard->requireScreen();
    guard.reset();
    const quorvel::Translations translations(chosenLanguage(commandLine));
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    // Ties the window to its menu entry, so the desktop shows the entry's name and icon for it.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_APP_ID));
    QApplication::setWindowIcon(quorvel::windowIcon());
    quorvel::MainForm mainForm;
    const quorvel::DestroyedWindowWatch destroyedWindowWatch(mainForm);
    mainForm.applySetup(commandLine.setup);
    if (const auto refusal = commandLine.scale ? scaleBeyondScreen(mainForm, *commandLine.scale) : std::nullopt) {
        std::cerr << "quorvel: " << refusal->toStdString() << "\n";
        return 2;
    }
    mainForm.show();
    return application.exec();
}

#include "desktop/CommandLine.h"
#include "desktop/DestroyedWindowWatch.h"
#include "desktop/LanguageChoice.h"
#include "desktop/MainForm.h"
#include "desktop/PlatformStartGuard.h"
#include "desktop/Translations.h"
#include "desktop/WindowIcon.h"

#include <QApplication>
#include <QProcessEnvironment>

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
    mainForm.show();
    return application.exec();
}

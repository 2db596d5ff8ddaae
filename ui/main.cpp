#include "ui/MainForm.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    // Ties the window to its menu entry, so the desktop shows the entry's name and icon for it.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quorvel.svg")));
    quorvel::MainForm mainForm;
    mainForm.show();
    return application.exec();
}

// The anchor of the start-up comparison: a plain toolkit window of Quorvel's size, with nothing in it.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(800, 581);
    window.show();
    return application.exec();
}

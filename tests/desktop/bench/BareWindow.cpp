// The anchors of the start-up comparison: a plain toolkit window of Quorvel's size with nothing
// in it, or, with the argument "text", with one line of text, which brings in the fonts.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(800, 581);
    if (QApplication::arguments().contains(QStringLiteral("text")))
        (new QLabel(QStringLiteral("Difraction on mirror"), &window))->setGeometry(256, 8, 225, 25);
    window.show();
    return application.exec();
}

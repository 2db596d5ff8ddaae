#include "ui/MainForm.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    quorvel::MainForm mainForm;
    mainForm.show();
    return application.exec();
}

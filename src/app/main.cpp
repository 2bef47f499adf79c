#include "applicationidentity.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Tessaro::setApplicationIdentity();
    QApplication application(argc, argv);
    MainWindow window;
    window.show();
    return application.exec();
}

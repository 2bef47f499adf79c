#include "core/applicationidentity.h"
#include "gui/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Tessaro::setApplicationIdentity();
    QApplication application(argc, argv);
    // Lets the desktop match the window with the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TESSARO_DESKTOP_ID));
    MainWindow window;
    window.show();
    return application.exec();
}

#include "core/applicationidentity.h"
#include "core/stopsignals.h"
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
    // Asked to stop (SIGTERM at logout, Ctrl+C), the window closes as when
    // the user closes it: a run of cards puts its card back first.
    Tessaro::watchForStopSignals([&window] { window.close(); });
    return application.exec();
}

#include "core/stopsignals.h"

#include <QCoreApplication>

#include <windows.h>

namespace Tessaro {

namespace {

std::function<void()> stopRequested;

// Called on a thread of the system's own: the event loop is only told.
BOOL WINAPI onControl(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    QMetaObject::invokeMethod(QCoreApplication::instance(), stopRequested, Qt::QueuedConnection);
    return TRUE;
}

} // namespace

bool watchForStopSignals(std::function<void()> stop)
{
    stopRequested = std::move(stop);
    return ::SetConsoleCtrlHandler(onControl, TRUE);
}

} // namespace Tessaro

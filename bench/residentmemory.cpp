// Prints the peak resident memory, in KiB, of a process that has shown and
// painted the main window ("main") or its bare form ("bare") at a size:
//
//   residentmemory main|bare <width> <height>

#include "core/applicationidentity.h"
#include "gui/mainwindow.h"
#include "windowfloor.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

long peakResidentKibibytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    Tessaro::setApplicationIdentity();
    QApplication application(argc, argv);
    if (argc != 4)
        return 2;
    if (std::strcmp(argv[1], "main") == 0) {
        MainWindow window;
        showAndPaint(window);
        std::printf("%ld\n", peakResidentKibibytes());
    } else {
        BareForm form(QSize(std::atoi(argv[2]), std::atoi(argv[3])));
        showAndPaint(form.window);
        std::printf("%ld\n", peakResidentKibibytes());
    }
    return 0;
}

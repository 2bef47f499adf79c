#include "gui/about/aboutwindows.h"

#include <QCoreApplication>
#include <QSysInfo>

QString systemName()
{
    const QString name = QSysInfo::prettyProductName();
    return name.isEmpty() ? QCoreApplication::translate("AboutWindows", "Unkown OS") : name;
}

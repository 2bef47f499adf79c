#include "gui/about/aboutwindows.h"

#include <QOperatingSystemVersion>

QString systemName()
{
    return windowsVersionName(QOperatingSystemVersion::current());
}

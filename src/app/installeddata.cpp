#include "app/installeddata.h"

#include <QCoreApplication>
#include <QDir>

namespace Tessaro {

QString installedDataFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/'
                           + QStringLiteral(TESSARO_DATA_FROM_PROGRAM));
}

} // namespace Tessaro

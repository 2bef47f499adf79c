#include "app/installeddata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace Tessaro {

QString installedDataFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/'
                           + QStringLiteral(TESSARO_DATA_FROM_PROGRAM));
}

bool programFolderIsWritable()
{
    return QFileInfo(QCoreApplication::applicationDirPath()).isWritable();
}

} // namespace Tessaro

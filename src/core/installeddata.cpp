#include "core/installeddata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace Tessaro {

QString installedDataFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/'
                           + QStringLiteral(TESSARO_DATA_FROM_PROGRAM));
}

bool keepsFilesBesideItself()
{
    return !QFileInfo(installedDataFolder()).isDir()
            && QFileInfo(QCoreApplication::applicationDirPath()).isWritable();
}

QString userConfigurationFolder()
{
    // A relative folder would depend on where the program was started.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!QDir::isAbsolutePath(folder))
        folder = QDir::homePath() + u"/.config"_s;
    return folder + u"/tessaro"_s;
}

} // namespace Tessaro

#include "core/installeddata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

using namespace Qt::StringLiterals;

namespace Tessaro {

QString installedDataFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/'
                           + QStringLiteral(TESSARO_DATA_FROM_PROGRAM));
}

bool keepsFilesBesideItself()
{
    // A file made there decides: what a folder's attributes say is not what
    // the system lets the user do (Windows' permissions, a read-only mount).
    static const bool beside = [] {
        if (QFileInfo(installedDataFolder()).isDir())
            return false;
        QTemporaryFile probe(QCoreApplication::applicationDirPath() + u"/.tessaro-probe-XXXXXX"_s);
        return probe.open();
    }();
    return beside;
}

} // namespace Tessaro

#include "core/installeddata.h"

#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace Tessaro {

QString userConfigurationFolder()
{
    // A relative folder would depend on where the program was started.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!QDir::isAbsolutePath(folder))
        folder = QDir::homePath() + u"/.config"_s;
    return folder + u"/tessaro"_s;
}

QString windowSettingsFolder()
{
    return userConfigurationFolder();
}

} // namespace Tessaro

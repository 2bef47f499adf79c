#include "core/installeddata.h"

#include <QCoreApplication>
#include <QDir>

#include <shlobj.h>

using namespace Qt::StringLiterals;

namespace Tessaro {

QString userConfigurationFolder()
{
    // The user's roaming application data, %APPDATA%.
    PWSTR roaming = nullptr;
    QString folder;
    if (::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &roaming) == S_OK)
        folder = QDir::fromNativeSeparators(QString::fromWCharArray(roaming));
    ::CoTaskMemFree(roaming);
    if (folder.isEmpty())
        folder = QDir::homePath() + u"/AppData/Roaming"_s;
    return folder + u"/Tessaro"_s;
}

QString windowSettingsFolder()
{
    return keepsFilesBesideItself() ? QCoreApplication::applicationDirPath()
                                    : userConfigurationFolder();
}

} // namespace Tessaro

#include "app/windowsettings.h"

#include "app/installeddata.h"

using namespace Qt::StringLiterals;

namespace Tessaro {

std::unique_ptr<QSettings> windowSettings()
{
    return std::make_unique<QSettings>(userConfigurationFolder() + u"/window.conf"_s,
                                       QSettings::IniFormat);
}

} // namespace Tessaro

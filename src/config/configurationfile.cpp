#include "config/configurationfile.h"

namespace Tessaro {

QString lastConfigurationPath;

bool saveConfigurationFile(const QString &path, const QByteArray &content)
{
    return replaceFile(path, content);
}

ReadResult loadConfigurationFile(const QString &path, QByteArray &content)
{
    return readRegularFile(path, maximumConfigurationFileSize, Links::Follow, content);
}

} // namespace Tessaro

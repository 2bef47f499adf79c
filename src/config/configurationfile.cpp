#include "config/configurationfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Tessaro {

QString lastConfigurationPath;

bool saveConfigurationFile(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    // Binary mode: the content already carries the device's CR LF line ends.
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // commit() only sees errors that write() itself reported, so a buffered
    // write that failed later would still replace the old file with a
    // truncated one: check every step before committing.
    if (file.write(content) != content.size() || !file.flush()
        || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

LoadResult loadConfigurationFile(const QString &path, QByteArray &content)
{
    content.clear();
    const QFileInfo info(path);
    if (!info.exists())
        return LoadResult::Missing;
    if (!info.isFile() || info.size() > maximumConfigurationFileSize)
        return LoadResult::Unreadable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return LoadResult::Unreadable;
    // The file may have grown since it was measured: read one byte more than
    // allowed to notice.
    content = file.read(maximumConfigurationFileSize + 1);
    if (content.size() > maximumConfigurationFileSize || file.error() != QFileDevice::NoError) {
        content.clear();
        return LoadResult::Unreadable;
    }
    return LoadResult::Loaded;
}

} // namespace Tessaro

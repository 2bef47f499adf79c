#include "core/format/configurationfile.h"

#include <QCoreApplication>

namespace Tessaro {

QString lastConfigurationPath;

FileStatus loadConfigurationFile(const QString &path, QByteArray &content)
{
    return readRegularFile(path, maximumConfigurationFileSize, Links::Follow, content);
}

QString fileProblemText(const FileStatus &status)
{
    switch (status.problem) {
    case FileStatus::None:
        break;
    case FileStatus::Missing:
        return QCoreApplication::translate("Files", "No such file or directory");
    case FileStatus::Exists:
        return QCoreApplication::translate("Files", "File exists");
    case FileStatus::NotAFile:
        return QCoreApplication::translate("Files", "It is not a regular file");
    case FileStatus::FolderIsLink:
        return QCoreApplication::translate("Files", "The folder is a symbolic link");
    case FileStatus::TooLarge:
        return QCoreApplication::translate("Files", "The file is larger than %1 MiB")
                .arg(maximumConfigurationFileSize / (1024 * 1024));
    case FileStatus::SystemError:
        return systemReason(status.systemError);
    }
    return {};
}

} // namespace Tessaro

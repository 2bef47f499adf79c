#include "config/configurationfile.h"

#include <QCoreApplication>

#include <cerrno>

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
        return qt_error_string(ENOENT);
    case FileStatus::Exists:
        return qt_error_string(EEXIST);
    case FileStatus::NotAFile:
        return QCoreApplication::translate("MainWindow", "It is not a regular file");
    case FileStatus::FolderIsLink:
        return QCoreApplication::translate("MainWindow", "The folder is a symbolic link");
    case FileStatus::TooLarge:
        return QCoreApplication::translate("MainWindow", "The file is larger than %1 MiB")
                .arg(maximumConfigurationFileSize / (1024 * 1024));
    case FileStatus::SystemError:
        return qt_error_string(status.systemError);
    }
    return {};
}

} // namespace Tessaro

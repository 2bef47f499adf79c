#include "core/format/configurationfile.h"

#include <QCoreApplication>

#include <cerrno>

namespace Tessaro {

QString lastConfigurationPath;

FileStatus loadConfigurationFile(const QString &path, QByteArray &content)
{
    return readRegularFile(path, maximumConfigurationFileSize, Links::Follow, content);
}

namespace {

// The system's reasons a file command meets most, in the program's own
// language: the system gives them in its own.
QString systemReason(int error)
{
    struct Reason
    {
        int error;
        const char *text;
    };
    static constexpr Reason reasons[] = {
            {EROFS, QT_TRANSLATE_NOOP("Files", "Read-only file system")},
            {ENOSPC, QT_TRANSLATE_NOOP("Files", "No space left on device")},
            {EACCES, QT_TRANSLATE_NOOP("Files", "Permission denied")},
            {ENOENT, QT_TRANSLATE_NOOP("Files", "No such file or directory")},
            {EEXIST, QT_TRANSLATE_NOOP("Files", "File exists")},
            {EISDIR, QT_TRANSLATE_NOOP("Files", "Is a directory")},
            {EIO, QT_TRANSLATE_NOOP("Files", "Input/output error")},
    };
    for (const Reason &reason : reasons) {
        if (reason.error == error)
            return QCoreApplication::translate("Files", reason.text);
    }
    return qt_error_string(error);
}

} // namespace

QString fileProblemText(const FileStatus &status)
{
    switch (status.problem) {
    case FileStatus::None:
        break;
    case FileStatus::Missing:
        return systemReason(ENOENT);
    case FileStatus::Exists:
        return systemReason(EEXIST);
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

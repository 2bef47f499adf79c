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

// The system's reasons a file command can meet, worded as the system
// words them in English, in the program's own language: the system gives
// them in its own. Any other falls back to the system's words.
QString systemReason(int error)
{
    struct Reason
    {
        int error;
        const char *text;
    };
    static constexpr Reason reasons[] = {
            {EPERM, QT_TRANSLATE_NOOP("Files", "Operation not permitted")},
            {EACCES, QT_TRANSLATE_NOOP("Files", "Permission denied")},
            {EROFS, QT_TRANSLATE_NOOP("Files", "Read-only file system")},
            {ENOSPC, QT_TRANSLATE_NOOP("Files", "No space left on device")},
            {EFBIG, QT_TRANSLATE_NOOP("Files", "File too large")},
            {EIO, QT_TRANSLATE_NOOP("Files", "Input/output error")},
            {ENOENT, QT_TRANSLATE_NOOP("Files", "No such file or directory")},
            {EEXIST, QT_TRANSLATE_NOOP("Files", "File exists")},
            {EISDIR, QT_TRANSLATE_NOOP("Files", "Is a directory")},
            {ENOTDIR, QT_TRANSLATE_NOOP("Files", "Not a directory")},
            {ENOTEMPTY, QT_TRANSLATE_NOOP("Files", "Directory not empty")},
            {ELOOP, QT_TRANSLATE_NOOP("Files", "Too many levels of symbolic links")},
            {ENAMETOOLONG, QT_TRANSLATE_NOOP("Files", "File name too long")},
            {EMLINK, QT_TRANSLATE_NOOP("Files", "Too many links")},
            {EXDEV, QT_TRANSLATE_NOOP("Files", "Invalid cross-device link")},
            {EBUSY, QT_TRANSLATE_NOOP("Files", "Device or resource busy")},
            {ETXTBSY, QT_TRANSLATE_NOOP("Files", "Text file busy")},
            {ENXIO, QT_TRANSLATE_NOOP("Files", "No such device or address")},
            {ENODEV, QT_TRANSLATE_NOOP("Files", "No such device")},
            {EMFILE, QT_TRANSLATE_NOOP("Files", "Too many open files")},
            {ENFILE, QT_TRANSLATE_NOOP("Files", "Too many open files in system")},
            {ENOMEM, QT_TRANSLATE_NOOP("Files", "Cannot allocate memory")},
            {EOVERFLOW, QT_TRANSLATE_NOOP("Files", "Value too large for defined data type")},
            {EOPNOTSUPP, QT_TRANSLATE_NOOP("Files", "Operation not supported")},
            {EINVAL, QT_TRANSLATE_NOOP("Files", "Invalid argument")},
            {EAGAIN, QT_TRANSLATE_NOOP("Files", "Resource temporarily unavailable")},
            {EINTR, QT_TRANSLATE_NOOP("Files", "Interrupted system call")},
            {EBADF, QT_TRANSLATE_NOOP("Files", "Bad file descriptor")},
#if defined(EDQUOT) && defined(ESTALE) // POSIX's; the C runtime of Windows has neither
            {EDQUOT, QT_TRANSLATE_NOOP("Files", "Disk quota exceeded")},
            {ESTALE, QT_TRANSLATE_NOOP("Files", "Stale file handle")},
#endif
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

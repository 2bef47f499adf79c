#include "core/safefiles_unix.h"

#include "core/safefiles_p.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <iterator>
#include <utility>

namespace Tessaro {

namespace {

FileStatus failed(FileStatus::Problem problem, int systemError = 0)
{
    return {problem, systemError};
}

// Reads what is left of an open device, at most maximumSize bytes: one byte
// more is asked for, to notice a file that grew since it was measured.
FileStatus readAtMost(QFile &file, qint64 maximumSize, QByteArray &content)
{
    content = file.read(maximumSize + 1);
    if (file.error() != QFileDevice::NoError) {
        content.clear();
        return failed(FileStatus::SystemError, EIO);
    }
    if (content.size() > maximumSize) {
        content.clear();
        return failed(FileStatus::TooLarge);
    }
    return {};
}

} // namespace

Descriptor::~Descriptor()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

bool Descriptor::close()
{
    return ::close(std::exchange(m_descriptor, -1)) == 0;
}

namespace {

FileStatus systemError()
{
    return failed(FileStatus::SystemError, errno);
}

bool writeAll(int descriptor, const QByteArray &content)
{
    for (qsizetype done = 0; done < content.size();) {
        const ssize_t written =
                ::write(descriptor, content.constData() + done, std::size_t(content.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// Gives the name to the written file without replacing anything: the
// system refuses if the name exists at that very moment.
bool renameWithoutReplacing(int folder, const char *from, const char *to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(folder, from, folder, to, RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
#endif
    // A file system without it: a hard link is never made over a name.
    if (::linkat(folder, from, folder, to, 0) != 0)
        return false;
    ::unlinkat(folder, from, 0);
    return true;
}

// A new file of our own in the folder; its name goes into temporary.
int createTemporary(int folder, QByteArray &temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryName();
        const int descriptor = ::openat(folder, temporary.constData(),
                                        O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

// The file's own bytes replaced, for a file its owner may write in a folder
// where no new file may be made.
FileStatus rewriteInPlace(int folder, const char *name, const QByteArray &content)
{
    Descriptor file(::openat(folder, name, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status = {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0)
        return systemError();
    if (!S_ISREG(status.st_mode))
        return failed(FileStatus::NotAFile);
    // A size limit or a full disk must refuse before one old byte is
    // overwritten: the limit is looked at, and the room for the new bytes
    // taken, first. Where the file system cannot reserve room, the write
    // goes on unreserved.
    struct rlimit limit = {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
        && rlim_t(content.size()) > limit.rlim_cur)
        return failed(FileStatus::SystemError, EFBIG);
    if (::fallocate(file.get(), 0, 0, content.size()) != 0 && errno != EOPNOTSUPP)
        return systemError();
    if (!writeAll(file.get(), content) || ::ftruncate(file.get(), content.size()) != 0
        || ::fdatasync(file.get()) != 0 || !file.close())
        return systemError();
    return {};
}

} // namespace

FileStatus readFileOnDisk(const QString &path, qint64 maximumSize, Links links, QByteArray &content)
{
    const QFileInfo info(path);
    if (links == Links::Refuse && info.isSymLink())
        return failed(FileStatus::NotAFile);
    if (!info.exists())
        return failed(FileStatus::Missing);
    // Looked at before opening: opening a device may already do something.
    if (!info.isFile())
        return failed(FileStatus::NotAFile);
    if (info.size() > maximumSize)
        return failed(FileStatus::TooLarge);
    // Opened without ever waiting: not for a writer, should a FIFO have taken
    // the file's place meanwhile, nor for data, as /proc/kmsg would make us.
    const int descriptor = ::open(QFile::encodeName(path).constData(),
                                  O_RDONLY | O_NONBLOCK | O_CLOEXEC
                                          | (links == Links::Refuse ? O_NOFOLLOW : 0));
    if (descriptor < 0)
        return systemError();
    QFile file;
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)
        || !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return failed(FileStatus::NotAFile);
    }
    return readAtMost(file, maximumSize, content);
}

FileStatus readStandardInput(qint64 maximumSize, QByteArray &content)
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return failed(FileStatus::SystemError, EBADF);
    // A pipe hands its bytes over in parts: read until its end.
    content.clear();
    while (content.size() <= maximumSize) {
        const QByteArray part = input.read(maximumSize + 1 - content.size());
        if (input.error() != QFileDevice::NoError)
            return failed(FileStatus::SystemError, EIO);
        if (part.isEmpty())
            return {};
        content += part;
    }
    content.clear();
    return failed(FileStatus::TooLarge);
}

bool isOwnFilePlace(const QString &path)
{
    const QFileInfo info(path);
    return !info.isSymLink() && (!info.exists() || info.isFile());
}

FileStatus writeFile(const QString &path, const QByteArray &content, Existing existing,
                     FolderLinks folderLinks)
{
    // Everything happens in one folder, opened once: no one can swap it for
    // another between a look and a write.
    const QFileInfo info(path);
    const QByteArray name = QFile::encodeName(info.fileName());
    if (name.isEmpty())
        return failed(FileStatus::NotAFile);
    const Descriptor folder(
            ::open(QFile::encodeName(info.absolutePath()).constData(),
                   O_RDONLY | O_DIRECTORY | O_CLOEXEC
                           | (folderLinks == FolderLinks::Refuse ? O_NOFOLLOW : 0)));
    if (folder.get() < 0) {
        const int reason = errno;
        if (folderLinks == FolderLinks::Refuse && QFileInfo(info.absolutePath()).isSymLink())
            return failed(FileStatus::FolderIsLink);
        return failed(FileStatus::SystemError, reason);
    }

    return writeFileIn(folder.get(), name, content, existing);
}

FileStatus writeFileIn(int folder, const QByteArray &name, const QByteArray &content,
                       Existing existing)
{
    struct stat status = {};
    const bool exists =
            ::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0;
    if (!exists && errno != ENOENT)
        return systemError();
    bool rewritable = false; // a regular file of its own, not a link
    if (exists) {
        // What would be refused even if it were to be replaced is refused
        // as such: never "it exists" where replacing it would not help.
        struct stat target = {};
        if (S_ISLNK(status.st_mode)
            && (::fstatat(folder, name.constData(), &target, 0) != 0
                || !S_ISREG(target.st_mode)))
            return failed(FileStatus::NotAFile);
        if (!S_ISLNK(status.st_mode) && !S_ISREG(status.st_mode))
            return failed(FileStatus::NotAFile);
        if (existing == Existing::Keep)
            return failed(FileStatus::Exists);
        // A write-protected file keeps its content: it is replaced only where
        // the user could open it for writing (root can).
        if (::faccessat(folder, name.constData(), W_OK, AT_EACCESS) != 0)
            return systemError();
        rewritable = S_ISREG(status.st_mode);
    }

    QByteArray temporary;
    Descriptor file(createTemporary(folder, temporary));
    if (file.get() < 0) {
        if (rewritable && (errno == EACCES || errno == EPERM))
            return rewriteInPlace(folder, name.constData(), content);
        return systemError();
    }
    // A replaced file keeps who may read and write it.
    const bool written = (!rewritable || ::fchmod(file.get(), status.st_mode & 0777) == 0)
            && writeAll(file.get(), content) && ::fdatasync(file.get()) == 0 && file.close();
    const bool named = written
            && (existing == Existing::Replace
                        ? ::renameat(folder, temporary.constData(), folder,
                                     name.constData())
                                == 0
                        : renameWithoutReplacing(folder, temporary.constData(),
                                                 name.constData()));
    if (!named) {
        const int reason = errno;
        ::unlinkat(folder, temporary.constData(), 0);
        return reason == EEXIST ? failed(FileStatus::Exists)
                                : failed(FileStatus::SystemError, reason);
    }
    // The name itself reaches the disk, as a card pulled out next needs. A
    // file system that cannot sync a folder says so by other means than EIO.
    if (::fsync(folder) != 0 && errno == EIO)
        return systemError();
    return {};
}

void removeLeftovers(int folder)
{
    DIR *entries = ::fdopendir(::dup(folder));
    if (!entries)
        return;
    while (const dirent *entry = ::readdir(entries)) {
        struct stat status = {};
        if (isTemporaryName(entry->d_name)
            && ::fstatat(folder, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(status.st_mode))
            ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(entries);
}

FileStatus readFileIn(int folder, const QByteArray &name, qint64 maximumSize, Cache cache,
                      QByteArray &content)
{
    content.clear();
    Descriptor file(
            ::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status = {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0)
        return errno == ENOENT ? failed(FileStatus::Missing) : systemError();
    if (!S_ISREG(status.st_mode))
        return failed(FileStatus::NotAFile);
    if (status.st_size > maximumSize)
        return failed(FileStatus::TooLarge);
    if (cache == Cache::Drop)
        ::posix_fadvise(file.get(), 0, 0, POSIX_FADV_DONTNEED);
    content.resize(maximumSize + 1);
    qsizetype done = 0;
    while (done < content.size()) {
        const ssize_t read = ::read(file.get(), content.data() + done, std::size_t(content.size() - done));
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0) {
            content.clear();
            return systemError();
        }
        if (read == 0)
            break;
        done += read;
    }
    content.truncate(done);
    if (done > maximumSize) {
        content.clear();
        return failed(FileStatus::TooLarge);
    }
    return {};
}

QLatin1StringView systemLineEnd()
{
    return QLatin1StringView("\n");
}

QString systemReason(int error)
{
    // The system's reasons a file command can meet, worded as the system
    // words them in English, in the program's own language: the system
    // gives them in its own. Any other falls back to the system's words.
    static constexpr SystemReason reasons[] = {
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
            {EDQUOT, QT_TRANSLATE_NOOP("Files", "Disk quota exceeded")},
            {ESTALE, QT_TRANSLATE_NOOP("Files", "Stale file handle")},
    };
    return reasonFrom(reasons, std::size(reasons), error);
}

} // namespace Tessaro

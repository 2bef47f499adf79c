#include "core/safefiles.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#    include <QRandomGenerator>

#    include <algorithm>
#    include <cerrno>
#    include <cstdio>
#    include <dirent.h>
#    include <fcntl.h>
#    include <sys/resource.h>
#    include <sys/stat.h>
#    include <unistd.h>

#    include <utility>
#else
#    include <QSaveFile>
#endif

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

#ifdef Q_OS_UNIX

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
#    ifdef RENAME_NOREPLACE
    if (::renameat2(folder, from, folder, to, RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
#    endif
    // A file system without it: a hard link is never made over a name.
    if (::linkat(folder, from, folder, to, 0) != 0)
        return false;
    ::unlinkat(folder, from, 0);
    return true;
}

// Our temporary files: ".tessaro-" and eight hexadecimal digits, then
// ".tmp", a shape no one else's file is likely to have. The name is short,
// so that any name the folder takes may be written.
constexpr QByteArrayView temporaryPrefix = ".tessaro-", temporarySuffix = ".tmp";
constexpr qsizetype temporaryDigits = 8;

bool isTemporaryName(QByteArrayView name)
{
    if (name.size() != temporaryPrefix.size() + temporaryDigits + temporarySuffix.size()
        || !name.startsWith(temporaryPrefix) || !name.endsWith(temporarySuffix))
        return false;
    const QByteArrayView digits = name.sliced(temporaryPrefix.size(), temporaryDigits);
    return std::all_of(digits.begin(), digits.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
    });
}

// A new file of our own in the folder; its name goes into temporary.
int createTemporary(int folder, QByteArray &temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryPrefix.toByteArray()
                + QByteArray::number(QRandomGenerator::global()->generate(), 16)
                          .rightJustified(temporaryDigits, '0')
                + temporarySuffix.toByteArray();
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
#    ifdef Q_OS_LINUX
    if (::fallocate(file.get(), 0, 0, content.size()) != 0 && errno != EOPNOTSUPP)
        return systemError();
#    endif
    if (!writeAll(file.get(), content) || ::ftruncate(file.get(), content.size()) != 0
        || ::fdatasync(file.get()) != 0 || !file.close())
        return systemError();
    return {};
}

#endif

} // namespace

FileStatus readRegularFile(const QString &path, qint64 maximumSize, Links links,
                           QByteArray &content)
{
    content.clear();
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
    QFile file(path);
#ifdef Q_OS_UNIX
    // Opened without ever waiting: not for a writer, should a FIFO have taken
    // the file's place meanwhile, nor for data, as /proc/kmsg would make us.
    // What is built into the program (":/") is in memory.
    if (!path.startsWith(u':')) {
        const int descriptor = ::open(QFile::encodeName(path).constData(),
                                      O_RDONLY | O_NONBLOCK | O_CLOEXEC
                                              | (links == Links::Refuse ? O_NOFOLLOW : 0));
        if (descriptor < 0)
            return systemError();
        struct stat status = {};
        if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)
            || !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            ::close(descriptor);
            return failed(FileStatus::NotAFile);
        }
        return readAtMost(file, maximumSize, content);
    }
#endif
    if (!file.open(QIODevice::ReadOnly))
        return failed(FileStatus::SystemError, EACCES);
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

#ifdef Q_OS_UNIX

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
        if (existing == Existing::Keep)
            return failed(FileStatus::Exists);
        struct stat target = {};
        if (S_ISLNK(status.st_mode)
            && (::fstatat(folder, name.constData(), &target, 0) != 0
                || !S_ISREG(target.st_mode)))
            return failed(FileStatus::NotAFile);
        if (!S_ISLNK(status.st_mode) && !S_ISREG(status.st_mode))
            return failed(FileStatus::NotAFile);
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
#    ifdef Q_OS_LINUX
    if (cache == Cache::Drop)
        ::posix_fadvise(file.get(), 0, 0, POSIX_FADV_DONTNEED);
#    else
    Q_UNUSED(cache);
#    endif
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

#else

FileStatus writeFile(const QString &path, const QByteArray &content, Existing existing, FolderLinks)
{
    const QFileInfo info(path);
    if (info.exists() && existing == Existing::Keep)
        return failed(FileStatus::Exists);
    if (info.exists() && !info.isFile())
        return failed(FileStatus::NotAFile);
    if (info.exists() && !info.isWritable())
        return failed(FileStatus::SystemError, EACCES);
    if (existing == Existing::Keep) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return failed(info.exists() ? FileStatus::Exists : FileStatus::SystemError, EACCES);
        if (file.write(content) != content.size() || !file.flush())
            return failed(FileStatus::SystemError, EIO);
        return {};
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.flush()
        || !file.commit())
        return failed(FileStatus::SystemError, EIO);
    return {};
}

#endif

} // namespace Tessaro

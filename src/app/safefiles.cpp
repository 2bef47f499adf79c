#include "app/safefiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#    include <fcntl.h>
#    include <sys/stat.h>
#    include <unistd.h>
#endif

namespace Tessaro {

namespace {

// Opens the file for reading without ever waiting: not for a writer, should
// a FIFO have taken the file's place meanwhile, nor for data, as /proc/kmsg
// would make us. What is built into the program (":/") is in memory.
ReadResult openForReading(QFile &file, Links links)
{
#ifdef Q_OS_UNIX
    if (!file.fileName().startsWith(u':')) {
        const int descriptor = ::open(QFile::encodeName(file.fileName()).constData(),
                                      O_RDONLY | O_NONBLOCK | O_CLOEXEC
                                              | (links == Links::Refuse ? O_NOFOLLOW : 0));
        if (descriptor < 0)
            return ReadResult::Unreadable;
        struct stat status = {};
        if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)
            || !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            ::close(descriptor);
            return ReadResult::NotAFile;
        }
        return ReadResult::Read;
    }
#else
    Q_UNUSED(links);
#endif
    return file.open(QIODevice::ReadOnly) ? ReadResult::Read : ReadResult::Unreadable;
}

} // namespace

ReadResult readRegularFile(const QString &path, qint64 maximumSize, Links links,
                           QByteArray &content)
{
    content.clear();
    const QFileInfo info(path);
    if (links == Links::Refuse && info.isSymLink())
        return ReadResult::NotAFile;
    if (!info.exists())
        return ReadResult::Missing;
    // Looked at before opening: opening a device may already do something.
    if (!info.isFile())
        return ReadResult::NotAFile;
    if (info.size() > maximumSize)
        return ReadResult::TooLarge;
    QFile file(path);
    if (const ReadResult opened = openForReading(file, links); opened != ReadResult::Read)
        return opened;
    // The file may have grown since it was measured: read one byte more than
    // allowed to notice.
    content = file.read(maximumSize + 1);
    if (file.error() != QFileDevice::NoError || content.size() > maximumSize) {
        const bool tooLarge = file.error() == QFileDevice::NoError;
        content.clear();
        return tooLarge ? ReadResult::TooLarge : ReadResult::Unreadable;
    }
    return ReadResult::Read;
}

bool isOwnFilePlace(const QString &path)
{
    const QFileInfo info(path);
    return !info.isSymLink() && (!info.exists() || info.isFile());
}

bool replaceFile(const QString &path, const QByteArray &content, QString *error)
{
    QSaveFile file(path);
    // Binary mode: the content carries its own line ends.
    // commit() only sees errors that write() itself reported, so a buffered
    // write that failed later would still replace the old file with a
    // truncated one: check every step before committing.
    const bool written = file.open(QIODevice::WriteOnly) && file.write(content) == content.size()
            && file.flush() && file.error() == QFileDevice::NoError;
    if (written && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

} // namespace Tessaro

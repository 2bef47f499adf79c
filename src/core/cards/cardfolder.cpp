#include "core/cards/cardfolder.h"

#include "core/format/configurationfile.h"

#include <QFile>

#include <algorithm>

#ifdef Q_OS_UNIX
#    include <cerrno>
#    include <dirent.h>
#    include <fcntl.h>
#    include <sys/file.h>
#    include <sys/stat.h>
#    include <unistd.h>
#endif

namespace Tessaro {

namespace {

const QByteArray fileName = "config.txt";

} // namespace

Card cardOfMount(const Mount &mount)
{
    const QByteArray name = mount.point.mid(mount.point.lastIndexOf('/') + 1);
    return {QLatin1StringView("mount:") + QString::number(mount.id), shownName(name),
            shownName(mount.source), mount.point, mount.id, mount.device};
}

bool CardFolder::stillMounted() const
{
    const QList<Mount> mounts = readMountTable();
    return std::any_of(mounts.begin(), mounts.end(), [this](const Mount &mount) {
        return mount.id == m_card.mountId && mount.point == m_card.point;
    });
}

#ifdef Q_OS_UNIX

CardFolder CardFolder::open(const Card &card)
{
    CardFolder folder;
    folder.m_card = card;
    folder.m_folder = Descriptor(
            ::open(card.point.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat status = {};
    if (folder.m_folder.get() < 0 || ::fstat(folder.m_folder.get(), &status) != 0) {
        // Nothing there any more, or no folder: the card is gone.
        folder.m_problem = errno == ENOENT || errno == ENOTDIR || errno == ELOOP
                ? Problem::Removed
                : Problem::Failed;
        folder.m_systemError = errno;
        return folder;
    }
    // The folder under the card once it is pulled is the computer's.
    if (quint64(status.st_dev) != card.fileSystem || !folder.stillMounted()) {
        folder.m_problem = Problem::Removed;
        return folder;
    }
    if (::flock(folder.m_folder.get(), LOCK_EX | LOCK_NB) != 0) {
        folder.m_problem = errno == EWOULDBLOCK ? Problem::InUse : Problem::Failed;
        folder.m_systemError = errno;
    }
    return folder;
}

FileStatus CardFolder::readFile(QByteArray &content) const
{
    return readFileIn(m_folder.get(), fileName, maximumConfigurationFileSize, Cache::Drop,
                      content);
}

FileStatus CardFolder::writeFile(const QByteArray &content, Existing existing) const
{
    // Our temporary files begin so: a run killed while writing leaves one.
    if (DIR *entries = ::fdopendir(::dup(m_folder.get()))) {
        while (const dirent *entry = ::readdir(entries)) {
            if (QByteArrayView(entry->d_name).startsWith(".tessaro-"))
                ::unlinkat(m_folder.get(), entry->d_name, 0);
        }
        ::closedir(entries);
    }
    return writeFileIn(m_folder.get(), fileName, content, existing);
}

#else

// Without descriptors to hold, the card is reached by its path.
CardFolder CardFolder::open(const Card &card)
{
    CardFolder folder;
    folder.m_card = card;
    if (!folder.stillMounted())
        folder.m_problem = Problem::Removed;
    return folder;
}

FileStatus CardFolder::readFile(QByteArray &content) const
{
    return readRegularFile(QFile::decodeName(m_card.point + '/' + fileName),
                           maximumConfigurationFileSize, Links::Refuse, content);
}

FileStatus CardFolder::writeFile(const QByteArray &content, Existing existing) const
{
    return Tessaro::writeFile(QFile::decodeName(m_card.point + '/' + fileName), content, existing,
                              FolderLinks::Refuse);
}

#endif

} // namespace Tessaro

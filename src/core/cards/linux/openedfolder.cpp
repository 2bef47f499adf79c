#include "core/cards/linux/openedfolder.h"

#include "core/cards/linux/mounttable.h"
#include "core/format/configurationfile.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace Tessaro {

namespace {

const QByteArray fileName = "config.txt";

} // namespace

OpenedFolder::OpenedFolder(Descriptor folder, QByteArray point, QString identity)
    : m_folder(std::move(folder)), m_point(std::move(point)), m_identity(std::move(identity))
{
}

OpenedCard OpenedFolder::open(const QByteArray &point, quint64 device, const QString &identity)
{
    Descriptor folder(::open(point.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (folder.get() < 0) {
        // Nothing there any more, or no folder: the card is gone.
        if (errno == ENOENT || errno == ENOTDIR || errno == ELOOP)
            return {OpenedCard::Removed, {}, {}, {}};
        return {OpenedCard::Failed, {FileStatus::SystemError, errno}, {}, {}};
    }
    // The folder under a card once it is pulled is the computer's; a card
    // swapped in at the same place is another mount.
    const std::optional<MountIdentity> found = mountIdentity(folder.get());
    if (!found || found->device != device || (!identity.isEmpty() && found->key != identity))
        return {OpenedCard::Removed, {}, {}, {}};
    // Mounted elsewhere as well since it was looked at: someone else's.
    const QList<Mount> mounts = readMountTable();
    if (std::count_if(mounts.begin(), mounts.end(),
                      [device](const Mount &mount) { return mount.device == device; })
        > 1)
        return {OpenedCard::NoCard, {},
                QCoreApplication::translate("Cards", "not a card of its own"), {}};
    if (::flock(folder.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            return {OpenedCard::InUse, {}, {}, {}};
        return {OpenedCard::Failed, {FileStatus::SystemError, errno}, {}, {}};
    }
    return {OpenedCard::None, {}, {},
            std::unique_ptr<CardFolder>(new OpenedFolder(std::move(folder), point, found->key))};
}

bool OpenedFolder::stillThere() const
{
    const std::optional<MountIdentity> now = mountIdentity(AT_FDCWD, m_point.constData());
    return now && now->key == m_identity;
}

FileStatus OpenedFolder::readFile(QByteArray &content) const
{
    return readFileIn(m_folder.get(), fileName, maximumConfigurationFileSize, Cache::Drop,
                      content);
}

FileStatus OpenedFolder::writeFile(const QByteArray &content, Existing existing) const
{
    removeLeftovers(m_folder.get());
    return writeFileIn(m_folder.get(), fileName, content, existing);
}

} // namespace Tessaro

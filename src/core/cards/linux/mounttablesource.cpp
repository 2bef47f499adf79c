#include "core/cards/linux/mounttablesource.h"

#include "core/cards/linux/mounttable.h"
#include "core/cards/linux/openedfolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Tessaro {

MountTableSource::MountTableSource(const QString &folder, QObject *parent)
    : CardSource(parent), m_folder(folder),
      m_resolved(QFile::encodeName(QFileInfo(folder).canonicalFilePath()))
{
}

MountTableSource::~MountTableSource()
{
    if (m_mountTable >= 0)
        ::close(m_mountTable);
}

QString MountTableSource::place() const
{
    return m_resolved.isEmpty() ? m_folder : shownName(m_resolved);
}

void MountTableSource::start()
{
    if (m_folder.isEmpty()) {
        emit unavailable(QCoreApplication::translate(
                "Cards", "no folder is known where cards are mounted for you"));
        return;
    }
    if (m_resolved.isEmpty()) {
        emit unavailable(QCoreApplication::translate("Cards", "%1 does not exist")
                                 .arg(shownName(QFile::encodeName(m_folder))));
        return;
    }
    if (!QFileInfo(QFile::decodeName(m_resolved)).isDir()) {
        emit unavailable(QCoreApplication::translate("Cards", "%1 is not a folder")
                                 .arg(shownName(QFile::encodeName(m_folder))));
        return;
    }
    // The mount table signals a change as an exceptional condition, which
    // stays raised until the table is read again from its start.
    m_mountTable = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (m_mountTable < 0) {
        emit unavailable(QCoreApplication::translate("Cards", "the mount table cannot be read"));
        return;
    }
    auto *notifier = new QSocketNotifier(m_mountTable, QSocketNotifier::Exception, this);
    connect(notifier, &QSocketNotifier::activated, this, &MountTableSource::look);
    look();
    m_started = true;
    emit ready();
}

void MountTableSource::lookAgain()
{
    look();
    QMetaObject::invokeMethod(this, &MountTableSource::looked, Qt::QueuedConnection);
}

void MountTableSource::look()
{
    char buffer[4096];
    ::lseek(m_mountTable, 0, SEEK_SET);
    while (::read(m_mountTable, buffer, sizeof buffer) > 0) { }

    const QList<Mount> mounts = readMountTable();
    QHash<QString, Mounted> now;
    for (const Mount &mount : mountsInside(mounts, m_resolved)) {
        const std::optional<MountIdentity> identity =
                mountIdentity(AT_FDCWD, mount.point.constData());
        // Changed since the table was read, or hidden under another mount:
        // a change brings another look.
        if (!identity || identity->device != mount.device)
            continue;
        now.insert(identity->key, {mount.point, mount.device});
        if (m_seen.contains(identity->key))
            continue;
        m_seen.insert(identity->key);
        const Card card{identity->key, shownName(mount.point.mid(mount.point.lastIndexOf('/') + 1)),
                        shownName(mount.source), shownName(mount.point)};
        if (const std::optional<QString> why = whyNoCard(mount, mounts))
            emit leftAlone(card, *why);
        else if (!m_started)
            m_present.append(card);
        else
            emit inserted(card);
    }
    // What is there now is known before any removal is told.
    m_present.removeIf([&now](const Card &card) { return !now.contains(card.key); });
    std::swap(m_mounted, now);
    for (auto mounted = now.cbegin(); mounted != now.cend(); ++mounted) {
        if (!m_mounted.contains(mounted.key()))
            emit removed(mounted.key());
    }
}

void MountTableSource::prepare(const Card &card)
{
    // Mounted already.
    QMetaObject::invokeMethod(this, [this, card] { emit prepared(card, {}); },
                              Qt::QueuedConnection);
}

OpenedCard MountTableSource::open(const Card &card)
{
    const auto mounted = m_mounted.constFind(card.key);
    if (mounted == m_mounted.cend())
        return {OpenedCard::Removed, {}, {}, {}};
    return OpenedFolder::open(mounted->point, mounted->device, card.key);
}

void MountTableSource::release(const Card &card, Release)
{
    // Never unmounted here: the user mounted it, and ejects it.
    QMetaObject::invokeMethod(this, [this, card] { emit released(card, {}); },
                              Qt::QueuedConnection);
}

} // namespace Tessaro

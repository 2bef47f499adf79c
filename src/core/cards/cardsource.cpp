#include "core/cards/cardsource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#ifdef Q_OS_UNIX
#    include <fcntl.h>
#    include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

// How often the mount table is looked at where no change is signalled.
constexpr int lookInterval = 500; // ms

} // namespace

MountTableSource::MountTableSource(const QString &folder, QObject *parent)
    : CardSource(parent), m_folder(QFile::encodeName(QFileInfo(folder).canonicalFilePath()))
{
}

MountTableSource::~MountTableSource()
{
#ifdef Q_OS_UNIX
    if (m_mountTable >= 0)
        ::close(m_mountTable);
#endif
}

QString MountTableSource::place() const
{
    return shownName(m_folder);
}

void MountTableSource::start()
{
    if (m_folder.isEmpty() || !QFileInfo(QFile::decodeName(m_folder)).isDir()) {
        emit unavailable(QCoreApplication::translate("Cards", "no such folder"));
        return;
    }
    const QList<Mount> mounts = readMountTable();
    for (const Mount &mount : mountsInside(mounts, m_folder)) {
        m_known.insert(mount.id);
        if (isWholeView(mount, mounts))
            m_present.append(cardOfMount(mount));
        else
            emit leftAlone(cardOfMount(mount));
    }
#ifdef Q_OS_LINUX
    // The mount table signals a change as an exceptional condition.
    m_mountTable = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (m_mountTable >= 0) {
        auto *notifier = new QSocketNotifier(m_mountTable, QSocketNotifier::Exception, this);
        connect(notifier, &QSocketNotifier::activated, this, &MountTableSource::look);
        look(); // reading it once arms the signal
        emit ready();
        return;
    }
#endif
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &MountTableSource::look);
    timer->start(lookInterval);
    emit ready();
}

void MountTableSource::look()
{
#ifdef Q_OS_UNIX
    // The signal stays raised until the table is read again from its start.
    if (m_mountTable >= 0) {
        char buffer[4096];
        ::lseek(m_mountTable, 0, SEEK_SET);
        while (::read(m_mountTable, buffer, sizeof buffer) > 0) { }
    }
#endif
    const QList<Mount> mounts = readMountTable();
    QSet<int> now;
    for (const Mount &mount : mountsInside(mounts, m_folder)) {
        now.insert(mount.id);
        if (m_known.contains(mount.id))
            continue;
        if (isWholeView(mount, mounts))
            emit inserted(cardOfMount(mount));
        else
            emit leftAlone(cardOfMount(mount));
    }
    for (int id : std::as_const(m_known)) {
        if (!now.contains(id))
            emit removed(u"mount:"_s + QString::number(id));
    }
    m_present.removeIf([&now](const Card &card) { return !now.contains(card.mountId); });
    m_known = now;
}

void MountTableSource::prepare(const Card &card)
{
    // Mounted already.
    QMetaObject::invokeMethod(this, [this, card] { emit prepared(card, {}); },
                              Qt::QueuedConnection);
}

void MountTableSource::release(const Card &card)
{
    QMetaObject::invokeMethod(this, [this, card] { emit released(card, {}); },
                              Qt::QueuedConnection);
}

QString defaultCardFolder()
{
#ifdef Q_OS_MACOS
    return u"/Volumes"_s;
#else
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME"));
    if (user.isEmpty()) // as under sudo or su without a login: the home folder's name
        user = QDir(QDir::homePath()).dirName();
    const QString udisks = u"/run/media/"_s + user;
    return QFileInfo(udisks).isDir() ? udisks : u"/media/"_s + user;
#endif
}

} // namespace Tessaro

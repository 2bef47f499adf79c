#include "config/cards.h"

#include "config/configurationfile.h"
#include "config/configurationformat.h"
#include "config/unitfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStorageInfo>
#include <QTimer>

#include <algorithm>

#ifdef Q_OS_UNIX
#    include <fcntl.h>
#    include <sys/stat.h>
#    include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

// How often the mount table is looked at where no change is signalled.
constexpr int lookInterval = 500; // ms

// The ID a card's config.txt names, or -1.
int unitOf(const QByteArray &file)
{
    const ImportedRows rows = importedRows(readConfiguration(file).recognised);
    const auto &taken = rows[optionIndex(u"#ID:")].taken;
    return taken ? taken->value : -1;
}

// Reads a file back from the card itself: its pages are first dropped from
// memory, where they would otherwise be read from.
FileStatus readBack(const QString &path, QByteArray &content)
{
#ifdef Q_OS_LINUX
    if (const int descriptor = ::open(QFile::encodeName(path).constData(),
                                      O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        descriptor >= 0) {
        ::posix_fadvise(descriptor, 0, 0, POSIX_FADV_DONTNEED);
        ::close(descriptor);
    }
#endif
    return readRegularFile(path, maximumConfigurationFileSize, Links::Refuse, content);
}

} // namespace

QList<Volume> mountedVolumes()
{
    QList<Volume> volumes;
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes()) {
        Volume volume{storage.rootPath(), storage.name(), 0};
        if (volume.label.isEmpty())
            volume.label = QFileInfo(volume.root).fileName();
#ifdef Q_OS_UNIX
        // Two volumes at one root, one after the other, differ in device.
        struct stat status = {};
        if (::stat(QFile::encodeName(volume.root).constData(), &status) == 0)
            volume.identity = quint64(status.st_dev);
#endif
        volumes.append(volume);
    }
    return volumes;
}

QList<Volume> volumesInside(const QString &folder, const QList<Volume> &mounted)
{
    const QString prefix = QDir::cleanPath(folder) + u'/';
    QList<Volume> inside;
    std::copy_if(mounted.begin(), mounted.end(), std::back_inserter(inside),
                 [&prefix](const Volume &volume) {
                     return QDir::cleanPath(volume.root).startsWith(prefix);
                 });
    return inside;
}

QList<Volume> newVolumes(const QList<Volume> &before, const QList<Volume> &after)
{
    QList<Volume> added;
    std::copy_if(after.begin(), after.end(), std::back_inserter(added),
                 [&before](const Volume &volume) { return !before.contains(volume); });
    return added;
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

CardWatcher::CardWatcher(const QString &folder, QObject *parent) : QObject(parent), m_folder(folder)
{
    m_known = volumesInside(m_folder, mountedVolumes());
    m_present = m_known;
#ifdef Q_OS_LINUX
    // The mount table signals a change as an exceptional condition.
    m_mountTable = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (m_mountTable >= 0) {
        auto *notifier = new QSocketNotifier(m_mountTable, QSocketNotifier::Exception, this);
        connect(notifier, &QSocketNotifier::activated, this, &CardWatcher::look);
        look(); // reading it once arms the signal
        return;
    }
#endif
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CardWatcher::look);
    timer->start(lookInterval);
}

CardWatcher::~CardWatcher()
{
#ifdef Q_OS_UNIX
    if (m_mountTable >= 0)
        ::close(m_mountTable);
#endif
}

void CardWatcher::look()
{
#ifdef Q_OS_UNIX
    // The signal stays raised until the table is read again from its start.
    if (m_mountTable >= 0) {
        char buffer[4096];
        ::lseek(m_mountTable, 0, SEEK_SET);
        while (::read(m_mountTable, buffer, sizeof buffer) > 0) { }
    }
#endif
    const QList<Volume> now = volumesInside(m_folder, mountedVolumes());
    const QList<Volume> added = newVolumes(m_known, now);
    m_present.removeIf([&now](const Volume &volume) { return !now.contains(volume); });
    m_known = now;
    for (const Volume &volume : added)
        emit inserted(volume);
}

CardSession::CardSession(const FormSettings &settings, int first, int last)
    : m_settings(settings), m_next(first), m_last(last)
{
}

CardOutcome CardSession::write(const Volume &card, const std::function<bool(int unit)> &replace)
{
    CardOutcome outcome{CardOutcome::Failed, m_next, QDir(card.root).filePath(u"config.txt"_s), {}};
    QByteArray old;
    const FileStatus found =
            readRegularFile(outcome.path, maximumConfigurationFileSize, Links::Refuse, old);
    const bool holds = found.problem != FileStatus::Missing;
    if (holds && !replace(found.ok() ? unitOf(old) : -1)) {
        outcome.result = CardOutcome::Skipped;
        return outcome;
    }
    const QByteArray text = configurationText(unitSettings(m_settings, m_next));
    FileStatus status = writeFile(outcome.path, text, holds ? Existing::Replace : Existing::Keep,
                                  FolderLinks::Refuse);
    QByteArray back;
    if (status.ok())
        status = readBack(outcome.path, back);
    if (!status.ok())
        outcome.reason = fileProblemText(status);
    else if (back != text)
        outcome.reason = QCoreApplication::translate("MainWindow",
                                                     "The file read back from the card differs");
    if (!outcome.reason.isEmpty())
        return outcome;
    outcome.result = CardOutcome::Written;
    m_written.append(m_next++);
    return outcome;
}

} // namespace Tessaro

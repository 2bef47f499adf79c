#include "core/cards/linux/diskservicesource.h"

#include "core/displaytext.h"
#include "core/cards/linux/mounttable.h"
#include "core/cards/linux/openedfolder.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QFile>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

const QString service = u"org.freedesktop.UDisks2"_s;
const QString managerPath = u"/org/freedesktop/UDisks2"_s;
const QString objectManager = u"org.freedesktop.DBus.ObjectManager"_s;
const QString blockInterface = u"org.freedesktop.UDisks2.Block"_s;
const QString fileSystemInterface = u"org.freedesktop.UDisks2.Filesystem"_s;
const QString driveInterface = u"org.freedesktop.UDisks2.Drive"_s;
const QString loopInterface = u"org.freedesktop.UDisks2.Loop"_s;

// A mount may wait for the user to give a password to the system.
constexpr int mountTimeout = 5 * 60 * 1000; // ms

QString translated(const char *text)
{
    return QCoreApplication::translate("Cards", text);
}

// The service spells paths as bytes ending in NUL.
QByteArray pathBytes(const QVariant &value)
{
    QByteArray bytes = value.toByteArray();
    if (bytes.endsWith('\0'))
        bytes.chop(1);
    return bytes;
}

QByteArrayList mountPoints(const QVariant &points)
{
    QByteArrayList found;
    for (const QByteArray &point : qdbus_cast<QByteArrayList>(points))
        found.append(point.endsWith('\0') ? point.chopped(1) : point);
    return found;
}

// What tells one setting-up of a loop device, "/dev/loop1" or "loop1", from
// every other: the kernel makes its loop folder in /sys anew each time.
// Empty while the device is free.
QString loopSetUp(const QByteArray &device)
{
    const QByteArray name = device.mid(device.lastIndexOf('/') + 1);
    const QByteArray folder = "/sys/class/block/" + name + "/loop";
    struct stat status = {};
    if (::stat(folder.constData(), &status) != 0)
        return {};
    return QString::fromLatin1(name) + u':' + QString::number(status.st_ino);
}

QString reasonOf(const QDBusPendingCall &call)
{
    return call.error().message().isEmpty() ? call.error().name() : call.error().message();
}

} // namespace

DiskServiceSource::DiskServiceSource(QObject *parent) : CardSource(parent)
{
    qDBusRegisterMetaType<QByteArrayList>();
    qDBusRegisterMetaType<Interfaces>();
    qDBusRegisterMetaType<Objects>();
}

QString DiskServiceSource::place() const
{
    return translated(QT_TRANSLATE_NOOP("Cards", "the system's disk service"));
}

template<typename Done>
void DiskServiceSource::call(const QString &path, const QString &interface, const QString &method,
                             const QVariantList &arguments, Done done)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    auto *watcher = new QDBusPendingCallWatcher(
            QDBusConnection::systemBus().asyncCall(message,
                                                   method == u"Mount" ? mountTimeout : -1),
            this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, done] {
        watcher->deleteLater();
        done(*watcher);
    });
}

void DiskServiceSource::start()
{
    // Looked at before the service is asked: it may tell of a loop device
    // set up just before only once it has looked at what it holds.
    for (const QString &name : QDir(u"/sys/class/block"_s)
                                       .entryList({u"loop*"_s}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (const QString setUp = loopSetUp(QFile::encodeName(name)); !setUp.isEmpty())
            m_loopsBefore.insert(setUp);
    }
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        emit unavailable(translated(QT_TRANSLATE_NOOP("Cards", "no disk service")));
        return;
    }
    bus.connect(service, managerPath, objectManager, u"InterfacesAdded"_s, this, SLOT(refresh()));
    bus.connect(service, managerPath, objectManager, u"InterfacesRemoved"_s, this,
                SLOT(interfacesRemoved(QDBusObjectPath, QStringList)));
    refresh();
}

void DiskServiceSource::lookAgain()
{
    m_lookingAgain = true;
    refresh();
}

void DiskServiceSource::interfacesRemoved(const QDBusObjectPath &path,
                                          const QStringList &interfaces)
{
    // Told even when the program was held meanwhile: a card put in after is
    // a new card, whatever the next look finds at the same object.
    if (interfaces.contains(fileSystemInterface))
        ++m_gone[path.path()];
    refresh();
}

void DiskServiceSource::refresh()
{
    // One look at a time; changes meanwhile bring one more.
    if (std::exchange(m_refreshing, true)) {
        m_refreshAgain = true;
        return;
    }
    call(managerPath, objectManager, u"GetManagedObjects"_s, {},
         [this](const QDBusPendingCall &reply) {
             m_refreshing = false;
             if (reply.isError()) {
                 if (!m_started)
                     emit unavailable(translated(QT_TRANSLATE_NOOP("Cards", "no disk service")));
                 else if (std::exchange(m_lookingAgain, false))
                     emit looked();
                 return;
             }
             take(QDBusPendingReply<Objects>(reply).value());
             if (std::exchange(m_refreshAgain, false))
                 refresh();
             else if (std::exchange(m_lookingAgain, false))
                 emit looked();
         });
}

void DiskServiceSource::take(const Objects &objects)
{
    m_objects = objects;
    QSet<QString> now;
    for (auto object = objects.begin(); object != objects.end(); ++object) {
        const Verdict verdict = verdictOn(object.key());
        if (verdict.kind == Verdict::None)
            continue;
        const QString &key = verdict.card.key;
        now.insert(key);
        if (m_seen.contains(key))
            continue;
        m_seen.insert(key);
        if (verdict.kind == Verdict::LeftAlone) {
            // The system's own loop devices are no news at the start.
            if (m_started || !verdict.loop)
                emit leftAlone(verdict.card, verdict.why);
            continue;
        }
        m_cards.insert(key, verdict.known);
        if (m_started)
            emit inserted(verdict.card);
        else
            m_present.append(verdict.card);
    }
    // What is there now is known before any removal is told.
    m_present.removeIf([&now](const Card &card) { return !now.contains(card.key); });
    for (auto known = m_cards.begin(); known != m_cards.end();) {
        if (now.contains(known.key()) || known->gone) {
            ++known;
            continue;
        }
        const QString key = known.key();
        // One mounted for its turn is unmounted once its turn is over.
        if (known->mountedHere)
            (known++)->gone = true;
        else
            known = m_cards.erase(known);
        emit removed(key);
    }
    if (!std::exchange(m_started, true))
        emit ready();
}

DiskServiceSource::Verdict DiskServiceSource::verdictOn(const QDBusObjectPath &path) const
{
    const Interfaces &interfaces = m_objects.value(path);
    const QVariantMap block = interfaces.value(blockInterface);
    if (!interfaces.contains(fileSystemInterface)
        || block.value(u"IdUsage"_s).toString() != u"filesystem"
        || block.value(u"HintIgnore"_s).toBool())
        return {};
    Verdict verdict;
    verdict.loop = interfaces.contains(loopInterface);
    const QByteArrayList points =
            mountPoints(interfaces.value(fileSystemInterface).value(u"MountPoints"_s));
    Known &known = verdict.known;
    known.path = path.path();
    known.device = pathBytes(block.value(u"Device"_s));
    known.drive = block.value(u"Drive"_s).value<QDBusObjectPath>();
    known.point = points.value(0);
    Card &card = verdict.card;
    card.key = path.path() + u'#' + QString::number(m_gone.value(path.path()));
    card.device = shownName(known.device);
    card.label = printable(block.value(u"IdLabel"_s).toString());
    if (card.label.isEmpty())
        card.label = card.device.section(u'/', -1);
    card.place = shownName(known.point);

    if (verdict.loop) {
        // A desktop mounts removable drives for the user, never loop devices:
        // one mounted is someone else's.
        if (!points.isEmpty()) {
            verdict.kind = Verdict::LeftAlone;
            verdict.why = translated(QT_TRANSLATE_NOOP("Cards", "not a removable card"));
            return verdict;
        }
        const uid_t user = ::getuid();
        const QString setUp = loopSetUp(known.device);
        const bool forUser = !setUp.isEmpty()
                && (user == 0 ? !m_loopsBefore.contains(setUp)
                              : interfaces.value(loopInterface).value(u"SetupByUID"_s).toUInt()
                                      == user);
        if (!forUser)
            return {};
    } else {
        const QVariantMap drive = m_objects.value(known.drive).value(driveInterface);
        known.removable = drive.value(u"Removable"_s).toBool()
                || drive.value(u"MediaRemovable"_s).toBool();
        if (!known.removable || block.value(u"HintSystem"_s).toBool())
            return {};
    }
    const QByteArray type = block.value(u"IdType"_s).toByteArray();
    if (!isCardFileSystem(type)) {
        verdict.kind = Verdict::LeftAlone;
        verdict.why = translated(QT_TRANSLATE_NOOP("Cards", "not a card's file system (%1)"))
                              .arg(shownName(type));
    } else if (points.size() > 1) {
        verdict.kind = Verdict::LeftAlone;
        verdict.why = translated(QT_TRANSLATE_NOOP("Cards", "not a card of its own"));
    } else {
        verdict.kind = Verdict::Card;
    }
    return verdict;
}

void DiskServiceSource::prepare(const Card &card)
{
    const auto known = m_cards.find(card.key);
    // Gone, or mounted already by the desktop: open() tells which.
    if (known == m_cards.end() || known->gone || !known->point.isEmpty()) {
        QMetaObject::invokeMethod(this, [this, card] { emit prepared(card, {}); },
                                  Qt::QueuedConnection);
        return;
    }
    call(known->path, fileSystemInterface, u"Mount"_s, {QVariantMap()},
         [this, card](const QDBusPendingCall &reply) {
             const auto mounting = m_cards.find(card.key);
             if (mounting == m_cards.end())
                 return emit prepared(card, {});
             if (!reply.isError()) {
                 mounting->mountedHere = true;
                 return mountedAt(card, *mounting,
                                  QDBusPendingReply<QString>(reply).value().toUtf8());
             }
             if (!reply.error().name().endsWith(u".AlreadyMounted"))
                 return emit prepared(card, reasonOf(reply));
             // Mounted meanwhile by someone else: by the desktop, a removable
             // card is used where it is; a loop device is theirs.
             if (!mounting->removable) {
                 mounting->foreign = true;
                 return emit prepared(card, {});
             }
             call(mounting->path, u"org.freedesktop.DBus.Properties"_s, u"Get"_s,
                  {fileSystemInterface, u"MountPoints"_s},
                  [this, card](const QDBusPendingCall &points) {
                      const auto mounted = m_cards.find(card.key);
                      if (mounted == m_cards.end())
                          return emit prepared(card, {});
                      const QByteArrayList found = mountPoints(
                              QDBusPendingReply<QDBusVariant>(points).value().variant());
                      if (found.isEmpty())
                          return emit prepared(card, reasonOf(points));
                      mountedAt(card, *mounted, found.first());
                  });
         });
}

void DiskServiceSource::mountedAt(Card card, Known &known, const QByteArray &point)
{
    known.point = point;
    card.place = shownName(point);
    emit prepared(card, {});
}

OpenedCard DiskServiceSource::open(const Card &card)
{
    const auto known = m_cards.constFind(card.key);
    if (known == m_cards.cend() || known->gone || known->point.isEmpty())
        return {OpenedCard::Removed, {}, {}, {}};
    if (known->foreign)
        return {OpenedCard::NoCard, {},
                translated(QT_TRANSLATE_NOOP("Cards", "not a removable card")), {}};
    // The card's file system is the one mounted from its device at its point.
    const QList<Mount> mounts = readMountTable();
    const auto mount = std::find_if(mounts.begin(), mounts.end(), [&known](const Mount &each) {
        return each.point == known->point && each.source == known->device;
    });
    if (mount == mounts.end())
        return {OpenedCard::Removed, {}, {}, {}};
    OpenedCard opened = OpenedFolder::open(known->point, mount->device);
    // A loop device someone mounted while its turn began is theirs.
    if (opened.problem == OpenedCard::NoCard && !known->removable)
        opened.why = translated(QT_TRANSLATE_NOOP("Cards", "not a removable card"));
    return opened;
}

void DiskServiceSource::release(const Card &card, Release release)
{
    const auto known = m_cards.constFind(card.key);
    const bool eject = release == Release::Eject && known != m_cards.cend() && !known->gone
            && known->removable;
    if (known == m_cards.cend() || (!known->mountedHere && !eject)) {
        QMetaObject::invokeMethod(this, [this, card] { emit released(card, {}); },
                                  Qt::QueuedConnection);
        return;
    }
    call(known->path, fileSystemInterface, u"Unmount"_s, {QVariantMap()},
         [this, card, eject, drive = known->drive](const QDBusPendingCall &reply) {
             const auto unmounted = m_cards.find(card.key);
             const bool gone = unmounted == m_cards.end() || unmounted->gone;
             // A card pulled meanwhile is the system's to clean up after.
             if (reply.isError() && !gone)
                 return emit released(card, reasonOf(reply));
             if (gone) {
                 m_cards.remove(card.key);
             } else {
                 unmounted->mountedHere = false;
                 unmounted->point.clear();
             }
             if (eject && !gone)
                 this->eject(card, drive);
             else
                 emit released(card, {});
         });
}

void DiskServiceSource::eject(const Card &card, const QDBusObjectPath &drive)
{
    // Ejected where the medium can be; never powered off, as a reader that
    // is cannot take the next card.
    const QVariantMap properties = m_objects.value(drive).value(driveInterface);
    if (!properties.value(u"MediaRemovable"_s).toBool()
        || !properties.value(u"Ejectable"_s).toBool()) {
        emit released(card, {});
        return;
    }
    call(drive.path(), driveInterface, u"Eject"_s, {QVariantMap()},
         [this, card](const QDBusPendingCall &reply) {
             emit released(card, reply.isError() ? reasonOf(reply) : QString());
         });
}

} // namespace Tessaro

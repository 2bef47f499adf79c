#include "core/cards/diskservice.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <algorithm>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

const QString service = u"org.freedesktop.UDisks2"_s;
const QString managerPath = u"/org/freedesktop/UDisks2"_s;
const QString blockInterface = u"org.freedesktop.UDisks2.Block"_s;
const QString fileSystemInterface = u"org.freedesktop.UDisks2.Filesystem"_s;
const QString driveInterface = u"org.freedesktop.UDisks2.Drive"_s;
const QString loopInterface = u"org.freedesktop.UDisks2.Loop"_s;

// A mount may wait for the user to give a password to the system.
constexpr int mountTimeout = 5 * 60 * 1000; // ms

// The service spells paths as bytes ending in NUL.
QByteArray pathBytes(const QVariant &value)
{
    QByteArray bytes = value.toByteArray();
    if (bytes.endsWith('\0'))
        bytes.chop(1);
    return bytes;
}

QByteArrayList mountPoints(const QVariantMap &fileSystem)
{
    QByteArrayList points;
    for (const QByteArray &point :
         qdbus_cast<QByteArrayList>(fileSystem.value(u"MountPoints"_s)))
        points.append(point.endsWith('\0') ? point.chopped(1) : point);
    return points;
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
    return QCoreApplication::translate("Cards", "the system's disk service");
}

template<typename Done>
void DiskServiceSource::call(const QString &path, const QString &interface, const QString &method,
                             const QVariantList &arguments, Done done)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    auto *watcher = new QDBusPendingCallWatcher(
            QDBusConnection::systemBus().asyncCall(
                    message, method == u"Mount" ? mountTimeout : -1),
            this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, done] {
        watcher->deleteLater();
        done(*watcher);
    });
}

void DiskServiceSource::start()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        emit unavailable(bus.lastError().message());
        return;
    }
    for (const QString &change : {u"InterfacesAdded"_s, u"InterfacesRemoved"_s})
        bus.connect(service, managerPath, u"org.freedesktop.DBus.ObjectManager"_s, change, this,
                    SLOT(refresh()));
    refresh();
}

void DiskServiceSource::refresh()
{
    // One look at a time; changes meanwhile bring one more.
    if (std::exchange(m_refreshing, true)) {
        m_refreshAgain = true;
        return;
    }
    call(managerPath, u"org.freedesktop.DBus.ObjectManager"_s, u"GetManagedObjects"_s, {},
         [this](const QDBusPendingCall &reply) {
             m_refreshing = false;
             if (reply.isError()) {
                 if (!m_started)
                     emit unavailable(reasonOf(reply));
                 return;
             }
             take(QDBusPendingReply<Objects>(reply).value());
             if (std::exchange(m_refreshAgain, false))
                 refresh();
         });
}

void DiskServiceSource::take(const Objects &objects)
{
    m_objects = objects;
    QSet<QString> now;
    for (auto object = objects.begin(); object != objects.end(); ++object) {
        bool secondView = false;
        const std::optional<Card> card = cardOf(object.key(), secondView);
        if (!card)
            continue;
        now.insert(card->key);
        if (m_known.contains(card->key))
            continue;
        if (secondView)
            emit leftAlone(*card);
        else if (!m_started)
            m_present.append(*card);
        else
            emit inserted(*card);
    }
    for (const QString &key : std::as_const(m_known)) {
        if (!now.contains(key))
            emit removed(key);
    }
    m_present.removeIf([&now](const Card &card) { return !now.contains(card.key); });
    m_known = now;
    if (!std::exchange(m_started, true))
        emit ready();
}

std::optional<Card> DiskServiceSource::cardOf(const QDBusObjectPath &path, bool &secondView) const
{
    const Interfaces &interfaces = m_objects.value(path);
    const QVariantMap block = interfaces.value(blockInterface);
    if (!interfaces.contains(fileSystemInterface)
        || block.value(u"IdUsage"_s).toString() != u"filesystem"
        || block.value(u"HintIgnore"_s).toBool())
        return std::nullopt;
    // A removable drive's, or a loop device's this user set up; never a
    // fixed disk's, the system's, or one in a container.
    const Interfaces drive =
            m_objects.value(block.value(u"Drive"_s).value<QDBusObjectPath>());
    const QVariantMap driveProperties = drive.value(driveInterface);
    const bool removable = driveProperties.value(u"Removable"_s).toBool()
            || driveProperties.value(u"MediaRemovable"_s).toBool();
    const bool ownLoop = interfaces.contains(loopInterface)
            && interfaces.value(loopInterface).value(u"SetupByUID"_s).toUInt() == ::getuid();
    if (!ownLoop && (!removable || block.value(u"HintSystem"_s).toBool()))
        return std::nullopt;
    const QByteArrayList points = mountPoints(interfaces.value(fileSystemInterface));
    secondView = points.size() > 1;
    Card card;
    card.key = path.path();
    card.device = shownName(pathBytes(block.value(u"Device"_s)));
    card.label = block.value(u"IdLabel"_s).toString();
    if (card.label.isEmpty())
        card.label = card.device.section(u'/', -1);
    return points.isEmpty() ? card : mountedAt(card, points.first());
}

Card DiskServiceSource::mountedAt(Card card, const QByteArray &point) const
{
    card.point = point;
    for (const Mount &mount : readMountTable()) {
        if (mount.point == point) {
            card.mountId = mount.id;
            card.fileSystem = mount.device;
        }
    }
    return card;
}

void DiskServiceSource::prepare(const Card &card)
{
    // One the desktop mounted is used where it is.
    bool secondView = false;
    if (const std::optional<Card> now = cardOf(QDBusObjectPath(card.key), secondView);
        now && !now->point.isEmpty()) {
        QMetaObject::invokeMethod(this, [this, now] { emit prepared(*now, {}); },
                                  Qt::QueuedConnection);
        return;
    }
    call(card.key, fileSystemInterface, u"Mount"_s, {QVariantMap()},
         [this, card](const QDBusPendingCall &reply) {
             if (!reply.isError()) {
                 emit prepared(mountedAt(card, QDBusPendingReply<QString>(reply).value().toUtf8()),
                               {});
             } else if (reply.error().name().endsWith(u".AlreadyMounted")) {
                 // The desktop was quicker: used where it mounted it.
                 call(card.key, u"org.freedesktop.DBus.Properties"_s, u"Get"_s,
                      {fileSystemInterface, u"MountPoints"_s},
                      [this, card](const QDBusPendingCall &points) {
                          const QByteArrayList found = mountPoints(
                                  {{u"MountPoints"_s,
                                    QDBusPendingReply<QDBusVariant>(points).value().variant()}});
                          if (found.isEmpty())
                              emit prepared(card, reasonOf(points));
                          else
                              emit prepared(mountedAt(card, found.first()), {});
                      });
             } else {
                 emit prepared(card, reasonOf(reply));
             }
         });
}

void DiskServiceSource::release(const Card &card)
{
    call(card.key, fileSystemInterface, u"Unmount"_s, {QVariantMap()},
         [this, card](const QDBusPendingCall &reply) {
             if (reply.isError())
                 emit released(card, reasonOf(reply));
             else
                 ejectDrive(card);
         });
}

void DiskServiceSource::ejectDrive(const Card &card)
{
    // Ejected where the medium can be; never powered off, as a reader that
    // is cannot take the next card.
    const QDBusObjectPath drive = m_objects.value(QDBusObjectPath(card.key))
                                          .value(blockInterface)
                                          .value(u"Drive"_s)
                                          .value<QDBusObjectPath>();
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

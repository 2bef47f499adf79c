#pragma once

#include "core/cards/cardsource.h"

#include <QDBusObjectPath>
#include <QHash>
#include <QVariantMap>

class QDBusPendingCallWatcher;

namespace Tessaro {

// The cards the system's disk service (UDisks2, on the system bus) offers:
// a file system on a removable drive, or on a loop device this user set up,
// inserted after the run started. A card the desktop has not mounted is
// mounted for its turn, with the user's rights; once done with, it is
// unmounted and, where its drive can, ejected. Every call is asynchronous.
class DiskServiceSource : public CardSource
{
    Q_OBJECT

public:
    explicit DiskServiceSource(QObject *parent = nullptr);

    void start() override;
    bool ejects() const override { return true; }
    QString place() const override;
    void prepare(const Card &card) override;
    void release(const Card &card) override;

    // What the service says of each object: its interfaces and their properties.
    using Interfaces = QMap<QString, QVariantMap>;
    using Objects = QMap<QDBusObjectPath, Interfaces>;

private slots:
    // The service's objects changed: looked at again.
    void refresh();

private:
    void take(const Objects &objects);
    // A card for a file system of objects, if it is one; second view tells
    // of a file system mounted at more than one place.
    std::optional<Card> cardOf(const QDBusObjectPath &path, bool &secondView) const;
    // The card with where the mount table shows it mounted.
    Card mountedAt(Card card, const QByteArray &point) const;
    void ejectDrive(const Card &card);
    template<typename Done>
    void call(const QString &path, const QString &interface, const QString &method,
              const QVariantList &arguments, Done done);

    Objects m_objects;
    QSet<QString> m_known; // cards and left-alone file systems seen, by path
    bool m_started = false;
    bool m_refreshing = false;
    bool m_refreshAgain = false;
};

} // namespace Tessaro

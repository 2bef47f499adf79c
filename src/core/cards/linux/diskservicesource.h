#pragma once

#include "core/cards/cardsource.h"

#include <QDBusObjectPath>
#include <QHash>
#include <QSet>
#include <QVariantMap>

namespace Tessaro {

// The cards the system's disk service (UDisks2, on the system bus) offers: a
// card file system on a removable drive, or on a loop device set up for this
// user through the service and mounted by no one. For root, whose ID the
// service gives every loop device it did not set up, only a loop device set
// up while the run watches. A card no one has mounted is mounted for
// its turn, with the user's rights, and unmounted after; a removable card
// once written is unmounted and, where its drive can, ejected. Nothing else
// is ever unmounted. Every call is asynchronous.
class DiskServiceSource : public CardSource
{
    Q_OBJECT

public:
    explicit DiskServiceSource(QObject *parent = nullptr);

    void start() override;
    void lookAgain() override;
    bool ejects() const override { return true; }
    QString place() const override;
    void prepare(const Card &card) override;
    OpenedCard open(const Card &card) override;
    void release(const Card &card, Release release) override;

    // What the service says of each object: its interfaces and their properties.
    using Interfaces = QMap<QString, QVariantMap>;
    using Objects = QMap<QDBusObjectPath, Interfaces>;

private slots:
    void refresh();
    void interfacesRemoved(const QDBusObjectPath &path, const QStringList &interfaces);

private:
    // What is known of a card beyond what the run sees.
    struct Known
    {
        QString path;       // its file system's object
        QByteArray device;  // its device node, "/dev/sdb1"
        QByteArray point;   // where it is mounted, once it is
        QDBusObjectPath drive;
        bool removable = false; // on a removable drive, not a loop device
        bool mountedHere = false;
        bool foreign = false; // mounted by someone else while its turn began
        bool gone = false;    // removed while mounted here: unmounted once its turn is over
    };
    // What a look makes of one object.
    struct Verdict
    {
        enum Kind { None, Card, LeftAlone } kind = None;
        Tessaro::Card card;
        Known known;
        QString why;
        bool loop = false;
    };

    void take(const Objects &objects);
    Verdict verdictOn(const QDBusObjectPath &path) const;
    void mountedAt(Card card, Known &known, const QByteArray &point);
    void eject(const Card &card, const QDBusObjectPath &drive);
    template<typename Done>
    void call(const QString &path, const QString &interface, const QString &method,
              const QVariantList &arguments, Done done);

    Objects m_objects;
    // How many times each object's file system went: one that comes back
    // at the same object is a new card.
    QHash<QString, int> m_gone;
    QHash<QString, Known> m_cards; // by key
    QSet<QString> m_seen;          // every key looked at
    QSet<QString> m_loopsBefore; // the loop devices set up when it started
    bool m_started = false;
    bool m_refreshing = false;
    bool m_refreshAgain = false;
    bool m_lookingAgain = false;
};

} // namespace Tessaro

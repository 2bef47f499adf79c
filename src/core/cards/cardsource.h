#pragma once

#include "core/cards/card.h"

#include <QList>
#include <QObject>
#include <QSet>

namespace Tessaro {

// Where a run's cards come from: it tells of each card inserted, makes a
// card's file system reachable for its turn, and is done with it after. Every
// step that can wait (a mount, an eject) is told by a signal, never awaited.
class CardSource : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Looks at what is there; ready() or unavailable() tells how it went.
    virtual void start() = 0;
    // Whether it ejects a card once done with it; else the user must.
    virtual bool ejects() const = 0;
    // Where it finds the cards, to show: a folder, or the disk service.
    virtual QString place() const = 0;
    // The cards there before the run, listed and written only when chosen.
    const QList<Card> &present() const { return m_present; }

    // Makes a card's file system reachable; prepared() tells.
    virtual void prepare(const Card &card) = 0;
    // Done with a card: unmounts and ejects it where the source can;
    // released() tells.
    virtual void release(const Card &card) = 0;

signals:
    void ready();
    void unavailable(const QString &why);
    void inserted(const Tessaro::Card &card);
    void removed(const QString &key);
    // A mount that is no card: a bind of a folder, or a second view of a
    // file system mounted elsewhere.
    void leftAlone(const Tessaro::Card &card);
    // problem is empty when it went well.
    void prepared(const Tessaro::Card &card, const QString &problem);
    void released(const Tessaro::Card &card, const QString &problem);

protected:
    QList<Card> m_present;
};

// The volumes mounted in a watched folder. The folder is resolved once
// (links, ".", ".."); only the mounts under it are looked at, and each by
// its mount ID, so a card swapped at one place is a new card. The user
// ejects each card.
class MountTableSource : public CardSource
{
    Q_OBJECT

public:
    explicit MountTableSource(const QString &folder, QObject *parent = nullptr);
    ~MountTableSource() override;

    void start() override;
    bool ejects() const override { return false; }
    QString place() const override;
    void prepare(const Card &card) override;
    void release(const Card &card) override;

private:
    void look();

    QByteArray m_folder;
    QSet<int> m_known; // the mounts under the folder, by ID
    int m_mountTable = -1; // Linux: the mount table, which signals a change
};

// The folder where the desktop mounts removable media for this user:
// /run/media/<user> where that exists, else /media/<user>; /Volumes on macOS.
QString defaultCardFolder();

} // namespace Tessaro

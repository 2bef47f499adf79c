#pragma once

#include "core/cards/cardsource.h"

#include <QHash>
#include <QSet>

namespace Tessaro {

// The volumes mounted in a watched folder. The folder is resolved once
// (links, ".", ".."); only the mounts under it are looked at, each by its
// mount's identity, so a card swapped in at one place is a new card, and
// none is told of twice. The user ejects each card.
class MountTableSource : public CardSource
{
    Q_OBJECT

public:
    // An empty folder is none: the source is then unavailable.
    explicit MountTableSource(const QString &folder, QObject *parent = nullptr);
    ~MountTableSource() override;

    void start() override;
    void lookAgain() override;
    bool ejects() const override { return false; }
    QString place() const override;
    void prepare(const Card &card) override;
    OpenedCard open(const Card &card) override;
    void release(const Card &card, Release release) override;

private:
    struct Mounted
    {
        QByteArray point;
        quint64 device = 0;
    };

    void look();

    QString m_folder;
    QByteArray m_resolved;
    QHash<QString, Mounted> m_mounted; // the mounts under the folder now, by key
    QSet<QString> m_seen;              // every mount ever looked at, by key
    bool m_started = false;
    int m_mountTable = -1; // the mount table, which signals a change
};

} // namespace Tessaro

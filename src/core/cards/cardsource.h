#pragma once

#include "core/safefiles.h"
#include "core/cards/card.h"

#include <QList>
#include <QObject>

#include <memory>
#include <vector>

namespace Tessaro {

// A card's root folder, opened when its turn comes and held until it ends.
// Every read and write goes through it, so whatever is mounted at its place
// meanwhile, or left there once the card is pulled, nothing reaches any disk
// but the card's. While it is held, other runs keep off the card.
class CardFolder
{
public:
    virtual ~CardFolder() = default;

    // Whether the card is still where it was, the same card.
    virtual bool stillThere() const = 0;
    // Its config.txt as the card holds it, read from the card itself.
    virtual FileStatus readFile(QByteArray &content) const = 0;
    // Writes its config.txt, all or nothing, first removing what a run that
    // was stopped midway may have left.
    virtual FileStatus writeFile(const QByteArray &content, Existing existing) const = 0;
};

// What opening a card's folder came to.
struct OpenedCard
{
    enum Problem {
        None,
        Removed, // no longer there: pulled, or something else is mounted there now
        InUse,   // another run holds it
        NoCard,  // found to be no card after all: see why
        Failed,  // the system refused: see failure
    };
    Problem problem = None;
    FileStatus failure;
    QString why;
    std::unique_ptr<CardFolder> folder; // set when problem is None
};

// What becomes of a card once its turn is over.
enum class Release {
    PutBack, // as it was found: unmounted again if the source mounted it
    Eject,   // written: unmounted and ejected where the system can, to be pulled
};

// Where a run's cards come from: it tells of each card inserted, makes a
// card's files reachable for its turn, and puts the card back after. Every
// step that can wait (a look, a mount, an eject) is told by a signal, never
// awaited.
class CardSource : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Looks at what is there; ready() or unavailable() tells how it went.
    virtual void start() = 0;
    // Looks once more, as a run does before it ends, so that every card
    // inserted by then is told of; looked() follows.
    virtual void lookAgain() = 0;
    // Whether it can eject a card once written; else the user must.
    virtual bool ejects() const = 0;
    // Where it finds the cards, to show: a folder, or the disk service.
    virtual QString place() const = 0;
    // The cards there before the run, listed and written only when chosen.
    const QList<Card> &present() const { return m_present; }

    // Makes a card's files reachable; prepared() tells.
    virtual void prepare(const Card &card) = 0;
    // Opens a prepared card's folder.
    virtual OpenedCard open(const Card &card) = 0;
    // Done with a card; released() tells.
    virtual void release(const Card &card, Release release) = 0;

signals:
    void ready();
    void unavailable(const QString &why);
    void looked();
    void inserted(const Tessaro::Card &card);
    void removed(const QString &key);
    // A volume that is no card, and why: "not a removable card".
    void leftAlone(const Tessaro::Card &card, const QString &why);
    // problem is empty when it went well.
    void prepared(const Tessaro::Card &card, const QString &problem);
    void released(const Tessaro::Card &card, const QString &problem);

protected:
    QList<Card> m_present;
};

// The ways this system offers cards, to be tried in turn. On Linux: where
// folder is empty, its disk service, then the folder where the desktop
// mounts the user's cards; else that folder. On Windows, its removable
// drives.
std::vector<std::unique_ptr<CardSource>> cardSources(const QString &folder);

// Whether this system finds cards in a folder the user names.
bool watchesCardFolders();

} // namespace Tessaro

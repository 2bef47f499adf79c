#pragma once

#include "core/cards/cardfolder.h"
#include "core/cards/cardsource.h"
#include "core/catalogue/optioncatalogue.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTime>

#include <memory>

namespace Tessaro {

// What became of a card, as a line of a run's log says it.
struct CardResult
{
    enum Kind {
        Waiting,    // inserted while another card has its turn
        Written,    // written and verified, and ejected where the source ejects
        NotEjected, // written and verified, but not ejected: detail says why
        Skipped,    // it holds a config.txt that is not to be replaced
        Failed,     // not written, or not reachable: detail says why
        Removed,    // removed before it was written
        InUse,      // another run holds it
        LeftAlone,  // a bind of a folder or a second view: no card
        Unused,     // it came once every ID was used
        Same,       // checked: the same as the form
        Different,  // checked: detail lists the rows that differ
        Unreadable, // checked: it holds no config.txt that can be read
    };
    QTime time;
    int unit = 0; // 0 where the card has none
    Card card;
    Kind kind = Waiting;
    QString detail;

    // "written and verified", "not written: Read-only file system"; in the
    // current language.
    QString text() const;
    // The log's line: time, unit, the card's label and device, and text().
    QString line() const;
    // Whether it went as the user meant; a command line tells the others on
    // standard error.
    bool wanted() const;
};

// A run of cards, one at a time: each card inserted gets the next unit's
// file when its turn comes (or, checking, is compared with the form), then
// is ejected where the source can. A card inserted meanwhile waits its turn;
// no step waits for another in a loop of its own, so nothing that arrives
// while a question is open can run a card's turn twice. Never two cards
// with one ID, never one card with two, never an ID past the last.
class CardSession : public QObject
{
    Q_OBJECT

public:
    enum class Mode { Write, Check };
    enum class Replacing { Ask, Always, Never };
    enum class State { Starting, Waiting, Preparing, Asking, Writing, Releasing, Done };

    CardSession(const FormSettings &settings, int first, int last, Mode mode,
                QObject *parent = nullptr);
    ~CardSession() override;

    // Watches for cards in folder; where folder is empty, through the
    // system's disk service where it answers, else in defaultCardFolder().
    // Watching anew forgets the cards waiting.
    void watch(const QString &folder);
    // Where it watches, once it does: a folder, or the disk service.
    const CardSource *source() const { return m_source; }

    // Each applies from the next card's turn on.
    void setMode(Mode mode) { m_mode = mode; }
    void setReplacing(Replacing replacing) { m_replacing = replacing; }
    void setEjecting(bool ejecting) { m_ejecting = ejecting; }
    // Whether cards are ejected for the user: the source can, and is to.
    bool ejects() const;

    // A card to write in its turn: one mounted before, chosen by the user.
    void offer(const Card &card);
    // The user's answer to question().
    void answer(bool replace);
    // Ends the run at once: nothing more is written or asked.
    void stop();

    Mode mode() const { return m_mode; }
    State state() const { return m_state; }
    int nextId() const { return m_next; }
    void setNextId(int id);
    bool allUsed() const { return m_mode == Mode::Write && m_next > m_last; }
    const QList<int> &written() const { return m_written; }
    const QList<CardResult> &log() const { return m_log; }

signals:
    // The source is watching, or cannot.
    void watching();
    void notWatching(const QString &why);
    // Each card's result, and each card that waits, as the log gets it.
    void logged(const Tessaro::CardResult &result);
    // Whether a card holding the file of unit held (-1: of none known) is to
    // get the file of unit; answer() tells. Withdrawn when that card is gone.
    void question(const Tessaro::Card &card, int unit, int held);
    void questionWithdrawn();
    void stateChanged();

private:
    void setState(State state);
    void take(const Card &card);
    void next();
    void prepared(const Card &card, const QString &problem);
    void opened();
    void check();
    void write(bool replacing);
    void finish(CardResult::Kind kind, const QString &detail = {}, bool release = true);
    void released(const Card &card, const QString &problem);
    void record(CardResult result);

    FormSettings m_settings;
    Mode m_mode;
    int m_next;
    int m_last;
    Replacing m_replacing = Replacing::Ask;
    bool m_ejecting = true;
    QPointer<CardSource> m_source;
    State m_state = State::Starting;
    QList<Card> m_waiting;
    // The card whose turn it is, its unit, its folder once open, and what
    // will be logged once it is released.
    Card m_card;
    int m_unit = 0;
    std::unique_ptr<CardFolder> m_folder;
    CardResult m_result;
    QList<int> m_written;
    QList<CardResult> m_log;
};

} // namespace Tessaro

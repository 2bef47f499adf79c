#pragma once

#include "core/cards/cardsource.h"
#include "core/catalogue/optioncatalogue.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <memory>
#include <vector>

namespace Tessaro {

// What became of a card, as a line of a run's log says it.
struct CardResult
{
    enum Kind {
        Waiting,    // inserted while another card has its turn
        Written,    // written and verified, and ejected where the source ejects
        NotEjected, // written and verified, but not ejected: detail says why
        Declined,   // it holds a config.txt, and the user would not have it replaced
        Kept,       // it holds a config.txt, which is not to be replaced
        Failed,     // not written, or not reachable: detail says why
        Removed,    // removed before it was written
        InUse,      // another run holds it
        LeftAlone,  // no card: detail says why
        Unused,     // it came once every unit was written
        Stopped,    // the run ended before its turn did
        Same,       // checked: the same as the form
        Different,  // checked: detail lists the rows that differ
        Unreadable, // checked: it holds no config.txt that can be read
    };
    QDateTime time;
    int unit = 0; // the unit whose file it holds, written or checked; 0 for none
    Card card;
    Kind kind = Waiting;
    QString detail;
    int held = 0;    // Declined, Kept: the unit of the file it holds; -1 for none known
    QString putBack; // why it could not be put back as it was found, if it could not

    // "written and verified", "left as it was: the run was stopped"; in the
    // current language.
    QString text() const;
    // The log's line: time, unit, the card's label and device, and text().
    QString line() const;
    // The same with the date, as a saved log keeps it.
    QString datedLine() const;
    // Whether it went as the user meant; a command line tells the others on
    // standard error.
    bool wanted() const;
};

// A run of cards, one at a time: each card inserted gets the next unit's
// file when its turn comes (or, checking, is compared with the form), then
// is put back: ejected once written where the source can, else as it was
// found. A card inserted meanwhile waits its turn; no step waits for another
// in a loop of its own, so nothing that arrives while a question is open can
// run a card's turn twice. Never two cards with one ID, never one card with
// two, never an ID past the last, and every card seen gets its line.
class CardSession : public QObject
{
    Q_OBJECT

public:
    enum class Mode { Write, Check };
    enum class Replacing { Ask, Always, Never };
    enum class State {
        Starting,
        Waiting,
        Preparing,
        Asking,
        Writing,
        Releasing,
        Ending, // a last look for cards that came meanwhile
        Done,
    };

    CardSession(const FormSettings &settings, int first, int last, Mode mode,
                QObject *parent = nullptr);
    ~CardSession() override;

    // Watches for cards where cardSources() finds them for folder. Watching
    // anew forgets the cards waiting; it is refused while a card has its turn.
    bool watch(const QString &folder);
    // The same from the sources given, tried in turn.
    bool watch(std::vector<std::unique_ptr<CardSource>> sources);
    // Where it watches, once it does; nothing before, or when nothing answered.
    const CardSource *source() const;

    // Each applies from the next card's turn on.
    void setMode(Mode mode) { m_mode = mode; }
    void setReplacing(Replacing replacing) { m_replacing = replacing; }
    void setEjecting(bool ejecting) { m_ejecting = ejecting; }
    // Whether cards are ejected for the user: the source can, and is to.
    bool ejects() const;

    // The cards there before the run, but those given a turn.
    QList<Card> present() const;
    // A card to write in its turn: one there before, chosen by the user.
    void offer(const Card &card);
    // The user's answer to question().
    void answer(bool replace);
    // Ends the run: nothing more is written or asked, the card whose turn it
    // is goes back as it was found, the cards that came meanwhile get their
    // lines; then finished().
    void end();

    Mode mode() const { return m_mode; }
    State state() const { return m_state; }
    bool busy() const;
    int nextId() const { return m_next; }
    void setNextId(int id) { m_next = id; }
    bool allUsed() const { return m_mode == Mode::Write && m_next > m_last; }
    const QList<int> &written() const { return m_written; }
    const QList<CardResult> &log() const { return m_log; }

signals:
    // The source is watching, or none can, and why.
    void watching();
    void notWatching(const QString &why);
    // Each card's result, and each card that waits, as the log gets it.
    void logged(const Tessaro::CardResult &result);
    // Whether a card holding the file of unit held (-1: of none known) is to
    // get the file of unit; answer() tells. Withdrawn when that card is gone.
    void question(const Tessaro::Card &card, int unit, int held);
    void questionWithdrawn();
    void stateChanged();
    // A card there before went: present() has changed.
    void presentChanged();
    void finished();

private:
    void setState(State state);
    void startSource();
    void take(const Card &card);
    void removed(const QString &key);
    void next();
    void prepared(const Card &card, const QString &problem);
    void turn();
    void check();
    void write(bool replacing);
    void finish(CardResult::Kind kind, const QString &detail = {});
    void released(const Card &card, const QString &problem);
    void wrapUp();
    void record(CardResult result);
    CardResult resultOf(const Card &card, CardResult::Kind kind) const;

    FormSettings m_settings;
    Mode m_mode;
    int m_next;
    int m_last;
    Replacing m_replacing = Replacing::Ask;
    bool m_ejecting = true;
    bool m_ending = false;
    // The sources still to try, the first of them watching once ready.
    std::vector<std::unique_ptr<CardSource>> m_sources;
    QStringList m_unavailable; // why each source tried could not watch
    State m_state = State::Starting;
    QList<Card> m_waiting;
    QSet<QString> m_taken; // every card given a turn or a place in the queue
    // The card whose turn it is, its unit, its folder once open, and what
    // will be logged once it is put back.
    Card m_card;
    int m_unit = 0;
    int m_held = 0;
    std::unique_ptr<CardFolder> m_folder;
    CardResult m_result;
    QList<int> m_written;
    QList<CardResult> m_log;
};

} // namespace Tessaro

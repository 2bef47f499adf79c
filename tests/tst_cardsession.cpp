// A run of cards, one at a time, as the dialog and tessaro-config drive it,
// with cards a test inserts and pulls at will.

#include "core/format/configurationformat.h"
#include "core/cards/cardsession.h"
#include "core/unitfiles.h"
#include "support/fakecards.h"
#include "support/formaccess.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace TestSupport;
using Tessaro::CardSession;

class TestCardSession : public QObject
{
    Q_OBJECT

private slots:
    void oneCardAtATime_data();
    void oneCardAtATime();
};

void TestCardSession::oneCardAtATime_data()
{
    // What happens, step by step, for units 3 to 5: "+A" inserts card A,
    // "+A9" one holding the file of unit 9, "+Ar" a read-only one, "+Ab" one
    // that cannot be ejected; "-A" pulls it; "." lets what is under way go
    // on, "?" waits for the question, "yes" and "no" answer it, "end" ends
    // the run. Then the log, without times, and how each card was put back.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("releases");
    QTest::newRow("a card inserted while another has its turn")
            << u"+A +B"_s
            << u"--------  B (fake:B)  waiting|unit 003  A (fake:A)  written and verified|"
               u"unit 004  B (fake:B)  written and verified"_s
            << u"A ejected|B ejected"_s;
    QTest::newRow("a card inserted while asking")
            << u"+A9 ? +B yes"_s
            << u"--------  B (fake:B)  waiting|unit 003  A (fake:A)  written and verified|"
               u"unit 004  B (fake:B)  written and verified"_s
            << u"A ejected|B ejected"_s;
    QTest::newRow("declined, and another removed before its turn")
            << u"+A9 ? +B -B no . +C"_s
            << u"--------  B (fake:B)  waiting|--------  B (fake:B)  removed before it was "
               u"written|--------  A (fake:A)  left as it was: holds the file of unit 009; you "
               u"answered No|unit 003  C (fake:C)  written and verified"_s
            << u"A put back|C ejected"_s;
    QTest::newRow("pulled while asking")
            << u"+A9 ? -A . +B"_s
            << u"--------  A (fake:A)  removed before it was written|"
               u"unit 003  B (fake:B)  written and verified"_s
            << u"A put back|B ejected"_s;
    QTest::newRow("ended while asking")
            << u"+A9 ? end yes . +B"_s
            << u"--------  A (fake:A)  left as it was: the run was stopped"_s << u"A put back"_s;
    QTest::newRow("ended with a card waiting")
            << u"+A +B end"_s
            << u"--------  B (fake:B)  waiting|--------  A (fake:A)  left as it was: the run was "
               u"stopped|--------  B (fake:B)  left as it was: the run was stopped"_s
            << u"A put back"_s;
    QTest::newRow("more cards than IDs")
            << u"+A . +B . +C . +D"_s
            << u"unit 003  A (fake:A)  written and verified|unit 004  B (fake:B)  written and "
               u"verified|unit 005  C (fake:C)  written and verified|--------  D (fake:D)  left "
               u"alone: every unit is written"_s
            << u"A ejected|B ejected|C ejected"_s;
    QTest::newRow("read-only, and not ejected")
            << u"+Ar . +Bb"_s
            << u"--------  A (fake:A)  not written: Read-only file system|unit 003  B (fake:B)  "
               u"written and verified, not ejected: busy"_s
            << u"A put back|B ejected"_s;
    QTest::newRow("told twice") << u"+A +A"_s
                                << u"unit 003  A (fake:A)  written and verified"_s
                                << u"A ejected"_s;
}

void TestCardSession::oneCardAtATime()
{
    QFETCH(QString, steps);
    QFETCH(QString, log);
    QFETCH(QString, releases);
    const Tessaro::FormSettings form = formWith({}, true);
    CardSession session(form, 3, 5, CardSession::Mode::Write);
    auto *cards = new FakeCardSource;
    std::vector<std::unique_ptr<Tessaro::CardSource>> sources;
    sources.emplace_back(cards);
    bool asked = false;
    connect(&session, &CardSession::question, this, [&asked] { asked = true; });
    session.watch(std::move(sources));
    QTRY_VERIFY(session.state() == CardSession::State::Waiting);
    for (const QString &step : steps.split(u' ')) {
        const QString name = step.mid(1, 1);
        if (step.startsWith(u'+')) {
            const QString held = step.mid(2);
            FakeCardSource::Fake card;
            card.hasFile = !held.isEmpty() && held[0].isDigit();
            card.held = card.hasFile ? "#ID:00" + held.toLatin1() : QByteArray();
            card.readOnly = held == u"r";
            card.stuck = held == u"b";
            cards->insert(name, card);
        } else if (step.startsWith(u'-')) {
            cards->pull(name);
        } else if (step == u".") {
            QTest::qWait(20);
        } else if (step == u"?") {
            QTRY_VERIFY(asked);
            asked = false;
        } else if (step == u"end") {
            session.end();
        } else {
            session.answer(step == u"yes");
        }
    }
    QTest::qWait(50);
    QStringList logged;
    for (const Tessaro::CardResult &result : session.log())
        logged << result.line().section(u"  "_s, 1);
    QCOMPARE(logged.join(u'|'), log);
    QCOMPARE(cards->releases().join(u'|'), releases);
    // Each card logged as written holds its unit's file.
    static const QRegularExpression written(u"unit (\\d+)  (\\w) \\S+  written"_s);
    for (const QString &line : std::as_const(logged)) {
        if (const QRegularExpressionMatch match = written.match(line); match.hasMatch())
            QCOMPARE(cards->card(match.captured(2)).held,
                     Tessaro::configurationText(
                             Tessaro::unitSettings(form, match.captured(1).toInt())));
    }
}

QTEST_GUILESS_MAIN(TestCardSession)
#include "tst_cardsession.moc"

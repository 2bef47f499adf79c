// A run of cards, one at a time, as the dialog and tessaro-config drive it:
// cards mounted in a watched folder by cards.sh's mount namespace, each held
// a while once opened.

#include "core/format/configurationformat.h"
#include "core/cards/cardsession.h"
#include "support/cards.h"
#include "support/formaccess.h"

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
    // What happens, step by step: "+A" inserts card A, "+A9" one holding the
    // file of unit 9, "-A" pulls it, "?" waits for the question, "yes" and
    // "no" answer it, "close" stops the run. Then the log, without times.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("log");
    QTest::newRow("a card inserted while another has its turn")
            << u"+A +B"_s
            << u"--------  B (B)  waiting|unit 003  A (A)  written and verified|"
               u"unit 004  B (B)  written and verified"_s;
    QTest::newRow("a card inserted while asking")
            << u"+A9 ? +B yes"_s
            << u"--------  B (B)  waiting|unit 003  A (A)  written and verified|"
               u"unit 004  B (B)  written and verified"_s;
    QTest::newRow("a card removed before its turn, another declined")
            << u"+A9 ? +B -B no +C"_s
            << u"--------  B (B)  waiting|--------  B (B)  removed before it was written|"
               u"unit 003  A (A)  left as it was|unit 003  C (C)  written and verified"_s;
    QTest::newRow("closed while asking") << u"+A9 ? close yes +B"_s << QString();
}

void TestCardSession::oneCardAtATime()
{
    QFETCH(QString, steps);
    QFETCH(QString, log);
    const QString watched = qEnvironmentVariable("TESSARO_WATCHED");
    if (watched.isEmpty())
        QSKIP("cards are mounted by cards.sh, in a mount namespace of its own");
    static int run = 0;
    const QString folder = watched + u'/' + QString::number(++run);
    QVERIFY(QDir().mkpath(folder));
    CardSession session(formWith({}, true), 3, 5, CardSession::Mode::Write);
    bool asked = false;
    connect(&session, &CardSession::question, this, [&asked] { asked = true; });
    session.watch(folder);
    QVERIFY(QTest::qWaitFor([&session] { return session.state() == CardSession::State::Waiting; }));
    for (const QString &step : steps.split(u' ')) {
        if (step.startsWith(u'+'))
            QVERIFY(insertCard(folder, step.mid(1, 1),
                               step.size() > 2 ? "#ID:00" + step.mid(2).toLatin1() : QByteArray()));
        else if (step.startsWith(u'-'))
            QCOMPARE(QProcess::execute(u"umount"_s, {folder + u'/' + step.mid(1)}), 0);
        else if (step == u"?")
            QVERIFY(QTest::qWaitFor([&asked] { return std::exchange(asked, false); }));
        else if (step == u"close")
            session.stop();
        else
            session.answer(step == u"yes");
        QTest::qWait(50);
    }
    // Every line expected, then a moment for any that should not come.
    const qsizetype lines = log.isEmpty() ? 0 : log.count(u'|') + 1;
    QVERIFY(QTest::qWaitFor([&] { return session.log().size() >= lines; }));
    QTest::qWait(300);
    QStringList logged;
    for (const Tessaro::CardResult &result : session.log())
        logged << result.line().section(u"  "_s, 1);
    QCOMPARE(logged.join(u'|'), log);
}

QTEST_GUILESS_MAIN(TestCardSession)
#include "tst_cardsession.moc"
